#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ByteOrder.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataStream.h"
#include "datafiles/EDataFile.h"
#include "datafiles/EZTData.h"
#include "datafiles/LDFile.h"
#include "datafiles/Recognition.h"
#include "datafiles/SDFile.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/Spartan3000Builder.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::Spartan3000Builder;
using Bytes = std::vector<unsigned char>;
using Hit = Spartan3000Builder::Hit;

constexpr std::uint64_t OneSecond = 4000000;

struct Reader {
  DataStream Stream;
  std::unique_ptr<SDFile> File;
  SDFile* operator->() const { return File.get(); }
};

class SDFileTest : public ::testing::Test {
 protected:
  std::string NewPath() { return dir_.File("file" + std::to_string(++files_) + ".dta"); }

  std::string SaveBytes(const Bytes& bytes) {
    const std::string path = NewPath();
    test::WriteFileBytes(path, bytes);
    return path;
  }

  Reader Open(const Bytes& bytes) { return OpenPath(SaveBytes(bytes)); }

  static Reader OpenPath(const std::string& path) {
    Reader r{DataStream(path, "rb"), nullptr};
    if (!r.Stream) throw std::runtime_error("cannot open " + path);
    r.File = std::make_unique<SDFile>(r.Stream.Get());
    return r;
  }

  // Copies every record of the source through a writer and returns the written file.
  Bytes CopyThroughWriter(const Bytes& source) {
    Reader reader = Open(source);
    const std::string out = NewPath();
    {
      DataStream destination(out, "wb");
      SDFile writer(*reader.File, destination.Get());
      reader->SeekFirst();
      while (reader->ReadNext()) writer.Append(*reader.File);
      writer.Finish();
      EXPECT_TRUE(destination.Close());
    }
    return test::ReadFileBytes(out);
  }

 private:
  test::TempDir dir_;
  int files_ = 0;
};

Hit DistinctHit() {
  // Every field a different value, multi-byte fields with distinct bytes, so that a field
  // read from the wrong position shows.
  return Hit{.Ticks = OneSecond * 3 / 2,
             .Channel = 7,
             .Seq = 0x01020304,
             .Rise = 0x0506,
             .CntPk = 0x0708,
             .Counts = 0x090A,
             .Energy = 0x0B0C,
             .Duration = 0x0D0E0F10,
             .Amplitude = 87,
             .Rms = 33,
             .Threshold = 45,
             .Parametric = 3000,
             .Dp = 9,
             .Gain = 60};
}

