#include "viewer/ui/TZmvMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <exception>

#include "ui/MessageSeam.h"
#include "ui/ProgramIcon.h"
#include "ui/QtText.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/MessageTranslation.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/FileCommands.h"
#include "viewer/ui/MouseHost.h"
#include "viewer/ui/ReportCommands.h"
#include "viewer/ui/SetsCommands.h"
#include "viewer/ui/StatusPanels.h"
#include "viewer/ui/TChannelsPanel.h"
#include "viewer/ui/TMainDataModule.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TimeWindowCommands.h"
#include "viewer/ui/ToolIcons.h"
#include "viewer/ui/ViewCommands.h"
#include "viewer/ui/WindowCommands.h"
#include "viewer/ui/WindowViewerUser.h"

namespace ae {

ViewerStart ViewerStart::FromApplication() {
  ViewerStart start;
  start.Arguments = QCoreApplication::arguments().mid(1);
  start.SetupFile = Q(ATestSetup::DefaultFilePath(S(QCoreApplication::applicationFilePath())));
  start.ProgramDir = QCoreApplication::applicationDirPath();
  start.StorePath = ZTDataStore::DefaultPath();
  return start;
}

TZmvMain::TZmvMain(const ViewerStart& start, QWidget* parent) : QMainWindow(parent), start_(start) {
  // The message table in the language of the program's translation.
  UseQtTranslationOfMessages();
  setObjectName(QStringLiteral("ZmvMain"));
  setWindowTitle(QString::fromLatin1(ProgramTitle));
  setWindowIcon(ProgramIcon::Icon(ProgramIcon::ZmvWin2));
  setMinimumSize(846, 635);

  AOptions& options = GlobalOptions();
  ATestSetup& setup = GlobalTestSetup();
  context_.Window = this;
  context_.Options = &options;
  context_.Setup = &setup;
  context_.Protocol = &protocol_;
  context_.ProgramDir = start_.ProgramDir;

  // The page control first, then the options and the test setup, then the protocol.
  mouseHost_ = std::make_unique<MouseHost>(context_);
  pages_ = new TZTPageControl(options, setup, protocol_, *mouseHost_, this);
  context_.Pages = pages_;
  options.Load();
  WindowViewerUser user(this);
  try {
    setup.Load(S(start_.SetupFile), user);
  } catch (const std::exception& error) {
    MessageSeam::Show(this, MessageSeam::Kind::Warning, Q(error.what()), Q(ViewerText(vmWarning)));
  }
  protocol_.AddLine("ZMV launched");
  try {
    data_ = std::make_unique<TMainDataModule>(start_.StorePath);
  } catch (const std::exception& error) {
    MessageSeam::Show(this, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmErrorDots)));
  }
  context_.Data = data_.get();
  pages_->SetDataModule(data_.get());

  channels_ = new TChannelsPanel(this);
  context_.Channels = channels_;
  auto* client = new QWidget(this);
  auto* layout = new QHBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(channels_);
  layout->addWidget(pages_, 1);
  setCentralWidget(client);

  status_ = std::make_unique<StatusPanels>(*statusBar());
  context_.Status = status_.get();
  // Event view counts the events while the graphs draw, which is after the command that
  // switched it on has refreshed the counters.
  connect(pages_, &TZTPageControl::GraphsRendered, this, [this] { context_.RefreshEvents(); });
  toolBar_ = new QToolBar(tr("Tools"), this);
  toolBar_->setObjectName(QStringLiteral("ToolBar"));
  context_.ToolBar = toolBar_;
  addToolBar(Qt::TopToolBarArea, toolBar_);

  files_ = new FileCommands(context_, this);
  reports_ = new ReportCommands(context_, this);
  view_ = new ViewCommands(context_, this);
  sets_ = new SetsCommands(context_, this);
  timeWindow_ = new TimeWindowCommands(context_, this);
  windows_ = new WindowCommands(context_, this);
  BuildMenus();
  BuildToolBar();

  // The design size, or more of a large screen, centred.
  QSize size(846, 635);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect free = screen->availableGeometry();
    size = size.expandedTo(free.size() * 3 / 4).boundedTo(free.size());
    resize(size);
    move(free.center() - rect().center());
  } else {
    resize(size);
  }
}

TZmvMain::~TZmvMain() { Shutdown(); }

