#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ae {

// Every message box of both programs' windows goes through here, so that tests can answer them:
// with a handler installed no box opens and the handler gives the answer. The texts and captions
// are the caller's; each program keeps its own message table.
class MessageSeam {
 public:
  enum class Kind {
    Error,         // OK only, error icon
    Warning,       // OK only, warning icon
    Information,   // OK only, information icon
    YesNoWarning,  // Yes/No, warning icon, No the default: asks before something irreversible
    YesNoQuestion  // Yes/No, question icon, Yes the default
  };
  struct Box {
    Kind kind;
    QString text;
    QString caption;
  };
  // Answers a box instead of the user: true for Yes (the answer is ignored for OK boxes).
  using Handler = std::function<bool(const Box&)>;

  // True for the kinds with Yes and No buttons.
  static bool AsksYesNo(Kind kind) { return kind == Kind::YesNoWarning || kind == Kind::YesNoQuestion; }

  // Shows a modal box owned by parent; true when the user answered Yes (always true for OK boxes).
  static bool Show(QWidget* parent, Kind kind, const QString& text, const QString& caption);

  static void SetHandler(Handler handler);
  static void ClearHandler();
};

}  // namespace ae
