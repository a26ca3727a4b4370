#include "viewer/ui/TFWaveform.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <optional>

#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "viewer/ui/TWaveformView.h"

namespace ae {

TFWaveform::TFWaveform(const ZTDataSet& data, std::size_t hit, QWidget* owner)
    : QDialog(owner), data_(data), hits_(data) {
  setObjectName(QStringLiteral("FWaveform"));
  setWindowTitle(tr("Waveform"));
  setModal(true);

  position_ = new QLabel(this);
  position_->setObjectName(QStringLiteral("PositionLabel"));
  view_ = new TWaveformView(this);
  previous_ = new QPushButton(tr("< &Previous"), this);
  previous_->setObjectName(QStringLiteral("PreviousBtn"));
  next_ = new QPushButton(tr("&Next >"), this);
  next_->setObjectName(QStringLiteral("NextBtn"));
  decibels_ = new QCheckBox(tr("Spectrum in &dB"), this);
  decibels_->setObjectName(QStringLiteral("DecibelsCheck"));
  decibels_->setChecked(true);
  copy_ = new QPushButton(tr("&Copy"), this);
  copy_->setObjectName(QStringLiteral("CopyBtn"));
  copy_->setToolTip(tr("Put the picture on the clipboard"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("CloseBtn"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(previous_);
  bottom->addWidget(next_);
  bottom->addSpacing(16);
  bottom->addWidget(decibels_);
  bottom->addStretch(1);
  bottom->addWidget(copy_);
  bottom->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(position_);
  layout->addWidget(view_, 1);
  layout->addLayout(bottom);

  connect(previous_, &QPushButton::clicked, this, &TFWaveform::PreviousClick);
  connect(next_, &QPushButton::clicked, this, &TFWaveform::NextClick);
  connect(copy_, &QPushButton::clicked, this, &TFWaveform::CopyClick);
  connect(decibels_, &QCheckBox::toggled, this, [this](bool on) {
    view_->Plot().SetSpectrumDb(on);
    view_->Refresh();
  });

  resize(960, 720);
  ShowHitAt(hit);
  CenterOnOwner(this, owner);
}

QString TFWaveform::NoWaveformsText() { return tr("No hit of the loaded data file has a waveform that can be shown."); }

void TFWaveform::ShowFirst(const ZTDataSet& data, QWidget* owner) {
  const std::optional<std::size_t> first = AWaveformHits(data).First();
  if (!first) {
    MessageSeam::Show(owner, MessageSeam::Kind::Information, NoWaveformsText(), tr("Waveform"));
    return;
  }
  ShowHit(data, *first, owner);
}

void TFWaveform::ShowHit(const ZTDataSet& data, std::size_t hit, QWidget* owner) {
  TFWaveform window(data, hit, owner);
  window.exec();
}

void TFWaveform::ShowHitAt(std::size_t hit) {
  hit_ = hit;
  const ZTShortHit rec = hit < data_.Recs.size() ? data_.Recs[hit] : ZTShortHit();
  std::optional<ZTWaveform> wave;
  QString why = tr("This hit has no waveform.");
  try {
    wave = data_.ReadWaveform(hit);
  } catch (const std::exception& error) {
    why = QString::fromUtf8(error.what());
  }
  view_->Plot().SetHit(rec, std::move(wave), why);
  view_->Refresh();

  const std::optional<std::size_t> at = hits_.Position(hit);
  // Whole sentences for either kind of hits: a translation may need other words around them.
  const bool framed = hits_.FramedOnly();
  if (at)
    position_->setText((framed ? tr("Waveform %1 of %2 (framed hits with a waveform)")
                               : tr("Waveform %1 of %2 (hits with a waveform)"))
                           .arg(*at)
                           .arg(hits_.Count()));
  else
    position_->setText((framed ? tr("%1 framed hits with a waveform; this hit is not one of them")
                               : tr("%1 hits with a waveform; this hit is not one of them"))
                           .arg(hits_.Count()));
  UpdateButtons();
}

void TFWaveform::keyPressEvent(QKeyEvent* event) {
  // The keys step as the buttons do; the others (Escape closes) as in any dialog.
  switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_Left: PreviousClick(); break;
    case Qt::Key_PageDown:
    case Qt::Key_Right: NextClick(); break;
    default: QDialog::keyPressEvent(event); break;
  }
}

void TFWaveform::UpdateButtons() {
  previous_->setEnabled(hits_.Previous(hit_).has_value());
  next_->setEnabled(hits_.Next(hit_).has_value());
  copy_->setEnabled(view_->Plot().HasWaveform());
}

void TFWaveform::PreviousClick() {
  if (const std::optional<std::size_t> hit = hits_.Previous(hit_)) ShowHitAt(*hit);
}

void TFWaveform::NextClick() {
  if (const std::optional<std::size_t> hit = hits_.Next(hit_)) ShowHitAt(*hit);
}

void TFWaveform::CopyClick() { QGuiApplication::clipboard()->setImage(view_->Picture()); }

}  // namespace ae
