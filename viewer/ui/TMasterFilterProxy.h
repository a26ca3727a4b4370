#pragma once
// The rows of one graph table that belong to the master row chosen in the grid above (the
// pages of a graph set, the graphs of a page), without the rows marked for deletion. Filtering
// here instead of in the table's query keeps the pending changes of every master.
#include <QSortFilterProxyModel>
#include <optional>

namespace ae {

class TGraphTableModel;

class TMasterFilterProxy : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit TMasterFilterProxy(TGraphTableModel& source, QObject* parent = nullptr);

  TGraphTableModel& Source() const { return source_; }
  // The master's key, or none for no rows at all (the master grid is empty). A table without a
  // master column ignores it.
  void SetMaster(std::optional<int> key);
  const std::optional<int>& Master() const { return master_; }
  // After rows were marked for deletion.
  void Refilter() { invalidateFilter(); }
  // The source row of a row of this view, or -1.
  int SourceRow(int row) const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  TGraphTableModel& source_;
  std::optional<int> master_;
};

}  // namespace ae
