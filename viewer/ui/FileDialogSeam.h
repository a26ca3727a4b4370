#pragma once
// The viewer's open and save dialogs go through here, so that tests can answer them: with a
// handler installed no dialog opens and the handler names the file (empty: cancelled).
#include <QString>
#include <functional>

class QWidget;

namespace ae {

class FileDialogSeam {
 public:
  enum class Mode { Open, Save };
  using Handler = std::function<QString(Mode mode, const QString& caption)>;

  // The data file filter of both dialogs.
  static const QString& DataFileFilter();
  // A filter "Text|*.a;*.b|..." as Qt writes it ("Text (*.a *.b);;...").
  static QString QtFilter(const QString& filter);

  // An existing file to open, or empty.
  static QString OpenFileName(QWidget* owner, const QString& caption, const QString& filter);
  // A file to save into (an existing one is replaced without a question), or empty.
  static QString SaveFileName(QWidget* owner, const QString& caption, const QString& filter);

  static void SetHandler(Handler handler);
  static void ClearHandler();
};

}  // namespace ae
