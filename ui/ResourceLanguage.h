#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace ae {

// The language a program's resources take at its next start: "ENU" or "RUS", kept per program
// file (the full file name is the key) in the suite's settings, group "Locales". The running
// program never changes language; the choice is read once at start.
class ResourceLanguage {
 public:
  // The stored code for this program file, or an empty text when none is stored.
  static QString Stored(const QString& programFile);
  static void Store(const QString& programFile, const QString& code);

  // Installs the Qt translation that the stored code selects ("RUS": Qt's own Russian texts of
  // the standard buttons and dialogs; the application owns it); nothing for "ENU" or no choice.
  // The installed translation, or nullptr.
  static QTranslator* Install(QCoreApplication& app, const QString& programFile);
};

}  // namespace ae
