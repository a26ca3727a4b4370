#pragma once
// What the mouse does on the graphs: the coordinate readout, the rubber band, a selection frame
// or a zoom of the time axis when the band is released, and copying a graph to the clipboard.
// One band exists for the program; the window supplies what lies outside the graphs.
#include <QPoint>
#include <QString>
#include <Qt>
#include <cstddef>

#include "viewer/core/ASelectionCommands.h"
#include "viewer/core/ATimeWindow.h"
#include "viewer/core/TRubberBand.h"

namespace ae {

class TZTGraph;
class TZTGraphControl;

class GraphMouseHost {
 public:
  virtual ~GraphMouseHost() = default;
  // Status panel 0.
  virtual void ShowCoordinates(const QString& text) = 0;
  // The frames or marks changed: every graph redraws and the status bar follows.
  virtual void SelectionChanged() = 0;
  // The time window changed: every time graph to from..to, then everything redraws.
  virtual void ApplyTimeWindow(const ATimeWindowChange& change) = 0;
  // The frame-overflow dialog: one of TFrameOverflowChoice.
  virtual int AskFrameOverflow() = 0;
  virtual void CopyToClipboard(TZTGraph& graph) = 0;
  // Event view met hits out of time order while a frame marked its hits.
  virtual void ShowTimeOrderError(double seconds) = 0;
  // The waveform window on the hit with that index in the data set's records.
  virtual void ShowWaveform(std::size_t hit) = 0;
};

class GraphMouse {
 public:
  GraphMouse(AOptions& options, ASelectionCommands& selection, ATimeWindow& timeWindow, GraphMouseHost& host)
      : options_(options), selection_(selection), timeWindow_(timeWindow), host_(host) {}

  void GraphMouseDown(TZTGraphControl& control, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at);
  void GraphMouseMove(TZTGraphControl& control, Qt::KeyboardModifiers keys, QPoint at);
  void GraphMouseUp(TZTGraphControl& control, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at);
  // A double click with the left button on a point graph: the waveform window on the nearest hit
  // within a few pixels (WaveformRadius and the point size), if any.
  void GraphDoubleClick(TZTGraphControl& control, Qt::MouseButton button, QPoint at);
  static constexpr int WaveformRadius = 4;
  void GraphLeft(TZTGraphControl& control);
  // A graph that goes away ends the band it carries.
  void Forget(const TZTGraphControl& control);

  static QString CoordinateText(const TZTGraph& graph, QPoint at);
  bool BandActive() const { return band_.Active(); }

 private:
  void MakeFrame(TZTGraph& graph, const TFrameRect& band, bool shift);
  void Zoom(TZTGraphControl& control, const TFrameRect& band, bool alt);

  AOptions& options_;
  ASelectionCommands& selection_;
  ATimeWindow& timeWindow_;
  GraphMouseHost& host_;
  TRubberBand band_;
  TZTGraphControl* owner_ = nullptr;
};

}  // namespace ae
