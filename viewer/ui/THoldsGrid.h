#pragma once
// "Pressure holds" of the test setup window: one row per hold (label, pressure, start, length,
// delay), with the row keys of every grid. A new row starts with a length of 600 s and a delay of
// 120 s, and Down on the last row appends one.
#include <QString>
#include <vector>

#include "ui/TRowEditGrid.h"
#include "viewer/core/AHold.h"

namespace ae {

class THoldsGrid : public TRowEditGrid {
  Q_OBJECT

 public:
  enum Column { colLabel, colPressure, colStart, colLength, colDelay, ColumnCount };

  explicit THoldsGrid(QWidget* parent = nullptr);

  // One row per hold, numbers in general notation with 6 significant digits; without holds one
  // new row ("", "", "", "600", "120").
  void SetHolds(const std::vector<AHold>& holds);

  struct Reading {
    std::vector<AHold> Holds;
    QString Problem;  // empty, or the text that refuses the first cell that is not a number
    int Row = -1;     // that cell
    int Column = -1;
  };
  // The holds of the rows whose start cell is not empty, in grid order; no holds at all when a
  // number cell of such a row is not a number.
  Reading ReadHolds() const;

  void AppendRow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  QStringList NewRowTexts() const override;
};

}  // namespace ae
