// The progress bar: what one drawing shows, that it draws only when enabled and after its delay,
// that it leaves a clean line behind, and how the progress of a file read in passes is counted.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tools/aetool/ProgressBar.h"

namespace ae {
namespace {

using namespace std::chrono_literals;

std::string ReadText(const std::string& path) {
  const auto bytes = test::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(ProgressBar, OneDrawing) {
  const struct {
    std::string Label;
    std::int64_t Done, Total;
    int Tick;
    const char* Line;
  } cases[] = {
      {"Exporting", 0, 200, 0, "Exporting [..............................]   0%"},
      {"Exporting", 100, 200, 0, "Exporting [###############...............]  50%"},
      {"", 199, 200, 0, "[#############################.]  99%"},
      {"Exporting", 200, 200, 0, "Exporting [##############################] 100%"},
      {"Over", 300, 200, 0, "Over [##############################] 100%"},     // never beyond the end
      {"Under", -5, 200, 0, "Under [..............................]   0%"},    // nor before the start
      {"Evaluating", 7, 0, 0, "Evaluating [###...........................]"},  // unknown amount: a moving mark
      {"Evaluating", 7, 0, 2, "Evaluating [..###.........................]"},
      {"Evaluating", 7, 0, 27, "Evaluating [...........................###]"},
      {"Evaluating", 7, 0, 28, "Evaluating [..........................###.]"},  // and back
  };
  for (const auto& c : cases) EXPECT_EQ(ProgressBar::Line(c.Label, c.Done, c.Total, c.Tick), c.Line);
}

TEST(ProgressBar, DrawsOnlyWhenEnabledAndCleansItsLine) {
  test::TempDir dir;
  const std::string path = dir.File("terminal");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  {
    ProgressBar off("Off", false, fd, 0ms);
    off.SetTotal(10);
    off.SetDone(5);
    std::this_thread::sleep_for(150ms);
  }
  {
    ProgressBar late("Late", true, fd, 10s);  // short work ends before the delay: nothing shown
    late.SetTotal(10);
    late.SetDone(10);
  }
  EXPECT_EQ(ReadText(path), "");

  {
    ProgressBar bar("Work", true, fd, 0ms);
    bar.SetTotal(4);
    bar.SetDone(1);
    std::this_thread::sleep_for(250ms);
    bar.Finish();
    bar.Finish();  // a second Finish does nothing
  }
  ::close(fd);
  const std::string drawn = ReadText(path);
  const std::string line = "Work [#######.......................]  25%";
  EXPECT_EQ(drawn.rfind("\r" + line, 0), 0u) << drawn;
  // It ends with the line blanked out and the cursor at its start.
  EXPECT_EQ(drawn.substr(drawn.size() - line.size() - 2), "\r" + std::string(line.size(), ' ') + "\r");
}

TEST(ProgressBar, AFileReadInPassesCountsEveryPass) {
  test::TempDir dir;
  const std::string path = dir.File("data");
  test::WriteFileBytes(path, std::vector<unsigned char>(1000, 'x'));
  const int fd = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  FileReadProgress progress(fd, 2);
  EXPECT_EQ(progress.Total(), 2000);
  char buffer[600];
  EXPECT_EQ(progress(), 0);
  ASSERT_EQ(::read(fd, buffer, 600), 600);
  EXPECT_EQ(progress(), 600);
  ASSERT_EQ(::read(fd, buffer, 600), 400);
  EXPECT_EQ(progress(), 1000);
  ::lseek(fd, 0, SEEK_SET);  // the second pass
  ASSERT_EQ(::read(fd, buffer, 300), 300);
  EXPECT_EQ(progress(), 1300);
  ::lseek(fd, 0, SEEK_SET);  // no third pass was announced: it stays in the second
  EXPECT_EQ(progress(), 1000);
  ::close(fd);
}

}  // namespace
}  // namespace ae
