#include "ui/THelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/ProgramDataFile.h"

namespace ae {

QPointer<THelpWindow> THelpWindow::instance_;

namespace {

QString& HelpFilePath() {
  static QString path;
  return path;
}

QString& ProgramTitle() {
  static QString title;
  return title;
}

}  // namespace

QString THelpWindow::FindHelpFile(const QString& programDir) { return FindProgramDataFile(programDir, FileName); }

void THelpWindow::SetHelpFile(const QString& path) { HelpFilePath() = path; }

QString THelpWindow::HelpFile() { return HelpFilePath(); }

void THelpWindow::SetProgramTitle(const QString& title) { ProgramTitle() = title; }

THelpWindow* THelpWindow::Instance() { return instance_; }

THelpWindow* THelpWindow::ShowContext(int context) {
  if (HelpFile().isEmpty()) return nullptr;
  if (!instance_) {
    QFile file(HelpFile());
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    instance_ = new THelpWindow(QString::fromUtf8(file.readAll()));
  }
  instance_->show();
  instance_->raise();
  instance_->activateWindow();
  instance_->OpenContext(context);  // after showing: scrolling needs the laid-out page
  return instance_;
}

THelpWindow::THelpWindow(const QString& html) : QWidget(nullptr, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_QuitOnClose, false);  // help never keeps the program alive
  setWindowTitle(ProgramTitle().isEmpty() ? tr("Help") : tr("%1 - Help").arg(ProgramTitle()));
  resize(640, 560);

  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setHtml(html);

  auto* contents = new QPushButton(tr("&Contents"), this);
  connect(contents, &QPushButton::clicked, this, [this] { browser_->scrollToAnchor("contents"); });
  auto* close = new QPushButton(tr("&Close"), this);
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addLayout(buttons);

  static const QRegularExpression anchor(R"re(<a\s+name\s*=\s*"(\d+)")re", QRegularExpression::CaseInsensitiveOption);
  for (auto it = anchor.globalMatch(html); it.hasNext();) topics_.insert(it.next().captured(1).toInt());
}

bool THelpWindow::OpenContext(int context) {
  current_ = context;
  if (!topics_.contains(context)) {
    browser_->scrollToAnchor("contents");
    return false;
  }
  browser_->scrollToAnchor(QString::number(context));
  return true;
}

}  // namespace ae
