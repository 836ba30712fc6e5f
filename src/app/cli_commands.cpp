#include "cli_commands.h"

#include <string>

#include "cli_text.h"
#include "extract/extraction.h"
#include "listing/listing.h"
#include "listing/proposed_names.h"
#include "model/kinds.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace kestra::cli {
namespace {

void Print(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

int ReportError(const RunError& error, std::FILE* err) {
  Print(err, ErrorReportText(error.what()) + "\n");
  return exit_code::kFileError;
}

void PrintRows(const RowStore& rows, std::FILE* out) {
  std::string chunk;
  for (std::size_t r = 0; r < rows.RowCount(); ++r) {
    chunk += rows.CellText(r, 0);
    for (int column = 1; column < RowStore::kColumnCount; ++column) {
      chunk += '\t';
      AppendEscapedCell(rows.Cell(r, column), chunk);
    }
    chunk += '\n';
    if (chunk.size() > (1u << 16)) {
      Print(out, chunk);
      chunk.clear();
    }
  }
  Print(out, chunk);
}

}  // namespace

int RunKinds(const Options& options, std::FILE* out) {
  for (int kind = 0; kind < kKindCount; ++kind) {
    Print(out, std::to_string(kind) + '\t' + std::string(KindCaption(kind)) + '\t' +
                   std::to_string(RecordLength(options.profile, kind)) + '\t' +
                   std::string(KindFilter(kind)) + '\n');
  }
  return exit_code::kDone;
}

int RunExtract(const Options& options, std::FILE* out, std::FILE* err) {
  ExtractionRequest request;
  request.current_path = options.file;
  request.output_name = options.output_name.value_or(ProposedOutputName(options.file));
  request.backup_name =
      options.backup_name.value_or(ProposedBackupName(ProposedOutputName(options.file)));
  request.rename_first = options.rename_first;
  request.from = options.from;
  request.to = options.to;
  request.kind = options.kind;
  request.profile = options.profile;

  const ExtractionOutcome outcome = ExtractRange(request);
  if (outcome.error) return ReportError(*outcome.error, err);
  const Message& message = *outcome.message;
  const bool done = message.flags == box_flags::kInformation;
  Print(done ? out : err, TerminalLines(message.text) + "\n");
  return done ? exit_code::kDone : exit_code::kRefused;
}

int RunList(const Options& options, std::FILE* out, std::FILE* err) {
  SetSourceCodePageFromItem(options.code_page == 2 ? 0 : 1);
  if (FileSizeByName(options.file) == 0) {
    Print(err, TerminalLines(ZeroLengthRefusal().text) + "\n");
    return exit_code::kRefused;
  }
  ListingRequest request;
  request.path = options.file;
  request.kind = options.kind;
  request.profile = options.profile;
  request.regional = SystemRegionalSettings();
  if (options.date_separator) request.regional.date_separator = *options.date_separator;
  if (options.decimal_separator) request.regional.decimal_separator = *options.decimal_separator;

  RowStore rows;
  try {
    ListRecords(request, rows);
  } catch (const RunError& error) {
    PrintRows(rows, out);
    std::fflush(out);
    return ReportError(error, err);
  }
  PrintRows(rows, out);
  return exit_code::kDone;
}

}  // namespace kestra::cli
