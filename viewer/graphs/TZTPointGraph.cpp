#include "viewer/graphs/TZTPointGraph.h"

#include <array>
#include <bit>
#include <optional>

#include "datafiles/EZTData.h"
#include "datafiles/ZTEventRule.h"
#include "viewer/graphs/AxisPixels.h"
#include "viewer/graphs/LocatedValues.h"
#include "viewer/graphs/PixelCanvas.h"

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
  DeletedHitsPass(const TZTPointGraph& graph, QImage& bitmap)
      : pass_(graph, graph.Common()), canvas_(bitmap), pixel_(PixelCanvas::Pixel(graph.Color(TColorRole::Deleted))) {}

  void Run(const ZTShortHit* begin, const ZTShortHit* end) override {
    for (const ZTShortHit* rec = begin; rec != end; ++rec) {
      if (!rec->IsDeleted() || rec->Kind != rkHit) continue;
      const double x = HitValue(*rec, pass_.XParam), y = HitValue(*rec, pass_.YParam);
      if (!pass_.X.InRange(x) || !pass_.Y.InRange(y) || !pass_.InTime(*rec)) continue;
      if (rec->Channel < 1 || rec->Channel > 128) continue;
      canvas_.Point(pass_.Rule, pass_.X.Pixel(x), pass_.Y.Pixel(y), pixel_);
    }
  }

 private:
  const PassContext pass_;
  PixelCanvas canvas_;
  const std::uint32_t pixel_;
};

// Every hit that is not deleted, and the time-driven samples of a parametric graph, in the
// colour of the view type; shadows (or nothing) for the later hits of an event in event view.
class HitsPass : public PointPass {
 public:
  HitsPass(TZTPointGraph& graph, QImage& bitmap)
      : graph_(graph),
        setup_(*graph.Common().Setup),
        pass_(graph, graph.Common()),
        canvas_(bitmap),
        events_(*graph.Common().Setup, *graph.Common().DataSet) {
    const AOptions& options = *graph.Common().Options;
    eventsView_ = options.EventsView;
    shadows_ = options.SecondAsShadow;
    parametric_ = pass_.XParam == pcPar1 || pass_.YParam == pcPar1;
    if (LocatedValues::Uses(pass_.XParam, pass_.YParam))
      located_.emplace(*graph.Common().DataSet, pass_.XParam, pass_.YParam);
    drawParametric_ = options.ShowParamData && parametric_;
    plainColour_ = options.ViewType == 2 || graph.NoColour;
    channelColour_ = !plainColour_ && options.ViewType == 0;
    point_ = PixelCanvas::Pixel(graph.Color(TColorRole::Point));
    shadow_ = PixelCanvas::Pixel(graph.Color(TColorRole::Shadow));
    for (int c = 1; c <= 128; ++c) palette_[c] = PixelCanvas::Pixel(ChannelPalette(c));
    previous_ = point_;
  }

  void Run(const ZTShortHit* begin, const ZTShortHit* end) override {
    if (located_) RunOver<true>(begin, end);
    else RunOver<false>(begin, end);
  }

  template <bool Located>
  void RunOver(const ZTShortHit* begin, const ZTShortHit* end) {
    for (const ZTShortHit* rec = begin; rec != end; ++rec) {
      if (rec->IsDeleted()) continue;
      const bool hit = rec->Kind == rkHit;
      if (!hit && rec->Kind != rkTimeDriven) continue;
      double x = 0.0, y = 0.0;
      if constexpr (!Located) {
        x = HitValue(*rec, pass_.XParam), y = HitValue(*rec, pass_.YParam);
        Convert(x, y);
      }
      int eventClass = 0;
      if (hit && eventsView_) {
        eventClass = events_.Classify(*rec);
        if (eventClass != 0 && !shadows_) continue;
      }
      if constexpr (Located) {
        // Every hit goes through the event rule first: only then may one without a location go.
        if (!hit || !located_->Get(*rec, x, y)) continue;
        Convert(x, y);
      }
      if (!pass_.X.InRange(x) || !pass_.Y.InRange(y) || !pass_.InTime(*rec)) {
        if (LostOutside(*rec, x, y, eventClass)) ++outside_;
        continue;
      }

      std::uint32_t pixel;
      if (!hit) {
        if (!drawParametric_) continue;
        pixel = point_;
      } else {
        if (!pass_.Selected[rec->Channel]) continue;
        if (eventClass != 0 && !pass_.Checked[events_.EventChannel(*rec)]) continue;
        if (plainColour_) pixel = eventClass != 0 ? shadow_ : point_;
        else if (channelColour_) pixel = eventClass != 0 ? shadow_ : palette_[rec->Channel];
        else pixel = previous_;  // the hidden view type keeps the colour of the previous point
      }
      previous_ = pixel;
      canvas_.Point(pass_.Rule, pass_.X.Pixel(x), pass_.Y.Pixel(y), pixel);
    }
  }
  void Finish() override {
    if (eventsView_) graph_.PassEventCount = events_.Count();
    graph_.OutsideCount = outside_;
  }

 private:
  // The parametric input as the test setup converts it.
  void Convert(double& x, double& y) const {
    if (!parametric_) return;
    if (pass_.XParam == pcPar1) x = setup_.ParP(x);
    if (pass_.YParam == pcPar1) y = setup_.ParP(y);
  }

