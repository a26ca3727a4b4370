#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "datafiles/ALNPCIDFile.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataStream.h"
#include "datafiles/Recognition.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/SyntheticTest.h"

namespace ae {
namespace {

constexpr std::uint64_t Hits = 3000;
constexpr std::uint64_t Seed = 7;

TEST(AlinePciGenerator, DecodesBackToTheSyntheticTest) {
  test::TempDir dir;
  const std::string path = dir.File("synth.ald");
  GenerateDataFile("pci", {Hits, Seed}, path);

  OpenedDataFile opened = OpenDataFile(path);
  ASSERT_EQ(opened.Type, ftAlinePCI);
  auto* file = dynamic_cast<ALNPCIDFile*>(opened.Reader.get());
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->GetLabel(), "Vessel V-101 proof test");
  EXPECT_EQ(file->Calibration().Entries().size(), 8u);

  SyntheticTest test(Hits, Seed);
  SyntheticEvent e;
  std::uint32_t records = 0;
  int hits = 0, marks = 0, comments = 0, samples = 0;
  double lastTime = -1;
  file->SeekFirst();
  while (file->ReadNext()) {
    ++records;
    if (file->HasTime()) {
      EXPECT_GE(file->GetTime(), lastTime) << "record " << records;
      lastTime = file->GetTime();
    }
    marks += file->Type() == ALNPCIDFile::recTimeMark;
    comments += file->IsComment();
    samples += file->IsTimeDriven();
    if (!file->IsHit()) continue;
    ++hits;
    do {
      ASSERT_TRUE(test.Next(e));
    } while (e.Kind != SyntheticEventKind::Hit);
    const SyntheticHit& h = e.Hit;
    ZTShortHit rec;
    file->GetRec(rec);
    ASSERT_EQ(rec.Kind, rkHit);
    EXPECT_NEAR(file->GetTime(), e.Time, 1e-6);
    EXPECT_EQ(rec.Channel, h.Channel);
    EXPECT_EQ(file->GetValue(pcCounts), h.Counts);
    EXPECT_EQ(file->GetValue(pcDuration), h.DurationUs);
    EXPECT_EQ(file->GetValue(pcRise), h.RiseUs);
    EXPECT_EQ(rec.Duration, h.DurationUs);
    // Rounded up by at most one ADC step (0.25 dB at 40 dB).
    const double amplitude = file->GetValue(pcAmplitude);
    EXPECT_GE(amplitude, h.AmplitudeDb - 1e-9);
    EXPECT_LT(amplitude, h.AmplitudeDb + 0.3);
    EXPECT_EQ(rec.Amplitude, static_cast<int>(amplitude));
    // Energy of the burst at the sensor, V^2 x duration / 4 in uV^2 x us.
    const double energyDb = h.AmplitudeDb + 10 * std::log10(h.DurationUs / 4.0);
    EXPECT_NEAR(file->GetValue(pcEnergy), energyDb, 0.3);
  }
  EXPECT_EQ(hits, static_cast<int>(Hits));
  EXPECT_EQ(marks, 4);
  EXPECT_EQ(comments, 4);
  EXPECT_GT(samples, 1000);
  EXPECT_EQ(file->Head().TestParam().NumberOfEvents(), records);
}

TEST(AlinePciGenerator, PairsAsAlinePciAndCopiesByteForByte) {
  test::TempDir dir;
  const std::string source = dir.File("synth.ald");
  const std::string copy = dir.File("copy.ald");
  GenerateDataFile("pci", {500, 1}, source);
  {
    DataStream in(source, "rb");
    DataStream out(copy, "wb");
    ASSERT_FALSE(IsSpartan3000File(in.Get()));  // otherwise the pair would be Spartan 3000
    WriterPair pair = CreateWriterPair(in.Get(), out.Get());
    ASSERT_EQ(pair.Type, ftAlinePCI);
    pair.Reader->SeekFirst();
    while (pair.Reader->ReadNext()) pair.Writer->Append(*pair.Reader);
    pair.Writer->Finish();
    pair = {};
    ASSERT_TRUE(out.Close());
  }
  EXPECT_EQ(test::ReadFileBytes(copy), test::ReadFileBytes(source));
}

}  // namespace
}  // namespace ae
