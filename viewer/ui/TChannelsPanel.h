#pragma once
// The channels panel: a colour square and a check box for each of the 128 channels in two
// columns (1..32 then 65..96 on the left, 33..64 then 97..128 on the right), and the buttons
// "All" and "Refresh". The boxes show the channel selection; it changes only with "Refresh".
#include <QWidget>
#include <array>

#include "viewer/core/ChannelList.h"

class QCheckBox;
class QPushButton;

namespace ae {

class TChannelsPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int PanelWidth = 145;
  // The scrolled area of the channel entries, within the panel and beside its scroll bar.
  static constexpr int AreaWidth = PanelWidth - 20;

  explicit TChannelsPanel(QWidget* parent = nullptr);

  // The boxes from a channel selection, the squares in the channel colours.
  void SetChecked(const AChannelSet& channels);
  AChannelSet Checked() const;
  QCheckBox* Box(int channel) const { return boxes_[static_cast<std::size_t>(channel - 1)]; }
  // The place of a channel's square in the scrolled area, as laid out.
  static QPoint SquarePlace(int channel);

  // "All": every box to the toggle, then the toggle inverted (the first use unchecks them).
  void AllClick();
  bool AllToggle() const { return all_; }

  QPushButton* AllButton() const { return allButton_; }
  QPushButton* RefreshButton() const { return refreshButton_; }

 signals:
  void RefreshRequested();

 private:
  std::array<QCheckBox*, 128> boxes_{};
  QPushButton* allButton_;
  QPushButton* refreshButton_;
  bool all_ = false;
};

}  // namespace ae
