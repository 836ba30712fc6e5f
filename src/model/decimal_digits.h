#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Writing decimal numbers into a caller's buffer a word at a time: the
// listing writes several for every record.

namespace kestra {

namespace decimal_detail {

constexpr std::array<char, 200> MakeDigitPairs() {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}

// "00", "01", ... "99" one after another.
inline constexpr std::array<char, 200> kDigitPairs = MakeDigitPairs();

constexpr std::array<std::uint64_t, 20> MakePowersOfTen() {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}

inline constexpr std::array<std::uint64_t, 20> kPowersOfTen = MakePowersOfTen();

}  // namespace decimal_detail

// The two digits of a value below 100, leading zero included.
inline char* WriteTwoDigits(unsigned value, char* out) {
  std::memcpy(out, &decimal_detail::kDigitPairs[2 * value], 2);
  return out + 2;
}

// How many digits the decimal text of `value` has (1 for 0).
inline int DecimalLength(std::uint64_t value) {
  // bit_width * log10(2), taken from 1233 / 4096, is the length or one less.
  const int guess = (std::bit_width(value) * 1233) >> 12;
  return guess + (value >= decimal_detail::kPowersOfTen[guess] ? 1 : 0) + (value == 0 ? 1 : 0);
}

// The eight digits of a value below 10^8, leading zeros included, as the
// bytes of a little-endian word: the first digit in the lowest byte.  Both
// halves of four digits are split at once, then their pairs.
inline std::uint64_t EightDigits(std::uint64_t value) {
  const std::uint64_t halves = value / 10000 | (value % 10000) << 32;
  const std::uint64_t high_pairs = ((halves * 10486) >> 20) & 0x0000007F0000007F;  // / 100
  const std::uint64_t pairs = (halves - 100 * high_pairs) << 16 | high_pairs;
  std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000F;  // / 10
  tens |= (pairs - 10 * tens) << 8;
  return tens | 0x3030303030303030;
}

inline constexpr std::uint64_t kMaxEightDigits = 99'999'999;
inline constexpr std::size_t kDecimalRoom = 16;

// The decimal text of `value` (below 10^16), without leading zeros; returns
// its end.  Whole words are stored, so the kDecimalRoom bytes from `out` may
// all be written, those after the text with no meaning.
inline char* WriteDecimal(std::uint64_t value, char* out) {
  const int length = DecimalLength(value);
  if (value <= kMaxEightDigits) {
    const std::uint64_t digits = EightDigits(value) >> (8 * (8 - length));
    std::memcpy(out, &digits, sizeof digits);
  } else {
    const std::uint64_t high = EightDigits(value / (kMaxEightDigits + 1)) >> (8 * (16 - length));
    const std::uint64_t low = EightDigits(value % (kMaxEightDigits + 1));
    std::memcpy(out, &high, sizeof high);
    std::memcpy(out + length - 8, &low, sizeof low);
  }
  return out + length;
}

}  // namespace kestra
