// The hits the waveform window steps through: framed ones when a framed hit has a waveform,
// else every hit that is not deleted; stepping from any record.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/DataSetBuilder.h"
#include "viewer/core/ADataListing.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/AWaveformHits.h"

namespace ae {
namespace {

// Records 0..7: hits but for record 3; waveforms for the hits 1, 2, 4, 6, 7.
ZTDataSet SetWithWaveforms() {
  std::vector<ZTShortHit> recs;
  for (int i = 0; i < 8; ++i) recs.push_back(test::Hit(i, 1, 50, 10));
  recs[3].Kind = rkTimeDriven;
  ZTDataSet set = test::MakeSet(recs);
  for (std::uint32_t hit : {6u, 1u, 2u, 4u, 7u}) set.Waveforms.Add(hit, 100 * hit, 0);
  set.Waveforms.Add(3, 300, 0);  // not a hit: never stepped to
  set.Waveforms.Finish();
  return set;
}

std::vector<std::size_t> Walk(const AWaveformHits& hits) {
  std::vector<std::size_t> order;
  for (std::optional<std::size_t> at = hits.First(); at; at = hits.Next(*at)) order.push_back(*at);
  return order;
}

TEST(WaveformHits, StepThroughTheFramedHitsWithWaveformsElseEveryOneNotDeleted) {
  ZTDataSet set = SetWithWaveforms();
  set.Recs[2].SetDeleted(true);
  {
    const AWaveformHits hits(set);
    EXPECT_FALSE(hits.FramedOnly());
    EXPECT_EQ(Walk(hits), (std::vector<std::size_t>{1, 4, 6, 7}));
    EXPECT_EQ(hits.Count(), 4u);
    EXPECT_EQ(hits.Position(6), 3u);
    EXPECT_FALSE(hits.Position(5));
    // From a record that is not one of them (a double click on a hit without a waveform).
    EXPECT_EQ(hits.Next(5), 6u);
    EXPECT_EQ(hits.Previous(5), 4u);
    EXPECT_EQ(hits.Previous(1), std::nullopt);
    EXPECT_EQ(hits.Next(7), std::nullopt);
  }
  // A frame around hits 0, 4 and 7: only 4 and 7 have waveforms.
  for (int i : {0, 4, 7}) set.Recs[static_cast<std::size_t>(i)].FrameBits = 1;
  {
    const AWaveformHits hits(set);
    EXPECT_TRUE(hits.FramedOnly());
    EXPECT_EQ(Walk(hits), (std::vector<std::size_t>{4, 7}));
    EXPECT_EQ(hits.Previous(6), 4u);
  }
  // Framed hits without waveforms: every hit with one, as without frames.
  for (ZTShortHit& rec : set.Recs) rec.FrameBits = 0;
  set.Recs[0].FrameBits = 1;
  EXPECT_EQ(Walk(AWaveformHits(set)), (std::vector<std::size_t>{1, 4, 6, 7}));
  EXPECT_FALSE(AWaveformHits(ZTDataSet()).First());
}

TEST(WaveformHits, TheDataViewMarksTheLinesOfHitsWithAWaveform) {
  ZTDataSet set = SetWithWaveforms();
  for (ZTShortHit& rec : set.Recs) rec.FrameBits = 1;
  ADataListing listing;
  listing.Build(set, ATestSetup(), false, false);
  ASSERT_EQ(listing.Lines.size(), 7u);  // the hits: records 0, 1, 2, 4, 5, 6, 7
  std::string marks;
  for (const ADataListingLine& line : listing.Lines) marks += line.Text[0];
  EXPECT_EQ(marks, " ~~~ ~~");
  // Without a mark the line is what it always was: the number right-aligned in six places.
  EXPECT_EQ(listing.Lines[0].Text.substr(0, 6), "     1");
  EXPECT_EQ(listing.Lines[1].Text.substr(0, 6), "~    2");
}

}  // namespace
}  // namespace ae
