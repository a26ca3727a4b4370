#include "filter/ui/TExpressionGrid.h"

#include <QHeaderView>
#include <algorithm>

#include "filter/core/FilterControls.h"
#include "filter/ui/FilterBoxes.h"
#include "ui/QtText.h"

namespace ae {

namespace {

const char* const ScopeLabels[ExpressionRows] = {
    QT_TRANSLATE_NOOP("ae::TExpressionGrid", "All hits"), QT_TRANSLATE_NOOP("ae::TExpressionGrid", "Second hit"),
    QT_TRANSLATE_NOOP("ae::TExpressionGrid", "Third hit"), QT_TRANSLATE_NOOP("ae::TExpressionGrid", "Any hit")};

}  // namespace

TExpressionGrid::TExpressionGrid(QWidget* parent) : QTableWidget(ExpressionRows, 2, parent) {
  setObjectName("GridExpressions");
  verticalHeader()->hide();
  horizontalHeader()->setFont(font());
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  WriteTitles();
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  // The scope labels whole, in either language.
  int labels = 72;
  for (const char* label : ScopeLabels) labels = std::max(labels, fontMetrics().horizontalAdvance(tr(label)) + 8);
  setColumnWidth(0, labels);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabKeyNavigation(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  for (int r = 0; r < ExpressionRows; ++r) {
    auto* label = new QTableWidgetItem(tr(ScopeLabels[r]));
    // Only the main expression is in use; the other scopes are shown disabled.
    label->setFlags(r == 0 ? Qt::ItemIsEnabled : Qt::NoItemFlags);
    setItem(r, 0, label);
    setItem(r, 1, new QTableWidgetItem);
  }
  setCurrentCell(0, 1);
  const int height = horizontalHeader()->sizeHint().height() + ExpressionRows * verticalHeader()->defaultSectionSize() +
                     2 * frameWidth();
  setFixedSize(250, height);
}

void TExpressionGrid::WriteTitles() { setHorizontalHeaderLabels({tr("Filter scope"), Msg(1055)}); }

void TExpressionGrid::DefaultMainExpression() {
  // Only an empty main expression gets the default: activation follows every dialog and
  // box, and must not overwrite a typed or loaded expression.
  if (item(0, 1)->text().isEmpty()) item(0, 1)->setText("A");
}

void TExpressionGrid::ReadInto(FilterControls& controls) const {
  for (int r = 0; r < ExpressionRows; ++r) controls.Expressions[r] = S(item(r, 1)->text());
}

void TExpressionGrid::Apply(const FilterControls& controls) {
  for (int r = 0; r < ExpressionRows; ++r) item(r, 1)->setText(Q(controls.Expressions[r]));
}

}  // namespace ae
