#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/AWDiskFile.h"
#include "datafiles/EDataFile.h"
#include "datafiles/EZTData.h"
#include "datafiles/ZTDataSet.h"
#include "tests/support/DataSetBuilder.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/TempDir.h"

namespace ae {
namespace {

namespace fs = std::filesystem;
using test::DtaBuilder;

constexpr std::uint64_t TicksPerSecond = 4000000;

DtaBuilder Header() {
  DtaBuilder dta;
  dta.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  return dta;
}

void AddHit(DtaBuilder& dta, std::uint64_t ticks, int channel = 1, int amplitude = 60) {
  dta.StandardHit(ticks, channel, 10, 5, 3, 100, amplitude, 2000);
}

// Header, then hits 0..hits-1 one millisecond apart (skipping those in `skip`), then the end of
// data: hit k is record k + 2.
DtaBuilder HitFile(int hits, const std::vector<int>& skip = {}) {
  DtaBuilder dta = Header();
  for (int k = 0; k < hits; ++k) {
    if (std::find(skip.begin(), skip.end(), k) != skip.end()) continue;
    AddHit(dta, TicksPerSecond + static_cast<std::uint64_t>(k) * 4000, 1 + k % 8, 40 + k % 50);
  }
  dta.Message(15);
  return dta;
}

void ExpectEmpty(const ZTDataSet& set) {
  EXPECT_TRUE(set.FileName.empty());
  EXPECT_EQ(set.RecCount, 0);
  EXPECT_EQ(set.HitCount, 0u);
  EXPECT_EQ(set.MarkCount, 0u);
  EXPECT_EQ(set.FramedCount + set.GroupedCount + set.DeletedCount, 0u);
  EXPECT_TRUE(set.Recs.empty());
  EXPECT_TRUE(set.Marks.empty());
  EXPECT_EQ(set.MaxTime, 0.0);
  EXPECT_EQ(set.TimeEnd, 0.0);
}

// Names in a folder, to see that a save left no temporary file behind.
std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// ---- Loading ----------------------------------------------------------------------------

// Product definition, hardware setup, 3 hits, a pause, 2 hits and the end of data: 9 records.
TEST(ZTDataSetLoad, CountsTheRecordsOfAFileAndLoadingAgainGivesTheSameCounts) {
  DtaBuilder dta = Header();
  AddHit(dta, 10 * TicksPerSecond, 3, 55);
  AddHit(dta, 20 * TicksPerSecond);
  AddHit(dta, 30 * TicksPerSecond);
  dta.Timed(130, 100 * TicksPerSecond);  // pause
  AddHit(dta, 200 * TicksPerSecond);
  AddHit(dta, 347 * TicksPerSecond);
  dta.Message(15);
  test::TempDir dir;
  const std::string path = dir.File("nine.dta");
  dta.Save(path);

  ZTDataSet set;
  for (int pass = 0; pass < 2; ++pass) {
    set.Load(path);
    EXPECT_EQ(set.FileName, path);
    EXPECT_EQ(set.DataType, ftDiSP);
    EXPECT_EQ(set.RecCount, 9);
    ASSERT_EQ(set.Recs.size(), 9u);
    EXPECT_EQ(set.HitCount, 5u);
    EXPECT_EQ(set.MarkCount, 0u);
    EXPECT_DOUBLE_EQ(set.MaxTime, 347.0);
    EXPECT_DOUBLE_EQ(set.TimeEnd, 350.0);
  }
  EXPECT_EQ(set.Recs[0].Kind, rkOther);
  EXPECT_EQ(set.Recs[2].Kind, rkHit);
  EXPECT_EQ(set.Recs[2].Channel, 3);
  EXPECT_EQ(set.Recs[2].Amplitude, 55);
  EXPECT_DOUBLE_EQ(set.Recs[2].GetValue(pcTime), 10.0);
  EXPECT_EQ(set.Recs[5].Kind, rkPause);
  EXPECT_EQ(set.Recs[8].Kind, rkOther);
}

TEST(ZTDataSetLoad, KeepsTimeMarksAndStopsAtTheEndOfData) {
  DtaBuilder dta = Header();
  AddHit(dta, 1 * TicksPerSecond);
  dta.Timed(211, 2 * TicksPerSecond);  // time marks
  AddHit(dta, 3 * TicksPerSecond);
  dta.Timed(211, 4 * TicksPerSecond);
  dta.Message(15);
  AddHit(dta, 9 * TicksPerSecond);  // after the end of data: counted, never read
  test::TempDir dir;
  const std::string path = dir.File("marks.dta");
  dta.Save(path);

  ZTDataSet set;
  set.Load(path);
  EXPECT_EQ(set.RecCount, 8);
  EXPECT_EQ(set.HitCount, 2u);
  EXPECT_EQ(set.MarkCount, 2u);
  ASSERT_EQ(set.Marks.size(), 2u);
  EXPECT_EQ(set.Marks[0].Ticks(), 2 * TicksPerSecond);
  EXPECT_EQ(set.Marks[1].Ticks(), 4 * TicksPerSecond);
  EXPECT_EQ(set.Recs[7].Kind, rkNone);
  EXPECT_DOUBLE_EQ(set.MaxTime, 3.0);  // the marks carry no time of test in this format
}

TEST(ZTDataSetLoad, AFileWithoutTimesGetsAOneSecondAxis) {
  DtaBuilder dta = Header();
  dta.Message(7, {'h', 'i', 0});
  test::TempDir dir;
  const std::string path = dir.File("notime.dta");
  dta.Save(path);

  ZTDataSet set;
  set.Load(path);
  EXPECT_EQ(set.RecCount, 3);
  EXPECT_EQ(set.HitCount, 0u);
  EXPECT_EQ(set.MaxTime, 0.0);
  EXPECT_EQ(set.TimeEnd, 1.0);
}

TEST(ZTDataSetLoad, TimeEndIsTheNextTenthOfTheDecade) {
  struct Case {
    double maxTime;
    double timeEnd;
  };
  const Case cases[] = {
      {347.0, 350.0},
      {0.05, 0.06},
      {1000.0, 1100.0},
      {1.0, 1.1},
      {9.95, 10.0},
      {0.0, 1.0},
      {-3.0, 1.0},
      {std::numeric_limits<double>::quiet_NaN(), 1.0},
      {std::numeric_limits<double>::infinity(), 1.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ZTDataSet::TimeEndOf(c.maxTime), c.timeEnd) << c.maxTime;
}

TEST(ZTDataSetLoad, AnOpenErrorIsRaisedAndLeavesTheDataSetEmpty) {
  test::TempDir dir;
  const std::string good = dir.File("good.dta");
  HitFile(10).Save(good);
  const std::string text = dir.File("text.dta");
  test::WriteFileBytes(text, {'j', 'u', 's', 't', ' ', 't', 'e', 'x', 't', '\n'});

  struct Case {
    std::string path;
    std::string message;
  };
  for (const Case& c : {Case{dir.File("missing.dta"), MsgFileDoesNotExist}, Case{text, MsgUnknownDataType}}) {
    ZTDataSet set;
    set.Load(good);
    ASSERT_EQ(set.HitCount, 10u);
    try {
      set.Load(c.path);
      ADD_FAILURE() << "no error for " << c.path;
    } catch (const EDataFile& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
    ExpectEmpty(set);
  }
}

// A reader of `count` records that fails at record `failAt` (0-based) in one of several ways.
class FailingReader : public AWDiskFile {
 public:
  enum class Failure { Ends, TextError, BadAlloc, TimeOrder };

  FailingReader(int count, int failAt, Failure failure = Failure::Ends)
      : AWDiskFile(nullptr), count_(count), failAt_(failAt), failure_(failure) {}
  int CountRecs() override { return count_; }
  void SeekFirst() override { read_ = 0; }
  bool ReadNext() override {
    if (read_ == failAt_) {
      switch (failure_) {
        case Failure::Ends: return false;
        case Failure::TextError: throw EDataFile("the record is damaged");
        case Failure::BadAlloc: throw std::bad_alloc();
        case Failure::TimeOrder: throw EZTData(EZTData::TimeOrderError);
      }
    }
    return read_++ < count_;
  }
  void GetRec(ZTShortHit& rec) override {
    rec.Kind = rkHit;
    rec.Time = ATestTime::FromTicks(static_cast<std::uint64_t>(read_) * TicksPerSecond);
  }
  bool HasTime() override { return true; }
  double GetTime() override { return read_; }

 private:
  int count_;
  int failAt_;
  Failure failure_;
  int read_ = 0;
};

// A load that fails says why in a sentence the viewer can show, and leaves nothing loaded.
TEST(ZTDataSetLoad, AFailedLoadRaisesAClearErrorAndLeavesTheDataSetEmpty) {
  using Failure = FailingReader::Failure;
  struct Case {
    const char* what;
    int count;
    int failAt;
    Failure failure;
    std::uint64_t memory;  // what the load may still take
    std::string message;
  };
  const std::uint64_t plenty = std::uint64_t{1} << 40;
  const Case cases[] = {
      {"file ends early", 5, 3, Failure::Ends, plenty,
       "The data file \"some.dta\" could not be read at record 4 of 5: the file ends before it; it may have been "
       "changed while it was being loaded."},
      {"damaged record", 5, 0, Failure::TextError, plenty,
       "The data file \"some.dta\" could not be read at record 1 of 5: the record is damaged."},
      {"allocation fails", 5, 3, Failure::BadAlloc, plenty,
       "Not enough memory to load the data file \"some.dta\": its 5 records need 240 bytes."},
      {"memory too small", 1000000000, 100, Failure::Ends, 1000000000,
       "Not enough memory to load the data file \"some.dta\": its 1000000000 records need 48.0 GB, and only 1.0 GB "
       "are available."},
      {"more records than a data set holds", AWDiskFile::CountCap, 100, Failure::Ends, plenty,
       "The data file \"some.dta\" holds more than 2147483646 records, more than the viewer can hold."},
      {"negative count", -1, 100, Failure::Ends, plenty,
       "The data file \"some.dta\" gives a negative number of records."},
  };
  test::TempDir dir;
  const std::string good = dir.File("good.dta");
  HitFile(10).Save(good);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::MemoryLimit limit(c.memory);
    ZTDataSet set;
    set.Load(good);
    FailingReader reader(c.count, c.failAt, c.failure);
    try {
      set.LoadFrom(reader, ftDiSP, "some.dta");
      ADD_FAILURE() << "no error";
    } catch (const EDataFile& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
    ExpectEmpty(set);
  }

  // A coded error keeps its code.
  ZTDataSet set;
  FailingReader unsorted(5, 2, Failure::TimeOrder);
  EXPECT_THROW(set.LoadFrom(unsorted, ftDiSP, "some.dta"), EZTData);
  ExpectEmpty(set);

  FailingReader fine(5, 100);
  set.LoadFrom(fine, ftDiSP, "some.dta");
  EXPECT_EQ(set.HitCount, 5u);
  EXPECT_EQ(set.MaxTime, 5.0);
}

// Zero bytes after the data read as empty messages: a file padded with them keeps every one of
// its records, or, when they are too many for the memory, is refused with a message instead of
// loading as an empty file.
TEST(ZTDataSetLoad, AFilePaddedWithZerosKeepsItsRecordsOrIsRefused) {
  test::TempDir dir;
  const std::string path = dir.File("padded.dta");
  DtaBuilder dta = HitFile(10);
  dta.Raw(DtaBuilder::Bytes(100000, 0));
  dta.Save(path);

  ZTDataSet set;
  set.Load(path);
  EXPECT_EQ(set.RecCount, 13 + 50000);
  EXPECT_EQ(set.HitCount, 10u);

  test::MemoryLimit limit(1000000);
  try {
    set.Load(path);
    ADD_FAILURE() << "no error";
  } catch (const EDataFile& error) {
    EXPECT_EQ(std::string(error.what()), "Not enough memory to load the data file \"" + path +
                                             "\": its 50013 records need 2.4 MB, and only 1.0 MB are available.");
  }
  ExpectEmpty(set);
}

// Only regular files are opened: a pipe would block the open until a writer came.
TEST(ZTDataSetLoad, APipeOrAFolderIsRefusedBeforeItIsOpened) {
  test::TempDir dir;
  const std::string pipe = dir.File("pipe.dta");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string folder = dir.File("folder.dta");
  fs::create_directory(folder);
  struct Case {
    std::string path;
    std::string message;
  };
  for (const Case& c : {Case{pipe, NotRegularFileMessage(pipe)}, Case{folder, FolderMessage(folder)}}) {
    ZTDataSet set;
    try {
      set.Load(c.path);
      ADD_FAILURE() << "no error for " << c.path;
    } catch (const EDataFile& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
    ExpectEmpty(set);
  }
  EXPECT_EQ(NotRegularFileMessage("a"),
            "\"a\" is not a regular file (a pipe, a device or a socket) and cannot be opened as a data file.");
  EXPECT_EQ(FolderMessage("b"), "\"b\" is a folder, not a data file.");
}

// ---- Saving -----------------------------------------------------------------------------

class ZTDataSetSave : public ::testing::Test {
 protected:
  void SetUp() override {
    source_ = dir_.File("source.dta");
    HitFile(97).Save(source_);  // 2 header records, 97 hits, the end of data: 100 records
    set_.Load(source_);
    ASSERT_EQ(set_.RecCount, 100);
  }

  test::TempDir dir_;
  std::string source_;
  ZTDataSet set_;
};

TEST_F(ZTDataSetSave, WithNothingDeletedReproducesTheSourceByteForByte) {
  const std::string out = dir_.File("copy.dta");
  set_.SaveAs(out);
  EXPECT_EQ(test::ReadFileBytes(out), test::ReadFileBytes(source_));
  EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"copy.dta", "source.dta"}));
}

TEST_F(ZTDataSetSave, LeavesOutTheDeletedHitsAndCopiesEverythingElse) {
  set_.Recs[2 + 10].SetDeleted(true);
  set_.Recs[2 + 50].SetDeleted(true);
  set_.Recs[2 + 51].SetGrouped(true);  // grouped is not deleted
  const std::string out = dir_.File("cleaned.dta");
  set_.SaveAs(out);
  EXPECT_EQ(test::ReadFileBytes(out), HitFile(97, {10, 50}).Get());

  ZTDataSet saved;
  saved.Load(out);
  EXPECT_EQ(saved.RecCount, 98);
  EXPECT_EQ(saved.HitCount, 95u);
}

TEST_F(ZTDataSetSave, CopiesRecordsBeyondTheLoadedOnes) {
  set_.Recs[2].SetDeleted(true);
  set_.Recs.resize(5);  // as if the reader's count had stopped short of the end of the file
  set_.RecCount = 5;
  const std::string out = dir_.File("more.dta");
  set_.SaveAs(out);
  EXPECT_EQ(test::ReadFileBytes(out), HitFile(97, {0}).Get());
}

TEST_F(ZTDataSetSave, OntoTheLoadedFileItselfKeepsTheData) {
  set_.Recs[2 + 5].SetDeleted(true);
  set_.SaveAs(source_);
  EXPECT_EQ(test::ReadFileBytes(source_), HitFile(97, {5}).Get());
  EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"source.dta"}));

  // The flags now belong to records that the file no longer has in that order: a second
  // save would drop the wrong hit, so it is refused until the file is loaded again.
  try {
    set_.SaveAs(dir_.File("again.dta"));
    FAIL() << "saved with stale flags";
  } catch (const EDataFile& error) {
    EXPECT_NE(std::string(error.what()).find("has changed since it was loaded"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(fs::exists(dir_.File("again.dta")));
  EXPECT_EQ(test::ReadFileBytes(source_), HitFile(97, {5}).Get());

  set_.Load(source_);
  EXPECT_EQ(set_.HitCount, 96u);
  EXPECT_NO_THROW(set_.SaveAs(dir_.File("again.dta")));
}

TEST_F(ZTDataSetSave, RefusesWhenTheLoadedFileWasRewrittenSinceLoading) {
  set_.Recs[2 + 5].SetDeleted(true);
  HitFile(97, {0}).Save(source_);  // another program rewrites it in place
  const std::string out = dir_.File("out.dta");
  EXPECT_THROW(set_.SaveAs(out), EDataFile);
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(ZTDataSetSave, ThroughASymbolicLinkUpdatesTheFileItPointsTo) {
  const std::string link = dir_.File("link.dta");
  fs::create_symlink(source_, link);
  set_.Recs[2].SetDeleted(true);
  set_.SaveAs(link);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(test::ReadFileBytes(source_), HitFile(97, {0}).Get());
  EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"link.dta", "source.dta"}));
}

