#include "viewer/graphs/FrameDrawing.h"

#include <algorithm>

#include "viewer/graphs/PixelCanvas.h"
#include "viewer/graphs/TZTGraph.h"

namespace ae {

void DrawFrames(const TFrameArray& frames, const TZTGraph& graph, QImage& bitmap) {
  PixelCanvas canvas(bitmap);
  const int viewType = graph.Common().Options->ViewType;
  for (int slot = 0; slot < TFrameArray::Slots; ++slot) {
    const TFrameRect* frame = frames.Frame(slot);
    if (frame == nullptr || frame->Graph != graph.Id()) continue;
    const double xa = std::max(static_cast<double>(graph.XAxis.Min), frame->XFrom);
    const double xb = std::min(static_cast<double>(graph.XAxis.Max), frame->XTo);
    const double ya = std::max(static_cast<double>(graph.YAxis.Min), frame->YFrom);
    const double yb = std::min(static_cast<double>(graph.YAxis.Max), frame->YTo);
    if (xa > xb || ya > yb) continue;  // wholly outside the ranges shown
    TRgb colour;
    if (viewType == 0) colour = graph.Color(TColorRole::FrameLine);
    else if (viewType == 2) colour = SetColor(slot);
    else colour = graph.Color(TColorRole::Point);  // the hidden view type keeps the point colour
    canvas.FrameRect(graph.XPixel(xa), graph.YPixel(yb), graph.XPixel(xb), graph.YPixel(ya), colour);
  }
}

}  // namespace ae
