#include "model/segment_join.h"

#include <algorithm>

namespace kestra {

void AppendWithin(std::string& text, std::string_view piece, std::size_t running_capacity) {
  if (text.size() >= running_capacity) return;
  text.append(piece.substr(0, std::min(piece.size(), running_capacity - text.size())));
}

}  // namespace kestra
