#include "platform/regional.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>

namespace kestra {
namespace {

bool IsPlainSeparator(char c) {
  return c > ' ' && static_cast<unsigned char>(c) < 0x7F && !(c >= '0' && c <= '9');
}

// The first character of the locale's date format that is not part of a
// conversion: "%d.%m.%Y" gives '.', "%m/%d/%y" gives '/'.
char DateSeparatorOf(const char* format) {
  for (const char* p = format; p && *p; ++p) {
    if (*p == '%') {
      if (p[1] != '\0') ++p;
      continue;
    }
    if (IsPlainSeparator(*p)) return *p;
  }
  return '-';
}

}  // namespace

RegionalSettings SystemRegionalSettings() {
  locale_t locale = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "", nullptr);
  if (locale == nullptr) locale = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "C", nullptr);
  RegionalSettings settings;
  if (locale == nullptr) return settings;
  settings.date_separator = DateSeparatorOf(nl_langinfo_l(D_FMT, locale));
  const char* decimal = nl_langinfo_l(RADIXCHAR, locale);
  if (decimal && std::strlen(decimal) == 1 && IsPlainSeparator(decimal[0])) {
    settings.decimal_separator = decimal[0];
  }
  freelocale(locale);
  return settings;
}

}  // namespace kestra
