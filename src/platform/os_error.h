#pragma once

namespace kestra {

// Maps an errno value onto the file layer's codes (see io_code).  Errors
// without a code of their own become 1000 + errno, so they never collide
// with the codes that have texts.
int IoCodeFromErrno(int error_number);

// Throws IoError for the errno value.
[[noreturn]] void ThrowErrno(int error_number);

}  // namespace kestra
