#pragma once

#include <QPointer>
#include <QSet>
#include <QWidget>

class QTextBrowser;

namespace ae {

// The help window. The help file "DAVIZ.UDU" is one HTML document (UTF-8) whose topics start at
// anchors named by their context number (<a name="160">); the window shows the document
// scrolled to the topic of a context. Both programs share the file; one help window serves the
// whole program, titled "<program title> - Help".
class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* FileName = "DAVIZ.UDU";

  // The help file for a program in programDir: "DAVIZ.UDU" in the program's folder, else in the
  // installed data folder (share/zemtal beside bin); empty when there is none.
  static QString FindHelpFile(const QString& programDir);
  // The program's help file; empty means none is set and help requests do nothing.
  static void SetHelpFile(const QString& path);
  static QString HelpFile();
  // The program's title for the window's caption ("AE Sorvel" gives "AE Sorvel - Help"); set it
  // at start, with the help file.
  static void SetProgramTitle(const QString& title);

  // Opens the help window at a context; nullptr when no help file is set or it cannot be read.
  static THelpWindow* ShowContext(int context);
  // The open help window, if any.
  static THelpWindow* Instance();

  // Scrolls to a topic; false (showing the contents at the top) when the file has no such topic.
  bool OpenContext(int context);
  bool HasTopic(int context) const { return topics_.contains(context); }
  int CurrentContext() const { return current_; }

 private:
  explicit THelpWindow(const QString& html);

  QTextBrowser* browser_;
  QSet<int> topics_;
  int current_ = 0;
  static QPointer<THelpWindow> instance_;
};

}  // namespace ae
