#pragma once
// "aetool report FILE (--graph-set NAME | --gsid N) -o OUT.pdf [--setup FILE.ini]
// [--channels LIST] [--title TEXT]": the viewer's test report of a whole data file (every hit in
// set 1) as a PDF, for scripts.
#include <optional>
#include <ostream>
#include <string>

#include "viewer/core/ChannelList.h"

namespace ae {

struct ReportArguments {
  std::string File;
  std::optional<std::string> GraphSet;  // a graph set by name (exactly one must have it)
  std::optional<int> Gsid;              // or by identifier
  std::string Out;
  std::string Setup;  // a test setup INI file; else the defaults
  std::optional<AChannelSet> Channels;
  std::optional<std::string> Title;  // else the test's label, or "AE test report"
};

// Writes the report and prints its path on out. Returns 0, or 1 after printing the error on err;
// on an error no OUT file is left behind (an existing one stays as it was). With showProgress, a
// progress bar on stderr (a terminal).
int WriteReport(const ReportArguments& args, std::ostream& out, std::ostream& err, bool showProgress = false);

class CommandLine;
void AddReportCommand(CommandLine& cli);

}  // namespace ae
