#include "viewer/graphs/TZTPointGraph.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

#include "datafiles/EZTData.h"
#include "datafiles/ZTEventRule.h"
#include "viewer/graphs/AxisPixels.h"
#include "viewer/graphs/DrawnData.h"
#include "viewer/graphs/LocatedValues.h"
#include "viewer/graphs/PieceColumns.h"
#include "viewer/graphs/PixelCanvas.h"
#include "viewer/graphs/PointLayer.h"

namespace ae {

namespace {

// What every pass needs: the two axes, the time window and the channels a hit may have.
struct PassContext {
  const AxisPixels& X;
  const AxisPixels& Y;
  int XParam;
  int YParam;
  bool TimeFilter;
  double TimeFrom;
  double TimeTo;
  APointRule Rule;
  std::array<bool, 256> Selected{};  // by channel byte: the graph's list and the channel selection
  std::array<bool, 256> Checked{};   // by channel byte: the channel selection alone

  PassContext(const TZTGraph& g, const TCommonData& common)
      : X(g.XPixels()),
        Y(g.YPixels()),
        XParam(g.XAxis.Param),
        YParam(g.YAxis.Param),
        TimeFilter(common.Options->TimeRangeFilter),
        TimeFrom(common.Options->FilterStart),
        TimeTo(common.Options->FilterEnd),
        Rule(common.Options->PointRule()) {
    for (int c = 1; c <= 128; ++c) {
      const auto bit = static_cast<std::size_t>(c - 1);
      Checked[c] = common.Options->CheckedChan.test(bit);
      Selected[c] = Checked[c] && (g.Channels.none() || g.Channels.test(bit));
    }
  }

  bool InTime(const ZTShortHit& rec) const {
    if (!TimeFilter) return true;
    const double t = HitValue(rec, pcTime);
    return TimeFrom <= t && t <= TimeTo;
  }

  // The pixels of a record on a graph of a location (its values as LocatedValues gives them, a
  // parametric one converted when asked for): false for a record without a location, which is
  // neither drawn nor counted.
  bool LocatedPixels(LocatedValues& located, const ZTShortHit& rec, const ATestSetup* convert, std::int32_t& x,
                     std::int32_t& y) const {
    double vx, vy;
    if (!located.Get(rec, vx, vy)) return false;
    if (convert != nullptr && XParam == pcPar1) vx = convert->ParP(vx);
    if (convert != nullptr && YParam == pcPar1) vy = convert->ParP(vy);
    x = X.InRange(vx) ? X.Pixel(vx) : PieceColumns::Outside;
    y = Y.InRange(vy) ? Y.Pixel(vy) : PieceColumns::Outside;
    return true;
  }

  // One axis of a piece: a column its graphs share, or the record's own value worked out by the
  // same functions.
  struct Axis {
    const AxisPixels* Pixels;
    int Param;
    bool Convert;
    const ATestSetup* Setup;
    const std::int32_t* Column;
    const double* Times;
    std::int32_t At(const ZTShortHit& rec, std::size_t i) const {
      if (Column != nullptr) return Column[i];
      double v = Param == pcTime ? Times[i] : HitValue(rec, Param);
      if (Convert) v = Setup->ParP(v);
      return Pixels->InRange(v) ? Pixels->Pixel(v) : PieceColumns::Outside;
    }
  };
  // What a pass reads of a piece: its records, both axes, and whether each record lies in the
  // time window (null when the window is off: every one does).
  struct Piece {
    const ZTShortHit* Recs;
    std::size_t Size;
    Axis X;
    Axis Y;
    const std::uint8_t* InTime;
  };
  Piece Read(PieceColumns& columns, bool converted, const ATestSetup& setup) const {
    auto axis = [&](const AxisPixels& pixels, int param) {
      const bool convert = converted && param == pcPar1;
      return Axis{&pixels,
                  param,
                  convert,
                  &setup,
                  columns.Shared(pixels, converted) ? columns.Pixels(pixels, converted) : nullptr,
                  param == pcTime ? columns.Times() : nullptr};
    };
    return {columns.Records(), columns.Size(), axis(X, XParam), axis(Y, YParam),
            TimeFilter ? columns.InTime(TimeFrom, TimeTo) : nullptr};
  }
};

// The program's event rule for one pass: windows from the test setup, started afresh. A
// time-order error keeps the events counted so far and the time of the offending hit where the
// page's message finds them.
class PassEvents {
 public:
  PassEvents(const ATestSetup& setup, ZTDataSet& data) : data_(data) {
    rule_.ResetMicroseconds(setup.MPT, setup.Lockout);
  }
  // 0 for an event start (which becomes the current event), 1 or 2 for its other hits.
  int Classify(const ZTShortHit& hit) {
    int result;
    try {
      result = rule_.EventTest(hit);
    } catch (const EZTData&) {
      data_.EventCount = count_;
      ZTDataSet::EventRule().ErrorTime = rule_.ErrorTime;
      throw;
    }
    if (result == 0) {
      ++count_;
      eventChannel_ = hit.Channel;
      inEvent_ = true;
    }
    return result;
  }
  // The channel of the current event; before the first event start a hit is its own event's.
  int EventChannel(const ZTShortHit& hit) const { return inEvent_ ? eventChannel_ : hit.Channel; }
  std::uint32_t Count() const { return count_; }

