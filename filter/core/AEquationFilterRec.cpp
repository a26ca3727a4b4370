#include "filter/core/AEquationFilterRec.h"

#include <array>
#include <ostream>

#include "filter/core/FilterMessages.h"
#include "filter/core/FilterNumbers.h"

namespace ae {

namespace {

constexpr std::array<const char*, 5> SignTexts = {"=", ">", "<", ">=", "<="};

}  // namespace

int32_t AEquationFilterRec::SignCodeOf(const std::string& text) {
  for (std::size_t i = 0; i < SignTexts.size(); ++i)
    if (text == SignTexts[i]) return static_cast<int32_t>(i);
  return scIllegal;
}

std::string AEquationFilterRec::SignText(int32_t code) {
  if (code >= 0 && code < static_cast<int32_t>(SignTexts.size())) return SignTexts[static_cast<std::size_t>(code)];
  return FilterMessage(fmIllegalToken);
}

void AEquationFilterRec::SetFromText(int row, const std::string& yName, const std::string& signText,
                                     const std::string& aText, const std::string& xName, const std::string& bText) {
  const int32_t x = ParamCodeOf(xName);
  const int32_t y = ParamCodeOf(yName);
  double a = 0.0, b = 0.0;
  if (!ParseDecimal(aText, a) || !ParseDecimal(bText, b)) RaiseRecError(row, fmConversionError);
  const int32_t sign = SignCodeOf(signText);
  if (x == 0 || y == 0 || sign == scIllegal) RaiseRecError(row, fmBadParamOrSign);
  XCode = x;
  YCode = y;
  A = a;
  B = b;
  SignCode = sign;
}

void AEquationFilterRec::WriteReport(std::ostream& os) const {
  os << '\t' << ParamNameOf(YCode) << '\t' << SignText(SignCode) << "\t(" << ReportNumber(A) << ") * \t"
     << ParamNameOf(XCode) << "\t+\t(" << ReportNumber(B) << ")\n";
}

}  // namespace ae
