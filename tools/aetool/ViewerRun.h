#pragma once
// What the subcommands that run the viewer's code on a file share: the viewer's message boxes
// as lines on stderr, and loading the file with the progress bar following the reading.
#include <ostream>
#include <string>

#include "datafiles/ZTDataSet.h"
#include "tools/aetool/ProgressBar.h"
#include "viewer/core/ViewerUser.h"

namespace ae {

// A message is "caption: text"; a question is printed and answered No.
class StreamUser : public ViewerUser {
 public:
  explicit StreamUser(std::ostream& err) : err_(err) {}
  void ShowMessage(const std::string& text, const std::string& caption, Icon) override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;

 private:
  std::ostream& err_;
};

// Loads `file` as the viewer does; when the bar is enabled it follows the two passes over the
// file (counting, then reading). Leaves the bar without a poll, for the caller's next stage.
void LoadWithProgress(const std::string& file, ZTDataSet& data, ProgressBar& progress);

}  // namespace ae
