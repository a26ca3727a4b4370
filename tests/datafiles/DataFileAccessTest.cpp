#include <cstring>

#include <gtest/gtest.h>

#include "datafiles/ByteOrder.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/EDataFile.h"
#include "datafiles/LDFile.h"
#include "datafiles/Recognition.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

using test::DtaBuilder;
using Bytes = DtaBuilder::Bytes;

class DataFileAccess : public ::testing::Test {
 protected:
  std::string Write(const Bytes& bytes, const std::string& name = "f.dta") {
    const std::string path = dir_.File(name);
    test::WriteFileBytes(path, bytes);
    return path;
  }
  template <class Test>
  bool Recognised(Test test, const Bytes& bytes) {
    DataStream s(Write(bytes), "rb");
    std::fseek(s.Get(), 3, SEEK_SET);
    const bool result = test(s.Get());
    EXPECT_EQ(std::ftell(s.Get()), 3) << "a recognition test must not move the stream";
    return result;
  }
  std::string ExpectTextError(const std::function<void()>& action) {
    try {
      action();
    } catch (const EDataFile& e) {
      return e.what();
    }
    ADD_FAILURE() << "no text error";
    return {};
  }

  test::TempDir dir_;
};

// A 512-byte Spartan 3000 style header: binary counts, text date, version and label.
Bytes SpartanHeader() {
  Bytes h(512, 0);
  PutU32(h.data(), 0x01020304);
  const std::string date = " 05/27/21 10:53:54";
  std::memcpy(h.data() + 20, date.data(), date.size());
  std::memcpy(h.data() + 40, "V1.23 ", 6);
  h[46] = 6;
  std::memcpy(h.data() + 47, "VESSEL", 6);
  h[100] = 0xFF;  // binary somewhere, so the header as a whole is not text
  return h;
}

Bytes AlineBase(std::uint32_t signatureOffset, std::uint32_t signature) {
  Bytes h(signatureOffset + 4 + 200, 0);
  PutU32(h.data() + 12, 0xAA01);
  PutU32(h.data() + signatureOffset, signature);
  return h;
}

TEST(TextRange, PrintableControlAndInnerZeroBytes) {
  const std::uint8_t text[] = {'A', '\t', '\r', '\n', ' ', '~', 0, 'B'};
  EXPECT_TRUE(IsText(text, sizeof text));
  const std::uint8_t leadingZero[] = {0, 'A'};
  EXPECT_FALSE(IsText(leadingZero, 2));
  const std::uint8_t control[] = {'A', 0x01};
  EXPECT_FALSE(IsText(control, 2));
  const std::uint8_t high[] = {'A', 0x80};
  EXPECT_FALSE(IsText(high, 2));
  EXPECT_TRUE(IsText(leadingZero, 0));
  EXPECT_TRUE(IsText(leadingZero, -3));
}

TEST_F(DataFileAccess, DtaRecognitionLooksAtTheProductDefinition) {
  // LEN 8: 41, 0, two skipped bytes, "A", 0, and the first two bytes of the next message.
  const Bytes good = {8, 0, 41, 0, 9, 9, 'A', 'B', 0, 0, 2, 0, 15};
  EXPECT_TRUE(Recognised(IsDtaFile, good));
  Bytes control = good;
  control[7] = 0x01;
  EXPECT_FALSE(Recognised(IsDtaFile, control));
  const Bytes oneLetter = {7, 0, 41, 0, 9, 9, 'A', 0, 1, 0, 15};
  EXPECT_TRUE(Recognised(IsDtaFile, oneLetter));

  Bytes otherId = good;
  otherId[2] = 42;
  EXPECT_FALSE(Recognised(IsDtaFile, otherId));
  Bytes nonZero = good;
  nonZero[3] = 1;
  EXPECT_FALSE(Recognised(IsDtaFile, nonZero));
  EXPECT_FALSE(Recognised(IsDtaFile, {3, 0, 41, 0, 0, 0, 0, 0}));  // first LEN below 4
  EXPECT_FALSE(Recognised(IsDtaFile, {8, 0, 41, 0, 9, 9, 'A'}));   // too short for its text
  Bytes huge = {0x50, 0xC3, 41, 0};                                // first LEN 50000
  huge.resize(50010, 'x');
  EXPECT_FALSE(Recognised(IsDtaFile, huge));
  EXPECT_FALSE(Recognised(IsDtaFile, {}));
}

