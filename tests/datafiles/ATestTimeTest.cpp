#include <cstring>
#include <limits>
#include <sstream>

#include <gtest/gtest.h>

#include "datafiles/ATestTime.h"

namespace ae {
namespace {

TEST(ATestTime, OneSecondIsFourMillionTicks) {
  const ATestTime t = ATestTime::FromSeconds(1.0L);
  EXPECT_EQ(t.Low, 0x0900);
  EXPECT_EQ(t.Middle, 0x003D);
  EXPECT_EQ(t.High, 0);
  EXPECT_EQ(t.Ticks(), 4000000u);
  EXPECT_DOUBLE_EQ(static_cast<double>(t.Seconds()), 1.0);
}

TEST(ATestTime, PrintsFixedSevenDecimalsInFourteenColumnsAndRestoresTheStream) {
  std::ostringstream os;
  os << std::scientific;
  os << ATestTime::FromSeconds(1.0L) << '|' << 2.5;
  EXPECT_EQ(os.str(), "     1.0000000|2.500000e+00");
}

TEST(ATestTime, OrderingComparesHighThenMiddleThenLow) {
  EXPECT_LT(ATestTime(1, 5, 0), ATestTime(2, 5, 0));       // equal high and middle: low decides
  EXPECT_GT(ATestTime(0, 6, 0), ATestTime(0xFFFF, 5, 0));  // greater middle wins over low
  EXPECT_GT(ATestTime(0, 0, 1), ATestTime(0xFFFF, 0xFFFF, 0));
  EXPECT_LE(ATestTime(3, 4, 5), ATestTime(3, 4, 5));
  EXPECT_EQ(ATestTime(3, 4, 5), ATestTime(3, 4, 5));
  EXPECT_NE(ATestTime(3, 4, 5), ATestTime(3, 4, 6));
}

TEST(ATestTime, AdditionCarriesWordByWord) {
  const ATestTime sum = ATestTime(0xFFFF, 0xFFFF, 1) + ATestTime(1, 0, 0);
  EXPECT_EQ(sum, ATestTime(0, 0, 2));
  EXPECT_EQ(ATestTime::FromSeconds(2.5L) + ATestTime::FromSeconds(0.25L), ATestTime::FromSeconds(2.75L));
  // Beyond 48 bits the high word wraps.
  EXPECT_EQ(ATestTime(0, 0, 0xFFFF) + ATestTime(0, 0, 2), ATestTime(0, 0, 1));
}

TEST(ATestTime, ConversionTruncatesAndStaysDefinedOutsideItsRange) {
  EXPECT_EQ(ATestTime::FromSeconds(0.9999999999L * 2.5e-7L).Ticks(), 0u);
  EXPECT_EQ(ATestTime::FromSeconds(1e7L).Ticks(), 40000000000000ull);
  // Large, negative and not-a-number inputs must not trap; they give some defined value.
  (void)ATestTime::FromSeconds(1e30L);
  (void)ATestTime::FromSeconds(-5.0L);
  (void)ATestTime::FromSeconds(std::numeric_limits<long double>::quiet_NaN());
  EXPECT_TRUE(ATestTime::FromSeconds(std::numeric_limits<long double>::quiet_NaN()).IsZero());
}

TEST(ATestTime, BytesAreLowWordFirst) {
  const unsigned char bytes[6] = {0x00, 0x09, 0x3D, 0x00, 0x00, 0x00};
  const ATestTime t = ATestTime::FromBytes(bytes);
  EXPECT_EQ(t, ATestTime::FromSeconds(1.0L));
  unsigned char out[6] = {};
  t.ToBytes(out);
  EXPECT_EQ(0, std::memcmp(bytes, out, 6));
}

}  // namespace
}  // namespace ae
