// Continued DTA files: the later files of a test split over several files start with message 8,
// which holds the continuation time and the test's setup messages. Recognised as DTA, read with
// the setup it holds, dumped with its setup indented and copied byte for byte.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/DataStream.h"
#include "datafiles/LDFile.h"
#include "datafiles/Recognition.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/ReaderSamples.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::DtaBuilder;
using Bytes = DtaBuilder::Bytes;

using test::ContinuedDtaFile;
using test::ContinuedTestSetup;

constexpr std::uint64_t OneSecond = test::DtaSecond;

class DtaContinuedFile : public ::testing::Test {
 protected:
  std::string Save(const DtaBuilder& b, const std::string& name = "TEST__1.DTA") {
    const std::string path = dir_.File(name);
    b.Save(path);
    return path;
  }
  bool IsDta(const Bytes& bytes) {
    test::WriteFileBytes(dir_.File("probe.dta"), bytes);
    DataStream s(dir_.File("probe.dta"), "rb");
    return IsDtaFile(s.Get());
  }

  test::TempDir dir_;
};

TEST_F(DtaContinuedFile, IsRecognisedByTheProductDefinitionAfterItsTime) {
  const Bytes time = DtaBuilder::DosTime(2021, 5, 27, 10, 53, 54, 12);
  auto continued = [&](const DtaBuilder& inside) { return DtaBuilder().ContinuedFile(inside, time).Get(); };
  DtaBuilder setupFirst;
  setupFirst.HardwareSetup({1}, 0).ProductDefinition();
  DtaBuilder notText;
  notText.ProductDefinition(std::string("Ex\x01press", 8));
  DtaBuilder longer = DtaBuilder().ContinuedFile(DtaBuilder().ProductDefinition("Express"), time);
  Bytes past = longer.Get();
  past[0] = static_cast<unsigned char>(past[0] - 2);  // message 8 ends inside its product definition
  Bytes huge(50003, 0);
  huge[0] = 0x50;  // LEN 50000
  huge[1] = 0xC3;
  huge[2] = 8;
  const Bytes fine = continued(ContinuedTestSetup());
  ASSERT_LT(fine.size(), huge.size());
  std::copy(fine.begin() + 3, fine.end(), huge.begin() + 3);

  const struct {
    const char* What;
    Bytes File;
    bool Dta;
  } cases[] = {
      {"continued file", fine, true},
      {"the whole file of the tests", ContinuedDtaFile().Get(), true},
      {"only a product definition inside", continued(DtaBuilder().ProductDefinition("X")), true},
      {"setup not starting with the product definition", continued(setupFirst), false},
      {"product text not text", continued(notText), false},
      {"product definition running past message 8", past, false},
      {"message 8 of LEN 50000", huge, false},
      {"message 8 with only its time", DtaBuilder().Message(8, time).Get(), false},
      {"another first message", DtaBuilder().Message(9, time).ProductDefinition().Get(), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsDta(c.File), c.Dta) << c.What;

  const std::string path = Save(ContinuedDtaFile());
  EXPECT_EQ(OpenDataFile(path).Type, ftDiSP);
  DataStream source(path, "rb"), destination(dir_.File("copy.dta"), "wb");
  EXPECT_EQ(CreateWriterPair(source.Get(), destination.Get()).Type, ftDiSP);
}

TEST_F(DtaContinuedFile, MessageEightIsOneRecordWhoseSetupDecodesTheHits) {
  OpenedDataFile opened = OpenDataFile(Save(ContinuedDtaFile()));
  auto& reader = dynamic_cast<LDFile&>(*opened.Reader);
  EXPECT_EQ(reader.CountRecs(), 8);
  reader.SeekFirst();
  ASSERT_TRUE(reader.ReadNext());
  EXPECT_EQ(reader.Id(), LDFile::msgContinuedFile);
  EXPECT_FALSE(reader.HasTime());
  ZTShortHit rec;
  reader.GetRec(rec);
  EXPECT_EQ(rec.Kind, rkOther);
  EXPECT_EQ(reader.DefinitionChidCount(), 5);
  EXPECT_EQ(reader.ParametricCount(), 1);

  ASSERT_TRUE(reader.ReadNext());
  reader.GetRec(rec);
  EXPECT_EQ(rec.Kind, rkHit);
  EXPECT_EQ(rec.Channel, 3);
  EXPECT_EQ(rec.Rise, 12);
  EXPECT_EQ(rec.Counts, 34);
  EXPECT_EQ(rec.Energy, 56);
  EXPECT_EQ(rec.Duration, 780u);
  EXPECT_EQ(rec.Amplitude, 61);
  EXPECT_EQ(rec.Parametric, 2100.0f);
  EXPECT_DOUBLE_EQ(reader.GetTime(), 100.0);

  // The raw walk reads the embedded messages as messages of their own.
  std::ostringstream ids;
  reader.SeekFirst();
  reader.DumpIds(ids);
  const std::string walk =
      "ID =   8  Length =    116 \nID =  41  Length =     52 \nID =   7  Length =     10 \n"
      "ID =  99  Length =     13 \nID =  42  Length =     14 \nID =   5  Length =      8 \n";
  EXPECT_EQ(ids.str().substr(0, walk.size()), walk);

  ZTDataSet set;
  set.Load(dir_.File("TEST__1.DTA"));
  EXPECT_EQ(set.RecCount, 8);
  EXPECT_EQ(set.HitCount, 3u);
  EXPECT_EQ(set.Recs[0].Kind, rkOther);
  EXPECT_EQ(set.Recs[6].Amplitude, 83);
  EXPECT_DOUBLE_EQ(set.MaxTime, 104.0);
}

TEST_F(DtaContinuedFile, CopiesByteForByteThroughEveryWriter) {
  const DtaBuilder source = ContinuedDtaFile();
  const std::string path = Save(source);

  ZTDataSet set;
  set.Load(path);
  set.SaveAs(dir_.File("same.dta"));
  EXPECT_EQ(test::ReadFileBytes(dir_.File("same.dta")), source.Get());

  set.Recs[2].SetDeleted(true);
  set.SaveAs(dir_.File("cleaned.dta"));
  EXPECT_EQ(test::ReadFileBytes(dir_.File("cleaned.dta")), ContinuedDtaFile(false).Get());
}

}  // namespace
}  // namespace ae
