#pragma once

#include <QSettings>
#include <memory>

namespace ae {

// The per-user settings file both programs keep their options in: INI format, user scope,
// organisation "Brantel", application "Zemtal". Each program has its group ("Sorvel",
// "Varnel"); the language choice of either lives in the group "Locales".
class SuiteSettings {
 public:
  static std::unique_ptr<QSettings> Open();
};

}  // namespace ae
