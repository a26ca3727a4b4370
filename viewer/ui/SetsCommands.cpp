#include "viewer/ui/SetsCommands.h"

#include <QAction>
#include <QMainWindow>
#include <functional>

#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/WindowViewerUser.h"

namespace ae {

SetsCommands::SetsCommands(const ViewerContext& context, QObject* parent) : QObject(parent), context_(context) {
  AddOrAction = MakeAction(this, "AddOrAction", tr("Add to grouped with OR"), Qt::Key_Insert);
  AddAndAction = MakeAction(this, "AddAndAction", tr("Add to grouped with AND"), QKeySequence(Qt::CTRL | Qt::Key_A));
  DeleteAllFramesAction =
      MakeAction(this, "DeleteAllFramesAction", tr("Delete all frames"), QKeySequence(Qt::CTRL | Qt::Key_D));
  ClearGroupedAction =
      MakeAction(this, "ClearGroupedAction", tr("Clear grouped data"), QKeySequence(Qt::CTRL | Qt::Key_C));
  InvertGroupedAction = MakeAction(this, "InvertGroupedAction", tr("Invert grouped data"));
  DeleteGroupedAction = MakeAction(this, "DeleteGroupedAction", tr("Delete grouped data"), Qt::Key_Delete);
  UndeleteAction = MakeAction(this, "UndeleteAction", tr("Undelete data"), QKeySequence(Qt::ALT | Qt::Key_Backspace));
  InvertDeletedAction = MakeAction(this, "InvertDeletedAction", tr("Invert deleted data"));

  auto run = [this](QAction* action, std::function<void(ASelectionCommands&)> command) {
    connect(action, &QAction::triggered, this, [this, command] {
      command(context_.Pages->Selection());
      context_.RedrawAndRefresh();
    });
  };
  run(AddOrAction, [](ASelectionCommands& s) { s.GroupFrames(ZTDataSet::gmOr); });
  run(AddAndAction, [](ASelectionCommands& s) { s.GroupFrames(ZTDataSet::gmAnd); });
  run(DeleteAllFramesAction, [](ASelectionCommands& s) { s.DeleteAllFrames(); });
  run(ClearGroupedAction, [](ASelectionCommands& s) { s.ClearGrouped(); });
  run(InvertGroupedAction, [](ASelectionCommands& s) { s.InvertGrouped(); });
  run(DeleteGroupedAction, [](ASelectionCommands& s) { s.DeleteGrouped(); });
  run(UndeleteAction, [this](ASelectionCommands& s) {
    WindowViewerUser user(context_.Window);
    s.UndeleteData(user);
  });
  run(InvertDeletedAction, [](ASelectionCommands& s) { s.InvertDeleted(); });
}

}  // namespace ae
