#include "filter/ui/WindowFilterUser.h"

#include <QProgressBar>
#include <algorithm>

#include "ui/MessageSeam.h"
#include "ui/QtText.h"

namespace ae {

WindowFilterUser::WindowFilterUser(QWidget* owner, QProgressBar* progress) : owner_(owner), progress_(progress) {}

bool WindowFilterUser::AskYesNo(const std::string& text, const std::string& caption) {
  return MessageSeam::Show(owner_, MessageSeam::Kind::YesNoWarning, Q(text), Q(caption));
}

void WindowFilterUser::Inform(const std::string& text, const std::string& caption) {
  MessageSeam::Show(owner_, MessageSeam::Kind::Information, Q(text), Q(caption));
}

void WindowFilterUser::SetProgressRange(int64_t maximum, int64_t step) {
  maximum_ = std::max<int64_t>(0, maximum);
  step_ = std::clamp<int64_t>(step, 0, maximum_);
  position_ = 0;
  if (progress_) {
    progress_->setRange(0, Scale);
    progress_->setValue(0);
  }
}

void WindowFilterUser::StepProgress() {
  position_ = std::min(maximum_, position_ + step_);
  if (!progress_ || maximum_ == 0) return;
  // position_ <= maximum_ <= 2^63 / Scale is not guaranteed: divide first for huge counts.
  const int64_t value = maximum_ > INT64_MAX / Scale ? position_ / (maximum_ / Scale) : position_ * Scale / maximum_;
  progress_->setValue(static_cast<int>(std::clamp<int64_t>(value, 0, Scale)));
  // The run holds the event loop; paint the bar now so that it moves.
  progress_->repaint();
}

}  // namespace ae
