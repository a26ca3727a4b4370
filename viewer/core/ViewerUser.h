#pragma once
// How the viewer's core code talks to the user without opening a window itself: the Qt window
// shows message boxes, aetool prints to stderr, tests record and answer.
#include <string>

#include "viewer/core/ViewerMessages.h"

namespace ae {

class ViewerUser {
 public:
  enum class Icon { Information, Warning, Error };

  virtual ~ViewerUser() = default;
  // A message box with one OK button; returns when the user has closed it.
  virtual void ShowMessage(const std::string& text, const std::string& caption, Icon icon) = 0;
  // A question with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;

  // A warning box with the viewer's "Warning" caption.
  void Warning(const std::string& text) { ShowMessage(text, ViewerText(vmWarning), Icon::Warning); }
};

}  // namespace ae
