#pragma once
// What the graph mouse asks of the main window: the coordinate readout, a redraw with the status
// bar after a frame, the time window on every graph, the frame-overflow dialog, the copy of a
// graph to the clipboard, and the message for data out of time order.
#include "viewer/ui/GraphMouse.h"
#include "viewer/ui/ViewerContext.h"

namespace ae {

class MouseHost : public GraphMouseHost {
 public:
  explicit MouseHost(const ViewerContext& context) : context_(context) {}

  void ShowCoordinates(const QString& text) override;
  void SelectionChanged() override;
  void ApplyTimeWindow(const ATimeWindowChange& change) override;
  int AskFrameOverflow() override;
  void CopyToClipboard(TZTGraph& graph) override;
  void ShowTimeOrderError(double seconds) override;
  void ShowWaveform(std::size_t hit) override;

 private:
  const ViewerContext& context_;
};

}  // namespace ae
