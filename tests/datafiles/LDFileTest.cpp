#include <sstream>

#include <gtest/gtest.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataStream.h"
#include "datafiles/EZTData.h"
#include "datafiles/LDFile.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::DtaBuilder;
using Bytes = DtaBuilder::Bytes;

constexpr std::uint64_t OneSecond = 4000000;

// An LDFile reader over bytes written to a temporary file.
class DtaFixture : public ::testing::Test {
 protected:
  LDFile& Open(const DtaBuilder& b) { return Open(b.Get()); }
  LDFile& Open(const Bytes& bytes) {
    path_ = dir_.File("t.dta");
    test::WriteFileBytes(path_, bytes);
    stream_ = DataStream(path_, "rb");
    file_ = std::make_unique<LDFile>(stream_.Get());
    return *file_;
  }
  ZTShortHit Rec() {
    ZTShortHit rec;
    file_->GetRec(rec);
    return rec;
  }

  test::TempDir dir_;
  std::string path_;
  DataStream stream_;
  std::unique_ptr<LDFile> file_;
};

TEST_F(DtaFixture, HitDecodesByTheDefinitionInForce) {
  DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  b.StandardHit(3 * OneSecond + 7, 5, 0x1234, 321, 4567, 0x01020304, 87, -12);
  LDFile& f = Open(b);
  ASSERT_TRUE(f.ReadNext());
  ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.DefinitionChidCount(), 5);
  EXPECT_EQ(f.ParametricCount(), 1);
  ASSERT_TRUE(f.ReadNext());
  ASSERT_TRUE(f.IsHit());
  const ZTShortHit rec = Rec();
  EXPECT_EQ(rec.Kind, rkHit);
  EXPECT_EQ(rec.Time, ATestTime::FromTicks(3 * OneSecond + 7));
  EXPECT_EQ(rec.Channel, 5);
  EXPECT_EQ(rec.Rise, 0x1234);
  EXPECT_EQ(rec.Counts, 321);
  EXPECT_EQ(rec.Energy, 4567);
  EXPECT_EQ(rec.Duration, 0x01020304u);
  EXPECT_EQ(rec.Amplitude, 87);
  EXPECT_FLOAT_EQ(rec.Parametric, -12.0f);  // the hit's parametric is signed

  EXPECT_NEAR(f.GetValue(pcTime), 3.00000175, 1e-12);
  EXPECT_EQ(f.GetTime(), f.GetValue(pcTime));
  EXPECT_EQ(f.GetValue(pcChannel), 5);
  EXPECT_EQ(f.GetValue(pcRise), 0x1234);
  EXPECT_EQ(f.GetValue(pcCounts), 321);
  EXPECT_EQ(f.GetValue(pcEnergy), 4567);
  EXPECT_EQ(f.GetValue(pcDuration), 0x01020304);
  EXPECT_EQ(f.GetValue(pcAmplitude), 87);
  EXPECT_EQ(f.GetValue(pcPar1), -12);
  EXPECT_EQ(f.GetValue(pcCntPk), 0);  // not in the definition
  EXPECT_EQ(f.GetValue(pcSeq), 0);    // not a DTA parameter
}

TEST_F(DtaFixture, ZeroSizeChidTakesNoBytesAndUnknownChidsAreSkipped) {
  DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 15, 30, 3}, 0);
  Bytes hit = DtaBuilder::Tot(OneSecond);
  hit.push_back(2);
  DtaBuilder::AddU16(hit, 11);  // rise
  DtaBuilder::AddU16(hit, 22);  // counts, right after the rise
  b.Message(1, hit);
  LDFile& f = Open(b);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(Rec().Rise, 11);
  EXPECT_EQ(Rec().Counts, 22);
}

TEST_F(DtaFixture, HitBeforeAnyDefinitionHasOnlyTimeAndChannel) {
  DtaBuilder b;
  b.ProductDefinition().StandardHit(OneSecond, 9, 1, 2, 3, 4, 5, 6);
  LDFile& f = Open(b);
  ASSERT_TRUE(f.ReadNext());
  ASSERT_TRUE(f.ReadNext());
  const ZTShortHit rec = Rec();
  EXPECT_EQ(rec.Kind, rkHit);
  EXPECT_EQ(rec.Time, ATestTime::FromTicks(OneSecond));
  EXPECT_EQ(rec.Channel, 9);
  EXPECT_EQ(rec.Rise + rec.Counts + rec.Energy + rec.Duration + rec.Amplitude, 0u);
  EXPECT_EQ(rec.Parametric, 0.0f);
}

