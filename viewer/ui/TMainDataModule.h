#pragma once
// The viewer's data module: the table store with the graph database and the parameter table,
// opened once at start.
#include <memory>
#include <string>

#include "store/GraphDatabase.h"
#include "store/ZTDataStore.h"

namespace ae {

class TMainDataModule {
 public:
  // Opens (or creates) the store; raises EStore.
  explicit TMainDataModule(const std::string& path = ZTDataStore::DefaultPath())
      : store_(std::make_unique<ZTDataStore>(path)), graphs_(*store_) {}

  ZTDataStore& Store() { return *store_; }
  GraphDatabase& Graphs() { return graphs_; }

 private:
  std::unique_ptr<ZTDataStore> store_;
  GraphDatabase graphs_;
};

}  // namespace ae
