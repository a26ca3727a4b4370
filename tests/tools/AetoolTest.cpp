#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/LDFile.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/AetoolCommands.h"
#include "tools/aetool/CsvExport.h"

namespace ae {
namespace {

using Result = test::ToolResult;
using test::RunTool;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class Aetool : public ::testing::Test {
 protected:
  test::TempDir dir_;
};

TEST_F(Aetool, DumpStartsWithTheDataTypeLine) {
  test::DtaBuilder b;
  b.ProductDefinition("Unit\n").Timed(128, 4000000).Message(15);
  b.Save(dir_.File("a.dta"));
  LDFile::LastChannelWritten() = 0;
  const Result r = RunTool({"dump", dir_.File("a.dta")});
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Out,
            "Data type: Locan AT/Spartan AT/Spartan 2000/Disp/Mistras\n"
            "ID =  41  Length =      9 Unit\n\n"
            "ID = 128  Length =      7      1.0000000 Test Resume\n"
            "ID =  15  Length =      1 Test Abort\n");
  EXPECT_EQ(RunTool({"describe", dir_.File("a.dta")}).Out,
            "Data type: Locan AT/Spartan AT/Spartan 2000/Disp/Mistras\n"
            "Product definition\t: Unit\n"
            "Number of hits\t\t: 0\n"
            "First record time\t: 1.0000000 sec\n"
            "Last record time\t: 1.0000000 sec\n");
}

TEST_F(Aetool, ExportWritesOneRowPerLoadedRecord) {
  test::DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  b.StandardHit(6000001, 4, 10, 20, 30, 400, 55, -7);
  b.Timed(2, 8000000, {0, 0xA0, 0x0F}).Message(15).Timed(128, 9000000);
  b.Save(dir_.File("a.dta"));
  const Result r = RunTool({"export", dir_.File("a.dta")});
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out, std::string(CsvExportHeader) + "\n" +
                       "0,7,0.0000000,0,0,0,0,0,0,0.000\n"
                       "1,7,0.0000000,0,0,0,0,0,0,0.000\n"
                       "2,0,1.5000003,4,10,20,30,400,55,-7.000\n"
                       "3,5,2.0000000,0,0,0,0,0,0,4000.000\n"
                       "4,7,0.0000000,0,0,0,0,0,0,0.000\n"
                       "5,8,0.0000000,0,0,0,0,0,0,0.000\n");  // after the end of the data: never read

  EXPECT_EQ(RunTool({"export", dir_.File("a.dta"), "-o", dir_.File("out.csv")}).Code, 0);
  const auto bytes = test::ReadFileBytes(dir_.File("out.csv"));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), r.Out);
}

TEST_F(Aetool, ErrorsGiveTheirTextAndANonZeroCode) {
  const Result missing = RunTool({"dump", dir_.File("none.dta")});
  EXPECT_NE(missing.Code, 0);
  EXPECT_EQ(missing.Err, "Data file doesn't exist\n");
  test::WriteFileBytes(dir_.File("t.txt"), {'h', 'i'});
  for (const char* command : {"dump", "describe", "export"}) {
    const Result unknown = RunTool({command, dir_.File("t.txt")});
    EXPECT_NE(unknown.Code, 0);
    EXPECT_EQ(unknown.Err, "Unknown data type..\n");
  }
  // A usage error of every subcommand: one line that names it, exit code 2.
  const struct {
    std::vector<std::string> Args;
    const char* Err;
  } misuse[] = {
      {{}, "aetool: a subcommand is required"},
      {{"frobnicate"}, "aetool: unknown command \"frobnicate\""},
      {{"--bogus"}, "aetool: unknown option --bogus"},
      {{"dump"}, "aetool dump: FILE is required"},
      {{"dump", "a", "b"}, "aetool dump: unexpected argument \"b\""},
      {{"describe", "--bogus", "a"}, "aetool describe: unknown option --bogus"},
      {{"export", "a", "-o"}, "aetool export: -o: 1 required OUT missing"},
      {{"export", "a", "--bogus", "x"}, "aetool export: unknown option --bogus"},
      {{"export", "a", "--format", "xml", "-o", "x"}, "aetool export: --format: xml not in {csv,hdf5}"},
      {{"export", "a", "--format", "hdf5"}, "aetool export: --format hdf5 writes a file: give -o OUT.h5"},
      {{"params", "extra"}, "aetool params: unexpected argument \"extra\""},
      {{"stat", "a", "--events", "yes"}, "aetool stat: unexpected argument \"yes\""},
      {{"filter", "--fid", "x", "a"}, "aetool filter: --fid: \"x\" is not a whole number of 1 or more"},
      {{"gen", "--hits", "12x", "-o", dir_.File("g")},
       "aetool gen: --hits: \"12x\" is not a whole number of 0 or more"},
      {{"gen", "--hits", "-5", "-o", dir_.File("g")}, "aetool gen: --hits: \"-5\" is not a whole number of 0 or more"},
      {{"gen", "--hits", "10"}, "aetool gen: -o is required"},
      {{"gen", "--format", "xyz", "-o", dir_.File("g")}, "aetool gen: --format: xyz not in {dta,s3000,pci,isa}"},
  };
  for (const auto& m : misuse) {
    const Result r = RunTool(m.Args);
    EXPECT_EQ(r.Code, 2) << m.Err;
    EXPECT_EQ(r.Err.rfind(m.Err, 0), 0u) << r.Err;
    EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
    EXPECT_EQ(r.Out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("g")));
  const Result unwritable = RunTool({"gen", "-o", dir_.File("no/such/folder/g.dta")});
  EXPECT_NE(unwritable.Code, 0);
  const Result exportUnwritable = RunTool({"export", dir_.File("t.txt"), "-o", dir_.File("no/such/x.csv")});
  EXPECT_NE(exportUnwritable.Code, 0);
}

