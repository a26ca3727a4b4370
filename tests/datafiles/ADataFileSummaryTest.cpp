// The summary of a whole file that DescribeDataFile adds after the header text: the DTA
// product, date and channel setup messages, the hits and the first and last timed records of
// every format, and what is left of it for truncated and damaged files.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ADataFileSummary.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/AlineIsaBuilder.h"
#include "tests/support/AlinePciBuilder.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/ReaderSamples.h"
#include "tests/support/Spartan3000Builder.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::DtaBuilder;
using Bytes = DtaBuilder::Bytes;

constexpr std::uint64_t Second = test::DtaSecond;
const std::string DtaTypeLine = "Data type: Locan AT/Spartan AT/Spartan 2000/Disp/Mistras\n";
const std::string ChannelTitles =
    "Channels setup parameters :\n"
    "Chan# Gain(dB) TH(dB) HDT(us) HLT(us) PDT(us)\n";

Bytes TextBody(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A product definition whose text is given as it stands in the file.
Bytes ProductBody(const std::string& text) {
  const std::string body = std::string("\0\x92\x05", 3) + text;
  return Bytes(body.begin(), body.end());
}

// Message 42 of these sub-messages (each from its sub-identifier on, SUBLEN taken from its size).
Bytes HardwareSetupBody(const std::vector<Bytes>& subs) {
  Bytes body = {0, 0x34, 0x12};
  for (const Bytes& sub : subs) {
    DtaBuilder::AddU16(body, static_cast<unsigned>(sub.size()));
    body.insert(body.end(), sub.begin(), sub.end());
  }
  return body;
}

class DataFileSummary : public ::testing::Test {
 protected:
  std::string Describe(const Bytes& bytes, const std::string& name = "f.dta") {
    const std::string path = dir_.File(name);
    test::WriteFileBytes(path, bytes);
    return DescribeDataFile(path);
  }

  test::TempDir dir_;
};

TEST_F(DataFileSummary, DtaProductDateChannelSetupHitsAndTimes) {
  DtaBuilder b;
  b.Message(41, ProductBody(std::string("Unit 7 \r\n\tVersion 2.1\r\n\r\n\x1a") + '\0'))
      .Message(99, TextBody(std::string("Thu May 27 10:53:54 2021\n") + '\0'))
      .Message(99, TextBody("a later text message"))
      .Message(100);
  b.Message(42, HardwareSetupBody({{5, 5, 1, 3, 4, 5, 6, 1},
                                   {22, 1, 40},
                                   {23, 1, 45},
                                   {24, 1, 0x20, 0x03},
                                   {25, 1, 0xE8, 0x03},
                                   {26, 1, 0xC8, 0},
                                   {22, 2, 41},
                                   {19, 1, 2, 3}}));
  b.Message(23, {2, 50}).Message(101).Timed(128, 3 * Second / 2);
  b.StandardHit(2 * Second, 1, 10, 20, 30, 40, 50, 60).StandardHit(3 * Second, 2, 10, 20, 30, 40, 50, 60);
  b.Message(22, {1, 46});  // the setting in force at the end of the data is shown
  b.Timed(2, 4 * Second, {0, 0xA0, 0x0F}).Timed(130, 5 * Second).Message(15);
  b.StandardHit(9 * Second, 1, 1, 1, 1, 1, 1, 1);  // after the end of the data, as the viewer reads
  EXPECT_EQ(Describe(b.Get()), DtaTypeLine +
                                   "Product definition\t: Unit 7\n"
                                   "\t\t\t  Version 2.1\n"
                                   "Test Time and Date\t: Thu May 27 10:53:54 2021\n"
                                   "Number of hits\t\t: 2\n"
                                   "First record time\t: 1.5000000 sec\n"
                                   "Last record time\t: 5.0000000 sec\n" +
                                   ChannelTitles +
                                   "    1       46     45     800    1000     200\n"
                                   "    2       41     50       -       -       -\n");
}

// Truncated and damaged files give the summary of what could be read.
TEST_F(DataFileSummary, DtaFilesCutShortOrDamaged) {
  const std::string oneHit =
      "Number of hits\t\t: 1\nFirst record time\t: 1.0000000 sec\nLast record time\t: 1.0000000 sec\n";
  struct Case {
    const char* What;
    Bytes File;
    std::string Summary;
  };
  std::vector<Case> cases;
  {
    DtaBuilder b;
    b.ProductDefinition("").HardwareSetup({1, 3}, 0).StandardHit(Second, 1, 1, 1, 1, 1, 1, 1);
    b.StandardHit(2 * Second, 1, 1, 1, 1, 1, 1, 1);
    Bytes cut = b.Get();
    cut.resize(cut.size() - 5);
    cases.push_back({"cut inside the last hit", cut, "Product definition\t: \n" + oneHit});
  }
  {
    DtaBuilder b;
    b.ProductDefinition("P").StandardHit(Second, 1, 1, 1, 1, 1, 1, 1);
    b.Raw({0x51, 0xC3, 99}).Message(99, TextBody("never read"));
    cases.push_back({"a message longer than any", b.Get(), "Product definition\t: P\n" + oneHit});
  }
  {
    DtaBuilder b;
    b.ProductDefinition("P").Message(22, {1}).Message(23, {}).Message(24, {1, 0x20}).Message(26, {2, 0x20});
    b.Message(42, HardwareSetupBody({{22, 3}, {25, 3, 0xE8}}));
    cases.push_back({"settings without their values", b.Get(), "Product definition\t: P\nNumber of hits\t\t: 0\n"});
  }
  {
    // The last sub-message claims 4 bytes; the message ends after its first 3.
    Bytes body = HardwareSetupBody({{22, 4, 30}});
    body.insert(body.end(), {4, 0, 24, 4, 0x20});
    DtaBuilder b;
    b.ProductDefinition("P").Message(42, body);
    cases.push_back({"a sub-message past its message 42", b.Get(),
                     "Product definition\t: P\nNumber of hits\t\t: 0\n" + ChannelTitles +
                         "    4       30      -       -       -       -\n"});
  }
  {
    DtaBuilder b;
    b.ProductDefinition("\x0b\x0c\r\n  \t").Message(99, {}).Message(22, {0, 7}).Message(26, {255, 0xFF, 0xFF});
    cases.push_back({"empty texts, channels 0 and 255", b.Get(),
                     "Product definition\t: \nTest Time and Date\t: \nNumber of hits\t\t: 0\n" + ChannelTitles +
                         "    0        7      -       -       -       -\n"
                         "  255        -      -       -       -   65535\n"});
  }
  for (const Case& c : cases) EXPECT_EQ(Describe(c.File), DtaTypeLine + c.Summary) << c.What;
}

// The messages inside a continued-file message are the test's setup.
TEST_F(DataFileSummary, DtaContinuedFileGivesTheSetupItCarries) {
  EXPECT_EQ(Describe(test::ContinuedDtaFile().Get()), DtaTypeLine +
                                                          "Product definition\t: Express-8 (r) Location Version\n"
                                                          "\t\t\t  Version V5.92\n"
                                                          "Test Time and Date\t: Thu May 27\n"
                                                          "Number of hits\t\t: 3\n"
                                                          "First record time\t: 100.0000000 sec\n"
                                                          "Last record time\t: 104.0000000 sec\n");
}

TEST_F(DataFileSummary, EveryFormatAddsItsHitsAndTimesAfterItsHeader) {
  const std::string hitsAndTimes = "Number of hits\t\t: 2\nFirst record time\t: 1.0000000 sec\n";
  struct Case {
    const char* What;
    Bytes File;
    std::string TypeLine, Last;
  };
  test::Spartan3000Builder spartan;
  spartan.Timed(128, Second).AddHit({.Ticks = 2 * Second}).AddHit({.Ticks = 3 * Second});
  spartan.Sample(2, 4 * Second, 2000, 2000).EndOfData().AddHit({.Ticks = 9 * Second});
  const std::uint32_t start = test::AlinePciBuilder::DefaultStartTime;
  test::AlinePciBuilder pci;
  pci.Hit({.Seconds = start + 1}).TimeMark(start + 2, 250000, 7).Hit({.Seconds = start + 3, .Microseconds = 500000});
  test::AlineIsaBuilder isa(test::IsaStart);
  isa.Hit(test::IsaStart + 1, 0, 0, 100).Hit(test::IsaStart + 2, 750000, 1, 100);
  const Case cases[] = {
      {"Spartan 3000", spartan.Get(), "Data type: Spartan 3000\n", "4.0000000"},
      {"A-Line PCI", pci.Build(), "Data type: Aline PCI\n", "3.5000000"},
      {"A-Line ISA", isa.Get(), "Data type: Aline ISA\n", "2.7500000"},
  };
  for (const Case& c : cases) {
    const std::string path = dir_.File("f.dat");
    test::WriteFileBytes(path, c.File);
    std::ostringstream header;  // as before: only Spartan 3000 files have a header text
    OpenDataFile(path).Reader->DumpHeader(header, 0);
    EXPECT_EQ(DescribeDataFile(path),
              c.TypeLine + header.str() + hitsAndTimes + "Last record time\t: " + c.Last + " sec\n")
        << c.What;
  }
}

TEST(RealDtaFileSummary, HasTheProductDateFifteenChannelsAndTheHitsTheViewerLoads) {
  const std::string file = test::RealDtaFile();
  if (file.empty()) GTEST_SKIP() << "the real instrument file is not beside the project";
  const std::string text = DescribeDataFile(file);
  ZTDataSet set;
  set.Load(file);
  std::ostringstream channels;
  for (int channel = 1; channel <= 15; ++channel)
    channels << (channel < 10 ? "    " : "   ") << channel << "       25      0     100     100     100\n";
  EXPECT_EQ(text, DtaTypeLine +
                      "Product definition\t: Express-8 (r) Location Version\n"
                      "\t\t\t  Version V5.92\n"
                      "Test Time and Date\t: Thu May 27 10:53:54 2021\n"
                      "Number of hits\t\t: " +
                      std::to_string(set.HitCount) +
                      "\n"
                      "First record time\t: 0.0000000 sec\n"
                      "Last record time\t: 26724.7689510 sec\n" +
                      ChannelTitles + channels.str());
  EXPECT_EQ(set.HitCount, 8u);
}

TEST(DataFileSummaryText, WithoutRecordsOnlyTheHitCount) {
  ADataFileSummary summary;
  summary.NoteSetting(-1, ADataFileSummary::Setting::Gain, 1);  // outside the table: ignored
  summary.NoteSetting(256, ADataFileSummary::Setting::Gain, 1);
  std::ostringstream os;
  os << std::hex;
  summary.Write(os);
  os << 255;
  EXPECT_EQ(os.str(), "Number of hits\t\t: 0\nff");  // the caller's stream settings survive
  EXPECT_FALSE(summary.SettingOf(256, ADataFileSummary::Setting::Gain));
}

}  // namespace
}  // namespace ae
