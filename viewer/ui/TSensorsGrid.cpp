#include "viewer/ui/TSensorsGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "ui/QtText.h"
#include "viewer/ui/ShownNumbers.h"

namespace ae {

namespace {

constexpr int Digits = 15;

QString Title(int column) {
  static const char* const titles[] = {QT_TRANSLATE_NOOP("ae::TSensorsGrid", "Channel"),
                                       QT_TRANSLATE_NOOP("ae::TSensorsGrid", "X, m"),
                                       QT_TRANSLATE_NOOP("ae::TSensorsGrid", "Y, m")};
  return TSensorsGrid::tr(titles[column]);
}

}  // namespace

TSensorsGrid::TSensorsGrid(QWidget* parent) : TRowEditGrid(ColumnCount, parent) {
  setObjectName(QStringLiteral("SGSensors"));
  setHorizontalHeaderLabels({Title(colChannel), Title(colX), Title(colY)});
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  SetSensors({});
}

void TSensorsGrid::SetSensors(const std::vector<ASensor>& sensors) {
  setRowCount(0);
  setRowCount(std::max(1, static_cast<int>(sensors.size())));
  for (int r = 0; r < rowCount(); ++r) EnsureCells(r, true);
  for (int r = 0; r < static_cast<int>(sensors.size()); ++r) {
    const ASensor& sensor = sensors[static_cast<std::size_t>(r)];
    item(r, colChannel)->setText(QString::number(sensor.Channel));
    ShowReal(item(r, colX), sensor.X, Digits);
    ShowReal(item(r, colY), sensor.Y, Digits);
  }
  setCurrentCell(0, 0);
}

TSensorsGrid::Reading TSensorsGrid::ReadSensors() const {
  Reading reading;
  auto refuse = [&](int row, int column, const QString& what) {
    reading.Row = row;
    reading.Column = column;
    reading.Problem = tr("Sensors, row %1, %2: \"%3\" %4").arg(row + 1).arg(Title(column), CellText(row, column), what);
    reading.Sensors.clear();
    return reading;
  };
  for (int r = 0; r < rowCount(); ++r) {
    if (CellText(r, colChannel).trimmed().isEmpty()) continue;  // a row without a channel is no sensor
    const std::optional<int> channel = IntOf(CellText(r, colChannel));
    if (!channel || *channel < 1 || *channel > ALocationSetup::MaxChannel)
      return refuse(r, colChannel, tr("is not a channel from 1 to 128."));
    for (const ASensor& other : reading.Sensors)
      if (other.Channel == *channel) return refuse(r, colChannel, tr("has a sensor in another row."));
    ASensor sensor{*channel, 0.0, 0.0};
    const std::optional<double> x = RealOf(item(r, colX));
    if (!x) return refuse(r, colX, tr("is not a number."));
    sensor.X = *x;
    if (!CellText(r, colY).trimmed().isEmpty()) {
      const std::optional<double> y = RealOf(item(r, colY));
      if (!y) return refuse(r, colY, tr("is not a number."));
      sensor.Y = *y;
    }
    reading.Sensors.push_back(sensor);
  }
  return reading;
}

void TSensorsGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Down && !mods.testFlag(Qt::ShiftModifier) && currentRow() == rowCount() - 1) {
    const int column = std::max(0, currentColumn());
    setRowCount(rowCount() + 1);
    EnsureCells(rowCount() - 1, true);
    setCurrentCell(rowCount() - 1, column);
    event->accept();
    return;
  }
  TRowEditGrid::keyPressEvent(event);
}

}  // namespace ae
