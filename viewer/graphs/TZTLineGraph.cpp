#include "viewer/graphs/TZTLineGraph.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>

#include "datafiles/EZTData.h"
#include "datafiles/ZTEventRule.h"
#include "viewer/graphs/AxisPixels.h"
#include "viewer/graphs/DrawnData.h"
#include "viewer/graphs/GraphText.h"
#include "viewer/graphs/LocatedValues.h"
#include "viewer/graphs/PixelCanvas.h"

namespace ae {

TZTLineGraph::TZTLineGraph(TCommonData& common, int graphNumber) : TZTGraph(common, graphNumber) { GraphKind = gkLine; }

void TZTLineGraph::SetBins(const TBinSetup& bins) {
  XBinNum = static_cast<std::int16_t>(bins.XBinNum);
  YBinNum = static_cast<std::int16_t>(bins.YBinNum);
  XBinSumTypeID = static_cast<std::int16_t>(bins.XBinSumTypeID);
  YBinSumTypeID = static_cast<std::int16_t>(bins.YBinSumTypeID);
  XCumTypeID = static_cast<std::int16_t>(bins.XCumTypeID);
  YCumTypeID = static_cast<std::int16_t>(bins.YCumTypeID);
  Dirty = true;
}

int TZTLineGraph::BinCount() const { return std::clamp(PlotRight - PlotLeft, 0, 32767); }

void TZTLineGraph::FillBins() {
  TCommonData& common = Common();
  const AOptions& options = *common.Options;
  const ATestSetup& setup = *common.Setup;
  ZTDataSet& data = *common.DataSet;

  const int bins = BinCount();
  const int rows = options.ViewType == 2 ? 1 : 128;
  bins_.Reset(rows, bins);
  BinCountValue = bins;
  RowCount = rows;
  if (bins <= 0) return;

  const int xParam = XAxis.Param, yParam = YAxis.Param;
  const double xMin = XAxis.Min, xMax = XAxis.Max, yMin = YAxis.Min;
  const bool xLog = XAxis.Log;
  const double fxMin = AGraphAxis::F(xMin, xLog);
  const double xScale = XAxis.Scale;  // the binning scale, set by DrawDataPixels
  const bool events = options.EventsView;
  const bool timeFilter = options.TimeRangeFilter;
  const double timeFrom = options.FilterStart, timeTo = options.FilterEnd;
  const bool rowPerChannel = options.ViewType == 0 && !NoColour;
  const int sumType = YBinSumTypeID;
  std::array<bool, 256> selected{};
  for (int c = 1; c <= 128; ++c) selected[c] = ChannelSelected(c);

  ZTEventRule rule;
  rule.ResetMicroseconds(setup.MPT, setup.Lockout);
  std::uint32_t eventCount = 0;
  std::uint64_t outside = 0;
  const bool xTime = xParam == pcTime;
  // On a location only the located events count, each by its first hit.
  std::optional<LocatedValues> located;
  if (LocatedValues::Uses(xParam, yParam)) located.emplace(data, xParam, yParam);
  PassEventCount = 0;
  auto add = [&](const ZTShortHit& rec) {
    if (rec.IsDeleted() || rec.Kind != rkHit) return;
    double x = 0.0, y = 0.0;
    if (!located) x = HitValue(rec, xParam), y = HitValue(rec, yParam);
    if (events) {
      int eventClass;
      try {
        eventClass = rule.EventTest(rec);
      } catch (const EZTData&) {
        data.EventCount = eventCount;
        PassEventCount.reset();
        ZTDataSet::EventRule().ErrorTime = rule.ErrorTime;
        throw;
      }
      if (eventClass != 0) return;
      ++eventCount;
    }
    if (located && !located->Get(rec, x, y)) return;
    if (xParam == pcPar1) x = setup.ParP(x);
    if (yParam == pcPar1) y = setup.ParP(y);
    if (timeFilter) {
      const double t = HitValue(rec, pcTime);
      if (!(timeFrom <= t && t <= timeTo)) return;
    }
    if (!selected[rec.Channel]) return;
    const bool xInRange = xMin <= x && x <= xMax;
    if (!(xInRange && y >= yMin)) {
      // Beyond the time window is out of view, not lost.
      if (!xTime || xInRange) ++outside;
      return;
    }
    const double fx = xLog ? (x == 0.0 ? 0.0 : std::log10(x)) : x;
    const double position = std::floor((fx - fxMin) * xScale);
    int column = position >= 0.0 ? static_cast<int>(std::min(position, static_cast<double>(bins))) : 0;
    if (column >= bins) column = bins - 1;
    bins_.Add(rowPerChannel ? rec.Channel - 1 : 0, column, static_cast<float>(y), sumType);
  };
  // A piece wholly outside the time window, or beyond a time axis, adds nothing and counts
  // nothing as outside; the event rule alone must see every hit.
  const std::vector<ZTShortHit>& recs = data.Recs;
  for (std::size_t first = 0; first < recs.size(); first += ZTDataSet::PieceRecords) {
    if (!events && ((timeFilter && data.PieceOutsideTimes(first, timeFrom, timeTo)) ||
                    (xTime && data.PieceOutsideTimes(first, xMin, xMax))))
      continue;
    const std::size_t end = std::min(recs.size(), first + ZTDataSet::PieceRecords);
    for (std::size_t i = first; i < end; ++i) add(recs[i]);
  }
  if (events) PassEventCount = eventCount;
  OutsideCount = outside;
}

// Everything FillBins reads.
struct TZTLineGraph::BinsKey {
  int Bins, Rows;
  bool RowPerChannel;
  int XParam, YParam;
  bool XLog;
  std::uint32_t XMin, XMax, YMin;
  double XScale;
  int SumType;
  DrawnData Drawn;

