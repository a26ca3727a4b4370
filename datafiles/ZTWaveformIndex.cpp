#include "datafiles/ZTWaveformIndex.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "datafiles/ByteOrder.h"
#include "datafiles/DataStream.h"
#include "datafiles/EDataFile.h"
#include "datafiles/ZTShortHit.h"

namespace ae {

namespace {

// The largest message a DTA file holds.
constexpr int MaxMessageLength = 50000;

std::string ChangedError(const std::string& name) {
  return "The data file \"" + name + "\" has changed since it was loaded; load it again to see its waveforms.";
}

}  // namespace

void ZTWaveformIndex::Clear() {
  entries_ = std::vector<Entry>();
  scales_.assign(1, AWaveformScale());
  lastScale_ = 0;
}

const ZTWaveformIndex::Entry* ZTWaveformIndex::Find(std::uint32_t hit) const {
  const auto at = std::lower_bound(entries_.begin(), entries_.end(), hit,
                                   [](const Entry& e, std::uint32_t h) { return e.Hit < h; });
  return at != entries_.end() && at->Hit == hit ? &*at : nullptr;
}

void ZTWaveformIndex::Reserve(std::size_t n) { entries_.reserve(n); }

std::uint16_t ZTWaveformIndex::ScaleIndex(const AWaveformScale& scale) {
  // Waveforms come channel after channel under the same few setups: the last one nearly always.
  if (scales_[lastScale_] == scale) return lastScale_;
  auto at = std::find(scales_.begin(), scales_.end(), scale);
  if (at == scales_.end()) {
    if (scales_.size() >= ScaleLimit) return 0;
    scales_.push_back(scale);
    at = scales_.end() - 1;
  }
  lastScale_ = static_cast<std::uint16_t>(at - scales_.begin());
  return lastScale_;
}

void ZTWaveformIndex::Add(std::uint32_t hit, std::int64_t offset, std::uint16_t scale) {
  if (offset < 0 || offset >= OffsetLimit) return;
  Entry e;
  e.Hit = hit;
  e.OffsetLow = static_cast<std::uint32_t>(offset);
  e.OffsetHigh = static_cast<std::uint16_t>(offset >> 32);
  e.Scale = scale < scales_.size() ? scale : 0;
  entries_.push_back(e);
}

void ZTWaveformIndex::Finish() {
  // Nearly always in order already: a waveform is paired when its hit is read.
  if (!std::is_sorted(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.Hit < b.Hit; }))
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.Hit < b.Hit; });
}

ZTWaveform ZTWaveformIndex::Read(const std::string& fileName, const Entry& entry, const ZTShortHit& hit) const {
  DataStream stream(fileName, "rb");
  if (!stream) throw EDataFile("Cannot open the data file \"" + fileName + "\"");
  std::FILE* file = stream.Get();
  std::uint8_t lengthBytes[2];
  if (fseeko(file, static_cast<off_t>(entry.Offset()), SEEK_SET) != 0 || std::fread(lengthBytes, 1, 2, file) != 2)
    throw EDataFile(ChangedError(fileName));
  const int length = GetU16(lengthBytes);
  if (length > MaxMessageLength || length < ZTWaveform::MinLength) throw EDataFile(ChangedError(fileName));
  std::vector<std::uint8_t> message(static_cast<std::size_t>(length));
  if (std::fread(message.data(), 1, message.size(), file) != message.size()) throw EDataFile(ChangedError(fileName));
  ZTWaveform wave;
  if (!ZTWaveform::Decode(message.data(), length, wave) || !(wave.Time == hit.Time) || wave.Channel != hit.Channel)
    throw EDataFile(ChangedError(fileName));
  wave.Scale = ScaleOf(entry);
  return wave;
}

}  // namespace ae
