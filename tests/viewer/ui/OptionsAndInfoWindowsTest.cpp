// The options window, the about box, the data file information, the protocol and last-changes
// windows, and the viewer's help topics.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <filesystem>

#include "datafiles/DataFileOpen.h"
#include "tests/viewer/ui/DialogFixture.h"
#include "ui/AboutFacts.h"
#include "ui/ProgramIcon.h"
#include "ui/ResourceLanguage.h"
#include "ui/THelpWindow.h"
#include "viewer/ui/TAboutBox.h"
#include "viewer/ui/TFDataInfo.h"
#include "viewer/ui/TFLastChanges.h"
#include "viewer/ui/TOptionsForm.h"
#include "viewer/ui/TZmvMain.h"
#include "viewer/ui/WindowCommands.h"

namespace ae {
namespace {

using test::DialogFixture;

class OptionsWindow : public DialogFixture {
 protected:
  OptionsWindow() {
    options_.ProgramLanguage = 0;
    options_.PointSize = 4;
    options_.ColorScheme = 1;
    options_.StartUpGraph = 1;
    options_.LastUsedGraphNo = 3;
    options_.VertGraphNum = 3;
    options_.HorizGraphNum = 6;
    options_.WriteReport = true;
    options_.ShowGrid = true;
    options_.TimeAxisFromFile = false;
    options_.ShowParamData = false;
    setup_.DivisorSys = 2;
    setup_.OffsetSys = 0.123456789;
    setup_.DivisorReal = 4;
    setup_.OffsetReal = -1;
  }
  // What the options store, and the one choice of the window they do not.
  std::string Fields(const AOptions& o) const {
    const QString path = QString::fromStdString(dir_.File("fields.ini"));
    QFile::remove(path);
    {
      QSettings settings(path, QSettings::IniFormat);
      o.Save(settings);
    }
    return ReadText(path.toStdString()) + "TimeAxisFromFile=" + std::to_string(o.TimeAxisFromFile);
  }
  std::string UserSettingsFile() const { return dir_.File("config/Brantel/Zemtal.ini"); }
  QRadioButton* Item(const TOptionsForm& w, const char* group, int item) {
    return Child<QGroupBox>(w, group)->findChildren<QRadioButton*>().at(item);
  }
  QString Checked(const TOptionsForm& w, const char* group) {
    for (QRadioButton* b : Child<QGroupBox>(w, group)->findChildren<QRadioButton*>())
      if (b->isChecked()) return b->text();
    return {};
  }
  void Ok(const TOptionsForm& w) { Child<QPushButton>(w, "OKBtn")->click(); }

