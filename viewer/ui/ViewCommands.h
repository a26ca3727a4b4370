#pragma once
// The View menu (tool bar, channels panel, tool bar side) and the Data menu's view switches:
// view type, event view, shadow hits, deleted hits, time marks, the channel selection.
#include <QObject>

#include "viewer/ui/ViewerContext.h"

class QAction;
class QActionGroup;

namespace ae {

class ViewCommands : public QObject {
  Q_OBJECT

 public:
  explicit ViewCommands(const ViewerContext& context, QObject* parent = nullptr);

  QAction* ViewToolbarAction;
  QAction* ChannelsPanelAction;
  QAction* ToolbarTopAction;
  QAction* ToolbarBottomAction;
  QAction* ToolbarLeftAction;
  QAction* ToolbarRightAction;
  QAction* DataDependencesAction;
  QAction* ColoredChannelsAction;
  QAction* ColoredAmountAction;  // hidden and disabled: the view type 1 of old settings
  QAction* EventViewAction;
  QAction* ShowShadowAction;
  QAction* ShowDeletedAction;
  QAction* ShowTimeMarksAction;
  QAction* RefreshAction;
  QAction* FitAxesAction;
  QAction* ShowAllChannelsAction;

  // The check marks, buttons, tool bar side and panels from the options.
  void ApplyOptions();
  // The window's state back into the options: tool bar side and visibility, channels panel,
  // view type by the checked item.
  void StoreState() const;
  // The tool bar to a side: 1 top, 2 bottom, 3 left, anything else right.
  void AlignToolBar(int side);

  void RefreshExecute();

 private:
  const ViewerContext& context_;
};

}  // namespace ae