TEST_F(ZTDataSetSave, GivesANewFileTheUsualModeAndKeepsTheModeOfAnExistingOne) {
  const mode_t mask = ::umask(022);
  const std::string fresh = dir_.File("fresh.dta");
  set_.SaveAs(fresh);
  struct stat info {};
  ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);

  const std::string existing = dir_.File("existing.dta");
  test::WriteFileBytes(existing, {1, 2, 3});
  ASSERT_EQ(::chmod(existing.c_str(), 0600), 0);
  set_.SaveAs(existing);
  ASSERT_EQ(::stat(existing.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_EQ(test::ReadFileBytes(existing), test::ReadFileBytes(source_));
  ::umask(mask);
}

TEST_F(ZTDataSetSave, AnErrorLeavesTheDestinationAndTheFolderUntouched) {
  // The destination is a folder: the new file cannot take its place.
  const std::string folder = dir_.File("folder.dta");
  fs::create_directory(folder);
  test::WriteFileBytes(folder + "/inside", {7});
  EXPECT_THROW(set_.SaveAs(folder), EDataFile);
  EXPECT_EQ(test::ReadFileBytes(folder + "/inside"), (std::vector<unsigned char>{7}));

  // A folder that does not exist, or that is a file.
  EXPECT_THROW(set_.SaveAs(dir_.File("nowhere/out.dta")), EDataFile);
  EXPECT_THROW(set_.SaveAs(source_ + "/out.dta"), EDataFile);
  EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"folder.dta", "source.dta"}));
}

