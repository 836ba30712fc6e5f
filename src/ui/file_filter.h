#pragma once

#include <QString>
#include <QStringList>

namespace kestra {

// The open dialog's filter text, "description|pattern;pattern|description|
// pattern", as Qt's name filters, "description (pattern pattern)", one per
// entry.  A pattern that ends in ".*" also matches a name without any
// extension, as it does on Windows: "Kasa.*" becomes "Kasa.* Kasa", and
// "Fakt*.*" simply "Fakt*" (which covers both); "*.*" becomes "*".
QStringList QtNameFilters(const QString& filter_text);

}  // namespace kestra
