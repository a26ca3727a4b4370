#pragma once

#include <QDialog>

class QTableWidget;
class QToolButton;

namespace ae {

class FilterDatabase;

// The filter browse dialog: the stored filters in key order with a navigator (first, prior,
// next, last, delete). "OK" gives the FID of the current filter, "&Отмена" 0.
class TFFilterBase : public QDialog {
  Q_OBJECT

 public:
  TFFilterBase(FilterDatabase& filters, QWidget* owner);

  // Opens the dialog modally over owner; the chosen FID or 0.
  static int Execute(FilterDatabase& filters, QWidget* owner);

  // The FID of the current row; 0 when the list is empty.
  int CurrentFid() const;
  // Moves the cursor to a filter; false when it is not listed.
  bool SelectFid(int fid);
  QTableWidget* Grid() const { return grid_; }

  // The navigator's buttons.
  void First();
  void Prior();
  void Next();
  void Last();
  // Asks, then deletes the current filter with its rows. False when nothing was deleted.
  bool DeleteCurrent();

 private:
  void Reload(int row);
  void UpdateNavigator();

  FilterDatabase& filters_;
  QTableWidget* grid_;
  QToolButton* first_;
  QToolButton* prior_;
  QToolButton* next_;
  QToolButton* last_;
  QToolButton* delete_;
};

}  // namespace ae