TEST_F(ZTDataSetSave, IntoAFolderThatCannotBeWrittenRaises) {
  const fs::path locked = dir_.Path() / "locked";
  fs::create_directory(locked);
  const std::string out = (locked / "out.dta").string();
  test::WriteFileBytes(out, {9, 9});
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(locked.c_str(), W_OK) == 0) {
    fs::permissions(locked, fs::perms::owner_all);
    GTEST_SKIP() << "permissions are not enforced for this user";
  }
  try {
    set_.SaveAs(out);
    ADD_FAILURE() << "no error";
  } catch (const EDataFile& error) {
    EXPECT_NE(std::string(error.what()).find(out), std::string::npos) << error.what();
  }
  fs::permissions(locked, fs::perms::owner_all);
  EXPECT_EQ(test::ReadFileBytes(out), (std::vector<unsigned char>{9, 9}));
  EXPECT_EQ(Names(locked), (std::vector<std::string>{"out.dta"}));
}

// A write that fails part way (here: beyond the file size limit, as on a full disk) leaves the
// existing destination as it was and no partial file behind.
TEST_F(ZTDataSetSave, AWriteErrorLeavesTheExistingDestinationAsItWas) {
  const std::string out = dir_.File("old.dta");
  test::WriteFileBytes(out, {1, 2, 3, 4});
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 512;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(set_.SaveAs(out), EDataFile);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(test::ReadFileBytes(out), (std::vector<unsigned char>{1, 2, 3, 4}));
  EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"old.dta", "source.dta"}));
}

