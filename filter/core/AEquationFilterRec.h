#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "datafiles/AWDiskFile.h"
#include "filter/core/AFilterRec.h"

namespace ae {

// One row of the correlation window D: value(Y) compared by the sign with A * value(X) + B.
class AEquationFilterRec : public AFilterRec {
 public:
  enum : int32_t { scEqual = 0, scGreater = 1, scLess = 2, scGreaterEqual = 3, scLessEqual = 4, scIllegal = 5 };

  using AFilterRec::AFilterRec;

  // Converts and validates one grid row (row numbers from 1); raises EFRecError.
  void SetFromText(int row, const std::string& yName, const std::string& signText, const std::string& aText,
                   const std::string& xName, const std::string& bText);

  bool Test(AWDiskFile& hit) const {
    const double r = hit.GetValue(XCode) * A + B;
    const double y = hit.GetValue(YCode);
    switch (SignCode) {
      case scEqual: return y == r;
      case scGreater: return y > r;
      case scLess: return y < r;
      case scGreaterEqual: return y >= r;
      case scLessEqual: return y <= r;
      default: return false;
    }
  }
  // "\t" Y "\t" sign "\t(" A ") * \t" X "\t+\t(" B ")", with its line break.
  void WriteReport(std::ostream& os) const;

  // Exactly "=", ">", "<", ">=", "<="; anything else is scIllegal.
  static int32_t SignCodeOf(const std::string& text);
  // The sign of a code; message 1039 "Illegal Token" for any other code.
  static std::string SignText(int32_t code);

  int32_t XCode = 0;
  int32_t YCode = 0;
  double A = 0.0;
  double B = 0.0;
  int32_t SignCode = scIllegal;
};

}  // namespace ae
