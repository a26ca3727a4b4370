#pragma once
// The statistics of one set: a record for every checked channel.
#include <array>
#include <memory>

#include "viewer/core/AChanStat.h"

namespace ae {

class ATestSetup;

class ASetStat {
 public:
  static constexpr int Channels = 128;

  std::int32_t SetSlot = 0;  // 0..7: set SetSlot + 1

  explicit ASetStat(int setSlot) : SetSlot(setSlot) {}

  // Creates the record of channel c (1..128); other channels are ignored.
  void AddChannel(int c, const ATestSetup& setup);
  // The record of channel c, or null.
  AChanStat* Chan(int c) { return InRange(c) ? chans_[static_cast<std::size_t>(c - 1)].get() : nullptr; }
  const AChanStat* Chan(int c) const { return InRange(c) ? chans_[static_cast<std::size_t>(c - 1)].get() : nullptr; }

 private:
  static bool InRange(int c) { return c >= 1 && c <= Channels; }
  std::array<std::unique_ptr<AChanStat>, Channels> chans_;
};

}  // namespace ae
