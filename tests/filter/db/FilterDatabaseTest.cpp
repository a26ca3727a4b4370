#include <QDate>

#include <gtest/gtest.h>

#include "filter/db/FilterDatabase.h"
#include "store/ZTDataStore.h"
#include "tests/support/StoreTestSupport.h"

namespace ae {
namespace {

using test::RawDb;
using Rows = std::vector<std::vector<std::string>>;

// A filter as a user would leave the window: window A with five rows, B with one, C empty,
// D with two, expression rows 1 and 3.
FilterControls SampleFilter() {
  FilterControls c;
  c.FilterName = "Noise below 45 dB";
  c.SelectTreatment(tiAsEvents);
  c.TypeItem = 1;
  c.MPT = "100";
  c.LOCK = " 2000";
  c.DeleteTDP = true;
  c.SmartEOT = true;
  c.Windows[fwA].Rows = {{"Amplitude", "0", "45"},
                         {"Energy", "0.5", "1e3"},
                         {"counts", "+1", "10"},
                         {"Duration", "-0.000001", "123456789012345678"},
                         {"Rise time", "0.1", "99.5"}};
  c.Windows[fwA].JoinAnd = true;
  c.Windows[fwB].Rows = {{"Channel", "3", "3"}};
  c.Windows[fwD].Rows = {{"Counts", ">", "2", "Amplitude", "-40"}, {"Duration", "<=", "10", "Counts", "5.5"}};
  c.Windows[fwD].JoinAnd = true;
  c.Expressions = {"A&!B", "", "D", ""};
  return c;
}

class FilterDatabaseTest : public test::StoreTest {
 protected:
  int Count(const QString& table, int fid) {
    return RawDb(DbPath()).Scalar(QString("SELECT COUNT(*) FROM \"%1\" WHERE FID = %2").arg(table).arg(fid)).toInt();
  }
  int CountAll(const QString& table) {
    return RawDb(DbPath()).Scalar(QString("SELECT COUNT(*) FROM \"%1\"").arg(table)).toInt();
  }
  QVariant Field(int fid, const QString& field) {
    return RawDb(DbPath()).Scalar(QString("SELECT %1 FROM Filters WHERE FID = %2").arg(field).arg(fid));
  }
  // The error text of an action on the database, or empty when it succeeded.
  template <typename F>
  static std::string ErrorOf(F action) {
    try {
      action();
    } catch (const EStore& e) {
      return e.what();
    }
    return {};
  }

  ZTDataStore store_;
  FilterDatabase filters_{store_};
};

TEST_F(FilterDatabaseTest, AFilterComesBackAsItWasStored) {
  const int fid = filters_.Insert(SampleFilter());
  EXPECT_GT(fid, 0);

  FilterControls loaded;
  loaded.SourceName = "keep.dta";
  loaded.DeleteTR = true;
  loaded.Forward = "7";
  loaded.Windows[fwC].Rows = {{"Gain", "1", "2"}, {"RMS", "1", "2"}};
  loaded.Expressions = {"x", "y", "z", "w"};
  ASSERT_TRUE(filters_.LoadInto(fid, loaded));

  EXPECT_EQ(loaded.FilterName, "Noise below 45 dB");
  EXPECT_EQ(loaded.TreatmentItem, tiAsEvents);
  EXPECT_EQ(loaded.TypeItem, 1);
  EXPECT_EQ(loaded.MPT, "100");
  EXPECT_EQ(loaded.LOCK, "2000");
  EXPECT_EQ(loaded.Forward, "");  // cleared by the treatment choice, not stored
  EXPECT_EQ(loaded.Back, "");
  EXPECT_TRUE(loaded.DeleteTDP);
  EXPECT_TRUE(loaded.SmartEOT);
  EXPECT_EQ(loaded.SourceName, "keep.dta");  // not part of a stored filter
  EXPECT_TRUE(loaded.DeleteTR);
  // Numbers come back as the store writes a double: general format, up to 15 digits.
  EXPECT_EQ(loaded.Windows[fwA].Rows, (Rows{{"Amplitude", "0", "45"},
                                            {"Energy", "0.5", "1000"},
                                            {"counts", "1", "10"},
                                            {"Duration", "-1e-06", "1.23456789012346e+17"},
                                            {"Rise time", "0.1", "99.5"}}));
  EXPECT_EQ(loaded.Windows[fwB].Rows, (Rows{{"Channel", "3", "3"}}));
  EXPECT_EQ(loaded.Windows[fwC].Rows, (Rows{{"", "", ""}}));
  EXPECT_EQ(loaded.Windows[fwD].Rows,
            (Rows{{"Counts", ">", "2", "Amplitude", "-40"}, {"Duration", "<=", "10", "Counts", "5.5"}}));
  EXPECT_TRUE(loaded.Windows[fwA].JoinAnd);
  EXPECT_FALSE(loaded.Windows[fwB].JoinAnd);
  EXPECT_FALSE(loaded.Windows[fwC].JoinAnd);
  EXPECT_TRUE(loaded.Windows[fwD].JoinAnd);
  EXPECT_EQ(loaded.Expressions, (std::array<std::string, 4>{"A&!B", "", "D", ""}));

  // The row queries give the stored rows.
  EXPECT_EQ(filters_.QMinMax(fid, 0).size(), 5u);
  EXPECT_EQ(filters_.QMinMax(fid, 2).size(), 0u);
  const auto b = filters_.QMinMax(fid, 1);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0].RParam, "Channel");
  EXPECT_EQ(b[0].RecNum, 1);
  EXPECT_EQ(b[0].RMax, 3.0);
  const auto d = filters_.QExprRec(fid, 0);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[1].Token, "<=");
  EXPECT_EQ(d[1].BConst, 5.5);
  const auto e = filters_.QExpress(fid);
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[1].RecNum, 3);
  EXPECT_EQ(e[1].Expression, "D");
}

