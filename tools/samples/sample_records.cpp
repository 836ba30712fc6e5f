#include "samples/sample_records.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string>

#include "model/kinds.h"
#include "model/layouts.h"
#include "samples/sample_values.h"

namespace kestra {
namespace {

using sample_values::Random;
using sample_values::RecordContext;
using R = sample_values::TextRole;

constexpr std::array<std::string_view, kKindCount> kFileNames{
    "FAKT03.DAT", "KOR03.DAT",  "SZABLON.DAT", "NOTA03.DAT",   "TOWAR.DAT", "WYROB.DAT",
    "ZAM03.DAT",  "REKL03.DAT", "PZ03.DAT",    "ZAK03.DAT",    "KP_03.DAT", "BANKI.DAT",
    "BANKOPER.DAT", "KASA.DAT", "PPOST03.DAT", "ADRESY.DAT",
};

// What the text fields of each kind hold, cell by cell in layout order.
struct KindRoles {
  std::array<R, kMaxCellFields> number;
  std::array<R, kMaxCellFields> date;
  std::array<R, kMaxCellFields> name;
  bool signed_amounts;
};

constexpr std::array<KindRoles, kKindCount> kRoles{{
    /* 0 */ {{R::kNone, R::kDocumentSuffix}, {}, {R::kCompany, R::kCompanyLine2, R::kCity}, false},
    /* 1 */ {{R::kNone, R::kDocumentSuffix}, {}, {R::kCompany, R::kCompanyLine2, R::kCity}, false},
    /* 2 */ {{}, {}, {R::kCompany, R::kCompanyLine2, R::kStreet}, false},
    /* 3 */ {{R::kNone, R::kDocumentSuffix}, {}, {R::kCompany, R::kStreet, R::kCity}, false},
    /* 4 */ {{}, {}, {R::kProduct, R::kCompany}, false},
    /* 5 */ {{}, {}, {R::kProduct, R::kProductCode, R::kProductNote}, false},
    /* 6 */ {{R::kNone, R::kDocumentSuffix}, {}, {R::kCompany, R::kCompanyLine2, R::kCity}, false},
    /* 7 */ {{R::kNone, R::kDocumentSuffix}, {}, {R::kPerson, R::kStreet, R::kCity}, false},
    /* 8 */ {{R::kNone, R::kDocumentSuffix}, {}, {R::kCompany, R::kCompanyLine2, R::kCity}, false},
    /* 9 */ {{R::kPurchaseNumber}, {}, {R::kCompany, R::kCompanyLine2, R::kCity}, false},
    /* 10 */ {{R::kNone, R::kDocumentSuffix}, {}, {R::kPerson, R::kStreet, R::kCity}, false},
    /* 11 */ {{R::kBankAccount}, {R::kSortCode, R::kCity, R::kStreet}, {R::kBank}, false},
    /* 12 */ {{}, {}, {R::kCompany, R::kTransferTitle}, true},
    /* 13 */ {{}, {}, {R::kCashTitle, R::kPerson, R::kCashDocument}, true},
    /* 14 */ {{}, {}, {R::kPerson, R::kStreet, R::kCity}, false},
    /* 15 */ {{}, {R::kAddressNote}, {R::kCompany, R::kStreet, R::kCity}, false},
}};

// Bytes that no listed field covers: a pattern that changes with the
// position, the record and the kind.
void FillOpaque(int kind, std::int64_t index, std::span<std::uint8_t> record) {
  const auto seed = static_cast<std::uint32_t>(index * 17 + kind * 7);
  for (std::size_t i = 0; i < record.size(); ++i) {
    record[i] = static_cast<std::uint8_t>((i * 131 + seed) ^ (i >> 8));
  }
}

void StoreLittleEndian(std::uint64_t value, std::size_t size, std::uint8_t* at) {
  for (std::size_t i = 0; i < size; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void StoreShortString(std::string_view text, std::size_t capacity, std::uint8_t* at) {
  const std::size_t length = std::min(text.size(), capacity);
  at[0] = static_cast<std::uint8_t>(length);
  std::memcpy(at + 1, text.data(), length);
}

struct FieldWriter {
  const RecordContext& context;
  int codepage;
  bool signed_amounts;
  std::span<std::uint8_t> record;

  void Write(const FieldRef& field, R role) const {
    std::uint8_t* at = record.data() + field.offset;
    switch (field.type) {
      case FieldType::kHyphen:
        return;
      case FieldType::kInt32:
        StoreLittleEndian(static_cast<std::uint32_t>(context.index + 1), kInt32Size, at);
        return;
      case FieldType::kDouble: {
        const double amount = sample_values::SampleAmount(*context.random, signed_amounts);
        std::uint64_t bits;
        std::memcpy(&bits, &amount, sizeof bits);
        StoreLittleEndian(bits, kDoubleSize, at);
        return;
      }
      case FieldType::kPackedDate:
        at[0] = context.date.day;
        at[1] = context.date.month;
        StoreLittleEndian(context.date.year, 2, at + 2);
        return;
      case FieldType::kShortString:
        StoreShortString(EncodePolishText(sample_values::RoleText(role, context), codepage),
                         field.capacity, at);
        return;
    }
  }

  void Write(const CellLayout& cell, const std::array<R, kMaxCellFields>& roles) const {
    for (int i = 0; i < cell.field_count; ++i) Write(cell.fields[i], roles[i]);
  }
};

// The values do not depend on the profile: a record has the same contents
// in both, only in other places.
std::uint64_t Seed(int kind, std::int64_t index) {
  return (static_cast<std::uint64_t>(index) << 4) ^ static_cast<std::uint64_t>(kind);
}

}  // namespace

std::string_view SampleFileName(int kind) {
  if (!IsValidKind(kind)) {
    throw std::invalid_argument("file kind " + std::to_string(kind) + " is not one of 0..15");
  }
  return kFileNames[kind];
}

void FillSampleRecord(Profile profile, int kind, std::int64_t index, int codepage,
                      std::span<std::uint8_t> record) {
  const KindLayout& layout = ListingLayout(profile, kind);
  if (record.size() < layout.extent) {
    throw std::invalid_argument("a sample record of kind " + std::to_string(kind) + " needs " +
                                std::to_string(layout.extent) + " bytes at least");
  }
  EncodePolishText({}, codepage);  // refuses a code page it cannot write

  FillOpaque(kind, index, record);
  Random random(Seed(kind, index));
  const RecordContext context{index, sample_values::SampleDate(index, random), &random};
  const KindRoles& roles = kRoles[kind];
  const FieldWriter writer{context, codepage, roles.signed_amounts, record};
  writer.Write(layout.number, roles.number);
  writer.Write(layout.date, roles.date);
  writer.Write(layout.name, roles.name);
}

}  // namespace kestra
