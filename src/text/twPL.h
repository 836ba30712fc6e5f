#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "text/byte_map_copy.h"

// Conversion of the eighteen Polish letters between the code pages MX730
// data may be written in.  Code page numbers (rows of the letter table):
//   0 plain Latin letters, 1 Mazovia, 2 CP852, 3 overstrike form
//   (letter, backspace 08, mark), 4 Windows-1250.
// Texts are byte strings, one byte per character.

namespace kestra {

inline constexpr int kCodePageCount = 5;

// Letter positions of a table row, in this order: ą ć ę ł ń ó ś ż ź
// Ą Ć Ę Ł Ń Ó Ś Ż Ź.
inline constexpr int kPolishLetterCount = 18;

// Row numbers with a meaning of their own.
inline constexpr int kPlainCodePage = 0;
inline constexpr int kMazoviaCodePage = 1;
inline constexpr int kCp852CodePage = 2;
inline constexpr int kOverstrikeCodePage = 3;
inline constexpr int kWindows1250CodePage = 4;

// The byte of letter `position` (0..17) in row `codepage` (0..4); for row 3
// the mark that follows the backspace.  Throws std::invalid_argument for a
// row or position out of range.
std::uint8_t PLLetterCode(int codepage, int position);

// Code page of the texts handed to the conversion; 4 at start.
extern std::uint16_t PLSourceCodePage;
// Code page PLConvertCopy converts to; 4 at start, never changed by KESTRA.
extern std::uint16_t PLTargetCodePage;

// Converts `text` from PLSourceCodePage to `target`.  Every byte is looked up
// once, in the source row, first match winning.  Target 3 grows the text by
// two bytes per letter found.  Throws std::invalid_argument when the source
// or the target is outside 0..4.
void PLConvertInPlace(std::uint8_t target, std::string& text);

// A converted copy (to PLTargetCodePage); the argument is never changed.
// An empty text gives an empty text without looking at the settings.
std::string PLConvertCopy(const std::string& text);

// What PLConvertCopy returns, made in `text` itself: for callers that build
// a text only to have it converted and want to keep its storage.
void PLConvertToTarget(std::string& text);

// The same for the `length` bytes at `text`, in a buffer of `room` bytes;
// returns the converted length.  PLConvertedRoom(length) bytes of room are
// always enough; throws std::length_error when the overstrike form would not
// fit in less.
std::size_t PLConvertToTarget(char* text, std::size_t length, std::size_t room);

// PLConvertToTarget under the current settings when it maps byte for byte,
// as it does for every target but the overstrike form: for callers that
// convert many short texts, each in the same pass that copies it.
class PLByteConversion {
 public:
  // The conversion the settings give now; null when the target is the
  // overstrike form or a setting is out of range (PLConvertToTarget then
  // does the work, and refuses bad settings).
  static const PLByteConversion* Current();

  void ConvertInPlace(char* text, std::size_t length) const;
  // Copies the pieces one after another from `to`, converted; none may
  // overlap the output.  Returns the end of the output.  Converting as the
  // bytes are copied spares reading back bytes just written.
  char* CopyConverted(std::span<const std::string_view> pieces, char* to) const;

  constexpr PLByteConversion() = default;
  constexpr explicit PLByteConversion(const ByteMap& map) : map_(map) {}

 private:
  ByteMap map_{};
};

// Room for any conversion of a text of `length` bytes: the overstrike form
// makes three bytes of a letter.
constexpr std::size_t PLConvertedRoom(std::size_t length) { return 3 * length; }

}  // namespace kestra
