#include "filter/core/AMinMaxFilterWin.h"

namespace ae {

void AMinMaxFilterWin::ReadGrid(int index, bool joinAnd, const FilterGrid& grid, const AParamNames& names) {
  Recs.clear();
  ReadPrefixed(index, [&] {
    if (!CheckGrid(joinAnd, grid, MinMaxColumns)) return;
    Recs.reserve(grid.Rows.size());
    for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
      AMinMaxFilterRec rec(names);
      rec.SetFromText(static_cast<int>(r + 1), Cell(grid, r, 0), Cell(grid, r, 1), Cell(grid, r, 2));
      Recs.push_back(rec);
      ++RecCount;
    }
  });
}

void AMinMaxFilterWin::WriteReport(std::ostream& os) const {
  WriteJoinLine(os);
  for (const AMinMaxFilterRec& rec : Recs) rec.WriteReport(os);
}

}  // namespace ae
