#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "viewer/core/AxisLabelText.h"

namespace ae {
namespace {

TEST(AxisLabelText, NumbersReadTheirValueWithTheDecimalsTheyNeed) {
  const struct {
    double value;
    const char* plain;
    const char* compact;
  } cases[] = {
      {0, "0", "0"},
      {1.6, "1.6", "1.6"},
      {6.4, "6.4", "6.4"},
      {100.0 / 3, "33.333", "33.333"},
      {999, "999", "999"},
      {1000, "1000", "1k"},
      {250000, "250000", "250k"},
      {1600000, "1600000", "1.6M"},
      {1280000, "1280000", "1.28M"},
      {8000000, "8000000", "8M"},
      {11000000, "11000000", "11M"},
      {4294967294.0, "4294967294", "4.29G"},
      {999999, "999999", "1M"},  // the rounding carries into the next suffix
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlainNumber(c.value), c.plain) << c.value;
    EXPECT_EQ(CompactNumber(c.value), c.compact) << c.value;
  }
  EXPECT_EQ(CompactNumber(1234567, 0), "1M");
  EXPECT_EQ(CompactNumber(1260000, 1), "1.3M");
}

TEST(AxisLabelText, AnAxisIsAllPlainOrAllCompact) {
  // One pixel per character.
  auto width = [](const std::string& s) { return static_cast<int>(s.size()); };
  EXPECT_EQ(AxisLabelTexts({{0, 6}, {800000, 6}}, width), (std::vector<std::string>{"0", "800000"}));
  EXPECT_EQ(AxisLabelTexts({{0, 6}, {800000, 6}, {1600000, 6}}, width),
            (std::vector<std::string>{"0", "800k", "1.6M"}));
  // Fewer decimals where two do not fit.
  EXPECT_EQ(AxisLabelTexts({{1280000, 4}}, width), (std::vector<std::string>{"1.3M"}));
  EXPECT_EQ(AxisLabelTexts({{1280000, 2}}, width), (std::vector<std::string>{"1M"}));
}

}  // namespace
}  // namespace ae
