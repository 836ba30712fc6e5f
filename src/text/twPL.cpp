#include "text/twPL.h"

#include <array>
#include <stdexcept>

#include "text/byte_map_copy.h"
#include "text/pl_letter_table.h"

namespace kestra {

std::uint16_t PLSourceCodePage = kWindows1250CodePage;
std::uint16_t PLTargetCodePage = kWindows1250CodePage;

namespace {

using pl_table::kRows;

// For every byte value, the first letter position of a row that holds it.
using PositionMap = std::array<std::int8_t, 256>;

constexpr PositionMap MakePositionMap(int source) {
  PositionMap map{};
  map.fill(pl_table::kNoLetter);
  // Walking backwards leaves the lowest position in place: first match wins.
  for (int k = kPolishLetterCount - 1; k >= 0; --k) {
    map[kRows[source][k]] = static_cast<std::int8_t>(k);
  }
  return map;
}

constexpr std::array<PositionMap, kCodePageCount> kPositions{
    MakePositionMap(0), MakePositionMap(1), MakePositionMap(2),
    MakePositionMap(3), MakePositionMap(4)};

// For every byte value, what one lookup in the source row makes of it in the
// target row.  Applying it byte by byte looks every byte up exactly once.
constexpr ByteMap MakeByteMap(int source, int target) {
  ByteMap map{};
  for (int c = 0; c < 256; ++c) {
    const int k = kPositions[source][c];
    map[c] = k == pl_table::kNoLetter ? static_cast<std::uint8_t>(c) : kRows[target][k];
  }
  return map;
}

constexpr std::array<PLByteConversion, kCodePageCount> MakeConversions(int source) {
  std::array<PLByteConversion, kCodePageCount> row{};
  for (int target = 0; target < kCodePageCount; ++target) {
    row[target] = PLByteConversion(MakeByteMap(source, target));
  }
  return row;
}

// kConversions[source][target]; the overstrike target does not use its entry.
constexpr std::array<std::array<PLByteConversion, kCodePageCount>, kCodePageCount> kConversions{
    MakeConversions(0), MakeConversions(1), MakeConversions(2), MakeConversions(3),
    MakeConversions(4)};

void RequireCodePage(int codepage, const char* what) {
  if (codepage < 0 || codepage >= kCodePageCount) {
    throw std::invalid_argument(std::string(what) + " code page " + std::to_string(codepage) +
                                " is not one of 0..4");
  }
}

std::uint8_t Byte(char c) { return static_cast<std::uint8_t>(c); }

// Each letter becomes its plain letter, a backspace and its mark; the text
// grows from the back, so that nothing is read after it was overwritten.
std::size_t ConvertToOverstrike(const PositionMap& positions, char* text, std::size_t length,
                                std::size_t room) {
  std::size_t letters = 0;
  for (std::size_t i = 0; i < length; ++i) letters += positions[Byte(text[i])] != pl_table::kNoLetter;
  const std::size_t grown = length + 2 * letters;
  if (grown > room) throw std::length_error("no room for the overstrike form of a text");

  char* out = text + grown;
  for (std::size_t i = length; i-- > 0;) {
    const int k = positions[Byte(text[i])];
    if (k == pl_table::kNoLetter) {
      *--out = text[i];
      continue;
    }
    *--out = static_cast<char>(kRows[kOverstrikeCodePage][k]);
    *--out = static_cast<char>(pl_table::kBackspace);
    *--out = static_cast<char>(kRows[kPlainCodePage][k]);
  }
  return grown;
}

std::size_t Convert(int target, char* text, std::size_t length, std::size_t room) {
  const int source = PLSourceCodePage;
  RequireCodePage(source, "source");
  RequireCodePage(target, "target");
  if (target == source) return length;
  if (target == kOverstrikeCodePage) return ConvertToOverstrike(kPositions[source], text, length, room);
  kConversions[source][target].ConvertInPlace(text, length);
  return length;
}

void Convert(int target, std::string& text) {
  // Checked before the text grows, so that a refusal leaves it unchanged.
  RequireCodePage(PLSourceCodePage, "source");
  RequireCodePage(target, "target");
  const std::size_t length = text.size();
  if (target == kOverstrikeCodePage) text.resize(PLConvertedRoom(length));
  text.resize(Convert(target, text.data(), length, text.size()));
}

}  // namespace

const PLByteConversion* PLByteConversion::Current() {
  const int source = PLSourceCodePage;
  const int target = PLTargetCodePage;
  if (source >= kCodePageCount || target >= kCodePageCount || target == kOverstrikeCodePage) {
    return nullptr;
  }
  return &kConversions[source][target];
}

void PLByteConversion::ConvertInPlace(char* text, std::size_t length) const {
  CopyMapped(map_, text, length, text);
}

char* PLByteConversion::CopyConverted(std::span<const std::string_view> pieces, char* to) const {
  return CopyMapped(map_, pieces, to);
}

std::uint8_t PLLetterCode(int codepage, int position) {
  RequireCodePage(codepage, "letter");
  if (position < 0 || position >= kPolishLetterCount) {
    throw std::invalid_argument("letter position " + std::to_string(position) +
                                " is not one of 0..17");
  }
  return kRows[codepage][position];
}

void PLConvertInPlace(std::uint8_t target, std::string& text) { Convert(target, text); }

std::string PLConvertCopy(const std::string& text) {
  std::string copy = text;
  PLConvertToTarget(copy);
  return copy;
}

// The setting is 16 bits wide: it is checked whole, never cut to a byte.
void PLConvertToTarget(std::string& text) {
  if (text.empty()) return;
  Convert(PLTargetCodePage, text);
}

std::size_t PLConvertToTarget(char* text, std::size_t length, std::size_t room) {
  if (length == 0) return 0;
  return Convert(PLTargetCodePage, text, length, room);
}

}  // namespace kestra
