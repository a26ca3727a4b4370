#include "ui/ProgramIdentity.h"

#include <QApplication>

namespace ae {

void SetProgramIdentity(ProgramIcon::Program program) {
  const bool viewer = program == ProgramIcon::ZmvWin2;
  QApplication::setApplicationName(viewer ? QStringLiteral("ZmvWin2") : QStringLiteral("Zmfwin"));
  QApplication::setOrganizationName(QStringLiteral("Brantel"));
  QApplication::setDesktopFileName(viewer ? QStringLiteral("zmvwin2") : QStringLiteral("zmfwin"));
  QApplication::setWindowIcon(ProgramIcon::Icon(program));
}

}  // namespace ae
