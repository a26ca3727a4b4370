// The editing keys of the window grids and the parameter lookup they open.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTest>
#include <utility>

#include "filter/ui/TFilterGrid.h"
#include "filter/ui/TLookUpParamDlg1.h"
#include "tests/filter/ui/FilterUiFixture.h"

namespace ae::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
}

std::vector<std::string> Params(const Rows& rows) {
  std::vector<std::string> names;
  for (const auto& row : rows) names.push_back(row[0]);
  return names;
}

class GridKeys : public FilterUi {};

TEST_F(GridKeys, InsertDeleteAndSwapMoveRowsAndKeepTheCursor) {
  TFilterGrid* grid = Window().Grid(fwB);
  grid->SetRows({{"R1", "1", "2"}, {"R2", "3", "4"}, {"R3", "5", "6"}});
  grid->setCurrentCell(1, 2);

  Press(grid, Qt::Key_Insert, Qt::NoModifier);
  EXPECT_EQ(Params(grid->Rows()), (std::vector<std::string>{"R1", "", "R2", "R3"}));
  EXPECT_EQ(grid->Rows()[1], (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(grid->currentRow(), 1);
  EXPECT_EQ(grid->currentColumn(), 2);

  // Insert with a modifier is not the key.
  Press(grid, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(grid->rowCount(), 4);

  Press(grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Params(grid->Rows()), (std::vector<std::string>{"R1", "R2", "R3"}));
  EXPECT_EQ(grid->currentRow(), 1);

  Press(grid, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Params(grid->Rows()), (std::vector<std::string>{"R1", "R3", "R2"}));
  EXPECT_EQ(grid->currentRow(), 1);  // the cursor stays; the row moved under it
  Press(grid, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(Params(grid->Rows()), (std::vector<std::string>{"R3", "R1", "R2"}));
  EXPECT_EQ(grid->Rows()[0], (std::vector<std::string>{"R3", "5", "6"}));

  // No swap beyond the ends.
  grid->setCurrentCell(0, 0);
  Press(grid, Qt::Key_Up, Qt::ShiftModifier);
  grid->setCurrentCell(2, 0);
  Press(grid, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Params(grid->Rows()), (std::vector<std::string>{"R3", "R1", "R2"}));

  // Deleting the last row moves the cursor up.
  Press(grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->currentRow(), 1);

  // The last data row is emptied, never removed.
  Press(grid, Qt::Key_Delete, Qt::ControlModifier);
  Press(grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(grid->Rows(), (Rows{{"", "", ""}}));
}

// Keys as the user types them: each goes to the control that has the focus then.
void Type(const QString& text) {
  for (const QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}
void PressInFocus(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

TEST_F(GridKeys, TabWalksTheCellsAndLeavesAfterTheLastShiftTabWalksBack) {
  TMainForm& w = Window();
  w.show();
  QApplication::setActiveWindow(&w);
  TFilterGrid* grid = w.Grid(fwB);
  grid->SetRows({{"R1", "1", "2"}, {"R2", "3", "4"}});
  grid->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), grid);
  const std::vector<std::pair<int, int>> cells = {{0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}};
  for (const auto& [row, column] : cells) {
    PressInFocus(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->currentRow(), row);
    EXPECT_EQ(grid->currentColumn(), column);
  }
  PressInFocus(Qt::Key_Tab);  // past the last cell: on to the next control
  EXPECT_NE(QApplication::focusWidget(), grid);
  EXPECT_FALSE(grid->isAncestorOf(QApplication::focusWidget()));

  grid->setFocus();
  for (auto it = cells.rbegin() + 1; it != cells.rend(); ++it) {
    PressInFocus(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->currentRow(), it->first);
    EXPECT_EQ(grid->currentColumn(), it->second);
  }
  PressInFocus(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(grid->currentColumn(), 0);
  PressInFocus(Qt::Key_Backtab, Qt::ShiftModifier);  // before the first cell: back out of the grid
  EXPECT_NE(QApplication::focusWidget(), grid);
  EXPECT_EQ(grid->Rows(), (Rows{{"R1", "1", "2"}, {"R2", "3", "4"}}));
}

TEST_F(GridKeys, ARowTypedWithTabsLandsInItsOwnWindow) {
  TMainForm& w = Window();
  w.show();
  QApplication::setActiveWindow(&w);
  TFilterGrid* a = w.Grid(fwA);
  a->setCurrentCell(0, 0);
  a->setFocus();
  // Typing opens a cell's editor; Tab keeps what was typed and moves on, also out of an editor.
  Type("Amplitude");
  PressInFocus(Qt::Key_Tab);
  Type("45");
  PressInFocus(Qt::Key_Tab);
  Type("100");
  PressInFocus(Qt::Key_Tab);
  EXPECT_EQ(a->Rows(), (Rows{{"Amplitude", "45", "100"}}));
  EXPECT_FALSE(a->isAncestorOf(QApplication::focusWidget()));
  EXPECT_NE(QApplication::focusWidget(), a);
  for (int g : {fwB, fwC, fwD}) EXPECT_EQ(w.Grid(g)->Rows(), (Rows{std::vector<std::string>(g == fwD ? 5 : 3)}));

  // Shift+Tab out of an editor goes back a cell, keeping the text.
  a->setFocus();
  a->setCurrentCell(0, 2);
  Type("90");
  PressInFocus(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(a->CellText(0, 2), "90");
  EXPECT_EQ(a->currentColumn(), 1);
}

TEST_F(GridKeys, TypingRightAfterAClickOnTheCurrentCellKeepsEveryKey) {
  TMainForm& w = Window();
  w.show();
  QApplication::setActiveWindow(&w);
  TFilterGrid* grid = w.Grid(fwC);
  grid->setCurrentCell(0, 0);
  QApplication::processEvents();
  // A click on the current cell opens its editor only after the double-click time; what is typed
  // before then must stay.
  const QRect cell = grid->visualRect(grid->model()->index(0, 0));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  Type("Amp");
  QTest::qWait(QApplication::doubleClickInterval() + 200);
  Type("litude");
  PressInFocus(Qt::Key_Tab);
  EXPECT_EQ(grid->CellText(0, 0), "Amplitude");
  EXPECT_EQ(grid->currentColumn(), 1);
}

TEST_F(GridKeys, AtTheWindowsSizeEveryColumnShowsAndACellItsWholeNumber) {
  TMainForm& w = Window();
  w.show();
  w.FormActivate();
  QApplication::processEvents();
  ASSERT_EQ(w.size(), QSize(640, 465));
  for (int g = 0; g < 4; ++g) {
    TFilterGrid* grid = w.Grid(g);
    int columns = 0;
    for (int c = 0; c < grid->columnCount(); ++c) columns += grid->columnWidth(c);
    // Every column lies inside the grid, and the grid inside its box.
    EXPECT_GE(grid->viewport()->width(), columns) << "window " << g;
    const QWidget* box = grid->parentWidget();
    EXPECT_TRUE(box->rect().contains(grid->geometry())) << "window " << g;
    EXPECT_TRUE(w.rect().contains(QRect(box->mapTo(&w, QPoint(0, 0)), box->size()))) << "window " << g;
    // A number such as 5000.25 fits its value column whole (a grid line takes a pixel).
    const int number = grid->fontMetrics().horizontalAdvance(QStringLiteral("5000.25"));
    for (int c = 1; c < grid->columnCount(); ++c) {
      if (grid->IsParameterColumn(c) || (g == fwD && c == 1)) continue;  // names and the relation
      EXPECT_LE(number + 2 * TRowEditGrid::CellTextMargin, grid->columnWidth(c) - 1)
          << "window " << g << ", column " << c;
    }
    EXPECT_EQ(grid->textElideMode(), Qt::ElideNone);
  }
  // The shown text of a cell is the whole number.
  TFilterGrid* a = w.Grid(fwA);
  a->SetRows({{"Counts", "5000.25", "65535.5"}});
  EXPECT_EQ(a->item(0, 1)->data(Qt::DisplayRole).toString(), "5000.25");
}

TEST_F(GridKeys, ClearEmptiesEveryWindowAndExpression) {
  TMainForm& w = Window();
  QWidget* page = Find<QWidget>("TabSheet1");
  ASSERT_EQ(page->actions().size(), 1);
  EXPECT_EQ(page->actions()[0]->text(), "&Clear");
  EXPECT_EQ(page->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
  w.Grid(fwA)->SetRows({{"Amplitude", "1", "2"}, {"Counts", "1", "2"}});
  w.Grid(fwD)->SetRows({{"Counts", "<", "1", "Duration", "0"}});
  w.Expressions()->item(0, 1)->setText("A|D");
  w.Expressions()->item(2, 1)->setText("B");
  w.N3Click();
  for (int g = 0; g < 4; ++g) EXPECT_EQ(w.Grid(g)->Rows(), (Rows{std::vector<std::string>(g == fwD ? 5 : 3)}));
  for (int r = 0; r < 4; ++r) EXPECT_TRUE(w.Expressions()->item(r, 1)->text().isEmpty());
  // The next activation gives the main expression its default again.
  w.FormActivate();
  EXPECT_EQ(w.Expressions()->item(0, 1)->text(), "A");
}

TEST_F(GridKeys, CtrlF1InAParameterColumnPutsTheLookedUpNameIntoTheCell) {
  TMainForm& w = Window();
  TFilterGrid* grid = w.Grid(fwD);
  QAction* lookup = grid->actions().value(0);
  ASSERT_NE(lookup, nullptr);
  ASSERT_EQ(lookup->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));

  // Column 3 of D is a parameter column: choose the second name of "All parameters".
  grid->setCurrentCell(0, 3);
  QString chosen;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TLookUpParamDlg1*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Parameter Lookup 1");
    dialog->SelectSystem(1);
    dialog->Grid()->setCurrentCell(1, 0);
    chosen = dialog->CurrentName();
    dialog->accept();
  });
  lookup->trigger();
  ASSERT_FALSE(chosen.isEmpty());
  EXPECT_EQ(grid->CellText(0, 3), chosen);

  // Cancel leaves the cell as it was; a value column opens nothing.
  OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  lookup->trigger();
  EXPECT_EQ(grid->CellText(0, 3), chosen);
  grid->setCurrentCell(0, 2);
  lookup->trigger();
  EXPECT_EQ(grid->CellText(0, 2), "");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(GridKeys, TheLookupListsAFamilyAndRemembersItForTheRun) {
  Window();
  TLookUpParamDlg1 first(data_->Params(), nullptr);
  first.show();
  first.SelectSystem(4);  // "A-Line 32D"
  const int rows = first.Grid()->rowCount();
  EXPECT_GT(rows, 0);
  EXPECT_EQ(first.Grid()->horizontalHeaderItem(0)->text(), "Parameter");
  for (int r = 1; r < rows; ++r)
    EXPECT_LE(
        QString::compare(first.Grid()->item(r - 1, 0)->text(), first.Grid()->item(r, 0)->text(), Qt::CaseInsensitive),
        0);
  TLookUpParamDlg1 second(data_->Params(), nullptr);
  second.show();
  EXPECT_EQ(second.SelectedSystem(), 4);
  EXPECT_EQ(second.Grid()->rowCount(), rows);
  second.SelectSystem(0);
}

}  // namespace
}  // namespace ae::test
