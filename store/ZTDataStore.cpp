#include "store/ZTDataStore.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "store/SqlScript.h"
#include "store/StoreQuery.h"
#include "store/StoreTransaction.h"
#include "store/ZTDataSql.h"

namespace ae {

namespace {

const QString Driver = QStringLiteral("QSQLITE");

// Every store has a connection of its own, so that several stores (of one program or of the
// tests) live side by side.
QString NextConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("ZTData-%1").arg(++counter);
}

QString ErrorReason(const QSqlError& error) {
  return error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
}

struct TableFields {
  QString Table;
  QStringList Fields;
};

// The tables and fields an existing file must have: those the schema script creates, learnt by
// running it on an empty in-memory database once per program run.
const std::vector<TableFields>& ReferenceSchema() {
  static const std::vector<TableFields> schema = [] {
    std::vector<TableFields> tables;
    const QString name = NextConnectionName() + QStringLiteral("-schema");
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(Driver, name);
      db.setDatabaseName(QStringLiteral(":memory:"));
      if (db.open()) {
        for (const QString& statement : SplitSqlScript(QString::fromUtf8(ZTDataSchemaSql)))
          QSqlQuery(db).exec(statement);
        QSqlQuery list(db);
        list.exec(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
            "ORDER BY rowid");
        while (list.next()) tables.push_back({list.value(0).toString(), {}});
        for (TableFields& table : tables) {
          QSqlQuery fields(db);
          fields.prepare("SELECT name FROM pragma_table_info(:TABLE)");
          fields.bindValue(":TABLE", table.Table);
          fields.exec();
          while (fields.next()) table.Fields.append(fields.value(0).toString());
        }
      }
      db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return tables;
  }();
  return schema;
}

void RunScript(const ZTDataStore& store, const char* script, const std::string& context) {
  const QSqlDatabase db = store.Database();
  for (const QString& statement : SplitSqlScript(QString::fromUtf8(script))) {
    QSqlQuery query(db);
    if (!query.exec(statement))
      store.Fail(context + ": " + ErrorReason(query.lastError()).toStdString() + " in \"" +
                 statement.left(60).simplified().toStdString() + "...\"");
  }
}

// The user_version of a file that holds the rows of source location.
constexpr int LocationRowsVersion = 1;

void SetRowsVersion(const ZTDataStore& store, int version) {
  QSqlQuery query(store.Database());
  if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)))
    store.Fail("cannot mark the version of the rows: " + ErrorReason(query.lastError()).toStdString());
}

}  // namespace

std::string ZTDataStore::DefaultPath() {
  if (const char* db = std::getenv("ZTDATA_DB"); db != nullptr && *db != '\0') return db;
  std::string base;
  // A relative XDG_DATA_HOME is invalid and ignored, as the XDG base directory rules say.
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
    base = data;
  } else {
    const char* home = std::getenv("HOME");
    base = (home != nullptr && *home != '\0' ? std::string(home) : QDir::homePath().toStdString()) + "/.local/share";
  }
  return base + "/Brantel/Zemtal/ZTData.sqlite";
}

ZTDataStore::ZTDataStore(const std::string& path) : path_(path), connectionName_(NextConnectionName()) {
  try {
    Open();
  } catch (...) {
    Close();
    throw;
  }
}

ZTDataStore::~ZTDataStore() { Close(); }

QSqlDatabase ZTDataStore::Database() const { return QSqlDatabase::database(connectionName_, false); }

void ZTDataStore::Fail(const std::string& what) const { throw EStore("ZTData \"" + path_ + "\": " + what); }

void ZTDataStore::Open() {
  if (path_.empty()) throw EStore("ZTData: no database file name");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(Driver, connectionName_);
    if (!db.isValid())
      Fail("the SQLite driver of QtSql (QSQLITE) is not available; drivers found: " +
           QSqlDatabase::drivers().join(", ").toStdString());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
  }
  const QString file = QString::fromStdString(path_);
  if (QFileInfo(file).isDir()) Fail("this is a folder, not a database file");
  if (!QFileInfo::exists(file)) Create();
  QSqlDatabase db = Database();
  db.setDatabaseName(file);
  if (!db.open()) Fail("cannot open the file: " + ErrorReason(db.lastError()).toStdString());
  Verify();
  Upgrade();
}

