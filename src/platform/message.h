#pragma once

#include <string>

namespace kestra {

// Icons of a message box, numbered as the Windows message box flags that the
// MX730 tools use.  Every box has a single OK button.
namespace box_flags {
inline constexpr int kStop = 16;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
}  // namespace box_flags

// A message box of the program's own: text, title and flags.  In the text a
// lone carriage return ("\r") separates lines.
struct Message {
  std::string text;
  std::string title;
  int flags = box_flags::kInformation;

  friend bool operator==(const Message&, const Message&) = default;
};

}  // namespace kestra
