#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/cell_texts.h"
#include "model/kinds.h"
#include "model/segment_join.h"
#include "platform/errors.h"
#include "text/twPL.h"

namespace kestra {
namespace {

// UTF-8 texts of the tests as the bytes of a DOS code page (as the record
// stores them) or of Windows-1250 (as converted cells show them).
constexpr std::string_view kLetters = "ąćęłńóśżźĄĆĘŁŃÓŚŻŹ";
constexpr std::uint8_t kCp852[18] = {0xA5, 0x86, 0xA9, 0x88, 0xE4, 0xA2, 0x98, 0xBE, 0xAB,
                                     0xA4, 0x8F, 0xA8, 0x9D, 0xE3, 0xE0, 0x97, 0xBD, 0x8D};
constexpr std::uint8_t kMazovia[18] = {0x86, 0x8D, 0x91, 0x92, 0xA4, 0xA2, 0x9E, 0xA7, 0xA6,
                                       0x8F, 0x95, 0x90, 0x9C, 0xA5, 0xA3, 0x98, 0xA1, 0xA0};
constexpr std::uint8_t kWin1250[18] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0xBF, 0x9F,
                                       0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0xAF, 0x8F};

std::string Encode(std::string_view utf8, const std::uint8_t (&row)[18]) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t k = static_cast<unsigned char>(utf8[i]) < 0x80
                              ? std::string_view::npos
                              : kLetters.find(utf8.substr(i, 2));
    if (k == std::string_view::npos) {
      bytes.push_back(utf8[i++]);
    } else {
      bytes.push_back(static_cast<char>(row[k / 2]));
      i += 2;
    }
  }
  return bytes;
}

std::string Dos(std::string_view utf8) { return Encode(utf8, kCp852); }
std::string Win(std::string_view utf8) { return Encode(utf8, kWin1250); }

// Bytes no listed field uses; CP852 ą, so a read outside the fields would
// show up as a letter.
constexpr std::uint8_t kFiller = 0xA5;

class Record {
 public:
  Record(Profile profile, int kind, std::uint8_t filler = kFiller)
      : bytes_(RecordLength(profile, kind), filler) {}

  Record& Int32(std::size_t at, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes_.at(at + i) = static_cast<std::uint8_t>(u >> (8 * i));
    return *this;
  }
  Record& Amount(std::size_t at, double value) {
    std::uint64_t u;
    std::memcpy(&u, &value, 8);
    for (int i = 0; i < 8; ++i) bytes_.at(at + i) = static_cast<std::uint8_t>(u >> (8 * i));
    return *this;
  }
  Record& Date(std::size_t at, int day, int month, int year) {
    bytes_.at(at) = static_cast<std::uint8_t>(day);
    bytes_.at(at + 1) = static_cast<std::uint8_t>(month);
    bytes_.at(at + 2) = static_cast<std::uint8_t>(year);
    bytes_.at(at + 3) = static_cast<std::uint8_t>(year >> 8);
    return *this;
  }
  // A short string: length byte, then the bytes as given.
  Record& Raw(std::size_t at, std::string_view bytes, int length_byte = -1) {
    bytes_.at(at) = static_cast<std::uint8_t>(length_byte < 0 ? bytes.size() : length_byte);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes_.at(at + 1 + i) = static_cast<std::uint8_t>(bytes[i]);
    return *this;
  }
  // A short string of UTF-8 text stored in CP852.
  Record& Text(std::size_t at, std::string_view utf8) { return Raw(at, Dos(utf8)); }

  std::span<const std::uint8_t> bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Listings read CP852 data and show Windows-1250 unless a test says other.
class CellTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_source_ = PLSourceCodePage;
    saved_target_ = PLTargetCodePage;
    PLSourceCodePage = 2;
    PLTargetCodePage = 4;
  }
  void TearDown() override {
    PLSourceCodePage = saved_source_;
    PLTargetCodePage = saved_target_;
  }

  CellTexts Build(Profile profile, int kind, const Record& record,
                  RegionalSettings regional = {'-', ','}) {
    CellTexts cells;
    BuildCellTexts(profile, kind, record.bytes(), regional, cells);
    return cells;
  }

 private:
  std::uint16_t saved_source_ = 4;
  std::uint16_t saved_target_ = 4;
};

// ---------------------------------------------------------------------------
// One record of every kind in both profiles, every listed field filled.

