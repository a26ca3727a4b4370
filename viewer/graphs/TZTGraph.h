#pragma once
// The common base of the viewer's graph kinds: configuration from one graph row, placement in
// the page grid, the plot rectangle and transforms, and the layers every kind draws into its
// off-screen bitmap (cell border, grid, labels, axes, time marks, holds). The graph needs no
// window: a widget shows its bitmap, batch rendering and the tests read it directly.
#include <QImage>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "viewer/core/AGraphAxis.h"
#include "viewer/core/ChannelList.h"
#include "viewer/core/GraphColors.h"
#include "viewer/core/GraphId.h"
#include "viewer/graphs/AxisPixels.h"
#include "viewer/graphs/GraphText.h"
#include "viewer/graphs/TCommonData.h"

namespace ae {

class PixelCanvas;

// The values of one graph row that set a graph up.
struct TGraphSetup {
  int LX = 0, LY = 0, RX = 1, RY = 1;  // cell rectangle, right and bottom exclusive
  std::string Name;
  std::string Channels;  // channel text, e.g. "1,2,5"
  bool NoColour = false;
  int XParam = 0;
  std::uint32_t XMin = 0, XMax = 0;
  bool XLog = false;
  int YParam = 0;
  std::uint32_t YMin = 0, YMax = 0;
  bool YLog = false;
  // The short names of the axis parameters in the parameter table; empty when it has none.
  std::string XShortName, YShortName;
};

class TZTGraph {
 public:
  enum : int { gkBase = 0, gkPoint = 1, gkLine = 2, gkHistogram = 3 };

  TZTGraph(TCommonData& common, int graphNumber);
  virtual ~TZTGraph();
  TZTGraph(const TZTGraph&) = delete;
  TZTGraph& operator=(const TZTGraph&) = delete;

  // Never given to another graph during the run.
  GraphId Id() const { return id_; }
  TCommonData& Common() const { return common_; }

  // Off-screen bitmap, always the size of the graph.
  QImage Bitmap;
  int GraphKind = gkBase;
  int LX = 0, LY = 0, RX = 0, RY = 0;
  int GraphNumber = 0;
  std::string GraphName;
  // Place and size in the page, pixels.
  int Left = 0, Top = 0, Width = 0, Height = 0;
  // Plot rectangle in graph coordinates.
  int PlotLeft = 0, PlotTop = 0, PlotRight = 0, PlotBottom = 0;
  bool NoColour = false;
  std::string XShortName, YShortName;
  AGraphAxis XAxis, YAxis;
  AChannelSet Channels;  // empty: no channel restriction of the graph's own
  // Why the graph could not be set up (its channel text); such a graph draws no data.
  std::string SetupError;
  bool Dirty = true;
  // Called whenever the graph wants to be shown again (a widget repaints).
  std::function<void()> OnInvalidate;

  virtual bool InPlotArea(int x, int y) const;
  virtual void SetChannels(const std::string& text);
  virtual void DrawCellBorder(QImage& bitmap);
  virtual void DrawAxes(QImage& bitmap);
  virtual void DrawTimeMarks(QImage& bitmap);
  virtual void DrawHolds(QImage& bitmap);
  virtual void DrawGrid(QImage& bitmap);
  virtual void DrawLabels(QImage& bitmap);
  // The hits; nothing in the base. DrawData is DrawDataPixels, then DrawDataTexts: the pixel
  // part touches nothing but this graph and its bitmap, so the graphs of a page may run it in
  // parallel when no event rule is applied.
  void DrawData(QImage& bitmap);
  virtual void DrawDataPixels(QImage& bitmap);
  virtual void DrawDataTexts(QImage& bitmap);
  virtual double XValueAt(int x) const;
  virtual double YValueAt(int y) const;
  virtual void SetTimeRangeAndRedraw(std::int32_t from, std::int32_t to);
  virtual double XScale() const { return XAxis.Scale; }
  virtual void Setup(const TGraphSetup& setup);
  virtual void UpdateLayout();
  // Renders into the bitmap when dirty or when every graph must render again.
  virtual void PaintGraph();
  virtual void Redraw();
  virtual void SetTimeRange(std::int32_t from, std::int32_t to);
  virtual void RestoreTimeRange();

