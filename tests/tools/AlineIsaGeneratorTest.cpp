#include <cmath>

#include <gtest/gtest.h>

#include "datafiles/ALNCalibration.h"
#include "datafiles/ALNDFile.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/SyntheticTest.h"

namespace ae {
namespace {

class AlineIsaGenerator : public ::testing::Test {
 protected:
  void SetUp() override { ALNCalibration::Shared().ResetToDefaults(); }
  void TearDown() override { ALNCalibration::Shared().ResetToDefaults(); }
};

// The file reads back as the synthetic test it was made from: every hit with its channel,
// features, time and amplitude, through the calibration its own setup messages establish.
TEST_F(AlineIsaGenerator, ReadsBackAsTheSyntheticTest) {
  test::TempDir dir;
  const std::string path = dir.File("synthetic.ald");
  GenOptions options;
  options.Hits = 3000;
  options.Seed = 7;
  GenerateDataFile("isa", options, path);

  OpenedDataFile opened = OpenDataFile(path);
  ASSERT_EQ(opened.Type, ftAline);
  AWDiskFile& reader = *opened.Reader;
  EXPECT_EQ(reader.CountHits(), 3000);

  ALNCalibration::Shared().ResetToDefaults();
  SyntheticTest test(options.Hits, options.Seed);
  SyntheticEvent e;
  int samples = 0, others = 0, hits = 0;
  reader.SeekFirst();
  while (reader.ReadNext()) {
    ZTShortHit rec;
    reader.GetRec(rec);
    if (rec.Kind == rkTimeDriven) ++samples;
    if (rec.Kind == rkOther) ++others;
    if (rec.Kind != rkHit) continue;
    ++hits;
    do {
      ASSERT_TRUE(test.Next(e));
    } while (e.Kind != SyntheticEventKind::Hit);
    const SyntheticHit& h = e.Hit;
    ASSERT_EQ(rec.Channel, h.Channel) << hits;
    EXPECT_EQ(rec.Amplitude, static_cast<int>(h.AmplitudeDb)) << hits << ": " << h.AmplitudeDb;
    EXPECT_EQ(rec.Counts, h.Counts & 0xFFFF);
    EXPECT_EQ(rec.Duration, h.DurationUs);
    EXPECT_EQ(rec.Rise, h.RiseUs & 0xFFFF);
    EXPECT_EQ(rec.Energy, h.Energy & 0xFFFF);
    EXPECT_NEAR(reader.GetTime(), e.Time, 0.6e-6);
    EXPECT_EQ(reader.GetValue(pcCounts), h.Counts);
  }
  EXPECT_EQ(hits, 3000);
  EXPECT_GT(samples, 1700);                  // one a second, except while paused
  EXPECT_EQ(others, 8 + 1 + 2 + 1 + 4 + 4);  // setups, start, pause and resume, stop, marks, comments

  const ALNCalibration& table = ALNCalibration::Shared();
  for (int ch = 0; ch < SyntheticTest::Channels; ++ch) EXPECT_EQ(table.At(ch).GainCode, 40) << ch;
  EXPECT_EQ(table.At(SyntheticTest::Channels).GainCode, 35);
}

TEST_F(AlineIsaGenerator, SameSeedSameFile) {
  test::TempDir dir;
  GenOptions options;
  options.Hits = 500;
  GenerateDataFile("isa", options, dir.File("a.ald"));
  GenerateDataFile("isa", options, dir.File("b.ald"));
  EXPECT_EQ(test::ReadFileBytes(dir.File("a.ald")), test::ReadFileBytes(dir.File("b.ald")));
}

}  // namespace
}  // namespace ae
