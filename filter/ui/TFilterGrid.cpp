#include "filter/ui/TFilterGrid.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include "ui/QtText.h"

namespace ae {

TFilterGrid::TFilterGrid(int columns, QList<int> parameterColumns, QWidget* parent)
    : QTableWidget(1, columns, parent), parameterColumns_(std::move(parameterColumns)) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setTabKeyNavigation(false);           // Tab leaves the grid, as elsewhere in the window
  horizontalHeader()->setFont(font());  // not the desktop's header font: the widths are designed for this one
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(16);
  // Like the window's other grids, only the title row is fixed: no row-number column.
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  EnsureCells(0);
  setCurrentCell(0, 0);

  // A shortcut rather than a key event, so that it also works while a cell is being edited.
  auto* lookup = new QAction(this);
  lookup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
  lookup->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(lookup, &QAction::triggered, this, &TFilterGrid::RequestLookup);
  addAction(lookup);
}

void TFilterGrid::SetTitles(const QStringList& titles, const QList<int>& widths) {
  setHorizontalHeaderLabels(titles);
  for (int c = 0; c < widths.size() && c < columnCount(); ++c) setColumnWidth(c, widths[c]);
}

QString TFilterGrid::CellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text() : QString();
}

void TFilterGrid::SetCellText(int row, int column, const QString& text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
  EnsureCells(row);
  item(row, column)->setText(text);
}

std::vector<std::vector<std::string>> TFilterGrid::Rows() const {
  std::vector<std::vector<std::string>> rows(static_cast<size_t>(rowCount()));
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c) rows[static_cast<size_t>(r)].push_back(S(CellText(r, c)));
  return rows;
}

void TFilterGrid::SetRows(const std::vector<std::vector<std::string>>& rows) {
  setRowCount(0);
  const int count = rows.empty() ? 1 : static_cast<int>(rows.size());
  setRowCount(count);
  for (int r = 0; r < count; ++r) {
    EnsureCells(r);
    if (rows.empty()) continue;
    const auto& cells = rows[static_cast<size_t>(r)];
    for (int c = 0; c < columnCount() && c < static_cast<int>(cells.size()); ++c)
      item(r, c)->setText(Q(cells[static_cast<size_t>(c)]));
  }
  setCurrentCell(0, 0);
}

void TFilterGrid::EnsureCells(int row) {
  for (int c = 0; c < columnCount(); ++c)
    if (!item(row, c)) setItem(row, c, new QTableWidgetItem);
}

void TFilterGrid::keyPressEvent(QKeyEvent* event) {
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

void TFilterGrid::InsertRowAtCursor() {
  const int row = std::max(0, currentRow());
  const int column = std::max(0, currentColumn());
  insertRow(row);
  EnsureCells(row);
  setCurrentCell(row, column);  // the cursor stays on its row number: the new empty row
}

void TFilterGrid::DeleteRowAtCursor() {
  const int row = std::max(0, currentRow());
  const int column = std::max(0, currentColumn());
  if (rowCount() > 1) {
    removeRow(row);
    setCurrentCell(std::min(row, rowCount() - 1), column);
  } else {
    for (int c = 0; c < columnCount(); ++c) SetCellText(0, c, QString());
  }
}

void TFilterGrid::SwapRowUp() {
  const int row = currentRow();
  if (row > 0) SwapRows(row, row - 1);
}

void TFilterGrid::SwapRowDown() {
  const int row = currentRow();
  if (row >= 0 && row < rowCount() - 1) SwapRows(row, row + 1);
}

void TFilterGrid::SwapRows(int a, int b) {
  const int row = currentRow();
  const int column = currentColumn();
  EnsureCells(a);
  EnsureCells(b);
  for (int c = 0; c < columnCount(); ++c) {
    const QString text = item(a, c)->text();
    item(a, c)->setText(item(b, c)->text());
    item(b, c)->setText(text);
  }
  setCurrentCell(row, column);  // the cursor keeps its place; the rows moved under it
}

void TFilterGrid::RequestLookup() {
  if (!IsParameterColumn(currentColumn()) || currentRow() < 0) return;
  if (state() == QAbstractItemView::EditingState) {
    // Keep what was typed so far, then let the lookup replace it.
    if (QWidget* editor = QApplication::focusWidget(); editor && viewport()->isAncestorOf(editor)) {
      commitData(editor);
      closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
  }
  emit LookupRequested(this);
}

}  // namespace ae
