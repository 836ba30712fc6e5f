#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

#include "model/amount_text.h"
#include "platform/errors.h"

namespace kestra {
namespace {

struct AmountCase {
  double amount;
  const char* expected;  // with a comma as the decimal separator
};

void PrintTo(const AmountCase& c, std::ostream* os) {
  *os << std::setprecision(17) << c.amount << " -> " << c.expected;
}

class AmountTexts : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountTexts, Formats) {
  const AmountCase& c = GetParam();
  EXPECT_EQ(AmountText(c.amount, ','), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ordinary, AmountTexts,
    ::testing::Values(AmountCase{12.5, "12,5"}, AmountCase{100, "100"},
                      AmountCase{0.01, "0,01"}, AmountCase{-0.01, "-0,01"},
                      AmountCase{0.1, "0,1"}, AmountCase{-1234.5, "-1234,5"},
                      AmountCase{1000000000000.0, "1000000000000"},
                      AmountCase{999999999999.99, "999999999999,99"}));

// Halves of a hundredth go to the even one; the product is exact, so a
// double just below a half goes down and one just above goes up.
INSTANTIATE_TEST_SUITE_P(
    RoundingHalves, AmountTexts,
    ::testing::Values(AmountCase{0.125, "0,12"}, AmountCase{-0.125, "-0,12"},
                      AmountCase{0.375, "0,38"}, AmountCase{-0.375, "-0,38"},
                      AmountCase{0.625, "0,62"}, AmountCase{0.875, "0,88"},
                      AmountCase{2.675, "2,67"},   // stored slightly below 2.675
                      AmountCase{0.005, "0,01"},   // stored slightly above 0.005
                      AmountCase{0.015, "0,01"},   // stored slightly below 0.015
                      AmountCase{1.005, "1"},
                      // A double multiplication by 100 rounds these to a half
                      // and then the wrong way.
                      AmountCase{42856.565, "42856,57"}, AmountCase{8699.535, "8699,53"},
                      AmountCase{18992.805, "18992,81"},
                      AmountCase{-999999999999.995, "-999999999999,99"}));

INSTANTIATE_TEST_SUITE_P(
    Zeros, AmountTexts,
    ::testing::Values(AmountCase{0.0, "0"}, AmountCase{-0.0, "0"}, AmountCase{0.004, "0"},
                      AmountCase{-0.004, "0"}, AmountCase{-0.0049, "0"},
                      AmountCase{1e-320, "0"},
                      AmountCase{std::numeric_limits<double>::min(), "0"}));

// From 10^13 on the quotient has more than 15 digits: it is rounded to 15,
// halfway away from zero.
INSTANTIATE_TEST_SUITE_P(
    FifteenDigits, AmountTexts,
    ::testing::Values(AmountCase{10000000000000.125, "10000000000000,1"},
                      AmountCase{10000000000000.25, "10000000000000,3"},
                      AmountCase{-10000000000000.25, "-10000000000000,3"},
                      AmountCase{10000000000000.05, "10000000000000,1"},
                      AmountCase{12345678901234.56, "12345678901234,6"},
                      AmountCase{12345678901234.25, "12345678901234,3"},
                      AmountCase{99999999999999.95, "100000000000000"},
                      AmountCase{-99999999999999.95, "-100000000000000"},
                      AmountCase{123456789012345.67, "123456789012346"},
                      AmountCase{314159265358979.3, "314159265358979"},
                      AmountCase{999999999999999.375, "999999999999999"}));

// An integer part of more than 15 digits, after rounding, is written as
// mantissa, separator, "E" and the exponent.
INSTANTIATE_TEST_SUITE_P(
    Scientific, AmountTexts,
    ::testing::Values(AmountCase{1e15, "1E15"}, AmountCase{-1e16, "-1E16"},
                      AmountCase{5e16, "5E16"}, AmountCase{-5000000000000000.0, "-5E15"},
                      AmountCase{1234567890123456.7, "1,23456789012346E15"},
                      AmountCase{999999999999999.5, "1E15"},
                      AmountCase{999999999999999.875, "1E15"},
                      AmountCase{92233720368547744.0, "9,22337203685477E16"}));

TEST(AmountText, UsesTheSeparatorItIsGiven) {
  EXPECT_EQ(AmountText(12.5, '.'), "12.5");
  EXPECT_EQ(AmountText(-0.05, '.'), "-0.05");
  EXPECT_EQ(AmountText(1234567890123456.7, '.'), "1.23456789012346E15");
  EXPECT_EQ(AmountText(100, '.'), "100");
}

TEST(AmountText, AppendsAfterWhatIsThere) {
  std::string text = "x=";
  AppendAmountText(0.375, ',', text);
  EXPECT_EQ(text, "x=0,38");
}

TEST(AmountText, HundredfoldRoundsHalvesToEven) {
  struct Case {
    double amount;
    std::int64_t expected;
  };
  for (const Case c : {Case{0.125, 12}, Case{0.375, 38}, Case{-0.125, -12}, Case{-0.375, -38},
                       Case{2.675, 267}, Case{0.005, 1}, Case{0.0, 0}, Case{-0.0, 0},
                       Case{92233720368547744.0, 9223372036854774400}}) {
    EXPECT_EQ(RoundedHundredfold(c.amount), c.expected) << c.amount;
  }
}

TEST(AmountText, AmountsWithoutAHundredfoldInSixtyFourBitsAreRefused) {
  const double refused[] = {
      std::numeric_limits<double>::quiet_NaN(),
      -std::numeric_limits<double>::quiet_NaN(),
      std::numeric_limits<double>::infinity(),
      -std::numeric_limits<double>::infinity(),
      std::numeric_limits<double>::max(),
      -std::numeric_limits<double>::max(),
      92233720368547760.0,   // the next double after the largest that fits
      -92233720368547760.0,  // its hundredfold lies below -2^63
      1e17,
  };
  for (const double amount : refused) {
    EXPECT_THROW(AmountText(amount, ','), InvalidFloatOperation) << amount;
  }
  try {
    AmountText(std::numeric_limits<double>::infinity(), ',');
  } catch (const InvalidFloatOperation& error) {
    EXPECT_STREQ(error.what(), "Invalid floating point operation");
  }
}

// Below 10^13 the text is the exact quotient of the rounded hundredfold.
TEST(AmountText, WholeHundredthsBelowTenToTheThirteenthAreExact) {
  std::mt19937_64 random(20240607);
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t magnitude = static_cast<std::int64_t>(random() % 1'000'000'000'000'000);
    const std::int64_t hundredths = (i % 2 == 0) ? magnitude : -magnitude;
    std::string expected = hundredths < 0 ? "-" : "";
    expected += std::to_string(magnitude / 100);
    if (const std::int64_t cents = magnitude % 100; cents != 0) {
      expected += ',';
      expected += static_cast<char>('0' + cents / 10);
      if (cents % 10 != 0) expected += static_cast<char>('0' + cents % 10);
    }
    if (magnitude == 0) expected = "0";
    ASSERT_EQ(AmountText(static_cast<double>(hundredths) / 100.0, ','), expected) << hundredths;
  }
}

}  // namespace
}  // namespace kestra
