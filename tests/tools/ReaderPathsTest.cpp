// What aetool's dump, export and the viewer's load show of a file agrees with what the readers
// decode: A-Line ISA amplitudes around a gain change, and a continued DTA file's message 8.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ALNCalibration.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/ReaderSamples.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::DtaBuilder;

// The shared A-Line calibration starts and ends at its defaults.
class ReaderPaths : public ::testing::Test {
 protected:
  void SetUp() override { ALNCalibration::Shared().ResetToDefaults(); }
  void TearDown() override { ALNCalibration::Shared().ResetToDefaults(); }

  std::string Save(const DtaBuilder& b, const std::string& name) {
    const std::string path = dir_.File(name);
    b.Save(path);
    return path;
  }

  test::TempDir dir_;
};

// The amplitudes of the hits of channel 3 (index 2) and channel 2 as one path shows them.
std::vector<int> AmplitudesOf(const std::string& path, const std::string& how) {
  std::vector<int> amplitudes;
  if (how == "dump") {
    const test::ToolResult dump = test::RunTool({"dump", path});
    EXPECT_EQ(dump.Code, 0) << dump.Err;
    std::istringstream lines(dump.Out);
    std::string line;
    std::getline(lines, line);  // data type
    std::getline(lines, line);  // column titles: time, channel, rise, counts, duration, energy, amplitude, ...
    while (std::getline(lines, line)) {
      std::istringstream fields(line);
      std::string field;
      for (int i = 0; i < 7; ++i) fields >> field;
      amplitudes.push_back(std::stoi(field));
    }
  } else if (how == "export") {
    const test::ToolResult csv = test::RunTool({"export", path});
    EXPECT_EQ(csv.Code, 0) << csv.Err;
    std::istringstream lines(csv.Out);
    std::string line;
    std::getline(lines, line);
    std::vector<std::string> names;
    for (std::istringstream header(line); std::getline(header, line, ',');) names.push_back(line);
    const auto column = std::find(names.begin(), names.end(), "amplitude") - names.begin();
    const auto kind = std::find(names.begin(), names.end(), "kind") - names.begin();
    while (std::getline(lines, line)) {
      std::vector<std::string> cells;
      for (std::istringstream row(line); std::getline(row, line, ',');) cells.push_back(line);
      if (cells.at(static_cast<std::size_t>(kind)) == "0") amplitudes.push_back(std::stoi(cells.at(column)));
    }
  } else {
    ZTDataSet set;
    set.Load(path);
    for (const ZTShortHit& rec : set.Recs)
      if (rec.IsHit()) amplitudes.push_back(rec.Amplitude);
  }
  return amplitudes;
}

// A gain change half-way applies from its place in the file on, whether the file was counted
// or read before: the viewer's load counts the whole file first.
TEST_F(ReaderPaths, AnIsaGainChangeAfterSomeHitsGivesTheSameAmplitudesThroughEveryPath) {
  const std::vector<int> expected = {60, 60, 62, 60, 62};  // channel 3 at 60.879 dB, then 62.754 dB
  // Without its own setup first, a file starts from the table a file read before left (here
  // the same file), so each path starts from the defaults.
  for (const bool ownSetupFirst : {false, true}) {
    const std::string path = dir_.File(ownSetupFirst ? "own.ald" : "defaults.ald");
    test::GainChangeIsaFile(ownSetupFirst).Save(path);
    for (const char* how : {"dump", "export", "load", "second load"}) {
      if (!ownSetupFirst) ALNCalibration::Shared().ResetToDefaults();
      EXPECT_EQ(AmplitudesOf(path, how), expected) << how << (ownSetupFirst ? ", own setup first" : "");
    }
  }
}

TEST_F(ReaderPaths, DumpShowsTheTimeOfAContinuedFileAndItsEmbeddedMessagesIndented) {
  const test::ToolResult dump = test::RunTool({"dump", Save(test::ContinuedDtaFile(), "TEST__1.DTA")});
  ASSERT_EQ(dump.Code, 0) << dump.Err;
  const std::string expected =
      "Data type: Locan AT/Spartan AT/Spartan 2000/Disp/Mistras\n"
      "ID =   8  Length =    116 Continued file 2021-05-27 10:53:54.12\n"
      "    ID =  41  Length =     52 Express-8 (r) Location Version \n"
      "    \rVersion V5.92\n"
      "    \r\n"
      "    ID =   7  Length =     10 Vessel 7\n"
      "    ID =  99  Length =     13 Thu May 27\n"
      "\n"
      "    ID =  42  Length =     14 4660 Hardware Setup\n"
      "    ID = 116  Length =      5 Default DiSP record\n"
      "    ID = 116 Length = 5\n"
      "    ID =  11  Length =      1 Reset Clock\n"
      "ID =   1  Length =     22 \n"
      "    Time (sec) Cn  Rise  Cnts  Ener  Durat Amp Par1\n"
      "ID =   1  Length =     22    100.0000000  3    12    34    56    780  61  0.50\n";
  EXPECT_EQ(dump.Out.substr(0, expected.size()), expected);

  // Bytes that are no DOS time are shown as they are.
  DtaBuilder odd;
  odd.ContinuedFile(DtaBuilder().ProductDefinition("X"), {99, 1, 2, 3, 4, 5, 6, 7});
  std::ostringstream text;
  OpenedDataFile opened = OpenDataFile(Save(odd, "odd.dta"));
  opened.Reader->SeekFirst();
  opened.Reader->DumpAll(text, -1);
  EXPECT_EQ(text.str(),
            "ID =   8  Length =     16 Continued file (time bytes 63 01 02 03 04 05 06 07)\n"
            "    ID =  41  Length =      5 X\n");
}

}  // namespace
}  // namespace ae
