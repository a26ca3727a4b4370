#include "viewer/ui/THoldsGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "ui/QtText.h"
#include "viewer/core/ProfileValues.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/ShownNumbers.h"

namespace ae {

namespace {

constexpr int Digits = 6;

}  // namespace

THoldsGrid::THoldsGrid(QWidget* parent) : TRowEditGrid(ColumnCount, parent) {
  setObjectName(QStringLiteral("SGPrHold"));
  QStringList titles;
  for (int id = vmHoldLabel; id <= vmHoldDelay; ++id) titles << Q(ViewerText(id));
  setHorizontalHeaderLabels(titles);
  // The five columns share the grid's width, so that every title shows without scrolling.
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  SetHolds({});
}

QStringList THoldsGrid::NewRowTexts() const {
  return {QString(), QString(), QString(), QStringLiteral("600"), QStringLiteral("120")};
}

void THoldsGrid::SetHolds(const std::vector<AHold>& holds) {
  setRowCount(0);
  if (holds.empty()) {
    setRowCount(1);
    EnsureCells(0, true);
  } else {
    setRowCount(static_cast<int>(holds.size()));
    for (int r = 0; r < rowCount(); ++r) {
      const AHold& hold = holds[static_cast<std::size_t>(r)];
      EnsureCells(r);
      item(r, colLabel)->setText(Q(hold.Label));
      ShowReal(item(r, colPressure), hold.Pressure, Digits);
      ShowReal(item(r, colStart), hold.Start, Digits);
      ShowReal(item(r, colLength), hold.Length, Digits);
      ShowReal(item(r, colDelay), hold.Delay, Digits);
    }
  }
  setCurrentCell(0, 0);
}

THoldsGrid::Reading THoldsGrid::ReadHolds() const {
  Reading reading;
  for (int r = 0; r < rowCount(); ++r) {
    if (CellText(r, colStart).isEmpty()) continue;  // a row without a start is no hold
    AHold hold;
    hold.Label = S(CellText(r, colLabel));
    for (const auto& [column, field] : {std::pair{colPressure, &AHold::Pressure}, std::pair{colStart, &AHold::Start},
                                        std::pair{colLength, &AHold::Length}, std::pair{colDelay, &AHold::Delay}}) {
      const std::optional<double> value = RealOf(item(r, column));
      const std::optional<float> single = value ? ToSingle(*value) : std::nullopt;
      if (!single) {
        reading.Row = r;
        reading.Column = column;
        reading.Problem = tr("Pressure holds, row %1, %2: \"%3\" is not a number.")
                              .arg(r + 1)
                              .arg(Q(ViewerText(vmHoldLabel + static_cast<int>(column))), CellText(r, column));
        reading.Holds.clear();
        return reading;
      }
      hold.*field = *single;
    }
    reading.Holds.push_back(std::move(hold));
  }
  return reading;
}

void THoldsGrid::AppendRow() {
  const int column = std::max(0, currentColumn());
  setRowCount(rowCount() + 1);
  EnsureCells(rowCount() - 1, true);
  setCurrentCell(rowCount() - 1, column);
}

void THoldsGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Down && !mods.testFlag(Qt::ShiftModifier) && currentRow() == rowCount() - 1) {
    AppendRow();
    event->accept();
    return;
  }
  TRowEditGrid::keyPressEvent(event);
}

}  // namespace ae
