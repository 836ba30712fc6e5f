#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/cell_texts.h"
#include "model/kinds.h"
#include "samples/sample_records.h"
#include "text/twPL.h"

namespace kestra {
namespace {

constexpr Profile kProfiles[] = {Profile::A, Profile::B};
constexpr std::int64_t kIndexes[] = {0, 1, 2, 57, 1000, 2999, 123456};

std::vector<std::uint8_t> Sample(Profile profile, int kind, std::int64_t index, int codepage) {
  std::vector<std::uint8_t> record(RecordLength(profile, kind));
  FillSampleRecord(profile, kind, index, codepage, record);
  return record;
}

CellTexts Cells(Profile profile, int kind, const std::vector<std::uint8_t>& record,
                int codepage) {
  PLSourceCodePage = static_cast<std::uint16_t>(codepage);
  PLTargetCodePage = 4;
  CellTexts cells;
  BuildCellTexts(profile, kind, record, {'-', ','}, cells);
  return cells;
}

bool HasWindows1250Letter(const std::string& text) {
  static const std::set<unsigned char> letters{0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0xBF, 0x9F,
                                               0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0xAF, 0x8F};
  for (unsigned char c : text) {
    if (letters.count(c) != 0) return true;
  }
  return false;
}

TEST(SampleRecords, AreTheSameForTheSameArguments) {
  for (int kind = 0; kind < kKindCount; ++kind) {
    EXPECT_EQ(Sample(Profile::B, kind, 77, 2), Sample(Profile::B, kind, 77, 2)) << kind;
    EXPECT_NE(Sample(Profile::B, kind, 77, 2), Sample(Profile::B, kind, 78, 2)) << kind;
  }
}

// Both profiles and both DOS code pages list the same texts: only places and
// letter codes differ.
TEST(SampleRecords, ListTheSameInEveryProfileAndCodePage) {
  for (int kind = 0; kind < kKindCount; ++kind) {
    for (const std::int64_t index : kIndexes) {
      const CellTexts a = Cells(Profile::A, kind, Sample(Profile::A, kind, index, 2), 2);
      for (const Profile profile : kProfiles) {
        for (const int codepage : {1, 2}) {
          const CellTexts other = Cells(profile, kind, Sample(profile, kind, index, codepage), codepage);
          SCOPED_TRACE("kind " + std::to_string(kind) + ", index " + std::to_string(index) +
                       ", code page " + std::to_string(codepage));
          EXPECT_EQ(other.name, a.name);
          // Kind 15's date and the text numbers of kinds 9 and 11 are shown as
          // stored, in the code page of the file.
          if (kind != 15) {
            EXPECT_EQ(other.date, a.date);
          }
          if (kind != 9 && kind != 11) {
            EXPECT_EQ(other.number, a.number);
          }
        }
      }
    }
  }
}

TEST(SampleRecords, FillEveryListedFieldWithPlausibleValues) {
  constexpr bool kHasDate[kKindCount] = {1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 1, 1, 1, 0};
  constexpr bool kHasIndexNumber[kKindCount] = {1, 1, 0, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1};
  for (const Profile profile : kProfiles) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      bool some_polish_name = false;
      for (std::int64_t index = 0; index < 300; ++index) {
        const CellTexts cells = Cells(profile, kind, Sample(profile, kind, index, 2), 2);
        SCOPED_TRACE("kind " + std::to_string(kind) + ", index " + std::to_string(index));
        EXPECT_EQ(cells.name.find('?'), std::string::npos) << "a character the code page lacks";
        EXPECT_FALSE(cells.name.find_first_not_of(' ') == std::string::npos);
        some_polish_name |= HasWindows1250Letter(cells.name);
        if (kHasDate[kind]) {
          ASSERT_EQ(cells.date.size(), 10u);
          const int year = std::stoi(cells.date.substr(6));
          const int month = std::stoi(cells.date.substr(3, 2));
          const int day = std::stoi(cells.date.substr(0, 2));
          EXPECT_TRUE(year >= 2003 && year <= 2026) << cells.date;
          EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 31) << cells.date;
        }
        if (kHasIndexNumber[kind]) {
          EXPECT_EQ(cells.number.rfind(std::to_string(index + 1), 0), 0u) << cells.number;
        }
        EXPECT_FALSE(cells.number.empty());
      }
      EXPECT_TRUE(some_polish_name) << "kind " << kind;
    }
  }
}

TEST(SampleRecords, RefuseWhatTheyCannotWrite) {
  std::vector<std::uint8_t> record(RecordLength(Profile::A, 0));
  EXPECT_THROW(FillSampleRecord(Profile::A, 0, 0, 3, record), std::invalid_argument);
  EXPECT_THROW(FillSampleRecord(Profile::A, 0, 0, 5, record), std::invalid_argument);
  EXPECT_THROW(FillSampleRecord(Profile::A, 16, 0, 2, record), std::invalid_argument);
  record.resize(100);
  EXPECT_THROW(FillSampleRecord(Profile::A, 0, 0, 2, record), std::invalid_argument);
}

TEST(SampleRecords, FileNamesMatchTheKindFilters) {
  EXPECT_EQ(SampleFileName(0), "FAKT03.DAT");
  EXPECT_EQ(SampleFileName(12), "BANKOPER.DAT");
  EXPECT_EQ(SampleFileName(15), "ADRESY.DAT");
  EXPECT_THROW(SampleFileName(16), std::invalid_argument);
}

TEST(SampleRecords, EncodePolishTextWritesTheLetterTable) {
  EXPECT_EQ(EncodePolishText("Łódź x", 2), "\x9D\xA2\x64\xAB x");
  EXPECT_EQ(EncodePolishText("Łódź", 1), "\x9C\xA2\x64\xA6");
  EXPECT_EQ(EncodePolishText("Łódź", 0), "Lodz");
  EXPECT_EQ(EncodePolishText("€ü", 4), "??");
}

}  // namespace
}  // namespace kestra