struct FieldValue {
  enum Type { kInt32, kAmount, kDate, kText } type;
  std::uint16_t at;
  std::int32_t number = 0;
  double amount = 0;
  int day = 0;
  int month = 0;
  int year = 0;
  std::string_view text = {};
};

FieldValue I(std::uint16_t at, std::int32_t v) {
  return {.type = FieldValue::kInt32, .at = at, .number = v};
}
FieldValue A(std::uint16_t at, double v) {
  return {.type = FieldValue::kAmount, .at = at, .amount = v};
}
FieldValue D(std::uint16_t at, int d, int m, int y) {
  return {.type = FieldValue::kDate, .at = at, .day = d, .month = m, .year = y};
}
FieldValue T(std::uint16_t at, std::string_view utf8) {
  return {.type = FieldValue::kText, .at = at, .text = utf8};
}

struct KindCase {
  const char* what;
  std::vector<Profile> profiles;
  int kind;
  std::vector<FieldValue> fields;
  // Expected cells as UTF-8: name cells and kind 11's date cell are compared
  // in Windows-1250, every other cell as the CP852 bytes stored.
  std::string_view number, date, name;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.what; }

const std::vector<Profile> kBoth{Profile::A, Profile::B};
const std::vector<Profile> kOnlyA{Profile::A};
const std::vector<Profile> kOnlyB{Profile::B};

