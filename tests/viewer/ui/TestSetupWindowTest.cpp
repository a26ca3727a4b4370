// The test setup window: filled from a setup and written back on OK, Cancel, the holds grid and
// its keys, "Open", "Save" and "Save as" with the other sections of the INI files kept, and
// controls that are refused without storing anything.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <functional>

#include "tests/viewer/ui/DialogFixture.h"
#include "ui/QtText.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/TFTestSetup.h"
#include "viewer/ui/THoldsGrid.h"
#include "viewer/ui/TSensorsGrid.h"
#include "viewer/ui/WindowViewerUser.h"

namespace ae {
namespace {

using test::DialogFixture;

class TestSetupWindow : public DialogFixture {
 protected:
  // A setup with no field at its default (and reals with more digits than the window shows).
  ATestSetup Known() const {
    ATestSetup s;
    s.FileName = dir_.File("A.ini");
    s.TestLabel = "Vessel 7";
    s.HoldsView = false;
    s.TestTH = 45;
    s.Holds = {{"Hold 1", 1.5f, 600, 600, 120}, {"Hold 2", 2.25f, 1800.5f, 900, 60}};
    s.MPT = 4000;
    s.Lockout = 15000;
    s.DivisorSys = 1.23456789;
    s.OffsetSys = -0.5;
    s.DivisorReal = 2;
    s.OffsetReal = 0.125;
    s.EvalTH = 48;
    s.HiAmpLev = 70;
    s.SevHitNum = 12;
    s.MP_HstLimit1 = 11;
    s.MP_HstLimit2 = 16;
    s.MP_HstLimit3 = 80;
    s.MP_HstLimit4 = 900;
    s.MP_HstLastHits2 = 3;
    s.MP_HstLastHits3 = 14;
    s.MP_HstLastHits4 = 0.75f;
    s.MP_HstLastHits5 = 250;
    s.LDExponent = 3.5;
    s.Class1 = 20;
    s.Class2 = 200;
    s.Class3 = 2000;
    return s;
  }
  // Every field of a setup as text: its INI file and its file name.
  std::string Fields(const ATestSetup& s) const {
    const std::string path = dir_.File("fields.ini");
    std::filesystem::remove(path);
    s.Save(path);
    return ReadText(path) + "FileName=" + s.FileName;
  }
  QLineEdit* Edit(const TFTestSetup& w, const char* name) { return Child<QLineEdit>(w, name); }
  void Click(const TFTestSetup& w, const char* button) { Child<QPushButton>(w, button)->click(); }
  THoldsGrid* Grid(const TFTestSetup& w) { return Child<THoldsGrid>(w, "SGPrHold"); }
  std::vector<std::vector<QString>> GridRows(const TFTestSetup& w) {
    std::vector<std::vector<QString>> rows;
    THoldsGrid* grid = Grid(w);
    for (int r = 0; r < grid->rowCount(); ++r) {
      rows.emplace_back();
      for (int c = 0; c < grid->columnCount(); ++c) rows.back().push_back(grid->CellText(r, c));
    }
    return rows;
  }
  // A setup file with a section of somebody else's, before and after the setup's own.
  std::string WriteSetupFile(const std::string& name, const ATestSetup& s) {
    const std::string path = dir_.File(name);
    WriteText(path, "[Foreign]\nKey=kept\n");
    s.Save(path);
    WriteText(path, ReadText(path) + "[Tail]\nOther=also kept\n");
    return path;
  }
  ATestSetup& global_ = GlobalTestSetup();
};

TEST_F(TestSetupWindow, ShowsEveryFieldAndOkWritesEveryControlBack) {
  global_ = Known();
  TFTestSetup w(global_, &owner_);
  EXPECT_EQ(w.windowTitle(), "Test setup - " + QString::fromStdString(dir_.File("A.ini")));
  EXPECT_TRUE(w.isModal());
  EXPECT_EQ(Edit(w, "TestLabel")->text(), "Vessel 7");
  EXPECT_EQ(Child<QSpinBox>(w, "TestTH")->value(), 45);
  EXPECT_FALSE(Child<QCheckBox>(w, "CBViewHolds")->isChecked());
  for (const char* hidden : {"CBShadowHits", "CBEventView"}) {
    EXPECT_FALSE(Child<QCheckBox>(w, hidden)->isEnabled()) << hidden;
    EXPECT_TRUE(Child<QCheckBox>(w, hidden)->isHidden()) << hidden;
  }
  const std::pair<const char*, const char*> shown[] = {
      {"MPT", "4000"},           {"Lockout", "15000"},     {"DivSEdit", "1.23457"}, {"OffsetSEdit", "-0.5"},
      {"DivREdit", "2"},         {"OffsetREdit", "0.125"}, {"EEvTH", "48"},         {"EHighAmpLev", "70"},
      {"ESevHitNum", "12"},      {"EHstLimit1", "11"},     {"EHstLimit2", "16"},    {"EHstLimit3", "80"},
      {"EHstLimit4", "900"},     {"EHstLimit5", "900"},    {"EHstLastHits2", "3"},  {"EHstLastHits3", "14"},
      {"EHstLastHits4", "0.75"}, {"EHstLastHits5", "250"}, {"ELDExponent", "3.5"},
  };
  for (const auto& [name, text] : shown) EXPECT_EQ(Edit(w, name)->text(), text) << name;
  EXPECT_FALSE(Edit(w, "EHstLimit5")->isEnabled());
  EXPECT_FALSE(Edit(w, "EHstLastHits2")->isEnabled());
  for (const auto& [name, value] : {std::pair{"ELDClass1", 20}, {"ELDClass2", 200}, {"ELDClass3", 2000}}) {
    EXPECT_EQ(Child<QSpinBox>(w, name)->value(), value) << name;
    EXPECT_EQ(Child<QSpinBox>(w, name)->maximum(), 30000) << name;
  }
  EXPECT_EQ(GridRows(w), (std::vector<std::vector<QString>>{{"Hold 1", "1.5", "600", "600", "120"},
                                                            {"Hold 2", "2.25", "1800.5", "900", "60"}}));
  QStringList titles;
  for (int c = 0; c < Grid(w)->columnCount(); ++c) titles << Grid(w)->horizontalHeaderItem(c)->text();
  EXPECT_EQ(titles, QStringList({"Hold label", "Pressure, MPa", "Start, sec", "Length, sec", "Delay, sec"}));

  // OK with nothing touched stores the setup exactly, the digits the window does not show included.
  Click(w, "BBOk");
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Fields(global_), Fields(Known()));
  EXPECT_TRUE(boxes_.empty());

