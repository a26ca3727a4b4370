#pragma once
// Every graph of a run gets an identifier that is never given again, so a frame drawn on a graph
// that a rebuild of the pages destroyed refers to no graph at all, without anyone clearing it.
#include <atomic>
#include <cstdint>

namespace ae {

using GraphId = std::uint64_t;
inline constexpr GraphId NoGraph = 0;

// The next identifier of the run: 1, 2, 3, ...
inline GraphId NewGraphId() {
  static std::atomic<GraphId> last{NoGraph};
  return ++last;
}

}  // namespace ae