TEST_F(FilterDatabaseTest, TheRecordHoldsWhatTheRulesWrite) {
  FilterControls c = SampleFilter();
  const int events = filters_.Insert(c);
  EXPECT_EQ(Field(events, "MPT").toInt(), 100);
  EXPECT_EQ(Field(events, "LOCK").toInt(), 2000);
  EXPECT_TRUE(Field(events, "Forward").isNull());
  EXPECT_EQ(Field(events, "TreatmentMethod").toInt(), 1);
  EXPECT_EQ(Field(events, "IncludeFilter").toInt(), 1);
  EXPECT_EQ(Field(events, "DeleteTDP").toInt(), -1);
  EXPECT_EQ(Field(events, "ADepFlag").toInt(), -1);
  EXPECT_EQ(Field(events, "BDepFlag").toInt(), 0);
  EXPECT_EQ(Field(events, "FDate").toString(), QDate::currentDate().toString(Qt::ISODate));

  // The disabled boxes are not written, whatever they hold.
  c.TreatmentItem = tiAsHits;
  c.Forward = "5";
  const int hits = filters_.Insert(c);
  for (const char* field : {"MPT", "LOCK", "Forward", "Back"}) EXPECT_TRUE(Field(hits, field).isNull()) << field;

  c.SelectTreatment(tiAsMechanic);
  c.MPT = "100";
  c.Forward = "300";
  c.Back = "";
  const int mechanic = filters_.Insert(c);
  EXPECT_TRUE(Field(mechanic, "MPT").isNull());
  EXPECT_EQ(Field(mechanic, "Forward").toInt(), 300);
  EXPECT_TRUE(Field(mechanic, "Back").isNull());  // an empty box is an empty field

  // An update keeps the fields it does not write.
  c.SelectTreatment(tiAsHits);
  c.FilterName = "Renamed";
  ASSERT_TRUE(filters_.Update(events, c));
  EXPECT_EQ(Field(events, "FName").toString(), "Renamed");
  EXPECT_EQ(Field(events, "TreatmentMethod").toInt(), 0);
  EXPECT_EQ(Field(events, "MPT").toInt(), 100);
  // Loading selects the treatment (clearing the boxes it disables), then fills the boxes.
  FilterControls loaded;
  ASSERT_TRUE(filters_.LoadInto(events, loaded));
  EXPECT_EQ(loaded.TreatmentItem, tiAsHits);
  EXPECT_EQ(loaded.MPT, "100");
  EXPECT_EQ(loaded.LOCK, "2000");
}

TEST_F(FilterDatabaseTest, EmptyFirstCellsAndEmptyExpressionRowsStoreNothing) {
  FilterControls c = SampleFilter();
  c.Windows[fwA].Rows = {{"", "", ""}, {"Energy", "1", "2"}};  // validation rejects this; the store writes nothing
  c.Windows[fwD].Rows = {{"", ">", "1", "Counts", "2"}};
  c.Windows[fwC].Rows = {};
  c.Expressions = {"", "", "", ""};
  const int fid = filters_.Insert(c);
  EXPECT_EQ(filters_.QMinMax(fid, 0).size(), 0u);
  EXPECT_EQ(filters_.QMinMax(fid, 1).size(), 1u);
  EXPECT_EQ(Count("FRExpr", fid), 0);
  EXPECT_EQ(Count("FExpress", fid), 0);

  FilterControls loaded;
  ASSERT_TRUE(filters_.LoadInto(fid, loaded));
  EXPECT_EQ(loaded.Windows[fwA].Rows, (Rows{{"", "", ""}}));
  EXPECT_EQ(loaded.Windows[fwD].Rows, (Rows{{"", "", "", "", ""}}));
  EXPECT_EQ(loaded.Expressions, (std::array<std::string, 4>{"", "", "", ""}));
}

