// Waveforms of DTA files: the recorder setup of the hardware setup, the decoding of message 173,
// the pairing of each waveform with its hit, and what the loaded data set keeps of them.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ARecorderSetup.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataStream.h"
#include "datafiles/EDataFile.h"
#include "datafiles/LDFile.h"
#include "datafiles/ZTDataSet.h"
#include "datafiles/ZTWaveform.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::DtaBuilder;
constexpr std::uint64_t Second = 4000000;

// Product definition and a hardware setup with the standard hit definition and `subs`.
DtaBuilder SetupWith(const std::vector<DtaBuilder::Bytes>& subs) {
  std::vector<DtaBuilder::Bytes> all = {DtaBuilder::DefinitionSub({1, 3, 4, 5, 6}, 1)};
  all.insert(all.end(), subs.begin(), subs.end());
  DtaBuilder dta;
  dta.ProductDefinition().HardwareSetupOf(all);
  return dta;
}

void Hit(DtaBuilder& dta, std::uint64_t ticks, int channel, int amplitude = 50) {
  dta.StandardHit(ticks, channel, 10, 5, 3, 100, amplitude, 2000);
}

std::vector<std::int16_t> Ramp(int n, int step = 1) {
  std::vector<std::int16_t> s(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) s[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i * step - n / 2);
  return s;
}

class WaveformFile : public ::testing::Test {
 protected:
  ZTDataSet Load(const DtaBuilder& dta) {
    path_ = dir_.File("WAVE.DTA");
    dta.Save(path_);
    ZTDataSet set;
    set.Load(path_);
    return set;
  }
  // The waveform of the n-th hit of the data set, if any.
  static std::optional<ZTWaveform> WaveformOfHit(const ZTDataSet& set, int n) {
    for (std::size_t i = 0; i < set.Recs.size(); ++i)
      if (set.Recs[i].IsHit() && n-- == 0) return set.ReadWaveform(i);
    ADD_FAILURE() << "no such hit";
    return std::nullopt;
  }
  test::TempDir dir_;
  std::string path_;
};

TEST(RecorderSetup, GivesEachChannelItsScaleWithLaterSetupsReplacingEarlierOnes) {
  ARecorderSetup setup;
  EXPECT_FALSE(setup.ScaleOf(3).Known);
  auto note = [&](const DtaBuilder::Bytes& sub) { setup.Note(sub.data(), static_cast<int>(sub.size())); };
  note(DtaBuilder::RecorderSub(0, 2, 5000, -100, 5));  // every channel
  note(DtaBuilder::RecorderSub(3, 3, 10000, -1280, 10));
  note(DtaBuilder::GainSub(3, 6));
  note(DtaBuilder::PreampSub(3, 40));
  note(DtaBuilder::RecorderSub(4, 3, 10000, 0, 10, 25, 1));  // ADT 1: not 16-bit signed samples
  note(DtaBuilder::Bytes{173, 41, 1, 2, 3});                 // a sub-message 173 of another kind

  const AWaveformScale three = setup.ScaleOf(3);
  EXPECT_TRUE(three.Known);
  EXPECT_EQ(three.RateKHz, 10000);
  EXPECT_EQ(three.DelaySamples, -1280);
  EXPECT_EQ(three.FullScaleVolts, 10);
  EXPECT_EQ(three.SamplesPerHit(), 3072);
  EXPECT_EQ(three.GainDb, 6);
  EXPECT_EQ(three.PreampDb, 40);
  EXPECT_TRUE(three.PreampKnown);
  EXPECT_DOUBLE_EQ(three.VoltsPerCount(), 10.0 / 32768.0 / std::pow(10.0, 6.0 / 20.0));
  EXPECT_DOUBLE_EQ(three.TimeUs(1280), 0.0);  // the trigger
  EXPECT_DOUBLE_EQ(three.TimeUs(0), -128.0);

  const AWaveformScale seven = setup.ScaleOf(7);  // from the setup for all channels
  EXPECT_TRUE(seven.Known);
  EXPECT_EQ(seven.RateKHz, 5000);
  EXPECT_FALSE(seven.GainKnown);
  EXPECT_EQ(seven.GainDb, 0);
  EXPECT_FALSE(setup.ScaleOf(4).Known);
  EXPECT_EQ(setup.ScaleOf(4).RateKHz, 10000);

  // A setup cut short: what is missing reads as zero, so it has no rate and scales nothing.
  DtaBuilder::Bytes cut = DtaBuilder::RecorderSub(9, 3, 10000, 0, 10);
  cut.resize(14);
  note(cut);
  EXPECT_FALSE(setup.ScaleOf(9).Known);
  // SLEN 0 would stand still on the first setup; it is not read, and channel 10 keeps the setup
  // for all channels.
  DtaBuilder::Bytes still = DtaBuilder::RecorderSub(10, 3, 10000, 0, 10);
  still[7] = still[8] = 0;
  note(still);
  EXPECT_EQ(setup.ScaleOf(10).RateKHz, 5000);
}

