// The filter program's language: the choice stored for the program file selects at start the
// texts of every window, Russian for "RUS" and English for "ENU" or no choice, whatever the
// system's locale. The message table keeps its Russian texts in either language; of its messages
// worded in English the windows show the Russian text when the program runs in Russian.
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <memory>
#include <vector>

#include "filter/ui/TAboutBox.h"
#include "filter/ui/TFFilterBase.h"
#include "filter/ui/TFProtocolView.h"
#include "filter/ui/TFilterGrid.h"
#include "filter/ui/TLookUpParamDlg1.h"
#include "tests/filter/ui/FilterUiFixture.h"
#include "tests/support/LanguageCases.h"
#include "tests/support/WindowTexts.h"
#include "ui/ResourceLanguage.h"
#include "ui/THelpWindow.h"

namespace ae::test {
namespace {

class FilterLanguage : public FilterUi {
 protected:
  void TearDown() override {
    FilterUi::TearDown();
    ResourceLanguage::Remove(translators_);
  }

  // The start of the program: the stored choice is read and the translations it selects are
  // installed before the window is made.
  TMainForm& StartIn(const QString& code) {
    EndWindow();
    ResourceLanguage::Remove(translators_);
    ResourceLanguage::Store(QCoreApplication::applicationFilePath(), code);
    translators_ = ResourceLanguage::Install(*QCoreApplication::instance(), QCoreApplication::applicationFilePath(),
                                             QStringLiteral("zmfwin"));
    TMainForm& w = NewWindow();
    w.FormActivate();
    return w;
  }
  QString Tab(int index) { return Find<QTabWidget>("PageControl1")->tabText(index); }
  QString Title(QTableWidget* grid, int column) { return grid->horizontalHeaderItem(column)->text(); }

  std::vector<QTranslator*> translators_;
};

TEST_F(FilterLanguage, TheStoredChoiceGivesTheWindowsTheirLanguageAtStart) {
  const QLocale systemLocale;
  for (const test::LanguageCase& c : test::LanguageCases) {
    SCOPED_TRACE(std::string(c.Code) + " on " + c.SystemLocale);
    QLocale::setDefault(QLocale(QString::fromLatin1(c.SystemLocale)));
    TMainForm& w = StartIn(QString::fromLatin1(c.Code));
    const bool ru = c.Russian;
    EXPECT_EQ(Tab(0), ru ? "  Фильтрация  " : "  Filtration  ");
    EXPECT_EQ(Tab(1), ru ? "  Сервис  " : "  Service  ");
    EXPECT_EQ(Find<QPushButton>("BtnRun")->text(), ru ? "&Пуск" : "&Start");
    EXPECT_EQ(Find<QGroupBox>("RadioGroupType")->title(), ru ? "Тип фильтра" : "Filter type");
    EXPECT_EQ(Title(w.Expressions(), 1), ru ? "Выражение" : "Expression");
    EXPECT_EQ(Title(w.Grid(fwA), 0), ru ? "Параметр" : "Parameter");
    EXPECT_EQ(Title(w.Grid(fwD), 3), ru ? "Параметр X" : "Parameter X");
    EXPECT_EQ(Msg(1059), ru ? "Язык программы изменится при следующем запуске"
                            : "Program's language will be changed at the next launch");
    {
      TAboutBox about(&w);
      EXPECT_EQ(about.windowTitle(), ru ? "О программе..." : "About...");
    }
    // The same in either language: the program's name and the table's Russian messages.
    EXPECT_EQ(w.windowTitle(), "AE Sorvel");
    EXPECT_EQ(Msg(1200), "Ошибка..");
    EXPECT_EQ(Msg(1009), "Завершить работу программы?");
  }
  QLocale::setDefault(systemLocale);
}

TEST_F(FilterLanguage, RussianChosenOnTheServicePageIsTheLanguageOfTheNextStart) {
  TMainForm& english = StartIn(QString());
  ClearBoxes();
  english.Service().RGLanguageClick(1);
  // The running program keeps its language; the box says so in it.
  EXPECT_EQ(OnlyBox().text, "Program's language will be changed at the next launch");
  EXPECT_EQ(Find<QPushButton>("BtnRun")->text(), "&Start");

  EndWindow();
  translators_ = ResourceLanguage::Install(*QCoreApplication::instance(), QCoreApplication::applicationFilePath(),
                                           QStringLiteral("zmfwin"));
  NewWindow();
  EXPECT_EQ(Find<QPushButton>("BtnRun")->text(), "&Пуск");
}

TEST_F(FilterLanguage, EveryWindowShowsItsTextsInRussian) {
  const QString folder = QStringLiteral(AE_SOURCE_DIR "/resources/translations/");
  const QSet<QString> english = TranslatedEnglishTexts({folder + "zmfwin_ru.ts", folder + "shared_ui_ru.ts"});
  ASSERT_GT(english.size(), 60);
  TMainForm& w = StartIn(QStringLiteral("RUS"));
  EXPECT_EQ(EnglishTextsOf(w, english).join(" | ").toStdString(), "") << "main window";
  // Nothing is cut on either page, whichever treatment shows its boxes.
  w.show();
  for (int page = 0; page < 2; ++page) {
    Find<QTabWidget>("PageControl1")->setCurrentIndex(page);
    for (int treatment = 0; treatment < 3; ++treatment) {
      w.Filtration().RadioGroupEventTypeClick(treatment);
      QApplication::processEvents();
      EXPECT_EQ(CutTexts(w).join("\n").toStdString(), "") << "page " << page << ", treatment " << treatment;
    }
  }

  const std::string report = dir_.File("Protocol.txt");
  {
    QFile f(QString::fromStdString(report));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("05.03.2026\t\tVessel test\n");
  }
  std::vector<std::unique_ptr<QWidget>> windows;
  windows.push_back(std::make_unique<TAboutBox>(&w));
  windows.push_back(std::make_unique<TLookUpParamDlg1>(data_->Params(), &w));
  windows.push_back(std::make_unique<TFFilterBase>(data_->Filters(), &w));
  windows.push_back(std::make_unique<TFProtocolView>(QString::fromStdString(report), &w));
  for (const auto& window : windows) {
    SCOPED_TRACE(window->metaObject()->className());
    EXPECT_EQ(EnglishTextsOf(*window, english).join(" | ").toStdString(), "");
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(CutTexts(*window).join("\n").toStdString(), "");
    window->hide();
  }

  // The help window is made anew in the language of the moment.
  delete THelpWindow::Instance();
  THelpWindow::SetHelpFile(QStringLiteral(AE_HELP_FILE));
  THelpWindow::SetProgramTitle(QStringLiteral("AE Sorvel"));
  THelpWindow* help = THelpWindow::ShowContext(TMainForm::HelpContext);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), "AE Sorvel - Справка");
  EXPECT_EQ(EnglishTextsOf(*help, english).join(" | ").toStdString(), "");
  EXPECT_EQ(CutTexts(*help).join("\n").toStdString(), "");
  delete help;
  THelpWindow::SetHelpFile(QString());
}

}  // namespace
}  // namespace ae::test
