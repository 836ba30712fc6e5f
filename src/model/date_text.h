#pragma once

#include <cstddef>
#include <string>

#include "model/fields.h"

namespace kestra {

// The date cell text of a packed date: day and month right-aligned in two
// places, the year in four, joined by `separator`, then every blank among
// the first ten characters made a "0".  Day 5, month 3, year 2004 give
// "05-03-2004"; nothing is checked against the calendar, so day 200 shows
// as "200".
std::string DateCellText(PackedDate date, char separator);

// The longest date cell text: day and month of three digits, a year of five.
inline constexpr std::size_t kMaxDateCellTextLength = 13;

// The same text written at `out`, which has room for kMaxDateCellTextLength
// characters; returns the end of the text.
char* WriteDateCellText(PackedDate date, char separator, char* out);

// The same text appended to `out`.
void AppendDateCellText(PackedDate date, char separator, std::string& out);

}  // namespace kestra