  AOptions options_;
  ATestSetup setup_;
};

TEST_F(OptionsWindow, ShowsTheOptionsAndOkWritesThemBackAndSavesThem) {
  const AOptions original = options_;
  TOptionsForm w(options_, setup_, &owner_);
  EXPECT_EQ(w.windowTitle(), "Options..");
  EXPECT_TRUE(w.isModal());
  const std::pair<const char*, bool> boxes[] = {{"SaveCheckBox", true},
                                                {"ReportChkBox", true},
                                                {"GridChkBox", true},
                                                {"TimeAxisRangeCheckBox", false},
                                                {"ShowParamCheckBox", false}};
  for (const auto& [name, checked] : boxes) EXPECT_EQ(Child<QCheckBox>(w, name)->isChecked(), checked) << name;
  EXPECT_EQ(Child<QCheckBox>(w, "ReportChkBox")->text(), "Save protocol file ( _Protocol.txt )");
  EXPECT_EQ(Child<QGroupBox>(w, "LanguageRadioGroup")->title(), " Language ");
  EXPECT_EQ(Checked(w, "LanguageRadioGroup"), "English");
  EXPECT_EQ(Checked(w, "ColorRadioGroup"), "Borland (Yellow on Blue)");
  EXPECT_EQ(Checked(w, "StartUpGraphRadioGroup"), "Last used graph set");
  for (const auto& [name, value, min, max] :
       {std::tuple{"PointSizeEdit", 4, 1, 10}, {"UDVertGrNum", 3, 2, 6}, {"UDHrznGrNum", 6, 2, 7}}) {
    QSpinBox* box = Child<QSpinBox>(w, name);
    EXPECT_EQ(box->value(), value) << name;
    EXPECT_EQ(box->minimum(), min) << name;
    EXPECT_EQ(box->maximum(), max) << name;
  }
  for (const auto& [name, text] :
       {std::pair{"DivSEdit", "2"}, {"OffsetSEdit", "0.123457"}, {"DivREdit", "4"}, {"OffsetREdit", "-1"}}) {
    EXPECT_EQ(Child<QLineEdit>(w, name)->text(), text) << name;
    EXPECT_TRUE(Child<QLineEdit>(w, name)->isHidden()) << name;
  }
  EXPECT_TRUE(Child<QPushButton>(w, "ApplyBtn")->isHidden());

  Child<QSpinBox>(w, "PointSizeEdit")->setValue(7);
  Child<QSpinBox>(w, "UDVertGrNum")->setValue(5);
  Child<QSpinBox>(w, "UDHrznGrNum")->setValue(2);
  Item(w, "ColorRadioGroup", 2)->click();
  Item(w, "StartUpGraphRadioGroup", 2)->click();
  for (const char* name : {"ReportChkBox", "GridChkBox", "TimeAxisRangeCheckBox", "ShowParamCheckBox"})
    Child<QCheckBox>(w, name)->click();
  Child<QLineEdit>(w, "DivSEdit")->setText("2.5");
  Ok(w);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_TRUE(boxes_.empty());

  AOptions expected = original;
  expected.SetPointSize(7);
  expected.VertGraphNum = 5;
  expected.HorizGraphNum = 2;
  expected.ColorScheme = 2;
  expected.StartUpGraph = 2;
  expected.WriteReport = false;
  expected.ShowGrid = false;
  expected.TimeAxisFromFile = true;
  expected.ShowParamData = true;
  EXPECT_EQ(Fields(options_), Fields(expected));
  EXPECT_EQ(options_.PointSize, 7);
  EXPECT_EQ(setup_.DivisorSys, 2.5);
  EXPECT_EQ(setup_.OffsetSys, 0.123456789);  // untouched: not rounded to what the edit shows

  // Saved in the user's settings.
  AOptions stored;
  stored.Load();
  EXPECT_EQ(stored.PointSize, 7);
  EXPECT_EQ(stored.ColorScheme, 2);
  EXPECT_EQ(stored.HorizGraphNum, 2);
  EXPECT_FALSE(stored.WriteReport);
}

TEST_F(OptionsWindow, CancelChangesNothing) {
  const std::string before = Fields(options_);
  TOptionsForm w(options_, setup_, &owner_);
  Child<QSpinBox>(w, "PointSizeEdit")->setValue(9);
  Item(w, "LanguageRadioGroup", 1)->click();
  Child<QCheckBox>(w, "SaveCheckBox")->click();
  Child<QLineEdit>(w, "DivSEdit")->setText("5");
  Child<QPushButton>(w, "CancelBtn")->click();
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_EQ(Fields(options_), before);
  EXPECT_EQ(setup_.DivisorSys, 2);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(std::filesystem::exists(UserSettingsFile()));
  EXPECT_EQ(ResourceLanguage::Stored(QCoreApplication::applicationFilePath()), "");
}

TEST_F(OptionsWindow, ALanguageChangeIsRecordedForTheNextStartAndAnnounced) {
  struct Case {
    int From;
    int To;
    const char* Stored;  // the language record afterwards; empty: none written
  };
  for (const Case& c : {Case{0, 0, ""}, Case{0, 1, "RUS"}, Case{1, 0, "ENU"}}) {
    SCOPED_TRACE(std::to_string(c.From) + " -> " + std::to_string(c.To));
    std::filesystem::remove_all(dir_.File("config"));
    boxes_.clear();
    options_.ProgramLanguage = c.From;
    TOptionsForm w(options_, setup_, &owner_);
    Item(w, "LanguageRadioGroup", c.To)->click();
    Ok(w);
    EXPECT_EQ(options_.ProgramLanguage, c.To);
    EXPECT_EQ(ResourceLanguage::Stored(QCoreApplication::applicationFilePath()), c.Stored);
    if (c.From == c.To) {
      EXPECT_TRUE(boxes_.empty());
      continue;
    }
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::Information);
    EXPECT_EQ(boxes_[0].text, "Programm's language will be changed at the next launch");
    AOptions stored;
    stored.Load();
    EXPECT_EQ(stored.ProgramLanguage, c.To);
  }
}

TEST_F(OptionsWindow, AParametricEditThatIsRefusedStoresNothing) {
  const std::string before = Fields(options_);
  for (const auto& [name, text, message] :
       {std::tuple{"DivSEdit", "abc", "DivV: \"abc\" is not a number."},
        std::tuple{"OffsetREdit", "", "ShiftP: \"\" is not a number."},
        std::tuple{"DivREdit", "0", "Test setup: DivisorReal must be a number other than 0."}}) {
    SCOPED_TRACE(name);
    boxes_.clear();
    TOptionsForm w(options_, setup_, &owner_);
    Child<QSpinBox>(w, "PointSizeEdit")->setValue(9);
    Item(w, "LanguageRadioGroup", 1)->click();
    Child<QLineEdit>(w, "DivSEdit")->setText("3");
    Child<QLineEdit>(w, name)->setText(QString::fromUtf8(text));
    Ok(w);
    EXPECT_NE(w.result(), QDialog::Accepted);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::Warning);
    EXPECT_EQ(boxes_[0].text, QString::fromUtf8(message));
    EXPECT_EQ(Fields(options_), before);
    EXPECT_EQ(setup_.DivisorSys, 2);
    EXPECT_FALSE(std::filesystem::exists(UserSettingsFile()));
  }
}

