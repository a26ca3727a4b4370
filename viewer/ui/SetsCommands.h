#pragma once
// The Sets menu: grouping the frames with AND or OR, deleting frames, clearing, inverting,
// deleting and undeleting hits. Each command ends with a redraw and the status bar.
#include <QObject>

#include "viewer/ui/ViewerContext.h"

class QAction;

namespace ae {

class SetsCommands : public QObject {
  Q_OBJECT

 public:
  explicit SetsCommands(const ViewerContext& context, QObject* parent = nullptr);

  QAction* AddOrAction;
  QAction* AddAndAction;
  QAction* DeleteAllFramesAction;
  QAction* ClearGroupedAction;
  QAction* InvertGroupedAction;
  QAction* DeleteGroupedAction;
  QAction* UndeleteAction;
  QAction* InvertDeletedAction;

 private:
  const ViewerContext& context_;
};

}  // namespace ae
