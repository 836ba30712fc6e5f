#pragma once

#include <string>
#include <string_view>

namespace kestra::cli {

// Appends a Windows-1250 cell to `out` as UTF-8, with backslash, tab, line
// feed and carriage return written as \\ \t \n \r and any other character
// below U+0020 as \xHH.  The five bytes Windows-1250 leaves unassigned (81,
// 83, 88, 90, 98 hex) become U+0081, U+0083, U+0088, U+0090, U+0098.
void AppendEscapedCell(std::string_view windows1250, std::string& out);

// A message box text for a terminal: its lone carriage returns become line
// feeds.
std::string TerminalLines(std::string_view message_text);

}  // namespace kestra::cli
