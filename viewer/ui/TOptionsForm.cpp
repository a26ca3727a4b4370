#include "viewer/ui/TOptionsForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <optional>

#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "ui/ResourceLanguage.h"
#include "viewer/core/EViewer.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/ShownNumbers.h"

namespace ae {

namespace {

constexpr int Digits = 6;

// A caption in the program's language.
QString Shown(const char* text) { return QCoreApplication::translate("ae::TOptionsForm", text); }

// A radio group: a titled box of items whose ids are their indexes; the item of value is checked.
QButtonGroup* RadioGroup(const char* name, const char* title, std::initializer_list<const char*> items, int value,
                         QWidget* parent, QLayout* into) {
  auto* box = new QGroupBox(Shown(title), parent);
  box->setObjectName(QString::fromLatin1(name));
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  int id = 0;
  for (const char* item : items) {
    auto* button = new QRadioButton(Shown(item), box);
    button->setChecked(id == value);
    group->addButton(button, id++);
    layout->addWidget(button);
  }
  into->addWidget(box);
  return group;
}

QCheckBox* CheckBox(const char* name, const char* text, bool checked, QWidget* parent, QLayout* into) {
  auto* box = new QCheckBox(Shown(text), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(checked);
  into->addWidget(box);
  return box;
}

QSpinBox* UpDown(const char* name, int min, int max, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(min, max);
  box->setValue(value);
  return box;
}

// The checked item, or the value as it was when none is (a stored value no item stands for).
int CheckedOr(const QButtonGroup* group, int value) {
  const int id = group->checkedId();
  return id < 0 ? value : id;
}

}  // namespace

TOptionsForm::TOptionsForm(AOptions& options, ATestSetup& setup, QWidget* owner)
    : QDialog(owner), options_(options), setup_(setup) {
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(tr("Options.."));
  setModal(true);

  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;

  saveCheckBox_ = CheckBox("SaveCheckBox", QT_TR_NOOP("Save Options on Exit"), options.SaveConfig, this, left);
  languageRadioGroup_ = RadioGroup("LanguageRadioGroup", QT_TR_NOOP(" Language "),
                                   {QT_TR_NOOP("English"), QT_TR_NOOP("Russian")}, options.ProgramLanguage, this, left);
  auto* sizes = new QFormLayout;
  pointSizeEdit_ = UpDown("PointSizeEdit", 1, 10, options.PointSize, this);
  udVertGrNum_ = UpDown("UDVertGrNum", 2, 6, options.VertGraphNum, this);
  udHrznGrNum_ = UpDown("UDHrznGrNum", 2, 7, options.HorizGraphNum, this);
  sizes->addRow(tr("Point size"), pointSizeEdit_);
  sizes->addRow(tr("Vertical graph number"), udVertGrNum_);
  sizes->addRow(tr("Horisontal graph number"), udHrznGrNum_);
  left->addLayout(sizes);
  reportChkBox_ =
      CheckBox("ReportChkBox", QT_TR_NOOP("Save protocol file ( _Protocol.txt )"), options.WriteReport, this, left);
  gridChkBox_ = CheckBox("GridChkBox", QT_TR_NOOP("Show grids inside plots"), options.ShowGrid, this, left);
  timeAxisRangeCheckBox_ = CheckBox("TimeAxisRangeCheckBox", QT_TR_NOOP("Time axis range from datafile"),
                                    options.TimeAxisFromFile, this, left);
  showParamCheckBox_ =
      CheckBox("ShowParamCheckBox", QT_TR_NOOP("Show Parametric Records"), options.ShowParamData, this, left);
  left->addStretch();

  colorRadioGroup_ = RadioGroup("ColorRadioGroup", QT_TR_NOOP(" Color scheme "),
                                {QT_TR_NOOP("Classic (White on Gray)"), QT_TR_NOOP("Borland (Yellow on Blue)"),
                                 QT_TR_NOOP("Windows (Black on White)"), QT_TR_NOOP("Professional (White on Black)")},
                                options.ColorScheme, this, right);
  startUpGraphRadioGroup_ = RadioGroup(
      "StartUpGraphRadioGroup", QT_TR_NOOP(" Startup graph set "),
      {QT_TR_NOOP("Default graph set"), QT_TR_NOOP("Last used graph set"), QT_TR_NOOP("First graph set from DataBase")},
      options.StartUpGraph, this, right);
  right->addStretch();

  // The test setup's parametric conversion, kept here hidden.
  auto hidden = [this](const char* name, double value) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    ShowReal(edit, value, Digits);
    edit->setVisible(false);
    return edit;
  };
  divSEdit_ = hidden("DivSEdit", setup.DivisorSys);
  offsetSEdit_ = hidden("OffsetSEdit", setup.OffsetSys);
  divREdit_ = hidden("DivREdit", setup.DivisorReal);
  offsetREdit_ = hidden("OffsetREdit", setup.OffsetReal);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
  QPushButton* apply = buttons->addButton(QDialogButtonBox::Apply);
  apply->setObjectName(QStringLiteral("ApplyBtn"));
  apply->setVisible(false);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (OKBtnClick()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);

