#pragma once

#include <QWidget>
#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace ae {

struct FilterControls;
class TFilterGrid;

// The Filtration page "TabSheet1" of the main window: the window grids A to D with their join
// boxes, the filter type, the treatment with its time boxes, and the options. It reads and
// applies its part of the window description; the treatment rules are FilterControls' own.
class TFiltrationPage : public QWidget {
  Q_OBJECT

 public:
  // Made with the window as its parent: the grids size themselves by the window's font.
  explicit TFiltrationPage(QWidget* window);

  // The type, treatment, time boxes, options and windows of the description.
  void ReadInto(FilterControls& controls) const;
  void Apply(const FilterControls& controls);
  // The windows alone: rows and join boxes.
  void ApplyWindows(const FilterControls& controls);

  // The grids' column titles and widths, as activation writes them.
  void WriteGridTitles();

  // A click on a treatment item: the time boxes it disables are emptied, and the boxes are
  // enabled by the treatment (FilterControls::SelectTreatment and its enabling rules).
  void RadioGroupEventTypeClick(int item);

  TFilterGrid* Grid(int window) const { return grids_[static_cast<size_t>(window)]; }
  // "&Clear" of the page's pop-up menu (Ctrl+Shift+Delete); the window runs it, since it also
  // empties the expression rows above the page.
  QAction* ClearAction() const { return clear_; }

 signals:
  // Ctrl+F1 in a parameter column of a window grid.
  void LookupRequested(ae::TFilterGrid* grid);

 private:
  void ReadTreatment(FilterControls& controls) const;
  void ApplyTreatment(const FilterControls& controls);

  // Windows A, B, C, D.
  std::array<TFilterGrid*, 4> grids_{};
  std::array<QGroupBox*, 4> gridBoxes_{};
  std::array<QCheckBox*, 4> joinBoxes_{};
  QButtonGroup* RadioGroupType;
  QButtonGroup* RadioGroupEventType;
  QGroupBox* eventsBox_;
  QLabel* labelMPT_;
  QLabel* labelLOCK_;
  QLineEdit* EditMPT;
  QLineEdit* EditLOCK;
  QGroupBox* mechanicBox_;
  QLabel* labelBack_;
  QLabel* labelForward_;
  QLineEdit* EditForward;
  QLineEdit* EditBackWard;
  QCheckBox* CheckBoxEOT;
  QCheckBox* CheckBoxTDP;
  QCheckBox* CheckBoxTR;
  QAction* clear_;
};

}  // namespace ae
