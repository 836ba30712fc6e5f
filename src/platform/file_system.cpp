#include "platform/file_system.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace kestra {
namespace {

// rename() replaces an existing target; renameat2 with RENAME_NOREPLACE
// refuses it atomically.  File systems without it get link + unlink, which
// refuses an existing target as well.
bool RenameNoReplace(const char* from, const char* to) {
#ifdef SYS_renameat2
  if (syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
#endif
  if (link(from, to) != 0) return false;
  if (unlink(from) != 0) {
    const int saved = errno;
    unlink(to);
    errno = saved;
    return false;
  }
  return true;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool RenameFile(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  return RenameNoReplace(from.c_str(), to.c_str());
}

std::int64_t FileSizeByName(const std::string& name) {
  struct stat st {};
  if (name.empty() || stat(name.c_str(), &st) != 0) return -1;
  return S_ISDIR(st.st_mode) ? 0 : static_cast<std::int64_t>(st.st_size);
}

}  // namespace kestra
