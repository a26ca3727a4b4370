#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/DataSetBuilder.h"
#include "viewer/core/ADataListing.h"
#include "viewer/core/ATestSetup.h"

namespace ae {
namespace {

ZTShortHit Framed(double seconds, int frames = 0b1) {
  ZTShortHit hit = test::Hit(seconds, 1, 60, 7);
  hit.FrameBits = static_cast<std::uint16_t>(frames);
  return hit;
}

struct Listed {
  std::string Number;  // the line number field
  TRgb Color;
  std::string Tail;  // what follows the parametric field: the events view's dT
};

std::vector<Listed> Summary(const ADataListing& listing) {
  std::vector<Listed> lines;
  // "Num" 6, time 14, channel 4, rise 6, counts 6, duration 7, energy 6, amplitude 4, frequency 7,
  // parametric 8: the dT field follows at 68.
  for (const ADataListingLine& line : listing.Lines)
    lines.push_back({line.Text.substr(0, 6), line.Color, line.Text.size() > 68 ? line.Text.substr(68) : ""});
  return lines;
}

bool operator==(const Listed& a, const Listed& b) {
  return a.Number == b.Number && a.Color == b.Color && a.Tail == b.Tail;
}

void PrintTo(const Listed& l, std::ostream* os) {
  *os << "{" << l.Number << ", " << std::hex << l.Color << ", " << l.Tail << "}";
}

TEST(DataListing, HeaderAndLineFollowTheHitDumpWithTheConvertedParametric) {
  ZTShortHit hit = Framed(1.0);
  hit.Channel = 3;
  hit.Rise = 5;
  hit.Counts = 10;
  hit.Duration = 100;
  hit.Energy = 7;
  hit.Amplitude = 60;
  hit.Parametric = 10.0f;
  const ZTDataSet data = test::MakeSet({hit});
  ATestSetup setup;
  setup.DivisorSys = 2.0;
  setup.OffsetSys = 1.0;
  setup.DivisorReal = 4.0;
  setup.OffsetReal = 0.5;  // (10 / 2 + 1) / 4 + 0.5 = 2
  ADataListing listing;
  listing.Build(data, setup, false, false);
  EXPECT_EQ(listing.Header, "   Num   Time (sec.) Chn  Rise Count  Durat  Ener Amp   Freq     Prm");
  ASSERT_EQ(listing.Lines.size(), 1u);
  EXPECT_EQ(listing.Lines[0].Text, "     1     1.0000000   3     5    10    100     7  60  100.0    2.00");
  EXPECT_EQ(listing.Lines[0].Color, ADataListing::PlainColor);

  listing.Build(data, setup, true, false);
  EXPECT_EQ(listing.Header, "   Num   Time (sec.) Chn  Rise Count  Durat  Ener Amp   Freq     Prm    dT");
}

// The end of every field of a line: right-aligned columns end where their title ends.
std::vector<std::size_t> FieldEnds(std::string line) {
  // The one title with a blank in it.
  const std::size_t time = line.find("Time (sec.)");
  if (time != std::string::npos) line[time + 4] = '_';
  std::vector<std::size_t> ends;
  for (std::size_t i = 0; i < line.size(); ++i)
    if (line[i] != ' ' && (i + 1 == line.size() || line[i + 1] == ' ')) ends.push_back(i + 1);
  return ends;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; in >> field;) fields.push_back(field);
  return fields;
}

TEST(DataListing, ColumnsWidenToTheirLargestValueAndTheHeaderStaysOverThem) {
  struct Case {
    const char* What;
    double Seconds;
    int Channel, Rise, Counts;
    std::uint32_t Duration;
    int Energy, Amplitude;
    float Parametric;
    std::vector<std::string> Expected;  // the fields after the line number
  };
  const Case cases[] = {
      {"ordinary", 1.0, 3, 5, 10, 100, 7, 60, 10.0f, {"1.0000000", "3", "5", "10", "100", "7", "60", "100.0", "10.00"}},
      {"long duration beside its counts",
       2.0,
       1,
       12,
       65000,
       3000000000u,
       9,
       70,
       0.0f,
       {"2.0000000", "1", "12", "65000", "3000000000", "9", "70", "0.0", "0.00"}},
      {"every field at its largest",
       70000000.0,
       255,
       65535,
       65535,
       1,
       65535,
       255,
       1.0e9f,
       {"70000000.0000000", "255", "65535", "65535", "1", "65535", "255", "65535000.0", "1000000000.00"}},
      {"zero duration", 3.0, 2, 0, 40, 0, 1, 45, -2.5f, {"3.0000000", "2", "0", "40", "0", "1", "45", "0.0", "-2.50"}},
  };
  std::vector<ZTShortHit> hits;
  for (const Case& c : cases) {
    ZTShortHit hit = Framed(c.Seconds);
    hit.Channel = static_cast<std::uint8_t>(c.Channel);
    hit.Rise = static_cast<std::uint16_t>(c.Rise);
    hit.Counts = static_cast<std::uint16_t>(c.Counts);
    hit.Duration = c.Duration;
    hit.Energy = static_cast<std::uint16_t>(c.Energy);
    hit.Amplitude = static_cast<std::uint8_t>(c.Amplitude);
    hit.Parametric = c.Parametric;
    hits.push_back(hit);
  }
  // Out of time order on purpose: without events view the order does not matter.
  const ZTDataSet data = test::MakeSet(hits);
  for (const bool events : {false, true}) {
    ADataListing listing;
    listing.Build(data, ATestSetup(), events, true);
    if (events) {
      ASSERT_TRUE(listing.TimeOrderError);
      ASSERT_EQ(listing.Lines.size(), 3u);
    } else {
      ASSERT_EQ(listing.Lines.size(), std::size(cases));
    }
    const std::vector<std::size_t> columns = FieldEnds(listing.Header);
    ASSERT_EQ(columns.size(), events ? 11u : 10u) << listing.Header;
    for (std::size_t i = 0; i < listing.Lines.size(); ++i) {
      const Case& c = cases[i];
      const std::string& text = listing.Lines[i].Text;
      std::vector<std::string> expected{std::to_string(i + 1)};
      expected.insert(expected.end(), c.Expected.begin(), c.Expected.end());
      EXPECT_EQ(Fields(text), expected) << c.What << ": " << text;
      const std::vector<std::size_t> ends = FieldEnds(text);
      ASSERT_EQ(ends.size(), 10u) << c.What;
      for (std::size_t f = 0; f < ends.size(); ++f) EXPECT_EQ(ends[f], columns[f]) << c.What << ", field " << f;
    }
  }
}

TEST(DataListing, EmptySetNoFrameAndDeletedHits) {
  ADataListing listing;
  listing.Build(ZTDataSet(), ATestSetup(), true, true);
  EXPECT_EQ(listing.Header, "");  // an empty data set: no header either
  EXPECT_TRUE(listing.Lines.empty());

  ZTShortHit deleted = Framed(2.0, 0xFF);
  deleted.SetDeleted(true);
  ZTShortHit parametric = Framed(3.0);
  parametric.Kind = rkTimeDriven;
  listing.Build(test::MakeSet({Framed(1.0, 0), deleted, parametric, Framed(4.0, 0b100)}), ATestSetup(), false, false);
  EXPECT_FALSE(listing.Header.empty());
  // Only the hit in frame 3 is listed, numbered 1.
  EXPECT_EQ(Summary(listing), (std::vector<Listed>{{"     1", ADataListing::PlainColor, ""}}));
  EXPECT_EQ(listing.Lines[0].Text.substr(6, 14), "     4.0000000");

  listing.Build(test::MakeSet({Framed(1.0, 0), Framed(2.0, 0)}), ATestSetup(), false, false);
  EXPECT_FALSE(listing.Header.empty());  // no frame: the header alone
  EXPECT_TRUE(listing.Lines.empty());
}

TEST(DataListing, StopsAfterTenThousandLines) {
  std::vector<ZTShortHit> hits;
  for (int i = 0; i < 10005; ++i) hits.push_back(Framed(i * 0.001));
  ADataListing listing;
  listing.Build(test::MakeSet(std::move(hits)), ATestSetup(), false, false);
  ASSERT_EQ(listing.Lines.size(), 10000u);
  EXPECT_EQ(listing.Lines.back().Text.substr(0, 6), " 10000");
  EXPECT_EQ(listing.Lines.back().Text.substr(6, 14), "     9.9990000");
}

// Default windows: second hits within 5 ms of the event start, lockout hits within 20 ms.
TEST(DataListing, EventsViewListsFirstHitsRedSecondHitsBlueAndNeverLockoutHits) {
  const ZTDataSet data = test::MakeSet({
      Framed(1.000),     // opens an event
      Framed(1.001),     // second hit, 1000 us from the start
      Framed(1.010),     // lockout hit
      Framed(1.030),     // opens the next event
      Framed(2.000, 0),  // opens an event, but lies in no frame ...
      Framed(2.0025),    // ... so this one is a second hit all the same
  });
  const TRgb red = ADataListing::EventStartColor, blue = ADataListing::SecondHitColor;
  ADataListing listing;
  listing.Build(data, ATestSetup(), true, false);
  EXPECT_EQ(Summary(listing), (std::vector<Listed>{{"     1", red, ""}, {"     2", red, ""}}));

  listing.Build(data, ATestSetup(), true, true);
  EXPECT_EQ(Summary(listing),
            (std::vector<Listed>{
                {"     1", red, ""}, {"     2", blue, "  1000"}, {"     3", red, ""}, {"     4", blue, "  2500"}}));

  listing.Build(data, ATestSetup(), false, true);  // shadow hits alone group nothing
  EXPECT_EQ(listing.Lines.size(), 5u);             // every framed hit
  for (const ADataListingLine& line : listing.Lines) EXPECT_EQ(line.Color, ADataListing::PlainColor);
}

TEST(DataListing, TimeOrderErrorKeepsTheLinesListedBefore) {
  const ZTDataSet data = test::MakeSet({Framed(1.0), Framed(3.0), Framed(2.0), Framed(4.0)});
  ADataListing listing;
  listing.Build(data, ATestSetup(), true, false);
  EXPECT_TRUE(listing.TimeOrderError);
  EXPECT_EQ(listing.Lines.size(), 2u);
  listing.Build(data, ATestSetup(), false, false);  // without events the order does not matter
  EXPECT_FALSE(listing.TimeOrderError);
  EXPECT_EQ(listing.Lines.size(), 4u);
}

}  // namespace
}  // namespace ae

