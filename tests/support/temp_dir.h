#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kestra::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestra-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // The folder with its trailing separator, as the current file's folder.
  std::string Folder() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// Records whose bytes tell their record number: record n (from 1) holds
// byte (n * 31 + i) & 0xFF at position i.
inline std::vector<char> NumberedRecords(std::int64_t count, std::uint32_t length,
                                         std::uint32_t tail = 0) {
  std::vector<char> bytes(count * length + tail);
  for (std::int64_t n = 1; n <= count + 1; ++n) {
    for (std::uint32_t i = 0; i < length; ++i) {
      const std::int64_t at = (n - 1) * length + i;
      if (at >= static_cast<std::int64_t>(bytes.size())) break;
      bytes[at] = static_cast<char>((n * 31 + i) & 0xFF);
    }
  }
  return bytes;
}

inline void WriteFile(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<char> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void MakeReadOnly(const std::string& path) { chmod(path.c_str(), 0444); }

}  // namespace kestra::test
