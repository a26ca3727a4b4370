#pragma once

#include "filter/core/AParamNames.h"

namespace ae {

class AEParamTable;

// The filter's name lookups answered by the AE parameter table of the store. A code the table
// lacks is named by the filter's message 808 "Неизвестный тип фильтра", as its report prints it.
class StoreParamNames : public AParamNames {
 public:
  explicit StoreParamNames(const AEParamTable& table) : table_(table) {}

  int32_t ParamCodeOf(const std::string& name) const override;
  std::string ParamNameOf(int32_t code) const override;

 private:
  const AEParamTable& table_;
};

}  // namespace ae
