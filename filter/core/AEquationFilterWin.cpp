#include "filter/core/AEquationFilterWin.h"

namespace ae {

void AEquationFilterWin::ReadGrid(int index, bool joinAnd, const FilterGrid& grid, const AParamNames& names) {
  Recs.clear();
  ReadPrefixed(index, [&] {
    if (!CheckGrid(joinAnd, grid, EquationColumns)) return;
    Recs.reserve(grid.Rows.size());
    for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
      AEquationFilterRec rec(names);
      rec.SetFromText(static_cast<int>(r + 1), Cell(grid, r, 0), Cell(grid, r, 1), Cell(grid, r, 2), Cell(grid, r, 3),
                      Cell(grid, r, 4));
      Recs.push_back(rec);
      ++RecCount;
    }
  });
}

void AEquationFilterWin::WriteReport(std::ostream& os) const {
  WriteJoinLine(os);
  for (const AEquationFilterRec& rec : Recs) rec.WriteReport(os);
}

}  // namespace ae
