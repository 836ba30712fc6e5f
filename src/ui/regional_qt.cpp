#include "ui/regional_qt.h"

namespace kestra {
namespace {

bool IsPrintableAscii(QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7F; }

}  // namespace

RegionalSettings RegionalFromLocale(const QLocale& locale) {
  RegionalSettings settings;

  // The first character between the day, month and year fields, e.g. the
  // dot of "dd.MM.yyyy" or the slash of "M/d/yy".
  const QString format = locale.dateFormat(QLocale::ShortFormat);
  for (const QChar c : format) {
    if (c.isLetter() || c == QLatin1Char('\'')) continue;
    if (IsPrintableAscii(c)) settings.date_separator = c.toLatin1();
    break;
  }

  const QString decimal = locale.decimalPoint();
  if (decimal.size() == 1 && IsPrintableAscii(decimal[0])) {
    settings.decimal_separator = decimal[0].toLatin1();
  }
  return settings;
}

}  // namespace kestra
