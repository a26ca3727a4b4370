#pragma once
// "Test setup..": the test setup in the window's controls. OK, "Save" and "Save as" apply the
// controls to the setup the window was opened on (the viewer's current one); "Open" loads another
// INI file into the window only. Applying reads every control first and stores nothing when one
// of them is refused.
#include <QDialog>
#include <optional>

#include "viewer/core/ATestSetup.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace ae {

class THoldsGrid;
class TSensorsGrid;

class TFTestSetup : public QDialog {
  Q_OBJECT

 public:
  // The filter of the file dialogs and the extension a name without one gets.
  static constexpr const char* FileFilter = QT_TR_NOOP("Test setup file (*.ini)|*.ini");
  static constexpr const char* DefaultExtension = "ini";

  TFTestSetup(ATestSetup& setup, QWidget* owner);

  // Shows the window modally over owner; true when it closed with OK.
  static bool Execute(ATestSetup& setup, QWidget* owner);

  void BBOkClick();
  void BBOpenClick();
  void BBSaveClick();
  void BBSaveAsClick();

  // The controls into the setup; false (nothing stored, the refused control named in a box and
  // focused) when a control does not hold what its field takes.
  bool Apply();

 private:
  void Fill(const ATestSetup& from);
  std::optional<ATestSetup> ReadControls();
  void Refuse(QWidget* control, const QString& text);
  // Saves the setup; false after telling the user why it could not.
  bool SaveInto(const std::string& path);

  ATestSetup& setup_;
  ATestSetup opened_;  // the target of "Open"

  QLineEdit* testLabel_;
  QSpinBox* testTH_;
  THoldsGrid* holds_;
  QCheckBox* viewHolds_;
  QCheckBox* shadowHits_;
  QCheckBox* eventView_;
  QLineEdit* hstLimit5_;
  QSpinBox* classes_[3];
  QComboBox* locationType_;
  QLineEdit* velocity_;
  TSensorsGrid* sensors_;
};

}  // namespace ae
