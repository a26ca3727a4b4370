#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "viewer/core/ATestStat.h"
#include "viewer/core/GraphColors.h"
#include "viewer/graphs/ZipPlot.h"

namespace ae {
namespace {

constexpr int Width = 900, Height = 600;
constexpr int Scheme = 3;  // white on black

TRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
TRgb At(const QImage& image, QPoint p) { return At(image, p.x(), p.y()); }

TEST(ZipGeometry, FollowsTheImageSize) {
  struct Case {
    int W, H, Left, Right, Top, Bottom;
  };
  // left = W div 3 - 0.2 W, right = W div 3 + 0.2 W, top = H div 2 - 0.4 H, bottom = H div 2 + 0.35 H.
  for (const Case& c : {Case{900, 600, 120, 480, 60, 510}, Case{601, 451, 79, 320, 44, 382}}) {
    const ZipGeometry g = ZipGeometry::For(c.W, c.H);
    EXPECT_EQ(g.Left, c.Left) << c.W;
    EXPECT_EQ(g.Right, c.Right) << c.W;
    EXPECT_EQ(g.Top, c.Top) << c.H;
    EXPECT_EQ(g.Bottom, c.Bottom) << c.H;
  }
  const ZipGeometry g = ZipGeometry::For(Width, Height);
  EXPECT_EQ(g.At(1, 10), QPoint(120, 510));
  EXPECT_EQ(g.At(10, 1000), QPoint(480, 60));
  EXPECT_EQ(g.At(std::sqrt(10.0) + 1e-9, 100), QPoint(300, 285));
  // Beyond the scales a point sits on their ends; not a number sits at the low end.
  EXPECT_EQ(g.At(20, 5000), g.At(10, 1000));
  EXPECT_EQ(g.At(0.5, 2), g.At(1, 10));
  EXPECT_EQ(g.At(std::numeric_limits<double>::quiet_NaN(), 50), g.At(1, 50));
}

TEST(ZipPlot, DrawsFrameScaleMarksAndZoneBoundariesInTheScheme) {
  const QImage image = ZipPlot::Render({}, Width, Height, Scheme);
  const ZipGeometry g = ZipGeometry::For(Width, Height);
  const TRgb background = RoleColor(TColorRole::Background, Scheme), axis = RoleColor(TColorRole::Axis, Scheme);
  ASSERT_EQ(image.size(), QSize(Width, Height));
  EXPECT_EQ(At(image, 5, 5), background);
  // The frame three pixels around the plot.
  EXPECT_EQ(At(image, g.Left - 3, (g.Top + g.Bottom) / 2), axis);
  EXPECT_EQ(At(image, g.Right + 3, (g.Top + g.Bottom) / 2), axis);
  EXPECT_EQ(At(image, (g.Left + g.Right) / 2, g.Top - 3), axis);
  EXPECT_EQ(At(image, (g.Left + g.Right) / 2, g.Bottom + 3), axis);
  EXPECT_EQ(At(image, g.Right + 4, (g.Top + g.Bottom) / 2), background);
  // Decade marks reach 8 pixels out, the others 6.
  EXPECT_EQ(At(image, g.Left - 8, g.Y(100)), axis);
  EXPECT_EQ(At(image, g.Left - 6, g.Y(50)), axis);
  EXPECT_EQ(At(image, g.Left - 7, g.Y(50)), background);
  EXPECT_EQ(At(image, g.X(1), g.Bottom + 8), axis);
  EXPECT_EQ(At(image, g.X(5), g.Bottom + 6), axis);
  EXPECT_EQ(At(image, g.X(5), g.Bottom + 7), background);

  struct Boundary {
    double H, S;  // a point on one of its straight pieces
    TRgb Color;
  };
  const Boundary boundaries[] = {
      {5, 25, 0x00FFFF}, {1.5, 50, 0x008000},  {1.5, 71, 0x0000FF}, {1.5, 190, 0x800080},
      {6, 71, 0x800080}, {1.5, 600, 0xFFFF00}, {6, 190, 0xFFFF00},
  };
  for (const Boundary& b : boundaries) EXPECT_EQ(At(image, g.At(b.H, b.S)), b.Color) << b.H << ", " << b.S;
  // The vertical pieces: zone A at 2 from 50 down to 25, zone B at 2.6, zone D at 2.6 above 190.
  EXPECT_EQ(At(image, g.X(2), g.Y(35)), 0x008000u);
  EXPECT_EQ(At(image, g.X(2.6), g.Y(35)), 0x0000FFu);
  EXPECT_EQ(At(image, g.X(2.6), g.Y(400)), 0xFFFF00u);
  EXPECT_EQ(At(image, g.X(5), g.Y(35)), background);  // inside a zone: nothing

  // Another scheme, another background and axis colour.
  const QImage classic = ZipPlot::Render({}, Width, Height, 0);
  EXPECT_EQ(At(classic, 5, 5), RoleColor(TColorRole::Background, 0));
  EXPECT_EQ(At(classic, g.Left - 3, g.Top + 10), RoleColor(TColorRole::Axis, 0));
}

TEST(ZipPlot, ChannelPointsTakeTheZoneColourAndTheMarkerOfTheirSet) {
  const ZipGeometry g = ZipGeometry::For(Width, Height);
  const QPoint half = ZipPlot::MarkerHalfSize();
  const int a = half.x(), b = half.y();
  // Channel 7 of set 1 in zone C at (3, 200), of set 2 beyond the scales, of set 3 white.
  const std::vector<ZipPoint> points = {{0, 7, 3.0, 200.0, 2}, {1, 7, 20.0, 5000.0, 4}, {2, 7, 5.0, 300.0, 9}};
  const QImage image = ZipPlot::Render(points, Width, Height, Scheme);
  const QPoint c = g.At(3, 200);
  // The rectangle of set 1 around its point, in purple.
  EXPECT_EQ(At(image, c.x() + a + 2, c.y()), 0x800080u);
  EXPECT_EQ(At(image, c.x(), c.y() - b - 2), 0x800080u);
  EXPECT_EQ(At(image, c.x() - a - 2, c.y() + b + 2), 0x800080u);
  // Set 2's ellipse in red at the upper right corner of the plot: (10, 1000).
  const QPoint e = g.At(10, 1000);
  EXPECT_EQ(At(image, e.x(), e.y() - b - 4), 0xFF0000u);
  EXPECT_EQ(At(image, e.x(), e.y() + b + 4), 0xFF0000u);
  // A zone class that is none of the six is white; set 3 is a diamond.
  const QPoint d = g.At(5, 300);
  EXPECT_EQ(At(image, d.x() + a + 5, d.y()), 0xFFFFFFu);
  EXPECT_EQ(At(image, d.x(), d.y() - b - 5), 0xFFFFFFu);
  // The legend: the rectangle of set 1 in the axis colour beside the plot.
  const int t = half.y() * 2;
  EXPECT_EQ(At(image, g.Right + 50 + a + 2, g.Top + t / 2), RoleColor(TColorRole::Axis, Scheme));
}

TEST(ZipPlot, PiledUpChannelsKeepTheirLabelsApartAndClearOfTheScales) {
  // Fifteen channels with too few events at the lower left corner, next to the severity "10"
  // and the historic index "1"; five more beyond both scales at the upper right corner.
  std::vector<ZipPoint> points;
  for (int c = 1; c <= 15; ++c) points.push_back({0, 113 + c, 1.0, 10.0, 5});
  for (int c = 1; c <= 5; ++c) points.push_back({1, c, 20.0, 5000.0, 4});
  for (const auto& [w, h] : {std::pair{Width, Height}, std::pair{601, 451}}) {
    ZipLabels labels;
    ZipPlot::Render(points, w, h, Scheme, &labels);
    ASSERT_EQ(labels.Channels.size(), points.size());
    for (std::size_t i = 0; i < labels.Channels.size(); ++i) {
      const QRect& box = labels.Channels[i].Box;
      for (const QRect& axis : labels.Axis) EXPECT_FALSE(box.intersects(axis)) << w << ": channel " << i;
      for (std::size_t j = 0; j < i; ++j)
        EXPECT_FALSE(box.intersects(labels.Channels[j].Box)) << w << ": channels " << j << ", " << i;
    }
  }
  // A channel alone where it belongs stays on its point.
  ZipLabels labels;
  ZipPlot::Render({{0, 7, 3.0, 200.0, 2}}, Width, Height, Scheme, &labels);
  ASSERT_EQ(labels.Channels.size(), 1u);
  EXPECT_EQ(labels.Channels[0].Centre, ZipGeometry::For(Width, Height).At(3, 200));
}

TEST(ZipPlot, AChannelBeyondTheScalesCarriesAnArrowThatWayAndOneWithinNone) {
  const QPoint half = ZipPlot::MarkerHalfSize();
  const int a = half.x(), b = half.y();
  ZipLabels labels;
  const QImage image =
      ZipPlot::Render({{0, 7, 20.0, 5000.0, 4}, {0, 8, 20.0, 100.0, 4}, {0, 9, 4.0, 5000.0, 4}, {0, 10, 3.0, 200.0, 2}},
                      Width, Height, Scheme, &labels);
  ASSERT_EQ(labels.Channels.size(), 4u);
  // Beyond both scales: out of the corner; beyond one: to the right, or upward.
  const QPoint corner = labels.Channels[0].Centre, right = labels.Channels[1].Centre, up = labels.Channels[2].Centre;
  EXPECT_EQ(corner, ZipGeometry::For(Width, Height).At(10, 1000));
  EXPECT_EQ(At(image, corner.x() + a + 10, corner.y() - b - 10), 0xFF0000u);
  EXPECT_EQ(At(image, right.x() + a + 9, right.y()), 0xFF0000u);
  EXPECT_EQ(At(image, up.x(), up.y() - b - 9), 0xFF0000u);
  const QPoint within = labels.Channels[3].Centre;
  const TRgb background = RoleColor(TColorRole::Background, Scheme);
  EXPECT_EQ(At(image, within.x() + a + 9, within.y()), background);
  EXPECT_EQ(At(image, within.x(), within.y() - b - 9), background);
}

TEST(ZipPlot, YellowAndCyanStayReadableOnAWhitePage) {
  const ZipGeometry g = ZipGeometry::For(Width, Height);
  const QImage white = ZipPlot::Render({}, Width, Height, 2);
  const TRgb yellow = At(white, g.At(1.5, 600)), cyan = At(white, g.At(5, 25));
  EXPECT_EQ(yellow, ZipPlot::ReadableOn(0xFFFF00, 0xFFFFFF));
  EXPECT_EQ(cyan, ZipPlot::ReadableOn(0x00FFFF, 0xFFFFFF));
  for (TRgb shade : {yellow, cyan}) {
    const int luminance = (299 * ((shade >> 16) & 0xFF) + 587 * ((shade >> 8) & 0xFF) + 114 * (shade & 0xFF)) / 1000;
    EXPECT_LT(luminance, 140) << std::hex << shade;
  }
  // Dark pages keep the colours as they are.
  EXPECT_EQ(ZipPlot::ReadableOn(0xFFFF00, 0x000000), 0xFFFF00u);
  EXPECT_EQ(ZipPlot::ReadableOn(0x00FFFF, 0x999999), 0x00FFFFu);
}

TEST(ZipPlot, ASetsChannelWithoutHitsHasNoPoint) {
  ATestSetup setup;
  ATestStat stat(setup);
  stat.CreateSets(0x01);
  AChannelSet checked;
  checked.set();
  stat.AddChannel(3, checked);
  stat.AddChannel(128, checked);
  ZTShortHit hit;
  hit.Kind = rkHit;
  hit.Channel = 3;
  hit.Amplitude = 60;
  hit.FrameBits = 1;
  stat.AddHit(hit, checked);
  const std::vector<ZipPoint> points = ZipPointsOf(stat);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].Channel, 3);
  EXPECT_EQ(points[0].ZoneClass, 5);  // one event: minor activity at the corner
}

}  // namespace
}  // namespace ae
