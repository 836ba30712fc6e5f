#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <ostream>
#include <string>
#include <vector>

#include "text/twPL.h"

namespace kestra {
namespace {

// The letter table as MX730 users know it, one row per code page, letters
// in the order ą ć ę ł ń ó ś ż ź Ą Ć Ę Ł Ń Ó Ś Ż Ź.
constexpr std::uint8_t kTable[5][18] = {
    {0x61, 0x63, 0x65, 0x6C, 0x6E, 0x6F, 0x73, 0x7A, 0x7A,
     0x41, 0x43, 0x45, 0x4C, 0x4E, 0x4F, 0x53, 0x5A, 0x5A},
    {0x86, 0x8D, 0x91, 0x92, 0xA4, 0xA2, 0x9E, 0xA7, 0xA6,
     0x8F, 0x95, 0x90, 0x9C, 0xA5, 0xA3, 0x98, 0xA1, 0xA0},
    {0xA5, 0x86, 0xA9, 0x88, 0xE4, 0xA2, 0x98, 0xBE, 0xAB,
     0xA4, 0x8F, 0xA8, 0x9D, 0xE3, 0xE0, 0x97, 0xBD, 0x8D},
    {0x2C, 0x27, 0x2C, 0x2F, 0x27, 0x27, 0x27, 0x27, 0x60,
     0x2C, 0x27, 0x2C, 0x2F, 0x27, 0x27, 0x27, 0x2D, 0x27},
    {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0xBF, 0x9F,
     0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0xAF, 0x8F},
};

std::string Bytes(std::initializer_list<int> values) {
  std::string text;
  for (int v : values) text.push_back(static_cast<char>(v));
  return text;
}

std::string Row(int codepage) {
  return std::string(reinterpret_cast<const char*>(kTable[codepage]), 18);
}

// The first position of row `codepage` that holds `byte`, or -1.
int FirstPosition(int codepage, std::uint8_t byte) {
  for (int k = 0; k < 18; ++k) {
    if (kTable[codepage][k] == byte) return k;
  }
  return -1;
}

// Keeps the two settings as they were before each test.
class PolishLetters : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_source_ = PLSourceCodePage;
    saved_target_ = PLTargetCodePage;
  }
  void TearDown() override {
    PLSourceCodePage = saved_source_;
    PLTargetCodePage = saved_target_;
  }

  static std::string Convert(int source, int target, std::string text) {
    PLSourceCodePage = static_cast<std::uint16_t>(source);
    PLConvertInPlace(static_cast<std::uint8_t>(target), text);
    return text;
  }

 private:
  std::uint16_t saved_source_ = 4;
  std::uint16_t saved_target_ = 4;
};

TEST_F(PolishLetters, TableHoldsEveryLetterOfEveryRow) {
  for (int codepage = 0; codepage < kCodePageCount; ++codepage) {
    for (int k = 0; k < kPolishLetterCount; ++k) {
      EXPECT_EQ(PLLetterCode(codepage, k), kTable[codepage][k])
          << "code page " << codepage << ", position " << k + 1;
    }
  }
  EXPECT_THROW(PLLetterCode(5, 0), std::invalid_argument);
  EXPECT_THROW(PLLetterCode(-1, 0), std::invalid_argument);
  EXPECT_THROW(PLLetterCode(0, 18), std::invalid_argument);
}

// Every letter of every row, alone and all eighteen in one text, into every
// one-byte row: the byte of the first position that holds it.
TEST_F(PolishLetters, EveryLetterOfEveryRowReachesEveryOneByteRow) {
  for (int source = 0; source < kCodePageCount; ++source) {
    for (int target : {0, 1, 2, 4}) {
      std::string expected_row;
      for (int k = 0; k < 18; ++k) {
        const int first = FirstPosition(source, kTable[source][k]);
        const std::string expected(1, static_cast<char>(kTable[target][first]));
        expected_row += expected;
        EXPECT_EQ(Convert(source, target, Row(source).substr(static_cast<std::size_t>(k), 1)),
                  expected)
            << "source " << source << ", target " << target << ", position " << k + 1;
      }
      EXPECT_EQ(Convert(source, target, Row(source)), expected_row)
          << "source " << source << ", target " << target;
    }
  }
}

