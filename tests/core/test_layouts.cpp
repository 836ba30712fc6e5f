#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "model/kinds.h"
#include "model/layouts.h"

namespace kestra {
namespace {

constexpr Profile kProfiles[] = {Profile::A, Profile::B};

struct Placed {
  std::string where;
  std::size_t begin;
  std::size_t end;
};

std::vector<const CellLayout*> Cells(const KindLayout& layout) {
  return {&layout.number, &layout.date, &layout.name};
}

std::vector<Placed> PlacedFields(const KindLayout& layout) {
  static constexpr const char* kCellNames[] = {"number", "date", "name"};
  std::vector<Placed> placed;
  int c = 0;
  for (const CellLayout* cell : Cells(layout)) {
    for (int i = 0; i < cell->field_count; ++i) {
      const FieldRef& field = cell->fields[i];
      if (FieldSize(field) == 0) continue;
      placed.push_back({std::string(kCellNames[c]) + " field " + std::to_string(i), field.offset,
                        field.offset + FieldSize(field)});
    }
    ++c;
  }
  return placed;
}

TEST(Layouts, EveryFieldLiesInsideTheRecord) {
  for (const Profile profile : kProfiles) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      const KindLayout& layout = ListingLayout(profile, kind);
      const std::size_t length = RecordLength(profile, kind);
      std::size_t furthest = 0;
      for (const Placed& field : PlacedFields(layout)) {
        EXPECT_LE(field.end, length) << ProfileName(profile) << " kind " << kind << " "
                                     << field.where;
        furthest = std::max(furthest, field.end);
      }
      EXPECT_EQ(layout.extent, furthest) << ProfileName(profile) << " kind " << kind;
    }
  }
}

TEST(Layouts, FieldsOfOneKindNeverOverlap) {
  for (const Profile profile : kProfiles) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      const std::vector<Placed> fields = PlacedFields(ListingLayout(profile, kind));
      for (std::size_t i = 0; i < fields.size(); ++i) {
        for (std::size_t j = i + 1; j < fields.size(); ++j) {
          const bool apart = fields[i].end <= fields[j].begin || fields[j].end <= fields[i].begin;
          EXPECT_TRUE(apart) << ProfileName(profile) << " kind " << kind << ": "
                             << fields[i].where << " and " << fields[j].where;
        }
      }
    }
  }
}

TEST(Layouts, JoinedCellsAreShortStringsCutAtTheirLastRunningCapacity) {
  // Kind, the cut of the name cell (0: not joined).
  constexpr std::array<std::size_t, kKindCount> kNameCuts{
      122, 122, 122, 122, 63, 77, 121, 121, 122, 122, 122, 0, 101, 92, 113, 122};
  for (const Profile profile : kProfiles) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      const KindLayout& layout = ListingLayout(profile, kind);
      EXPECT_EQ(layout.name.joined, kNameCuts[kind] != 0) << "kind " << kind;
      if (layout.name.joined) {
        EXPECT_EQ(CutLength(layout.name), kNameCuts[kind]) << "kind " << kind;
      }
      EXPECT_EQ(layout.date.joined, kind == 11) << "kind " << kind;
      EXPECT_FALSE(layout.number.joined) << "kind " << kind;
      for (const CellLayout* cell : Cells(layout)) {
        if (!cell->joined) continue;
        for (int i = 0; i < cell->field_count; ++i) {
          EXPECT_EQ(cell->fields[i].type, FieldType::kShortString) << "kind " << kind;
        }
      }
    }
  }
  EXPECT_EQ(CutLength(ListingLayout(Profile::A, 11).date), 114u);
}

TEST(Layouts, NameCellsAndTheBankListDateCellAreConverted) {
  for (const Profile profile : kProfiles) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      const KindLayout& layout = ListingLayout(profile, kind);
      EXPECT_FALSE(layout.number.converted) << "kind " << kind;
      EXPECT_EQ(layout.date.converted, kind == 11) << "kind " << kind;
      EXPECT_TRUE(layout.name.converted) << "kind " << kind;
    }
  }
}

// Profile B moves the date of kinds 2 and 4, the third name segment of kind
// 5, every field of kind 9 and the number of kind 15; nothing else differs.
TEST(Layouts, ProfilesDifferOnlyInTheMovedFields) {
  using Move = std::tuple<int, int, int, int, int>;  // kind, cell, field, A, B
  const std::vector<Move> expected{
      {2, 1, 0, 5234, 4962}, {4, 1, 0, 453, 443}, {5, 2, 2, 78, 68}, {9, 0, 0, 6, 7},
      {9, 1, 0, 27, 28},     {9, 2, 0, 39, 40},   {9, 2, 1, 80, 81}, {9, 2, 2, 121, 122},
      {15, 0, 0, 522, 650},
  };
  std::vector<Move> found;
  for (int kind = 0; kind < kKindCount; ++kind) {
    const auto a = Cells(ListingLayout(Profile::A, kind));
    const auto b = Cells(ListingLayout(Profile::B, kind));
    for (int c = 0; c < 3; ++c) {
      ASSERT_EQ(a[c]->field_count, b[c]->field_count);
      EXPECT_EQ(a[c]->separators, b[c]->separators);
      EXPECT_EQ(a[c]->joined, b[c]->joined);
      EXPECT_EQ(a[c]->converted, b[c]->converted);
      for (int i = 0; i < a[c]->field_count; ++i) {
        const FieldRef& fa = a[c]->fields[i];
        const FieldRef& fb = b[c]->fields[i];
        EXPECT_EQ(fa.type, fb.type);
        EXPECT_EQ(fa.capacity, fb.capacity);
        if (fa.offset != fb.offset) found.emplace_back(kind, c, i, fa.offset, fb.offset);
      }
    }
  }
  EXPECT_EQ(found, expected);
}

TEST(Layouts, KindsOutsideTheCatalogueAreRefused) {
  for (const int kind : {-1, 16, 255}) {
    EXPECT_THROW(ListingLayout(Profile::A, kind), std::invalid_argument) << kind;
    EXPECT_THROW(ListingLayout(Profile::B, kind), std::invalid_argument) << kind;
  }
}

}  // namespace
}  // namespace kestra
