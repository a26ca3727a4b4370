#pragma once
// "Graph Data Base..": the graph database in three grids, graph sets -> their pages -> the
// graphs of a page, and editors for the graph chosen. Every change stays pending until OK; OK
// checks them, writes the three tables in one transaction and makes the graph set chosen in
// the first grid the current and last-used one. Cancel leaves the database as it was.
//
// In a grid, Insert adds a row (a page to the chosen set, a graph to the chosen page) and
// Ctrl+Delete deletes the chosen row, with the pages and graphs under it.
#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QDataWidgetMapper;
class QLineEdit;
class QSqlQueryModel;
class QTableView;
class QWidget;

namespace ae {

class AOptions;
class TGraphTableModel;
class TMasterFilterProxy;
class ZTDataStore;

class TDataBaseForm : public QDialog {
  Q_OBJECT

 public:
  // The size it opens with; centring it fits it to this, not to its smallest layout.
  QSize sizeHint() const override { return {900, 600}; }
  // Reads the graph tables; raises EStore when they cannot be read.
  TDataBaseForm(ZTDataStore& store, AOptions& options, QWidget* owner);
  ~TDataBaseForm() override;

  enum Grid : int { gSets, gPages, gGraphs };

  // OK: checks the pending changes (a message names the first problem and nothing is written),
  // writes them, sets the options and closes the window.
  void BitBtn3Click();

  // What Insert and Ctrl+Delete do in a grid; the new row becomes the chosen one. Adding needs
  // a chosen master (a set for a page, a page for a graph).
  void AddRow(Grid grid);
  void DeleteRow(Grid grid);

  QTableView* View(Grid grid) const { return views_[grid]; }
  // The key of the chosen row of a grid (temporary and negative for a row not yet written).
  std::optional<int> ChosenKey(Grid grid) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildGraphEditors();
  void ChooseRow(Grid grid, int row);
  void ChosenChanged(Grid grid);
  void ShowProblem(Grid grid, int sourceRow, int column);
  bool Write();
  void Reload();

  ZTDataStore& store_;
  AOptions& options_;
  std::array<TGraphTableModel*, 3> tables_{};
  std::array<TMasterFilterProxy*, 3> proxies_{};
  std::array<QTableView*, 3> views_{};
  QSqlQueryModel* graphTypes_;
  QSqlQueryModel* params_;
  QSqlQueryModel* cumTypes_;
  QSqlQueryModel* binSumTypes_;
  QDataWidgetMapper* mapper_;
  QWidget* editors_ = nullptr;
  bool writing_ = false;
};

}  // namespace ae
