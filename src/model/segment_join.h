#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestra {

// One append of a joined cell.  `running_capacity` is the sum of the
// capacities of all pieces up to and including this one (a separator
// counting 1).  A text already that long or longer stays as it is; a piece
// that only partly fits gives its first characters up to the capacity;
// otherwise the piece is appended whole.  `text` holds only this cell.
void AppendWithin(std::string& text, std::string_view piece, std::size_t running_capacity);

}  // namespace kestra
