#pragma once
// The program's time window: the time range filter with its start and end (whole seconds) and
// the zoom history, kept in the options' run-time fields. Each operation changes them and says
// what the graphs of every page must do next.
#include <cstdint>

#include "viewer/core/AOptions.h"

namespace ae {

struct ATimeWindowChange {
  enum Kind {
    Nothing,       // no graph changes
    SetRange,      // every time graph to From..To
    RestoreRange,  // every time graph back to its range: the file's time axis or its configured one
  };
  Kind What = Nothing;
  std::int32_t From = 0;
  std::int32_t To = 0;
};

class ATimeWindow {
 public:
  explicit ATimeWindow(AOptions& options) : options_(options) {}

  // Filter off and history emptied, as a rebuild of the pages does.
  void Reset();
  // A zoom of every graph (the band without Alt, the zoom dialog): the filter on at from..to
  // (to := from + 1 when equal) and the range pushed on the history.
  ATimeWindowChange Zoom(std::int32_t from, std::int32_t to);
  // A zoom of one graph only (the band with Alt): the range is pushed, the filter stays.
  void PushRange(std::int32_t from, std::int32_t to);
  // Back one step: the previous range, or the restored ranges when the history runs empty.
  ATimeWindowChange UnZoom();
  // "Refresh to start": the filter off, the history kept, every time graph restored.
  ATimeWindowChange Restore();
  // A third of the window to the right or to the left (never before 0), pushed on the history.
  ATimeWindowChange ScrollRight();
  ATimeWindowChange ScrollLeft();

 private:
  ATimeWindowChange Scroll(int direction);

  AOptions& options_;
};

}  // namespace ae
