// Reading a filter from the window's controls: the messages with their prefixes, the order of
// the checks, the number conversions, and the tests of records and windows on one hit.
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "datafiles/DataFileTypes.h"
#include "filter/core/AFilter.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"
#include "filter/core/FilterNumbers.h"
#include "tests/filter/core/FilterTestSupport.h"

namespace ae {
namespace {

using test::FakeHit;
using test::MemoryParamNames;
using test::RangeFilter;

std::string M(int id) { return FilterMessage(id); }

// The text of the error that reading the controls raises, or "" when they are read.
std::string ReadError(const FilterControls& controls) {
  const MemoryParamNames names;
  try {
    AFilter filter(controls, names);
  } catch (const EFilter& e) {
    return e.what();
  }
  return "";
}

TEST(FilterMessages, HoldTheProgramsTextsByIdentifier) {
  EXPECT_EQ(M(813), "Отсутствует главное выражение фильтрации ");
  EXPECT_EQ(M(1044), "Любой импульс  : ");
  EXPECT_EQ(M(811), "Для выполнения фильтрации выберите\n одну из соответствующих закладок");
  EXPECT_EQ(M(2001), "Файл не отсортирован.\nТребуется сортированный файл");
  EXPECT_EQ(M(1200), "Ошибка..");
  EXPECT_FALSE(M(fmIncompleteMainExpression).empty());
  EXPECT_EQ(M(817), "");
  EXPECT_EQ(M(-1), "");
  EXPECT_STREQ(EFilter(802).what(), "MPT не может быть больше LOCKOUT");
  EXPECT_STREQ(EFRecError(807).what(), "Ошибка преобразования");
}

struct BadControls {
  const char* Case;
  std::function<void(FilterControls&)> Change;
  std::string Message;
};

TEST(FilterDefinition, RejectsInvalidControlsWithTheirMessages) {
  const std::vector<BadControls> cases = {
      {"MPT not a number", [](FilterControls& c) { c.SelectTreatment(tiAsEvents), c.MPT = "x", c.LOCK = "5"; }, M(800)},
      {"LOCK empty", [](FilterControls& c) { c.SelectTreatment(tiAsEvents), c.MPT = "5"; }, M(800)},
      {"LOCK beyond 32 bits",
       [](FilterControls& c) { c.SelectTreatment(tiAsEvents), c.MPT = "5", c.LOCK = "2147483648"; }, M(800)},
      {"MPT above LOCK", [](FilterControls& c) { c.SelectTreatment(tiAsEvents), c.MPT = "100", c.LOCK = "50"; },
       M(802)},
      {"MPT -1 is above any LOCK",
       [](FilterControls& c) { c.SelectTreatment(tiAsEvents), c.MPT = "-1", c.LOCK = "50"; }, M(802)},
      {"Forward a fraction",
       [](FilterControls& c) { c.SelectTreatment(tiAsMechanic), c.Forward = "1.5", c.Back = "1"; }, M(801)},
      {"Back empty", [](FilterControls& c) { c.SelectTreatment(tiAsMechanic), c.Forward = "1"; }, M(801)},
      {"an item beyond the three is mechanic", [](FilterControls& c) { c.TreatmentItem = 7; }, M(801)},
      {"min above max in row 3 of B",
       [](FilterControls& c) {
         c.Windows[fwB].Rows = {{"Amplitude", "1", "2"}, {"Counts", "1", "2"}, {"Energy", "5", "4"}};
       },
       "Окно B Запись 3\nМинимальный предел больше максимального"},
      {"blank row before a filled one",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"", "", ""}, {"Amplitude", "1", "2"}};
       },
       "Окно A Запись 1\nПустая запись"},
      {"blank row comes before empty cells",
       [](FilterControls& c) {
         c.Windows[fwC].Rows = {{"Amplitude", "", "2"}, {"", "", ""}};
       },
       "Окно C Запись 2\nПустая запись"},
      {"empty cell",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"Amplitude", "1", "2"}, {"Counts", "1", ""}};
       },
       "Окно A Запись 2\n" + M(804)},
      {"a row with fewer cells than columns",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"Amplitude", "1"}};
       },
       "Окно A Запись 1\n" + M(804)},
      {"unknown parameter",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"Loudness", "1", "2"}};
       },
       "Окно A Запись 1\n" + M(805)},
      // The location of an event is the viewer's: no hit a filter reads has one.
      {"a location in a range window",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"Location X, m", "1", "2"}};
       },
       "Окно A Запись 1\n" + M(805)},
      {"a location in the correlation window",
       [](FilterControls& c) {
         c.Windows[fwD].Rows = {{"Counts", ">", "1", "location y, m", "0"}};
       },
       "Окно D Запись 1\n" + M(805)},
      {"unknown parameter and min above max report the limits",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"Loudness", "3", "2"}};
       },
       "Окно A Запись 1\n" + M(806)},
      {"limit not a number",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"Amplitude", "40dB", "100"}};
       },
       "Окно A Запись 1\n" + M(807)},
      {"a blank parameter name is a name the table lacks",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{" ", "1", "2"}};
       },
       "Окно A Запись 1\n" + M(805)},
      {"sign with a blank",
       [](FilterControls& c) {
         c.Windows[fwD].Rows = {{"Counts", ">= ", "1", "Amplitude", "0"}};
       },
       "Окно D Запись 1\n" + M(805)},
      {"sign unknown",
       [](FilterControls& c) {
         c.Windows[fwD].Rows = {{"Counts", "=>", "1", "Amplitude", "0"}};
       },
       "Окно D Запись 1\n" + M(805)},
      {"X unknown",
       [](FilterControls& c) {
         c.Windows[fwD].Rows = {{"Counts", ">", "1", "Loudness", "0"}};
       },
       "Окно D Запись 1\n" + M(805)},
      {"constant not a number",
       [](FilterControls& c) {
         c.Windows[fwD].Rows = {{"Counts", "x", "1", "Loudness", "b"}};
       },
       "Окно D Запись 1\n" + M(807)},
      {"main expression empty",
       [](FilterControls& c) {
         c.Expressions = {"", "A", "", ""};
       },
       M(813)},
      {"operator without right operand", [](FilterControls& c) { c.Expressions[0] = "A&"; }, M(819)},
      {"operator without left operand", [](FilterControls& c) { c.Expressions[0] = "|A"; }, M(819)},
      {"two operators in a row", [](FilterControls& c) { c.Expressions[0] = "A&|B"; }, M(819)},
      {"a letter that is no window", [](FilterControls& c) { c.Expressions[0] = "E&A"; }, M(819)},
      {"no window letter", [](FilterControls& c) { c.Expressions[0] = "xyz"; }, M(819)},
      {"empty parentheses", [](FilterControls& c) { c.Expressions[0] = "()"; }, M(819)},
      {"blanks only", [](FilterControls& c) { c.Expressions[0] = "  "; }, M(819)},
      {"an empty sub-expression takes the right operand", [](FilterControls& c) { c.Expressions[0] = "A&B()"; },
       M(819)},
      // The first failure in reading order wins.
      {"time boxes before windows",
       [](FilterControls& c) {
         c.SelectTreatment(tiAsEvents), c.Windows[fwA].Rows = {{"x", "1", "2"}};
       },
       M(800)},
      {"window A before window D",
       [](FilterControls& c) {
         c.Windows[fwD].Rows = {{"", "", "", "", ""}, {"Counts", ">", "1", "Amplitude", "0"}};
         c.Windows[fwA].Rows = {{"Amplitude", "2", "1"}};
       },
       "Окно A Запись 1\n" + M(806)},
      {"windows before expressions",
       [](FilterControls& c) {
         c.Windows[fwB].Rows = {{"Amplitude", "1", ""}}, c.Expressions[0] = "";
       },
       "Окно B Запись 1\n" + M(804)},
  };
  for (const BadControls& bad : cases) {
    FilterControls controls;
    bad.Change(controls);
    EXPECT_EQ(ReadError(controls), bad.Message) << bad.Case;
  }
}

