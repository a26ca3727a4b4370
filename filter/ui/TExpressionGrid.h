#pragma once

#include <QTableWidget>

namespace ae {

struct FilterControls;

// The expression grid "GridExpressions" of the top panel: rows 1 to 4 ("All hits", "Second hit",
// "Third hit", "Any hit"; only the first in use, the others shown disabled) with the label in
// column 0 and the expression in column 1.
class TExpressionGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit TExpressionGrid(QWidget* parent);

  // The titles "Filter scope" and message 1055, as activation writes them.
  void WriteTitles();
  // "A" into the main expression when it is empty.
  void DefaultMainExpression();

  void ReadInto(FilterControls& controls) const;
  void Apply(const FilterControls& controls);
};

}  // namespace ae
