#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "datafiles/AWDiskFile.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterControls.h"

namespace ae {

// What both window kinds share: the size of the grid, the records read from it, the join of
// the records, and the checks a grid passes before its rows are converted.
class AFilterWin {
 public:
  int32_t RowCount = 0;  // data rows of the grid
  int32_t RecCount = 0;  // records read; 0: the window is empty and takes no part
  bool JoinAnd = false;

  // The letter of a window index: A, B, C, D.
  static char Letter(int index) { return static_cast<char>('A' + index); }

 protected:
  // Steps before the rows are read: join box, row count, the empty window, blank rows and
  // empty cells. False when the window is empty.
  bool CheckGrid(bool joinAnd, const FilterGrid& grid, int columns);
  // The text of a cell; a cell the description lacks is empty.
  static const std::string& Cell(const FilterGrid& grid, std::size_t row, int column);
  // " - " + "Объединение записей по [AND]" (or [OR]), or " - " + "Нет записей" without records.
  void WriteJoinLine(std::ostream& os) const;

  // Runs the reading of a window; a row or record error leaving it gets "Окно X " in front.
  template <class Read>
  static void ReadPrefixed(int index, Read&& read) {
    try {
      read();
    } catch (const EFRecError& e) {
      throw EFRecError(Prefix(index) + e.what());
    } catch (const EFRowError& e) {
      throw EFRowError(Prefix(index) + e.what());
    }
  }

  // AND: all records pass (stop at the first failure); OR: one passes (stop at the first).
  template <class Rec>
  static bool TestRecords(const std::vector<Rec>& recs, AWDiskFile& hit, bool joinAnd) {
    if (joinAnd) {
      for (const Rec& rec : recs)
        if (!rec.Test(hit)) return false;
      return true;
    }
    for (const Rec& rec : recs)
      if (rec.Test(hit)) return true;
    return false;
  }

 private:
  static std::string Prefix(int index);
};

}  // namespace ae
