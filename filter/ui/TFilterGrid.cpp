#include "filter/ui/TFilterGrid.h"

#include <QAction>
#include <QApplication>

#include "ui/QtText.h"

namespace ae {

TFilterGrid::TFilterGrid(int columns, QList<int> parameterColumns, QWidget* parent)
    : TRowEditGrid(columns, parent), parameterColumns_(std::move(parameterColumns)) {
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
