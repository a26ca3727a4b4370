#include "viewer/core/ATestStat.h"

#include "viewer/core/AOptions.h"

namespace ae {

bool ATestStat::AnySet() const {
  for (const auto& set : sets_)
    if (set) return true;
  return false;
}

void ATestStat::CreateSets(std::uint8_t setMask) {
  for (int s = 0; s < Sets; ++s)
    if (setMask & (1u << s)) sets_[static_cast<std::size_t>(s)] = std::make_unique<ASetStat>(s);
}

void ATestStat::AddChannel(int c, const AChannelSet& checked) {
  if (c < 1 || c > ASetStat::Channels || !checked.test(static_cast<std::size_t>(c - 1))) return;
  for (auto& set : sets_)
    if (set) set->AddChannel(c, setup_);
}

void ATestStat::AddHit(const ZTShortHit& hit, std::uint16_t setBits, const AChannelSet& checked) {
  const int c = hit.Channel;
  if (c < 1 || c > ASetStat::Channels || !checked.test(static_cast<std::size_t>(c - 1))) return;
  for (int s = 0; s < Sets; ++s) {
    if (!(setBits & (1u << s))) continue;
    ASetStat* set = sets_[static_cast<std::size_t>(s)].get();
    if (set == nullptr) continue;
    if (AChanStat* chan = set->Chan(c)) chan->AddHit(hit, setup_);
  }
}

void ATestStat::CollectPass(const ZTDataSet& data, std::uint8_t setMask, const AChannelSet& checked, bool eventsView,
                            bool whole) {
  if (data.Recs.empty() || setMask == 0) return;
  ZTEventRule& rule = ZTDataSet::EventRule();
  if (eventsView) rule.ResetMicroseconds(setup_.MPT, setup_.Lockout);
  CreateSets(setMask);
  for (int c = 1; c <= ASetStat::Channels; ++c) AddChannel(c, checked);
  for (const ZTShortHit& rec : data.Recs) {
    const std::uint16_t setBits = whole ? 1u : rec.FrameBits;
    if (!rec.IsHit() || rec.IsDeleted() || setBits == 0) continue;
    // The rule advances over the hits that passed the tests before it, and no others.
    if (eventsView && rule.EventTest(rec) != 0) continue;
    AddHit(rec, setBits, checked);
  }
}

void ATestStat::Collect(const ZTDataSet& data, std::uint8_t setMask, const AChannelSet& checked, bool eventsView) {
  CollectPass(data, setMask, checked, eventsView, false);
}

void ATestStat::Collect(const ZTDataSet& data, std::uint8_t setMask, const AOptions& options) {
  Collect(data, setMask, options.CheckedChan, options.EventsView);
}

void ATestStat::CollectWhole(const ZTDataSet& data, const AChannelSet& checked, bool eventsView) {
  CollectPass(data, 0x01, checked, eventsView, true);
}

void ATestStat::CollectWhole(const ZTDataSet& data, const AOptions& options) {
  CollectWhole(data, options.CheckedChan, options.EventsView);
}

}  // namespace ae