 private:
  ZTDataSet& data_;
  ZTEventRule rule_;
  std::uint32_t count_ = 0;
  int eventChannel_ = 0;
  bool inEvent_ = false;
};

// Deleted hits, in the deleted colour, on every channel 1..128; no event rule.
class DeletedHitsPass : public PointPass {
 public:
  DeletedHitsPass(const TZTPointGraph& graph, PointLayer& layer)
      : pass_(graph, graph.Common()), setup_(*graph.Common().Setup), layer_(layer) {}

  void Run(PieceColumns& columns) override {
    const std::vector<std::uint32_t>& deleted = columns.Deleted();
    if (deleted.empty()) return;
    const PassContext::Piece piece = pass_.Read(columns, false, setup_);
    for (const std::uint32_t i : deleted) {
      const ZTShortHit& rec = piece.Recs[i];
      const std::int32_t x = piece.X.At(rec, i), y = piece.Y.At(rec, i);
      if (x == PieceColumns::Outside || y == PieceColumns::Outside) continue;
      if (piece.InTime != nullptr && piece.InTime[i] == 0) continue;
      if (rec.Channel < 1 || rec.Channel > 128) continue;
      layer_.Put(pass_.Rule, x, y, PointLayer::Deleted);
    }
  }

 private:
  const PassContext pass_;
  const ATestSetup& setup_;
  PointLayer& layer_;
};

// Every hit that is not deleted, and the time-driven samples of a parametric graph, in the
// colour of the view type; shadows (or nothing) for the later hits of an event in event view.
class HitsPass : public PointPass {
 public:
  HitsPass(TZTPointGraph& graph, PointLayer& layer)
      : graph_(graph),
        setup_(*graph.Common().Setup),
        pass_(graph, graph.Common()),
        layer_(layer),
        events_(*graph.Common().Setup, *graph.Common().DataSet) {
    const AOptions& options = *graph.Common().Options;
    eventsView_ = options.EventsView;
    shadows_ = options.SecondAsShadow;
    parametric_ = pass_.XParam == pcPar1 || pass_.YParam == pcPar1;
    drawParametric_ = options.ShowParamData && parametric_;
    plainColour_ = options.ViewType == 2 || graph.NoColour;
    channelColour_ = !plainColour_ && options.ViewType == 0;
    for (int c = 1; c <= 128; ++c) palette_[c] = PointLayer::ChannelIndex(c);
    previous_ = point_;
    if (LocatedValues::Uses(pass_.XParam, pass_.YParam))
      located_.emplace(*graph.Common().DataSet, pass_.XParam, pass_.YParam);
  }

