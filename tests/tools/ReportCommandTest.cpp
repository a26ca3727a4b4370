// aetool report: the test report of a whole file for scripts, its errors as render gives them.
#include <QSettings>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "store/ZTDataStore.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/PdfText.h"
#include "tests/support/StoreTestSupport.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/Generators.h"

namespace ae {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class AetoolReport : public ::testing::Test {
 protected:
  AetoolReport() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(dir_.File("config")));
    GenerateDataFile("dta", {500, 3}, file_);
  }
  // The files of the test's folder besides its own.
  std::vector<std::string> Written() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.Path())) {
      const std::string name = entry.path().filename().string();
      if (name != "PROOF.DTA" && name != "ZTData.sqlite" && name != "config" && name != "notes.txt" &&
          name != "blocked" && name != "old.pdf" && !entry.is_directory())
        names.push_back(entry.path().string());
    }
    return names;
  }

  test::TempDir dir_;
  test::ScopedEnv db_{"ZTDATA_DB", dir_.File("ZTData.sqlite").c_str()};
  std::string file_ = dir_.File("PROOF.DTA");
  std::string out_ = dir_.File("PROOF.pdf");
};

TEST_F(AetoolReport, WritesThePdfAndPrintsItsPath) {
  const test::ToolResult r = RunTool(
      {"report", file_, "--graph-set", "Proof test", "-o", out_, "--title", "Vessel V-101", "--channels", "1-4"});
  ASSERT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(r.Out, out_ + "\n");
  const std::vector<std::string> pages = test::PdfPages(out_);
  ASSERT_GE(pages.size(), 6u);
  EXPECT_TRUE(Has(pages[0], "Vessel V-101"));
  EXPECT_TRUE(Has(pages[0], "1-4"));  // the channels
  EXPECT_TRUE(Has(pages[0], "No frame: every hit that is not deleted, as set 1"));
  EXPECT_TRUE(Has(pages[1], "Activity"));
  // Only the listed channels are in the tables.
  const std::string all = test::Joined(pages);
  EXPECT_TRUE(Has(all, "Amplitude Distr."));
  EXPECT_TRUE(Written() == std::vector<std::string>{out_});

  // The default title: the test's label, or "AE test report"; by the graph set's identifier.
  ASSERT_EQ(RunTool({"report", file_, "--gsid", "2", "-o", out_}).Code, 0);
  const std::vector<std::string> other = test::PdfPages(out_);
  ASSERT_FALSE(other.empty());
  EXPECT_TRUE(Has(other[0], "AE test report"));
  EXPECT_TRUE(Has(test::Joined(other), "Channel 3"));
}

TEST_F(AetoolReport, ErrorsLeaveNoFileBehind) {
  {
    ZTDataStore store;
    test::RawDb raw(store.Path());
    test::AddClashingGraphSets(raw);
  }
  const std::string notData = dir_.File("notes.txt");
  test::WriteFileBytes(notData, {'h', 'e', 'l', 'l', 'o'});
  const std::string blocked = dir_.File("blocked");
  test::WriteFileBytes(blocked, {'x'});
  const std::string old = dir_.File("old.pdf");
  test::WriteFileBytes(old, {'o', 'l', 'd'});
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{notData, "--gsid", "1", "-o", out_}, "Unknown data type.."},
      {{dir_.File("none.DTA"), "--gsid", "1", "-o", out_}, "Data file doesn't exist"},
      {{file_, "--graph-set", "Nothing", "-o", out_}, "No graph set is named \"Nothing\""},
      {{file_, "--graph-set", "Proof test", "-o", out_},
       "Several graph sets are named \"Proof test\" (GSystemID 1, 7)"},
      {{file_, "--gsid", "99", "-o", out_}, "No graph set has the GSystemID 99"},
      {{file_, "--gsid", "8", "-o", out_}, "No Pages"},
      {{file_, "--gsid", "1", "-o", blocked + "/report.pdf"}, "Cannot write \"" + blocked + "/report.pdf\""},
      {{file_, "--gsid", "1", "-o", dir_.File("missing/report.pdf")}, "does not exist"},
      {{file_, "--gsid", "1", "-o", dir_.Path().string()}, "it is a folder"},
      {{file_, "--gsid", "1", "-o", old, "--setup", dir_.File("none.ini")}, "Test Setup - unknown format of INI file"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"report"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const test::ToolResult r = RunTool(args);
    EXPECT_EQ(r.Code, 1) << c.message;
    EXPECT_TRUE(Has(r.Err, c.message)) << r.Err;
    EXPECT_EQ(r.Out, "") << c.message;
    EXPECT_TRUE(Written().empty()) << c.message;
  }
  // A report that fails leaves an older file of that name as it was.
  EXPECT_EQ(test::ReadFileBytes(old), (std::vector<unsigned char>{'o', 'l', 'd'}));
}

TEST_F(AetoolReport, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"report", file_, "--gsid", "1"},
           {"report", file_, "-o", out_},
           {"report", file_, "--gsid", "1", "--graph-set", "Proof test", "-o", out_},
           {"report", file_, "--gsid", "one", "-o", out_},
           {"report", file_, "--gsid", "1", "-o", out_, "--channels", "0-3"},
           {"report", "--gsid", "1", "-o", out_},
       })
    EXPECT_EQ(RunTool(args).Code, 2) << args.size();
  EXPECT_FALSE(fs::exists(out_));
}

}  // namespace
}  // namespace ae
