#pragma once

#include <cstdint>
#include <string_view>

namespace kestra {

// The MX730 version a deliverable is built for.  kestra_std reads profile A
// files, kestra_ue profile B files; the choice is made when the program is
// built and never at run time.
enum class Profile : std::uint8_t { A = 0, B = 1 };

inline constexpr int kProfileCount = 2;

// "2.00 STD/ADV SWW 20" for A, "2.10 EXPORT/UE" for B.
std::string_view VersionText(Profile profile);

// "std" or "ue": the short name the command-line tool accepts.
std::string_view ProfileName(Profile profile);

}  // namespace kestra
