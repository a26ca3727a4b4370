#include "store/StoreQuery.h"

#include <QSqlError>

#include "store/ZTDataStore.h"

namespace ae {

StoreQuery::StoreQuery(const ZTDataStore& store, const QString& sql, std::string context)
    : store_(store), query_(store.Database()), context_(std::move(context)) {
  query_.setForwardOnly(true);
  if (!query_.prepare(sql)) Fail();
}

StoreQuery& StoreQuery::Bind(const QString& placeholder, const QVariant& value) {
  query_.bindValue(placeholder, value);
  return *this;
}

StoreQuery& StoreQuery::Exec() {
  if (!query_.exec()) Fail();
  return *this;
}

void StoreQuery::Fail() const {
  const QSqlError error = query_.lastError();
  QString reason = error.databaseText();
  if (reason.isEmpty()) reason = error.driverText();
  store_.Fail(context_ + ": " + reason.toStdString());
}

}  // namespace ae
