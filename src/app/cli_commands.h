#pragma once

#include <cstdio>

#include "cli_options.h"

namespace kestra::cli {

namespace exit_code {
inline constexpr int kDone = 0;
inline constexpr int kRefused = 1;
inline constexpr int kFileError = 2;
inline constexpr int kUsage = 64;
}  // namespace exit_code

int RunKinds(const Options& options, std::FILE* out);
int RunExtract(const Options& options, std::FILE* out, std::FILE* err);
int RunList(const Options& options, std::FILE* out, std::FILE* err);

}  // namespace kestra::cli
