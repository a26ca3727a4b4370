// The suite's settings file and the language choice for the next start.
#include <QCoreApplication>
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
  EXPECT_EQ(ResourceLanguage::Install(app, program), nullptr);  // no choice stored
  ResourceLanguage::Store(program, "ENU");
  EXPECT_EQ(ResourceLanguage::Install(app, program), nullptr);
  ResourceLanguage::Store(program, "RUS");
  QTranslator* russian = ResourceLanguage::Install(app, program);
  if (russian) {  // present when the Qt translations are installed
    EXPECT_EQ(russian->parent(), &app);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Да");
    QCoreApplication::removeTranslator(russian);
    delete russian;
  }
}

}  // namespace
}  // namespace ae
