// Escape in every window the main window opens: the window closes as its Cancel or close box
// would, whichever of its controls has the focus, and nothing is taken from it.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <filesystem>
#include <functional>

#include "tests/viewer/ui/DialogFixture.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ASelectionCommands.h"
#include "viewer/ui/TFrameFinishForm.h"
#include "viewer/ui/TTimeMarkForm.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

class EscapeKey : public test::DialogFixture {
 protected:
  struct Seen {
    QString Title;
    QString Control;  // the control that had the focus, when the test chose it
    bool Closed = false;
  };
  static QList<QWidget*> Focusable(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>())
      if (child->focusPolicy() != Qt::NoFocus && child->isVisibleTo(window)) controls.push_back(child);
    return controls;
  }
  // Runs `open`, which shows a modal window; Escape goes to the control with the focus there,
  // or to its focusable control number `control` (in the order of their creation).
  Seen PressEscapeIn(const std::function<void()>& open, int control = -1) {
    Seen seen;
    OnNextModal([&seen, control](QWidget* modal) {
      seen.Title = modal->windowTitle();
      QWidget* focus = modal->focusWidget() != nullptr ? modal->focusWidget() : modal;
      if (control >= 0) {
        const QList<QWidget*> controls = Focusable(modal);
        if (control < controls.size()) focus = controls[control];
        focus->setFocus();
        seen.Control = QString::fromLatin1(focus->metaObject()->className()) + " " + focus->objectName();
      }
      QTest::keyClick(focus, Qt::Key_Escape);
      seen.Closed = !modal->isVisible();
      if (!seen.Closed) qobject_cast<QDialog*>(modal)->reject();
    });
    open();
    QApplication::processEvents();
    return seen;
  }
};

TEST_F(EscapeKey, ClosesEveryWindowOfTheMainWindowWithoutTakingAnything) {
  std::filesystem::copy_file(AE_CHANGES_FILE, dir_.File("techinfo.html"));
  Start({QString::fromStdString(MakeFile(300))});
  ShowPage(1);
  const TZTGraph& g = Graph(0).Graph();
  Drag(Graph(0), {g.PlotLeft + 1, g.PlotTop + 1}, {g.PlotRight - 1, g.PlotBottom - 1});
  ASSERT_GT(window_->Pages().DataSet().FramedCount, 0u);

  struct Case {
    const char* Action;
    const char* Title;
  };
  const Case cases[] = {
      {"ShowSetsStatisticAction", "Sets statistic.."},   {"ShowFramedDataAction", "Data view.."},
      {"DataFileInfoAction", "Data File Information"},   {"ProtocolViewAction", "Protocol data view"},
      {"LastChangesAction", "Last changes information"}, {"ZoomDialogAction", "Zoom.."},
      {"GraphDataBaseAction", "Graph Data Base.."},      {"AboutAction", "About..."},
  };
  for (const Case& c : cases) {
    const Seen seen = PressEscapeIn([&] { Trigger(c.Action); });
    EXPECT_EQ(seen.Title, QString::fromLatin1(c.Title)) << c.Action;
    EXPECT_TRUE(seen.Closed) << c.Action;
  }
  EXPECT_FALSE(GlobalOptions().TimeRangeFilter);  // the zoom window was not taken
  EXPECT_TRUE(boxes_.empty());

  // The two windows that say so close on Escape whichever of their controls has the focus.
  for (const char* action : {"ShowFramedDataAction", "ShowSetsStatisticAction"}) {
    int controls = 0;
    OnNextModal([&controls](QWidget* modal) {
      controls = static_cast<int>(Focusable(modal).size());
      qobject_cast<QDialog*>(modal)->reject();
    });
    Trigger(action);
    ASSERT_GT(controls, 2) << action;
    for (int i = 0; i < controls; ++i) {
      const Seen seen = PressEscapeIn([&] { Trigger(action); }, i);
      EXPECT_TRUE(seen.Closed) << action << ", focus in " << seen.Control.toStdString();
    }
  }
}

TEST_F(EscapeKey, ClosesTheCopyAndFrameOverflowWindowsAsTheirCloseBoxDoes) {
  AOptions& options = GlobalOptions();
  options.PrnWidth = 120;
  Seen seen = PressEscapeIn([&] {
    TTimeMarkForm copy(QStringLiteral("Counts against amplitude"), options, &owner_);
    copy.exec();
  });
  EXPECT_EQ(seen.Title, QStringLiteral("Copy to Clipboard"));
  EXPECT_TRUE(seen.Closed);
  EXPECT_EQ(options.PrnWidth, 120);

  int choice = foIgnoreNew;
  seen = PressEscapeIn([&] {
    TFrameFinishForm overflow(&choice, &owner_);
    overflow.exec();
  });
  EXPECT_EQ(seen.Title, QStringLiteral("Warning"));
  EXPECT_TRUE(seen.Closed);
  EXPECT_EQ(choice, foIgnoreNew);
}

}  // namespace
}  // namespace ae