TEST(WaveformMessage, DecodesItsTimeChannelAndSamplesAndIgnoresAnOddLastByte) {
  DtaBuilder dta;
  dta.Waveform(5 * Second + 3, 9, {1, -1, 32767, -32768});
  DtaBuilder::Bytes msg(dta.Get().begin() + 2, dta.Get().end());
  ZTWaveform wave;
  ASSERT_TRUE(ZTWaveform::Decode(msg.data(), static_cast<int>(msg.size()), wave));
  EXPECT_EQ(wave.Time.Ticks(), 5 * Second + 3);
  EXPECT_EQ(wave.Channel, 9);
  EXPECT_EQ(wave.Samples, (std::vector<std::int16_t>{1, -1, 32767, -32768}));
  EXPECT_EQ(wave.PeakCounts(), 32768);

  msg.push_back(0x7F);  // an odd last byte
  ASSERT_TRUE(ZTWaveform::Decode(msg.data(), static_cast<int>(msg.size()), wave));
  EXPECT_EQ(wave.Samples.size(), 4u);
  // Without a whole sample, or of another sub-identifier, it is no waveform.
  EXPECT_FALSE(ZTWaveform::Decode(msg.data(), ZTWaveform::MinLength - 1, wave));
  msg[1] = 2;
  EXPECT_FALSE(ZTWaveform::Decode(msg.data(), static_cast<int>(msg.size()), wave));
}

TEST_F(WaveformFile, KeepsWhereEachWaveformLiesAndReadsItsSamplesWhenAskedFor) {
  DtaBuilder dta = SetupWith(
      {DtaBuilder::RecorderSub(0, 1, 2000, -8, 10), DtaBuilder::GainSub(2, 20), DtaBuilder::PreampSub(2, 40)});
  dta.Waveform(1 * Second, 2, Ramp(16));
  Hit(dta, 1 * Second, 2);
  Hit(dta, 2 * Second, 3);                                   // no waveform
  dta.Message(173, {2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});  // another sub-identifier: a record
  dta.Waveform(3 * Second, 4, Ramp(8, 100));
  Hit(dta, 3 * Second, 4);
  dta.Message(15);
  const ZTDataSet set = Load(dta);

  // The two waveforms have no record; everything else has.
  EXPECT_EQ(set.RecCount, 7);
  EXPECT_EQ(set.HitCount, 3u);
  ASSERT_EQ(set.Waveforms.Size(), 2u);

  const std::optional<ZTWaveform> first = WaveformOfHit(set, 0);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Samples, Ramp(16));
  EXPECT_EQ(first->Channel, 2);
  EXPECT_TRUE(first->Scale.Known);
  EXPECT_EQ(first->Scale.RateKHz, 2000);
  EXPECT_EQ(first->Scale.GainDb, 20);
  EXPECT_EQ(first->Scale.PreampDb, 40);
  EXPECT_DOUBLE_EQ(first->Volts(0), -8 * 10.0 / 32768.0 / 10.0);
  EXPECT_DOUBLE_EQ(first->TimeUs(8), 0.0);
  EXPECT_DOUBLE_EQ(first->TimeUs(0), -4.0);
  EXPECT_FALSE(WaveformOfHit(set, 1));
  const std::optional<ZTWaveform> third = WaveformOfHit(set, 2);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->Samples, Ramp(8, 100));
  EXPECT_EQ(third->Scale.GainDb, 0);  // channel 4 has no gain of its own
}

