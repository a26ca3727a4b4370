#pragma once
// For the tests of a single window: every message box is recorded and answered instead of
// shown, for as long as the recorder lives.
#include <vector>

#include "ui/MessageSeam.h"

namespace ae::test {

class BoxRecorder {
 public:
  BoxRecorder() {
    MessageSeam::SetHandler([this](const MessageSeam::Box& box) {
      Boxes.push_back(box);
      return AnswerYes;
    });
  }
  ~BoxRecorder() { MessageSeam::ClearHandler(); }
  BoxRecorder(const BoxRecorder&) = delete;
  BoxRecorder& operator=(const BoxRecorder&) = delete;

  std::vector<MessageSeam::Box> Boxes;
  bool AnswerYes = true;
};

}  // namespace ae::test