TEST_F(DtaFixture, RecordKindsAndQueries) {
  struct Case {
    int id;
    Bytes body;
    int kind;
    bool hasTime, stop, end, timeDriven, comment, waveform, timeMark;
  };
  const Bytes tot = DtaBuilder::Tot(2 * OneSecond);
  auto with = [&](Bytes extra) {
    Bytes b = tot;
    b.insert(b.end(), extra.begin(), extra.end());
    return b;
  };
  const std::vector<Case> cases = {
      {2, with({0, 0xA0, 0x0F}), rkTimeDriven, false, false, false, true, false, false, false},
      {3, with({0, 0xA0, 0x0F}), rkTimeDriven, false, false, false, true, false, false, false},
      {7, {'h', 'i', 0}, rkComment, false, false, false, false, true, false, false},
      {15, {}, rkOther, false, false, true, false, false, false, false},
      {128, tot, rkResume, true, false, false, false, false, false, false},
      {129, tot, rkStop, true, true, false, false, false, false, false},
      {130, tot, rkPause, true, false, false, false, false, false, false},
      {173, {1, 2, 3}, rkOther, false, false, false, false, false, true, false},
      {211, tot, rkTimeMark, false, false, false, false, false, false, true},     // LEN 7
      {211, with({9}), rkOther, false, false, false, false, false, false, true},  // LEN 8
      {99, {'x'}, rkOther, false, false, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("message " + std::to_string(c.id) + " LEN " + std::to_string(c.body.size() + 1));
    DtaBuilder b;
    b.ProductDefinition().Message(c.id, c.body);
    LDFile& f = Open(b);
    ASSERT_TRUE(f.ReadNext());
    ASSERT_TRUE(f.ReadNext());
    ZTShortHit rec;
    rec.Channel = 77;  // fields a non-hit does not set stay as they were
    f.GetRec(rec);
    EXPECT_EQ(rec.Kind, c.kind);
    EXPECT_EQ(rec.Channel, 77);
    EXPECT_FALSE(f.IsHit());
    EXPECT_EQ(f.HasTime(), c.hasTime);
    EXPECT_EQ(f.IsStop(), c.stop);
    EXPECT_EQ(f.IsEndOfData(), c.end);
    EXPECT_EQ(f.IsTimeDriven(), c.timeDriven);
    EXPECT_EQ(f.IsComment(), c.comment);
    EXPECT_EQ(f.IsWaveform(), c.waveform);
    EXPECT_EQ(f.IsTimeMarkMsg(), c.timeMark);
    EXPECT_TRUE(f.IsKnown());
    if (c.kind == rkTimeDriven) {
      EXPECT_EQ(rec.Time, ATestTime::FromTicks(2 * OneSecond));
      EXPECT_EQ(rec.Parametric, 4000.0f);  // raw, unsigned
    }
    if (c.id == 211 || c.hasTime) {
      EXPECT_EQ(rec.Time, ATestTime::FromTicks(2 * OneSecond));
    }
  }
}

TEST_F(DtaFixture, NonHitMessagesKeepTheLastHitsValues) {
  DtaBuilder b;
  b.ProductDefinition().HardwareSetup({2, 3}, 0);
  Bytes hit = DtaBuilder::Tot(OneSecond);
  hit.push_back(1);
  DtaBuilder::AddU16(hit, 17);  // counts to peak
  DtaBuilder::AddU16(hit, 40);
  b.Message(1, hit).Timed(128, 2 * OneSecond);
  LDFile& f = Open(b);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.Id(), 128);
  EXPECT_EQ(f.GetValue(pcCntPk), 17);
  EXPECT_EQ(f.GetValue(pcCounts), 40);
}

TEST_F(DtaFixture, ValuesFollowTheLastOfSeveralHitsAcrossMessagesAndDefinitions) {
  DtaBuilder b;
  b.ProductDefinition().HardwareSetup({2, 3}, 0);
  for (int counts : {40, 41, 42}) {
    Bytes hit = DtaBuilder::Tot(OneSecond);
    hit.push_back(1);
    DtaBuilder::AddU16(hit, 17);
    DtaBuilder::AddU16(hit, static_cast<std::uint16_t>(counts));
    b.Message(1, hit);
  }
  b.Timed(128, 2 * OneSecond).HardwareSetup({3}, 0);
  LDFile& f = Open(b);
  std::vector<double> counts;
  while (f.ReadNext()) counts.push_back(f.GetValue(pcCounts));
  // Hits give their own counts; the sample and the new definition keep those of the last hit,
  // read under the definition it was written with.
  EXPECT_EQ(counts, (std::vector<double>{0, 0, 40, 41, 42, 42, 42}));
}

