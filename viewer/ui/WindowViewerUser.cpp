#include "viewer/ui/WindowViewerUser.h"

#include "ui/MessageSeam.h"
#include "ui/QtText.h"

namespace ae {

void WindowViewerUser::ShowMessage(const std::string& text, const std::string& caption, Icon icon) {
  const MessageSeam::Kind kind = icon == Icon::Error     ? MessageSeam::Kind::Error
                                 : icon == Icon::Warning ? MessageSeam::Kind::Warning
                                                         : MessageSeam::Kind::Information;
  MessageSeam::Show(owner_, kind, Q(text), Q(caption));
}

bool WindowViewerUser::AskYesNo(const std::string& text, const std::string& caption) {
  return MessageSeam::Show(owner_, MessageSeam::Kind::YesNoWarning, Q(text), Q(caption));
}

}  // namespace ae
