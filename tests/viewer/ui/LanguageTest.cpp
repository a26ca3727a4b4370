// The viewer's language: the choice stored for the program file selects at start the texts of
// every window, Russian for "RUS" and English for "ENU" or no choice, whatever the system's
// locale. What stays the same in both: the program's name, the message table as the documents
// write it, the file filter's "Все файлы".
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <memory>
#include <vector>

#include "tests/support/LanguageCases.h"
#include "tests/support/WindowTexts.h"
#include "tests/viewer/ui/ViewerFixture.h"
#include "ui/MessageSeam.h"
#include "ui/ResourceLanguage.h"
#include "ui/THelpWindow.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/FileDialogSeam.h"
#include "viewer/ui/StatusPanels.h"
#include "viewer/ui/TAboutBox.h"
#include "viewer/ui/TDataBaseForm.h"
#include "viewer/ui/TFDataInfo.h"
#include "viewer/ui/TFDataStatistic.h"
#include "viewer/ui/TFDataView.h"
#include "viewer/ui/TFLastChanges.h"
#include "viewer/ui/TFTestSetup.h"
#include "viewer/ui/TFWaveform.h"
#include "viewer/ui/TFrameFinishForm.h"
#include "viewer/ui/TMainDataModule.h"
#include "viewer/ui/TOptionsForm.h"
#include "viewer/ui/TTimeMarkForm.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZmvMain.h"
#include "viewer/ui/TZoomParamForm.h"

namespace ae::test {
namespace {

class ViewerLanguage : public ViewerFixture {
 protected:
  ~ViewerLanguage() override { End(); }

