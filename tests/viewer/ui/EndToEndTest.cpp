// An engineer's whole path: open a test file, frame hits, group them, delete them and save a
// cleaned file, which must be the source less exactly those hits, byte for byte.
#include <vector>

#include <gtest/gtest.h>

#include "tests/viewer/ui/ViewerFixture.h"
#include "tools/aetool/Generators.h"
#include "viewer/core/AEventLocator.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

using Bytes = std::vector<unsigned char>;

// The messages of a DTA file: a 16-bit length, then that many bytes.
std::vector<Bytes> Messages(const Bytes& file) {
  std::vector<Bytes> messages;
  std::size_t at = 0;
  while (at + 2 <= file.size()) {
    const std::size_t length = file[at] | (file[at + 1] << 8);
    if (at + 2 + length > file.size()) break;
    messages.emplace_back(file.begin() + static_cast<std::ptrdiff_t>(at),
                          file.begin() + static_cast<std::ptrdiff_t>(at + 2 + length));
    at += 2 + length;
  }
  return messages;
}

class EndToEnd : public test::ViewerFixture {};

TEST_F(EndToEnd, TheSavedFileIsTheSourceLessExactlyTheDeletedHits) {
  const std::string source = MakeFile(3000);
  Start({QString::fromStdString(source)});
  ShowPage(1);
  TZTGraphControl& graph = Graph(0);  // counts against amplitude
  const TZTGraph& g = graph.Graph();
  // The high-amplitude hits: the right third of the plot, top to bottom.
  const int x = g.PlotLeft + (g.PlotRight - g.PlotLeft) * 2 / 3;
  Drag(graph, {x, g.PlotTop + 1}, {g.PlotRight - 1, g.PlotBottom - 1});
  Trigger("AddAndAction");
  Trigger("DeleteGroupedAction");
  const ZTDataSet& data = window_->Pages().DataSet();
  ASSERT_GT(data.DeletedCount, 0u);
  ASSERT_LT(data.DeletedCount, data.HitCount);

  const std::string cleaned = dir_.File("CLEANED.DTA");
  fileAnswers_ = {QString::fromStdString(cleaned)};
  Trigger("SaveAsAction");

  const std::vector<Bytes> in = Messages(test::ReadFileBytes(source));
  ASSERT_EQ(in.size(), data.Recs.size());
  Bytes expected;
  std::size_t deleted = 0;
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (data.Recs[i].IsDeleted()) {
      ++deleted;
      EXPECT_TRUE(data.Recs[i].IsHit());
      EXPECT_GT(data.Recs[i].Amplitude, 40);
      continue;
    }
    expected.insert(expected.end(), in[i].begin(), in[i].end());
  }
  EXPECT_EQ(deleted, data.DeletedCount);
  EXPECT_EQ(test::ReadFileBytes(cleaned), expected);
}

}  // namespace
}  // namespace ae

namespace ae {
namespace {

// The same path on the location map of a located test: a frame on the map selects the events
// of its area, and deleting them takes every one of their hits out of the saved file, so that
// the saved test has no event located there any more.
TEST_F(EndToEnd, EventsFramedOnTheLocationMapLeaveTheSavedFile) {
  const std::string setupFile = dir_.File("ZmvWin2.INI");
  test::WriteFileBytes(setupFile, {});
  {
    ATestSetup setup;
    setup.Location.Type = ALocationType::Planar;
    setup.Location.Sensors = {{1, 0, 0}, {2, 10, 0}, {3, 10, 10}, {4, 0, 10}};
    setup.Save(setupFile);
  }
  const std::string source = dir_.File("LOCATED.DTA");
  GenOptions options{400, 5};
  options.Locate = GenLocation{ALocationSetup(), 5000, 20000};
  options.Locate->Setup.Type = ALocationType::Planar;
  options.Locate->Setup.Sensors = {{1, 0, 0}, {2, 10, 0}, {3, 10, 10}, {4, 0, 10}};
  GenerateDataFile("dta", options, source);
  Start({QString::fromStdString(source)});
  ASSERT_TRUE(GlobalTestSetup().Location.Active());
  // The shipped "Location" set, its page "Planar": the map is graph 0.
  GlobalOptions().CurrentGraphSet = 3;
  window_->Pages().BuildPages();
  ShowPage(1);
  TZTGraphControl& map = Graph(0);
  const TZTGraph& g = map.Graph();
  ASSERT_EQ(g.XAxis.Param, pcLocX);
  const ZTDataSet& data = window_->Pages().DataSet();
  ASSERT_EQ(data.Locations.Count(), 400u);

  // The left half of the map.
  Drag(map, {g.PlotLeft + 1, g.PlotTop + 1}, {(g.PlotLeft + g.PlotRight) / 2, g.PlotBottom - 1});
  const TFrameRect* frame = window_->Pages().Common().Frames.Frame(0);
  ASSERT_NE(frame, nullptr);
  const TFrameRect area = *frame;
  auto inArea = [&area](const ZTLocation& l) {
    return area.XFrom <= l.X && l.X <= area.XTo && area.YFrom <= l.Y && l.Y <= area.YTo;
  };
  std::size_t inside = 0;
  for (const ZTLocation& l : data.Locations.Entries()) inside += inArea(l) ? 1 : 0;
  ASSERT_GT(inside, 50u);
  ASSERT_LT(inside, 350u);
  // Every hit of those events is framed: four sensors each.
  EXPECT_EQ(data.FramedCount, 4 * inside);

  Trigger("AddAndAction");
  Trigger("DeleteGroupedAction");
  EXPECT_EQ(data.DeletedCount, 4 * inside);
  ShowPage(1);  // the map repainted: the locations follow the delete
  EXPECT_EQ(data.Locations.Count(), 400 - inside);

  const std::string cleaned = dir_.File("CLEANED.DTA");
  fileAnswers_ = {QString::fromStdString(cleaned)};
  Trigger("SaveAsAction");
  ZTDataSet saved;
  saved.Load(cleaned);
  EXPECT_EQ(saved.HitCount, data.HitCount - 4 * inside);
  AEventLocator::Update(saved, GlobalTestSetup());
  EXPECT_EQ(saved.Locations.Count(), 400 - inside);
  for (const ZTLocation& l : saved.Locations.Entries()) EXPECT_FALSE(inArea(l)) << l.X << ", " << l.Y;
}

}  // namespace
}  // namespace ae
