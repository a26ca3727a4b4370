#include "filter/ui/TFiltrationPage.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "filter/core/FilterControls.h"
#include "filter/ui/FilterBoxes.h"
#include "filter/ui/FormLayout.h"
#include "filter/ui/TFilterGrid.h"
#include "ui/QtText.h"

namespace ae {

namespace {

// The group boxes keep their contents close to their frames: at the window's fixed 640 pixels
// the lower row (window D with its five columns, the filter type and treatment, the time boxes
// and the options) has no pixel to spare, and every column of D must show whole.
constexpr int BoxMargin = 2;

}  // namespace

TFiltrationPage::TFiltrationPage(QWidget* window) : QWidget(window) {
  setObjectName("TabSheet1");

  static const char* const titles[4] = {"A", "B", "C", QT_TR_NOOP("D (Correlation)")};
  static const char* const gridNames[4] = {"GridA", "GridB", "GridC", "GridD"};
  static const char* const joinNames[4] = {"BoxDepA", "BoxDepB", "BoxDepC", "BoxDepD"};
  for (int w = 0; w < 4; ++w) {
    const bool equation = w == fwD;
    gridBoxes_[w] = NewGroupBox(tr(titles[w]), this);
    grids_[w] = new TFilterGrid(equation ? EquationColumns : MinMaxColumns, equation ? QList<int>{0, 3} : QList<int>{0},
                                gridBoxes_[w]);
    grids_[w]->setObjectName(gridNames[w]);
    connect(grids_[w], &TFilterGrid::LookupRequested, this, &TFiltrationPage::LookupRequested);
    joinBoxes_[w] = new QCheckBox(tr("Join with \"AND\""), gridBoxes_[w]);
    joinBoxes_[w]->setObjectName(joinNames[w]);
    auto* box = new QVBoxLayout(gridBoxes_[w]);
    TightenLayout(box, BoxMargin, 2);
    box->addWidget(grids_[w], 1);
    box->addWidget(joinBoxes_[w]);
  }
  WriteGridTitles();  // the widths, so that the grids can be sized to their columns
  for (int w = 0; w < 4; ++w) {
    TFilterGrid* g = grids_[w];
    // A, B and C have room for a vertical scroll bar beside their columns; D has just its columns.
    int width = 2 * g->frameWidth() + (w == fwD ? 0 : g->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    for (int c = 0; c < g->columnCount(); ++c) width += g->columnWidth(c);
    g->setMinimumWidth(width);
  }

  // Filter type and treatment.
  auto* typeBox = NewGroupBox(tr("Filter type"), this);
  RadioGroupType = new QButtonGroup(this);
  auto* typeLayout = new QVBoxLayout(typeBox);
  TightenLayout(typeLayout, BoxMargin, 1);
  AddRadioItem(RadioGroupType, typeLayout, tr("Included"), typeBox)->setChecked(true);
  AddRadioItem(RadioGroupType, typeLayout, tr("Excluded"), typeBox);
  typeBox->setObjectName("RadioGroupType");

  auto* treatmentBox = NewGroupBox(tr("Treatment"), this);
  treatmentBox->setObjectName("RadioGroupEventType");
  RadioGroupEventType = new QButtonGroup(this);
  auto* treatmentLayout = new QVBoxLayout(treatmentBox);
  TightenLayout(treatmentLayout, BoxMargin, 1);
  AddRadioItem(RadioGroupEventType, treatmentLayout, tr("As Hits"), treatmentBox)->setChecked(true);
  AddRadioItem(RadioGroupEventType, treatmentLayout, tr("As Events"), treatmentBox);
  AddRadioItem(RadioGroupEventType, treatmentLayout, tr("As Mechanic"), treatmentBox);
  connect(RadioGroupEventType, &QButtonGroup::idClicked, this, &TFiltrationPage::RadioGroupEventTypeClick);

  // Events and mechanic time boxes.
  eventsBox_ = NewGroupBox(tr("Events"), this);
  eventsBox_->setObjectName("GroupBoxEvents");
  labelMPT_ = new QLabel(tr("MPT :"), eventsBox_);
  EditMPT = new QLineEdit(eventsBox_);
  EditMPT->setObjectName("EditMPT");
  labelLOCK_ = new QLabel(tr("LOCK :"), eventsBox_);
  EditLOCK = new QLineEdit(eventsBox_);
  EditLOCK->setObjectName("EditLOCK");
  labelMPT_->setBuddy(EditMPT);
  labelLOCK_->setBuddy(EditLOCK);
  auto* eventsLayout = new QGridLayout(eventsBox_);
  TightenLayout(eventsLayout, BoxMargin, 2);
  eventsLayout->addWidget(labelMPT_, 0, 0);
  eventsLayout->addWidget(EditMPT, 0, 1);
  eventsLayout->addWidget(labelLOCK_, 1, 0);
  eventsLayout->addWidget(EditLOCK, 1, 1);

  mechanicBox_ = NewGroupBox(tr("Mechanic"), this);
  mechanicBox_->setObjectName("GroupBoxMechanic");
  // Each box stands beside the label of what it holds: EditBackWard is the time before a
  // mark, EditForward the time after it.
  labelBack_ = new QLabel(tr("Back :"), mechanicBox_);
  EditBackWard = new QLineEdit(mechanicBox_);
  EditBackWard->setObjectName("EditBackWard");
  labelForward_ = new QLabel(tr("Forward :"), mechanicBox_);
  EditForward = new QLineEdit(mechanicBox_);
  EditForward->setObjectName("EditForward");
  labelBack_->setBuddy(EditBackWard);
  labelForward_->setBuddy(EditForward);
  auto* mechanicLayout = new QGridLayout(mechanicBox_);
  TightenLayout(mechanicLayout, BoxMargin, 2);
  mechanicLayout->addWidget(labelBack_, 0, 0);
  mechanicLayout->addWidget(EditBackWard, 0, 1);
  mechanicLayout->addWidget(labelForward_, 1, 0);
  mechanicLayout->addWidget(EditForward, 1, 1);
  for (QLineEdit* edit : {EditMPT, EditLOCK, EditBackWard, EditForward}) edit->setFixedWidth(46);

  // Options.
  auto* optionsBox = NewGroupBox(tr("Options"), this);
  auto* optionsLayout = new QVBoxLayout(optionsBox);
  TightenLayout(optionsLayout, BoxMargin, 1);
  CheckBoxEOT = new QCheckBox(tr("Smart End of Time"), optionsBox);
  CheckBoxEOT->setObjectName("CheckBoxEOT");
  CheckBoxTDP = new QCheckBox(tr("Delete Parametric"), optionsBox);
  CheckBoxTDP->setObjectName("CheckBoxTDP");
  CheckBoxTR = new QCheckBox(tr("Delete TR"), optionsBox);
  CheckBoxTR->setObjectName("CheckBoxTR");
  auto* system = new QCheckBox(tr("Delete System"), optionsBox);
  system->setObjectName("CheckBoxSystem");
  system->setEnabled(false);
  auto* noise = new QCheckBox(tr("Delete Noise"), optionsBox);
  noise->setObjectName("CheckBoxNoise");
  noise->setEnabled(false);
  for (QCheckBox* box : {CheckBoxEOT, CheckBoxTDP, CheckBoxTR, system, noise}) optionsLayout->addWidget(box);
  optionsLayout->addStretch();

  auto* layout = new QGridLayout(this);
  TightenLayout(layout, 3, 3);
  auto* windows = new QHBoxLayout;
  windows->setSpacing(3);
  for (int w = 0; w < 3; ++w) windows->addWidget(gridBoxes_[w], 1);
  auto* lower = new QHBoxLayout;
  lower->setSpacing(2);
  lower->addWidget(gridBoxes_[fwD]);
  auto* column1 = new QVBoxLayout;
  column1->setSpacing(4);
  column1->addWidget(typeBox);
  column1->addWidget(treatmentBox);
  auto* column2 = new QVBoxLayout;
  column2->setSpacing(4);
  column2->addWidget(eventsBox_);
  column2->addWidget(mechanicBox_);
  lower->addLayout(column1);
  lower->addLayout(column2);
  lower->addWidget(optionsBox);
  layout->addLayout(windows, 0, 0);
  layout->addLayout(lower, 1, 0);

  // The page's pop-up menu.
  clear_ = new QAction(tr("&Clear"), this);
  clear_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
  clear_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(clear_);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  RadioGroupEventTypeClick(tiAsHits);
}

void TFiltrationPage::WriteGridTitles() {
  for (int w = 0; w < 3; ++w) grids_[w]->SetTitles({Msg(1056), tr("Min"), tr("Max")}, {70, 46, 46});
  grids_[fwD]->SetTitles({Msg(1057), "=", "a *", Msg(1058), "+ b"}, {70, 30, 51, 70, 51});
}

void TFiltrationPage::ReadTreatment(FilterControls& c) const {
  c.TreatmentItem = std::max(0, RadioGroupEventType->checkedId());
  c.MPT = S(EditMPT->text());
  c.LOCK = S(EditLOCK->text());
  c.Forward = S(EditForward->text());
  c.Back = S(EditBackWard->text());
}

void TFiltrationPage::ApplyTreatment(const FilterControls& c) {
  CheckItem(RadioGroupEventType, c.TreatmentItem);
  SetTextKept(EditMPT, Q(c.MPT));
  SetTextKept(EditLOCK, Q(c.LOCK));
  SetTextKept(EditForward, Q(c.Forward));
  SetTextKept(EditBackWard, Q(c.Back));
  const bool events = c.EventBoxesEnabled();
  for (QWidget* w :
       {static_cast<QWidget*>(eventsBox_), static_cast<QWidget*>(labelMPT_), static_cast<QWidget*>(labelLOCK_),
        static_cast<QWidget*>(EditMPT), static_cast<QWidget*>(EditLOCK)})
    w->setEnabled(events);
  const bool mechanic = c.MechanicBoxesEnabled();
  for (QWidget* w :
       {static_cast<QWidget*>(mechanicBox_), static_cast<QWidget*>(labelBack_), static_cast<QWidget*>(labelForward_),
        static_cast<QWidget*>(EditForward), static_cast<QWidget*>(EditBackWard)})
    w->setEnabled(mechanic);
}

void TFiltrationPage::RadioGroupEventTypeClick(int item) {
  FilterControls c;
  ReadTreatment(c);
  c.SelectTreatment(item);
  ApplyTreatment(c);
}

void TFiltrationPage::ReadInto(FilterControls& c) const {
  c.TypeItem = std::max(0, RadioGroupType->checkedId());
  ReadTreatment(c);
  c.DeleteTDP = CheckBoxTDP->isChecked();
  c.DeleteTR = CheckBoxTR->isChecked();
  c.SmartEOT = CheckBoxEOT->isChecked();
  for (int w = 0; w < 4; ++w) c.Windows[w] = FilterGrid{grids_[w]->Rows(), joinBoxes_[w]->isChecked()};
}

void TFiltrationPage::Apply(const FilterControls& c) {
  // A loaded filter's time boxes come as stored; only the treatment item is kept in range.
  FilterControls treatment = c;
  treatment.TreatmentItem = std::clamp(c.TreatmentItem, 0, 2);
  ApplyTreatment(treatment);
  CheckItem(RadioGroupType, std::clamp(c.TypeItem, 0, 1));
  CheckBoxTDP->setChecked(c.DeleteTDP);
  CheckBoxTR->setChecked(c.DeleteTR);
  CheckBoxEOT->setChecked(c.SmartEOT);
  ApplyWindows(c);
}

void TFiltrationPage::ApplyWindows(const FilterControls& c) {
  for (int w = 0; w < 4; ++w) {
    grids_[w]->SetRows(c.Windows[w].Rows);
    joinBoxes_[w]->setChecked(c.Windows[w].JoinAnd);
  }
}

}  // namespace ae
