#include "viewer/ui/GraphMouse.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "datafiles/EZTData.h"
#include "viewer/graphs/TZTGraph.h"
#include "viewer/graphs/TZTPointGraph.h"
#include "viewer/ui/TZTGraphControl.h"

namespace ae {

namespace {

std::int32_t WholeSeconds(double value) {
  if (!(value > 0.0)) return 0;
  return static_cast<std::int32_t>(std::min(std::trunc(value), 2147483647.0));
}

QRect BandRect(const TFrameRect& band) { return QRect(QPoint(band.Left, band.Top), QPoint(band.Right, band.Bottom)); }

}  // namespace

QString GraphMouse::CoordinateText(const TZTGraph& graph, QPoint at) {
  if (!graph.InPlotArea(at.x(), at.y())) return QString();
  char text[256];
  std::snprintf(text, sizeof text, " %s = %.2f, %s = %.2f", graph.XShortName.c_str(), graph.XValueAt(at.x()),
                graph.YShortName.c_str(), graph.YValueAt(at.y()));
  return QString::fromUtf8(text);
}

void GraphMouse::GraphMouseDown(TZTGraphControl& control, Qt::MouseButton button, Qt::KeyboardModifiers keys,
                                QPoint at) {
  TZTGraph& graph = control.Graph();
  const bool ctrl = keys.testFlag(Qt::ControlModifier);
  if (button == Qt::LeftButton) {
    if (!TRubberBand::StartsOn(graph.GraphKind == TZTGraph::gkPoint, graph.XAxis.Param, options_.FrameMode, ctrl))
      return;
    if (owner_ != nullptr) owner_->HideBand();
    band_.Start(at.x(), at.y());
    owner_ = &control;
    control.ShowBand(BandRect(band_.Band));
  } else if (button == Qt::RightButton && ctrl) {
    host_.CopyToClipboard(graph);
  }
}

void GraphMouse::GraphMouseMove(TZTGraphControl& control, Qt::KeyboardModifiers, QPoint at) {
  host_.ShowCoordinates(CoordinateText(control.Graph(), at));
  if (!band_.Active() || owner_ != &control) return;
  const TZTGraph& g = control.Graph();
  band_.Move(at.x(), at.y(), {g.PlotLeft, g.PlotTop, g.PlotRight, g.PlotBottom});
  control.ShowBand(BandRect(band_.Band));
}

void GraphMouse::GraphLeft(TZTGraphControl& control) {
  if (owner_ != &control || !band_.Active()) host_.ShowCoordinates(QString());
}

void GraphMouse::Forget(const TZTGraphControl& control) {
  if (owner_ != &control) return;
  band_.Stop();
  owner_ = nullptr;
}

void GraphMouse::GraphMouseUp(TZTGraphControl& control, Qt::MouseButton, Qt::KeyboardModifiers keys, QPoint) {
  if (!band_.Active() || owner_ != &control) return;
  band_.Stop();
  owner_ = nullptr;
  control.HideBand();

  TZTGraph& graph = control.Graph();
  TFrameRect band = band_.Band;
  band.Graph = graph.Id();
  band.XParam = graph.XAxis.Param;
  band.YParam = graph.YAxis.Param;
  band.XFrom = graph.XValueAt(band.Left);
  band.XTo = graph.XValueAt(band.Right);
  band.YFrom = graph.YValueAt(band.Bottom);
  band.YTo = graph.YValueAt(band.Top);
  band.Channels = options_.CheckedChan;

  if (TRubberBand::MakesFrame(options_.FrameMode, keys.testFlag(Qt::ControlModifier), band.XParam, band))
    MakeFrame(graph, band, keys.testFlag(Qt::ShiftModifier));
  else Zoom(control, band, keys.testFlag(Qt::AltModifier));
}

void GraphMouse::GraphDoubleClick(TZTGraphControl& control, Qt::MouseButton button, QPoint at) {
  if (button != Qt::LeftButton) return;
  auto* points = dynamic_cast<TZTPointGraph*>(&control.Graph());
  if (points == nullptr || !points->InPlotArea(at.x(), at.y())) return;
  if (const std::optional<std::size_t> hit = points->HitNear(at.x(), at.y(), WaveformRadius + options_.PointSize / 2))
    host_.ShowWaveform(*hit);
}

void GraphMouse::MakeFrame(TZTGraph& graph, const TFrameRect& band, bool shift) {
  try {
    selection_.AddBandAsFrame(band, shift, graph.XShortName, graph.YShortName,
                              [this] { return host_.AskFrameOverflow(); });
  } catch (const EZTData&) {
    host_.SelectionChanged();
    host_.ShowTimeOrderError(ZTDataSet::EventRule().ErrorTime);
    return;
  }
  host_.SelectionChanged();
}

void GraphMouse::Zoom(TZTGraphControl& control, const TFrameRect& band, bool alt) {
  TZTGraph& graph = control.Graph();
  const std::int32_t min = WholeSeconds(graph.XValueAt(band.Left));
  std::int32_t max = WholeSeconds(graph.XValueAt(band.Right));
  if (max == min) max = min + 1;
  if (alt) {
    // This graph alone: the other graphs and the time filter stay as they are.
    graph.XAxis.SetRange(static_cast<std::uint32_t>(min), static_cast<std::uint32_t>(max));
    graph.Redraw();
    timeWindow_.PushRange(min, max);
    return;
  }
  host_.ApplyTimeWindow(timeWindow_.Zoom(min, max));
}

}  // namespace ae
