#include "filter/ui/TServicePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "filter/core/FilterControls.h"
#include "filter/ui/FilterBoxes.h"
#include "filter/ui/FormLayout.h"
#include "filter/ui/SorvelOptions.h"
#include "ui/QtText.h"
#include "ui/ResourceLanguage.h"

namespace ae {

TServicePage::TServicePage(QWidget* window) : QWidget(window) {
  setObjectName("TabSheet3");

  // Report.
  auto* reportBox = NewGroupBox(tr("Report"), this);
  CheckBoxPrtEnable = new QCheckBox(tr("Make report file"), reportBox);
  CheckBoxPrtEnable->setObjectName("CheckBoxPrtEnable");
  CheckBoxPrtEnable->setChecked(true);
  connect(CheckBoxPrtEnable, &QCheckBox::clicked, this, &TServicePage::CheckBoxPrtEnableClick);
  RadioGroupPrtBox = NewGroupBox(tr(" Report file "), reportBox);
  RadioGroupPrtBox->setObjectName("RadioGroupPrt");
  RadioGroupPrt = new QButtonGroup(this);
  auto* prtLayout = new QVBoxLayout(RadioGroupPrtBox);
  TightenLayout(prtLayout, 4, 1);
  AddRadioItem(RadioGroupPrt, prtLayout, tr("Report file in each folder"), RadioGroupPrtBox)->setChecked(true);
  AddRadioItem(RadioGroupPrt, prtLayout, tr("Common report file"), RadioGroupPrtBox);
  connect(RadioGroupPrt, &QButtonGroup::idClicked, this, &TServicePage::RadioGroupPrtClick);
  labelPrtFolder_ = new QLabel(tr("Report folder"), reportBox);
  EditPrtFileDir = new QLineEdit(reportBox);
  EditPrtFileDir->setObjectName("EditPrtFileDir");
  EditPrtFileDir->setAcceptDrops(false);
  labelPrtFolder_->setBuddy(EditPrtFileDir);
  BitBtn2 = new QPushButton("...", reportBox);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setToolTip(Msg(1051));
  BitBtn2->setFixedWidth(28);
  connect(BitBtn2, &QPushButton::clicked, this, &TServicePage::BitBtn2Click);
  auto* folderRow = new QHBoxLayout;
  folderRow->setSpacing(2);
  folderRow->addWidget(EditPrtFileDir, 1);
  folderRow->addWidget(BitBtn2);
  auto* reportLayout = new QVBoxLayout(reportBox);
  TightenLayout(reportLayout, 6, 4);
  reportLayout->addWidget(CheckBoxPrtEnable);
  reportLayout->addWidget(RadioGroupPrtBox);
  reportLayout->addWidget(labelPrtFolder_);
  reportLayout->addLayout(folderRow);
  reportLayout->addStretch();

  // Common options.
  auto* commonBox = NewGroupBox(tr("Common"), this);
  CheckBoxSaveFolder = new QCheckBox(tr("Save work folder"), commonBox);
  CheckBoxSaveFolder->setObjectName("CheckBoxSaveFolder");
  CheckBoxSaveFolder->setChecked(true);
  CheckBoxSaveConfig = new QCheckBox(tr("Save configuration on exit"), commonBox);
  CheckBoxSaveConfig->setObjectName("CheckBoxSaveConfig");
  CheckBoxSaveConfig->setChecked(true);
  auto* commonLayout = new QVBoxLayout(commonBox);
  TightenLayout(commonLayout, 6, 3);
  commonLayout->addWidget(CheckBoxSaveFolder);
  commonLayout->addWidget(CheckBoxSaveConfig);

  // Filter database.
  auto* baseBox = NewGroupBox(tr("Filter database"), this);
  auto* baseLoad = new QPushButton(tr("&Open"), baseBox);
  baseLoad->setObjectName("BaseLoad");
  auto* baseAdd = new QPushButton(tr("&Insert"), baseBox);
  baseAdd->setObjectName("BaseAdd");
  BaseUpdate = new QPushButton(tr("&Update"), baseBox);
  BaseUpdate->setObjectName("BaseUpdate");
  BaseUpdate->setEnabled(false);
  connect(baseLoad, &QPushButton::clicked, this, &TServicePage::BaseLoadClicked);
  connect(baseAdd, &QPushButton::clicked, this, &TServicePage::BaseAddClicked);
  connect(BaseUpdate, &QPushButton::clicked, this, &TServicePage::BaseUpdateClicked);
  auto* baseLayout = new QHBoxLayout(baseBox);
  TightenLayout(baseLayout, 6, 4);
  baseLayout->addWidget(baseLoad);
  baseLayout->addWidget(baseAdd);
  baseLayout->addWidget(BaseUpdate);

  // Language.
  auto* languageBox = NewGroupBox(tr("Language"), this);
  languageBox->setObjectName("RGLanguage");
  RGLanguage = new QButtonGroup(this);
  auto* languageLayout = new QVBoxLayout(languageBox);
  TightenLayout(languageLayout, 6, 1);
  AddRadioItem(RGLanguage, languageLayout, tr("English"), languageBox)->setChecked(true);
  AddRadioItem(RGLanguage, languageLayout, tr("Russian"), languageBox);
  connect(RGLanguage, &QButtonGroup::idClicked, this, &TServicePage::RGLanguageClick);

  auto* reportView = new QPushButton(tr("&Report View"), this);
  reportView->setObjectName("BitBtnProtocolView");
  connect(reportView, &QPushButton::clicked, this, &TServicePage::ReportViewClicked);
  auto* help = new QPushButton(tr("&Help"), this);
  help->setObjectName("BitBtn4");
  connect(help, &QPushButton::clicked, this, &TServicePage::HelpClicked);
  auto* about = new QPushButton(tr("&About"), this);
  about->setObjectName("BitBtn5");
  connect(about, &QPushButton::clicked, this, &TServicePage::AboutClicked);
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(4);
  buttons->addWidget(reportView);
  buttons->addWidget(help);
  buttons->addWidget(about);
  buttons->addStretch();

  labelWorkFolder_ = new QLabel(this);
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

  auto* layout = new QGridLayout(this);
  TightenLayout(layout, 6, 6);
  layout->addWidget(reportBox, 0, 0);
  layout->addLayout(middle, 0, 1);
  layout->addLayout(right, 0, 2);
  layout->addWidget(labelWorkFolder_, 1, 0, 1, 3);
  layout->setColumnStretch(0, 5);
  layout->setColumnStretch(1, 4);
  layout->setColumnStretch(2, 2);
  layout->setRowStretch(0, 1);
}

void TServicePage::ReadInto(FilterControls& c) const {
  c.MakeReport = CheckBoxPrtEnable->isChecked();
  c.ReportFileItem = std::max(0, RadioGroupPrt->checkedId());
  c.ReportFolder = S(EditPrtFileDir->text());
}

void TServicePage::ApplyOptions(const SorvelOptions& options) {
  loadingOptions_ = true;
  CheckBoxSaveConfig->setChecked(options.SaveConfig);
  if (options.SaveConfig) {
    CheckBoxSaveFolder->setChecked(options.SaveFolder);
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

SorvelOptions TServicePage::Options() const {
  SorvelOptions options;
  options.SaveConfig = CheckBoxSaveConfig->isChecked();
  options.SaveFolder = CheckBoxSaveFolder->isChecked();
  options.SaveProtocol = CheckBoxPrtEnable->isChecked();
  options.ProtocolFolder = EditPrtFileDir->text();
  options.OneProtocolFile = RadioGroupPrt->checkedId() == 1;
  options.Language = RGLanguage->checkedId() == 1;
  return options;
}

void TServicePage::ShowWorkFolder(const QString& folder) {
  labelWorkFolder_->setText(folder);
  labelWorkFolder_->setToolTip(folder);
}

void TServicePage::EnableUpdate() { BaseUpdate->setEnabled(true); }

// ---------------------------------------------------------------------------------------------
// Report

void TServicePage::CheckBoxPrtEnableClick() { EnableReportControls(true); }

void TServicePage::RadioGroupPrtClick() { EnableReportControls(false); }

// The one rule of the report controls. Unticked "Make report file" disables them all; ticked, it
// enables the report file group, and the folder button with its label serve the common file
// only. The folder box is where the two events differ: ticking "Make report file" gives every
// report control back at once, the folder box included, so that a folder can be typed before
// the item is chosen; choosing an item then settles the folder box by the item.
void TServicePage::EnableReportControls(bool byMakeReport) {
  const bool on = CheckBoxPrtEnable->isChecked();
  const bool common = RadioGroupPrt->checkedId() == 1;
  RadioGroupPrtBox->setEnabled(on);
  BitBtn2->setEnabled(on && common);
  labelPrtFolder_->setEnabled(on && common);
  EditPrtFileDir->setEnabled(on && (common || byMakeReport));
}

void TServicePage::BitBtn2Click() {
  const QString folder = QFileDialog::getExistingDirectory(window(), Msg(1051), EditPrtFileDir->text());
  if (!folder.isEmpty()) EditPrtFileDir->setText(folder);
}

// ---------------------------------------------------------------------------------------------
// Language

void TServicePage::RGLanguageClick(int item) {
  if (loadingOptions_) return;
  CheckItem(RGLanguage, item);
  ResourceLanguage::Store(QCoreApplication::applicationFilePath(), item == 1 ? "RUS" : "ENU");
  FilterBoxes::Inform(window(), 1059, 1201);
}

}  // namespace ae
