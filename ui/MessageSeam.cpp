#include "ui/MessageSeam.h"

#include <QMessageBox>

namespace ae {

namespace {

MessageSeam::Handler& InstalledHandler() {
  static MessageSeam::Handler handler;
  return handler;
}

}  // namespace

bool MessageSeam::Show(QWidget* parent, Kind kind, const QString& text, const QString& caption) {
  if (InstalledHandler()) {
    const bool yes = InstalledHandler()(Box{kind, text, caption});
    return AsksYesNo(kind) ? yes : true;
  }
  switch (kind) {
    case Kind::Error: QMessageBox::critical(parent, caption, text); return true;
    case Kind::Warning: QMessageBox::warning(parent, caption, text); return true;
    case Kind::Information: QMessageBox::information(parent, caption, text); return true;
    case Kind::YesNoWarning:
      return QMessageBox::warning(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
             QMessageBox::Yes;
    case Kind::YesNoQuestion:
      return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
             QMessageBox::Yes;
  }
  return false;
}

void MessageSeam::SetHandler(Handler handler) { InstalledHandler() = std::move(handler); }

void MessageSeam::ClearHandler() { InstalledHandler() = nullptr; }

}  // namespace ae
