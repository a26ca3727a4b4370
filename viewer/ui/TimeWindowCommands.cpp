#include "viewer/ui/TimeWindowCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include "ui/DialogPlacement.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZoomParamForm.h"

namespace ae {

TimeWindowCommands::TimeWindowCommands(const ViewerContext& context, QObject* parent)
    : QObject(parent), context_(context) {
  ZoomAction = MakeAction(this, "ZoomAction", tr("Zoom"), Qt::Key_F2, true);
  UnZoomAction = MakeAction(this, "UnZoomAction", tr("UnZoom"), Qt::Key_F3);
  ZoomDialogAction = MakeAction(this, "ZoomDialogAction", tr("Zoom.."), QKeySequence(Qt::CTRL | Qt::Key_F2));
  ScrollLeftAction = MakeAction(this, "ScrollLeftAction", tr("Scroll Left"), QKeySequence(Qt::CTRL | Qt::Key_Left));
  ScrollRightAction = MakeAction(this, "ScrollRightAction", tr("Scroll Right"), QKeySequence(Qt::CTRL | Qt::Key_Right));
  RefreshToStartAction =
      MakeAction(this, "RefreshToStartAction", tr("Refresh to start"), QKeySequence(Qt::CTRL | Qt::Key_F5));

  connect(ZoomAction, &QAction::toggled, this, [this](bool on) { context_.Options->FrameMode = !on; });
  // Both also undo "Fit axes to data".
  connect(UnZoomAction, &QAction::triggered, this, [this] {
    context_.Pages->RestoreStoredRanges();
    context_.Pages->ApplyTimeWindow(context_.Pages->TimeWindow().UnZoom());
  });
  connect(ZoomDialogAction, &QAction::triggered, this, &TimeWindowCommands::ZoomDialogExecute);
  connect(ScrollLeftAction, &QAction::triggered, this, [this] { Scroll(ScrollLeftAction, false); });
  connect(ScrollRightAction, &QAction::triggered, this, [this] { Scroll(ScrollRightAction, true); });
  connect(RefreshToStartAction, &QAction::triggered, this, [this] {
    if (!context_.HasData()) return;
    context_.Pages->RestoreStoredRanges();
    context_.Pages->ApplyTimeWindow(context_.Pages->TimeWindow().Restore());
  });
}

void TimeWindowCommands::ZoomDialogExecute() {
  TZoomParamForm dialog(context_.Window);
  CenterOnOwner(&dialog, context_.Window);
  if (dialog.exec() != QDialog::Accepted) return;
  context_.Pages->ApplyTimeWindow(context_.Pages->TimeWindow().Zoom(dialog.From(), dialog.To()));
}

void TimeWindowCommands::Scroll(QAction* action, bool right) {
  // The button shows pressed while the pages follow.
  QToolButton* button =
      context_.ToolBar != nullptr ? qobject_cast<QToolButton*>(context_.ToolBar->widgetForAction(action)) : nullptr;
  if (button != nullptr) button->setDown(true);
  ATimeWindow& window = context_.Pages->TimeWindow();
  context_.Pages->ApplyTimeWindow(right ? window.ScrollRight() : window.ScrollLeft());
  if (button != nullptr) button->setDown(false);
}

}  // namespace ae
