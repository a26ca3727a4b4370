#include "filter/core/AFilterExpr.h"

#include <ostream>
#include <utility>

#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"

namespace ae {

AFilterExpr::AFilterExpr(std::string text, int32_t scope) : text_(std::move(text)) { SetScope(scope); }

void AFilterExpr::SetScope(int32_t scope) {
  if (scope < 0 || scope > 3) throw EFilter(fmBadScope);
  scope_ = scope;
}

void AFilterExpr::Parse() { tree_ = text_.empty() ? nullptr : ParseExpression(text_); }

void AFilterExpr::WriteReport(std::ostream& os) const { os << FilterMessage(fmFirstHit + scope_) << text_ << '\n'; }

}  // namespace ae
