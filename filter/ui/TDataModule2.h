#pragma once

#include <string>

#include "store/AEParamTable.h"
#include "store/FilterDatabase.h"
#include "store/ZTDataStore.h"

namespace ae {

// The filter program's tables: the table store, the AE parameter table and the filter database,
// open from program start to program end.
class TDataModule2 {
 public:
  // Opens (or creates) the store; throws EStore.
  explicit TDataModule2(const std::string& path = ZTDataStore::DefaultPath());

  ZTDataStore& Store() { return store_; }
  AEParamTable& Params() { return params_; }
  FilterDatabase& Filters() { return filters_; }

 private:
  ZTDataStore store_;
  AEParamTable params_;
  FilterDatabase filters_;
};

}  // namespace ae
