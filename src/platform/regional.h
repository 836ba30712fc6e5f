#pragma once

namespace kestra {

// The user's regional settings that cell texts use.
struct RegionalSettings {
  char date_separator = '-';
  char decimal_separator = ',';
};

// The separators of the user's locale (LC_TIME, LC_NUMERIC from the
// environment); ASCII characters only, with '-' and ',' in place of any other.
RegionalSettings SystemRegionalSettings();

}  // namespace kestra
