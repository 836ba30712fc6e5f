#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kestra {

// For every byte value, the byte it becomes.
using ByteMap = std::array<std::uint8_t, 256>;

// Copies `length` bytes from `from` to `to`, each replaced by its entry in
// `map`.  The two ranges are either the same (the text is mapped in place)
// or do not overlap.  Processors with the AVX-512 byte
// permutes look up 64 bytes at a time; others go byte by byte.
void CopyMapped(const ByteMap& map, const char* from, std::size_t length, char* to);

}  // namespace kestra
