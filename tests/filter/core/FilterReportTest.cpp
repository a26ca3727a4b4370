// The report: the wording of a block line by line, where "Protocol.txt" lies, blocks appended
// run after run, and runs that write none.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "filter/core/FilterMessages.h"
#include "filter/core/FilterReport.h"
#include "tests/filter/core/FilterRunFixture.h"

namespace ae::test {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text after the first line, which holds the date.
std::string AfterDateLine(const std::string& block) {
  const std::size_t end = block.find('\n');
  return end == std::string::npos ? std::string() : block.substr(end + 1);
}

void WriteSource(const std::string& path) {
  DtaPlan plan;
  plan.Hit(10000, 50, true).Hit(20000, 20, false).Add(DtaBuilder().Message(15), true);
  WriteFileBytes(path, plan.Source);
}

TEST_F(FilterRunTest, AReportBlockDescribesTheFilterTheFilesAndTheCounts) {
  WriteSource(File("vessel.dta"));
  FilterControls controls;
  controls.FilterName = "Vessel test";
  controls.SelectTreatment(tiAsEvents);
  controls.MPT = "50";
  controls.LOCK = "1000";
  controls.Windows[fwA].Rows = {{"amplitude", "40", "100"}, {"Counts", "0", "5.5"}};
  controls.Windows[fwD].Rows = {{"Counts", ">=", "0.5", "Energy", "1e7"}};
  controls.Windows[fwD].JoinAnd = true;
  controls.Expressions = {"A|D", "B", "", "C"};
  AFilter filter(Controls(controls, "vessel.dta", "vessel-f.dta"), Names);
  filter.Run(User);
  EXPECT_EQ(filter.ReportWritten(), File("Protocol.txt"));
  const std::string report = ReadText(File("Protocol.txt"));
  EXPECT_EQ(report.substr(0, report.find('\n')), FilterReport::Today() + "\t\tVessel test");
  EXPECT_EQ(AfterDateLine(report),
            "Источник : \tvessel.dta\n"
            "Результат : \tvessel-f.dta\n"
            "Выражения фильтрации : \tПервый импульс : A|D\n"
            "Второй импульс : B\n"
            "Тип фильтра : \t\tВключающий\n"
            "Обработка событий : \tПо событиям (MPT : 50, LOCK : 1000)\n"
            "Окно A - Объединение записей по [OR]\n"
            "\tAmp\t40\t100\n"  // the alphabetically first name of the amplitude
            "\tCounts\t0\t5.5\n"
            "Окно D - Объединение записей по [AND]\n"
            "\tCounts\t>=\t(0.5) * \tEnergy\t+\t(1e+07)\n"
            "Results :  \tФильтрация успешно завершена.\n"
            "Handling\t    5 records\n"
            "Accepted\t    4 records\n"
            "Deleted\t    1 records\n"
            "\n");
}

TEST_F(FilterRunTest, TheTreatmentAndTypeLinesOfEveryKind) {
  const MemoryParamNames names;
  FilterControls controls;
  controls.TypeItem = 1;
  controls.SelectTreatment(tiAsMechanic);
  controls.Forward = "7";
  controls.Back = "-2";
  std::ostringstream text;
  AFilter(controls, names).WriteDescription(text);
  EXPECT_NE(text.str().find("Тип фильтра : \t\tИсключающий\n"), std::string::npos);
  EXPECT_NE(text.str().find("Обработка событий : \tФильтрация механических помех (Вперед : 7, Назад : 4294967294)\n"),
            std::string::npos);

  controls.SelectTreatment(tiAsHits);
  std::ostringstream hits;
  AFilter(controls, names).WriteDescription(hits);
  EXPECT_NE(hits.str().find("Обработка событий : \tПо импульсам\n"), std::string::npos);
}

TEST_F(FilterRunTest, WindowsAreListedUpToTheFirstEmptyOneAndDWheneverItHasRecords) {
  const MemoryParamNames names;
  FilterControls controls;
  controls.Windows[fwB].Rows = {{"Counts", "1", "2"}};
  controls.Windows[fwD].Rows = {{"Counts", "<", "1", "Energy", "0"}};
  controls.Expressions = {"B", "", "A", ""};
  std::ostringstream text;
  AFilter(controls, names).WriteDescription(text);
  const std::string block = text.str();
  EXPECT_EQ(block.find("Окно A"), std::string::npos);
  EXPECT_EQ(block.find("Окно B"), std::string::npos);
  EXPECT_NE(block.find("Окно D - Объединение записей по [OR]\n\tCounts\t<\t(1) * \tEnergy\t+\t(0)\n"),
            std::string::npos);
  EXPECT_NE(block.find("Выражения фильтрации : \tПервый импульс : B\nТип фильтра"), std::string::npos)
      << "the listing stops at the empty second row";
}

TEST_F(FilterRunTest, RunsAppendOneBlockEachFollowedByAnEmptyLine) {
  WriteSource(File("a.dta"));
  DtaPlan noEnd;
  noEnd.Hit(100, 50, true);
  WriteFileBytes(File("b.dta"), noEnd.Source);
  FilterControls controls;
  ASSERT_EQ(Run(Controls(controls, "a.dta", "a-out.dta")), "");
  ASSERT_EQ(Run(Controls(controls, "b.dta", "b-out.dta")), "");
  const std::string report = ReadText(File("Protocol.txt"));
  const std::size_t second = report.find("\n\n") + 2;
  ASSERT_NE(second, std::string::npos + 2);
  EXPECT_NE(report.find("Результат : \ta-out.dta\n"), std::string::npos);
  EXPECT_EQ(report.find("Результат : \tb-out.dta\n"), report.find("Результат : \tb-out.dta\n", second));
  // The second result text spreads over three lines.
  EXPECT_NE(report.find("Results :  \tФильтрация завершена.\nЗапись окончания испытания (EndOfData) не обнаружена.\n"
                        "Рекомендуется проверить исходный файл.\nHandling"),
            std::string::npos);
  EXPECT_EQ(report.substr(report.size() - 10), " records\n\n");
}

TEST_F(FilterRunTest, TheReportLiesInTheWorkFolderOrTheCommonFolder) {
  WriteSource(File("a.dta"));
  fs::create_directories(File("common"));
  struct Case {
    const char* What;
    bool Make;
    int Item;
    std::string Folder;
    std::string Expected;  // "" for no report
  };
  const std::vector<Case> cases = {
      {"each folder", true, 0, File("common"), File("Protocol.txt")},
      {"common folder", true, 1, File("common"), File("common/Protocol.txt")},
      {"common folder ending in a slash", true, 1, File("common") + "/", File("common/Protocol.txt")},
      {"an empty common folder means the work folder", true, 1, "", File("Protocol.txt")},
      {"switched off", false, 1, File("common"), ""},
      {"a folder that is not there: no report, no message", true, 1, File("missing"), ""},
  };
  for (const Case& c : cases) {
    fs::remove(File("Protocol.txt"));
    fs::remove(File("common/Protocol.txt"));
    FilterControls controls;
    controls.MakeReport = c.Make;
    controls.ReportFileItem = c.Item;
    controls.ReportFolder = c.Folder;
    RecordingUser user;
    AFilter filter(Controls(controls, "a.dta", "out.dta"), Names);
    filter.Run(user);
    EXPECT_EQ(filter.ReportWritten(), c.Expected) << c.What;
    if (!c.Expected.empty()) {
      EXPECT_TRUE(fs::exists(c.Expected)) << c.What;
    }
    EXPECT_EQ(fs::exists(File("Protocol.txt")) + fs::exists(File("common/Protocol.txt")), !c.Expected.empty())
        << c.What;
    EXPECT_EQ(user.Informed.size(), 1u) << c.What << ": the summary alone";
  }
  EXPECT_EQ(FilterReport::PathOf(1, "/x/"), "/x/Protocol.txt");
  EXPECT_EQ(FilterReport::PathOf(1, "/x"), "/x/Protocol.txt");
}

TEST(FilterReportDate, UsesTheUsersShortDateAndIsoWithoutOne) {
  std::tm date{};
  date.tm_year = 2012 - 1900;
  date.tm_mon = 2;
  date.tm_mday = 5;
  // The tests run in the C locale, which has no date format of a user's.
  EXPECT_EQ(FilterReport::ShortDate(date), "2012-03-05");
}

}  // namespace
}  // namespace ae::test
