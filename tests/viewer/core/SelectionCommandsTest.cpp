// The Sets commands, frames from the rubber band, the time window and the protocol.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/DataSetBuilder.h"
#include "tests/support/TempDir.h"
#include "viewer/core/ASelectionCommands.h"
#include "viewer/core/ATimeWindow.h"
#include "viewer/core/TRubberBand.h"

namespace ae {
namespace {

using test::Hit;
using test::MakeSet;

// Answers the undelete question and remembers it was asked.
class Answer : public ViewerUser {
 public:
  explicit Answer(bool yes) : yes_(yes) {}
  void ShowMessage(const std::string&, const std::string&, Icon) override {}
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    asked = caption + ": " + text;
    return yes_;
  }
  std::string asked;

 private:
  bool yes_;
};

class SelectionCommands : public ::testing::Test {
 protected:
  SelectionCommands() { data = MakeSet({Hit(1, 1, 50, 10), Hit(2, 1, 60, 20), Hit(3, 2, 70, 30), Hit(4, 2, 80, 40)}); }
  // A band over amplitude from..to on every energy and channel.
  static TFrameRect Band(double from, double to) {
    TFrameRect band;
    band.XParam = pcAmplitude;
    band.YParam = pcEnergy;
    band.XFrom = from;
    band.XTo = to;
    band.YFrom = 0;
    band.YTo = 100;
    band.Channels.set();
    return band;
  }
  // The texts of the protocol lines after their date and time.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const std::string& line : protocol.Lines) texts.push_back(line.substr(line.find('\t') + 1));
    return texts;
  }
  void Frame(double from, double to, bool shift = false, int choice = foIgnoreNew) {
    commands.AddBandAsFrame(Band(from, to), shift, "Amplitude", "Energy", [choice] { return choice; });
  }

  ZTDataSet data;
  TFrameArray frames;
  AProtocol protocol;
  AOptions options;
  ATestSetup setup;
  ASelectionCommands commands{frames, data, protocol, options, setup};
};

TEST_F(SelectionCommands, ANewFrameReplacesTheFramesAndWritesItsSelectionLine) {
  Frame(45, 65);
  EXPECT_EQ(frames.FrameCount(), 1);
  EXPECT_EQ(data.FramedCount, 2u);
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(Texts()[0], "New selection:\tAmplitude(45.00-65.00) - Energy(0.00-100.00); Events: No; Chans: 1-128");
  Frame(65, 75);
  EXPECT_EQ(frames.FrameCount(), 1);
  EXPECT_EQ(data.FramedCount, 1u);
  EXPECT_EQ(Texts()[1], "All existing selections cleaned...");
  EXPECT_EQ(Texts().size(), 3u);
}

TEST_F(SelectionCommands, ShiftAddsFramesAndTheOverflowChoicesDoWhatTheySay) {
  for (int i = 0; i < 8; ++i) Frame(45, 55, true);
  EXPECT_EQ(frames.FrameCount(), 8);
  const std::size_t lines = protocol.Lines.size();

  Frame(75, 85, true, foIgnoreNew);
  EXPECT_EQ(frames.FrameCount(), 8);
  EXPECT_EQ(protocol.Lines.size(), lines);
  EXPECT_EQ(data.Recs[0].FrameBits, 0xFF);

  Frame(75, 85, true, foGroupAndAddNew);
  EXPECT_EQ(Texts()[lines], "Existing selections (1) grouped by AND...");
  EXPECT_EQ(frames.FrameCount(), 1);
  EXPECT_TRUE(data.Recs[0].IsGrouped());
  EXPECT_EQ(data.Recs[3].FrameBits, 1);  // the new frame, in slot 0

  for (int i = 0; i < 7; ++i) Frame(55, 65, true);
  Frame(65, 75, true, foGroupOrAddNew);
  const std::vector<std::string> texts = Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Existing selections (3) grouped by OR..."), texts.end());
  EXPECT_EQ(frames.FrameCount(), 1);

  for (int i = 0; i < 7; ++i) Frame(45, 85, true);
  Frame(65, 75, true, foDeleteAllExceptNew);  // the one hit left that is not grouped
  EXPECT_EQ(Texts()[Texts().size() - 2], "All existing selections cleaned...");
  EXPECT_EQ(frames.FrameCount(), 1);
  EXPECT_EQ(data.FramedCount, 1u);
}

