#include "viewer/ui/FileDialogSeam.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace ae {

namespace {

FileDialogSeam::RequestHandler& CurrentHandler() {
  static FileDialogSeam::RequestHandler handler;
  return handler;
}

QString Run(QWidget* owner, const FileDialogSeam::Request& request) {
  if (CurrentHandler()) {
    // The handler answers as a typed name: the dialog would add the default suffix to it (to open,
    // only when no file has the name as it stands).
    QString name = CurrentHandler()(request);
    const bool existing = request.mode == FileDialogSeam::Mode::Open && QFileInfo(name).isFile();
    if (!name.isEmpty() && !request.defaultSuffix.isEmpty() && !existing && QFileInfo(name).suffix().isEmpty())
      name += QLatin1Char('.') + request.defaultSuffix;
    return name;
  }
  QFileDialog dialog(owner, request.caption);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilters(FileDialogSeam::QtFilter(request.filter).split(QStringLiteral(";;")));
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.startFolder.isEmpty()) dialog.setDirectory(request.startFolder);
  if (!request.startName.isEmpty()) dialog.selectFile(request.startName);
  if (request.mode == FileDialogSeam::Mode::Open) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

}  // namespace

QString FileDialogSeam::DataFileFilter() {
  return tr(
      "All AE Systems|*.dta;*.dtt;*.ald|DiSP (*.dta)|*.dta|Spartan 3000 (*.dta, *.dtt)|*.dta;*.dtt|"
      "ALine32D(*.ald)|*.ald|Все файлы|*.*");
}

QString FileDialogSeam::QtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      if (pattern == QStringLiteral("*.*")) {
        patterns << QStringLiteral("*");  // every file, with or without an extension
        continue;
      }
      // File names here are case-sensitive; instruments write upper-case extensions.
      patterns << pattern.toLower();
      if (pattern.toUpper() != pattern.toLower()) patterns << pattern.toUpper();
    }
    QString text = parts[i];
    const int open = text.indexOf(QLatin1Char('('));
    if (open >= 0) text = text.left(open).trimmed();
    entries << text + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QStringLiteral(")");
  }
  return entries.join(QStringLiteral(";;"));
}

QString FileDialogSeam::OpenFileName(QWidget* owner, const QString& caption, const QString& filter,
                                     const QString& defaultSuffix) {
  return Run(owner, {Mode::Open, caption, filter, defaultSuffix, false, {}, {}});
}

QString FileDialogSeam::SaveFileName(QWidget* owner, const QString& caption, const QString& filter,
                                     const QString& defaultSuffix, bool confirmOverwrite, const QString& startFolder,
                                     const QString& startName) {
  return Run(owner, {Mode::Save, caption, filter, defaultSuffix, confirmOverwrite, startFolder, startName});
}

void FileDialogSeam::SetHandler(Handler handler) {
  if (!handler) return ClearHandler();
  CurrentHandler() = [handler = std::move(handler)](const Request& request) {
    return handler(request.mode, request.caption);
  };
}

void FileDialogSeam::SetRequestHandler(RequestHandler handler) { CurrentHandler() = std::move(handler); }

void FileDialogSeam::ClearHandler() { CurrentHandler() = nullptr; }

}  // namespace ae
