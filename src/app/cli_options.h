#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/profile.h"
#include "platform/regional.h"

namespace kestra::cli {

// A command line the tool cannot act on; exit code 64.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class Verb { kHelp, kKinds, kExtract, kList };

struct Options {
  Verb verb = Verb::kHelp;
  Profile profile = Profile::A;
  int kind = 0;
  std::int32_t from = 1;
  std::int32_t to = 1;
  bool rename_first = true;
  std::optional<std::string> backup_name;
  std::optional<std::string> output_name;
  int code_page = 2;  // the listing's source code page: 2 CP852, 1 Mazovia
  std::optional<char> date_separator;
  std::optional<char> decimal_separator;
  std::string file;
};

// Parses the arguments after the program name; throws UsageError.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace kestra::cli
