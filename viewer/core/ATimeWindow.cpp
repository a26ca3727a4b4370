#include "viewer/core/ATimeWindow.h"

#include <cstdint>

namespace ae {

void ATimeWindow::Reset() {
  options_.TimeRangeFilter = false;
  options_.TimeRangeHistory.clear();
}

ATimeWindowChange ATimeWindow::Zoom(std::int32_t from, std::int32_t to) {
  if (to == from) to = from + 1;
  options_.TimeRangeFilter = true;
  options_.FilterStart = from;
  options_.FilterEnd = to;
  options_.TimeRangeHistory.push_back({from, to});
  return {ATimeWindowChange::SetRange, from, to};
}

void ATimeWindow::PushRange(std::int32_t from, std::int32_t to) { options_.TimeRangeHistory.push_back({from, to}); }

ATimeWindowChange ATimeWindow::UnZoom() {
  auto& history = options_.TimeRangeHistory;
  if (history.empty()) return {};
  history.pop_back();
  if (history.empty()) return Restore();
  options_.FilterStart = history.back().Start;
  options_.FilterEnd = history.back().End;
  return {ATimeWindowChange::SetRange, options_.FilterStart, options_.FilterEnd};
}

ATimeWindowChange ATimeWindow::Restore() {
  options_.TimeRangeFilter = false;
  return {ATimeWindowChange::RestoreRange, 0, 0};
}

ATimeWindowChange ATimeWindow::Scroll(int direction) {
  auto& history = options_.TimeRangeHistory;
  if (history.empty()) return {};
  const std::int64_t a = history.back().Start, b = history.back().End;
  std::int64_t d = b - a;
  if (d == 1 || d == 2) d = 3;
  const std::int64_t s = d / 3;
  std::int64_t from = a + direction * s, to = b + direction * s;
  if (from < 0) {
    from = 0;
    to = b - a;
  }
  // Whole seconds of a 32-bit window; a window at the end of that range stays there.
  constexpr std::int64_t limit = INT32_MAX;
  if (to > limit) {
    to = limit;
    from = limit - (b - a);
  }
  options_.FilterStart = static_cast<std::int32_t>(from);
  options_.FilterEnd = static_cast<std::int32_t>(to);
  history.push_back({options_.FilterStart, options_.FilterEnd});
  return {ATimeWindowChange::SetRange, options_.FilterStart, options_.FilterEnd};
}

ATimeWindowChange ATimeWindow::ScrollRight() { return Scroll(+1); }

ATimeWindowChange ATimeWindow::ScrollLeft() { return Scroll(-1); }

}  // namespace ae