TEST(FilterDefinition, RowErrorsAndRecordErrorsKeepTheirKinds) {
  const MemoryParamNames names;
  FilterControls blank;
  blank.Windows[fwA].Rows = {{"", "", ""}, {"Amplitude", "1", "2"}};
  try {
    AFilter filter(blank, names);
    FAIL();
  } catch (const EFRecError&) {
    FAIL() << "a blank row is a row error, not a record error";
  } catch (const EFRowError&) {}
  FilterControls wrong = RangeFilter("Amplitude", "3", "2");
  EXPECT_THROW(AFilter(wrong, names), EFRecError);
}

TEST(FilterDefinition, AcceptsWhatTheWindowAllows) {
  const std::vector<std::pair<const char*, std::function<void(FilterControls&)>>> cases = {
      {"MPT equal to LOCK", [](FilterControls& c) { c.SelectTreatment(tiAsEvents), c.MPT = "50", c.LOCK = "50"; }},
      {"LOCK -1", [](FilterControls& c) { c.SelectTreatment(tiAsEvents), c.MPT = "50", c.LOCK = "-1"; }},
      {"As Hits ignores the time boxes",
       [](FilterControls& c) { c.MPT = "x", c.LOCK = "", c.Forward = "?", c.Back = "1.5"; }},
      {"As Events ignores the mechanic boxes",
       [](FilterControls& c) { c.TreatmentItem = tiAsEvents, c.MPT = "1", c.LOCK = "2", c.Forward = "?"; }},
      {"the single blank row of an empty window",
       [](FilterControls& c) { c.Windows[fwD] = FilterGrid::Empty(EquationColumns); }},
      {"a grid without rows is empty", [](FilterControls& c) { c.Windows[fwB].Rows.clear(); }},
      {"names ignore letter case",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"aMPLITUDE", "1", "2"}};
       }},
      {"min equal to max",
       [](FilterControls& c) {
         c.Windows[fwA].Rows = {{"Amplitude", "40", "40"}};
       }},
      {"all five signs",
       [](FilterControls& c) {
         c.Windows[fwD].Rows = {{"Counts", "=", "1", "Energy", "0"},
                                {"Counts", ">", "1", "Energy", "0"},
                                {"Counts", "<", "1", "Energy", "0"},
                                {"Counts", ">=", "1", "Energy", "0"},
                                {"Counts", "<=", "-1.5e2", "Energy", " 3 "}};
       }},
      {"expressions 2 to 4 may be anything",
       [](FilterControls& c) {
         c.Expressions = {"A", "&", "E", "()"};
       }},
      {"two letters in a row", [](FilterControls& c) { c.Expressions[0] = "AB"; }},
      {"a missing closing parenthesis", [](FilterControls& c) { c.Expressions[0] = "A&(B|C"; }},
  };
  for (const auto& [what, change] : cases) {
    FilterControls controls;
    change(controls);
    EXPECT_EQ(ReadError(controls), "") << what;
  }
}

