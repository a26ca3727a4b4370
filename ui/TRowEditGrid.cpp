#include "ui/TRowEditGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace ae {

TRowEditGrid::TRowEditGrid(int columns, QWidget* parent) : QTableWidget(1, columns, parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setTabKeyNavigation(false);           // Tab leaves the grid, as elsewhere in the windows
  horizontalHeader()->setFont(font());  // not the desktop's header font: the widths are designed for this one
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(16);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  EnsureCells(0);
  setCurrentCell(0, 0);
}

QString TRowEditGrid::CellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text() : QString();
}

void TRowEditGrid::SetCellText(int row, int column, const QString& text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
  EnsureCells(row);
  item(row, column)->setText(text);
}

void TRowEditGrid::EnsureCells(int row, bool fresh) {
  const QStringList texts = fresh ? NewRowTexts() : QStringList();
  for (int c = 0; c < columnCount(); ++c)
    if (!item(row, c)) setItem(row, c, new QTableWidgetItem(c < texts.size() ? texts[c] : QString()));
}

void TRowEditGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  if (key == Qt::Key_Insert && mods == Qt::NoModifier) {
    InsertRowAtCursor();
  } else if (key == Qt::Key_Delete && mods == Qt::ControlModifier) {
    DeleteRowAtCursor();
  } else if (key == Qt::Key_Up && mods == Qt::ShiftModifier) {
    SwapRowUp();
  } else if (key == Qt::Key_Down && mods == Qt::ShiftModifier) {
    SwapRowDown();
  } else {
    QTableWidget::keyPressEvent(event);
    return;
  }
  event->accept();
}

void TRowEditGrid::InsertRowAtCursor() {
  const int row = std::max(0, currentRow());
  const int column = std::max(0, currentColumn());
  insertRow(row);
  EnsureCells(row, true);
  setCurrentCell(row, column);  // the cursor stays on its row number: the new row
}

void TRowEditGrid::DeleteRowAtCursor() {
  const int row = std::max(0, currentRow());
  const int column = std::max(0, currentColumn());
  if (rowCount() > 1) {
    removeRow(row);
    setCurrentCell(std::min(row, rowCount() - 1), column);
  } else {
    // The last row is emptied, data and all, so nothing of the old row is taken for it.
    for (int c = 0; c < columnCount(); ++c) setItem(0, c, new QTableWidgetItem);
  }
}

void TRowEditGrid::SwapRowUp() {
  const int row = currentRow();
  if (row > 0) SwapRows(row, row - 1);
}

void TRowEditGrid::SwapRowDown() {
  const int row = currentRow();
  if (row >= 0 && row < rowCount() - 1) SwapRows(row, row + 1);
}

void TRowEditGrid::SwapRows(int a, int b) {
  const int row = currentRow();
  const int column = currentColumn();
  EnsureCells(a);
  EnsureCells(b);
  for (int c = 0; c < columnCount(); ++c) {
    QTableWidgetItem* first = takeItem(a, c);
    QTableWidgetItem* second = takeItem(b, c);
    setItem(a, c, second);
    setItem(b, c, first);
  }
  setCurrentCell(row, column);  // the cursor keeps its place; the rows moved under it
}

}  // namespace ae
