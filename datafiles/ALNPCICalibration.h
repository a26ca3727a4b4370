#pragma once
// The per-channel calibration of an A-Line PCI file: 128 rows, one per channel index, built
// from the entries of the channel characteristic block of the configuration. The reader turns
// raw ADC values into dB with it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

namespace ae {

// The fields of one 1168-byte channel entry that the reader uses.
struct ALNPCIChannelEntry {
  static constexpr std::size_t Size = 1168;

  std::uint32_t Index = 0;  // channel index, 0-based
  std::int32_t Gain = 0;    // dB
  float DAdc = 0;           // one ADC step in uV
  std::uint32_t AdcBit1 = 0;
  std::uint32_t Freq1 = 0;  // sampling frequency in kHz; the low 16 bits are used
  std::uint32_t AdcBit2 = 0;
  std::uint32_t Freq2 = 0;
  std::uint16_t GPre = 0;
  std::uint16_t DevType = 0;  // selects the energy formula
  std::uint16_t FltType = 0;
  std::uint16_t ModVers = 0;

  // From Size bytes.
  static ALNPCIChannelEntry Decode(const std::uint8_t* p);
};

class ALNPCICalibration {
 public:
  static constexpr std::size_t Channels = 128;
  static constexpr double DIn = 1000.0;

  struct Row {
    int Channel = 0;  // index + 1
    double DAdc = 0;
    double DIn = 0;
    std::int32_t Gain = 0;
    std::uint16_t Freq = 0;
    double K = 0;  // uV per ADC step at the sensor
    std::uint16_t DevType = 0;
  };

  ALNPCICalibration() = default;  // every row zero
  // Entries whose index lies outside the table keep their place in Entries() but fill no row;
  // of two entries with the same index the later one counts.
  explicit ALNPCICalibration(std::vector<ALNPCIChannelEntry> entries);

  // The row of a channel index; indexes outside the table get an all-zero row, so that a
  // damaged channel number never reaches beyond the table.
  const Row& RowOf(std::uint32_t index) const;
  const std::vector<ALNPCIChannelEntry>& Entries() const { return entries_; }

  // "Channel's characteristic Array:" and "Hardware configuration block:", one line per entry.
  void Dump(std::ostream& os) const;

 private:
  std::array<Row, Channels> rows_{};
  std::vector<ALNPCIChannelEntry> entries_;
};

}  // namespace ae
