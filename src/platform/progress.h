#pragma once

#include <cstdint>
#include <functional>

namespace kestra {

// Told now and then how many records of a long listing or copy are done.
using ProgressFn = std::function<void(std::int64_t done, std::int64_t total)>;

}  // namespace kestra