TEST_F(ZTDataSetSave, RefusesWhatCannotBeSavedAndWritesNothing) {
  const std::string out = dir_.File("out.dta");

  ZTDataSet nothing;
  EXPECT_THROW(nothing.SaveAs(out), EDataFile);

  ZTDataSet isa = set_;
  isa.DataType = ftAline;  // read only
  try {
    isa.SaveAs(out);
    ADD_FAILURE() << "no error";
  } catch (const EDataFile& error) {
    EXPECT_NE(std::string(error.what()).find("Aline ISA"), std::string::npos) << error.what();
  }

  ZTDataSet gone = set_;
  gone.FileName = dir_.File("gone.dta");
  EXPECT_THROW(gone.SaveAs(out), EDataFile);

  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"source.dta"}));
}

// ---- Selection --------------------------------------------------------------------------

using test::Hit;

ZTShortHit Other(int kind, double seconds, int channel, int amplitude, int energy) {
  ZTShortHit rec = Hit(seconds, channel, amplitude, energy);
  rec.Kind = kind;
  return rec;
}

using test::FrameBits;
using test::MakeSet;

// Amplitude against energy, all channels.
ZTFrameCriteria Frame(double ampFrom, double ampTo, double energyFrom, double energyTo) {
  ZTFrameCriteria c;
  c.XParam = pcAmplitude;
  c.YParam = pcEnergy;
  c.XFrom = ampFrom;
  c.XTo = ampTo;
  c.YFrom = energyFrom;
  c.YTo = energyTo;
  c.Channels.set();
  return c;
}

