#pragma once
// A temporary folder for one test with ZTDATA_DB pointing into it, restored afterwards, and
// small helpers to look into a store file behind the store's back.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace ae::test {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class StoreTest : public ::testing::Test {
 protected:
  std::string DbPath() const { return dir_.File("ZTData.sqlite"); }

  TempDir dir_;
  ScopedEnv db_{"ZTDATA_DB", dir_.File("ZTData.sqlite").c_str()};
};

// Runs statements on a database file through a connection of its own.
class RawDb {
 public:
  explicit RawDb(const std::string& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name_);
    db.setDatabaseName(QString::fromStdString(path));
    db.open();
  }
  ~RawDb() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
  }
  RawDb(const RawDb&) = delete;
  RawDb& operator=(const RawDb&) = delete;

  bool Exec(const QString& sql) {
    QSqlQuery q(QSqlDatabase::database(name_, false));
    return q.exec(sql);
  }
  // The first field of the first row, or a null QVariant.
  QVariant Scalar(const QString& sql) {
    QSqlQuery q(QSqlDatabase::database(name_, false));
    if (!q.exec(sql) || !q.next()) return {};
    return q.value(0);
  }

 private:
  QString name_ = QStringLiteral("raw-test-connection");
};

// Beside the shipped graph sets: a second set named "Proof test" (GSystemID 7) and a set
// "Empty" (8) without pages, which a choice of the set by name or by identifier must refuse.
inline void AddClashingGraphSets(RawDb& raw) {
  raw.Exec("INSERT INTO VNGrfSys (GSystemID, Name, Comment, PageNum) VALUES (7, 'Proof test', '', 0)");
  raw.Exec("INSERT INTO VNGrfSys (GSystemID, Name, Comment, PageNum) VALUES (8, 'Empty', '', 0)");
}

}  // namespace ae::test