  CenterOnOwner(this, owner);
}

bool TOptionsForm::Execute(AOptions& options, ATestSetup& setup, QWidget* owner) {
  TOptionsForm window(options, setup, owner);
  return window.exec() == QDialog::Accepted;
}

bool TOptionsForm::OKBtnClick() {
  // Every control is read before anything is stored. An up-down holds the last number it took
  // while its text is being edited; a text it would not take is refused, not replaced by that.
  auto refuse = [this](QWidget* control, const QString& text) {
    MessageSeam::Show(this, MessageSeam::Kind::Warning, text, Q(ViewerText(vmWarning)));
    control->setFocus();
  };
  for (const auto& [box, title] : {std::pair{pointSizeEdit_, QT_TR_NOOP("Point size")},
                                   std::pair{udVertGrNum_, QT_TR_NOOP("Vertical graph number")},
                                   std::pair{udHrznGrNum_, QT_TR_NOOP("Horisontal graph number")}}) {
    if (box->hasAcceptableInput()) continue;
    refuse(box, tr("%1: \"%2\" is not a whole number from %3 to %4.")
                    .arg(tr(title), box->text())
                    .arg(box->minimum())
                    .arg(box->maximum()));
    return false;
  }
  ATestSetup setup = setup_;
  for (const auto& [edit, field, title] : {std::tuple{divSEdit_, &ATestSetup::DivisorSys, "DivV"},
                                           std::tuple{offsetSEdit_, &ATestSetup::OffsetSys, "ShiftV"},
                                           std::tuple{divREdit_, &ATestSetup::DivisorReal, "DivP"},
                                           std::tuple{offsetREdit_, &ATestSetup::OffsetReal, "ShiftP"}}) {
    const std::optional<double> value = RealOf(edit);
    if (!value) {
      refuse(edit, tr("%1: \"%2\" is not a number.").arg(QString::fromLatin1(title), edit->text()));
      return false;
    }
    setup.*field = *value;
  }
  if (const std::string problem = setup.RangeProblem(); !problem.empty()) {
    MessageSeam::Show(this, MessageSeam::Kind::Warning, Q(problem), Q(ViewerText(vmWarning)));
    return false;
  }

  const int language = CheckedOr(languageRadioGroup_, options_.ProgramLanguage);
  const bool languageChanged = language != options_.ProgramLanguage;
  options_.SaveConfig = saveCheckBox_->isChecked();
  options_.ProgramLanguage = language;
  options_.SetPointSize(pointSizeEdit_->value());
  options_.ColorScheme = CheckedOr(colorRadioGroup_, options_.ColorScheme);
  options_.StartUpGraph = CheckedOr(startUpGraphRadioGroup_, options_.StartUpGraph);
  options_.VertGraphNum = udVertGrNum_->value();
  options_.HorizGraphNum = udHrznGrNum_->value();
  options_.WriteReport = reportChkBox_->isChecked();
  options_.ShowGrid = gridChkBox_->isChecked();
  options_.TimeAxisFromFile = timeAxisRangeCheckBox_->isChecked();
  options_.ShowParamData = showParamCheckBox_->isChecked();
  setup_ = std::move(setup);

  if (languageChanged) {
    ResourceLanguage::Store(QCoreApplication::applicationFilePath(),
                            language == 1 ? QStringLiteral("RUS") : QStringLiteral("ENU"));
    MessageSeam::Show(this, MessageSeam::Kind::Information, Q(ViewerText(vmLanguageChanged)), tr("Confirm"));
  }
  try {
    options_.Save();
  } catch (const EViewer& error) {
    // The options hold the choices for this run all the same.
    MessageSeam::Show(this, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmErrorDots)));
  }
  return true;
}

}  // namespace ae
