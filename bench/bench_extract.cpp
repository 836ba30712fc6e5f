// Copying a whole file of about 1 GiB with the range extraction, beside cp
// of the same file, for short (kind 13, 131 bytes) and long (kind 1, 10,240
// bytes) records.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench_util.h"
#include "extract/extraction.h"
#include "model/kinds.h"

namespace {

using namespace kestra;

constexpr std::int64_t kTargetBytes = std::int64_t{1} << 30;

std::string MakeFile(const std::string& folder, int kind) {
  const std::uint32_t length = RecordLength(Profile::A, kind);
  const std::int64_t records = kTargetBytes / length;
  const std::string path = folder + "/SOURCE" + std::to_string(kind) + ".DAT";
  std::ofstream out(path, std::ios::binary);
  std::vector<char> block(length * 1024);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 7 + i / 131);
  for (std::int64_t done = 0; done < records; done += 1024) {
    const std::int64_t n = std::min<std::int64_t>(1024, records - done);
    out.write(block.data(), n * length);
  }
  return path;
}

void Compare(const std::string& folder, int kind) {
  const std::string source = MakeFile(folder, kind);
  const std::uint32_t length = RecordLength(Profile::A, kind);
  const auto size = static_cast<std::int64_t>(std::filesystem::file_size(source));
  const std::string output = folder + "/OUT.DAT";
  auto remove_output = [&] { std::filesystem::remove(output); };

  ExtractionRequest request;
  request.current_path = source;
  request.output_name = "OUT.DAT";
  request.rename_first = false;
  request.kind = kind;
  request.from = 1;
  request.to = static_cast<std::int32_t>(size / length);

  const double extract = bench::BestSeconds(3, [&] {
    const ExtractionOutcome outcome = ExtractRange(request);
    if (!outcome.message || outcome.message->flags != 64) std::abort();
  }, remove_output);
  const double cp = bench::BestSeconds(
      3, [&] { bench::Shell("cp " + bench::Quoted(source) + " " + bench::Quoted(output)); },
      remove_output);
  remove_output();
  std::filesystem::remove(source);
  std::printf("kind %2d (%5u-byte records, %.2f GiB): extraction %.3f s, cp %.3f s, ratio %.2f\n",
              kind, length, size / double(1 << 30), extract, cp, extract / cp);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = bench::WorkFolder(argc, argv);
  std::printf("extraction against cp, best of 3, files in %s\n", folder.c_str());
  Compare(folder, 13);
  Compare(folder, 1);
  if (argc <= 1) std::filesystem::remove_all(folder);
}
