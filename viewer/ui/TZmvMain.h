#pragma once
// The viewer's main window, "AE Varnel": menus, tool bar, channels panel, status bar and the
// graph pages. It only assembles: the commands live in their handlers, the pages in the page
// control, the selection and time window in the core.
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "viewer/core/AProtocol.h"
#include "viewer/ui/ViewerContext.h"

class QToolBar;

namespace ae {

class FileCommands;
class MouseHost;
class ReportCommands;
class SetsCommands;
class StatusPanels;
class TChannelsPanel;
class TMainDataModule;
class TZTPageControl;
class TimeWindowCommands;
class ViewCommands;
class WindowCommands;

struct ViewerStart {
  QStringList Arguments;  // the command line after the program name
  QString SetupFile;      // the default test setup: the program's path with ".INI"
  QString ProgramDir;     // where "_Protocol.txt" and the last-changes file live
  std::string StorePath;  // the table store

  // The start of the program as it was called.
  static ViewerStart FromApplication();
};

class TZmvMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TZmvMain(const ViewerStart& start, QWidget* parent = nullptr);
  ~TZmvMain() override;

  TZTPageControl& Pages() const { return *pages_; }
  AProtocol& Protocol() { return protocol_; }
  StatusPanels& Status() const { return *status_; }
  TChannelsPanel& Channels() const { return *channels_; }
  FileCommands& Files() const { return *files_; }
  ReportCommands& Reports() const { return *reports_; }
  ViewCommands& View() const { return *view_; }
  SetsCommands& Sets() const { return *sets_; }
  TimeWindowCommands& TimeWindow() const { return *timeWindow_; }
  WindowCommands& Windows() const { return *windows_; }
  QToolBar& ToolBar() const { return *toolBar_; }
  const ViewerContext& Context() const { return context_; }
  // True once the start (loading the command line's file or building the pages) has run.
  bool Started() const { return started_; }

  // The start after the window is first shown.
  void FormShow();
  // The end: window state into the options, options saved, "ZMV closed", the protocol file.
  void Shutdown();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();

  ViewerStart start_;
  AProtocol protocol_;
  ViewerContext context_;
  std::unique_ptr<TMainDataModule> data_;
  std::unique_ptr<MouseHost> mouseHost_;
  TZTPageControl* pages_;
  std::unique_ptr<StatusPanels> status_;  // not a QObject: owned here
  TChannelsPanel* channels_;
  QToolBar* toolBar_;
  FileCommands* files_;
  ReportCommands* reports_;
  ViewCommands* view_;
  SetsCommands* sets_;
  TimeWindowCommands* timeWindow_;
  WindowCommands* windows_;
  bool started_ = false;
  bool shownOnce_ = false;
  bool shutDown_ = false;
};

}  // namespace ae
