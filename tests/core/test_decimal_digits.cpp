#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "model/decimal_digits.h"

namespace kestra {
namespace {

std::string Decimal(std::uint64_t value) {
  char text[kDecimalRoom];
  return std::string(text, WriteDecimal(value, text));
}

TEST(DecimalDigits, LengthsFromOneToTwenty) {
  for (const std::uint64_t value :
       {std::uint64_t{0}, std::uint64_t{7}, std::uint64_t{4294967295},
        std::uint64_t{9999999999999999999u}, std::numeric_limits<std::uint64_t>::max()}) {
    EXPECT_EQ(DecimalLength(value), static_cast<int>(std::to_string(value).size()));
  }
  std::uint64_t power = 1;
  for (int digits = 1; digits <= 20; ++digits, power *= 10) {
    EXPECT_EQ(DecimalLength(power), digits);
    if (digits > 1) {
      EXPECT_EQ(DecimalLength(power - 1), digits - 1);
    }
  }
}

TEST(DecimalDigits, EightDigitsOfEveryValueOnAStride) {
  for (std::uint64_t value = 0; value <= kMaxEightDigits; value += value < 100000 ? 1 : 9973) {
    const std::uint64_t word = EightDigits(value);
    std::string text(8, ' ');
    std::memcpy(text.data(), &word, 8);
    std::string expected = std::to_string(value);
    expected.insert(0, 8 - expected.size(), '0');
    ASSERT_EQ(text, expected);
  }
  EXPECT_EQ(Decimal(kMaxEightDigits), "99999999");
}

TEST(DecimalDigits, WritesEveryLengthUpToSixteenWithinItsRoom) {
  std::uint64_t power = 1;
  for (int digits = 1; digits <= 16; ++digits, power *= 10) {
    for (const std::uint64_t value : {power, power * 7 + 3, power * 10 - 1}) {
      char text[kDecimalRoom + 8];
      std::memset(text, '#', sizeof text);
      char* end = WriteDecimal(value, text);
      EXPECT_EQ(std::string(text, end), std::to_string(value));
      EXPECT_EQ(std::string(text + kDecimalRoom, 8), "########") << value;
    }
  }
  EXPECT_EQ(Decimal(0), "0");
  EXPECT_EQ(Decimal(9999999999999999), "9999999999999999");
}

TEST(DecimalDigits, TwoDigitsKeepTheLeadingZero) {
  char text[2];
  WriteTwoDigits(5, text);
  EXPECT_EQ(std::string(text, 2), "05");
  WriteTwoDigits(99, text);
  EXPECT_EQ(std::string(text, 2), "99");
}

}  // namespace
}  // namespace kestra
