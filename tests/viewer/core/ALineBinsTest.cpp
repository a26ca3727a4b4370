#include <gtest/gtest.h>

#include "viewer/core/ALineBins.h"
#include "viewer/core/GraphChannels.h"
#include "viewer/core/GraphColors.h"

namespace ae {
namespace {

TEST(ALineBins, TheYMaximumIsThePeakRoundedUpToTwoDigitsOrTheNextDecade) {
  struct Case {
    double peak;
    bool log;
    std::uint32_t current, max;
  } cases[] = {
      {1234, false, 100, 1300},    {7, false, 100, 7},      {0.5, false, 100, 10},
      {99.5, false, 100, 100},     {250, true, 100, 1000},  {1000, true, 100, 1000},
      {1000, false, 100, 1000},    {0.3, false, 100, 10},   {3, false, 100, 3},
      {7.3, false, 100, 8},        {12.01, false, 100, 13}, {100, false, 100, 100},
      {0, false, 500, 500},        {0, true, 100, 100},     {4294967294.0, false, 1, 4294967294u},
      {5e9, true, 1, 4294967294u},                       // beyond the 32-bit axis on a log axis too
      {0, false, 0, 10},           {0.05, true, 1, 10},  // a maximum of 1 or less becomes 10
  };
  for (const Case& c : cases)
    EXPECT_EQ(ALineBins::RescaledMax(c.peak, c.log, c.current), c.max) << c.peak << (c.log ? " log" : "");
}

TEST(ALineBins, SummationAndCumulationFinishTheBins) {
  ALineBins bins;
  bins.Reset(2, 3);
  bins.Add(0, 0, 2.0f, bsSum);
  bins.Add(0, 0, 3.0f, bsSum);
  bins.Add(0, 2, 1.0f, bsSum);
  bins.Add(1, 1, 7.0f, bsSum);
  // From the left every bin holds the sum up to it.
  ALineBins left = bins;
  EXPECT_DOUBLE_EQ(left.Finish(bsSum, ctFromLeft), 7.0);
  EXPECT_FLOAT_EQ(left.At(0, 1).Value, 5.0f);
  EXPECT_FLOAT_EQ(left.At(0, 2).Value, 6.0f);
  // From the right the last column is not compared: row 1's 7 is in column 1, row 0's 6 in 0.
  ALineBins right = bins;
  EXPECT_DOUBLE_EQ(right.Finish(bsSum, ctFromRight), 7.0);
  EXPECT_FLOAT_EQ(right.At(0, 0).Value, 6.0f);
  ALineBins lastOnly;
  lastOnly.Reset(1, 3);
  lastOnly.Add(0, 2, 9.0f, bsSum);
  EXPECT_DOUBLE_EQ(lastOnly.Finish(bsSum, ctFromRight), 9.0);  // reached column 1
  ALineBins single;
  single.Reset(1, 1);
  single.Add(0, 0, 9.0f, bsSum);
  EXPECT_DOUBLE_EQ(single.Finish(bsSum, ctFromRight), 0.0);
  // Another cumulation type finds no peak.
  ALineBins other = bins;
  EXPECT_DOUBLE_EQ(other.Finish(bsSum, 7), 0.0);
}

TEST(ALineBins, AverageMaximumAndMinimumKeepTheirOwnRules) {
  ALineBins bins;
  bins.Reset(1, 4);
  for (float y : {2.0f, 6.0f}) {
    bins.Add(0, 0, y, bsAverage);
    bins.Add(0, 1, y, bsMaximum);
    bins.Add(0, 2, y, bsMinimum);
    bins.Add(0, 3, y, 9);  // no such type: the count grows, the value stays 0
  }
  // The summation type is the graph's: averaging divides every bin by its count.
  ALineBins averaged = bins;
  EXPECT_DOUBLE_EQ(averaged.Finish(bsAverage, ctNone), 4.0);
  EXPECT_FLOAT_EQ(averaged.At(0, 0).Value, 4.0f);
  EXPECT_FLOAT_EQ(averaged.At(0, 1).Value, 3.0f);
  EXPECT_DOUBLE_EQ(bins.Finish(bsMaximum, ctNone), 8.0);  // the sum of bin 0 without averaging
  EXPECT_FLOAT_EQ(bins.At(0, 1).Value, 6.0f);
  EXPECT_FLOAT_EQ(bins.At(0, 2).Value, 0.0f);  // the minimum starts at 0
  EXPECT_FLOAT_EQ(bins.At(0, 3).Value, 0.0f);
  EXPECT_FLOAT_EQ(bins.At(0, 3).Count, 2.0f);
}

TEST(GraphChannels, ChannelTextsAreNumbersOneTo128BetweenBlanksCommasAndSemicolons) {
  const GraphChannels ok = GraphChannels::Parse(" 1,2;5  7,,128");
  ASSERT_TRUE(ok.Ok());
  EXPECT_EQ(ok.Channels.count(), 5u);
  EXPECT_TRUE(ok.Channels.test(0) && ok.Channels.test(1) && ok.Channels.test(4) && ok.Channels.test(6));
  EXPECT_TRUE(ok.Channels.test(127));
  EXPECT_TRUE(GraphChannels::Parse("").Channels.none());
  for (const char* bad : {"0", "129", "1,x", "-3", "1.5", "1-4", "+2"}) {
    const GraphChannels parsed = GraphChannels::Parse(bad);
    EXPECT_FALSE(parsed.Ok()) << bad;
    EXPECT_NE(parsed.Error.find("is not a channel number 1..128"), std::string::npos) << parsed.Error;
  }
  EXPECT_EQ(GraphChannels::Parse("3,200").Error, "\"200\" is not a channel number 1..128");
}

TEST(GraphColors, RolesSchemesAndPalettes) {
  EXPECT_EQ(RoleColor(TColorRole::Background, 0), 0x999999u);
  EXPECT_EQ(RoleColor(TColorRole::Point, 1), 0x00FF00u);
  EXPECT_EQ(RoleColor(TColorRole::Shadow, 3), 0x0080FFu);
  EXPECT_EQ(RoleColor(TColorRole::Background, ClipboardScheme), 0xFFFFFFu);
  EXPECT_EQ(RoleColor(TColorRole::Grouped, 4), RoleColor(TColorRole::Grouped, 0));
  EXPECT_EQ(SetColor(7), 0xFF99CCu);
  EXPECT_EQ(ChannelPalette(1), 0xCCCCFFu);
  EXPECT_EQ(ChannelPalette(64), 0x9966FFu);
  EXPECT_EQ(ChannelPalette(65), ChannelPalette(1));
  EXPECT_EQ(ChannelPalette(128), ChannelPalette(64));
  EXPECT_EQ(ColorSchemeName(2), "Windows (Black on White)");
}

}  // namespace
}  // namespace ae
