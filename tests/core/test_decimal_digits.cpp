#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "model/decimal_digits.h"

namespace kestra {
namespace {

std::string Decimal(std::uint64_t value) {
  char text[24];
  return std::string(text, WriteDecimal(value, text));
}

TEST(DecimalDigits, WritesEveryLengthFromOneToTwenty) {
  for (const std::uint64_t value :
       {std::uint64_t{0}, std::uint64_t{7}, std::uint64_t{10}, std::uint64_t{99},
        std::uint64_t{100}, std::uint64_t{4294967295}, std::uint64_t{999999999999},
        std::uint64_t{1000000000000}, std::uint64_t{9999999999999999999u},
        std::numeric_limits<std::uint64_t>::max()}) {
    EXPECT_EQ(Decimal(value), std::to_string(value));
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

TEST(DecimalDigits, TwoDigitsKeepTheLeadingZero) {
  char text[2];
  WriteTwoDigits(5, text);
  EXPECT_EQ(std::string(text, 2), "05");
  WriteTwoDigits(99, text);
  EXPECT_EQ(std::string(text, 2), "99");
}

}  // namespace
}  // namespace kestra
