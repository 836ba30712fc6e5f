#pragma once

#include <cstdint>
#include <string>

namespace kestra {

// True when a file (anything but a folder) of that path exists.
bool FileExists(const std::string& path);

// Renames (moves) a file; never replaces an existing file.  False on any
// failure, the target existing included.
bool RenameFile(const std::string& from, const std::string& to);

// Size in bytes of the file of that name, or -1 when nothing of that name
// is found.  A folder counts as an entry of size 0.
std::int64_t FileSizeByName(const std::string& name);

}  // namespace kestra
