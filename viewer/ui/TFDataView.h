#pragma once
// "Data view..": the hits that lie in at least one selection frame, one line each, optionally
// grouped into events. The check boxes widen what the options ask for (the option wins when
// it is on) and never change the options.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace ae {

class AOptions;
class ATestSetup;
class ZTDataSet;

class TFDataView : public QDialog {
  Q_OBJECT

 public:
  // The size it opens with; centring it fits it to this, not to its smallest layout.
  QSize sizeHint() const override { return {820, 520}; }
  TFDataView(const ZTDataSet& data, const AOptions& options, const ATestSetup& setup, QWidget* owner);

  // Builds the listing again, as a click on either check box does.
  void BuildListing();

 private:
  const ZTDataSet& data_;
  const AOptions& options_;
  const ATestSetup& setup_;
  QLabel* label1_;
  QPlainTextEdit* richEdit1_;
  QCheckBox* checkBoxEventView_;
  QCheckBox* checkBoxShadowHits_;
};

}  // namespace ae
