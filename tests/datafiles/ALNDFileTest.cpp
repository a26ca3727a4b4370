#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ALNCalibration.h"
#include "datafiles/ALNDFile.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/DataStream.h"
#include "datafiles/EDataFile.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/AlineIsaBuilder.h"
#include "tests/support/ReaderSamples.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::AlineIsaBuilder;

constexpr std::uint32_t Start = 1622109600;

// Every test starts and ends with the shared calibration at its defaults, so that no test sees
// the channel setups another one read.
class ALNDFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ALNCalibration::Shared().ResetToDefaults(); }
  void TearDown() override { ALNCalibration::Shared().ResetToDefaults(); }

  ALNDFile& Open(const AlineIsaBuilder& builder) {
    const std::string path = dir_.File("f" + std::to_string(++files_) + ".ald");
    builder.Save(path);
    file_.reset();
    stream_ = DataStream(path, "rb");
    file_ = std::make_unique<ALNDFile>(stream_.Get());
    return *file_;
  }

  test::TempDir dir_;
  int files_ = 0;
  DataStream stream_;
  std::unique_ptr<ALNDFile> file_;  // destroyed before its stream
};

double DefaultTotal() { return ALNCalibration::Entry::Default().Total; }

TEST(ALNCalibration, DefaultsGiveTheDocumentedTotal) {
  const ALNCalibration table;
  const ALNCalibration::Entry& e = table.At(0);
  EXPECT_EQ(e.Mode, 1);
  EXPECT_EQ(e.GainCode, 35);
  EXPECT_EQ(e.SetupValue, 5);
  EXPECT_NEAR(e.Base, 20.0 * std::log10(1221.0 * 1000 / 1000 / 100 / 5), 1e-12);
  EXPECT_DOUBLE_EQ(e.Gain, 13.125);
  EXPECT_NEAR(e.Total, 20.8799, 0.0001);  // the documented 20.879...
  for (int ch = 0; ch < ALNCalibration::Channels; ++ch) EXPECT_DOUBLE_EQ(table.Total(ch), e.Total);
}

TEST(ALNCalibration, ModeTwoScalesThePreamplifierFactor) {
  ALNCalibration table;
  ALNCalibration::Entry e = ALNCalibration::Entry::Default();
  e.Mode = 2;
  ASSERT_TRUE(table.SetEntry(1, e));
  EXPECT_NEAR(table.At(1).Base, table.At(0).Base + 80.0, 1e-9);  // p = P * 0.0001
}

TEST(ALNCalibration, BaseWithoutAFactorOrWithAZeroDivisorIsZero) {
  struct Case {
    const char* what;
    std::int32_t mode, divisor, preamp, reference, scale;
  };
  const Case cases[] = {
      {"mode 0", 0, 100, 5, 1221, 1000}, {"mode 3", 3, 100, 5, 1221, 1000},
      {"D = 0", 1, 0, 5, 1221, 1000},    {"P = 0", 1, 100, 0, 1221, 1000},
      {"S = 0", 1, 100, 5, 1221, 0},     {"R = 0", 1, 100, 5, 0, 1000},
      {"R < 0", 1, 100, 5, -1221, 1000}, {"P = 0, mode 2", 2, 100, 0, 1221, 1000},
  };
  for (const Case& c : cases) {
    ALNCalibration table;
    ALNCalibration::Entry e = ALNCalibration::Entry::Default();
    e.Mode = c.mode;
    e.Divisor = c.divisor;
    e.Preamp = c.preamp;
    e.Reference = c.reference;
    e.Scale = c.scale;
    e.GainCode = 40;
    table.SetEntry(3, e);
    EXPECT_EQ(table.At(3).Base, 0.0) << c.what;
    EXPECT_EQ(table.At(3).Total, 15.0) << c.what;
  }
}

TEST(ALNCalibration, ChannelsOutsideTheTableUseTheDefaultsAndAreNeverWritten) {
  ALNCalibration table;
  ALNCalibration::Entry e = ALNCalibration::Entry::Default();
  e.GainCode = 0;
  for (int ch = 0; ch < ALNCalibration::Channels; ++ch) table.SetEntry(ch, e);
  EXPECT_FALSE(table.ApplyChannelSetup(32, 7, 80));
  EXPECT_FALSE(table.ApplyChannelSetup(255, 7, 80));
  EXPECT_FALSE(table.ApplyChannelSetup(-1, 7, 80));
  EXPECT_FALSE(table.SetEntry(32, e));
  for (int ch = 0; ch < ALNCalibration::Channels; ++ch) EXPECT_EQ(table.At(ch).GainCode, 0);
  EXPECT_DOUBLE_EQ(table.Total(32), DefaultTotal());
  EXPECT_DOUBLE_EQ(table.Total(255), DefaultTotal());
  EXPECT_DOUBLE_EQ(table.Total(-1), DefaultTotal());
}