using InfoWindows = DialogFixture;

TEST_F(InfoWindows, TheAboutBoxShowsNameVersionMemoryAndTheMakersLink) {
  TAboutBox about(&owner_);
  EXPECT_EQ(about.windowTitle(), "About...");
  EXPECT_TRUE(about.isModal());
  QStringList texts;
  for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
  for (const QString& text : {QString("AE Varnel"), AboutFacts::Version(), QString("Memory Used :")})
    EXPECT_TRUE(texts.contains(text)) << text.toStdString();
  EXPECT_TRUE(Child<QLabel>(about, "MemoryUsed")->text().contains(QRegularExpression("^\\d+ %$")));
  QLabel* link = Child<QLabel>(about, "LinkLabel");
  EXPECT_TRUE(link->openExternalLinks());
  EXPECT_TRUE(link->text().contains(AboutFacts::MakerUrl()));
  EXPECT_EQ(Child<QLabel>(about, "ProgramIcon")->pixmap().toImage(),
            ProgramIcon::Pixmap(ProgramIcon::ZmvWin2, 64).toImage());
  Child<QPushButton>(about, "OKButton")->click();
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(InfoWindows, TheDataFileInformationNamesAndDescribesTheFile) {
  const std::string file = MakeFile(50);
  TFDataInfo info(file, &owner_);
  EXPECT_EQ(info.windowTitle(), "Data File Information");
  EXPECT_TRUE(info.RichEdit1()->isReadOnly());
  EXPECT_EQ(info.RichEdit1()->toPlainText().toStdString(), "File Name:\t" + file + "\n\n" + DescribeDataFile(file));
  EXPECT_TRUE(boxes_.empty());

  // A file that cannot be described: its message in a warning box, and no text.
  TFDataInfo missing(dir_.File("gone.DTA"), &owner_);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::Warning);
  EXPECT_EQ(boxes_[0].text, "Data file doesn't exist");
  EXPECT_EQ(missing.RichEdit1()->toPlainText(), "");
}

