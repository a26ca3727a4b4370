#include "viewer/ui/WindowCommands.h"

#include <QAction>
#include <QMainWindow>

#include "ui/MessageSeam.h"
#include "ui/THelpWindow.h"
#include "viewer/ui/TAboutBox.h"
#include "viewer/ui/TFDataInfo.h"
#include "viewer/ui/TFLastChanges.h"
#include "viewer/ui/TFTestSetup.h"
#include "viewer/ui/TOptionsForm.h"
#include "viewer/ui/TZTPageControl.h"

namespace ae {

WindowCommands::WindowCommands(const ViewerContext& context, QObject* parent) : QObject(parent), context_(context) {
  TestSetupAction = MakeAction(this, "TestSetupAction", QStringLiteral("Test setup.."), Qt::Key_F10);
  TestSetupAction->setShortcuts({QKeySequence(Qt::Key_F10), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T)});
  DataFileInfoAction = MakeAction(this, "DataFileInfoAction", QStringLiteral("Data file information.."),
                                  QKeySequence(Qt::CTRL | Qt::Key_I));
  ShowFramedDataAction = MakeAction(this, "ShowFramedDataAction", QStringLiteral("Show framed data"),
                                    QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
  ShowSetsStatisticAction = MakeAction(this, "ShowSetsStatisticAction", QStringLiteral("Show sets statistic"),
                                       QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
  OptionsAction = MakeAction(this, "OptionsAction", QStringLiteral("&Options.."));
  GraphDataBaseAction = MakeAction(this, "GraphDataBaseAction", QStringLiteral("Graph data &base.."));
  ProtocolViewAction = MakeAction(this, "ProtocolViewAction", QStringLiteral("Protocol view..."));
  ZemtalHelpAction = MakeAction(this, "ZemtalHelpAction", QStringLiteral("Zemtal help"));
  VarnelHelpAction = MakeAction(this, "VarnelHelpAction", QStringLiteral("AE Varnel"), Qt::Key_F1);
  QuickTourAction = MakeAction(this, "QuickTourAction", QStringLiteral("Quick tour"));
  HotKeysAction = MakeAction(this, "HotKeysAction", QStringLiteral("Hot keys"), QKeySequence(Qt::CTRL | Qt::Key_F1));
  LastChangesAction = MakeAction(this, "LastChangesAction", QStringLiteral("Last changes"));
  AboutAction = MakeAction(this, "AboutAction", QStringLiteral("About.."));

  auto help = [this](QAction* action, int topic) {
    connect(action, &QAction::triggered, this, [topic] { THelpWindow::ShowContext(topic); });
  };
  help(ZemtalHelpAction, htZemtal);
  help(VarnelHelpAction, htVarnel);
  help(QuickTourAction, htQuickTour);
  help(HotKeysAction, htHotKeys);

  connect(TestSetupAction, &QAction::triggered, this, &WindowCommands::TestSetupActionExecute);
  connect(OptionsAction, &QAction::triggered, this, &WindowCommands::OptionsActionExecute);
  connect(DataFileInfoAction, &QAction::triggered, this, &WindowCommands::DataFileInfoActionExecute);
  connect(ProtocolViewAction, &QAction::triggered, this, &WindowCommands::ProtocolViewActionExecute);
  connect(LastChangesAction, &QAction::triggered, this, &WindowCommands::LastChangesActionExecute);
  connect(AboutAction, &QAction::triggered, this, &WindowCommands::AboutActionExecute);

  for (QAction* action : {ShowFramedDataAction, ShowSetsStatisticAction, GraphDataBaseAction})
    connect(action, &QAction::triggered, this, [this, action] { Unavailable(action->text()); });
}

void WindowCommands::TestSetupActionExecute() {
  if (TFTestSetup::Execute(*context_.Setup, context_.Window)) context_.Redraw();
}

void WindowCommands::OptionsActionExecute() {
  if (TOptionsForm::Execute(*context_.Options, *context_.Setup, context_.Window)) context_.Pages->BuildPages();
}

void WindowCommands::DataFileInfoActionExecute() {
  TFDataInfo::Execute(context_.Pages->DataSet().FileName, context_.Window);
}

void WindowCommands::ProtocolViewActionExecute() { TFLastChanges::ShowProtocol(*context_.Protocol, context_.Window); }

void WindowCommands::LastChangesActionExecute() {
  TFLastChanges::ShowLastChanges(context_.ProgramDir, context_.Window);
}

void WindowCommands::AboutActionExecute() { TAboutBox::Execute(context_.Window); }

void WindowCommands::Unavailable(const QString& what) {
  MessageSeam::Show(context_.Window, MessageSeam::Kind::Information,
                    QStringLiteral("\"%1\" is not part of this build yet.").arg(what), QStringLiteral("AE Varnel"));
}

}  // namespace ae
