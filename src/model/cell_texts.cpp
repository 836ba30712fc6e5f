#include "model/cell_texts.h"

#include <charconv>
#include <cstring>
#include <stdexcept>
#include <string>

#include "model/amount_text.h"
#include "model/date_text.h"
#include "model/fields.h"
#include "model/segment_join.h"
#include "text/twPL.h"

namespace kestra {
namespace {

constexpr std::size_t kMaxInt32TextLength = 11;  // "-2147483648"

std::size_t FieldRoom(const FieldRef& field) {
  switch (field.type) {
    case FieldType::kHyphen: return 1;
    case FieldType::kInt32: return kMaxInt32TextLength;
    case FieldType::kDouble: return kMaxAmountTextLength;
    case FieldType::kPackedDate: return kMaxDateCellTextLength;
    case FieldType::kShortString: return field.capacity;
  }
  return 0;
}

std::size_t CellRoom(const CellLayout& cell) {
  std::size_t room = 0;
  for (int i = 0; i < cell.field_count; ++i) {
    if (i > 0 && cell.separators[i - 1] != kDirectly) ++room;
    room += FieldRoom(cell.fields[i]);
  }
  return cell.converted ? PLConvertedRoom(room) : room;
}

// Copies of a few dozen bytes, made of fixed-size moves that may overlap:
// quicker than a general copy for texts this short, and never touching a
// byte outside either text.
template <std::size_t kSize>
void Move(const char* from, char* to) {
  std::memcpy(to, from, kSize);
}

char* WriteText(std::string_view text, char* out) {
  const char* in = text.data();
  const std::size_t n = text.size();
  if (n >= 16) {
    for (std::size_t i = 0; i + 16 < n; i += 16) Move<16>(in + i, out + i);
    Move<16>(in + n - 16, out + n - 16);
  } else if (n >= 8) {
    Move<8>(in, out);
    Move<8>(in + n - 8, out + n - 8);
  } else if (n >= 4) {
    Move<4>(in, out);
    Move<4>(in + n - 4, out + n - 4);
  } else if (n > 0) {
    out[0] = in[0];
    out[n / 2] = in[n / 2];
    out[n - 1] = in[n - 1];
  }
  return out + n;
}

char* WriteField(const FieldRef& field, RecordBytes record, const RegionalSettings& regional,
                 char* out) {
  switch (field.type) {
    case FieldType::kHyphen:
      *out = '-';
      return out + 1;
    case FieldType::kInt32:
      return std::to_chars(out, out + kMaxInt32TextLength, ReadInt32(record, field.offset)).ptr;
    case FieldType::kDouble:
      return WriteAmountText(ReadDouble(record, field.offset), regional.decimal_separator, out);
    case FieldType::kPackedDate:
      return WriteDateCellText(ReadPackedDate(record, field.offset), regional.date_separator, out);
    case FieldType::kShortString:
      return WriteText(ReadShortString(record, field.offset, field.capacity), out);
  }
  return out;
}

// The conversion a cell's bytes go through as they are written; null
// writes them as they are.
using Conversion = const PLByteConversion*;

char* WritePieces(std::span<const std::string_view> pieces, Conversion conversion, char* out) {
  if (conversion) return conversion->CopyConverted(pieces, out);
  for (const std::string_view piece : pieces) out = WriteText(piece, out);
  return out;
}

// Fields one after another, each with its separator (if any) before it.
char* WritePlainCell(const CellLayout& cell, RecordBytes record, const RegionalSettings& regional,
                     Conversion conversion, char* out) {
  for (int i = 0; i < cell.field_count; ++i) {
    if (i > 0 && cell.separators[i - 1] != kDirectly) {
      const std::string_view separator(&cell.separators[i - 1], 1);
      out = WritePieces({&separator, 1}, conversion, out);
    }
    const FieldRef& field = cell.fields[i];
    if (field.type == FieldType::kShortString) {
      const std::string_view text = ReadShortString(record, field.offset, field.capacity);
      out = WritePieces({&text, 1}, conversion, out);
      continue;
    }
    char* const start = out;
    out = WriteField(field, record, regional, out);
    if (conversion) conversion->ConvertInPlace(start, static_cast<std::size_t>(out - start));
  }
  return out;
}

// Short string segments and separators, each kept within the running
// capacity, gathered first and then written in one go.
char* WriteJoinedCell(const CellLayout& cell, RecordBytes record, Conversion conversion,
                      char* out) {
  std::array<std::string_view, 2 * kMaxCellFields - 1> pieces;
  std::size_t count = 0;
  std::size_t length = 0;
  std::size_t running = 0;
  auto add = [&](std::string_view piece) {
    const std::size_t taken = TakenWithin(length, piece.size(), running);
    pieces[count++] = piece.substr(0, taken);
    length += taken;
  };
  for (int i = 0; i < cell.field_count; ++i) {
    if (i > 0 && cell.separators[i - 1] != kDirectly) {
      running += 1;
      add({&cell.separators[i - 1], 1});
    }
    const FieldRef& segment = cell.fields[i];
    running += segment.capacity;
    add(ReadShortString(record, segment.offset, segment.capacity));
  }
  return WritePieces({pieces.data(), count}, conversion, out);
}

char* WriteCellBytes(const CellLayout& cell, RecordBytes record, const RegionalSettings& regional,
                     Conversion conversion, char* start) {
  return cell.joined ? WriteJoinedCell(cell, record, conversion, start)
                     : WritePlainCell(cell, record, regional, conversion, start);
}

// A converted cell is converted as it is written where the conversion maps
// byte for byte, and afterwards in its room otherwise.  Each case has a call
// of its own, so that the writing of unconverted cells is compiled with no
// conversion at all: a tenth of a listing's time.
std::size_t WriteCell(const CellLayout& cell, std::size_t room, RecordBytes record,
                      const RegionalSettings& regional, char* const start) {
  if (!cell.converted) {
    return static_cast<std::size_t>(WriteCellBytes(cell, record, regional, nullptr, start) - start);
  }
  if (const Conversion conversion = PLByteConversion::Current()) {
    return static_cast<std::size_t>(WriteCellBytes(cell, record, regional, conversion, start) - start);
  }
  const auto length =
      static_cast<std::size_t>(WriteCellBytes(cell, record, regional, nullptr, start) - start);
  return PLConvertToTarget(start, length, room);
}

}  // namespace

CellWriter::CellWriter(Profile profile, int kind, const RegionalSettings& regional)
    : layout_(&ListingLayout(profile, kind)),
      regional_(regional),
      rooms_{CellRoom(layout_->number), CellRoom(layout_->date), CellRoom(layout_->name)},
      kind_(kind) {}

CellLengths CellWriter::Write(std::span<const std::uint8_t> record, char* out) const {
  if (record.size() < layout_->extent) {
    throw std::invalid_argument("record of " + std::to_string(record.size()) +
                                " bytes is shorter than the fields of kind " +
                                std::to_string(kind_) + " reach");
  }
  CellLengths lengths;
  lengths.number = WriteCell(layout_->number, rooms_[0], record, regional_, out);
  out += lengths.number;
  lengths.date = WriteCell(layout_->date, rooms_[1], record, regional_, out);
  out += lengths.date;
  lengths.name = WriteCell(layout_->name, rooms_[2], record, regional_, out);
  return lengths;
}

void BuildCellTexts(Profile profile, int kind, std::span<const std::uint8_t> record,
                    const RegionalSettings& regional, CellTexts& out) {
  const CellWriter writer(profile, kind, regional);
  std::string buffer(writer.MaxBytes(), '\0');
  const CellLengths lengths = writer.Write(record, buffer.data());
  const std::string_view cells(buffer);
  out.number.assign(cells.substr(0, lengths.number));
  out.date.assign(cells.substr(lengths.number, lengths.date));
  out.name.assign(cells.substr(lengths.number + lengths.date, lengths.name));
}

}  // namespace kestra