  // Whether a point out of range would have been drawn in range: in the time window, on a
  // selected channel, and within the range of a time axis (beyond it is out of view, not lost).
  bool LostOutside(const ZTShortHit& rec, double x, double y, int eventClass) const {
    if (!pass_.InTime(rec)) return false;
    if (pass_.XParam == pcTime && !pass_.X.InRange(x)) return false;
    if (pass_.YParam == pcTime && !pass_.Y.InRange(y)) return false;
    if (rec.Kind != rkHit) return drawParametric_;
    return pass_.Selected[rec.Channel] && (eventClass == 0 || pass_.Checked[events_.EventChannel(rec)]);
  }

  TZTPointGraph& graph_;
  const ATestSetup& setup_;
  const PassContext pass_;
  PixelCanvas canvas_;
  PassEvents events_;
  std::optional<LocatedValues> located_;
  bool eventsView_, shadows_, parametric_, drawParametric_, plainColour_, channelColour_;
  std::uint32_t point_, shadow_, previous_;
  std::uint64_t outside_ = 0;
  std::array<std::uint32_t, 256> palette_{};
};

// Framed hits in the colour of their highest frame slot, grouped hits in the grouped colour,
// over the hits (raw values, no parametric conversion).
class SelectionPass : public PointPass {
 public:
  SelectionPass(TZTPointGraph& graph, QImage& bitmap)
      : graph_(graph),
        pass_(graph, graph.Common()),
        canvas_(bitmap),
        events_(*graph.Common().Setup, *graph.Common().DataSet),
        eventsView_(graph.Common().Options->EventsView),
        grouped_(PixelCanvas::Pixel(graph.Color(TColorRole::Grouped))) {
    for (int slot = 0; slot < 8; ++slot) setColours_[slot] = PixelCanvas::Pixel(SetColor(slot));
    if (LocatedValues::Uses(pass_.XParam, pass_.YParam))
      located_.emplace(*graph.Common().DataSet, pass_.XParam, pass_.YParam);
  }

  void Run(const ZTShortHit* begin, const ZTShortHit* end) override {
    if (located_) RunOver<true>(begin, end);
    else RunOver<false>(begin, end);
  }

  template <bool Located>
  void RunOver(const ZTShortHit* begin, const ZTShortHit* end) {
    for (const ZTShortHit* rec = begin; rec != end; ++rec) {
      if (rec->IsDeleted() || rec->Kind != rkHit) continue;
      const unsigned frames = rec->FrameBits & 0xFFu;
      if (!eventsView_ && frames == 0 && !rec->IsGrouped()) continue;  // the verdict below, sooner
      int eventClass = 0;
      if (eventsView_) eventClass = events_.Classify(*rec);
      double x, y;
      if constexpr (Located) {
        if (!located_->Get(*rec, x, y)) continue;
      } else {
        x = HitValue(*rec, pass_.XParam), y = HitValue(*rec, pass_.YParam);
      }
      if (!pass_.X.InRange(x) || !pass_.Y.InRange(y) || !pass_.InTime(*rec)) continue;
      if (!pass_.Selected[rec->Channel]) continue;
      if (eventClass != 0 && !pass_.Checked[events_.EventChannel(*rec)]) continue;
      if (frames == 0 && !rec->IsGrouped()) continue;
      const std::uint32_t pixel = rec->IsGrouped() ? grouped_ : setColours_[std::bit_width(frames) - 1];
      canvas_.Point(pass_.Rule, pass_.X.Pixel(x), pass_.Y.Pixel(y), pixel);
    }
  }
  void Finish() override {
    if (eventsView_) graph_.PassEventCount = events_.Count();
  }

 private:
  TZTPointGraph& graph_;
  const PassContext pass_;
  PixelCanvas canvas_;
  PassEvents events_;
  std::optional<LocatedValues> located_;
  const bool eventsView_;
  const std::uint32_t grouped_;
  std::array<std::uint32_t, 8> setColours_{};
};

}  // namespace

TZTPointGraph::TZTPointGraph(TCommonData& common, int graphNumber) : TZTGraph(common, graphNumber) {
  GraphKind = gkPoint;
}

std::unique_ptr<PointPass> TZTPointGraph::MakePass(int kind, QImage& bitmap) {
  const AOptions& options = *Common().Options;
  const ZTDataSet& data = *Common().DataSet;
  switch (kind) {
    case ppDeletedHits:
      // Without a deleted hit the pass would find nothing to draw; nor is a deleted hit in any
      // event that is located.
      if (!options.ShowDeleted || data.DeletedCount == 0 || LocatedValues::Uses(XAxis.Param, YAxis.Param))
        return nullptr;
      return std::make_unique<DeletedHitsPass>(*this, bitmap);
    case ppHits: return std::make_unique<HitsPass>(*this, bitmap);
    case ppSelection:
      if (!(options.ViewType == 0 || (options.ViewType == 2 && !NoColour))) return nullptr;
      // Without the event rule a pass with nothing framed or grouped draws nothing.
      if (!options.EventsView && data.FramedCount == 0 && data.GroupedCount == 0) return nullptr;
      return std::make_unique<SelectionPass>(*this, bitmap);
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
  for (int kind = 0; kind < PassKinds; ++kind) {
    if (std::unique_ptr<PointPass> pass = MakePass(kind, bitmap)) {
      pass->Run(recs.data(), recs.data() + recs.size());
      pass->Finish();
    }
  }
}

}  // namespace ae