void TZmvMain::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addActions({files_->OpenAction, files_->SaveAsAction});
  file->addActions({reports_->SaveReportAction, reports_->PrintAction});
  file->addSeparator();
  file->addAction(files_->ExitAction);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  view->addActions({view_->ViewToolbarAction, view_->ChannelsPanelAction});
  QMenu* align = view->addMenu(tr("Toolbar alignment"));
  align->setObjectName(QStringLiteral("ToolbarAlignmentMenu"));
  align->addActions(
      {view_->ToolbarTopAction, view_->ToolbarBottomAction, view_->ToolbarLeftAction, view_->ToolbarRightAction});
  view->addSeparator();
  view->addActions({timeWindow_->ZoomAction, timeWindow_->UnZoomAction, timeWindow_->ZoomDialogAction});
  view->addAction(view_->FitAxesAction);

  QMenu* data = menuBar()->addMenu(tr("&Data"));
  data->addActions({view_->DataDependencesAction, view_->ColoredChannelsAction, view_->ColoredAmountAction});
  data->addSeparator();
  data->addActions(
      {view_->EventViewAction, view_->ShowShadowAction, view_->ShowDeletedAction, view_->ShowTimeMarksAction});
  data->addSeparator();
  data->addAction(windows_->TestSetupAction);
  data->addSeparator();
  data->addActions({view_->RefreshAction, timeWindow_->RefreshToStartAction, view_->ShowAllChannelsAction});
  data->addSeparator();
  data->addAction(windows_->DataFileInfoAction);

  QMenu* sets = menuBar()->addMenu(tr("&Sets"));
  sets->addActions({sets_->AddOrAction, sets_->AddAndAction, sets_->DeleteAllFramesAction});
  sets->addSeparator();
  sets->addActions({sets_->ClearGroupedAction, sets_->InvertGroupedAction, sets_->DeleteGroupedAction});
  sets->addSeparator();
  sets->addActions({sets_->UndeleteAction, sets_->InvertDeletedAction});
  sets->addSeparator();
  sets->addActions({windows_->ShowFramedDataAction, windows_->ShowSetsStatisticAction, windows_->WaveformAction});

  QMenu* setup = menuBar()->addMenu(tr("Se&tup"));
  setup->addActions({windows_->OptionsAction, windows_->GraphDataBaseAction, windows_->ProtocolViewAction});

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addActions(
      {windows_->ZemtalHelpAction, windows_->VarnelHelpAction, windows_->QuickTourAction, windows_->HotKeysAction});
  help->addSeparator();
  help->addActions({windows_->LastChangesAction, windows_->AboutAction});
}

void TZmvMain::BuildToolBar() {
  const std::pair<QAction*, ToolIcon> buttons[] = {
      {files_->OpenAction, ToolIcon::Open},
      {files_->SaveAsAction, ToolIcon::SaveAs},
      {view_->DataDependencesAction, ToolIcon::DataDependences},
      {view_->ColoredChannelsAction, ToolIcon::ColoredChannels},
      {sets_->DeleteGroupedAction, ToolIcon::DeleteGrouped},
      {sets_->UndeleteAction, ToolIcon::Undelete},
      {timeWindow_->ZoomAction, ToolIcon::Zoom},
      {timeWindow_->UnZoomAction, ToolIcon::UnZoom},
      {timeWindow_->ScrollLeftAction, ToolIcon::ScrollLeft},
      {timeWindow_->ScrollRightAction, ToolIcon::ScrollRight},
      {view_->ShowTimeMarksAction, ToolIcon::TimeMarks},
      {view_->EventViewAction, ToolIcon::EventView},
      {view_->ShowShadowAction, ToolIcon::ShadowHits},
  };
  for (const auto& [action, icon] : buttons) {
    action->setIcon(MakeToolIcon(icon));
    toolBar_->addAction(action);
  }
  // The scroll commands have their keys without a menu item of their own.
  addAction(timeWindow_->ScrollLeftAction);
  addAction(timeWindow_->ScrollRightAction);
}

void TZmvMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // The window is on the screen before a large file starts loading.
  QTimer::singleShot(0, this, &TZmvMain::FormShow);
}

void TZmvMain::FormShow() {
  if (started_) return;
  started_ = true;
  files_->TakeCommandLine(start_.Arguments);
  channels_->SetChecked(GlobalOptions().CheckedChan);
  view_->ApplyOptions();
}

void TZmvMain::closeEvent(QCloseEvent* event) {
  Shutdown();
  event->accept();
}

void TZmvMain::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  AOptions& options = GlobalOptions();
  view_->StoreState();
  try {
    options.Save();
  } catch (const std::exception& error) {
    MessageSeam::Show(this, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmErrorDots)));
  }
  protocol_.AddLine("ZMV closed");
  if (!options.WriteReport) return;
  protocol_.FileName = S(QDir(start_.ProgramDir).filePath(QString::fromLatin1(AProtocol::DefaultFileLeaf)));
  try {
    protocol_.Save(protocol_.FileName);
  } catch (const std::exception&) {
    MessageSeam::Show(this, MessageSeam::Kind::Error, Q(ViewerText(vmSavingError) + protocol_.FileName + "'."),
                      Q(ViewerText(vmErrorDots)));
  }
}

}  // namespace ae
