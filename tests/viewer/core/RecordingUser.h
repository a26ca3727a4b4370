#pragma once
// A user for the viewer's core that records every message and answers questions as told.
#include <string>
#include <vector>

#include "viewer/core/ViewerUser.h"

namespace ae::test {

class RecordingUser : public ViewerUser {
 public:
  struct Message {
    std::string Text;
    std::string Caption;
    Icon Kind;
  };
  std::vector<Message> Messages;
  bool Answer = true;

  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override {
    Messages.push_back({text, caption, icon});
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    Messages.push_back({text, caption, Icon::Information});
    return Answer;
  }
};

}  // namespace ae::test
