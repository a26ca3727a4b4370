// Runs that meet a full file system or a damaged source: a failed write is a failed run that
// leaves the source as it was, and no truncated or garbage-tailed source crashes a run.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <random>

#include <gtest/gtest.h>

#include "filter/core/FilterMessages.h"
#include "tests/filter/core/FilterRunFixture.h"
#include "tests/support/AlinePciBuilder.h"
#include "tests/support/Spartan3000Builder.h"

namespace ae::test {
namespace {

namespace fs = std::filesystem;

// Files of this process cannot grow beyond a size while it lives: a write past it fails as on
// a full disk (EFBIG instead of a signal).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

FilterControls KeepAll(int treatment) {
  FilterControls controls;  // main expression A on an empty window, Excluded: every hit kept
  controls.TypeItem = 1;
  controls.MakeReport = false;
  controls.SelectTreatment(treatment);
  if (treatment == tiAsEvents) controls.MPT = "10", controls.LOCK = "20";
  if (treatment == tiAsMechanic) controls.Forward = "10", controls.Back = "10";
  return controls;
}

Bytes DtaOfHits(int hits) {
  DtaPlan plan;
  for (int i = 0; i < hits; ++i) plan.Hit(100.0 * (i + 1), 50 + i % 7, true);
  plan.Add(DtaBuilder().Message(15), true);
  return plan.Source;
}

TEST_F(FilterRunTest, AWriteThatFailsFailsTheRunAndLeavesTheSourceUnderItsName) {
  // 60000 hits make more than the stream's buffer, so writing fails while records are
  // appended; 100 hits fail only when the destination is flushed and closed.
  const Bytes big = DtaOfHits(60000);
  const Bytes small = DtaOfHits(100);
  ASSERT_GT(big.size(), 1u << 20);
  struct Case {
    const Bytes* Source;
    rlim_t Limit;
  };
  const Case cases[] = {{&big, 256 << 10}, {&small, 1 << 10}};
  for (const Case& c : cases) {
    for (const int treatment : {tiAsHits, tiAsEvents, tiAsMechanic}) {
      for (const bool inPlace : {false, true}) {
        WriteFileBytes(File("a.dta"), *c.Source);
        std::string error;
        {
          FileSizeLimit limit(c.Limit);
          error = Run(Controls(KeepAll(treatment), "a.dta", inPlace ? "" : "out.dta"));
        }
        const std::string what = std::to_string(c.Source->size()) + " bytes, treatment " + std::to_string(treatment) +
                                 (inPlace ? ", in place" : "");
        EXPECT_EQ(error, FilterMessage(fmWriteError)) << what;
        EXPECT_TRUE(HasBytes(File("a.dta"), *c.Source)) << what;
        EXPECT_FALSE(Exists("a.BAK")) << what;
        EXPECT_FALSE(Exists("out.dta")) << what;
      }
    }
  }
  EXPECT_TRUE(User.Informed.empty()) << "no summary for a failed run";
}

TEST_F(FilterRunTest, AFullDeviceAsDestinationFailsTheRunAndStays) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  WriteFileBytes(File("a.dta"), DtaOfHits(100));
  EXPECT_EQ(Run(Controls(KeepAll(tiAsHits), "a.dta", "/dev/full")), FilterMessage(fmWriteError));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_TRUE(HasBytes(File("a.dta"), DtaOfHits(100)));
}

TEST_F(FilterRunTest, AReportThatCannotBeWrittenIsToldAndLeftWithoutAPartBlock) {
  const rlim_t limit = 64 << 10;
  WriteFileBytes(File("Protocol.txt"), Bytes(limit, 'x'));
  WriteFileBytes(File("a.dta"), DtaOfHits(10));
  FilterControls controls = KeepAll(tiAsHits);
  controls.MakeReport = true;
  RecordingUser user;
  std::string error;
  {
    FileSizeLimit sizeLimit(limit);
    error = Run(Controls(controls, "a.dta", "out.dta"), user);
  }
  EXPECT_EQ(error, "") << "the filtration itself is complete";
  EXPECT_TRUE(Exists("out.dta"));
  EXPECT_EQ(fs::file_size(File("Protocol.txt")), limit);
  ASSERT_EQ(user.Informed.size(), 2u);
  EXPECT_EQ(user.Informed[1].second, FilterMessage(fmCaptionWarning));
  EXPECT_EQ(user.Informed[1].first, FilterMessage(fmReportNotWritten) + File("Protocol.txt"));
}

TEST_F(FilterRunTest, ATruncatedDtaSourceGivesItsWholeRecords) {
  DtaPlan plan;
  plan.Hit(100, 50, true).Hit(200, 50, true);
  const std::size_t whole = plan.Source.size();
  plan.Hit(300, 50, true);
  Bytes cut(plan.Source.begin(), plan.Source.end() - 5);
  WriteFileBytes(File("a.dta"), cut);
  AFilter filter(Controls(KeepAll(tiAsHits), "a.dta", "out.dta"), Names);
  filter.Run(User);
  EXPECT_TRUE(HasBytes(File("out.dta"), Bytes(plan.Source.begin(), plan.Source.begin() + static_cast<long>(whole))));
  EXPECT_FALSE(filter.EndOfDataMet());
  EXPECT_EQ(filter.Handled(), 4);
}

// Every cut of a file and garbage after it, under every treatment: a run ends with its result
// or with one of the program's errors, never with anything else.
TEST_F(FilterRunTest, TruncatedAndGarbageTailedSourcesNeverCrashARun) {
  Spartan3000Builder spartan;
  for (int i = 0; i < 12; ++i) {
    Spartan3000Builder::Hit hit;
    hit.Ticks = static_cast<std::uint64_t>(400 * (i + 1));
    hit.Amplitude = static_cast<unsigned>(40 + i);
    spartan.AddHit(hit);
  }
  spartan.Comment("remark").EndOfData();
  AlinePciBuilder pci;
  pci.Channels({AlinePciBuilder::Channel{}});
  for (int i = 0; i < 12; ++i)
    pci.Hit({.Seconds = AlinePciBuilder::DefaultStartTime,
             .Microseconds = static_cast<std::uint32_t>(100 * i),
             .Amplitude = static_cast<std::uint16_t>(100 + i),
             .Counts = 3});
  const std::vector<std::pair<std::string, Bytes>> files = {
      {"dta", DtaOfHits(12)}, {"s3000", spartan.Get()}, {"pci", pci.Build()}};

  std::mt19937 random(5);
  int runs = 0;
  for (const auto& [format, whole] : files) {
    std::vector<Bytes> damaged;
    for (std::size_t n = 0; n < whole.size(); n += 1 + whole.size() / 97)
      damaged.emplace_back(whole.begin(), whole.begin() + static_cast<long>(n));
    for (const std::size_t tail : {1u, 3u, 31u, 500u, 70000u}) {
      Bytes garbage = whole;
      for (std::size_t i = 0; i < tail; ++i) garbage.push_back(static_cast<unsigned char>(random()));
      damaged.push_back(garbage);
      // The same garbage after a cut in the middle of the records.
      Bytes cutGarbage(whole.begin(), whole.begin() + static_cast<long>(whole.size() * 3 / 4));
      cutGarbage.insert(cutGarbage.end(), garbage.end() - static_cast<long>(tail), garbage.end());
      damaged.push_back(cutGarbage);
    }
    for (const Bytes& source : damaged) {
      WriteFileBytes(File("a.src"), source);
      for (const int treatment : {tiAsHits, tiAsEvents, tiAsMechanic}) {
        const std::string error = Run(Controls(KeepAll(treatment), "a.src", "out.dat"));
        ++runs;
        const bool known = error.empty() || error == FilterMessage(fmUnknownFileType) || error == "EZTData 2001" ||
                           error.rfind("Damaged A-Line PCI file", 0) == 0;
        EXPECT_TRUE(known) << format << ", " << source.size() << " bytes: " << error;
        // A failed run leaves no destination; a successful one a whole file.
        EXPECT_EQ(Exists("out.dat"), error.empty()) << format << ", " << source.size() << " bytes";
        EXPECT_TRUE(HasBytes(File("a.src"), source));
      }
    }
  }
  EXPECT_GT(runs, 300);
}

}  // namespace
}  // namespace ae::test
