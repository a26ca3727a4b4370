#include "filter/ui/TFProtocolView.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "filter/ui/FilterBoxes.h"

namespace ae {

TFProtocolView::TFProtocolView(const QString& reportPath, QWidget* owner) : QDialog(owner), path_(reportPath) {
  setWindowTitle("Просмотр файла протокола");
  setModal(true);
  resize(620, 420);

  view_ = new QTextEdit(this);
  view_->setReadOnly(true);
  view_->setLineWrapMode(QTextEdit::NoWrap);
  view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  view_->setTabStopDistance(8 * view_->fontMetrics().horizontalAdvance('x'));
  QFile file(reportPath);
  if (file.open(QIODevice::ReadOnly)) view_->setPlainText(QString::fromUtf8(file.readAll()));

  status_ = new QStatusBar(this);
  status_->setSizeGripEnabled(false);
  status_->showMessage(reportPath);

  auto* menu = new QMenuBar(this);
  QMenu* fileMenu = menu->addMenu("&Файл");
  QAction* saveAs = fileMenu->addAction("Сохранить &Как...");
  connect(saveAs, &QAction::triggered, this, &TFProtocolView::SaveAsClick);
  QAction* print = fileMenu->addAction("&Печать...");
  print->setEnabled(false);
  fileMenu->addSeparator();
  QAction* exit = fileMenu->addAction("&Выход");
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, &QDialog::accept);
  QMenu* editMenu = menu->addMenu("&Правка");
  QAction* copy = editMenu->addAction("&Копировать");
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  connect(copy, &QAction::triggered, view_, &QTextEdit::copy);
  QAction* find = editMenu->addAction("&Поиск...");
  find->setShortcut(QKeySequence(Qt::Key_F3));
  connect(find, &QAction::triggered, this, &TFProtocolView::FindClick);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menu);
  layout->addWidget(view_);
  layout->addWidget(status_);
}

bool TFProtocolView::FindNext(const QString& text) {
  if (text.isEmpty()) return false;
  const int from = view_->textCursor().selectionEnd();
  const QTextCursor match = view_->document()->find(text, from, QTextDocument::FindCaseSensitively);
  if (match.isNull()) return false;
  view_->setTextCursor(match);
  view_->setFocus();
  return true;
}

void TFProtocolView::FindClick() {
  if (!find_) {
    // Downward only, no whole-word or letter-case choices: the search always matches case.
    find_ = new QDialog(this);
    find_->setWindowTitle("Поиск");
    findText_ = new QLineEdit(find_);
    auto* label = new QLabel("&Образец:", find_);
    label->setBuddy(findText_);
    auto* next = new QPushButton("&Найти далее", find_);
    next->setDefault(true);
    auto* cancel = new QPushButton("Отмена", find_);
    connect(next, &QPushButton::clicked, this, [this] { FindNext(findText_->text()); });
    connect(cancel, &QPushButton::clicked, find_, &QDialog::close);
    auto* layout = new QHBoxLayout(find_);
    layout->addWidget(label);
    layout->addWidget(findText_, 1);
    layout->addWidget(next);
    layout->addWidget(cancel);
  }
  find_->show();
  find_->raise();
  find_->activateWindow();
  findText_->setFocus();
  findText_->selectAll();
}

QByteArray TFProtocolView::ToRtf(const QString& text) {
  QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fmodern Courier New;}}\\f0\\fs20\n";
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      rtf += '\\';
      rtf += static_cast<char>(u);
    } else if (u == '\n') {
      rtf += "\\par\n";
    } else if (u == '\t') {
      rtf += "\\tab ";
    } else if (u == '\r') {
      continue;
    } else if (u < 0x80) {
      rtf += static_cast<char>(u);
    } else {
      // RTF takes other characters as signed 16-bit numbers with an ASCII stand-in.
      rtf += "\\u" + QByteArray::number(static_cast<int16_t>(u)) + "?";
    }
  }
  rtf += "}\n";
  return rtf;
}

bool TFProtocolView::SaveTo(const QString& fileName) const {
  const QString text = view_->toPlainText();
  const QByteArray bytes = fileName.endsWith(".txt", Qt::CaseInsensitive) ? text.toUtf8() : ToRtf(text);
  QSaveFile out(fileName);
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (out.write(bytes) != bytes.size()) return false;
  return out.commit();
}

void TFProtocolView::SaveAsClick() {
  QFileDialog dialog(this, "Сохранить файл протокола как..");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({"Rich Text Format (*.rtf)", "Текст ASCII (*.txt)"});
  dialog.setDefaultSuffix("rtf");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  connect(&dialog, &QFileDialog::filterSelected, &dialog,
          [&dialog](const QString& filter) { dialog.setDefaultSuffix(filter.contains("*.txt") ? "txt" : "rtf"); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString name = dialog.selectedFiles().first();
  if (!SaveTo(name)) FilterBoxes::Error(this, tr("Cannot create file \"%1\"").arg(name));
}

}  // namespace ae