  // Every control changed goes into its field.
  TFTestSetup again(global_, &owner_);
  const std::pair<const char*, const char*> typed[] = {
      {"TestLabel", "Vessel 8"}, {"MPT", "3000"},          {"Lockout", "0x4E20"},   {"DivSEdit", "2.5"},
      {"OffsetSEdit", "1,5"},    {"DivREdit", "4"},        {"OffsetREdit", "-1"},   {"EEvTH", "40"},
      {"EHighAmpLev", "60"},     {"ESevHitNum", "20"},     {"EHstLimit1", "5"},     {"EHstLimit2", "10"},
      {"EHstLimit3", "50"},      {"EHstLimit4", "500"},    {"EHstLastHits2", "7"},  {"EHstLastHits3", "9"},
      {"EHstLastHits4", "0.5"},  {"EHstLastHits5", "300"}, {"ELDExponent", "2.25"},
  };
  for (const auto& [name, text] : typed) Edit(again, name)->setText(QString::fromLatin1(text));
  EXPECT_EQ(Edit(again, "EHstLimit5")->text(), "500");  // follows its neighbour
  Child<QSpinBox>(again, "TestTH")->setValue(60);
  Child<QCheckBox>(again, "CBViewHolds")->setChecked(true);
  Child<QSpinBox>(again, "ELDClass1")->setValue(5);
  Child<QSpinBox>(again, "ELDClass2")->setValue(50);
  Child<QSpinBox>(again, "ELDClass3")->setValue(30000);
  Grid(again)->SetCellText(1, THoldsGrid::colPressure, "3.5");
  Click(again, "BBOk");
  EXPECT_EQ(again.result(), QDialog::Accepted);