TEST_F(DataFileAccess, SpartanRecognitionNeedsTextFieldsInABinaryHeader) {
  EXPECT_TRUE(Recognised(IsSpartan3000File, SpartanHeader()));
  Bytes allText(512, 'x');
  EXPECT_FALSE(Recognised(IsSpartan3000File, allText));
  for (int n : {0, 41, 255}) {
    Bytes h = SpartanHeader();
    h[46] = static_cast<std::uint8_t>(n);
    EXPECT_FALSE(Recognised(IsSpartan3000File, h)) << "label length " << n;
  }
  Bytes badDate = SpartanHeader();
  badDate[25] = 0x02;
  EXPECT_FALSE(Recognised(IsSpartan3000File, badDate));
  Bytes shortFile = SpartanHeader();
  shortFile.resize(511);
  EXPECT_FALSE(Recognised(IsSpartan3000File, shortFile));
}

TEST_F(DataFileAccess, AlineRecognitionBySignatures) {
  EXPECT_TRUE(Recognised(IsAlineIsaFile, AlineBase(3844, 0x1313CFCF)));
  EXPECT_FALSE(Recognised(IsAlineIsaFile, AlineBase(3844, 0x1515CFCF)));
  EXPECT_TRUE(Recognised(IsAlinePciFile, AlineBase(3960, 0x1515CFCF)));
  EXPECT_FALSE(Recognised(IsAlinePciFile, AlineBase(3960, 0x1313CFCF)));
  Bytes wrongType = AlineBase(3960, 0x1515CFCF);
  wrongType[12] = 2;
  EXPECT_FALSE(Recognised(IsAlinePciFile, wrongType));
  Bytes cut = AlineBase(3960, 0x1515CFCF);
  cut.resize(3962);
  EXPECT_FALSE(Recognised(IsAlinePciFile, cut));
}

TEST_F(DataFileAccess, OpenRecognisesByContentInReadingOrder) {
  DtaBuilder dta;
  dta.ProductDefinition().Message(15);
  OpenedDataFile opened = OpenDataFile(Write(dta.Get(), "x.ald"));  // the extension does not matter
  EXPECT_EQ(opened.Type, ftDiSP);
  EXPECT_NE(dynamic_cast<LDFile*>(opened.Reader.get()), nullptr);

  // A file that passes both the A-Line PCI and the Spartan 3000 tests opens as A-Line PCI but
  // pairs as Spartan 3000.
  Bytes both = SpartanHeader();
  both.resize(5000, 0);
  PutU32(both.data() + 12, 0xAA01);
  PutU32(both.data() + 3960, 0x1515CFCF);
  const std::string path = Write(both, "both.dat");
  ASSERT_TRUE(IsSpartan3000File(DataStream(path, "rb").Get()));
  EXPECT_EQ(OpenDataFile(path).Type, ftAlinePCI);
  DataStream source(path, "rb"), destination(dir_.File("copy"), "wb");
  EXPECT_EQ(CreateWriterPair(source.Get(), destination.Get()).Type, ftSpartan3000);
}

TEST_F(DataFileAccess, OpenAndDescribeErrors) {
  EXPECT_EQ(ExpectTextError([&] { OpenDataFile(dir_.File("missing.dta")); }), "Data file doesn't exist");
  const std::string text = Write(Bytes{'h', 'e', 'l', 'l', 'o', '\n'}, "notes.txt");
  EXPECT_EQ(ExpectTextError([&] { OpenDataFile(text); }), "Unknown data type..");
  EXPECT_EQ(ExpectTextError([&] { DescribeDataFile(text); }), "Unknown data type..");
  EXPECT_EQ(ExpectTextError([&] { DescribeDataFile(dir_.File("missing.dta")); }), "Data file doesn't exist");

  DataStream source(text, "rb"), destination(dir_.File("copy"), "wb");
  EXPECT_EQ(ExpectTextError([&] { CreateWriterPair(source.Get(), destination.Get()); }), "Unknown data type..");
}

