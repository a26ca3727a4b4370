#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "datafiles/AWDiskFile.h"
#include "filter/core/AFilterRec.h"

namespace ae {

// One row of window A, B or C: a hit passes when min <= value <= max of one parameter.
class AMinMaxFilterRec : public AFilterRec {
 public:
  using AFilterRec::AFilterRec;

  // Converts and validates one grid row (row numbers from 1); raises EFRecError.
  void SetFromText(int row, const std::string& name, const std::string& minText, const std::string& maxText);

  bool Test(AWDiskFile& hit) const {
    const double v = hit.GetValue(ParamCode);
    return Min <= v && v <= Max;
  }
  // "\t" name "\t" min "\t" max, with its line break.
  void WriteReport(std::ostream& os) const;

  int32_t ParamCode = 0;
  double Min = 0.0;
  double Max = 0.0;
};

}  // namespace ae