TEST_F(Aetool, GenIsDeterministicAndLooksLikeAProofTest) {
  ASSERT_EQ(RunTool({"gen", "--format", "dta", "--hits", "3000", "--seed", "5", "-o", dir_.File("a.dta")}).Code, 0);
  ASSERT_EQ(RunTool({"gen", "--format", "dta", "--hits", "3000", "--seed", "5", "-o", dir_.File("b.dta")}).Code, 0);
  ASSERT_EQ(RunTool({"gen", "--format", "dta", "--hits", "3000", "--seed", "6", "-o", dir_.File("c.dta")}).Code, 0);
  EXPECT_EQ(test::ReadFileBytes(dir_.File("a.dta")), test::ReadFileBytes(dir_.File("b.dta")));
  EXPECT_NE(test::ReadFileBytes(dir_.File("a.dta")), test::ReadFileBytes(dir_.File("c.dta")));

  OpenedDataFile f = OpenDataFile(dir_.File("a.dta"));
  ASSERT_EQ(f.Type, ftDiSP);
  auto& reader = dynamic_cast<LDFile&>(*f.Reader);
  reader.SeekFirst();
  std::map<int, int> ids;
  std::vector<int> order;
  std::set<int> channels;
  int hits = 0, lowAmplitude = 0;
  double lastTime = -1;
  bool timeOrdered = true;
  while (reader.ReadNext()) {
    ++ids[reader.Id()];
    order.push_back(reader.Id());
    ZTShortHit rec;
    reader.GetRec(rec);
    if (rec.Kind == rkHit) {
      ++hits;
      channels.insert(rec.Channel);
      EXPECT_GE(rec.Amplitude, 40);
      EXPECT_LE(rec.Amplitude, 100);
      lowAmplitude += rec.Amplitude < 50;
      EXPECT_GT(rec.Counts, 0);
      EXPECT_GT(rec.Duration, 0u);
      EXPECT_LE(rec.Rise, rec.Duration);
    }
    if (reader.HasTime() || reader.IsTimeDriven()) {
      const double t = reader.GetTime();
      timeOrdered = timeOrdered && t >= lastTime;
      lastTime = t;
    }
    if (reader.IsTimeMarkMsg()) {
      EXPECT_EQ(reader.Length(), 7);
    }
  }
  EXPECT_TRUE(timeOrdered);
  EXPECT_EQ(hits, 3000);
  EXPECT_EQ(channels.size(), 8u);
  EXPECT_GT(lowAmplitude, hits / 2);  // a power law: most hits are small
  EXPECT_EQ(reader.DefinitionChidCount(), 5);
  EXPECT_EQ(reader.ParametricCount(), 1);
  EXPECT_EQ(order.front(), 41);
  EXPECT_EQ(order.back(), 15);
  EXPECT_EQ(order[order.size() - 2], 129);
  for (int id : {42, 22, 23, 24, 25, 26, 128, 130, 2, 211, 7}) EXPECT_GT(ids[id], 0) << "message " << id;
  EXPECT_EQ(ids[129], 1);
}

TEST_F(Aetool, TheProgramExitsNonZeroWithTheTextOnStderr) {
  const std::string command =
      std::string(AE_AETOOL_PATH) + " dump " + dir_.File("none.dta") + " 2>" + dir_.File("err.txt");
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 0);
  const auto err = test::ReadFileBytes(dir_.File("err.txt"));
  EXPECT_EQ(std::string(err.begin(), err.end()), "Data file doesn't exist\n");
}

}  // namespace
}  // namespace ae

namespace ae {
namespace {

TEST_F(Aetool, DumpShowsEveryFormat) {
  for (const char* format : {"s3000", "pci", "isa"}) {
    SCOPED_TRACE(format);
    const std::string file = dir_.File(std::string("d.") + format);
    ASSERT_EQ(RunTool({"gen", "--format", format, "--hits", "50", "--seed", "2", "-o", file}).Code, 0);
    const Result r = RunTool({"dump", file});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    ASSERT_GT(lines.size(), 50u);
    EXPECT_EQ(lines[0].rfind("Data type: ", 0), 0u);
    EXPECT_EQ(r.Out.back(), '\n');
  }
  // A-Line PCI: the header text, then one line per record.
  const Result pci = RunTool({"dump", dir_.File("d.pci")});
  EXPECT_NE(pci.Out.find("Channel's characteristic Array:"), std::string::npos);
  EXPECT_NE(pci.Out.find("Amp,dB"), std::string::npos);
  // A-Line ISA has no text of its own: one line per hit as the viewer holds it.
  const std::vector<std::string> isa = Lines(RunTool({"dump", dir_.File("d.isa")}).Out);
  EXPECT_EQ(isa[1], "   Time (sec.) Chn  Rise Count  Durat  Ener Amp   Freq");
  EXPECT_EQ(isa.size(), 2u + 50u);
}

}  // namespace
}  // namespace ae
