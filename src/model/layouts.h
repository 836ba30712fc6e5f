#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/profile.h"

// Listing layouts: for every kind and profile, which record fields make the
// number, date and name cells of a listing row, and how they are joined.

namespace kestra {

enum class FieldType : std::uint8_t {
  kHyphen,       // no field: the literal "-"
  kInt32,        // decimal text
  kDouble,       // amount text
  kPackedDate,   // date cell text
  kShortString,  // length byte, then `capacity` character bytes
};

struct FieldRef {
  FieldType type = FieldType::kHyphen;
  std::uint16_t offset = 0;
  std::uint8_t capacity = 0;  // short strings only
};

// Bytes the field takes in the record (0 for the literal).
constexpr std::size_t FieldSize(const FieldRef& field) {
  switch (field.type) {
    case FieldType::kHyphen: return 0;
    case FieldType::kInt32: return 4;
    case FieldType::kDouble: return 8;
    case FieldType::kPackedDate: return 4;
    case FieldType::kShortString: return std::size_t{field.capacity} + 1;
  }
  return 0;
}

inline constexpr int kMaxCellFields = 3;
// Separator value meaning "the next field follows directly".
inline constexpr char kDirectly = '\0';

// One cell: its fields' texts in order with a separator (or nothing) before
// each field after the first.  In a joined cell every append is bounded by
// the running capacity (the capacities of the pieces so far, a separator
// counting 1); the fields of a joined cell are short strings.  A converted
// cell goes through the Polish letter conversion.
struct CellLayout {
  std::array<FieldRef, kMaxCellFields> fields{};
  std::uint8_t field_count = 0;
  std::array<char, kMaxCellFields - 1> separators{};
  bool joined = false;
  bool converted = false;
};

struct KindLayout {
  CellLayout number;
  CellLayout date;
  CellLayout name;
  // One past the last byte any listed field takes: the shortest record the
  // layout can be applied to.
  std::uint16_t extent = 0;
};

// The layout of `kind` (0..15) in `profile`.  Throws std::invalid_argument
// for any other kind.
const KindLayout& ListingLayout(Profile profile, int kind);

// The longest text a joined cell can give: the last running capacity.
std::size_t CutLength(const CellLayout& cell);

}  // namespace kestra
