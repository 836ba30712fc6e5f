#include "model/layouts.h"

#include <stdexcept>
#include <string>

#include "model/kinds.h"

namespace kestra {
namespace {

// Notation of the tables.

constexpr FieldRef I32(std::uint16_t at) { return {FieldType::kInt32, at, 0}; }
constexpr FieldRef F64(std::uint16_t at) { return {FieldType::kDouble, at, 0}; }
constexpr FieldRef Date(std::uint16_t at) { return {FieldType::kPackedDate, at, 0}; }
constexpr FieldRef Str(std::uint16_t at, std::uint8_t capacity) {
  return {FieldType::kShortString, at, capacity};
}

constexpr CellLayout Hyphen() { return {{FieldRef{}}, 1, {}, false, false}; }
constexpr CellLayout Single(FieldRef f) { return {{f}, 1, {}, false, false}; }
// The number with its text part appended, nothing between.
constexpr CellLayout Directly(FieldRef a, FieldRef b) {
  return {{a, b}, 2, {kDirectly}, false, false};
}
constexpr CellLayout Joined(FieldRef a, char s1, FieldRef b) {
  return {{a, b}, 2, {s1}, true, false};
}
constexpr CellLayout Joined(FieldRef a, char s1, FieldRef b, char s2, FieldRef c) {
  return {{a, b, c}, 3, {s1, s2}, true, false};
}
constexpr CellLayout Converted(CellLayout cell) {
  cell.converted = true;
  return cell;
}

constexpr std::uint16_t Extent(const KindLayout& layout) {
  std::size_t end = 0;
  for (const CellLayout* cell : {&layout.number, &layout.date, &layout.name}) {
    for (int i = 0; i < cell->field_count; ++i) {
      const FieldRef& f = cell->fields[i];
      if (FieldSize(f) != 0 && f.offset + FieldSize(f) > end) end = f.offset + FieldSize(f);
    }
  }
  return static_cast<std::uint16_t>(end);
}

constexpr KindLayout Kind(CellLayout number, CellLayout date, CellLayout name) {
  KindLayout layout{number, date, name, 0};
  layout.extent = Extent(layout);
  return layout;
}

constexpr char S = ' ';
constexpr char D = kDirectly;

using Layouts = std::array<KindLayout, kKindCount>;

// Profile A ("2.00 STD/ADV SWW 20").  Name cells are converted; of the
// other cells only kind 11's date cell is.
constexpr Layouts kProfileA{{
    /* 0 */ Kind(Directly(I32(4), Str(8, 10)), Single(Date(19)),
                 Converted(Joined(Str(32, 40), S, Str(73, 40), S, Str(114, 40)))),
    /* 1 */ Kind(Directly(I32(4), Str(8, 10)), Single(Date(19)),
                 Converted(Joined(Str(32, 40), S, Str(73, 40), S, Str(114, 40)))),
    /* 2 */ Kind(Hyphen(), Single(Date(5234)),
                 Converted(Joined(Str(4, 40), S, Str(45, 40), S, Str(86, 40)))),
    /* 3 */ Kind(Directly(I32(4), Str(8, 10)), Single(Date(19)),
                 Converted(Joined(Str(23, 40), S, Str(64, 40), S, Str(105, 40)))),
    /* 4 */ Kind(Single(I32(0)), Single(Date(453)),
                 Converted(Joined(Str(5, 31), S, Str(37, 31)))),
    /* 5 */ Kind(Single(I32(0)), Hyphen(),
                 Converted(Joined(Str(4, 31), S, Str(36, 13), S, Str(78, 31)))),
    /* 6 */ Kind(Directly(I32(5), Str(9, 10)), Single(Date(20)),
                 Converted(Joined(Str(32, 40), S, Str(73, 40), D, Str(114, 40)))),
    /* 7 */ Kind(Directly(I32(4), Str(8, 10)), Single(Date(19)),
                 Converted(Joined(Str(23, 40), S, Str(64, 40), D, Str(105, 40)))),
    /* 8 */ Kind(Directly(I32(4), Str(8, 10)), Single(Date(19)),
                 Converted(Joined(Str(44, 40), S, Str(276, 40), S, Str(317, 40)))),
    /* 9 */ Kind(Single(Str(6, 20)), Single(Date(27)),
                 Converted(Joined(Str(39, 40), S, Str(80, 40), S, Str(121, 40)))),
    /* 10 */ Kind(Directly(I32(4), Str(8, 10)), Single(Date(19)),
                  Converted(Joined(Str(72, 40), S, Str(113, 40), S, Str(154, 40)))),
    /* 11 */ Kind(Single(Str(51, 50)),
                  Converted(Joined(Str(153, 12), S, Str(166, 50), S, Str(102, 50))),
                  Converted(Single(Str(0, 50)))),
    /* 12 */ Kind(Single(F64(322)), Single(Date(4)),
                  Converted(Joined(Str(8, 50), S, Str(59, 50)))),
    /* 13 */ Kind(Single(F64(70)), Single(Date(4)),
                  Converted(Joined(Str(8, 30), S, Str(78, 30), S, Str(39, 30)))),
    /* 14 */ Kind(Single(F64(191)), Single(Date(199)),
                  Converted(Joined(Str(1, 37), S, Str(39, 37), S, Str(77, 37)))),
    /* 15 */ Kind(Single(I32(522)), Single(Str(165, 255)),
                  Converted(Joined(Str(4, 40), S, Str(45, 40), S, Str(86, 40)))),
}};

// Profile B ("2.10 EXPORT/UE") is profile A with these fields moved;
// capacities, separators, order, cuts and conversions stay.
enum class Cell : std::uint8_t { kNumber, kDate, kName };

struct FieldMove {
  int kind;
  Cell cell;
  int field;
  std::uint16_t offset;
};

constexpr std::array<FieldMove, 9> kProfileBMoves{{
    {2, Cell::kDate, 0, 4962},
    {4, Cell::kDate, 0, 443},
    {5, Cell::kName, 2, 68},
    {9, Cell::kNumber, 0, 7},
    {9, Cell::kDate, 0, 28},
    {9, Cell::kName, 0, 40},
    {9, Cell::kName, 1, 81},
    {9, Cell::kName, 2, 122},
    {15, Cell::kNumber, 0, 650},
}};

constexpr CellLayout& CellOf(KindLayout& layout, Cell cell) {
  switch (cell) {
    case Cell::kNumber: return layout.number;
    case Cell::kDate: return layout.date;
    case Cell::kName: break;
  }
  return layout.name;
}

constexpr Layouts WithMoves(Layouts layouts) {
  for (const FieldMove& move : kProfileBMoves) {
    CellOf(layouts[move.kind], move.cell).fields[move.field].offset = move.offset;
  }
  for (KindLayout& layout : layouts) layout.extent = Extent(layout);
  return layouts;
}

constexpr Layouts kProfileB = WithMoves(kProfileA);

}  // namespace

const KindLayout& ListingLayout(Profile profile, int kind) {
  if (!IsValidKind(kind)) {
    throw std::invalid_argument("file kind " + std::to_string(kind) + " is not one of 0..15");
  }
  return profile == Profile::A ? kProfileA[kind] : kProfileB[kind];
}

std::size_t CutLength(const CellLayout& cell) {
  std::size_t length = 0;
  for (int i = 0; i < cell.field_count; ++i) {
    if (i > 0 && cell.separators[i - 1] != kDirectly) ++length;
    length += cell.fields[i].capacity;
  }
  return length;
}

}  // namespace kestra
