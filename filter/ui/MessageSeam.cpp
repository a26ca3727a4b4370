#include "filter/ui/MessageSeam.h"

#include <QMessageBox>

#include "filter/core/FilterMessages.h"

namespace ae {

namespace {

MessageSeam::Handler& InstalledHandler() {
  static MessageSeam::Handler handler;
  return handler;
}

}  // namespace

QString Msg(int id) { return QString::fromStdString(FilterMessage(id)); }

bool MessageSeam::Show(QWidget* parent, Kind kind, const QString& text, const QString& caption) {
  if (InstalledHandler()) {
    const bool yes = InstalledHandler()(Box{kind, text, caption});
    return kind == Kind::YesNoWarning || kind == Kind::YesNoQuestion ? yes : true;
  }
  switch (kind) {
    case Kind::Error: QMessageBox::critical(parent, caption, text); return true;
    case Kind::Information: QMessageBox::information(parent, caption, text); return true;
    case Kind::YesNoWarning:  // asks before something irreversible: No is the default
      return QMessageBox::warning(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
             QMessageBox::Yes;
    case Kind::YesNoQuestion:
      return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
             QMessageBox::Yes;
  }
  return false;
}

void MessageSeam::Error(QWidget* parent, const QString& text) { Show(parent, Kind::Error, text, Msg(1200)); }

void MessageSeam::Inform(QWidget* parent, int messageId, int captionId) {
  Show(parent, Kind::Information, Msg(messageId), Msg(captionId));
}

void MessageSeam::SetHandler(Handler handler) { InstalledHandler() = std::move(handler); }

void MessageSeam::ClearHandler() { InstalledHandler() = nullptr; }

}  // namespace ae
