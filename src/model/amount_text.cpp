#include "model/amount_text.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <charconv>
#include <cstring>

#include "model/decimal_digits.h"
#include "platform/errors.h"

namespace kestra {
namespace {

using u128 = unsigned __int128;

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr int kFractionBits = 52;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;
constexpr int kExponentMask = 0x7FF;
constexpr int kExponentBias = 1075;  // 1023 plus the 52 fraction bits
constexpr int kSubnormalExponent = 1 - kExponentBias;

constexpr std::uint64_t kHundred = 100;
// Quotients of this many hundredths and more are written through the
// 18-then-15-digit rounding; below it the text is the exact quotient.
constexpr std::uint64_t kExactLimit = 1'000'000'000'000'000;  // 10^15
constexpr int kConversionDigits = 18;
constexpr int kShownDigits = 15;
// Integer parts longer than this are written in scientific form.
constexpr int kMaxIntegerDigits = 15;

constexpr u128 PowerOf(std::uint64_t base, int exponent) {
  u128 result = 1;
  for (int i = 0; i < exponent; ++i) result *= base;
  return result;
}

int DecimalDigitCount(u128 value) {
  int count = 1;
  while (value >= 10) {
    value /= 10;
    ++count;
  }
  return count;
}

// value / 2^shift rounded to the nearest integer, halfway to the even one.
std::uint64_t ShiftRightRoundingEven(std::uint64_t value, int shift) {
  if (shift >= 64) return 0;  // callers pass values below 2^60: less than a half
  if (shift == 0) return value;
  const std::uint64_t quotient = value >> shift;
  const std::uint64_t rest = value & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  // Which way amounts round is anyone's guess: no branch on it.
  const std::uint64_t up = static_cast<std::uint64_t>(rest > half) |
                           (static_cast<std::uint64_t>(rest == half) & quotient);
  return quotient + (up & 1);
}

// A number written as digits with the decimal point after `point` of them:
// digits "125" with point 1 is 1.25.  No trailing zeros in `digits`.
struct DecimalText {
  char digits[24];
  int count = 0;
  int point = 0;
};

// Writes the digits of `value` without its trailing zeros; returns how many
// digits it has with them.
int SetDigits(std::uint64_t value, DecimalText& text) {
  const int all = static_cast<int>(
      std::to_chars(text.digits, text.digits + sizeof text.digits, value).ptr - text.digits);
  text.count = all;
  while (text.count > 1 && text.digits[text.count - 1] == '0') --text.count;
  return all;
}

// hundredths / 100 rounded to a 64-bit mantissa (nearest, halfway to even):
// the value is mantissa / 2^shift, with the mantissa's top bit set.
struct ExtendedQuotient {
  std::uint64_t mantissa;
  int shift;
};

ExtendedQuotient DivideByHundred(std::uint64_t hundredths) {
  // hundredths < 2^63, so the shifted dividend keeps within 71 bits.
  int shift = 70 - std::bit_width(hundredths);
  u128 quotient, rest;
  for (;;) {
    const u128 dividend = static_cast<u128>(hundredths) << shift;
    quotient = dividend / kHundred;
    rest = dividend % kHundred;
    if (quotient >> 64 != 0) {
      --shift;
    } else if ((quotient >> 63) == 0) {
      ++shift;
    } else {
      break;
    }
  }
  if (2 * rest > kHundred || (2 * rest == kHundred && (quotient & 1) != 0)) ++quotient;
  if (quotient >> 64 != 0) {
    quotient >>= 1;
    --shift;
  }
  return {static_cast<std::uint64_t>(quotient), shift};
}

// The quotient of hundredths of 10^15 and more, as the 64-bit-mantissa
// quotient taken to 18 significant digits (halfway to even) and those digits
// rounded to 15 (halfway away from zero).
DecimalText RoundedQuotient(std::uint64_t hundredths) {
  const ExtendedQuotient q = DivideByHundred(hundredths);
  // q = mantissa * 5^shift / 10^shift, exact in 128 bits for these shifts.
  assert(q.shift >= 0 && q.shift <= 27);
  const u128 scaled = static_cast<u128>(q.mantissa) * PowerOf(5, q.shift);
  const int digit_count = DecimalDigitCount(scaled);
  int point = digit_count - q.shift;

  u128 digits18 = scaled;
  if (digit_count > kConversionDigits) {
    const u128 unit = PowerOf(10, digit_count - kConversionDigits);
    digits18 = scaled / unit;
    const u128 rest = scaled % unit;
    if (2 * rest > unit || (2 * rest == unit && (digits18 & 1) != 0)) ++digits18;
  } else {
    digits18 *= PowerOf(10, kConversionDigits - digit_count);
  }
  if (digits18 == PowerOf(10, kConversionDigits)) {
    digits18 /= 10;
    ++point;
  }

  const u128 unit = PowerOf(10, kConversionDigits - kShownDigits);
  u128 digits15 = digits18 / unit;
  if (digits18 % unit >= unit / 2) ++digits15;
  if (digits15 == PowerOf(10, kShownDigits)) {
    digits15 /= 10;
    ++point;
  }

  DecimalText text;
  SetDigits(static_cast<std::uint64_t>(digits15), text);
  text.point = point;
  return text;
}

char* WriteFixed(const DecimalText& text, char separator, char* out) {
  if (text.point <= 0) {
    *out++ = '0';
    *out++ = separator;
    out = std::fill_n(out, -text.point, '0');
    return std::copy_n(text.digits, text.count, out);
  }
  const int whole = text.point < text.count ? text.point : text.count;
  out = std::copy_n(text.digits, whole, out);
  if (text.point > text.count) {
    out = std::fill_n(out, text.point - text.count, '0');
  } else if (text.point < text.count) {
    *out++ = separator;
    out = std::copy_n(text.digits + whole, text.count - whole, out);
  }
  return out;
}

char* WriteScientific(const DecimalText& text, char separator, char* out) {
  *out++ = text.digits[0];
  if (text.count > 1) {
    *out++ = separator;
    out = std::copy_n(text.digits + 1, text.count - 1, out);
  }
  *out++ = 'E';
  return std::to_chars(out, out + 8, text.point - 1).ptr;
}

// The exact quotient of hundredths below 10^15: the whole part, then the
// fraction without its trailing zero, if it is not zero.
char* WriteExact(std::uint64_t hundredths, char separator, char* out) {
  out = WriteDecimal(hundredths / kHundred, out);
  const auto fraction = static_cast<unsigned>(hundredths % kHundred);
  // Separator and two digits are written always and kept as far as needed
  // (the whole part takes at most 13 digits of the room).
  *out = separator;
  WriteTwoDigits(fraction, out + 1);
  const int kept = (fraction != 0 ? 2 : 0) + (fraction % 10 != 0 ? 1 : 0);
  return out + kept;
}

// The text of a nonzero number of hundredths; `out` has room for
// kMaxAmountTextLength characters.
char* WriteHundredths(std::int64_t hundredths, char separator, char* out) {
  const std::uint64_t magnitude = hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths)
                                                 : static_cast<std::uint64_t>(hundredths);
  *out = '-';
  out += hundredths < 0 ? 1 : 0;
  if (magnitude < kExactLimit) return WriteExact(magnitude, separator, out);
  const DecimalText text = RoundedQuotient(magnitude);
  if (text.point > kMaxIntegerDigits) return WriteScientific(text, separator, out);
  return WriteFixed(text, separator, out);
}

}  // namespace

