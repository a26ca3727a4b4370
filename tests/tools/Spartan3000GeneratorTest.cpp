#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ByteOrder.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataStream.h"
#include "datafiles/Recognition.h"
#include "datafiles/SDFile.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/AetoolCommands.h"
#include "tools/aetool/Generators.h"

namespace ae {
namespace {

using Bytes = std::vector<unsigned char>;

std::string Generate(const test::TempDir& dir, const std::string& name, std::uint64_t hits, std::uint64_t seed) {
  const std::string path = dir.File(name);
  const std::string hitsText = std::to_string(hits);
  const std::string seedText = std::to_string(seed);
  const char* argv[] = {"aetool",         "gen",    "--format",       "s3000", "--hits",
                        hitsText.c_str(), "--seed", seedText.c_str(), "-o",    path.c_str()};
  std::ostringstream out, err;
  EXPECT_EQ(RunAetool(static_cast<int>(std::size(argv)), argv, out, err), 0) << err.str();
  return path;
}

TEST(Spartan3000Generator, WritesAFileThatOpensAsSpartan3000WithConsistentHeader) {
  test::TempDir dir;
  constexpr std::uint64_t hits = 500;
  const std::string path = Generate(dir, "s.dta", hits, 11);

  OpenedDataFile opened = OpenDataFile(path);
  ASSERT_EQ(opened.Type, ftSpartan3000);
  auto* file = dynamic_cast<SDFile*>(opened.Reader.get());
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->HasHeader());
  EXPECT_TRUE(file->CanFilter());
  EXPECT_FALSE(file->GetLabel().empty());
  EXPECT_EQ(file->GetDate().size(), 17u);
  EXPECT_EQ(file->GetVersion().size(), 6u);

  // Walk every record: hits numbered in order, times never going back, samples carrying the
  // pressure in both places the readers look, an end-of-data record last.
  file->SeekFirst();
  std::map<int, int> codes;
  std::uint32_t expectedSeq = 1;
  ATestTime previous, first, greatest;
  int records = 0;
  bool endSeen = false;
  while (file->ReadNext()) {
    ASSERT_FALSE(endSeen) << "a record after the end of data";
    ++records;
    ++codes[file->Code()];
    EXPECT_TRUE(file->IsKnown());
    if (file->HasTime()) {
      const ATestTime t = file->CurrentTestTime();
      EXPECT_GE(t, previous);
      previous = t;
      if (first.IsZero()) first = t;
      if (t > greatest) greatest = t;
    }
    if (file->IsHit()) {
      EXPECT_EQ(file->GetValue(pcSeq), expectedSeq++);
      EXPECT_GE(file->GetValue(pcChannel), 1);
      EXPECT_LE(file->GetValue(pcChannel), 8);
      EXPECT_GE(file->GetValue(pcAmplitude), 40);
      EXPECT_LE(file->GetValue(pcCntPk), file->GetValue(pcCounts));
    }
    if (file->IsTimeDriven()) {
      EXPECT_EQ(GetU16(file->Record().data() + 27), GetU16(file->Record().data() + 7));
      EXPECT_GE(file->GetValue(pcPar1), 0.0);
      EXPECT_LE(file->GetValue(pcPar1), 10.0);
    }
    endSeen = file->IsEndOfData();
  }
  EXPECT_TRUE(endSeen);
  EXPECT_EQ(codes[1], static_cast<int>(hits));
  EXPECT_GT(codes[2], 1000);
  EXPECT_EQ(codes[16], 2);
  EXPECT_EQ(codes[128], 2);  // start and resume
  EXPECT_EQ(codes[129], 1);
  EXPECT_EQ(codes[130], 1);
  EXPECT_GE(codes[7], 4);
  EXPECT_EQ(codes[0], 1);

  const auto& h = file->Header();
  const auto total = static_cast<std::uint32_t>(records - 1);
  EXPECT_EQ(GetU32(h.data() + 0), total);
  EXPECT_EQ(GetU32(h.data() + 4), SDFile::HeaderTimeUnits(first));
  EXPECT_EQ(GetU32(h.data() + 8), 1u);
  EXPECT_EQ(GetU32(h.data() + 12), SDFile::HeaderTimeUnits(greatest));
  EXPECT_EQ(GetU32(h.data() + 16), total);
  EXPECT_EQ(greatest, ATestTime::FromSeconds(1800.0L));
  EXPECT_EQ(file->CountRecs(), records);
  EXPECT_EQ(file->CountHits(), static_cast<int>(hits));
}

TEST(Spartan3000Generator, ACopyThroughTheWriterPairIsIdentical) {
  test::TempDir dir;
  const std::string path = Generate(dir, "s.dta", 2000, 5);
  const std::string out = dir.File("copy.dta");
  {
    DataStream source(path, "rb");
    DataStream destination(out, "wb");
    ASSERT_TRUE(IsSpartan3000File(source.Get()));
    WriterPair pair = CreateWriterPair(source.Get(), destination.Get());
    ASSERT_EQ(pair.Type, ftSpartan3000);
    pair.Reader->SeekFirst();
    pair.Writer->SeekFirst();
    while (pair.Reader->ReadNext()) pair.Writer->Append(*pair.Reader);
    pair.Writer->Finish();
    pair = WriterPair{};
    ASSERT_TRUE(destination.Close());
  }
  // The generator's header holds what the writer stores: the whole file comes out the same.
  EXPECT_EQ(test::ReadFileBytes(out), test::ReadFileBytes(path));
}

TEST(Spartan3000Generator, TheSameSeedGivesTheSameFile) {
  test::TempDir dir;
  const Bytes a = test::ReadFileBytes(Generate(dir, "a.dta", 300, 9));
  const Bytes b = test::ReadFileBytes(Generate(dir, "b.dta", 300, 9));
  const Bytes c = test::ReadFileBytes(Generate(dir, "c.dta", 300, 10));
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  EXPECT_EQ((a.size() - SDFile::HeaderSize) % SDFile::RecordSize, 0u);
}

TEST(Spartan3000Generator, AFileWithoutHitsIsStillAFile) {
  test::TempDir dir;
  OpenedDataFile opened = OpenDataFile(Generate(dir, "empty.dta", 0, 1));
  ASSERT_EQ(opened.Type, ftSpartan3000);
  EXPECT_EQ(opened.Reader->CountHits(), 0);
  EXPECT_GT(opened.Reader->CountRecs(), 1000);
}

}  // namespace
}  // namespace ae
