#pragma once
// The waveforms of an exported file beside the records of "aetool export --format hdf5": the
// dataset "waveforms" (int16, one row per waveform, as many columns as the longest waveform,
// shorter rows padded with 0) and the compound dataset "waveform_index", whose row i describes
// row i of "waveforms": where the waveform is among the records, its hit, and what scales it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/aetool/WaveformTable.h"

namespace ae {

#pragma pack(push, 1)
struct Hdf5WaveformRow {
  std::int64_t Record;  // the export index of its message 173
  std::int64_t Hit;     // the export index of its hit, -1 if none
  double TimeSeconds;
  std::uint8_t Channel;
  std::uint32_t Samples;
  double SampleRateHz;  // NaN when its channel has no recorder setup
  std::int32_t DelaySamples;
  double VoltsPerCount;  // NaN when its channel has no recorder setup
  double GainDb;         // 0 when the file gives no gain for the channel
  double PreampDb;       // NaN when the file gives no preamplifier gain
};
#pragma pack(pop)

inline constexpr const char* Hdf5WaveformsName = "waveforms";
inline constexpr const char* Hdf5WaveformIndexName = "waveform_index";
inline constexpr std::size_t Hdf5WaveformColumnCount = 10;
inline constexpr std::array<const char*, Hdf5WaveformColumnCount> Hdf5WaveformColumnNames = {
    "record",         "hit",           "time_s",          "channel", "samples",
    "sample_rate_hz", "delay_samples", "volts_per_count", "gain_db", "preamp_db"};
inline constexpr std::array<const char*, Hdf5WaveformColumnCount> Hdf5WaveformColumnUnits = {"",   "", "s", "",   "",
                                                                                             "Hz", "", "V", "dB", "dB"};

// The row of "waveform_index" for a waveform of the table.
Hdf5WaveformRow MakeHdf5WaveformRow(const WaveformRow& row);

// Writes both datasets into the open HDF5 file, reading the samples from the source file. False
// when the library fails; EDataFile when the source cannot be read.
bool WriteHdf5Waveforms(std::int64_t file, const WaveformTable& table, const std::string& sourceFile);

}  // namespace ae
