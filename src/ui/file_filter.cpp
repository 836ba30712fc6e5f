#include "ui/file_filter.h"

namespace kestra {
namespace {

QStringList PatternForms(const QString& pattern) {
  if (!pattern.endsWith(QLatin1String(".*"))) return {pattern};
  const QString stem = pattern.chopped(2);
  if (stem.endsWith(QLatin1Char('*'))) return {stem};
  return {pattern, stem};
}

}  // namespace

QStringList QtNameFilters(const QString& filter_text) {
  const QStringList parts = filter_text.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      for (const QString& form : PatternForms(pattern.trimmed())) {
        if (!form.isEmpty() && !patterns.contains(form)) patterns << form;
      }
    }
    filters << parts[i].trimmed() + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
  }
  return filters;
}

}  // namespace kestra
