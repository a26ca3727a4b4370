// Runs of the engine on files: the record-kind rules, end of data, counters, progress and
// summary, every format with a writer, the in-place case with its backup, and what each failure
// leaves on disk.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/SDFile.h"
#include "filter/core/AFilter.h"
#include "filter/core/FilterMessages.h"
#include "tests/filter/core/FilterRunFixture.h"
#include "tests/support/AlineIsaBuilder.h"
#include "tests/support/AlinePciBuilder.h"
#include "tests/support/Spartan3000Builder.h"

namespace ae::test {
namespace {

namespace fs = std::filesystem;

std::string M(int id) { return FilterMessage(id); }

// Included on amplitudes 40 to 100, the report switched off.
FilterControls Amplitude40To100() {
  FilterControls controls = RangeFilter("Amplitude", "40", "100");
  controls.MakeReport = false;
  return controls;
}

// The values of one parameter of the hits of a data file, in file order.
std::vector<double> HitValues(const std::string& path, int code) {
  OpenedDataFile opened = OpenDataFile(path);
  std::vector<double> values;
  opened.Reader->SeekFirst();
  while (opened.Reader->ReadNext())
    if (opened.Reader->IsHit()) values.push_back(opened.Reader->GetValue(code));
  return values;
}

TEST_F(FilterRunTest, AsHitsKeepsPassingHitsAndOtherRecordsByTheirKind) {
  for (const bool deleteTdp : {false, true}) {
    for (const bool deleteTr : {false, true}) {
      DtaPlan plan;
      plan.Add(DtaBuilder().Timed(128, 100), true)  // resume
          .Hit(1000, 39, false)
          .Hit(1100, 40, true)
          .Add(DtaBuilder().Timed(2, 1200, {0, 0, 0x10, 0x20}), !deleteTdp)  // time-driven
          .Add(DtaBuilder().Timed(3, 1250, {0, 0, 0x10, 0x20}), !deleteTdp)  // demand
          .Add(DtaBuilder().Message(173, {1, 2, 3, 4}), !deleteTr)           // waveform
          .Add(DtaBuilder().Message(7, {'n', 'o', 't', 'e', 0}), true)       // comment
          .Add(DtaBuilder().Message(99, {'x'}), true)                        // any other message is known
          .Hit(1300, 100, true)
          .Hit(1400, 101, false)
          .Add(DtaBuilder().Timed(129, 1500), true)  // stop
          .Add(DtaBuilder().Message(15), true)       // end of data
          .Hit(1600, 50, false)                      // after the end: never read
          .Add(DtaBuilder().Message(7, {'x', 0}), false);
      WriteFileBytes(File("in.dta"), plan.Source);
      FilterControls controls = Controls(Amplitude40To100(), "in.dta", "out.dta");
      controls.DeleteTDP = deleteTdp;
      controls.DeleteTR = deleteTr;
      RecordingUser user;
      AFilter filter(controls, Names);
      filter.Run(user);
      EXPECT_TRUE(HasBytes(File("out.dta"), plan.Expected)) << deleteTdp << deleteTr;
      EXPECT_EQ(filter.Handled(), 16);  // every message of the file, those after the end too
      EXPECT_EQ(filter.Accepted(), 12 - (deleteTdp ? 2 : 0) - (deleteTr ? 1 : 0));
      EXPECT_TRUE(filter.EndOfDataMet());
      ASSERT_EQ(user.Informed.size(), 1u);
      EXPECT_EQ(user.Informed[0].second, "Резюме..");
      EXPECT_EQ(user.Informed[0].first, AFilter::SummaryText(true, filter.Handled(), filter.Accepted()));
    }
  }
}

TEST_F(FilterRunTest, ASourceWithoutEndOfDataIsFilteredToItsEndAndSaysSo) {
  DtaPlan plan;
  plan.Hit(1000, 50, true).Hit(2000, 20, false).Hit(3000, 60, true);
  WriteFileBytes(File("in.dta"), plan.Source);
  AFilter filter(Controls(Amplitude40To100(), "in.dta", "out.dta"), Names);
  filter.Run(User);
  EXPECT_TRUE(HasBytes(File("out.dta"), plan.Expected));
  EXPECT_FALSE(filter.EndOfDataMet());
  EXPECT_NE(User.Informed.at(0).first.find(M(1007)), std::string::npos);
}

TEST(FilterSummary, HasFourLinesWithCountsInFiveColumns) {
  EXPECT_EQ(AFilter::SummaryText(true, 1234, 800),
            "Results :  \tФильтрация успешно завершена.\n"
            "Handling\t 1234 records\n"
            "Accepted\t  800 records\n"
            "Deleted\t  434 records\n");
  EXPECT_EQ(AFilter::SummaryText(false, 123456, 123), "Results :  \t" + M(1007) + "\n" +
                                                          "Handling\t123456 records\n"
                                                          "Accepted\t  123 records\n"
                                                          "Deleted\t123333 records\n");
}

TEST_F(FilterRunTest, ProgressAdvancesAfterEveryStepPlusOneRecords) {
  struct Case {
    int Hits;  // records = hits + 2
    int64_t Step;
    int Steps;
  };
  const Case cases[] = {{43, 2, 15}, {5, 7, 0}, {18, 20, 0}, {19, 1, 10}, {60, 3, 15}};
  for (const Case& c : cases) {
    DtaPlan plan;
    for (int i = 0; i < c.Hits; ++i) plan.Hit(1000.0 * (i + 1), 50, true);
    WriteFileBytes(File("in.dta"), plan.Source);
    RecordingUser user;
    EXPECT_EQ(Run(Controls(Amplitude40To100(), "in.dta", "out.dta"), user), "");
    EXPECT_EQ(user.Maximum, c.Hits + 2);
    EXPECT_EQ(user.Step, c.Step);
    EXPECT_EQ(user.Steps, c.Steps) << c.Hits;
  }
}

TEST_F(FilterRunTest, FiltersSpartan3000AndALinePciFilesThroughTheirWriters) {
  Spartan3000Builder spartan;
  for (int i = 0; i < 6; ++i) {
    Spartan3000Builder::Hit hit;
    hit.Ticks = Spartan3000Builder::TicksOf(0.001 * (i + 1));
    hit.Seq = static_cast<std::uint32_t>(i + 1);
    hit.Counts = static_cast<unsigned>(10 * i);
    hit.Amplitude = static_cast<unsigned>(30 + 10 * i);  // 30 .. 80
    spartan.AddHit(hit);
  }
  spartan.Sample(2, Spartan3000Builder::TicksOf(0.01), 2100, 2100).EndOfData();
  spartan.Save(File("s.dta"));
  AFilter s3000(Controls(Amplitude40To100(), "s.dta", "s-out.dta"), Names);
  s3000.Run(User);
  EXPECT_EQ(HitValues(File("s-out.dta"), pcAmplitude), (std::vector<double>{40, 50, 60, 70, 80}));
  EXPECT_TRUE(s3000.EndOfDataMet());
  EXPECT_EQ(s3000.Accepted(), 7);  // five hits, the sample and the end of data
  // The header's total counts the records written without the end of data.
  const Bytes written = ReadFileBytes(File("s-out.dta"));
  EXPECT_EQ(written[SDFile::hdrTotalRecords], 6);
  EXPECT_EQ(written.size(), 512u + 7 * 32);

  AlinePciBuilder pci;
  for (int i = 0; i < 6; ++i)
    pci.Hit({.Seconds = AlinePciBuilder::DefaultStartTime + 1,
             .Microseconds = static_cast<std::uint32_t>(i * 100),
             .Counts = static_cast<std::uint16_t>(10 * i)});
  pci.TimeMark(AlinePciBuilder::DefaultStartTime + 2, 0, 1);
  pci.Save(File("p.ald"));
  FilterControls counts = RangeFilter("Counts", "15", "35");
  counts.MakeReport = false;
  AFilter aline(Controls(counts, "p.ald", "p-out.ald"), Names);
  aline.Run(User);
  EXPECT_EQ(HitValues(File("p-out.ald"), pcCounts), (std::vector<double>{20, 30}));
  EXPECT_EQ(aline.Accepted(), 3);
  EXPECT_FALSE(aline.EndOfDataMet());  // the format has no end-of-data record
}

TEST_F(FilterRunTest, AnExcludedEmptyFilterCopiesTheRealInstrumentFileByteForByte) {
  const std::string real = RealDtaFile();
  if (real.empty()) GTEST_SKIP() << "the real instrument file is not beside the project";
  FilterControls controls;
  controls.TypeItem = 1;
  controls.MakeReport = false;
  AFilter filter(Controls(controls, real, "copy.dta"), Names);
  filter.Run(User);
  EXPECT_TRUE(HasBytes(File("copy.dta"), ReadFileBytes(real)));
  EXPECT_EQ(filter.Handled(), filter.Accepted());

  // Dropping the parametric samples leaves the hits and the rest.
  controls.DeleteTDP = true;
  AFilter noSamples(Controls(controls, real, "hits.dta"), Names);
  noSamples.Run(User);
  EXPECT_EQ(noSamples.Accepted(), filter.Accepted() - 26721);
  EXPECT_EQ(HitValues(File("hits.dta"), pcAmplitude), HitValues(real, pcAmplitude));
}

// ---- The in-place case -------------------------------------------------------------------

struct SameFileCase {
  const char* What;
  std::function<std::string(FilterRunTest&)> Destination;
};

TEST_F(FilterRunTest, EveryNameOfTheSourceAsDestinationIsTheInPlaceCase) {
  DtaPlan plan;
  plan.Hit(1000, 50, true);
  WriteFileBytes(File("a.dta"), plan.Source);
  fs::create_symlink(File("a.dta"), File("link.dta"));
  fs::create_hard_link(File("a.dta"), File("hard.dta"));
  fs::create_directory(File("sub"));
  const std::vector<std::pair<const char*, std::string>> destinations = {
      {"empty", ""},
      {"the same text", "a.dta"},
      {"relative to the work folder", "./sub/../a.dta"},
      {"absolute", File("a.dta")},
      {"a symbolic link", "link.dta"},
      {"a hard link", "hard.dta"},
  };
  for (const auto& [what, destination] : destinations) {
    RecordingUser no(false);
    EXPECT_EQ(Run(Controls(Amplitude40To100(), "a.dta", destination), no), M(818)) << what;
    ASSERT_EQ(no.Questions.size(), 1u) << what;
    EXPECT_EQ(no.Questions[0], M(1203) + "|" + M(1008));
    EXPECT_TRUE(HasBytes(File("a.dta"), plan.Source)) << what;
    EXPECT_FALSE(Exists("a.BAK")) << what;
  }
  RecordingUser none(false);
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "a.dta", "b.dta"), none), "");
  EXPECT_TRUE(none.Questions.empty());
}

