// The window's layout and the enabling rules of its boxes.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>

#include "filter/ui/TFilterGrid.h"
#include "tests/filter/ui/FilterUiFixture.h"

namespace ae::test {
namespace {

class WindowState : public FilterUi {
 public:
  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
  QRadioButton* RadioNamed(const QString& text) {
    for (QRadioButton* b : Window().findChildren<QRadioButton*>())
      if (b->text() == text) return b;
    return nullptr;
  }
  QLabel* BuddyOf(QWidget* edit) {
    for (QLabel* l : Window().findChildren<QLabel*>())
      if (l->buddy() == edit) return l;
    return nullptr;
  }
};

TEST_F(WindowState, LayoutTitlesAndWidthsAreTheDesignedOnes) {
  TMainForm& w = Window();
  w.show();
  w.FormActivate();
  EXPECT_EQ(w.windowTitle(), "AE Sorvel");
  EXPECT_EQ(w.size(), QSize(640, 465));
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  auto* pages = Find<QTabWidget>("PageControl1");
  ASSERT_EQ(pages->count(), 2);
  EXPECT_EQ(pages->tabText(0), "  Filtration  ");
  EXPECT_EQ(pages->tabText(1), "  Service  ");
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_EQ(Edit("EditFilterName")->text(), "New filter");

  const auto titles = [](QTableWidget* grid) {
    QStringList t;
    for (int c = 0; c < grid->columnCount(); ++c) t << grid->horizontalHeaderItem(c)->text();
    return t;
  };
  const auto widths = [](QTableWidget* grid) {
    QList<int> t;
    for (int c = 0; c < grid->columnCount(); ++c) t << grid->columnWidth(c);
    return t;
  };
  for (int g = 0; g < 3; ++g) {
    EXPECT_EQ(titles(w.Grid(g)), (QStringList{"Parameter", "Min", "Max"}));
    EXPECT_EQ(widths(w.Grid(g)), (QList<int>{70, 46, 46}));
  }
  EXPECT_EQ(titles(w.Grid(fwD)), (QStringList{"Parameter Y", "=", "a *", "Parameter X", "+ b"}));
  EXPECT_EQ(widths(w.Grid(fwD)), (QList<int>{70, 30, 51, 70, 51}));
  EXPECT_EQ(w.Expressions()->horizontalHeaderItem(1)->text(), "Expression");
  EXPECT_EQ(w.Expressions()->item(0, 1)->text(), "A");
  QStringList scopes;
  for (int r = 0; r < 4; ++r) {
    scopes << w.Expressions()->item(r, 0)->text();
    EXPECT_EQ(bool(w.Expressions()->item(r, 0)->flags() & Qt::ItemIsEnabled), r == 0);
  }
  EXPECT_EQ(scopes, (QStringList{"All hits", "Second hit", "Third hit", "Any hit"}));

  // Every column of every grid is in view, every label and title fits its space.
  for (int g = 0; g < 4; ++g) {
    TFilterGrid* grid = w.Grid(g);
    const int last = grid->columnCount() - 1;
    EXPECT_LE(grid->columnViewportPosition(last) + grid->columnWidth(last), grid->viewport()->width()) << "grid " << g;
    for (int c = 0; c <= last; ++c)
      EXPECT_LE(grid->horizontalHeader()->fontMetrics().horizontalAdvance(titles(grid)[c]) + 4, grid->columnWidth(c))
          << titles(grid)[c].toStdString();
  }
  for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
    if (!b->isVisibleTo(&w) || b->text().isEmpty()) continue;
    EXPECT_GE(b->width(), b->sizeHint().width() - 2) << b->text().toStdString();
  }
  for (QLabel* l : w.findChildren<QLabel*>()) {
    if (l->isVisibleTo(&w) && !l->text().isEmpty() && l->objectName() != "LabelWorkFolder") {
      EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
    }
  }
  for (QGroupBox* box : w.findChildren<QGroupBox*>())
    EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->title()) + 8) << box->title().toStdString();

  // "Back :" and "Forward :" each stand beside the box that holds that time.
  EXPECT_EQ(BuddyOf(Edit("EditForward"))->text(), "Forward :");
  EXPECT_EQ(BuddyOf(Edit("EditBackWard"))->text(), "Back :");
}

