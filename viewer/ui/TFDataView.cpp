#include "viewer/ui/TFDataView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <exception>

#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/ADataListing.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ViewerMessages.h"

namespace ae {

TFDataView::TFDataView(const ZTDataSet& data, const AOptions& options, const ATestSetup& setup, QWidget* owner)
    : QDialog(owner), data_(data), options_(options), setup_(setup) {
  setObjectName(QStringLiteral("FDataView"));
  setWindowTitle(tr("Data view.."));
  // The columns line up only in a fixed-pitch font.
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  auto* layout = new QVBoxLayout(this);
  label1_ = new QLabel(this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setFont(fixed);
  label1_->setTextFormat(Qt::PlainText);
  layout->addWidget(label1_);
  richEdit1_ = new QPlainTextEdit(this);
  richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  richEdit1_->setReadOnly(true);
  richEdit1_->setFont(fixed);
  richEdit1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  richEdit1_->setUndoRedoEnabled(false);
  layout->addWidget(richEdit1_, 1);
  // The header stands over the columns of the text below it.
  label1_->setIndent(richEdit1_->frameWidth() + static_cast<int>(richEdit1_->document()->documentMargin()));

  auto* bottom = new QHBoxLayout;
  checkBoxEventView_ = new QCheckBox(tr("Event view"), this);
  checkBoxEventView_->setObjectName(QStringLiteral("CheckBoxEventView"));
  checkBoxShadowHits_ = new QCheckBox(tr("Show secondary (shadow) hits"), this);
  checkBoxShadowHits_->setObjectName(QStringLiteral("CheckBoxShadowHits"));
  bottom->addWidget(checkBoxEventView_);
  bottom->addWidget(checkBoxShadowHits_);
  bottom->addStretch(1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
  resize(820, 520);

  checkBoxEventView_->setChecked(options.EventsView);
  BuildListing();
  // Connected only now: checking the box above must not build the listing twice.
  connect(checkBoxEventView_, &QCheckBox::toggled, this, &TFDataView::BuildListing);
  connect(checkBoxShadowHits_, &QCheckBox::toggled, this, &TFDataView::BuildListing);
  CenterOnOwner(this, owner);
}

void TFDataView::BuildListing() {
  richEdit1_->clear();
  label1_->clear();
  const bool eventsView = options_.EventsView || checkBoxEventView_->isChecked();
  const bool showShadow = options_.SecondAsShadow || checkBoxShadowHits_->isChecked();
  ADataListing listing;
  try {
    listing.Build(data_, setup_, eventsView, showShadow);
  } catch (const std::exception& error) {
    MessageSeam::Show(this, MessageSeam::Kind::Warning, QString::fromUtf8(error.what()), Q(ViewerText(vmWarning)));
    return;
  }
  label1_->setText(Q(listing.Header));
  // One edit block for all lines: the document lays itself out once.
  QTextCursor cursor(richEdit1_->document());
  cursor.beginEditBlock();
  QTextCharFormat format;
  bool first = true;
  for (const ADataListingLine& line : listing.Lines) {
    format.setForeground(QColor::fromRgb(line.Color));
    if (!first) cursor.insertBlock();
    first = false;
    cursor.insertText(Q(line.Text), format);
  }
  cursor.endEditBlock();
  richEdit1_->moveCursor(QTextCursor::Start);
  if (listing.TimeOrderError)
    MessageSeam::Show(this, MessageSeam::Kind::Warning, Q(ViewerText(vmNotSortedEventView)), Q(ViewerText(vmError)));
}

}  // namespace ae
