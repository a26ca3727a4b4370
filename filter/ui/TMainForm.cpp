#include "filter/ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <exception>

#include "datafiles/DataFileTypes.h"
#include "datafiles/EZTData.h"
#include "filter/core/AFilter.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterReport.h"
#include "filter/ui/DialogPlacement.h"
#include "filter/ui/MessageSeam.h"
#include "filter/ui/ProgramIcon.h"
#include "filter/ui/ResourceLanguage.h"
#include "filter/ui/SorvelOptions.h"
#include "filter/ui/TAboutBox.h"
#include "filter/ui/TDataModule2.h"
#include "filter/ui/TFFilterBase.h"
#include "filter/ui/TFProtocolView.h"
#include "filter/ui/TFilterGrid.h"
#include "filter/ui/THelpWindow.h"
#include "filter/ui/TLookUpParamDlg1.h"
#include "filter/ui/WindowFilterUser.h"

namespace ae {

namespace {

const char* const FiltrationCaption = "  Filtration  ";
const char* const ServiceCaption = "  Service  ";
const char* const ScopeLabels[ExpressionRows] = {"All hits", "Second hit", "Third hit", "Any hit"};
const char* const DataFileFilters[] = {
    // The descriptions are the dialog's texts; the patterns follow, hidden from view.
    "Spartan 3000 (*.dta, *.dtt) (*.dta *.dtt)",
    "DiSP and Samos (*.dta) (*.dta)",
    "ALine32D (*.ald) (*.ald)",
    "Все файлы (*)",
    "AE Data Files (*.ald *.dta *.dtt)",
};
constexpr int PreselectedFilter = 4;

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string S(const QString& text) { return text.toStdString(); }

QGroupBox* Group(const QString& title, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  return box;
}

void Tight(QLayout* layout, int margin = 4, int spacing = 3) {
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(spacing);
}

QRadioButton* AddRadio(QButtonGroup* group, QLayout* layout, const QString& text, QWidget* parent) {
  auto* button = new QRadioButton(text, parent);
  group->addButton(button, group->buttons().size());
  layout->addWidget(button);
  return button;
}

void CheckItem(QButtonGroup* group, int item) {
  if (QAbstractButton* button = group->button(item)) button->setChecked(true);
}

}  // namespace

TMainForm::TMainForm(TDataModule2& data, const QStringList& arguments, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      data_(data) {
  setObjectName("MainForm");
  setWindowTitle("AE Sorvel");
  setWindowIcon(ProgramIcon::Icon());
  // The window is laid out in pixels; a font sized in pixels keeps every label inside it
  // whatever the desktop's font size.
  QFont formFont = font();
  formFont.setPixelSize(10);
  setFont(formFont);
  setFixedSize(ClientWidth, ClientHeight);

  QWidget* top = BuildTopPanel();
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  pages_->addTab(BuildFiltrationPage(), FiltrationCaption);
  pages_->addTab(BuildServicePage(), ServiceCaption);

  auto* hide = new QPushButton(" H&ide", this);
  hide->setObjectName("BitBtnHide");
  connect(hide, &QPushButton::clicked, this, &TMainForm::BitBtnHideClick);
  auto* exit = new QPushButton(" &Exit", this);
  exit->setObjectName("BitBtn3");
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(hide);
  bottom->addWidget(exit);

  auto* layout = new QVBoxLayout(this);
  Tight(layout, 5, 4);
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

// ---------------------------------------------------------------------------------------------
// Layout

QWidget* TMainForm::BuildTopPanel() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  Tight(grid, 0, 4);

  auto* source = new QPushButton("Source", panel);
  source->setObjectName("BtnSourceFile");
  connect(source, &QPushButton::clicked, this, &TMainForm::BtnSourceFileClick);
  EditSourceFile = new QLineEdit(panel);
  EditSourceFile->setObjectName("EditSourceFile");
  auto* post = new QPushButton("Destination", panel);
  post->setObjectName("BtnPostFile");
  connect(post, &QPushButton::clicked, this, &TMainForm::BtnPostFileClick);
  EditPostFile = new QLineEdit(panel);
  EditPostFile->setObjectName("EditPostFile");
  auto* nameLabel = new QLabel("Filter Name:", panel);
  EditFilterName = new QLineEdit("New filter", panel);
  EditFilterName->setObjectName("EditFilterName");
  nameLabel->setBuddy(EditFilterName);
  BtnRun = new QPushButton("&Start", panel);
  BtnRun->setObjectName("BtnRun");
  connect(BtnRun, &QPushButton::clicked, this, &TMainForm::BtnRunClick);
  ProgressRun = new QProgressBar(panel);
  ProgressRun->setObjectName("ProgressRun");
  ProgressRun->setRange(0, WindowFilterUser::Scale);
  ProgressRun->setValue(0);
  ProgressRun->setTextVisible(false);

  // Dropped files are the window's; the boxes would take their names as text.
  for (QLineEdit* edit : {EditSourceFile, EditPostFile, EditFilterName}) edit->setAcceptDrops(false);

  gridExpressions_ = new QTableWidget(ExpressionRows, 2, panel);
  gridExpressions_->setObjectName("GridExpressions");
  gridExpressions_->verticalHeader()->hide();
  gridExpressions_->horizontalHeader()->setFont(font());
  gridExpressions_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  gridExpressions_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  gridExpressions_->setHorizontalHeaderLabels({"Filter scope", Msg(1055)});
  gridExpressions_->horizontalHeader()->setHighlightSections(false);
  gridExpressions_->horizontalHeader()->setStretchLastSection(true);
  gridExpressions_->setColumnWidth(0, 72);
  gridExpressions_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  gridExpressions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  gridExpressions_->setTabKeyNavigation(false);
  gridExpressions_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int r = 0; r < ExpressionRows; ++r) {
    auto* label = new QTableWidgetItem(ScopeLabels[r]);
    // Only the main expression is in use; the other scopes are shown disabled.
    label->setFlags(r == 0 ? Qt::ItemIsEnabled : Qt::NoItemFlags);
    gridExpressions_->setItem(r, 0, label);
    gridExpressions_->setItem(r, 1, new QTableWidgetItem);
  }
  gridExpressions_->setCurrentCell(0, 1);
  const int gridHeight = gridExpressions_->horizontalHeader()->sizeHint().height() +
                         ExpressionRows * gridExpressions_->verticalHeader()->defaultSectionSize() +
                         2 * gridExpressions_->frameWidth();
  gridExpressions_->setFixedSize(250, gridHeight);

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

QWidget* TMainForm::BuildFiltrationPage() {
  auto* page = new QWidget(this);  // the form's font from the start: the grids size themselves by it
  page->setObjectName("TabSheet1");

  static const char* const titles[4] = {"A", "B", "C", "D (Correlation)"};
  static const char* const gridNames[4] = {"GridA", "GridB", "GridC", "GridD"};
  static const char* const joinNames[4] = {"BoxDepA", "BoxDepB", "BoxDepC", "BoxDepD"};
  for (int w = 0; w < 4; ++w) {
    const bool equation = w == fwD;
    gridBoxes_[w] = Group(titles[w], page);
    grids_[w] = new TFilterGrid(equation ? EquationColumns : MinMaxColumns, equation ? QList<int>{0, 3} : QList<int>{0},
                                gridBoxes_[w]);
    grids_[w]->setObjectName(gridNames[w]);
    connect(grids_[w], &TFilterGrid::LookupRequested, this, &TMainForm::LookupParameter);
    joinBoxes_[w] = new QCheckBox("Join with \"AND\"", gridBoxes_[w]);
    joinBoxes_[w]->setObjectName(joinNames[w]);
    auto* box = new QVBoxLayout(gridBoxes_[w]);
    Tight(box, 4, 2);
    box->addWidget(grids_[w], 1);
    box->addWidget(joinBoxes_[w]);
  }
  WriteGridTitles();  // the widths, so that the grids can be sized to their columns
  for (int w = 0; w < 4; ++w) {
    TFilterGrid* g = grids_[w];
    // A, B and C have room for a vertical scroll bar beside their columns; D has just its columns.
    int width = 2 * g->frameWidth() + (w == fwD ? 0 : g->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    for (int c = 0; c < g->columnCount(); ++c) width += g->columnWidth(c);
    g->setMinimumWidth(width);
  }

  // Filter type and treatment.
  auto* typeBox = Group("Filter type", page);
  RadioGroupType = new QButtonGroup(this);
  auto* typeLayout = new QVBoxLayout(typeBox);
  Tight(typeLayout, 4, 1);
  AddRadio(RadioGroupType, typeLayout, "Included", typeBox)->setChecked(true);
  AddRadio(RadioGroupType, typeLayout, "Excluded", typeBox);
  typeBox->setObjectName("RadioGroupType");

  auto* treatmentBox = Group("Treatment", page);
  treatmentBox->setObjectName("RadioGroupEventType");
  RadioGroupEventType = new QButtonGroup(this);
  auto* treatmentLayout = new QVBoxLayout(treatmentBox);
  Tight(treatmentLayout, 4, 1);
  AddRadio(RadioGroupEventType, treatmentLayout, "As Hits", treatmentBox)->setChecked(true);
  AddRadio(RadioGroupEventType, treatmentLayout, "As Events", treatmentBox);
  AddRadio(RadioGroupEventType, treatmentLayout, "As Mechanic", treatmentBox);
  connect(RadioGroupEventType, &QButtonGroup::idClicked, this, &TMainForm::RadioGroupEventTypeClick);

  // Events and mechanic time boxes.
  eventsBox_ = Group("Events", page);
  eventsBox_->setObjectName("GroupBoxEvents");
  labelMPT_ = new QLabel("MPT :", eventsBox_);
  EditMPT = new QLineEdit(eventsBox_);
  EditMPT->setObjectName("EditMPT");
  labelLOCK_ = new QLabel("LOCK :", eventsBox_);
  EditLOCK = new QLineEdit(eventsBox_);
  EditLOCK->setObjectName("EditLOCK");
  labelMPT_->setBuddy(EditMPT);
  labelLOCK_->setBuddy(EditLOCK);
  auto* eventsLayout = new QGridLayout(eventsBox_);
  Tight(eventsLayout, 4, 2);
  eventsLayout->addWidget(labelMPT_, 0, 0);
  eventsLayout->addWidget(EditMPT, 0, 1);
  eventsLayout->addWidget(labelLOCK_, 1, 0);
  eventsLayout->addWidget(EditLOCK, 1, 1);

  mechanicBox_ = Group("Mechanic", page);
  mechanicBox_->setObjectName("GroupBoxMechanic");
  // Each box stands beside the label of what it holds: EditBackWard is the time before a
  // mark, EditForward the time after it.
  labelBack_ = new QLabel("Back :", mechanicBox_);
  EditBackWard = new QLineEdit(mechanicBox_);
  EditBackWard->setObjectName("EditBackWard");
  labelForward_ = new QLabel("Forward :", mechanicBox_);
  EditForward = new QLineEdit(mechanicBox_);
  EditForward->setObjectName("EditForward");
  labelBack_->setBuddy(EditBackWard);
  labelForward_->setBuddy(EditForward);
  auto* mechanicLayout = new QGridLayout(mechanicBox_);
  Tight(mechanicLayout, 4, 2);
  mechanicLayout->addWidget(labelBack_, 0, 0);
  mechanicLayout->addWidget(EditBackWard, 0, 1);
  mechanicLayout->addWidget(labelForward_, 1, 0);
  mechanicLayout->addWidget(EditForward, 1, 1);
  for (QLineEdit* edit : {EditMPT, EditLOCK, EditBackWard, EditForward}) edit->setFixedWidth(46);

  // Options.
  auto* optionsBox = Group("Options", page);
  auto* optionsLayout = new QVBoxLayout(optionsBox);
  Tight(optionsLayout, 4, 1);
  CheckBoxEOT = new QCheckBox("Smart End of Time", optionsBox);
  CheckBoxEOT->setObjectName("CheckBoxEOT");
  CheckBoxTDP = new QCheckBox("Delete Parametric", optionsBox);
  CheckBoxTDP->setObjectName("CheckBoxTDP");
  CheckBoxTR = new QCheckBox("Delete TR", optionsBox);
  CheckBoxTR->setObjectName("CheckBoxTR");
  auto* system = new QCheckBox("Delete System", optionsBox);
  system->setObjectName("CheckBoxSystem");
  system->setEnabled(false);
  auto* noise = new QCheckBox("Delete Noise", optionsBox);
  noise->setObjectName("CheckBoxNoise");
  noise->setEnabled(false);
  for (QCheckBox* box : {CheckBoxEOT, CheckBoxTDP, CheckBoxTR, system, noise}) optionsLayout->addWidget(box);
  optionsLayout->addStretch();

  auto* layout = new QGridLayout(page);
  Tight(layout, 3, 3);
  auto* windows = new QHBoxLayout;
  windows->setSpacing(3);
  for (int w = 0; w < 3; ++w) windows->addWidget(gridBoxes_[w], 1);
  auto* lower = new QHBoxLayout;
  lower->setSpacing(3);
  lower->addWidget(gridBoxes_[fwD]);
  auto* column1 = new QVBoxLayout;
  column1->setSpacing(4);
  column1->addWidget(typeBox);
  column1->addWidget(treatmentBox);
  auto* column2 = new QVBoxLayout;
  column2->setSpacing(4);
  column2->addWidget(eventsBox_);
  column2->addWidget(mechanicBox_);
  lower->addLayout(column1);
  lower->addLayout(column2);
  lower->addWidget(optionsBox);
  layout->addLayout(windows, 0, 0);
  layout->addLayout(lower, 1, 0);

  // The page's pop-up menu.
  auto* clear = new QAction("&Clear", page);
  clear->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
  clear->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(clear, &QAction::triggered, this, &TMainForm::N3Click);
  page->addAction(clear);
  page->setContextMenuPolicy(Qt::ActionsContextMenu);

  RadioGroupEventTypeClick(tiAsHits);
  return page;
}

QWidget* TMainForm::BuildServicePage() {
  auto* page = new QWidget(this);  // the form's font from the start: the grids size themselves by it
  page->setObjectName("TabSheet3");

  // Report.
  auto* reportBox = Group("Report", page);
  CheckBoxPrtEnable = new QCheckBox("Make report file", reportBox);
  CheckBoxPrtEnable->setObjectName("CheckBoxPrtEnable");
  CheckBoxPrtEnable->setChecked(true);
  connect(CheckBoxPrtEnable, &QCheckBox::clicked, this, &TMainForm::CheckBoxPrtEnableClick);
  RadioGroupPrtBox = Group(" Report file ", reportBox);
  RadioGroupPrtBox->setObjectName("RadioGroupPrt");
  RadioGroupPrt = new QButtonGroup(this);
  auto* prtLayout = new QVBoxLayout(RadioGroupPrtBox);
  Tight(prtLayout, 4, 1);
  AddRadio(RadioGroupPrt, prtLayout, "Report file in each folder", RadioGroupPrtBox)->setChecked(true);
  AddRadio(RadioGroupPrt, prtLayout, "Common report file", RadioGroupPrtBox);
  connect(RadioGroupPrt, &QButtonGroup::idClicked, this, &TMainForm::RadioGroupPrtClick);
  labelPrtFolder_ = new QLabel("Report folder", reportBox);
  EditPrtFileDir = new QLineEdit(reportBox);
  EditPrtFileDir->setObjectName("EditPrtFileDir");
  EditPrtFileDir->setAcceptDrops(false);
  labelPrtFolder_->setBuddy(EditPrtFileDir);
  BitBtn2 = new QPushButton("...", reportBox);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setToolTip(Msg(1051));
  BitBtn2->setFixedWidth(28);
  connect(BitBtn2, &QPushButton::clicked, this, &TMainForm::BitBtn2Click);
  auto* folderRow = new QHBoxLayout;
  folderRow->setSpacing(2);
  folderRow->addWidget(EditPrtFileDir, 1);
  folderRow->addWidget(BitBtn2);
  auto* reportLayout = new QVBoxLayout(reportBox);
  Tight(reportLayout, 6, 4);
  reportLayout->addWidget(CheckBoxPrtEnable);
  reportLayout->addWidget(RadioGroupPrtBox);
  reportLayout->addWidget(labelPrtFolder_);
  reportLayout->addLayout(folderRow);
  reportLayout->addStretch();

  // Common options.
  auto* commonBox = Group("Common", page);
  CheckBoxSaveFolder = new QCheckBox("Save work folder", commonBox);
  CheckBoxSaveFolder->setObjectName("CheckBoxSaveFolder");
  CheckBoxSaveFolder->setChecked(true);
  CheckBoxSaveConfig = new QCheckBox("Save configuration on exit", commonBox);
  CheckBoxSaveConfig->setObjectName("CheckBoxSaveConfig");
  CheckBoxSaveConfig->setChecked(true);
  auto* commonLayout = new QVBoxLayout(commonBox);
  Tight(commonLayout, 6, 3);
  commonLayout->addWidget(CheckBoxSaveFolder);
  commonLayout->addWidget(CheckBoxSaveConfig);

  // Filter database.
  auto* baseBox = Group("Filter database", page);
  BaseLoad = new QPushButton("&Open", baseBox);
  BaseLoad->setObjectName("BaseLoad");
  BaseAdd = new QPushButton("&Insert", baseBox);
  BaseAdd->setObjectName("BaseAdd");
  BaseUpdate = new QPushButton("&Update", baseBox);
  BaseUpdate->setObjectName("BaseUpdate");
  BaseUpdate->setEnabled(false);
  connect(BaseLoad, &QPushButton::clicked, this, &TMainForm::BaseLoadClick);
  connect(BaseAdd, &QPushButton::clicked, this, &TMainForm::BaseAddClick);
  connect(BaseUpdate, &QPushButton::clicked, this, &TMainForm::BaseUpdateClick);
  auto* baseLayout = new QHBoxLayout(baseBox);
  Tight(baseLayout, 6, 4);
  baseLayout->addWidget(BaseLoad);
  baseLayout->addWidget(BaseAdd);
  baseLayout->addWidget(BaseUpdate);

  // Language.
  auto* languageBox = Group("Language", page);
  languageBox->setObjectName("RGLanguage");
  RGLanguage = new QButtonGroup(this);
  auto* languageLayout = new QVBoxLayout(languageBox);
  Tight(languageLayout, 6, 1);
  AddRadio(RGLanguage, languageLayout, "English", languageBox)->setChecked(true);
  AddRadio(RGLanguage, languageLayout, "Russian", languageBox);
  connect(RGLanguage, &QButtonGroup::idClicked, this, &TMainForm::RGLanguageClick);

  auto* reportView = new QPushButton("&Report View", page);
  reportView->setObjectName("BitBtnProtocolView");
  connect(reportView, &QPushButton::clicked, this, &TMainForm::BitBtnProtocolViewClick);
  auto* help = new QPushButton("&Help", page);
  help->setObjectName("BitBtn4");
  connect(help, &QPushButton::clicked, this, &TMainForm::BitBtn4Click);
  auto* about = new QPushButton("&About", page);
  about->setObjectName("BitBtn5");
  connect(about, &QPushButton::clicked, this, &TMainForm::BitBtn5Click);
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(4);
  buttons->addWidget(reportView);
  buttons->addWidget(help);
  buttons->addWidget(about);
  buttons->addStretch();

  labelWorkFolder_ = new QLabel(page);
  labelWorkFolder_->setObjectName("LabelWorkFolder");
  labelWorkFolder_->setEnabled(false);

  auto* middle = new QVBoxLayout;
  middle->setSpacing(4);
  middle->addWidget(commonBox);
  middle->addWidget(baseBox);
  middle->addStretch();
  auto* right = new QVBoxLayout;
  right->setSpacing(4);
  right->addWidget(languageBox);
  right->addLayout(buttons);

  auto* layout = new QGridLayout(page);
  Tight(layout, 6, 6);
  layout->addWidget(reportBox, 0, 0);
  layout->addLayout(middle, 0, 1);
  layout->addLayout(right, 0, 2);
  layout->addWidget(labelWorkFolder_, 1, 0, 1, 3);
  layout->setColumnStretch(0, 5);
  layout->setColumnStretch(1, 4);
  layout->setColumnStretch(2, 2);
  layout->setRowStretch(0, 1);
  return page;
}

void TMainForm::BuildTray() {
  trayMenu_ = new QMenu(this);
  restore_ = trayMenu_->addAction("&Restore");
  connect(restore_, &QAction::triggered, this, &TMainForm::N1Click);
  QAction* exit = trayMenu_->addAction("&Exit");
  connect(exit, &QAction::triggered, this, &QWidget::close);
  restore_->setEnabled(false);
  if (!QSystemTrayIcon::isSystemTrayAvailable())
    return;  // no notification area on this desktop: " H&ide" minimises instead
  tray_ = new QSystemTrayIcon(ProgramIcon::Icon(), this);
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
  loadingOptions_ = true;
  const SorvelOptions options = SorvelOptions::Read();
  CheckBoxSaveConfig->setChecked(options.SaveConfig);
  if (options.SaveConfig) {
    CheckBoxSaveFolder->setChecked(options.SaveFolder);
    SetWorkFolder(options.SaveFolder ? options.WorkFolder : QString());
    CheckBoxPrtEnable->setChecked(options.SaveProtocol);
    if (options.SaveProtocol) {
      EditPrtFileDir->setText(options.ProtocolFolder);
      CheckItem(RadioGroupPrt, options.OneProtocolFile ? 1 : 0);
    }
    CheckItem(RGLanguage, options.Language ? 1 : 0);
  }
  CheckBoxPrtEnableClick();
  RadioGroupPrtClick();
  loadingOptions_ = false;
}

void TMainForm::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (tray_) tray_->hide();
  if (!workFolder_.isEmpty()) QDir::setCurrent(workFolder_);
  SorvelOptions options;
  options.SaveConfig = CheckBoxSaveConfig->isChecked();
  options.SaveFolder = CheckBoxSaveFolder->isChecked();
  options.WorkFolder = workFolder_;
  options.SaveProtocol = CheckBoxPrtEnable->isChecked();
  options.ProtocolFolder = EditPrtFileDir->text();
  options.OneProtocolFile = RadioGroupPrt->checkedId() == 1;
  options.Language = RGLanguage->checkedId() == 1;
  options.Write();
}

void TMainForm::SetWorkFolder(const QString& folder) {
  workFolder_ = folder;
  labelWorkFolder_->setText(folder);
  labelWorkFolder_->setToolTip(folder);
}

// ---------------------------------------------------------------------------------------------
// The window as a filter description

FilterControls TMainForm::ReadControls() const {
  FilterControls c;
  c.FilterName = S(EditFilterName->text());
  c.SourceName = S(EditSourceFile->text());
  c.DestinationName = S(EditPostFile->text());
  c.ActivePageCaption = S(pages_->tabText(pages_->currentIndex()));
  c.TypeItem = std::max(0, RadioGroupType->checkedId());
  c.TreatmentItem = std::max(0, RadioGroupEventType->checkedId());
  c.DeleteTDP = CheckBoxTDP->isChecked();
  c.DeleteTR = CheckBoxTR->isChecked();
  c.SmartEOT = CheckBoxEOT->isChecked();
  c.MPT = S(EditMPT->text());
  c.LOCK = S(EditLOCK->text());
  c.Forward = S(EditForward->text());
  c.Back = S(EditBackWard->text());
  for (int w = 0; w < 4; ++w) c.Windows[w] = FilterGrid{grids_[w]->Rows(), joinBoxes_[w]->isChecked()};
  for (int r = 0; r < ExpressionRows; ++r) c.Expressions[r] = S(gridExpressions_->item(r, 1)->text());
  c.MakeReport = CheckBoxPrtEnable->isChecked();
  c.ReportFileItem = std::max(0, RadioGroupPrt->checkedId());
  c.ReportFolder = S(EditPrtFileDir->text());
  c.WorkFolder = S(workFolder_);
  return c;
}

void TMainForm::ApplyFilter(const FilterControls& c) {
  EditFilterName->setText(Q(c.FilterName));
  CheckItem(RadioGroupEventType, std::clamp(c.TreatmentItem, 0, 2));
  SetEventBoxes(std::clamp(c.TreatmentItem, 0, 2));
  CheckItem(RadioGroupType, std::clamp(c.TypeItem, 0, 1));
  EditMPT->setText(Q(c.MPT));
  EditLOCK->setText(Q(c.LOCK));
  EditForward->setText(Q(c.Forward));
  EditBackWard->setText(Q(c.Back));
  CheckBoxTDP->setChecked(c.DeleteTDP);
  CheckBoxTR->setChecked(c.DeleteTR);
  CheckBoxEOT->setChecked(c.SmartEOT);
  for (int w = 0; w < 4; ++w) {
    grids_[w]->SetRows(c.Windows[w].Rows);
    joinBoxes_[w]->setChecked(c.Windows[w].JoinAnd);
  }
  for (int r = 0; r < ExpressionRows; ++r) gridExpressions_->item(r, 1)->setText(Q(c.Expressions[r]));
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TMainForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TMainForm::FormActivate() {
  pages_->setCurrentIndex(0);
  gridExpressions_->setHorizontalHeaderLabels({"Filter scope", Msg(1055)});
  // Only an empty main expression gets the default: activation follows every dialog and
  // box, and must not overwrite a typed or loaded expression.
  if (gridExpressions_->item(0, 1)->text().isEmpty()) gridExpressions_->item(0, 1)->setText("A");
  WriteGridTitles();
}

void TMainForm::WriteGridTitles() {
  for (int w = 0; w < 3; ++w) grids_[w]->SetTitles({Msg(1056), "Min", "Max"}, {70, 46, 46});
  grids_[fwD]->SetTitles({Msg(1057), "=", "a *", Msg(1058), "+ b"}, {70, 30, 51, 70, 51});
}

template <typename Command>
void TMainForm::Guarded(Command command) {
  try {
    command();
  } catch (const EFilter& e) {
    MessageSeam::Error(this, QString::fromStdString(e.what()));
  } catch (const EZTData& e) {
    QString text = Msg(e.Code());
    MessageSeam::Error(this, text.isEmpty() ? QString::fromStdString(e.what()) : text);
  } catch (const std::exception& e) {
    // Store and data-file errors: their own text, as the platform would show it.
    MessageSeam::Error(this, QString::fromStdString(e.what()));
  } catch (...) {
    MessageSeam::Error(this, Msg(799));
  }
}

void TMainForm::BtnRunClick() {
  BtnRun->setCursor(Qt::WaitCursor);
  Guarded([this] {
    const FilterControls controls = ReadControls();
    AFilter filter(controls, data_.Params());
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
  for (const char* f : DataFileFilters) filters << QString(f);
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

void TMainForm::SetEventBoxes(int item) {
  const bool events = item == tiAsEvents;
  const bool mechanic = item != tiAsHits && item != tiAsEvents;
  for (QWidget* w :
       {static_cast<QWidget*>(eventsBox_), static_cast<QWidget*>(labelMPT_), static_cast<QWidget*>(labelLOCK_),
        static_cast<QWidget*>(EditMPT), static_cast<QWidget*>(EditLOCK)})
    w->setEnabled(events);
  for (QWidget* w :
       {static_cast<QWidget*>(mechanicBox_), static_cast<QWidget*>(labelBack_), static_cast<QWidget*>(labelForward_),
        static_cast<QWidget*>(EditForward), static_cast<QWidget*>(EditBackWard)})
    w->setEnabled(mechanic);
}

void TMainForm::RadioGroupEventTypeClick(int item) {
  CheckItem(RadioGroupEventType, item);
  SetEventBoxes(item);
  if (item != tiAsEvents) {
    EditMPT->clear();
    EditLOCK->clear();
  }
  if (item == tiAsHits || item == tiAsEvents) {
    EditForward->clear();
    EditBackWard->clear();
  }
}

void TMainForm::N3Click() {
  for (int w = 0; w < 4; ++w) grids_[w]->SetRows({});
  for (int r = 0; r < ExpressionRows; ++r) gridExpressions_->item(r, 1)->setText(QString());
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
    AFilter probe(ReadControls(), data_.Params());
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
    BaseUpdate->setEnabled(true);
  });
}

void TMainForm::BaseAddClick() {
  if (!ValidateWindow()) return;
  Guarded([this] {
    currentFilterId_ = data_.Filters().Insert(ReadControls());
    BaseUpdate->setEnabled(true);
    MessageSeam::Inform(this, 1052, 1201);
  });
}

void TMainForm::BaseUpdateClick() {
  if (!ValidateWindow()) return;
  Guarded([this] {
    if (!data_.Filters().Update(currentFilterId_, ReadControls())) MessageSeam::Inform(this, 1054, 1201);
    else MessageSeam::Inform(this, 1053, 1201);
  });
}

// ---------------------------------------------------------------------------------------------
// Report

void TMainForm::CheckBoxPrtEnableClick() {
  const bool on = CheckBoxPrtEnable->isChecked();
  const bool common = RadioGroupPrt->checkedId() == 1;
  RadioGroupPrtBox->setEnabled(on);
  EditPrtFileDir->setEnabled(on);
  BitBtn2->setEnabled(on && common);
  labelPrtFolder_->setEnabled(on && common);
}

void TMainForm::RadioGroupPrtClick() {
  const bool common = RadioGroupPrt->checkedId() == 1;
  labelPrtFolder_->setEnabled(common);
  BitBtn2->setEnabled(common);
  EditPrtFileDir->setEnabled(common);
}

QString TMainForm::ReportPath() const {
  // A run writes into the current directory it made of the work folder, so the work folder
  // (or, without one, the current directory) is where a per-folder report lies.
  const bool common = RadioGroupPrt->checkedId() == 1 && !EditPrtFileDir->text().isEmpty();
  const QString folder = common ? EditPrtFileDir->text() : workFolder_;
  return Q(FilterReport::PathOf(1, S(folder)));
}

void TMainForm::BitBtn2Click() {
  const QString folder = QFileDialog::getExistingDirectory(this, Msg(1051), EditPrtFileDir->text());
  if (!folder.isEmpty()) EditPrtFileDir->setText(folder);
}

void TMainForm::BitBtnProtocolViewClick() {
  const QString path = ReportPath();
  if (!QFileInfo(path).isFile()) {
    MessageSeam::Error(this, Msg(1045) + path + Msg(1046));
    return;
  }
  TFProtocolView view(path, this);
  CenterOnOwner(&view, this);
  view.exec();
}

// ---------------------------------------------------------------------------------------------
// Language, help, about

void TMainForm::RGLanguageClick(int item) {
  if (loadingOptions_) return;
  CheckItem(RGLanguage, item);
  ResourceLanguage::Store(QCoreApplication::applicationFilePath(), item == 1 ? "RUS" : "ENU");
  MessageSeam::Inform(this, 1059, 1201);
}

void TMainForm::BitBtn4Click() { THelpWindow::ShowContext(HelpContext); }

void TMainForm::BitBtn5Click() {
  TAboutBox about(this);
  CenterOnOwner(&about, this);
  about.exec();
}

// ---------------------------------------------------------------------------------------------
// Command line, drops, hiding and closing

void TMainForm::SetSource(const QString& file) {
  // Relative names are the starting folder's; the work folder may differ when a run starts.
  EditSourceFile->setText(QFileInfo(file).absoluteFilePath());
}

void TMainForm::TakeCommandLine(const QStringList& arguments) {
  if (arguments.isEmpty()) return;
  if (arguments.size() > 1) {
    MessageSeam::Inform(this, 1004, 1203);
    return;
  }
  if (IsDataFileName(S(arguments.first()))) SetSource(arguments.first());
  else MessageSeam::Inform(this, 1003, 1203);
}

void TMainForm::TakeDroppedFiles(const QStringList& files) {
  if (files.isEmpty()) return;
  if (files.size() > 1) {
    MessageSeam::Inform(this, 1002, 1203);
    return;
  }
  if (IsDataFileName(S(files.first()))) SetSource(files.first());
  else MessageSeam::Inform(this, 1003, 1203);
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