TEST_F(ALNDFileTest, HitOfOneHundredCountsWithDefaultCalibrationIsSixtyDb) {
  ALNDFile& f = Open(AlineIsaBuilder(Start).Hit(Start + 1, 0, 0, 100));
  f.SeekFirst();
  ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.GetValue(pcAmplitude), 60.0);  // 40 + 20.879 truncated
  ZTShortHit rec;
  f.GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 60);
}

TEST_F(ALNDFileTest, ChannelSetupChangesOnlyItsChannel) {
  AlineIsaBuilder b(Start);
  b.Hit(Start, 0, 1, 100).Hit(Start, 0, 2, 100).ChannelSetup(Start, 2, 9, 40);
  b.Hit(Start, 0, 1, 100).Hit(Start, 0, 2, 100).Hit(Start, 0, 3, 100);
  ALNDFile& f = Open(b);
  f.SeekFirst();
  const double before = DefaultTotal();
  const int expected[] = {60, 60, -1, 60, 62, 60};  // channel 2: 60.879 + 1.875 = 62.754
  for (int expectedDb : expected) {
    ASSERT_TRUE(f.ReadNext());
    if (expectedDb < 0) continue;  // the setup message
    EXPECT_EQ(f.GetValue(pcAmplitude), expectedDb) << "channel index " << f.Body()[0];
  }
  const ALNCalibration& table = ALNCalibration::Shared();
  EXPECT_NEAR(table.Total(2) - before, 1.875, 1e-12);
  EXPECT_EQ(table.At(2).GainCode, 40);
  EXPECT_EQ(table.At(2).SetupValue, 9);
  for (int ch = 0; ch < ALNCalibration::Channels; ++ch) {
    if (ch == 2) continue;
    EXPECT_DOUBLE_EQ(table.Total(ch), before) << ch;
  }
}

TEST_F(ALNDFileTest, SetupsReadFromOneFileStayInForceForTheNext) {
  Open(AlineIsaBuilder(Start).ChannelSetup(Start, 5, 5, 51)).CountRecs();  // +6 dB on channel 5
  ALNDFile& second = Open(AlineIsaBuilder(Start).Hit(Start, 0, 5, 100));
  second.SeekFirst();
  ASSERT_TRUE(second.ReadNext());
  EXPECT_EQ(second.GetValue(pcAmplitude), 66.0);
}

// A gain change half-way applies from its place in the file on, also when one reader counts the
// file first and reads it twice (aetool's tests check dump, export and load).
TEST_F(ALNDFileTest, AGainChangeAfterSomeHitsAppliesInEveryPassOfOneReader) {
  const std::vector<int> expected = {60, 60, 62, 60, 62};  // channel 3 at 60.879 dB, then 62.754 dB
  // One reader, counted first and read twice.
  ALNCalibration::Shared().ResetToDefaults();
  ALNDFile& f = Open(test::GainChangeIsaFile(false));
  EXPECT_EQ(f.CountRecs(), 6);
  for (int pass = 0; pass < 2; ++pass) {
    std::vector<int> amplitudes;
    f.SeekFirst();
    while (f.ReadNext())
      if (f.IsHit()) amplitudes.push_back(static_cast<int>(f.GetValue(pcAmplitude)));
    EXPECT_EQ(amplitudes, expected) << "pass " << pass;
  }
  EXPECT_EQ(ALNCalibration::Shared().At(2).GainCode, 40);  // in force for the next file
}

