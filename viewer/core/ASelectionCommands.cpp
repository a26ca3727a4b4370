#include "viewer/core/ASelectionCommands.h"

#include "viewer/core/AEventLocator.h"
#include "viewer/core/ViewerMessages.h"

namespace ae {

namespace {

std::string Count(std::uint32_t n) { return std::to_string(static_cast<unsigned long>(n)); }

}  // namespace

TFrameSelectionState ASelectionCommands::SelectionState() const {
  TFrameSelectionState state;
  state.TimeFilter = options_.TimeRangeFilter;
  state.TimeFrom = options_.FilterStart;
  state.TimeTo = options_.FilterEnd;
  state.EventsView = options_.EventsView;
  state.Mpt = setup_.MPT;
  state.Lockout = setup_.Lockout;
  return state;
}

void ASelectionCommands::DeleteAllFrames() {
  if (!frames_.AnyFrame()) return;
  protocol_.AddLine("Existing selections cleaned...");
  frames_.DeleteAllFrames();
  data_.ClearFrameMarks();
}

void ASelectionCommands::GroupFrames(int mode) {
  if (!frames_.AnyFrame()) return;
  const std::uint32_t n = frames_.GroupFrames(mode, data_);
  protocol_.AddLine("Existing selections (" + Count(n) +
                    (mode == ZTDataSet::gmAnd ? ") grouped by AND..." : ") grouped by OR..."));
  frames_.DeleteAllFrames();
}

void ASelectionCommands::DeleteGrouped() {
  const std::uint32_t n = data_.DeleteGrouped();
  protocol_.AddLine("Grouped data (" + Count(n) + ") deleted...");
}

void ASelectionCommands::ClearGrouped() {
  protocol_.AddLine("Grouped data cleaned...");
  data_.ClearGrouped();
}

void ASelectionCommands::UndeleteData(ViewerUser& user) {
  // Only the frames go before the question: answered No, the hits keep their frame marks (and
  // the framed count), so the framed data can still be grouped or shown. Yes clears the marks
  // with the deleted flags.
  if (frames_.AnyFrame()) frames_.DeleteAllFrames();
  if (!user.AskYesNo(ViewerText(vmUndeleteConfirm), ViewerText(vmWarning))) return;
  protocol_.AddLine("Deleted data undeleted...");
  data_.UndeleteAll();
}

void ASelectionCommands::InvertGrouped() {
  const std::uint32_t n = data_.InvertGrouped();
  protocol_.AddLine("Grouped data (" + Count(n) + ") inverted...");
}

void ASelectionCommands::InvertDeleted() {
  const std::uint32_t n = data_.InvertDeleted();
  protocol_.AddLine("All Deleted data (" + Count(n) + ") inverted...");
}

void ASelectionCommands::ToggleEventsView() {
  options_.EventsView = !options_.EventsView;
  frames_.DeleteAllFrames();
  data_.ClearFrameMarks();
}

void ASelectionCommands::WriteNewSelection(const TFrameRect& band, const std::string& xName, const std::string& yName) {
  protocol_.AddDatedLine(options_.SelectionDescription(xName, band.XFrom, band.XTo, yName, band.YFrom, band.YTo));
}

void ASelectionCommands::Add(const TFrameRect& band) {
  // A frame on a location selects by the locations of the hits as they are now.
  if (IsLocationCode(band.XParam) || IsLocationCode(band.YParam)) AEventLocator::Update(data_, setup_);
  frames_.AddFrame(band, data_, SelectionState());
}

void ASelectionCommands::ReplaceFramesBy(const TFrameRect& band, const std::string& xName, const std::string& yName) {
  if (frames_.DeleteAllFrames() > 0) protocol_.AddLine("All existing selections cleaned...");
  WriteNewSelection(band, xName, yName);
  data_.ClearFrameMarks();
  Add(band);
}

void ASelectionCommands::AddBandAsFrame(const TFrameRect& band, bool shift, const std::string& xName,
                                        const std::string& yName, const std::function<int()>& askOverflow) {
  if (!shift) {
    ReplaceFramesBy(band, xName, yName);
    return;
  }
  if (frames_.FrameCount() < TFrameArray::Slots) {
    Add(band);
    WriteNewSelection(band, xName, yName);
    return;
  }
  const int choice = askOverflow ? askOverflow() : foIgnoreNew;
  if (choice == foDeleteAllExceptNew) {
    ReplaceFramesBy(band, xName, yName);
  } else if (choice == foGroupAndAddNew || choice == foGroupOrAddNew) {
    const bool byAnd = choice == foGroupAndAddNew;
    const std::uint32_t n = frames_.GroupFrames(byAnd ? ZTDataSet::gmAnd : ZTDataSet::gmOr, data_);
    protocol_.AddLine("Existing selections (" + Count(n) + (byAnd ? ") grouped by AND..." : ") grouped by OR..."));
    frames_.DeleteAllFrames();
    WriteNewSelection(band, xName, yName);
    data_.ClearFrameMarks();
    Add(band);
  }
}

}  // namespace ae
