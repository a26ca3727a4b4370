#pragma once
// What the information window and "aetool describe" show of a whole data file after its header:
// the product text, the date text and the channels' setup where the format carries them, the
// number of hits and the times of the first and last records that have a time. One pass with
// the file's own reader collects it, so a file of any size is described without being loaded.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ae {

class AWDiskFile;

class ADataFileSummary {
 public:
  // The channel settings, in the order of the columns of the channel table.
  enum class Setting { Gain, Threshold, Hdt, Hlt, Pdt };
  static constexpr int SettingCount = 5;
  // Channel numbers of the setup messages are one byte.
  static constexpr int ChannelCount = 256;

  // SeekFirst, then every record up to an end-of-data record or the last record that can be
  // read whole, as the viewer loads the file. A truncated or damaged file gives the summary of
  // what could be read.
  void Collect(AWDiskFile& reader);

  // The summary lines: "Product definition" and "Test Time and Date" when the file gave those
  // texts, "Number of hits", "First record time" and "Last record time" when a record had a
  // time, and the table of channel settings when the file set any.
  void Write(std::ostream& os) const;

  // For the readers (AWDiskFile::AddToSummary). The first product and date texts are kept; a
  // setting given again replaces the earlier one, so the table shows the setup in force at the
  // end of the data.
  void NoteProduct(std::string_view text);
  void NoteDate(std::string_view text);
  void NoteSetting(int channel, Setting setting, unsigned value);

  // The lines of a text from the file as they can be shown: split at its line ends, control
  // characters dropped, a tab shown as a blank, blanks at either end trimmed, empty lines left out.
  static std::vector<std::string> ShownLines(std::string_view text);

  const std::optional<std::string>& Product() const { return product_; }
  const std::optional<std::string>& Date() const { return date_; }
  std::optional<unsigned> SettingOf(int channel, Setting setting) const;
  std::int64_t Hits() const { return hits_; }
  bool HasTimes() const { return hasTimes_; }
  double FirstTime() const { return firstTime_; }
  double LastTime() const { return lastTime_; }

 private:
  using ChannelSettings = std::array<std::optional<unsigned>, SettingCount>;

  std::optional<std::string> product_;
  std::optional<std::string> date_;
  std::array<ChannelSettings, ChannelCount> settings_{};
  std::int64_t hits_ = 0;
  bool hasTimes_ = false;
  double firstTime_ = 0.0;
  double lastTime_ = 0.0;
};

}  // namespace ae
