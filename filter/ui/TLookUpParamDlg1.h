#pragma once

#include <QDialog>

class QButtonGroup;
class QTableWidget;

namespace ae {

class AEParamTable;

// "Parameter Lookup 1": the parameter names of one AE instrument family, chosen in the " System "
// group. The chosen family is kept for the rest of the program's run.
class TLookUpParamDlg1 : public QDialog {
  Q_OBJECT

 public:
  TLookUpParamDlg1(const AEParamTable& params, QWidget* owner);

  // Opens the dialog modally over owner; the chosen name, or an empty text for Cancel.
  static QString Execute(const AEParamTable& params, QWidget* owner);

  // The name of the current grid row (empty when the family has none).
  QString CurrentName() const;
  QTableWidget* Grid() const { return grid_; }
  void SelectSystem(int item);
  int SelectedSystem() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Query();

  const AEParamTable& params_;
  QTableWidget* grid_;
  QButtonGroup* systems_;
};

}  // namespace ae
