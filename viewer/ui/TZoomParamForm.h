#pragma once
// "Zoom..": a time window typed in whole seconds.
#include <QDialog>
#include <cstdint>

class QLineEdit;

namespace ae {

class TZoomParamForm : public QDialog {
  Q_OBJECT

 public:
  explicit TZoomParamForm(QWidget* owner);

  // OK: both fields must be whole seconds from 0 with the minimum not above the maximum; else
  // the dialog says which field is wrong and stays open.
  void BitBtn1Click();
  std::int32_t From() const { return from_; }
  std::int32_t To() const { return to_; }

 private:
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  std::int32_t from_ = 0;
  std::int32_t to_ = 0;
};

}  // namespace ae
