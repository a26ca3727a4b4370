#pragma once
// The viewer's print dialog goes through here, so that tests can answer it: with a handler
// installed no dialog opens and the handler sets the printer up (true: print).
#include <functional>

class QPrinter;
class QWidget;

namespace ae {

class PrintDialogSeam {
 public:
  using Handler = std::function<bool(QPrinter& printer)>;

  // The platform's print dialog on the printer (which can also print to a PDF file); true
  // when the user chose to print.
  static bool Ask(QPrinter& printer, QWidget* owner);

  static void SetHandler(Handler handler);
  static void ClearHandler();
};

}  // namespace ae
