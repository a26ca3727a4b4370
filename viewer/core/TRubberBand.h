#pragma once
// The rubber band of a mouse drag on a graph: where it starts, how it follows the mouse inside
// the plot, and whether it becomes a selection frame or a zoom of the time axis when released.
#include <algorithm>

#include "datafiles/DataFileTypes.h"
#include "viewer/core/TFrameRect.h"

namespace ae {

struct TPlotRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TRubberBand {
 public:
  TFrameRect Band;

  bool Active() const { return Band.BandActive; }

  // A left press starts a band on a point graph, and on a time graph when the zoom tool is on
  // (frame mode off) or Ctrl is held.
  static bool StartsOn(bool pointGraph, int xParam, bool frameMode, bool ctrl) {
    return pointGraph || (xParam == pcTime && (!frameMode || ctrl));
  }
  // A released band is a frame unless it zooms: frame mode without Ctrl, a graph over another
  // parameter than time, or a band without width.
  static bool MakesFrame(bool frameMode, bool ctrl, int xParam, const TFrameRect& band) {
    return (frameMode && !ctrl) || xParam != pcTime || band.Left == band.Right;
  }

  void Start(int x, int y) {
    Band = TFrameRect();
    Band.Left = Band.Right = Band.AnchorX = x;
    Band.Top = Band.Bottom = Band.AnchorY = y;
    Band.BandActive = true;
  }
  // The rectangle between the anchor and the mouse, kept inside the plot.
  void Move(int x, int y, const TPlotRect& plot) {
    Band.Left = std::max(std::min(Band.AnchorX, x), plot.Left);
    Band.Right = std::min(std::max(Band.AnchorX, x), plot.Right);
    Band.Top = std::max(std::min(Band.AnchorY, y), plot.Top);
    Band.Bottom = std::min(std::max(Band.AnchorY, y), plot.Bottom);
  }
  void Stop() { Band.BandActive = false; }
};

}  // namespace ae