  void Run(PieceColumns& columns) override {
    const PassContext::Piece piece = pass_.Read(columns, true, setup_);
    for (std::size_t i = 0; i < piece.Size; ++i) {
      const ZTShortHit& rec = piece.Recs[i];
      if (rec.IsDeleted()) continue;
      const bool hit = rec.Kind == rkHit;
      if (!hit && rec.Kind != rkTimeDriven) continue;
      int eventClass = 0;
      if (hit && eventsView_) {
        eventClass = events_.Classify(rec);
        if (eventClass != 0 && !shadows_) continue;
      }
      std::int32_t x, y;
      if (!located_) {
        x = piece.X.At(rec, i), y = piece.Y.At(rec, i);
      } else if (!hit || !pass_.LocatedPixels(*located_, rec, &setup_, x, y)) {
        continue;  // on a location only the located events are points
      }
      const bool inX = x != PieceColumns::Outside, inY = y != PieceColumns::Outside;
      const bool inTime = piece.InTime == nullptr || piece.InTime[i] != 0;
      if (!inX || !inY || !inTime) {
        if (inTime && LostOutside(rec, inX, inY, eventClass)) ++outside_;
        continue;
      }

      std::uint8_t pixel;
      if (!hit) {
        if (!drawParametric_) continue;
        pixel = point_;
      } else {
        if (!pass_.Selected[rec.Channel]) continue;
        if (eventClass != 0 && !pass_.Checked[events_.EventChannel(rec)]) continue;
        if (plainColour_) pixel = eventClass != 0 ? shadow_ : point_;
        else if (channelColour_) pixel = eventClass != 0 ? shadow_ : palette_[rec.Channel];
        else pixel = previous_;  // the hidden view type keeps the colour of the previous point
      }
      previous_ = pixel;
      layer_.Put(pass_.Rule, x, y, pixel);
    }
  }
  void Finish() override {
    if (eventsView_) graph_.PassEventCount = events_.Count();
    graph_.OutsideCount += outside_;
  }

 private:
  // Whether a point in the time window but out of range would have been drawn in range: on a
  // selected channel, and within the range of a time axis (beyond it is out of view, not lost).
  bool LostOutside(const ZTShortHit& rec, bool inX, bool inY, int eventClass) const {
    if (pass_.XParam == pcTime && !inX) return false;
    if (pass_.YParam == pcTime && !inY) return false;
    if (rec.Kind != rkHit) return drawParametric_;
    return pass_.Selected[rec.Channel] && (eventClass == 0 || pass_.Checked[events_.EventChannel(rec)]);
  }

  TZTPointGraph& graph_;
  const ATestSetup& setup_;
  const PassContext pass_;
  PointLayer& layer_;
  PassEvents events_;
  std::optional<LocatedValues> located_;
  bool eventsView_, shadows_, parametric_, drawParametric_, plainColour_, channelColour_;
  static constexpr std::uint8_t point_ = PointLayer::Point, shadow_ = PointLayer::Shadow;
  std::uint8_t previous_;
  std::uint64_t outside_ = 0;
  std::array<std::uint8_t, 256> palette_{};
};

// Framed hits in the colour of their highest frame slot, grouped hits in the grouped colour,
// over the hits (raw values, no parametric conversion).
class SelectionPass : public PointPass {
 public:
  SelectionPass(TZTPointGraph& graph, PointLayer& layer)
      : graph_(graph),
        setup_(*graph.Common().Setup),
        pass_(graph, graph.Common()),
        layer_(layer),
        events_(*graph.Common().Setup, *graph.Common().DataSet),
        eventsView_(graph.Common().Options->EventsView) {
    if (LocatedValues::Uses(pass_.XParam, pass_.YParam))
      located_.emplace(*graph.Common().DataSet, pass_.XParam, pass_.YParam);
  }

  void Run(PieceColumns& columns) override {
    const ZTShortHit* recs = columns.Records();
    if (eventsView_) {
      // The event rule sees every hit that is not deleted, in file order.
      const PassContext::Piece piece = pass_.Read(columns, false, setup_);
      for (std::size_t i = 0; i < columns.Size(); ++i) {
        const ZTShortHit& rec = recs[i];
        if (rec.IsDeleted() || rec.Kind != rkHit) continue;
        Draw(piece, rec, i, events_.Classify(rec));
      }
      return;
    }
    // Without the event rule only the framed and grouped hits matter, which the piece lists once
    // for every graph.
    const std::vector<std::uint32_t>& selected = columns.Selected();
    if (selected.empty()) return;
    const PassContext::Piece piece = pass_.Read(columns, false, setup_);
    for (const std::uint32_t i : selected) Draw(piece, recs[i], i, 0);
  }
  void Finish() override {
    if (eventsView_) graph_.PassEventCount = events_.Count();
  }

