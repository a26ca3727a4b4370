#include "filter/ui/FilterBoxes.h"

#include "filter/core/FilterMessages.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"

namespace ae {

QString Msg(int id) { return Q(FilterMessage(id)); }

void FilterBoxes::Error(QWidget* parent, const QString& text) {
  MessageSeam::Show(parent, MessageSeam::Kind::Error, text, Msg(1200));
}

void FilterBoxes::Inform(QWidget* parent, int messageId, int captionId) {
  MessageSeam::Show(parent, MessageSeam::Kind::Information, Msg(messageId), Msg(captionId));
}

}  // namespace ae
