#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kestra {

// An error that ends the action that raised it.  The window shows it in the
// error report (ErrorReportText); the command-line tool prints it.
class RunError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Codes of the file layer.  The texts are those MX730 users know from the
// DOS and Windows tools: see IoErrorText.
namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kAccessDenied = 5;
inline constexpr int kFileExists = 80;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kNegativeSeek = 131;
}  // namespace io_code

// "File not found" (2), "File access denied" (5), "Read beyond end of file"
// (100), "Disk full" (101), "I/O error %d" for any other code.
std::string IoErrorText(int code);

class IoError : public RunError {
 public:
  explicit IoError(int code);
  int code() const { return code_; }

 private:
  int code_;
};

// An amount that cannot be turned into text: NaN, an infinity, or a value
// whose hundredfold does not fit a signed 64-bit integer.
class InvalidFloatOperation : public RunError {
 public:
  InvalidFloatOperation();
};

// The text of the error report: the error's text with a full stop appended
// when its last character's code is above that of the full stop.
std::string ErrorReportText(std::string_view text);

}  // namespace kestra
