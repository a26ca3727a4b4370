#include "filter/ui/TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <exception>

#include "datafiles/DataFileTypes.h"
#include "datafiles/EZTData.h"
#include "filter/core/AFilter.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterReport.h"
#include "filter/ui/FilterBoxes.h"
#include "filter/ui/FormLayout.h"
#include "filter/ui/SorvelOptions.h"
#include "filter/ui/TAboutBox.h"
#include "filter/ui/TDataModule2.h"
#include "filter/ui/TExpressionGrid.h"
#include "filter/ui/TFFilterBase.h"
#include "filter/ui/TFProtocolView.h"
#include "filter/ui/TFilterGrid.h"
#include "filter/ui/TFiltrationPage.h"
#include "filter/ui/TLookUpParamDlg1.h"
#include "filter/ui/TServicePage.h"
#include "filter/ui/WindowFilterUser.h"
#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/ProgramIcon.h"
#include "ui/QtText.h"
#include "ui/THelpWindow.h"

namespace ae {

namespace {

const char* const FiltrationCaption = QT_TRANSLATE_NOOP("ae::TMainForm", "  Filtration  ");
const char* const ServiceCaption = QT_TRANSLATE_NOOP("ae::TMainForm", "  Service  ");
const char* const DataFileFilters[] = {
    // The descriptions are the dialog's texts; the patterns follow, hidden from view.
    "Spartan 3000 (*.dta, *.dtt) (*.dta *.dtt)",
    QT_TRANSLATE_NOOP("ae::TMainForm", "DiSP and Samos (*.dta) (*.dta)"),
    "ALine32D (*.ald) (*.ald)",
    "Все файлы (*)",
    QT_TRANSLATE_NOOP("ae::TMainForm", "AE Data Files (*.ald *.dta *.dtt)"),
};
constexpr int PreselectedFilter = 4;

}  // namespace

TMainForm::TMainForm(TDataModule2& data, const QStringList& arguments, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      data_(data) {
  setObjectName("MainForm");
  setWindowTitle("AE Sorvel");
  setWindowIcon(ProgramIcon::Icon(ProgramIcon::Zmfwin));
  // The window is laid out in pixels; a font sized in pixels keeps every label inside it
  // whatever the desktop's font size.
  QFont formFont = font();
  formFont.setPixelSize(10);
  setFont(formFont);
  setFixedSize(ClientWidth, ClientHeight);

  QWidget* top = BuildTopPanel();
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  filtration_ = new TFiltrationPage(this);
  connect(filtration_, &TFiltrationPage::LookupRequested, this, &TMainForm::LookupParameter);
  connect(filtration_->ClearAction(), &QAction::triggered, this, &TMainForm::N3Click);
  pages_->addTab(filtration_, tr(FiltrationCaption));
  service_ = new TServicePage(this);
  connect(service_, &TServicePage::BaseLoadClicked, this, &TMainForm::BaseLoadClick);
  connect(service_, &TServicePage::BaseAddClicked, this, &TMainForm::BaseAddClick);
  connect(service_, &TServicePage::BaseUpdateClicked, this, &TMainForm::BaseUpdateClick);
  connect(service_, &TServicePage::ReportViewClicked, this, &TMainForm::BitBtnProtocolViewClick);
  connect(service_, &TServicePage::HelpClicked, this, &TMainForm::BitBtn4Click);
  connect(service_, &TServicePage::AboutClicked, this, &TMainForm::BitBtn5Click);
  pages_->addTab(service_, tr(ServiceCaption));

  auto* hide = new QPushButton(tr(" H&ide"), this);
  hide->setObjectName("BitBtnHide");
  connect(hide, &QPushButton::clicked, this, &TMainForm::BitBtnHideClick);
  auto* exit = new QPushButton(tr(" &Exit"), this);
  exit->setObjectName("BitBtn3");
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(hide);
  bottom->addWidget(exit);

  auto* layout = new QVBoxLayout(this);
  TightenLayout(layout, 5, 4);
  layout->addWidget(top);
  layout->addWidget(pages_, 1);
  layout->addLayout(bottom);

  // F9 anywhere in the window starts a run; F1 opens the program's help.
  auto* run = new QAction(this);
  run->setShortcut(QKeySequence(Qt::Key_F9));
  run->setShortcutContext(Qt::WindowShortcut);
  connect(run, &QAction::triggered, this, &TMainForm::BtnRunClick);
  addAction(run);
  auto* help = new QAction(this);
  help->setShortcut(QKeySequence(Qt::Key_F1));
  help->setShortcutContext(Qt::WindowShortcut);
  connect(help, &QAction::triggered, this, &TMainForm::BitBtn4Click);
  addAction(help);

  // Creating the window: the options, then the FormCreate work.
  ReadOptions();
  currentFilterId_ = 0;
  setAcceptDrops(true);
  BuildTray();
  TakeCommandLine(arguments);
}

TMainForm::~TMainForm() { FormDestroy(); }

TFilterGrid* TMainForm::Grid(int window) const { return filtration_->Grid(window); }

QTableWidget* TMainForm::Expressions() const { return gridExpressions_; }

// ---------------------------------------------------------------------------------------------
// Layout

QWidget* TMainForm::BuildTopPanel() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  TightenLayout(grid, 0, 4);

  auto* source = new QPushButton(tr("Source"), panel);
  source->setObjectName("BtnSourceFile");
  connect(source, &QPushButton::clicked, this, &TMainForm::BtnSourceFileClick);
  EditSourceFile = new QLineEdit(panel);
  EditSourceFile->setObjectName("EditSourceFile");
  auto* post = new QPushButton(tr("Destination"), panel);
  post->setObjectName("BtnPostFile");
  connect(post, &QPushButton::clicked, this, &TMainForm::BtnPostFileClick);
  EditPostFile = new QLineEdit(panel);
  EditPostFile->setObjectName("EditPostFile");
  auto* nameLabel = new QLabel(tr("Filter Name:"), panel);
  EditFilterName = new QLineEdit(tr("New filter"), panel);
  EditFilterName->setObjectName("EditFilterName");
  nameLabel->setBuddy(EditFilterName);
  BtnRun = new QPushButton(tr("&Start"), panel);
  BtnRun->setObjectName("BtnRun");
  connect(BtnRun, &QPushButton::clicked, this, &TMainForm::BtnRunClick);
  ProgressRun = new QProgressBar(panel);
  ProgressRun->setObjectName("ProgressRun");
  ProgressRun->setRange(0, WindowFilterUser::Scale);
  ProgressRun->setValue(0);
  ProgressRun->setTextVisible(false);

  // Dropped files are the window's; the boxes would take their names as text.
  for (QLineEdit* edit : {EditSourceFile, EditPostFile, EditFilterName}) edit->setAcceptDrops(false);

  gridExpressions_ = new TExpressionGrid(panel);

  const int buttonWidth = 82;
  for (QWidget* w : {static_cast<QWidget*>(source), static_cast<QWidget*>(post), static_cast<QWidget*>(BtnRun)})
    w->setFixedWidth(buttonWidth);

  grid->addWidget(source, 0, 0);
  grid->addWidget(EditSourceFile, 0, 1);
  grid->addWidget(post, 1, 0);
  grid->addWidget(EditPostFile, 1, 1);
  grid->addWidget(nameLabel, 2, 0);
  grid->addWidget(EditFilterName, 2, 1);
  grid->addWidget(BtnRun, 3, 0);
  grid->addWidget(ProgressRun, 3, 1);
  grid->addWidget(gridExpressions_, 0, 2, 4, 1, Qt::AlignTop);
  grid->setColumnStretch(1, 1);

  setTabOrder(EditSourceFile, source);
  setTabOrder(source, EditPostFile);
  setTabOrder(EditPostFile, post);
  setTabOrder(post, EditFilterName);
  setTabOrder(EditFilterName, gridExpressions_);
  setTabOrder(gridExpressions_, BtnRun);
  return panel;
}

void TMainForm::BuildTray() {
  trayMenu_ = new QMenu(this);
  restore_ = trayMenu_->addAction(tr("&Restore"));
  connect(restore_, &QAction::triggered, this, &TMainForm::N1Click);
  QAction* exit = trayMenu_->addAction(tr("&Exit"));
  connect(exit, &QAction::triggered, this, &QWidget::close);
  restore_->setEnabled(false);
  if (!QSystemTrayIcon::isSystemTrayAvailable())
    return;  // no notification area on this desktop: " H&ide" minimises instead
  tray_ = new QSystemTrayIcon(ProgramIcon::Icon(ProgramIcon::Zmfwin), this);
  tray_->setToolTip("AE Sorvel");
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick) {
      restore_->setEnabled(false);
      N1Click();
    } else if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context) {
      restore_->setEnabled(true);
      activateWindow();
      trayMenu_->popup(QCursor::pos());
    }
  });
  tray_->show();
}

