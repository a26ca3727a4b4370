#include "viewer/graphs/TZTHistgrGraph.h"

#include <algorithm>

#include "viewer/graphs/PixelCanvas.h"

namespace ae {

TZTHistgrGraph::TZTHistgrGraph(TCommonData& common, int graphNumber) : TZTLineGraph(common, graphNumber) {
  GraphKind = gkHistogram;
}

int TZTHistgrGraph::BinCount() const { return XBinNum > 0 ? XBinNum : 100; }

double TZTHistgrGraph::XScale() const {
  double span;
  if (XAxis.Log) span = AGraphAxis::F(XAxis.Max, true) - AGraphAxis::F(XAxis.Min, true);
  else span = static_cast<double>(static_cast<std::uint32_t>(XAxis.Max - XAxis.Min));
  const double scale = BinCount() / span;
  return span != 0.0 && std::isfinite(scale) ? scale : 0.0;
}

void TZTHistgrGraph::DrawBins(QImage& bitmap) {
  PixelCanvas canvas(bitmap);
  const AOptions& options = *Common().Options;
  const int bins = bins_.Bins();
  if (bins <= 0) return;
  const float w = static_cast<float>(PlotRight - PlotLeft) / static_cast<float>(bins);
  const float left = static_cast<float>(PlotLeft);
  auto column = [&](int j, TRgb colour, int h) {
    const float start = left + static_cast<float>(j) * w;
    canvas.FillRect(TruncPixel(start), PlotBottom, TruncPixel(start + w), PlotBottom - h, colour);
  };
  for (int r = 0; r < bins_.Rows(); ++r) {
    TRgb colour = Color(TColorRole::Point);
    if (options.ViewType == 0 && !NoColour) colour = ChannelPalette(r + 1);
    int h = 0;
    if (YCumTypeID == ctNone || YCumTypeID == ctFromLeft) {
      for (int j = 0; j < bins; ++j) {
        const float v = bins_.At(r, j).Value;
        if (v != 0.0f && BinHeight(v, h)) column(j, colour, h);
      }
    } else if (YCumTypeID == ctFromRight) {
      for (int j = bins - 1; j >= 0; --j) {
        const float v = bins_.At(r, j).Value;
        // Empty bins give columns of no height on a linear axis.
        if (BinHeight(v, h)) column(j, colour, h);
      }
    }
  }
}

}  // namespace ae
