#pragma once
// A small page for pixel tests: a 2 x 2 grid on 640 x 450 pixels, so that the graph in the
// upper left cell is 320 x 225 with its plot from (50, 25) to (300, 200): an X axis 0..250 and
// a Y axis 0..175 then map one unit to one pixel.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ZTDataSet.h"
#include "tests/support/DataSetBuilder.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/graphs/PixelCanvas.h"
#include "viewer/graphs/TCommonData.h"
#include "viewer/graphs/TZTGraph.h"

namespace ae::test {

class GraphFixture : public ::testing::Test {
 protected:
  GraphFixture() {
    options.HorizGraphNum = 2;
    options.VertGraphNum = 2;
    options.ColorScheme = 3;
    options.ViewType = 2;
    options.PointSize = 1;
    options.ShowTimeMark = false;
    setup.HoldsView = false;
    common.SetPageSize(640, 450);
  }

  void Load(std::vector<ZTShortHit> recs) {
    data = MakeSet(std::move(recs));
    data.FileName = "test.DTA";
  }

  // A graph of the upper left cell, amplitude 0..250 against energy 0..175 unless told otherwise.
  template <class Graph>
  std::unique_ptr<Graph> Make(TGraphSetup s = Setup()) {
    auto graph = std::make_unique<Graph>(common, 0);
    graph->Setup(s);
    return graph;
  }
  static TGraphSetup Setup(int xParam = pcAmplitude, std::uint32_t xMax = 250, int yParam = pcEnergy,
                           std::uint32_t yMax = 175) {
    TGraphSetup s;
    s.LX = 0;
    s.LY = 0;
    s.RX = 1;
    s.RY = 1;
    s.Name = "Test";
    s.XParam = xParam;
    s.XMax = xMax;
    s.YParam = yParam;
    s.YMax = yMax;
    return s;
  }

  // Sets the graph up in the cell (lx, ly) of the grid and adds it to the page.
  static void Place(GraphPage& page, std::unique_ptr<TZTGraph> graph, int lx, int ly, TGraphSetup s) {
    s.LX = lx;
    s.LY = ly;
    s.RX = lx + 1;
    s.RY = ly + 1;
    graph->Setup(s);
    page.Graphs.push_back(std::move(graph));
  }

  static std::uint32_t At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
  TRgb Role(TColorRole role) const { return RoleColor(role, options.ColorScheme); }
  // Pixels of a colour inside a rectangle (inclusive).
  static int Count(const QImage& image, TRgb colour, int x1, int y1, int x2, int y2) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x)
        if (At(image, x, y) == colour) ++n;
    return n;
  }

  ZTDataSet data;
  AOptions options;
  ATestSetup setup;
  TCommonData common{data, options, setup};
};

// A hit with the amplitude and energy the pixel tests place.
inline ZTShortHit PlacedHit(double seconds, int channel, int amplitude, int energy) {
  return Hit(seconds, channel, amplitude, energy);
}

}  // namespace ae::test
