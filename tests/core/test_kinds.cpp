#include <gtest/gtest.h>

#include "listing/listing.h"
#include "model/kinds.h"

namespace kestra {
namespace {

TEST(Kinds, RecordLengthsOfBothProfiles) {
  const std::uint32_t a[kKindCount] = {5042, 10240, 5741, 2254, 473, 2085, 4997, 1680,
                                       4732, 4341,  611,  286,  459, 131, 300,  557};
  const std::uint32_t b[kKindCount] = {5962, 9440, 5469, 2254, 699, 2311, 4597, 1680,
                                       5612, 4330, 611,  286,  459, 131, 300,  685};
  for (int kind = 0; kind < kKindCount; ++kind) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(RecordLength(Profile::A, kind), a[kind]);
    EXPECT_EQ(RecordLength(Profile::B, kind), b[kind]);
  }
  EXPECT_EQ(RecordLength(Profile::A, 16), 0u);
  EXPECT_EQ(RecordLength(Profile::B, -1), 0u);
}

TEST(Kinds, CaptionsFiltersAndVersions) {
  EXPECT_EQ(KindCaption(0), "Dokumenty sprzedaży");
  EXPECT_EQ(KindCaption(6), "Zamowienia");
  EXPECT_EQ(KindCaption(8), "Dokumenty miedzymagazynowe");
  EXPECT_EQ(KindCaption(15), "Kartoteka adresowa");
  EXPECT_EQ(KindFilter(6), "Zamówienia|zam*.*");
  EXPECT_EQ(KindFilter(12), "");
  EXPECT_EQ(KindFilter(16), "");
  for (int kind = 0; kind < kKindCount; ++kind) EXPECT_FALSE(KindCaption(kind).empty());
  EXPECT_EQ(VersionText(Profile::A), "2.00 STD/ADV SWW 20");
  EXPECT_EQ(VersionText(Profile::B), "2.10 EXPORT/UE");
}

TEST(Kinds, DialogFilterEndsWithTheCatchAll) {
  EXPECT_EQ(KindFilterText(0),
            "Sprzedaż|Fakt*.*;Para*.*;Rach*.*;FVWE*.*;WDT*.*|Wszystkie pliki|*.*");
  EXPECT_EQ(KindFilterText(13), "Rej.rap.kasowego|Kasa.*|Wszystkie pliki|*.*");
  EXPECT_EQ(KindFilterText(12), "Wszystkie pliki|*.*");
  EXPECT_EQ(KindFilterText(99), "Wszystkie pliki|*.*");
}

}  // namespace
}  // namespace kestra
