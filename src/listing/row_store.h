#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestra {

// The rows of one listing, kept compactly: the cell bytes of all rows in one
// buffer and one offset per cell.  Row r (from 0) holds record r + 1; its
// record number cell is not stored.  Cells are Windows-1250 bytes.
class RowStore {
 public:
  static constexpr int kColumnCount = 4;  // "nr kol.", "numer dok.", "z dnia", "firma"

  void Clear();
  void Reserve(std::size_t rows, std::size_t bytes_per_row);
  void Append(std::string_view number, std::string_view date, std::string_view name);

  std::size_t RowCount() const { return (ends_.size()) / 3; }
  // column 1 number, 2 date, 3 name.
  std::string_view Cell(std::size_t row, int column) const;
  // The cell as the grid shows it; column 0 is the record number row + 1.
  std::string CellText(std::size_t row, int column) const;

  std::size_t MemoryBytes() const;

 private:
  std::string text_;
  std::vector<std::uint64_t> ends_;  // end offset of each cell in text_
};

}  // namespace kestra
