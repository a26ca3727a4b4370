#include <QVariant>

#include <gtest/gtest.h>

#include "store/SqlScript.h"
#include "store/StoreNumbers.h"

namespace ae {
namespace {

TEST(StoreNumbers, DecimalTextsAcceptNumbersOnly) {
  const std::vector<std::pair<const char*, double>> good = {
      {"1.5", 1.5}, {" 2 ", 2}, {"+3", 3}, {"-4e2", -400}, {".5", 0.5}, {"5.", 5}, {"\t-0.25\n", -0.25}};
  for (const auto& [text, value] : good) {
    const auto parsed = ParseDecimalText(text);
    ASSERT_TRUE(parsed.has_value()) << text;
    EXPECT_EQ(*parsed, value) << text;
  }
  for (const char* bad : {"", " ", "abc", "1.5x", "nan", "inf", "-inf", "1e999", "+-1", "--1", "1 2", "0x10", "1.2.3"})
    EXPECT_FALSE(ParseDecimalText(bad).has_value()) << bad;
}

TEST(StoreNumbers, IntegerTextsAcceptWholeNumbersOfThe32BitRange) {
  EXPECT_EQ(ParseIntegerText("100"), 100);
  EXPECT_EQ(ParseIntegerText(" -5 "), -5);
  EXPECT_EQ(ParseIntegerText("+7"), 7);
  EXPECT_EQ(ParseIntegerText("2147483647"), 2147483647);
  for (const char* bad : {"", "1.5", "2147483648", "-2147483649", "abc", "+-1", "1e3", "12 3"})
    EXPECT_FALSE(ParseIntegerText(bad).has_value()) << bad;
}

TEST(StoreNumbers, StoredValuesAsTextInGeneralFormatWith15Digits) {
  const std::vector<std::pair<double, const char*>> cases = {{10, "10"},
                                                             {0.1, "0.1"},
                                                             {-0.000001, "-1e-06"},
                                                             {1.0 / 3, "0.333333333333333"},
                                                             {123456789012345678.0, "1.23456789012346e+17"},
                                                             {1e15, "1e+15"},
                                                             {99.5, "99.5"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(StoredValueText(QVariant(value)), text) << value;
  EXPECT_EQ(StoredValueText(QVariant()), "");
  EXPECT_EQ(StoredValueText(QVariant(QMetaType(QMetaType::Int))), "");
  EXPECT_EQ(StoredValueText(QVariant(qlonglong(5000))), "5000");
  EXPECT_EQ(StoredValueText(QVariant(QString("As Hits"))), "As Hits");
}

TEST(SqlScript, SplitsAtSemicolonsOutsideQuotesAndComments) {
  const QString script =
      "-- a comment; with a semicolon\n"
      "CREATE TABLE \"Prm&Sys\" (A INTEGER); /* block; comment */\n"
      "INSERT INTO T VALUES ('it''s; here', \"x;\"\"y\");\n"
      "  ;  \n"
      "SELECT 1 -- trailing";
  EXPECT_EQ(SplitSqlScript(script), (QStringList{"CREATE TABLE \"Prm&Sys\" (A INTEGER)",
                                                 "INSERT INTO T VALUES ('it''s; here', \"x;\"\"y\")", "SELECT 1"}));
  EXPECT_EQ(SplitSqlScript("INSERT INTO T VALUES ('unterminated;"),
            QStringList{"INSERT INTO T VALUES ('unterminated;"});
  EXPECT_TRUE(SplitSqlScript("/* never closed ; ").isEmpty());
}

}  // namespace
}  // namespace ae
