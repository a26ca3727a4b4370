#include "viewer/ui/TMasterFilterProxy.h"

#include "viewer/ui/TGraphTableModel.h"

namespace ae {

TMasterFilterProxy::TMasterFilterProxy(TGraphTableModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
  // No sorting: key order stays, the order of tabs and graph numbers. A new row appears once its
  // master field is set, as the filter follows changed data.
  setSourceModel(&source);
}

void TMasterFilterProxy::SetMaster(std::optional<int> key) {
  if (key == master_) return;
  master_ = key;
  invalidateFilter();
}

int TMasterFilterProxy::SourceRow(int row) const {
  const QModelIndex source = mapToSource(index(row, 0));
  return source.isValid() ? source.row() : -1;
}

bool TMasterFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  if (source_.IsDeleted(sourceRow)) return false;
  if (source_.MasterColumn() < 0) return true;
  return master_.has_value() && source_.MasterOf(sourceRow) == *master_;
}

}  // namespace ae
