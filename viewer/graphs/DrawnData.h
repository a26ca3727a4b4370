#pragma once
// What every drawing of a graph reads besides its own axes and kind: the records and their
// deleted flags, the located events, the channels shown, the time window and the parametric
// conversion. Part of the key under which a graph keeps a drawing.
#include <cstdint>

#include "viewer/core/ChannelList.h"
#include "viewer/graphs/TZTGraph.h"

namespace ae {

struct DrawnData {
  // The records and their deleted flags (with no hit deleted, the flags are known without a
  // version), and on a location the located events.
  const ZTDataSet* Data;
  std::uint64_t Records;
  std::uint64_t DeletedFlags;
  std::uint64_t LocationsRevision;
  AChannelSet Channels, CheckedChan;
  bool TimeRangeFilter;
  int FilterStart, FilterEnd;
  double DivisorSys, OffsetSys, DivisorReal, OffsetReal;

  static DrawnData Of(const TZTGraph& graph) {
    const TCommonData& common = graph.Common();
    const AOptions& o = *common.Options;
    const ATestSetup& setup = *common.Setup;
    const ZTDataSet* data = common.DataSet;
    return DrawnData{data,
                     data != nullptr ? data->RecordsIdentity() : 0,
                     data != nullptr && data->DeletedCount > 0 ? data->Version : 0,
                     data != nullptr && graph.UsesLocation() ? data->Locations.Revision() : 0,
                     graph.Channels,
                     o.CheckedChan,
                     o.TimeRangeFilter,
                     o.TimeRangeFilter ? o.FilterStart : 0,  // the window's ends count only while it filters
                     o.TimeRangeFilter ? o.FilterEnd : 0,
                     setup.DivisorSys,
                     setup.OffsetSys,
                     setup.DivisorReal,
                     setup.OffsetReal};
  }

  bool operator==(const DrawnData&) const = default;
};

}  // namespace ae