  ATestSetup expected = Known();
  expected.TestLabel = "Vessel 8";
  expected.TestTH = 60;
  expected.HoldsView = true;
  expected.Holds[1].Pressure = 3.5f;
  expected.MPT = 3000;
  expected.Lockout = 20000;
  expected.DivisorSys = 2.5;
  expected.OffsetSys = 1.5;
  expected.DivisorReal = 4;
  expected.OffsetReal = -1;
  expected.EvalTH = 40;
  expected.HiAmpLev = 60;
  expected.SevHitNum = 20;
  expected.MP_HstLimit1 = 5;
  expected.MP_HstLimit2 = 10;
  expected.MP_HstLimit3 = 50;
  expected.MP_HstLimit4 = 500;
  expected.MP_HstLastHits2 = 7;
  expected.MP_HstLastHits3 = 9;
  expected.MP_HstLastHits4 = 0.5f;
  expected.MP_HstLastHits5 = 300;
  expected.LDExponent = 2.25;
  expected.Class1 = 5;
  expected.Class2 = 50;
  expected.Class3 = 30000;
  EXPECT_EQ(Fields(global_), Fields(expected));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(TestSetupWindow, CancelLeavesTheSetupAsItWas) {
  global_ = Known();
  TFTestSetup w(global_, &owner_);
  Edit(w, "TestLabel")->setText("Changed");
  Edit(w, "MPT")->setText("1");
  Grid(w)->SetCellText(0, THoldsGrid::colStart, "");
  Click(w, "BBCancel");
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_EQ(Fields(global_), Fields(Known()));
}

TEST_F(TestSetupWindow, AControlThatIsRefusedIsNamedAndNothingIsStored) {
  struct Case {
    const char* Control;  // an edit, or "hold <column>" for the pressure holds' row 2
    const char* Text;
    const char* Message;
  };
  const Case cases[] = {
      {"MPT", "abc", "MPT, us: \"abc\" is not a whole number from 0."},
      {"Lockout", "-1", "Lockout, us: \"-1\" is not a whole number from 0."},
      {"ESevHitNum", "12.5", "Highest energy events number: \"12.5\" is not a whole number."},
      {"EHstLastHits5", "", "Historic index, row 5: K = N -: \"\" is not a whole number."},
      {"DivSEdit", "1,2,3", "DivV: \"1,2,3\" is not a number."},
      {"EHstLastHits4", "1e40", "Historic index, row 4: K = N*: \"1e40\" is not a number."},
      {"ELDExponent", "x", "V calculation Exponent: \"x\" is not a number."},
      {"hold 1", "1.5 MPa", "Pressure holds, row 2, Pressure, MPa: \"1.5 MPa\" is not a number."},
      {"hold 4", "", "Pressure holds, row 2, Delay, sec: \"\" is not a number."},
      // Values the evaluation cannot work with, as a file with them is refused.
      {"ESevHitNum", "0", "Test setup: the highest energy events number (SevHitNum) must be from 1 to 1000; it is 0."},
      {"DivREdit", "0", "Test setup: DivisorReal must be a number other than 0."},
  };
  const std::string file = WriteSetupFile("A.ini", Known());
  const std::string before = ReadText(file);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Control + std::string(" = ") + c.Text);
    global_ = Known();
    boxes_.clear();
    TFTestSetup w(global_, &owner_);
    // Earlier controls hold good changes; none of them may be stored.
    Edit(w, "TestLabel")->setText("Half stored");
    Grid(w)->SetCellText(0, THoldsGrid::colLabel, "Renamed");
    const std::string control = c.Control;
    if (control.rfind("hold ", 0) == 0) {
      Grid(w)->SetCellText(1, std::stoi(control.substr(5)), QString::fromUtf8(c.Text));
    } else {
      Edit(w, c.Control)->setText(QString::fromUtf8(c.Text));
    }
    Click(w, "BBOk");
    EXPECT_NE(w.result(), QDialog::Accepted);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::Warning);
    EXPECT_EQ(boxes_[0].caption, "Warning");
    EXPECT_EQ(boxes_[0].text, QString::fromUtf8(c.Message));
    EXPECT_EQ(Fields(global_), Fields(Known()));

