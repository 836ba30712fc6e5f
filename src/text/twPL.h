#pragma once

#include <cstdint>
#include <string>

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

}  // namespace kestra
