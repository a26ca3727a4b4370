#include "viewer/ui/TChannelsPanel.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "viewer/core/GraphColors.h"

namespace ae {

namespace {

// The 13 x 13 square of a channel's colour with its grey outline.
class ChannelSquare : public QFrame {
 public:
  ChannelSquare(int channel, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Square%1").arg(channel));
    setFixedSize(13, 13);
    const QString rgb = QColor::fromRgb(ChannelPalette(channel)).name();
    setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #808080;").arg(rgb));
  }
};

}  // namespace

QPoint TChannelsPanel::SquarePlace(int channel) {
  const int index = channel - 1;
  // Columns of 64 channels: 1..32 and 65..96 left, 33..64 and 97..128 right.
  const bool right = (index / 32) % 2 == 1;
  const int row = (index / 64) * 32 + index % 32;
  const int y = 3 + row * 14 + (row / 8) * 8;
  return QPoint(right ? 62 : 2, y);
}

TChannelsPanel::TChannelsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ChannelsPanel"));
  setFixedWidth(PanelWidth);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ChannelsScrollBox"));
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* area = new QWidget(scroll);
  int bottom = 0;
  for (int c = 1; c <= 128; ++c) {
    const QPoint square = SquarePlace(c);
    (new ChannelSquare(c, area))->move(square);
    auto* box = new QCheckBox(QString::number(c), area);
    box->setObjectName(QStringLiteral("Channel%1").arg(c));
    // The right column reaches the area's edge: its three-digit numbers need the room.
    const int boxLeft = square.x() + 16;
    box->setGeometry(boxLeft, square.y(), square.x() > 2 ? AreaWidth - boxLeft : 40, 14);
    boxes_[static_cast<std::size_t>(c - 1)] = box;
    bottom = std::max(bottom, square.y() + 14);
  }
  area->setFixedSize(AreaWidth, bottom + 3);
  scroll->setWidget(area);
  layout->addWidget(scroll, 1);

  auto* buttons = new QHBoxLayout;
  allButton_ = new QPushButton(tr("All"), this);
  allButton_->setObjectName(QStringLiteral("AllButton"));
  refreshButton_ = new QPushButton(tr("Refresh"), this);
  refreshButton_->setObjectName(QStringLiteral("RefreshButton"));
  buttons->addWidget(allButton_);
  buttons->addWidget(refreshButton_);
  layout->addLayout(buttons);
  connect(allButton_, &QPushButton::clicked, this, &TChannelsPanel::AllClick);
  connect(refreshButton_, &QPushButton::clicked, this, &TChannelsPanel::RefreshRequested);
}

void TChannelsPanel::SetChecked(const AChannelSet& channels) {
  for (int c = 1; c <= 128; ++c) Box(c)->setChecked(channels.test(static_cast<std::size_t>(c - 1)));
}

AChannelSet TChannelsPanel::Checked() const {
  AChannelSet channels;
  for (int c = 1; c <= 128; ++c)
    if (Box(c)->isChecked()) channels.set(static_cast<std::size_t>(c - 1));
  return channels;
}

void TChannelsPanel::AllClick() {
  for (QCheckBox* box : boxes_) box->setChecked(all_);
  all_ = !all_;
}

}  // namespace ae
