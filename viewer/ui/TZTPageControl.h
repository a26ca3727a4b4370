#pragma once
// The tabs of graph pages, and the loaded data set they show: pages are built from the graph
// set the options choose, rebuilt after loading a file and after the option and graph database
// windows; every graph hears the page control's redraws and time ranges.
#include <QString>
#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/AProtocol.h"
#include "viewer/core/ASelectionCommands.h"
#include "viewer/core/ATimeWindow.h"
#include "viewer/graphs/TCommonData.h"
#include "viewer/ui/GraphMouse.h"

namespace ae {

class TMainDataModule;
class TZTTabSheet;

class TZTPageControl : public QTabWidget {
  Q_OBJECT

 public:
  TZTPageControl(AOptions& options, ATestSetup& setup, AProtocol& protocol, GraphMouseHost& host,
                 QWidget* parent = nullptr);
  ~TZTPageControl() override;

  ZTDataSet& DataSet() { return dataSet_; }
  TCommonData& Common() { return common_; }
  ASelectionCommands& Selection() { return selection_; }
  ATimeWindow& TimeWindow() { return timeWindow_; }
  GraphMouse& Mouse() { return mouse_; }
  void SetDataModule(TMainDataModule* module) { module_ = module; }

  // Rebuilds every page from the graph database for the chosen graph set.
  void BuildPages();
  // Loads a data file (with progress when it takes long) and rebuilds the pages; false after
  // an error, which the user has been shown.
  bool LoadData(const QString& fileName);
  // Saves every record that is not deleted into a new file of the loaded format (with progress);
  // raises the save's error.
  void SaveData(const QString& fileName);

  void RedrawAll();
  void SetTimeRange(std::int32_t from, std::int32_t to);
  // The time window's restore: the file's time axis or every graph's configured range.
  void RestoreTimeRange();
  void ApplyTimeWindow(const ATimeWindowChange& change);
  void UpdateAllLayouts();
  // The graphs of the page shown fitted to their data, until the pages are built again or the
  // stored ranges come back; false when no graph changed.
  bool FitAxesToData();
  // Every page's graphs back to the ranges of the graph database after a fit.
  void RestoreStoredRanges();

  std::vector<TZTTabSheet*> Sheets() const;

 signals:
  // Graphs have rendered, and with them the event count of event view.
  void GraphsRendered();

 private:
  void ShowTimeOrderError(double seconds);

  AOptions& options_;
  ATestSetup& setup_;
  AProtocol& protocol_;
  ZTDataSet dataSet_;
  TCommonData common_;
  ASelectionCommands selection_;
  ATimeWindow timeWindow_;
  GraphMouse mouse_;
  TMainDataModule* module_ = nullptr;
  bool layingOut_ = false;
};

}  // namespace ae
