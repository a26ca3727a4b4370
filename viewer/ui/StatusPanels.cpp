#include "viewer/ui/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>
#include <algorithm>

namespace ae {

namespace {

// The name, then the count left-aligned in nine places ("HITS:%-9u").
QString Counter(const QString& name, std::uint32_t n) { return name + QString::number(n).leftJustified(9); }

}  // namespace

StatusPanels::StatusPanels(QStatusBar& bar) {
  static const char* const first[7] = {
      "", QT_TR_NOOP("HITS:"), QT_TR_NOOP("EVNT:"), QT_TR_NOOP("FRM:"), QT_TR_NOOP("GRPD:"), QT_TR_NOOP("DEL: "), ""};
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    auto* label = new QLabel(*first[i] != '\0' ? tr(first[i]) : QString(), &bar);
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setFixedWidth(Widths[i]);
    bar.addWidget(label);
    panels_[i] = label;
  }
}

QString StatusPanels::HitsText(std::uint32_t n) { return Counter(tr("HITS:"), n); }
QString StatusPanels::EventsText(std::uint32_t n, bool eventsView) {
  return eventsView ? Counter(tr("EVNT:"), n) : tr("EVNT: - ");
}
QString StatusPanels::FramedText(std::uint32_t n) { return Counter(tr("FRMD:"), n); }
QString StatusPanels::GroupedText(std::uint32_t n) { return Counter(tr("GRPD:"), n); }
QString StatusPanels::DeletedText(std::uint32_t n) { return Counter(tr("DLTD:"), n); }

void StatusPanels::UpdateStatus(const ZTDataSet& data, bool eventsView) {
  SetText(1, HitsText(data.HitCount));
  SetText(2, EventsText(data.EventCount, eventsView));
  SetText(3, FramedText(data.FramedCount));
  SetText(4, GroupedText(data.GroupedCount));
  SetText(5, DeletedText(data.DeletedCount));
}

void StatusPanels::UpdateEvents(const ZTDataSet& data, bool eventsView) {
  SetText(2, EventsText(data.EventCount, eventsView));
}

void StatusPanels::ShowCoordinates(const QString& text) { SetText(0, text); }

QString StatusPanels::Text(int panel) const { return panels_[static_cast<std::size_t>(panel)]->text(); }

int StatusPanels::Width(int panel) const { return panels_[static_cast<std::size_t>(panel)]->width(); }

void StatusPanels::SetText(int panel, const QString& text) {
  QLabel* label = panels_[static_cast<std::size_t>(panel)];
  label->setText(text);
  // The blanks a counter is padded with show nothing; the digits before them must all show.
  QString shown = text;
  while (shown.endsWith(QLatin1Char(' '))) shown.chop(1);
  const QMargins margins = label->contentsMargins();
  const int needed = label->fontMetrics().horizontalAdvance(shown) + margins.left() + margins.right() +
                     2 * label->margin() + label->fontMetrics().averageCharWidth();
  int width = std::max(Widths[static_cast<std::size_t>(panel)], needed);
  if (panel == 0) width = std::max(width, label->minimumWidth());
  if (width != label->minimumWidth() || width != label->maximumWidth()) label->setFixedWidth(width);
}

}  // namespace ae
