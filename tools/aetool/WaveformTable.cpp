#include "tools/aetool/WaveformTable.h"

#include <algorithm>
#include <cstdio>

#include "datafiles/AWDiskFile.h"
#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "datafiles/ZTShortHit.h"

namespace ae {

namespace {

using Linker = AWaveformLinker<std::size_t>;

}  // namespace

void WaveformTable::Note(AWDiskFile& reader, std::int64_t record, const ZTShortHit& rec) {
  if (rec.Kind == rkHit) {
    if (const std::optional<std::size_t> row =
            linker_.AddHit(Linker::Key(rec.Time.Ticks(), rec.Channel), static_cast<std::uint64_t>(record)))
      rows_[*row].Hit = record;
    return;
  }
  WaveformRow row;
  if (!reader.IsWaveform() || !reader.GetWaveformPlace(row.Place)) return;
  row.Record = record;
  rows_.push_back(row);
  if (const std::optional<std::uint64_t> hit =
          linker_.AddWaveform(Linker::Key(row.Place.Ticks, row.Place.Channel), rows_.size() - 1))
    rows_.back().Hit = static_cast<std::int64_t>(*hit);
}

const WaveformRow* WaveformTable::OfHit(std::int64_t hit) const {
  for (const WaveformRow& row : rows_)
    if (row.Hit == hit) return &row;
  return nullptr;
}

std::size_t WaveformTable::LongestSamples() const {
  std::size_t longest = 0;
  for (const WaveformRow& row : rows_) longest = std::max(longest, static_cast<std::size_t>(row.Place.Samples));
  return longest;
}

ZTWaveform WaveformTable::Read(std::FILE* file, const WaveformRow& row, const std::string& fileName) {
  const std::string changed = "The data file \"" + fileName + "\" changed while its waveforms were read";
  std::uint8_t lengthBytes[2];
  if (fseeko(file, static_cast<off_t>(row.Place.Offset), SEEK_SET) != 0 || std::fread(lengthBytes, 1, 2, file) != 2)
    throw EDataFile(changed);
  std::vector<std::uint8_t> message(GetU16(lengthBytes));
  ZTWaveform wave;
  if (std::fread(message.data(), 1, message.size(), file) != message.size() ||
      !ZTWaveform::Decode(message.data(), static_cast<int>(message.size()), wave) ||
      wave.Time.Ticks() != row.Place.Ticks || wave.Channel != row.Place.Channel)
    throw EDataFile(changed);
  wave.Scale = row.Place.Scale;
  return wave;
}

}  // namespace ae