// A DTA file has no header text: its summary follows the type line directly.
TEST_F(DataFileAccess, DescribeOfADtaFileIsTheTypeLineAndTheSummary) {
  DtaBuilder dta;
  dta.ProductDefinition().Message(15);
  EXPECT_EQ(DescribeDataFile(Write(dta.Get())),
            "Data type: Locan AT/Spartan AT/Spartan 2000/Disp/Mistras\n"
            "Product definition\t: Test product\n"
            "Number of hits\t\t: 0\n");
}

TEST_F(DataFileAccess, AppendKeepsFirstLastAndGreatestTime) {
  DtaBuilder dta;
  dta.ProductDefinition().Timed(128, 0).Timed(211, 7'000'000);  // neither untimed (41) nor 211 count
  dta.Timed(1, 4'000'000, {1}).Timed(130, 12'000'000).Timed(1, 8'000'000, {1}).Message(15);
  const std::string path = Write(dta.Get());
  DataStream source(path, "rb"), destination(dir_.File("copy.dta"), "wb");
  WriterPair pair = CreateWriterPair(source.Get(), destination.Get());
  ASSERT_EQ(pair.Type, ftDiSP);
  std::vector<std::pair<double, double>> firstAndReference;
  while (pair.Reader->ReadNext()) {
    pair.Writer->Append(*pair.Reader);
    firstAndReference.emplace_back(static_cast<double>(pair.Writer->FirstTimeAppended().Seconds()),
                                   static_cast<double>(pair.Writer->ReferenceTime().Seconds()));
  }
  pair.Writer->Finish();
  // The resume at time 0 leaves the first time at zero, so the next timed record becomes first.
  const std::vector<std::pair<double, double>> expected = {{0, 0}, {0, 0}, {0, 0}, {1, 1}, {1, 3}, {1, 3}, {1, 3}};
  EXPECT_EQ(firstAndReference, expected);
  EXPECT_DOUBLE_EQ(static_cast<double>(pair.Writer->LastTimeAppended().Seconds()), 2.0);
  EXPECT_EQ(pair.Writer->RecordsAppended(), 7);
  pair = {};
  ASSERT_TRUE(destination.Close());
  EXPECT_EQ(test::ReadFileBytes(dir_.File("copy.dta")), dta.Get());
}

TEST_F(DataFileAccess, WriterPairOfATypeWithoutWriterIsRefused) {
  DtaBuilder dta;
  dta.ProductDefinition();
  DataStream source(Write(dta.Get()), "rb"), destination(dir_.File("copy"), "wb");
  EXPECT_EQ(ExpectTextError([&] { CreateWriterPairOf(ftAline, source.Get(), destination.Get()); }),
            "Files of the type \"Aline ISA\" cannot be written");
  EXPECT_EQ(ExpectTextError([&] { CreateWriterPairOf(ftAMSY, source.Get(), destination.Get()); }),
            "Unknown data type..");
  EXPECT_EQ(CreateWriterPairOf(ftDiSP, source.Get(), destination.Get()).Type, ftDiSP);
}

TEST_F(DataFileAccess, WriteErrorIsAnError) {
  DtaBuilder dta;
  dta.ProductDefinition().Message(15);
  DataStream source(Write(dta.Get()), "rb"), full("/dev/full", "wb");
  ASSERT_TRUE(full);
  std::setvbuf(full.Get(), nullptr, _IONBF, 0);  // make the failing write show at once
  WriterPair pair = CreateWriterPair(source.Get(), full.Get());
  ASSERT_TRUE(pair.Reader->ReadNext());
  EXPECT_EQ(ExpectTextError([&] { pair.Writer->Append(*pair.Reader); }), "Data file write error");
}

}  // namespace
}  // namespace ae
