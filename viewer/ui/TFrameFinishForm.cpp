#include "viewer/ui/TFrameFinishForm.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ae {

TFrameFinishForm::TFrameFinishForm(int* choice, QWidget* owner) : QDialog(owner), choice_(choice) {
  setObjectName(QStringLiteral("FrameFinishForm"));
  setWindowTitle(tr("Warning"));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(tr("The allowable amount of frames is exceeded. Choose one of the folowing: "), this);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* group = new QGroupBox(this);
  group->setObjectName(QStringLiteral("RadioGroup1"));
  auto* groupLayout = new QVBoxLayout(group);
  radioGroup1_ = new QButtonGroup(this);
  int index = 0;
  for (const char* item : {QT_TR_NOOP("Delete all frames, except new frame"), QT_TR_NOOP("Ignore new frame"),
                           QT_TR_NOOP("Groop existing frames with \"AND\", add new frame"),
                           QT_TR_NOOP("Groop existing frames with \"OR\", add new frame")}) {
    auto* button = new QRadioButton(tr(item), group);
    button->setChecked(index == 0);
    radioGroup1_->addButton(button, index++);
    groupLayout->addWidget(button);
  }
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    OKBtnClick();
    accept();
  });
  layout->addWidget(buttons);
}

void TFrameFinishForm::OKBtnClick() {
  if (choice_ != nullptr) *choice_ = radioGroup1_->checkedId();
}

}  // namespace ae
