// What the window takes at start (command line, options) and gives back at its end (options,
// the exit question), dropped files and the language choice.
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>

#include "tests/filter/ui/FilterUiFixture.h"
#include "ui/ResourceLanguage.h"

namespace ae::test {
namespace {

class StartAndOptions : public FilterUi {
 public:
  QString Source() { return Find<QLineEdit>("EditSourceFile")->text(); }
  bool Ticked(const char* name) { return Find<QCheckBox>(name)->isChecked(); }
  QRadioButton* Radio(const char* group, int item) {
    QList<QRadioButton*> buttons = Find<QWidget>(group)->findChildren<QRadioButton*>();
    return buttons.value(item);
  }
  QStringList StoredKeys() {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brantel", "Zemtal");
    settings.beginGroup("Sorvel");
    QStringList keys = settings.childKeys();
    keys.sort();
    return keys;
  }
  QString Stored(const char* name) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brantel", "Zemtal");
    return settings.value(QString("Sorvel/") + name).toString();
  }
};

TEST_F(StartAndOptions, TheCommandLineAndDroppedFilesGiveOneDataFileAsSource) {
  struct Case {
    const char* what;
    QStringList files;
    QString source;  // expected source box; empty: unchanged
    int message;     // expected information box (caption 1203), 0: none
  };
  const QString dta = QDir::current().absoluteFilePath("TEST.dta");
  const std::vector<Case> commandLine = {
      {"nothing", {}, "", 0},
      {"a data file, relative", {"TEST.dta"}, dta, 0},
      {"an A-Line file in capitals", {"/data/RUN.ALD"}, "/data/RUN.ALD", 0},
      {"another extension", {"notes.txt"}, "", 1003},
      {"no extension", {"/data/DTA"}, "", 1003},
      {"two arguments", {"a.dta", "b.dta"}, "", 1004},
  };
  for (const Case& c : commandLine) {
    SCOPED_TRACE(c.what);
    ClearBoxes();
    NewWindow(c.files);
    EXPECT_EQ(Source(), c.source);
    if (c.message == 0) {
      EXPECT_TRUE(boxes_.empty());
    } else {
      const MessageSeam::Box box = OnlyBox();
      EXPECT_EQ(box.kind, MessageSeam::Kind::Information);
      EXPECT_EQ(box.text, Msg(c.message));
      EXPECT_EQ(box.caption, Msg(1203));
    }
  }

  const std::vector<Case> drops = {
      {"a data file", {"/data/run.sdt"}, "/data/run.sdt", 0},
      {"another extension", {"/data/run.doc"}, "", 1003},
      {"two files", {"/data/a.dta", "/data/b.dta"}, "", 1002},
  };
  for (const Case& c : drops) {
    SCOPED_TRACE(c.what);
    TMainForm& w = NewWindow();
    Find<QLineEdit>("EditSourceFile")->setText("/kept.dta");
    ClearBoxes();
    w.TakeDroppedFiles(c.files);
    EXPECT_EQ(Source(), c.source.isEmpty() ? "/kept.dta" : c.source);
    if (c.message == 0) {
      EXPECT_TRUE(boxes_.empty());
    } else {
      EXPECT_EQ(OnlyBox().text, Msg(c.message));
      EXPECT_EQ(OnlyBox().caption, Msg(1203));
    }
  }
  EXPECT_TRUE(Window().acceptDrops());
}

TEST_F(StartAndOptions, FirstStartShowsTheDesignedStateAndTheOptionsComeBack) {
  TMainForm& w = Window();
  EXPECT_TRUE(Ticked("CheckBoxSaveConfig"));
  EXPECT_TRUE(Ticked("CheckBoxSaveFolder"));
  EXPECT_TRUE(Ticked("CheckBoxPrtEnable"));
  EXPECT_TRUE(Radio("RadioGroupPrt", 0)->isChecked());
  EXPECT_TRUE(Radio("RGLanguage", 0)->isChecked());
  EXPECT_EQ(Find<QLineEdit>("EditPrtFileDir")->text(), "");
  EXPECT_EQ(w.WorkFolder(), "");
  EXPECT_EQ(w.CurrentFilterId(), 0);

  // Change them, end the program, start again.
  Find<QLineEdit>("EditPrtFileDir")->setText("/reports/common");
  Radio("RadioGroupPrt", 1)->click();
  Radio("RGLanguage", 1)->click();
  ClearBoxes();
  EndWindow();
  EXPECT_EQ(StoredKeys(), (QStringList{"Language", "OneProtocolFile", "ProtocolFolder", "SaveConfig", "SaveFolder",
                                       "SaveProtocol", "WorkFolder"}));
  EXPECT_EQ(Stored("SaveConfig"), "1");
  EXPECT_EQ(Stored("OneProtocolFile"), "1");
  EXPECT_EQ(Stored("Language"), "1");
  EXPECT_EQ(Stored("ProtocolFolder"), "/reports/common");

  NewWindow();
  EXPECT_TRUE(boxes_.empty());  // reading the language is no language click
  EXPECT_EQ(Find<QLineEdit>("EditPrtFileDir")->text(), "/reports/common");
  EXPECT_TRUE(Radio("RadioGroupPrt", 1)->isChecked());
  EXPECT_TRUE(Radio("RGLanguage", 1)->isChecked());
  EXPECT_TRUE(Find<QLineEdit>("EditPrtFileDir")->isEnabled());

  // "Make report file" off: its values are neither written nor read.
  Find<QCheckBox>("CheckBoxPrtEnable")->click();
  EXPECT_FALSE(Find<QLineEdit>("EditPrtFileDir")->isEnabled());
  Find<QCheckBox>("CheckBoxSaveFolder")->click();
  EndWindow();
  EXPECT_EQ(Stored("SaveProtocol"), "0");
  EXPECT_EQ(Stored("SaveFolder"), "0");
  NewWindow();
  EXPECT_FALSE(Ticked("CheckBoxPrtEnable"));
  EXPECT_FALSE(Ticked("CheckBoxSaveFolder"));
  EXPECT_EQ(Find<QLineEdit>("EditPrtFileDir")->text(), "");
  EXPECT_TRUE(Radio("RadioGroupPrt", 0)->isChecked());
}

TEST_F(StartAndOptions, SaveConfigurationOffGivesTheDefaultsAtTheNextStart) {
  Window();
  Find<QLineEdit>("EditPrtFileDir")->setText("/reports/common");
  Radio("RadioGroupPrt", 1)->click();
  Find<QCheckBox>("CheckBoxSaveFolder")->click();
  EndWindow();
  NewWindow();
  ASSERT_TRUE(Radio("RadioGroupPrt", 1)->isChecked());

  Find<QCheckBox>("CheckBoxSaveConfig")->click();
  Find<QLineEdit>("EditPrtFileDir")->setText("/elsewhere");
  EndWindow();
  EXPECT_EQ(Stored("SaveConfig"), "0");
  EXPECT_EQ(Stored("ProtocolFolder"), "/reports/common");  // only SaveConfig was written

  NewWindow();
  EXPECT_FALSE(Ticked("CheckBoxSaveConfig"));
  EXPECT_TRUE(Ticked("CheckBoxSaveFolder"));  // the designed state, not the stored "0"
  EXPECT_TRUE(Ticked("CheckBoxPrtEnable"));
  EXPECT_TRUE(Radio("RadioGroupPrt", 0)->isChecked());
  EXPECT_EQ(Find<QLineEdit>("EditPrtFileDir")->text(), "");
  EXPECT_TRUE(Radio("RGLanguage", 0)->isChecked());
}

TEST_F(StartAndOptions, TheWorkFolderIsKeptOnlyWhenSaveWorkFolderIsTicked) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brantel", "Zemtal");
  settings.setValue("Sorvel/SaveConfig", "1");
  settings.setValue("Sorvel/SaveFolder", "1");
  settings.setValue("Sorvel/WorkFolder", QString::fromStdString(dir_.Path().string()));
  settings.sync();
  TMainForm& w = NewWindow();
  EXPECT_EQ(w.WorkFolder().toStdString(), dir_.Path().string());
  EXPECT_EQ(Find<QLabel>("LabelWorkFolder")->text().toStdString(), dir_.Path().string());
  EXPECT_FALSE(Find<QLabel>("LabelWorkFolder")->isEnabled());

