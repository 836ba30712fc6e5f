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
std::string PLConvertCopy(const std::string& text);

}  // namespace kestra
