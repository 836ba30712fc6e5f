#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

// Writing decimal numbers into a caller's buffer, two digits at a time: the
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

// The decimal text of `value`, without leading zeros; returns its end.
inline char* WriteDecimal(std::uint64_t value, char* out) {
  const int length = DecimalLength(value);
  char* end = out + length;
  char* at = end;
  while (value >= 100) {
    at = WriteTwoDigits(static_cast<unsigned>(value % 100), at - 2) - 2;
    value /= 100;
  }
  if (value >= 10) {
    WriteTwoDigits(static_cast<unsigned>(value), at - 2);
  } else {
    at[-1] = static_cast<char>('0' + value);
  }
  return end;
}

}  // namespace kestra
