#include "viewer/ui/TTimeMarkForm.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ae {

namespace {

QSpinBox* MillimetreBox(const char* name, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(30, 300);
  box->setValue(value);
  return box;
}

}  // namespace

TTimeMarkForm::TTimeMarkForm(const QString& graphName, AOptions& options, QWidget* owner)
    : QDialog(owner), options_(options) {
  setObjectName(QStringLiteral("TimeMarkForm"));
  setWindowTitle(tr("Copy to Clipboard"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto* name = new QLabel(graphName, this);
  name->setObjectName(QStringLiteral("lDiagrName"));
  form->addRow(tr("Diagramma:"), name);
  edit1_ = MillimetreBox("Edit1", options.PrnWidth, this);
  edit2_ = MillimetreBox("Edit2", options.PrnHeight, this);
  form->addRow(tr("Width (mm):"), edit1_);
  form->addRow(tr("Height (mm):"), edit2_);
  layout->addLayout(form);

  auto* dpi = new QGroupBox(tr(" DPI "), this);
  dpi->setObjectName(QStringLiteral("RadioGroup1"));
  auto* dpiLayout = new QHBoxLayout(dpi);
  radioGroup1_ = new QButtonGroup(this);
  const int checked = options.PrnDPI == 100 ? 0 : options.PrnDPI == 300 ? 2 : 1;
  int index = 0;
  for (const char* item : {"100", "200", "300"}) {
    auto* button = new QRadioButton(QString::fromLatin1(item), dpi);
    button->setChecked(index == checked);
    radioGroup1_->addButton(button, index++);
    dpiLayout->addWidget(button);
  }
  layout->addWidget(dpi);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    BitBtn1Click();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TTimeMarkForm::BitBtn1Click() {
  options_.PrnWidth = edit1_->value();
  options_.PrnHeight = edit2_->value();
  const int item = radioGroup1_->checkedId();
  options_.PrnDPI = item == 0 ? 100 : item == 2 ? 300 : 200;
}

}  // namespace ae
