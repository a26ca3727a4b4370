#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace ae {

// "About...": the program's version, the memory load, a link to the maker's site (AboutFacts)
// and the program icon, which a double-click sets moving (six images, 200 ms each) and a further
// one stops.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* owner);

  bool IsAnimating() const;
  int Frame() const { return frame_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ToggleAnimation();
  void NextFrame();

  QLabel* icon_;
  QTimer* timer_;
  int frame_ = 0;
};

}  // namespace ae