// ---------------------------------------------------------------------------------------------
// Options

void TMainForm::ReadOptions() {
  const SorvelOptions options = SorvelOptions::Read();
  service_->ApplyOptions(options);
  SetWorkFolder(options.WorkFolder);  // read only under "SaveConfig" and "SaveFolder"
}

void TMainForm::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (tray_) tray_->hide();
  if (!workFolder_.isEmpty()) QDir::setCurrent(workFolder_);
  SorvelOptions options = service_->Options();
  options.WorkFolder = workFolder_;
  options.Write();
}

void TMainForm::SetWorkFolder(const QString& folder) {
  workFolder_ = folder;
  service_->ShowWorkFolder(folder);
}

// ---------------------------------------------------------------------------------------------
// The window as a filter description

FilterControls TMainForm::ReadControls() const {
  FilterControls c;
  c.FilterName = S(EditFilterName->text());
  c.SourceName = S(EditSourceFile->text());
  c.DestinationName = S(EditPostFile->text());
  c.ActivePageCaption = S(pages_->tabText(pages_->currentIndex()));
  filtration_->ReadInto(c);
  gridExpressions_->ReadInto(c);
  service_->ReadInto(c);
  c.WorkFolder = S(workFolder_);
  return c;
}

void TMainForm::ApplyFilter(const FilterControls& c) {
  EditFilterName->setText(Q(c.FilterName));
  filtration_->Apply(c);
  gridExpressions_->Apply(c);
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TMainForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TMainForm::FormActivate() {
  pages_->setCurrentIndex(0);
  gridExpressions_->WriteTitles();
  gridExpressions_->DefaultMainExpression();
  filtration_->WriteGridTitles();
}

template <typename Command>
void TMainForm::Guarded(Command command) {
  try {
    command();
  } catch (const EFilter& e) {
    FilterBoxes::Error(this, Q(e.what()));
  } catch (const EZTData& e) {
    QString text = Msg(e.Code());
    FilterBoxes::Error(this, text.isEmpty() ? Q(e.what()) : text);
  } catch (const std::exception& e) {
    // Store and data-file errors: their own text, as the platform would show it.
    FilterBoxes::Error(this, Q(e.what()));
  } catch (...) {
    FilterBoxes::Error(this, Msg(799));
  }
}

void TMainForm::BtnRunClick() {
  BtnRun->setCursor(Qt::WaitCursor);
  Guarded([this] {
    const FilterControls controls = ReadControls();
    AFilter filter(controls, data_.ParamNames());
    WindowFilterUser user(this, ProgressRun);
    filter.Run(user);
  });
  ProgressRun->setValue(0);
  BtnRun->unsetCursor();
}

QString TMainForm::ChooseDataFile(bool save) {
  QFileDialog dialog(this, Msg(save ? 1048 : 1047));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setSizeGripEnabled(true);
  QStringList filters;
  for (const char* f : DataFileFilters) filters << tr(f);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters[PreselectedFilter]);
  dialog.setDirectory(workFolder_.isEmpty() ? QDir::currentPath() : workFolder_);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);  // asks before overwriting
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString file = dialog.selectedFiles().first();
  // The chosen file's folder becomes the current directory and the work folder.
  const QString folder = QFileInfo(file).absolutePath();
  QDir::setCurrent(folder);
  SetWorkFolder(folder);
  return file;
}

