// Zmfwin, the filter program "AE Sorvel".
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

#include "filter/ui/TDataModule2.h"
#include "filter/ui/TMainForm.h"
#include "ui/ProgramIdentity.h"
#include "ui/QtText.h"
#include "ui/ResourceLanguage.h"
#include "ui/THelpWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The title "AE Sorvel" is the main window's caption.
  ae::SetProgramIdentity(ae::ProgramIcon::Zmfwin);

  // The language chosen in the window takes effect here, at the next start.
  ae::ResourceLanguage::Install(app, QCoreApplication::applicationFilePath(), QStringLiteral("zmfwin"));
  ae::THelpWindow::SetHelpFile(ae::THelpWindow::FindHelpFile(QCoreApplication::applicationDirPath()));
  ae::THelpWindow::SetProgramTitle("AE Sorvel");

  try {
    ae::TDataModule2 data;
    ae::TMainForm window(data, QCoreApplication::arguments().mid(1));
    window.show();
    return app.exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, "AE Sorvel", ae::Q(e.what()));
    return 1;
  }
}
