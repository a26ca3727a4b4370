#pragma once
// The hits the waveform window steps through: the framed hits that have a waveform when any
// framed hit has one, else every hit that is not deleted and has one, in file order.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "datafiles/ZTDataSet.h"

namespace ae {

class AWaveformHits {
 public:
  explicit AWaveformHits(const ZTDataSet& data);

  bool FramedOnly() const { return framedOnly_; }
  std::size_t Count() const { return hits_.size(); }
  // Indices into the data set's records.
  std::optional<std::size_t> First() const;
  // The nearest such hit after / before the record `from` (which need not be one of them).
  std::optional<std::size_t> Next(std::size_t from) const;
  std::optional<std::size_t> Previous(std::size_t from) const;
  // 1 for the first of them; nothing for a hit that is not one of them.
  std::optional<std::size_t> Position(std::size_t hit) const;

 private:
  std::vector<std::uint32_t> hits_;
  bool framedOnly_ = false;
};

}  // namespace ae