std::vector<int> States(const ZTDataSet& set) {
  std::vector<int> states;
  for (const ZTShortHit& rec : set.Recs) states.push_back(rec.StateBits[0]);
  return states;
}

constexpr int G = ZTRec::GroupedBit;
constexpr int D = ZTRec::DeletedBit;

// A in both frames, B only in frame 0, C only in frame 1, E in neither; a parametric sample
// inside both frames that never takes part.
ZTDataSet OverlapSet() {
  return MakeSet(
      {Hit(1, 1, 60, 60), Hit(2, 1, 45, 60), Hit(3, 1, 60, 90), Hit(4, 1, 20, 20), Other(rkTimeDriven, 5, 1, 60, 60)});
}

void MarkOverlap(ZTDataSet& set) {
  set.MarkFrame(0, Frame(40, 70, 50, 70));
  set.MarkFrame(1, Frame(55, 80, 50, 100));
  ASSERT_EQ(FrameBits(set), (std::vector<int>{3, 1, 2, 0, 0}));
  ASSERT_EQ(set.FramedCount, 3u);
  set.GroupMask = 3;
}

TEST(ZTDataSetSelection, OverlappingFramesGroupByAndOrOr) {
  ZTDataSet set = OverlapSet();
  MarkOverlap(set);
  EXPECT_EQ(set.GroupHits(ZTDataSet::gmAnd), 1u);
  EXPECT_EQ(States(set), (std::vector<int>{G, 0, 0, 0, 0}));
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(set.FramedCount, 0u);
  EXPECT_EQ(set.GroupedCount, 1u);

  ZTDataSet orSet = OverlapSet();
  MarkOverlap(orSet);
  EXPECT_EQ(orSet.GroupHits(ZTDataSet::gmOr), 3u);
  EXPECT_EQ(States(orSet), (std::vector<int>{G, G, G, 0, 0}));
  EXPECT_EQ(FrameBits(orSet), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(orSet.GroupedCount, 3u);
}

TEST(ZTDataSetSelection, AndWithOneFrameGroupsExactlyItsHitsAndWithNoFrameNothing) {
  ZTDataSet set = OverlapSet();
  set.MarkFrame(0, Frame(40, 70, 50, 70));
  set.GroupMask = 1;
  EXPECT_EQ(set.GroupHits(ZTDataSet::gmAnd), 2u);
  EXPECT_EQ(States(set), (std::vector<int>{G, G, 0, 0, 0}));

  // No frame selects nothing, in either mode (not every unframed hit).
  ZTDataSet none = OverlapSet();
  none.GroupMask = 0;
  EXPECT_EQ(none.GroupHits(ZTDataSet::gmAnd), 0u);
  EXPECT_EQ(none.GroupHits(ZTDataSet::gmOr), 0u);
  EXPECT_EQ(States(none), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST(ZTDataSetSelection, AGroupedHitIsNotMarkedAgainButCountsInTheNextGrouping) {
  ZTDataSet set = OverlapSet();
  set.MarkFrame(0, Frame(55, 70, 55, 65));  // A only
  set.GroupMask = 1;
  ASSERT_EQ(set.GroupHits(ZTDataSet::gmAnd), 1u);

  set.MarkFrame(0, Frame(40, 70, 50, 70));  // A and B, but A is grouped
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 1, 0, 0, 0}));
  EXPECT_EQ(set.FramedCount, 1u);
  EXPECT_EQ(set.GroupHits(ZTDataSet::gmAnd), 2u);
  EXPECT_EQ(set.GroupedCount, 2u);
}

