#include "viewer/ui/ViewerContext.h"

#include <QAction>
#include <QMainWindow>

#include "viewer/ui/StatusPanels.h"
#include "viewer/ui/TZTPageControl.h"

namespace ae {

void ViewerContext::Redraw() const {
  if (Pages != nullptr) Pages->RedrawAll();
}

void ViewerContext::RefreshStatus() const {
  if (Status != nullptr && Pages != nullptr) Status->UpdateStatus(Pages->DataSet(), Options->EventsView);
}

void ViewerContext::RefreshEvents() const {
  if (Status != nullptr && Options->EventsView && HasData()) Status->UpdateEvents(Pages->DataSet(), true);
}

void ViewerContext::SetCaption(const QString& fileName) const {
  if (Window == nullptr) return;
  const QString title = QString::fromLatin1(ProgramTitle);
  Window->setWindowTitle(fileName.isEmpty() ? title : title + QStringLiteral(" - ") + fileName);
}

bool ViewerContext::HasData() const { return Pages != nullptr && !Pages->DataSet().FileName.empty(); }

QAction* MakeAction(QObject* owner, const char* objectName, const QString& text, const QKeySequence& key,
                    bool checkable) {
  auto* action = new QAction(text, owner);
  action->setObjectName(QString::fromLatin1(objectName));
  if (!key.isEmpty()) action->setShortcut(key);
  action->setCheckable(checkable);
  // The window sees its keys wherever the focus is inside it.
  action->setShortcutContext(Qt::WindowShortcut);
  return action;
}

}  // namespace ae
