#include "viewer/ui/TZTTabSheet.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "viewer/ui/GraphMouse.h"
#include "viewer/ui/TZTGraphControl.h"

namespace ae {

TZTTabSheet::TZTTabSheet(std::unique_ptr<GraphPage> page, GraphMouse& mouse, QWidget* parent)
    : QWidget(parent), page_(std::move(page)), mouse_(mouse) {
  setObjectName(QStringLiteral("Page%1").arg(page_->PageId));
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (auto& graph : page_->Graphs) controls_.push_back(new TZTGraphControl(*graph, mouse_, this));
}

TZTTabSheet::~TZTTabSheet() {
  for (TZTGraphControl* control : controls_) {
    mouse_.Forget(*control);
    control->Graph().OnInvalidate = nullptr;
  }
}

void TZTTabSheet::UpdateAllLayouts() {
  renderFailed_ = false;
  page_->UpdateAllLayouts(width(), height());
  for (TZTGraphControl* control : controls_) control->FollowLayout();
}

void TZTTabSheet::Redraw() {
  errorReported_ = false;
  renderFailed_ = false;
  page_->Redraw();
  update();
}

void TZTTabSheet::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit Resized();
}

void TZTTabSheet::RenderPending() {
  if (renderFailed_) return;
  TCommonData& common = page_->Common();
  common.SetPageSize(width(), height());
  bool pending = common.RepaintAll;
  for (const auto& graph : page_->Graphs) pending = pending || graph->Dirty;
  const std::optional<double> failed = page_->PaintGraphs();
  for (TZTGraphControl* control : controls_) control->FollowLayout();
  common.RepaintAll = false;
  if (pending) emit Rendered();
  if (!failed) return;
  renderFailed_ = true;
  if (!errorReported_) {
    // Reported once: the box's own repaints of the page would otherwise report it forever.
    errorReported_ = true;
    emit TimeOrderError(*failed);
  }
}

void TZTTabSheet::paintEvent(QPaintEvent* event) {
  // The background between and around the graphs; the graphs paint themselves.
  QPainter painter(this);
  painter.fillRect(event->rect(),
                   QColor::fromRgb(RoleColor(TColorRole::Background, page_->Common().Options->ColorScheme)));
}

}  // namespace ae
