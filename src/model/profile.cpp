#include "model/profile.h"

namespace kestra {

std::string_view VersionText(Profile profile) {
  return profile == Profile::A ? "2.00 STD/ADV SWW 20" : "2.10 EXPORT/UE";
}

std::string_view ProfileName(Profile profile) {
  return profile == Profile::A ? "std" : "ue";
}

}  // namespace kestra
