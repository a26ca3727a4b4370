#include "datafiles/ALNCalibration.h"

#include <cmath>

namespace ae {

namespace {

const ALNCalibration::Entry& DefaultEntry() {
  static const ALNCalibration::Entry entry = ALNCalibration::Entry::Default();
  return entry;
}

bool InTable(int channel) { return channel >= 0 && channel < ALNCalibration::Channels; }

}  // namespace

void ALNCalibration::Entry::Recompute() {
  double p = 0.0;
  if (Mode == 1) p = Preamp;
  else if (Mode == 2) p = Preamp * 0.0001;
  const bool divisible = Scale != 0 && Divisor != 0 && p != 0.0;
  const double argument = divisible ? static_cast<double>(Reference) * 1000.0 / Scale / Divisor / p : 0.0;
  Base = argument > 0.0 && std::isfinite(argument) ? 20.0 * std::log10(argument) : 0.0;
  Gain = GainCode * 0.375;
  Total = Base + Gain;
}

ALNCalibration::Entry ALNCalibration::Entry::Default() {
  Entry entry;
  entry.Recompute();
  return entry;
}

ALNCalibration::ALNCalibration() { ResetToDefaults(); }

ALNCalibration& ALNCalibration::Shared() {
  static ALNCalibration table;
  return table;
}

const ALNCalibration::Entry& ALNCalibration::At(int channel) const {
  return InTable(channel) ? entries_[static_cast<unsigned>(channel)] : DefaultEntry();
}

double ALNCalibration::AmplitudeDb(int channel, std::uint16_t raw) const {
  if (raw == 0) return 0.0;
  return 20.0 * std::log10(static_cast<double>(raw)) + Total(channel);
}

bool ALNCalibration::ApplyChannelSetup(int channel, std::uint16_t setupValue, std::uint8_t gainCode) {
  if (!InTable(channel)) return false;
  Entry& entry = entries_[static_cast<unsigned>(channel)];
  entry.GainCode = gainCode;
  entry.SetupValue = setupValue;
  entry.Recompute();
  return true;
}

bool ALNCalibration::SetEntry(int channel, const Entry& entry) {
  if (!InTable(channel)) return false;
  Entry& target = entries_[static_cast<unsigned>(channel)];
  target = entry;
  target.Recompute();
  return true;
}

void ALNCalibration::ResetToDefaults() { entries_.fill(DefaultEntry()); }

}  // namespace ae
