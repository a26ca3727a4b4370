#include "viewer/graphs/TZTGraph.h"

#include <cmath>
#include <string>

#include "datafiles/DataFileTypes.h"
#include "viewer/core/GraphChannels.h"
#include "viewer/graphs/FrameDrawing.h"
#include "viewer/graphs/GraphText.h"
#include "viewer/graphs/PixelCanvas.h"

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

void TZTGraph::DrawLabels(QImage& bitmap) {
  GraphText text(bitmap, Color(TColorRole::Text), Color(TColorRole::Background));
  const int h = text.Height();
  text.Draw(5, 10 - h / 2, Number(GraphNumber) + QStringLiteral(". ") + QText(GraphName));
  const QString yName = QText(YShortName);
  text.Draw(Width - text.Width(yName) - 5, 10 - h / 2, yName);
  text.DrawRightAligned(PlotLeft - 10, PlotBottom - h / 2, Number(YAxis.Min));
  if (GraphKind == gkPoint) {
    text.DrawRightAligned(PlotLeft - 10, PlotTop - h / 2, Number(YAxis.Max));
    if (YAxis.Log) {
      const int n = YAxis.Decades();
      const double fmin = AGraphAxis::F(YAxis.Min, true);
      for (int i = 1; i < n; ++i) {
        const int y = PlotTop + TruncPixel((i - fmin) * YAxis.Scale) - h / 2;
        text.DrawRightAligned(PlotLeft - 10, y, Number(static_cast<std::int64_t>(std::trunc(std::pow(10.0, n - i)))));
      }
    } else {
      const int n = YAxis.TickCount(true);
      const std::int64_t min = YAxis.Min, range = static_cast<std::int64_t>(YAxis.Max) - min;
      for (int j = 1; j < n; ++j) {
        const int y = TruncPixel(static_cast<double>(j) * (PlotBottom - PlotTop) / n + PlotTop - h / 2);
        text.DrawRightAligned(PlotLeft - 10, y, Number(min + range * (n - j) / n));
      }
    }
  }
  const QString xName = QText(XShortName);
  text.Draw(PlotLeft + (PlotRight - PlotLeft) / 2 - text.Width(xName) / 2, Height - 17, xName);
  const QString xMin = Number(XAxis.Min);
  text.Draw(PlotLeft - text.Width(xMin) / 2, Height - 17, xMin);
  const QString xMax = Number(XAxis.Max);
  text.Draw(Width - text.Width(xMax) - 5, Height - 17, xMax);
  // A graph that could not be set up says why where its data would be.
  if (!SetupError.empty()) text.Draw(PlotLeft + 5, PlotTop + 5, QText(SetupError));
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

void TZTGraph::BeginPaint() {
  scheme_ = common_.Options->ColorScheme;
  UpdateLayout();
  if (Bitmap.isNull()) return;
  PixelCanvas(Bitmap).Fill(Color(TColorRole::Background));
  DrawCellBorder(Bitmap);
  DrawGrid(Bitmap);
  DrawLabels(Bitmap);
}

void TZTGraph::FinishPaint() {
  if (!Bitmap.isNull()) {
    DrawFrames(common_.Frames, *this, Bitmap);
    DrawAxes(Bitmap);
    DrawTimeMarks(Bitmap);
    DrawHolds(Bitmap);
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
  const int savedScheme = scheme_;
  const int savedWidth = Width, savedHeight = Height;
  const int savedLeft = PlotLeft, savedTop = PlotTop, savedRight = PlotRight, savedBottom = PlotBottom;
  const double savedXScale = XAxis.Scale, savedYScale = YAxis.Scale;

  // The graph's own layout comes back however the render ends.
  struct Restore {
    TZTGraph& g;
    int scheme, width, height, left, top, right, bottom;
    double xScale, yScale;
    ~Restore() {
      g.scheme_ = scheme;
      g.Width = width;
      g.Height = height;
      g.PlotLeft = left;
      g.PlotTop = top;
      g.PlotRight = right;
      g.PlotBottom = bottom;
      g.XAxis.Scale = xScale;
      g.YAxis.Scale = yScale;
    }
  } restore{*this,    savedScheme, savedWidth,  savedHeight, savedLeft,
            savedTop, savedRight,  savedBottom, savedXScale, savedYScale};

  scheme_ = ClipboardScheme;
  Width = width;
  Height = height;
  PixelCanvas canvas(copy);
  canvas.Fill(Color(TColorRole::Background));
  canvas.FrameRect(0, 0, width - 1, height - 1, Color(TColorRole::CellBorder));
  SetPlotRect(width, height);
  DrawAxes(copy);
  DrawLabels(copy);
  if (common_.HasData() && SetupError.empty()) {
    PassEventCount.reset();
    DrawData(copy);
    if (PassEventCount) common_.DataSet->EventCount = *PassEventCount;
  }
  DrawFrames(common_.Frames, *this, copy);
  DrawTimeMarks(copy);
  DrawHolds(copy);
  return copy;
}

}  // namespace ae
