#include "viewer/ui/PrintDialogSeam.h"

#include <QPrintDialog>
#include <QPrinter>

#include "ui/DialogPlacement.h"

namespace ae {

namespace {

PrintDialogSeam::Handler& CurrentHandler() {
  static PrintDialogSeam::Handler handler;
  return handler;
}

}  // namespace

bool PrintDialogSeam::Ask(QPrinter& printer, QWidget* owner) {
  if (CurrentHandler()) return CurrentHandler()(printer);
  QPrintDialog dialog(&printer, owner);
  dialog.setObjectName(QStringLiteral("PrintDialog"));
  // One page of graphs: no range to choose.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  CenterOnOwner(&dialog, owner);
  return dialog.exec() == QDialog::Accepted;
}

void PrintDialogSeam::SetHandler(Handler handler) { CurrentHandler() = std::move(handler); }

void PrintDialogSeam::ClearHandler() { CurrentHandler() = nullptr; }

}  // namespace ae
