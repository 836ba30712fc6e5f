#pragma once

#include <cstdint>
#include <string_view>

#include "model/profile.h"

namespace kestra {

// The sixteen kinds of MX730 data file.  A kind is an index 0..15, in the
// order of the kind list of the main window.  Texts are UTF-8.
inline constexpr int kKindCount = 16;

bool IsValidKind(int kind);

// Caption shown in the kind list, e.g. "Dokumenty sprzedaży".
std::string_view KindCaption(int kind);

// Open-dialog filter of the kind: "description|pattern;pattern".  Empty for
// kind 12 and for any index outside 0..15.
std::string_view KindFilter(int kind);

// Length in bytes of one record of the kind in the given profile; 0 for an
// index outside 0..15.
std::uint32_t RecordLength(Profile profile, int kind);

}  // namespace kestra
