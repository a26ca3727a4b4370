#include "filter/ui/TAboutBox.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/AboutFacts.h"
#include "ui/ProgramIcon.h"

namespace ae {

namespace {

constexpr int IconSize = 64;

}  // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
  setWindowTitle(tr("About..."));
  setModal(true);

  icon_ = new QLabel(this);
  icon_->setPixmap(ProgramIcon::Pixmap(ProgramIcon::Zmfwin, IconSize));
  icon_->setFixedSize(IconSize, IconSize);
  icon_->setToolTip(tr("Double-click"));
  icon_->installEventFilter(this);

  auto* product = new QLabel("<b>AE Sorvel</b>", this);
  auto* comment = new QLabel(tr("Acoustic emission data filter"), this);
  auto* build = new QLabel(tr("Build :"), this);
  auto* buildValue = new QLabel(AboutFacts::Version(), this);
  auto* memory = new QLabel(tr("Memory Used"), this);
  auto* memoryValue = new QLabel(AboutFacts::MemoryLoadText(), this);
  QLabel* link = AboutFacts::NewMakerLink(this);

  auto* facts = new QGridLayout;
  facts->addWidget(product, 0, 0, 1, 2);
  facts->addWidget(comment, 1, 0, 1, 2);
  facts->addWidget(build, 2, 0);
  facts->addWidget(buildValue, 2, 1);
  facts->addWidget(memory, 3, 0);
  facts->addWidget(memoryValue, 3, 1);
  facts->addWidget(link, 4, 0, 1, 2);
  facts->setColumnStretch(1, 1);

  auto* top = new QHBoxLayout;
  top->addWidget(icon_, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(facts);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  timer_ = new QTimer(this);
  timer_->setInterval(200);
  connect(timer_, &QTimer::timeout, this, &TAboutBox::NextFrame);
}

bool TAboutBox::IsAnimating() const { return timer_->isActive(); }

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == icon_ && event->type() == QEvent::MouseButtonDblClick) {
    ToggleAnimation();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TAboutBox::ToggleAnimation() {
  if (timer_->isActive()) {
    timer_->stop();
    frame_ = 0;
    icon_->setPixmap(ProgramIcon::Pixmap(ProgramIcon::Zmfwin, IconSize));
  } else {
    timer_->start();
  }
}

void TAboutBox::NextFrame() {
  frame_ = (frame_ + 1) % ProgramIcon::FrameCount;
  icon_->setPixmap(ProgramIcon::Pixmap(ProgramIcon::Zmfwin, IconSize, frame_));
}

}  // namespace ae
