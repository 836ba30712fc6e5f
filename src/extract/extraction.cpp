#include "extract/extraction.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "model/kinds.h"
#include "platform/file_system.h"
#include "platform/path.h"
#include "platform/record_file.h"

namespace kestra {
namespace {

constexpr std::size_t kCopyBlockBytes = 1u << 20;
constexpr const char* kErrorTitle = "Straszny Error";

Message BackupExists(const std::string& backup_path) {
  return {"Plik kopii zapasowej już istnieje !!!\r" + backup_path + "\rPrzerywam operację!",
          kErrorTitle, box_flags::kExclamation};
}

Message OutputExists(const std::string& output_path) {
  return {"Plik wynikowy już istnieje !!!\r" + output_path + "\rPrzerywam operację!",
          kErrorTitle, box_flags::kExclamation};
}

Message NoFileChosen() {
  return {"Nie wybrano żadnego zbioru !!!\rNajpierw otwórz zbiór przyciskiem \"Otwórz zbiór\".\r"
          "Przerywam operację!",
          kErrorTitle, box_flags::kExclamation};
}

Message Saved(const std::string& output_path) {
  return {"Zapisano plik\r" + output_path, "Informacja", box_flags::kInformation};
}

// Copies `count` records from the source's position to the output, a block
// at a time.  A block that comes back short is followed by a read of the
// single record where it stopped, so the copy ends with that record's own
// error after every whole record before it has been written.
void CopyRecords(RecordFile& source, RecordFile& output, std::int64_t count,
                 const ProgressFn& progress) {
  const std::uint32_t length = source.record_length();
  const std::size_t block = RecordsPerBlock(length, kCopyBlockBytes);
  std::vector<char> buffer(std::min<std::int64_t>(block, count) * length);
  std::int64_t done = 0;
  while (done < count) {
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(block, count - done));
    const std::size_t got = source.ReadRecords(buffer.data(), wanted);
    output.WriteRecords(buffer.data(), got);
    done += static_cast<std::int64_t>(got);
    if (got < wanted) {
      source.Read(buffer.data());
      output.Write(buffer.data());
      ++done;
    }
    if (progress) progress(done, count);
  }
}

ExtractionOutcome Copy(const ExtractionRequest& request, const std::string& source_path,
                       const std::string& output_path, const ProgressFn& progress) {
  const std::uint32_t length = RecordLength(request.profile, request.kind);
  if (length == 0) throw std::invalid_argument("unknown file kind");
  try {
    RecordFile source = RecordFile::OpenExisting(source_path, length);
    RecordFile output = RecordFile::CreateNew(output_path, length);
    source.Seek(static_cast<std::int64_t>(request.from) - 1);
    if (request.to >= request.from) {
      const std::int64_t count =
          static_cast<std::int64_t>(request.to) - static_cast<std::int64_t>(request.from) + 1;
      CopyRecords(source, output, count, progress);
    }
    source.Close();
    output.Close();
  } catch (const IoError& error) {
    // A file that appeared under the output name after the check is never
    // emptied: the output is created exclusively.
    if (error.code() == io_code::kFileExists) return {OutputExists(output_path), std::nullopt};
    return {std::nullopt, error};
  }
  return {Saved(output_path), std::nullopt};
}

}  // namespace

ExtractionOutcome ExtractRange(const ExtractionRequest& request, const ProgressFn& progress) {
  const std::string& current = request.current_path;
  if (current.empty() || current == kNoFilePath) return {NoFileChosen(), std::nullopt};

  const std::string folder = ExtractFilePath(current);
  const std::string output_path = folder + request.output_name;
  std::string source_path = current;

  if (request.rename_first) {
    const std::string backup_path = folder + request.backup_name;
    source_path = backup_path;
    if (FileExists(backup_path)) return {BackupExists(backup_path), std::nullopt};
    // Whether the rename worked is not looked at: a failed rename shows up
    // as an existing output or as a backup that cannot be opened.
    RenameFile(current, backup_path);
  }
  if (FileExists(output_path)) return {OutputExists(output_path), std::nullopt};
  return Copy(request, source_path, output_path, progress);
}

}  // namespace kestra
