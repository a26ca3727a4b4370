#include "viewer/report/GraphPagePicture.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <optional>
#include <string>

#include "viewer/core/EViewer.h"
#include "viewer/core/GraphColors.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/graphs/GraphPage.h"
#include "viewer/report/DocumentPages.h"
#include "viewer/report/ImageTexts.h"

namespace ae {

namespace {

constexpr int LabelRoom = 16;

// The page's view context for one drawing on paper, and back.
class PaperDrawing {
 public:
  PaperDrawing(GraphPage& page, int labelDpi)
      : page_(page),
        common_(page.Common()),
        options_(*common_.Options),
        savedOptions_(common_.Options),
        savedDpi_(common_.LabelDpi),
        savedGlyphs_(common_.LabelGlyphs),
        savedRepaint_(common_.RepaintAll),
        savedWidth_(common_.PageWidth),
        savedHeight_(common_.PageHeight) {
    options_.ColorScheme = ClipboardScheme;  // dark on white, as for documents
    common_.Options = &options_;
    common_.LabelDpi = labelDpi;
    common_.LabelGlyphs = false;
    common_.RepaintAll = true;
  }
  ~PaperDrawing() {
    common_.Options = savedOptions_;
    common_.LabelDpi = savedDpi_;
    common_.LabelGlyphs = savedGlyphs_;
    common_.RepaintAll = savedRepaint_;
    if (savedWidth_ > 0 && savedHeight_ > 0) page_.UpdateAllLayouts(savedWidth_, savedHeight_);
    else common_.SetPageSize(savedWidth_, savedHeight_);
    for (auto& graph : page_.Graphs) graph->Dirty = true;
  }
  PaperDrawing(const PaperDrawing&) = delete;
  PaperDrawing& operator=(const PaperDrawing&) = delete;

 private:
  GraphPage& page_;
  TCommonData& common_;
  AOptions options_;
  AOptions* savedOptions_;
  int savedDpi_;
  bool savedGlyphs_, savedRepaint_;
  int savedWidth_, savedHeight_;
};

}  // namespace

int GraphPagePicture::LabelDpi() {
  static const int dpi = [] {
    QImage probe(1, 1, QImage::Format_RGB32);
    int best = 72;
    for (int dpi = 72; dpi <= 600; ++dpi) {
      probe.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
      probe.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
      if (QFontMetrics(GraphText::LabelFont(), &probe).height() > LabelRoom) break;
      best = dpi;
    }
    return best;
  }();
  return dpi;
}

GraphPagePicture GraphPagePicture::Render(GraphPage& page, QSize pixels) {
  GraphPagePicture picture;
  picture.labelDpi_ = LabelDpi();
  {
    PaperDrawing paper(page, picture.labelDpi_);
    page.UpdateAllLayouts(pixels.width(), pixels.height());
    if (const std::optional<double> unsorted = page.PaintGraphs()) throw EViewer(NotSortedMessage(*unsorted));
    picture.image_ = page.Compose();
    for (const auto& graph : page.Graphs)
      for (const TDrawnText& text : graph->Texts)
        picture.texts_.push_back({text.Text, text.Box.translated(graph->Left, graph->Top)});
  }
  if (picture.image_.isNull() || picture.image_.size() != pixels)
    throw EViewer("Not enough memory for a page of " + std::to_string(pixels.width()) + "x" +
                  std::to_string(pixels.height()) + " pixels");
  return picture;
}

void GraphPagePicture::Paint(QPainter& painter, const QRectF& target) const {
  if (image_.isNull() || target.isEmpty()) return;
  painter.save();
  // Dots stay dots: no lossy compression of the points.
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, image_);
  PaintImageTexts(painter, target, image_.size(), texts_, labelDpi_,
                  QColor::fromRgb(RoleColor(TColorRole::Text, ClipboardScheme)));
  painter.restore();
}

}  // namespace ae
