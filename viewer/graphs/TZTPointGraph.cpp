#include "viewer/graphs/TZTPointGraph.h"

#include <array>
#include <bit>

#include "datafiles/EZTData.h"
#include "datafiles/ZTEventRule.h"
#include "viewer/graphs/AxisPixels.h"
#include "viewer/graphs/PixelCanvas.h"

namespace ae {

namespace {

// What every pass needs: the two axes, the time window and the channels a hit may have.
struct PassContext {
  AxisPixels X;
  AxisPixels Y;
  int XParam;
  int YParam;
  bool TimeFilter;
  double TimeFrom;
  double TimeTo;
  APointRule Rule;
  std::array<bool, 256> Selected{};  // by channel byte: the graph's list and the channel selection
  std::array<bool, 256> Checked{};   // by channel byte: the channel selection alone

  PassContext(const TZTGraph& g, const TCommonData& common)
      : X(g.XAxis, g.PlotLeft, +1),
        Y(g.YAxis, g.PlotBottom, -1),
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

}  // namespace

TZTPointGraph::TZTPointGraph(TCommonData& common, int graphNumber) : TZTGraph(common, graphNumber) {
  GraphKind = gkPoint;
}

void TZTPointGraph::DrawDataPixels(QImage& bitmap) {
  const AOptions& options = *Common().Options;
  if (options.ShowDeleted) DrawDeletedHits(bitmap);
  DrawHits(bitmap);
  if (options.ViewType == 0 || (options.ViewType == 2 && !NoColour)) DrawSelection(bitmap);
}

void TZTPointGraph::DrawDeletedHits(QImage& bitmap) {
  const ZTDataSet& data = *Common().DataSet;
  if (data.DeletedCount == 0) return;  // nothing to draw: the pass would find no deleted hit
  const PassContext pass(*this, Common());
  PixelCanvas canvas(bitmap);
  const std::uint32_t pixel = PixelCanvas::Pixel(Color(TColorRole::Deleted));
  for (const ZTShortHit& rec : data.Recs) {
    if (!rec.IsDeleted() || rec.Kind != rkHit) continue;
    const double x = HitValue(rec, pass.XParam), y = HitValue(rec, pass.YParam);
    if (!pass.X.InRange(x) || !pass.Y.InRange(y) || !pass.InTime(rec)) continue;
    if (rec.Channel < 1 || rec.Channel > 128) continue;
    canvas.Point(pass.Rule, pass.X.Pixel(x), pass.Y.Pixel(y), pixel);
  }
}

void TZTPointGraph::DrawHits(QImage& bitmap) {
  TCommonData& common = Common();
  const AOptions& options = *common.Options;
  const ATestSetup& setup = *common.Setup;
  ZTDataSet& data = *common.DataSet;
  const PassContext pass(*this, common);
  PixelCanvas canvas(bitmap);

  const bool events = options.EventsView;
  const bool shadows = options.SecondAsShadow;
  const bool parametric = pass.XParam == pcPar1 || pass.YParam == pcPar1;
  const bool drawParametric = options.ShowParamData && parametric;
  const bool plainColour = options.ViewType == 2 || NoColour;
  const bool channelColour = !plainColour && options.ViewType == 0;
  const std::uint32_t point = PixelCanvas::Pixel(Color(TColorRole::Point));
  const std::uint32_t shadow = PixelCanvas::Pixel(Color(TColorRole::Shadow));
  std::array<std::uint32_t, 256> palette{};
  for (int c = 1; c <= 128; ++c) palette[c] = PixelCanvas::Pixel(ChannelPalette(c));

  PassEvents rule(setup, data);
  std::uint32_t previous = point;  // the hidden view type keeps the colour of the previous point
  for (const ZTShortHit& rec : data.Recs) {
    if (rec.IsDeleted()) continue;
    const bool hit = rec.Kind == rkHit;
    if (!hit && rec.Kind != rkTimeDriven) continue;
    double x = HitValue(rec, pass.XParam), y = HitValue(rec, pass.YParam);
    if (parametric) {
      if (pass.XParam == pcPar1) x = setup.ParP(x);
      if (pass.YParam == pcPar1) y = setup.ParP(y);
    }
    int eventClass = 0;
    if (hit && events) {
      eventClass = rule.Classify(rec);
      if (eventClass != 0 && !shadows) continue;
    }
    if (!pass.X.InRange(x) || !pass.Y.InRange(y) || !pass.InTime(rec)) continue;

    std::uint32_t pixel;
    if (!hit) {
      if (!drawParametric) continue;
      pixel = point;
    } else {
      if (!pass.Selected[rec.Channel]) continue;
      if (eventClass != 0 && !pass.Checked[rule.EventChannel(rec)]) continue;
      if (plainColour) pixel = eventClass != 0 ? shadow : point;
      else if (channelColour) pixel = eventClass != 0 ? shadow : palette[rec.Channel];
      else pixel = previous;
    }
    previous = pixel;
    canvas.Point(pass.Rule, pass.X.Pixel(x), pass.Y.Pixel(y), pixel);
  }
  if (events) PassEventCount = rule.Count();
}

void TZTPointGraph::DrawSelection(QImage& bitmap) {
  TCommonData& common = Common();
  const AOptions& options = *common.Options;
  ZTDataSet& data = *common.DataSet;
  const bool events = options.EventsView;
  // Without the event rule a pass with nothing framed or grouped draws nothing.
  if (!events && data.FramedCount == 0 && data.GroupedCount == 0) return;
  const PassContext pass(*this, common);
  PixelCanvas canvas(bitmap);
  const std::uint32_t grouped = PixelCanvas::Pixel(Color(TColorRole::Grouped));
  std::array<std::uint32_t, 8> setColours{};
  for (int slot = 0; slot < 8; ++slot) setColours[slot] = PixelCanvas::Pixel(SetColor(slot));

  PassEvents rule(*common.Setup, data);
  for (const ZTShortHit& rec : data.Recs) {
    if (rec.IsDeleted() || rec.Kind != rkHit) continue;
    const unsigned frames = rec.FrameBits & 0xFFu;
    if (!events && frames == 0 && !rec.IsGrouped()) continue;  // the same verdict as below, sooner
    int eventClass = 0;
    if (events) eventClass = rule.Classify(rec);
    const double x = HitValue(rec, pass.XParam), y = HitValue(rec, pass.YParam);
    if (!pass.X.InRange(x) || !pass.Y.InRange(y) || !pass.InTime(rec)) continue;
    if (!pass.Selected[rec.Channel]) continue;
    if (eventClass != 0 && !pass.Checked[rule.EventChannel(rec)]) continue;
    if (frames == 0 && !rec.IsGrouped()) continue;
    const std::uint32_t pixel = rec.IsGrouped() ? grouped : setColours[std::bit_width(frames) - 1];
    canvas.Point(pass.Rule, pass.X.Pixel(x), pass.Y.Pixel(y), pixel);
  }
  if (events) PassEventCount = rule.Count();
}

}  // namespace ae
