#include "filter/core/AMinMaxFilterRec.h"

#include <ostream>

#include "filter/core/FilterMessages.h"
#include "filter/core/FilterNumbers.h"

namespace ae {

void AMinMaxFilterRec::SetFromText(int row, const std::string& name, const std::string& minText,
                                   const std::string& maxText) {
  const int32_t code = ParamCodeOf(name);
  double min = 0.0, max = 0.0;
  if (!ParseDecimal(minText, min) || !ParseDecimal(maxText, max)) RaiseRecError(row, fmConversionError);
  // The limits are checked before the name, so a row wrong in both reports its limits.
  if (min > max) RaiseRecError(row, fmMinAboveMax);
  if (code == 0) RaiseRecError(row, fmBadParamOrSign);
  ParamCode = code;
  Min = min;
  Max = max;
}

void AMinMaxFilterRec::WriteReport(std::ostream& os) const {
  os << '\t' << ParamNameOf(ParamCode) << '\t' << ReportNumber(Min) << '\t' << ReportNumber(Max) << '\n';
}

}  // namespace ae
