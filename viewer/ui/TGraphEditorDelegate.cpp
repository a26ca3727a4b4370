#include "viewer/ui/TGraphEditorDelegate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "store/StoreNumbers.h"
#include "ui/QtText.h"

namespace ae {

namespace {

QString StoredText(const QModelIndex& index) { return Q(StoredValueText(index.data(Qt::EditRole))); }

// The row of the combo's lookup holding the key, or -1.
int LookupRow(const QComboBox& combo, const QVariant& key) {
  if (key.isNull() || combo.model() == nullptr) return -1;
  bool ok = false;
  const qlonglong wanted = key.toLongLong(&ok);
  if (!ok) return -1;
  const QAbstractItemModel& lookup = *combo.model();
  for (int row = 0; row < lookup.rowCount(); ++row) {
    bool rowOk = false;
    if (lookup.index(row, 0).data(Qt::EditRole).toLongLong(&rowOk) == wanted && rowOk) return row;
  }
  return -1;
}

}  // namespace

void TGraphEditorDelegate::SetLookup(QComboBox& combo, QAbstractItemModel& lookup, int nameColumn) {
  combo.setModel(&lookup);
  combo.setModelColumn(nameColumn);
  combo.setCurrentIndex(-1);
}

QWidget* TGraphEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
  // Text for every cell: a number typed wrong gets its message when OK is pressed.
  auto* edit = new QLineEdit(parent);
  edit->setFrame(false);
  return edit;
}

void TGraphEditorDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentIndex(LookupRow(*combo, index.data(Qt::EditRole)));
  } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
    check->setChecked(index.data(Qt::EditRole).toBool());
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(StoredText(index));
  } else {
    QStyledItemDelegate::setEditorData(editor, index);
  }
}

void TGraphEditorDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  const QVariant stored = index.data(Qt::EditRole);
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    const int row = combo->currentIndex();
    // No name chosen keeps what is stored (a point graph has no bin summation type).
    if (row < 0 || row == LookupRow(*combo, stored)) return;
    model->setData(index, combo->model()->index(row, 0).data(Qt::EditRole));
  } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
    if (check->isChecked() == stored.toBool()) return;
    model->setData(index, check->isChecked() ? 1 : 0);
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    if (edit->text() == StoredText(index)) return;
    model->setData(index, edit->text());
  } else {
    QStyledItemDelegate::setModelData(editor, model, index);
  }
}

}  // namespace ae
