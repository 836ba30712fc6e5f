#include "platform/errors.h"

#include <string>

namespace kestra {

std::string IoErrorText(int code) {
  switch (code) {
    case io_code::kFileNotFound: return "File not found";
    case io_code::kAccessDenied: return "File access denied";
    case io_code::kReadBeyondEnd: return "Read beyond end of file";
    case io_code::kDiskFull: return "Disk full";
    default: return "I/O error " + std::to_string(code);
  }
}

IoError::IoError(int code) : RunError(IoErrorText(code)), code_(code) {}

InvalidFloatOperation::InvalidFloatOperation()
    : RunError("Invalid floating point operation") {}

std::string ErrorReportText(std::string_view text) {
  std::string report(text);
  if (!report.empty() && static_cast<unsigned char>(report.back()) > '.') report += '.';
  return report;
}

}  // namespace kestra
