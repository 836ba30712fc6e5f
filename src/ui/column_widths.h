#pragma once

#include <array>
#include <cstdint>

namespace kestra {

// Share of the grid's width per column, in per cent: "nr kol.",
// "numer dok.", "z dnia", "firma".
inline constexpr std::array<std::uint8_t, 4> kColumnShares{10, 20, 20, 50};

// Width of a column with `share` per cent of a grid `grid_width` pixels wide:
// the share rounded to the nearest pixel (exactly halfway: to the even one),
// less 10, and never below 0.  A grid of 509 pixels gives 41, 92, 92, 244.
int ColumnWidth(int grid_width, int share);

}  // namespace kestra
