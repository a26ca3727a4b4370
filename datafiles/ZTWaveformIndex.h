#pragma once
// Where the waveforms of a loaded data set's hits lie in its file. A file holds a few kilobytes
// of samples per waveform, so only the place of each is kept: per hit that has a waveform the
// offset of its message 173 and the setup that scales it, 12 bytes. The samples are read from
// the file when a waveform is asked for.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/ARecorderSetup.h"
#include "datafiles/ZTWaveform.h"

namespace ae {

class ZTShortHit;

class ZTWaveformIndex {
 public:
  struct Entry {
    std::uint32_t Hit = 0;  // the hit's index in the data set's records
    std::uint32_t OffsetLow = 0;
    std::uint16_t OffsetHigh = 0;  // the offset of the message in the file, 48 bits in all
    std::uint16_t Scale = 0;       // into Scales
    std::int64_t Offset() const { return static_cast<std::int64_t>(OffsetLow) | (std::int64_t{OffsetHigh} << 32); }
  };
  static constexpr std::size_t EntryBytes = sizeof(Entry);
  // Offsets from 2^48 bytes on cannot be kept; such a waveform is left out.
  static constexpr std::int64_t OffsetLimit = std::int64_t{1} << 48;
  static constexpr std::size_t ScaleLimit = 65536;

  void Clear();
  bool Empty() const { return entries_.empty(); }
  std::size_t Size() const { return entries_.size(); }
  // In the order of their hits.
  const std::vector<Entry>& Entries() const { return entries_; }
  const AWaveformScale& ScaleOf(const Entry& entry) const { return scales_[entry.Scale]; }

  // The entry of the hit with that index in the records, or null.
  const Entry* Find(std::uint32_t hit) const;
  bool Has(std::uint32_t hit) const { return Find(hit) != nullptr; }

  // Reads the waveform of an entry from the file at `fileName`. The file must still hold it
  // where it was: a waveform of the hit's time and channel. Raises EDataFile when the file
  // cannot be read there or holds something else (it changed since it was loaded).
  ZTWaveform Read(const std::string& fileName, const Entry& entry, const ZTShortHit& hit) const;

  // Building, while the records are loaded: room for n entries, then the entries in any order,
  // then Finish, which puts them in the order of their hits.
  void Reserve(std::size_t n);
  // The index of the scale in the table: the same scale is kept once. When the table is full
  // the scale becomes an unknown one (samples as counts).
  std::uint16_t ScaleIndex(const AWaveformScale& scale);
  void Add(std::uint32_t hit, std::int64_t offset, std::uint16_t scale);
  void Finish();

 private:
  std::vector<Entry> entries_;
  std::vector<AWaveformScale> scales_ = {AWaveformScale()};  // entry 0: unknown
  std::uint16_t lastScale_ = 0;
};

static_assert(ZTWaveformIndex::EntryBytes == 12, "a waveform costs the data set 12 bytes");

}  // namespace ae