TEST_F(ALNDFileTest, ChannelIndexBeyondTheTable) {
  AlineIsaBuilder b(Start);
  // Every channel in the table gets gain code 0; a setup for index 40 must change nothing.
  for (int ch = 0; ch < ALNCalibration::Channels; ++ch) b.ChannelSetup(Start, ch, 5, 0);
  b.ChannelSetup(Start, 40, 5, 99).ChannelSetup(Start, 255, 5, 99);
  b.Hit(Start, 0, 40, 100).Hit(Start, 0, 255, 100).Hit(Start, 0, 31, 100);
  ALNDFile& f = Open(b);
  EXPECT_EQ(f.CountRecs(), ALNCalibration::Channels + 5);
  for (int ch = 0; ch < ALNCalibration::Channels; ++ch) ASSERT_EQ(ALNCalibration::Shared().At(ch).GainCode, 0);

  f.SeekFirst();
  for (int i = 0; i < ALNCalibration::Channels + 2; ++i) ASSERT_TRUE(f.ReadNext());
  ZTShortHit rec;
  ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.GetValue(pcAmplitude), 60.0);  // default calibration
  EXPECT_EQ(f.GetValue(pcChannel), 41.0);
  ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.GetValue(pcAmplitude), 60.0);
  EXPECT_EQ(f.GetValue(pcChannel), 256.0);
  f.GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 60);
  ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.GetValue(pcAmplitude), 47.0);  // 40 + 7.754, gain code 0
}

TEST_F(ALNDFileTest, AmplitudeZeroIsZeroDb) {
  ALNDFile& f = Open(AlineIsaBuilder(Start).Hit(Start, 0, 0, 0));
  f.SeekFirst();
  ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.GetValue(pcAmplitude), 0.0);
  ZTShortHit rec;
  rec.Amplitude = 77;
  f.GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 0);
}

TEST_F(ALNDFileTest, AmplitudeIsClampedIntoItsField) {
  ALNCalibration::Entry loud = ALNCalibration::Entry::Default();
  loud.Mode = 2;        // base 87.75 dB
  loud.GainCode = 255;  // gain 95.625 dB
  ALNCalibration::Entry quiet = ALNCalibration::Entry::Default();
  quiet.Reference = 1;  // base -53.98 dB
  quiet.GainCode = 0;
  ALNCalibration::Shared().SetEntry(0, loud);
  ALNCalibration::Shared().SetEntry(1, quiet);
  ALNDFile& f = Open(AlineIsaBuilder(Start).Hit(Start, 0, 0, 65535).Hit(Start, 0, 0, 100).Hit(Start, 0, 1, 10));
  f.SeekFirst();
  ZTShortHit rec;

  ASSERT_TRUE(f.ReadNext());  // 96.33 + 183.38 = 279.7 dB
  EXPECT_EQ(f.GetValue(pcAmplitude), 279.0);
  f.GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 255);

  ASSERT_TRUE(f.ReadNext());  // 40 + 183.38 = 223.4 dB: fits 8 bits
  f.GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 223);

  ASSERT_TRUE(f.ReadNext());  // 20 - 53.98 = -34 dB
  EXPECT_EQ(f.GetValue(pcAmplitude), 0.0);
  f.GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 0);
}

TEST_F(ALNDFileTest, GetTimeIsSignedSecondsSinceTheStartPlusMicroseconds) {
  struct Case {
    std::uint32_t start, seconds, micros;
    double expected;
  };
  const Case cases[] = {
      {Start, Start + 3, 500000, 3.5},    {Start, Start, 0, 0.0},
      {Start, Start - 2, 250000, -1.75},  {0xFFFFFFFF, 1, 0, 2.0},  // the difference wraps like a 32-bit number
      {0, 0x80000000u, 0, -2147483648.0},                           // and is read as signed
      {Start, Start + 1, 2500000, 3.5},                             // microseconds beyond one second still add
  };
  for (const Case& c : cases) {
    ALNDFile& f = Open(AlineIsaBuilder(c.start).Record(3, c.seconds, c.micros, AlineIsaBuilder::Bytes(16)));
    EXPECT_EQ(f.StartTime(), c.start);
    f.SeekFirst();
    ASSERT_TRUE(f.ReadNext());
    EXPECT_DOUBLE_EQ(f.GetTime(), c.expected) << c.seconds << " - " << c.start;
    EXPECT_DOUBLE_EQ(f.GetValue(pcTime), c.expected);
  }
}

