// The programs' drawn icons. With ZMFWIN_ICON or ZMVWIN2_ICON set to a file name, the 256-pixel
// icon of that program is written there (resources/icons/zmfwin.png and zmvwin2.png are made so).
#include <QColor>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "ui/ProgramIcon.h"

namespace ae {
namespace {

const ProgramIcon::Program Programs[] = {ProgramIcon::Zmfwin, ProgramIcon::ZmvWin2};

QImage Drawn(ProgramIcon::Program program, int size, int frame = 0) {
  return ProgramIcon::Pixmap(program, size, frame).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ProgramIcon, EveryIconIsAnOpaqueTileInEverySize) {
  for (const ProgramIcon::Program program : Programs) {
    SCOPED_TRACE(program);
    for (const int size : {16, 32, 64, 256}) {
      const QImage image = Drawn(program, size);
      ASSERT_EQ(image.size(), QSize(size, size));
      EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
      EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;  // the tile's rounded corner
    }
    const QIcon icon = ProgramIcon::Icon(program);
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
      EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size)) << size;
  }
}

TEST(ProgramIcon, TheProgramsHaveDistinctIconsAndTheFramesMove) {
  EXPECT_NE(Drawn(ProgramIcon::Zmfwin, 64), Drawn(ProgramIcon::ZmvWin2, 64));
  for (const ProgramIcon::Program program : Programs) {
    SCOPED_TRACE(program);
    const QImage still = Drawn(program, 64);
    for (int frame = 1; frame < ProgramIcon::FrameCount; ++frame) EXPECT_NE(Drawn(program, 64, frame), still) << frame;
    EXPECT_EQ(Drawn(program, 64, ProgramIcon::FrameCount), still);  // the frames go round
    EXPECT_EQ(Drawn(program, 64, -1), Drawn(program, 64, ProgramIcon::FrameCount - 1));
  }
}

TEST(ProgramIcon, WritesTheIconFilesWhenAsked) {
  const std::pair<const char*, ProgramIcon::Program> files[] = {{"ZMFWIN_ICON", ProgramIcon::Zmfwin},
                                                                {"ZMVWIN2_ICON", ProgramIcon::ZmvWin2}};
  bool asked = false;
  for (const auto& [variable, program] : files) {
    const QString path = qEnvironmentVariable(variable);
    if (path.isEmpty()) continue;
    asked = true;
    ASSERT_TRUE(ProgramIcon::Pixmap(program, 256).save(path)) << path.toStdString();
  }
  if (!asked) GTEST_SKIP() << "set ZMFWIN_ICON or ZMVWIN2_ICON to a file name";
}

}  // namespace
}  // namespace ae