const std::vector<KindCase>& KindCases() {
  static const std::vector<KindCase> cases{
      {"sales document", kBoth, 0,
       {I(4, 1234), T(8, "/FV/2004"), D(19, 5, 3, 2004), T(32, "Hurtownia Świt"),
        T(73, "Spółka z o.o."), T(114, "90-001 Łódź")},
       "1234/FV/2004", "05-03-2004", "Hurtownia Świt Spółka z o.o. 90-001 Łódź"},
      {"sales document, full segments", kBoth, 0,
       {I(4, 2147483647), T(8, "ABCDEFGHIJ"), D(19, 31, 12, 2026),
        T(32, "Przedsiębiorstwo Handlowe Gęś Sp. z o.o."),
        T(73, "Spółdzielnia Mleczarska \"Mazowsze\" Łomża"),
        T(114, "ul. Świętokrzyska 12/4 lok. 3, I piętro!")},
       "2147483647ABCDEFGHIJ", "31-12-2026",
       "Przedsiębiorstwo Handlowe Gęś Sp. z o.o. Spółdzielnia Mleczarska \"Mazowsze\" Łomża "
       "ul. Świętokrzyska 12/4 lok. 3, I piętro!"},
      {"sales correction, negative number, Polish text part", kBoth, 1,
       {I(4, -17), T(8, "KOR/ś"), D(19, 1, 2, 2003), T(32, "Piekarnia Kłos"),
        T(73, "ul. Żeromskiego 5"), T(114, "00-950 Warszawa")},
       "-17KOR/ś", "01-02-2003", "Piekarnia Kłos ul. Żeromskiego 5 00-950 Warszawa"},
      {"invoice template", kOnlyA, 2,
       {T(4, "Szablon faktury"), T(45, "Jan Kowalski"), T(86, "Kraków"), D(5234, 1, 1, 2003)},
       "-", "01-01-2003", "Szablon faktury Jan Kowalski Kraków"},
      {"invoice template", kOnlyB, 2,
       {T(4, "Szablon faktury"), T(45, "Jan Kowalski"), T(86, "Kraków"), D(4962, 1, 1, 2003)},
       "-", "01-01-2003", "Szablon faktury Jan Kowalski Kraków"},
      {"correction note", kBoth, 3,
       {I(4, 7), T(8, "/N/05"), D(19, 28, 2, 2005), T(23, "Nota korygująca"), T(64, "Zięba"),
        T(105, "Płock")},
       "7/N/05", "28-02-2005", "Nota korygująca Zięba Płock"},
      {"stock", kOnlyA, 4,
       {I(0, 501), T(5, "Mąka pszenna typ 650"), T(37, "opak. 1kg"), D(453, 15, 6, 2010)},
       "501", "15-06-2010", "Mąka pszenna typ 650 opak. 1kg"},
      {"stock", kOnlyB, 4,
       {I(0, 501), T(5, "Mąka pszenna typ 650"), T(37, "opak. 1kg"), D(443, 15, 6, 2010)},
       "501", "15-06-2010", "Mąka pszenna typ 650 opak. 1kg"},
      {"products", kOnlyA, 5,
       {I(0, 88), T(4, "Śruba M8x40"), T(36, "PKWiU 28.74.1"), T(78, "ocynk galwaniczny")},
       "88", "-", "Śruba M8x40 PKWiU 28.74.1 ocynk galwaniczny"},
      {"products", kOnlyB, 5,
       {I(0, 88), T(4, "Śruba M8x40"), T(36, "PKWiU 28.74.1"), T(68, "ocynk galwaniczny")},
       "88", "-", "Śruba M8x40 PKWiU 28.74.1 ocynk galwaniczny"},
      {"orders: third segment runs on", kBoth, 6,
       {I(5, 42), T(9, "/Z/2011"), D(20, 9, 9, 2011), T(32, "Zamówienie"), T(73, "Jaśmin"),
        T(114, "Łąka")},
       "42/Z/2011", "09-09-2011", "Zamówienie JaśminŁąka"},
      {"complaints: third segment runs on", kBoth, 7,
       {I(4, 3), T(8, "/R"), D(19, 30, 4, 2015), T(23, "Reklamacja"), T(64, "Kowal"),
        T(105, "czyk")},
       "3/R", "30-04-2015", "Reklamacja Kowalczyk"},
      {"warehouse document", kBoth, 8,
       {I(4, 12), T(8, "/PZ/2008"), D(19, 2, 7, 2008), T(44, "Magazyn główny"),
        T(276, "Dostawa"), T(317, "Gdańsk")},
       "12/PZ/2008", "02-07-2008", "Magazyn główny Dostawa Gdańsk"},
      {"purchase, text number kept as stored", kOnlyA, 9,
       {T(6, "FZ 123/Łódź/03"), D(27, 3, 10, 2019), T(39, "Zakład Stolarski"),
        T(80, "Elżbieta Jóźwiak"), T(121, "87-100 Toruń")},
       "FZ 123/Łódź/03", "03-10-2019", "Zakład Stolarski Elżbieta Jóźwiak 87-100 Toruń"},
      {"purchase, text number kept as stored", kOnlyB, 9,
       {T(7, "FZ 123/Łódź/03"), D(28, 3, 10, 2019), T(40, "Zakład Stolarski"),
        T(81, "Elżbieta Jóźwiak"), T(122, "87-100 Toruń")},
       "FZ 123/Łódź/03", "03-10-2019", "Zakład Stolarski Elżbieta Jóźwiak 87-100 Toruń"},
      {"cash receipt", kBoth, 10,
       {I(4, 99), T(8, "/KP"), D(19, 11, 11, 2011), T(72, "Wpłata"), T(113, "Anna Wiśniewska"),
        T(154, "Toruń")},
       "99/KP", "11-11-2011", "Wpłata Anna Wiśniewska Toruń"},
      {"bank list: date column joins 153, 166, 102 converted", kBoth, 11,
       {T(0, "ING Bank Śląski S.A."), T(51, "Konto nr 12 ąę"), T(102, "ul. Kościuszki 34"),
        T(153, "10501214"), T(166, "40-086 Katowice")},
       "Konto nr 12 ąę", "10501214 40-086 Katowice ul. Kościuszki 34", "ING Bank Śląski S.A."},
      {"bank operation", kBoth, 12,
       {A(322, 1234.5), D(4, 14, 2, 2020), T(8, "Zapłata za fakturę"), T(59, "Żuraw Sp. j.")},
       "1234,5", "14-02-2020", "Zapłata za fakturę Żuraw Sp. j."},
      {"cash register: segments 8, 78, 39", kBoth, 13,
       {A(70, -0.125), D(4, 1, 3, 2021), T(8, "Wpłata"), T(39, "KP 12/03"), T(78, "Józef Żółć")},
       "-0,12", "01-03-2021", "Wpłata Józef Żółć KP 12/03"},
      {"money transfer", kBoth, 14,
       {A(191, 2.675), D(199, 6, 12, 2022), T(1, "Halina Źrebiec"), T(39, "ul. Łąkowa 17"),
        T(77, "82-300 Elbląg")},
       "2,67", "06-12-2022", "Halina Źrebiec ul. Łąkowa 17 82-300 Elbląg"},
      {"address book: date column unconverted", kOnlyA, 15,
       {I(522, 1001), T(165, "NIP 526-104-40-39, płatność przelewem"), T(4, "Apteka Gęś"),
        T(45, "pl. Wolności 1"), T(86, "62-800 Kalisz")},
       "1001", "NIP 526-104-40-39, płatność przelewem", "Apteka Gęś pl. Wolności 1 62-800 Kalisz"},
      {"address book: date column unconverted", kOnlyB, 15,
       {I(650, 1001), T(165, "NIP 526-104-40-39, płatność przelewem"), T(4, "Apteka Gęś"),
        T(45, "pl. Wolności 1"), T(86, "62-800 Kalisz")},
       "1001", "NIP 526-104-40-39, płatność przelewem", "Apteka Gęś pl. Wolności 1 62-800 Kalisz"},
  };
  return cases;
}

