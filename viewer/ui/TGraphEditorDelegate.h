#pragma once
// How the graph database window edits a field, in its grids and in the editors of the widget
// mapper: as text in a line edit (checked when OK is pressed), a check box as a boolean, and a
// lookup combo box by name, storing the key of the name chosen. Nothing is written back while
// the editor still shows the stored value, so looking at a row leaves it unchanged.
#include <QStyledItemDelegate>

class QComboBox;

namespace ae {

class TGraphEditorDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // A combo box whose model holds the keys in column 0 and the names in its model column.
  static void SetLookup(QComboBox& combo, QAbstractItemModel& lookup, int nameColumn);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace ae
