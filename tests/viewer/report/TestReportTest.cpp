// The test report as a reader gets it: its pages and what pdftotext finds on them.
#include <QFile>
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "datafiles/DataFileTypes.h"
#include "tests/support/DataSetBuilder.h"
#include "tests/viewer/report/ReportFixture.h"
#include "tools/aetool/Generators.h"
#include "viewer/core/EViewer.h"
#include "viewer/core/StatReports.h"
#include "viewer/core/TFrameArray.h"
#include "viewer/graphs/TZTGraph.h"
#include "viewer/report/TestReport.h"

namespace ae {
namespace {

namespace fs = std::filesystem;

using Reports = test::ReportFixture;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(Reports, TheReportOfASmallFileHasItsPagesAndTheirTextsAsText) {
  ReportSource source = Source();
  source.Setup.Holds = {{"Hold 1", 1.5f, 300.0f, 120.0f, 20.0f}, {"Hold 2", 2.25f, 720.0f, 120.0f, 20.0f}};
  TestReport report(std::move(source), &store_);
  ASSERT_EQ(report.Pages().size(), 3u);  // Activity, Correlations, Distributions
  const std::vector<std::string> pages = PdfPages(report.Pdf());
  // The summary, a page per graph page, the tables (at least one page) and the ZIP.
  ASSERT_GE(pages.size(), 6u);
  const int total = static_cast<int>(pages.size());
  for (int i = 0; i < total; ++i) {
    const std::string& page = pages[static_cast<std::size_t>(i)];
    // Every page has the header and the footer.
    EXPECT_TRUE(Has(page, "PROOF.DTA")) << i;
    EXPECT_TRUE(Has(page, "Vessel V-101 proof test")) << i;
    EXPECT_TRUE(Has(page, "Page " + std::to_string(i + 1) + " of " + std::to_string(total))) << i;
    EXPECT_TRUE(Has(page, "2024-05-17 09:30")) << i;
    EXPECT_TRUE(Has(page, TestReport::Maker())) << i;
  }
  // The summary: the data file, what it says of itself, the data and the test setup.
  const std::string& summary = pages[0];
  for (const std::string& part :
       {file_, std::string(DataTypeName(data_.DataType)), std::string("AE Suite synthetic proof test"),
        std::string("Records"), std::to_string(data_.RecCount), std::to_string(data_.HitCount),
        std::string("First record time"), std::string("Deleted hits"), std::string("Framed hits"),
        std::string(WholeFileStatText), std::string("Test label"), std::string("Default test"), std::string("MPT, us"),
        std::string("5000"), std::string("Lockout, us"), std::string("20000"), std::string("Evaluate ThresHold"),
        std::string("V calculation Exponent"), std::string("Chan#"),
        // Searchable as typed: no ligature joins "f" and "i".
        std::string("Product definition"), std::string("Data file"), std::string("Classification"),
        // The holds as a table with the holds grid's captions.
        std::string("Hold label"), std::string("Pressure, MPa"), std::string("Delay, sec"), std::string("Hold 2"),
        std::string("2.25")})
    EXPECT_TRUE(Has(summary, part)) << part << "\n" << summary;
  // A page per graph page, in order, named, with every graph's title and axis names.
  for (std::size_t p = 0; p < report.Pages().size(); ++p) {
    const GraphPage& graphs = *report.Pages()[p];
    const std::string& page = pages[p + 1];
    EXPECT_TRUE(Has(page, graphs.Name)) << graphs.Name;
    for (const auto& graph : graphs.Graphs) {
      EXPECT_TRUE(Has(page, std::to_string(graph->GraphNumber) + ". " + graph->GraphName)) << graph->GraphName;
      EXPECT_TRUE(Has(page, graph->XShortName)) << graph->GraphName << ": " << graph->XShortName;
      EXPECT_TRUE(Has(page, graph->YShortName)) << graph->GraphName << ": " << graph->YShortName;
    }
  }
  // The statistics: the five captions, the tables' headers; the ZIP last.
  std::string tables;
  for (int i = 4; i < total - 1; ++i) tables += pages[static_cast<std::size_t>(i)];
  for (const char* part : {"Statistics", "Amplitude Distr.", "Statistic Distr.", "Local/Dynamic", "Pressure holds",
                           "MONPAC+", "Set 1", "Average", "1stHitTm", "A>65", "Mnr - Minor activity", "1.50", "2.25"})
    EXPECT_TRUE(Has(tables, part)) << part;
  for (const char* part : {"ZIP", "Historic Index", "Severity", "Set #1"}) EXPECT_TRUE(Has(pages.back(), part)) << part;
}

TEST_F(Reports, DeletedHitsAndFramesAreAsTheAnalystLeftThem) {
  // A tenth of the hits deleted, and a frame around the loud hits.
  std::uint32_t n = 0;
  for (ZTShortHit& rec : data_.Recs)
    if (rec.IsHit() && ++n % 10 == 0) {
      rec.SetDeleted(true);
      ++data_.DeletedCount;
    }
  TFrameRect band;
  band.XParam = pcAmplitude;
  band.YParam = pcEnergy;
  band.XFrom = 70;
  band.XTo = 100;
  band.YFrom = 0;
  band.YTo = 70000;
  band.Channels.set();
  TFrameArray frames;
  ASSERT_TRUE(frames.AddFrame(band, data_, {}));
  ASSERT_GT(data_.FramedCount, 0u);

  ReportSource source = Source();
  source.Frames = frames;
  TestReport report(std::move(source), &store_);
  EXPECT_EQ(report.SetsText(), "Sets 1 from the frames: set n holds the hits of frame n that are not deleted");
  const std::vector<std::string> pages = PdfPages(report.Pdf());
  ASSERT_FALSE(pages.empty());
  EXPECT_TRUE(Has(pages[0], std::to_string(data_.DeletedCount) + " (left out of the graphs and the statistics)"))
      << pages[0];
  EXPECT_TRUE(Has(pages[0], "Framed hits")) << pages[0];
  EXPECT_TRUE(Has(pages[0], std::to_string(data_.FramedCount))) << pages[0];
  // Only the framed hits that are not deleted are counted: no channel reaches the total of
  // every hit.
  const std::string all = test::Joined(pages);
  EXPECT_TRUE(Has(all, "Sets 1 from the frames"));
  // The loaded data and the analyst's frames are as they were.
  EXPECT_EQ(frames.FrameCount(), 1);
  EXPECT_GT(data_.FramedCount, 0u);
}

TEST_F(Reports, WithoutAGraphSetOrAStoreTheReportHasNoGraphPages) {
  ReportSource source = Source();
  source.GraphSet.reset();
  TestReport withoutSet(source, &store_);
  EXPECT_TRUE(withoutSet.Pages().empty());
  TestReport withoutStore(Source(), nullptr);
  EXPECT_TRUE(withoutStore.Pages().empty());
  const std::vector<std::string> pages = PdfPages(withoutStore.Pdf());
  ASSERT_GE(pages.size(), 3u);  // summary, tables, ZIP
  EXPECT_TRUE(Has(pages[1], "Amplitude Distr."));
}

TEST_F(Reports, AFileGoneSinceItWasLoadedIsStillReportedFromTheLoadedData) {
  fs::remove(file_);
  TestReport report(Source(), &store_);
  const std::vector<std::string> pages = PdfPages(report.Pdf());
  ASSERT_FALSE(pages.empty());
  EXPECT_TRUE(Has(pages[0], "The file could not be read again: Data file doesn")) << pages[0];
  EXPECT_TRUE(Has(pages[0], std::to_string(data_.HitCount))) << pages[0];
}

TEST_F(Reports, EventViewOverHitsOutOfTimeOrderGivesTheViewersMessage) {
  ZTDataSet unsorted = test::MakeSet({test::Hit(5.0, 1, 60, 10), test::Hit(2.0, 2, 60, 10)});
  unsorted.FileName = dir_.File("gone.DTA");
  ReportSource source = Source();
  source.Data = &unsorted;
  source.Options.EventsView = true;
  TestReport report(std::move(source), &store_);
  try {
    report.Pdf();
    FAIL() << "no error";
  } catch (const EViewer& error) {
    EXPECT_TRUE(Has(error.what(), "Data file doesn't sorted (")) << error.what();
    EXPECT_TRUE(Has(error.what(), "Event View is impossible.")) << error.what();
  }
}

TEST_F(Reports, SaveWritesTheWholeFileOrNothing) {
  TestReport report(Source(), &store_);
  const std::string out = dir_.File("report.pdf");
  report.Save(out);
  QFile written(QString::fromStdString(out));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray bytes = written.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));

