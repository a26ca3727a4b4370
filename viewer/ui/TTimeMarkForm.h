#pragma once
// "Copy to Clipboard": the size (millimetres) and resolution of a graph's copy.
#include <QDialog>

#include "viewer/core/AOptions.h"

class QButtonGroup;
class QSpinBox;

namespace ae {

class TTimeMarkForm : public QDialog {
  Q_OBJECT

 public:
  TTimeMarkForm(const QString& graphName, AOptions& options, QWidget* owner);

  // OK: the width, height and DPI into the options.
  void BitBtn1Click();

 private:
  AOptions& options_;
  QSpinBox* edit1_;
  QSpinBox* edit2_;
  QButtonGroup* radioGroup1_;
};

}  // namespace ae
