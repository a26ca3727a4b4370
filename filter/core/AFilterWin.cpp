#include "filter/core/AFilterWin.h"

#include <ostream>

#include "filter/core/AFilterRec.h"
#include "filter/core/FilterMessages.h"

namespace ae {

const std::string& AFilterWin::Cell(const FilterGrid& grid, std::size_t row, int column) {
  static const std::string empty;
  const std::vector<std::string>& cells = grid.Rows[row];
  const auto c = static_cast<std::size_t>(column);
  return c < cells.size() ? cells[c] : empty;
}

bool AFilterWin::CheckGrid(bool joinAnd, const FilterGrid& grid, int columns) {
  JoinAnd = joinAnd;
  RowCount = static_cast<int32_t>(grid.Rows.size());
  RecCount = 0;
  auto blank = [&](std::size_t row) {
    for (int c = 0; c < columns; ++c)
      if (!Cell(grid, row, c).empty()) return false;
    return true;
  };
  if (grid.Rows.empty() || (grid.Rows.size() == 1 && blank(0))) return false;
  for (std::size_t r = 0; r < grid.Rows.size(); ++r)
    if (blank(r)) throw EFRowError(RowPrefix(static_cast<int>(r + 1)) + FilterMessage(fmEmptyRecord));
  for (std::size_t r = 0; r < grid.Rows.size(); ++r)
    for (int c = 0; c < columns; ++c)
      if (Cell(grid, r, c).empty()) throw EFRowError(RowPrefix(static_cast<int>(r + 1)) + FilterMessage(fmEmptyFields));
  return true;
}

void AFilterWin::WriteJoinLine(std::ostream& os) const {
  if (RecCount == 0) {
    os << " - " << FilterMessage(fmNoRecords) << '\n';
    return;
  }
  os << " - " << FilterMessage(fmJoinRecordsBy) << '[' << (JoinAnd ? "AND" : "OR") << "]\n";
}

std::string AFilterWin::Prefix(int index) { return FilterMessage(fmWindow) + Letter(index) + " "; }

}  // namespace ae