TEST(ZTDataSetSelection, DeletingAndInvertingMoveTheCounters) {
  ZTDataSet set = OverlapSet();
  MarkOverlap(set);
  ASSERT_EQ(set.GroupHits(ZTDataSet::gmOr), 3u);

  EXPECT_EQ(set.DeleteGrouped(), 3u);
  EXPECT_EQ(States(set), (std::vector<int>{D, D, D, 0, 0}));
  EXPECT_EQ(set.GroupedCount, 0u);
  EXPECT_EQ(set.DeletedCount, 3u);

  // Only the hit that is not deleted becomes grouped; n counts the hits left ungrouped.
  EXPECT_EQ(set.InvertGrouped(), 3u);
  EXPECT_EQ(States(set), (std::vector<int>{D, D, D, G, 0}));
  EXPECT_EQ(set.GroupedCount, 1u);

  // n is the number deleted before; grouping is dropped.
  EXPECT_EQ(set.InvertDeleted(), 3u);
  EXPECT_EQ(States(set), (std::vector<int>{0, 0, 0, D, 0}));
  EXPECT_EQ(set.DeletedCount, 1u);
  EXPECT_EQ(set.GroupedCount, 0u);

  set.MarkFrame(0, Frame(0, 100, 0, 100));
  set.UndeleteAll();
  EXPECT_EQ(States(set), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(set.DeletedCount, 0u);
  EXPECT_EQ(set.FramedCount, 0u);
}

TEST(ZTDataSetSelection, InvertingDeletedWithNothingDeletedDeletesEveryHit) {
  ZTDataSet set = OverlapSet();
  EXPECT_EQ(set.InvertDeleted(), 0u);
  EXPECT_EQ(States(set), (std::vector<int>{D, D, D, D, 0}));
  EXPECT_EQ(set.DeletedCount, 4u);
  EXPECT_EQ(set.DeletedCount, set.HitCount);
}

TEST(ZTDataSetSelection, ClearingFramesAndGroups) {
  ZTDataSet set = OverlapSet();
  MarkOverlap(set);
  set.ClearFrameMarks();
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(set.GroupMask, 0);
  EXPECT_EQ(set.FramedCount, 0u);

  MarkOverlap(set);
  set.GroupHits(ZTDataSet::gmOr);
  set.ClearGrouped();
  EXPECT_EQ(States(set), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(set.GroupedCount, 0u);
}

TEST(ZTDataSetSelection, AFrameSelectsByTimeWindowAndChannel) {
  ZTDataSet set = MakeSet({Hit(9.5, 1, 60, 60), Hit(10, 1, 60, 60), Hit(20, 2, 60, 60), Hit(20.5, 1, 60, 60),
                           Hit(15, 0, 60, 60), Hit(15, 128, 60, 60), Hit(15, 129, 60, 60), Hit(15, 3, 60, 60)});
  ZTFrameCriteria c = Frame(0, 100, 0, 100);
  c.TimeFilter = true;
  c.TimeFrom = 10;
  c.TimeTo = 20;
  c.Channels.reset();
  c.Channels.set(0);    // channel 1
  c.Channels.set(1);    // channel 2
  c.Channels.set(127);  // channel 128
  set.MarkFrame(2, c);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 4, 4, 0, 0, 4, 0, 0}));
  EXPECT_EQ(set.FramedCount, 3u);

  c.TimeFilter = false;
  set.MarkFrame(3, c);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{8, 12, 12, 8, 0, 12, 0, 0}));
  EXPECT_EQ(set.FramedCount, 5u);
}

TEST(ZTDataSetSelection, RecordsThatAreNotHitsAreNeverFlagged) {
  ZTDataSet set = MakeSet({Other(rkTimeDriven, 1, 1, 60, 60), Hit(2, 1, 60, 60), Other(rkTimeMark, 3, 1, 60, 60),
                           Other(rkNone, 0, 1, 60, 60)});
  set.MarkFrame(0, Frame(0, 100, 0, 100));
  set.GroupMask = 1;
  set.GroupHits(ZTDataSet::gmAnd);
  set.InvertGrouped();
  set.InvertDeleted();
  set.MarkFrame(1, Frame(0, 100, 0, 100));
  EXPECT_EQ(States(set), (std::vector<int>{0, D, 0, 0}));
  EXPECT_EQ(set.InvertDeleted(), 1u);
  set.MarkFrame(1, Frame(0, 100, 0, 100));
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 2, 0, 0}));
  EXPECT_EQ(set.FramedCount, 1u);
}

TEST(ZTDataSetSelection, InEventViewAFrameOnTheFirstHitMarksTheWholeEvent) {
  // Event 1 opens at 1.0 s inside the frame; its second and lockout hits lie outside it, one on
  // a channel the frame does not take. Event 2 opens at 2.0 s outside the frame; its second
  // hit lies inside but follows its first hit.
  ZTDataSet set = MakeSet({Hit(1.0, 1, 60, 60), Hit(1.00005, 2, 30, 10), Other(rkTimeDriven, 1.0001, 1, 60, 60),
                           Hit(1.0005, 5, 20, 10), Hit(2.0, 1, 30, 10), Hit(2.00001, 1, 60, 60)});
  ZTFrameCriteria c = Frame(50, 70, 50, 70);
  c.Channels.reset();
  c.Channels.set(0);
  c.Channels.set(1);
  c.EventsView = true;
  c.Mpt = 100;
  c.Lockout = 1000;
  set.MarkFrame(0, c);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{1, 1, 0, 1, 0, 0}));
  EXPECT_EQ(set.FramedCount, 3u);

  // Without event view only the hits inside are marked.
  c.EventsView = false;
  set.MarkFrame(1, c);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{3, 1, 0, 1, 0, 2}));
  EXPECT_EQ(set.FramedCount, 4u);
}