  const std::string missing = dir_.File("no-such-folder/report.pdf");
  EXPECT_THROW(report.Save(missing), EViewer);
  EXPECT_FALSE(fs::exists(fs::path(missing).parent_path()));
  // No temporary file stays beside a target that could not be replaced.
  const std::string folder = dir_.File("folder.pdf");
  fs::create_directory(folder);
  EXPECT_THROW(report.Save(folder), EViewer);
  for (const auto& entry : fs::directory_iterator(dir_.Path()))
    EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
}

TEST_F(Reports, TheRealInstrumentFile) {
  const std::string real = test::RealDtaFile();
  if (real.empty()) GTEST_SKIP() << "the real instrument file is not beside the project";
  ZTDataSet data;
  data.Load(real);
  ReportSource source = Source();
  source.Data = &data;
  TestReport report(std::move(source), &store_);
  const std::vector<std::string> pages = PdfPages(report.Pdf());
  ASSERT_GE(pages.size(), 6u);
  // What the file says of itself, and its eight hits on five channels.
  for (const char* part : {"210527-CH1-15.DTA", "Express-8 (r) Location Version", "Version V5.92",
                           "Thu May 27 10:53:54 2021", "26724.7689510 sec", "1-15"})
    EXPECT_TRUE(Has(pages[0], part)) << part << "\n" << pages[0];
  const std::string tables = test::Joined(pages);
  EXPECT_TRUE(Has(tables, "Amplitude Distr."));
  EXPECT_EQ(data.HitCount, 8u);
  // Its hits have waveforms: the strongest of each of its five channels, two to a page, last,
  // with their texts as text.
  const std::string last = pages.back();
  for (const char* part :
       {"Waveforms of the strongest hit of each channel", "after the trigger", "Peak", "Centroid", "kHz"})
    EXPECT_TRUE(Has(last, part)) << part << "\n" << last;
  int waveformPages = 0;
  for (const std::string& page : pages) waveformPages += Has(page, "Waveforms of the strongest hit") ? 1 : 0;
  EXPECT_EQ(waveformPages, 3);
}

