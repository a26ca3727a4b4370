#pragma once
// The commands that open the viewer's other windows (test setup, information, framed data,
// sets statistic, options, graph database, protocol, last changes, about) and the help topics.
#include <QObject>
#include <exception>

#include "viewer/ui/ViewerContext.h"

class QAction;

namespace ae {

class WindowCommands : public QObject {
  Q_OBJECT

 public:
  // The help topics of the viewer in the shared help file.
  enum HelpTopic : int { htZemtal = 1, htVarnel = 101, htHotKeys = 150, htQuickTour = 170 };

  explicit WindowCommands(const ViewerContext& context, QObject* parent = nullptr);

  QAction* TestSetupAction;
  QAction* DataFileInfoAction;
  QAction* ShowFramedDataAction;
  QAction* ShowSetsStatisticAction;
  QAction* WaveformAction;
  QAction* OptionsAction;
  QAction* GraphDataBaseAction;
  QAction* ProtocolViewAction;
  QAction* ZemtalHelpAction;
  QAction* VarnelHelpAction;
  QAction* QuickTourAction;
  QAction* HotKeysAction;
  QAction* LastChangesAction;
  QAction* AboutAction;

 private:
  void TestSetupActionExecute();
  void OptionsActionExecute();
  void DataFileInfoActionExecute();
  void ProtocolViewActionExecute();
  void LastChangesActionExecute();
  void AboutActionExecute();
  void ShowFramedDataExecute();
  void ShowStatisticExecute();
  void WaveformExecute();
  // On OK the pages are built again from what the window wrote.
  void GraphDataBaseExecute();
  // A window that could not be made: its reason in an error box.
  void Failed(const std::exception& error);

  const ViewerContext& context_;
};

}  // namespace ae
