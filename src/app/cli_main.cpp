// kestra_cli: the listing and the extraction for scripts and administrators.

#include <cstdio>
#include <string>
#include <vector>

#include "cli_commands.h"
#include "cli_options.h"

int main(int argc, char** argv) {
  using namespace kestra::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  Options options;
  try {
    options = ParseOptions(args);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "kestra_cli: %s\nTry 'kestra_cli --help'.\n", error.what());
    return exit_code::kUsage;
  }
  switch (options.verb) {
    case Verb::kHelp:
      std::fputs(kUsage, stdout);
      return exit_code::kDone;
    case Verb::kKinds:
      return RunKinds(options, stdout);
    case Verb::kExtract:
      return RunExtract(options, stdout, stderr);
    case Verb::kList:
      return RunList(options, stdout, stderr);
  }
  return exit_code::kUsage;
}
