#pragma once
// "Options..": the viewer's options in the window's controls. OK reads every control first and
// stores nothing when one is refused; then it writes them into the options and the test setup's
// parametric conversion, records a changed language for the next start (and says so) and saves
// the options to the user's settings.
#include <QDialog>

#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace ae {

class TOptionsForm : public QDialog {
  Q_OBJECT

 public:
  // The parametric conversion edits belong to the viewer's current test setup.
  TOptionsForm(AOptions& options, ATestSetup& setup, QWidget* owner);

  // Shows the window modally over owner; true when it closed with OK.
  static bool Execute(AOptions& options, ATestSetup& setup, QWidget* owner);

  // OK; false (the window stays open, nothing stored) when a control is refused.
  bool OKBtnClick();

 private:
  AOptions& options_;
  ATestSetup& setup_;

  QCheckBox* saveCheckBox_;
  QButtonGroup* languageRadioGroup_;
  QSpinBox* pointSizeEdit_;
  QButtonGroup* colorRadioGroup_;
  QButtonGroup* startUpGraphRadioGroup_;
  QSpinBox* udVertGrNum_;
  QSpinBox* udHrznGrNum_;
  QCheckBox* reportChkBox_;
  QCheckBox* gridChkBox_;
  QCheckBox* timeAxisRangeCheckBox_;
  QCheckBox* showParamCheckBox_;
  QLineEdit* divSEdit_;
  QLineEdit* offsetSEdit_;
  QLineEdit* divREdit_;
  QLineEdit* offsetREdit_;
};

}  // namespace ae
