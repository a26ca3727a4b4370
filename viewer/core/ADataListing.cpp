#include "viewer/core/ADataListing.h"

#include <cstdio>
#include <iomanip>
#include <sstream>

#include "datafiles/EZTData.h"
#include "datafiles/ZTEventRule.h"
#include "viewer/core/ATestSetup.h"

namespace ae {

namespace {

enum : int { erEventStart = 0, erSecondHit = 1, erLockout = 2 };

}  // namespace

void ADataListing::Build(const ZTDataSet& data, const ATestSetup& setup, bool eventsView, bool showShadow) {
  Header.clear();
  Lines.clear();
  TimeOrderError = false;
  if (data.Recs.empty()) return;

  std::ostringstream line;
  line << std::setw(6) << "Num";
  ZTShortHit().DumpTitles(line, ColumnMask);
  ZTEventRule rule;
  if (eventsView) {
    line << std::setw(6) << "dT";
    rule.ResetMicroseconds(setup.MPT, setup.Lockout);
  }
  Header = line.str();

  char tail[64];
  for (const ZTShortHit& rec : data.Recs) {
    if (Lines.size() >= LineLimit) break;
    if (!rec.IsHit() || rec.IsDeleted()) continue;
    // The rule sees every hit that is not deleted, framed or not, so that events are the same
    // whatever the frames select.
    int position = erEventStart;
    ATestTime distance;
    if (eventsView) {
      try {
        position = rule.EventTest(rec, &distance);
      } catch (const EZTData& error) {
        if (error.Code() != EZTData::TimeOrderError) throw;
        TimeOrderError = true;
        return;
      }
    }
    if (rec.FrameBits == 0) continue;
    if (eventsView && (position == erLockout || (position == erSecondHit && !showShadow))) continue;

    line.str({});
    line << std::setw(6) << Lines.size() + 1;
    rec.DumpValues(line, ColumnMask);
    std::snprintf(tail, sizeof tail, "%8.2f", setup.ParP(rec.GetValue(pcPar1)));
    line << tail;
    TRgb color = PlainColor;
    if (eventsView && position == erSecondHit) {
      // Ticks are quarter microseconds.
      std::snprintf(tail, sizeof tail, "%6.0f", static_cast<double>(distance.Ticks()) / 4.0);
      line << tail;
      color = SecondHitColor;
    } else if (eventsView) {
      color = EventStartColor;
    }
    std::string text = line.str();
    // A hit whose waveform the file holds: a mark in the blank before its number.
    if (data.Waveforms.Has(static_cast<std::uint32_t>(&rec - data.Recs.data()))) text[0] = WaveformMark;
    Lines.push_back({std::move(text), color});
  }
}

}  // namespace ae
