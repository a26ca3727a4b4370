#include "filter/ui/FormLayout.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace ae {

QGroupBox* NewGroupBox(const QString& title, QWidget* parent) { return new QGroupBox(title, parent); }

void TightenLayout(QLayout* layout, int margin, int spacing) {
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(spacing);
}

QRadioButton* AddRadioItem(QButtonGroup* group, QLayout* layout, const QString& text, QWidget* parent) {
  auto* button = new QRadioButton(text, parent);
  group->addButton(button, group->buttons().size());
  layout->addWidget(button);
  return button;
}

void CheckItem(QButtonGroup* group, int item) {
  if (QAbstractButton* button = group->button(item)) button->setChecked(true);
}

void SetTextKept(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

}  // namespace ae