TEST_F(FilterDatabaseTest, ATextThatIsNotANumberStoresNothing) {
  const int kept = filters_.Insert(SampleFilter());
  struct Case {
    const char* what;
    std::function<void(FilterControls&)> spoil;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"max",
       [](FilterControls& c) { c.Windows[fwA].Rows[3][2] = "12,5,0"; },
       {"FRMinMax", "window A row 4", "RMax", "\"12,5,0\""}},
      {"A",
       [](FilterControls& c) { c.Windows[fwD].Rows[1][2] = "ten"; },
       {"FRExpr", "window D row 2", "AConst", "\"ten\""}},
      {"MPT", [](FilterControls& c) { c.MPT = "1.5"; }, {"Filters", "MPT", "\"1.5\""}},
      {"empty cell",
       [](FilterControls& c) {
         c.Windows[fwB].Rows.push_back({"", "1", "2"});
       },
       {"window B row 2", "RParam"}},
      {"short row", [](FilterControls& c) { c.Windows[fwD].Rows[0].resize(3); }, {"window D row 1", "XParam"}},
      {"no name", [](FilterControls& c) { c.FilterName.clear(); }, {"FName"}},
  };
  const int filters = CountAll("Filters");
  const int rows = CountAll("FRMinMax") + CountAll("FRExpr") + CountAll("FExpress");
  for (const Case& k : cases) {
    FilterControls c = SampleFilter();
    c.FilterName = "Spoilt";
    k.spoil(c);
    for (const bool update : {false, true}) {
      const std::string error = ErrorOf([&] { update ? (void)filters_.Update(kept, c) : (void)filters_.Insert(c); });
      EXPECT_NE(error.find(DbPath()), std::string::npos) << k.what << ": " << error;
      for (const std::string& part : k.expected)
        EXPECT_NE(error.find(part), std::string::npos) << k.what << ": " << error;
      EXPECT_EQ(CountAll("Filters"), filters) << k.what;
      EXPECT_EQ(CountAll("FRMinMax") + CountAll("FRExpr") + CountAll("FExpress"), rows) << k.what;
      EXPECT_EQ(Field(kept, "FName").toString(), "Noise below 45 dB") << k.what;
    }
  }
  FilterControls loaded;
  ASSERT_TRUE(filters_.LoadInto(kept, loaded));
  EXPECT_EQ(loaded.Windows[fwA].Rows.size(), 5u);
}

TEST_F(FilterDatabaseTest, TwoInsertsWithOneNameGiveTwoFilters) {
  const FilterControls c = SampleFilter();
  const int first = filters_.Insert(c);
  const int second = filters_.Insert(c);
  EXPECT_NE(first, second);
  EXPECT_EQ(filters_.FindByName("Noise below 45 dB"), (std::vector<int>{first, second}));
  EXPECT_EQ(filters_.FindByName("noise below 45 dB"), std::vector<int>{});
  const auto list = filters_.Filters();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].FID, first);
  EXPECT_EQ(list[1].FName, "Noise below 45 dB");
  EXPECT_EQ(list[1].FDate, QDate::currentDate().toString(Qt::ISODate).toStdString());
  EXPECT_TRUE(filters_.Exists(second));

  FilterControls odd = c;
  odd.FilterName = "x'); DROP TABLE Filters; --";
  const int third = filters_.Insert(odd);
  EXPECT_EQ(filters_.FindByName(odd.FilterName), std::vector<int>{third});
  EXPECT_EQ(filters_.Filters().size(), 3u);
}

TEST_F(FilterDatabaseTest, CascadeDeleteRemovesTheRowsInOrderThenTheRecord) {
  const int gone = filters_.Insert(SampleFilter());
  const int kept = filters_.Insert(SampleFilter());
  {
    RawDb raw(DbPath());
    ASSERT_TRUE(raw.Exec("CREATE TABLE DeleteLog (N INTEGER PRIMARY KEY, T TEXT)"));
    for (const char* table : {"Filters", "FRMinMax", "FRExpr", "FExpress"})
      ASSERT_TRUE(
          raw.Exec(QString("CREATE TRIGGER Log%1 AFTER DELETE ON %1 BEGIN "
                           "INSERT INTO DeleteLog (T) SELECT '%1' WHERE NOT EXISTS "
                           "(SELECT 1 FROM DeleteLog WHERE N = (SELECT MAX(N) FROM DeleteLog) AND T = '%1'); END")
                       .arg(table)));
  }
  filters_.Delete(gone);
  for (const char* table : {"Filters", "FRMinMax", "FRExpr", "FExpress"}) {
    EXPECT_EQ(Count(table, gone), 0) << table;
    EXPECT_GT(Count(table, kept), 0) << table;
  }
  RawDb raw(DbPath());
  EXPECT_EQ(raw.Scalar("SELECT group_concat(T, ' ') FROM (SELECT T FROM DeleteLog ORDER BY N)").toString(),
            "FRMinMax FRExpr FExpress Filters");
  EXPECT_FALSE(filters_.Exists(gone));
  FilterControls untouched = SampleFilter();
  EXPECT_FALSE(filters_.LoadInto(gone, untouched));
  EXPECT_EQ(untouched.FilterName, "Noise below 45 dB");
  EXPECT_NO_THROW(filters_.Delete(gone));
}

