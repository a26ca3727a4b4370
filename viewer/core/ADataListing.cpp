#include "viewer/core/ADataListing.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>

#include "datafiles/EZTData.h"
#include "datafiles/ZTEventRule.h"
#include "viewer/core/ATestSetup.h"

namespace ae {

namespace {

enum : int { erEventStart = 0, erSecondHit = 1, erLockout = 2 };

// The columns of the hit dump, in the dump's order.
constexpr std::array<int, 9> DumpColumns = {pcTime,   pcChannel,   pcRise,     pcCounts, pcDuration,
                                            pcEnergy, pcAmplitude, pcAverFreq, pcPar1};
constexpr int NumWidth = 6;
constexpr int DtWidth = 6;
constexpr int LocationWidth = 8;

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One column of the dump for one hit: its text as the dump writes it, without the padding.
std::string DumpValue(const ZTShortHit& hit, int column) {
  // A zero duration has no frequency; the dump would print infinity or NaN.
  if (column == pcAverFreq && hit.Duration == 0) return "0.0";
  std::ostringstream os;
  hit.DumpValues(os, column);
  return Trimmed(os.str());
}

void RightAligned(std::string& line, const std::string& text, std::size_t width) {
  if (text.size() < width) line.append(width - text.size(), ' ');
  line += text;
}

}  // namespace

void ADataListing::Build(const ZTDataSet& data, const ATestSetup& setup, bool eventsView, bool showShadow) {
  Header.clear();
  Lines.clear();
  TimeOrderError = false;
  if (data.Recs.empty()) return;

  // The columns: "Num", those of the hit dump (the parametric one shows the converted value),
  // and in events view "dT". Each is at least as wide as the dump makes it.
  std::vector<std::string> titles{"Num"};
  std::vector<std::size_t> widths{NumWidth};
  for (int column : DumpColumns) {
    if (!(ColumnMask & column)) continue;
    std::ostringstream os;
    ZTShortHit().DumpTitles(os, column);
    titles.push_back(Trimmed(os.str()));
    widths.push_back(os.str().size());
  }
  // With a location setup, the location of each event's first hit, in metres.
  const bool located = setup.Location.Active();
  if (located) {
    for (const char* title : {"X, m", "Y, m"}) {
      titles.push_back(title);
      widths.push_back(LocationWidth);
    }
  }
  if (eventsView) {
    titles.push_back("dT");
    widths.push_back(DtWidth);
  }

  ZTLocations::Cursor locations(data.Locations);
  ZTEventRule rule;
  if (eventsView) rule.ResetMicroseconds(setup.MPT, setup.Lockout);
  std::vector<std::vector<std::string>> cells;
  std::vector<bool> waveforms;  // per listed line
  char text[64];
  for (std::size_t index = 0; index < data.Recs.size(); ++index) {
    const ZTShortHit& rec = data.Recs[index];
    if (cells.size() >= LineLimit) break;
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
        break;
      }
    }
    if (rec.FrameBits == 0) continue;
    if (eventsView && (position == erLockout || (position == erSecondHit && !showShadow))) continue;

    std::vector<std::string>& row = cells.emplace_back();
    row.push_back(std::to_string(cells.size()));
    for (int column : DumpColumns)
      if ((ColumnMask & column) && column != pcPar1) row.push_back(DumpValue(rec, column));
    std::snprintf(text, sizeof text, "%.2f", setup.ParP(rec.GetValue(pcPar1)));
    row.push_back(text);
    if (located) {
      const ZTLocation* location = locations.At(index);
      for (int code : {pcLocX, pcLocY}) {
        if (location != nullptr) std::snprintf(text, sizeof text, "%.3f", location->Value(code));
        row.push_back(location != nullptr ? text : "-");
      }
    }
    TRgb color = PlainColor;
    if (eventsView && position == erSecondHit) {
      // Ticks are quarter microseconds.
      std::snprintf(text, sizeof text, "%.0f", static_cast<double>(distance.Ticks()) / 4.0);
      row.push_back(text);
      color = SecondHitColor;
    } else if (eventsView) {
      color = EventStartColor;
    }
    Lines.push_back({{}, color});
    waveforms.push_back(data.Waveforms.Has(static_cast<std::uint32_t>(&rec - data.Recs.data())));
  }

  // Every column as wide as its widest value, with at least one blank before it, so that
  // large values never run into their neighbours; the header stands over the columns.
  for (const auto& row : cells)
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size() + (c > 0 ? 1 : 0));
  for (std::size_t c = 0; c < titles.size(); ++c) RightAligned(Header, titles[c], widths[c]);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    for (std::size_t c = 0; c < cells[i].size(); ++c) RightAligned(Lines[i].Text, cells[i][c], widths[c]);
    // A hit whose waveform the file holds: a mark in the blank before its number.
    if (waveforms[i] && !Lines[i].Text.empty() && Lines[i].Text[0] == ' ') Lines[i].Text[0] = WaveformMark;
  }
}

}  // namespace ae
