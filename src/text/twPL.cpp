#include "text/twPL.h"

#include <array>
#include <stdexcept>

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
using ByteMap = std::array<std::uint8_t, 256>;

constexpr ByteMap MakeByteMap(int source, int target) {
  ByteMap map{};
  for (int c = 0; c < 256; ++c) {
    const int k = kPositions[source][c];
    map[c] = k == pl_table::kNoLetter ? static_cast<std::uint8_t>(c) : kRows[target][k];
  }
  return map;
}

constexpr std::array<ByteMap, kCodePageCount> MakeByteMaps(int source) {
  return {MakeByteMap(source, 0), MakeByteMap(source, 1), MakeByteMap(source, 2),
          MakeByteMap(source, 3), MakeByteMap(source, 4)};
}

// kByteMaps[source][target]; the overstrike target does not use its entry.
constexpr std::array<std::array<ByteMap, kCodePageCount>, kCodePageCount> kByteMaps{
    MakeByteMaps(0), MakeByteMaps(1), MakeByteMaps(2), MakeByteMaps(3), MakeByteMaps(4)};

void RequireCodePage(int codepage, const char* what) {
  if (codepage < 0 || codepage >= kCodePageCount) {
    throw std::invalid_argument(std::string(what) + " code page " + std::to_string(codepage) +
                                " is not one of 0..4");
  }
}

std::uint8_t Byte(char c) { return static_cast<std::uint8_t>(c); }

void ConvertSameLength(const ByteMap& map, std::string& text) {
  for (char& c : text) c = static_cast<char>(map[Byte(c)]);
}

// Each letter becomes its plain letter, a backspace and its mark.
void ConvertToOverstrike(const PositionMap& positions, std::string& text) {
  std::size_t letters = 0;
  for (char c : text) letters += positions[Byte(c)] != pl_table::kNoLetter;
  if (letters == 0) return;

  std::string result;
  result.reserve(text.size() + 2 * letters);
  for (char c : text) {
    const int k = positions[Byte(c)];
    if (k == pl_table::kNoLetter) {
      result.push_back(c);
      continue;
    }
    result.push_back(static_cast<char>(kRows[kPlainCodePage][k]));
    result.push_back(static_cast<char>(pl_table::kBackspace));
    result.push_back(static_cast<char>(kRows[kOverstrikeCodePage][k]));
  }
  text.swap(result);
}

void Convert(int target, std::string& text) {
  const int source = PLSourceCodePage;
  RequireCodePage(source, "source");
  RequireCodePage(target, "target");
  if (target == source) return;
  if (target == kOverstrikeCodePage) {
    ConvertToOverstrike(kPositions[source], text);
  } else {
    ConvertSameLength(kByteMaps[source][target], text);
  }
}

}  // namespace

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

void PLConvertToTarget(std::string& text) {
  if (text.empty()) return;
  // The setting is 16 bits wide: it is checked whole, never cut to a byte.
  Convert(PLTargetCodePage, text);
}

}  // namespace kestra
