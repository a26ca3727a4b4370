#include <vector>

#include <gtest/gtest.h>

#include "datafiles/EZTData.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/DataSetBuilder.h"
#include "viewer/core/TFrameArray.h"

namespace ae {
namespace {

// Frames only keep the identifier of their graph.
const GraphId FirstGraph = NewGraphId();
const GraphId SecondGraph = NewGraphId();

using test::FrameBits;
using test::Hit;
using test::MakeSet;

// Amplitude against energy on all channels.
TFrameRect Band(double ampFrom, double ampTo, double energyFrom, double energyTo) {
  TFrameRect band;
  band.Left = 10;
  band.Top = 20;
  band.Right = 30;
  band.Bottom = 40;
  band.BandActive = true;
  band.SlotIndex = 5;
  band.XParam = pcAmplitude;
  band.YParam = pcEnergy;
  band.XFrom = ampFrom;
  band.XTo = ampTo;
  band.YFrom = energyFrom;
  band.YTo = energyTo;
  band.Channels.set();
  return band;
}

TEST(TFrameArray, FramesFillTheLowestSlotsAndANinthIsRefused) {
  ZTDataSet set = MakeSet({Hit(1, 1, 60, 60), Hit(2, 1, 45, 60)});
  TFrameArray frames;
  EXPECT_FALSE(frames.AnyFrame());
  EXPECT_EQ(frames.FrameCount(), 0);
  EXPECT_EQ(frames.FrameSlotMask(), 0);

  TFrameRect band = Band(55, 70, 0, 100);  // the first hit only
  band.Graph = FirstGraph;
  for (int i = 0; i < TFrameArray::Slots; ++i) {
    ASSERT_TRUE(frames.AddFrame(band, set, {}));
    const TFrameRect* frame = frames.Frame(i);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->SlotIndex, i);
    EXPECT_EQ(frame->Graph, FirstGraph);
    EXPECT_EQ(frame->Left, 10);
    EXPECT_EQ(frame->XTo, 70.0);
  }
  EXPECT_TRUE(frames.AnyFrame());
  EXPECT_EQ(frames.FrameCount(), 8);
  EXPECT_EQ(frames.FrameSlotMask(), 0xFF);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0xFF, 0}));
  EXPECT_EQ(set.FramedCount, 1u);

  // The ninth changes nothing.
  EXPECT_FALSE(frames.AddFrame(Band(0, 100, 0, 100), set, {}));
  EXPECT_EQ(frames.FrameCount(), 8);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0xFF, 0}));
  EXPECT_EQ(set.FramedCount, 1u);
  EXPECT_EQ(frames.Frame(8), nullptr);

  EXPECT_EQ(frames.DeleteAllFrames(), 8);
  EXPECT_FALSE(frames.AnyFrame());
  EXPECT_EQ(frames.DeleteAllFrames(), 0);
  ASSERT_TRUE(frames.AddFrame(Band(0, 100, 0, 100), set, {}));
  EXPECT_EQ(frames.Frame(0)->SlotIndex, 0);
  EXPECT_EQ(frames.FrameSlotMask(), 1);
}

TEST(TFrameArray, GroupingTakesTheMaskOfTheOccupiedSlotsAndKeepsTheFrames) {
  // In frame 0 and 1, in frame 0 only, in frame 1 only, in neither.
  const std::vector<ZTShortHit> hits = {Hit(1, 1, 60, 60), Hit(2, 1, 45, 60), Hit(3, 1, 60, 90), Hit(4, 1, 20, 20)};
  struct Case {
    int mode;
    std::vector<int> grouped;
  };
  for (const Case& c : {Case{ZTDataSet::gmAnd, {1, 0, 0, 0}}, Case{ZTDataSet::gmOr, {1, 1, 1, 0}}}) {
    ZTDataSet set = MakeSet(hits);
    TFrameArray frames;
    frames.AddFrame(Band(40, 70, 50, 70), set, {});
    frames.AddFrame(Band(55, 80, 50, 100), set, {});
    ASSERT_EQ(FrameBits(set), (std::vector<int>{3, 1, 2, 0}));

    std::uint32_t expected = 0;
    for (int g : c.grouped) expected += static_cast<std::uint32_t>(g);
    EXPECT_EQ(frames.GroupFrames(c.mode, set), expected);
    EXPECT_EQ(set.GroupMask, 3);
    std::vector<int> grouped;
    for (const ZTShortHit& rec : set.Recs) grouped.push_back(rec.IsGrouped() ? 1 : 0);
    EXPECT_EQ(grouped, c.grouped);
    EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(set.FramedCount, 0u);
    EXPECT_EQ(frames.FrameCount(), 2);
  }
}

