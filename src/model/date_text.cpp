#include "model/date_text.h"

#include <algorithm>
#include <charconv>

#include "model/decimal_digits.h"

namespace kestra {
namespace {

constexpr int kDayWidth = 2;
constexpr int kMonthWidth = 2;
constexpr int kYearWidth = 4;
// Blanks are made zeros only within this many leading characters.
constexpr std::ptrdiff_t kZeroFilledPrefix = 10;

// Decimal text of `value`, with leading blanks up to `width`.
char* WriteRightAligned(unsigned value, int width, char* out) {
  char digits[8];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const int length = static_cast<int>(end - digits);
  if (length < width) out = std::fill_n(out, width - length, ' ');
  return std::copy(digits, end, out);
}

}  // namespace

char* WriteDateCellText(PackedDate date, char separator, char* out) {
  if (date.day < 100 && date.month < 100 && date.year < 10000) {
    // The common case: ten characters, every blank of them a zero (the
    // separator too, should it be a blank).
    const char sep = separator == ' ' ? '0' : separator;
    out = WriteTwoDigits(date.day, out);
    *out++ = sep;
    out = WriteTwoDigits(date.month, out);
    *out++ = sep;
    out = WriteTwoDigits(date.year / 100, out);
    return WriteTwoDigits(date.year % 100, out);
  }
  char* const start = out;
  out = WriteRightAligned(date.day, kDayWidth, out);
  *out++ = separator;
  out = WriteRightAligned(date.month, kMonthWidth, out);
  *out++ = separator;
  out = WriteRightAligned(date.year, kYearWidth, out);
  std::replace(start, start + std::min(kZeroFilledPrefix, out - start), ' ', '0');
  return out;
}

void AppendDateCellText(PackedDate date, char separator, std::string& out) {
  char text[kMaxDateCellTextLength];
  out.append(text, WriteDateCellText(date, separator, text));
}

std::string DateCellText(PackedDate date, char separator) {
  std::string text;
  AppendDateCellText(date, separator, text);
  return text;
}

}  // namespace kestra