TEST(FilterDefinition, ReadsEveryControl) {
  const MemoryParamNames names;
  FilterControls controls;
  controls.FilterName = "Vessel";
  controls.SourceName = "in.dta";
  controls.DestinationName = "out.dta";
  controls.TypeItem = 1;
  controls.DeleteTDP = controls.DeleteTR = controls.SmartEOT = true;
  controls.SelectTreatment(tiAsEvents);
  controls.MPT = " 50";
  controls.LOCK = "-1";
  controls.Windows[fwB].Rows = {{"Counts", "1", "2"}, {"amp", "3.5", "4e1"}};
  controls.Windows[fwB].JoinAnd = true;
  controls.Windows[fwD].Rows = {{"Counts", ">=", "2", "Energy", "-1"}};
  controls.Expressions = {"b|D", "", "C", "a"};
  const AFilter filter(controls, names);

  EXPECT_EQ(filter.FilterName(), "Vessel");
  EXPECT_EQ(filter.SourceName(), "in.dta");
  EXPECT_EQ(filter.DestinationName(), "out.dta");
  EXPECT_EQ(filter.FiltrationMode(), 1);
  EXPECT_TRUE(filter.Excluded());
  EXPECT_TRUE(filter.DeleteTDP() && filter.DeleteTR() && filter.SmartEOT());
  EXPECT_EQ(filter.TreatmentMethod(), AFilter::tmAsEvents);
  EXPECT_EQ(filter.MPT(), 50u);
  EXPECT_EQ(filter.LOCK(), 4294967295u);
  EXPECT_EQ(filter.Window(fwA).RecCount, 0);
  EXPECT_EQ(filter.Window(fwA).RowCount, 1);
  const AMinMaxFilterWin& b = filter.Window(fwB);
  EXPECT_EQ(b.RowCount, 2);
  EXPECT_EQ(b.RecCount, 2);
  EXPECT_TRUE(b.JoinAnd);
  EXPECT_EQ(b.Recs[1].ParamCode, pcAmplitude);
  EXPECT_EQ(b.Recs[1].Min, 3.5);
  EXPECT_EQ(b.Recs[1].Max, 40.0);
  const AEquationFilterRec& d = filter.WindowD().Recs.at(0);
  EXPECT_EQ(d.YCode, pcCounts);
  EXPECT_EQ(d.XCode, pcEnergy);
  EXPECT_EQ(d.SignCode, AEquationFilterRec::scGreaterEqual);
  EXPECT_EQ(d.A, 2.0);
  EXPECT_EQ(d.B, -1.0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(filter.Expression(i).Scope(), i);
  EXPECT_EQ(filter.Expression(1).Root(), nullptr);
  EXPECT_NE(filter.Expression(2).Root(), nullptr);

  controls.SelectTreatment(tiAsMechanic);
  controls.Forward = "7";
  controls.Back = "-2";
  const AFilter mechanic(controls, names);
  EXPECT_EQ(mechanic.TreatmentMethod(), AFilter::tmAsMechanic);
  EXPECT_EQ(mechanic.Forward(), 7u);
  EXPECT_EQ(mechanic.Back(), 4294967294u);
}

TEST(FilterDefinition, FiltrationModeFollowsTheActivePagesCaption) {
  const MemoryParamNames names;
  const std::vector<std::pair<std::string, int>> cases = {
      {"  Filtration  ", 1}, {"Фильтрация", 1}, {"  Service  ", 0}, {"", 0}, {"filtration", 0}};
  for (const auto& [caption, mode] : cases) {
    FilterControls controls;
    controls.ActivePageCaption = caption;
    EXPECT_EQ(AFilter(controls, names).FiltrationMode(), mode) << caption;
  }
}

TEST(FilterDefinition, ScopesOutsideTheFourRowsAreRejected) {
  EXPECT_THROW(AFilterExpr("A", 4), EFilter);
  EXPECT_THROW(AFilterExpr("A", -1), EFilter);
  try {
    AFilterExpr("A", 0).SetScope(9);
  } catch (const EFilter& e) {
    EXPECT_EQ(e.what(), M(812));
  }
}

TEST(FilterNumbers, DecimalNumbersTakeThePointAndTheUsersSeparator) {
  struct Case {
    const char* Text;
    char Separator;
    bool Ok;
    double Value;
  };
  const Case cases[] = {
      {"1.5", '.', true, 1.5},  {"1,5", ',', true, 1.5},     {"1.5", ',', true, 1.5},  {"1,5", '.', false, 0},
      {" -2 ", '.', true, -2},  {"+3", '.', true, 3},        {".5", '.', true, 0.5},   {"5.", '.', true, 5},
      {"1e3", '.', true, 1000}, {"2.5E-1", '.', true, 0.25}, {"1e-999", '.', true, 0}, {"", '.', false, 0},
      {" ", '.', false, 0},     {"abc", '.', false, 0},      {"1.5x", '.', false, 0},  {"1.2.3", '.', false, 0},
      {"1,2.3", ',', false, 0}, {"inf", '.', false, 0},      {"nan", '.', false, 0},   {"0x10", '.', false, 0},
      {"1e999", '.', false, 0}, {"-1e999", '.', false, 0},   {"1e", '.', false, 0},    {"-", '.', false, 0},
      {".", '.', false, 0},     {"1 000", '.', false, 0},    {"--1", '.', false, 0},
  };
  for (const Case& c : cases) {
    double value = -99;
    EXPECT_EQ(ParseDecimal(c.Text, value, c.Separator), c.Ok) << c.Text;
    if (c.Ok) {
      EXPECT_NEAR(value, c.Value, 1e-300) << c.Text;
    } else {
      EXPECT_EQ(value, -99) << "a failed conversion leaves the value alone: " << c.Text;
    }
  }
  // The environment of the tests is the C locale.
  EXPECT_EQ(UserDecimalSeparator(), '.');
}

TEST(FilterNumbers, WholeNumbersAreSigned32Bit) {
  const std::vector<std::pair<std::string, std::optional<int32_t>>> cases = {
      {"0", 0},
      {"-1", -1},
      {" 12 ", 12},
      {"+7", 7},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<int32_t>::min()},
      {"2147483648", std::nullopt},
      {"1.0", std::nullopt},
      {"", std::nullopt},
      {"12a", std::nullopt},
      {"- 1", std::nullopt},
      {"+-1", std::nullopt}};
  for (const auto& [text, expected] : cases) {
    int32_t value = 0;
    const bool ok = ParseWholeNumber(text, value);
    EXPECT_EQ(ok, expected.has_value()) << text;
    if (ok && expected) {
      EXPECT_EQ(value, *expected) << text;
    }
  }
}