TEST(TFrameArray, ANewFrameSelectsWithTheTimeWindowAndTheEventView) {
  ZTDataSet set = MakeSet({Hit(5, 1, 60, 60), Hit(12, 1, 60, 60), Hit(12.0001, 1, 10, 10), Hit(30, 1, 60, 60)});
  TFrameArray frames;

  TFrameSelectionState window;
  window.TimeFilter = true;
  window.TimeFrom = 10;
  window.TimeTo = 20;
  frames.AddFrame(Band(50, 70, 50, 70), set, window);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 1, 0, 0}));

  TFrameSelectionState events;
  events.EventsView = true;
  events.Mpt = 200;  // the third hit is a second hit of the event of the second
  events.Lockout = 1000;
  frames.AddFrame(Band(50, 70, 50, 70), set, events);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{2, 3, 2, 2}));
  EXPECT_EQ(set.FramedCount, 4u);
  EXPECT_EQ(ZTDataSet::EventRule().Window1.Ticks(), 800u);
}

TEST(TFrameArray, AFrameWhoseMarkingFailsStaysInItsSlot) {
  ZTDataSet set = MakeSet({Hit(2, 1, 60, 60), Hit(1, 1, 60, 60)});
  TFrameArray frames;
  TFrameSelectionState events;
  events.EventsView = true;
  EXPECT_THROW(frames.AddFrame(Band(0, 100, 0, 100), set, events), EZTData);
  EXPECT_EQ(frames.FrameCount(), 1);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{1, 0}));
}

TEST(TFrameArray, FramesOfAGraphThatIsGoneReferToNoGraphButStillCount) {
  ZTDataSet set = MakeSet({Hit(1, 1, 60, 60)});
  TFrameArray frames;
  TFrameRect band = Band(0, 100, 0, 100);
  band.Graph = FirstGraph;
  frames.AddFrame(band, set, {});
  band.Graph = SecondGraph;
  frames.AddFrame(band, set, {});
  // A rebuild makes new graphs: none of them can be the one a frame was drawn on.
  const GraphId rebuilt = NewGraphId();
  EXPECT_NE(rebuilt, NoGraph);
  EXPECT_GT(rebuilt, SecondGraph);
  EXPECT_EQ(frames.Frame(0)->Graph, FirstGraph);
  EXPECT_EQ(frames.Frame(1)->Graph, SecondGraph);
  EXPECT_EQ(frames.FrameCount(), 2);
  EXPECT_EQ(frames.FrameSlotMask(), 3);
}

// A report keeps copies of the frames and draws them on graphs of its own.
TEST(TFrameArray, ACopyHoldsFramesOfItsOwn) {
  ZTDataSet set = MakeSet({Hit(1, 1, 60, 60)});
  TFrameArray frames;
  TFrameRect band = Band(0, 100, 0, 100);
  band.Graph = FirstGraph;
  frames.AddFrame(band, set, {});
  TFrameArray copy = frames;
  ASSERT_EQ(copy.FrameCount(), 1);
  EXPECT_NE(copy.Frame(0), frames.Frame(0));
  copy.Frame(0)->Graph = SecondGraph;
  EXPECT_EQ(frames.Frame(0)->Graph, FirstGraph);
  copy = TFrameArray();
  EXPECT_FALSE(copy.AnyFrame());
  EXPECT_EQ(frames.FrameCount(), 1);
  copy = frames;
  const TFrameArray& same = copy;
  copy = same;  // itself: nothing lost
  EXPECT_EQ(copy.FrameSlotMask(), 1);
  EXPECT_EQ(copy.Frame(0)->XTo, 100.0);
}

}  // namespace
}  // namespace ae
