// "aetool export": the CSV text is the loaded data set's records formatted as the standard
// library formats them, for every format and the real file; the HDF5 table holds the same
// values (read back through the HDF5 library); a failed export leaves no file behind.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <hdf5.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/CsvExport.h"
#include "tools/aetool/Hdf5Export.h"

namespace ae {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

std::string ReadText(const std::string& path) {
  const auto bytes = test::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

std::string Fixed(long double v, int decimals) {
  char text[128];
  const auto result = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, decimals);
  return result.ec == std::errc() ? std::string(text, result.ptr) : "nan";
}

// The records of a file in export order: those of the loaded data set, and between them the
// waveform records, which the data set keeps apart, as a reader makes them.
std::vector<ZTShortHit> ExportedRecords(const std::string& file) {
  ZTDataSet data;
  data.Load(file);
  OpenedDataFile opened = OpenDataFile(file);
  AWDiskFile& reader = *opened.Reader;
  const int count = reader.CountRecs();
  reader.SeekFirst();
  std::vector<ZTShortHit> recs;
  std::size_t next = 0;
  bool reading = true;
  for (int r = 0; r < count; ++r) {
    if (reading && reader.ReadNext()) {
      if (reader.IsEndOfData()) reading = false;
      if (reader.IsSampledWaveform()) {
        recs.emplace_back();
        reader.GetRec(recs.back());
        continue;
      }
    } else {
      reading = false;
    }
    recs.push_back(next < data.Recs.size() ? data.Recs[next++] : ZTShortHit());
  }
  EXPECT_EQ(next, data.Recs.size());
  return recs;
}

// The rows the plain way: the whole data set loaded, every field through std::to_chars.
std::string ExpectedCsv(const std::string& file) {
  std::string csv = std::string(CsvExportHeader) + "\n";
  long long index = 0;
  for (const ZTShortHit& rec : ExportedRecords(file)) {
    csv += std::to_string(index++) + "," + std::to_string(rec.Kind) + "," + Fixed(rec.Time.Seconds(), 7) + "," +
           std::to_string(rec.Channel) + "," + std::to_string(rec.Rise) + "," + std::to_string(rec.Counts) + "," +
           std::to_string(rec.Energy) + "," + std::to_string(rec.Duration) + "," + std::to_string(rec.Amplitude) + "," +
           Fixed(rec.Parametric, 3) + "\n";
  }
  return csv;
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream in(line);
  for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
  return cells;
}

std::string FolderListing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  std::string listing;
  for (const std::string& name : names) listing += name + " ";
  return listing;
}

TEST(CsvSeconds, AreWhatToCharsPrintsForTheLongDouble) {
  std::vector<std::uint64_t> ticks = {
      0, 1, 2, 3, 5, 6000001, 3999999, 4000000, 4000001, 7999999, 12345677, 1u << 31, (std::uint64_t{1} << 48) - 1};
  std::mt19937_64 random(15);
  for (int i = 0; i < 200000; ++i) {
    const int bits = 1 + static_cast<int>(random() % 48);  // small and large times alike
    ticks.push_back(random() & ((std::uint64_t{1} << bits) - 1));
    // Multiples of 15625 ticks are whole binary fractions of a second: exact ties, to the even digit.
    ticks.push_back(15625 * (random() % (std::uint64_t{1} << 34)));
  }
  for (const std::uint64_t t : ticks) {
    const ATestTime time = ATestTime::FromTicks(t);
    char text[64];
    char* end = CsvRecordWriter::FormatSeconds(text, time);
    ASSERT_EQ(std::string(text, end), Fixed(time.Seconds(), 7)) << t;
  }
}

class Export : public ::testing::Test {
 protected:
  test::TempDir dir_;
};

TEST_F(Export, CsvIsTheLoadedDataSetOfEveryFormatToTheByte) {
  std::vector<std::string> files;
  for (const char* format : {"dta", "s3000", "pci", "isa"}) {
    const std::string file = dir_.File(std::string("g.") + format);
    ASSERT_EQ(RunTool({"gen", "--format", format, "--hits", "3000", "--seed", "9", "-o", file}).Code, 0);
    files.push_back(file);
  }
  if (!test::RealDtaFile().empty()) files.push_back(test::RealDtaFile());
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const test::ToolResult r = RunTool({"export", file});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_TRUE(r.Out == ExpectedCsv(file));  // not printed: megabytes
    ASSERT_EQ(RunTool({"export", file, "-o", dir_.File("out.csv"), "--format", "csv"}).Code, 0);
    EXPECT_TRUE(ReadText(dir_.File("out.csv")) == r.Out);
  }
}

