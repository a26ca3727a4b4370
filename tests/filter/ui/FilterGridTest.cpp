// The editing keys of the window grids and the parameter lookup they open.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTableWidget>

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