TEST_F(ALNDFileTest, HitRecordFields) {
  AlineIsaBuilder b(Start);
  b.Hit(Start + 3, 500000, 6, 1000, /*energy*/ 0x12345, /*duration*/ 0x89ABCDEF, /*rise*/ 0x10007,
        /*counts*/ 0x2FFFF, /*type*/ 4);
  ALNDFile& f = Open(b);
  f.SeekFirst();
  ASSERT_TRUE(f.ReadNext());
  EXPECT_TRUE(f.IsHit());
  ZTShortHit rec;
  rec.SetDeleted(true);
  rec.SetGrouped(true);
  rec.FrameBits = 3;
  f.GetRec(rec);
  EXPECT_EQ(rec.Kind, rkHit);
  EXPECT_FALSE(rec.IsFlagged());
  EXPECT_EQ(rec.Time, ATestTime::FromSeconds(3.5L));
  EXPECT_EQ(rec.Channel, 7);
  EXPECT_EQ(rec.Amplitude, 80);  // 60 + 20.879
  EXPECT_EQ(rec.Rise, 0x0007);
  EXPECT_EQ(rec.Counts, 0xFFFF);
  EXPECT_EQ(rec.Energy, 0x2345);
  EXPECT_EQ(rec.Duration, 0x89ABCDEFu);

  EXPECT_EQ(f.GetValue(pcChannel), 7.0);
  EXPECT_EQ(f.GetValue(pcRise), 0x10007);
  EXPECT_EQ(f.GetValue(pcCounts), 0x2FFFF);
  EXPECT_EQ(f.GetValue(pcEnergy), 0x12345);
  EXPECT_EQ(f.GetValue(pcDuration), 0x89ABCDEFu);
  EXPECT_EQ(f.GetValue(pcAmplitude), 80.0);
  for (int code : {pcHits, pcSeq, pcCntPk, pcDP, pcRMS, pcPar1, pcGain, pcThreshold, pcAverFreq})
    EXPECT_EQ(f.GetValue(code), 0.0) << code;
}

TEST_F(ALNDFileTest, KindsAndQueriesByType) {
  struct Case {
    std::uint32_t type;
    int kind;
    bool hit, timeDriven;
  };
  const Case cases[] = {
      {0, rkHit, true, false},    {1, rkOther, false, false},
      {2, rkOther, false, false}, {3, rkTimeDriven, false, true},
      {4, rkHit, true, false},    {5, rkOther, false, false},
      {6, rkOther, false, false}, {0xFFFFFFFF, rkOther, false, false},
  };
  for (const Case& c : cases) {
    ALNDFile& f = Open(AlineIsaBuilder(Start).Record(c.type, Start + 1, 0, AlineIsaBuilder::Bytes(36)));
    f.SeekFirst();
    ASSERT_TRUE(f.ReadNext());
    ZTShortHit rec;
    rec.Channel = 9;
    rec.Time = ATestTime(1, 2, 3);
    f.GetRec(rec);
    EXPECT_EQ(rec.Kind, c.kind) << c.type;
    if (c.kind != rkHit) {  // only hits fill the fields
      EXPECT_EQ(rec.Channel, 9) << c.type;
      EXPECT_EQ(rec.Time, ATestTime(1, 2, 3)) << c.type;
    }
    EXPECT_EQ(f.IsHit(), c.hit) << c.type;
    EXPECT_EQ(f.IsTimeDriven(), c.timeDriven) << c.type;
    EXPECT_TRUE(f.HasTime());
    EXPECT_TRUE(f.IsKnown());
    EXPECT_FALSE(f.IsStop());
    EXPECT_FALSE(f.IsComment());
    EXPECT_FALSE(f.IsEndOfData());
    EXPECT_FALSE(f.IsWaveform());
    EXPECT_TRUE(f.IsALine());
    EXPECT_FALSE(f.CanFilter());
  }
}

TEST_F(ALNDFileTest, BodyLengthDependsOnTheType) {
  // A record of the type with a body of exactly its length, then a marker record: the marker
  // is only found where it was written if the first body was read with the right length.
  const std::pair<std::uint32_t, int> bodies[] = {{0, 32}, {1, 16}, {2, 32}, {3, 16},
                                                  {4, 36}, {5, 36}, {6, 16}, {0x7FFFFFFF, 16}};
  for (const auto& [type, length] : bodies) {
    EXPECT_EQ(ALNDFile::BodySize(type), length);
    AlineIsaBuilder b(Start);
    b.Record(type, Start, 0, AlineIsaBuilder::Bytes(static_cast<std::size_t>(length), 0x11));
    b.Record(3, Start + 7, 123, AlineIsaBuilder::Bytes(16));
    ALNDFile& f = Open(b);
    EXPECT_EQ(f.CountRecs(), 2) << type;
    f.SeekFirst();
    ASSERT_TRUE(f.ReadNext());
    EXPECT_EQ(f.Type(), type);
    ASSERT_TRUE(f.ReadNext());
    EXPECT_EQ(f.Type(), 3u) << type;
    EXPECT_EQ(f.Seconds(), Start + 7) << type;
    EXPECT_EQ(f.Microseconds(), 123u) << type;
    EXPECT_FALSE(f.ReadNext());
  }
}