  bool operator==(const BinsKey&) const = default;
};

TZTLineGraph::BinsKey TZTLineGraph::CurrentBinsKey() const {
  const AOptions& o = *Common().Options;
  return BinsKey{BinCount(),
                 o.ViewType == 2 ? 1 : 128,
                 o.ViewType == 0 && !NoColour,
                 XAxis.Param,
                 YAxis.Param,
                 XAxis.Log,
                 XAxis.Min,
                 XAxis.Max,
                 YAxis.Min,
                 XAxis.Scale,  // the binning scale while DrawDataPixels runs
                 YBinSumTypeID,
                 DrawnData::Of(*this)};
}

void TZTLineGraph::DrawDataPixels(QImage& bitmap) {
  const double pixelScale = XAxis.Scale;
  XAxis.Scale = XScale();
  struct RestoreScale {
    AGraphAxis& axis;
    double scale;
    ~RestoreScale() { axis.Scale = scale; }
  } restore{XAxis, pixelScale};

  // The bins added up for the same key before are put back as they were; else the hits are
  // added up and the bins kept in place of those used longest ago.
  const bool keep = !Common().Options->EventsView;
  std::optional<BinsKey> key;
  const KeptBins* kept = nullptr;
  if (keep) {
    key = CurrentBinsKey();
    kept = kept_.Use(*key);
  }
  if (kept != nullptr) {
    bins_.Restore(kept->Bins);
    BinCountValue = bins_.Bins();
    RowCount = bins_.Rows();
    OutsideCount = kept->Outside;
    PassEventCount = 0;
  } else {
    FillBins();
    if (keep) kept_.Keep(*key, KeptBins{bins_.Keep(), OutsideCount});
  }
  const double peak = bins_.Finish(YBinSumTypeID, YCumTypeID);
  YAxis.Max = ALineBins::RescaledMax(peak, YAxis.Log, YAxis.Max);
  YAxis.UpdateScale(PlotBottom - PlotTop);
  DrawBins(bitmap);
}

bool TZTLineGraph::BinHeight(float value, int& height) const {
  const double v = value;
  if (YAxis.Log) {
    if (v == 0.0) return false;
    height = TruncPixel((std::log10(v) - AGraphAxis::F(YAxis.Min, true)) * YAxis.Scale);
    if (height == 0) height = TruncPixel(YAxis.Scale * 0.1);
    return true;
  }
  height = TruncPixel((v - static_cast<double>(YAxis.Min)) * YAxis.Scale);
  return true;
}

void TZTLineGraph::DrawBins(QImage& bitmap) {
  PixelCanvas canvas(bitmap);
  const AOptions& options = *Common().Options;
  const int bins = bins_.Bins();
  for (int r = 0; r < bins_.Rows(); ++r) {
    TRgb pen = Color(TColorRole::Point);
    if (options.ViewType == 0 && !NoColour) pen = ChannelPalette(r + 1);
    int penX = PlotLeft, penY = PlotBottom;
    auto lineTo = [&](int x, int y) {
      canvas.Line(penX, penY, x, y, pen);
      penX = x;
      penY = y;
    };
    int h = 0;
    switch (YCumTypeID) {
      case ctNone:
        if (YBinSumTypeID == bsSum) {
          // A sum over no hits is 0: a quiet stretch draws as no activity, not as a line bridging
          // it. A row without any hit draws nothing.
          if (!bins_.RowHasHits(r)) break;
          for (int j = 0; j < bins; ++j) {
            const ALineBins::Bin& bin = bins_.At(r, j);
            // Empty, or a zero on a logarithmic axis: at the bottom.
            if (bin.Count == 0.0f || !BinHeight(bin.Value, h)) h = 0;
            lineTo(PlotLeft + j, PlotBottom - h);
          }
          break;
        }
        for (int j = 0; j < bins; ++j) {
          const ALineBins::Bin& bin = bins_.At(r, j);
          if (bin.Count != 0.0f && BinHeight(bin.Value, h)) lineTo(PlotLeft + j, PlotBottom - h);
        }
        break;
      case ctFromLeft:
        for (int j = 0; j < bins; ++j) {
          if (!BinHeight(bins_.At(r, j).Value, h)) continue;
          lineTo(PlotLeft + j, penY);
          lineTo(PlotLeft + j, PlotBottom - h);
        }
        break;
      case ctFromRight:
        penX = PlotRight;
        for (int j = bins - 1; j >= 0; --j) {
          if (!BinHeight(bins_.At(r, j).Value, h)) continue;
          lineTo(PlotLeft + j, penY);
          lineTo(PlotLeft + j, PlotBottom - h);
        }
        break;
      default: break;
    }
  }
}

void TZTLineGraph::DrawDataTexts(QImage& bitmap) {
  GraphText text = LabelText(bitmap);
  const int h = text.Height();
  // The minimum was drawn with the axis; it is measured with the others so that the axis keeps
  // one form, and drawn again only when that form writes it otherwise.
  std::vector<YLabel> labels{{static_cast<double>(YAxis.Min), PlotBottom - h / 2, YAxis.Min >= 1000},
                             {static_cast<double>(YAxis.Max), PlotTop - h / 2}};
  if (YAxis.Log) {
    const std::vector<YLabel> decades = LogYLabels(h);
    labels.insert(labels.end(), decades.begin(), decades.end());
  } else {
    // Always 5 intervals; each label reads the value at its tick.
    const double min = YAxis.Min, range = static_cast<double>(YAxis.Max) - min;
    for (int i = 1; i <= 4; ++i)
      labels.push_back({min + range * (5 - i) / 5,
                        TruncPixel(static_cast<double>(i) * (PlotBottom - PlotTop) / 5 + PlotTop - h / 2)});
  }
  DrawYLabels(text, labels);
}

}  // namespace ae