TEST_F(WindowState, TheTabOrderFollowsTheWindowFromTopToBottom) {
  TMainForm& w = Window();
  QStringList order;
  QWidget* start = Edit("EditSourceFile");
  QWidget* next = start;
  do {
    if (!next->objectName().isEmpty()) order << next->objectName();
    next = next->nextInFocusChain();
  } while (next != start && order.size() < 200);
  const QStringList expected = {"EditSourceFile", "BtnSourceFile",   "EditPostFile", "BtnPostFile",
                                "EditFilterName", "GridExpressions", "BtnRun",       "PageControl1",
                                "GridA",          "BoxDepA",         "GridB",        "BoxDepB",
                                "GridC",          "BoxDepC",         "GridD",        "BoxDepD"};
  int at = 0;
  for (const QString& name : order)
    if (at < expected.size() && name == expected[at]) ++at;
  EXPECT_EQ(at, expected.size()) << order.join(' ').toStdString();
  EXPECT_LT(order.indexOf("EditMPT"), order.indexOf("EditLOCK"));
  EXPECT_LT(order.indexOf("EditBackWard"), order.indexOf("EditForward"));
  EXPECT_LT(order.indexOf("CheckBoxPrtEnable"), order.indexOf("EditPrtFileDir"));
  EXPECT_LT(order.indexOf("BaseLoad"), order.indexOf("BaseUpdate"));
  EXPECT_LT(order.indexOf("BitBtnHide"), order.indexOf("BitBtn3"));
  (void)w;
}

TEST_F(WindowState, TheTreatmentEnablesAndEmptiesItsTimeBoxes) {
  TMainForm& w = Window();
  const auto enabled = [this](const char* name) { return Edit(name)->isEnabled(); };
  // At start: as hits, every time box disabled.
  for (const char* box : {"EditMPT", "EditLOCK", "EditForward", "EditBackWard"}) EXPECT_FALSE(enabled(box)) << box;

  RadioNamed("As Mechanic")->click();
  EXPECT_TRUE(enabled("EditForward"));
  EXPECT_TRUE(enabled("EditBackWard"));
  EXPECT_FALSE(enabled("EditMPT"));
  Edit("EditForward")->setText("300");
  Edit("EditBackWard")->setText("100");
  RadioNamed("As Mechanic")->click();  // selecting it again keeps the texts
  EXPECT_EQ(Edit("EditForward")->text(), "300");

  RadioNamed("As Events")->click();
  EXPECT_TRUE(enabled("EditMPT"));
  EXPECT_TRUE(enabled("EditLOCK"));
  EXPECT_FALSE(enabled("EditForward"));
  EXPECT_EQ(Edit("EditForward")->text(), "");
  EXPECT_EQ(Edit("EditBackWard")->text(), "");
  Edit("EditMPT")->setText("50");
  Edit("EditLOCK")->setText("500");
  EXPECT_EQ(w.ReadControls().MPT, "50");

  RadioNamed("As Hits")->click();
  for (const char* box : {"EditMPT", "EditLOCK", "EditForward", "EditBackWard"}) {
    EXPECT_FALSE(enabled(box)) << box;
    EXPECT_EQ(Edit(box)->text(), "") << box;
  }
  EXPECT_FALSE(Find<QCheckBox>("CheckBoxSystem")->isEnabled());
  EXPECT_FALSE(Find<QCheckBox>("CheckBoxNoise")->isEnabled());
}