TEST_F(DtaFixture, ShortHitReadsZerosEvenAfterALongerMessage) {
  DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  b.Message(99, Bytes(200, 0xEE));  // leaves non-zero bytes in the message area
  Bytes shortHit = DtaBuilder::Tot(OneSecond);
  shortHit.push_back(3);
  DtaBuilder::AddU16(shortHit, 5);  // only the rise time is present
  b.Message(1, shortHit);
  LDFile& f = Open(b);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(f.ReadNext());
  const ZTShortHit rec = Rec();
  EXPECT_EQ(rec.Rise, 5);
  EXPECT_EQ(rec.Counts, 0);
  EXPECT_EQ(rec.Energy, 0);
  EXPECT_EQ(rec.Duration, 0u);
  EXPECT_EQ(rec.Amplitude, 0);
  EXPECT_EQ(rec.Parametric, 0.0f);
}

TEST_F(DtaFixture, DefinitionWithMoreThan21ChidsKeepsTheFirst21) {
  Bytes sub = {5, 25};
  for (int i = 0; i < 25; ++i) sub.push_back(6);  // amplitude, one byte each
  sub.push_back(1);                               // parametric count after all 25
  Bytes body = {0, 0, 0};
  DtaBuilder::AddU16(body, static_cast<unsigned>(sub.size()));
  body.insert(body.end(), sub.begin(), sub.end());
  DtaBuilder b;
  b.ProductDefinition().Message(42, body);
  Bytes hit = DtaBuilder::Tot(OneSecond);
  hit.push_back(1);
  for (int i = 0; i < 21; ++i) hit.push_back(static_cast<unsigned char>(50 + i));
  hit.insert(hit.end(), {1, 0x34, 0x12});
  b.Message(1, hit);
  LDFile& f = Open(b);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.DefinitionChidCount(), 21);
  EXPECT_EQ(f.ParametricCount(), 1);
  EXPECT_EQ(Rec().Amplitude, 70);  // the last of 21 one-byte amplitudes wins
  EXPECT_EQ(f.GetValue(pcPar1), 0x1234);
}

// A sub-message takes SUBLEN bytes; those beyond the end of its message 42 read as zero, so a
// definition cut short still decodes the hits that follow.
TEST_F(DtaFixture, SubMessageRunningPastItsMessageTakesZerosForTheMissingBytes) {
  const struct {
    const char* What;
    Bytes Sub;  // from SUBLEN on, the last bytes of the message 42
    std::vector<int> Chids;
    int Parametrics;
    int Rise, Counts;  // of the hit that follows
  } cases[] = {
      // SUBLEN 400; N = 2, CHIDs 1 and 3, parametric count 0 are all in the message.
      {"long SUBLEN", {0x90, 0x01, 5, 2, 1, 3, 0}, {1, 3}, 0, 0x0B0A, 0x0D0C},
      // N = 3: the third CHID and the parametric count lie beyond the message and read 0.
      {"CHIDs beyond the message", {0x07, 0x00, 5, 3, 1, 3}, {1, 3, 0}, 0, 0x0B0A, 0x0D0C},
      // Only the sub-identifier and N: an empty definition, which the hit keeps.
      {"only N", {0x09, 0x00, 5, 0}, {}, 0, 0, 0},
      // One byte where SUBLEN would start: nothing to take, the definition stays {6}.
      {"lone byte", {0x01}, {6}, 0, 0, 0},
  };
  for (const auto& c : cases) {
    Bytes body = {0, 0, 0};
    body.insert(body.end(), c.Sub.begin(), c.Sub.end());
    Bytes hit = DtaBuilder::Tot(OneSecond);
    hit.insert(hit.end(), {4, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E});
    DtaBuilder b;
    b.ProductDefinition().HardwareSetup({6}, 0).Message(42, body).Message(1, hit);
    LDFile& f = Open(b);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(f.ReadNext()) << c.What;
    std::vector<int> chids;
    for (int i = 0; i < f.DefinitionChidCount(); ++i) chids.push_back(f.DefinitionChid(i));
    EXPECT_EQ(chids, c.Chids) << c.What;
    EXPECT_EQ(f.ParametricCount(), c.Parametrics) << c.What;
    const ZTShortHit rec = Rec();
    EXPECT_EQ(rec.Rise, c.Rise) << c.What;
    EXPECT_EQ(rec.Counts, c.Counts) << c.What;
    if (c.Chids == std::vector<int>{6}) {
      EXPECT_EQ(rec.Amplitude, 0x0A) << c.What;
    }
  }
}

