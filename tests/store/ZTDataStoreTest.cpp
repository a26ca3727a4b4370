#include <QCoreApplication>
#include <QSqlDatabase>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "store/AEParamTable.h"
#include "store/ZTDataStore.h"
#include "tests/support/StoreTestSupport.h"

namespace ae {
namespace {

namespace fs = std::filesystem;
using test::RawDb;
using test::ScopedEnv;

class ZTDataStoreTest : public test::StoreTest {
 protected:
  // The error text of opening the file, or empty when it opened.
  static std::string OpenError(const std::string& path) {
    try {
      ZTDataStore store(path);
    } catch (const EStore& e) {
      return e.what();
    }
    return {};
  }
};

TEST_F(ZTDataStoreTest, DefaultPathIsZtdataDbElseTheUsersDataFolder) {
  EXPECT_EQ(ZTDataStore::DefaultPath(), DbPath());
  ScopedEnv noDb("ZTDATA_DB", "");
  {
    ScopedEnv data("XDG_DATA_HOME", "/data/home");
    EXPECT_EQ(ZTDataStore::DefaultPath(), "/data/home/Brantel/Zemtal/ZTData.sqlite");
  }
  ScopedEnv home("HOME", "/home/analyst");
  for (const char* data : {static_cast<const char*>(nullptr), "", "relative/data"}) {
    ScopedEnv xdg("XDG_DATA_HOME", data);
    EXPECT_EQ(ZTDataStore::DefaultPath(), "/home/analyst/.local/share/Brantel/Zemtal/ZTData.sqlite");
  }
}

TEST_F(ZTDataStoreTest, FirstOpenCreatesFoldersSchemaAndShippedRows) {
  const std::string path = dir_.File("a/b/ZTData.sqlite");
  ScopedEnv db("ZTDATA_DB", path.c_str());
  {
    ZTDataStore store;
    EXPECT_EQ(store.Path(), path);
    EXPECT_EQ(AEParamTable(store).ParamCodeOf("Amplitude"), 256);
  }
  ASSERT_TRUE(fs::is_regular_file(path));
  // Nothing but the database is left in its folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path() / "a/b"), fs::directory_iterator()), 1);

  RawDb raw(path);
  EXPECT_EQ(raw.Scalar("SELECT COUNT(*) FROM AEParams").toInt(), 18);
  EXPECT_EQ(raw.Scalar("SELECT COUNT(*) FROM AESystem").toInt(), 7);
  EXPECT_EQ(raw.Scalar("PRAGMA user_version").toInt(), 1);  // the rows of source location are there
  EXPECT_GE(raw.Scalar("SELECT COUNT(*) FROM VNGrfSys").toInt(), 2);
  EXPECT_EQ(raw.Scalar("SELECT COUNT(*) FROM Filters").toInt(), 0);
  for (const char* index :
       {"AsParamName", "AsParamConst", "AsDate", "GSystemID", "GPageID", "FRMinMax_FID", "FExpress_FID"})
    EXPECT_EQ(raw.Scalar(QString("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = '%1'").arg(index))
                  .toInt(),
              1)
        << index;
  // Case-insensitive name indexes.
  EXPECT_TRUE(raw.Scalar("SELECT sql FROM sqlite_master WHERE name = 'AsParamName'").toString().contains("NOCASE"));
  // Required fields refuse an empty value.
  EXPECT_FALSE(
      raw.Exec("INSERT INTO Filters (FDate, FName, ADepFlag, BDepFlag, CDepFlag) "
               "VALUES ('2024-01-01', 'x', 0, 0, 0)"));
}

TEST_F(ZTDataStoreTest, AnExistingFileIsOpenedAsItIsNeverSeededAgain) {
  { ZTDataStore store; }
  {
    RawDb raw(DbPath());
    ASSERT_TRUE(raw.Exec("UPDATE AEParams SET ParamName = 'Peak amplitude' WHERE ParamConst = 256"));
    ASSERT_TRUE(raw.Exec("DELETE FROM VNGrfSys WHERE GSystemID = 2"));
    ASSERT_TRUE(raw.Exec("DELETE FROM AEParams WHERE ParamConst = 512"));
  }
  ZTDataStore store;
  AEParamTable params(store);
  EXPECT_EQ(params.ParamNameOf(256), "Peak amplitude");
  EXPECT_EQ(params.ParamCodeOf("Amplitude"), 0);
  EXPECT_EQ(params.ParamCodeOf("DP"), 0);
  RawDb raw(DbPath());
  EXPECT_EQ(raw.Scalar("SELECT COUNT(*) FROM AEParams").toInt(), 17);
  EXPECT_EQ(raw.Scalar("SELECT COUNT(*) FROM VNGrfSys").toInt(), 2);
}

TEST_F(ZTDataStoreTest, AFileMadeBeforeSourceLocationGetsItsRowsOnce) {
  { ZTDataStore store; }
  auto count = [this](const char* sql) { return RawDb(DbPath()).Scalar(sql).toInt(); };
  const int params = count("SELECT COUNT(*) FROM AEParams");
  const int families = count("SELECT COUNT(*) FROM \"Prm&Sys\"");
  const int graphs = count("SELECT COUNT(*) FROM VNGraph");
  {
    // The file as it was before: no location rows, user_version 0, and a row of the user's.
    RawDb raw(DbPath());
    ASSERT_TRUE(
        raw.Exec("DELETE FROM \"Prm&Sys\" WHERE ParamID IN "
                 "(SELECT ParamID FROM AEParams WHERE ParamConst IN (65536, 131072))"));
    ASSERT_TRUE(raw.Exec("DELETE FROM AEParams WHERE ParamConst IN (65536, 131072)"));
    ASSERT_TRUE(
        raw.Exec("DELETE FROM VNGraph WHERE GPageID IN (SELECT GPageID FROM VNGrfPge WHERE GSystemID IN "
                 "(SELECT GSystemID FROM VNGrfSys WHERE Name = 'Location'))"));
    ASSERT_TRUE(
        raw.Exec("DELETE FROM VNGrfPge WHERE GSystemID IN (SELECT GSystemID FROM VNGrfSys WHERE Name = "
                 "'Location')"));
    ASSERT_TRUE(raw.Exec("DELETE FROM VNGrfSys WHERE Name = 'Location'"));
    ASSERT_TRUE(raw.Exec("UPDATE AEParams SET ParamName = 'Peak amplitude' WHERE ParamConst = 256"));
    ASSERT_TRUE(raw.Exec("PRAGMA user_version = 0"));
  }
  {
    ZTDataStore store;
    AEParamTable table(store);
    EXPECT_EQ(table.ParamCodeOf("Location X, m"), 65536);
    EXPECT_EQ(table.ParamNameOf(131072), "Location Y, m");
    EXPECT_EQ(table.ParamNameOf(256), "Peak amplitude");  // the user's row as it was
  }
  EXPECT_EQ(count("SELECT COUNT(*) FROM AEParams"), params);
  EXPECT_EQ(count("SELECT COUNT(*) FROM \"Prm&Sys\""), families);
  EXPECT_EQ(count("SELECT COUNT(*) FROM VNGraph"), graphs);
  EXPECT_EQ(count("SELECT COUNT(*) FROM VNGrfSys WHERE Name = 'Location'"), 1);
  EXPECT_EQ(count("PRAGMA user_version"), 1);

  // Once there, what the user does with them stays: removed rows do not come back.
  ASSERT_TRUE(RawDb(DbPath()).Exec("DELETE FROM VNGrfSys WHERE Name = 'Location'"));
  { ZTDataStore store; }
  EXPECT_EQ(count("SELECT COUNT(*) FROM VNGrfSys WHERE Name = 'Location'"), 0);
}

TEST_F(ZTDataStoreTest, AForeignDamagedOrIncompleteFileGivesAClearErrorAndStaysAsItWas) {
  { ZTDataStore store; }
  const auto good = test::ReadFileBytes(DbPath());

  struct Case {
    const char* name;
    std::function<void(const std::string&)> make;
    std::vector<std::string> expected;  // parts of the message besides the file name
  };
  const std::vector<Case> cases = {
      {"text.sqlite",
       [](const std::string& p) { std::ofstream(p) << "Channel,Amplitude\n1,45\n"; },
       {"not an SQLite database"}},
      {"empty.sqlite", [](const std::string& p) { std::ofstream{p}; }, {"\"AEParams\"", "missing"}},
      {"truncated.sqlite",
       [&](const std::string& p) {
         test::WriteFileBytes(p, std::vector<unsigned char>(good.begin(), good.begin() + good.size() / 2));
       },
       {"damaged"}},
      {"foreign.sqlite",
       [](const std::string& p) {
         RawDb raw(p);
         raw.Exec("CREATE TABLE Customers (Id INTEGER, Name TEXT)");
       },
       {"\"AEParams\"", "missing"}},
      {"no-graphs.sqlite",
       [&](const std::string& p) {
         test::WriteFileBytes(p, good);
         RawDb(p).Exec("DROP TABLE VNGraph");
       },
       {"\"VNGraph\"", "missing"}},
      {"no-field.sqlite",
       [&](const std::string& p) {
         test::WriteFileBytes(p, good);
         RawDb(p).Exec("ALTER TABLE FRExpr DROP COLUMN Token");
       },
       {"\"FRExpr\"", "\"Token\""}},
  };
  for (const Case& c : cases) {
    const std::string path = dir_.File(c.name);
    c.make(path);
    const auto before = test::ReadFileBytes(path);
    const std::string error = OpenError(path);
    EXPECT_NE(error.find("\"" + path + "\""), std::string::npos) << c.name << ": " << error;
    for (const std::string& part : c.expected)
      EXPECT_NE(error.find(part), std::string::npos) << c.name << ": " << error;
    EXPECT_EQ(test::ReadFileBytes(path), before) << c.name;
  }
}

TEST_F(ZTDataStoreTest, APlaceThatCannotHoldTheFileGivesAClearError) {
  std::ofstream(dir_.File("plain")) << "x";
  for (const std::string& path : {dir_.File("plain/sub/ZTData.sqlite"), dir_.Path().string()}) {
    const std::string error = OpenError(path);
    EXPECT_NE(error.find(path), std::string::npos) << error;
  }
  EXPECT_FALSE(OpenError("").empty());
}

TEST_F(ZTDataStoreTest, StoresLiveSideBySideAndLeaveNoConnectionBehind) {
  const int before = QSqlDatabase::connectionNames().size();
  {
    ZTDataStore first;
    ZTDataStore second;  // the same file
    ZTDataStore other(dir_.File("other.sqlite"));
    {
      RawDb raw(dir_.File("other.sqlite"));
      ASSERT_TRUE(raw.Exec("UPDATE AEParams SET ParamName = 'Amp' WHERE ParamConst = 256"));
    }
    EXPECT_EQ(AEParamTable(first).ParamNameOf(256), "Amplitude");
    EXPECT_EQ(AEParamTable(other).ParamNameOf(256), "Amp");
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), before + 3);
  }
  EXPECT_EQ(QSqlDatabase::connectionNames().size(), before);
  std::ofstream(dir_.File("text.sqlite")) << "not a database";
  EXPECT_FALSE(OpenError(dir_.File("text.sqlite")).empty());
  EXPECT_EQ(QSqlDatabase::connectionNames().size(), before);
}

// The SQLite driver is a plugin; programs with and without an application object find it.
TEST_F(ZTDataStoreTest, OpensWithAndWithoutAnApplicationObject) {
  ASSERT_EQ(QCoreApplication::instance(), nullptr);
  {
    ZTDataStore store;
    EXPECT_EQ(AEParamTable(store).ParamCodeOf("Counts"), 32);
  }
  {
    int argc = 1;
    char name[] = "store_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ZTDataStore store(dir_.File("with-app.sqlite"));
    EXPECT_EQ(AEParamTable(store).ParamCodeOf("Counts"), 32);
  }
  ZTDataStore after(dir_.File("after-app.sqlite"));
  EXPECT_EQ(AEParamTable(after).ParamCodeOf("Counts"), 32);
}

}  // namespace
}  // namespace ae