TEST_F(FilterDatabaseTest, AFailingDeleteKeepsEveryRow) {
  const int fid = filters_.Insert(SampleFilter());
  {
    RawDb raw(DbPath());
    ASSERT_TRUE(
        raw.Exec("CREATE TRIGGER KeepFilters BEFORE DELETE ON Filters BEGIN SELECT RAISE(ABORT, 'locked'); END"));
  }
  EXPECT_NE(ErrorOf([&] { filters_.Delete(fid); }).find("locked"), std::string::npos);
  EXPECT_EQ(Count("FRMinMax", fid), 6);
  EXPECT_EQ(Count("FRExpr", fid), 2);
  EXPECT_EQ(Count("FExpress", fid), 2);
}

TEST_F(FilterDatabaseTest, UpdateOfADeletedFilterStoresNothing) {
  const int fid = filters_.Insert(SampleFilter());
  filters_.Delete(fid);
  EXPECT_FALSE(filters_.Update(fid, SampleFilter()));
  EXPECT_EQ(CountAll("Filters"), 0);
  EXPECT_EQ(CountAll("FRMinMax") + CountAll("FRExpr") + CountAll("FExpress"), 0);
}

TEST_F(FilterDatabaseTest, UpdateRewritesTheRows) {
  const int fid = filters_.Insert(SampleFilter());
  FilterControls c = SampleFilter();
  c.Windows[fwA].Rows = {{"Amplitude", "50", "100"}};
  c.Windows[fwD].Rows = {{"", "", "", "", ""}};
  c.Expressions = {"A", "", "", "A"};
  ASSERT_TRUE(filters_.Update(fid, c));
  FilterControls loaded;
  ASSERT_TRUE(filters_.LoadInto(fid, loaded));
  EXPECT_EQ(loaded.Windows[fwA].Rows, (Rows{{"Amplitude", "50", "100"}}));
  EXPECT_EQ(loaded.Windows[fwD].Rows, (Rows{{"", "", "", "", ""}}));
  EXPECT_EQ(loaded.Expressions, (std::array<std::string, 4>{"A", "", "", "A"}));
  EXPECT_EQ(filters_.Filters().size(), 1u);
}

TEST_F(FilterDatabaseTest, LoadingOddStoredValuesGivesDefinedControls) {
  const int fid = filters_.Insert(SampleFilter());
  {
    RawDb raw(DbPath());
    // Rows numbered beyond the grid, a gap, values edited by another tool.
    ASSERT_TRUE(raw.Exec(QString("UPDATE FRMinMax SET RecNum = -RecNum WHERE FID = %1 AND RWindowNum = 0").arg(fid)));
    ASSERT_TRUE(
        raw.Exec(QString("UPDATE FRMinMax SET RecNum = -RecNum * 3 WHERE FID = %1 AND RWindowNum = 0").arg(fid)));
    ASSERT_TRUE(
        raw.Exec(QString("INSERT INTO FExpress (FID, RecNum, Expression) VALUES (%1, 9, 'X'), (%1, 0, 'Y')").arg(fid)));
    ASSERT_TRUE(raw.Exec(QString("UPDATE Filters SET TreatmentMethod = 7, IncludeFilter = -4, BDepFlag = 5, "
                                 "MPT = NULL, EOT_Type = NULL WHERE FID = %1")
                             .arg(fid)));
  }
  FilterControls loaded;
  ASSERT_TRUE(filters_.LoadInto(fid, loaded));
  // Five stored rows size the grid to five; RecNum 3 lands on row 3, 6..15 have no row.
  EXPECT_EQ(loaded.Windows[fwA].Rows,
            (Rows{{"", "", ""}, {"", "", ""}, {"Amplitude", "0", "45"}, {"", "", ""}, {"", "", ""}}));
  EXPECT_EQ(loaded.Expressions, (std::array<std::string, 4>{"A&!B", "", "D", ""}));
  EXPECT_EQ(loaded.TreatmentItem, tiAsMechanic);
  EXPECT_EQ(loaded.TypeItem, -1);
  EXPECT_TRUE(loaded.Windows[fwB].JoinAnd);
  EXPECT_EQ(loaded.MPT, "");
  EXPECT_FALSE(loaded.SmartEOT);
}

}  // namespace
}  // namespace ae
