#pragma once
// The time window's commands: the zoom tool, UnZoom, the zoom dialog, scrolling left and right
// and back to the start.
#include <QObject>

#include "viewer/ui/ViewerContext.h"

class QAction;

namespace ae {

class TimeWindowCommands : public QObject {
  Q_OBJECT

 public:
  explicit TimeWindowCommands(const ViewerContext& context, QObject* parent = nullptr);

  QAction* ZoomAction;  // checked: the zoom tool is on, frame mode off
  QAction* UnZoomAction;
  QAction* ZoomDialogAction;
  QAction* ScrollLeftAction;
  QAction* ScrollRightAction;
  QAction* RefreshToStartAction;

  void ZoomDialogExecute();

 private:
  void Scroll(QAction* action, bool right);

  const ViewerContext& context_;
};

}  // namespace ae
