#pragma once

#include <string>

#include "model/fields.h"

namespace kestra {

// The date cell text of a packed date: day and month right-aligned in two
// places, the year in four, joined by `separator`, then every blank among
// the first ten characters made a "0".  Day 5, month 3, year 2004 give
// "05-03-2004"; nothing is checked against the calendar, so day 200 shows
// as "200".
std::string DateCellText(PackedDate date, char separator);

// The same text appended to `out`.
void AppendDateCellText(PackedDate date, char separator, std::string& out);

}  // namespace kestra
