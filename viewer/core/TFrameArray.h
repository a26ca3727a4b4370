#pragma once
// The frame list: 8 slots, each empty or owning one frame. Frames go into the lowest empty slot
// and are only removed all together, so the occupied slots are always 0..k-1. The hits a frame
// selects form set slot+1.
#include <array>
#include <cstdint>
#include <memory>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/TFrameRect.h"

namespace ae {

// The program state a new frame selects with, besides its own ranges and channels.
struct TFrameSelectionState {
  bool TimeFilter = false;    // the time window is on
  std::int32_t TimeFrom = 0;  // whole seconds
  std::int32_t TimeTo = 0;
  bool EventsView = false;
  std::int64_t Mpt = 5000;  // event windows of the test setup, microseconds
  std::int64_t Lockout = 20000;
};

class TFrameArray {
 public:
  static constexpr int Slots = ZTDataSet::FrameSlots;

  TFrameArray() = default;
  // A copy holds copies of the frames (a report draws them on graphs of its own).
  TFrameArray(const TFrameArray& other);
  TFrameArray& operator=(const TFrameArray& other);
  TFrameArray(TFrameArray&&) noexcept = default;
  TFrameArray& operator=(TFrameArray&&) noexcept = default;

  bool AnyFrame() const { return FrameCount() > 0; }
  int FrameCount() const;
  // Bit i set when slot i is occupied.
  std::uint8_t FrameSlotMask() const;
  // The frame of a slot, or null.
  const TFrameRect* Frame(int slot) const;
  TFrameRect* Frame(int slot);

  // Copies the band into the lowest empty slot and marks the hits it selects. False, with
  // nothing changed, when all slots are occupied. A time-order error of the event rule is
  // raised after the frame has been added (the hits marked so far stay marked).
  bool AddFrame(const TFrameRect& band, ZTDataSet& dataSet, const TFrameSelectionState& state);
  // Removes every frame; returns how many there were.
  int DeleteAllFrames();
  // Groups the hits of the frames (ZTDataSet::gmAnd or gmOr); returns the grouped count.
  std::uint32_t GroupFrames(int mode, ZTDataSet& dataSet) const;

  static ZTFrameCriteria CriteriaOf(const TFrameRect& frame, const TFrameSelectionState& state);

 private:
  std::array<std::unique_ptr<TFrameRect>, Slots> frames_;
};

}  // namespace ae