namespace ae {
namespace {

TEST(DataListing, WithALocationSetupTheFirstHitOfALocatedEventShowsItsLocation) {
  ZTDataSet data = test::MakeSet({Framed(1.0), Framed(1.001), Framed(2.0)});
  data.Locations.Assign({{0, 0, 2.5f, -1.25f}});
  ATestSetup setup;
  ADataListing plain;
  plain.Build(data, setup, false, false);  // without a location setup nothing changes
  EXPECT_EQ(plain.Header.find("X, m"), std::string::npos);

  setup.Location.Type = ALocationType::Zonal;
  setup.Location.Sensors = {{1, 2.5, -1.25}};
  ADataListing listing;
  listing.Build(data, setup, true, true);
  EXPECT_NE(listing.Header.find("    X, m    Y, m    dT"), std::string::npos) << listing.Header;
  ASSERT_EQ(listing.Lines.size(), 3u);
  EXPECT_NE(listing.Lines[0].Text.find("   2.500  -1.250"), std::string::npos) << listing.Lines[0].Text;
  // The second hit of the event, and an event without a location, have none; dT still follows.
  EXPECT_NE(listing.Lines[1].Text.find("       -       -  1000"), std::string::npos) << listing.Lines[1].Text;
  const std::string& last = listing.Lines[2].Text;
  EXPECT_EQ(last.substr(last.size() - 16), "       -       -");
}

}  // namespace
}  // namespace ae
