#include <cmath>
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

ATestSetup Loaded(const std::string& path) {
  RecordingUser user;
  ATestSetup setup;
  EXPECT_TRUE(setup.Load(path, user));
  EXPECT_TRUE(user.Messages.empty());
  return setup;
}

TEST(ALocationSetup, APlanarSectionWithCommentsLoads) {
  TempDir dir;
  const std::string path = dir.File("planar.ini");
  WriteText(path,
            "[ZMVWIN]\n"
            "[Location]\n"
            "; None (the default), Linear, Planar or Zonal\n"
            "Type=Planar\n"
            "; wave speed, m/s\n"
            "Velocity=3000\n"
            "; channel N at x,y in metres (Linear: x alone)\n"
            "Sensor1=0,0\nSensor2=10,0\nSensor3=10,10\nSensor4=0,10\n");
  const ATestSetup setup = Loaded(path);
  EXPECT_EQ(setup.Location.Type, ALocationType::Planar);
  EXPECT_EQ(setup.Location.Velocity, 3000.0);
  ASSERT_EQ(setup.Location.Sensors.size(), 4u);
  EXPECT_EQ(setup.Location.Sensors[2], (ASensor{3, 10, 10}));
  EXPECT_EQ(setup.Location.SensorOf(4)->Y, 10.0);
  EXPECT_EQ(setup.Location.SensorOf(5), nullptr);  // a channel without a line takes no part
}

TEST(ALocationSetup, KeysAndTypesInAnyCaseAndLinearPositionsOfXAlone) {
  TempDir dir;
  const std::string path = dir.File("linear.ini");
  WriteText(path, "[ZMVWIN]\n[location]\ntype=linear\nVELOCITY=5100.5\nsensor12=  7.25 \nSensor3=-1.5\nSENSOR40=2,9\n");
  const ATestSetup setup = Loaded(path);
  EXPECT_EQ(setup.Location.Type, ALocationType::Linear);
  EXPECT_EQ(setup.Location.Velocity, 5100.5);
  // In channel order, whatever the file's order; a linear location takes no y.
  ASSERT_EQ(setup.Location.Sensors.size(), 3u);
  EXPECT_EQ(setup.Location.Sensors[0], (ASensor{3, -1.5, 0}));
  EXPECT_EQ(setup.Location.Sensors[1], (ASensor{12, 7.25, 0}));
  EXPECT_EQ(setup.Location.Sensors[2], (ASensor{40, 2, 9}));
  EXPECT_EQ(setup.Location.SensorY(setup.Location.Sensors[2]), 0.0);
}

TEST(ALocationSetup, AFileWithoutTheSectionLocatesNothing) {
  TempDir dir;
  const std::string path = dir.File("none.ini");
  WriteText(path, "[ZMVWIN]\n[Event]\nMPT=100\n");
  const ATestSetup setup = Loaded(path);
  EXPECT_EQ(setup.Location, ALocationSetup());
  EXPECT_FALSE(setup.Location.Active());
  EXPECT_EQ(setup.Location.Key(), "");
}

