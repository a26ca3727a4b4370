#pragma once
// The listing of the data view: one line per hit that is not deleted and lies in at least one
// selection frame, at most 10 000 lines. In events view the hits are grouped by the event rule:
// the first hit of an event is red, a second hit (listed only when shadow hits are shown) blue
// with its time from the event start, and lockout hits are never listed. The columns are those
// of the hit dump, each widened to its largest listed value with a blank before it, and the
// header is laid out to the same widths. With a location setup two more columns give the
// location of each event's first hit ("-" for the other hits); the data set's locations must be
// up to date.
#include <string>
#include <vector>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/GraphColors.h"

namespace ae {

class ATestSetup;

struct ADataListingLine {
  std::string Text;
  TRgb Color = 0x000000;
};

class ADataListing {
 public:
  static constexpr std::size_t LineLimit = 10000;
  // Every parameter code from pcTime to pcPar1, and pcAverFreq.
  static constexpr int ColumnMask = 0x8FFF;
  static constexpr TRgb PlainColor = 0x000000;
  static constexpr TRgb EventStartColor = 0xFF0000;
  static constexpr TRgb SecondHitColor = 0x0000FF;
  // Before the number of a line whose hit has a waveform.
  static constexpr char WaveformMark = '~';

  std::string Header;  // empty for an empty data set
  std::vector<ADataListingLine> Lines;
  // The records are not in time order, so the event rule cannot group them: the lines listed
  // before the offending hit stay.
  bool TimeOrderError = false;

  // Builds the listing afresh. The event rule is the listing's own, so the graphs' pass over
  // the same records is not disturbed.
  void Build(const ZTDataSet& data, const ATestSetup& setup, bool eventsView, bool showShadow);
};

}  // namespace ae