TEST_F(FilterRunTest, InPlaceWithYesKeepsTheSourceAsBackupAndReplacesAnOlderOne) {
  DtaPlan plan;
  plan.Hit(1000, 20, false).Hit(2000, 50, true);
  WriteFileBytes(File("a.dta"), plan.Source);
  WriteFileBytes(File("a.BAK"), {1, 2, 3});
  FilterControls controls = Controls(Amplitude40To100(), "a.dta", "");
  controls.MakeReport = true;
  AFilter filter(controls, Names);
  filter.Run(User);
  EXPECT_TRUE(HasBytes(File("a.BAK"), plan.Source));
  EXPECT_TRUE(HasBytes(File("a.dta"), plan.Expected));
  EXPECT_EQ(filter.RunSourceName(), "a.BAK");
  EXPECT_EQ(filter.RunDestinationName(), "a.dta");
  std::ifstream report(File("Protocol.txt"));
  std::string line;
  std::getline(report, line);
  std::getline(report, line);
  EXPECT_EQ(line, "Источник : \ta.BAK");
  std::getline(report, line);
  EXPECT_EQ(line, "Результат : \ta.dta");

  // A name without extension gets ".BAK" appended.
  WriteFileBytes(File("noext"), plan.Source);
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "noext", "noext")), "");
  EXPECT_TRUE(HasBytes(File("noext.BAK"), plan.Source));
}

