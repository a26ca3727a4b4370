#include "filter/db/StoreParamNames.h"

#include <optional>
#include <utility>

#include "filter/core/FilterMessages.h"
#include "store/AEParamTable.h"

namespace ae {

int32_t StoreParamNames::ParamCodeOf(const std::string& name) const { return table_.ParamCodeOf(name); }

std::string StoreParamNames::ParamNameOf(int32_t code) const {
  if (std::optional<std::string> name = table_.ParamNameOf(code)) return std::move(*name);
  return FilterMessage(808);
}

}  // namespace ae
