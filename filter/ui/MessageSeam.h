#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ae {

// Every message box of the filter program's windows goes through here, so that tests can answer
// them: with a handler installed no box opens and the handler gives the answer.
class MessageSeam {
 public:
  enum class Kind {
    Error,         // OK only, error icon
    Information,   // OK only
    YesNoWarning,  // Yes/No, warning icon
    YesNoQuestion  // Yes/No, question icon
  };
  struct Box {
    Kind kind;
    QString text;
    QString caption;
  };
  // Answers a box instead of the user: true for Yes (the answer is ignored for OK boxes).
  using Handler = std::function<bool(const Box&)>;

  // Shows a box owned by parent; true when the user answered Yes (always true for OK boxes).
  static bool Show(QWidget* parent, Kind kind, const QString& text, const QString& caption);

  // Shortcuts taking the caption from the message table.
  static void Error(QWidget* parent, const QString& text);  // caption 1200
  static void Inform(QWidget* parent, int messageId, int captionId);

  static void SetHandler(Handler handler);
  static void ClearHandler();
};

// A message of the filter program's table as a QString.
QString Msg(int id);

}  // namespace ae
