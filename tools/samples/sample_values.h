#pragma once

#include <cstdint>
#include <string>

#include "model/fields.h"

// The values sample records are made of: a small deterministic random
// source, dates, amounts and texts by their role in a record.

namespace kestra::sample_values {

// splitmix64: the same seed always gives the same sequence.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // 0..n-1 for n > 0.
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_;
};

// What a text field of a record holds.
enum class TextRole : std::uint8_t {
  kNone,
  kDocumentSuffix,   // "/03/2004", after the document number
  kPurchaseNumber,   // "FZ 1234/03/2004"
  kCompany,          // "Hurtownia Świt"
  kCompanyLine2,     // "Spółka z o.o.", an owner's name
  kPerson,           // "Małgorzata Łęcka"
  kStreet,           // "ul. Żeromskiego 5"
  kCity,             // "90-001 Łódź"
  kProduct,          // "Mąka pszenna typ 650 1kg"
  kProductCode,      // "PKWiU 15.61.2"
  kProductNote,      // "wyrób własny, partia 12/2004"
  kBank,             // "ING Bank Śląski S.A."
  kBankAccount,      // "12 1020 5558 ..."
  kSortCode,         // "10205558"
  kTransferTitle,    // "Zapłata za fakturę FV 12/03/2004"
  kCashTitle,        // "Wpłata gotówki do kasy"
  kCashDocument,     // "KP 12/03/2004"
  kAddressNote,      // "NIP ..., tel. ..., płatność ..."
};

// What the texts of one record may refer to.
struct RecordContext {
  std::int64_t index;  // record number from 0
  PackedDate date;     // the record's date
  Random* random;
};

// A date in 2003..2026 that grows with the record index.
PackedDate SampleDate(std::int64_t index, Random& random);

// An amount in whole hundredths; negative ones only when `signed_amounts`.
double SampleAmount(Random& random, bool signed_amounts);

// The UTF-8 text of a field with `role`.
std::string RoleText(TextRole role, const RecordContext& context);

}  // namespace kestra::sample_values