    // "Save" refuses it the same way and leaves the file alone.
    boxes_.clear();
    answerYes_ = true;
    Click(w, "BBSave");
    ASSERT_EQ(boxes_.size(), 2u);  // the question, then the refusal
    EXPECT_EQ(boxes_[1].text, QString::fromUtf8(c.Message));
    EXPECT_EQ(ReadText(file), before);
    EXPECT_EQ(Fields(global_), Fields(Known()));
  }
}

TEST_F(TestSetupWindow, TheHoldsGridKeysAndRowsWithoutAStart) {
  TFTestSetup w(global_, &owner_);  // the default setup has no holds
  THoldsGrid* grid = Grid(w);
  using Rows = std::vector<std::vector<QString>>;
  EXPECT_EQ(GridRows(w), (Rows{{"", "", "", "600", "120"}}));

  auto fill = [&](int row, const QString& label, const QString& start) {
    grid->SetCellText(row, THoldsGrid::colLabel, label);
    grid->SetCellText(row, THoldsGrid::colPressure, "1");
    grid->SetCellText(row, THoldsGrid::colStart, start);
  };
  fill(0, "A", "100");
  grid->setCurrentCell(0, 0);
  QTest::keyClick(grid, Qt::Key_Down);  // on the last row: a new row, made current
  EXPECT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->currentRow(), 1);
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(grid->rowCount(), 3);
  fill(2, "C", "300");
  grid->setCurrentCell(2, 1);
  QTest::keyClick(grid, Qt::Key_Insert);  // before the current row, which stays where it is
  EXPECT_EQ(GridRows(w), (Rows{{"A", "1", "100", "600", "120"},
                               {"", "", "", "600", "120"},
                               {"", "", "", "600", "120"},
                               {"C", "1", "300", "600", "120"}}));
  EXPECT_EQ(grid->currentRow(), 2);
  QTest::keyClick(grid, Qt::Key_Insert, Qt::ShiftModifier);  // not the key with a modifier
  EXPECT_EQ(grid->rowCount(), 4);
  QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(grid->rowCount(), 3);
  grid->setCurrentCell(2, 0);
  QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier);    // C moves up; the cursor keeps its place
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);  // on the last row: no swap, no new row
  grid->setCurrentCell(0, 0);
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);  // A below C ...
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);  // ... and back
  QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier);    // the first row has none above
  EXPECT_EQ(GridRows(w),
            (Rows{{"A", "1", "100", "600", "120"}, {"C", "1", "300", "600", "120"}, {"", "", "", "600", "120"}}));

  // Rows 1 and 3 with a start, row 2 without: two holds, in grid order.
  fill(2, "B", "200");
  grid->SetCellText(1, THoldsGrid::colStart, "");
  Click(w, "BBOk");
  ASSERT_EQ(global_.Holds.size(), 2u);
  EXPECT_EQ(global_.Holds[0], (AHold{"A", 1, 100, 600, 120}));
  EXPECT_EQ(global_.Holds[1], (AHold{"B", 1, 200, 600, 120}));

  // Ctrl+Delete deletes down to the last row, which is emptied instead.
  TFTestSetup again(global_, &owner_);
  THoldsGrid* holds = Grid(again);
  holds->setCurrentCell(1, 0);
  QTest::keyClick(holds, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(holds->currentRow(), 0);  // the row above becomes current
  QTest::keyClick(holds, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(GridRows(again), (Rows{{"", "", "", "", ""}}));
  Click(again, "BBOk");
  EXPECT_TRUE(global_.Holds.empty());
}

TEST_F(TestSetupWindow, OpenShowsAnotherFileWhichOkOrSaveMakesCurrent) {
  global_ = Known();
  ATestSetup other;
  other.TestLabel = "Other vessel";
  other.Holds = {{"Only hold", 4, 10, 20, 5}};
  other.DivisorSys = 7.123456789;
  const std::string otherFile = WriteSetupFile("B.ini", other);
  const std::string aFile = WriteSetupFile("A.ini", Known());
  const std::string aBefore = ReadText(aFile);

  TFTestSetup w(global_, &owner_);
  fileAnswers_ = {QString::fromStdString(dir_.File("B"))};  // the default extension is added
  Click(w, "BBOpen");
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].mode, FileDialogSeam::Mode::Open);
  EXPECT_EQ(requests_[0].filter, "Test setup file (*.ini)|*.ini");
  EXPECT_EQ(requests_[0].defaultSuffix, "ini");
  EXPECT_EQ(w.windowTitle(), "Test setup - " + QString::fromStdString(otherFile));
  EXPECT_EQ(Edit(w, "TestLabel")->text(), "Other vessel");
  EXPECT_EQ(Edit(w, "DivSEdit")->text(), "7.12346");
  EXPECT_EQ(GridRows(w)[0][0], "Only hold");
  EXPECT_EQ(Fields(global_), Fields(Known()));  // not until OK, Save or Save as

  // A file that is not a test setup is refused with the warning; the window keeps what it shows.
  WriteText(dir_.File("foreign.ini"), "[Other]\nA=1\n");
  fileAnswers_ = {QString::fromStdString(dir_.File("foreign.ini"))};
  Click(w, "BBOpen");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, Q(ViewerMessage(vmUnknownSetupFormat)));
  EXPECT_EQ(boxes_[0].caption, "Warning");
  EXPECT_EQ(Edit(w, "TestLabel")->text(), "Other vessel");

  // "Save" names the opened file and writes it, not the one loaded before.
  boxes_.clear();
  Edit(w, "TestLabel")->setText("Other vessel, saved");
  Click(w, "BBSave");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::YesNoQuestion);
  EXPECT_EQ(boxes_[0].text, "Test Setup file\n" + QString::fromStdString(otherFile) + "\nwill be rewriten. Continue?");
  EXPECT_EQ(ReadText(aFile), aBefore);
  other.TestLabel = "Other vessel, saved";
  other.FileName = otherFile;
  EXPECT_EQ(Fields(global_), Fields(other));  // exactly, the hidden digits of DivV included
  const std::string saved = ReadText(otherFile);
  EXPECT_EQ(saved.rfind("[Foreign]\nKey=kept\n", 0), 0u) << saved;
  EXPECT_NE(saved.find("[Tail]\nOther=also kept\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("TestLabel=Other vessel, saved\n"), std::string::npos) << saved;

  // OK after Open makes the opened file the setup's own as well.
  global_ = Known();
  TFTestSetup second(global_, &owner_);
  fileAnswers_ = {QString::fromStdString(otherFile)};
  Click(second, "BBOpen");
  Click(second, "BBOk");
  EXPECT_EQ(global_.FileName, otherFile);
  EXPECT_EQ(global_.TestLabel, "Other vessel, saved");
}

TEST_F(TestSetupWindow, SaveAsksFirstAndNoLeavesFileAndSetupAlone) {
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "Yes" : "No");
    global_ = Known();
    const std::string file = WriteSetupFile("A.ini", Known());
    const std::string before = ReadText(file);
    boxes_.clear();
    answerYes_ = yes;
    TFTestSetup w(global_, &owner_);
    Edit(w, "TestLabel")->setText("Relabelled");
    Grid(w)->SetCellText(0, THoldsGrid::colStart, "");  // one hold less
    Click(w, "BBSave");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::YesNoQuestion);
    EXPECT_EQ(boxes_[0].caption, "Warning");
    EXPECT_EQ(boxes_[0].text, "Test Setup file\n" + QString::fromStdString(file) + "\nwill be rewriten. Continue?");
    if (!yes) {
      EXPECT_EQ(ReadText(file), before);
      EXPECT_EQ(Fields(global_), Fields(Known()));
      continue;
    }
    ATestSetup expected = Known();
    expected.TestLabel = "Relabelled";
    expected.Holds.erase(expected.Holds.begin());
    EXPECT_EQ(Fields(global_), Fields(expected));
    const std::string saved = ReadText(file);
    EXPECT_EQ(saved.rfind("[Foreign]\nKey=kept\n", 0), 0u) << saved;
    EXPECT_NE(saved.find("[Tail]\nOther=also kept\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[Holds]\n0=Hold 2|2.25|1800.5|900|60|\n\n"), std::string::npos) << saved;
    ATestSetup reread;
    WindowViewerUser user(&owner_);
    ASSERT_TRUE(reread.Load(file, user));
    EXPECT_EQ(Fields(reread), Fields(expected));
  }
}

