#pragma once
// "Sensors" of the test setup window's location: one row per sensor (channel, x and y in
// metres), with the row keys of every grid; Down on the last row appends one. A row without a
// channel is no sensor; an empty y is 0 (a linear location takes x alone).
#include <QString>
#include <vector>

#include "ui/TRowEditGrid.h"
#include "viewer/core/ALocationSetup.h"

namespace ae {

class TSensorsGrid : public TRowEditGrid {
  Q_OBJECT

 public:
  enum Column { colChannel, colX, colY, ColumnCount };

  explicit TSensorsGrid(QWidget* parent = nullptr);

  // One row per sensor, in channel order, numbers in general notation with 15 significant
  // digits; without sensors one empty row.
  void SetSensors(const std::vector<ASensor>& sensors);

  struct Reading {
    std::vector<ASensor> Sensors;  // in grid order
    QString Problem;               // empty, or the text that refuses the first bad cell
    int Row = -1;                  // that cell
    int Column = -1;
  };
  // The sensors of the rows with a channel; none at all when a cell of such a row is refused: a
  // channel that is not a whole number from 1 to 128 or is given twice, an x that is not a
  // number, a y that is neither empty nor a number.
  Reading ReadSensors() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ae