TEST(ALocationSetup, BadValuesAreRefusedNamingTheLineAndChangeNothing) {
  struct Case {
    const char* Lines;
    const char* What;  // part of the message
    const char* Line;  // the line it names
  };
  const Case cases[] = {
      {"Type=Spherical\n", "is not a location type", "location line Type=Spherical"},
      {"Type=Zonal\nVelocity=0\nSensor1=0\n", "greater than 0", "location line Velocity=0"},
      {"Type=Zonal\nVelocity=-3000\nSensor1=0\n", "greater than 0", "location line Velocity=-3000"},
      {"Type=Zonal\nVelocity=fast\nSensor1=0\n", "greater than 0", "location line Velocity=fast"},
      {"Type=Planar\nSensor1=0,0\nSensor2=abc\nSensor3=1,1\n", "one or two numbers", "location line Sensor2=abc"},
      {"Sensor1=1,2,3\n", "one or two numbers", "location line Sensor1=1,2,3"},
      {"Sensor1=\n", "one or two numbers", "location line Sensor1="},
      {"Sensor1=1,\n", "one or two numbers", "location line Sensor1=1,"},
      {"Sensor0=1,1\n", "from 1 to 128", "location line Sensor0=1,1"},
      {"Sensor129=1,1\n", "from 1 to 128", "location line Sensor129=1,1"},
      {"SensorA=1,1\n", "from 1 to 128", "location line SensorA=1,1"},
      {"Sensor3=1,1\nsensor3=2,2\n", "Channel 3 has a sensor already", "location line sensor3=2,2"},
      {"Type=Linear\nSensor1=0\n", "Linear location needs at least 2 sensors", "location line Type=Linear"},
      {"Type=Planar\nSensor1=0,0\nSensor2=0,1\n", "Planar location needs at least 3 sensors",
       "location line Type=Planar"},
      {"Type=Zonal\n", "Zonal location needs at least 1 sensors", "location line Type=Zonal"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.File("bad.ini");
    WriteText(path, std::string("[ZMVWIN]\n[Test]\nTestLabel=Bad\n[Location]\n") + c.Lines);
    RecordingUser user;
    ATestSetup setup;
    setup.TestLabel = "Kept";
    try {
      setup.Load(path, user);
      ADD_FAILURE() << c.Lines;
    } catch (const EViewer& e) {
      const std::string text = e.what();
      EXPECT_NE(text.find(c.What), std::string::npos) << text;
      EXPECT_NE(text.find("(test setup \"" + path + "\", " + c.Line + ")"), std::string::npos) << text;
    }
    EXPECT_EQ(setup.TestLabel, "Kept");
    EXPECT_FALSE(setup.Location.Active());
  }
}

TEST(ALocationSetup, ASetupWithoutLocationWritesNoSection) {
  TempDir dir;
  const std::string path = dir.File("plain.ini");
  ATestSetup().Save(path);
  EXPECT_EQ(ReadText(path).find("[Location]"), std::string::npos);
}

TEST(ALocationSetup, SavedAndLoadedAgainGivesTheSameSetup) {
  TempDir dir;
  const std::string path = dir.File("trip.ini");
  for (ALocationType type : {ALocationType::Linear, ALocationType::Planar, ALocationType::Zonal}) {
    ATestSetup setup;
    setup.Location.Type = type;
    setup.Location.Velocity = 3123.25;
    setup.Location.Sensors = {{2, 0.125, type == ALocationType::Linear ? 0.0 : 4.5}, {7, 12.5, 0}, {128, -3, 1e-3}};
    setup.Save(path);
    EXPECT_EQ(Loaded(path).Location, setup.Location);
  }
}

TEST(ALocationSetup, SavingUpdatesTheSectionInPlace) {
  TempDir dir;
  const std::string path = dir.File("shared.ini");
  WriteText(path,
            "[ZMVWIN]\n"
            "[Location]\n"
            "; by hand\n"
            "type=Planar\n"
            "Velocity=3000\n"
            "; the first sensor\n"
            "sensor1=0,0\n"
            "Sensor2=10,0\n"
            "Sensor3=10,10\n"
            "Operator=Ivanov\n");
  ATestSetup setup = Loaded(path);
  setup.Location.Velocity = 2950;
  setup.Location.Sensors = {{1, 0.5, 0}, {3, 10, 10}, {5, 5, 12}};  // 2 goes, 1 moves, 5 comes
  setup.Save(path);
  const std::string text = ReadText(path);
  // The comments stay with their lines (the INI library writes an empty line before a comment).
  EXPECT_NE(text.find("; by hand\nType=Planar\nVelocity=2950\n\n; the first sensor\nsensor1=0.5,0\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Sensor2"), std::string::npos) << text;
  EXPECT_NE(text.find("Sensor3=10,10\nOperator=Ivanov\nSensor5=5,12\n"), std::string::npos) << text;
  EXPECT_EQ(Loaded(path).Location, setup.Location);

  // No location any more: the section stays, saying so.
  setup.Location = ALocationSetup();
  setup.Save(path);
  const std::string none = ReadText(path);
  EXPECT_NE(none.find("Type=None\n"), std::string::npos) << none;
  EXPECT_EQ(none.find("Sensor"), std::string::npos) << none;
  EXPECT_NE(none.find("Operator=Ivanov"), std::string::npos);
  EXPECT_FALSE(Loaded(path).Location.Active());
}

TEST(ALocationSetup, ProblemsOfASetupMadeInTheWindow) {
  struct Case {
    const char* Name;
    ALocationSetup Setup;
    const char* Problem;  // part of it; empty when none
  };
  auto with = [](ALocationType type, double velocity, std::vector<ASensor> sensors) {
    ALocationSetup s;
    s.Type = type;
    s.Velocity = velocity;
    s.Sensors = std::move(sensors);
    return s;
  };
  const Case cases[] = {
      {"default", ALocationSetup(), ""},
      {"sensors kept without a type", with(ALocationType::None, 3000, {{1, 0, 0}}), ""},
      {"zero speed", with(ALocationType::Zonal, 0, {{1, 0, 0}}), "greater than 0"},
      {"channel 129", with(ALocationType::Zonal, 3000, {{129, 0, 0}}), "from 1 to 128"},
      {"channel twice", with(ALocationType::Zonal, 3000, {{4, 0, 0}, {4, 1, 1}}), "Channel 4 has a sensor already"},
      {"position not a number", with(ALocationType::Zonal, 3000, {{4, NAN, 0}}), "channel 4 must be a number"},
      {"one linear sensor", with(ALocationType::Linear, 3000, {{1, 0, 0}}), "at least 2 sensors"},
      {"two planar sensors", with(ALocationType::Planar, 3000, {{1, 0, 0}, {2, 1, 0}}), "at least 3 sensors"},
      {"three planar sensors", with(ALocationType::Planar, 3000, {{1, 0, 0}, {2, 1, 0}, {3, 0, 1}}), ""},
  };
  for (const Case& c : cases) {
    const std::string problem = c.Setup.Problem();
    if (std::string(c.Problem).empty()) EXPECT_EQ(problem, "") << c.Name;
    else EXPECT_NE(problem.find(c.Problem), std::string::npos) << c.Name << ": " << problem;
  }
  // The test setup refuses what the location refuses.
  ATestSetup setup;
  setup.Location = cases[2].Setup;
  EXPECT_NE(setup.RangeProblem().find("location"), std::string::npos);
}

TEST(ALocationSetup, TheKeyChangesWithEverythingThatDecidesALocation) {
  ALocationSetup base;
  base.Type = ALocationType::Planar;
  base.Sensors = {{1, 0, 0}, {2, 10, 0}, {3, 0, 10}};
  const std::string key = base.Key();
  ALocationSetup other = base;
  other.Velocity = 3000.0000001;
  EXPECT_NE(other.Key(), key);
  other = base;
  other.Sensors[2].Y = 10.000001;
  EXPECT_NE(other.Key(), key);
  other = base;
  other.Sensors[2].Channel = 4;
  EXPECT_NE(other.Key(), key);
  other = base;
  other.Type = ALocationType::Zonal;
  EXPECT_NE(other.Key(), key);
  EXPECT_EQ(ALocationSetup(base).Key(), key);
}

}  // namespace
}  // namespace ae
