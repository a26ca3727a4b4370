// What each program tells Qt about itself: no display name that Qt would append to captions.
#include <QApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "ui/ProgramIdentity.h"

namespace ae {
namespace {

TEST(ProgramIdentity, NamesEachProgramWithoutADisplayNameForTheCaptions) {
  const QString name = QCoreApplication::applicationName();
  const QString organisation = QCoreApplication::organizationName();
  const QString desktop = QGuiApplication::desktopFileName();
  struct Case {
    ProgramIcon::Program Program;
    const char* Name;
    const char* Desktop;
  };
  for (const Case& c :
       {Case{ProgramIcon::ZmvWin2, "ZmvWin2", "zmvwin2"}, Case{ProgramIcon::Zmfwin, "Zmfwin", "zmfwin"}}) {
    SetProgramIdentity(c.Program);
    EXPECT_EQ(QCoreApplication::applicationName(), QString::fromLatin1(c.Name));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QString::fromLatin1(c.Desktop));
    // Qt appends a display name set apart from the name to every window title; without one it
    // reports the name itself.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
  }
  QCoreApplication::setApplicationName(name);
  QCoreApplication::setOrganizationName(organisation);
  QGuiApplication::setDesktopFileName(desktop);
}

}  // namespace
}  // namespace ae
