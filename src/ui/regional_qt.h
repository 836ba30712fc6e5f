#pragma once

#include <QLocale>

#include "platform/regional.h"

namespace kestra {

// The separators that cell texts use, from a Qt locale: the date separator
// of its short date format and its decimal separator.  Characters outside
// ASCII give the defaults of RegionalSettings.
RegionalSettings RegionalFromLocale(const QLocale& locale);

}  // namespace kestra
