#include "viewer/core/AWaveformHits.h"

#include <algorithm>

namespace ae {

AWaveformHits::AWaveformHits(const ZTDataSet& data) {
  auto shown = [&](std::uint32_t i, bool framed) {
    if (i >= data.Recs.size()) return false;
    const ZTShortHit& rec = data.Recs[i];
    return rec.IsHit() && !rec.IsDeleted() && (!framed || rec.FrameBits != 0);
  };
  const std::vector<ZTWaveformIndex::Entry>& entries = data.Waveforms.Entries();
  framedOnly_ = std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return shown(e.Hit, true); });
  for (const ZTWaveformIndex::Entry& e : entries)
    if (shown(e.Hit, framedOnly_)) hits_.push_back(e.Hit);
}

std::optional<std::size_t> AWaveformHits::First() const {
  if (hits_.empty()) return std::nullopt;
  return hits_.front();
}

std::optional<std::size_t> AWaveformHits::Next(std::size_t from) const {
  const auto at =
      std::upper_bound(hits_.begin(), hits_.end(), from, [](std::size_t f, std::uint32_t h) { return f < h; });
  if (at == hits_.end()) return std::nullopt;
  return *at;
}

std::optional<std::size_t> AWaveformHits::Previous(std::size_t from) const {
  const auto at =
      std::lower_bound(hits_.begin(), hits_.end(), from, [](std::uint32_t h, std::size_t f) { return h < f; });
  if (at == hits_.begin()) return std::nullopt;
  return *(at - 1);
}

std::optional<std::size_t> AWaveformHits::Position(std::size_t hit) const {
  const auto at =
      std::lower_bound(hits_.begin(), hits_.end(), hit, [](std::uint32_t h, std::size_t f) { return h < f; });
  if (at == hits_.end() || *at != hit) return std::nullopt;
  return static_cast<std::size_t>(at - hits_.begin()) + 1;
}

}  // namespace ae