TEST_F(InfoWindows, TheProtocolWindowShowsTheLinesOfTheRun) {
  AProtocol protocol;
  protocol.AddDatedLine("01.02.2026 10:00:00\tZMV launched");
  protocol.AddDatedLine("01.02.2026 10:05:00\tGrouped data (12) deleted...");
  TFLastChanges view(protocol, &owner_);
  EXPECT_EQ(view.windowTitle(), "Protocol data view");
  EXPECT_TRUE(view.RichEdit1()->isReadOnly());
  EXPECT_EQ(view.RichEdit1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(view.RichEdit1()->toPlainText(),
            "01.02.2026 10:00:00\tZMV launched\n01.02.2026 10:05:00\tGrouped data (12) deleted...");
  EXPECT_EQ(view.StatusBar1()->currentMessage(), "");
}

TEST_F(InfoWindows, LastChangesShowsTheShippedFileBesideTheProgramOrInTheDataFolder) {
  // Missing: the error box names the file beside the program.
  const QString bin = QString::fromStdString(dir_.File("bin"));
  std::filesystem::create_directories(dir_.File("bin"));
  EXPECT_FALSE(TFLastChanges::ShowLastChanges(bin, &owner_));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::Error);
  EXPECT_EQ(boxes_[0].caption, "Error..");
  EXPECT_EQ(boxes_[0].text, "Fail '" + bin + "/techinfo.html' doesn't exist.");

  // Installed: in the data folder beside bin; beside the program it wins.
  for (const std::string& place : {std::string("share/zemtal"), std::string("bin")}) {
    SCOPED_TRACE(place);
    std::filesystem::create_directories(dir_.File(place));
    const std::string file = dir_.File(place + "/techinfo.html");
    std::filesystem::copy_file(AE_CHANGES_FILE, file, std::filesystem::copy_options::overwrite_existing);
    boxes_.clear();
    QString status, title, text;
    OnNextModal([&](QWidget* modal) {
      auto* view = qobject_cast<TFLastChanges*>(modal);
      ASSERT_NE(view, nullptr);
      title = view->windowTitle();
      status = view->StatusBar1()->currentMessage();
      text = view->RichEdit1()->toPlainText();
      view->accept();
    });
    EXPECT_TRUE(TFLastChanges::ShowLastChanges(bin, &owner_));
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(title, "Last changes information");
    EXPECT_EQ(status.toStdString(), std::filesystem::canonical(file).string());
    EXPECT_TRUE(text.contains("AE Varnel")) << text.left(200).toStdString();
  }
}

TEST_F(InfoWindows, TheHelpFileHasTheViewersTopicsAndEveryHotKeyOfItsWindow) {
  THelpWindow::SetHelpFile(AE_HELP_FILE);
  for (int topic : {int{WindowCommands::htZemtal}, int{WindowCommands::htVarnel}, int{WindowCommands::htHotKeys},
                    int{WindowCommands::htQuickTour}, 160, 167}) {
    THelpWindow* help = THelpWindow::ShowContext(topic);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->HasTopic(topic)) << topic;
    EXPECT_EQ(help->CurrentContext(), topic);
  }
  THelpWindow::Instance()->close();
  QApplication::processEvents();
  THelpWindow::SetHelpFile("");

  // The hot keys topic lists every shortcut the main window has, each as <kbd>key</kbd>.
  QFile file(AE_HELP_FILE);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  const qsizetype from = html.indexOf("<a name=\"150\">");
  ASSERT_GE(from, 0);
  const QString topic = html.mid(from, html.indexOf("<a name=\"", from + 1) - from);
  Start();
  int keys = 0;
  for (QAction* action : window_->findChildren<QAction*>()) {
    for (const QKeySequence& key : action->shortcuts()) {
      const QString text = key.toString(QKeySequence::PortableText);
      EXPECT_TRUE(topic.contains("<kbd>" + text + "</kbd>"))
          << text.toStdString() << " (" << action->text().toStdString() << ")";
      ++keys;
    }
  }
  EXPECT_GT(keys, 20);  // the main window's actions were there to be checked
}

}  // namespace
}  // namespace ae
