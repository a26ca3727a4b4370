#include "viewer/graphs/TZTGraph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "datafiles/DataFileTypes.h"
#include "viewer/core/AEventLocator.h"
#include "viewer/core/AxisLabelText.h"
#include "viewer/core/GraphChannels.h"
#include "viewer/graphs/FrameDrawing.h"
#include "viewer/graphs/GraphText.h"
#include "viewer/graphs/LocatedValues.h"
#include "viewer/graphs/PixelCanvas.h"
#include "viewer/graphs/SensorMarkers.h"

namespace ae {

namespace {

QString Number(std::int64_t v) { return QString::number(v); }

}  // namespace

TZTGraph::TZTGraph(TCommonData& common, int graphNumber)
    : GraphNumber(graphNumber), common_(common), id_(NewGraphId()) {}

TZTGraph::~TZTGraph() = default;

bool TZTGraph::InPlotArea(int x, int y) const { return PlotLeft < x && x < PlotRight && PlotTop < y && y < PlotBottom; }

void TZTGraph::SetChannels(const std::string& text) {
  const GraphChannels parsed = GraphChannels::Parse(text);
  Channels = parsed.Channels;
  SetupError = parsed.Ok() ? std::string() : "Channels \"" + text + "\": " + parsed.Error;
}

void TZTGraph::Setup(const TGraphSetup& setup) {
  LX = setup.LX;
  LY = setup.LY;
  RX = setup.RX;
  RY = setup.RY;
  GraphName = setup.Name;
  NoColour = setup.NoColour;
  XAxis.Configure(setup.XParam, setup.XLog, setup.XMin, setup.XMax);
  YAxis.Configure(setup.YParam, setup.YLog, setup.YMin, setup.YMax);
  XShortName = setup.XShortName;
  YShortName = setup.YShortName;
  Channels.reset();
  SetupError.clear();
  if (!setup.Channels.empty()) SetChannels(setup.Channels);
  Dirty = true;
}

void TZTGraph::SetPlotRect(int width, int height) {
  PlotLeft = 50;
  PlotTop = 25;
  PlotRight = width - 20;
  PlotBottom = height - 25;
  XAxis.UpdateScale(PlotRight - PlotLeft);
  YAxis.UpdateScale(PlotBottom - PlotTop);
}

void TZTGraph::UpdateLayout() {
  const int columns = RX - LX;
  Left = LX * common_.CellWidth;
  Top = LY * common_.CellHeight;
  int width = columns * common_.CellWidth;
  // A graph at the right edge of the grid takes the pixels the integer cell width leaves over.
  if (Left + width + common_.Options->HorizGraphNum > common_.PageWidth) width = common_.PageWidth - Left;
  const int height = (RY - LY) * common_.CellHeight;
  const bool resized = width != Width || height != Height;
  Width = width;
  Height = height;
  if (Bitmap.width() != std::max(width, 0) || Bitmap.height() != std::max(height, 0) || Bitmap.isNull()) {
    Bitmap = width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage();
    // Never shown with what the memory held before its first render.
    if (!Bitmap.isNull()) Bitmap.fill(QColor::fromRgb(RoleColor(TColorRole::Background, common_.Options->ColorScheme)));
  }
  // The labels' font follows the resolution of the bitmap: the screen's unless a page for paper
  // asks for another.
  static const int screenDpm = QImage(1, 1, QImage::Format_RGB32).dotsPerMeterY();
  const int dpm = common_.LabelDpi > 0 ? static_cast<int>(common_.LabelDpi / 0.0254 + 0.5) : screenDpm;
  if (!Bitmap.isNull() && (Bitmap.dotsPerMeterX() != dpm || Bitmap.dotsPerMeterY() != dpm)) {
    Bitmap.setDotsPerMeterX(dpm);
    Bitmap.setDotsPerMeterY(dpm);
  }
  SetPlotRect(width, height);
  if (resized) Dirty = true;
}

double TZTGraph::XValueAt(int x) const { return XAxis.ValueAtOffset(static_cast<double>(x - PlotLeft)); }

double TZTGraph::YValueAt(int y) const { return YAxis.ValueAtOffset(static_cast<double>(PlotBottom - y)); }

void TZTGraph::Redraw() {
  Dirty = true;
  if (OnInvalidate) OnInvalidate();
}

void TZTGraph::SetTimeRange(std::int32_t from, std::int32_t to) {
  if (XAxis.Param != pcTime) return;
  XAxis.SetRange(static_cast<std::uint32_t>(std::max(from, 0)), static_cast<std::uint32_t>(std::max(to, 0)));
}

void TZTGraph::RestoreTimeRange() {
  if (XAxis.Param == pcTime) XAxis.RestoreRange();
}

bool TZTGraph::FitAxesToData() {
  if (!common_.HasData() || !SetupError.empty()) return false;
  const AOptions& options = *common_.Options;
  const ATestSetup& setup = *common_.Setup;
  const bool xTime = XAxis.Param == pcTime, yTime = YAxis.Param == pcTime;
  const bool fitY = GraphKind == gkPoint && !yTime;
  if (xTime && !fitY) return false;
  double xLow = HUGE_VAL, xHigh = -HUGE_VAL, yLow = HUGE_VAL, yHigh = -HUGE_VAL;
  std::optional<LocatedValues> located;
  if (UsesLocation()) {
    UpdateLocations();
    located.emplace(*common_.DataSet, XAxis.Param, YAxis.Param);
  }
  for (const ZTShortHit& rec : common_.DataSet->Recs) {
    if (rec.IsDeleted() || rec.Kind != rkHit || !ChannelSelected(rec.Channel)) continue;
    if (options.TimeRangeFilter) {
      const double t = HitValue(rec, pcTime);
      if (!(options.FilterStart <= t && t <= options.FilterEnd)) continue;
    }
    double x = 0.0, y = 0.0;
    if (!located) x = HitValue(rec, XAxis.Param), y = HitValue(rec, YAxis.Param);
    else if (!located->Get(rec, x, y)) continue;
    if (XAxis.Param == pcPar1) x = setup.ParP(x);
    if (YAxis.Param == pcPar1) y = setup.ParP(y);
    // The time window stays as it is: only the hits in view count.
    if (xTime && !(XAxis.Min <= x && x <= XAxis.Max)) continue;
    if (yTime && !(YAxis.Min <= y && y <= YAxis.Max)) continue;
    xLow = std::min(xLow, x);
    xHigh = std::max(xHigh, x);
    yLow = std::min(yLow, y);
    yHigh = std::max(yHigh, y);
  }
  if (xLow > xHigh) return false;
  if (!xTime) XAxis.FitTo(xLow, xHigh);
  if (fitY) YAxis.FitTo(yLow, yHigh);
  fitted_ = true;
  Dirty = true;
  return true;
}

bool TZTGraph::RestoreStoredRanges() {
  if (!fitted_) return false;
  fitted_ = false;
  if (XAxis.Param != pcTime) XAxis.RestoreRange();
  if (GraphKind == gkPoint && YAxis.Param != pcTime) YAxis.RestoreRange();
  Dirty = true;
  return true;
}

void TZTGraph::SetTimeRangeAndRedraw(std::int32_t from, std::int32_t to) {
  SetTimeRange(from, to);
  Redraw();
}

const AxisPixels& TZTGraph::XPixels() const {
  if (!xPixels_ || !xPixels_->Matches(XAxis, PlotLeft, +1))
    xPixels_ = std::make_unique<AxisPixels>(XAxis, PlotLeft, +1);
  return *xPixels_;
}

const AxisPixels& TZTGraph::YPixels() const {
  if (!yPixels_ || !yPixels_->Matches(YAxis, PlotBottom, -1))
    yPixels_ = std::make_unique<AxisPixels>(YAxis, PlotBottom, -1);
  return *yPixels_;
}

bool TZTGraph::ChannelSelected(int channel) const {
  if (channel < 1 || channel > 128) return false;
  const auto bit = static_cast<std::size_t>(channel - 1);
  return common_.Options->CheckedChan.test(bit) && (Channels.none() || Channels.test(bit));
}

void TZTGraph::DrawCellBorder(QImage& bitmap) {
  PixelCanvas canvas(bitmap);
  const TRgb pen = Color(TColorRole::CellBorder);
  // A graph on the bottom or right edge of the page draws no line there.
  if (Top + Height + common_.Options->VertGraphNum < common_.PageHeight) canvas.HLine(0, Width + 1, Height - 1, pen);
  if (Left + Width + common_.Options->HorizGraphNum < common_.PageWidth) canvas.VLine(Width - 1, 0, Height, pen);
}

void TZTGraph::DrawAxes(QImage& bitmap) {
  PixelCanvas canvas(bitmap);
  const TRgb pen = Color(TColorRole::Axis);
  canvas.FrameRect(PlotLeft - 3, PlotTop - 3, PlotRight + 3, PlotBottom + 3, pen);
  const AxisTicks y = YAxisTicks(YAxis, PlotTop, PlotBottom);
  for (int t : y.Major) canvas.HLine(PlotLeft - 8, PlotLeft - 3, t, pen);
  for (int t : y.Minor) canvas.HLine(PlotLeft - 6, PlotLeft - 3, t, pen);
  const AxisTicks x = XAxisTicks(XAxis, PlotLeft, PlotRight);
  for (int t : x.Major) canvas.VLine(t, PlotBottom + 3, PlotBottom + 8, pen);
  for (int t : x.Minor) canvas.VLine(t, PlotBottom + 3, PlotBottom + 6, pen);
}

void TZTGraph::DrawGrid(QImage& bitmap) {
  if (!common_.Options->ShowGrid) return;
  PixelCanvas canvas(bitmap);
  // The inner major ticks; a decade tick outside the plot gets no line across it.
  const AxisTicks y = YAxisTicks(YAxis, PlotTop, PlotBottom);
  for (std::size_t i = 1; i + 1 < y.Major.size(); ++i)
    if (y.Major[i] >= PlotTop && y.Major[i] <= PlotBottom)
      canvas.DottedHLine(PlotLeft, PlotRight, y.Major[i], GridColor);
  const AxisTicks x = XAxisTicks(XAxis, PlotLeft, PlotRight);
  for (std::size_t i = 1; i + 1 < x.Major.size(); ++i)
    if (x.Major[i] >= PlotLeft && x.Major[i] <= PlotRight)
      canvas.DottedVLine(x.Major[i], PlotBottom, PlotTop, GridColor);
}

GraphText TZTGraph::LabelText(QImage& bitmap) {
  return GraphText(bitmap, Color(TColorRole::Text), Color(TColorRole::Background), &Texts, common_.LabelGlyphs);
}

namespace {

std::function<int(const std::string&)> Measure(const GraphText& text) {
  return [&text](const std::string& s) { return text.Width(QText(s)); };
}

}  // namespace

void TZTGraph::DrawYLabels(GraphText& text, const std::vector<YLabel>& labels) {
  // Right-aligned 10 pixels left of the plot: the room is what lies left of that.
  const int room = PlotLeft - 10;
  std::vector<AxisLabelRoom> rooms;
  for (const YLabel& label : labels) rooms.push_back({label.Value, room});
  const std::vector<std::string> texts = AxisLabelTexts(rooms, Measure(text));
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (labels[i].Draw) text.DrawRightAligned(PlotLeft - 10, labels[i].Y, QText(texts[i]));
}

std::vector<TZTGraph::YLabel> TZTGraph::LogYLabels(int h) const {
  std::vector<YLabel> labels;
  const int n = YAxis.Decades();
  const double fmin = AGraphAxis::F(YAxis.Min, true);
  if (YAxis.Min == 1 && std::pow(10.0, n) == static_cast<double>(YAxis.Max)) {
    // An axis from 1 to a whole decade: 10^(n - i) at i decades below the top.
    for (int i = 1; i < n; ++i)
      labels.push_back({std::pow(10.0, n - i), PlotTop + TruncPixel((i - fmin) * YAxis.Scale) - h / 2});
    return labels;
  }
  // Any other range: each decade's value at its own tick, where that lies inside the plot and
  // clear of the minimum and maximum labels.
  const std::vector<int> ticks = YAxisTicks(YAxis, PlotTop, PlotBottom).Major;
  for (int d = static_cast<int>(ticks.size()) - 1; d >= 0; --d) {
    const int y = ticks[static_cast<std::size_t>(d)];
    if (y - PlotTop >= h && PlotBottom - y >= h) labels.push_back({std::pow(10.0, d), y - h / 2});
  }
  return labels;
}

void TZTGraph::DrawLabels(QImage& bitmap) {
  GraphText text = LabelText(bitmap);
  const int h = text.Height();
  const QString title = Number(GraphNumber) + QStringLiteral(". ") + QText(GraphName);
  text.Draw(5, 10 - h / 2, title);
  titleRight_ = 5 + text.Width(title);
  const QString yName = QText(YShortName);
  yNameLeft_ = Width - text.Width(yName) - 5;
  text.Draw(yNameLeft_, 10 - h / 2, yName);

  std::vector<YLabel> y{{static_cast<double>(YAxis.Min), PlotBottom - h / 2}};
  if (GraphKind == gkPoint) {
    y.push_back({static_cast<double>(YAxis.Max), PlotTop - h / 2});
    if (YAxis.Log) {
      const std::vector<YLabel> decades = LogYLabels(h);
      y.insert(y.end(), decades.begin(), decades.end());
    } else {
      // Each inner label reads the value at its tick.
      const int n = YAxis.TickCount(true);
      const double min = YAxis.Min, range = static_cast<double>(YAxis.Max) - min;
      for (int j = 1; j < n; ++j)
        y.push_back({min + range * (n - j) / n,
                     TruncPixel(static_cast<double>(j) * (PlotBottom - PlotTop) / n + PlotTop - h / 2)});
    }
  }
  DrawYLabels(text, y);

  const QString xName = QText(XShortName);
  const QRect nameBox(PlotLeft + (PlotRight - PlotLeft) / 2 - text.Width(xName) / 2, Height - 17, text.Width(xName), h);
  text.Draw(nameBox.left(), nameBox.top(), xName);
  DrawXLabels(text, xName.isEmpty() ? QRect() : nameBox);
  // A graph that could not be set up says why where its data would be.
  if (!SetupError.empty()) text.Draw(PlotLeft + 5, PlotTop + 5, QText(SetupError));
}

void TZTGraph::DrawXLabels(GraphText& text, const QRect& nameBox) {
  const int h = text.Height(), top = Height - 17;
  // The ends: the minimum centred under the plot's left edge, the maximum right-aligned 5 pixels
  // from the graph's right edge. A time axis also gets the values of its major ticks between
  // them, where they fit.
  struct Inner {
    double Value;
    int X;
  };
  std::vector<Inner> inner;
  if (XAxis.Param == pcTime) {
    const std::vector<int> ticks = XAxisTicks(XAxis, PlotLeft, PlotRight).Major;
    if (XAxis.Log) {
      for (std::size_t i = 1; i + 1 < ticks.size(); ++i)
        if (ticks[i] > PlotLeft && ticks[i] < PlotRight)
          inner.push_back({std::pow(10.0, static_cast<int>(i)), ticks[i]});
    } else {
      // Counted from the right, as the ticks are.
      const int n = static_cast<int>(ticks.size()) - 1;
      const double max = XAxis.Max, range = max - static_cast<double>(XAxis.Min);
      for (int i = 1; i < n; ++i) inner.push_back({max - range * i / n, ticks[static_cast<std::size_t>(i)]});
    }
  }
  std::vector<AxisLabelRoom> rooms{{static_cast<double>(XAxis.Min), 2 * PlotLeft},
                                   {static_cast<double>(XAxis.Max), Width - 5 - PlotLeft}};
  for (const Inner& label : inner) rooms.push_back({label.Value, Width});
  const std::vector<std::string> texts = AxisLabelTexts(rooms, Measure(text));

  const QString min = QText(texts[0]), max = QText(texts[1]);
  const QRect minBox(PlotLeft - text.Width(min) / 2, top, text.Width(min), h);
  const QRect maxBox(Width - text.Width(max) - 5, top, text.Width(max), h);
  text.Draw(minBox.left(), top, min);
  text.Draw(maxBox.left(), top, max);
  if (inner.empty()) return;

  // Every stride-th tick from the right, the smallest stride at which their labels keep a gap
  // between each other; a label that would touch an end label or the axis name is left out.
  constexpr int Gap = 6;
  auto boxOf = [&](std::size_t i) {
    const int w = text.Width(QText(texts[i + 2]));
    return QRect(inner[i].X - w / 2, top, w, h);
  };
  auto apart = [](const QRect& a, const QRect& b) { return a.right() + Gap < b.left() || b.right() + Gap < a.left(); };
  for (std::size_t stride = 1; stride <= inner.size(); ++stride) {
    std::vector<QRect> chosen;
    bool fits = true;
    for (std::size_t i = stride - 1; i < inner.size() && fits; i += stride) {
      const QRect box = boxOf(i);
      for (const QRect& other : chosen) fits = fits && apart(box, other);
      chosen.push_back(box);
    }
    if (!fits) continue;
    for (std::size_t i = stride - 1; i < inner.size(); i += stride) {
      const QRect box = boxOf(i);
      if (box.left() < 0 || box.right() >= Width || !apart(box, minBox) || !apart(box, maxBox)) continue;
      if (!nameBox.isNull() && !apart(box, nameBox)) continue;
      text.Draw(box.left(), top, QText(texts[i + 2]));
    }
    return;
  }
}

void TZTGraph::DrawOutsideNote(QImage& bitmap) {
  if (OutsideCount == 0) return;
  GraphText text = LabelText(bitmap);
  const QString note = QStringLiteral("+%1 outside").arg(OutsideCount);
  // After the title; where the Y axis name leaves no room, against the name, over the title's
  // end: the count matters more than the last letters of the title.
  int x = titleRight_ + text.Width(QStringLiteral("  "));
  if (x + text.Width(note) + 5 > yNameLeft_) x = std::max(5, yNameLeft_ - 5 - text.Width(note));
  text.Draw(x, 10 - text.Height() / 2, note);
}

void TZTGraph::DrawTimeMarks(QImage& bitmap) {
  const ZTDataSet* data = common_.DataSet;
  if (!common_.Options->ShowTimeMark || XAxis.Param != pcTime || data == nullptr || data->MarkCount == 0) return;
  PixelCanvas canvas(bitmap);
  const TRgb pen = Color(TColorRole::TimeMarkLine);
  for (const ATestTime& mark : data->Marks) {
    const double t = (static_cast<double>(mark.Middle) * 65536.0 + mark.Low + mark.High * 4294967296.0) * 2.5e-7;
    if (XAxis.Min <= t && t <= XAxis.Max) canvas.DottedVLine(XPixel(t), PlotBottom, PlotTop, pen);
  }
}

void TZTGraph::DrawHolds(QImage& bitmap) {
  const ATestSetup& setup = *common_.Setup;
  if (!setup.HoldsView || XAxis.Param != pcTime || setup.Holds.empty()) return;
  PixelCanvas canvas(bitmap);
  const TRgb pen = Color(TColorRole::HoldLine);
  for (const AHold& hold : setup.Holds) {
    const double start = hold.Start;
    const double end = start + static_cast<double>(hold.Length);
    for (double t : {start, end})
      if (XAxis.Min <= t && t <= XAxis.Max) canvas.DottedVLine(XPixel(t), PlotBottom, PlotTop, pen);
  }
}

void TZTGraph::DrawData(QImage& bitmap) {
  DrawDataPixels(bitmap);
  DrawDataTexts(bitmap);
}

void TZTGraph::DrawDataPixels(QImage&) {}

void TZTGraph::DrawDataTexts(QImage&) {}

bool TZTGraph::UsesLocation() const { return LocatedValues::Uses(XAxis.Param, YAxis.Param); }

void TZTGraph::UpdateLocations() {
  if (common_.HasData()) AEventLocator::Update(*common_.DataSet, *common_.Setup);
}

void TZTGraph::DrawLocationNote(QImage& bitmap) {
  if (!UsesLocation() || !SetupError.empty()) return;
  const ALocationSetup& location = common_.Setup->Location;
  std::string note;
  if (!location.Active()) note = "No location in the test setup";
  else if (const std::string problem = location.Problem(); !problem.empty()) note = problem;
  else if (common_.HasData() && common_.DataSet->Locations.StoppedAt) {
    char text[160];
    std::snprintf(text, sizeof text, "The hits are not in time order at %.6g s: no event after it is located",
                  *common_.DataSet->Locations.StoppedAt);
    note = text;
  }
  if (!note.empty()) LabelText(bitmap).Draw(PlotLeft + 5, PlotTop + 5, QText(note));
}

void TZTGraph::DrawSensors(QImage& bitmap) {
  if (GraphKind != gkPoint || !common_.Setup->Location.Active()) return;
  GraphText text = LabelText(bitmap);
  DrawSensorMarkers(*this, common_.Setup->Location, bitmap, text);
}

void TZTGraph::BeginPaint() {
  scheme_ = common_.Options->ColorScheme;
  OutsideCount = 0;
  Texts.clear();
  // Locations follow the hits and the setup: worked out again here when either changed.
  if (UsesLocation()) UpdateLocations();
  UpdateLayout();
  if (Bitmap.isNull()) return;
  PixelCanvas(Bitmap).Fill(Color(TColorRole::Background));
  DrawCellBorder(Bitmap);
  DrawGrid(Bitmap);
  DrawLabels(Bitmap);
}

void TZTGraph::FinishPaint() {
  if (!Bitmap.isNull()) {
    DrawOutsideNote(Bitmap);
    DrawFrames(common_.Frames, *this, Bitmap);
    DrawAxes(Bitmap);
    DrawTimeMarks(Bitmap);
    DrawHolds(Bitmap);
    DrawSensors(Bitmap);
    DrawLocationNote(Bitmap);
  }
  Dirty = false;
}

void TZTGraph::PaintGraph() {
  if (!Dirty && !common_.RepaintAll) return;
  BeginPaint();
  if (!Bitmap.isNull() && common_.HasData() && SetupError.empty()) {
    PassEventCount.reset();
    DrawData(Bitmap);
    if (PassEventCount) common_.DataSet->EventCount = *PassEventCount;
  }
  FinishPaint();
}

QImage TZTGraph::RenderCopy(int width, int height) {
  if (width <= 0 || height <= 0) return QImage();
  QImage copy(width, height, QImage::Format_RGB32);
  // The graph's own layout and what its last render left come back however the render ends.
  struct Saved {
    int scheme, width, height, left, top, right, bottom, titleRight, yNameLeft;
    double xScale, yScale;
    std::uint64_t outside;
    std::vector<TDrawnText> texts;
  };
  struct Restore {
    TZTGraph& g;
    Saved s;
    ~Restore() {
      g.scheme_ = s.scheme;
      g.Width = s.width;
      g.Height = s.height;
      g.PlotLeft = s.left;
      g.PlotTop = s.top;
      g.PlotRight = s.right;
      g.PlotBottom = s.bottom;
      g.titleRight_ = s.titleRight;
      g.yNameLeft_ = s.yNameLeft;
      g.XAxis.Scale = s.xScale;
      g.YAxis.Scale = s.yScale;
      g.OutsideCount = s.outside;
      g.Texts = std::move(s.texts);
    }
  } restore{*this, Saved{scheme_, Width, Height, PlotLeft, PlotTop, PlotRight, PlotBottom, titleRight_, yNameLeft_,
                         XAxis.Scale, YAxis.Scale, OutsideCount, Texts}};

  scheme_ = ClipboardScheme;
  Width = width;
  Height = height;
  PixelCanvas canvas(copy);
  canvas.Fill(Color(TColorRole::Background));
  canvas.FrameRect(0, 0, width - 1, height - 1, Color(TColorRole::CellBorder));
  SetPlotRect(width, height);
  OutsideCount = 0;
  Texts.clear();
  if (UsesLocation()) UpdateLocations();
  DrawAxes(copy);
  DrawLabels(copy);
  if (common_.HasData() && SetupError.empty()) {
    PassEventCount.reset();
    DrawData(copy);
    if (PassEventCount) common_.DataSet->EventCount = *PassEventCount;
  }
  DrawOutsideNote(copy);
  DrawFrames(common_.Frames, *this, copy);
  DrawTimeMarks(copy);
  DrawHolds(copy);
  DrawSensors(copy);
  DrawLocationNote(copy);
  return copy;
}

}  // namespace ae
