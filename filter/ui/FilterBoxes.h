#pragma once

#include <QString>

class QWidget;

namespace ae {

// A message of the filter program's table as a QString, in the program's language where the
// translation has it (the few worded in English).
QString Msg(int id);

// The filter program's usual boxes, through the message seam, with their texts and captions
// from the program's message table.
class FilterBoxes {
 public:
  // An error box with the caption 1200 "Ошибка..".
  static void Error(QWidget* parent, const QString& text);
  // An information box with message messageId under the caption captionId.
  static void Inform(QWidget* parent, int messageId, int captionId);
};

}  // namespace ae
