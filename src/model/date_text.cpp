#include "model/date_text.h"

#include <algorithm>
#include <charconv>

namespace kestra {
namespace {

constexpr int kDayWidth = 2;
constexpr int kMonthWidth = 2;
constexpr int kYearWidth = 4;
// Blanks are made zeros only within this many leading characters.
constexpr std::size_t kZeroFilledPrefix = 10;

// Decimal text of `value`, with leading blanks up to `width`.
void AppendRightAligned(unsigned value, int width, std::string& out) {
  char digits[8];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const int length = static_cast<int>(end - digits);
  if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
  out.append(digits, end);
}

}  // namespace

// Two decimal digits of a value below 100.
void WriteTwoDigits(unsigned value, char* out) {
  out[0] = static_cast<char>('0' + value / 10);
  out[1] = static_cast<char>('0' + value % 10);
}

void AppendDateCellText(PackedDate date, char separator, std::string& out) {
  if (date.day < 100 && date.month < 100 && date.year < 10000) {
    // The common case: ten characters, every blank of them a zero (the
    // separator too, should it be a blank).
    const char sep = separator == ' ' ? '0' : separator;
    char text[10];
    WriteTwoDigits(date.day, text);
    text[2] = sep;
    WriteTwoDigits(date.month, text + 3);
    text[5] = sep;
    WriteTwoDigits(date.year / 100, text + 6);
    WriteTwoDigits(date.year % 100, text + 8);
    out.append(text, sizeof text);
    return;
  }
  const std::size_t start = out.size();
  AppendRightAligned(date.day, kDayWidth, out);
  out.push_back(separator);
  AppendRightAligned(date.month, kMonthWidth, out);
  out.push_back(separator);
  AppendRightAligned(date.year, kYearWidth, out);

  const auto first = out.begin() + static_cast<std::ptrdiff_t>(start);
  const auto last = first + static_cast<std::ptrdiff_t>(
                                std::min(kZeroFilledPrefix, out.size() - start));
  std::replace(first, last, ' ', '0');
}

std::string DateCellText(PackedDate date, char separator) {
  std::string text;
  AppendDateCellText(date, separator, text);
  return text;
}

}  // namespace kestra
