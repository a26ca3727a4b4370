#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ALNPCIDFile.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataStream.h"
#include "datafiles/EDataFile.h"
#include "datafiles/LDFile.h"
#include "datafiles/Recognition.h"
#include "tests/support/AlinePciBuilder.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::AlinePciBuilder;
using Bytes = AlinePciBuilder::Bytes;
using Hit = AlinePciBuilder::HitFields;
using Channel = AlinePciBuilder::Channel;

constexpr std::uint32_t Start = AlinePciBuilder::DefaultStartTime;

// Channel 0 has unit calibration (K = 1, Freq 1000 kHz), so energies in dB are 10 log10(E).
Channel UnitChannel(std::uint32_t index, std::uint16_t devType = 3) {
  Channel c;
  c.Index = index;
  c.Gain = 0;
  c.DAdc = 1.0f;
  c.Freq1 = 1000;
  c.DevType = devType;
  return c;
}

class ALNPCIDFileTest : public ::testing::Test {
 protected:
  struct Opened {
    DataStream Stream;
    std::unique_ptr<ALNPCIDFile> File;
  };

  Opened Open(const Bytes& bytes) {
    const std::string path = dir_.File("file" + std::to_string(files_++) + ".ald");
    test::WriteFileBytes(path, bytes);
    Opened opened;
    opened.Stream = DataStream(path, "rb");
    if (!opened.Stream) throw std::runtime_error("cannot open " + path);
    opened.File = std::make_unique<ALNPCIDFile>(opened.Stream.Get());
    opened.File->SeekFirst();
    return opened;
  }

  // A file of one hit on a unit-calibrated channel of the given DevType.
  Opened OpenOneHit(const Hit& hit, std::uint16_t devType = 3) {
    Opened opened = Open(AlinePciBuilder().Channels({UnitChannel(hit.ChannelIndex, devType)}).Hit(hit).Build());
    if (!opened.File->ReadNext()) throw std::runtime_error("the hit was not read");
    return opened;
  }

  test::TempDir dir_;
  int files_ = 0;
};

TEST_F(ALNPCIDFileTest, ScaleCodeMultipliesRiseAndDuration) {
  struct Case {
    std::uint16_t W;
    double Scale;
  };
  const Case cases[] = {{0x0400, 1.0}, {0x0800, 2.0}, {0x1000, 0.5}, {0x1800, 0.25}, {0x0C00, 1.0}, {0x1C00, 1.0}};
  for (const Case& c : cases) {
    Hit h;
    h.Extension = c.W;
    h.Rise = 100;
    h.Duration = 1000;
    Opened f = OpenOneHit(h);
    EXPECT_EQ(f.File->GetValue(pcDuration), 1000 * c.Scale) << std::hex << c.W;
    EXPECT_EQ(f.File->GetValue(pcRise), 100 * c.Scale) << std::hex << c.W;
    ZTShortHit rec;
    f.File->GetRec(rec);
    EXPECT_EQ(rec.Duration, 1000 * c.Scale) << std::hex << c.W;
  }
  // A scaled value that is not whole is truncated.
  Hit h;
  h.Extension = 0x1800;
  h.Duration = 7;
  EXPECT_EQ(OpenOneHit(h).File->GetValue(pcDuration), 1.0);
}

TEST_F(ALNPCIDFileTest, ExtensionWordCarriesBit16AndAboveThatTheFieldsDropOrKeep) {
  Hit h;
  h.Extension = 0x0070;
  h.Rise = 10;
  Opened f = OpenOneHit(h);
  EXPECT_EQ(f.File->GetValue(pcRise), 458762.0);  // 7 x 65536 + 10
  ZTShortHit rec;
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Rise, 10);  // the 16-bit field keeps the low bits

  Hit g;
  g.Extension = 0x0080 | 0x0003;  // counts bit 16, duration bits 16 and 17
  g.Counts = 5;
  g.Duration = 6;
  Opened f2 = OpenOneHit(g);
  EXPECT_EQ(f2.File->GetValue(pcCounts), 65541.0);
  EXPECT_EQ(f2.File->GetValue(pcDuration), 3 * 65536.0 + 6);
  f2.File->GetRec(rec);
  EXPECT_EQ(rec.Counts, 5);
  EXPECT_EQ(rec.Duration, 3u * 65536u + 6u);  // the duration field is 32 bits wide
}

