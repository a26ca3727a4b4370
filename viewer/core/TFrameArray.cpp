#include "viewer/core/TFrameArray.h"

namespace ae {

TFrameArray::TFrameArray(const TFrameArray& other) { *this = other; }

TFrameArray& TFrameArray::operator=(const TFrameArray& other) {
  if (this == &other) return *this;
  for (std::size_t i = 0; i < frames_.size(); ++i)
    frames_[i] = other.frames_[i] ? std::make_unique<TFrameRect>(*other.frames_[i]) : nullptr;
  return *this;
}

int TFrameArray::FrameCount() const {
  int n = 0;
  for (const auto& frame : frames_)
    if (frame) ++n;
  return n;
}

std::uint8_t TFrameArray::FrameSlotMask() const {
  unsigned mask = 0;
  for (int i = 0; i < Slots; ++i)
    if (frames_[static_cast<std::size_t>(i)]) mask |= 1u << i;
  return static_cast<std::uint8_t>(mask);
}

const TFrameRect* TFrameArray::Frame(int slot) const {
  if (slot < 0 || slot >= Slots) return nullptr;
  return frames_[static_cast<std::size_t>(slot)].get();
}

TFrameRect* TFrameArray::Frame(int slot) {
  if (slot < 0 || slot >= Slots) return nullptr;
  return frames_[static_cast<std::size_t>(slot)].get();
}

ZTFrameCriteria TFrameArray::CriteriaOf(const TFrameRect& frame, const TFrameSelectionState& state) {
  ZTFrameCriteria criteria;
  criteria.XParam = frame.XParam;
  criteria.YParam = frame.YParam;
  criteria.XFrom = frame.XFrom;
  criteria.XTo = frame.XTo;
  criteria.YFrom = frame.YFrom;
  criteria.YTo = frame.YTo;
  criteria.Channels = frame.Channels;
  criteria.TimeFilter = state.TimeFilter;
  criteria.TimeFrom = state.TimeFrom;
  criteria.TimeTo = state.TimeTo;
  criteria.EventsView = state.EventsView;
  criteria.Mpt = state.Mpt;
  criteria.Lockout = state.Lockout;
  return criteria;
}

bool TFrameArray::AddFrame(const TFrameRect& band, ZTDataSet& dataSet, const TFrameSelectionState& state) {
  for (int i = 0; i < Slots; ++i) {
    auto& slot = frames_[static_cast<std::size_t>(i)];
    if (slot) continue;
    slot = std::make_unique<TFrameRect>(band);
    slot->SlotIndex = i;
    dataSet.MarkFrame(i, CriteriaOf(*slot, state));
    return true;
  }
  return false;
}

int TFrameArray::DeleteAllFrames() {
  int n = 0;
  for (auto& frame : frames_) {
    if (!frame) break;
    frame.reset();
    ++n;
  }
  return n;
}

std::uint32_t TFrameArray::GroupFrames(int mode, ZTDataSet& dataSet) const {
  dataSet.GroupMask = FrameSlotMask();
  return dataSet.GroupHits(mode);
}

}  // namespace ae
