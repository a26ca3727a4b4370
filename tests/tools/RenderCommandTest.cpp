#include <QImage>
#include <QSettings>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "store/ZTDataStore.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/StoreTestSupport.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/RenderCommand.h"
#include "viewer/core/GraphColors.h"

namespace ae {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

class AetoolRender : public ::testing::Test {
 protected:
  AetoolRender() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(dir_.File("config")));
    GenerateDataFile("dta", {500, 3}, file_);
  }
  std::vector<std::string> Files(const std::string& folder) const {
    std::vector<std::string> names;
    if (!fs::exists(folder)) return names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempDir dir_;
  test::ScopedEnv db_{"ZTDATA_DB", dir_.File("ZTData.sqlite").c_str()};
  std::string file_ = dir_.File("PROOF.DTA");
  std::string out_ = dir_.File("pages/new");
};

TEST_F(AetoolRender, WritesOnePngPerPageOfTheGraphSetAndPrintsTheirPaths) {
  const test::ToolResult r = RunTool({"render", file_, "--graph-set", "Proof test", "-o", out_, "--size", "800x500"});
  ASSERT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(r.Out, out_ + "/01-Activity.png\n" + out_ + "/02-Correlations.png\n" + out_ + "/03-Distributions.png\n");
  EXPECT_EQ(Files(out_), (std::vector<std::string>{"01-Activity.png", "02-Correlations.png", "03-Distributions.png"}));
  const QImage page(QString::fromStdString(out_ + "/02-Correlations.png"));
  EXPECT_EQ(page.size(), QSize(800, 500));
  // The viewer's default scheme, and the one chosen for this run only.
  EXPECT_EQ(page.pixel(400, 5) & 0xFFFFFFu, RoleColor(TColorRole::Background, 3));
  ASSERT_EQ(RunTool({"render", file_, "--gsid", "1", "-o", out_, "--scheme", "2"}).Code, 0);
  const QImage white(QString::fromStdString(out_ + "/02-Correlations.png"));
  EXPECT_EQ(white.size(), QSize(1600, 1000));
  EXPECT_EQ(white.pixel(400, 5) & 0xFFFFFFu, RoleColor(TColorRole::Background, 2));
}

TEST_F(AetoolRender, ErrorsLeaveNoPageFileBehind) {
  {
    ZTDataStore store;
    test::RawDb raw(store.Path());
    test::AddClashingGraphSets(raw);
  }
  const std::string notData = dir_.File("notes.txt");
  test::WriteFileBytes(notData, {'h', 'e', 'l', 'l', 'o'});
  const std::string blocked = dir_.File("blocked");
  test::WriteFileBytes(blocked, {'x'});
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"--graph-set", "Proof test"}, "Several graph sets are named \"Proof test\" (GSystemID 1, 7)"},
      {{"--graph-set", "Nothing"}, "No graph set is named \"Nothing\""},
      {{"--gsid", "99"}, "No graph set has the GSystemID 99"},
      {{"--gsid", "8"}, "No Pages"},
      {{"--gsid", "1", "--size", "199x150"}, "outside 200x150 .. 20000x20000"},
      {{"--gsid", "1", "--size", "800x20001"}, "outside 200x150 .. 20000x20000"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"render", file_, "-o", out_};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const test::ToolResult r = RunTool(args);
    EXPECT_EQ(r.Code, 1) << c.message;
    EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    EXPECT_TRUE(Files(out_).empty()) << c.message;
  }
  const test::ToolResult unknown = RunTool({"render", notData, "--gsid", "1", "-o", out_});
  EXPECT_EQ(unknown.Code, 1);
  EXPECT_NE(unknown.Err.find("Unknown data type.."), std::string::npos) << unknown.Err;
  const test::ToolResult unwritable = RunTool({"render", file_, "--gsid", "1", "-o", blocked + "/pages"});
  EXPECT_EQ(unwritable.Code, 1);
  EXPECT_NE(unwritable.Err.find("Cannot create the folder"), std::string::npos) << unwritable.Err;
  EXPECT_TRUE(Files(out_).empty());
}

