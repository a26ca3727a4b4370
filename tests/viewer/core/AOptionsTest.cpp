#include <QDateTime>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/EViewer.h"

namespace ae {
namespace {

using test::TempDir;

// The stored options of one test, in a file of the test's own folder.
class StoredOptions {
 public:
  StoredOptions() : settings_(QString::fromStdString(dir_.File("Zemtal.ini")), QSettings::IniFormat) {}
  QSettings& Settings() { return settings_; }
  std::string Value(const char* name) {
    return settings_.value(QStringLiteral("Varnel/") + QString::fromLatin1(name)).toString().toStdString();
  }
  bool Has(const char* name) { return settings_.contains(QStringLiteral("Varnel/") + QString::fromLatin1(name)); }
  void Set(const char* name, const char* value) {
    settings_.setValue(QStringLiteral("Varnel/") + QString::fromLatin1(name), QString::fromLatin1(value));
  }

 private:
  TempDir dir_;
  QSettings settings_;
};

void ExpectDefaults(const AOptions& o) {
  EXPECT_EQ(o.VertGraphNum, 4);
  EXPECT_EQ(o.HorizGraphNum, 5);
  EXPECT_FALSE(o.EventsView);
  EXPECT_FALSE(o.SecondAsShadow);
  EXPECT_TRUE(o.ShowTimeMark);
  EXPECT_FALSE(o.ShowDeleted);
  EXPECT_FALSE(o.WriteReport);
  EXPECT_TRUE(o.ShowParamData);
  EXPECT_FALSE(o.ShowGrid);
  EXPECT_TRUE(o.SaveConfig);
  EXPECT_EQ(o.StartUpGraph, 2);
  EXPECT_EQ(o.LastUsedGraphNo, 1);
  EXPECT_EQ(o.ColorScheme, 3);
  EXPECT_EQ(o.ProgramLanguage, 0);
  EXPECT_EQ(o.PointSize, 2);
  EXPECT_EQ(o.ViewType, 1);
  EXPECT_TRUE(o.ToolBarVisible);
  EXPECT_EQ(o.ToolBarAlign, 1);
  EXPECT_EQ(o.PrnWidth, 100);
  EXPECT_EQ(o.PrnHeight, 50);
  EXPECT_EQ(o.PrnDPI, 200);
  EXPECT_TRUE(o.ChanPanVisible);
  EXPECT_TRUE(o.CheckedChan.all());
  EXPECT_TRUE(o.FrameMode);
  EXPECT_TRUE(o.TimeAxisFromFile);
  EXPECT_FALSE(o.TimeRangeFilter);
  EXPECT_TRUE(o.TimeRangeHistory.empty());
}

TEST(AOptions, AFirstStartGivesEveryDefaultWithAllChannelsChecked) {
  StoredOptions stored;
  AOptions options;
  ExpectDefaults(options);
  options.Load(stored.Settings());
  ExpectDefaults(options);
  EXPECT_EQ(options.HalfPointSize(), 2);
}

TEST(AOptions, SavedOptionsAreStringsUnderVarnelAndReadBack) {
  StoredOptions stored;
  AOptions o;
  o.VertGraphNum = 3;
  o.HorizGraphNum = 7;
  o.EventsView = true;
  o.SecondAsShadow = true;
  o.ShowTimeMark = false;
  o.ShowDeleted = true;
  o.WriteReport = true;
  o.ShowParamData = false;
  o.ShowGrid = true;
  o.StartUpGraph = 1;
  o.LastUsedGraphNo = 42;
  o.ColorScheme = 0;
  o.ProgramLanguage = 1;
  o.SetPointSize(5);
  o.ViewType = 2;
  o.ToolBarVisible = false;
  o.ToolBarAlign = 4;
  o.PrnWidth = 120;
  o.PrnHeight = 80;
  o.PrnDPI = 300;
  o.ChanPanVisible = false;
  o.CheckedChan.reset();
  o.CheckedChan.set(0).set(2).set(127);
  o.Save(stored.Settings());

  EXPECT_EQ(stored.Value("VertGraphNum"), "3");
  EXPECT_EQ(stored.Value("EventsView"), "1");
  EXPECT_EQ(stored.Value("ShowTimeMark"), "0");
  EXPECT_EQ(stored.Value("LastUsedGraphNo"), "42");
  EXPECT_EQ(stored.Value("SaveConfig"), "1");
  EXPECT_EQ(stored.Value("CheckedChan"), "1" + std::string(123, '0') + "0101");

  AOptions loaded;
  loaded.Load(stored.Settings());
  EXPECT_EQ(loaded.VertGraphNum, 3);
  EXPECT_EQ(loaded.HorizGraphNum, 7);
  EXPECT_TRUE(loaded.EventsView);
  EXPECT_TRUE(loaded.SecondAsShadow);
  EXPECT_FALSE(loaded.ShowTimeMark);
  EXPECT_TRUE(loaded.ShowDeleted);
  EXPECT_TRUE(loaded.WriteReport);
  EXPECT_FALSE(loaded.ShowParamData);
  EXPECT_TRUE(loaded.ShowGrid);
  EXPECT_EQ(loaded.StartUpGraph, 1);
  EXPECT_EQ(loaded.LastUsedGraphNo, 42);
  EXPECT_EQ(loaded.ColorScheme, 0);
  EXPECT_EQ(loaded.ProgramLanguage, 1);
  EXPECT_EQ(loaded.PointSize, 5);
  EXPECT_EQ(loaded.HalfPointSize(), 2);
  EXPECT_EQ(loaded.ViewType, 2);
  EXPECT_FALSE(loaded.ToolBarVisible);
  EXPECT_EQ(loaded.ToolBarAlign, 4);
  EXPECT_EQ(loaded.PrnWidth, 120);
  EXPECT_EQ(loaded.PrnHeight, 80);
  EXPECT_EQ(loaded.PrnDPI, 300);
  EXPECT_FALSE(loaded.ChanPanVisible);
  EXPECT_EQ(loaded.CheckedChan, o.CheckedChan);
}

TEST(AOptions, WithSaveConfigOffOnlySaveConfigIsWritten) {
  StoredOptions stored;
  AOptions first;
  first.Save(stored.Settings());
  ASSERT_EQ(stored.Value("PointSize"), "2");

  AOptions second;
  second.SaveConfig = false;
  second.SetPointSize(7);
  second.ShowGrid = true;
  second.Save(stored.Settings());
  EXPECT_EQ(stored.Value("PointSize"), "2");
  EXPECT_EQ(stored.Value("ShowGrid"), "0");
  EXPECT_EQ(stored.Value("SaveConfig"), "0");
}

TEST(AOptions, LastUsedGraphNoIsReadAndWrittenOnlyWithStartUpGraph1) {
  for (int startUp : {0, 2}) {
    StoredOptions stored;
    AOptions o;
    o.StartUpGraph = startUp;
    o.LastUsedGraphNo = 9;
    o.Save(stored.Settings());
    EXPECT_FALSE(stored.Has("LastUsedGraphNo"));
    stored.Set("LastUsedGraphNo", "9");
    AOptions loaded;
    loaded.Load(stored.Settings());
    EXPECT_EQ(loaded.LastUsedGraphNo, 1) << startUp;
  }
}

TEST(AOptions, StoredTextsOutsideTheirRangeOrNotNumbersGiveTheDefaults) {
  StoredOptions stored;
  const struct {
    const char* Name;
    const char* Text;
  } values[] = {
      {"ColorScheme", "7"},   {"VertGraphNum", "0"},   {"HorizGraphNum", "8"}, {"PointSize", "-3"},
      {"ViewType", "3"},      {"ToolBarAlign", "0"},   {"StartUpGraph", "9"},  {"ProgramLanguage", "2"},
      {"PrnWidth", "100000"}, {"PrnHeight", "abc"},    {"PrnDPI", "5"},        {"ShowTimeMark", "yes"},
      {"ShowParamData", ""},  {"ShowDeleted", "0x10"},
  };
  for (const auto& v : values) stored.Set(v.Name, v.Text);
  AOptions o;
  o.Load(stored.Settings());
  EXPECT_EQ(o.ColorScheme, 3);
  EXPECT_EQ(o.VertGraphNum, 4);
  EXPECT_EQ(o.HorizGraphNum, 5);
  EXPECT_EQ(o.PointSize, 2);
  EXPECT_EQ(o.ViewType, 1);
  EXPECT_EQ(o.ToolBarAlign, 1);
  EXPECT_EQ(o.StartUpGraph, 2);
  EXPECT_EQ(o.ProgramLanguage, 0);
  EXPECT_EQ(o.PrnWidth, 100);
  EXPECT_EQ(o.PrnHeight, 50);
  EXPECT_EQ(o.PrnDPI, 200);
  EXPECT_TRUE(o.ShowTimeMark);
  EXPECT_TRUE(o.ShowParamData);
  EXPECT_TRUE(o.ShowDeleted);  // 16 is a non-zero integer
}

TEST(AOptions, CheckedChanReadsChannel128FirstAndTreatsMissingPositionsAsChecked) {
  struct Case {
    std::string Text;
    std::string List;
  };
  const Case cases[] = {
      {"1" + std::string(126, '0') + "1", "1,128"},
      {std::string(128, '0'), ""},
      {std::string(128, '1'), "1-128"},
      {std::string(127, 'x') + "0", "2-128"},  // any character but "0" checks
      {std::string(10, '0'), "1-118"},         // positions 10..127 are missing
      {"", "1-128"},
      {std::string(128, '0') + "000", ""},  // characters beyond 128 are ignored
  };
  for (const Case& c : cases) {
    StoredOptions stored;
    stored.Set("CheckedChan", c.Text.c_str());
    AOptions o;
    o.Load(stored.Settings());
    EXPECT_EQ(o.BuildChanListText(), c.List) << c.Text;
    EXPECT_EQ(o.ChanListText, c.List);
  }
}

TEST(AOptions, ChannelListTextIsRunsOfCheckedChannels) {
  AChannelSet channels;
  for (int c : {1, 2, 3, 5, 7, 8}) channels.set(static_cast<std::size_t>(c - 1));
  EXPECT_EQ(ChannelListText(channels), "1-3,5,7-8");
  EXPECT_EQ(ChannelListText(AChannelSet().set()), "1-128");
  EXPECT_EQ(ChannelListText(AChannelSet()), "");
  EXPECT_EQ(ChannelListText(AChannelSet().set(127)), "128");
  EXPECT_EQ(ChannelListText(AChannelSet().set(126).set(127)), "127-128");

  EXPECT_EQ(ParseChannelList("1-3,5,7-8"), channels);
  EXPECT_EQ(ParseChannelList(" 7-8 , 5,1-3"), channels);
  EXPECT_EQ(ParseChannelList("1-128"), AChannelSet().set());
  EXPECT_EQ(ParseChannelList("all"), AChannelSet().set());
  for (const char* bad : {"", "0", "129", "3-1", "1-", "-2", "1,,2", "a", "1-2-3", "1.5"})
    EXPECT_FALSE(ParseChannelList(bad).has_value()) << bad;
}

TEST(AOptions, PointRuleFollowsThePointSize) {
  AOptions o;
  struct Case {
    int Size;
    APointRule::Area Area;  // of the point at (10, 20)
    int Half;
  };
  const Case cases[] = {
      {1, {10, 20, 1, 1}, 1},   {2, {10, 19, 2, 2}, 2},  // x..x+1, y-1..y
      {3, {9, 19, 3, 3}, 1},                             // the corner one pixel left of and above the point
      {4, {8, 18, 4, 4}, 2},                             // two pixels away
      {10, {5, 15, 10, 10}, 5},
  };
  for (const Case& c : cases) {
    o.SetPointSize(c.Size);
    EXPECT_EQ(o.PointSize, c.Size);
    EXPECT_EQ(o.PointRule().AreaAt(10, 20), c.Area) << c.Size;
    EXPECT_EQ(o.HalfPointSize(), c.Half) << c.Size;
    EXPECT_EQ(o.PointRule().SinglePixel(), c.Size == 1);
  }
  o.SetPointSize(0);
  EXPECT_EQ(o.PointSize, 1);
  o.SetPointSize(50);
  EXPECT_EQ(o.PointSize, 10);
}

TEST(AOptions, SelectionDescription) {
  AOptions o;
  o.CheckedChan.reset();
  for (int c = 1; c <= 4; ++c) o.CheckedChan.set(static_cast<std::size_t>(c - 1));
  EXPECT_EQ(
      o.SelectionDescription("Amplitude", 40, 80, "Energy", 10, 500, "01.02.2024 10:11:12"),
      "01.02.2024 10:11:12\tNew selection:\tAmplitude(40.00-80.00) - Energy(10.00-500.00); Events: No; Chans: 1-4");
  EXPECT_EQ(o.ChanListText, "1-4");

  o.EventsView = true;
  o.TimeRangeFilter = true;
  o.FilterStart = 100;
  o.FilterEnd = 250;
  EXPECT_EQ(o.SelectionDescription("Time", 0.126, 12345678901.0, "Counts", -1.005, 2.5, "D T"),
            "D T\tNew selection:\tTime(0.13-1.234567890E+10) - Counts(-1.00-2.50); Events: Yes; Chans: 1-4; "
            "Time range filter: 100.00 - 250.00");

  // The line without a given time starts with the current date and time.
  const std::string line = o.SelectionDescription("A", 1, 2, "B", 3, 4);
  EXPECT_NE(line.find("\tNew selection:\tA(1.00-2.00) - B(3.00-4.00); "), std::string::npos);
  EXPECT_NE(line.find(std::to_string(QDate::currentDate().year() % 100)), std::string::npos);
}

TEST(AOptions, TheUsersOwnSettingsAreTheZemtalFileOfBrantel) {
  TempDir dir;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(dir.Path().string()));
  const auto settings = AOptions::OpenUserSettings();
  EXPECT_EQ(settings->format(), QSettings::IniFormat);
  EXPECT_EQ(settings->fileName().toStdString(), dir.File("Brantel/Zemtal.ini"));

  AOptions o;
  o.SetPointSize(6);
  o.Save();
  EXPECT_TRUE(std::filesystem::exists(dir.File("Brantel/Zemtal.ini")));
  AOptions loaded;
  loaded.Load();
  EXPECT_EQ(loaded.PointSize, 6);
}

TEST(AOptions, AnOptionsFileThatCannotBeWrittenIsAnError) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("Zemtal.ini"));  // a folder where the file should be
  QSettings settings(QString::fromStdString(dir.File("Zemtal.ini")), QSettings::IniFormat);
  EXPECT_THROW(AOptions().Save(settings), EViewer);
}

TEST(AOptions, TheGlobalOptionsCanBeReset) {
  GlobalOptions().SetPointSize(9);
  GlobalOptions().CheckedChan.reset();
  GlobalOptions() = AOptions();
  ExpectDefaults(GlobalOptions());
}

}  // namespace
}  // namespace ae
