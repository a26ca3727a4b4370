// Runs started from the window: the whole way from the controls to the destination file and the
// report block, and the errors a run shows.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "filter/core/FilterMessages.h"
#include "filter/ui/TFilterGrid.h"
#include "filter/ui/WindowFilterUser.h"
#include "tests/filter/ui/FilterUiFixture.h"
#include "tests/support/DtaBuilder.h"

namespace ae::test {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

QRadioButton* RadioNamed(QWidget& window, const QString& text) {
  for (QRadioButton* button : window.findChildren<QRadioButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no radio button " << text.toStdString();
  return nullptr;
}

class WindowRun : public FilterUi {
 public:
  void Type(const char* edit, const std::string& text) { Find<QLineEdit>(edit)->setText(QString::fromStdString(text)); }
  void TypeRow(int window, int row, const QStringList& cells) {
    TFilterGrid* grid = Window().Grid(window);
    for (int c = 0; c < cells.size(); ++c) grid->item(row, c)->setText(cells[c]);
  }
  void Start() { Find<QPushButton>("BtnRun")->click(); }
};

TEST_F(WindowRun, FiltersADemoFileFromTheControlsToTheDestinationAndTheReport) {
  const std::string source = MakeDemoDta(dir_.File("PROOF.DTA"), 600);
  const std::string destination = dir_.File("PROOF-F.DTA");
  const std::string reports = dir_.File("reports");
  std::filesystem::create_directory(reports);

  TMainForm& w = Window();
  w.show();
  w.FormActivate();
  Type("EditSourceFile", source);
  Type("EditPostFile", destination);
  Type("EditFilterName", "Amplitude 50 to 70");
  TypeRow(fwA, 0, {"amplitude", "50", "70"});  // names ignore letter case
  ASSERT_EQ(w.Expressions()->item(0, 1)->text(), "A");
  RadioNamed(w, "Common report file")->click();
  Type("EditPrtFileDir", reports);
  ASSERT_TRUE(Find<QCheckBox>("CheckBoxPrtEnable")->isChecked());
  Start();

  // One box: the summary.
  const MessageSeam::Box summary = OnlyBox();
  EXPECT_EQ(summary.kind, MessageSeam::Kind::Information);
  EXPECT_EQ(summary.caption, Msg(1201));
  EXPECT_TRUE(summary.text.startsWith(Msg(1034) + "\t" + Msg(1005))) << summary.text.toStdString();

  // The destination holds exactly the hits of the source within the range, and every other record.
  const FileSummary in = Summarize(source);
  const FileSummary out = Summarize(destination);
  const auto inRange = [](double a) { return a >= 50 && a <= 70; };
  const auto kept = std::count_if(in.Amplitudes.begin(), in.Amplitudes.end(), inRange);
  ASSERT_GT(kept, 0);
  ASSERT_LT(kept, static_cast<long>(in.Amplitudes.size()));
  EXPECT_EQ(static_cast<long>(out.Amplitudes.size()), kept);
  EXPECT_TRUE(std::all_of(out.Amplitudes.begin(), out.Amplitudes.end(), inRange));
  EXPECT_EQ(out.Records, in.Records - static_cast<int>(in.Amplitudes.size() - kept));

  // The report block.
  const std::string report = ReadText(reports + "/Protocol.txt");
  EXPECT_NE(report.find("\t\tAmplitude 50 to 70\n"), std::string::npos) << report;
  EXPECT_NE(report.find(FilterMessage(1011) + source + "\n"), std::string::npos) << report;
  EXPECT_NE(report.find(FilterMessage(1012) + destination + "\n"), std::string::npos) << report;
  EXPECT_NE(report.find(FilterMessage(1026) + "\t" + FilterMessage(1041) + "A\n"), std::string::npos) << report;
  EXPECT_NE(report.find("Окно A - Объединение записей по [OR]\n\tAmplitude\t50\t70\n"), std::string::npos) << report;
  EXPECT_NE(report.find(summary.text.toStdString() + "\n"), std::string::npos) << report;
  EXPECT_EQ(report.substr(report.size() - 2), "\n\n");

  EXPECT_EQ(Find<QProgressBar>("ProgressRun")->value(), 0);
  EXPECT_TRUE(std::filesystem::exists(source));
}

TEST_F(WindowRun, ShowsEveryFailureInAnErrorBoxAndWritesNothing) {
  const std::string source = MakeDemoDta(dir_.File("PROOF.DTA"), 50);
  struct Case {
    const char* what;
    std::function<void(WindowRun&)> setUp;
    QString text;
  };
  const std::vector<Case> cases = {
      {"min above max",
       [](WindowRun& t) {
         t.TypeRow(fwA, 0, {"Amplitude", "90", "40"});
       },
       "Окно A Запись 1\n" + Msg(806)},
      {"blank row before a filled one",
       [](WindowRun& t) {
         t.Window().Grid(fwB)->InsertRowAtCursor();
         t.TypeRow(fwB, 1, {"Amplitude", "40", "90"});
       },
       "Окно B Запись 1\n" + Msg(803)},
      {"unknown parameter in D",
       [](WindowRun& t) {
         t.TypeRow(fwD, 0, {"Amplitude", ">", "1", "Nonsense", "0"});
       },
       "Окно D Запись 1\n" + Msg(805)},
      {"MPT not a number",
       [](WindowRun& t) {
         t.Window().Filtration().RadioGroupEventTypeClick(tiAsEvents);
         t.Type("EditMPT", "x");
         t.Type("EditLOCK", "100");
       },
       Msg(800)},
      {"no main expression", [](WindowRun& t) { t.Window().Expressions()->item(0, 1)->setText(""); }, Msg(813)},
      {"Service page active", [](WindowRun& t) { t.Find<QTabWidget>("PageControl1")->setCurrentIndex(1); }, Msg(811)},
      {"missing source", [](WindowRun& t) { t.Type("EditSourceFile", t.dir_.File("none.dta")); }, Msg(815)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMainForm& w = NewWindow();
    w.FormActivate();
    Type("EditSourceFile", source);
    Type("EditPostFile", dir_.File("out.dta"));
    c.setUp(*this);
    ClearBoxes();
    Start();
    const MessageSeam::Box box = OnlyBox();
    EXPECT_EQ(box.kind, MessageSeam::Kind::Error);
    EXPECT_EQ(box.caption, Msg(1200));
    EXPECT_EQ(box.text, c.text);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("out.dta")));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("Protocol.txt")));
  }
}

