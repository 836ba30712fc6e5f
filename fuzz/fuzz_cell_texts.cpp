// libFuzzer target: the cells of arbitrary records of every kind in both
// profiles, read with every code page as the source.  A record is the input
// repeated to the kind's record length, so every field of the long records
// sees fuzzed bytes too.  Amounts that cannot be made into text are the one
// failure a record may cause; everything else must give bounded texts.
// Both targets the conversion has: Windows-1250, which maps byte for byte,
// and the overstrike form, which grows the text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/cell_texts.h"
#include "model/kinds.h"
#include "model/layouts.h"
#include "platform/errors.h"
#include "text/twPL.h"

namespace {

using namespace kestra;

void FillCyclic(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& record) {
  std::size_t filled = std::min(size, record.size());
  std::memcpy(record.data(), data, filled);
  while (filled < record.size()) {
    const std::size_t chunk = std::min(filled, record.size() - filled);
    std::memcpy(record.data() + filled, record.data(), chunk);
    filled += chunk;
  }
}

// The longest text a cell can give when every short string holds at most
// its capacity: numbers, amounts and dates stay well below 40 characters.
// The overstrike form makes three bytes of each letter of a converted cell.
std::size_t MaxLength(const CellLayout& cell, bool overstrike) {
  constexpr std::size_t kNumberRoom = 40;
  std::size_t room = 0;
  for (int i = 0; i < cell.field_count; ++i) {
    room += cell.fields[i].type == FieldType::kShortString ? cell.fields[i].capacity : kNumberRoom;
    if (i > 0 && cell.separators[i - 1] != kDirectly) ++room;
  }
  const std::size_t length = cell.joined ? CutLength(cell) : room;
  return cell.converted && overstrike ? 3 * length : length;
}

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static std::vector<std::uint8_t> record;
  static CellTexts cells;
  const RegionalSettings regional{static_cast<char>(data[0] | 0x20), static_cast<char>(data[size - 1] | 0x20)};

  for (const Profile profile : {Profile::A, Profile::B}) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      record.resize(RecordLength(profile, kind));
      FillCyclic(data, size, record);
      const KindLayout& layout = ListingLayout(profile, kind);
      for (int source = 0; source < kCodePageCount; ++source) {
        // Windows-1250, as the listing shows, and the overstrike form, the
        // one conversion that makes texts longer.
        for (const int target : {kWindows1250CodePage, kOverstrikeCodePage}) {
          PLSourceCodePage = static_cast<std::uint16_t>(source);
          PLTargetCodePage = static_cast<std::uint16_t>(target);
          try {
            BuildCellTexts(profile, kind, record, regional, cells);
          } catch (const InvalidFloatOperation&) {
            continue;
          }
          const bool grows = target == kOverstrikeCodePage;
          Check(cells.number.size() <= MaxLength(layout.number, grows));
          Check(cells.date.size() <= MaxLength(layout.date, grows));
          Check(cells.name.size() <= MaxLength(layout.name, grows));
        }
      }
    }
  }
  return 0;
}
