#include "ui/column_widths.h"

#include <algorithm>
#include <cstdint>

namespace kestra {

int ColumnWidth(int grid_width, int share) {
  if (grid_width <= 0) return 0;
  const std::int32_t product = grid_width * share;
  std::int32_t quotient = product / 100;
  const std::int32_t remainder = product % 100;
  if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) ++quotient;
  return std::max(quotient - 10, 0);
}

}  // namespace kestra
