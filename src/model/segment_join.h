#pragma once

#include <cstddef>

namespace kestra {

// One append of a joined cell.  The cell holds `length` characters so far;
// `running_capacity` is the sum of the capacities of all pieces up to and
// including this one (a separator counting 1).  Returns how many of the
// piece's `piece_length` characters are appended: none when the text is
// already that long or longer, the first characters up to the capacity when
// the piece only partly fits, otherwise all of them.
constexpr std::size_t TakenWithin(std::size_t length, std::size_t piece_length,
                                  std::size_t running_capacity) {
  if (length >= running_capacity) return 0;
  const std::size_t free = running_capacity - length;
  return piece_length < free ? piece_length : free;
}

}  // namespace kestra