Record MakeRecord(Profile profile, const KindCase& c) {
  Record record(profile, c.kind);
  for (const FieldValue& f : c.fields) {
    switch (f.type) {
      case FieldValue::kInt32: record.Int32(f.at, f.number); break;
      case FieldValue::kAmount: record.Amount(f.at, f.amount); break;
      case FieldValue::kDate: record.Date(f.at, f.day, f.month, f.year); break;
      case FieldValue::kText: record.Text(f.at, f.text); break;
    }
  }
  return record;
}

class EveryKind : public CellTextsTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(EveryKind, ShowsTheListedFields) {
  const KindCase& c = GetParam();
  for (const Profile profile : c.profiles) {
    SCOPED_TRACE(std::string(ProfileName(profile)) + " kind " + std::to_string(c.kind));
    const CellTexts cells = Build(profile, c.kind, MakeRecord(profile, c));
    EXPECT_EQ(cells.number, Dos(c.number));
    EXPECT_EQ(cells.date, c.kind == 11 ? Win(c.date) : Dos(c.date));
    EXPECT_EQ(cells.name, Win(c.name));
  }
}

INSTANTIATE_TEST_SUITE_P(Profiles, EveryKind, ::testing::ValuesIn(KindCases()));

TEST(EveryKindTable, CoversEveryKindInBothProfiles) {
  for (const Profile profile : kBoth) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      bool covered = false;
      for (const KindCase& c : KindCases()) {
        for (const Profile p : c.profiles) covered |= (p == profile && c.kind == kind);
      }
      EXPECT_TRUE(covered) << ProfileName(profile) << " kind " << kind;
    }
  }
}

// ---------------------------------------------------------------------------
// Records without texts.

struct EmptyCase {
  int kind;
  std::string_view number, date, name;
};

class ZeroRecords : public CellTextsTest, public ::testing::WithParamInterface<EmptyCase> {};

