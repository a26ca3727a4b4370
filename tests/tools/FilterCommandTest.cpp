// "aetool filter": storing a filter from its plain text form, running a stored filter on every
// format that has a writer, the in-place answer, and the exit codes.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "filter/core/FilterMessages.h"
#include "filter/db/FilterDatabase.h"
#include "store/ZTDataStore.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/StoreTestSupport.h"
#include "tools/aetool/AetoolCommands.h"
#include "tools/aetool/FilterCommand.h"
#include "tools/aetool/Generators.h"

namespace ae {
namespace {

namespace fs = std::filesystem;

using Result = test::ToolResult;
using test::RunTool;

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// The amplitudes of the hits of a file.
std::vector<double> Amplitudes(const std::string& path) {
  OpenedDataFile opened = OpenDataFile(path);
  std::vector<double> values;
  opened.Reader->SeekFirst();
  while (opened.Reader->ReadNext())
    if (opened.Reader->IsHit()) values.push_back(opened.Reader->GetValue(pcAmplitude));
  return values;
}

const char* const LargeHits =
    "# hits of 60 dB and more\n"
    "type = Included\n"
    "treatment = As Hits\n"
    "A = Amplitude | 60 | 255\n"
    "expression 1 = A\n";

class FilterCommandTest : public test::StoreTest {
 protected:
  std::string File(const std::string& name) const { return dir_.File(name); }
  // Stores the text form under a name; returns the FID printed.
  int Save(const std::string& name, const std::string& text) {
    WriteText(File("filter.txt"), text);
    const Result r = RunTool({"filter", "--save", name, "--from", File("filter.txt")});
    EXPECT_EQ(r.Code, 0) << r.Err;
    return std::atoi(r.Out.c_str());
  }
};

TEST_F(FilterCommandTest, RunsAStoredFilterOnEveryFormatWithAWriter) {
  const int fid = Save("Large hits", LargeHits);
  ASSERT_GT(fid, 0);
  for (const char* format : {"dta", "s3000", "pci"}) {
    const std::string source = File(std::string("in.") + format);
    const std::string destination = File(std::string("out.") + format);
    GenerateDataFile(format, {2000, 3}, source);
    const Result r = RunTool({"filter", "--filter", "Large hits", "--report-dir", File(""), source, destination});
    ASSERT_EQ(r.Code, 0) << format << ": " << r.Err;
    EXPECT_EQ(r.Out.rfind("Results :  \t", 0), 0u) << r.Out;
    EXPECT_NE(r.Out.find("Handling\t"), std::string::npos);
    const std::vector<double> all = Amplitudes(source);
    const std::vector<double> kept = Amplitudes(destination);
    std::vector<double> expected;
    for (const double a : all)
      if (a >= 60) expected.push_back(a);
    EXPECT_EQ(kept, expected) << format;
    EXPECT_FALSE(kept.empty()) << format;
    EXPECT_LT(kept.size(), all.size()) << format;
  }
  // One report block per run in the folder given.
  std::ifstream report(File("Protocol.txt"));
  std::stringstream text;
  text << report.rdbuf();
  std::size_t blocks = 0;
  for (std::size_t at = text.str().find("\t\tLarge hits\n"); at != std::string::npos;
       at = text.str().find("\t\tLarge hits\n", at + 1))
    ++blocks;
  EXPECT_EQ(blocks, 3u);

  GenerateDataFile("isa", {100, 3}, File("in.ald"));
  const Result isa = RunTool({"filter", "--fid", std::to_string(fid), "--no-report", File("in.ald"), File("out.ald")});
  EXPECT_EQ(isa.Code, 1);
  EXPECT_EQ(isa.Err, FilterMessage(fmUnknownFileType) + "\n");
  EXPECT_FALSE(fs::exists(File("out.ald")));
}

TEST_F(FilterCommandTest, InPlaceNeedsYes) {
  Save("Large hits", LargeHits);
  GenerateDataFile("dta", {500, 1}, File("a.dta"));
  const std::vector<unsigned char> original = test::ReadFileBytes(File("a.dta"));

  const Result no = RunTool({"filter", "--filter", "Large hits", "--no-report", File("a.dta")});
  EXPECT_EQ(no.Code, 1);
  EXPECT_NE(no.Err.find(FilterMessage(fmInPlaceQuestion)), std::string::npos);
  EXPECT_NE(no.Err.find(FilterMessage(fmCancelledByUser)), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(File("a.dta")), original);
  EXPECT_FALSE(fs::exists(File("a.BAK")));

  const Result yes =
      RunTool({"filter", "--filter", "Large hits", "--yes", "--no-report", File("a.dta"), File("a.dta")});
  EXPECT_EQ(yes.Code, 0) << yes.Err;
  EXPECT_EQ(test::ReadFileBytes(File("a.BAK")), original);
  EXPECT_LT(fs::file_size(File("a.dta")), original.size());
  EXPECT_FALSE(fs::exists(File("Protocol.txt")));
}

TEST_F(FilterCommandTest, FailuresAndUsageErrorsHaveTheirExitCodes) {
  GenerateDataFile("dta", {100, 1}, File("a.dta"));
  EXPECT_EQ(RunTool({"filter", "--filter", "Nothing", File("a.dta"), File("b.dta")}).Code, 1);
  EXPECT_EQ(RunTool({"filter", "--fid", "99", File("a.dta"), File("b.dta")}).Code, 1);
  Save("Twice", LargeHits);
  Save("Twice", LargeHits);
  const Result twice = RunTool({"filter", "--filter", "Twice", File("a.dta"), File("b.dta")});
  EXPECT_EQ(twice.Code, 1);
  EXPECT_NE(twice.Err.find("FID 1, 2"), std::string::npos) << twice.Err;
  const Result missing = RunTool({"filter", "--fid", "1", "--no-report", File("none.dta"), File("b.dta")});
  EXPECT_EQ(missing.Code, 1);
  EXPECT_EQ(missing.Err, FilterMessage(fmSourceMissing) + "\n");

  const std::vector<std::vector<std::string>> usage = {
      {"filter"},
      {"filter", "a.dta"},
      {"filter", "--fid", "1"},
      {"filter", "--fid", "x", "a.dta"},
      {"filter", "--fid", "0", "a.dta"},
      {"filter", "--fid", "1", "--filter", "n", "a.dta"},
      {"filter", "--fid", "1", "a", "b", "c"},
      {"filter", "--fid", "1", "--report-dir", "d", "--no-report", "a.dta"},
      {"filter", "--fid", "1", "--bogus", "a.dta"},
      {"filter", "--fid"},
      {"filter", "--save", "n"},
      {"filter", "--save", "n", "--from", "f", "a.dta"},
      {"filter", "--from", "f"},
  };
  for (const auto& args : usage) {
    const Result r = RunTool(args);
    EXPECT_EQ(r.Code, 2) << args.size();
    // One line that names the subcommand.
    EXPECT_EQ(r.Err.rfind("aetool filter: ", 0), 0u) << r.Err;
    EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
  }
}

TEST_F(FilterCommandTest, AnInvalidFilterIsNotStored) {
  WriteText(File("bad.txt"), "A = Amplitude | 100 | 40\nexpression 1 = A\n");
  const Result bad = RunTool({"filter", "--save", "Bad", "--from", File("bad.txt")});
  EXPECT_EQ(bad.Code, 1);
  EXPECT_EQ(bad.Err, "Окно A Запись 1\n" + FilterMessage(fmMinAboveMax) + "\n");
  WriteText(File("form.txt"), "A = Amplitude | 1\n");
  const Result form = RunTool({"filter", "--save", "Bad", "--from", File("form.txt")});
  EXPECT_EQ(form.Code, 1);
  EXPECT_NE(form.Err.find("form.txt:1: "), std::string::npos) << form.Err;
  EXPECT_EQ(RunTool({"filter", "--save", "Bad", "--from", File("absent.txt")}).Code, 1);
  ZTDataStore store;
  EXPECT_TRUE(FilterDatabase(store).Filters().empty());
}

TEST_F(FilterCommandTest, TheTextFormFillsTheWindowAndComesBackFromTheDatabase) {
  const std::string text =
      "# every key once\n"
      "TYPE = excluded\n"
      "Treatment = As Mechanic\n"
      "MPT = 5\n"  // not the treatment's box: left empty as the window does
      "Forward = 200\n"
      "Back = 100\n"
      "Delete  Parametric = yes\n"
      "Smart End of Time = no\n"
      "join B = AND\n"
      "join d = or\n"
      "A = Amplitude | 40 | 100\n"
      "B = Rise time | 0 | 50.5\n"
      "B = Counts | 1 | 1e3\n"
      "D = Counts | >= | 0.5 | Energy | -2\n"
      "expression 1 = A&(B|D)\n"
      "expression 3 = C\n";
  std::istringstream in(text);
  const FilterControls c = ParseFilterText(in, "f.txt");
  EXPECT_EQ(c.TypeItem, 1);
  EXPECT_EQ(c.TreatmentItem, tiAsMechanic);
  EXPECT_EQ(c.MPT, "");
  EXPECT_EQ(c.Forward, "200");
  EXPECT_EQ(c.Back, "100");
  EXPECT_TRUE(c.DeleteTDP);
  EXPECT_FALSE(c.SmartEOT);
  EXPECT_FALSE(c.Windows[fwA].JoinAnd);
  EXPECT_TRUE(c.Windows[fwB].JoinAnd);
  EXPECT_EQ(c.Windows[fwA].Rows, (std::vector<std::vector<std::string>>{{"Amplitude", "40", "100"}}));
  EXPECT_EQ(c.Windows[fwB].Rows,
            (std::vector<std::vector<std::string>>{{"Rise time", "0", "50.5"}, {"Counts", "1", "1e3"}}));
  EXPECT_EQ(c.Windows[fwC].Rows, FilterGrid::Empty(MinMaxColumns).Rows);
  EXPECT_EQ(c.Windows[fwD].Rows, (std::vector<std::vector<std::string>>{{"Counts", ">=", "0.5", "Energy", "-2"}}));
  EXPECT_EQ(c.Expressions, (std::array<std::string, 4>{"A&(B|D)", "", "C", ""}));

  const int fid = Save("Round trip", text);
  ZTDataStore store;
  FilterControls loaded;
  ASSERT_TRUE(FilterDatabase(store).LoadInto(fid, loaded));
  EXPECT_EQ(loaded.FilterName, "Round trip");
  EXPECT_EQ(loaded.TypeItem, c.TypeItem);
  EXPECT_EQ(loaded.TreatmentItem, c.TreatmentItem);
  EXPECT_EQ(loaded.Forward, c.Forward);
  EXPECT_EQ(loaded.Back, c.Back);
  EXPECT_EQ(loaded.Windows[fwB].JoinAnd, true);
  EXPECT_EQ(loaded.Windows[fwB].Rows,
            (std::vector<std::vector<std::string>>{{"Rise time", "0", "50.5"}, {"Counts", "1", "1000"}}));
  EXPECT_EQ(loaded.Expressions, c.Expressions);
}

TEST(FilterTextForm, NamesTheLineOfWhatItDoesNotAllow) {
  const std::pair<const char*, const char*> cases[] = {
      {"type = maybe\n", "f.txt:1: "},
      {"\n# note\ntreatment = sideways\n", "f.txt:3: "},
      {"A = Amplitude | 1 | 2 | 3\n", "f.txt:1: "},
      {"D = Counts | > | 1 | Energy\n", "f.txt:1: "},
      {"join E = AND\n", "f.txt:1: "},
      {"join A = both\n", "f.txt:1: "},
      {"expression 5 = A\n", "f.txt:1: "},
      {"expression 1 = A\nexpression 1 = B\n", "f.txt:2: "},
      {"Delete Parametric = 1\n", "f.txt:1: "},
      {"colour = red\n", "f.txt:1: "},
      {"just text\n", "f.txt:1: "},
  };
  for (const auto& [text, where] : cases) {
    std::istringstream in(text);
    try {
      ParseFilterText(in, "f.txt");
      ADD_FAILURE() << text;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()).rfind(where, 0), 0u) << text << " gave " << e.what();
    }
  }
}

}  // namespace
}  // namespace ae
