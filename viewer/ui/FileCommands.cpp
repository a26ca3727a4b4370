#include "viewer/ui/FileCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <exception>

#include "datafiles/DataFileTypes.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/SaveAsName.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/FileDialogSeam.h"
#include "viewer/ui/TZTPageControl.h"

namespace ae {

FileCommands::FileCommands(const ViewerContext& context, QObject* parent) : QObject(parent), context_(context) {
  OpenAction = MakeAction(this, "OpenAction", tr("Open data file.."), QKeySequence::Open);
  SaveAsAction = MakeAction(this, "SaveAsAction", tr("Save data as.."), QKeySequence::Save);
  ExitAction = MakeAction(this, "ExitAction", tr("Exit"), QKeySequence(Qt::ALT | Qt::Key_F4));
  OpenAction->setToolTip(tr("Open data file"));
  SaveAsAction->setToolTip(tr("Save data as"));
  connect(OpenAction, &QAction::triggered, this, &FileCommands::OpenActionExecute);
  connect(SaveAsAction, &QAction::triggered, this, &FileCommands::SaveAsActionExecute);
  connect(ExitAction, &QAction::triggered, context_.Window, &QMainWindow::close);
}

bool FileCommands::OpenFile(const QString& fileName) {
  if (!context_.Pages->LoadData(fileName)) return false;
  context_.SetCaption(fileName);
  context_.RefreshStatus();
  return true;
}

void FileCommands::TakeCommandLine(const QStringList& arguments) {
  if (arguments.size() == 1 && IsDataFileName(S(arguments.first()))) {
    OpenFile(arguments.first());
    return;
  }
  context_.Pages->BuildPages();
}

void FileCommands::OpenActionExecute() {
  const QString name =
      FileDialogSeam::OpenFileName(context_.Window, tr("Open data file"), FileDialogSeam::DataFileFilter());
  if (!name.isEmpty()) OpenFile(name);
}

void FileCommands::SaveAsActionExecute() {
  // Beside the loaded file, under a name that is not taken: the cleaned data never replace the
  // source by a mere OK.
  QString folder;
  QString proposed;
  if (context_.HasData()) {
    const QString loaded = Q(context_.Pages->DataSet().FileName);
    folder = QFileInfo(loaded).absolutePath();
    proposed = QFileInfo(Q(ProposedSaveName(S(loaded)))).fileName();
  }
  const QString name = FileDialogSeam::SaveFileName(context_.Window, tr("Save data as"),
                                                    FileDialogSeam::DataFileFilter(), {}, false, folder, proposed);
  if (name.isEmpty()) return;
  try {
    context_.Pages->SaveData(name);
  } catch (const std::exception& error) {
    // Nothing of the destination or the loaded file has changed; the box says why.
    MessageSeam::Show(context_.Window, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmErrorDots)));
    return;
  }
  context_.Redraw();
  context_.Protocol->AddLine("Data saved\t" + S(name));
}

}  // namespace ae