TEST_F(ALNPCIDFileTest, AmplitudeInDecibelsAtTheSensor) {
  // 20 log10(A x 1000 x d_ADC / 1000) - gain with d_ADC = 305.17578125 uV and gain 40 dB.
  const Channel standard;  // builder defaults
  Opened f = Open(AlinePciBuilder()
                      .Channels({standard})
                      .Hit({.Amplitude = 328})
                      .Hit({.Amplitude = 0})
                      .Hit({.Amplitude = 0, .Extension = 0x0008})  // 65536 ADC counts
                      .Build());
  ZTShortHit rec;
  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_NEAR(f.File->GetValue(pcAmplitude), 60.0085, 1e-4);
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 60);

  ASSERT_TRUE(f.File->ReadNext());  // amplitude 0: no logarithm, 0 dB
  EXPECT_EQ(f.File->GetValue(pcAmplitude), 0.0);
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 0);

  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_NEAR(f.File->GetValue(pcAmplitude), 20 * std::log10(65536 * 305.17578125) - 40, 1e-9);
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 106);
}

TEST_F(ALNPCIDFileTest, AmplitudeFieldStaysWithinItsByte) {
  Channel quiet = UnitChannel(0);
  quiet.DAdc = 0.001f;  // 1 ADC count is -60 dB
  Channel loud = UnitChannel(1);
  loud.DAdc = 1e12f;  // 65535 counts are far above 255 dB
  Opened f = Open(AlinePciBuilder()
                      .Channels({quiet, loud})
                      .Hit({.ChannelIndex = 0, .Amplitude = 1})
                      .Hit({.ChannelIndex = 1, .Amplitude = 65535})
                      .Build());
  ZTShortHit rec;
  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_NEAR(f.File->GetValue(pcAmplitude), -60.0, 1e-3);
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 0);
  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_GT(f.File->GetValue(pcAmplitude), 300.0);
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 255);
}

TEST_F(ALNPCIDFileTest, EnergyInDecibelsWithItsFieldClamps) {
  // Unit calibration: e = 10 log10(E); DevType 3: E = 2 x E48.
  Channel small = UnitChannel(1);
  small.DAdc = 0.01f;  // 20 log10(K) = -40 dB
  Channel noFreq = UnitChannel(2);
  noFreq.Freq1 = 0x00010000;  // low 16 bits 0: E x 1000 / 0
  Opened f = Open(AlinePciBuilder()
                      .Channels({UnitChannel(0), small, noFreq})
                      .Hit({.ChannelIndex = 0, .Energy48 = 5001})  // 40.0009 dB
                      .Hit({.ChannelIndex = 1, .Energy48 = 100})   // 23 - 40 dB
                      .Hit({.ChannelIndex = 0, .Energy48 = 0})     // log of 0
                      .Hit({.ChannelIndex = 2, .Energy48 = 100})   // +inf
                      .Hit({.ChannelIndex = 2, .Energy48 = 0})     // 0 / 0
                      .Build());
  struct Expected {
    double Value;
    int Field;
  };
  const Expected expected[] = {
      {10 * std::log10(10002.0), 40}, {10 * std::log10(200.0) - 40, 1}, {0.0, 1}, {65535.0, 65535}, {0.0, 1}};
  for (const Expected& e : expected) {
    ASSERT_TRUE(f.File->ReadNext());
    EXPECT_NEAR(f.File->GetValue(pcEnergy), e.Value, 1e-6);
    ZTShortHit rec;
    f.File->GetRec(rec);
    EXPECT_EQ(rec.Energy, e.Field);
  }
}

TEST_F(ALNPCIDFileTest, EnergyOfTheOldFormDependsOnDevType) {
  struct Case {
    std::uint16_t DevType;
    std::uint16_t Counts;
    double E;
  };
  // E48 = 1000, duration 400 samples.
  const Case cases[] = {
      {0, 20, 1000.0 * 400 / 20 * 0.5},
      {1, 20, 10000.0},
      {2, 8, 25000.0},
      {1, 0, 1000.0 * 400 * 0.5},  // no counts: counted as one
      {3, 20, 2000.0},
      {7, 20, 2000.0},
      {500, 0, 2000.0},
  };
  for (const Case& c : cases) {
    Opened f = OpenOneHit({.Duration = 400, .Counts = c.Counts, .Energy48 = 1000}, c.DevType);
    EXPECT_EQ(static_cast<double>(f.File->Hit().EnergyAdc), c.E) << "DevType " << c.DevType;
    EXPECT_TRUE(std::isfinite(f.File->GetValue(pcEnergy)));
  }
  // The full 48 bits count.
  Opened f = OpenOneHit({.Energy48 = 0x123456789ABCull}, 3);
  EXPECT_EQ(static_cast<double>(f.File->Hit().EnergyAdc), 2.0 * 0x123456789ABCull);
}

