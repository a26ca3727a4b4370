#pragma once
// "Last changes information": a read-only text, either the protocol of the viewer's run
// ("Protocol data view") or the suite's change history, an HTML file whose path the status line
// shows.
#include <QDialog>

#include "viewer/core/AProtocol.h"

class QStatusBar;
class QTextEdit;

namespace ae {

class TFLastChanges : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* FileName = "techinfo.html";

  // The protocol lines.
  TFLastChanges(const AProtocol& protocol, QWidget* owner);
  // The HTML file at path; FileRead says whether it could be read.
  TFLastChanges(const QString& path, QWidget* owner);

  // The protocol window over owner.
  static void ShowProtocol(const AProtocol& protocol, QWidget* owner);
  // The last changes shipped with the program: "techinfo.html" beside the program in programDir,
  // else in the installed data folder. When there is none (or it cannot be read) an error box says
  // so for the file beside the program and the result is false.
  static bool ShowLastChanges(const QString& programDir, QWidget* owner);

  bool FileRead() const { return fileRead_; }
  QTextEdit* RichEdit1() const { return richEdit1_; }
  // Room for the text at first; placing the window sizes it to this.
  QSize sizeHint() const override { return {640, 480}; }
  QStatusBar* StatusBar1() const { return statusBar1_; }

 private:
  explicit TFLastChanges(QWidget* owner);

  QTextEdit* richEdit1_;
  QStatusBar* statusBar1_;
  bool fileRead_ = false;
};

}  // namespace ae
