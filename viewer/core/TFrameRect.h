#pragma once
// One selection frame, and the rubber band it is made from while the mouse is down. The value
// ranges, not the pixels, say what the frame selects, so it follows zooming.
#include <bitset>
#include <cstdint>

#include "datafiles/DataFileTypes.h"
#include "viewer/core/GraphId.h"

namespace ae {

struct TFrameRect {
  // Pixels of the graph at the time the frame was drawn.
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  // Only while it is the rubber band.
  std::int32_t AnchorX = 0;
  std::int32_t AnchorY = 0;
  bool BandActive = false;
  // The graph it was drawn on; a graph that is gone never comes back under the same identifier.
  GraphId Graph = NoGraph;
  int SlotIndex = 0;  // 0..7 in the frame list
  std::int32_t XParam = pcHits;
  std::int32_t YParam = pcHits;
  double XFrom = 0.0;
  double XTo = 0.0;
  double YFrom = 0.0;
  double YTo = 0.0;
  std::bitset<128> Channels;  // bit c-1 for channel c, the channel selection when it was drawn
};

}  // namespace ae
