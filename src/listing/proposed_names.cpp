#include "listing/proposed_names.h"

#include <cctype>

#include "platform/path.h"

namespace kestra {
namespace {

bool SameIgnoringCase(const std::string& text, std::size_t at, const std::string& part) {
  if (at + part.size() > text.size()) return false;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[at + i])) !=
        std::tolower(static_cast<unsigned char>(part[i]))) {
      return false;
    }
  }
  return true;
}

std::string RemoveAllIgnoringCase(const std::string& text, const std::string& part) {
  if (part.empty()) return text;
  std::string result;
  std::size_t i = 0;
  while (i < text.size()) {
    if (SameIgnoringCase(text, i, part)) {
      i += part.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

}  // namespace

std::string ProposedOutputName(const std::string& path) { return ExtractFileName(path); }

std::string ProposedBackupName(const std::string& output_name) {
  return RemoveAllIgnoringCase(output_name, ExtractFileExt(output_name)) + ".ORG";
}

}  // namespace kestra
