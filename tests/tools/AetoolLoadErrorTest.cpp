// A command whose data file cannot be loaded fails with the reason on stderr and exit code 1:
// never an exit 0 with no data.
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "datafiles/EDataFile.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

TEST(AetoolLoadError, AFileTooLargeForTheMemoryFailsExportAndStat) {
  test::TempDir dir;
  const std::string path = dir.File("big.dta");
  test::DtaBuilder dta;
  dta.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  for (int k = 0; k < 100; ++k) dta.StandardHit(4000000u + 4000u * k, 1, 10, 5, 3, 100, 60, 2000);
  dta.Save(path);
  const std::string message = "Not enough memory to load the data file \"" + path +
                              "\": its 102 records need 4896 bytes, and only 1000 bytes are available.\n";

  test::MemoryLimit limit(1000);
  for (const char* command : {"export", "stat"}) {
    const test::ToolResult result = test::RunTool({command, path});
    EXPECT_EQ(result.Code, 1) << command;
    EXPECT_EQ(result.Err, message) << command;
    EXPECT_EQ(result.Out, "") << command;
  }
}

TEST(AetoolLoadError, APipeOrAFolderFailsAtOnce) {
  test::TempDir dir;
  const std::string pipe = dir.File("pipe.dta");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const char* command : {"dump", "describe", "export", "stat"}) {
    const test::ToolResult onPipe = test::RunTool({command, pipe});
    EXPECT_EQ(onPipe.Code, 1) << command;
    EXPECT_EQ(onPipe.Err, NotRegularFileMessage(pipe) + "\n") << command;
    const test::ToolResult onFolder = test::RunTool({command, dir.Path().string()});
    EXPECT_EQ(onFolder.Code, 1) << command;
    EXPECT_EQ(onFolder.Err, FolderMessage(dir.Path().string()) + "\n") << command;
  }
}

}  // namespace
}  // namespace ae
