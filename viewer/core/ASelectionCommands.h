#pragma once
// What the analyst does with the selection: the Sets menu's commands on frames, groups and
// deleted hits, and a new frame made from the rubber band, each with its protocol lines. The
// window runs them and then redraws; nothing here opens a window.
#include <cstdint>
#include <functional>
#include <string>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/AProtocol.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/TFrameArray.h"
#include "viewer/core/ViewerUser.h"

namespace ae {

// The choices of the frame-overflow dialog, in its order.
enum TFrameOverflowChoice : int {
  foDeleteAllExceptNew = 0,
  foIgnoreNew = 1,
  foGroupAndAddNew = 2,
  foGroupOrAddNew = 3,
};

class ASelectionCommands {
 public:
  ASelectionCommands(TFrameArray& frames, ZTDataSet& data, AProtocol& protocol, AOptions& options,
                     const ATestSetup& setup)
      : frames_(frames), data_(data), protocol_(protocol), options_(options), setup_(setup) {}

  void DeleteAllFrames();
  void GroupFrames(int mode);  // ZTDataSet::gmAnd or gmOr
  void DeleteGrouped();
  void ClearGrouped();
  // Removes the frames (not their marks), then asks the confirmation 2008; only Yes undeletes,
  // which also clears every frame mark.
  void UndeleteData(ViewerUser& user);
  void InvertGrouped();
  void InvertDeleted();
  // Event view on or off: every frame and frame mark goes.
  void ToggleEventsView();

  // A frame from the released band: added to the frames with Shift (askOverflow chooses when all
  // slots are taken), else in place of them. The band carries its graph, parameters, value
  // ranges and channels; the names are the axis names of the protocol line. A time-order error
  // of event view is raised after the frame was added (the hits marked so far stay marked).
  void AddBandAsFrame(const TFrameRect& band, bool shift, const std::string& xName, const std::string& yName,
                      const std::function<int()>& askOverflow);

  TFrameSelectionState SelectionState() const;

 private:
  void ReplaceFramesBy(const TFrameRect& band, const std::string& xName, const std::string& yName);
  void WriteNewSelection(const TFrameRect& band, const std::string& xName, const std::string& yName);
  void Add(const TFrameRect& band);

  TFrameArray& frames_;
  ZTDataSet& data_;
  AProtocol& protocol_;
  AOptions& options_;
  const ATestSetup& setup_;
};

}  // namespace ae
