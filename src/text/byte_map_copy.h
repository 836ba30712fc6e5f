#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kestra {

// For every byte value, the byte it becomes.
using ByteMap = std::array<std::uint8_t, 256>;

// Copies `length` bytes from `from` to `to`, each replaced by its entry in
// `map`.  The two ranges are either the same (the text is mapped in place)
// or do not overlap.  Processors with the AVX-512 byte permutes look up 64
// bytes at a time; others go byte by byte.
void CopyMapped(const ByteMap& map, const char* from, std::size_t length, char* to);

// CopyMapped byte by byte, as it runs on processors without the permutes;
// returns the end of the output.
char* CopyMappedBytewise(const ByteMap& map, const char* from, std::size_t length, char* to);

// The pieces one after another from `to`, each mapped; none may overlap
// the output.  Returns the end of the output.
char* CopyMapped(const ByteMap& map, std::span<const std::string_view> pieces, char* to);

}  // namespace kestra
