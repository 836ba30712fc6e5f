#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "text/byte_map_copy.h"

namespace kestra {
namespace {

// A map that moves every byte value somewhere else, both halves included.
ByteMap ScrambledMap() {
  ByteMap map{};
  for (int c = 0; c < 256; ++c) map[c] = static_cast<std::uint8_t>((c * 167 + 13) % 256);
  return map;
}

std::string Mapped(const ByteMap& map, const std::string& text) {
  std::string out;
  for (const char c : text) out.push_back(static_cast<char>(map[static_cast<std::uint8_t>(c)]));
  return out;
}

std::string RandomBytes(std::size_t length, std::mt19937& random) {
  std::string text(length, '\0');
  for (char& c : text) c = static_cast<char>(random() & 0xFF);
  return text;
}

// Lengths around the 64 bytes looked up at a time, and the longest field.
constexpr std::size_t kLengths[] = {0, 1, 7, 8, 31, 63, 64, 65, 127, 128, 129, 200, 255};

// Both ways of copying: the one this processor takes and the portable one.
using CopyFn = void (*)(const ByteMap&, const char*, std::size_t, char*);
constexpr CopyFn kCopies[] = {
    [](const ByteMap& map, const char* from, std::size_t length, char* to) {
      CopyMapped(map, from, length, to);
    },
    [](const ByteMap& map, const char* from, std::size_t length, char* to) {
      CopyMappedBytewise(map, from, length, to);
    }};

TEST(CopyMapped, MapsEveryByteOfEveryLengthAndTouchesNothingElse) {
  const ByteMap map = ScrambledMap();
  std::mt19937 random(7);
  constexpr std::size_t kGuard = 70;
  for (const CopyFn copy : kCopies) {
    for (const std::size_t length : kLengths) {
      for (const std::size_t skew : {0u, 3u}) {  // unaligned starts too
        const std::string text = RandomBytes(length + skew, random).substr(skew);
        std::string out(kGuard + length + kGuard, '#');
        copy(map, text.data(), length, out.data() + kGuard);
        EXPECT_EQ(out.substr(kGuard, length), Mapped(map, text)) << "length " << length;
        EXPECT_EQ(out.substr(0, kGuard), std::string(kGuard, '#')) << "length " << length;
        EXPECT_EQ(out.substr(kGuard + length), std::string(kGuard, '#')) << "length " << length;
      }
    }
  }
}

TEST(CopyMapped, MapsInPlace) {
  const ByteMap map = ScrambledMap();
  std::mt19937 random(11);
  for (const CopyFn copy : kCopies) {
    for (const std::size_t length : kLengths) {
      const std::string text = RandomBytes(length, random);
      std::string in_place = text;
      copy(map, in_place.data(), in_place.size(), in_place.data());
      EXPECT_EQ(in_place, Mapped(map, text)) << "length " << length;
    }
  }
}

TEST(CopyMapped, PiecesFollowOneAnother) {
  const ByteMap map = ScrambledMap();
  std::mt19937 random(3);
  const std::string a = RandomBytes(30, random), b = " ", c = RandomBytes(100, random);
  const std::string_view pieces[] = {a, b, "", c};
  std::string out(a.size() + b.size() + c.size() + 8, '#');
  EXPECT_EQ(CopyMapped(map, pieces, out.data()), out.data() + out.size() - 8);
  EXPECT_EQ(out, Mapped(map, a + b + c) + "########");
}

}  // namespace
}  // namespace kestra
