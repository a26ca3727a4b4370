#pragma once

#include <iosfwd>
#include <vector>

#include "filter/core/AFilterWin.h"
#include "filter/core/AMinMaxFilterRec.h"

namespace ae {

// A parameter-range window (A, B or C).
class AMinMaxFilterWin : public AFilterWin {
 public:
  // Fills the window from its grid (3 columns); raises EFRowError or EFRecError with the
  // window and row in front of the message.
  void ReadGrid(int index, bool joinAnd, const FilterGrid& grid, const AParamNames& names);

  bool Test(AWDiskFile& hit) const { return TestRecords(Recs, hit, JoinAnd); }
  // The join line and one line per record (the caller writes "Окно " and the letter).
  void WriteReport(std::ostream& os) const;

  std::vector<AMinMaxFilterRec> Recs;
};

}  // namespace ae
