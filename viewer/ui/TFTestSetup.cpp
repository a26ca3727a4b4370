#include "viewer/ui/TFTestSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/EViewer.h"
#include "viewer/core/ProfileValues.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/FileDialogSeam.h"
#include "viewer/ui/ShownNumbers.h"
#include "viewer/ui/THoldsGrid.h"
#include "viewer/ui/TSensorsGrid.h"
#include "viewer/ui/WindowViewerUser.h"

namespace ae {

namespace {

// The edits of whole numbers: object name, caption beside it, the name a refusal gives it, field.
struct IntField {
  const char* Name;
  const char* Caption;
  const char* Title;
  int ATestSetup::*Member;
  bool FromZero;  // microseconds of a window
};

constexpr IntField IntFields[] = {
    {"MPT", QT_TRANSLATE_NOOP("ae::TFTestSetup", "MPT, us "), QT_TRANSLATE_NOOP("ae::TFTestSetup", "MPT, us"),
     &ATestSetup::MPT, true},
    {"Lockout", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Lockout, us"),
     QT_TRANSLATE_NOOP("ae::TFTestSetup", "Lockout, us"), &ATestSetup::Lockout, true},
    {"EEvTH", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Evaluate ThresHold"),
     QT_TRANSLATE_NOOP("ae::TFTestSetup", "Evaluate ThresHold"), &ATestSetup::EvalTH, false},
    {"EHighAmpLev", QT_TRANSLATE_NOOP("ae::TFTestSetup", "High amplitude level"),
     QT_TRANSLATE_NOOP("ae::TFTestSetup", "High amplitude level"), &ATestSetup::HiAmpLev, false},
    {"ESevHitNum", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Highest energy events number "),
     QT_TRANSLATE_NOOP("ae::TFTestSetup", "Highest energy events number"), &ATestSetup::SevHitNum, false},
    {"EHstLimit1", "N < ", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Historic index, row 1: N <"),
     &ATestSetup::MP_HstLimit1, false},
    {"EHstLimit2", "N < ", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Historic index, row 2: N <"),
     &ATestSetup::MP_HstLimit2, false},
    {"EHstLimit3", "N < ", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Historic index, row 3: N <"),
     &ATestSetup::MP_HstLimit3, false},
    {"EHstLimit4", "N < ", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Historic index, row 4: N <"),
     &ATestSetup::MP_HstLimit4, false},
    {"EHstLastHits2", "K = ", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Historic index, row 2: K ="),
     &ATestSetup::MP_HstLastHits2, false},
    {"EHstLastHits3", "K =", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Historic index, row 3: K ="),
     &ATestSetup::MP_HstLastHits3, false},
    {"EHstLastHits5", "K = N -", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Historic index, row 5: K = N -"),
     &ATestSetup::MP_HstLastHits5, false},
};

// The edits of reals, shown in general notation with Digits significant digits.
struct RealField {
  const char* Name;
  const char* Caption;
  const char* Title;
  int Digits;
  double ATestSetup::*Real;
  float ATestSetup::*Single;  // instead of Real
};

constexpr RealField RealFields[] = {
    {"DivSEdit", "DivV", "DivV", 6, &ATestSetup::DivisorSys, nullptr},
    {"OffsetSEdit", "ShiftV", "ShiftV", 6, &ATestSetup::OffsetSys, nullptr},
    {"DivREdit", "DivP", "DivP", 6, &ATestSetup::DivisorReal, nullptr},
    {"OffsetREdit", "ShiftP", "ShiftP", 6, &ATestSetup::OffsetReal, nullptr},
    {"EHstLastHits4", "K = N*", QT_TRANSLATE_NOOP("ae::TFTestSetup", "Historic index, row 4: K = N*"), 6, nullptr,
     &ATestSetup::MP_HstLastHits4},
    {"ELDExponent", QT_TRANSLATE_NOOP("ae::TFTestSetup", "V calculation Exponent"),
     QT_TRANSLATE_NOOP("ae::TFTestSetup", "V calculation Exponent"), 15, &ATestSetup::LDExponent, nullptr},
};

// The up-downs: their range, widened to a value outside it so that showing a file's value never
// changes it.
struct SpinRange {
  int Min;
  int Max;
};
constexpr SpinRange TestTHRange{0, 100};
constexpr SpinRange ClassRange{0, 30000};

void ShowInt(QSpinBox* box, int value, SpinRange range) {
  box->setRange(std::min(range.Min, value), std::max(range.Max, value));
  box->setValue(value);
}

// Captions and titles in the program's language (formulas and symbols have no translation and stay).
QString Shown(const char* text) { return QCoreApplication::translate("ae::TFTestSetup", text); }

QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(Shown(text), parent); }

QGroupBox* Group(const char* title, QWidget* parent) { return new QGroupBox(Shown(title), parent); }

}  // namespace