// A record of zero bytes: numbers 0, dates 00-00-0000, empty segments that
// keep their separators.
TEST_P(ZeroRecords, KeepLiteralsAndSeparators) {
  const EmptyCase& c = GetParam();
  for (const Profile profile : kBoth) {
    SCOPED_TRACE(std::string(ProfileName(profile)) + " kind " + std::to_string(c.kind));
    const CellTexts cells = Build(profile, c.kind, Record(profile, c.kind, 0));
    EXPECT_EQ(cells.number, c.number);
    EXPECT_EQ(cells.date, c.date);
    EXPECT_EQ(cells.name, c.name);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, ZeroRecords,
    ::testing::Values(EmptyCase{0, "0", "00-00-0000", "  "}, EmptyCase{1, "0", "00-00-0000", "  "},
                      EmptyCase{2, "-", "00-00-0000", "  "}, EmptyCase{3, "0", "00-00-0000", "  "},
                      EmptyCase{4, "0", "00-00-0000", " "}, EmptyCase{5, "0", "-", "  "},
                      EmptyCase{6, "0", "00-00-0000", " "}, EmptyCase{7, "0", "00-00-0000", " "},
                      EmptyCase{8, "0", "00-00-0000", "  "}, EmptyCase{9, "", "00-00-0000", "  "},
                      EmptyCase{10, "0", "00-00-0000", "  "}, EmptyCase{11, "", "  ", ""},
                      EmptyCase{12, "0", "00-00-0000", " "}, EmptyCase{13, "0", "00-00-0000", "  "},
                      EmptyCase{14, "0", "00-00-0000", "  "}, EmptyCase{15, "0", "", "  "}));

struct FirstSegmentCase {
  int kind;
  std::uint16_t at_a, at_b;
  std::string_view name;
};

class OnlyFirstSegment : public CellTextsTest,
                         public ::testing::WithParamInterface<FirstSegmentCase> {};

// The other segments empty: their separators still follow the first one.
TEST_P(OnlyFirstSegment, KeepsTheSeparatorsAfterIt) {
  const FirstSegmentCase& c = GetParam();
  for (const Profile profile : kBoth) {
    SCOPED_TRACE(std::string(ProfileName(profile)) + " kind " + std::to_string(c.kind));
    Record record(profile, c.kind, 0);
    record.Text(profile == Profile::A ? c.at_a : c.at_b, "Łoś");
    EXPECT_EQ(Build(profile, c.kind, record).name, Win(c.name));
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, OnlyFirstSegment,
    ::testing::Values(FirstSegmentCase{0, 32, 32, "Łoś  "}, FirstSegmentCase{1, 32, 32, "Łoś  "},
                      FirstSegmentCase{2, 4, 4, "Łoś  "}, FirstSegmentCase{3, 23, 23, "Łoś  "},
                      FirstSegmentCase{4, 5, 5, "Łoś "}, FirstSegmentCase{5, 4, 4, "Łoś  "},
                      FirstSegmentCase{6, 32, 32, "Łoś "}, FirstSegmentCase{7, 23, 23, "Łoś "},
                      FirstSegmentCase{8, 44, 44, "Łoś  "}, FirstSegmentCase{9, 39, 40, "Łoś  "},
                      FirstSegmentCase{10, 72, 72, "Łoś  "}, FirstSegmentCase{11, 0, 0, "Łoś"},
                      FirstSegmentCase{12, 8, 8, "Łoś "}, FirstSegmentCase{13, 8, 8, "Łoś  "},
                      FirstSegmentCase{14, 1, 1, "Łoś  "}, FirstSegmentCase{15, 4, 4, "Łoś  "}));

TEST_F(CellTextsTest, EmptyMiddleSegmentKeepsBothSeparators) {
  Record record(Profile::A, 0);
  record.Text(32, "A").Text(73, "").Text(114, "C");
  EXPECT_EQ(Build(Profile::A, 0, record).name, "A  C");
}

TEST_F(CellTextsTest, BlanksAtTheEndOfASegmentStayBeforeTheSeparator) {
  Record record(Profile::A, 0);
  record.Text(32, "ABC  ").Text(73, "DEF ").Text(114, " GHI");
  EXPECT_EQ(Build(Profile::A, 0, record).name, "ABC   DEF   GHI");
}

TEST_F(CellTextsTest, LiteralsIgnoreTheRecord) {
  for (const std::uint8_t filler : {0x00, 0x2D, 0x41, 0xA5, 0xFF}) {
    for (const Profile profile : kBoth) {
      EXPECT_EQ(Build(profile, 2, Record(profile, 2, filler)).number, "-") << int{filler};
      // Kind 5 has no amount, so every filler gives a row.
      EXPECT_EQ(Build(profile, 5, Record(profile, 5, filler)).date, "-") << int{filler};
    }
  }
}

// ---------------------------------------------------------------------------
// Regional settings and code pages.

TEST_F(CellTextsTest, SeparatorsComeFromTheRegionalSettings) {
  Record bank(Profile::A, 12);
  bank.Amount(322, -1234.5).Date(4, 0, 0, 0).Text(8, "").Text(59, "");
  const CellTexts cells = Build(Profile::A, 12, bank, {'.', '.'});
  EXPECT_EQ(cells.number, "-1234.5");
  EXPECT_EQ(cells.date, "00.00.0000");
}

TEST_F(CellTextsTest, NamesAreConvertedFromTheSourceSetting) {
  Record record(Profile::A, 0);
  record.Raw(32, Encode("Łódź", kMazovia)).Text(73, "").Text(114, "");
  PLSourceCodePage = 1;
  EXPECT_EQ(Build(Profile::A, 0, record).name, Win("Łódź  "));
  // With source and target both Windows-1250 nothing changes.
  PLSourceCodePage = 4;
  EXPECT_EQ(Build(Profile::A, 0, record).name, Encode("Łódź  ", kMazovia));
}

// The name cell is PLConvertCopy of the joined stored text.
TEST_F(CellTextsTest, NameCellIsTheConvertedCopyOfTheJoinedText) {
  Record record(Profile::B, 13);
  const std::string raw8 = Dos("Żółć"), raw78 = "\x86\x88\xBD", raw39 = "x\xA5";
  record.Raw(8, raw8).Raw(78, raw78).Raw(39, raw39);
  for (const int source : {0, 1, 2, 3, 4}) {
    PLSourceCodePage = static_cast<std::uint16_t>(source);
    EXPECT_EQ(Build(Profile::B, 13, record).name,
              PLConvertCopy(raw8 + " " + raw78 + " " + raw39))
        << "source " << source;
  }
}

TEST_F(CellTextsTest, UnusableCodePageSettingIsRefused) {
  PLSourceCodePage = 7;
  Record record(Profile::A, 0);
  CellTexts cells;
  EXPECT_THROW(BuildCellTexts(Profile::A, 0, record.bytes(), {}, cells), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// Amounts.

TEST_F(CellTextsTest, AmountsThatCannotBeTextStopTheRecord) {
  struct AmountField {
    int kind;
    std::uint16_t at;
  };
  for (const AmountField f : {AmountField{12, 322}, AmountField{13, 70}, AmountField{14, 191}}) {
    for (const double amount : {std::numeric_limits<double>::quiet_NaN(),
                                -std::numeric_limits<double>::infinity(), 1e300}) {
      Record record(Profile::A, f.kind, 0);
      record.Amount(f.at, amount);
      CellTexts cells;
      EXPECT_THROW(BuildCellTexts(Profile::A, f.kind, record.bytes(), {}, cells),
                   InvalidFloatOperation)
          << "kind " << f.kind << ", amount " << amount;
    }
  }
}

// ---------------------------------------------------------------------------
// Length bytes beyond the capacity.

TEST_F(CellTextsTest, OverlongLengthByteShowsOnlyTheCapacity) {
  Record record(Profile::A, 0);
  record.Int32(4, 5)
      .Raw(8, "0123456789", 255)
      .Raw(32, std::string(40, 'A'), 200)
      .Text(73, "BBB")
      .Raw(114, std::string(40, 'C'), 41);
  const CellTexts cells = Build(Profile::A, 0, record);
  EXPECT_EQ(cells.number, "50123456789");
  EXPECT_EQ(cells.name, std::string(40, 'A') + " BBB " + std::string(40, 'C'));
}

TEST_F(CellTextsTest, OverlongLengthBytesInTheBankListStopAtFifty) {
  Record record(Profile::A, 11);
  record.Raw(0, std::string(50, 'N'), 255).Raw(51, std::string(50, 'K'), 51);
  const CellTexts cells = Build(Profile::A, 11, record);
  EXPECT_EQ(cells.name, std::string(50, 'N'));
  EXPECT_EQ(cells.number, std::string(50, 'K'));
}

// Every length byte at 65 ("A"), past most capacities: joined cells come
// out at exactly their cut, single fields at their capacity.
TEST_F(CellTextsTest, LengthBytesPastTheCapacityFillEveryCellToItsLimit) {
  constexpr std::size_t kCuts[kKindCount] = {122, 122, 122, 122, 63, 77, 121, 121,
                                             122, 122, 122, 50,  101, 92, 113, 122};
  for (const Profile profile : kBoth) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      const CellTexts cells = Build(profile, kind, Record(profile, kind, 'A'));
      EXPECT_EQ(cells.name.size(), kCuts[kind]) << ProfileName(profile) << " kind " << kind;
      EXPECT_EQ(cells.name.find_first_not_of("A "), std::string::npos);
      if (kind == 11) {
        EXPECT_EQ(cells.date.size(), 114u);
      } else if (kind == 15) {
        EXPECT_EQ(cells.date, std::string(65, 'A'));
      } else if (kind == 9) {
        EXPECT_EQ(cells.number, std::string(20, 'A'));
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Writing into a caller's buffer.

// Every kind, filled with bytes that make the longest texts they can (full
// short strings of letters, the longest amounts), converted to Windows-1250
// and to the overstrike form: nothing is written past MaxBytes().
TEST_F(CellTextsTest, WriterStaysWithinItsRoom) {
  constexpr std::size_t kGuard = 32;
  for (const Profile profile : kBoth) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      for (const std::uint8_t filler : {std::uint8_t{0}, std::uint8_t{0xA5}, std::uint8_t{0xC3}}) {
        for (const std::uint16_t target : {std::uint16_t{4}, std::uint16_t{3}}) {
          PLTargetCodePage = target;
          Record record(profile, kind, filler);
          if (kind == 13) record.Amount(70, -9.2233720368547e16);
          const CellWriter writer(profile, kind, {'-', ','});
          std::string buffer(writer.MaxBytes() + kGuard, '#');
          CellLengths lengths;
          try {
            lengths = writer.Write(record.bytes(), buffer.data());
          } catch (const InvalidFloatOperation&) {
            continue;  // C3... is an amount beyond 64 bits of hundredths
          }
          const std::string where = std::string(ProfileName(profile)) + " kind " +
                                    std::to_string(kind) + " filler " + std::to_string(filler) +
                                    " target " + std::to_string(target);
          EXPECT_LE(lengths.number + lengths.date + lengths.name, writer.MaxBytes()) << where;
          EXPECT_EQ(buffer.substr(writer.MaxBytes()), std::string(kGuard, '#')) << where;
        }
      }
    }
  }
}

TEST_F(CellTextsTest, WriterGivesTheCellsOneAfterAnother) {
  Record record(Profile::A, 13);
  record.Amount(70, -1234.5).Date(4, 2, 1, 2003).Text(8, "Wpłata").Text(78, "Nowak").Text(39, "KP 1");
  const CellWriter writer(Profile::A, 13, {'-', ','});
  std::string buffer(writer.MaxBytes(), '\0');
  const CellLengths lengths = writer.Write(record.bytes(), buffer.data());
  EXPECT_EQ(buffer.substr(0, lengths.number + lengths.date + lengths.name),
            "-1234,5" "02-01-2003" + Win("Wpłata Nowak KP 1"));
  EXPECT_EQ(lengths.number, 7u);
  EXPECT_EQ(lengths.date, 10u);
}

// ---------------------------------------------------------------------------
// Calls.

TEST_F(CellTextsTest, OutputTextsAreReplacedNotAppended) {
  CellTexts cells{"old number", "old date", "old name"};
  Record record(Profile::A, 4, 0);
  record.Int32(0, 7).Text(5, "X");
  BuildCellTexts(Profile::A, 4, record.bytes(), {}, cells);
  EXPECT_EQ(cells.number, "7");
  EXPECT_EQ(cells.date, "00-00-0000");
  EXPECT_EQ(cells.name, "X ");
}

TEST_F(CellTextsTest, ShortRecordsAndUnknownKindsAreRefused) {
  CellTexts cells;
  const std::vector<std::uint8_t> bytes(5042, 0);
  const std::span<const std::uint8_t> whole(bytes);
  // Kind 15's number lies at 522..525 in profile A.
  EXPECT_THROW(BuildCellTexts(Profile::A, 15, whole.first(525), {}, cells), std::invalid_argument);
  EXPECT_NO_THROW(BuildCellTexts(Profile::A, 15, whole.first(526), {}, cells));
  EXPECT_THROW(BuildCellTexts(Profile::A, 0, {}, {}, cells), std::invalid_argument);
  EXPECT_THROW(BuildCellTexts(Profile::A, 16, whole, {}, cells), std::invalid_argument);
  EXPECT_THROW(BuildCellTexts(Profile::B, -1, whole, {}, cells), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// One append of a joined cell.

struct AppendCase {
  std::string_view text, piece;
  std::size_t running;
  std::string_view expected;
};

class TakenWithinCases : public ::testing::TestWithParam<AppendCase> {};

TEST_P(TakenWithinCases, KeepsTheTextWithinTheRunningCapacity) {
  const AppendCase& c = GetParam();
  const std::string text =
      std::string(c.text) + std::string(c.piece.substr(0, TakenWithin(c.text.size(), c.piece.size(), c.running)));
  EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, TakenWithinCases,
    ::testing::Values(AppendCase{"abc", "de", 10, "abcde"},   // fits whole
                      AppendCase{"abc", "de", 5, "abcde"},    // fits exactly
                      AppendCase{"abc", "defg", 5, "abcde"},  // only the first characters
                      AppendCase{"abc", " ", 3, "abc"},       // already at the capacity
                      AppendCase{"abcdef", "g", 4, "abcdef"}, // longer already: unchanged
                      AppendCase{"", "", 0, ""}, AppendCase{"", "xyz", 2, "xy"}));

}  // namespace
}  // namespace kestra