// Only a decoded hit changes the values the queries answer: a hit stepped over with SkipNext,
// and a message of LEN 0 (whose identifier byte is the next message's LEN), leave them as the
// last decoded hit left them.
TEST_F(DtaFixture, SkippedHitsAndEmptyMessagesKeepTheLastDecodedHitsValues) {
  DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  b.StandardHit(OneSecond, 1, 11, 21, 31, 41, 51, 61);
  b.StandardHit(2 * OneSecond, 2, 12, 22, 32, 42, 52, 62);
  b.Raw({0, 0});  // LEN 0
  b.Message(15);  // LEN 1: its low byte looks like a hit identifier
  b.StandardHit(3 * OneSecond, 3, 13, 23, 33, 43, 53, 63);
  b.Raw({0, 0}).Message(15);
  auto expectHit = [](LDFile& f, const char* where, int rise, int counts, int amplitude, int parametric) {
    EXPECT_EQ(f.GetValue(pcRise), rise) << where;
    EXPECT_EQ(f.GetValue(pcCounts), counts) << where;
    EXPECT_EQ(f.GetValue(pcAmplitude), amplitude) << where;
    EXPECT_EQ(f.GetValue(pcPar1), parametric) << where;
  };
  {
    LDFile& f = Open(b);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(f.ReadNext());
    expectHit(f, "first hit", 11, 21, 51, 61);
    ASSERT_TRUE(f.SkipNext());
    EXPECT_TRUE(f.IsHit());
    expectHit(f, "second hit skipped", 11, 21, 51, 61);
    ASSERT_TRUE(f.ReadNext());
    EXPECT_EQ(f.Length(), 0);
    expectHit(f, "LEN 0 after a skipped hit", 11, 21, 51, 61);
  }
  {
    LDFile& f = Open(b);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(f.ReadNext());
    expectHit(f, "second hit", 12, 22, 52, 62);
    ASSERT_TRUE(f.ReadNext());
    EXPECT_EQ(f.Length(), 0);
    expectHit(f, "LEN 0 after a decoded hit", 12, 22, 52, 62);
    ASSERT_TRUE(f.ReadNext());
    EXPECT_EQ(f.Id(), 15);
    expectHit(f, "message 15", 12, 22, 52, 62);
    ASSERT_TRUE(f.ReadNext());
    expectHit(f, "third hit", 13, 23, 53, 63);
    ASSERT_TRUE(f.SkipNext());
    EXPECT_EQ(f.Length(), 0);
    expectHit(f, "LEN 0 skipped", 13, 23, 53, 63);
  }
}

TEST_F(DtaFixture, ReadingEndsAtAMessageTooLongOrCutShort) {
  {
    DtaBuilder b;
    b.ProductDefinition().Raw({0x51, 0xC3, 1, 2, 3});  // LEN 50001
    LDFile& f = Open(b);
    EXPECT_TRUE(f.ReadNext());
    EXPECT_FALSE(f.ReadNext());
    EXPECT_EQ(f.CountRecs(), 1);
  }
  {
    DtaBuilder b;
    b.ProductDefinition().Raw({0x50, 0xC3, 99});  // LEN 50000 is allowed, but the body is cut
    LDFile& f = Open(b);
    EXPECT_TRUE(f.ReadNext());
    EXPECT_FALSE(f.ReadNext());
    EXPECT_FALSE(f.IsHit());
  }
  {
    DtaBuilder b;
    b.ProductDefinition().HardwareSetup({1, 3}, 0).StandardHit(OneSecond, 1, 10, 20, 0, 0, 0, 0);
    Bytes cut = b.Get();
    cut.resize(cut.size() - 3);  // a truncated last hit is not decoded
    cut.push_back(7);            // plus a lone byte where a LEN would start
    LDFile& f = Open(cut);
    EXPECT_TRUE(f.ReadNext());
    EXPECT_TRUE(f.ReadNext());
    EXPECT_FALSE(f.ReadNext());
    EXPECT_EQ(f.GetValue(pcRise), 0);
    EXPECT_FALSE(f.ReadNext());
  }
}

