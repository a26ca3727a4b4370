// The command line of aetool: help of the tool and of every subcommand, the version, and the
// README showing the same help.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/AetoolRunner.h"

namespace ae {
namespace {

using test::RunTool;

const struct {
  const char* Name;
  std::vector<std::string> Options;
} Subcommands[] = {
    {"dump", {"FILE"}},
    {"describe", {"FILE"}},
    {"export", {"FILE", "-o OUT", "--format csv|hdf5=csv"}},
    {"filter",
     {"SOURCE", "DEST", "--filter NAME", "--fid N", "--yes", "--report-dir DIR", "--no-report", "--save NAME",
      "--from FILE"}},
    {"params", {"--system NAME=Common parameters"}},
    {"stat", {"FILE", "--setup FILE.ini", "--events", "--channels LIST"}},
    {"gen", {"--format dta|s3000|pci|isa=dta", "--hits N=1000", "--seed S=1", "-o FILE REQUIRED"}},
};

TEST(CommandLine, HelpOfTheToolAndOfEverySubcommand) {
  const test::ToolResult help = RunTool({"--help"});
  EXPECT_EQ(help.Code, 0);
  EXPECT_EQ(help.Err, "");
  EXPECT_EQ(help.Out.rfind("The command-line tool of the AE analysis suite.\nUsage: aetool [OPTIONS] SUBCOMMAND\n", 0),
            0u)
      << help.Out;
  EXPECT_EQ(RunTool({"-h"}).Out, help.Out);
  for (const auto& sub : Subcommands) {
    SCOPED_TRACE(sub.Name);
    EXPECT_NE(help.Out.find("\n  " + std::string(sub.Name) + " "), std::string::npos);
    // Help comes before the checks of the arguments: no FILE needed.
    const test::ToolResult r = RunTool({sub.Name, "--help"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Err, "");
    EXPECT_NE(r.Out.find("\nUsage: aetool " + std::string(sub.Name) + " [OPTIONS]"), std::string::npos) << r.Out;
    for (const std::string& option : sub.Options) EXPECT_NE(r.Out.find("  " + option), std::string::npos) << option;
    std::istringstream lines(r.Out);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 100u) << line;
  }
}

TEST(CommandLine, Version) {
  const test::ToolResult r = RunTool({"--version"});
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(r.Out.rfind("aetool (AE analysis suite) ", 0), 0u) << r.Out;
  EXPECT_EQ(r.Out.find('\n'), r.Out.size() - 1);
  EXPECT_NE(r.Out, "aetool (AE analysis suite) unknown\n");
}

TEST(CommandLine, TheReadmeShowsTheHelp) {
  std::ifstream in(std::string(AE_SOURCE_DIR) + "/README.md");
  ASSERT_TRUE(in);
  std::stringstream readme;
  readme << in.rdbuf();
  const std::string help = RunTool({"--help"}).Out;
  EXPECT_NE(readme.str().find("```\n$ aetool --help\n" + help + "```\n"), std::string::npos)
      << "the README's aetool section must show this help:\n"
      << help;
}

// What the bash completion offers for the words typed so far (the last one being completed).
std::string Completion(const std::string& words) {
  const std::string folder = std::filesystem::path(AE_AETOOL_PATH).parent_path().string();
  const std::string script = std::string(AE_SOURCE_DIR) + "/resources/completion/aetool.bash";
  const std::string command = "PATH='" + folder + "':\"$PATH\" bash -c 'source \"" + script + "\"; COMP_WORDS=(" +
                              words + "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _aetool; echo \"${COMPREPLY[*]}\"'";
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
  }
  return output;
}

TEST(CommandLine, BashCompletionTakesItsWordsFromTheHelp) {
  if (std::system("bash -c true 2>/dev/null") != 0) GTEST_SKIP() << "no bash";
  EXPECT_EQ(Completion("aetool \"\""),
            "dump describe export filter params stat locate render report wave gen --help --version\n");
  EXPECT_EQ(Completion("aetool ex"), "export\n");
  EXPECT_EQ(Completion("aetool export --f"), "--format\n");
  EXPECT_EQ(Completion("aetool gen --format \"\""), "dta s3000 pci isa\n");
  EXPECT_EQ(Completion("aetool filter --no"), "--no-report\n");
  EXPECT_EQ(Completion("aetool report --t"), "--title\n");
}

}  // namespace
}  // namespace ae
