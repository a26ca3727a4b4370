#pragma once

#include "filter/core/FilterUser.h"

class QProgressBar;
class QWidget;

namespace ae {

// How a run started from the main window talks to the user: boxes owned by the window through
// the message seam, and the window's progress bar.
class WindowFilterUser : public FilterUser {
 public:
  WindowFilterUser(QWidget* owner, QProgressBar* progress);

  bool AskYesNo(const std::string& text, const std::string& caption) override;
  void Inform(const std::string& text, const std::string& caption) override;
  void SetProgressRange(int64_t maximum, int64_t step) override;
  void StepProgress() override;

  // The bar's scale: counts of any size are shown in thousandths of the maximum.
  static constexpr int Scale = 1000;

 private:
  QWidget* owner_;
  QProgressBar* progress_;
  int64_t maximum_ = 0;
  int64_t step_ = 0;
  int64_t position_ = 0;
};

}  // namespace ae
