#include "ui/TRowEditGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace ae {

namespace {

// Draws a cell's text 2 pixels from its left edge and clips it at the right one, as the designed
// column widths expect; the style's wider margins would cut "5000.25" to "5000...." in a 46-pixel
// column. The cell's background, selection and focus are the style's.
class TCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QWidget* widget = cell.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (text.isEmpty()) return;
    const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (cell.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
    const QPalette::ColorRole role = (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setClipRect(cell.rect);
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(group, role));
    painter->drawText(cell.rect.adjusted(TRowEditGrid::CellTextMargin, 0, -TRowEditGrid::CellTextMargin, 0),
                      cell.displayAlignment | Qt::TextSingleLine, text);
    painter->restore();
  }
};

}  // namespace

TRowEditGrid::TRowEditGrid(int columns, QWidget* parent) : QTableWidget(1, columns, parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  // Tab walks the cells, so that a row is typed cell by cell, and leaves after the last one.
  setTabKeyNavigation(true);
  // A number cut short reads as another number: the text is clipped at the cell's edge instead.
  setTextElideMode(Qt::ElideNone);
  setItemDelegate(new TCellDelegate(this));
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
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    // Reached only when no other control takes the focus: the cursor does not wrap around.
    event->ignore();
    return;
  }
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

bool TRowEditGrid::MoveToNeighbourCell(bool next) {
  const int rows = rowCount();
  const int columns = columnCount();
  if (rows == 0 || columns == 0) return false;
  int row = currentRow();
  int column = currentColumn();
  if (row < 0 || column < 0) {
    // No cursor yet: Tab enters at the first cell, Shift+Tab at the last.
    setCurrentCell(next ? 0 : rows - 1, next ? 0 : columns - 1);
    return true;
  }
  if (next) {
    if (column + 1 < columns) {
      ++column;
    } else if (row + 1 < rows) {
      ++row;
      column = 0;
    } else {
      return false;
    }
  } else {
    if (column > 0) {
      --column;
    } else if (row > 0) {
      --row;
      column = columns - 1;
    } else {
      return false;
    }
  }
  setCurrentCell(row, column);
  return true;
}

bool TRowEditGrid::focusNextPrevChild(bool next) {
  if (isVisible() && isEnabled() && state() != QAbstractItemView::EditingState && MoveToNeighbourCell(next))
    return true;
  // Past the last (or before the first) cell the focus goes on to the window's next control.
  return QAbstractScrollArea::focusNextPrevChild(next);
}

void TRowEditGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  if (hint != QAbstractItemDelegate::EditNextItem && hint != QAbstractItemDelegate::EditPreviousItem) {
    QTableWidget::closeEditor(editor, hint);
    return;
  }
  // Tab in a cell being edited: the text is kept (the delegate committed it), then the cursor
  // moves as Tab moves it outside an editor.
  QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
  focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

bool TRowEditGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  // Qt opens the editor of a clicked current cell only after the double-click time, and keys
  // typed until then are lost. It opens at once here, as typing into the cell would open it.
  if (trigger == QAbstractItemView::SelectedClicked) return QTableWidget::edit(index, EditKeyPressed, nullptr);
  return QTableWidget::edit(index, trigger, event);
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
