#pragma once

#include <QWidget>

#include "filter/core/FilterControls.h"

class QAction;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSystemTrayIcon;
class QTabWidget;
class QTableWidget;

namespace ae {

class TDataModule2;
class TExpressionGrid;
class TFilterGrid;
class TFiltrationPage;
class TServicePage;

// The filter program's main window "AE Sorvel". It assembles the top panel (source,
// destination, filter name, expressions, run), the Filtration and Service pages and the
// notification icon, owns the commands (run, files, filter database, report view, help, about,
// hide and close) and talks to the engine and the tables. Each page reads and applies its own
// part of the window description. Fixed size, 640 x 465.
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
  void N3Click();  // "&Clear"
  void BaseLoadClick();
  void BaseAddClick();
  void BaseUpdateClick();
  void BitBtnProtocolViewClick();
  void BitBtn4Click();  // "&Help"
  void BitBtn5Click();  // "&About"
  void BitBtnHideClick();
  void N1Click();  // "&Restore"
  // Saves the options and removes the notification icon; once, at the end of the window.
  void FormDestroy();

  // The parameter lookup for the current cell of a grid (Ctrl+F1).
  void LookupParameter(TFilterGrid* grid);

  TFiltrationPage& Filtration() const { return *filtration_; }
  TServicePage& Service() const { return *service_; }
  TFilterGrid* Grid(int window) const;
  QTableWidget* Expressions() const;
  QAction* RestoreAction() const { return restore_; }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QWidget* BuildTopPanel();
  void BuildTray();
  void ReadOptions();
  void SetWorkFolder(const QString& folder);
  // One data file of a command line or a drop becomes the source; more than one gives the
  // message tooMany (the two differ in that message only).
  void TakeOneDataFile(const QStringList& files, int tooMany);
  QString ChooseDataFile(bool save);
  // Runs a command, showing whatever it throws in an error box (caption 1200).
  template <typename Command>
  void Guarded(Command command);
  bool ValidateWindow();

  TDataModule2& data_;
  int currentFilterId_ = 0;
  QString workFolder_;
  bool destroyed_ = false;

  // Top panel.
  QLineEdit* EditSourceFile;
  QLineEdit* EditPostFile;
  QLineEdit* EditFilterName;
  TExpressionGrid* gridExpressions_;
  QProgressBar* ProgressRun;
  QPushButton* BtnRun;

  QTabWidget* pages_;
  TFiltrationPage* filtration_;
  TServicePage* service_;

  // Notification icon.
  QSystemTrayIcon* tray_ = nullptr;
  QMenu* trayMenu_ = nullptr;
  QAction* restore_ = nullptr;
};

}  // namespace ae
