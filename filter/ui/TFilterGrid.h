#pragma once

#include <QList>
#include <string>
#include <vector>

#include "ui/TRowEditGrid.h"

namespace ae {

// One window grid of the Filtration page (A, B, C: parameter, min, max; D: the five equation
// columns), with the row keys of every grid (Insert, Ctrl+Delete, Shift+Up, Shift+Down); Ctrl+F1
// in a parameter column asks the window for the parameter lookup.
class TFilterGrid : public TRowEditGrid {
  Q_OBJECT

 public:
  TFilterGrid(int columns, QList<int> parameterColumns, QWidget* parent = nullptr);

  // Column titles and widths, as the window writes them on activation.
  void SetTitles(const QStringList& titles, const QList<int>& widths);

  // The data rows with their cell texts as typed (UTF-8).
  std::vector<std::vector<std::string>> Rows() const;
  // Replaces every row; an empty list leaves one empty row (a grid always has one data row).
  void SetRows(const std::vector<std::vector<std::string>>& rows);

  bool IsParameterColumn(int column) const { return parameterColumns_.contains(column); }

 signals:
  // Ctrl+F1 in a parameter column: the window opens the lookup and fills the current cell.
  void LookupRequested(ae::TFilterGrid* grid);

 private:
  void RequestLookup();

  QList<int> parameterColumns_;
};

}  // namespace ae
