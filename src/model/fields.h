#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

// The field types of MX730 data records.  Records are packed, so fields may
// start at any byte; numbers are little-endian.  The readers take the record
// and the field's offset; the caller makes sure the whole field lies inside
// the record (the layouts are checked against the record lengths).

namespace kestra {

using RecordBytes = std::span<const std::uint8_t>;

inline constexpr std::size_t kInt32Size = 4;
inline constexpr std::size_t kDoubleSize = 8;
inline constexpr std::size_t kPackedDateSize = 4;

// The bytes a short string of `capacity` characters takes: length byte first.
constexpr std::size_t ShortStringSize(std::size_t capacity) { return capacity + 1; }

// Day at +0, month at +1, year (unsigned 16 bits) at +2.
struct PackedDate {
  std::uint8_t day = 0;
  std::uint8_t month = 0;
  std::uint16_t year = 0;
};

namespace field_detail {

template <typename Unsigned>
Unsigned LoadLittleEndian(RecordBytes record, std::size_t offset) {
  if constexpr (std::endian::native == std::endian::little) {
    Unsigned value;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
  } else {
    Unsigned value = 0;
    for (std::size_t i = sizeof value; i-- > 0;) value = (value << 8) | record[offset + i];
    return value;
  }
}

}  // namespace field_detail

inline std::int32_t ReadInt32(RecordBytes record, std::size_t offset) {
  return static_cast<std::int32_t>(field_detail::LoadLittleEndian<std::uint32_t>(record, offset));
}

inline double ReadDouble(RecordBytes record, std::size_t offset) {
  const auto bits = field_detail::LoadLittleEndian<std::uint64_t>(record, offset);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline PackedDate ReadPackedDate(RecordBytes record, std::size_t offset) {
  return PackedDate{record[offset], record[offset + 1],
                    static_cast<std::uint16_t>(record[offset + 2] | (record[offset + 3] << 8))};
}

// The text of a short string field: the characters its length byte counts,
// but never more than the field's capacity, so that a damaged length byte
// cannot reach into the next field or past the record.
inline std::string_view ReadShortString(RecordBytes record, std::size_t offset,
                                        std::size_t capacity) {
  std::size_t length = record[offset];
  if (length > capacity) length = capacity;
  return {reinterpret_cast<const char*>(record.data() + offset + 1), length};
}

}  // namespace kestra