 private:
  void Draw(const PassContext::Piece& piece, const ZTShortHit& rec, std::size_t i, int eventClass) {
    const unsigned frames = rec.FrameBits & 0xFFu;
    if (frames == 0 && !rec.IsGrouped()) return;
    std::int32_t x, y;
    if (!located_) x = piece.X.At(rec, i), y = piece.Y.At(rec, i);
    else if (!pass_.LocatedPixels(*located_, rec, nullptr, x, y)) return;
    if (x == PieceColumns::Outside || y == PieceColumns::Outside) return;
    if (piece.InTime != nullptr && piece.InTime[i] == 0) return;
    if (!pass_.Selected[rec.Channel]) return;
    if (eventClass != 0 && !pass_.Checked[events_.EventChannel(rec)]) return;
    const std::uint8_t pixel =
        rec.IsGrouped() ? std::uint8_t{PointLayer::Grouped} : PointLayer::SetIndex(std::bit_width(frames) - 1);
    layer_.Put(pass_.Rule, x, y, pixel);
  }

  TZTPointGraph& graph_;
  const ATestSetup& setup_;
  const PassContext pass_;
  PointLayer& layer_;
  PassEvents events_;
  const bool eventsView_;
  std::optional<LocatedValues> located_;
};

}  // namespace

TZTPointGraph::TZTPointGraph(TCommonData& common, int graphNumber) : TZTGraph(common, graphNumber) {
  GraphKind = gkPoint;
}

std::unique_ptr<PointPass> TZTPointGraph::MakePass(int kind, PointLayer& layer) {
  const AOptions& options = *Common().Options;
  const ZTDataSet& data = *Common().DataSet;
  switch (kind) {
    case ppDeletedHits:
      // Without a deleted hit the pass would find nothing to draw; nor is a deleted hit in any
      // event that is located.
      if (!options.ShowDeleted || data.DeletedCount == 0 || UsesLocation()) return nullptr;
      return std::make_unique<DeletedHitsPass>(*this, layer);
    case ppHits: return std::make_unique<HitsPass>(*this, layer);
    case ppSelection:
      if (!(options.ViewType == 0 || (options.ViewType == 2 && !NoColour))) return nullptr;
      // Without the event rule a pass with nothing framed or grouped draws nothing.
      if (!options.EventsView && data.FramedCount == 0 && data.GroupedCount == 0) return nullptr;
      return std::make_unique<SelectionPass>(*this, layer);
    default: return nullptr;
  }
}

std::optional<std::size_t> TZTPointGraph::HitNear(int x, int y, int radius) const {
  const TCommonData& common = Common();
  if (common.DataSet == nullptr || !SetupError.empty()) return std::nullopt;
  const PassContext pass(*this, common);
  const AOptions& options = *common.Options;
  const ATestSetup& setup = *common.Setup;
  bool eventsView = options.EventsView;
  const bool shadows = options.SecondAsShadow;
  ZTEventRule rule;
  rule.ResetMicroseconds(setup.MPT, setup.Lockout);
  bool inEvent = false;
  int eventChannel = 0;
  std::optional<std::size_t> nearest;
  long long best = static_cast<long long>(radius) * radius;
  const std::vector<ZTShortHit>& recs = common.DataSet->Recs;
  // On a location only the located events are points.
  std::optional<LocatedValues> located;
  if (LocatedValues::Uses(pass.XParam, pass.YParam)) located.emplace(*common.DataSet, pass.XParam, pass.YParam);
  for (std::size_t i = 0; i < recs.size(); ++i) {
    const ZTShortHit& rec = recs[i];
    if (rec.IsDeleted() || rec.Kind != rkHit) continue;
    int eventClass = 0;
    if (eventsView) {
      try {
        eventClass = rule.EventTest(rec);
      } catch (const EZTData&) {
        eventsView = false;  // out of time order: every hit as it is
      }
      if (eventClass == 0) {
        inEvent = true;
        eventChannel = rec.Channel;
      }
      if (eventClass != 0 && !shadows) continue;
    }
    double vx = 0.0, vy = 0.0;
    if (!located) vx = HitValue(rec, pass.XParam), vy = HitValue(rec, pass.YParam);
    else if (!located->Get(rec, vx, vy)) continue;
    if (pass.XParam == pcPar1) vx = setup.ParP(vx);
    if (pass.YParam == pcPar1) vy = setup.ParP(vy);
    if (!pass.X.InRange(vx) || !pass.Y.InRange(vy) || !pass.InTime(rec) || !pass.Selected[rec.Channel]) continue;
    if (eventClass != 0 && inEvent && !pass.Checked[eventChannel]) continue;
    const long long dx = pass.X.Pixel(vx) - x, dy = pass.Y.Pixel(vy) - y;
    const long long distance = dx * dx + dy * dy;
    if (distance < best || (!nearest && distance == best)) {
      best = distance;
      nearest = i;
    }
  }
  return nearest;
}

void TZTPointGraph::DrawDataPixels(QImage& bitmap) {
  const std::vector<ZTShortHit>& recs = Common().DataSet->Recs;
  Points = PointLayer(bitmap.width(), bitmap.height());
  PieceColumns columns(*Common().Setup);
  for (int kind = 0; kind < PassKinds; ++kind) {
    if (std::unique_ptr<PointPass> pass = MakePass(kind, Points)) {
      for (std::size_t first = 0; first < recs.size(); first += ZTDataSet::PieceRecords) {
        columns.Reset(recs.data() + first, recs.data() + std::min(recs.size(), first + ZTDataSet::PieceRecords));
        pass->Run(columns);
      }
      pass->Finish();
    }
  }
  Points.PaintInto(bitmap, PointLayer::Colours(Scheme()));
}

// Everything the first two passes and the layers under them are drawn from. Whatever else
// changes (frames, groups, time marks, holds, the frame outlines) is drawn after them.
struct TZTPointGraph::BaseKey {
  // The layers under the passes: the graph's place in the page, its colours, grid and labels.
  int Scheme, Width, Height, Left, Top, PageWidth, PageHeight, HorizGraphNum, VertGraphNum;
  int PlotLeft, PlotTop, PlotRight, PlotBottom, GraphNumber;
  std::string GraphName, XShortName, YShortName, SetupError;
  bool ShowGrid;
  // The transforms.
  int XParam, YParam;
  bool XLog, YLog;
  std::uint32_t XMin, XMax, YMin, YMax;
  double XScale, YScale;
  // What is drawn and in which colour, and what it is drawn from.
  bool NoColour;
  int ViewType, PointSize;
  bool EventsView, ShowDeleted, ShowParamData;
  DrawnData Drawn;
  int BitmapWidth, BitmapHeight;