TFTestSetup::TFTestSetup(ATestSetup& setup, QWidget* owner) : QDialog(owner), setup_(setup) {
  setObjectName(QStringLiteral("FTestSetup"));
  setWindowTitle(tr("Test setup.."));
  setModal(true);

  // Every number edit by its name; each is put in its group below.
  auto newEdit = [this](const char* name) { (new QLineEdit(this))->setObjectName(QString::fromLatin1(name)); };
  for (const IntField& field : IntFields) newEdit(field.Name);
  for (const RealField& field : RealFields) newEdit(field.Name);
  auto edit = [this](const char* name) { return findChild<QLineEdit*>(QString::fromLatin1(name)); };
  auto caption = [](const char* name) {
    for (const IntField& f : IntFields)
      if (qstrcmp(f.Name, name) == 0) return f.Caption;
    for (const RealField& f : RealFields)
      if (qstrcmp(f.Name, name) == 0) return f.Caption;
    return "";
  };
  // A caption and its edit in a row of a grid.
  auto addRow = [&](QGridLayout* grid, int row, int column, const char* name) {
    grid->addWidget(Caption(caption(name), this), row, column);
    grid->addWidget(edit(name), row, column + 1);
  };

  // Test parameters.
  auto* test = Group(QT_TR_NOOP(" Test parameters "), this);
  auto* testGrid = new QGridLayout(test);
  testLabel_ = new QLineEdit(test);
  testLabel_->setObjectName(QStringLiteral("TestLabel"));
  testTH_ = new QSpinBox(test);
  testTH_->setObjectName(QStringLiteral("TestTH"));
  testGrid->addWidget(Caption(QT_TR_NOOP("Test label"), test), 0, 0);
  testGrid->addWidget(testLabel_, 0, 1);
  testGrid->addWidget(Caption(QT_TR_NOOP("Test ThresHold"), test), 1, 0);
  testGrid->addWidget(testTH_, 1, 1);
  testGrid->addWidget(Caption(QT_TR_NOOP("Pressure holds"), test), 2, 0, 1, 2);
  holds_ = new THoldsGrid(test);
  holds_->setMinimumSize(420, 120);
  testGrid->addWidget(holds_, 3, 0, 1, 2);
  viewHolds_ = new QCheckBox(tr("Show pressure holds"), test);
  viewHolds_->setObjectName(QStringLiteral("CBViewHolds"));
  testGrid->addWidget(viewHolds_, 4, 0, 1, 2);

  // Events setup; the shadow and event view boxes belong to the options and are not shown here.
  auto* events = Group(QT_TR_NOOP(" Events setup "), this);
  auto* eventsGrid = new QGridLayout(events);
  addRow(eventsGrid, 0, 0, "MPT");
  addRow(eventsGrid, 1, 0, "Lockout");
  shadowHits_ = new QCheckBox(tr("Second hits as Shadows"), events);
  shadowHits_->setObjectName(QStringLiteral("CBShadowHits"));
  eventView_ = new QCheckBox(tr("Event view"), events);
  eventView_->setObjectName(QStringLiteral("CBEventView"));
  for (QCheckBox* box : {shadowHits_, eventView_}) {
    box->setEnabled(false);
    box->setVisible(false);
  }
  shadowHits_->setChecked(GlobalOptions().SecondAsShadow);
  eventView_->setChecked(GlobalOptions().EventsView);

  // Parametric data conversion.
  auto* parametric = Group(QT_TR_NOOP(" Parametric data conversion "), this);
  auto* parametricGrid = new QGridLayout(parametric);
  addRow(parametricGrid, 0, 0, "DivSEdit");
  addRow(parametricGrid, 0, 2, "OffsetSEdit");
  parametricGrid->addWidget(Caption("(ParV = Data/DivV + ShiftV) ", parametric), 0, 4);
  addRow(parametricGrid, 1, 0, "DivREdit");
  addRow(parametricGrid, 1, 2, "OffsetREdit");
  parametricGrid->addWidget(Caption("(ParP = ParV/DivP +ShiftP) ", parametric), 1, 4);

  // MONPAC.
  auto* monpac = Group(" ASME - MONPAC+ ", this);
  auto* monpacGrid = new QGridLayout(monpac);
  addRow(monpacGrid, 0, 0, "EEvTH");
  addRow(monpacGrid, 1, 0, "EHighAmpLev");
  addRow(monpacGrid, 2, 0, "ESevHitNum");

  auto* historic = Group(QT_TR_NOOP(" Historic index  "), this);
  auto* historicGrid = new QGridLayout(historic);
  addRow(historicGrid, 0, 0, "EHstLimit1");
  historicGrid->addWidget(Caption(QT_TR_NOOP("- Historic Index not applicable"), historic), 0, 2, 1, 2);
  addRow(historicGrid, 1, 0, "EHstLimit2");
  addRow(historicGrid, 1, 2, "EHstLastHits2");
  addRow(historicGrid, 2, 0, "EHstLimit3");
  addRow(historicGrid, 2, 2, "EHstLastHits3");
  addRow(historicGrid, 3, 0, "EHstLimit4");
  addRow(historicGrid, 3, 2, "EHstLastHits4");
  hstLimit5_ = new QLineEdit(historic);
  hstLimit5_->setObjectName(QStringLiteral("EHstLimit5"));
  hstLimit5_->setEnabled(false);
  historicGrid->addWidget(Caption("N > ", historic), 4, 0);
  historicGrid->addWidget(hstLimit5_, 4, 1);
  addRow(historicGrid, 4, 2, "EHstLastHits5");
  edit("EHstLastHits2")->setEnabled(false);  // stored and shown; the evaluation does not use it
  connect(edit("EHstLimit4"), &QLineEdit::textChanged, hstLimit5_, &QLineEdit::setText);

  // Local-dynamic criterion.
  auto* locDyn = Group(QT_TR_NOOP(" Local-Dynamic "), this);
  auto* locDynGrid = new QGridLayout(locDyn);
  locDynGrid->addWidget(Caption(QT_TR_NOOP(" Classification (maxW/V < .. ) "), locDyn), 0, 0, 1, 2);
  for (int i = 0; i < 3; ++i) {
    classes_[i] = new QSpinBox(locDyn);
    classes_[i]->setObjectName(QStringLiteral("ELDClass%1").arg(i + 1));
    locDynGrid->addWidget(new QLabel(tr("Class %1").arg(i + 1), locDyn), i + 1, 0);
    locDynGrid->addWidget(classes_[i], i + 1, 1);
  }
  addRow(locDynGrid, 4, 0, "ELDExponent");

  // Source location.
  auto* location = Group(QT_TR_NOOP(" Source location "), this);
  auto* locationGrid = new QGridLayout(location);
  locationType_ = new QComboBox(location);
  locationType_->setObjectName(QStringLiteral("CBLocationType"));
  for (ALocationType type : {ALocationType::None, ALocationType::Linear, ALocationType::Planar, ALocationType::Zonal})
    locationType_->addItem(QString::fromLatin1(ALocationSetup::TypeName(type).data()), static_cast<int>(type));
  velocity_ = new QLineEdit(location);
  velocity_->setObjectName(QStringLiteral("ELocationVelocity"));
  locationGrid->addWidget(Caption(QT_TR_NOOP("Type"), location), 0, 0);
  locationGrid->addWidget(locationType_, 0, 1);
  locationGrid->addWidget(Caption(QT_TR_NOOP("Wave speed, m/s"), location), 1, 0);
  locationGrid->addWidget(velocity_, 1, 1);
  locationGrid->addWidget(Caption(QT_TR_NOOP("Sensors (Linear: x alone)"), location), 2, 0, 1, 2);
  sensors_ = new TSensorsGrid(location);
  sensors_->setMinimumSize(300, 260);
  locationGrid->addWidget(sensors_, 3, 0, 1, 2);

  // Buttons.
  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* name, const char* text) {
    auto* b = new QPushButton(Shown(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* ok = button("BBOk", "OK");
  ok->setDefault(true);
  QPushButton* save = button("BBSave", QT_TR_NOOP("Save"));
  QPushButton* open = button("BBOpen", QT_TR_NOOP("Open"));
  QPushButton* saveAs = button("BBSaveAs", QT_TR_NOOP("Save as"));
  buttons->addStretch();
  QPushButton* cancel = button("BBCancel", QT_TR_NOOP("Cancel"));
  connect(ok, &QPushButton::clicked, this, &TFTestSetup::BBOkClick);
  connect(save, &QPushButton::clicked, this, &TFTestSetup::BBSaveClick);
  connect(open, &QPushButton::clicked, this, &TFTestSetup::BBOpenClick);
  connect(saveAs, &QPushButton::clicked, this, &TFTestSetup::BBSaveAsClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(test);
  left->addWidget(events);
  left->addWidget(parametric);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(monpac);
  right->addWidget(historic);
  right->addWidget(locDyn);
  right->addStretch();
  // The evaluation's groups on the first page, the source location on a page of its own, so that
  // the window keeps its size.
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("TabsTestSetup"));
  auto* evaluation = new QWidget(tabs);
  auto* columns = new QHBoxLayout(evaluation);
  columns->addLayout(left);
  columns->addLayout(right);
  tabs->addTab(evaluation, tr("Test and evaluation"));
  auto* locationPage = new QWidget(tabs);
  auto* locationLayout = new QHBoxLayout(locationPage);
  locationLayout->addWidget(location);
  locationLayout->addStretch();
  tabs->addTab(locationPage, tr("Source location"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addLayout(buttons);

  Fill(setup_);
  CenterOnOwner(this, owner);
}

bool TFTestSetup::Execute(ATestSetup& setup, QWidget* owner) {
  TFTestSetup window(setup, owner);
  return window.exec() == QDialog::Accepted;
}

void TFTestSetup::Fill(const ATestSetup& from) {
  setWindowTitle(Q(ViewerText(vmTestSetupCaption) + from.FileName));
  testLabel_->setText(Q(from.TestLabel));
  ShowInt(testTH_, from.TestTH, TestTHRange);
  holds_->SetHolds(from.Holds);
  viewHolds_->setChecked(from.HoldsView);
  for (const IntField& field : IntFields)
    findChild<QLineEdit*>(QString::fromLatin1(field.Name))->setText(QString::number(from.*field.Member));
  for (const RealField& field : RealFields) {
    const double value = field.Real ? from.*field.Real : static_cast<double>(from.*field.Single);
    ShowReal(findChild<QLineEdit*>(QString::fromLatin1(field.Name)), value, field.Digits);
  }
  const int classes[] = {from.Class1, from.Class2, from.Class3};
  for (int i = 0; i < 3; ++i) ShowInt(classes_[i], classes[i], ClassRange);
  locationType_->setCurrentIndex(locationType_->findData(static_cast<int>(from.Location.Type)));
  ShowReal(velocity_, from.Location.Velocity, 15);
  sensors_->SetSensors(from.Location.Sensors);
}

std::optional<ATestSetup> TFTestSetup::ReadControls() {
  ATestSetup s = setup_;
  s.ClearHolds();
  if (!opened_.FileName.empty()) s.FileName = opened_.FileName;
  s.TestLabel = S(testLabel_->text());
  // An up-down keeps its last number while its text is edited; a text it does not take is refused.
  for (QSpinBox* box : {testTH_, classes_[0], classes_[1], classes_[2]}) {
    if (box->hasAcceptableInput()) continue;
    const QString title = box == testTH_ ? tr("Test ThresHold") : tr("Class %1").arg(box->objectName().right(1));
    Refuse(box, tr("%1: \"%2\" is not a whole number from %3 to %4.")
                    .arg(title, box->text())
                    .arg(box->minimum())
                    .arg(box->maximum()));
    return std::nullopt;
  }
  s.TestTH = testTH_->value();
  s.HoldsView = viewHolds_->isChecked();
  for (const IntField& field : IntFields) {
    QLineEdit* edit = findChild<QLineEdit*>(QString::fromLatin1(field.Name));
    const std::optional<int> value = IntOf(edit->text());
    if (!value || (field.FromZero && *value < 0)) {
      Refuse(edit,
             (field.FromZero ? tr("%1: \"%2\" is not a whole number from 0.") : tr("%1: \"%2\" is not a whole number."))
                 .arg(Shown(field.Title), edit->text()));
      return std::nullopt;
    }
    s.*field.Member = *value;
  }
  for (const RealField& field : RealFields) {
    QLineEdit* edit = findChild<QLineEdit*>(QString::fromLatin1(field.Name));
    std::optional<double> value = RealOf(edit);
    if (value && field.Single) {
      if (const std::optional<float> single = ToSingle(*value)) s.*field.Single = *single;
      else value.reset();
    } else if (value) {
      s.*field.Real = *value;
    }
    if (!value) {
      Refuse(edit, tr("%1: \"%2\" is not a number.").arg(Shown(field.Title), edit->text()));
      return std::nullopt;
    }
  }
  s.Class1 = classes_[0]->value();
  s.Class2 = classes_[1]->value();
  s.Class3 = classes_[2]->value();

  const THoldsGrid::Reading holds = holds_->ReadHolds();
  if (!holds.Problem.isEmpty()) {
    holds_->setCurrentCell(holds.Row, holds.Column);
    Refuse(holds_, holds.Problem);
    return std::nullopt;
  }
  s.Holds = holds.Holds;

  s.Location.Type = static_cast<ALocationType>(locationType_->currentData().toInt());
  const std::optional<double> velocity = RealOf(velocity_);
  if (!velocity) {
    Refuse(velocity_, tr("Wave speed, m/s: \"%1\" is not a number.").arg(velocity_->text()));
    return std::nullopt;
  }
  s.Location.Velocity = *velocity;
  const TSensorsGrid::Reading sensors = sensors_->ReadSensors();
  if (!sensors.Problem.isEmpty()) {
    sensors_->setCurrentCell(sensors.Row, sensors.Column);
    Refuse(sensors_, sensors.Problem);
    return std::nullopt;
  }
  s.Location.Sensors = sensors.Sensors;
  std::sort(s.Location.Sensors.begin(), s.Location.Sensors.end(),
            [](const ASensor& a, const ASensor& b) { return a.Channel < b.Channel; });
  if (const std::string problem = s.Location.Problem(); !problem.empty()) {
    const bool speed = !(s.Location.Velocity > 0.0);
    Refuse(speed ? static_cast<QWidget*>(velocity_) : sensors_, tr("Source location: %1").arg(Q(problem)));
    return std::nullopt;
  }

  // What the statistics cannot work with is refused here, as it is when a file is loaded.
  if (const std::string problem = s.RangeProblem(); !problem.empty()) {
    Refuse(nullptr, Q(problem));
    return std::nullopt;
  }
  return s;
}

bool TFTestSetup::Apply() {
  std::optional<ATestSetup> read = ReadControls();
  if (!read) return false;
  setup_ = std::move(*read);
  return true;
}

void TFTestSetup::Refuse(QWidget* control, const QString& text) {
  MessageSeam::Show(this, MessageSeam::Kind::Warning, text, Q(ViewerText(vmWarning)));
  if (control == nullptr) return;
  control->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

bool TFTestSetup::SaveInto(const std::string& path) {
  try {
    setup_.Save(path);
    return true;
  } catch (const EViewer& error) {
    MessageSeam::Show(this, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmErrorDots)));
    return false;
  }
}

void TFTestSetup::BBOkClick() {
  if (Apply()) accept();
}

void TFTestSetup::BBOpenClick() {
  const QString name =
      FileDialogSeam::OpenFileName(this, tr("Open"), tr(FileFilter), QString::fromLatin1(DefaultExtension));
  if (name.isEmpty()) return;
  WindowViewerUser user(this);
  try {
    if (!opened_.Load(S(name), user)) return;
  } catch (const EViewer& error) {
    MessageSeam::Show(this, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmError)));
    return;
  }
  Fill(opened_);
}

void TFTestSetup::BBSaveClick() {
  // The file written is the one the question names: the file opened in the window, if any, which
  // applying makes the setup's own.
  const std::string target = opened_.FileName.empty() ? setup_.FileName : opened_.FileName;
  if (target.empty()) return BBSaveAsClick();  // nothing loaded yet: ask where to
  const std::string question = ViewerText(vmSetupRewritePrefix) + target + ViewerText(vmSetupRewriteSuffix);
  if (!MessageSeam::Show(this, MessageSeam::Kind::YesNoQuestion, Q(question), Q(ViewerText(vmWarning)))) return;
  if (!Apply()) return;
  SaveInto(setup_.FileName);
}

void TFTestSetup::BBSaveAsClick() {
  const QString name = FileDialogSeam::SaveFileName(this, Q(ViewerText(vmSaveAs)), tr(FileFilter),
                                                    QString::fromLatin1(DefaultExtension), true);
  if (name.isEmpty()) return;
  if (!Apply()) return;
  if (SaveInto(S(name))) setWindowTitle(Q(ViewerText(vmTestSetupCaption)) + name);
}

}  // namespace ae