TEST_F(PolishLetters, DistinctRowsConvertLetterForLetter) {
  for (int source : {1, 2, 4}) {
    for (int target : {0, 1, 2, 4}) {
      EXPECT_EQ(Convert(source, target, Row(source)), Row(target))
          << "source " << source << ", target " << target;
    }
  }
}

// A whole text converts as its bytes do one by one: nothing written is
// looked up again, and bytes outside the source row never change.
TEST_F(PolishLetters, EveryByteIsLookedUpOnceInTheSourceRow) {
  std::string all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes.push_back(static_cast<char>(b));

  for (int source = 0; source < kCodePageCount; ++source) {
    for (int target : {0, 1, 2, 4}) {
      const std::string converted = Convert(source, target, all_bytes);
      ASSERT_EQ(converted.size(), all_bytes.size());
      for (int b = 0; b < 256; ++b) {
        const int k = FirstPosition(source, static_cast<std::uint8_t>(b));
        const std::uint8_t expected = k < 0 ? static_cast<std::uint8_t>(b) : kTable[target][k];
        EXPECT_EQ(static_cast<std::uint8_t>(converted[static_cast<std::size_t>(b)]), expected)
            << "source " << source << ", target " << target << ", byte " << b;
      }
    }
  }
}

TEST_F(PolishLetters, OverstrikeFormWritesLetterBackspaceMark) {
  for (int source : {1, 2, 4}) {
    const std::string converted = Convert(source, 3, "<" + Row(source) + ">");
    ASSERT_EQ(converted.size(), 2 + 3 * 18u) << "source " << source;
    EXPECT_EQ(converted.front(), '<');
    EXPECT_EQ(converted.back(), '>');
    for (int k = 0; k < 18; ++k) {
      const std::string triple = converted.substr(1 + 3 * static_cast<std::size_t>(k), 3);
      EXPECT_EQ(triple, Bytes({kTable[0][k], 0x08, kTable[3][k]}))
          << "source " << source << ", position " << k + 1;
    }
  }
}

TEST_F(PolishLetters, OverstrikeFormFromRepeatingRowsTakesTheFirstPosition) {
  // From plain letters: z is read as ż, Z as Ż; from marks: ' is ć.
  EXPECT_EQ(Convert(0, 3, "zZa"), Bytes({0x7A, 8, 0x27, 0x5A, 8, 0x2D, 0x61, 8, 0x2C}));
  EXPECT_EQ(Convert(4, 3, "abc"), "abc");
}

struct ConversionCase {
  const char* what;
  int source;
  int target;
  std::string input;
  std::string expected;
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.what; }

