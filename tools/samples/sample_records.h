#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/profile.h"

// Made-up MX730 data for tests, benchmarks and trying the programs out.
// Every value depends only on the profile, the kind, the record index and
// the code page, so the same call always gives the same bytes.

namespace kestra {

inline constexpr std::int64_t kDefaultSampleRecords = 3000;

// Name of the sample file of a kind, matching the kind's open-dialog filter
// ("FAKT03.DAT" for kind 0, "BANKOPER.DAT" for kind 12).  Throws
// std::invalid_argument for a kind outside 0..15.
std::string_view SampleFileName(int kind);

// Fills `record` (at least as long as the kind's listed fields reach;
// normally the kind's record length in `profile`) with record number
// `index` (from 0): every listed field gets a realistic value (document
// numbers, dates in 2003..2026, amounts, Polish names, streets and cities)
// with texts in `codepage` (1 Mazovia or 2 CP852; 0 and 4 work too), and
// every other byte a fixed pattern.  Throws std::invalid_argument for a bad
// kind, a short record or a code page other than 0, 1, 2 or 4.
void FillSampleRecord(Profile profile, int kind, std::int64_t index, int codepage,
                      std::span<std::uint8_t> record);

// UTF-8 text with Polish letters as bytes of a one-byte code page (0, 1, 2
// or 4): the eighteen letters by the letter table, ASCII as it is, any other
// character as "?".
std::string EncodePolishText(std::string_view utf8, int codepage);

}  // namespace kestra