TEST_F(TestSetupWindow, SaveAsWritesTheChosenFileAndKeepsTheSetupsOwnName) {
  global_ = Known();
  ATestSetup existing;
  const std::string target = WriteSetupFile("C.ini", existing);
  TFTestSetup w(global_, &owner_);
  Edit(w, "MPT")->setText("2500");

  Click(w, "BBSaveAs");  // cancelled: nothing happens
  EXPECT_EQ(Fields(global_), Fields(Known()));

  fileAnswers_ = {QString::fromStdString(dir_.File("C"))};
  Click(w, "BBSaveAs");
  ASSERT_EQ(requests_.size(), 2u);
  EXPECT_EQ(requests_[1].mode, FileDialogSeam::Mode::Save);
  EXPECT_EQ(requests_[1].caption, "Save as..");
  EXPECT_EQ(requests_[1].filter, "Test setup file (*.ini)|*.ini");
  EXPECT_EQ(requests_[1].defaultSuffix, "ini");
  EXPECT_TRUE(requests_[1].confirmOverwrite);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(w.windowTitle(), "Test setup - " + QString::fromStdString(target));
  EXPECT_EQ(global_.FileName, dir_.File("A.ini"));
  EXPECT_EQ(global_.MPT, 2500);
  const std::string saved = ReadText(target);
  EXPECT_EQ(saved.rfind("[Foreign]\nKey=kept\n", 0), 0u) << saved;
  EXPECT_NE(saved.find("[Tail]\nOther=also kept\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("MPT=2500\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("0=Hold 1|1.5|600|600|120|\n1=Hold 2|2.25|1800.5|900|60|\n"), std::string::npos) << saved;

  // "Save" with no file loaded asks where to save instead of rewriting a file without a name.
  global_ = ATestSetup();
  TFTestSetup unnamed(global_, &owner_);
  boxes_.clear();
  fileAnswers_ = {QString::fromStdString(dir_.File("D.ini"))};
  Click(unnamed, "BBSave");
  EXPECT_TRUE(boxes_.empty());
  ASSERT_EQ(requests_.size(), 3u);
  EXPECT_EQ(requests_[2].mode, FileDialogSeam::Mode::Save);
  EXPECT_TRUE(std::filesystem::exists(dir_.File("D.ini")));
}

}  // namespace
}  // namespace ae

