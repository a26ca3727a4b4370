#pragma once

#include <QString>
#include <vector>

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
  // True when the stored code says Russian ("RUS", any letter case).
  static bool IsRussian(const QString& programFile);

  // Installs the translations the stored code selects: for "RUS" the Russian texts of the program
  // (its translation `programTranslation`, "zmvwin2" or "zmfwin"), of the windows both programs
  // share, and Qt's own Russian texts of the standard buttons and dialogs; nothing for "ENU" or no
  // choice, whatever the system's locale. The installed translators, owned by the application.
  static std::vector<QTranslator*> Install(QCoreApplication& app, const QString& programFile,
                                           const QString& programTranslation);
  // The Russian translations as Install installs them for "RUS".
  static std::vector<QTranslator*> InstallRussian(QCoreApplication& app, const QString& programTranslation);
  // Takes installed translators out again and deletes them (the tests switch languages).
  static void Remove(std::vector<QTranslator*>& translators);
};

}  // namespace ae
