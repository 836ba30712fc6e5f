#include "listing/listing.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "model/cell_texts.h"
#include "model/kinds.h"
#include "platform/record_file.h"
#include "text/twPL.h"

namespace kestra {
namespace {

constexpr std::size_t kReadBlockBytes = 1u << 20;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::string KindFilterText(int kind) {
  std::string filter(KindFilter(kind));
  if (!Trimmed(filter).empty()) filter += '|';
  return filter + "Wszystkie pliki|*.*";
}

void SetSourceCodePageFromItem(int item_index) { PLSourceCodePage = item_index == 0 ? 2 : 1; }

Message ZeroLengthRefusal() {
  return {"Plik zerowej długości.", "Niestety", box_flags::kExclamation};
}

void ListRecords(const ListingRequest& request, RowStore& rows, const ProgressFn& progress) {
  const std::uint32_t length = RecordLength(request.profile, request.kind);
  if (length == 0) throw std::invalid_argument("unknown file kind");
  rows.Clear();

  RecordFile file = RecordFile::OpenExisting(request.path, length);
  const std::int64_t total = file.Size();
  rows.Reserve(static_cast<std::size_t>(std::max<std::int64_t>(total, 0)));

  // Records are read a block at a time; a block that comes back short is
  // followed by a read of the single record where it stopped, so that the
  // listing ends with that record's own error.
  const std::size_t block = RecordsPerBlock(length, kReadBlockBytes);
  std::vector<std::uint8_t> buffer(block * length);
  const CellWriter cells(request.profile, request.kind, request.regional);
  auto add_row = [&](const std::uint8_t* record) {
    const CellLengths written = cells.Write({record, length}, rows.RowRoom(cells.MaxBytes()));
    rows.AddRow(written.number, written.date, written.name);
  };

  for (;;) {
    const std::int64_t size = file.Size();
    const std::int64_t position = file.Position();
    if (position >= size) break;
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(block, size - position));
    const std::size_t got = file.ReadRecords(buffer.data(), wanted);
    for (std::size_t i = 0; i < got; ++i) add_row(buffer.data() + i * length);
    if (got < wanted) {
      file.Read(buffer.data());
      add_row(buffer.data());
    }
    if (progress) progress(static_cast<std::int64_t>(rows.RowCount()), total);
  }
  rows.ShrinkToFit();
  file.Close();
}

}  // namespace kestra
