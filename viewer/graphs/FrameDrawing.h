#pragma once
// The selection frames drawn on their graph: each frame's value ranges clipped to the graph's
// current axis ranges, so a frame follows zooming and is recomputed at every render.
#include <QImage>

#include "viewer/core/TFrameArray.h"

namespace ae {

class TZTGraph;

// The outline of every frame of this graph, in the colour of the view type.
void DrawFrames(const TFrameArray& frames, const TZTGraph& graph, QImage& bitmap);

}  // namespace ae
