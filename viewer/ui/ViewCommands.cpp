#include "viewer/ui/ViewCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QToolBar>

#include "viewer/ui/TChannelsPanel.h"
#include "viewer/ui/TZTPageControl.h"

namespace ae {

ViewCommands::ViewCommands(const ViewerContext& context, QObject* parent) : QObject(parent), context_(context) {
  ViewToolbarAction = MakeAction(this, "ViewToolbarAction", tr("View toolbar"), {}, true);
  ChannelsPanelAction = MakeAction(this, "ChannelsPanelAction", tr("Channels panel"), {}, true);
  ToolbarTopAction = MakeAction(this, "ToolbarTopAction", tr("Top"), {}, true);
  ToolbarBottomAction = MakeAction(this, "ToolbarBottomAction", tr("Bottom"), {}, true);
  ToolbarLeftAction = MakeAction(this, "ToolbarLeftAction", tr("Left"), {}, true);
  ToolbarRightAction = MakeAction(this, "ToolbarRightAction", tr("Right"), {}, true);
  auto* sides = new QActionGroup(this);
  for (QAction* a : {ToolbarTopAction, ToolbarBottomAction, ToolbarLeftAction, ToolbarRightAction}) sides->addAction(a);

  DataDependencesAction = MakeAction(this, "DataDependencesAction", tr("Data dependences"), Qt::Key_F6, true);
  ColoredChannelsAction = MakeAction(this, "ColoredChannelsAction", tr("Colored channels"), Qt::Key_F7, true);
  ColoredAmountAction = MakeAction(this, "ColoredAmountAction", tr("Colored Amount"), {}, true);
  ColoredAmountAction->setVisible(false);
  ColoredAmountAction->setEnabled(false);
  auto* viewTypes = new QActionGroup(this);
  for (QAction* a : {DataDependencesAction, ColoredChannelsAction, ColoredAmountAction}) viewTypes->addAction(a);

  EventViewAction = MakeAction(this, "EventViewAction", tr("Event view"), Qt::Key_F9, true);
  ShowShadowAction = MakeAction(this, "ShowShadowAction", tr("Show Shadow hits"), {}, true);
  ShowDeletedAction = MakeAction(this, "ShowDeletedAction", tr("Show deleted"), {}, true);
  ShowTimeMarksAction =
      MakeAction(this, "ShowTimeMarksAction", tr("Show time marks"), QKeySequence(Qt::CTRL | Qt::Key_T), true);
  RefreshAction = MakeAction(this, "RefreshAction", tr("Refresh"), Qt::Key_F5);
  FitAxesAction = MakeAction(this, "FitAxesAction", tr("Fit axes to data"), Qt::Key_F4);
  ShowAllChannelsAction =
      MakeAction(this, "ShowAllChannelsAction", tr("Show all channels"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A));

  AOptions& options = *context_.Options;
  connect(ViewToolbarAction, &QAction::toggled, this, [this](bool on) { context_.ToolBar->setVisible(on); });
  connect(ChannelsPanelAction, &QAction::toggled, this, [this](bool on) { context_.Channels->setVisible(on); });
  connect(ToolbarTopAction, &QAction::triggered, this, [this] { AlignToolBar(1); });
  connect(ToolbarBottomAction, &QAction::triggered, this, [this] { AlignToolBar(2); });
  connect(ToolbarLeftAction, &QAction::triggered, this, [this] { AlignToolBar(3); });
  connect(ToolbarRightAction, &QAction::triggered, this, [this] { AlignToolBar(4); });
  connect(DataDependencesAction, &QAction::triggered, this, [this, &options] {
    options.ViewType = 2;
    context_.Redraw();
  });
  connect(ColoredChannelsAction, &QAction::triggered, this, [this, &options] {
    options.ViewType = 0;
    context_.Redraw();
  });
  connect(EventViewAction, &QAction::triggered, this, [this](bool on) {
    if (on != context_.Options->EventsView) context_.Pages->Selection().ToggleEventsView();
    context_.RedrawAndRefresh();
  });
  connect(ShowShadowAction, &QAction::triggered, this, [this, &options](bool on) {
    options.SecondAsShadow = on;
    if (options.EventsView) context_.RedrawAndRefresh();
  });
  connect(ShowDeletedAction, &QAction::triggered, this, [this, &options](bool on) {
    options.ShowDeleted = on;
    context_.Redraw();
  });
  connect(ShowTimeMarksAction, &QAction::triggered, this, [this, &options](bool on) {
    options.ShowTimeMark = on;
    context_.Redraw();
  });
  connect(RefreshAction, &QAction::triggered, this, &ViewCommands::RefreshExecute);
  connect(FitAxesAction, &QAction::triggered, this, [this] {
    if (context_.HasData()) context_.Pages->FitAxesToData();
  });
  connect(ShowAllChannelsAction, &QAction::triggered, this, [this] { context_.Channels->AllClick(); });
  connect(context_.Channels, &TChannelsPanel::RefreshRequested, this, &ViewCommands::RefreshExecute);
}

void ViewCommands::RefreshExecute() {
  context_.Options->CheckedChan = context_.Channels->Checked();
  context_.Redraw();
}

void ViewCommands::AlignToolBar(int side) {
  Qt::ToolBarArea area = Qt::RightToolBarArea;
  QAction* check = ToolbarRightAction;
  if (side == 1) {
    area = Qt::TopToolBarArea;
    check = ToolbarTopAction;
  } else if (side == 2) {
    area = Qt::BottomToolBarArea;
    check = ToolbarBottomAction;
  } else if (side == 3) {
    area = Qt::LeftToolBarArea;
    check = ToolbarLeftAction;
  }
  const bool visible = context_.ToolBar->isVisibleTo(context_.Window);
  context_.Window->addToolBar(area, context_.ToolBar);
  context_.ToolBar->setVisible(visible);
  check->setChecked(true);
}

void ViewCommands::ApplyOptions() {
  const AOptions& options = *context_.Options;
  DataDependencesAction->setChecked(options.ViewType == 2);
  ColoredChannelsAction->setChecked(options.ViewType == 0);
  ColoredAmountAction->setChecked(options.ViewType == 1);
  EventViewAction->setChecked(options.EventsView);
  ShowShadowAction->setChecked(options.SecondAsShadow);
  ShowTimeMarksAction->setChecked(options.ShowTimeMark);
  ShowDeletedAction->setChecked(options.ShowDeleted);
  AlignToolBar(options.ToolBarAlign);
  ViewToolbarAction->setChecked(options.ToolBarVisible);
  context_.ToolBar->setVisible(options.ToolBarVisible);
  ChannelsPanelAction->setChecked(options.ChanPanVisible);
  context_.Channels->setVisible(options.ChanPanVisible);
}

void ViewCommands::StoreState() const {
  AOptions& options = *context_.Options;
  if (ToolbarTopAction->isChecked()) options.ToolBarAlign = 1;
  else if (ToolbarBottomAction->isChecked()) options.ToolBarAlign = 2;
  else if (ToolbarLeftAction->isChecked()) options.ToolBarAlign = 3;
  else options.ToolBarAlign = 4;
  options.ToolBarVisible = ViewToolbarAction->isChecked();
  options.ChanPanVisible = ChannelsPanelAction->isChecked();
  options.ViewType = ColoredChannelsAction->isChecked() ? 0 : ColoredAmountAction->isChecked() ? 1 : 2;
}

}  // namespace ae
