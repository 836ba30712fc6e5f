#include "model/cell_texts.h"

#include <charconv>
#include <stdexcept>
#include <string>

#include "model/amount_text.h"
#include "model/date_text.h"
#include "model/fields.h"
#include "model/layouts.h"
#include "model/segment_join.h"
#include "text/twPL.h"

namespace kestra {
namespace {

void AppendInt32(std::int32_t value, std::string& out) {
  char digits[12];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void AppendFieldText(const FieldRef& field, RecordBytes record,
                     const RegionalSettings& regional, std::string& out) {
  switch (field.type) {
    case FieldType::kHyphen:
      out.push_back('-');
      return;
    case FieldType::kInt32:
      AppendInt32(ReadInt32(record, field.offset), out);
      return;
    case FieldType::kDouble:
      AppendAmountText(ReadDouble(record, field.offset), regional.decimal_separator, out);
      return;
    case FieldType::kPackedDate:
      AppendDateCellText(ReadPackedDate(record, field.offset), regional.date_separator, out);
      return;
    case FieldType::kShortString:
      out.append(ReadShortString(record, field.offset, field.capacity));
      return;
  }
}

// Fields one after another, each with its separator (if any) before it.
void BuildPlainCell(const CellLayout& cell, RecordBytes record,
                    const RegionalSettings& regional, std::string& out) {
  for (int i = 0; i < cell.field_count; ++i) {
    if (i > 0 && cell.separators[i - 1] != kDirectly) out.push_back(cell.separators[i - 1]);
    AppendFieldText(cell.fields[i], record, regional, out);
  }
}

// Short string segments and separators, each append kept within the
// running capacity.
void BuildJoinedCell(const CellLayout& cell, RecordBytes record, std::string& out) {
  std::size_t running = 0;
  for (int i = 0; i < cell.field_count; ++i) {
    const char separator = i > 0 ? cell.separators[i - 1] : kDirectly;
    if (separator != kDirectly) {
      running += 1;
      AppendWithin(out, {&separator, 1}, running);
    }
    const FieldRef& segment = cell.fields[i];
    running += segment.capacity;
    AppendWithin(out, ReadShortString(record, segment.offset, segment.capacity), running);
  }
}

void BuildCell(const CellLayout& cell, RecordBytes record, const RegionalSettings& regional,
               std::string& out) {
  out.clear();
  if (cell.joined) {
    BuildJoinedCell(cell, record, out);
  } else {
    BuildPlainCell(cell, record, regional, out);
  }
  if (cell.converted) PLConvertToTarget(out);
}

}  // namespace

void BuildCellTexts(Profile profile, int kind, std::span<const std::uint8_t> record,
                    const RegionalSettings& regional, CellTexts& out) {
  const KindLayout& layout = ListingLayout(profile, kind);
  if (record.size() < layout.extent) {
    throw std::invalid_argument("record of " + std::to_string(record.size()) +
                                " bytes is shorter than the fields of kind " +
                                std::to_string(kind) + " reach");
  }
  BuildCell(layout.number, record, regional, out.number);
  BuildCell(layout.date, record, regional, out.date);
  BuildCell(layout.name, record, regional, out.name);
}

}  // namespace kestra
