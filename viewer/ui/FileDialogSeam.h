#pragma once
// The viewer's open and save dialogs go through here, so that tests can answer them: with a
// handler installed no dialog opens and the handler names the file (empty: cancelled).
#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;

namespace ae {

class FileDialogSeam {
  Q_DECLARE_TR_FUNCTIONS(ae::FileDialogSeam)

 public:
  enum class Mode { Open, Save };
  // What a window asks for.
  struct Request {
    Mode mode = Mode::Open;
    QString caption;
    QString filter;         // "Text|*.a;*.b|..."
    QString defaultSuffix;  // added to a chosen name without an extension; empty: none
    bool confirmOverwrite = false;
    QString startFolder;  // the folder the dialog opens in; empty: the dialog's own choice
    QString startName;    // the name it proposes there; empty: none
  };
  using Handler = std::function<QString(Mode mode, const QString& caption)>;
  using RequestHandler = std::function<QString(const Request& request)>;

  // The data file filter of both dialogs, in the program's language ("Все файлы" in either).
  static QString DataFileFilter();
  // A filter "Text|*.a;*.b|..." as Qt writes it ("Text (*.a *.b);;...").
  static QString QtFilter(const QString& filter);

  // An existing file to open, or empty.
  static QString OpenFileName(QWidget* owner, const QString& caption, const QString& filter,
                              const QString& defaultSuffix = {});
  // A file to save into, or empty. An existing one is replaced without a question unless
  // confirmOverwrite asks first. The dialog opens in startFolder with startName proposed.
  static QString SaveFileName(QWidget* owner, const QString& caption, const QString& filter,
                              const QString& defaultSuffix = {}, bool confirmOverwrite = false,
                              const QString& startFolder = {}, const QString& startName = {});

  static void SetHandler(Handler handler);
  static void SetRequestHandler(RequestHandler handler);
  static void ClearHandler();
};

}  // namespace ae