  EndWindow();  // which saves the options: change them afterwards
  settings.setValue("Sorvel/SaveFolder", "0");
  settings.sync();
  EXPECT_EQ(NewWindow().WorkFolder(), "");
}

TEST_F(StartAndOptions, ClosingAsksAndNoKeepsTheWindowAndSavesNothing) {
  TMainForm& w = Window();
  w.show();
  answers_ = {false};
  EXPECT_FALSE(w.close());
  const MessageSeam::Box box = OnlyBox();
  EXPECT_EQ(box.kind, MessageSeam::Kind::YesNoQuestion);
  EXPECT_EQ(box.text, Msg(1009));
  EXPECT_EQ(box.caption, Msg(1204));
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(StoredKeys().isEmpty());

  ClearBoxes();
  EXPECT_TRUE(w.close());
  EXPECT_EQ(boxes_.size(), 1u);
  EXPECT_FALSE(StoredKeys().isEmpty());
}

TEST_F(StartAndOptions, TheLanguageChoiceIsStoredForTheNextStartOnly) {
  TMainForm& w = Window();
  const QString program = QCoreApplication::applicationFilePath();
  EXPECT_EQ(ResourceLanguage::Stored(program), "");
  Radio("RGLanguage", 1)->click();
  MessageSeam::Box box = OnlyBox();
  EXPECT_EQ(box.text, Msg(1059));
  EXPECT_EQ(box.caption, Msg(1201));
  EXPECT_EQ(ResourceLanguage::Stored(program), "RUS");
  ClearBoxes();
  w.Service().RGLanguageClick(0);
  EXPECT_EQ(ResourceLanguage::Stored(program), "ENU");
  EXPECT_TRUE(Radio("RGLanguage", 0)->isChecked());
  EXPECT_EQ(OnlyBox().text, Msg(1059));
  // The running program keeps its language: nothing was translated.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

}  // namespace
}  // namespace ae::test
