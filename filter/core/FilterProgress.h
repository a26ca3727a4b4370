#pragma once

#include <cstdint>

#include "filter/core/FilterUser.h"

namespace ae {

// The progress bar of a run: its maximum is the number of records handled and it advances one
// step after every step + 1 records read (step = handled / 20, or handled when that is 20 or
// less).
class FilterProgress {
 public:
  FilterProgress(FilterUser& user, int32_t handled) : user_(user), step_(handled > 20 ? handled / 20 : handled) {
    user_.SetProgressRange(handled, step_);
  }

  // One record read.
  void Count() {
    if (counter_ == step_) {
      user_.StepProgress();
      counter_ = 0;
    } else {
      ++counter_;
    }
  }

 private:
  FilterUser& user_;
  int32_t step_;
  int32_t counter_ = 0;
};

}  // namespace ae