TEST_F(Reports, ALocatingSetupAddsTheLocationMapAndTheSetupOfTheLocation) {
  // A planar test over a square of four sensors 10 m apart.
  ReportSource source = Source();
  ALocationSetup& location = source.Setup.Location;
  location.Type = ALocationType::Planar;
  location.Velocity = 3000;
  location.Sensors = {{1, 0, 0}, {2, 10, 0}, {3, 10, 10}, {4, 0, 10}};
  GenOptions options{2000, 3};
  options.Locate = GenLocation{location, source.Setup.MPT, source.Setup.Lockout};
  const std::string located = dir_.File("LOCATED.DTA");
  GenerateDataFile("dta", options, located);
  ZTDataSet data;
  data.Load(located);
  source.Data = &data;
  TestReport report(std::move(source), &store_);
  const std::vector<std::string> pages = PdfPages(report.Pdf());
  for (const char* part : {"Source location", "Planar", "Wave speed, m/s", "3000", "Y, m"})
    EXPECT_TRUE(Has(pages[0], part)) << part << "\n" << pages[0];
  const auto map = std::find_if(pages.begin(), pages.end(),
                                [](const std::string& page) { return Has(page, "Location map (Planar)"); });
  ASSERT_NE(map, pages.end());
  for (const char* part : {"Location map", "Location X against time", "Location Y, m"})
    EXPECT_TRUE(Has(*map, part)) << part;

  // Without a location there is no such page.
  TestReport plain(Source(), &store_);
  for (const std::string& page : PdfPages(plain.Pdf())) EXPECT_FALSE(Has(page, "Location map")) << page;
}

TEST(ReportTitle, TheTestsLabelUnlessItIsTheDefault) {
  ATestSetup setup;
  EXPECT_EQ(ReportSource::DefaultTitle(setup), "AE test report");
  setup.TestLabel = "  ";
  EXPECT_EQ(ReportSource::DefaultTitle(setup), "AE test report");
  setup.TestLabel = "Vessel V-101, hydrotest";
  EXPECT_EQ(ReportSource::DefaultTitle(setup), "Vessel V-101, hydrotest");
}

}  // namespace
}  // namespace ae
