#include "text/byte_map_copy.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KESTRA_BYTE_PERMUTES 1
#include <immintrin.h>
#endif

namespace kestra {

char* CopyMappedBytewise(const ByteMap& map, const char* from, std::size_t length, char* to) {
  for (std::size_t i = 0; i < length; ++i) {
    to[i] = static_cast<char>(map[static_cast<std::uint8_t>(from[i])]);
  }
  return to + length;
}

namespace {

#ifdef KESTRA_BYTE_PERMUTES

#define KESTRA_PERMUTE_TARGET __attribute__((target("avx512f,avx512bw,avx512vbmi")))

// The map held in four registers of 64 entries.  Each permute looks up the
// low seven bits of 64 bytes in two of them; the top bit of each byte
// chooses which half's result it gets.  Masked loads and stores touch only
// the bytes of the text.
struct PermuteTable {
  __m512i low0, low1, high0, high1;
};

KESTRA_PERMUTE_TARGET PermuteTable LoadTable(const ByteMap& map) {
  return {_mm512_loadu_si512(map.data()), _mm512_loadu_si512(map.data() + 64),
          _mm512_loadu_si512(map.data() + 128), _mm512_loadu_si512(map.data() + 192)};
}

KESTRA_PERMUTE_TARGET inline char* CopyPermuted(const PermuteTable& table, const char* from,
                                                std::size_t length, char* to) {
  for (std::size_t i = 0; i < length; i += 64) {
    const std::size_t count = length - i < 64 ? length - i : 64;
    const __mmask64 mask = count == 64 ? ~__mmask64{0} : (__mmask64{1} << count) - 1;
    const __m512i bytes = _mm512_maskz_loadu_epi8(mask, from + i);
    const __m512i low = _mm512_permutex2var_epi8(table.low0, bytes, table.low1);
    const __m512i high = _mm512_permutex2var_epi8(table.high0, bytes, table.high1);
    const __m512i mapped = _mm512_mask_blend_epi8(_mm512_movepi8_mask(bytes), low, high);
    _mm512_mask_storeu_epi8(to + i, mask, mapped);
  }
  return to + length;
}

KESTRA_PERMUTE_TARGET void CopyMappedPermuting(const ByteMap& map, const char* from,
                                               std::size_t length, char* to) {
  CopyPermuted(LoadTable(map), from, length, to);
}

KESTRA_PERMUTE_TARGET char* CopyPiecesPermuting(const ByteMap& map,
                                                std::span<const std::string_view> pieces,
                                                char* to) {
  const PermuteTable table = LoadTable(map);
  for (const std::string_view piece : pieces) to = CopyPermuted(table, piece.data(), piece.size(), to);
  return to;
}

bool HasBytePermutes() {
  static const bool has = __builtin_cpu_supports("avx512f") &&
                          __builtin_cpu_supports("avx512bw") &&
                          __builtin_cpu_supports("avx512vbmi");
  return has;
}

#endif

}  // namespace

void CopyMapped(const ByteMap& map, const char* from, std::size_t length, char* to) {
#ifdef KESTRA_BYTE_PERMUTES
  if (HasBytePermutes()) {
    CopyMappedPermuting(map, from, length, to);
    return;
  }
#endif
  CopyMappedBytewise(map, from, length, to);
}

char* CopyMapped(const ByteMap& map, std::span<const std::string_view> pieces, char* to) {
#ifdef KESTRA_BYTE_PERMUTES
  if (HasBytePermutes()) return CopyPiecesPermuting(map, pieces, to);
#endif
  for (const std::string_view piece : pieces) {
    to = CopyMappedBytewise(map, piece.data(), piece.size(), to);
  }
  return to;
}

}  // namespace kestra