  // The start of the program: the stored choice is read and the translations it selects are
  // installed before the window is made.
  TZmvMain& StartIn(const QString& code, const QStringList& arguments = {}) {
    End();
    ResourceLanguage::Store(QCoreApplication::applicationFilePath(), code);
    translators_ = ResourceLanguage::Install(*QCoreApplication::instance(), QCoreApplication::applicationFilePath(),
                                             QStringLiteral("zmvwin2"));
    return Start(arguments);
  }
  void End() {
    window_.reset();
    ResourceLanguage::Remove(translators_);
  }
  QString MenuTitle(int index) const { return window_->menuBar()->actions().value(index)->text(); }
  template <typename T>
  T* Child(const char* name) const {
    T* child = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  std::vector<QTranslator*> translators_;
};

// Qt's own Russian texts come with the system's Qt translations (qt6-translations-l10n).
bool QtHasRussian() {
  return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm"));
}

TEST_F(ViewerLanguage, TheStoredChoiceGivesTheWindowsTheirLanguageAtStart) {
  const QLocale systemLocale;
  for (const test::LanguageCase& c : test::LanguageCases) {
    SCOPED_TRACE(std::string(c.Code) + " on " + c.SystemLocale);
    QLocale::setDefault(QLocale(QString::fromLatin1(c.SystemLocale)));
    TZmvMain& w = StartIn(QString::fromLatin1(c.Code));
    const bool ru = c.Russian;
    EXPECT_EQ(MenuTitle(0), ru ? "&Файл" : "&File");
    EXPECT_EQ(MenuTitle(4), ru ? "&Настройка" : "Se&tup");
    EXPECT_EQ(Child<QAction>("OpenAction")->text(), ru ? "Открыть файл данных.." : "Open data file..");
    EXPECT_EQ(Child<QAction>("ShowSetsStatisticAction")->text(), ru ? "Статистика выборок" : "Show sets statistic");
    EXPECT_EQ(Child<QPushButton>("RefreshButton")->text(), ru ? "Обновить" : "Refresh");
    EXPECT_TRUE(w.Status().Text(1).startsWith(ru ? "ИМП:" : "HITS:")) << w.Status().Text(1).toStdString();
    EXPECT_EQ(ViewerText(vmWarning), ru ? "Внимание" : "Warning");
    {
      TOptionsForm options(GlobalOptions(), GlobalTestSetup(), &w);
      EXPECT_EQ(options.windowTitle(), ru ? "Параметры.." : "Options..");
      EXPECT_EQ(options.findChild<QGroupBox*>("LanguageRadioGroup")->title(), ru ? " Язык " : " Language ");
      if (QtHasRussian()) {
        EXPECT_EQ(options.findChild<QPushButton*>("CancelBtn")->text() == "Отмена", ru);
      }
    }
    // The same in either language.
    EXPECT_EQ(w.windowTitle(), "AE Varnel");
    EXPECT_EQ(ViewerMessage(vmWarning), "Warning");
    EXPECT_TRUE(FileDialogSeam::DataFileFilter().endsWith("|Все файлы|*.*"));
  }
  QLocale::setDefault(systemLocale);
  End();
  // Without the translations the texts are English again.
  EXPECT_EQ(ViewerText(vmWarning), "Warning");
}

TEST_F(ViewerLanguage, RussianChosenInTheOptionsIsTheLanguageOfTheNextStart) {
  TZmvMain& english = StartIn(QString());
  boxes_.clear();
  {
    TOptionsForm options(GlobalOptions(), GlobalTestSetup(), &english);
    options.findChild<QGroupBox*>("LanguageRadioGroup")->findChildren<QRadioButton*>().value(1)->click();
    options.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  }
  ASSERT_EQ(boxes_.size(), 1u);
  // The running program keeps its language; the box says so in it.
  EXPECT_EQ(boxes_[0].text, "Programm's language will be changed at the next launch");
  EXPECT_EQ(MenuTitle(0), "&File");

  End();
  translators_ = ResourceLanguage::Install(*QCoreApplication::instance(), QCoreApplication::applicationFilePath(),
                                           QStringLiteral("zmvwin2"));
  Start();
  EXPECT_EQ(MenuTitle(0), "&Файл");
}

TEST_F(ViewerLanguage, EveryWindowShowsItsTextsInRussian) {
  const QString folder = QStringLiteral(AE_SOURCE_DIR "/resources/translations/");
  const QSet<QString> english = TranslatedEnglishTexts({folder + "zmvwin2_ru.ts", folder + "shared_ui_ru.ts"});
  ASSERT_GT(english.size(), 200);
  const std::string file = MakeFile(300);
  TZmvMain& w = StartIn(QStringLiteral("RUS"), {QString::fromStdString(file)});
  ASSERT_TRUE(window_->Pages().DataSet().HitCount > 0);
  AOptions& options = GlobalOptions();
  ATestSetup& setup = GlobalTestSetup();
  const ZTDataSet& data = w.Pages().DataSet();

  EXPECT_EQ(EnglishTextsOf(w, english).join(" | ").toStdString(), "") << "main window";
  EXPECT_EQ(CutTexts(w).join("\n").toStdString(), "") << "main window";
  std::vector<std::unique_ptr<QWidget>> windows;
  windows.push_back(std::make_unique<TOptionsForm>(options, setup, &w));
  windows.push_back(std::make_unique<TFTestSetup>(setup, &w));
  windows.push_back(std::make_unique<TDataBaseForm>(w.Context().Data->Store(), options, &w));
  windows.push_back(std::make_unique<TFDataStatistic>(data, w.Pages().Common().Frames, options, setup, &w));
  windows.push_back(std::make_unique<TFDataView>(data, options, setup, &w));
  windows.push_back(std::make_unique<TFDataInfo>(file, &w));
  windows.push_back(std::make_unique<TFWaveform>(data, 0, &w));
  windows.push_back(std::make_unique<TFrameFinishForm>(nullptr, &w));
  windows.push_back(std::make_unique<TTimeMarkForm>(QStringLiteral("1. Amplitude"), options, &w));
  windows.push_back(std::make_unique<TZoomParamForm>(&w));
  windows.push_back(std::make_unique<TAboutBox>(&w));
  windows.push_back(std::make_unique<TFLastChanges>(w.Protocol(), &w));

  for (const auto& window : windows) {
    SCOPED_TRACE(window->metaObject()->className());
    EXPECT_FALSE(window->windowTitle().isEmpty());
    EXPECT_EQ(EnglishTextsOf(*window, english).join(" | ").toStdString(), "");
    window->show();
    // The offscreen screen (800 x 600) keeps the statistic window at its minimum; a desktop opens
    // it at its designed size.
    if (qobject_cast<TFDataStatistic*>(window.get()) != nullptr) window->resize(760, 540);
    QApplication::processEvents();
    EXPECT_EQ(CutTexts(*window).join("\n").toStdString(), "");
    window->hide();
  }
  // The help window is made anew in the language of the moment.
  delete THelpWindow::Instance();
  THelpWindow::SetHelpFile(QStringLiteral(AE_HELP_FILE));
  THelpWindow::SetProgramTitle(QStringLiteral("AE Varnel"));
  THelpWindow* help = THelpWindow::ShowContext(1);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), "AE Varnel - Справка");
  EXPECT_EQ(EnglishTextsOf(*help, english).join(" | ").toStdString(), "");
  EXPECT_EQ(CutTexts(*help).join("\n").toStdString(), "");
  delete help;
  THelpWindow::SetHelpFile(QString());
}

}  // namespace
}  // namespace ae::test