TEST_F(ALNPCIDFileTest, PackedEnergyWithTheExtensionWord) {
  struct Case {
    std::uint32_t Packed;
    std::uint64_t E;
  };
  const Case cases[] = {{(3u << 5) | 10u, 3ull << 10}, {0xFFFFFFFFu, ((1ull << 27) - 1) << 31}, {1u << 5, 1}};
  for (const Case& c : cases) {
    // The packed value sits in the words at 26 and 28; the word at 24 is not part of it.
    Opened f = OpenOneHit({.Extension = 0x0400, .Counts = 0, .Energy48 = (std::uint64_t{c.Packed} << 16) | 0xFFFF}, 1);
    EXPECT_EQ(static_cast<double>(f.File->Hit().EnergyAdc), static_cast<double>(c.E)) << std::hex << c.Packed;
  }
}

TEST_F(ALNPCIDFileTest, TimeIsSecondsSinceTheStartTime) {
  Opened f = Open(AlinePciBuilder()
                      .Channels({UnitChannel(0)})
                      .Hit({.Seconds = Start + 10, .Microseconds = 250000})
                      .Hit({.Seconds = Start - 1, .Microseconds = 500000})  // before the start
                      .TimeMark(Start + 3, 250000, 42)
                      .Build());
  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_DOUBLE_EQ(f.File->GetTime(), 10.25);
  EXPECT_DOUBLE_EQ(f.File->GetValue(pcTime), 10.25);
  ZTShortHit rec;
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Time, ATestTime::FromSeconds(10.25L));
  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_DOUBLE_EQ(f.File->GetTime(), -0.5);
  ASSERT_TRUE(f.File->ReadNext());
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Kind, rkTimeMark);
  EXPECT_EQ(rec.Time, ATestTime::FromSeconds(3.25L));
}

TEST_F(ALNPCIDFileTest, CalibrationTableFromTheChannelBlock) {
  Channel a;
  a.Index = 0;
  a.Gain = 40;
  a.DAdc = 305.17578125f;
  a.Freq1 = 0x00070000 | 2000;  // only the low 16 bits count
  a.DevType = 2;
  Channel b = UnitChannel(5, 9);
  b.Gain = -20;
  b.DAdc = 100.0f;
  Channel outside = UnitChannel(200);
  // Another block first: the channel block is found by its type, not its place.
  Opened f = Open(AlinePciBuilder().Block(2, Bytes(64, 0xEE)).Channels({a, b, outside}).Build());
  const ALNPCICalibration& cal = f.File->Calibration();
  ASSERT_EQ(cal.Entries().size(), 3u);

  const auto& r0 = cal.RowOf(0);
  EXPECT_EQ(r0.Channel, 1);
  EXPECT_DOUBLE_EQ(r0.DAdc, 305.17578125);
  EXPECT_EQ(r0.DIn, 1000.0);
  EXPECT_EQ(r0.Gain, 40);
  EXPECT_EQ(r0.Freq, 2000);
  EXPECT_NEAR(r0.K, 3.0517578125, 1e-12);
  EXPECT_EQ(r0.DevType, 2);

  const auto& r5 = cal.RowOf(5);
  EXPECT_EQ(r5.Channel, 6);
  EXPECT_NEAR(r5.K, 1000.0, 1e-9);  // 100 / 10^(-1)
  EXPECT_EQ(r5.DevType, 9);

  for (std::uint32_t index : {1u, 4u, 127u, 128u, 200u, 65535u}) {
    const auto& r = cal.RowOf(index);
    EXPECT_EQ(r.Channel, 0) << index;
    EXPECT_EQ(r.DIn, 0.0) << index;
    EXPECT_EQ(r.K, 0.0) << index;
    EXPECT_EQ(r.Freq, 0) << index;
  }
}

TEST_F(ALNPCIDFileTest, ChannelIndexBeyondTheTableUsesAZeroRow) {
  Opened f = Open(AlinePciBuilder()
                      .Channels({UnitChannel(0)})
                      .Hit({.ChannelIndex = 200, .Amplitude = 500, .Duration = 10, .Counts = 2, .Energy48 = 1000})
                      .Hit({.ChannelIndex = 65535, .Amplitude = 1, .Extension = 0x0800, .Energy48 = 1u << 21})
                      .Build());
  ZTShortHit rec;
  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_EQ(f.File->GetValue(pcChannel), 201.0);
  EXPECT_EQ(f.File->GetValue(pcAmplitude), 0.0);
  EXPECT_EQ(f.File->GetValue(pcEnergy), 0.0);
  EXPECT_EQ(f.File->GetValue(pcDuration), 10.0);
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Kind, rkHit);
  EXPECT_EQ(rec.Channel, 201);
  EXPECT_EQ(rec.Amplitude, 0);
  EXPECT_EQ(rec.Energy, 1);

  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_EQ(f.File->GetValue(pcChannel), 65536.0);
  for (int code : {pcAmplitude, pcEnergy}) EXPECT_TRUE(std::isfinite(f.File->GetValue(code)));
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Channel, 0);  // index + 1 kept in 8 bits
  std::ostringstream text;
  f.File->DumpRec(text, 0);  // must not fail on the undefined values
  EXPECT_NE(text.str().find("65536"), std::string::npos);
}