namespace ae {
namespace {

class TestSetupLocation : public TestSetupWindow {
 protected:
  ATestSetup Located() const {
    ATestSetup s = Known();
    s.Location.Type = ALocationType::Planar;
    s.Location.Velocity = 3123.5;
    s.Location.Sensors = {{1, 0, 0}, {2, 10.25, 0}, {7, 10, 9.875}};
    return s;
  }
  TSensorsGrid* Sensors(const TFTestSetup& w) { return Child<TSensorsGrid>(w, "SGSensors"); }
  QComboBox* Type(const TFTestSetup& w) { return Child<QComboBox>(w, "CBLocationType"); }
};

TEST_F(TestSetupLocation, TheLocationShowsAndOkWritesItBack) {
  global_ = Located();
  TFTestSetup w(global_, &owner_);
  EXPECT_EQ(Type(w)->currentText(), "Planar");
  EXPECT_EQ(Edit(w, "ELocationVelocity")->text(), "3123.5");
  TSensorsGrid* grid = Sensors(w);
  ASSERT_EQ(grid->rowCount(), 3);
  EXPECT_EQ(grid->CellText(2, TSensorsGrid::colChannel), "7");
  EXPECT_EQ(grid->CellText(1, TSensorsGrid::colX), "10.25");
  EXPECT_EQ(grid->CellText(2, TSensorsGrid::colY), "9.875");
  Click(w, "BBOk");
  EXPECT_EQ(global_.Location, Located().Location);

  // Another type, speed and layout: rows without a channel are no sensor, an empty y is 0, and
  // the sensors come in channel order whatever the rows' order.
  TFTestSetup again(global_, &owner_);
  Type(again)->setCurrentIndex(Type(again)->findText("Linear"));
  Edit(again, "ELocationVelocity")->setText("5000");
  Sensors(again)->SetSensors({});
  Sensors(again)->setRowCount(3);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) Sensors(again)->SetCellText(r, c, "");
  Sensors(again)->SetCellText(0, TSensorsGrid::colChannel, "12");
  Sensors(again)->SetCellText(0, TSensorsGrid::colX, "20");
  Sensors(again)->SetCellText(2, TSensorsGrid::colChannel, "3");
  Sensors(again)->SetCellText(2, TSensorsGrid::colX, "0,5");
  Click(again, "BBOk");
  EXPECT_EQ(again.result(), QDialog::Accepted);
  EXPECT_EQ(global_.Location.Type, ALocationType::Linear);
  EXPECT_EQ(global_.Location.Velocity, 5000.0);
  EXPECT_EQ(global_.Location.Sensors, (std::vector<ASensor>{{3, 0.5, 0}, {12, 20, 0}}));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(TestSetupLocation, ALocationThatCannotBeWorkedWithIsRefusedAndNothingIsStored) {
  struct Case {
    const char* Name;
    std::function<void(TFTestSetup&)> Change;
    const char* Message;
  };
  const Case cases[] = {
      {"speed not a number", [this](TFTestSetup& w) { Edit(w, "ELocationVelocity")->setText("fast"); },
       "Wave speed, m/s: \"fast\" is not a number."},
      {"speed 0", [this](TFTestSetup& w) { Edit(w, "ELocationVelocity")->setText("0"); },
       "Source location: The wave speed must be a number of metres per second greater than 0."},
      {"channel 129", [this](TFTestSetup& w) { Sensors(w)->SetCellText(1, TSensorsGrid::colChannel, "129"); },
       "Sensors, row 2, Channel: \"129\" is not a channel from 1 to 128."},
      {"channel twice", [this](TFTestSetup& w) { Sensors(w)->SetCellText(2, TSensorsGrid::colChannel, "1"); },
       "Sensors, row 3, Channel: \"1\" has a sensor in another row."},
      {"x missing", [this](TFTestSetup& w) { Sensors(w)->SetCellText(0, TSensorsGrid::colX, ""); },
       "Sensors, row 1, X, m: \"\" is not a number."},
      {"y not a number", [this](TFTestSetup& w) { Sensors(w)->SetCellText(0, TSensorsGrid::colY, "north"); },
       "Sensors, row 1, Y, m: \"north\" is not a number."},
      {"planar with two sensors", [this](TFTestSetup& w) { Sensors(w)->SetCellText(2, TSensorsGrid::colChannel, ""); },
       "Source location: Planar location needs at least 3 sensors."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    global_ = Located();
    boxes_.clear();
    TFTestSetup w(global_, &owner_);
    Edit(w, "TestLabel")->setText("Half stored");
    c.Change(w);
    Click(w, "BBOk");
    EXPECT_NE(w.result(), QDialog::Accepted);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, QString::fromUtf8(c.Message));
    EXPECT_EQ(Fields(global_), Fields(Located()));
  }
}

}  // namespace
}  // namespace ae
