#include "cli_options.h"

#include <charconv>
#include <functional>
#include <map>

#include "model/kinds.h"

namespace kestra::cli {

const char* const kUsage =
    "Usage:\n"
    "  kestra_cli kinds --profile std|ue\n"
    "  kestra_cli extract --profile std|ue --kind K --from N --to M\n"
    "                     [--no-rename | --backup NAME] [--output NAME] FILE\n"
    "  kestra_cli list --profile std|ue --kind K [--codepage cp852|mazovia]\n"
    "                  [--date-sep C] [--decimal-sep C] FILE\n"
    "  kestra_cli --help\n"
    "\n"
    "kinds    one line per file kind: kind, caption, record length, filter\n"
    "extract  writes records N..M of FILE into a new file in FILE's folder\n"
    "         (default name: FILE's own name), after renaming FILE to the\n"
    "         backup name (default: its name with the extension text removed,\n"
    "         then .ORG) unless --no-rename is given\n"
    "list     one line per whole record: number, document number, date, name\n"
    "\n"
    "Exit codes: 0 done, 1 refused, 2 file error, 64 bad arguments.\n";

namespace {

std::int64_t ParseInteger(const std::string& option, const std::string& text, std::int64_t min,
                          std::int64_t max) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) {
    throw UsageError(option + " takes a whole number, not \"" + text + "\"");
  }
  if (value < min || value > max) {
    throw UsageError(option + " must lie between " + std::to_string(min) + " and " +
                     std::to_string(max));
  }
  return value;
}

Profile ParseProfile(const std::string& text) {
  if (text == "std") return Profile::A;
  if (text == "ue") return Profile::B;
  throw UsageError("--profile takes std or ue, not \"" + text + "\"");
}

int ParseCodePage(const std::string& text) {
  if (text == "cp852") return 2;
  if (text == "mazovia") return 1;
  throw UsageError("--codepage takes cp852 or mazovia, not \"" + text + "\"");
}

char ParseSeparator(const std::string& option, const std::string& text) {
  if (text.size() != 1 || static_cast<unsigned char>(text[0]) >= 0x80) {
    throw UsageError(option + " takes a single ASCII character");
  }
  return text[0];
}

Verb ParseVerb(const std::string& word) {
  static const std::map<std::string, Verb> kVerbs = {
      {"kinds", Verb::kKinds}, {"extract", Verb::kExtract}, {"list", Verb::kList},
      {"--help", Verb::kHelp}, {"-h", Verb::kHelp},         {"help", Verb::kHelp}};
  const auto it = kVerbs.find(word);
  if (it == kVerbs.end()) throw UsageError("unknown command \"" + word + "\"");
  return it->second;
}

using Setter = std::function<void(Options&, const std::string&)>;

// The options that take a value, and the verbs that accept them.
const std::map<std::string, std::pair<std::vector<Verb>, Setter>>& ValueOptions() {
  static const std::map<std::string, std::pair<std::vector<Verb>, Setter>> kOptions = {
      {"--profile", {{Verb::kKinds, Verb::kExtract, Verb::kList},
                     [](Options& o, const std::string& v) { o.profile = ParseProfile(v); }}},
      {"--kind", {{Verb::kExtract, Verb::kList},
                  [](Options& o, const std::string& v) {
                    o.kind = static_cast<int>(ParseInteger("--kind", v, 0, kKindCount - 1));
                  }}},
      {"--from", {{Verb::kExtract},
                  [](Options& o, const std::string& v) {
                    o.from = static_cast<std::int32_t>(ParseInteger("--from", v, INT32_MIN, INT32_MAX));
                  }}},
      {"--to", {{Verb::kExtract},
                [](Options& o, const std::string& v) {
                  o.to = static_cast<std::int32_t>(ParseInteger("--to", v, INT32_MIN, INT32_MAX));
                }}},
      {"--backup", {{Verb::kExtract}, [](Options& o, const std::string& v) { o.backup_name = v; }}},
      {"--output", {{Verb::kExtract}, [](Options& o, const std::string& v) { o.output_name = v; }}},
      {"--codepage", {{Verb::kList},
                      [](Options& o, const std::string& v) { o.code_page = ParseCodePage(v); }}},
      {"--date-sep", {{Verb::kList},
                      [](Options& o, const std::string& v) {
                        o.date_separator = ParseSeparator("--date-sep", v);
                      }}},
      {"--decimal-sep", {{Verb::kList},
                         [](Options& o, const std::string& v) {
                           o.decimal_separator = ParseSeparator("--decimal-sep", v);
                         }}},
  };
  return kOptions;
}

bool Accepts(const std::vector<Verb>& verbs, Verb verb) {
  for (Verb v : verbs) {
    if (v == verb) return true;
  }
  return false;
}

void Require(bool given, const std::string& what) {
  if (!given) throw UsageError("missing " + what);
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  if (args.empty()) throw UsageError("missing command");
  options.verb = ParseVerb(args[0]);
  if (options.verb == Verb::kHelp) return options;

  std::map<std::string, bool> seen;
  std::vector<std::string> files;
  bool no_rename = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") return Options{};
    if (arg == "--no-rename" && options.verb == Verb::kExtract) {
      no_rename = true;
      continue;
    }
    const auto it = ValueOptions().find(arg);
    if (it == ValueOptions().end() || !Accepts(it->second.first, options.verb)) {
      if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
        throw UsageError("unknown option " + arg + " for " + args[0]);
      }
      files.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
    if (seen[arg]) throw UsageError(arg + " given twice");
    seen[arg] = true;
    it->second.second(options, args[++i]);
  }

  Require(seen["--profile"], "--profile std|ue");
  if (options.verb == Verb::kKinds) {
    if (!files.empty()) throw UsageError("kinds takes no file");
    return options;
  }
  Require(seen["--kind"], "--kind K");
  if (options.verb == Verb::kExtract) {
    Require(seen["--from"], "--from N");
    Require(seen["--to"], "--to M");
    if (no_rename && options.backup_name) {
      throw UsageError("--no-rename and --backup exclude each other");
    }
    options.rename_first = !no_rename;
  }
  Require(!files.empty(), "file argument");
  if (files.size() > 1) throw UsageError("more than one file given");
  options.file = files.front();
  return options;
}

}  // namespace kestra::cli