TEST_F(ALNPCIDFileTest, RecordsThatCannotBeHeldOrReadEndReading) {
  const Bytes hit = AlinePciBuilder::HitData({.Seconds = Start + 1, .Amplitude = 10});
  auto record = [](int length, std::size_t present) {
    Bytes b(4 + present, 0x33);
    b[0] = 1;
    b[1] = 0;
    b[2] = static_cast<unsigned char>(length);
    b[3] = 0;
    return b;
  };
  struct Case {
    const char* Name;
    Bytes Tail;
    bool HitAfter;
    int Records;
  };
  const Case cases[] = {
      {"104 data bytes", record(104, 104), true, 3}, {"105 data bytes", record(105, 105), true, 1},
      {"length 0", record(0, 0), true, 1},           {"partial data", record(20, 3), false, 1},
      {"partial prefix", {1, 0, 20}, false, 1},
  };
  for (const Case& c : cases) {
    AlinePciBuilder b;
    b.Channels({UnitChannel(0)}).Record(5, hit).Raw(c.Tail);
    if (c.HitAfter) b.Record(5, hit);
    Opened f = Open(b.Build());
    EXPECT_EQ(f.File->CountRecs(), c.Records) << c.Name;
    EXPECT_EQ(f.File->CountHits(), c.Records == 3 ? 2 : 1) << c.Name;
  }
}

TEST_F(ALNPCIDFileTest, ShortHitDecodesZerosNotThePreviousRecord) {
  const Bytes full = AlinePciBuilder::HitData(
      {.Seconds = Start + 1, .Amplitude = 900, .Duration = 50, .Rise = 7, .Counts = 3, .Energy48 = 99});
  const Bytes shortHit(full.begin(), full.begin() + 10);  // time and channel only
  Opened f = Open(AlinePciBuilder().Channels({UnitChannel(0)}).Record(5, full).Record(5, shortHit).Build());
  ASSERT_TRUE(f.File->ReadNext());
  ASSERT_TRUE(f.File->ReadNext());
  EXPECT_EQ(f.File->Length(), 10);
  EXPECT_EQ(f.File->GetValue(pcAmplitude), 0.0);
  EXPECT_EQ(f.File->GetValue(pcDuration), 0.0);
  EXPECT_EQ(f.File->GetValue(pcRise), 0.0);
  EXPECT_EQ(f.File->GetValue(pcCounts), 0.0);
}

TEST_F(ALNPCIDFileTest, KindsAndQueriesByRecordType) {
  struct Case {
    int Type;
    int Kind;
    bool IsHit, HasTime, IsTimeDriven, IsComment;
  };
  const Case cases[] = {
      {0, rkHit, false, true, false, false},      {1, rkOther, false, true, false, false},
      {2, rkOther, false, true, false, false},    {3, rkTimeDriven, false, true, true, false},
      {4, rkOther, false, true, false, false},    {5, rkHit, true, true, false, false},
      {6, rkTimeMark, false, true, false, false}, {7, rkOther, false, false, false, true},
      {8, rkOther, false, true, false, false},
  };
  AlinePciBuilder b;
  b.Channels({UnitChannel(0)});
  for (const Case& c : cases) b.Record(c.Type, AlinePciBuilder::HitData({.Seconds = Start + 2}));
  Opened f = Open(b.Build());
  for (const Case& c : cases) {
    ASSERT_TRUE(f.File->ReadNext());
    ZTShortHit rec;
    f.File->GetRec(rec);
    EXPECT_EQ(rec.Kind, c.Kind) << c.Type;
    EXPECT_EQ(f.File->IsHit(), c.IsHit) << c.Type;
    EXPECT_EQ(f.File->HasTime(), c.HasTime) << c.Type;
    EXPECT_EQ(f.File->IsTimeDriven(), c.IsTimeDriven) << c.Type;
    EXPECT_EQ(f.File->IsComment(), c.IsComment) << c.Type;
    EXPECT_TRUE(f.File->IsKnown());
    EXPECT_FALSE(f.File->IsStop());
    EXPECT_FALSE(f.File->IsEndOfData());
  }
  EXPECT_FALSE(f.File->ReadNext());
  EXPECT_TRUE(f.File->CanFilter());
  EXPECT_TRUE(f.File->IsALine());
  EXPECT_EQ(f.File->CountRecs(), 9);
  EXPECT_EQ(f.File->CountHits(), 1);
}

