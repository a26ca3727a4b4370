#include "ui/ResourceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <QUrl>

#include "ui/SuiteSettings.h"

namespace ae {

namespace {

// A file name holds "/", which QSettings takes for a group separator: keep it as one key.
QString KeyOf(const QString& programFile) { return QString::fromLatin1(QUrl::toPercentEncoding(programFile)); }

// Loads and installs one translation; nullptr when it is not there.
QTranslator* Load(QCoreApplication& app, const QString& name, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(name, folder)) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace

QString ResourceLanguage::Stored(const QString& programFile) {
  const auto settings = SuiteSettings::Open();
  settings->beginGroup("Locales");
  return settings->value(KeyOf(programFile)).toString();
}

void ResourceLanguage::Store(const QString& programFile, const QString& code) {
  const auto settings = SuiteSettings::Open();
  settings->beginGroup("Locales");
  settings->setValue(KeyOf(programFile), code);
  settings->endGroup();
  settings->sync();
}

bool ResourceLanguage::IsRussian(const QString& programFile) {
  return Stored(programFile).compare("RUS", Qt::CaseInsensitive) == 0;
}

std::vector<QTranslator*> ResourceLanguage::Install(QCoreApplication& app, const QString& programFile,
                                                    const QString& programTranslation) {
  if (!IsRussian(programFile)) return {};
  return InstallRussian(app, programTranslation);
}

std::vector<QTranslator*> ResourceLanguage::InstallRussian(QCoreApplication& app, const QString& programTranslation) {
  std::vector<QTranslator*> installed;
  // Qt's own texts come from the system's Qt translations (qt6-translations-l10n); the suite's
  // are built into the programs. A later translator is asked first.
  const std::pair<QString, QString> translations[] = {
      {QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
      {QStringLiteral("shared_ui_ru"), QStringLiteral(":/i18n")},
      {programTranslation + QStringLiteral("_ru"), QStringLiteral(":/i18n")},
  };
  for (const auto& [name, folder] : translations)
    if (QTranslator* translator = Load(app, name, folder)) installed.push_back(translator);
  return installed;
}

void ResourceLanguage::Remove(std::vector<QTranslator*>& translators) {
  for (QTranslator* translator : translators) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  translators.clear();
}

}  // namespace ae
