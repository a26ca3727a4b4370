#include "filter/ui/TFFilterBase.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "filter/db/FilterDatabase.h"
#include "filter/ui/FilterBoxes.h"
#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"

namespace ae {

namespace {

QToolButton* NavigatorButton(const QString& glyph, const QString& hint, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(glyph);
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  button->setMinimumWidth(30);
  return button;
}

}  // namespace

TFFilterBase::TFFilterBase(FilterDatabase& filters, QWidget* owner) : QDialog(owner), filters_(filters) {
  setWindowTitle("Фильтры");
  setModal(true);
  resize(460, 320);

  grid_ = new QTableWidget(0, 3, this);
  grid_->setHorizontalHeaderLabels({"№", "Дата", "Название фильтра"});
  grid_->setColumnWidth(0, 0);
  grid_->setColumnHidden(0, true);  // the key is there, but not shown
  grid_->setColumnWidth(1, 90);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
  connect(grid_, &QTableWidget::currentCellChanged, this, &TFFilterBase::UpdateNavigator);

  first_ = NavigatorButton("|◀", "Первая", this);
  prior_ = NavigatorButton("◀", "Предыдущая", this);
  next_ = NavigatorButton("▶", "Следующая", this);
  last_ = NavigatorButton("▶|", "Последняя", this);
  delete_ = NavigatorButton("−", "Удалить", this);
  connect(first_, &QToolButton::clicked, this, &TFFilterBase::First);
  connect(prior_, &QToolButton::clicked, this, &TFFilterBase::Prior);
  connect(next_, &QToolButton::clicked, this, &TFFilterBase::Next);
  connect(last_, &QToolButton::clicked, this, &TFFilterBase::Last);
  connect(delete_, &QToolButton::clicked, this, &TFFilterBase::DeleteCurrent);
  auto* navigator = new QHBoxLayout;
  navigator->setSpacing(0);
  for (QToolButton* b : {first_, prior_, next_, last_, delete_}) navigator->addWidget(b);
  navigator->addStretch();

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("OK", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("&Отмена", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(navigator);
  layout->addWidget(grid_);
  layout->addWidget(buttons);

  Reload(0);
}

int TFFilterBase::Execute(FilterDatabase& filters, QWidget* owner) {
  TFFilterBase dialog(filters, owner);
  CenterOnOwner(&dialog, owner);
  return dialog.exec() == QDialog::Accepted ? dialog.CurrentFid() : 0;
}

void TFFilterBase::Reload(int row) {
  std::vector<FilterListRow> rows;
  try {
    rows = filters_.Filters();
  } catch (const std::exception& e) {
    FilterBoxes::Error(this, Q(e.what()));
  }
  grid_->setRowCount(static_cast<int>(rows.size()));
  const QLocale locale;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const FilterListRow& f = rows[static_cast<size_t>(r)];
    const QDate date = QDate::fromString(Q(f.FDate), Qt::ISODate);
    grid_->setItem(r, 0, new QTableWidgetItem(QString::number(f.FID)));
    grid_->setItem(r, 1,
                   new QTableWidgetItem(date.isValid() ? locale.toString(date, QLocale::ShortFormat) : Q(f.FDate)));
    grid_->setItem(r, 2, new QTableWidgetItem(Q(f.FName)));
  }
  if (grid_->rowCount() > 0) grid_->setCurrentCell(std::clamp(row, 0, grid_->rowCount() - 1), 1);
  UpdateNavigator();
}

void TFFilterBase::UpdateNavigator() {
  const int row = grid_->currentRow();
  const int count = grid_->rowCount();
  first_->setEnabled(row > 0);
  prior_->setEnabled(row > 0);
  next_->setEnabled(row >= 0 && row < count - 1);
  last_->setEnabled(row >= 0 && row < count - 1);
  delete_->setEnabled(count > 0);
}

int TFFilterBase::CurrentFid() const {
  const QTableWidgetItem* key = grid_->item(grid_->currentRow(), 0);
  return key ? key->text().toInt() : 0;
}

bool TFFilterBase::SelectFid(int fid) {
  for (int r = 0; r < grid_->rowCount(); ++r) {
    if (grid_->item(r, 0)->text().toInt() == fid) {
      grid_->setCurrentCell(r, 1);
      return true;
    }
  }
  return false;
}

void TFFilterBase::First() {
  if (grid_->rowCount() > 0) grid_->setCurrentCell(0, 1);
}

void TFFilterBase::Prior() {
  if (grid_->currentRow() > 0) grid_->setCurrentCell(grid_->currentRow() - 1, 1);
}

void TFFilterBase::Next() {
  if (grid_->currentRow() < grid_->rowCount() - 1) grid_->setCurrentCell(grid_->currentRow() + 1, 1);
}

void TFFilterBase::Last() {
  if (grid_->rowCount() > 0) grid_->setCurrentCell(grid_->rowCount() - 1, 1);
}

bool TFFilterBase::DeleteCurrent() {
  const int fid = CurrentFid();
  if (fid == 0) return false;
  if (!MessageSeam::Show(this, MessageSeam::Kind::YesNoWarning, "Удалить запись?", Msg(1203))) return false;
  const int row = grid_->currentRow();
  try {
    filters_.Delete(fid);  // the rows first, then the record
  } catch (const std::exception& e) {
    FilterBoxes::Error(this, Q(e.what()));
    Reload(row);
    return false;
  }
  Reload(row);
  return true;
}

}  // namespace ae
