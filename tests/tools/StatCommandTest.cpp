#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/AetoolRunner.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/AetoolCommands.h"

namespace ae {
namespace {

constexpr std::uint64_t OneSecond = 4000000;

using Result = test::ToolResult;
using test::RunTool;

class AetoolStat : public ::testing::Test {
 protected:
  AetoolStat() {
    test::DtaBuilder b;
    b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
    // time, channel, rise, counts, energy, duration, amplitude, parametric
    b.StandardHit(1 * OneSecond, 1, 5, 10, 0, 100, 62, 0);
    b.StandardHit(2 * OneSecond, 1, 3, 30, 7, 0, 50, 0);
    b.StandardHit(2 * OneSecond + 40, 2, 8, 6, 3, 50, 51, 0);  // 10 us later: a second hit
    b.Save(file_);
  }

  test::TempDir dir_;
  std::string file_ = dir_.File("test.dta");
};

TEST_F(AetoolStat, PrintsTheFiveReportsOfSet1UnderTheirCaptions) {
  const Result r = RunTool({"stat", file_, "--channels", "1-2"});
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(r.Out,
            "== Amplitude Distr. ==\n"
            "Chan\tTotal\t>50\t>55\t>60\t>65\t>70\t>80\t>90\n"
            "Set 1\n"
            "1\t2\t1\t1\t1\t-\t-\t-\t-\n"
            "2\t1\t1\t-\t-\t-\t-\t-\t-\n"
            "\n== Statistic Distr. ==\n"
            "Chan\tMin\tMax\tTotal\tAverage\n"
            "Set 1\n"
            "Amplitude\n1\t50\t62\t112\t56.0\n2\t51\t51\t51\t51.0\n"
            "Energy\n1\t7\t7\t7\t3.5\n2\t3\t3\t3\t3.0\n"
            "Counts\n1\t10\t30\t40\t20.0\n2\t6\t6\t6\t6.0\n"
            "Duration\n1\t-\t100\t100\t50.0\n2\t50\t50\t50\t50.0\n"  // the last duration, 0, is the minimum
            "RiseTime\n1\t3\t5\t8\t4.0\n2\t8\t8\t8\t8.0\n"
            "Frequency\n1\t100\t30000\t30100\t15050.0\n2\t120\t120\t120\t120.0\n"
            "\n== MONPAC+ ==\n"
            "Chan\tEvents\tA>65\tTotDur\tCorrDur\tSev.\tHist.\tHistTm\tZIP\n"
            "Set 1\n"
            "1\t1\t-\t100\tU/C\tN/A\tN/A\tN/A\tN/A\n"
            "2\t1\t-\t50\tU/C\tN/A\tN/A\tN/A\tN/A\n"
            "N/A - < 10 events, Intensity analysis non applicable\n"
            "Mnr - Minor activity\n"
            "U/C - Under construction\n"
            "\n== Local/Dynamic ==\n"
            "Chan\tEvents\t1stHitTm\tMaxW\tAveW\tMaxW/V\tMaxW/VTm\tAveW/V\tCls\n"
            "Set 1\n"
            "1\t2\t1.0\t3.0\t1.5\t0.2\t2.0\t0.1\t1\n"
            "2\t1\t2.0\t0.0\t0.0\t0.0\t0.0\t0.0\t1\n"
            "U/C - Under construction\n"
            "\n== Pressure holds ==\n"
            "Chan\n"
            "Set 1\n"
            "1\n"
            "2\n"
            "U/C - Under construction\n");
}

TEST_F(AetoolStat, EventsViewSetupAndChannels) {
  // In events view the hit 10 us after the second one belongs to its event.
  Result r = RunTool({"stat", file_, "--events", "--channels", "2"});
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_NE(r.Out.find("Set 1\n2\t-\t-\t-"), std::string::npos) << r.Out;

  // Holds and the high-amplitude level come from the setup file.
  const std::string ini = dir_.File("setup.ini");
  std::ofstream(ini) << "[ZMVWIN]\nZmvWin=1\n[Holds]\n0=Hold|1.5|0|10|0|\n[Monpac]\nHiAmpLev=60\n";
  r = RunTool({"stat", file_, "--setup", ini, "--channels", "1"});
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_NE(r.Out.find("Chan\tEvents\tA>60\t"), std::string::npos);
  EXPECT_NE(r.Out.find("Set 1\n1\t1\t1\t100\tU/C"), std::string::npos);
  EXPECT_NE(r.Out.find("== Pressure holds ==\nChan\t1.50\nSet 1\n1\t1\n"), std::string::npos) << r.Out;

  // Settings the evaluation cannot work with are refused, not replaced by the defaults.
  std::ofstream(ini) << "[ZMVWIN]\n[Monpac]\nSevHitNum=0\n";
  r = RunTool({"stat", file_, "--setup", ini});
  EXPECT_EQ(r.Code, 1);
  EXPECT_NE(r.Err.find("SevHitNum"), std::string::npos) << r.Err;
  EXPECT_EQ(r.Out, "");
}

TEST_F(AetoolStat, ErrorsAndUsage) {
  const struct {
    std::vector<std::string> Args;
    int Code;
    const char* Err;
  } cases[] = {
      {{"stat"}, 2, "aetool stat: FILE is required (see \"aetool stat --help\")\n"},
      {{"stat", "a.dta", "b.dta"}, 2, "aetool stat: unexpected argument \"b.dta\""},
      {{"stat", "a.dta", "--channels", "0-3"}, 2, "aetool stat: --channels: invalid channel list \"0-3\""},
      {{"stat", "a.dta", "--channels"}, 2, "aetool stat: --channels: 1 required LIST missing"},
      {{"stat", "a.dta", "--frames", "2"}, 2, "aetool stat: unknown option --frames"},
      {{"stat", "missing.dta"}, 1, "Data file doesn't exist\n"},
      {{"stat", "FILE", "--setup", "missing.ini"}, 1, "Warning: Test Setup - unknown format of INI file\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.Args;
    for (std::string& a : args)
      if (a == "FILE") a = file_;
    const Result r = RunTool(args);
    EXPECT_EQ(r.Code, c.Code) << args.back();
    EXPECT_EQ(r.Err.rfind(c.Err, 0), 0u) << r.Err;
    EXPECT_EQ(r.Out, "");
  }
}

TEST_F(AetoolStat, UnsortedDataInEventsViewIsAnError) {
  test::DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  b.StandardHit(5 * OneSecond, 1, 5, 10, 0, 100, 62, 0);
  b.StandardHit(3 * OneSecond, 1, 5, 10, 0, 100, 62, 0);
  b.Save(file_);
  Result r = RunTool({"stat", file_, "--events"});
  EXPECT_EQ(r.Code, 1);
  EXPECT_EQ(r.Err, "Data file doesn't sorted (3.00 s). Event View is impossible.\n");
  EXPECT_EQ(r.Out, "");
  r = RunTool({"stat", file_});
  EXPECT_EQ(r.Code, 0);
}

}  // namespace
}  // namespace ae
