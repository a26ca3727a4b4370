#pragma once

#include <QStringList>
#include <QTableWidget>

namespace ae {

// A grid of text cells edited row by row, as the grids of both programs' windows are. The header
// is the title row, so grid row 1 is table row 0, and there is no row-number column. Besides
// typing into the cells it has the row keys: Insert (no modifier) puts a new row before the
// cursor's row, Ctrl+Delete deletes the cursor's row (the only row is emptied instead), Shift+Up
// and Shift+Down swap it with the row above or below; the cursor keeps its place. Tab moves to
// the next cell (along the row, then to the start of the next row) and leaves the grid after its
// last cell; Shift+Tab moves back the same way and leaves before the first cell. A cell shows its
// whole text where the column is wide enough for it, never an ellipsis. A grid always has at
// least one row.
class TRowEditGrid : public QTableWidget {
  Q_OBJECT

 public:
  // A cell's text starts this many pixels from its left edge.
  static constexpr int CellTextMargin = 2;

  explicit TRowEditGrid(int columns, QWidget* parent = nullptr);

  QString CellText(int row, int column) const;
  void SetCellText(int row, int column, const QString& text);

  // The row keys, also reachable without a key event.
  void InsertRowAtCursor();
  void DeleteRowAtCursor();
  void SwapRowUp();
  void SwapRowDown();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab, from the grid or from a cell being edited.
  bool focusNextPrevChild(bool next) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  // The texts a row inserted with Insert starts with, by column; empty cells by default.
  virtual QStringList NewRowTexts() const { return {}; }
  // Gives every cell of the row an item, with the texts of a new row when fresh is set.
  void EnsureCells(int row, bool fresh = false);

 private:
  // The cursor to the next (or previous) cell; false at the last (or first) cell.
  bool MoveToNeighbourCell(bool next);
  // Swaps the cells (texts and data) of two rows.
  void SwapRows(int a, int b);
};

}  // namespace ae
