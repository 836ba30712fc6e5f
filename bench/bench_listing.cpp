// Listing a 1,000,000-record kind 13 file (131 MB) and a 100,000-record
// kind 0 file (about 500 MB) in the core, beside reading the same file with
// cat, and the peak memory of the larger listing.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench_util.h"
#include "listing/listing.h"
#include "model/kinds.h"
#include "samples/sample_records.h"

namespace {

using namespace kestra;

std::string MakeSampleFile(const std::string& folder, int kind, std::int64_t records) {
  const std::uint32_t length = RecordLength(Profile::A, kind);
  const std::string path = folder + "/" + std::string(SampleFileName(kind));
  std::ofstream out(path, std::ios::binary);
  std::vector<std::uint8_t> record(length);
  for (std::int64_t i = 0; i < records; ++i) {
    FillSampleRecord(Profile::A, kind, i, 2, record);
    out.write(reinterpret_cast<const char*>(record.data()), length);
  }
  return path;
}

ListingRequest Request(const std::string& path, int kind) {
  ListingRequest request;
  request.path = path;
  request.kind = kind;
  return request;
}

void Compare(const std::string& folder, int kind, std::int64_t records) {
  const std::string path = MakeSampleFile(folder, kind, records);
  SetSourceCodePageFromItem(0);
  // Peak memory first, while this process holds no rows of its own.
  std::int64_t peak = 0;
  std::int64_t idle = 0;
  if (kind == 13) {
    idle = bench::PeakMemoryOf([] {});
    peak = bench::PeakMemoryOf([&] {
      RowStore fresh;
      ListRecords(Request(path, kind), fresh);
    });
  }
  RowStore rows;
  const double listing =
      bench::BestSeconds(3, [&] { ListRecords(Request(path, kind), rows); });
  const double cat =
      bench::BestSeconds(3, [&] { bench::Shell("cat " + bench::Quoted(path) + " >/dev/null"); });
  const double mb = std::filesystem::file_size(path) / 1e6;
  std::printf("kind %2d, %7lld records (%.0f MB): listing %.3f s, cat %.3f s, ratio %.2f;"
              " rows hold %.1f MB\n",
              kind, static_cast<long long>(records), mb, listing, cat, listing / cat,
              rows.MemoryBytes() / 1e6);
  if (kind == 13) {
    std::printf("peak memory of the %lld-row listing: %.1f MB (a process doing nothing: %.1f MB)\n",
                static_cast<long long>(records), peak / 1e6, idle / 1e6);
  }
  std::filesystem::remove(path);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = bench::WorkFolder(argc, argv);
  std::printf("listing in the core against cat, best of 3, files in %s\n", folder.c_str());
  Compare(folder, 13, 1000000);
  Compare(folder, 0, 100000);
  if (argc <= 1) std::filesystem::remove_all(folder);
}
