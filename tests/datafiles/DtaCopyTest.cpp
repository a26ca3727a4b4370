// Copies through a writer pair must reproduce DTA files byte for byte: a real instrument file and
// a generated one.
#include <gtest/gtest.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/LDFile.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/Generators.h"

namespace ae {
namespace {

// Copies every record of the source through the writer pair; returns the number of records.
int CopyThroughWriterPair(const std::string& from, const std::string& to) {
  DataStream source(from, "rb"), destination(to, "wb");
  WriterPair pair = CreateWriterPair(source.Get(), destination.Get());
  EXPECT_EQ(pair.Type, ftDiSP);
  pair.Reader->SeekFirst();
  pair.Writer->SeekFirst();
  int n = 0;
  while (pair.Reader->ReadNext()) {
    pair.Writer->Append(*pair.Reader);
    ++n;
  }
  pair.Writer->Finish();
  pair = {};
  EXPECT_TRUE(destination.Close());
  return n;
}

TEST(RealDtaFile, IsRecognisedReadsToItsEndAndCopiesByteForByte) {
  const std::string real = test::RealDtaFile();
  if (real.empty()) GTEST_SKIP() << "the real instrument file is not beside the project";
  OpenedDataFile opened = OpenDataFile(real);
  ASSERT_EQ(opened.Type, ftDiSP);
  auto& reader = dynamic_cast<LDFile&>(*opened.Reader);
  const int records = reader.CountRecs();
  EXPECT_EQ(records, 26755);
  EXPECT_EQ(std::ftell(opened.Stream.Get()), 773306);  // every byte belongs to a message

  reader.SeekFirst();
  int hits = 0, samples = 0, read = 0;
  double lastHitTime = 0;
  while (reader.ReadNext()) {
    ++read;
    ZTShortHit rec;
    reader.GetRec(rec);
    if (rec.Kind == rkHit) {
      ++hits;
      EXPECT_GE(rec.Time.Seconds(), lastHitTime);
      lastHitTime = static_cast<double>(rec.Time.Seconds());
      EXPECT_GT(rec.Amplitude, 0);
    }
    if (rec.Kind == rkTimeDriven) ++samples;
  }
  EXPECT_EQ(read, records);
  EXPECT_EQ(hits, 8);
  EXPECT_EQ(samples, 26721);
  // Its definition lists CHIDs beyond 21, which take no bytes and are not decoded.
  ASSERT_EQ(reader.DefinitionChidCount(), 8);
  EXPECT_EQ(reader.DefinitionChid(7), 24);
  EXPECT_EQ(reader.ParametricCount(), 0);

  test::TempDir dir;
  EXPECT_EQ(CopyThroughWriterPair(real, dir.File("copy.dta")), records);
  EXPECT_EQ(test::ReadFileBytes(dir.File("copy.dta")), test::ReadFileBytes(real));
}

TEST(GeneratedDtaFile, CopiesByteForByte) {
  test::TempDir dir;
  GenerateDataFile("dta", {5000, 3}, dir.File("gen.dta"));
  CopyThroughWriterPair(dir.File("gen.dta"), dir.File("copy.dta"));
  EXPECT_EQ(test::ReadFileBytes(dir.File("copy.dta")), test::ReadFileBytes(dir.File("gen.dta")));
}

}  // namespace
}  // namespace ae