TEST_F(WaveformFile, PairsWaveformsWithTheirHitsWhateverTheOrderAndLeavesTheRestUnpaired) {
  struct Case {
    const char* Name;
    // hits (channel) and waveforms (100 + channel), all at one time unless the second digit says
    std::vector<int> Order;
    std::vector<int> HitsWithWaveform;  // channels
  };
  const Case cases[] = {
      {"waveform before its hit", {101, 1}, {1}},
      {"hit before its waveform", {1, 101}, {1}},
      {"two channels at one time", {101, 102, 1, 2}, {1, 2}},
      {"two channels, hits first in the other order", {2, 1, 101, 102}, {1, 2}},
      {"a waveform of another channel", {103, 1}, {}},
      {"a waveform and no hit", {101}, {}},
      {"two waveforms for one hit: the first counts", {101, 101, 1}, {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    DtaBuilder dta = SetupWith({DtaBuilder::RecorderSub(0, 1, 1000, 0, 10)});
    int hits = 0;
    for (const int item : c.Order) {
      if (item > 100) dta.Waveform(Second, item - 100, Ramp(4, item));
      else {
        Hit(dta, Second, item);
        ++hits;
      }
    }
    const ZTDataSet set = Load(dta);
    EXPECT_EQ(set.HitCount, static_cast<std::uint32_t>(hits));
    std::vector<int> paired;
    for (std::size_t i = 0; i < set.Recs.size(); ++i) {
      const std::optional<ZTWaveform> wave = set.ReadWaveform(i);
      if (!wave) continue;
      paired.push_back(set.Recs[i].Channel);
      EXPECT_EQ(wave->Channel, set.Recs[i].Channel);
      EXPECT_EQ(wave->Samples, Ramp(4, 100 + set.Recs[i].Channel));  // its own, not another's
    }
    std::sort(paired.begin(), paired.end());
    EXPECT_EQ(paired, c.HitsWithWaveform);
  }
}

TEST_F(WaveformFile, AWaveformWithoutSetupOrCutShortGivesTheSamplesThatAreThere) {
  // Channel 5 has a setup of 3 x 1024 samples; channel 6 none.
  DtaBuilder dta = SetupWith({DtaBuilder::RecorderSub(5, 3, 10000, -1280, 10)});
  dta.Waveform(Second, 5, Ramp(100));  // far fewer samples than the setup's hit length
  Hit(dta, Second, 5);
  dta.Waveform(2 * Second, 6, Ramp(10));
  Hit(dta, 2 * Second, 6);
  const ZTDataSet set = Load(dta);
  const std::optional<ZTWaveform> cut = WaveformOfHit(set, 0);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->Samples, Ramp(100));
  EXPECT_TRUE(cut->Scale.Known);
  EXPECT_EQ(cut->Scale.SamplesPerHit(), 3072);
  const std::optional<ZTWaveform> bare = WaveformOfHit(set, 1);
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->Samples, Ramp(10));
  EXPECT_FALSE(bare->Scale.Known);
  EXPECT_EQ(bare->Scale.VoltsPerCount(), 0.0);
  EXPECT_EQ(bare->TimeUs(3), 3.0);  // unscaled: the sample's number
}

