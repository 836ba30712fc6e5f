#pragma once

#include <cstdint>
#include <span>
#include <string>

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

// Builds the cells of one record of `kind` by the kind's layout in
// `profile`.  `record` holds exactly the kind's record length.  Throws
// InvalidFloatOperation for an amount that cannot be made into text.
void BuildCellTexts(Profile profile, int kind, std::span<const std::uint8_t> record,
                    const RegionalSettings& regional, CellTexts& out);

}  // namespace kestra