// A file made before source location gets its rows, once: the user may have removed them
// since. A file that cannot be written (read-only, or busy for longer than the timeout) is used
// as it is, without them, and tried again the next time.
void ZTDataStore::Upgrade() {
  QSqlQuery version(Database());
  if (!version.exec("PRAGMA user_version") || !version.next()) return;
  if (version.value(0).toInt() >= LocationRowsVersion) return;
  version.finish();
  try {
    StoreTransaction transaction(*this);
    RunScript(*this, ZTDataLocationRowsSql, "cannot add the rows of source location");
    SetRowsVersion(*this, LocationRowsVersion);
    transaction.Commit();
  } catch (const EStore&) {}
}

// Builds the new database in a temporary file beside the target and moves it into place only
// when complete: an interrupted creation never leaves a half-made file under the real name, and
// a file another program created meanwhile is never replaced.
void ZTDataStore::Create() {
  const QString file = QString::fromStdString(path_);
  const QFileInfo info(file);
  if (!QDir().mkpath(info.absolutePath()))
    Fail("cannot create the folder \"" + info.absolutePath().toStdString() + "\"");
  QTemporaryFile temp(file + QStringLiteral(".XXXXXX"));
  if (!temp.open())
    Fail("cannot create a file in \"" + info.absolutePath().toStdString() + "\": " + temp.errorString().toStdString());
  temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                      QFileDevice::ReadOther);
  temp.close();
  {
    QSqlDatabase db = Database();
    db.setDatabaseName(temp.fileName());
    if (!db.open()) Fail("cannot create the file: " + ErrorReason(db.lastError()).toStdString());
  }
  {
    StoreTransaction transaction(*this);
    RunScript(*this, ZTDataSchemaSql, "cannot create the tables");
    RunScript(*this, ZTDataRowsSql, "cannot write the shipped rows");
    RunScript(*this, ZTDataLocationRowsSql, "cannot write the shipped rows");
    SetRowsVersion(*this, LocationRowsVersion);
    transaction.Commit();
  }
  Database().close();

  const QByteArray from = QFile::encodeName(temp.fileName());
  const QByteArray to = QFile::encodeName(file);
  if (::link(from.constData(), to.constData()) == 0 || errno == EEXIST) return;  // the temporary name goes with temp
  // A file system without hard links: a rename that checks first is the best left.
  if (QFileInfo::exists(file)) return;
  if (std::rename(from.constData(), to.constData()) != 0) Fail("cannot create the file");
  temp.setAutoRemove(false);
}

void ZTDataStore::Verify() {
  const QSqlDatabase db = Database();
  QSqlQuery tables(db);
  // SQLite reads the file at the first statement: a foreign file fails here.
  if (!tables.exec("SELECT name FROM sqlite_master WHERE type = 'table'")) {
    const QSqlError error = tables.lastError();
    const std::string reason = " (" + ErrorReason(error).toStdString() + ")";
    const QString code = error.nativeErrorCode();
    if (code == QStringLiteral("26"))  // SQLITE_NOTADB
      Fail("not an SQLite database" + reason);
    if (code == QStringLiteral("11"))  // SQLITE_CORRUPT
      Fail("the database is damaged" + reason);
    Fail("cannot read the database" + reason);
  }
  QStringList present;
  while (tables.next()) present.append(tables.value(0).toString());

  QSqlQuery check(db);
  if (!check.exec("PRAGMA quick_check"))
    Fail("the database is damaged (" + ErrorReason(check.lastError()).toStdString() + ")");
  if (check.next() && check.value(0).toString() != QStringLiteral("ok"))
    Fail("the database is damaged (" + check.value(0).toString().toStdString() + ")");

  for (const TableFields& table : ReferenceSchema()) {
    if (!present.contains(table.Table, Qt::CaseInsensitive))
      Fail("the table \"" + table.Table.toStdString() + "\" is missing");
    StoreQuery fields(*this, "SELECT name FROM pragma_table_info(:TABLE)", "cannot read the table");
    fields.Bind(":TABLE", table.Table).Exec();
    QStringList have;
    while (fields.Next()) have.append(fields.Value("name").toString());
    for (const QString& field : table.Fields)
      if (!have.contains(field, Qt::CaseInsensitive))
        Fail("the table \"" + table.Table.toStdString() + "\" lacks the field \"" + field.toStdString() + "\"");
  }
}

void ZTDataStore::Close() {
  {
    QSqlDatabase db = Database();
    if (db.isValid()) db.close();
  }
  QSqlDatabase::removeDatabase(connectionName_);
}

}  // namespace ae
