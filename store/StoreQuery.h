#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <string>

namespace ae {

class ZTDataStore;

// One prepared statement of the store. Every value goes in through Bind; a failure to prepare
// or execute raises EStore naming the file, the context given and the database's reason.
class StoreQuery {
 public:
  StoreQuery(const ZTDataStore& store, const QString& sql, std::string context);

  StoreQuery& Bind(const QString& placeholder, const QVariant& value);
  StoreQuery& Exec();
  bool Next() { return query_.next(); }
  // A field of the current row by name; a null QVariant for an empty field.
  QVariant Value(const QString& field) const { return query_.value(field); }
  QVariant LastInsertId() const { return query_.lastInsertId(); }

 private:
  [[noreturn]] void Fail() const;

  const ZTDataStore& store_;
  QSqlQuery query_;
  std::string context_;
};

}  // namespace ae