TEST_F(DtaFixture, CountsLeaveTheStreamAtTheEndAndSeekFirstRestarts) {
  DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  for (int i = 0; i < 3; ++i) b.StandardHit(OneSecond * (i + 1), 1, 1, 1, 1, 1, 50, 0);
  b.Timed(130, 5 * OneSecond).StandardHit(6 * OneSecond, 2, 1, 1, 1, 1, 50, 0).Message(15);
  LDFile& f = Open(b);
  EXPECT_TRUE(f.IsFirst());
  EXPECT_EQ(f.CountRecs(), 8);  // the hardware setup counts once, its sub-messages not at all
  EXPECT_FALSE(f.ReadNext());
  EXPECT_EQ(f.CountHits(), 4);
  EXPECT_FALSE(f.ReadNext());
  f.SeekFirst();
  EXPECT_TRUE(f.IsFirst());
  ASSERT_TRUE(f.ReadNext());
  EXPECT_EQ(f.Id(), 41);
  EXPECT_FALSE(f.IsFirst());
}

// Messages of many lengths in a file several stream buffers long, so that buffer ends fall inside
// LEN words and bodies: counting and reading agree on every message, and both stop at a message
// that is too long or cut short.
TEST_F(DtaFixture, CountingAndReadingAgreeAcrossTheStreamBuffer) {
  const struct {
    const char* What;
    bool TooLongInside;
    bool CutAtTheEnd;
  } cases[] = {{"whole", false, false}, {"too long inside", true, false}, {"cut at the end", false, true}};
  for (const auto& c : cases) {
    DtaBuilder b;
    int written = 0;
    for (int i = 0; i < 120000; ++i, ++written) {
      if (c.TooLongInside && i == 100000) break;
      b.Message(15, Bytes(static_cast<std::size_t>(i * 7 % 41), static_cast<std::uint8_t>(i)));
    }
    if (c.TooLongInside) b.Raw({0x51, 0xC3, 15}).Message(15, Bytes(3, 1));
    Bytes bytes = b.Get();
    ASSERT_GT(bytes.size(), 2 * DataStream::BufferSize) << c.What;
    if (c.CutAtTheEnd) {
      bytes.resize(bytes.size() - 2);
      --written;
    }
    LDFile& f = Open(bytes);
    EXPECT_EQ(f.CountRecs(), written) << c.What;
    f.SeekFirst();
    int read = 0;
    bool inOrder = true;
    while (f.ReadNext()) {
      inOrder = inOrder && f.Id() == 15 && f.Length() == 1 + read * 7 % 41 &&
                (f.Length() == 1 || f.Message()[1] == static_cast<std::uint8_t>(read));
      ++read;
    }
    EXPECT_EQ(read, written) << c.What;
    EXPECT_TRUE(inOrder) << c.What;
  }
}

TEST_F(DtaFixture, ReadNextRawWalksIntoTheHardwareSetup) {
  DtaBuilder b;
  b.ProductDefinition().HardwareSetup({1, 3}, 0).Timed(128, OneSecond);
  LDFile& f = Open(b);
  std::ostringstream os;
  f.DumpIds(os);
  EXPECT_EQ(os.str(),
            "ID =  41  Length =     17 \n"
            "ID =  42  Length =     11 \n"
            "ID =   5  Length =      5 \n"
            "ID = 128  Length =      7 \n");
  EXPECT_EQ(f.DefinitionChidCount(), 2);
}

TEST_F(DtaFixture, EventPositionFollowsTheWindows) {
  DtaBuilder b;
  b.ProductDefinition();
  for (double t : {0.5, 0.50005, 0.5005, 0.502, 0.501}) b.Timed(128, static_cast<std::uint64_t>(t * OneSecond + 0.5));
  LDFile& f = Open(b);
  f.SetEventWindows(ATestTime::FromSeconds(100e-6L), ATestTime::FromSeconds(1000e-6L));
  ASSERT_TRUE(f.ReadNext());
  for (int expected : {0, 1, 2, 0}) {
    ASSERT_TRUE(f.ReadNext());
    EXPECT_EQ(f.EventPos(), expected);
  }
  ASSERT_TRUE(f.ReadNext());
  try {
    f.EventPos();
    FAIL() << "a record earlier than its event start must raise";
  } catch (const EZTData& e) {
    EXPECT_EQ(e.Code(), EZTData::TimeOrderError);
  }
}