TEST(FilterRecords, RangeRowsIncludeBothLimits) {
  const MemoryParamNames names;
  AMinMaxFilterRec rec(names);
  rec.SetFromText(1, "Amplitude", "40", "40");
  EXPECT_TRUE(rec.Test(*std::make_unique<FakeHit>(std::map<int, double>{{pcAmplitude, 40}})));
  EXPECT_FALSE(rec.Test(*std::make_unique<FakeHit>(std::map<int, double>{{pcAmplitude, 40.0000001}})));
  rec.SetFromText(1, "Amplitude", "40", "100");
  for (const double v : {40.0, 70.0, 100.0}) {
    FakeHit hit({{pcAmplitude, v}});
    EXPECT_TRUE(rec.Test(hit)) << v;
  }
  for (const double v : {39.9, 100.1, std::nan("")}) {
    FakeHit hit({{pcAmplitude, v}});
    EXPECT_FALSE(rec.Test(hit)) << v;
  }
}

TEST(FilterRecords, CorrelationRowsCompareYWithAXPlusB) {
  const MemoryParamNames names;
  AEquationFilterRec rec(names);
  FakeHit hit({{pcCounts, 21}, {pcEnergy, 10}});                          // 2 * 10 + 1 = 21
  const std::vector<std::pair<std::string, std::array<bool, 3>>> signs = {// passes for Y = 21, Y = 22, Y = 20
                                                                          {"=", {true, false, false}},
                                                                          {">", {false, true, false}},
                                                                          {"<", {false, false, true}},
                                                                          {">=", {true, true, false}},
                                                                          {"<=", {true, false, true}}};
  for (const auto& [sign, expected] : signs) {
    rec.SetFromText(1, "Counts", sign, "2", "Energy", "1");
    for (int k = 0; k < 3; ++k) {
      hit.Values[pcCounts] = 21 + (k == 1) - (k == 2);
      EXPECT_EQ(rec.Test(hit), expected[static_cast<std::size_t>(k)]) << sign << " " << k;
    }
  }
  EXPECT_EQ(AEquationFilterRec::SignText(5), "Illegal Token");
  EXPECT_EQ(AEquationFilterRec::SignText(3), ">=");
  AEquationFilterRec illegal(names);
  illegal.SignCode = AEquationFilterRec::scIllegal;
  EXPECT_FALSE(illegal.Test(hit));
}

