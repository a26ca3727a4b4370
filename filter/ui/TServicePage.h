#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ae {

struct FilterControls;
struct SorvelOptions;

// The Service page "TabSheet3" of the main window: the report options, the common options, the
// filter database buttons, the language choice, "&Report View", "&Help" and "&About", and the
// work folder. It reads and applies its part of the window description and of the options; the
// buttons that need the whole window or the tables are the window's commands, passed on as
// signals.
class TServicePage : public QWidget {
  Q_OBJECT

 public:
  explicit TServicePage(QWidget* window);

  // "Make report file", the report file item and the report folder.
  void ReadInto(FilterControls& controls) const;

  // The stored options as the window is started with (the work folder is the window's); the
  // language handler does not run while they are applied.
  void ApplyOptions(const SorvelOptions& options);
  // The options as the page holds them, the work folder left empty.
  SorvelOptions Options() const;

  // The work folder in the disabled label at the foot of the page.
  void ShowWorkFolder(const QString& folder);
  // "&Update" becomes available once a filter was loaded or inserted.
  void EnableUpdate();

  // Handlers, named as the window's events.
  void CheckBoxPrtEnableClick();
  void RadioGroupPrtClick();
  void BitBtn2Click();  // the report folder button
  void RGLanguageClick(int item);

 signals:
  void BaseLoadClicked();
  void BaseAddClicked();
  void BaseUpdateClicked();
  void ReportViewClicked();
  void HelpClicked();
  void AboutClicked();

 private:
  void EnableReportControls(bool byMakeReport);

  bool loadingOptions_ = false;
  QCheckBox* CheckBoxPrtEnable;
  QGroupBox* RadioGroupPrtBox;
  QButtonGroup* RadioGroupPrt;
  QLabel* labelPrtFolder_;
  QLineEdit* EditPrtFileDir;
  QPushButton* BitBtn2;
  QCheckBox* CheckBoxSaveFolder;
  QCheckBox* CheckBoxSaveConfig;
  QPushButton* BaseUpdate;
  QButtonGroup* RGLanguage;
  QLabel* labelWorkFolder_;
};

}  // namespace ae
