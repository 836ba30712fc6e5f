#include "platform/os_error.h"

#include <cerrno>
#include <utility>

#include "platform/errors.h"

namespace kestra {
namespace {

constexpr std::pair<int, int> kErrnoCodes[] = {
    {ENOENT, io_code::kFileNotFound},
    {ENOTDIR, 3},  // path not found
    {ENAMETOOLONG, 3},
    {EMFILE, 4},   // too many open files
    {ENFILE, 4},
    {EACCES, io_code::kAccessDenied},
    {EPERM, io_code::kAccessDenied},
    {EROFS, io_code::kAccessDenied},
    {EISDIR, io_code::kAccessDenied},
    {ETXTBSY, io_code::kAccessDenied},
    {EBADF, 6},    // invalid handle
    {ENOMEM, 8},   // not enough memory
    {EEXIST, io_code::kFileExists},
    {ENOSPC, io_code::kDiskFull},
    {EDQUOT, io_code::kDiskFull},
    {EFBIG, io_code::kDiskFull},  // the file may grow no further
    {EINVAL, 87},  // invalid parameter
    {EIO, 1117},   // device I/O error
};

}  // namespace

int IoCodeFromErrno(int error_number) {
  for (const auto& [number, code] : kErrnoCodes) {
    if (number == error_number) return code;
  }
  return 1000 + error_number;
}

void ThrowErrno(int error_number) { throw IoError(IoCodeFromErrno(error_number)); }

}  // namespace kestra