TEST_F(WindowRun, InPlaceAsksFirstAndNoLeavesTheSourceAlone) {
  const std::string source = MakeDemoDta(dir_.File("PROOF.DTA"), 50);
  const auto before = ReadFileBytes(source);
  TMainForm& w = Window();
  w.FormActivate();
  Type("EditSourceFile", source);
  TypeRow(fwA, 0, {"Amplitude", "0", "200"});
  answers_ = {false};
  Start();
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::YesNoWarning);
  EXPECT_EQ(boxes_[0].caption, Msg(1203));
  EXPECT_EQ(boxes_[0].text, Msg(1008));
  EXPECT_EQ(boxes_[1].caption, Msg(1200));
  EXPECT_EQ(boxes_[1].text, Msg(818));
  EXPECT_EQ(ReadFileBytes(source), before);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("PROOF.BAK")));

  // Yes: the original becomes the backup and the result takes its name.
  ClearBoxes();
  Start();
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[1].caption, Msg(1201));
  EXPECT_EQ(ReadFileBytes(dir_.File("PROOF.BAK")), before);
  EXPECT_TRUE(std::filesystem::exists(source));
}

TEST_F(WindowRun, ADataErrorShowsTheMessageOfItsCode) {
  // Hits out of time order stop a run as events with the data layer's code 2001.
  DtaBuilder file;
  file.ProductDefinition().HardwareSetup({1, 3, 4, 5, 6}, 1);
  file.StandardHit(20000, 1, 10, 20, 30, 100, 95, 0);
  file.StandardHit(36000, 1, 10, 20, 30, 100, 50, 0);
  file.StandardHit(12000, 1, 10, 20, 30, 100, 50, 0);
  file.Save(dir_.File("in.dta"));
  TMainForm& w = Window();
  w.FormActivate();
  Type("EditSourceFile", dir_.File("in.dta"));
  Type("EditPostFile", dir_.File("out.dta"));
  TypeRow(fwA, 0, {"Amplitude", "40", "100"});
  w.Filtration().RadioGroupEventTypeClick(tiAsEvents);
  Type("EditMPT", "10");
  Type("EditLOCK", "20");
  Start();
  const MessageSeam::Box box = OnlyBox();
  EXPECT_EQ(box.caption, Msg(1200));
  EXPECT_EQ(box.text, Msg(2001));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("out.dta")));
}

TEST_F(WindowRun, F9StartsARunAndTheBarFollowsTheSteps) {
  TMainForm& w = Window();
  QAction* f9 = nullptr;
  for (QAction* a : w.actions())
    if (a->shortcut() == QKeySequence(Qt::Key_F9)) f9 = a;
  ASSERT_NE(f9, nullptr);
  EXPECT_EQ(f9->shortcutContext(), Qt::WindowShortcut);
  w.FormActivate();
  f9->trigger();
  EXPECT_EQ(OnlyBox().text, Msg(814));  // no source named

  // The engine sets the range once and steps; the bar shows the share done.
  QProgressBar bar;
  WindowFilterUser user(&w, &bar);
  user.SetProgressRange(1000, 50);
  for (int i = 0; i < 10; ++i) user.StepProgress();
  EXPECT_EQ(bar.value(), WindowFilterUser::Scale / 2);
  for (int i = 0; i < 30; ++i) user.StepProgress();
  EXPECT_EQ(bar.value(), WindowFilterUser::Scale);
  user.SetProgressRange(int64_t{1} << 40, int64_t{1} << 35);  // counts beyond an int
  user.StepProgress();
  EXPECT_EQ(bar.value(), WindowFilterUser::Scale / 32);
  user.SetProgressRange(0, 0);
  user.StepProgress();
  EXPECT_EQ(bar.value(), 0);
}

}  // namespace
}  // namespace ae::test