TEST_F(ALNPCIDFileTest, WriterCopiesTheHeaderAndRecordsAndUpdatesTheNumberOfEvents) {
  AlinePciBuilder b;
  b.Block(3, Bytes(40, 0x5A)).Channels({Channel{}, UnitChannel(1)}).U32At(3916, 999).TextAt(104, "Vessel V-101");
  b.U32At(3100, 0xDEADBEEF);  // inside a file name: copied as it stands
  b.Record(7, {'H', 'e', 'l', 'l', 'o', 0});
  b.Hit({.Seconds = Start + 1, .Microseconds = 250000, .ChannelIndex = 1, .Amplitude = 77, .Energy48 = 1234});
  Bytes parametric;
  AlinePciBuilder::AddU32(parametric, Start + 1);
  AlinePciBuilder::AddU32(parametric, 500000);
  AlinePciBuilder::AddU32(parametric, 0x00020001);
  b.Record(3, parametric);
  b.TimeMark(Start + 2, 0, 1);
  b.Hit({.Seconds = Start + 3, .Amplitude = 65535, .Extension = 0x1077, .Energy48 = 0xFFFFFFFFFFFFull});
  const Bytes source = b.Build();
  const std::string sourcePath = dir_.File("source.ald");
  const std::string destPath = dir_.File("dest.ald");
  test::WriteFileBytes(sourcePath, source);
  {
    DataStream in(sourcePath, "rb");
    DataStream out(destPath, "wb");
    WriterPair pair = CreateWriterPair(in.Get(), out.Get());
    ASSERT_EQ(pair.Type, ftAlinePCI);
    ASSERT_NE(dynamic_cast<ALNPCIDFile*>(pair.Writer.get()), nullptr);
    pair.Reader->SeekFirst();
    while (pair.Reader->ReadNext()) pair.Writer->Append(*pair.Reader);
    pair.Writer->Finish();
    EXPECT_EQ(pair.Writer->RecordsAppended(), 5);
    EXPECT_EQ(pair.Writer->FirstTimeAppended(), ATestTime::FromSeconds(1.25L));
    EXPECT_EQ(pair.Writer->LastTimeAppended(), ATestTime::FromSeconds(3.0L));
    pair = {};
    ASSERT_TRUE(out.Close());
  }
  const Bytes dest = test::ReadFileBytes(destPath);
  ASSERT_EQ(dest.size(), source.size());
  EXPECT_EQ(AlinePciBuilder::GetU32(dest, 3916), 5u);
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (i >= 3916 && i < 3920) continue;
    ASSERT_EQ(dest[i], source[i]) << "byte " << i;
  }
}

TEST_F(ALNPCIDFileTest, WriterRefusesOtherSourcesAndReportsWriteErrors) {
  const Bytes bytes = AlinePciBuilder().Channels({UnitChannel(0)}).Hit({.Amplitude = 3}).Build();
  Opened source = Open(bytes);
  ASSERT_TRUE(source.File->ReadNext());

  DataStream other(dir_.File("other.dta"), "wb");
  LDFile dta(other.Get());
  DataStream out(dir_.File("copy.ald"), "wb");
  ALNPCIDFile writer(*source.File, out.Get());
  EXPECT_THROW(writer.Append(dta), EDataFile);

  // A source without a current record (reading has ended) has nothing to copy.
  Opened done = Open(bytes);
  while (done.File->ReadNext()) {}
  EXPECT_THROW(writer.Append(*done.File), EDataFile);

  // A full disk is an error, not a success.
  DataStream full("/dev/full", "wb");
  if (!full) GTEST_SKIP() << "no /dev/full";
  ALNPCIDFile toFull(*source.File, full.Get());
  toFull.Append(*source.File);
  EXPECT_THROW(toFull.Finish(), EDataFile);
}

TEST_F(ALNPCIDFileTest, PairsAsSpartan3000WhenBothTestsPass) {
  AlinePciBuilder b;
  b.Channels({UnitChannel(0)}).Hit({.Amplitude = 3});
  const Bytes plain = b.Build();
  // Text where the Spartan 3000 test looks: bytes 20..36, 40..45, a length at 46, text after.
  b.TextAt(20, "ABCDEFGHIJKLMNOPQ").TextAt(40, "ABCDEF").TextAt(47, "XYZ");
  Bytes both = b.Build();
  both[46] = 5;
  const std::string plainPath = dir_.File("plain.ald");
  const std::string bothPath = dir_.File("both.ald");
  test::WriteFileBytes(plainPath, plain);
  test::WriteFileBytes(bothPath, both);

  {
    DataStream in(bothPath, "rb");
    ASSERT_TRUE(IsAlinePciFile(in.Get()));
    ASSERT_TRUE(IsSpartan3000File(in.Get()));
    DataStream out(dir_.File("out1"), "wb");
    EXPECT_EQ(CreateWriterPair(in.Get(), out.Get()).Type, ftSpartan3000);
  }
  EXPECT_EQ(OpenDataFile(bothPath).Type, ftAlinePCI);
  {
    DataStream in(plainPath, "rb");
    EXPECT_FALSE(IsSpartan3000File(in.Get()));
    DataStream out(dir_.File("out2"), "wb");
    EXPECT_EQ(CreateWriterPair(in.Get(), out.Get()).Type, ftAlinePCI);
  }
}

