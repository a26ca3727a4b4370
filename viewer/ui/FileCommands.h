#pragma once
// The File menu: opening a data file, saving the data that are not deleted, leaving.
#include <QObject>
#include <QStringList>

#include "viewer/ui/ViewerContext.h"

class QAction;

namespace ae {

class FileCommands : public QObject {
  Q_OBJECT

 public:
  explicit FileCommands(const ViewerContext& context, QObject* parent = nullptr);

  QAction* OpenAction;
  QAction* SaveAsAction;
  QAction* ExitAction;

  // Loads a file as the open command does; false after an error the user was shown.
  bool OpenFile(const QString& fileName);
  // The start: exactly one argument with a data-file extension is loaded, anything else builds
  // the pages of the chosen graph set.
  void TakeCommandLine(const QStringList& arguments);

  void OpenActionExecute();
  void SaveAsActionExecute();

 private:
  const ViewerContext& context_;
};

}  // namespace ae