// The HDF5 table, read back through the library.
struct Hdf5Table {
  std::vector<Hdf5Row> Rows;
  std::vector<std::pair<std::string, std::string>> Units;  // column name and unit, in stored order
  std::string Source, DataType;
  std::int64_t RecordCount = -1;
  hsize_t Chunk = 0;
  bool Deflated = false;
};

std::string ReadStringAttribute(hid_t file, const char* name) {
  const hid_t attribute = H5Aopen(file, name, H5P_DEFAULT);
  const hid_t type = H5Tcopy(H5T_C_S1);
  H5Tset_size(type, H5T_VARIABLE);
  H5Tset_cset(type, H5T_CSET_UTF8);
  char* text = nullptr;
  std::string value = "(unreadable)";
  if (attribute >= 0 && H5Aread(attribute, type, &text) >= 0 && text != nullptr) value = text;
  if (text != nullptr) H5free_memory(text);
  H5Tclose(type);
  if (attribute >= 0) H5Aclose(attribute);
  return value;
}

// The "unit" attribute of the dataset, member by member, as any reader sees it: each member
// read into a zero-terminated string of its own.
std::vector<std::pair<std::string, std::string>> ReadUnits(hid_t dataset) {
  std::vector<std::pair<std::string, std::string>> units;
  const hid_t attribute = H5Aopen(dataset, Hdf5UnitAttribute, H5P_DEFAULT);
  if (attribute < 0) return units;
  const hid_t stored = H5Aget_type(attribute);
  const int members = H5Tget_class(stored) == H5T_COMPOUND ? H5Tget_nmembers(stored) : 0;
  constexpr std::size_t Room = 32;
  const hid_t text = H5Tcopy(H5T_C_S1);
  H5Tset_size(text, Room);
  const hid_t memory = H5Tcreate(H5T_COMPOUND, Room * static_cast<std::size_t>(std::max(members, 1)));
  std::vector<std::string> names;
  for (int i = 0; i < members; ++i) {
    char* name = H5Tget_member_name(stored, static_cast<unsigned>(i));
    names.emplace_back(name);
    H5free_memory(name);
    H5Tinsert(memory, names.back().c_str(), Room * static_cast<std::size_t>(i), text);
  }
  std::vector<char> values(Room * names.size() + 1, '\0');
  if (members > 0 && H5Aread(attribute, memory, values.data()) >= 0)
    for (std::size_t i = 0; i < names.size(); ++i) units.emplace_back(names[i], std::string(values.data() + Room * i));
  H5Tclose(memory);
  H5Tclose(text);
  H5Tclose(stored);
  H5Aclose(attribute);
  return units;
}

Hdf5Table ReadHdf5(const std::string& path) {
  Hdf5Table table;
  const hid_t file = H5Fopen(path.c_str(), H5F_ACC_RDONLY, H5P_DEFAULT);
  EXPECT_GE(file, 0);
  if (file < 0) return table;
  const hid_t dataset = H5Dopen2(file, Hdf5DatasetName, H5P_DEFAULT);
  const hid_t space = H5Dget_space(dataset);
  hsize_t rows = 0;
  H5Sget_simple_extent_dims(space, &rows, nullptr);
  table.Rows.resize(rows);
  const hid_t type = MakeHdf5RowType();
  EXPECT_GE(H5Dread(dataset, type, H5S_ALL, H5S_ALL, H5P_DEFAULT, table.Rows.data()), 0);
  const hid_t properties = H5Dget_create_plist(dataset);
  H5Pget_chunk(properties, 1, &table.Chunk);
  for (int i = 0; i < H5Pget_nfilters(properties); ++i) {
    unsigned flags = 0;
    std::size_t elements = 0;
    char name[64];
    unsigned config = 0;
    table.Deflated = table.Deflated || H5Pget_filter2(properties, static_cast<unsigned>(i), &flags, &elements, nullptr,
                                                      sizeof name, name, &config) == H5Z_FILTER_DEFLATE;
  }
  table.Units = ReadUnits(dataset);
  table.Source = ReadStringAttribute(file, Hdf5SourceAttribute);
  table.DataType = ReadStringAttribute(file, Hdf5DataTypeAttribute);
  const hid_t count = H5Aopen(file, Hdf5RecordCountAttribute, H5P_DEFAULT);
  if (count >= 0) H5Aread(count, H5T_NATIVE_INT64, &table.RecordCount);
  H5Aclose(count);
  H5Pclose(properties);
  H5Tclose(type);
  H5Sclose(space);
  H5Dclose(dataset);
  H5Fclose(file);
  return table;
}

