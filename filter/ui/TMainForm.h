#pragma once

#include <QWidget>
#include <array>

#include "filter/core/FilterControls.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSystemTrayIcon;
class QTableWidget;
class QTabWidget;

namespace ae {

class TDataModule2;
class TFilterGrid;

// The filter program's main window "AE Sorvel": source and destination, the filter definition
// (windows A to D, expressions, type, treatment, options), the run, the filter database commands,
// the report options and the program options. Fixed size, 640 x 465.
class TMainForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int ClientWidth = 640;
  static constexpr int ClientHeight = 465;
  static constexpr int HelpContext = 160;

  // Creates the window: reads the options, adds the notification icon and takes the command
  // line (the program's arguments without the program name).
  TMainForm(TDataModule2& data, const QStringList& arguments, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The window as a plain description, and the filter part of one put back into the window.
  FilterControls ReadControls() const;
  void ApplyFilter(const FilterControls& controls);

  int CurrentFilterId() const { return currentFilterId_; }
  QString WorkFolder() const { return workFolder_; }
  // Where "&Report View" looks: the common folder or the work folder, then "Protocol.txt".
  QString ReportPath() const;

  // The command line and dropped files: one data file becomes the source.
  void TakeCommandLine(const QStringList& arguments);
  void TakeDroppedFiles(const QStringList& files);

  // Handlers, named as the window's events.
  void FormActivate();
  void BtnRunClick();
  void BtnSourceFileClick();
  void BtnPostFileClick();
  void RadioGroupEventTypeClick(int item);
  void N3Click();  // "&Clear"
  void BaseLoadClick();
  void BaseAddClick();
  void BaseUpdateClick();
  void CheckBoxPrtEnableClick();
  void RadioGroupPrtClick();
  void BitBtn2Click();  // the report folder button
  void BitBtnProtocolViewClick();
  void RGLanguageClick(int item);
  void BitBtn4Click();  // "&Help"
  void BitBtn5Click();  // "&About"
  void BitBtnHideClick();
  void N1Click();  // "&Restore"
  // Saves the options and removes the notification icon; once, at the end of the window.
  void FormDestroy();

  // The parameter lookup for the current cell of a grid (Ctrl+F1).
  void LookupParameter(TFilterGrid* grid);

  TFilterGrid* Grid(int window) const { return grids_[static_cast<size_t>(window)]; }
  QTableWidget* Expressions() const { return gridExpressions_; }
  QAction* RestoreAction() const { return restore_; }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QWidget* BuildTopPanel();
  QWidget* BuildFiltrationPage();
  QWidget* BuildServicePage();
  void BuildTray();
  void ReadOptions();
  void WriteGridTitles();
  void SetWorkFolder(const QString& folder);
  void SetEventBoxes(int item);
  void SetSource(const QString& file);
  QString ChooseDataFile(bool save);
  // Runs a command, showing whatever it throws in an error box (caption 1200).
  template <typename Command>
  void Guarded(Command command);
  bool ValidateWindow();

  TDataModule2& data_;
  int currentFilterId_ = 0;
  QString workFolder_;
  bool loadingOptions_ = false;
  bool destroyed_ = false;

  // Top panel.
  QLineEdit* EditSourceFile;
  QLineEdit* EditPostFile;
  QLineEdit* EditFilterName;
  QTableWidget* gridExpressions_;
  QProgressBar* ProgressRun;
  QPushButton* BtnRun;
  QTabWidget* pages_;

  // Filtration page: windows A, B, C, D.
  std::array<TFilterGrid*, 4> grids_{};
  std::array<QGroupBox*, 4> gridBoxes_{};
  std::array<QCheckBox*, 4> joinBoxes_{};
  QButtonGroup* RadioGroupType;
  QButtonGroup* RadioGroupEventType;
  QGroupBox* eventsBox_;
  QLabel* labelMPT_;
  QLabel* labelLOCK_;
  QLineEdit* EditMPT;
  QLineEdit* EditLOCK;
  QGroupBox* mechanicBox_;
  QLabel* labelBack_;
  QLabel* labelForward_;
  QLineEdit* EditForward;
  QLineEdit* EditBackWard;
  QCheckBox* CheckBoxEOT;
  QCheckBox* CheckBoxTDP;
  QCheckBox* CheckBoxTR;

  // Service page.
  QCheckBox* CheckBoxPrtEnable;
  QGroupBox* RadioGroupPrtBox;
  QButtonGroup* RadioGroupPrt;
  QLabel* labelPrtFolder_;
  QLineEdit* EditPrtFileDir;
  QPushButton* BitBtn2;
  QCheckBox* CheckBoxSaveFolder;
  QCheckBox* CheckBoxSaveConfig;
  QPushButton* BaseLoad;
  QPushButton* BaseAdd;
  QPushButton* BaseUpdate;
  QButtonGroup* RGLanguage;
  QLabel* labelWorkFolder_;

  // Notification icon.
  QSystemTrayIcon* tray_ = nullptr;
  QMenu* trayMenu_ = nullptr;
  QAction* restore_ = nullptr;
};

}  // namespace ae
