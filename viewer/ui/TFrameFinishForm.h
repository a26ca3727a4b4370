#pragma once
// "Warning": all eight frames are taken; what to do with the new one.
#include <QDialog>

class QButtonGroup;

namespace ae {

class TFrameFinishForm : public QDialog {
  Q_OBJECT

 public:
  // The choice goes into *choice on OK; the caller gives it a value first, which a close of the
  // window in another way leaves as it is.
  TFrameFinishForm(int* choice, QWidget* owner);

  void OKBtnClick();

 private:
  int* choice_;
  QButtonGroup* radioGroup1_;
};

}  // namespace ae