void ExpectSameValues(const Hdf5Table& table, const std::string& csv) {
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);
  std::size_t i = 0;
  for (; std::getline(lines, line); ++i) {
    ASSERT_LT(i, table.Rows.size());
    const Hdf5Row& row = table.Rows[i];
    const std::vector<std::string> cells = Split(line);
    ASSERT_EQ(cells.size(), 10u) << line;
    // Whole numbers exactly; the time within the half unit of its seventh decimal.
    EXPECT_EQ(std::to_string(row.Index), cells[0]);
    EXPECT_EQ(std::to_string(row.Kind), cells[1]);
    EXPECT_NEAR(row.TimeSeconds, std::stod(cells[2]), 0.5e-7 + 1e-12) << line;
    EXPECT_EQ(std::to_string(row.Channel), cells[3]);
    EXPECT_EQ(std::to_string(row.Rise), cells[4]);
    EXPECT_EQ(std::to_string(row.Counts), cells[5]);
    EXPECT_EQ(std::to_string(row.Energy), cells[6]);
    EXPECT_EQ(std::to_string(row.Duration), cells[7]);
    EXPECT_EQ(std::to_string(row.Amplitude), cells[8]);
    EXPECT_EQ(Fixed(row.Parametric, 3), cells[9]) << line;
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_EQ(i, table.Rows.size());
}

TEST_F(Export, Hdf5HoldsTheValuesOfTheCsv) {
  const std::string generated = dir_.File("g.s3000");  // parametric values with decimals
  ASSERT_EQ(RunTool({"gen", "--format", "s3000", "--hits", "70000", "--seed", "3", "-o", generated}).Code, 0);
  struct Case {
    std::string File, Type;
  };
  std::vector<Case> cases = {{generated, "Spartan 3000"}};
  if (!test::RealDtaFile().empty())
    cases.push_back({test::RealDtaFile(), "Locan AT/Spartan AT/Spartan 2000/Disp/Mistras"});
  else std::printf("the real instrument file is not beside the project: only the generated one\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.File);
    const test::ToolResult csv = RunTool({"export", c.File});
    ASSERT_EQ(csv.Code, 0) << csv.Err;
    const test::ToolResult h5 = RunTool({"export", c.File, "--format", "hdf5", "-o", dir_.File("out.h5")});
    ASSERT_EQ(h5.Code, 0) << h5.Err;
    EXPECT_EQ(h5.Out + h5.Err, "");
    const Hdf5Table table = ReadHdf5(dir_.File("out.h5"));
    EXPECT_EQ(table.Source, c.File);
    EXPECT_EQ(table.DataType, c.Type);
    EXPECT_EQ(table.RecordCount, static_cast<std::int64_t>(table.Rows.size()));
    EXPECT_EQ(table.Rows.size() + 1, static_cast<std::size_t>(std::count(csv.Out.begin(), csv.Out.end(), '\n')));
    EXPECT_GT(table.Chunk, 0u);
    EXPECT_TRUE(table.Deflated);
    ASSERT_EQ(table.Units.size(), Hdf5ColumnCount);
    EXPECT_EQ(table.Units[9].second, c.Type == "Spartan 3000" ? "V" : "");
    ExpectSameValues(table, csv.Out);
  }
  EXPECT_EQ(FolderListing(dir_.Path()), "g.s3000 out.h5 ");
}

TEST_F(Export, ATableOfNoRows) {
  {
    Hdf5RecordWriter writer(dir_.File("e.h5"), "e.h5");
    writer.Begin({"none.dta", ftDiSP, 0});
    writer.End();
  }
  const Hdf5Table table = ReadHdf5(dir_.File("e.h5"));
  EXPECT_EQ(table.Rows.size(), 0u);
  EXPECT_EQ(table.RecordCount, 0);
  EXPECT_EQ(table.Source, "none.dta");
}

