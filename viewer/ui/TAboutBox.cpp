#include "viewer/ui/TAboutBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AboutFacts.h"
#include "ui/DialogPlacement.h"
#include "ui/ProgramIcon.h"

namespace ae {

namespace {

constexpr int IconSize = 64;

QLabel* Label(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("About..."));
  setModal(true);

  QLabel* icon = Label(QString(), "ProgramIcon", this);
  icon->setPixmap(ProgramIcon::Pixmap(ProgramIcon::ZmvWin2, IconSize));
  icon->setFixedSize(IconSize, IconSize);

  auto* facts = new QGridLayout;
  QLabel* product = Label(QString::fromLatin1(ProgramName), "ProductName", this);
  QFont bold = product->font();
  bold.setBold(true);
  product->setFont(bold);
  facts->addWidget(product, 0, 0, 1, 2);
  facts->addWidget(Label(tr("Acoustic emission data viewer"), "Comments", this), 1, 0, 1, 2);
  facts->addWidget(Label(tr("Version :"), "VersionLabel", this), 2, 0);
  facts->addWidget(Label(AboutFacts::Version(), "Version", this), 2, 1);
  facts->addWidget(Label(tr("Memory Used :"), "MemoryLabel", this), 3, 0);
  facts->addWidget(Label(AboutFacts::MemoryLoadText(), "MemoryUsed", this), 3, 1);
  facts->addWidget(AboutFacts::NewMakerLink(this), 4, 0, 1, 2);
  facts->setColumnStretch(1, 1);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(facts);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  CenterOnOwner(this, owner);
}

void TAboutBox::Execute(QWidget* owner) {
  TAboutBox box(owner);
  box.exec();
}

}  // namespace ae
