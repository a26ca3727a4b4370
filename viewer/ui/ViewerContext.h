#pragma once
// What the viewer's command handlers work on: the window's parts and the program's state. The
// main window assembles it; each handler takes only this.
#include <QKeySequence>
#include <QString>

#include "viewer/core/AOptions.h"
#include "viewer/core/AProtocol.h"
#include "viewer/core/ATestSetup.h"

class QAction;
class QMainWindow;
class QToolBar;

namespace ae {

// The viewer's title: the main window's caption, alone or before the loaded file's name.
inline constexpr const char* ProgramTitle = "AE Varnel";

class StatusPanels;
class TChannelsPanel;
class TMainDataModule;
class TZTPageControl;

struct ViewerContext {
  QMainWindow* Window = nullptr;
  AOptions* Options = nullptr;
  ATestSetup* Setup = nullptr;
  AProtocol* Protocol = nullptr;
  TZTPageControl* Pages = nullptr;
  StatusPanels* Status = nullptr;
  TChannelsPanel* Channels = nullptr;
  QToolBar* ToolBar = nullptr;
  TMainDataModule* Data = nullptr;  // null when the table store could not be opened
  QString ProgramDir;               // the program's folder: the protocol file, the last changes

  // Every graph renders again.
  void Redraw() const;
  // The status bar's counters.
  void RefreshStatus() const;
  // The event counter, after the graphs have drawn (they count the events): in event view with
  // a file loaded.
  void RefreshEvents() const;
  void RedrawAndRefresh() const {
    Redraw();
    RefreshStatus();
  }
  // "AE Varnel", or "AE Varnel - FILE" with a loaded file.
  void SetCaption(const QString& fileName) const;
  bool HasData() const;
};

// A checkable or plain action with the object name tests trigger it by.
QAction* MakeAction(QObject* owner, const char* objectName, const QString& text, const QKeySequence& key = {},
                    bool checkable = false);

}  // namespace ae
