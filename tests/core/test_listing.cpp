#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "listing/listing.h"
#include "listing/proposed_names.h"
#include "platform/errors.h"
#include "text/twPL.h"
#include "support/temp_dir.h"

namespace kestra {
namespace {

using test::TempDir;

TEST(ProposedNames, OutputIsTheFileNameAndBackupDropsTheExtensionText) {
  const std::pair<const char*, const char*> cases[] = {
      {"FAKT03.DAT", "FAKT03.ORG"}, {"FAKT.2003.DAT", "FAKT.2003.ORG"},
      {"KASA", "KASA.ORG"},         {"ZAK.B1X.B1", "ZAKX.ORG"},
      {"A.dat.DAT", "A.ORG"},       {"kasa.org", "kasa.ORG"},
      {".DAT", ".ORG"},             {"FAKT03.", "FAKT03.ORG"},
  };
  for (const auto& [name, backup] : cases) {
    EXPECT_EQ(ProposedBackupName(name), backup) << name;
  }
  EXPECT_EQ(ProposedOutputName("C:\\DANE\\FAKT03.DAT"), "FAKT03.DAT");
  EXPECT_EQ(ProposedOutputName("/home/k/dane/FAKT03.DAT"), "FAKT03.DAT");
}

TEST(ListingSettings, CodePageItemAndZeroLengthRefusal) {
  SetSourceCodePageFromItem(1);
  EXPECT_EQ(PLSourceCodePage, 1);
  SetSourceCodePageFromItem(0);
  EXPECT_EQ(PLSourceCodePage, 2);
  SetSourceCodePageFromItem(-1);
  EXPECT_EQ(PLSourceCodePage, 1);
  EXPECT_EQ(ZeroLengthRefusal(), (Message{"Plik zerowej długości.", "Niestety", 48}));
}

// Kind 4 ("Magazyn", 473 bytes in profile A): the number cell is the int32
// at 0, so each row shows which record it was built from.
constexpr int kStockKind = 4;
constexpr std::uint32_t kStockLength = 473;

std::vector<char> StockRecords(int count, std::uint32_t tail = 0) {
  std::vector<char> bytes(count * kStockLength + tail, 0);
  for (int n = 1; n <= count; ++n) {
    const std::int32_t number = 1000 + n;
    std::memcpy(bytes.data() + (n - 1) * kStockLength, &number, 4);
  }
  return bytes;
}

ListingRequest Request(const std::string& path, int kind = kStockKind) {
  ListingRequest request;
  request.path = path;
  request.kind = kind;
  return request;
}

TEST(ListRecords, OneRowPerWholeRecordInFileOrder) {
  TempDir dir;
  const std::string path = dir.File("TOWAR.DAT");
  test::WriteFile(path, StockRecords(3, kStockLength / 2));  // 3.5 records
  RowStore rows;
  rows.Append("stary", "wiersz", "z poprzedniego");
  ListRecords(Request(path), rows);
  ASSERT_EQ(rows.RowCount(), 3u);
  for (std::size_t r = 0; r < 3; ++r) {
    EXPECT_EQ(rows.CellText(r, 0), std::to_string(r + 1));
    EXPECT_EQ(rows.Cell(r, 1), std::to_string(1001 + r));
  }
}

TEST(ListRecords, ListsManyBlocksWhole) {
  TempDir dir;
  const std::string path = dir.File("TOWAR.DAT");
  const int count = 5000;  // a few read blocks
  test::WriteFile(path, StockRecords(count));
  RowStore rows;
  std::int64_t last_done = 0;
  ListRecords(Request(path), rows, [&](std::int64_t done, std::int64_t total) {
    EXPECT_EQ(total, count);
    EXPECT_GE(done, last_done);
    last_done = done;
  });
  ASSERT_EQ(rows.RowCount(), static_cast<std::size_t>(count));
  EXPECT_EQ(last_done, count);
  EXPECT_EQ(rows.Cell(count - 1, 1), std::to_string(1000 + count));
}

TEST(ListRecords, ShorterThanOneRecordGivesNoRows) {
  TempDir dir;
  const std::string path = dir.File("TOWAR.DAT");
  test::WriteFile(path, std::vector<char>(kStockLength - 1, 'x'));
  RowStore rows;
  ListRecords(Request(path), rows);
  EXPECT_EQ(rows.RowCount(), 0u);
}

int ListingErrorCode(const std::string& path) {
  RowStore rows;
  try {
    ListRecords(Request(path), rows);
  } catch (const IoError& e) {
    return e.code();
  }
  return 0;
}

TEST(ListRecords, OpenFailures) {
  TempDir dir;
  const std::string readonly = dir.File("TOWAR.DAT");
  test::WriteFile(readonly, StockRecords(2));
  test::MakeReadOnly(readonly);
  EXPECT_EQ(ListingErrorCode(dir.File("BRAK.DAT")), 2);
  EXPECT_EQ(ListingErrorCode(readonly), 5);
}

TEST(ListRecords, BadAmountEndsTheListingWithTheRowsSoFar) {
  // Kind 13 ("Rejestr raportu kasowego", 131 bytes): the amount is the
  // double at 70.  The fourth record holds a NaN.
  TempDir dir;
  const std::string path = dir.File("KASA.DAT");
  std::vector<char> bytes(6 * 131, 0);
  for (int n = 0; n < 6; ++n) {
    const double amount = n == 3 ? std::nan("") : n * 1.5;
    std::memcpy(bytes.data() + n * 131 + 70, &amount, 8);
  }
  test::WriteFile(path, bytes);
  RowStore rows;
  try {
    ListRecords(Request(path, 13), rows);
    FAIL() << "a NaN amount was listed";
  } catch (const InvalidFloatOperation& e) {
    EXPECT_EQ(ErrorReportText(e.what()), "Invalid floating point operation.");
  }
  EXPECT_EQ(rows.RowCount(), 3u);
}

TEST(RowStore, KeepsCellsOfManyRowsApart) {
  RowStore rows;
  for (int r = 0; r < 100000; ++r) {
    rows.Append(std::to_string(r), r % 2 ? "" : "01-02-2003", std::string(r % 300, 'a' + r % 26));
  }
  ASSERT_EQ(rows.RowCount(), 100000u);
  for (int r : {0, 1, 77777, 99999}) {
    EXPECT_EQ(rows.Cell(r, 1), std::to_string(r));
    EXPECT_EQ(rows.Cell(r, 2), r % 2 ? "" : "01-02-2003");
    EXPECT_EQ(rows.Cell(r, 3), std::string(r % 300, 'a' + r % 26));
  }
  EXPECT_EQ(rows.CellText(99999, 0), "100000");
  EXPECT_EQ(rows.Cell(100000, 1), "");
  rows.Clear();
  EXPECT_EQ(rows.RowCount(), 0u);
}

TEST(RowStore, RowsWrittenInTheRoomItGives) {
  RowStore rows;
  char* room = rows.RowRoom(64);
  const std::string cells = "12" "01-02-2003" "Nowak";
  cells.copy(room, cells.size());
  rows.AddRow(2, 10, 5);
  room = rows.RowRoom(64);
  rows.AddRow(0, 0, 0);
  ASSERT_EQ(rows.RowCount(), 2u);
  EXPECT_EQ(rows.Cell(0, 1), "12");
  EXPECT_EQ(rows.Cell(0, 2), "01-02-2003");
  EXPECT_EQ(rows.Cell(0, 3), "Nowak");
  EXPECT_EQ(rows.Cell(1, 3), "");
}

TEST(RowStore, RowsBeyondTheirRoomAreRefused) {
  RowStore empty;
  EXPECT_THROW(empty.AddRow(1, 0, 0), std::logic_error);  // no room asked for
  RowStore rows;
  rows.RowRoom(10);
  EXPECT_THROW(rows.AddRow(70000, 0, 0), std::length_error);
  EXPECT_EQ(rows.RowCount(), 0u);
}

TEST(RowStore, ReusesItsMemoryAfterClearAndGivesBackWhatIsSpare) {
  RowStore rows;
  const std::string name(200, 'n');
  for (int r = 0; r < 60000; ++r) rows.Append(std::to_string(r), "d", name);
  const std::size_t big = rows.MemoryBytes();
  rows.Clear();
  for (int r = 0; r < 100; ++r) rows.Append("x" + std::to_string(r), "", "short");
  EXPECT_EQ(rows.Cell(99, 1), "x99");
  EXPECT_EQ(rows.Cell(0, 3), "short");
  EXPECT_EQ(rows.MemoryBytes(), big);
  rows.ShrinkToFit();
  EXPECT_LT(rows.MemoryBytes(), big / 2);
  EXPECT_EQ(rows.Cell(42, 1), "x42");
  rows.Append("po", "zmniejszeniu", name);
  EXPECT_EQ(rows.Cell(100, 2), "zmniejszeniu");
}

}  // namespace
}  // namespace kestra
