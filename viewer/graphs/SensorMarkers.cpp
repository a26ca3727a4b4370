#include "viewer/graphs/SensorMarkers.h"

#include "viewer/graphs/GraphText.h"
#include "viewer/graphs/PixelCanvas.h"
#include "viewer/graphs/TZTGraph.h"

namespace ae {

void DrawSensorMarkers(const TZTGraph& graph, const ALocationSetup& location, QImage& bitmap, GraphText& text) {
  const int xParam = graph.XAxis.Param, yParam = graph.YAxis.Param;
  if (!location.Active() || !IsLocationCode(xParam) || !IsLocationCode(yParam) || xParam == yParam) return;
  PixelCanvas canvas(bitmap);
  const TRgb pen = graph.Color(TColorRole::Axis);
  const int h = text.Height();
  for (const ASensor& sensor : location.Sensors) {
    const double sx = sensor.X, sy = location.SensorY(sensor);
    const double x = xParam == pcLocX ? sx : sy;
    const double y = yParam == pcLocY ? sy : sx;
    if (!(graph.XAxis.Min <= x && x <= graph.XAxis.Max && graph.YAxis.Min <= y && y <= graph.YAxis.Max)) continue;
    const int px = graph.XPixel(x), py = graph.YPixel(y);
    // A triangle of 9 by 8 pixels around the place, its tip up.
    canvas.Line(px - 4, py + 3, px + 4, py + 3, pen);
    canvas.Line(px - 4, py + 3, px, py - 4, pen);
    canvas.Line(px + 4, py + 3, px, py - 4, pen);
    text.Draw(px + 6, py - h, QString::number(sensor.Channel));
  }
}

}  // namespace ae
