#pragma once

#include <string>

#include "filter/db/FilterDatabase.h"
#include "filter/db/StoreParamNames.h"
#include "store/AEParamTable.h"
#include "store/ZTDataStore.h"

namespace ae {

// The filter program's tables: the table store, the AE parameter table (with the filter's name
// lookups over it) and the filter database, open from program start to program end.
class TDataModule2 {
 public:
  // Opens (or creates) the store; throws EStore.
  explicit TDataModule2(const std::string& path = ZTDataStore::DefaultPath());

  ZTDataStore& Store() { return store_; }
  AEParamTable& Params() { return params_; }
  // The parameter table as the filter engine asks it.
  const AParamNames& ParamNames() const { return paramNames_; }
  FilterDatabase& Filters() { return filters_; }

 private:
  ZTDataStore store_;
  AEParamTable params_;
  StoreParamNames paramNames_;
  FilterDatabase filters_;
};

}  // namespace ae
