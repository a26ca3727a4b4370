#pragma once
// What a test report is made of: the loaded data with the analyst's frames, the options that say
// how the viewer shows them (channel selection, page grid, views), the test setup, the graph set
// whose pages it shows, and its title.
#include <QDateTime>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/GraphId.h"
#include "viewer/core/TFrameArray.h"

namespace ae {

struct ReportSource {
  // Only read (the graphs of event view keep their event count in it). Deleted hits are left
  // out of everything.
  ZTDataSet* Data = nullptr;
  // The sets: the hits of frame slot i form set i+1; without a frame every hit that is not
  // deleted is set 1.
  TFrameArray Frames;
  // The graphs the frames were drawn on, by page and graph number: the report draws each frame
  // on its graph in the same place. Empty when the frames have no graph of the report's set.
  std::vector<std::vector<GraphId>> FrameGraphs;
  AOptions Options;
  ATestSetup Setup;
  // The GSystemID of the graph set whose pages the report shows; none: no graph pages.
  std::optional<int> GraphSet;
  std::string Title;
  // When the report was made; the current time when not valid.
  QDateTime Made;

  // The title a report gets when none is given: the test's label, unless it is still the
  // setup's default, then "AE test report".
  static std::string DefaultTitle(const ATestSetup& setup);
};

}  // namespace ae