TEST_F(ALNDFileTest, ShortRecordEndsReadingAndIsNotDecoded) {
  // A whole hit, then a second one cut inside its head or its body.
  for (std::size_t keep :
       {std::size_t{1}, std::size_t{11}, std::size_t{12}, std::size_t{12 + 16}, std::size_t{12 + 31}}) {
    AlineIsaBuilder b(Start);
    b.Hit(Start + 1, 0, 0, 100).Hit(Start + 2, 0, 1, 1000);
    b.Truncate(b.FirstRecordOffset() + 44 + keep);
    ALNDFile& f = Open(b);
    EXPECT_EQ(f.CountRecs(), 1) << keep;
    EXPECT_EQ(f.CountHits(), 1) << keep;
  }

  // A cut channel setup changes no calibration, and the record before it stays current.
  AlineIsaBuilder b(Start);
  b.Hit(Start + 1, 0, 0, 100).ChannelSetup(Start, 0, 5, 60);
  b.Truncate(b.Get().size() - 1);
  ALNDFile& f = Open(b);
  f.SeekFirst();
  ASSERT_TRUE(f.ReadNext());
  EXPECT_FALSE(f.ReadNext());
  EXPECT_EQ(ALNCalibration::Shared().At(0).GainCode, 35);
  EXPECT_TRUE(f.IsHit());
  EXPECT_EQ(f.GetValue(pcAmplitude), 60.0);
  EXPECT_FALSE(f.ReadNext());
  EXPECT_EQ(f.CountRecs(), 1);
  EXPECT_EQ(f.CountHits(), 1);
}

TEST_F(ALNDFileTest, PositioningAndCounting) {
  AlineIsaBuilder b(Start, 3, 30);
  b.ChannelSetup(Start, 0, 5, 35).Hit(Start, 1, 0, 50).Record(3, Start, 2, AlineIsaBuilder::Bytes(16));
  b.Hit(Start, 3, 1, 50, 1, 1, 1, 1, 4).Record(5, Start, 4, AlineIsaBuilder::Bytes(36));
  ALNDFile& f = Open(b);
  EXPECT_EQ(f.ConfigDataOffset(), 3948 + 3 * 12);
  EXPECT_TRUE(f.IsFirst());  // construction leaves the stream at the first record
  ASSERT_TRUE(f.ReadNext());
  EXPECT_FALSE(f.IsFirst());
  EXPECT_EQ(f.CountRecs(), 5);
  EXPECT_FALSE(f.ReadNext());  // counting leaves the cursor at the end
  EXPECT_EQ(f.CountHits(), 2);
  f.SeekFirst();
  EXPECT_TRUE(f.IsFirst());
  ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.Type(), 1u);
  f.SeekBegin();
  EXPECT_FALSE(f.IsFirst());
  ASSERT_TRUE(f.ReadNext());  // the header read as a record: a defined, meaningless one
  EXPECT_EQ(f.Seconds(), 0u);
}

TEST_F(ALNDFileTest, HeaderImage) {
  AlineIsaBuilder b(Start, 2, 24);
  b.PutWord(100, 0xDEADBEEF).PutWord(3850, 0x01020304);
  ALNDFile& f = Open(b);
  const ALNHead& h = f.Head();
  EXPECT_EQ(h.FileTypeWord(), 0xAA01u);
  EXPECT_EQ(h.ConfigSignatureWord(), 0x1313CFCFu);
  EXPECT_EQ(h.StartTime(), Start);
  EXPECT_EQ(h.TestParameters()[4], 0xEF);
  EXPECT_EQ(h.ConfigHeader()[6], 0x04);
  EXPECT_EQ(h.BlockCount(), 2u);
  EXPECT_EQ(h.ConfigSize(), 24u);
  ASSERT_EQ(h.Blocks().size(), 2u);
  EXPECT_EQ(h.Blocks()[1].Type, 2u);
  EXPECT_EQ(h.Blocks()[1].Offset, 12u);
  EXPECT_EQ(h.Blocks()[1].Size, 12u);
  EXPECT_EQ(h.FirstRecordOffset(), 3948 + 24 + 24);
  EXPECT_EQ(f.CountRecs(), 0);  // a header without records
}

