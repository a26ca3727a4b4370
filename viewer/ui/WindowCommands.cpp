#include "viewer/ui/WindowCommands.h"

#include <QAction>
#include <QMainWindow>

#include "ui/MessageSeam.h"
#include "ui/THelpWindow.h"

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

  for (QAction* action : {TestSetupAction, DataFileInfoAction, ShowFramedDataAction, ShowSetsStatisticAction,
                          OptionsAction, GraphDataBaseAction, ProtocolViewAction, LastChangesAction, AboutAction})
    connect(action, &QAction::triggered, this, [this, action] { Unavailable(action->text()); });
}

void WindowCommands::Unavailable(const QString& what) {
  MessageSeam::Show(context_.Window, MessageSeam::Kind::Information,
                    QStringLiteral("\"%1\" is not part of this build yet.").arg(what), QStringLiteral("AE Varnel"));
}

}  // namespace ae