TEST_F(WaveformFile, AWaveformCutByTheEndOfTheFileIsNotRead) {
  DtaBuilder dta = SetupWith({DtaBuilder::RecorderSub(0, 1, 1000, 0, 10)});
  Hit(dta, Second, 1);
  DtaBuilder wave;
  wave.Waveform(Second, 1, Ramp(50));
  DtaBuilder::Bytes bytes = dta.Get();
  bytes.insert(bytes.end(), wave.Get().begin(), wave.Get().end() - 7);
  const std::string path = dir_.File("CUT.DTA");
  test::WriteFileBytes(path, bytes);
  ZTDataSet set;
  set.Load(path);
  EXPECT_EQ(set.HitCount, 1u);
  EXPECT_EQ(set.RecCount, 3);
  EXPECT_TRUE(set.Waveforms.Empty());
}

TEST_F(WaveformFile, SavingKeepsEveryWaveformByteForByteAndOnlyDeletedHitsGo) {
  DtaBuilder dta = SetupWith({DtaBuilder::RecorderSub(0, 1, 1000, 0, 10)});
  for (int k = 0; k < 4; ++k) {
    dta.Waveform((k + 1) * Second, 1, Ramp(300, k + 1));
    Hit(dta, (k + 1) * Second, 1, 40 + k);
  }
  dta.Message(15);
  ZTDataSet set = Load(dta);
  const std::string same = dir_.File("SAME.DTA");
  set.SaveAs(same);
  EXPECT_EQ(test::ReadFileBytes(same), dta.Get());

  // Delete the second hit: its waveform stays, as every record that is not a hit does.
  DtaBuilder expected = SetupWith({DtaBuilder::RecorderSub(0, 1, 1000, 0, 10)});
  for (int k = 0; k < 4; ++k) {
    expected.Waveform((k + 1) * Second, 1, Ramp(300, k + 1));
    if (k != 1) Hit(expected, (k + 1) * Second, 1, 40 + k);
  }
  expected.Message(15);
  int n = 0;
  for (ZTShortHit& rec : set.Recs)
    if (rec.IsHit() && n++ == 1) rec.SetDeleted(true);
  set.DeletedCount = 1;
  const std::string saved = dir_.File("SAVED.DTA");
  set.SaveAs(saved);
  EXPECT_EQ(test::ReadFileBytes(saved), expected.Get());
}

TEST_F(WaveformFile, AFileChangedSinceItWasLoadedGivesAnErrorNotAnotherWaveform) {
  DtaBuilder dta = SetupWith({DtaBuilder::RecorderSub(0, 1, 1000, 0, 10)});
  dta.Waveform(Second, 1, Ramp(20));
  Hit(dta, Second, 1);
  const ZTDataSet set = Load(dta);
  ASSERT_EQ(set.Waveforms.Size(), 1u);
  DtaBuilder other = SetupWith({DtaBuilder::RecorderSub(0, 1, 1000, 0, 10)});
  other.Waveform(Second, 2, Ramp(20));
  other.Save(path_);
  EXPECT_THROW(set.ReadWaveform(set.Waveforms.Entries()[0].Hit), EDataFile);
  test::WriteFileBytes(path_, {});
  EXPECT_THROW(set.ReadWaveform(set.Waveforms.Entries()[0].Hit), EDataFile);
}

