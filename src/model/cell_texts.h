#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/layouts.h"
#include "model/profile.h"
#include "platform/regional.h"

namespace kestra {

// The three cells a record gives in the listing.  Bytes as stored (number
// cells, kind 15's date cell) or converted to Windows-1250 (name cells and
// kind 11's date cell).
struct CellTexts {
  std::string number;
  std::string date;
  std::string name;
};

// Lengths of the three cells CellWriter::Write puts one after another.
struct CellLengths {
  std::size_t number = 0;
  std::size_t date = 0;
  std::size_t name = 0;
};

// Writes the cells of records of one kind in one profile, with the regional
// separators given, straight into a caller's buffer.  The Polish letter
// settings are read at every record, as the conversion reads them.
class CellWriter {
 public:
  // Throws std::invalid_argument for a kind outside 0..15.
  CellWriter(Profile profile, int kind, const RegionalSettings& regional);

  // Room the three cells of any record can need.
  std::size_t MaxBytes() const { return rooms_[0] + rooms_[1] + rooms_[2]; }

  // Writes the number, date and name cells of `record` one after another at
  // `out`, which has room for MaxBytes(); returns their lengths.  Throws
  // std::invalid_argument for a record shorter than the fields the layout
  // reads, InvalidFloatOperation for an amount that cannot be made into text.
  CellLengths Write(std::span<const std::uint8_t> record, char* out) const;

 private:
  const KindLayout* layout_;
  RegionalSettings regional_;
  std::array<std::size_t, 3> rooms_;  // number, date, name
  int kind_;
};

// Builds the cells of one record of `kind` by the kind's layout in
// `profile`.  `record` holds exactly the kind's record length.  Throws as
// CellWriter does.
void BuildCellTexts(Profile profile, int kind, std::span<const std::uint8_t> record,
                    const RegionalSettings& regional, CellTexts& out);

}  // namespace kestra
