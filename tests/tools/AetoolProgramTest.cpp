// The aetool program runs the subcommands on the data files itself and starts the full program
// for the others: whichever runs a command line, the user sees the same output and exit code.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/AetoolRunner.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/DataFileCommands.h"

namespace ae {
namespace {

namespace fs = std::filesystem;
using test::RunTool;
using test::ToolResult;

std::string FileText(const std::string& path) {
  const std::vector<unsigned char> bytes = test::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// Runs a program as its own process, with stdout and stderr caught in files of `dir`.
ToolResult RunProgram(const std::string& program, const std::vector<std::string>& args, const test::TempDir& dir) {
  std::string command = "'" + program + "'";
  for (const std::string& a : args) command += " '" + a + "'";
  command += " >'" + dir.File("out.txt") + "' 2>'" + dir.File("err.txt") + "' </dev/null";
  const int status = std::system(command.c_str());
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return {code, FileText(dir.File("out.txt")), FileText(dir.File("err.txt"))};
}

void ExpectSame(const ToolResult& got, const ToolResult& expected, const std::string& what) {
  EXPECT_EQ(got.Code, expected.Code) << what;
  EXPECT_EQ(got.Out, expected.Out) << what;
  EXPECT_EQ(got.Err, expected.Err) << what;
}

std::string Joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& a : args) text += a + " ";
  return text;
}

TEST(AetoolProgram, RunsTheDataFileCommandsAsTheWholeToolDoes) {
  test::TempDir dir;
  const std::string file = dir.File("g.dta");
  ASSERT_EQ(RunTool({"gen", "--hits", "50", "-o", file}).Code, 0);
  const std::vector<std::vector<std::string>> lines = {
      {"dump", "--help"},
      {"describe", "--help"},
      {"export", "--help"},
      {"gen", "--help"},
      {"export"},                                   // a missing argument
      {"export", file, "--format", "xml"},          // a bad value
      {"gen", "--hits", "x", "-o", dir.File("x")},  // a bad number
      {"dump", file, "--frobnicate"},               // an unknown option
      {"dump", dir.File("none.dta")},               // an error of the action
      {"describe", file},
      {"export", file},
  };
  for (const std::vector<std::string>& args : lines) {
    ExpectSame(RunTool(args, RunDataFileCommand), RunTool(args), Joined(args));
    EXPECT_TRUE(IsDataFileCommand(args.front().c_str())) << Joined(args);
  }
  for (const char* other : {"filter", "params", "stat", "render", "--help", "--version", "frobnicate"})
    EXPECT_FALSE(IsDataFileCommand(other)) << other;
}

TEST(AetoolProgram, StartsTheFullProgramForEverythingElse) {
  test::TempDir dir;
  const std::vector<std::vector<std::string>> lines = {
      {},
      {"--help"},
      {"--version"},
      {"params", "--system", "Spartan 3000"},
      {"params", "--system", "nothing of the kind"},
      {"stat"},
      {"frobnicate"},
      {"export", "--help"},  // run by the program itself, for comparison
  };
  for (const std::vector<std::string>& args : lines)
    ExpectSame(RunProgram(AE_AETOOL_PATH, args, dir), RunTool(args), Joined(args));
}

TEST(AetoolProgram, WithoutTheFullProgramSaysWhatIsMissing) {
  test::TempDir dir;
  const std::string alone = dir.File("aetool");
  fs::copy_file(AE_AETOOL_PATH, alone);
  const ToolResult params = RunProgram(alone, {"params"}, dir);
  EXPECT_EQ(params.Code, 1);
  EXPECT_EQ(params.Out, "");
  EXPECT_EQ(params.Err, "aetool: the program with this subcommand (aetool-full) is not installed beside aetool\n");
  // The subcommands on the data files still work.
  EXPECT_EQ(RunProgram(alone, {"export", "--help"}, dir).Code, 0);
}

}  // namespace
}  // namespace ae