  bool operator==(const BaseKey&) const = default;
};

TZTPointGraph::BaseKey TZTPointGraph::CurrentBaseKey() const {
  const TCommonData& common = Common();
  const AOptions& o = *common.Options;
  return BaseKey{Scheme(),
                 Width,
                 Height,
                 Left,
                 Top,
                 common.PageWidth,
                 common.PageHeight,
                 o.HorizGraphNum,
                 o.VertGraphNum,
                 PlotLeft,
                 PlotTop,
                 PlotRight,
                 PlotBottom,
                 GraphNumber,
                 GraphName,
                 XShortName,
                 YShortName,
                 SetupError,
                 o.ShowGrid,
                 XAxis.Param,
                 YAxis.Param,
                 XAxis.Log,
                 YAxis.Log,
                 XAxis.Min,
                 XAxis.Max,
                 YAxis.Min,
                 YAxis.Max,
                 XAxis.Scale,
                 YAxis.Scale,
                 NoColour,
                 o.ViewType,
                 o.PointSize,
                 o.EventsView,
                 o.ShowDeleted,
                 o.ShowParamData,
                 DrawnData::Of(*this),
                 Bitmap.width(),
                 Bitmap.height()};
}

bool TZTPointGraph::HasKeptBase() const {
  return !Common().Options->EventsView && kept_.Find(CurrentBaseKey()) != nullptr;
}

void TZTPointGraph::KeepBase() {
  if (!Common().Options->EventsView) kept_.Keep(CurrentBaseKey(), KeptBase{Points, OutsideCount});
}

void TZTPointGraph::UseKeptBase() {
  if (Common().Options->EventsView) return;
  if (const KeptBase* kept = kept_.Use(CurrentBaseKey())) {
    Points = kept->Points;
    OutsideCount = kept->Outside;
  }
}

}  // namespace ae
