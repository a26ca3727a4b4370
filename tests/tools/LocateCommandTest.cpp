// "aetool locate" on tests "aetool gen --locate" makes of every location type and data format:
// every event is located within a centimetre of the source it was generated from (linear,
// planar) or at the sensor nearest to it (zonal); and what locate and gen refuse.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/AetoolRunner.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/LocateCommand.h"
#include "tools/aetool/SyntheticTest.h"
#include "tools/aetool/ViewerRun.h"
#include "viewer/core/ATestSetup.h"

namespace ae {
namespace {

using test::RunTool;

struct Row {
  std::size_t Index;
  double Time;
  int Channel;
  double X;
  double Y;
  int Sensors;
};

std::vector<Row> Rows(const std::string& csv) {
  std::istringstream in(csv);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, LocateHeader);
  std::vector<Row> rows;
  while (std::getline(in, line)) {
    Row r{};
    char comma;
    std::istringstream fields(line);
    fields >> r.Index >> comma >> r.Time >> comma >> r.Channel >> comma >> r.X >> comma >> r.Y >> comma >> r.Sensors;
    EXPECT_TRUE(fields && fields.peek() == EOF) << line;
    rows.push_back(r);
  }
  return rows;
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

struct Layout {
  const char* Name;
  const char* Section;  // the test setup's [Location] and [Event] lines
  ALocationType Type;
};

const Layout Layouts[] = {
    {"planar square",
     "[Location]\nType=Planar\nVelocity=3000\nSensor1=0,0\nSensor2=10,0\nSensor3=10,10\nSensor4=0,10\n",
     ALocationType::Planar},
    {"planar ring of eight",
     "[Event]\nMPT=2000\nLockout=3000\n[Location]\nType=Planar\nVelocity=5100\nSensor1=7,4\nSensor2=6.1213,6.1213\n"
     "Sensor3=4,7\nSensor4=1.8787,6.1213\nSensor5=1,4\nSensor6=1.8787,1.8787\nSensor7=4,1\nSensor8=6.1213,1.8787\n",
     ALocationType::Planar},
    {"planar triangle", "[Location]\nType=Planar\nVelocity=2900\nSensor2=0,0\nSensor4=6,0\nSensor6=3,5\n",
     ALocationType::Planar},
    {"linear pipe", "[Location]\nType=Linear\nVelocity=5000\nSensor1=0\nSensor2=12.5\nSensor3=30\nSensor5=41\n",
     ALocationType::Linear},
    {"zonal", "[Location]\nType=Zonal\nVelocity=3000\nSensor1=0,0\nSensor2=10,0\nSensor3=10,10\nSensor4=0,10\n",
     ALocationType::Zonal},
};

class LocatedTest : public ::testing::TestWithParam<std::tuple<const char*, Layout>> {
 protected:
  test::TempDir dir_;
};

TEST_P(LocatedTest, EveryEventIsLocatedAtItsSource) {
  const auto& [format, layout] = GetParam();
  const std::string setup = dir_.File("setup.ini");
  WriteText(setup, std::string("[ZMVWIN]\n") + layout.Section);
  const std::string file = dir_.File("located.dat");
  ASSERT_EQ(RunTool({"gen", "--format", format, "--locate", setup, "--hits", "500", "--seed", "11", "-o", file}).Code,
            0);

  // The sources, as the generator placed them, and the sensors.
  ATestSetup loaded;
  StreamUser user(std::cerr);
  ASSERT_TRUE(loaded.Load(setup, user));
  const ALocationSetup& location = loaded.Location;
  GenOptions options{500, 11};
  options.Locate = GenLocation{location, loaded.MPT, loaded.Lockout};
  std::vector<SyntheticEvent> firsts;
  SyntheticTest test(options);
  SyntheticEvent e;
  while (test.Next(e))
    if (e.Kind == SyntheticEventKind::Hit && e.FirstOfEvent) firsts.push_back(e);
  ASSERT_EQ(firsts.size(), 500u);

  const test::ToolResult r = RunTool({"locate", file, "--setup", setup});
  ASSERT_EQ(r.Code, 0) << r.Err;
  const std::vector<Row> rows = Rows(r.Out);
  ASSERT_EQ(rows.size(), firsts.size());
  double worst = 0.0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const SyntheticEvent& source = firsts[i];
    EXPECT_EQ(row.Channel, source.Hit.Channel) << i;
    EXPECT_NEAR(row.Time, source.Time, 1e-5) << i;
    if (layout.Type == ALocationType::Zonal) {
      const ASensor* sensor = location.SensorOf(source.Hit.Channel);
      ASSERT_NE(sensor, nullptr);
      EXPECT_EQ(row.X, sensor->X) << i;
      EXPECT_EQ(row.Y, sensor->Y) << i;
      EXPECT_EQ(row.Sensors, 1);
      continue;
    }
    worst = std::max(worst, std::hypot(row.X - source.SourceX, row.Y - source.SourceY));
    EXPECT_EQ(row.Sensors, layout.Type == ALocationType::Linear ? 2 : static_cast<int>(location.Sensors.size()));
  }
  EXPECT_LT(worst, 0.01) << "metres off at worst";
}

INSTANTIATE_TEST_SUITE_P(FormatsAndLayouts, LocatedTest,
                         ::testing::Combine(::testing::Values("dta", "s3000", "pci", "isa"),
                                            ::testing::ValuesIn(Layouts)),
                         [](const auto& info) {
                           std::string name = std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).Name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

class AetoolLocate : public ::testing::Test {
 protected:
  test::TempDir dir_;
};

TEST_F(AetoolLocate, TheIndexIsTheExportIndexOfTheEventsFirstHit) {
  const std::string setup = dir_.File("setup.ini");
  WriteText(setup, std::string("[ZMVWIN]\n") + Layouts[0].Section);
  // Also with a waveform before every hit, records the data set keeps no entry for.
  for (const bool waveforms : {false, true}) {
    SCOPED_TRACE(waveforms ? "with waveforms" : "without waveforms");
    const std::string file = dir_.File("a.dta");
    std::vector<std::string> gen = {"gen", "--locate", setup, "--hits", "50", "-o", file};
    if (waveforms) gen.push_back("--waveforms");
    ASSERT_EQ(RunTool(gen).Code, 0);
    const std::vector<Row> rows = Rows(RunTool({"locate", file, "--setup", setup}).Out);
    const test::ToolResult exported = RunTool({"export", file});
    std::vector<std::string> lines;
    std::istringstream in(exported.Out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(rows.size(), 50u);
    for (const Row& row : rows) {
      ASSERT_LT(row.Index + 1, lines.size());
      const std::string& line = lines[row.Index + 1];  // after the header
      char prefix[64];
      std::snprintf(prefix, sizeof prefix, "%zu,0,%.7f,%d,", row.Index, row.Time, row.Channel);
      EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
    }
  }
}

TEST_F(AetoolLocate, RefusesASetupWithoutLocationAndStopsAtHitsOutOfTimeOrder) {
  const std::string file = dir_.File("unsorted.dta");
  test::DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  // Zonal location of two events, then a hit earlier than the second.
  b.StandardHit(4000000, 1, 5, 10, 1, 100, 60, 0);
  b.StandardHit(8000000, 2, 5, 10, 1, 100, 60, 0);
  b.StandardHit(6000000, 2, 5, 10, 1, 100, 60, 0);
  b.StandardHit(12000000, 1, 5, 10, 1, 100, 60, 0);
  b.Save(file);

  const std::string none = dir_.File("none.ini");
  WriteText(none, "[ZMVWIN]\n");
  test::ToolResult r = RunTool({"locate", file, "--setup", none});
  EXPECT_EQ(r.Code, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_NE(r.Err.find("has no location (its Type is None)"), std::string::npos) << r.Err;

  const std::string zonal = dir_.File("zonal.ini");
  WriteText(zonal, "[ZMVWIN]\n[Location]\nType=Zonal\nSensor1=1,2\nSensor2=3,4\n");
  r = RunTool({"locate", file, "--setup", zonal});
  EXPECT_EQ(r.Code, 1);
  EXPECT_EQ(r.Out, std::string(LocateHeader) + "\n2,1.0000000,1,1.0000,2.0000,1\n3,2.0000000,2,3.0000,4.0000,1\n");
  EXPECT_EQ(r.Err,
            "aetool locate: the hits are not in time order at 1.5000000 s; the events from there on are not "
            "located\n");

  const std::string bad = dir_.File("bad.ini");
  WriteText(bad, "[ZMVWIN]\n[Location]\nType=Planar\nSensor1=0,0\n");
  r = RunTool({"locate", file, "--setup", bad});
  EXPECT_EQ(r.Code, 1);
  EXPECT_NE(r.Err.find("location line Type=Planar"), std::string::npos) << r.Err;
  EXPECT_NE(RunTool({"locate", file}).Code, 0);  // the setup is required
}

TEST_F(AetoolLocate, GenRefusesALayoutItCannotMake) {
  struct Case {
    const char* Section;
    const char* Error;
  };
  const Case cases[] = {
      {"", "has no location (its Type is None)"},
      {"[Location]\nType=Zonal\nSensor9=0,0\n", "the sensor of channel 9 is beyond them"},
  };
  for (const Case& c : cases) {
    const std::string setup = dir_.File("gen.ini");
    WriteText(setup, std::string("[ZMVWIN]\n") + c.Section);
    const std::string out = dir_.File("never.dta");
    const test::ToolResult r = RunTool({"gen", "--locate", setup, "-o", out});
    EXPECT_EQ(r.Code, 1) << c.Section;
    EXPECT_NE(r.Err.find(c.Error), std::string::npos) << r.Err;
    EXPECT_FALSE(std::ifstream(out).good());
  }
}

}  // namespace
}  // namespace ae

namespace ae {
namespace {

std::uint64_t Fnv1a(const std::vector<unsigned char>& bytes) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (unsigned char b : bytes) h = (h ^ b) * 0x100000001b3ull;
  return h;
}

TEST(AetoolGen, WithoutALayoutTheFilesAreThoseOfBefore) {
  // The digests of the files the generator wrote before located tests existed: the demo, the
  // tests and the benchmarks keep their data.
  struct Case {
    const char* Format;
    std::size_t Size;
    std::uint64_t Digest;
  };
  const Case cases[] = {{"dta", 69740, 0xcf724f7fe327450full},
                        {"s3000", 121536, 0x8a99cd3b974fae3dull},
                        {"pci", 114075, 0xf21d67642674f1bdull},
                        {"isa", 143284, 0xc47db7997a749c65ull}};
  test::TempDir dir;
  for (const Case& c : cases) {
    const std::string file = dir.File(std::string("g.") + c.Format);
    ASSERT_EQ(RunTool({"gen", "--format", c.Format, "--hits", "2000", "--seed", "7", "-o", file}).Code, 0);
    const std::vector<unsigned char> bytes = test::ReadFileBytes(file);
    EXPECT_EQ(bytes.size(), c.Size) << c.Format;
    EXPECT_EQ(Fnv1a(bytes), c.Digest) << c.Format;
  }
}

TEST(AetoolGen, ALocatedTestKeepsItsEventsApartAndInTimeOrder) {
  // A crowded test: 100000 events of a 10 m layout with the default windows (25 ms apart at the
  // least) cannot fit into half an hour: they go on beyond its end, after the last sample.
  ALocationSetup location;
  location.Type = ALocationType::Planar;
  location.Sensors = {{1, 0, 0}, {2, 10, 0}, {3, 10, 10}, {4, 0, 10}};
  GenOptions options{100000, 3};
  options.Locate = GenLocation{location, 5000, 20000};
  SyntheticTest test(options);
  SyntheticEvent e;
  double last = -1, lastStart = -1, end = 0;
  std::size_t events = 0, hits = 0;
  while (test.Next(e)) {
    if (e.Kind == SyntheticEventKind::Stop) end = e.Time;
    if (e.Kind != SyntheticEventKind::Hit) continue;
    ++hits;
    EXPECT_GE(e.Time, last);
    last = e.Time;
    EXPECT_GE(e.Hit.Channel, 1);
    EXPECT_LE(e.Hit.Channel, 4);
    EXPECT_GE(e.Hit.AmplitudeDb, 40.0);
    if (!e.FirstOfEvent) continue;
    ++events;
    EXPECT_GT(e.Time - lastStart, 0.020) << events;  // beyond the lockout of the event before
    lastStart = e.Time;
    EXPECT_TRUE(0 <= e.SourceX && e.SourceX <= 10 && 0 <= e.SourceY && e.SourceY <= 10);
  }
  EXPECT_EQ(events, 100000u);
  EXPECT_EQ(hits, 400000u);
  EXPECT_GT(last, 2500.0);
  EXPECT_EQ(end, last);
}

}  // namespace
}  // namespace ae
