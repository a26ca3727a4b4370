#pragma once
// One time window of the zoom history: whole seconds of test.
#include <cstdint>

namespace ae {

struct ATimeRange {
  std::int32_t Start = 0;
  std::int32_t End = 0;

  friend bool operator==(const ATimeRange&, const ATimeRange&) = default;
};

}  // namespace ae