TEST_F(WindowState, TheReportControlsFollowMakeReportAndTheReportFileItem) {
  Window();
  auto* make = Find<QCheckBox>("CheckBoxPrtEnable");
  auto* group = Find<QGroupBox>("RadioGroupPrt");
  auto* folder = Edit("EditPrtFileDir");
  auto* button = Find<QPushButton>("BitBtn2");
  QLabel* label = BuddyOf(folder);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Report folder");
  EXPECT_TRUE(group->isEnabled());
  EXPECT_FALSE(folder->isEnabled());
  EXPECT_FALSE(button->isEnabled());

  RadioNamed("Common report file")->click();
  EXPECT_TRUE(folder->isEnabled());
  EXPECT_TRUE(button->isEnabled());
  EXPECT_TRUE(label->isEnabled());

  make->click();
  for (QWidget* w : {static_cast<QWidget*>(group), static_cast<QWidget*>(folder), static_cast<QWidget*>(button),
                     static_cast<QWidget*>(label)})
    EXPECT_FALSE(w->isEnabled());
  make->click();
  EXPECT_TRUE(group->isEnabled());
  EXPECT_TRUE(button->isEnabled());

  RadioNamed("Report file in each folder")->click();
  EXPECT_FALSE(button->isEnabled());
  EXPECT_FALSE(label->isEnabled());
}

TEST_F(WindowState, ClearEmptiesTheWindowsAndExpressionsOnly) {
  TMainForm& w = Window();
  w.Grid(fwA)->SetRows({{"Amplitude", "40", "100"}, {"Counts", "5", "50"}});
  w.Grid(fwD)->SetRows({{"Counts", "<=", "0.5", "Duration", "-3"}});
  w.Expressions()->item(0, 1)->setText("A|D");
  w.Expressions()->item(2, 1)->setText("B");
  Find<QCheckBox>("BoxDepA")->setChecked(true);
  Edit("EditFilterName")->setText("Kept");

  // "&Clear" is the Filtration page's pop-up menu item, Ctrl+Shift+Delete.
  QAction* clear = Find<QWidget>("TabSheet1")->actions().value(0);
  ASSERT_NE(clear, nullptr);
  EXPECT_EQ(clear->text(), "&Clear");
  EXPECT_EQ(clear->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
  clear->trigger();
  for (int g = 0; g < 4; ++g) {
    const std::vector<std::vector<std::string>> rows = w.Grid(g)->Rows();
    ASSERT_EQ(rows.size(), 1u) << g;
    for (const std::string& cell : rows[0]) EXPECT_EQ(cell, "") << g;
  }
  for (int r = 0; r < 4; ++r) EXPECT_EQ(w.Expressions()->item(r, 1)->text(), "") << r;
  EXPECT_TRUE(Find<QCheckBox>("BoxDepA")->isChecked());  // the join boxes are no rows
  EXPECT_EQ(Edit("EditFilterName")->text(), "Kept");
  w.N3Click();  // the handler itself, once more on empty windows
  EXPECT_EQ(w.Grid(fwA)->rowCount(), 1);
}

TEST_F(WindowState, ActivationSelectsFiltrationAndFillsOnlyAnEmptyMainExpression) {
  TMainForm& w = Window();
  Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  w.Expressions()->item(0, 1)->setText("B|C");
  w.FormActivate();
  EXPECT_EQ(Find<QTabWidget>("PageControl1")->currentIndex(), 0);
  EXPECT_EQ(w.Expressions()->item(0, 1)->text(), "B|C");
  w.Expressions()->item(0, 1)->setText("");
  w.FormActivate();
  EXPECT_EQ(w.Expressions()->item(0, 1)->text(), "A");
}

TEST_F(WindowState, AFileDroppedOnTheWindowBecomesTheSource) {
  TMainForm& w = Window();
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile("/data/vessel.DTT")});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &drop);
  EXPECT_EQ(Edit("EditSourceFile")->text(), "/data/vessel.DTT");
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(Edit("EditSourceFile")->acceptDrops());
}

TEST_F(WindowState, HideWithoutANotificationAreaMinimisesAndRestoreShows) {
  TMainForm& w = Window();
  w.show();
  ASSERT_NE(w.RestoreAction(), nullptr);
  EXPECT_FALSE(w.RestoreAction()->isEnabled());
  w.BitBtnHideClick();
  // The offscreen platform has no notification area: the window stays reachable.
  EXPECT_TRUE(w.isVisible());
  w.N1Click();
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(w.isMinimized());
}

}  // namespace
}  // namespace ae::test