TEST_F(SDFileTest, HitFieldsComeFromTheirBytePositions) {
  Reader r = Open(Spartan3000Builder().AddHit(DistinctHit()).Get());
  r->SeekFirst();
  ASSERT_TRUE(r->ReadNext());

  const struct {
    int Code;
    double Value;
  } cases[] = {
      {pcTime, 1.5},     {pcChannel, 7},     {pcSeq, 0x01020304}, {pcRise, 0x0506},
      {pcCntPk, 0x0708}, {pcCounts, 0x090A}, {pcEnergy, 0x0B0C},  {pcDuration, 0x0D0E0F10},
      {pcAmplitude, 87}, {pcRMS, 33},        {pcThreshold, 45},   {pcPar1, 5.0},
      {pcDP, 9},         {pcGain, 60},       {pcHits, 0},         {pcAverFreq, 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(r->GetValue(c.Code), c.Value) << "code " << c.Code;
  EXPECT_DOUBLE_EQ(r->GetTime(), 1.5);
  EXPECT_EQ(r->CurrentTestTime(), ATestTime::FromTicks(OneSecond * 3 / 2));

  ZTShortHit rec;
  rec.SetGrouped(true);
  rec.SetDeleted(true);
  r->GetRec(rec);
  EXPECT_EQ(rec.Kind, rkHit);
  EXPECT_FALSE(rec.IsFlagged());
  EXPECT_EQ(rec.Time, ATestTime::FromTicks(OneSecond * 3 / 2));
  EXPECT_EQ(rec.Channel, 7);
  EXPECT_EQ(rec.Amplitude, 87);
  EXPECT_EQ(rec.Rise, 0x0506);
  EXPECT_EQ(rec.Counts, 0x090A);
  EXPECT_EQ(rec.Energy, 0x0B0C);
  EXPECT_EQ(rec.Duration, 0x0D0E0F10u);
  EXPECT_FLOAT_EQ(rec.Parametric, 5.0f);
}

TEST_F(SDFileTest, ParametricRawCountsBecomeVolts) {
  const struct {
    unsigned Raw;
    double Volts;
  } cases[] = {{2000, 0.0}, {4000, 10.0}, {0, -10.0}, {2200, 1.0}, {65535, 317.675}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Raw);
    Hit hit;
    hit.Parametric = c.Raw;
    // The sample's value sits in the hit's parametric bytes; bytes 7-8 hold something else.
    Reader r = Open(Spartan3000Builder().AddHit(hit).Sample(2, OneSecond, c.Raw, 1234).Get());
    r->SeekFirst();
    ZTShortHit rec;
    ASSERT_TRUE(r->ReadNext());
    r->GetRec(rec);
    EXPECT_NEAR(r->GetValue(pcPar1), c.Volts, 1e-9);
    EXPECT_NEAR(rec.Parametric, c.Volts, 1e-4);
    ASSERT_TRUE(r->ReadNext());
    r->GetRec(rec);
    EXPECT_EQ(rec.Kind, rkTimeDriven);
    EXPECT_NEAR(r->GetValue(pcPar1), c.Volts, 1e-9);
    EXPECT_NEAR(rec.Parametric, c.Volts, 1e-4);
  }
}

TEST_F(SDFileTest, RecordCodesGiveKindsAndQueries) {
  const struct {
    int Code;
    int Kind;
    bool Hit, Stop, Time, Known, EndOfData, TimeDriven, Comment;
  } cases[] = {
      {0, rkOther, false, false, false, true, true, false, false},
      {1, rkHit, true, false, true, true, false, false, false},
      {2, rkTimeDriven, false, false, true, true, false, true, false},
      {3, rkTimeDriven, false, false, true, true, false, true, false},
      {7, rkComment, false, false, false, true, false, false, true},
      {16, rkOther, false, false, true, true, false, false, false},
      {128, rkResume, false, false, true, true, false, false, false},
      {129, rkStop, false, true, true, true, false, false, false},
      {130, rkPause, false, false, true, true, false, false, false},
      {4, rkOther, false, false, false, false, false, false, false},
      {131, rkOther, false, false, false, false, false, false, false},
      {255, rkOther, false, false, false, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Code);
    Spartan3000Builder::Record record{};
    record[0] = static_cast<unsigned char>(c.Code);
    record[1] = 0x00;  // time 1.0 s: 0x3D0900 ticks
    record[2] = 0x09;
    record[3] = 0x3D;
    record[7] = 5;  // channel byte
    Reader r = Open(Spartan3000Builder().AddRecord(record).Get());
    r->SeekFirst();
    ASSERT_TRUE(r->ReadNext());
    EXPECT_EQ(r->IsHit(), c.Hit);
    EXPECT_EQ(r->IsStop(), c.Stop);
    EXPECT_EQ(r->HasTime(), c.Time);
    EXPECT_EQ(r->IsKnown(), c.Known);
    EXPECT_EQ(r->IsEndOfData(), c.EndOfData);
    EXPECT_EQ(r->IsTimeDriven(), c.TimeDriven);
    EXPECT_EQ(r->IsComment(), c.Comment);
    EXPECT_FALSE(r->IsWaveform());
    EXPECT_FALSE(r->IsALine());

    // Records other than hits set only their kind and, when they have one, their time.
    ZTShortHit rec;
    rec.Time = ATestTime(1, 2, 3);
    rec.Channel = 99;
    rec.SetDeleted(true);
    r->GetRec(rec);
    EXPECT_EQ(rec.Kind, c.Kind);
    EXPECT_EQ(rec.Time, c.Time ? ATestTime::FromSeconds(1.0L) : ATestTime(1, 2, 3));
    EXPECT_EQ(rec.Channel, c.Hit ? 5 : 99);
    EXPECT_EQ(rec.IsDeleted(), !c.Hit);
  }
}

TEST_F(SDFileTest, CountsKnownRecordsAndHitsUpToTheEndOfData) {
  Spartan3000Builder b;
  b.Timed(128, 0).AddHit({.Ticks = OneSecond}).Sample(2, 2 * OneSecond, 2000, 2000);
  b.Code(5).AddHit({.Ticks = 3 * OneSecond}).Comment("note").Code(200).Timed(16, 4 * OneSecond);
  b.Timed(130, 5 * OneSecond).Timed(129, 6 * OneSecond);
  // 8 known records, 2 of them hits, and 2 of unknown codes that the walk passes over.
  {
    Reader r = Open(b.Get());
    EXPECT_EQ(r->CountRecs(), 8);
    EXPECT_EQ(r->CountHits(), 2);
  }
  b.EndOfData().AddHit({.Ticks = 7 * OneSecond}).Timed(129, 8 * OneSecond);
  {
    Reader r = Open(b.Get());
    EXPECT_EQ(r->CountRecs(), 9);  // the end-of-data record counts; nothing after it does
    EXPECT_EQ(r->RecNo(), 11);     // the walk stops right after the end-of-data record
    EXPECT_TRUE(r->IsEndOfData());
    EXPECT_EQ(r->CountHits(), 2);
    EXPECT_EQ(r->RecNo(), 11);
  }
  Reader empty = Open(Spartan3000Builder().Get());
  EXPECT_EQ(empty->CountRecs(), 0);
  EXPECT_EQ(empty->CountHits(), 0);
}

Spartan3000Builder FiveRecords() {
  Spartan3000Builder b;
  for (std::uint32_t seq = 1; seq <= 3; ++seq) b.AddHit({.Ticks = seq * OneSecond, .Seq = seq});
  b.Timed(130, 4 * OneSecond).AddHit({.Ticks = 5 * OneSecond, .Seq = 4});
  return b;
}

TEST_F(SDFileTest, PositionsByRecordNumber) {
  Reader r = Open(FiveRecords().Get());
  r->SeekFirst();
  EXPECT_TRUE(r->IsFirst());
  ASSERT_TRUE(r->ReadNext());
  EXPECT_FALSE(r->IsFirst());
  EXPECT_EQ(r->RecNo(), 1);

  r->SeekRec(0);
  ASSERT_TRUE(r->ReadNext());
  EXPECT_EQ(r->GetValue(pcSeq), 1);
  r->SeekRec(3);
  ASSERT_TRUE(r->ReadNext());
  EXPECT_EQ(r->Code(), 130);
  EXPECT_EQ(r->RecNo(), 4);
  r->SeekRec(-3);  // before the first record, not inside the header
  EXPECT_TRUE(r->IsFirst());

  r->SeekFirst();
  r->SkipRec();
  ASSERT_TRUE(r->ReadNext());
  EXPECT_EQ(r->GetValue(pcSeq), 2);

  r->SeekBegin();
  EXPECT_EQ(std::ftell(r.Stream.Get()), 0);
}

TEST_F(SDFileTest, ReadPrevReadsTheRecordBeforeTheCurrentOneFromTheThirdOn) {
  Reader r = Open(FiveRecords().Get());
  r->SeekFirst();
  ASSERT_TRUE(r->ReadNext());
  ASSERT_TRUE(r->ReadNext());
  EXPECT_FALSE(r->ReadPrev());
  EXPECT_EQ(r->GetValue(pcSeq), 2);  // unchanged
  ASSERT_TRUE(r->ReadNext());
  ASSERT_TRUE(r->ReadPrev());
  EXPECT_EQ(r->GetValue(pcSeq), 2);
  EXPECT_EQ(r->RecNo(), 2);
}

TEST_F(SDFileTest, ReadNextNonHitStopsAtTheEndOfTheFile) {
  Reader r = Open(FiveRecords().Get());
  r->SeekFirst();
  ASSERT_TRUE(r->ReadNextNonHit());
  EXPECT_EQ(r->Code(), 130);
  EXPECT_EQ(r->RecNo(), 4);
  EXPECT_FALSE(r->ReadNextNonHit());  // only a hit follows
  EXPECT_FALSE(r->ReadNextNonHit());
  EXPECT_EQ(r->GetValue(pcSeq), 4);
}

TEST_F(SDFileTest, AShortFinalRecordIsNeverRead) {
  Bytes tail(20, 0x07);
  Reader r = Open(FiveRecords().Raw(tail).Get());
  EXPECT_EQ(r->CountRecs(), 5);
  r->SeekRec(4);
  ASSERT_TRUE(r->ReadNext());
  EXPECT_FALSE(r->ReadNext());
  // The previous record stays, and stepping back goes by whole records.
  EXPECT_TRUE(r->IsHit());
  EXPECT_EQ(r->GetValue(pcSeq), 4);
  ASSERT_TRUE(r->ReadPrev());
  EXPECT_EQ(r->Code(), 130);
}

TEST_F(SDFileTest, EventPositionUsesTheRecordsOwnTime) {
  Spartan3000Builder b;
  for (double t : {0.5, 0.50005, 0.5005, 0.502, 0.501}) b.AddHit({.Ticks = Spartan3000Builder::TicksOf(t)});
  Reader r = Open(b.Get());
  r->SetEventWindows(ATestTime::FromSeconds(100e-6L), ATestTime::FromSeconds(1000e-6L));
  r->SeekFirst();
  for (int expected : {0, 1, 2, 0}) {
    ASSERT_TRUE(r->ReadNext());
    EXPECT_EQ(r->EventPos(), expected);
  }
  ASSERT_TRUE(r->ReadNext());
  try {
    r->EventPos();
    FAIL() << "no time order error";
  } catch (const EZTData& e) {
    EXPECT_EQ(e.Code(), EZTData::TimeOrderError);
  }
}

TEST_F(SDFileTest, HeaderTextsAndFilterFlag) {
  Spartan3000Builder b;
  b.Label("Tank 7");
  Reader r = Open(b.Get());
  EXPECT_EQ(r->GetLabel(), "Tank 7");
  EXPECT_EQ(r->GetVersion(), "V1.23a");
  EXPECT_EQ(r->GetDate(), "01/02/03 04:05:06");
  EXPECT_TRUE(r->CanFilter());

  Reader continuous = Open(b.HeaderByte(39, 1).Get());
  EXPECT_FALSE(continuous->CanFilter());
}

// The header test alone looks at other bytes than the recognition test; a header that passes
// the recognition test counts as one to copy as well, so that a saved file opens again.
TEST_F(SDFileTest, HasHeaderAndTheRecognitionTestLookAtDifferentBytes) {
  const struct {
    const char* Name;
    void (*Change)(Spartan3000Builder&);
    bool Recognised;
    bool HasHeader;
  } cases[] = {
      {"valid", [](Spartan3000Builder&) {}, true, true},
      {"last date byte not text", [](Spartan3000Builder& b) { b.HeaderByte(37, 1); }, true, true},
      {"first date byte zero", [](Spartan3000Builder& b) { b.HeaderByte(20, 0); }, false, false},
      {"version not text", [](Spartan3000Builder& b) { b.HeaderByte(43, 0x80); }, false, false},
      {"empty label", [](Spartan3000Builder& b) { b.HeaderByte(46, 0); }, false, true},
      {"label of 41", [](Spartan3000Builder& b) { b.HeaderByte(46, 41); }, false, false},
      {"label length negative", [](Spartan3000Builder& b) { b.HeaderByte(46, 200); }, false, true},
      {"last label byte not text", [](Spartan3000Builder& b) { b.HeaderByte(47 + 7, 1); }, true, true},
      {"whole header text",
       [](Spartan3000Builder& b) {
         b.HeaderText(0, std::string(20, 'x'));
         b.Label("Vessel ABC");  // a length of 10 reads as a line feed
         b.HeaderByte(87, 0);
       },
       false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Spartan3000Builder b;
    b.AddHit({}).AddHit({});
    c.Change(b);
    Reader r = Open(b.Get());
    r->SeekRec(1);
    EXPECT_EQ(IsSpartan3000File(r.Stream.Get()), c.Recognised);
    EXPECT_EQ(r->HasHeader(), c.HasHeader);
    EXPECT_EQ(r->RecNo(), 1);  // both leave the stream where it was
  }
}

// --- Writing ---------------------------------------------------------------------------------

Spartan3000Builder SourceWithHeaderBytes() {
  Spartan3000Builder b;
  // Stale counts in the five fields, and bytes that no operation reads, which must be copied.
  for (int i = 0; i < 20; ++i) b.HeaderByte(i, 0xE0 + static_cast<unsigned>(i));
  b.HeaderByte(38, 1).HeaderByte(100, 0xAB).HeaderByte(511, 0xCD);
  b.Timed(128, 0).AddHit({.Ticks = OneSecond, .Seq = 1}).Comment("operator note");
  b.AddHit({.Ticks = 5 * OneSecond, .Seq = 2}).Timed(16, 4 * OneSecond).Code(77).EndOfData();
  return b;
}

TEST_F(SDFileTest, FinishStoresCountsAndTimesAndKeepsTheRestOfTheHeader) {
  const Spartan3000Builder source = SourceWithHeaderBytes();
  const Bytes copy = CopyThroughWriter(source.Get());
  const Bytes original = source.Get();
  ASSERT_EQ(copy.size(), original.size());

  Reader r = Open(copy);
  const auto& h = r->Header();
  EXPECT_EQ(GetU32(h.data() + 0), 6u);   // every record but the end-of-data record
  EXPECT_EQ(GetU32(h.data() + 4), 61u);  // 1.0 s: 1000 / 16.384 = 61.03
  EXPECT_EQ(GetU32(h.data() + 8), 1u);
  EXPECT_EQ(GetU32(h.data() + 12), 305u);  // the greatest time, 5.0 s, not the last one
  EXPECT_EQ(GetU32(h.data() + 16), 6u);
  // Records byte for byte, and the header differs only in its first 20 bytes.
  EXPECT_TRUE(std::equal(copy.begin() + 20, copy.end(), original.begin() + 20));
}

TEST_F(SDFileTest, WriterCountsAppendedAndKeptRecords) {
  Reader reader = Open(SourceWithHeaderBytes().Get());
  const std::string out = NewPath();
  DataStream destination(out, "wb");
  SDFile writer(*reader.File, destination.Get());
  reader->SeekFirst();
  while (reader->ReadNext()) writer.Append(*reader.File);
  EXPECT_EQ(writer.RecordsAppended(), 7);
  EXPECT_EQ(writer.RecordsKept(), 6);
  EXPECT_EQ(writer.FirstTimeAppended(), ATestTime::FromSeconds(1.0L));
  EXPECT_EQ(writer.ReferenceTime(), ATestTime::FromSeconds(5.0L));
}

TEST_F(SDFileTest, WriterOfASourceWithoutHeaderStartsFromZeros) {
  Spartan3000Builder b;
  // Neither test passes: the first date byte is zero.
  b.HeaderByte(20, 0).HeaderByte(100, 0xAB).AddHit({.Ticks = 2 * OneSecond}).EndOfData();
  const Bytes copy = CopyThroughWriter(b.Get());
  ASSERT_EQ(copy.size(), 512u + 64u);
  Bytes expectedHeader(512, 0);
  PutU32(expectedHeader.data() + 0, 1);
  PutU32(expectedHeader.data() + 4, 122);
  PutU32(expectedHeader.data() + 8, 1);
  PutU32(expectedHeader.data() + 12, 122);
  PutU32(expectedHeader.data() + 16, 1);
  EXPECT_EQ(Bytes(copy.begin(), copy.begin() + 512), expectedHeader);
  const Bytes original = b.Get();
  EXPECT_TRUE(std::equal(copy.begin() + 512, copy.end(), original.begin() + 512));
}

// A header the recognition test accepts is copied, whatever the stricter header test says, so
// that the user's saved data is a Spartan 3000 file again.
TEST_F(SDFileTest, ASavedFileIsRecognisedAgainWithTheSourcesHeader) {
  const struct {
    const char* Name;
    void (*Change)(Spartan3000Builder&);
  } cases[] = {
      {"last date byte not text", [](Spartan3000Builder& b) { b.HeaderByte(37, 1); }},
      {"last label byte not text", [](Spartan3000Builder& b) { b.HeaderByte(47 + 7, 0x80); }},
      {"label byte before the last not text", [](Spartan3000Builder& b) { b.HeaderByte(47 + 6, 2); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Spartan3000Builder b;
    b.AddHit({.Ticks = OneSecond, .Seq = 1}).AddHit({.Ticks = 2 * OneSecond, .Seq = 2}).EndOfData();
    c.Change(b);
    const std::string source = SaveBytes(b.Get());
    ASSERT_EQ(OpenDataFile(source).Type, ftSpartan3000);

    ZTDataSet set;
    set.Load(source);
    set.Recs[0].SetDeleted(true);
    const std::string saved = NewPath();
    set.SaveAs(saved);

    EXPECT_EQ(OpenDataFile(saved).Type, ftSpartan3000);
    const Bytes original = b.Get();
    const Bytes copy = test::ReadFileBytes(saved);
    ASSERT_EQ(copy.size(), original.size() - 32);
    EXPECT_TRUE(std::equal(copy.begin() + 20, copy.begin() + 512, original.begin() + 20));
    ZTDataSet again;
    again.Load(saved);
    EXPECT_EQ(again.HitCount, 1u);
  }
}

// The header fields a save sets could make the file pass another format's test first; such a
// save is refused instead of leaving a file that opens as something else.
TEST_F(SDFileTest, ASaveThatWouldOpenAsAnotherFormatIsRefused) {
  Spartan3000Builder b;
  for (int k = 0; k < 104; ++k) b.AddHit({.Ticks = OneSecond * static_cast<std::uint64_t>(k + 1)});
  // Record 104 has no time; its bytes 4 to 7 are file offset 3844, where A-Line ISA files have
  // their configuration signature.
  Spartan3000Builder::Record untimed{};
  untimed[0] = 77;
  PutU32(untimed.data() + 4, 0x1313CFCF);
  b.AddRecord(untimed);
  // The greatest time makes the last hit time of the header 0xAA01, the A-Line file type word.
  b.AddHit({.Ticks = 0xAA01ull * 65536 + 10}).EndOfData();
  const std::string source = SaveBytes(b.Get());
  ASSERT_EQ(OpenDataFile(source).Type, ftSpartan3000);

  ZTDataSet set;
  set.Load(source);
  const std::string saved = NewPath();
  try {
    set.SaveAs(saved);
    ADD_FAILURE() << "saved";
  } catch (const EDataFile& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot save the data to \"" + saved +
                                         "\": the saved data would not open again as \"Spartan 3000\" data, so "
                                         "nothing was saved");
  }
  EXPECT_FALSE(std::filesystem::exists(saved));
}

TEST_F(SDFileTest, WriterWithoutFinishLeavesTheHeaderSpaceEmpty) {
  Reader reader = Open(FiveRecords().Get());
  const std::string out = NewPath();
  {
    DataStream destination(out, "wb");
    SDFile writer(*reader.File, destination.Get());
    reader->SeekFirst();
    ASSERT_TRUE(reader->ReadNext());
    writer.Append(*reader.File);
  }
  const Bytes written = test::ReadFileBytes(out);
  ASSERT_EQ(written.size(), 512u + 32u);
  EXPECT_EQ(Bytes(written.begin(), written.begin() + 512), Bytes(512, 0));
}

TEST_F(SDFileTest, WriterPairCopiesAFileOfThisFormat) {
  const Bytes original = SourceWithHeaderBytes().Get();
  const std::string in = SaveBytes(original);
  const std::string out = NewPath();
  {
    DataStream source(in, "rb");
    DataStream destination(out, "wb");
    WriterPair pair = CreateWriterPair(source.Get(), destination.Get());
    EXPECT_EQ(pair.Type, ftSpartan3000);
    ASSERT_NE(dynamic_cast<SDFile*>(pair.Writer.get()), nullptr);
    pair.Reader->SeekFirst();
    pair.Writer->SeekFirst();
    while (pair.Reader->ReadNext()) pair.Writer->Append(*pair.Reader);
    pair.Writer->Finish();
  }
  const Bytes copy = test::ReadFileBytes(out);
  ASSERT_EQ(copy.size(), original.size());
  EXPECT_TRUE(std::equal(copy.begin() + 20, copy.end(), original.begin() + 20));
}

TEST_F(SDFileTest, AppendRefusesRecordsOfAnotherFormat) {
  const std::string dta = NewPath();
  test::DtaBuilder().ProductDefinition().Timed(128, 0).Save(dta);
  DataStream dtaStream(dta, "rb");
  LDFile other(dtaStream.Get());
  ASSERT_TRUE(other.ReadNext());

  Reader reader = Open(FiveRecords().Get());
  DataStream destination(NewPath(), "wb");
  SDFile writer(*reader.File, destination.Get());
  EXPECT_THROW(writer.Append(other), EDataFile);
  EXPECT_EQ(writer.RecordsAppended(), 0);
}

TEST_F(SDFileTest, WriteErrorsAreRaised) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full";
  Reader reader = Open(FiveRecords().Get());
  reader->SeekFirst();
  ASSERT_TRUE(reader->ReadNext());
  {
    SDFile writer(*reader.File, full);
    writer.Append(*reader.File);  // buffered
    EXPECT_THROW(writer.Finish(), EDataFile);
  }
  std::fclose(full);
  std::FILE* unbuffered = std::fopen("/dev/full", "wb");
  ASSERT_NE(unbuffered, nullptr);
  std::setvbuf(unbuffered, nullptr, _IONBF, 0);
  EXPECT_THROW(reader->WriteCurrent(unbuffered), EDataFile);
  std::fclose(unbuffered);
}

TEST_F(SDFileTest, WriteCurrentWritesTheRecordUnchanged) {
  const Bytes original = FiveRecords().Get();
  Reader reader = Open(original);
  const std::string out = NewPath();
  {
    DataStream destination(out, "wb");
    reader->SeekRec(3);
    ASSERT_TRUE(reader->ReadNext());
    reader->WriteCurrent(destination.Get());
  }
  EXPECT_EQ(test::ReadFileBytes(out), Bytes(original.begin() + 512 + 96, original.begin() + 512 + 128));
}

// --- Text dumps ------------------------------------------------------------------------------

TEST_F(SDFileTest, DumpHeaderWritesEveryFieldAndRestoresTheStream) {
  Spartan3000Builder b;
  b.HeaderU32(0, 5).HeaderU32(4, 61).HeaderU32(8, 1).HeaderU32(12, 305).HeaderU32(16, 5).HeaderByte(38, 1);
  Reader r = Open(b.Get());
  std::ostringstream os;
  os << std::scientific;
  r->DumpHeader(os, 0);
  os << 2.5;
  EXPECT_EQ(os.str(),
            "Test Label\t\t: Vessel A\n"
            "Test Time and Date\t: 01/02/03 04:05:06\n"
            "Program Version\t\t: V1.23a\n"
            "Total number of record\t: 5\n"
            "First hit number\t\t: 1\n"
            "Last hit number\t\t: 5\n"
            "First Hit Time\t\t: 0.999 sec\n"
            "Last Hit Time\t\t: 4.997 sec\n"
            "TimeDrivenDataFlag\t: Yes\n"
            "ContiniousFlag\t\t: No\n"
            "AutoDumpFlag\t\t: Yes\n"
            "2.500000e+00");
}

std::string DumpOf(SDFile& file, int mask) {
  std::ostringstream os;
  file.DumpRec(os, mask);
  return os.str();
}

TEST_F(SDFileTest, DumpRecWritesOneLinePerRecordCode) {
  Hit hit{.Ticks = OneSecond * 3 / 2,
          .Channel = 7,
          .Seq = 42,
          .Rise = 258,
          .CntPk = 12,
          .Counts = 345,
          .Energy = 89,
          .Duration = 1234567,
          .Amplitude = 87,
          .Rms = 33,
          .Threshold = 45,
          .Parametric = 3000,
          .Dp = 9,
          .Gain = 60};
  Spartan3000Builder b;
  b.AddHit(hit).Sample(2, 2 * OneSecond, 2000, 4000, 5).Sample(3, 2 * OneSecond, 4000, 2000, 5);
  b.Comment("Hello").Comment(std::string(31, 'c')).Timed(16, OneSecond).Timed(128, OneSecond);
  b.Timed(129, OneSecond).Timed(130, OneSecond).EndOfData().Code(99);
  Reader r = Open(b.Get());
  r->SeekFirst();
  const std::vector<std::string> expected = {
      "     1.5000000  7   258    12   3451234567    89  87  33  9 5.00    42",
      "     2.0000000 PAR 1 =10.00 DP =   5",  // the dump takes bytes 7-8
      "     2.0000000 PAR 1 = 0.00",
      "Hello",
      std::string(31, 'c'),  // no zero byte: the text ends with the record
      "     1.0000000 Alarm Message",
      "     1.0000000 Test Resume",
      "     1.0000000 Test Stop",
      "     1.0000000 Test Pause",
      " End of Data File",
      "Error! Record code = 99",
  };
  for (const std::string& line : expected) {
    ASSERT_TRUE(r->ReadNext());
    EXPECT_EQ(DumpOf(*r.File, -1), line);
  }

  r->SeekFirst();
  ASSERT_TRUE(r->ReadNext());
  const int mask = pcChannel | pcAmplitude | pcSeq;
  EXPECT_EQ(DumpOf(*r.File, mask), "  7  87    42");
  std::ostringstream titles;
  r->DumpColumns(titles, mask);
  EXPECT_EQ(titles.str(), " Ch Amp   Seq");
}

TEST_F(SDFileTest, DumpAllWritesHeaderColumnsAndRecordsUpToTheEndOfData) {
  Spartan3000Builder b;
  b.HeaderU32(0, 2).AddHit({.Ticks = OneSecond, .Channel = 2, .Seq = 1}).Timed(129, 2 * OneSecond).EndOfData();
  b.Timed(128, 3 * OneSecond);  // beyond the total plus one: not dumped
  Reader r = Open(b.Get());
  std::ostringstream header;
  r->DumpHeader(header, 0);
  std::ostringstream all;
  r->DumpAll(all, pcTime | pcChannel);
  EXPECT_EQ(all.str(), header.str() + "\n" + "   Time (sec.) Ch\n" + "     1.0000000  2\n" +
                           "     2.0000000 Test Stop\n" + " End of Data File");
}

TEST_F(SDFileTest, DumpAllEndsWithTheFileWhateverTheHeaderClaims) {
  Spartan3000Builder b;
  b.HeaderU32(0, 0xFFFFFFFF).AddHit({.Ticks = OneSecond}).AddHit({.Ticks = 2 * OneSecond});
  Reader r = Open(b.Get());
  std::ostringstream all;
  r->DumpAll(all, pcTime);
  const std::string text = all.str();
  EXPECT_EQ(text.substr(text.find("   Time (sec.)")), "   Time (sec.)\n     1.0000000\n     2.0000000");
}

// --- Hostile input ---------------------------------------------------------------------------

TEST_F(SDFileTest, LabelLengthBeyondTheFieldIsClamped) {
  Spartan3000Builder b;
  b.HeaderText(47, std::string(40, 'L')).HeaderByte(46, 255).HeaderText(87, "ZZZZ");
  Reader r = Open(b.Get());
  EXPECT_EQ(r->GetLabel(), std::string(40, 'L'));
  std::ostringstream os;
  r->DumpHeader(os, 0);
  EXPECT_NE(os.str().find("Test Label\t\t: " + std::string(40, 'L') + "\n"), std::string::npos);
}

TEST_F(SDFileTest, TruncatedHeaderReadsNoRecords) {
  Bytes bytes = Spartan3000Builder().Get();
  bytes.resize(100);
  Reader r = Open(bytes);
  EXPECT_FALSE(IsSpartan3000File(r.Stream.Get()));
  EXPECT_FALSE(r->HasHeader());
  EXPECT_EQ(r->GetVersion(), "V1.23a");  // what arrived of the header is there
  EXPECT_EQ(GetU32(r->Header().data() + 200), 0u);
  EXPECT_EQ(r->CountRecs(), 0);
  EXPECT_EQ(r->CountHits(), 0);
  r->SeekFirst();
  EXPECT_FALSE(r->ReadNext());
  EXPECT_FALSE(r->ReadNextNonHit());
  EXPECT_FALSE(r->ReadPrev());
  std::ostringstream os;
  r->DumpAll(os, -1);
  EXPECT_EQ(os.str().substr(os.str().size() - 3), "Seq");

  // A source without a valid header still gives a writer with records after offset 512.
  EXPECT_EQ(CopyThroughWriter(bytes).size(), 512u);
}

TEST_F(SDFileTest, GarbageIsHandledWithoutFaults) {
  std::mt19937 random(7);
  for (int round = 0; round < 8; ++round) {
    SCOPED_TRACE(round);
    Bytes bytes(512 + 32 * 40 + static_cast<std::size_t>(round) * 3);  // a short tail of 0..21 bytes
    for (auto& byte : bytes) byte = static_cast<unsigned char>(random());
    Reader r = Open(bytes);
    (void)r->GetLabel();
    (void)r->GetDate();
    (void)r->GetVersion();
    (void)r->HasHeader();
    (void)r->CanFilter();
    EXPECT_LE(r->CountRecs(), 40);
    EXPECT_LE(r->CountHits(), 40);
    r->SeekFirst();
    std::ostringstream os;
    ZTShortHit rec;
    int records = 0;
    while (r->ReadNext()) {
      ++records;
      r->GetRec(rec);
      for (int code = 1; code <= 32768; code <<= 1) (void)r->GetValue(code);
      r->DumpRec(os, -1);
    }
    EXPECT_EQ(records, 40);
    EXPECT_TRUE(r->ReadPrev());
    r->SeekFirst();
    while (r->ReadNextNonHit()) {}
    r->DumpAll(os, -1);
    // A copy keeps every record, however strange.
    const Bytes copy = CopyThroughWriter(bytes);
    EXPECT_TRUE(std::equal(copy.begin() + 512, copy.end(), bytes.begin() + 512, bytes.begin() + 512 + 32 * 40));
  }
}

}  // namespace
}  // namespace ae