void TMainForm::BtnSourceFileClick() {
  const QString file = ChooseDataFile(false);
  if (!file.isEmpty()) EditSourceFile->setText(file);
}

void TMainForm::BtnPostFileClick() {
  const QString file = ChooseDataFile(true);
  if (!file.isEmpty()) EditPostFile->setText(file);
}

void TMainForm::N3Click() {
  FilterControls c = ReadControls();
  c.ClearWindows();
  filtration_->ApplyWindows(c);
  gridExpressions_->Apply(c);
}

void TMainForm::LookupParameter(TFilterGrid* grid) {
  const int row = grid->currentRow();
  const int column = grid->currentColumn();
  QString name;
  Guarded([&] { name = TLookUpParamDlg1::Execute(data_.Params(), this); });
  if (!name.isEmpty()) grid->SetCellText(row, column, name);
}

// ---------------------------------------------------------------------------------------------
// Filter database

bool TMainForm::ValidateWindow() {
  bool valid = false;
  Guarded([&] {
    AFilter probe(ReadControls(), data_.ParamNames());
    valid = true;
  });
  return valid;
}

void TMainForm::BaseLoadClick() {
  Guarded([this] {
    const int fid = TFFilterBase::Execute(data_.Filters(), this);
    if (fid == 0) return;
    FilterControls controls = ReadControls();
    if (data_.Filters().LoadInto(fid, controls)) {
      currentFilterId_ = fid;
      ApplyFilter(controls);
    }
    service_->EnableUpdate();
  });
}

