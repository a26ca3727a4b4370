#pragma once

#include <cstdint>
#include <string>

namespace ae {

// How the filtration engine talks to the user without opening a window itself: the Qt main
// window shows boxes and moves its progress bar, aetool prints and answers from its options,
// tests answer as the case needs.
class FilterUser {
 public:
  virtual ~FilterUser() = default;
  // A Yes/No warning box; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
  // An information box; returns when the user has closed it.
  virtual void Inform(const std::string& text, const std::string& caption) = 0;
  // The progress bar: its maximum and step are set once per pass ...
  virtual void SetProgressRange(int64_t maximum, int64_t step) = 0;
  // ... and it advances by one step.
  virtual void StepProgress() = 0;
};

}  // namespace ae