TEST(FilterWindows, JoinWithAndNeedsEveryRowAndOrAnyRow) {
  const MemoryParamNames names;
  FilterGrid grid;
  grid.Rows = {{"Amplitude", "40", "100"}, {"Counts", "10", "20"}};
  struct Case {
    double Amplitude, Counts;
    bool And, Or;
  };
  const Case cases[] = {{50, 15, true, true}, {50, 5, false, true}, {30, 15, false, true}, {30, 5, false, false}};
  AMinMaxFilterWin andWin, orWin;
  andWin.ReadGrid(fwA, true, grid, names);
  orWin.ReadGrid(fwA, false, grid, names);
  for (const Case& c : cases) {
    FakeHit hit({{pcAmplitude, c.Amplitude}, {pcCounts, c.Counts}});
    EXPECT_EQ(andWin.Test(hit), c.And) << c.Amplitude << " " << c.Counts;
    EXPECT_EQ(orWin.Test(hit), c.Or) << c.Amplitude << " " << c.Counts;
  }
}

TEST(FilterVerdict, IncludedKeepsWhatTheMainExpressionPassesAndExcludedTheRest) {
  const MemoryParamNames names;
  FilterControls controls = RangeFilter("Amplitude", "40", "100");
  const AFilter included(controls, names);
  controls.TypeItem = 1;
  const AFilter excluded(controls, names);
  for (const double amplitude : {39.0, 40.0, 100.0, 101.0}) {
    FakeHit hit({{pcAmplitude, amplitude}});
    const bool inside = amplitude >= 40 && amplitude <= 100;
    EXPECT_EQ(included.TestHit(hit), inside) << amplitude;
    EXPECT_EQ(excluded.TestHit(hit), !inside) << amplitude;
  }

  // An empty window always gives false: Included keeps nothing, Excluded everything.
  FilterControls empty;
  const AFilter emptyIncluded(empty, names);
  empty.TypeItem = 1;
  const AFilter emptyExcluded(empty, names);
  FakeHit hit({{pcAmplitude, 50}});
  EXPECT_FALSE(emptyIncluded.TestHit(hit));
  EXPECT_TRUE(emptyExcluded.TestHit(hit));
}

TEST(FilterVerdict, OnlyTheMainExpressionDecides) {
  const MemoryParamNames names;
  FilterControls controls;
  controls.Windows[fwA].Rows = {{"Amplitude", "40", "100"}};
  controls.Windows[fwB].Rows = {{"Counts", "10", "20"}};
  controls.Windows[fwD].Rows = {{"Counts", ">", "2", "Energy", "0"}};
  controls.Expressions = {"A&(B|D)", "B", "C", "D"};
  const AFilter filter(controls, names);
  struct Case {
    double Amplitude, Counts, Energy;
    bool Kept;
  };
  const Case cases[] = {
      {50, 15, 100, true},  // A and B
      {50, 30, 10, true},   // A and D (30 > 2 * 10)
      {50, 30, 20, false},  // A, neither B nor D
      {30, 15, 0, false},   // not A
  };
  for (const Case& c : cases) {
    FakeHit hit({{pcAmplitude, c.Amplitude}, {pcCounts, c.Counts}, {pcEnergy, c.Energy}});
    EXPECT_EQ(filter.TestHit(hit), c.Kept) << c.Amplitude << " " << c.Counts << " " << c.Energy;
  }
}

}  // namespace
}  // namespace ae
