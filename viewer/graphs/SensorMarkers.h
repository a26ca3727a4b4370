#pragma once
// The sensors of the location setup on a location map (a point graph of the two location
// codes): a small triangle at each sensor's place with its channel number beside it, so that the
// located events can be read against the layout.
#include <QImage>

#include "viewer/core/ALocationSetup.h"

namespace ae {

class GraphText;
class TZTGraph;

// Draws the markers of the sensors inside the graph's ranges, their labels with the graph's
// label text; nothing on another graph, or for a setup that does not locate.
void DrawSensorMarkers(const TZTGraph& graph, const ALocationSetup& location, QImage& bitmap, GraphText& text);

}  // namespace ae
