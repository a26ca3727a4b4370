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

QTranslator* ResourceLanguage::Install(QCoreApplication& app, const QString& programFile) {
  if (Stored(programFile).compare("RUS", Qt::CaseInsensitive) != 0) return nullptr;
  auto* translator = new QTranslator(&app);
  if (!translator->load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace ae
