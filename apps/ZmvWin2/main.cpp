// ZmvWin2, "AE Varnel": the viewer of AE data files.
#include <QApplication>
#include <QDir>

#include "ui/ProgramIdentity.h"
#include "ui/ResourceLanguage.h"
#include "ui/THelpWindow.h"
#include "viewer/ui/TZmvMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ae::SetProgramIdentity(ae::ProgramIcon::ZmvWin2);
  ae::ResourceLanguage::Install(app, QApplication::applicationFilePath(), QStringLiteral("zmvwin2"));
  const QString help = ae::THelpWindow::FindHelpFile(QApplication::applicationDirPath());
  if (!help.isEmpty()) ae::THelpWindow::SetHelpFile(help);
  ae::THelpWindow::SetProgramTitle(QString::fromLatin1(ae::ProgramTitle));

  ae::TZmvMain window(ae::ViewerStart::FromApplication());
  window.show();
  return QApplication::exec();
}
