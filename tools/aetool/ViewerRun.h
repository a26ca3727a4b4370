#pragma once
// What the subcommands that run the viewer's code on a file share: the viewer's message boxes
// as lines on stderr, loading the file with the progress bar following the reading, the GUI
// application that drawing text needs, and the graph set a command line names.
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "datafiles/ZTDataSet.h"
#include "tools/aetool/ProgressBar.h"
#include "viewer/core/ViewerUser.h"

class QGuiApplication;

namespace ae {

class GraphDatabase;

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

// Text needs a GUI application; drawing for a file needs no screen, so it never asks for one.
// The application made here lives until the pointer goes, with its fonts; none is made (null)
// when the process has one. Raises std::runtime_error when the process has an application
// without a GUI.
std::unique_ptr<QGuiApplication> GuiApplicationForRendering();

// The GSystemID of the graph set given by identifier, or by name (exactly one set must have
// it). Raises std::runtime_error that says which set is missing or which sets share the name.
int GraphSetId(GraphDatabase& database, const std::optional<std::string>& name, const std::optional<int>& gsid);

}  // namespace ae
