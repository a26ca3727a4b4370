// The suite's settings file and the language choice for the next start.
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <QUrl>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "ui/ResourceLanguage.h"
#include "ui/SuiteSettings.h"

namespace ae {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(dir_.File("config")));
  }
  test::TempDir dir_;
};

TEST_F(SettingsTest, BothProgramsShareOneIniFile) {
  const auto settings = SuiteSettings::Open();
  EXPECT_EQ(settings->format(), QSettings::IniFormat);
  EXPECT_EQ(settings->scope(), QSettings::UserScope);
  EXPECT_EQ(settings->fileName().toStdString(), dir_.File("config/Brantel/Zemtal.ini"));
}

TEST_F(SettingsTest, TheLanguageIsStoredPerProgramFileForTheNextStart) {
  const QString program = "/opt/zemtal/bin/ZmvWin2";
  EXPECT_EQ(ResourceLanguage::Stored(program), "");
  ResourceLanguage::Store(program, "RUS");
  EXPECT_EQ(ResourceLanguage::Stored(program), "RUS");
  EXPECT_EQ(ResourceLanguage::Stored("/opt/zemtal/bin/Zmfwin"), "");
  EXPECT_EQ(ResourceLanguage::Stored("/some/other/program"), "");
  {
    // The whole file name is one key of the group "Locales".
    const auto settings = SuiteSettings::Open();
    settings->beginGroup("Locales");
    ASSERT_EQ(settings->childKeys().size(), 1);
    EXPECT_EQ(QUrl::fromPercentEncoding(settings->childKeys().first().toLatin1()), program);
  }
  ResourceLanguage::Store(program, "ENU");
  EXPECT_EQ(ResourceLanguage::Stored(program), "ENU");
}

TEST_F(SettingsTest, RussianBringsQtsRussianTextsAndEnglishNothing) {
  auto& app = *QCoreApplication::instance();
  const QString program = QCoreApplication::applicationFilePath();
  EXPECT_TRUE(ResourceLanguage::Install(app, program, "zmvwin2").empty());  // no choice stored
  ResourceLanguage::Store(program, "ENU");
  EXPECT_FALSE(ResourceLanguage::IsRussian(program));
  EXPECT_TRUE(ResourceLanguage::Install(app, program, "zmvwin2").empty());
  ResourceLanguage::Store(program, "rus");
  EXPECT_TRUE(ResourceLanguage::IsRussian(program));
  std::vector<QTranslator*> russian = ResourceLanguage::Install(app, program, "zmvwin2");
  // The shared windows' texts are built in; this binary has no program translation.
  ASSERT_FALSE(russian.empty());
  for (const QTranslator* translator : russian) EXPECT_EQ(translator->parent(), &app);
  EXPECT_EQ(QCoreApplication::translate("ae::THelpWindow", "&Close"), "&Закрыть");
  if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm")) {
    EXPECT_EQ(russian.size(), 2u);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Да");
  }
  ResourceLanguage::Remove(russian);
  EXPECT_TRUE(russian.empty());
  EXPECT_EQ(QCoreApplication::translate("ae::THelpWindow", "&Close"), "&Close");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

}  // namespace
}  // namespace ae