TEST(WaveformReader, CountsWaveformsAndRefusesToCopyOneReadWithoutItsSamples) {
  test::TempDir dir;
  DtaBuilder dta = SetupWith({DtaBuilder::RecorderSub(0, 1, 1000, 0, 10)});
  dta.Waveform(Second, 1, Ramp(20));
  Hit(dta, Second, 1);
  dta.Message(173, {1, 2, 3});  // too short to hold a sample
  const std::string path = dir.File("W.DTA");
  dta.Save(path);
  OpenedDataFile opened = OpenDataFile(path);
  auto& reader = dynamic_cast<LDFile&>(*opened.Reader);
  EXPECT_EQ(reader.CountRecs(), 5);
  EXPECT_EQ(reader.CountedWaveforms(), 1);
  reader.SeekFirst();
  reader.SkipWaveformSamples(true);
  ASSERT_TRUE(reader.ReadNext() && reader.ReadNext() && reader.ReadNext());
  AWaveformPlace place;
  ASSERT_TRUE(reader.GetWaveformPlace(place));
  EXPECT_EQ(place.Offset, static_cast<std::int64_t>(dta.Get().size()) - (2 + 4) - (2 + 22) - (2 + 50));
  EXPECT_EQ(place.Ticks, Second);
  EXPECT_EQ(place.Channel, 1);
  EXPECT_EQ(place.Samples, 20);
  EXPECT_TRUE(place.Scale.Known);
  DataStream out(dir.File("COPY.DTA"), "wb");
  LDFile writer(out.Get());
  EXPECT_THROW(writer.Append(reader), EDataFile);
  ASSERT_TRUE(reader.ReadNext());
  EXPECT_FALSE(reader.GetWaveformPlace(place));  // a hit
  ASSERT_TRUE(reader.ReadNext());
  EXPECT_TRUE(reader.IsWaveform());
  EXPECT_FALSE(reader.IsSampledWaveform());
}

TEST(RealDtaWaveforms, EightWaveformsOfTheirHitsScaledByTheRecorderSetup) {
  const std::string real = test::RealDtaFile();
  if (real.empty()) GTEST_SKIP() << "the real instrument file is not beside the project";
  ZTDataSet set;
  set.Load(real);
  ASSERT_EQ(set.HitCount, 8u);
  ASSERT_EQ(set.Waveforms.Size(), 8u);
  struct Expected {
    int Channel;
    std::int16_t First, Last;
    int Peak;
  };
  const Expected expected[] = {{7, 14, 2, 516},  {5, 26, 9, 108}, {4, 0, -2, 272},   {6, -8, -8, 77},
                               {5, -2, -10, 61}, {5, 11, 6, 74},  {5, -20, -7, 249}, {15, -3, 8, 299}};
  std::size_t k = 0;
  for (std::size_t i = 0; i < set.Recs.size(); ++i) {
    const ZTShortHit& hit = set.Recs[i];
    if (!hit.IsHit()) continue;
    SCOPED_TRACE(k);
    const std::optional<ZTWaveform> wave = set.ReadWaveform(i);
    ASSERT_TRUE(wave);
    ASSERT_LT(k, std::size(expected));
    const Expected& e = expected[k++];
    EXPECT_EQ(wave->Channel, e.Channel);
    EXPECT_EQ(wave->Channel, hit.Channel);
    EXPECT_EQ(wave->Time, hit.Time);
    ASSERT_EQ(wave->Samples.size(), 3072u);
    EXPECT_EQ(wave->Samples.front(), e.First);
    EXPECT_EQ(wave->Samples.back(), e.Last);
    EXPECT_EQ(wave->PeakCounts(), e.Peak);
    const AWaveformScale& s = wave->Scale;
    EXPECT_TRUE(s.Known);
    EXPECT_EQ(s.RateKHz, 10000);
    EXPECT_EQ(s.DelaySamples, -1280);
    EXPECT_EQ(s.FullScaleVolts, 10);
    EXPECT_EQ(s.SamplesPerHit(), 3072);
    EXPECT_EQ(s.GainDb, 0);
    EXPECT_EQ(s.PreampDb, 60);
    EXPECT_DOUBLE_EQ(wave->Volts(0), e.First * 10.0 / 32768.0);
    EXPECT_DOUBLE_EQ(wave->TimeUs(0), -128.0);
    EXPECT_DOUBLE_EQ(wave->TimeUs(3071), 179.1);
    // The peak in dB over 1 uV at the sensor is the hit's amplitude, within 1 dB.
    const double peakDb = 20.0 * std::log10(wave->PeakCounts() * s.VoltsPerCount() / 1e-6) - s.PreampDb;
    EXPECT_NEAR(peakDb, hit.Amplitude, 1.0);
    EXPECT_GT(peakDb, hit.Amplitude);  // the amplitude is the whole decibels below
  }
  EXPECT_EQ(k, 8u);
}

}  // namespace
}  // namespace ae
