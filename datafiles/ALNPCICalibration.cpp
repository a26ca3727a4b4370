#include "datafiles/ALNPCICalibration.h"

#include <cmath>
#include <iomanip>
#include <ostream>
#include <utility>

#include "datafiles/ByteOrder.h"
#include "datafiles/StreamFormatGuard.h"

namespace ae {

namespace {

const ALNPCICalibration::Row ZeroRow{};

}  // namespace

ALNPCIChannelEntry ALNPCIChannelEntry::Decode(const std::uint8_t* p) {
  ALNPCIChannelEntry e;
  e.Index = GetU32(p + 0);
  e.Gain = GetI32(p + 92);
  e.DAdc = GetF32(p + 96);
  e.AdcBit1 = GetU32(p + 348);
  e.Freq1 = GetU32(p + 360);
  e.AdcBit2 = GetU32(p + 508);
  e.Freq2 = GetU32(p + 520);
  e.GPre = GetU16(p + 1108);
  e.DevType = GetU16(p + 1112);
  e.FltType = GetU16(p + 1114);
  e.ModVers = GetU16(p + 1116);
  return e;
}

ALNPCICalibration::ALNPCICalibration(std::vector<ALNPCIChannelEntry> entries) : entries_(std::move(entries)) {
  for (const ALNPCIChannelEntry& e : entries_) {
    if (e.Index >= Channels) continue;
    Row& row = rows_[e.Index];
    row.Channel = static_cast<int>(e.Index) + 1;
    row.DAdc = e.DAdc;
    row.DIn = DIn;
    row.Gain = e.Gain;
    row.Freq = static_cast<std::uint16_t>(e.Freq1);
    row.K = e.DAdc / std::pow(10.0, e.Gain * 0.05);
    row.DevType = e.DevType;
  }
}

const ALNPCICalibration::Row& ALNPCICalibration::RowOf(std::uint32_t index) const {
  return index < Channels ? rows_[index] : ZeroRow;
}

void ALNPCICalibration::Dump(std::ostream& os) const {
  StreamFormatGuard guard(os);
  os << std::dec << std::right << std::setfill(' ');
  os << "Channel's characteristic Array:" << '\n';
  os << std::setw(8) << "Channel" << std::setw(12) << "d_ADC" << std::setw(10) << "d_IN" << std::setw(6) << "Gain"
     << std::setw(8) << "Freq" << std::setw(12) << "K,uV" << '\n';
  os << std::fixed;
  for (const ALNPCIChannelEntry& e : entries_) {
    const Row& row = RowOf(e.Index);
    os << std::setw(8) << row.Channel << std::setprecision(4) << std::setw(12) << row.DAdc << std::setprecision(1)
       << std::setw(10) << row.DIn << std::setw(6) << row.Gain << std::setw(8) << row.Freq << std::setprecision(4)
       << std::setw(12) << row.K << '\n';
  }
  os << "Hardware configuration block:" << '\n';
  os << std::setw(8) << "Channel" << std::setw(12) << "d_ADC" << std::setw(6) << "Gain" << std::setw(10) << "Freq1"
     << std::setw(10) << "Freq2" << std::setw(9) << "ADC_bit1" << std::setw(9) << "ADC_bit2" << std::setw(6) << "GPre"
     << std::setw(8) << "DevType" << std::setw(8) << "FltType" << std::setw(8) << "ModVers" << '\n';
  for (const ALNPCIChannelEntry& e : entries_) {
    os << std::setw(8) << static_cast<std::uint64_t>(e.Index) + 1 << std::setprecision(4) << std::setw(12) << e.DAdc
       << std::setw(6) << e.Gain << std::setw(10) << e.Freq1 << std::setw(10) << e.Freq2 << std::setw(9) << e.AdcBit1
       << std::setw(9) << e.AdcBit2 << std::setw(6) << e.GPre << std::setw(8) << e.DevType << std::setw(8) << e.FltType
       << std::setw(8) << e.ModVers << '\n';
  }
}

}  // namespace ae