  // The events this graph's last drawing pass counted, when it counted them; the page puts it
  // into the data set in graph order.
  std::optional<std::uint32_t> PassEventCount;
  // The points of the last render that the graph would have drawn but for its ranges (a time
  // axis aside: hits beyond the time window are not lost, only not in view). The title line
  // shows them, so that no hit goes missing silently.
  std::uint64_t OutsideCount = 0;
  // The texts of the last render, in the order drawn.
  std::vector<TDrawnText> Texts;

  // The X and Y ranges (not a time axis; not the Y axis of a line graph or histogram, which
  // follows its bins) made to hold every hit the graph could show, rounded outward to readable
  // values. The graph database keeps its ranges: RestoreStoredRanges returns to them. False
  // when there is no such hit, and nothing changed.
  bool FitAxesToData();
  // Back to the configured ranges after FitAxesToData; false when there was nothing to undo.
  bool RestoreStoredRanges();

  // Whether an axis is a location code: the graph shows located events only, and a point graph
  // of the two location codes is a location map with the sensors of the setup on it.
  bool UsesLocation() const;

  // The graph alone at another size in the clipboard's scheme: axes, labels, data, frames, time
  // marks and holds on a framed background. The graph's own layout is left as it was.
  QImage RenderCopy(int width, int height);

  // The render in steps, for a page that renders its graphs together: Begin (layout and the
  // layers before the data), DrawDataPixels, then Finish (the rest).
  void BeginPaint();
  void FinishPaint();

  // The value-to-pixel transforms of the current ranges.
  int XPixel(double v) const { return PlotLeft + XAxis.Offset(v); }
  int YPixel(double v) const { return PlotBottom - YAxis.Offset(v); }
  // The colour scheme of the render in progress.
  int Scheme() const { return scheme_; }
  TRgb Color(TColorRole role) const { return RoleColor(role, scheme_); }
  // The fast transforms of the current axes for a pass over the hits, kept while the axes stay.
  const AxisPixels& XPixels() const;
  const AxisPixels& YPixels() const;

 protected:
  // Whether channel c (of a hit) passes the graph's own list and the channel selection.
  bool ChannelSelected(int channel) const;
  void SetPlotRect(int width, int height);
  // Text in the graph's colours, recorded into Texts.
  GraphText LabelText(QImage& bitmap);
  // Value labels of the Y axis right-aligned 10 pixels left of the plot, each at its top edge,
  // all plain or all compact; a label with Draw off is measured with the others but not drawn.
  struct YLabel {
    double Value;
    int Y;
    bool Draw = true;
  };
  void DrawYLabels(GraphText& text, const std::vector<YLabel>& labels);
  // The inner labels of a logarithmic Y axis: its whole decades, each at its tick.
  std::vector<YLabel> LogYLabels(int h) const;

 private:
  void DrawXLabels(GraphText& text, const QRect& nameBox);
  // Brings the data set's locations up to date with its hits and the test setup.
  void UpdateLocations();
  // On a graph of a location: why it shows nothing (no location setup, a setup it cannot work
  // with), or where the hits stopped being in time order and locating with them.
  void DrawLocationNote(QImage& bitmap);
  void DrawSensors(QImage& bitmap);
  // "+N outside" after the title when points lay outside the ranges.
  void DrawOutsideNote(QImage& bitmap);

  TCommonData& common_;
  GraphId id_;
  mutable std::unique_ptr<AxisPixels> xPixels_, yPixels_;
  int scheme_ = 0;
  bool fitted_ = false;
  // Where the title ends and the Y axis name starts, for the note after the title.
  int titleRight_ = 0, yNameLeft_ = 0;
};

}  // namespace ae