// The help names each scheme by the background it paints.
TEST_F(AetoolRender, SchemeHelpNamesEachSchemeByItsBackground) {
  const test::ToolResult help = RunTool({"render", "--help"});
  ASSERT_EQ(help.Code, 0);
  std::string text;  // the --scheme entry, its wrapped lines joined
  const std::size_t from = help.Out.find("--scheme"), to = help.Out.find("--setup");
  ASSERT_NE(from, std::string::npos);
  bool blank = false;
  for (const char c : help.Out.substr(from, to - from)) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      blank = true;
      continue;
    }
    if (blank) text += ' ';
    blank = false;
    text += c;
  }
  const std::map<TRgb, std::string> names = {
      {0x999999, "grey"}, {0x000066, "navy"}, {0xFFFFFF, "white"}, {0x000000, "black"}};
  std::string expected;
  for (int scheme = 0; scheme < ColorSchemeCount; ++scheme) {
    const auto name = names.find(RoleColor(TColorRole::Background, scheme));
    ASSERT_NE(name, names.end()) << scheme;
    expected += (scheme == 0 ? "" : ", ") + std::to_string(scheme) + " " + name->second;
  }
  EXPECT_NE(text.find(expected), std::string::npos) << text;
}

TEST_F(AetoolRender, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"render", file_, "--gsid", "1"},
           {"render", file_, "-o", out_},
           {"render", file_, "--gsid", "1", "--graph-set", "Proof test", "-o", out_},
           {"render", file_, "--gsid", "one", "-o", out_},
           {"render", file_, "--gsid", "1", "-o", out_, "--scheme", "5"},
           {"render", file_, "--gsid", "1", "-o", out_, "--size", "wide"},
           {"render", "--gsid", "1", "-o", out_},
       })
    EXPECT_EQ(RunTool(args).Code, 2) << args.size();
}

TEST(RenderPageFileName, KeepsLettersDigitsAndSomeMarks) {
  EXPECT_EQ(PageFileName(1, "Activity"), "01-Activity.png");
  EXPECT_EQ(PageFileName(12, "Amp/Energy (ch 1-4)"), "12-Amp_Energy__ch_1-4_.png");
  EXPECT_EQ(PageFileName(3, "v1.2_final"), "03-v1.2_final.png");
  EXPECT_EQ(PageFileName(4, "Каналы"), "04-______.png");  // one mark per character, not per byte
  EXPECT_EQ(PageFileName(123, ""), "123-.png");
}

}  // namespace
}  // namespace ae

namespace ae {
namespace {

// The "Location" pages of a located test: with its setup the map holds the located events; with
// no setup it is empty.
TEST_F(AetoolRender, TheLocationPagesOfALocatedTestWithItsSetup) {
  const std::string setup = dir_.File("location.ini");
  { std::ofstream(setup) << "[ZMVWIN]\n[Location]\nType=Planar\nSensor1=1,1\nSensor2=9,1\nSensor3=9,9\nSensor4=1,9\n"; }
  const std::string located = dir_.File("LOCATED.DTA");
  ASSERT_EQ(RunTool({"gen", "--locate", setup, "--hits", "300", "-o", located}).Code, 0);
  // Points in the map of the "Planar" page (graph 0, the left three fifths of the page).
  auto mapPoints = [](const std::string& file) {
    const QImage page(QString::fromStdString(file));
    const std::uint32_t point = RoleColor(TColorRole::Point, 3);
    int n = 0;
    for (int y = 40; y < page.height() - 40; ++y)
      for (int x = 60; x < page.width() * 3 / 5 - 30; ++x) n += (page.pixel(x, y) & 0xFFFFFFu) == point;
    return n;
  };
  test::ToolResult r =
      RunTool({"render", located, "--graph-set", "Location", "--setup", setup, "-o", out_, "--size", "1000x800"});
  ASSERT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out, out_ + "/01-Linear.png\n" + out_ + "/02-Planar.png\n");
  EXPECT_GT(mapPoints(out_ + "/02-Planar.png"), 300);  // 300 events of 2 x 2 pixels, some on one another

  const std::string plain = dir_.File("plain");
  r = RunTool({"render", located, "--graph-set", "Location", "-o", plain, "--size", "1000x800"});
  ASSERT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(mapPoints(plain + "/02-Planar.png"), 0);
}

}  // namespace
}  // namespace ae
