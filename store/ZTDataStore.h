#pragma once

#include <QSqlDatabase>
#include <QString>
#include <stdexcept>
#include <string>

namespace ae {

// A failure of the table store (not a database, a missing table, a failed statement); the text
// names the file, and the table or statement where there is one.
class EStore : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The "ZTData" table store: one SQLite file holding the AE parameter table, the graph database
// and the filter database. A missing file is created with the whole schema and the shipped rows
// in one transaction; an existing file is opened as it is and never re-seeded, except that a file
// made before source location gets its rows once (rows there already stay as they are).
class ZTDataStore {
 public:
  // ZTDATA_DB when set, else $XDG_DATA_HOME/Brantel/Zemtal/ZTData.sqlite.
  static std::string DefaultPath();

  // Opens (or creates) the store; throws EStore.
  explicit ZTDataStore(const std::string& path = DefaultPath());
  ~ZTDataStore();
  ZTDataStore(const ZTDataStore&) = delete;
  ZTDataStore& operator=(const ZTDataStore&) = delete;

  const std::string& Path() const { return path_; }
  // The open connection, for the table classes built on the store (here and in filter/db).
  QSqlDatabase Database() const;
  // Raises EStore with the text prefixed by the file name.
  [[noreturn]] void Fail(const std::string& what) const;

 private:
  void Open();
  void Create();
  void Verify();
  void Upgrade();
  void Close();

  std::string path_;
  QString connectionName_;
};

}  // namespace ae
