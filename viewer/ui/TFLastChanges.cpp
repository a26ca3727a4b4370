#include "viewer/ui/TFLastChanges.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QStringList>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/ProgramDataFile.h"
#include "ui/QtText.h"
#include "viewer/core/ViewerMessages.h"

namespace ae {

TFLastChanges::TFLastChanges(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("FLastChanges"));
  setWindowTitle(tr("Last changes information"));
  setModal(true);

  richEdit1_ = new QTextEdit(this);
  richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  richEdit1_->setReadOnly(true);
  richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  richEdit1_->setTabStopDistance(8 * richEdit1_->fontMetrics().horizontalAdvance(QLatin1Char('x')));
  statusBar1_ = new QStatusBar(this);
  statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
  statusBar1_->setSizeGripEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(richEdit1_);
  layout->addWidget(statusBar1_);
}

TFLastChanges::TFLastChanges(const AProtocol& protocol, QWidget* owner) : TFLastChanges(owner) {
  setWindowTitle(Q(ViewerText(vmProtocolView)));
  richEdit1_->setLineWrapMode(QTextEdit::NoWrap);
  QStringList lines;
  for (const std::string& line : protocol.Lines) lines << Q(line);
  richEdit1_->setPlainText(lines.join(QLatin1Char('\n')));
  CenterOnOwner(this, owner);
}

TFLastChanges::TFLastChanges(const QString& path, QWidget* owner) : TFLastChanges(owner) {
  QFile file(path);
  fileRead_ = file.open(QIODevice::ReadOnly);
  if (fileRead_) richEdit1_->setHtml(QString::fromUtf8(file.readAll()));
  statusBar1_->showMessage(path);
  CenterOnOwner(this, owner);
}

void TFLastChanges::ShowProtocol(const AProtocol& protocol, QWidget* owner) {
  TFLastChanges window(protocol, owner);
  window.exec();
}

bool TFLastChanges::ShowLastChanges(const QString& programDir, QWidget* owner) {
  const QString found = FindProgramDataFile(programDir, QString::fromLatin1(FileName));
  if (!found.isEmpty()) {
    TFLastChanges window(found, owner);
    if (window.FileRead()) {
      window.exec();
      return true;
    }
  }
  const QString named = found.isEmpty() ? QDir(programDir).filePath(QString::fromLatin1(FileName)) : found;
  MessageSeam::Show(owner, MessageSeam::Kind::Error,
                    Q(ViewerText(vmFailPrefix)) + named + Q(ViewerText(vmDoesNotExist)), Q(ViewerText(vmErrorDots)));
  return false;
}

}  // namespace ae