TEST_F(SelectionCommands, SetsMenuCommandsWriteTheirLines) {
  commands.DeleteAllFrames();  // no frame: no line
  commands.GroupFrames(ZTDataSet::gmAnd);
  EXPECT_TRUE(protocol.Lines.empty());

  Frame(45, 65);
  commands.GroupFrames(ZTDataSet::gmOr);
  EXPECT_FALSE(frames.AnyFrame());
  commands.DeleteGrouped();
  commands.InvertDeleted();
  commands.InvertGrouped();
  commands.ClearGrouped();
  Frame(45, 65);
  commands.DeleteAllFrames();
  const std::vector<std::string> expected = {
      "New selection:\tAmplitude(45.00-65.00) - Energy(0.00-100.00); Events: No; Chans: 1-128",
      "Existing selections (2) grouped by OR...",
      "Grouped data (2) deleted...",
      "All Deleted data (2) inverted...",  // the two that were deleted come back, the others go
      "Grouped data (2) inverted...",      // the other two are grouped now; the deleted ones cannot be
      "Grouped data cleaned...",
      "New selection:\tAmplitude(45.00-65.00) - Energy(0.00-100.00); Events: No; Chans: 1-128",
      "Existing selections cleaned...",
  };
  EXPECT_EQ(Texts(), expected);
  EXPECT_EQ(data.DeletedCount, 2u);
}

TEST_F(SelectionCommands, UndeleteAsksFirstAndNoRemovesTheFramesButKeepsTheirMarks) {
  data.Recs[1].SetDeleted(true);
  data.DeletedCount = 1;
  Frame(45, 85);
  const std::uint32_t framed = data.FramedCount;
  ASSERT_GT(framed, 0u);
  std::vector<std::uint16_t> marks;
  for (const ZTShortHit& rec : data.Recs) marks.push_back(rec.FrameBits);
  const std::size_t lines = protocol.Lines.size();

  Answer no(false);
  commands.UndeleteData(no);
  EXPECT_EQ(no.asked, "Warning: Deleted data will be undeleted.\nConfirm please");
  EXPECT_FALSE(frames.AnyFrame());
  // Only the frame list went before the question; the hits keep their marks and count.
  EXPECT_EQ(data.FramedCount, framed);
  for (std::size_t i = 0; i < data.Recs.size(); ++i) EXPECT_EQ(data.Recs[i].FrameBits, marks[i]) << i;
  EXPECT_EQ(data.DeletedCount, 1u);
  EXPECT_EQ(protocol.Lines.size(), lines);

  Answer yes(true);
  commands.UndeleteData(yes);
  EXPECT_EQ(data.DeletedCount, 0u);
  EXPECT_EQ(data.FramedCount, 0u);
  for (const ZTShortHit& rec : data.Recs) EXPECT_EQ(rec.FrameBits, 0);
  EXPECT_EQ(Texts().back(), "Deleted data undeleted...");
}

TEST_F(SelectionCommands, TogglingEventViewRemovesFramesAndMarks) {
  Frame(45, 85);
  commands.ToggleEventsView();
  EXPECT_TRUE(options.EventsView);
  EXPECT_FALSE(frames.AnyFrame());
  EXPECT_EQ(data.FramedCount, 0u);
  EXPECT_EQ(data.Recs[0].FrameBits, 0);
}

TEST(TimeWindow, ScrollingMovesAThirdOfTheWindowAndNeverBeforeZero) {
  AOptions options;
  ATimeWindow window(options);
  EXPECT_EQ(window.ScrollLeft().What, ATimeWindowChange::Nothing);  // nothing to scroll
  window.Zoom(2, 5);
  struct Step {
    bool right;
    std::int32_t from, to;
  } steps[] = {{false, 1, 4}, {false, 0, 3}, {false, 0, 3}};
  for (const Step& s : steps) {
    const ATimeWindowChange change = s.right ? window.ScrollRight() : window.ScrollLeft();
    EXPECT_EQ(change.What, ATimeWindowChange::SetRange);
    EXPECT_EQ(change.From, s.from);
    EXPECT_EQ(change.To, s.to);
  }
  EXPECT_EQ(options.TimeRangeHistory.size(), 4u);
  window.Zoom(0, 1);
  const ATimeWindowChange right = window.ScrollRight();
  EXPECT_EQ(right.From, 1);
  EXPECT_EQ(right.To, 2);
  EXPECT_EQ(options.TimeRangeHistory.back(), (ATimeRange{1, 2}));
}

