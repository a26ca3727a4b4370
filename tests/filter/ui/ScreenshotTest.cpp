// Pictures of every window for a person to look at: run with ZMFWIN_SCREENSHOTS set to a folder
// (and ZMFWIN_SCREENSHOTS_LANGUAGE=RUS for the Russian texts). Skipped otherwise. (The program
// icons are written by the shared window helpers' tests.)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <vector>

#include "filter/ui/TAboutBox.h"
#include "filter/ui/TFFilterBase.h"
#include "filter/ui/TFProtocolView.h"
#include "filter/ui/TFilterGrid.h"
#include "filter/ui/TLookUpParamDlg1.h"
#include "tests/filter/ui/FilterUiFixture.h"
#include "ui/ResourceLanguage.h"
#include "ui/THelpWindow.h"

namespace ae::test {
namespace {

class Screenshots : public FilterUi {
 protected:
  void Save(QWidget* w, const QString& name) {
    w->show();
    QApplication::processEvents();
    const QString path = QDir(folder_).filePath(name + ".png");
    EXPECT_TRUE(w->grab().save(path)) << path.toStdString();
  }
  void TearDown() override {
    FilterUi::TearDown();
    ResourceLanguage::Remove(translators_);
  }
  QString folder_ = qEnvironmentVariable("ZMFWIN_SCREENSHOTS");
  std::vector<QTranslator*> translators_;
};

TEST_F(Screenshots, EveryWindow) {
  if (folder_.isEmpty()) GTEST_SKIP() << "set ZMFWIN_SCREENSHOTS to a folder";
  QDir().mkpath(folder_);
  if (qEnvironmentVariable("ZMFWIN_SCREENSHOTS_LANGUAGE") == "RUS")
    translators_ = ResourceLanguage::InstallRussian(*QCoreApplication::instance(), "zmfwin");

  {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brantel", "Zemtal");
    settings.setValue("Sorvel/WorkFolder", "/home/engineer/tests/vessel-17");
  }
  TMainForm& w = Window();
  Find<QLineEdit>("EditSourceFile")->setText("/home/engineer/tests/vessel-17/PROOF.DTA");
  Find<QLineEdit>("EditPostFile")->setText("/home/engineer/tests/vessel-17/PROOF-F.DTA");
  Find<QLineEdit>("EditFilterName")->setText("Vessel knock removal");
  w.Expressions()->item(0, 1)->setText("A&(B|D)");
  w.Grid(fwA)->SetRows({{"Amplitude", "45", "100"}, {"Counts", "5", "5000"}});
  w.Grid(fwB)->SetRows({{"Duration", "10", "20000"}});
  w.Grid(fwD)->SetRows({{"Counts", "<=", "0.05", "Duration", "2"}});
  w.Filtration().RadioGroupEventTypeClick(tiAsEvents);
  Find<QLineEdit>("EditMPT")->setText("200");
  Find<QLineEdit>("EditLOCK")->setText("1000");
  w.show();
  w.FormActivate();
  Save(&w, "main-filtration");
  w.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
  Save(&w, "main-service");
  w.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
  w.Filtration().RadioGroupEventTypeClick(tiAsMechanic);
  Save(&w, "main-mechanic");

  data_->Filters().Insert(w.ReadControls());
  FilterControls other = w.ReadControls();
  other.FilterName = "Amplitude above 60 dB";
  data_->Filters().Insert(other);
  TFFilterBase browse(data_->Filters(), &w);
  Save(&browse, "filter-base");

  TLookUpParamDlg1 lookup(data_->Params(), &w);
  Save(&lookup, "parameter-lookup");

  TAboutBox about(&w);
  Save(&about, "about");

  const std::string report = dir_.File("Protocol.txt");
  {
    QFile f(QString::fromStdString(report));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "05.03.2026\t\tVessel test\nИсточник : \t/data/vessel.dta\nРезультат : \t/data/vessel-f.dta\n"
        "Выражения фильтрации : \tПервый импульс : A\nТип фильтра : \t\tВключающий\n"
        "Обработка событий : \tПо импульсам\nОкно A - Объединение записей по [OR]\n"
        "\tAmplitude\t40\t100\nResults :  \tФильтрация успешно завершена.\n"
        "Handling\t 1234 records\nAccepted\t  800 records\nDeleted\t  434 records\n\n");
  }
  TFProtocolView view(QString::fromStdString(report), &w);
  Save(&view, "report-view");

  THelpWindow::SetHelpFile(AE_HELP_FILE);
  THelpWindow* help = THelpWindow::ShowContext(TMainForm::HelpContext);
  ASSERT_NE(help, nullptr);
  Save(help, "help");
  help->close();

  QMessageBox box(QMessageBox::Question, Msg(1204), Msg(1009), QMessageBox::Yes | QMessageBox::No, &w);
  Save(&box, "exit-question");
  QMessageBox error(QMessageBox::Critical, Msg(1200), "Окно A Запись 1\n" + Msg(806), QMessageBox::Ok, &w);
  Save(&error, "error-box");
}

}  // namespace
}  // namespace ae::test
