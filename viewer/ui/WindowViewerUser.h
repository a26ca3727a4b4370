#pragma once
// The viewer's core talks to the user through message boxes of the window.
#include "viewer/core/ViewerUser.h"

class QWidget;

namespace ae {

class WindowViewerUser : public ViewerUser {
 public:
  explicit WindowViewerUser(QWidget* owner) : owner_(owner) {}
  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;

 private:
  QWidget* owner_;
};

}  // namespace ae
