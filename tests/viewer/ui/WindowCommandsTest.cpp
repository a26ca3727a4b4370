// The main window's commands that open the setting and information windows: each opens its
// window modally, centred over the main window, answered here; OK does what the command does
// with it (redraw, new pages), Cancel nothing, and the window is gone once it closed.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <filesystem>
#include <functional>

#include "tests/viewer/ui/DialogFixture.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/ui/TFLastChanges.h"
#include "viewer/ui/THoldsGrid.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZTTabSheet.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

using test::DialogFixture;

class WindowCommands : public DialogFixture {
 protected:
  // What the test saw of the window the command opened.
  struct Seen {
    QString ClassName;
    QString Title;
    QString Text;    // its text view, when it has one
    QString Status;  // its status line, when it has one
    bool Modal = false;
    QPoint CentreOffset;  // its centre less the main window's
  };

  // Triggers the action; the window it opens is looked at, then `answer` closes it.
  Seen Open(const char* action, const std::function<void(QDialog*)>& answer) {
    Seen seen;
    bool opened = false;
    OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      opened = true;
      seen.ClassName = QString::fromLatin1(dialog->metaObject()->className());
      seen.Title = dialog->windowTitle();
      seen.Modal = dialog->isModal() && dialog->parentWidget() == window_.get();
      seen.CentreOffset = dialog->frameGeometry().center() - window_->frameGeometry().center();
      if (auto* text = dialog->findChild<QTextEdit*>()) seen.Text = text->toPlainText();
      if (auto* status = dialog->findChild<QStatusBar*>()) seen.Status = status->currentMessage();
      answer(dialog);
    });
    Trigger(action);
    EXPECT_TRUE(opened) << action;
    EXPECT_TRUE(window_->findChildren<QDialog*>().isEmpty()) << action << ": the window outlived its command";
    return seen;
  }
  static std::function<void(QDialog*)> Click(const char* button) {
    return [button](QDialog* dialog) {
      auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
      ASSERT_NE(b, nullptr) << button;
      b->click();
    };
  }
  // The shown page painted: nothing left to redraw.
  bool Rendered() {
    Sheet(0).repaint();
    return !Sheet(0).Page().Graphs[0]->Dirty;
  }
  QImage Picture() {
    Sheet(0).repaint();
    return Sheet(0).Page().Graphs[0]->Bitmap;
  }
  static void ExpectCentred(const Seen& seen) {
    EXPECT_TRUE(seen.Modal) << seen.ClassName.toStdString();
    // Within the few pixels a frame not shown yet may differ from its final one.
    EXPECT_LE(std::abs(seen.CentreOffset.x()), 3) << seen.ClassName.toStdString();
    EXPECT_LE(std::abs(seen.CentreOffset.y()), 3) << seen.ClassName.toStdString();
  }
};

TEST_F(WindowCommands, TestSetupRedrawsOnOkOnly) {
  const std::string file = MakeFile(400);
  Start({QString::fromStdString(file)});
  const std::string label = GlobalTestSetup().TestLabel;

  ASSERT_TRUE(Rendered());
  const QImage before = Picture();
  Seen seen = Open("TestSetupAction", [](QDialog* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("TestLabel"))->setText("Not taken");
    dialog->findChild<QPushButton*>(QStringLiteral("BBCancel"))->click();
  });
  EXPECT_EQ(seen.ClassName, "ae::TFTestSetup");
  EXPECT_EQ(seen.Title, "Test setup - " + QString::fromStdString(dir_.File("ZmvWin2.INI")));
  ExpectCentred(seen);
  EXPECT_EQ(Picture(), before);
  EXPECT_EQ(GlobalTestSetup().TestLabel, label);

  // A hold drawn on the time graphs shows that OK redrew them.
  Open("TestSetupAction", [](QDialog* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("TestLabel"))->setText("Vessel 9");
    auto* grid = dialog->findChild<THoldsGrid*>(QStringLiteral("SGPrHold"));
    grid->SetCellText(0, THoldsGrid::colPressure, "1");
    grid->SetCellText(0, THoldsGrid::colStart, "300");
    dialog->findChild<QCheckBox*>(QStringLiteral("CBViewHolds"))->setChecked(true);
    dialog->findChild<QPushButton*>(QStringLiteral("BBOk"))->click();
  });
  EXPECT_NE(Picture(), before);
  EXPECT_EQ(GlobalTestSetup().TestLabel, "Vessel 9");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(WindowCommands, OptionsBuildThePagesAgainOnOkOnly) {
  Start({QString::fromStdString(MakeFile(400))});
  QPointer<TZTTabSheet> before = &Sheet(0);

  Seen seen = Open("OptionsAction", [](QDialog* dialog) {
    dialog->findChild<QSpinBox*>(QStringLiteral("UDHrznGrNum"))->setValue(3);
    dialog->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
  });
  EXPECT_EQ(seen.ClassName, "ae::TOptionsForm");
  EXPECT_EQ(seen.Title, "Options..");
  ExpectCentred(seen);
  EXPECT_FALSE(before.isNull());
  EXPECT_EQ(GlobalOptions().HorizGraphNum, 5);

  Open("OptionsAction", [](QDialog* dialog) {
    dialog->findChild<QSpinBox*>(QStringLiteral("UDHrznGrNum"))->setValue(3);
    dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
  });
  EXPECT_TRUE(before.isNull());  // the pages were built again
  EXPECT_EQ(GlobalOptions().HorizGraphNum, 3);
  EXPECT_EQ(window_->Pages().count(), 3);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(WindowCommands, TheInformationWindowsShowTheFileTheProtocolTheChangesAndTheAboutBox) {
  const std::string file = MakeFile(100);
  std::filesystem::copy_file(AE_CHANGES_FILE, dir_.File(TFLastChanges::FileName));
  Start({QString::fromStdString(file)});
  window_->Protocol().AddLine("Grouped data (3) deleted...");

  struct Case {
    const char* Action;
    const char* ClassName;
    const char* Title;
    const char* Button;  // closes it; none: the window's own close
    std::string Text;    // what its text view must hold
    std::string Status;
  };
  const Case cases[] = {
      {"DataFileInfoAction", "ae::TFDataInfo", "Data File Information", "OKBtn", "File Name:\t" + file, ""},
      {"ProtocolViewAction", "ae::TFLastChanges", "Protocol data view", nullptr, "Grouped data (3) deleted...", ""},
      {"LastChangesAction", "ae::TFLastChanges", "Last changes information", nullptr, "last changes",
       std::filesystem::canonical(dir_.File(TFLastChanges::FileName)).string()},
      {"AboutAction", "ae::TAboutBox", "About...", "OKButton", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Action);
    const Seen seen = Open(
        c.Action, c.Button ? Click(c.Button) : [](QDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(seen.ClassName, c.ClassName);
    EXPECT_EQ(seen.Title, c.Title);
    ExpectCentred(seen);
    EXPECT_TRUE(seen.Text.contains(QString::fromStdString(c.Text))) << seen.Text.left(300).toStdString();
    EXPECT_EQ(seen.Status.toStdString(), c.Status);
  }
  EXPECT_TRUE(boxes_.empty());

  // Without the file the command says so and opens nothing.
  std::filesystem::remove(dir_.File(TFLastChanges::FileName));
  Trigger("LastChangesAction");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text.toStdString(), "Fail '" + dir_.File(TFLastChanges::FileName) + "' doesn't exist.");
}

}  // namespace
}  // namespace ae
