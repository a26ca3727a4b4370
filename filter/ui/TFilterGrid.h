#pragma once

#include <QList>
#include <QTableWidget>
#include <string>
#include <vector>

namespace ae {

// One window grid of the Filtration page (A, B, C: parameter, min, max; D: the five equation
// columns). The header is the title row, so grid row 1 is table row 0. Besides typing into the
// cells it has the editing keys: Insert, Ctrl+Delete, Shift+Up, Shift+Down, and Ctrl+F1 in a
// parameter column asks the window for the parameter lookup.
class TFilterGrid : public QTableWidget {
  Q_OBJECT

 public:
  TFilterGrid(int columns, QList<int> parameterColumns, QWidget* parent = nullptr);

  // Column titles and widths, as the window writes them on activation.
  void SetTitles(const QStringList& titles, const QList<int>& widths);

  QString CellText(int row, int column) const;
  void SetCellText(int row, int column, const QString& text);

  // The data rows with their cell texts as typed (UTF-8).
  std::vector<std::vector<std::string>> Rows() const;
  // Replaces every row; an empty list leaves one empty row (a grid always has one data row).
  void SetRows(const std::vector<std::vector<std::string>>& rows);

  bool IsParameterColumn(int column) const { return parameterColumns_.contains(column); }

  // The editing keys, also reachable without a key event.
  void InsertRowAtCursor();
  void DeleteRowAtCursor();
  void SwapRowUp();
  void SwapRowDown();

 signals:
  // Ctrl+F1 in a parameter column: the window opens the lookup and fills the current cell.
  void LookupRequested(ae::TFilterGrid* grid);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RequestLookup();
  void SwapRows(int a, int b);
  void EnsureCells(int row);

  QList<int> parameterColumns_;
};

}  // namespace ae
