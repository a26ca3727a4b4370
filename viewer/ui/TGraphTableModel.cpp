#include "viewer/ui/TGraphTableModel.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ae {

TGraphTableModel::TGraphTableModel(const QSqlDatabase& database, const QString& table, const QString& keyField,
                                   const QString& masterField, QObject* parent)
    : QSqlTableModel(parent, database) {
  setTable(table);
  setEditStrategy(QSqlTableModel::OnManualSubmit);
  keyColumn_ = fieldIndex(keyField);
  masterColumn_ = masterField.isEmpty() ? -1 : fieldIndex(masterField);
  // Stored order is key order: the order of the tabs and of the graph numbers.
  setSort(keyColumn_, Qt::AscendingOrder);
}

bool TGraphTableModel::Load() {
  deleted_.clear();
  newKeys_.clear();
  if (!select()) return false;
  // The tables are small; the window needs every row at once for its filters.
  while (canFetchMore()) fetchMore();
  loadedRows_ = rowCount();
  return true;
}

int TGraphTableModel::RowOf(int key) const {
  for (int row = 0; row < rowCount(); ++row)
    if (KeyOf(row) == key) return row;
  return -1;
}

int TGraphTableModel::AppendRow(const std::vector<std::pair<const char*, QVariant>>& values) {
  const int row = rowCount();
  insertRow(row);
  setData(index(row, keyColumn_), nextTemporaryKey_--);
  for (const auto& [field, value] : values) setData(index(row, Column(field)), value);
  return row;
}

void TGraphTableModel::DeleteRow(int row) {
  if (row < 0 || row >= rowCount() || IsDeleted(row)) return;
  // New rows follow the rows read, so removing one never moves a row marked here.
  if (row >= loadedRows_) {
    removeRow(row);
    return;
  }
  removeRow(row);
  deleted_.insert(row);
}

bool TGraphTableModel::IsEdited(int row) const {
  if (IsDeleted(row)) return false;
  if (row >= loadedRows_) return true;
  for (int column = 0; column < columnCount(); ++column)
    if (isDirty(index(row, column))) return true;
  return false;
}

bool TGraphTableModel::WriteChanges() {
  newKeys_.clear();
  if (!submitAll()) return false;
  deleted_.clear();
  while (canFetchMore()) fetchMore();
  loadedRows_ = rowCount();
  return true;
}

void TGraphTableModel::RemapMaster(const std::map<int, int>& masterKeys) {
  if (masterColumn_ < 0) return;
  for (int row = 0; row < rowCount(); ++row) {
    const int master = MasterOf(row);
    if (master >= 0 || IsDeleted(row)) continue;
    if (const auto found = masterKeys.find(master); found != masterKeys.end())
      setData(index(row, masterColumn_), found->second);
  }
}

bool TGraphTableModel::insertRowIntoTable(const QSqlRecord& values) {
  QSqlRecord record = values;
  const int temporary = record.value(keyColumn_).toInt();
  // The store gives the key.
  record.setGenerated(keyColumn_, false);
  QSqlDatabase db = database();
  QString statement = db.driver()->sqlStatement(QSqlDriver::InsertStatement, tableName(), record, true);
  if (statement.isEmpty()) statement = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tableName());
  QSqlQuery query(db);
  bool ok = query.prepare(statement);
  for (int i = 0; ok && i < record.count(); ++i)
    if (record.isGenerated(i)) query.addBindValue(record.value(i));
  ok = ok && query.exec();
  if (!ok) {
    setLastError(query.lastError());
    return false;
  }
  newKeys_[temporary] = query.lastInsertId().toInt();
  return true;
}

}  // namespace ae