std::int64_t RoundedHundredfold(double amount) {
  std::uint64_t bits;
  std::memcpy(&bits, &amount, sizeof bits);
  const bool negative = (bits & kSignBit) != 0;
  const int biased = static_cast<int>((bits >> kFractionBits) & kExponentMask);
  if (biased == kExponentMask) throw InvalidFloatOperation();  // NaN or infinity

  std::uint64_t mantissa = bits & kFractionMask;
  int exponent = kSubnormalExponent;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << kFractionBits;
    exponent = biased - kExponentBias;
  }
  // amount = mantissa * 2^exponent; the hundredfold mantissa fits 60 bits.
  const std::uint64_t product = mantissa * kHundred;

  std::uint64_t magnitude;
  if (exponent >= 0) {
    if (product != 0 && std::bit_width(product) + exponent > 64) throw InvalidFloatOperation();
    magnitude = product << exponent;
  } else {
    magnitude = ShiftRightRoundingEven(product, -exponent);
  }
  const std::uint64_t limit = negative ? kSignBit : kSignBit - 1;
  if (magnitude > limit) throw InvalidFloatOperation();
  return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

char* WriteAmountText(double amount, char decimal_separator, char* out) {
  const std::int64_t hundredths = RoundedHundredfold(amount);
  if (hundredths == 0) {
    *out = '0';
    return out + 1;
  }
  return WriteHundredths(hundredths, decimal_separator, out);
}

void AppendAmountText(double amount, char decimal_separator, std::string& out) {
  char text[kMaxAmountTextLength];
  out.append(text, WriteAmountText(amount, decimal_separator, text));
}

std::string AmountText(double amount, char decimal_separator) {
  std::string text;
  AppendAmountText(amount, decimal_separator, text);
  return text;
}

}  // namespace kestra
