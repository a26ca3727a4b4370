#pragma once
// The language records a program may find at start, each on an English and a Russian system:
// only "RUS" gives Russian, whatever the system's locale.
#include <array>

namespace ae::test {

struct LanguageCase {
  const char* Code;          // the stored record; "" for none
  const char* SystemLocale;  // set as the default locale before the start
  bool Russian;
};

inline constexpr std::array<LanguageCase, 5> LanguageCases = {{{"", "en_US", false},
                                                               {"", "ru_RU", false},
                                                               {"ENU", "ru_RU", false},
                                                               {"RUS", "en_US", true},
                                                               {"RUS", "ru_RU", true}}};

}  // namespace ae::test
