#include "store/StoreTransaction.h"

#include "store/StoreQuery.h"
#include "store/ZTDataStore.h"

namespace ae {

StoreTransaction::StoreTransaction(const ZTDataStore& store) : store_(store) {
  StoreQuery(store_, "BEGIN IMMEDIATE", "begin a transaction").Exec();
  open_ = true;
}

StoreTransaction::~StoreTransaction() {
  if (!open_) return;
  QSqlQuery rollback(store_.Database());
  rollback.exec("ROLLBACK");  // nothing more to do when even this fails
}

void StoreTransaction::Commit() {
  StoreQuery(store_, "COMMIT", "commit a transaction").Exec();
  open_ = false;
}

}  // namespace ae
