#pragma once

#include <QDialog>

class QAction;
class QLineEdit;
class QStatusBar;
class QTextEdit;

namespace ae {

// "Просмотр файла протокола": the report file in a read-only view, with save as, copy and find.
// The view reads the file once when it opens.
class TFProtocolView : public QDialog {
  Q_OBJECT

 public:
  TFProtocolView(const QString& reportPath, QWidget* owner);

  QTextEdit* View() const { return view_; }
  QString Path() const { return path_; }

  // Searches for text from the end of the selection (the start when nothing is selected) to the
  // end, matching letter case; a match is selected and the view focused. False: nothing changes.
  bool FindNext(const QString& text);
  // Saves the view: plain text for a ".txt" name, otherwise rich text (RTF). False on any
  // write error.
  bool SaveTo(const QString& fileName) const;
  // The view's text as an RTF document.
  static QByteArray ToRtf(const QString& text);

 private:
  void SaveAsClick();
  void FindClick();

  QString path_;
  QTextEdit* view_;
  QStatusBar* status_;
  QDialog* find_ = nullptr;
  QLineEdit* findText_ = nullptr;
};

}  // namespace ae
