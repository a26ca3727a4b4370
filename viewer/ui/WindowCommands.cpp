#include "viewer/ui/WindowCommands.h"

#include <QAction>
#include <QMainWindow>

#include "datafiles/EZTData.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "ui/THelpWindow.h"
#include "viewer/core/AEventLocator.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/TAboutBox.h"
#include "viewer/ui/TDataBaseForm.h"
#include "viewer/ui/TFDataInfo.h"
#include "viewer/ui/TFDataStatistic.h"
#include "viewer/ui/TFDataView.h"
#include "viewer/ui/TFLastChanges.h"
#include "viewer/ui/TFTestSetup.h"
#include "viewer/ui/TFWaveform.h"
#include "viewer/ui/TMainDataModule.h"
#include "viewer/ui/TOptionsForm.h"
#include "viewer/ui/TZTPageControl.h"

namespace ae {

WindowCommands::WindowCommands(const ViewerContext& context, QObject* parent) : QObject(parent), context_(context) {
  TestSetupAction = MakeAction(this, "TestSetupAction", tr("Test setup.."), Qt::Key_F10);
  TestSetupAction->setShortcuts({QKeySequence(Qt::Key_F10), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T)});
  DataFileInfoAction =
      MakeAction(this, "DataFileInfoAction", tr("Data file information.."), QKeySequence(Qt::CTRL | Qt::Key_I));
  ShowFramedDataAction =
      MakeAction(this, "ShowFramedDataAction", tr("Show framed data"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
  ShowSetsStatisticAction = MakeAction(this, "ShowSetsStatisticAction", tr("Show sets statistic"),
                                       QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
  WaveformAction = MakeAction(this, "WaveformAction", tr("Waveform.."), QKeySequence(Qt::CTRL | Qt::Key_W));
  OptionsAction = MakeAction(this, "OptionsAction", tr("&Options.."));
  GraphDataBaseAction = MakeAction(this, "GraphDataBaseAction", tr("Graph data &base.."));
  ProtocolViewAction = MakeAction(this, "ProtocolViewAction", tr("Protocol view..."));
  ZemtalHelpAction = MakeAction(this, "ZemtalHelpAction", tr("Zemtal help"));
  VarnelHelpAction = MakeAction(this, "VarnelHelpAction", QString::fromLatin1(ProgramTitle), Qt::Key_F1);
  QuickTourAction = MakeAction(this, "QuickTourAction", tr("Quick tour"));
  HotKeysAction = MakeAction(this, "HotKeysAction", tr("Hot keys"), QKeySequence(Qt::CTRL | Qt::Key_F1));
  LastChangesAction = MakeAction(this, "LastChangesAction", tr("Last changes"));
  AboutAction = MakeAction(this, "AboutAction", tr("About.."));

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

  connect(ShowFramedDataAction, &QAction::triggered, this, &WindowCommands::ShowFramedDataExecute);
  connect(ShowSetsStatisticAction, &QAction::triggered, this, &WindowCommands::ShowStatisticExecute);
  connect(WaveformAction, &QAction::triggered, this, &WindowCommands::WaveformExecute);
  connect(GraphDataBaseAction, &QAction::triggered, this, &WindowCommands::GraphDataBaseExecute);
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

void WindowCommands::ShowFramedDataExecute() {
  try {
    AEventLocator::Update(context_.Pages->DataSet(), *context_.Setup);  // the listing shows the locations
    TFDataView window(context_.Pages->DataSet(), *context_.Options, *context_.Setup, context_.Window);
    window.exec();
  } catch (const std::exception& error) {
    Failed(error);
  }
}

void WindowCommands::ShowStatisticExecute() {
  try {
    TFDataStatistic window(context_.Pages->DataSet(), context_.Pages->Common().Frames, *context_.Options,
                           *context_.Setup, context_.Window);
    window.exec();
  } catch (const EZTData& error) {
    // Events view over hits out of time order: the window is not shown.
    if (error.Code() != EZTData::TimeOrderError) throw;
    MessageSeam::Show(context_.Window, MessageSeam::Kind::Warning, Q(ViewerText(vmNotSortedEventView)),
                      Q(ViewerText(vmError)));
  } catch (const std::exception& error) {
    Failed(error);
  }
}

void WindowCommands::WaveformExecute() {
  try {
    TFWaveform::ShowFirst(context_.Pages->DataSet(), context_.Window);
  } catch (const std::exception& error) {
    Failed(error);
  }
}

void WindowCommands::GraphDataBaseExecute() {
  if (context_.Data == nullptr) {
    MessageSeam::Show(context_.Window, MessageSeam::Kind::Error,
                      tr("The graph database cannot be opened, so it cannot be edited."), Q(ViewerText(vmErrorDots)));
    return;
  }
  bool accepted = false;
  try {
    TDataBaseForm window(context_.Data->Store(), *context_.Options, context_.Window);
    accepted = window.exec() == QDialog::Accepted;
  } catch (const std::exception& error) {
    Failed(error);
    return;
  }
  // The window has written its changes; the pages show them and the graph set chosen there.
  if (accepted) context_.Pages->BuildPages();
}

void WindowCommands::Failed(const std::exception& error) {
  MessageSeam::Show(context_.Window, MessageSeam::Kind::Error, QString::fromUtf8(error.what()),
                    Q(ViewerText(vmErrorDots)));
}

}  // namespace ae
