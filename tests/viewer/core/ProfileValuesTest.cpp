#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "viewer/core/ProfileValues.h"
#include "viewer/core/ReportNumbers.h"
#include "viewer/core/ViewerMessages.h"

namespace ae {
namespace {

TEST(ProfileValues, Integers) {
  const struct {
    const char* Text;
    std::optional<int> Value;
  } cases[] = {
      {"5000", 5000},
      {" -12 ", -12},
      {"+7", 7},
      {"0x1F", 31},
      {"0XfF", 255},
      {"0xFFFFFFFF", -1},
      {"-2147483648", -2147483647 - 1},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
      {"0x123456789", std::nullopt},
      {"", std::nullopt},
      {"12a", std::nullopt},
      {"1.0", std::nullopt},
      {"0x", std::nullopt},
      {"--1", std::nullopt},
      {"-", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseProfileInt(c.Text), c.Value) << c.Text;
}

TEST(ProfileValues, Reals) {
  const struct {
    const char* Text;
    std::optional<double> Value;
  } cases[] = {
      {"4", 4.0},
      {"0.800000011920929", 0.800000011920929},
      {"-1.5e3", -1500.0},
      {" +2.5 ", 2.5},
      {"2,5", 2.5},
      {"1,000.5", std::nullopt},
      {"1,2,3", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"1e999", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"++1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseProfileReal(c.Text), c.Value) << c.Text;

  EXPECT_EQ(FormatProfileReal(4.0), "4");
  EXPECT_EQ(FormatProfileReal(0.8f), "0.800000011920929");
  EXPECT_EQ(FormatProfileReal(1.5), "1.5");
  EXPECT_EQ(FormatProfileReal(-0.001), "-0.001");
  EXPECT_EQ(FormatProfileReal(1e20), "1e+20");
  // 15 digits bring a single back exactly.
  EXPECT_EQ(ToSingle(ParseProfileReal(FormatProfileReal(0.1f)).value()), 0.1f);
  EXPECT_FALSE(ToSingle(1e300).has_value());
  EXPECT_EQ(ToSingle(0.5), 0.5f);
}

TEST(ReportNumbers, FixedTexts) {
  EXPECT_EQ(Fixed(12.34, 1), "12.3");
  EXPECT_EQ(Fixed(0.0, 2), "0.00");
  EXPECT_EQ(Fixed(1e300, 1).size(), 303u);
  EXPECT_EQ(Fixed(std::numeric_limits<double>::quiet_NaN(), 1), "NAN");
  EXPECT_EQ(Fixed(-std::numeric_limits<double>::infinity(), 1), "-INF");
  EXPECT_EQ(FixedLimited(9999999999.994, 2), "9999999999.99");
  EXPECT_EQ(FixedLimited(12345678901.0, 2), "1.234567890E+10");
}

TEST(ViewerMessages, TheTableIsLookedUpByNumber) {
  EXPECT_EQ(ViewerMessage(2001), "Programm's language will be changed at the next launch");
  EXPECT_EQ(ViewerMessage(vmUnknownSetupFormat), "Test Setup - unknown format of INI file");
  EXPECT_EQ(ViewerMessage(vmWarning), "Warning");
  EXPECT_EQ(ViewerMessage(vmSetupRewritePrefix) + "a.ini" + ViewerMessage(vmSetupRewriteSuffix),
            "Test Setup file\na.ini\nwill be rewriten. Continue?");
  EXPECT_EQ(ViewerMessage(vmHoldDelay), "Delay, sec");
  EXPECT_EQ(ViewerMessage(2033), "File Loading Error");
  EXPECT_EQ(ViewerMessage(2006), "");  // a number without a text
  EXPECT_EQ(ViewerMessage(2000), "");
  EXPECT_EQ(ViewerMessage(2034), "");
  EXPECT_EQ(NotSortedMessage(12.345678), "Data file doesn't sorted (12.35 s). Event View is impossible.");
}

}  // namespace
}  // namespace ae