TEST(ZTDataSetSelection, AnUnsortedFileStopsEventMarkingWithTheTimeOrderError) {
  ZTDataSet set = MakeSet({Hit(1.0, 1, 60, 60), Hit(1.00005, 1, 20, 10), Hit(0.5, 1, 60, 60), Hit(3.0, 1, 60, 60)});
  set.MarkFrame(1, Frame(0, 100, 0, 100));  // a frame from before, without event view
  ZTFrameCriteria c = Frame(50, 70, 50, 70);
  c.EventsView = true;
  c.Mpt = 100;
  c.Lockout = 1000;
  try {
    set.MarkFrame(0, c);
    FAIL() << "no time-order error";
  } catch (const EZTData& error) {
    EXPECT_EQ(error.Code(), EZTData::TimeOrderError);
  }
  EXPECT_DOUBLE_EQ(ZTDataSet::EventRule().ErrorTime, 0.5);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{3, 3, 2, 2}));  // marking stopped at 0.5 s
  EXPECT_EQ(set.FramedCount, 4u);                             // but every framed hit is counted
}

TEST(ZTDataSetSelection, AFrameSlotOutsideTheEightIsRefused) {
  ZTDataSet set = OverlapSet();
  EXPECT_THROW(set.MarkFrame(8, Frame(0, 100, 0, 100)), std::out_of_range);
  EXPECT_THROW(set.MarkFrame(-1, Frame(0, 100, 0, 100)), std::out_of_range);
  EXPECT_EQ(FrameBits(set), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST(ZTDataSetSelection, ALoadStartsWithoutFlagsAndCountsAndClearKeepsTheTimeAxis) {
  test::TempDir dir;
  const std::string path = dir.File("hits.dta");
  HitFile(20).Save(path);
  ZTDataSet set;
  set.Load(path);
  set.MarkFrame(0, Frame(0, 255, 0, 100));
  set.GroupMask = 1;
  set.GroupHits(ZTDataSet::gmOr);
  set.DeleteGrouped();
  set.EventCount = 7;
  ASSERT_EQ(set.DeletedCount, 20u);

  set.Load(path);
  EXPECT_EQ(set.DeletedCount, 0u);
  for (const ZTShortHit& rec : set.Recs) EXPECT_EQ(rec.StateBits[0] | rec.FrameBits, 0);

  const double maxTime = set.MaxTime;
  set.Clear();
  EXPECT_TRUE(set.Recs.empty());
  EXPECT_EQ(set.HitCount, 0u);
  EXPECT_EQ(set.MaxTime, maxTime);
  EXPECT_EQ(set.EventCount, 7u);
}

}  // namespace
}  // namespace ae

