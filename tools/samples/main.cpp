// kestra_samples: writes one sample data file of every kind.
//
//   kestra_samples --profile std|ue [--codepage cp852|mazovia] [--records N] OUTDIR

#include <charconv>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/kinds.h"
#include "model/profile.h"
#include "samples/sample_records.h"
#include "text/twPL.h"

namespace {

using kestra::Profile;

struct Options {
  Profile profile = Profile::A;
  int codepage = kestra::kCp852CodePage;
  std::int64_t records = kestra::kDefaultSampleRecords;
  std::filesystem::path folder;
};

constexpr std::string_view kUsage =
    "usage: kestra_samples --profile std|ue [--codepage cp852|mazovia] [--records N] OUTDIR\n";

std::optional<Profile> ParseProfile(std::string_view text) {
  for (Profile p : {Profile::A, Profile::B}) {
    if (text == kestra::ProfileName(p)) return p;
  }
  return std::nullopt;
}

std::optional<int> ParseCodePage(std::string_view text) {
  if (text == "cp852") return kestra::kCp852CodePage;
  if (text == "mazovia") return kestra::kMazoviaCodePage;
  return std::nullopt;
}

std::optional<std::int64_t> ParseCount(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

std::optional<Options> ParseOptions(const std::vector<std::string_view>& args) {
  Options options;
  bool have_profile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--profile" && has_value) {
      const auto profile = ParseProfile(args[++i]);
      if (!profile) return std::nullopt;
      options.profile = *profile;
      have_profile = true;
    } else if (arg == "--codepage" && has_value) {
      const auto codepage = ParseCodePage(args[++i]);
      if (!codepage) return std::nullopt;
      options.codepage = *codepage;
    } else if (arg == "--records" && has_value) {
      const auto count = ParseCount(args[++i]);
      if (!count) return std::nullopt;
      options.records = *count;
    } else if (!arg.starts_with("--") && options.folder.empty()) {
      options.folder = std::filesystem::path(std::string(arg));
    } else {
      return std::nullopt;
    }
  }
  if (!have_profile || options.folder.empty()) return std::nullopt;
  return options;
}

void WriteKind(const Options& options, int kind) {
  const std::filesystem::path path = options.folder / std::string(kestra::SampleFileName(kind));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot create " + path.string());
  std::vector<std::uint8_t> record(kestra::RecordLength(options.profile, kind));
  for (std::int64_t index = 0; index < options.records; ++index) {
    kestra::FillSampleRecord(options.profile, kind, index, options.codepage, record);
    out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
  }
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto options = ParseOptions(args);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    std::filesystem::create_directories(options->folder);
    for (int kind = 0; kind < kestra::kKindCount; ++kind) WriteKind(*options, kind);
  } catch (const std::exception& error) {
    std::cerr << "kestra_samples: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