class ConversionCases : public PolishLetters,
                        public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(ConversionCases, Converts) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(Convert(c.source, c.target, c.input), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    KnownTexts, ConversionCases,
    ::testing::Values(
        ConversionCase{"CP852 ą ć ł A to Windows-1250", 2, 4, Bytes({0xA5, 0x86, 0x88, 0x41}),
                       Bytes({0xB9, 0xE6, 0xB3, 0x41})},
        ConversionCase{"Mazovia ą ć to CP852: the 86 written is not converted again", 1, 2,
                       Bytes({0x86, 0x8D}), Bytes({0xA5, 0x86})},
        ConversionCase{"CP852 ł to overstrike", 2, 3, Bytes({0x88}), Bytes({0x6C, 0x08, 0x2F})},
        ConversionCase{"CP852 five bytes with two letters to overstrike: nine bytes", 2, 3,
                       Bytes({0x4B, 0xA5, 0x74, 0x88, 0x21}),
                       Bytes({0x4B, 0x61, 0x08, 0x2C, 0x74, 0x6C, 0x08, 0x2F, 0x21})},
        ConversionCase{"CP852 Ż and ż to overstrike", 2, 3, Bytes({0xBD, 0xBE}),
                       Bytes({0x5A, 0x08, 0x2D, 0x7A, 0x08, 0x27})},
        ConversionCase{"plain to Windows-1250: every base letter is a Polish one", 0, 4,
                       "acelnoszACELNOSZ xyZ",
                       Bytes({0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0xBF, 0xA5, 0xC6, 0xCA,
                              0xA3, 0xD1, 0xD3, 0x8C, 0xAF, 0x20, 0x78, 0x79, 0xAF})},
        ConversionCase{"overstrike marks to Windows-1250", 3, 4, ",'/`-x",
                       Bytes({0xB9, 0xE6, 0xB3, 0x9F, 0xAF, 0x78})},
        ConversionCase{"CP852 leaves B9 and ASCII alone", 2, 4, Bytes({0xB9, 0x61, 0x7A, 0x2C}),
                       Bytes({0xB9, 0x61, 0x7A, 0x2C})},
        ConversionCase{"A5 from Mazovia is Ń", 1, 4, Bytes({0xA5}), Bytes({0xD1})},
        ConversionCase{"A5 from Windows-1250 is Ą", 4, 2, Bytes({0xA5}), Bytes({0xA4})},
        ConversionCase{"same source and target 4", 4, 4, Bytes({0xA5, 0x86}),
                       Bytes({0xA5, 0x86})},
        ConversionCase{"same source and target 3 keeps an overstrike text", 3, 3,
                       Bytes({0x61, 0x08, 0x2C}), Bytes({0x61, 0x08, 0x2C})},
        ConversionCase{"same source and target 2", 2, 2, Bytes({0xA5, 0x88}),
                       Bytes({0xA5, 0x88})},
        ConversionCase{"empty text", 2, 3, "", ""}));

TEST_F(PolishLetters, CopyConvertsToTheTargetSettingAndLeavesTheArgument) {
  PLSourceCodePage = 2;
  PLTargetCodePage = 4;
  const std::string text = Bytes({0x9D, 0xA2, 0xA9});  // Łóę in CP852
  EXPECT_EQ(PLConvertCopy(text), Bytes({0xA3, 0xF3, 0xEA}));
  EXPECT_EQ(text, Bytes({0x9D, 0xA2, 0xA9}));

  PLTargetCodePage = 3;
  EXPECT_EQ(PLConvertCopy(Bytes({0x9D})), Bytes({0x4C, 0x08, 0x2F}));
}

TEST_F(PolishLetters, ConvertToTargetGivesWhatCopyReturns) {
  PLSourceCodePage = 1;
  PLTargetCodePage = 4;
  std::string text = Bytes({0x86, 0x8D, 0x41, 0xA1});
  const std::string copy = PLConvertCopy(text);
  PLConvertToTarget(text);
  EXPECT_EQ(text, copy);
}

TEST_F(PolishLetters, EmptyCopyIsEmptyWhateverTheSettings) {
  PLSourceCodePage = 2;
  EXPECT_EQ(PLConvertCopy(""), "");
  PLSourceCodePage = 9;
  PLTargetCodePage = 700;
  EXPECT_EQ(PLConvertCopy(""), "");
}