namespace ae {
namespace {

using test::FrameBits;
using test::Hit;
using test::MakeSet;

// Three events by the event rule of 5000 us / 20000 us: at 1 s (first hit, second hit, lockout
// hit), at 2 s (first and second hit) and at 3 s (a first hit alone); the first two located.
ZTDataSet LocatedSet() {
  ZTDataSet set = MakeSet({Hit(1.0, 1, 60, 1), Hit(1.002, 2, 50, 1), Hit(1.010, 3, 40, 1),  //
                           Hit(2.0, 4, 70, 1), Hit(2.003, 1, 55, 1),                        //
                           Hit(3.0, 2, 65, 1)});
  set.Locations.Assign({{0, 0, 2.5f, 4.0f}, {3, 0, 7.5f, 1.0f}});
  set.Locations.Valid = true;
  return set;
}

ZTFrameCriteria LocationFrame(double xFrom, double xTo, double yFrom, double yTo) {
  ZTFrameCriteria c;
  c.XParam = pcLocX;
  c.YParam = pcLocY;
  c.XFrom = xFrom;
  c.XTo = xTo;
  c.YFrom = yFrom;
  c.YTo = yTo;
  c.Channels.set();
  return c;
}

TEST(ZTDataSetLocation, AFrameOnALocationSelectsWholeEventsByTheirFirstHit) {
  struct Case {
    const char* Name;
    ZTFrameCriteria Criteria;
    std::vector<int> Bits;
  };
  ZTFrameCriteria timeOn = LocationFrame(0, 10, 0, 10);
  timeOn.TimeFilter = true;
  timeOn.TimeFrom = 1.5;
  timeOn.TimeTo = 2.5;
  ZTFrameCriteria channels = LocationFrame(0, 10, 0, 10);
  channels.Channels.reset();
  channels.Channels.set(3);  // channel 4 only
  ZTFrameCriteria locationAgainstAmplitude = LocationFrame(2, 3, 0, 0);
  locationAgainstAmplitude.YParam = pcAmplitude;
  locationAgainstAmplitude.YFrom = 55;
  locationAgainstAmplitude.YTo = 65;
  const Case cases[] = {
      {"first event", LocationFrame(2, 3, 3, 5), {1, 1, 1, 0, 0, 0}},
      {"both", LocationFrame(0, 10, 0, 10), {1, 1, 1, 1, 1, 0}},
      {"none", LocationFrame(4, 6, 0, 10), {0, 0, 0, 0, 0, 0}},
      {"the time window on the first hit", timeOn, {0, 0, 0, 1, 1, 0}},
      {"the channels of the first hit", channels, {0, 0, 0, 1, 1, 0}},
      {"a location against a hit parameter", locationAgainstAmplitude, {1, 1, 1, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    ZTDataSet set = LocatedSet();
    set.MarkFrame(2, c.Criteria);
    std::vector<int> expected;
    for (int bit : c.Bits) expected.push_back(bit << 2);
    EXPECT_EQ(FrameBits(set), expected) << c.Name;
    EXPECT_EQ(set.FramedCount, static_cast<std::uint32_t>(std::count(c.Bits.begin(), c.Bits.end(), 1))) << c.Name;
  }
}

TEST(ZTDataSetLocation, GroupedHitsKeepTheirPlaceInEventsButAreNotMarked) {
  ZTDataSet set = LocatedSet();
  set.Recs[1].SetGrouped(true);
  set.GroupedCount = 1;
  set.MarkFrame(0, LocationFrame(0, 10, 0, 10));
  EXPECT_EQ(FrameBits(set), (std::vector<int>{1, 0, 1, 1, 1, 0}));
  // A deleted hit is in no event; with the first hit deleted its location is not there either.
  ZTDataSet deleted = LocatedSet();
  deleted.Recs[0].SetDeleted(true);
  deleted.Locations.Assign({{3, 0, 7.5f, 1.0f}});
  deleted.MarkFrame(0, LocationFrame(0, 10, 0, 10));
  EXPECT_EQ(FrameBits(deleted), (std::vector<int>{0, 0, 0, 1, 1, 0}));
}

TEST(ZTDataSetLocation, ValuesOfLocatedAndOtherHits) {
  const ZTDataSet set = LocatedSet();
  EXPECT_EQ(set.ValueOf(3, pcLocX), 7.5);
  EXPECT_EQ(set.ValueOf(3, pcLocY), 1.0);
  EXPECT_EQ(set.ValueOf(4, pcLocX), std::nullopt);
  EXPECT_EQ(set.ValueOf(4, pcAmplitude), 55.0);
  // The records themselves hold no location.
  EXPECT_EQ(set.Recs[3].GetValue(pcLocX), 0.0);

  ZTLocations::Cursor cursor(set.Locations);
  EXPECT_EQ(cursor.At(0)->X, 2.5f);
  EXPECT_EQ(cursor.At(1), nullptr);
  EXPECT_EQ(cursor.At(3)->X, 7.5f);
  EXPECT_EQ(cursor.At(0)->X, 2.5f);  // asked again from the start
  EXPECT_EQ(cursor.At(9), nullptr);
}

TEST(ZTDataSetLocation, TheVersionMovesWhenTheHitsThatAreNotDeletedChange) {
  ZTDataSet set = LocatedSet();
  std::uint64_t last = set.Version;
  auto moved = [&] {
    const bool changed = set.Version != last;
    last = set.Version;
    return changed;
  };
  set.Recs[0].SetGrouped(true);
  set.GroupedCount = 1;
  set.ClearGrouped();
  EXPECT_FALSE(moved());
  set.InvertGrouped();
  EXPECT_FALSE(moved());
  EXPECT_GT(set.DeleteGrouped(), 0u);
  EXPECT_TRUE(moved());
  EXPECT_EQ(set.DeleteGrouped(), 0u);
  EXPECT_FALSE(moved());
  set.InvertDeleted();
  EXPECT_TRUE(moved());
  set.UndeleteAll();
  EXPECT_TRUE(moved());
  set.Clear();
  EXPECT_TRUE(moved());
  EXPECT_TRUE(set.Locations.Empty());
}

// The records' identity stays through any run of deletes, undeletes and inversions, and changes
// with every other change of Version: a picture kept with nothing deleted may stand again only
// when the records are the very ones it was drawn from.
TEST(ZTDataSetLocation, TheRecordsIdentityStaysOnlyThroughChangesOfTheDeletedFlags) {
  ZTDataSet set = LocatedSet();
  ++set.Version;  // records filled by hand
  const std::uint64_t loaded = set.RecordsIdentity();
  set.Recs[0].SetGrouped(true);
  set.GroupedCount = 1;
  ASSERT_EQ(set.DeleteGrouped(), 1u);
  EXPECT_EQ(set.RecordsIdentity(), loaded);
  set.InvertDeleted();
  set.UndeleteAll();
  EXPECT_EQ(set.RecordsIdentity(), loaded);
  EXPECT_NE(set.Version, loaded);

  ++set.Version;  // the records changed otherwise
  const std::uint64_t changed = set.RecordsIdentity();
  EXPECT_NE(changed, loaded);
  set.Recs[1].SetGrouped(true);
  set.GroupedCount = 1;
  set.DeleteGrouped();
  set.UndeleteAll();
  EXPECT_EQ(set.RecordsIdentity(), changed);
  set.Clear();
  EXPECT_NE(set.RecordsIdentity(), changed);
  EXPECT_NE(set.RecordsIdentity(), loaded);
}

}  // namespace
}  // namespace ae
