#include "datafiles/ADataFileSummary.h"

#include <iomanip>
#include <ostream>
#include <vector>

#include "datafiles/AWDiskFile.h"
#include "datafiles/StreamFormatGuard.h"

namespace ae {

// The DOS end-of-file mark is among the control characters dropped.
std::vector<std::string> ADataFileSummary::ShownLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  auto endLine = [&] {
    const std::size_t first = line.find_first_not_of(' ');
    if (first != std::string::npos) lines.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
    line.clear();
  };
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n' || c == '\r') endLine();
    else if (c == '\t') line += ' ';
    else if (byte >= 0x20 && byte != 0x7F) line += c;
  }
  endLine();
  return lines;
}

namespace {

// "Label<tabs>: " and the first line; further lines under it, after the colon.
void WriteText(std::ostream& os, const char* label, std::string_view text) {
  os << label;
  const std::vector<std::string> lines = ADataFileSummary::ShownLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) os << (i == 0 ? "" : "\t\t\t  ") << lines[i] << '\n';
  if (lines.empty()) os << '\n';
}

}  // namespace

void ADataFileSummary::Collect(AWDiskFile& reader) {
  reader.SeekFirst();
  while (reader.ReadNext()) {
    if (reader.IsHit()) ++hits_;
    if (reader.HasTime()) {
      const double t = reader.GetTime();
      if (!hasTimes_) firstTime_ = t;
      lastTime_ = t;
      hasTimes_ = true;
    }
    reader.AddToSummary(*this);
    // The viewer reads no further.
    if (reader.IsEndOfData()) break;
  }
}

void ADataFileSummary::NoteProduct(std::string_view text) {
  if (!product_) product_.emplace(text);
}

void ADataFileSummary::NoteDate(std::string_view text) {
  if (!date_) date_.emplace(text);
}

void ADataFileSummary::NoteSetting(int channel, Setting setting, unsigned value) {
  if (channel < 0 || channel >= ChannelCount) return;
  settings_[static_cast<std::size_t>(channel)][static_cast<std::size_t>(setting)] = value;
}

std::optional<unsigned> ADataFileSummary::SettingOf(int channel, Setting setting) const {
  if (channel < 0 || channel >= ChannelCount) return std::nullopt;
  return settings_[static_cast<std::size_t>(channel)][static_cast<std::size_t>(setting)];
}

void ADataFileSummary::Write(std::ostream& os) const {
  StreamFormatGuard guard(os);
  os.flags(std::ios_base::dec);
  os.fill(' ');
  if (product_) WriteText(os, "Product definition\t: ", *product_);
  if (date_) WriteText(os, "Test Time and Date\t: ", *date_);
  os << "Number of hits\t\t: " << hits_ << '\n';
  if (hasTimes_) {
    os << std::fixed << std::setprecision(7);
    os << "First record time\t: " << firstTime_ << " sec" << '\n';
    os << "Last record time\t: " << lastTime_ << " sec" << '\n';
  }

  bool titled = false;
  for (int channel = 0; channel < ChannelCount; ++channel) {
    const ChannelSettings& settings = settings_[static_cast<std::size_t>(channel)];
    bool any = false;
    for (const auto& value : settings) any = any || value.has_value();
    if (!any) continue;
    if (!titled) {
      // The titles of the channel table of the DTA text dump; the columns line up under them.
      os << "Channels setup parameters :" << '\n' << "Chan# Gain(dB) TH(dB) HDT(us) HLT(us) PDT(us)" << '\n';
      titled = true;
    }
    static constexpr int Widths[SettingCount] = {9, 7, 8, 8, 8};
    os << std::setw(5) << channel;
    for (int i = 0; i < SettingCount; ++i) {
      const auto& value = settings[static_cast<std::size_t>(i)];
      os << std::setw(Widths[i]);
      if (value) os << *value;
      else os << '-';
    }
    os << '\n';
  }
}

}  // namespace ae