TEST_F(PolishLetters, CodePagesOutsideTheTableAreRefused) {
  const std::string original = Bytes({0xA5, 0x41});
  struct Settings {
    int source;
    int target;
  };
  for (const Settings s : {Settings{5, 4}, Settings{65535, 4}, Settings{2, 5}, Settings{2, 255},
                           Settings{9, 9}}) {
    std::string text = original;
    PLSourceCodePage = static_cast<std::uint16_t>(s.source);
    EXPECT_THROW(PLConvertInPlace(static_cast<std::uint8_t>(s.target), text),
                 std::invalid_argument)
        << "source " << s.source << ", target " << s.target;
    EXPECT_EQ(text, original);
  }
  // The 16-bit target setting is checked whole: 260 is not taken for 4.
  PLSourceCodePage = 2;
  PLTargetCodePage = 260;
  EXPECT_THROW(PLConvertCopy(original), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// The conversion into a caller's buffer.

TEST_F(PolishLetters, ByteConversionCopiesWhatTheConversionMakes) {
  std::string every_byte;
  for (int c = 0; c < 256; ++c) every_byte.push_back(static_cast<char>(c));
  for (int source = 0; source < kCodePageCount; ++source) {
    for (const int target : {0, 1, 2, 4}) {
      PLSourceCodePage = static_cast<std::uint16_t>(source);
      PLTargetCodePage = static_cast<std::uint16_t>(target);
      const PLByteConversion* conversion = PLByteConversion::Current();
      ASSERT_NE(conversion, nullptr);
      // Copied in three pieces, the middle one across the two halves.
      const std::string_view bytes(every_byte);
      const std::string_view pieces[] = {bytes.substr(0, 100), bytes.substr(100, 60),
                                         bytes.substr(160)};
      std::string copy(every_byte.size(), '\0');
      EXPECT_EQ(conversion->CopyConverted(pieces, copy.data()), copy.data() + copy.size());
      EXPECT_EQ(copy, PLConvertCopy(every_byte)) << source << " to " << target;
      std::string in_place = every_byte;
      conversion->ConvertInPlace(in_place.data(), in_place.size());
      EXPECT_EQ(in_place, copy) << source << " to " << target;
    }
  }
}

TEST_F(PolishLetters, NoByteConversionForTheOverstrikeFormOrBadSettings) {
  struct Settings {
    int source;
    int target;
  };
  for (const Settings s : {Settings{2, 3}, Settings{3, 3}, Settings{5, 4}, Settings{2, 260}}) {
    PLSourceCodePage = static_cast<std::uint16_t>(s.source);
    PLTargetCodePage = static_cast<std::uint16_t>(s.target);
    EXPECT_EQ(PLByteConversion::Current(), nullptr) << s.source << " to " << s.target;
  }
}

TEST_F(PolishLetters, BufferConversionGrowsTheOverstrikeFormWithinItsRoom) {
  PLSourceCodePage = 2;
  PLTargetCodePage = 3;
  const std::string text = Bytes({0x4B, 0xA5, 0x74, 0x88, 0x21});  // "Kąt ł!"-like, 2 letters
  std::string buffer = text + std::string(PLConvertedRoom(text.size()) - text.size(), '#');
  const std::size_t length = PLConvertToTarget(buffer.data(), text.size(), buffer.size());
  EXPECT_EQ(buffer.substr(0, length),
            Bytes({0x4B, 0x61, 0x08, 0x2C, 0x74, 0x6C, 0x08, 0x2F, 0x21}));

  // Eight bytes of room do not hold nine: refused, the text left as it was.
  std::string tight = text + "###";
  EXPECT_THROW(PLConvertToTarget(tight.data(), text.size(), 8), std::length_error);
  EXPECT_EQ(tight, text + "###");

  // Nothing to convert: no setting is looked at.
  PLSourceCodePage = 9;
  EXPECT_EQ(PLConvertToTarget(tight.data(), 0, 0), 0u);
  EXPECT_THROW(PLConvertToTarget(tight.data(), 1, 3), std::invalid_argument);
}

TEST_F(PolishLetters, RefusedOverstrikeConversionLeavesTheTextAsItWas) {
  PLSourceCodePage = 9;
  std::string text = Bytes({0xA5, 0x41});
  EXPECT_THROW(PLConvertInPlace(3, text), std::invalid_argument);
  EXPECT_EQ(text, Bytes({0xA5, 0x41}));
}

}  // namespace
}  // namespace kestra
