#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/date_text.h"

namespace kestra {
namespace {

struct DateCase {
  PackedDate date;
  char separator;
  const char* expected;
};

void PrintTo(const DateCase& c, std::ostream* os) {
  *os << int{c.date.day} << "/" << int{c.date.month} << "/" << c.date.year << " '" << c.separator
      << "' -> " << c.expected;
}

class DateCellTexts : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateCellTexts, Formats) {
  const DateCase& c = GetParam();
  EXPECT_EQ(DateCellText(c.date, c.separator), c.expected)
      << int{c.date.day} << "/" << int{c.date.month} << "/" << c.date.year;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateCellTexts,
    ::testing::Values(
        DateCase{{5, 3, 2004}, '-', "05-03-2004"}, DateCase{{31, 12, 2026}, '-', "31-12-2026"},
        DateCase{{0, 0, 0}, '-', "00-00-0000"}, DateCase{{0, 0, 0}, '.', "00.00.0000"},
        DateCase{{1, 1, 99}, '-', "01-01-0099"}, DateCase{{7, 11, 2003}, '/', "07/11/2003"},
        // Not checked against the calendar; wider numbers keep their digits
        // and only the first ten characters have their blanks made zeros.
        DateCase{{200, 200, 5}, '-', "200-200-00 5"}, DateCase{{255, 1, 2024}, '-', "255-01-2024"},
        DateCase{{1, 200, 7}, '-', "01-200-0007"}, DateCase{{31, 2, 65535}, '-', "31-02-65535"},
        DateCase{{255, 255, 65535}, '.', "255.255.65535"},
        // Either side of two-digit days and months and four-digit years.
        DateCase{{99, 99, 9999}, '-', "99-99-9999"}, DateCase{{100, 1, 2004}, '-', "100-01-2004"},
        DateCase{{5, 100, 2004}, '-', "05-100-2004"}, DateCase{{5, 3, 10000}, '-', "05-03-10000"},
        DateCase{{200, 7, 10000}, '-', "200-07-10000"},
        // A blank separator is a blank like any other.
        DateCase{{9, 9, 9}, ' ', "0900900009"}, DateCase{{100, 2, 2004}, ' ', "10000202004"}));

TEST(DateCellText, AppendsAfterWhatIsThere) {
  // Blanks already in the text are not part of the date's ten characters.
  std::string text = "  ";
  AppendDateCellText({1, 2, 3}, '-', text);
  EXPECT_EQ(text, "  01-02-0003");
}

}  // namespace
}  // namespace kestra
