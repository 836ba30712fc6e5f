#include <stdexcept>
#include <string>
#include <string_view>

#include "samples/sample_records.h"
#include "text/twPL.h"

namespace kestra {
namespace {

// The eighteen letters in the order of the letter table, UTF-8 (two bytes
// each).
constexpr std::string_view kLettersUtf8 = "ąćęłńóśżźĄĆĘŁŃÓŚŻŹ";
constexpr std::size_t kUtf8LetterBytes = 2;

// Letter position of the two-byte sequence at `text[i]`, or -1.
int LetterPosition(std::string_view text, std::size_t i) {
  if (i + kUtf8LetterBytes > text.size()) return -1;
  for (int k = 0; k < kPolishLetterCount; ++k) {
    if (text.compare(i, kUtf8LetterBytes, kLettersUtf8, k * kUtf8LetterBytes, kUtf8LetterBytes) == 0) {
      return k;
    }
  }
  return -1;
}

// Bytes of the UTF-8 sequence that starts with `lead`.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

std::string EncodePolishText(std::string_view utf8, int codepage) {
  if (codepage < 0 || codepage >= kCodePageCount || codepage == kOverstrikeCodePage) {
    throw std::invalid_argument("sample texts need a one-byte code page (0, 1, 2 or 4), not " +
                                std::to_string(codepage));
  }
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      bytes.push_back(static_cast<char>(lead));
      ++i;
    } else if (const int k = LetterPosition(utf8, i); k >= 0) {
      bytes.push_back(static_cast<char>(PLLetterCode(codepage, k)));
      i += kUtf8LetterBytes;
    } else {
      bytes.push_back('?');
      i += SequenceLength(lead);
    }
  }
  return bytes;
}

}  // namespace kestra