TEST_F(ALNDFileTest, HostileHeadersRaiseEDataFile) {
  struct Case {
    const char* what;
    AlineIsaBuilder file;
    const char* message;
  };
  const std::size_t end = AlineIsaBuilder(Start, 2, 24).Get().size();
  Case cases[] = {
      {"empty", AlineIsaBuilder(Start).Truncate(0), "truncated"},
      {"file header only", AlineIsaBuilder(Start).Truncate(96), "truncated"},
      {"no configuration size", AlineIsaBuilder(Start).Truncate(3947), "truncated"},
      {"huge block count", AlineIsaBuilder(Start).PutWord(3940, 0xFFFFFFFF), "4294967295 configuration blocks"},
      // A table that would fit in the file but is larger than any instrument writes.
      {"more blocks than a file has", AlineIsaBuilder(Start, ALNHead::MaxBlocks + 1, 0), "65537 configuration blocks"},
      {"block table one byte short", AlineIsaBuilder(Start, 2, 0).Truncate(3948 + 23), "block count (2)"},
      {"huge configuration size", AlineIsaBuilder(Start).PutWord(3944, 0xFFFFFFFF), "configuration size"},
      {"configuration one byte short", AlineIsaBuilder(Start, 2, 24).Truncate(end - 1), "configuration size"},
      {"count and size that wrap in 32 bits",
       AlineIsaBuilder(Start, 0, 0).PutWord(3940, 0x15555556).PutWord(3944, 0xFFFFFFF0), "configuration blocks"},
  };
  for (Case& c : cases) {
    const std::string path = dir_.File("hostile.ald");
    c.file.Save(path);
    DataStream s(path, "rb");
    try {
      ALNDFile f(s.Get());
      ADD_FAILURE() << c.what << ": no error";
    } catch (const EDataFile& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find("A-Line ISA"), std::string::npos) << e.what();
    }
  }
  // Exactly fitting counts are fine.
  ALNDFile& f = Open(AlineIsaBuilder(Start, 2, 24));
  EXPECT_EQ(f.CountRecs(), 0);
}

TEST_F(ALNDFileTest, OpenDataFileRecognisesTheFormat) {
  const std::string path = dir_.File("test.ald");
  AlineIsaBuilder(Start).Hit(Start, 0, 0, 100).Hit(Start, 1, 1, 100).Save(path);
  OpenedDataFile opened = OpenDataFile(path);
  EXPECT_EQ(opened.Type, ftAline);
  ASSERT_NE(dynamic_cast<ALNDFile*>(opened.Reader.get()), nullptr);
  EXPECT_TRUE(opened.Reader->IsALine());
  opened.Reader->SeekFirst();
  EXPECT_EQ(opened.Reader->CountHits(), 2);
  EXPECT_EQ(DescribeDataFile(path),
            "Data type: Aline ISA\nNumber of hits\t\t: 2\nFirst record time\t: 0.0000000 sec\n"
            "Last record time\t: 0.0000010 sec\n");

  // Without the configuration signature the file is not an A-Line ISA file (nor anything else).
  const std::string unsigned_ = dir_.File("nosig.ald");
  AlineIsaBuilder(Start).PutWord(3844, 0x1313CFCE).Save(unsigned_);
  try {
    OpenDataFile(unsigned_);
    ADD_FAILURE() << "no error";
  } catch (const EDataFile& e) {
    EXPECT_STREQ(e.what(), MsgUnknownDataType);
  }

  // A recognised file with a damaged header raises the header's error, not a crash.
  const std::string damaged = dir_.File("damaged.ald");
  AlineIsaBuilder(Start).PutWord(3944, 0x7FFFFFFF).Save(damaged);
  EXPECT_THROW(OpenDataFile(damaged), EDataFile);
}

TEST_F(ALNDFileTest, NoWriterPairForAnIsaFile) {
  const std::string path = dir_.File("test.ald");
  AlineIsaBuilder(Start).Hit(Start, 0, 0, 100).Save(path);
  DataStream source(path, "rb");
  DataStream destination(dir_.File("copy.ald"), "wb");
  try {
    CreateWriterPair(source.Get(), destination.Get());
    ADD_FAILURE() << "no error";
  } catch (const EDataFile& e) {
    EXPECT_STREQ(e.what(), MsgUnknownDataType);
  }
  EXPECT_THROW(CreateWriterPairOf(ftAline, source.Get(), destination.Get()), EDataFile);
}

}  // namespace
}  // namespace ae
