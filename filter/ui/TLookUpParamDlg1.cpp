#include "filter/ui/TLookUpParamDlg1.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>

#include "filter/ui/FilterBoxes.h"
#include "store/AEParamTable.h"
#include "ui/DialogPlacement.h"
#include "ui/QtText.h"

namespace ae {

namespace {

// The items named in words (the others are the instruments' names).
[[maybe_unused]] const char* const ItemCaptions[] = {QT_TRANSLATE_NOOP("ae::TLookUpParamDlg1", "Common parameters"),
                                                     QT_TRANSLATE_NOOP("ae::TLookUpParamDlg1", "All parameters")};

// The family chosen last, for the rest of the run.
int& RememberedSystem() {
  static int item = 0;  // "Common parameters"
  return item;
}

}  // namespace

TLookUpParamDlg1::TLookUpParamDlg1(const AEParamTable& params, QWidget* owner) : QDialog(owner), params_(params) {
  setWindowTitle(tr("Parameter Lookup 1"));
  setModal(true);

  grid_ = new QTableWidget(0, 1, this);
  grid_->setHorizontalHeaderLabels({tr("Parameter")});
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setMinimumSize(200, 260);
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

  auto* group = new QGroupBox(tr(" System "), this);
  auto* groupLayout = new QVBoxLayout(group);
  systems_ = new QButtonGroup(this);
  const auto& items = AEParamTable::SystemItems();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    auto* button = new QRadioButton(tr(items[static_cast<size_t>(i)].first.c_str()), group);
    systems_->addButton(button, i);
    groupLayout->addWidget(button);
  }
  groupLayout->addStretch();
  if (QAbstractButton* remembered = systems_->button(RememberedSystem())) remembered->setChecked(true);
  connect(systems_, &QButtonGroup::idClicked, this, [this](int id) {
    RememberedSystem() = id;
    Query();
  });

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("&OK", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(grid_, 1);
  top->addWidget(group);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  setTabOrder(grid_, systems_->button(0));
}

QString TLookUpParamDlg1::Execute(const AEParamTable& params, QWidget* owner) {
  TLookUpParamDlg1 dialog(params, owner);
  CenterOnOwner(&dialog, owner);
  return dialog.exec() == QDialog::Accepted ? dialog.CurrentName() : QString();
}

void TLookUpParamDlg1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Query();
  grid_->setFocus();
}

void TLookUpParamDlg1::SelectSystem(int item) {
  if (QAbstractButton* button = systems_->button(item)) {
    button->setChecked(true);
    RememberedSystem() = item;
    Query();
  }
}

int TLookUpParamDlg1::SelectedSystem() const { return systems_->checkedId(); }

QString TLookUpParamDlg1::CurrentName() const {
  const QTableWidgetItem* cell = grid_->item(grid_->currentRow(), 0);
  return cell ? cell->text() : QString();
}

void TLookUpParamDlg1::Query() {
  grid_->setRowCount(0);
  const auto& items = AEParamTable::SystemItems();
  const int item = systems_->checkedId();
  if (item < 0 || item >= static_cast<int>(items.size())) return;
  std::vector<std::string> names;
  try {
    names = params_.QueryParams(items[static_cast<size_t>(item)].second);
  } catch (const std::exception& e) {
    FilterBoxes::Error(this, Q(e.what()));
    return;
  }
  grid_->setRowCount(static_cast<int>(names.size()));
  for (int r = 0; r < static_cast<int>(names.size()); ++r)
    grid_->setItem(r, 0, new QTableWidgetItem(Q(names[static_cast<size_t>(r)])));
  if (!names.empty()) grid_->setCurrentCell(0, 0);
}

}  // namespace ae