TEST(TimeWindow, ZoomAndUnZoomWalkTheHistory) {
  AOptions options;
  ATimeWindow window(options);
  const ATimeWindowChange one = window.Zoom(10, 10);  // a one-second window
  EXPECT_EQ(one.To, 11);
  EXPECT_TRUE(options.TimeRangeFilter);
  window.Zoom(20, 40);
  ATimeWindowChange back = window.UnZoom();
  EXPECT_EQ(back.What, ATimeWindowChange::SetRange);
  EXPECT_EQ(back.From, 10);
  EXPECT_EQ(options.FilterEnd, 11);
  EXPECT_TRUE(options.TimeRangeFilter);
  back = window.UnZoom();
  EXPECT_EQ(back.What, ATimeWindowChange::RestoreRange);
  EXPECT_FALSE(options.TimeRangeFilter);
  EXPECT_EQ(window.UnZoom().What, ATimeWindowChange::Nothing);
  window.PushRange(3, 4);  // a zoom of one graph: the filter stays off
  EXPECT_FALSE(options.TimeRangeFilter);
  window.Reset();
  EXPECT_TRUE(options.TimeRangeHistory.empty());
}

TEST(RubberBand, WhereABandStartsAndWhatItBecomes) {
  EXPECT_TRUE(TRubberBand::StartsOn(true, pcAmplitude, true, false));
  EXPECT_FALSE(TRubberBand::StartsOn(false, pcTime, true, false));  // a line graph with the zoom tool off
  EXPECT_TRUE(TRubberBand::StartsOn(false, pcTime, true, true));
  EXPECT_TRUE(TRubberBand::StartsOn(false, pcTime, false, false));
  EXPECT_FALSE(TRubberBand::StartsOn(false, pcAmplitude, false, true));

  TRubberBand band;
  band.Start(100, 80);
  band.Move(30, 300, {50, 25, 300, 200});
  EXPECT_EQ(band.Band.Left, 50);
  EXPECT_EQ(band.Band.Right, 100);
  EXPECT_EQ(band.Band.Top, 80);
  EXPECT_EQ(band.Band.Bottom, 200);
  EXPECT_TRUE(band.Active());
  EXPECT_TRUE(TRubberBand::MakesFrame(true, false, pcTime, band.Band));
  EXPECT_FALSE(TRubberBand::MakesFrame(true, true, pcTime, band.Band));  // Ctrl zooms
  EXPECT_FALSE(TRubberBand::MakesFrame(false, false, pcTime, band.Band));
  EXPECT_TRUE(TRubberBand::MakesFrame(false, false, pcAmplitude, band.Band));
  band.Move(100, 80, {50, 25, 300, 200});  // a click without moving frames
  EXPECT_TRUE(TRubberBand::MakesFrame(false, false, pcTime, band.Band));
}

TEST(Protocol, LinesCarryTheirDateAndTimeAndGoToTheFile) {
  AProtocol protocol;
  protocol.AddLine("ZMV launched");
  protocol.AddDatedLine("01.02.2026 10:11:12\tNew selection:\tx");
  EXPECT_NE(protocol.Lines[0].find("\tZMV launched"), std::string::npos);
  EXPECT_GT(protocol.Lines[0].find('\t'), 5u);
  EXPECT_EQ(protocol.LastLine, "01.02.2026 10:11:12\tNew selection:\tx");
  test::TempDir dir;
  protocol.Save(dir.File("_Protocol.txt"));
  const std::vector<unsigned char> bytes = test::ReadFileBytes(dir.File("_Protocol.txt"));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), protocol.Lines[0] + "\n" + protocol.Lines[1] + "\n");
  EXPECT_ANY_THROW(protocol.Save(dir.File("missing/_Protocol.txt")));
}

}  // namespace
}  // namespace ae