// Every column carries its unit, by what the format stores: DTA parametric values are raw
// counts and Spartan 3000 ones volts; A-Line PCI energies are decibels.
TEST_F(Export, EveryColumnHasTheUnitOfWhatTheFormatStores) {
  std::string header;
  for (const char* name : Hdf5ColumnNames) header += (header.empty() ? "" : ",") + std::string(name);
  EXPECT_EQ(header, CsvExportHeader);
  const struct {
    int Type;
    const char *Energy, *Parametric;
  } cases[] = {{ftDiSP, "", ""}, {ftSpartan3000, "", "V"}, {ftAlinePCI, "dB", ""}, {ftAline, "", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(DataTypeName(c.Type));
    {
      Hdf5RecordWriter writer(dir_.File("u.h5"), "u.h5");
      writer.Begin({"f", c.Type, 0});
      writer.End();
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"index", ""},  {"kind", ""},         {"time_s", "s"},    {"channel", ""},     {"rise", "us"},
        {"counts", ""}, {"energy", c.Energy}, {"duration", "us"}, {"amplitude", "dB"}, {"parametric", c.Parametric}};
    EXPECT_EQ(ReadHdf5(dir_.File("u.h5")).Units, expected);
  }
}

TEST_F(Export, AFailedExportLeavesNoFileAndTheOldOneAsItWas) {
  test::WriteFileBytes(dir_.File("t.txt"), {'h', 'i'});  // not a data file
  ASSERT_EQ(RunTool({"gen", "--hits", "100", "-o", dir_.File("a.dta")}).Code, 0);
  for (const char* format : {"csv", "hdf5"}) {
    SCOPED_TRACE(format);
    test::WriteFileBytes(dir_.File("out"), {'o', 'l', 'd'});
    const test::ToolResult r = RunTool({"export", dir_.File("t.txt"), "--format", format, "-o", dir_.File("out")});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "Unknown data type..\n");
    EXPECT_EQ(ReadText(dir_.File("out")), "old");
    const test::ToolResult missing =
        RunTool({"export", dir_.File("none.dta"), "--format", format, "-o", dir_.File("new")});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_EQ(missing.Err, "Data file doesn't exist\n");
    EXPECT_EQ(FolderListing(dir_.Path()), "a.dta out t.txt ");  // no temporary file left either
    const test::ToolResult folder =
        RunTool({"export", dir_.File("a.dta"), "--format", format, "-o", dir_.File("no/such/x")});
    EXPECT_EQ(folder.Code, 1);
    EXPECT_EQ(folder.Err.rfind("Cannot create \"" + dir_.File("no/such/x") + "\"", 0), 0u) << folder.Err;
  }
  // A successful export replaces the old file and keeps its mode.
  ::chmod(dir_.File("out").c_str(), 0640);
  ASSERT_EQ(RunTool({"export", dir_.File("a.dta"), "-o", dir_.File("out")}).Code, 0);
  EXPECT_EQ(ReadText(dir_.File("out")), RunTool({"export", dir_.File("a.dta")}).Out);
  EXPECT_EQ(fs::status(dir_.File("out")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FolderListing(dir_.Path()), "a.dta out t.txt ");
}

TEST_F(Export, AWriteErrorIsAnError) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ASSERT_EQ(RunTool({"gen", "--hits", "20000", "-o", dir_.File("a.dta")}).Code, 0);
  for (const char* format : {"csv", "hdf5"}) {
    const test::ToolResult r = RunTool({"export", dir_.File("a.dta"), "--format", format, "-o", "/dev/full"});
    EXPECT_EQ(r.Code, 1) << format;
    EXPECT_EQ(r.Err.rfind("Cannot ", 0), 0u) << r.Err;
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
  }
}

TEST_F(Export, APipeIsWrittenNotReplaced) {
  ASSERT_EQ(RunTool({"gen", "--hits", "500", "-o", dir_.File("a.dta")}).Code, 0);
  const std::string fifo = dir_.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadText(fifo); });
  const test::ToolResult r = RunTool({"export", dir_.File("a.dta"), "-o", fifo});
  reader.join();
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(received, RunTool({"export", dir_.File("a.dta")}).Out);
  // HDF5 cannot be written into a pipe as it goes: the finished table goes through it.
  std::thread tableReader([&] { received = ReadText(fifo); });
  const test::ToolResult h5 = RunTool({"export", dir_.File("a.dta"), "--format", "hdf5", "-o", fifo});
  tableReader.join();
  EXPECT_EQ(h5.Code, 0) << h5.Err;
  ASSERT_EQ(RunTool({"export", dir_.File("a.dta"), "--format", "hdf5", "-o", dir_.File("a.h5")}).Code, 0);
  EXPECT_EQ(received.size(), ReadText(dir_.File("a.h5")).size());
  EXPECT_EQ(received.substr(0, 8), "\x89HDF\r\n\x1a\n");
}

}  // namespace
}  // namespace ae