class ScopedUtc {
 public:
  ScopedUtc() {
    const char* tz = std::getenv("TZ");
    hadTz_ = tz != nullptr;
    if (hadTz_) saved_ = tz;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  ~ScopedUtc() {
    if (hadTz_) setenv("TZ", saved_.c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  bool hadTz_ = false;
  std::string saved_;
};

bool HasLine(const std::string& text, const std::string& line) {
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);)
    if (l == line) return true;
  return false;
}

TEST_F(ALNPCIDFileTest, HeaderTextAndDateLabel) {
  ScopedUtc utc;
  Channel a;
  a.Index = 0;
  Opened f = Open(AlinePciBuilder()
                      .Channels({a})
                      .TextAt(104, "Vessel V-101")
                      .TextAt(876, "Proof test")
                      .U32At(1876, 1)
                      .U32At(1900, Start + 3600)
                      .U32At(3192, 1)
                      .U32At(3916, 12)
                      .U32At(16, 0x0102)
                      .Build());
  EXPECT_EQ(f.File->GetLabel(), "Vessel V-101");
  EXPECT_EQ(f.File->GetDate(), "Sun Sep 13 12:26:40 2020\n");

  std::ostringstream full;
  full << std::oct;
  f.File->DumpColumns(full, 1);
  full << 8;
  const std::string text = full.str();
  for (const char* line : {"- ALNTestParam - Aline test parameters, size = 3960",
                           "File type      : 0xAA01",
                           "Hardware version : 0x102",
                           "Version 1      : 0 - 0",
                           "Object Name    : Vessel V-101",
                           "Comment        : Proof test",
                           "Filter flag    : 1 (filtered)",
                           "Start time     : Sun Sep 13 12:26:40 2020",
                           "Stop time      : Sun Sep 13 13:26:40 2020",
                           "Parametric not written : Yes",
                           "PreFilter used         : No",
                           "Number of events       : 12",
                           "Signature              : 0x1515CFCF",
                           "ConfBlocks Number      : 1",
                           "ConfigurationData Size : 1168",
                           "Configuration Blocks",
                           "Block Type    Offset      Size",
                           "         1         0      1168",
                           "Channel's characteristic Array:",
                           "Hardware configuration block:"})
    EXPECT_TRUE(HasLine(text, line)) << line << "\nin:\n" << text;
  EXPECT_EQ(text.substr(text.size() - 2), "10");  // the stream's octal setting was restored

  std::ostringstream brief;
  f.File->DumpColumns(brief, 0);
  const std::string shortText = brief.str();
  EXPECT_TRUE(HasLine(shortText, " (filtered)"));
  EXPECT_TRUE(HasLine(shortText, "Number of events       : 12"));
  EXPECT_TRUE(HasLine(shortText, "Channel's characteristic Array:"));
  EXPECT_EQ(shortText.find("File type"), std::string::npos);
  EXPECT_EQ(shortText.find("- ALNTestParam"), std::string::npos);
  EXPECT_EQ(shortText.find("Comment size"), std::string::npos);

  // A label that fills its whole space ends with it.
  Opened g = Open(AlinePciBuilder().TextAt(104, std::string(255, 'L')).TextAt(359, "Operator").Build());
  EXPECT_EQ(g.File->GetLabel(), std::string(255, 'L'));
}

TEST_F(ALNPCIDFileTest, RecordTextWithColumnTitlesBeforeEachRunOfHits) {
  Opened f = Open(AlinePciBuilder()
                      .Channels({UnitChannel(0)})
                      .Hit({.Seconds = Start + 10,
                            .Microseconds = 250000,
                            .Amplitude = 1001,
                            .Duration = 30,
                            .Rise = 4,
                            .Counts = 3,
                            .Energy48 = 5001})
                      .Hit({.Seconds = Start + 11})
                      .TimeMark(Start + 12, 0, 7)
                      .Record(2, Bytes(12, 0))
                      .Record(7, {'x', 0})
                      .Record(1, Bytes(8, 0))
                      .Record(12, Bytes(8, 0))
                      .Build());
  std::ostringstream os;
  while (f.File->ReadNext()) f.File->DumpRec(os, 0);
  std::vector<std::string> lines;
  std::istringstream in(os.str());
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  ASSERT_EQ(lines.size(), 9u) << os.str();
  const std::string titles = lines[0];
  for (const char* title :
       {"Time (sec.)", "Ch", "Rise", "Cnts", "Durat", "En,ADC^2", "En,uV^2*us", "En,dB", "Amp,ADC", "Amp,dB"})
    EXPECT_NE(titles.find(title), std::string::npos) << title;
  EXPECT_EQ(lines[1].substr(0, 20), "  5 32    10.2500000");
  std::istringstream values(lines[1].substr(20));
  double ch, rise, counts, duration, eAdc, eUv, eDb, aAdc, aDb;
  values >> ch >> rise >> counts >> duration >> eAdc >> eUv >> eDb >> aAdc >> aDb;
  EXPECT_EQ(ch, 1);
  EXPECT_EQ(rise, 4);
  EXPECT_EQ(counts, 3);
  EXPECT_EQ(duration, 30);
  EXPECT_EQ(eAdc, 10002);
  EXPECT_EQ(eUv, 10002);  // 1000 / 1000 x E x 1^2
  EXPECT_EQ(eDb, 40.0);
  EXPECT_EQ(aAdc, 1001);
  EXPECT_EQ(aDb, 60.0);
  EXPECT_EQ(lines[2].substr(0, 6), "  5 32");
  EXPECT_EQ(lines[3], "  6 12 7");
  EXPECT_EQ(lines[4], titles);  // noise after another type repeats the titles
  EXPECT_EQ(lines[5], "  2 12 Noise old message");
  EXPECT_EQ(lines[6], "  7  2");
  EXPECT_EQ(lines[7], "  1  8 System message");
  EXPECT_EQ(lines[8], " 12  8 Unknown message 12");
}

TEST_F(ALNPCIDFileTest, DamagedHeadersAreRejectedBeforeAnythingIsAllocated) {
  const Bytes good = AlinePciBuilder().Channels({UnitChannel(0)}).Hit({.Amplitude = 1}).Build();
  auto patched = [&](std::size_t offset, std::uint32_t value) {
    Bytes b = good;
    AlinePciBuilder::PutU32(b, offset, value);
    return b;
  };
  const std::size_t tableAt = 4064;
  struct Case {
    const char* Name;
    Bytes File;
  };
  const Case cases[] = {
      {"empty", {}},
      {"truncated header", Bytes(good.begin(), good.begin() + 4000)},
      {"truncated block table", Bytes(good.begin(), good.begin() + 4070)},
      {"truncated configuration", Bytes(good.begin(), good.begin() + 4064 + 12 + 100)},
      {"huge block count", patched(4056, 0xFFFFFFFF)},
      {"block count just too big", patched(4056, static_cast<std::uint32_t>((good.size() - 4064) / 12 + 1))},
      {"huge configuration size", patched(4060, 0xFFFFFFFF)},
      {"configuration size just too big", patched(4060, static_cast<std::uint32_t>(good.size() - 4064 - 12 + 1))},
      {"block beyond the configuration", patched(tableAt + 4, 1)},
      {"block size beyond the configuration", patched(tableAt + 8, 1169)},
      {"block offset wrapping 32 bits",
       [&] {
         Bytes b = patched(tableAt + 4, 0xFFFFFFF0);
         AlinePciBuilder::PutU32(b, tableAt + 8, 0x20);
         return b;
       }()},
  };
  for (const Case& c : cases) {
    try {
      Open(c.File);
      ADD_FAILURE() << c.Name << " was accepted";
    } catch (const EDataFile& e) {
      EXPECT_NE(std::string(e.what()).find("A-Line PCI"), std::string::npos) << c.Name << ": " << e.what();
    }
  }
  // The header alone, without records, is a valid empty file.
  Opened f = Open(Bytes(good.begin(), good.begin() + static_cast<long>(4064 + 12 + 1168)));
  EXPECT_EQ(f.File->CountRecs(), 0);
}

// Only the channel characteristic block (the first of type 1) is read, so only it must lie
// inside the configuration data; blocks nothing reads may point anywhere.
TEST_F(ALNPCIDFileTest, OnlyTheChannelBlockMustLieInsideTheConfiguration) {
  // Blocks: 0 type 2 (64 bytes), 1 the channel block, 2 a second block of type 1.
  const Bytes good = AlinePciBuilder()
                         .Block(2, Bytes(64, 0xEE))
                         .Channels({UnitChannel(3)})
                         .Block(1, AlinePciBuilder::ChannelEntry(UnitChannel(5)))
                         .Hit({.ChannelIndex = 3, .Amplitude = 100})
                         .Build();
  auto entry = [](int block, int word) { return 4064 + 12 * static_cast<std::size_t>(block) + 4 * word; };
  const struct {
    const char* Name;
    int Block;
    std::uint32_t Offset, Size;
    bool Accepted;
  } cases[] = {
      {"unused block far beyond", 0, 0x7FFFFFF0, 64, true},
      {"unused block wrapping 32 bits", 0, 0xFFFFFFF0, 0x20, true},
      {"unused block too large", 0, 0, 0xFFFFFFFF, true},
      {"second block of type 1 beyond", 2, 1u << 30, 1168, true},
      {"channel block beyond", 1, 1u << 30, 1168, false},
      {"channel block one byte too large", 1, 64, 1168 * 2 + 1, false},
  };
  for (const auto& c : cases) {
    Bytes file = good;
    AlinePciBuilder::PutU32(file, entry(c.Block, 1), c.Offset);
    AlinePciBuilder::PutU32(file, entry(c.Block, 2), c.Size);
    try {
      Opened f = Open(file);
      EXPECT_TRUE(c.Accepted) << c.Name << " was accepted";
      // The channel block is read as before, and the hit on its channel decodes with it.
      ASSERT_EQ(f.File->Calibration().Entries().size(), 1u) << c.Name;
      EXPECT_EQ(f.File->Calibration().Entries()[0].Index, 3u) << c.Name;
      EXPECT_EQ(f.File->CountHits(), 1) << c.Name;
      f.File->SeekFirst();
      ASSERT_TRUE(f.File->ReadNext()) << c.Name;
      EXPECT_NEAR(f.File->GetValue(pcAmplitude), 40.0, 1e-9) << c.Name;
    } catch (const EDataFile& e) {
      EXPECT_FALSE(c.Accepted) << c.Name << ": " << e.what();
      EXPECT_STREQ(e.what(), "Damaged A-Line PCI file: configuration block 2 lies outside the configuration data")
          << c.Name;
    }
  }
}

// Counts that a file could hold but no instrument writes are refused before they size any
// memory: the reader holds the configuration data and a writer copies it.
TEST_F(ALNPCIDFileTest, HeaderCountsBeyondWhatAnInstrumentWritesAreRefused) {
  const struct {
    const char* Name;
    std::uint32_t Blocks;
    std::uint32_t ConfigSize;
    const char* Message;
  } cases[] = {
      {"blocks", ALNPCIHead::MaxBlocks + 1, 0,
       "Damaged A-Line PCI file: the header declares 65537 configuration blocks, more than the 65536 a file can have"},
      {"configuration data", 0, ALNPCIHead::MaxConfigSize + 1,
       "Damaged A-Line PCI file: the header declares 67108865 bytes of configuration data, more than the 67108864 a "
       "file can have"},
  };
  for (const auto& c : cases) {
    Bytes header = AlinePciBuilder().Build();
    header.resize(4064);
    AlinePciBuilder::PutU32(header, 4056, c.Blocks);
    AlinePciBuilder::PutU32(header, 4060, c.ConfigSize);
    const std::string path = dir_.File("large.ald");
    test::WriteFileBytes(path, header);
    // A sparse file that holds what the header declares, and a record.
    std::filesystem::resize_file(path, 4064 + std::uintmax_t{12} * c.Blocks + c.ConfigSize + 100);
    DataStream stream(path, "rb");
    try {
      ALNPCIDFile f(stream.Get());
      ADD_FAILURE() << c.Name << " was accepted";
    } catch (const EDataFile& e) {
      EXPECT_EQ(std::string(e.what()), c.Message);
    }
  }
}

TEST_F(ALNPCIDFileTest, WithoutAChannelBlockEveryRowIsZero) {
  Opened f = Open(AlinePciBuilder().Block(2, Bytes(16, 1)).Hit({.Amplitude = 100, .Energy48 = 100}).Build());
  EXPECT_TRUE(f.File->Calibration().Entries().empty());
  ASSERT_TRUE(f.File->ReadNext());
  ZTShortHit rec;
  f.File->GetRec(rec);
  EXPECT_EQ(rec.Amplitude, 0);
  EXPECT_EQ(rec.Energy, 1);
  EXPECT_EQ(f.File->GetValue(pcAmplitude), 0.0);
}

TEST_F(ALNPCIDFileTest, OpensByContentAsTypeFour) {
  const std::string path = dir_.File("open.ald");
  AlinePciBuilder().Channels({UnitChannel(0)}).Hit({.Amplitude = 1}).Save(path);
  OpenedDataFile opened = OpenDataFile(path);
  EXPECT_EQ(opened.Type, ftAlinePCI);
  opened.Reader->SeekFirst();
  EXPECT_EQ(opened.Reader->CountHits(), 1);
}

}  // namespace
}  // namespace ae
