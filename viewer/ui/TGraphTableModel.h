#pragma once
// One table of the graph database in the graph database window: every row of the table, in key
// order, with the user's changes pending until WriteChanges. A new row carries a temporary,
// negative key until then, so that its detail rows can already point at it; when it is written
// the store gives it the next key of its auto-increment, and RemapMaster then points the detail
// rows of another table at the real key.
#include <QSet>
#include <QSqlTableModel>
#include <map>
#include <utility>
#include <vector>

namespace ae {

class TGraphTableModel : public QSqlTableModel {
  Q_OBJECT

 public:
  // masterField names the field that holds the master row's key; empty for the graph sets.
  TGraphTableModel(const QSqlDatabase& database, const QString& table, const QString& keyField,
                   const QString& masterField, QObject* parent = nullptr);

  // Reads the table; false with lastError() set when it cannot.
  bool Load();

  int KeyColumn() const { return keyColumn_; }
  int MasterColumn() const { return masterColumn_; }
  int Column(const char* field) const { return fieldIndex(QString::fromLatin1(field)); }
  int KeyOf(int row) const { return data(index(row, keyColumn_), Qt::EditRole).toInt(); }
  int MasterOf(int row) const { return data(index(row, masterColumn_), Qt::EditRole).toInt(); }
  // The row with that key, or -1.
  int RowOf(int key) const;

  // Appends a row with a temporary key and these field values; returns its row.
  int AppendRow(const std::vector<std::pair<const char*, QVariant>>& values);
  // Marks a row for deletion (a row not yet written goes at once).
  void DeleteRow(int row);
  // A row marked for deletion; it stays in the model until the changes are written.
  bool IsDeleted(int row) const { return deleted_.contains(row); }
  // A row that is new or has changed fields, and not deleted.
  bool IsEdited(int row) const;

  // Writes the pending changes, inside the caller's transaction. The new rows' temporary keys
  // map to the keys the store gave them (NewKeys). False with lastError() set on a failure.
  bool WriteChanges();
  const std::map<int, int>& NewKeys() const { return newKeys_; }
  // Points the rows whose master is a temporary key at the master's real key.
  void RemapMaster(const std::map<int, int>& masterKeys);

 protected:
  bool insertRowIntoTable(const QSqlRecord& values) override;

 private:
  int keyColumn_ = -1;
  int masterColumn_ = -1;
  int loadedRows_ = 0;  // rows read by Load; new rows follow them
  int nextTemporaryKey_ = -1;
  QSet<int> deleted_;
  std::map<int, int> newKeys_;
};

}  // namespace ae
