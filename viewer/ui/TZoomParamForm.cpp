#include "viewer/ui/TZoomParamForm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/ViewerMessages.h"

namespace ae {

namespace {

std::optional<std::int32_t> Seconds(const QLineEdit* edit) {
  bool ok = false;
  const int value = edit->text().trimmed().toInt(&ok);
  if (!ok || value < 0) return std::nullopt;
  return value;
}

}  // namespace

TZoomParamForm::TZoomParamForm(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("ZoomParamForm"));
  setWindowTitle(tr("Zoom.."));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit2_ = new QLineEdit(this);
  edit2_->setObjectName(QStringLiteral("Edit2"));
  form->addRow(tr("Minimum time value"), edit1_);
  form->addRow(tr("Maximum time value"), edit2_);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TZoomParamForm::BitBtn1Click);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TZoomParamForm::BitBtn1Click() {
  const std::optional<std::int32_t> from = Seconds(edit1_), to = Seconds(edit2_);
  auto refuse = [this](QLineEdit* field, const QString& text) {
    MessageSeam::Show(this, MessageSeam::Kind::Warning, text, Q(ViewerText(vmWarning)));
    field->setFocus();
    field->selectAll();
  };
  if (!from) return refuse(edit1_, tr("\"%1\" is not a whole number of seconds from 0.").arg(edit1_->text()));
  if (!to) return refuse(edit2_, tr("\"%1\" is not a whole number of seconds from 0.").arg(edit2_->text()));
  if (*from > *to) return refuse(edit1_, tr("The minimum time value is above the maximum time value."));
  from_ = *from;
  to_ = *to;
  accept();
}

}  // namespace ae