TEST_F(FilterRunTest, InPlaceRefusesWhenTheBackupCannotBeMade) {
  DtaPlan plan;
  plan.Hit(1000, 50, true);
  // A source that has the backup name would be deleted as its own old backup.
  WriteFileBytes(File("x.BAK"), plan.Source);
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "x.BAK", "")), M(799));
  EXPECT_TRUE(HasBytes(File("x.BAK"), plan.Source));
  // An old backup that cannot be deleted.
  WriteFileBytes(File("y.dta"), plan.Source);
  fs::create_directories(File("y.BAK/inside"));
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "y.dta", "")), M(799));
  EXPECT_TRUE(HasBytes(File("y.dta"), plan.Source));
  EXPECT_TRUE(fs::is_directory(File("y.BAK/inside")));
}

TEST_F(FilterRunTest, AFailedInPlaceRunPutsTheSourceBackUnderItsName) {
  // Unsorted hits fail as events after writing has begun.
  DtaPlan plan;
  plan.Hit(5000, 50, true).Hit(9000, 50, true).Hit(3000, 50, true);
  for (int i = 0; i < 3; ++i) plan.Add(DtaBuilder().Message(7, {'c', 0}), true);
  WriteFileBytes(File("a.dta"), plan.Source);
  FilterControls events = Amplitude40To100();
  events.SelectTreatment(tiAsEvents);
  events.MPT = "10";
  events.LOCK = "20";
  EXPECT_EQ(Run(Controls(events, "a.dta", "")), "EZTData 2001");
  EXPECT_TRUE(HasBytes(File("a.dta"), plan.Source));
  EXPECT_FALSE(Exists("a.BAK"));

  // The window's other page active: nothing filtered, the source back in place.
  FilterControls service = Amplitude40To100();
  service.ActivePageCaption = "  Service  ";
  EXPECT_EQ(Run(Controls(service, "a.dta", "")), M(811));
  EXPECT_TRUE(HasBytes(File("a.dta"), plan.Source));
  EXPECT_FALSE(Exists("a.BAK"));
  EXPECT_TRUE(User.Informed.empty()) << "a failed run shows no summary";
  EXPECT_FALSE(Exists("Protocol.txt"));
}

