#include "filter/ui/FilterBoxes.h"

#include <QCoreApplication>

#include "filter/core/FilterMessages.h"
#include "ui/MessageSeam.h"

namespace ae {

namespace {

// The messages of the table worded in English, for the program's Russian translation: the table
// is the program's one set of messages and its Russian texts show in either language; these few
// show in Russian when the program runs in Russian.
[[maybe_unused]] const char* const EnglishWorded[] = {
    QT_TRANSLATE_NOOP("ae::FilterMessages", "Source file name"),
    QT_TRANSLATE_NOOP("ae::FilterMessages", "Destination file name"),
    QT_TRANSLATE_NOOP("ae::FilterMessages", "Expression"),
    QT_TRANSLATE_NOOP("ae::FilterMessages", "Parameter"),
    QT_TRANSLATE_NOOP("ae::FilterMessages", "Parameter Y"),
    QT_TRANSLATE_NOOP("ae::FilterMessages", "Parameter X"),
    QT_TRANSLATE_NOOP("ae::FilterMessages", "Program's language will be changed at the next launch"),
};

}  // namespace

QString Msg(int id) { return QCoreApplication::translate("ae::FilterMessages", FilterMessage(id).c_str()); }

void FilterBoxes::Error(QWidget* parent, const QString& text) {
  MessageSeam::Show(parent, MessageSeam::Kind::Error, text, Msg(1200));
}

void FilterBoxes::Inform(QWidget* parent, int messageId, int captionId) {
  MessageSeam::Show(parent, MessageSeam::Kind::Information, Msg(messageId), Msg(captionId));
}

}  // namespace ae
