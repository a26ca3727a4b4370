#include "viewer/ui/TFDataInfo.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <exception>

#include "datafiles/DataFileOpen.h"
#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/ViewerMessages.h"

namespace ae {

TFDataInfo::TFDataInfo(const std::string& fileName, QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("FDataInfo"));
  setWindowTitle(tr("Data File Information"));
  setModal(true);

  richEdit1_ = new QTextEdit(this);
  richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  richEdit1_->setReadOnly(true);
  richEdit1_->setLineWrapMode(QTextEdit::NoWrap);
  // The header text and the channel table of the summary line up only in a fixed-pitch font.
  richEdit1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  richEdit1_->setTabStopDistance(8 * richEdit1_->fontMetrics().horizontalAdvance(QLatin1Char('x')));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(richEdit1_);
  layout->addWidget(buttons);

  // Plain text: a header may hold anything, markup included.
  try {
    richEdit1_->setPlainText(Q(ViewerText(vmFileNameLabel) + fileName + "\n\n" + DescribeDataFile(fileName)));
  } catch (const std::exception& error) {
    MessageSeam::Show(owner, MessageSeam::Kind::Warning, Q(error.what()), Q(ViewerText(vmWarning)));
    richEdit1_->clear();
  }
  CenterOnOwner(this, owner);
}

void TFDataInfo::Execute(const std::string& fileName, QWidget* owner) {
  TFDataInfo window(fileName, owner);
  window.exec();
}

}  // namespace ae
