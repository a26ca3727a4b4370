#include "viewer/core/MessageTranslation.h"

#include <QCoreApplication>
#include <string>

#include "viewer/core/ViewerMessages.h"

namespace ae {

void UseQtTranslationOfMessages() {
  SetMessageTranslation([](const std::string& text) {
    return QCoreApplication::translate("ae::ViewerMessages", text.c_str()).toStdString();
  });
}

}  // namespace ae
