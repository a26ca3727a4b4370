#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tests/viewer/core/RecordingUser.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/EViewer.h"

namespace ae {
namespace {

using test::RecordingUser;
using test::TempDir;

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  ASSERT_TRUE(out.good());
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A setup that differs from the defaults in every field.
ATestSetup Changed() {
  ATestSetup s;
  s.TestLabel = "Vessel 7 proof test";
  s.HoldsView = false;
  s.TestTH = 45;
  s.Holds = {{"Hold 1", 1.5f, 600.0f, 600.0f, 120.0f}, {"Final", 2.25f, 1800.5f, 300.0f, 0.1f}};
  s.MPT = 4000;
  s.Lockout = 30000;
  s.DivisorSys = 2.5;
  s.OffsetSys = -1.25;
  s.DivisorReal = 0.1;
  s.OffsetReal = 3.0;
  s.EvalTH = 48;
  s.HiAmpLev = 70;
  s.SevHitNum = 12;
  s.MP_HstLimit1 = 11;
  s.MP_HstLimit2 = 16;
  s.MP_HstLimit3 = 80;
  s.MP_HstLimit4 = 900;
  s.MP_HstLastHits2 = 3;
  s.MP_HstLastHits3 = 14;
  s.MP_HstLastHits4 = 0.75f;
  s.MP_HstLastHits5 = 250;
  s.LDExponent = 3.5;
  s.Class1 = 20;
  s.Class2 = 200;
  s.Class3 = 2000;
  return s;
}

void ExpectSameFields(const ATestSetup& a, const ATestSetup& b) {
  EXPECT_EQ(a.TestLabel, b.TestLabel);
  EXPECT_EQ(a.HoldsView, b.HoldsView);
  EXPECT_EQ(a.TestTH, b.TestTH);
  EXPECT_EQ(a.Holds, b.Holds);
  EXPECT_EQ(a.MPT, b.MPT);
  EXPECT_EQ(a.Lockout, b.Lockout);
  EXPECT_EQ(a.DivisorSys, b.DivisorSys);
  EXPECT_EQ(a.OffsetSys, b.OffsetSys);
  EXPECT_EQ(a.DivisorReal, b.DivisorReal);
  EXPECT_EQ(a.OffsetReal, b.OffsetReal);
  EXPECT_EQ(a.EvalTH, b.EvalTH);
  EXPECT_EQ(a.HiAmpLev, b.HiAmpLev);
  EXPECT_EQ(a.SevHitNum, b.SevHitNum);
  EXPECT_EQ(a.MP_HstLimit1, b.MP_HstLimit1);
  EXPECT_EQ(a.MP_HstLimit2, b.MP_HstLimit2);
  EXPECT_EQ(a.MP_HstLimit3, b.MP_HstLimit3);
  EXPECT_EQ(a.MP_HstLimit4, b.MP_HstLimit4);
  EXPECT_EQ(a.MP_HstLastHits2, b.MP_HstLastHits2);
  EXPECT_EQ(a.MP_HstLastHits3, b.MP_HstLastHits3);
  EXPECT_EQ(a.MP_HstLastHits4, b.MP_HstLastHits4);
  EXPECT_EQ(a.MP_HstLastHits5, b.MP_HstLastHits5);
  EXPECT_EQ(a.LDExponent, b.LDExponent);
  EXPECT_EQ(a.Class1, b.Class1);
  EXPECT_EQ(a.Class2, b.Class2);
  EXPECT_EQ(a.Class3, b.Class3);
}

TEST(ATestSetup, AFileWithoutTheZmvWinSectionIsRefusedWithTheWarningAndChangesNothing) {
  TempDir dir;
  WriteText(dir.File("foreign.ini"), "[Test]\nTestLabel=Other\n[Monpac]\nEvalTH=40\n");
  for (const std::string& path : {dir.File("foreign.ini"), dir.File("missing.ini"), dir.Path().string()}) {
    RecordingUser user;
    ATestSetup setup = Changed();
    setup.FileName = "before.ini";
    EXPECT_FALSE(setup.Load(path, user)) << path;
    ExpectSameFields(setup, Changed());
    EXPECT_EQ(setup.FileName, "before.ini");
    ASSERT_EQ(user.Messages.size(), 1u);
    EXPECT_EQ(user.Messages[0].Text, "Test Setup - unknown format of INI file");
    EXPECT_EQ(user.Messages[0].Caption, "Warning");
    EXPECT_EQ(user.Messages[0].Kind, ViewerUser::Icon::Warning);
  }
}

TEST(ATestSetup, AnEmptyZmvWinSectionGivesEveryDefaultAndNoHolds) {
  TempDir dir;
  const std::string path = dir.File("empty.ini");
  WriteText(path, "[zmvwin]\n");  // section names ignore case, as the profile service does
  RecordingUser user;
  ATestSetup setup = Changed();
  ASSERT_TRUE(setup.Load(path, user));
  EXPECT_TRUE(user.Messages.empty());
  ExpectSameFields(setup, ATestSetup());
  EXPECT_EQ(setup.FileName, path);
}

TEST(ATestSetup, ANewFileHoldsExactlyItsSectionsKeysAndTexts) {
  TempDir dir;
  const std::string path = dir.File("new.ini");
  ATestSetup setup;
  setup.Holds = {{"Hold 1", 1.5f, 600.0f, 600.0f, 120.0f}};
  setup.Save(path);
  EXPECT_EQ(setup.FileName, "");  // saving does not change the file name
  // Sections in the order written, two empty lines apart (the layout of the INI library).
  EXPECT_EQ(ReadText(path),
            "[ZMVWIN]\nZmvWin=1\n\n\n"
            "[Test]\nTestLabel=Default test\nTestTH=50\nHoldsView=1\n\n\n"
            "[Holds]\n0=Hold 1|1.5|600|600|120|\n\n\n"
            "[Event]\nMPT=5000\nLockout=20000\n\n\n"
            "[Parametric]\nDivisorSys=1\nOffsetSys=0\nDivisorReal=1\nOffsetReal=0\n\n\n"
            "[Monpac]\nEvalTH=50\nHiAmpLev=65\nSevHitNum=10\nMP_HstLimit1=10\nMP_HstLimit2=15\nMP_HstLimit3=75\n"
            "MP_HstLimit4=1000\nMP_HstLastHits2=0\nMP_HstLastHits3=15\nMP_HstLastHits4=0.800000011920929\n"
            "MP_HstLastHits5=200\n\n\n"
            "[LocDyn]\nLDExponent=4\nClass1=10\nClass2=100\nClass3=1000\n");
  // Saving again changes nothing.
  const std::string first = ReadText(path);
  setup.Save(path);
  EXPECT_EQ(ReadText(path), first);
}

TEST(ATestSetup, SavingAndLoadingGivesTheSameValues) {
  TempDir dir;
  const std::string path = dir.File("trip.ini");
  const ATestSetup saved = Changed();
  saved.Save(path);
  RecordingUser user;
  ATestSetup loaded;
  ASSERT_TRUE(loaded.Load(path, user));
  ExpectSameFields(loaded, saved);
  EXPECT_EQ(loaded.MP_HstLastHits4, 0.75f);
  EXPECT_EQ(loaded.Holds[1].Delay, 0.1f);  // single precision survives its 15 digits
  EXPECT_EQ(loaded.FileName, path);
}

TEST(ATestSetup, SavingIntoAnExistingFileKeepsItsOtherSectionsAndReplacesTheHolds) {
  TempDir dir;
  const std::string path = dir.File("shared.ini");
  WriteText(path,
            "; written by hand\n"
            "[Printer]\nName=Lab \xC3\xA9 2\nPort=LPT1\nPort=LPT2\n\n"
            "[Test]\nTestLabel=Old label\nOperator=Ivanov\n\n"
            "[Holds]\n0=Old 1|1|2|3|4|\n1=Old 2|1|2|3|4|\n2=Old 3|1|2|3|4|\n\n"
            "[Monpac]\nEvalTH=45\nMP_Custom=7\n");
  ATestSetup setup;
  setup.TestLabel = "New label";
  setup.Holds = {{"Only", 2.0f, 10.0f, 20.0f, 5.0f}};
  setup.Save(path);
  const std::string text = ReadText(path);
  EXPECT_NE(text.find("; written by hand"), std::string::npos);
  EXPECT_NE(text.find("[Printer]\nName=Lab \xC3\xA9 2\nPort=LPT1\nPort=LPT2\n"), std::string::npos);
  EXPECT_NE(text.find("Operator=Ivanov\n"), std::string::npos);
  EXPECT_NE(text.find("MP_Custom=7\n"), std::string::npos);
  EXPECT_NE(text.find("TestLabel=New label\n"), std::string::npos);
  EXPECT_EQ(text.find("Old"), std::string::npos);
  EXPECT_NE(text.find("[Holds]\n0=Only|2|10|20|5|\n"), std::string::npos);
  EXPECT_NE(text.find("EvalTH=50\n"), std::string::npos);
  EXPECT_EQ(text.find("EvalTH=45"), std::string::npos);

  RecordingUser user;
  ATestSetup loaded;
  ASSERT_TRUE(loaded.Load(path, user));
  ExpectSameFields(loaded, setup);

  // With no holds the old hold lines still go.
  setup.ClearHolds();
  setup.Save(path);
  ASSERT_TRUE(loaded.Load(path, user));
  EXPECT_TRUE(loaded.Holds.empty());
  EXPECT_NE(ReadText(path).find("[Printer]"), std::string::npos);
}

TEST(ATestSetup, ValueTextsReadAsTheProfileServiceReadsThem) {
  TempDir dir;
  const std::string path = dir.File("texts.ini");
  WriteText(path,
            "[ZMVWIN]\n"
            "[Test]\nTestLabel=  Spaced label  \nTestTH=abc\nHoldsView=7\n"
            "[Event]\nMPT=0x10\nLockout=12.5\n"
            "[Parametric]\nDivisorSys=2,5\nOffsetSys=1e3\nDivisorReal=inf\nOffsetReal=1.2.3\n"
            "[Monpac]\nEvalTH=-3\nHiAmpLev=99999999999\nMP_HstLastHits4=0.85\n"
            "[LocDyn]\nLDExponent=nan\nClass1= 12 \n");
  RecordingUser user;
  ATestSetup setup;
  ASSERT_TRUE(setup.Load(path, user));
  EXPECT_EQ(setup.TestLabel, "Spaced label");
  EXPECT_EQ(setup.TestTH, 50);   // not an integer: the default
  EXPECT_TRUE(setup.HoldsView);  // any non-zero integer
  EXPECT_EQ(setup.MPT, 16);      // hexadecimal
  EXPECT_EQ(setup.Lockout, 20000);
  EXPECT_EQ(setup.DivisorSys, 2.5);  // a decimal comma
  EXPECT_EQ(setup.OffsetSys, 1000.0);
  EXPECT_EQ(setup.DivisorReal, 1.0);  // not finite: the default
  EXPECT_EQ(setup.OffsetReal, 0.0);
  EXPECT_EQ(setup.EvalTH, -3);
  EXPECT_EQ(setup.HiAmpLev, 65);  // beyond 32 bits
  EXPECT_EQ(setup.MP_HstLastHits4, 0.85f);
  EXPECT_EQ(setup.LDExponent, 4.0);
  EXPECT_EQ(setup.Class1, 12);
}

TEST(ATestSetup, HoldLinesAreTakenInFileOrderWhateverTheirKeys) {
  TempDir dir;
  const std::string path = dir.File("holds.ini");
  WriteText(path,
            "[ZMVWIN]\nZmvWin=1\n"
            "[Holds]\n"
            "5=Fifth key first|1.5|600|600|120|\n"
            "0=No closing bar|2|700|60|10\n"
            "x=Extra fields|3|800|50|5|ignored|\n");
  RecordingUser user;
  ATestSetup setup;
  ASSERT_TRUE(setup.Load(path, user));
  ASSERT_EQ(setup.Holds.size(), 3u);
  EXPECT_EQ(setup.Holds[0], (AHold{"Fifth key first", 1.5f, 600.0f, 600.0f, 120.0f}));
  // Without its closing "|" the rest of the line is the last field.
  EXPECT_EQ(setup.Holds[1], (AHold{"No closing bar", 2.0f, 700.0f, 60.0f, 10.0f}));
  EXPECT_EQ(setup.Holds[2], (AHold{"Extra fields", 3.0f, 800.0f, 50.0f, 5.0f}));
}

TEST(ATestSetup, ABadHoldLineEndsTheLoadingWithTheConversionErrorAndChangesNothing) {
  TempDir dir;
  struct Case {
    const char* Line;
    const char* Field;
  };
  const Case cases[] = {
      {"0=Short|1.5|600|", "''"},
      {"0=Word|1.5|six hundred|600|120|", "'six hundred'"},
      {"0=", "''"},
      {"0=Huge|1e300|600|600|120|", "'1e300'"},  // beyond single precision
  };
  for (const Case& c : cases) {
    const std::string path = dir.File("bad.ini");
    WriteText(path, std::string("[ZMVWIN]\n[Test]\nTestLabel=Bad\n[Holds]\n") + c.Line + "\n");
    RecordingUser user;
    ATestSetup setup = Changed();
    try {
      setup.Load(path, user);
      ADD_FAILURE() << c.Line;
    } catch (const EViewer& e) {
      EXPECT_NE(std::string(e.what()).find(std::string(c.Field) + " is not a valid floating point value"),
                std::string::npos)
          << e.what();
    }
    ExpectSameFields(setup, Changed());
    EXPECT_TRUE(user.Messages.empty());
  }
}

TEST(ATestSetup, SettingsTheStatisticsCannotWorkWithAreRefused) {
  struct Case {
    const char* Name;
    void (*Change)(ATestSetup&);
    const char* Expected;  // part of the message
  };
  const Case cases[] = {
      {"SevHitNum 0", [](ATestSetup& s) { s.SevHitNum = 0; }, "SevHitNum"},
      {"SevHitNum huge", [](ATestSetup& s) { s.SevHitNum = 5000; }, "SevHitNum"},
      {"ring 0", [](ATestSetup& s) { s.MP_HstLastHits5 = 0; }, "MP_HstLastHits5"},
      // The fourth range reaches K = 999 - ceil(999 * 0.8) = 199 > 150.
      {"ring too short", [](ATestSetup& s) { s.MP_HstLastHits5 = 150; }, "K = 199 recent hits at N = 999"},
      {"third range", [](ATestSetup& s) { s.MP_HstLastHits3 = 300; }, "K = 300"},
      {"third range K 0", [](ATestSetup& s) { s.MP_HstLastHits3 = 0; }, "K = 0"},
      {"second range", [](ATestSetup& s) { s.MP_HstLimit2 = 500; }, "K = 499 recent hits at N = 499"},
      {"fraction 1", [](ATestSetup& s) { s.MP_HstLastHits4 = 1.0f; }, "K = 0 recent hits at N = 75"},
      {"divisor 0", [](ATestSetup& s) { s.DivisorReal = 0.0; }, "DivisorReal"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    ATestSetup bad;
    c.Change(bad);
    const std::string problem = bad.RangeProblem();
    EXPECT_NE(problem.find(c.Expected), std::string::npos) << c.Name << ": " << problem;

    // The same settings in a file are refused when it is loaded.
    const std::string path = dir.File("range.ini");
    bad.Save(path);
    RecordingUser user;
    ATestSetup setup = Changed();
    EXPECT_THROW(setup.Load(path, user), EViewer) << c.Name;
    ExpectSameFields(setup, Changed());
  }
  EXPECT_EQ(ATestSetup().RangeProblem(), "");
  EXPECT_EQ(Changed().RangeProblem(), "");
  // A range no hit count reaches chooses nothing to refuse.
  ATestSetup unreachable;
  unreachable.MP_HstLimit3 = 15;  // the third range is empty
  unreachable.MP_HstLastHits3 = 5000;
  EXPECT_EQ(unreachable.RangeProblem(), "");
}

TEST(ATestSetup, HistoricKFollowsTheFourRanges) {
  const ATestSetup s;
  const struct {
    std::uint64_t N;
    std::int64_t K;
  } cases[] = {{10, 10}, {14, 14}, {15, 15}, {74, 15}, {75, 15}, {80, 16}, {999, 199}, {1000, 200}, {50000, 200}};
  EXPECT_FALSE(s.HistoricK(1).has_value());
  EXPECT_FALSE(s.HistoricK(9).has_value());
  for (const auto& c : cases) EXPECT_EQ(s.HistoricK(c.N), c.K) << "N = " << c.N;
}

TEST(ATestSetup, TextsStayOnTheirLineAndHoldLabelsOutOfTheFieldSeparator) {
  TempDir dir;
  const std::string path = dir.File("labels.ini");
  ATestSetup setup;
  setup.TestLabel = "Two\nlines\r\n[Evil]";
  setup.Holds = {{"A|B", 1.0f, 2.0f, 3.0f, 4.0f}};
  setup.Save(path);
  RecordingUser user;
  ATestSetup loaded;
  ASSERT_TRUE(loaded.Load(path, user));
  EXPECT_EQ(loaded.TestLabel, "Two lines  [Evil]");
  ASSERT_EQ(loaded.Holds.size(), 1u);
  EXPECT_EQ(loaded.Holds[0], (AHold{"A/B", 1.0f, 2.0f, 3.0f, 4.0f}));
  EXPECT_EQ(ReadText(path).find("\n[Evil]"), std::string::npos);
}

TEST(ATestSetup, AFailedSaveIsAnErrorAndLeavesTheFileAsItWas) {
  TempDir dir;
  const ATestSetup setup;
  // A folder in the way.
  std::filesystem::create_directory(dir.File("folder.ini"));
  EXPECT_THROW(setup.Save(dir.File("folder.ini")), EViewer);
  // A folder that does not exist.
  EXPECT_THROW(setup.Save(dir.File("no/such/folder/x.ini")), EViewer);
  // A folder without write permission: the existing file stays untouched.
  if (::geteuid() != 0) {
    const std::string locked = dir.File("locked");
    std::filesystem::create_directory(locked);
    const std::string path = locked + "/setup.ini";
    WriteText(path, "[Keep]\nMe=1\n");
    ::chmod(locked.c_str(), 0555);
    EXPECT_THROW(setup.Save(path), EViewer);
    ::chmod(locked.c_str(), 0755);
    EXPECT_EQ(ReadText(path), "[Keep]\nMe=1\n");
  }
}

TEST(ATestSetup, SavingThroughALinkUpdatesTheFileItPointsTo) {
  TempDir dir;
  const std::string target = dir.File("real.ini");
  WriteText(target, "[Other]\nKey=1\n");
  std::filesystem::create_symlink(target, dir.File("link.ini"));
  ATestSetup setup;
  setup.TestTH = 61;
  setup.Save(dir.File("link.ini"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.ini")));
  const std::string text = ReadText(target);
  EXPECT_NE(text.find("TestTH=61"), std::string::npos);
  EXPECT_NE(text.find("[Other]\nKey=1"), std::string::npos);
}

TEST(ATestSetup, ParametricConversionAndDefaultFile) {
  ATestSetup s;
  EXPECT_EQ(s.ParP(1234.5), 1234.5);  // divisors 1 and offsets 0 change nothing
  s.DivisorSys = 2.0;
  s.OffsetSys = 1.0;
  s.DivisorReal = 4.0;
  s.OffsetReal = -0.5;
  EXPECT_EQ(s.ParV(10.0), 6.0);
  EXPECT_EQ(s.ParP(10.0), 1.0);
  EXPECT_EQ(ATestSetup::DefaultFilePath("/opt/zemtal/ZmvWin2"), "/opt/zemtal/ZmvWin2.INI");
  EXPECT_EQ(ATestSetup::DefaultFilePath("/opt/zemtal/ZmvWin2.exe"), "/opt/zemtal/ZmvWin2.INI");
  EXPECT_EQ(&GlobalTestSetup(), &GlobalTestSetup());
}

}  // namespace
}  // namespace ae
