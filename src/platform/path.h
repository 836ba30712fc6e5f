#pragma once

#include <string>
#include <string_view>

namespace kestra {

// Path parts as the MX730 tools see them: the delimiters are the backslash,
// the colon (a drive) and the forward slash (this platform's separator).

// Everything up to and including the last delimiter; empty when none.
std::string ExtractFilePath(std::string_view path);

// Everything after the last delimiter.
std::string ExtractFileName(std::string_view path);

// From the last full stop of the file name, the full stop included, to the
// end; empty when the file name has no full stop.
std::string ExtractFileExt(std::string_view path);

}  // namespace kestra