TEST_F(DtaFixture, TextDumpOfEveryMessageKind) {
  LDFile::LastChannelWritten() = 0;
  DtaBuilder b;
  b.ProductDefinition("Demo unit\n").Message(100).HardwareSetup({1, 3, 6, 21}, 1);
  b.Message(22, {1, 40}).Message(23, {1, 45});
  b.Message(24, {1, 0x20, 0x03}).Message(25, {1, 0xE8, 0x03}).Message(26, {1, 0xC8, 0});
  b.Message(22, {2, 41}).Message(26, {2, 0xC8, 0}).Message(101);
  b.Timed(128, 0);
  Bytes hit = DtaBuilder::Tot(OneSecond);
  hit.push_back(3);
  for (unsigned v : {12u, 34u}) DtaBuilder::AddU16(hit, v);
  hit.push_back(60);
  DtaBuilder::AddU32(hit, 99999);
  hit.insert(hit.end(), {1, 0xD0, 0x07});  // 2000 counts -> 0 V
  b.Message(1, hit).Message(1, hit);
  b.Timed(2, 2 * OneSecond, {0, 0xA0, 0x0F});
  b.Message(7, {'n', 'o', 't', 'e', 0}).Message(11).Message(15).Message(1, hit);
  b.Timed(130, 3 * OneSecond).Timed(129, 4 * OneSecond).Message(5, {2, 4, 5}).Message(173, {1, 2});
  LDFile& f = Open(b);
  std::ostringstream os;
  f.DumpAll(os, 0);
  const std::string hitLine = "     1.0000000  3    12    34  60  0.00\n";
  EXPECT_EQ(os.str(),
            "ID =  41  Length =     14 Demo unit\n\n"
            "ID = 100  Length =      1 Begin Setup\n"
            "ID =  42  Length =     13 4660 Hardware Setup\n"
            "ID =  22  Length =      3 Channels setup parameters :\n"
            "Chan# Gain(dB) TH(dB) HDT(us) HLT(us) PDT(us)\n"
            "    1     40\n"
            "ID =  23  Length =      3        45\n"
            "ID =  24  Length =      4      800\n"
            "ID =  25  Length =      4     1000\n"
            "ID =  26  Length =      4      200\n"
            "ID =  22  Length =      3     2     41\n"
            "ID =  26  Length =      4      200\n"
            "ID = 101  Length =      1 End of Setup\n"
            "ID = 128  Length =      7      0.0000000 Test Resume\n"
            "ID =   1  Length =     20 \n"
            "    Time (sec) Cn  Rise  Cnts Amp Par1\n"
            "ID =   1  Length =     20 " +
                hitLine + "ID =   1  Length =     20 " + hitLine +
                "ID =   2  Length =     10      2.0000000 Par1 =10.000\n"
                "ID =   7  Length =      6 note\n"
                "ID =  11  Length =      1 Reset Clock\n"
                "ID =  15  Length =      1 Test Abort\n"
                "ID =   1  Length =     20 \n"
                "    Time (sec) Cn  Rise  Cnts Amp Par1\n"
                "ID =   1  Length =     20 " +
                hitLine +
                "ID = 130  Length =      7      3.0000000 Test Pause\n"
                "ID = 129  Length =      7      4.0000000 Test Stop\n"
                "ID =   5  Length =      4 Active AE Data Set Parameters :\n\tEnergy Duration \n"
                "ID = 173  Length =      3 Default DiSP record\nID = 173 Length = 3\n");
  EXPECT_EQ(LDFile::LastChannelWritten(), 2);
  EXPECT_EQ(f.ParametricCount(), 1);  // a message 5 keeps the parametric count
}

TEST_F(DtaFixture, ChannelTableHeaderIsWrittenOncePerProgram) {
  LDFile::LastChannelWritten() = 7;
  DtaBuilder b;
  b.ProductDefinition().Message(22, {7, 40}).Message(23, {7, 45});
  LDFile& f = Open(b);
  std::ostringstream os;
  f.ReadNext();
  while (f.ReadNext()) f.DumpRec(os, 0);
  EXPECT_EQ(os.str(), "ID =  22  Length =      3      40\nID =  23  Length =      3        45\n");
  LDFile::LastChannelWritten() = 0;
}

}  // namespace
}  // namespace ae
