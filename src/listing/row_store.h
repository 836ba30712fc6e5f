#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestra {

// The rows of one listing, kept compactly: the three stored cells of a row
// lie side by side in large shared blocks, and each row costs one small
// index entry.  Row r (from 0) holds record r + 1; its record number cell is
// not stored.  Cells are Windows-1250 bytes.
class RowStore {
 public:
  static constexpr int kColumnCount = 4;  // "nr kol.", "numer dok.", "z dnia", "firma"

  // Empties the store; its memory is kept for the next rows.
  void Clear();
  // Gives back the memory that the rows do not use.
  void ShrinkToFit();
  void Reserve(std::size_t rows);
  void Append(std::string_view number, std::string_view date, std::string_view name);

  // Room for the cells of the next row, `max_bytes` of them, valid until
  // the next change to the store.  AddRow adds the row whose three cells
  // were written there one after another; each is at most 65,535 bytes.
  char* RowRoom(std::size_t max_bytes);
  void AddRow(std::size_t number, std::size_t date, std::size_t name);

  std::size_t RowCount() const { return rows_.size(); }
  // Column 1 number, 2 date, 3 name; column 0 (the record number) is empty.
  std::string_view Cell(std::size_t row, int column) const;
  // The cell as the grid shows it: column 0 is the decimal record number.
  std::string CellText(std::size_t row, int column) const;

  std::size_t MemoryBytes() const;

 private:
  struct RowRef {
    std::uint32_t block;
    std::uint32_t offset;
    std::uint16_t length[3];
  };
  struct Block {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    std::size_t used = 0;
  };

  std::vector<Block> blocks_;
  std::size_t filling_ = 0;  // index of the block being filled; blocks after it are spare
  std::vector<RowRef> rows_;
};

}  // namespace kestra