void TMainForm::BaseAddClick() {
  if (!ValidateWindow()) return;
  Guarded([this] {
    currentFilterId_ = data_.Filters().Insert(ReadControls());
    service_->EnableUpdate();
    FilterBoxes::Inform(this, 1052, 1201);
  });
}

void TMainForm::BaseUpdateClick() {
  if (!ValidateWindow()) return;
  Guarded([this] {
    if (!data_.Filters().Update(currentFilterId_, ReadControls())) FilterBoxes::Inform(this, 1054, 1201);
    else FilterBoxes::Inform(this, 1053, 1201);
  });
}

// ---------------------------------------------------------------------------------------------
// Report, help, about

QString TMainForm::ReportPath() const {
  // A run writes into the current directory it made of the work folder, so the work folder
  // (or, without one, the current directory) is where a per-folder report lies.
  FilterControls c;
  service_->ReadInto(c);
  const bool common = c.ReportFileItem == 1 && !c.ReportFolder.empty();
  return Q(FilterReport::PathOf(1, common ? c.ReportFolder : S(workFolder_)));
}

void TMainForm::BitBtnProtocolViewClick() {
  const QString path = ReportPath();
  if (!QFileInfo(path).isFile()) {
    FilterBoxes::Error(this, Msg(1045) + path + Msg(1046));
    return;
  }
  TFProtocolView view(path, this);
  CenterOnOwner(&view, this);
  view.exec();
}

void TMainForm::BitBtn4Click() { THelpWindow::ShowContext(HelpContext); }

void TMainForm::BitBtn5Click() {
  TAboutBox about(this);
  CenterOnOwner(&about, this);
  about.exec();
}

// ---------------------------------------------------------------------------------------------
// Command line, drops, hiding and closing

void TMainForm::TakeCommandLine(const QStringList& arguments) { TakeOneDataFile(arguments, 1004); }

void TMainForm::TakeDroppedFiles(const QStringList& files) { TakeOneDataFile(files, 1002); }

void TMainForm::TakeOneDataFile(const QStringList& files, int tooMany) {
  if (files.isEmpty()) return;
  if (files.size() > 1) {
    FilterBoxes::Inform(this, tooMany, 1203);
    return;
  }
  if (!IsDataFileName(S(files.first()))) {
    FilterBoxes::Inform(this, 1003, 1203);
    return;
  }
  // Relative names are the starting folder's; the work folder may differ when a run starts.
  EditSourceFile->setText(QFileInfo(files.first()).absoluteFilePath());
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls()) files << (url.isLocalFile() ? url.toLocalFile() : url.toString());
  event->acceptProposedAction();
  TakeDroppedFiles(files);
}

void TMainForm::BitBtnHideClick() {
  if (tray_ && tray_->isVisible()) hide();  // the notification icon brings it back
  else showMinimized();                     // without an icon a hidden window could not be reached again
}

void TMainForm::N1Click() {
  showNormal();
  raise();
  activateWindow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!MessageSeam::Show(this, MessageSeam::Kind::YesNoQuestion, Msg(1009), Msg(1204))) {
    event->ignore();
    return;
  }
  event->accept();
  FormDestroy();
  QCoreApplication::quit();  // also when the window was hidden behind its icon
}

}  // namespace ae