// ---- Failures and what they leave ---------------------------------------------------------

TEST_F(FilterRunTest, FailuresBeforeTheDestinationIsOpenedLeaveItAlone) {
  DtaPlan plan;
  plan.Hit(1000, 50, true);
  WriteFileBytes(File("in.dta"), plan.Source);
  const Bytes previous = {9, 9, 9};
  struct Case {
    const char* What;
    std::string Source;
    std::function<void(FilterControls&)> Change;
    std::string Message;
  };
  const std::vector<Case> cases = {
      {"no source name", "", [](FilterControls&) {}, M(814)},
      {"no source file", "missing.dta", [](FilterControls&) {}, M(815)},
      {"a folder as source", "sub", [](FilterControls&) {}, M(809)},
      {"the service page active", "in.dta", [](FilterControls& c) { c.ActivePageCaption = "Service"; }, M(811)},
  };
  fs::create_directory(File("sub"));
  for (const Case& c : cases) {
    WriteFileBytes(File("out.dta"), previous);
    FilterControls controls = Amplitude40To100();
    c.Change(controls);
    EXPECT_EQ(Run(Controls(controls, c.Source, "out.dta")), c.Message) << c.What;
    EXPECT_TRUE(HasBytes(File("out.dta"), previous)) << c.What;
  }
}

TEST_F(FilterRunTest, FailuresAfterOpeningRemoveThePartialDestinationAndKeepTheSource) {
  DtaPlan plan;
  plan.Hit(1000, 50, true);
  WriteFileBytes(File("in.dta"), plan.Source);
  WriteFileBytes(File("text.dta"), {'j', 'u', 's', 't', ' ', 't', 'e', 'x', 't', '\n'});
  AlineIsaBuilder().Hit(1622109601, 0, 0, 50).Save(File("isa.ald"));
  Spartan3000Builder().HeaderByte(SDFile::hdrContinuous, 1).AddHit({}).EndOfData().Save(File("cont.dta"));
  struct Case {
    const char* What;
    std::string Source;
    std::string Message;
  };
  const Case cases[] = {
      {"not a data file", "text.dta", M(810)},
      {"an A-Line ISA file has no writer", "isa.ald", M(810)},
      {"a Spartan 3000 file that cannot be filtered", "cont.dta", M(816)},
  };
  for (const Case& c : cases) {
    const Bytes source = ReadFileBytes(File(c.Source));
    WriteFileBytes(File("out.dta"), {9, 9, 9});
    EXPECT_EQ(Run(Controls(Amplitude40To100(), c.Source, "out.dta")), c.Message) << c.What;
    EXPECT_FALSE(Exists("out.dta")) << c.What;
    EXPECT_TRUE(HasBytes(File(c.Source), source)) << c.What;
  }
  // A destination that cannot be opened.
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "in.dta", "no/such/folder/out.dta")), M(809));
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "in.dta", "sub-is-a-folder")), "") << "a new file of that name";
  fs::remove(File("sub-is-a-folder"));
  fs::create_directory(File("sub-is-a-folder"));
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "in.dta", "sub-is-a-folder")), M(809));
  EXPECT_TRUE(fs::is_directory(File("sub-is-a-folder")));
  ASSERT_EQ(::mkfifo(File("pipe").c_str(), 0600), 0);
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "in.dta", "pipe")), M(809)) << "opening a pipe would wait for ever";
  EXPECT_EQ(Run(Controls(Amplitude40To100(), "pipe", "out.dta")), M(809));
  EXPECT_TRUE(HasBytes(File("in.dta"), plan.Source));
}

}  // namespace
}  // namespace ae::test
