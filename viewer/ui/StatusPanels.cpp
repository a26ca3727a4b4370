#include "viewer/ui/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>
#include <algorithm>
#include <cstdio>

namespace ae {

namespace {

QString Counter(const char* format, std::uint32_t n) {
  char text[32];
  std::snprintf(text, sizeof text, format, static_cast<unsigned>(n));
  return QString::fromLatin1(text);
}

}  // namespace

StatusPanels::StatusPanels(QStatusBar& bar) {
  static const char* const first[7] = {"", "HITS:", "EVNT:", "FRM:", "GRPD:", "DEL: ", ""};
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    auto* label = new QLabel(QString::fromLatin1(first[i]), &bar);
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setFixedWidth(Widths[i]);
    bar.addWidget(label);
    panels_[i] = label;
  }
}

QString StatusPanels::HitsText(std::uint32_t n) { return Counter("HITS:%-9u", n); }
QString StatusPanels::EventsText(std::uint32_t n, bool eventsView) {
  return eventsView ? Counter("EVNT:%-9u", n) : QStringLiteral("EVNT: - ");
}
QString StatusPanels::FramedText(std::uint32_t n) { return Counter("FRMD:%-9u", n); }
QString StatusPanels::GroupedText(std::uint32_t n) { return Counter("GRPD:%-9u", n); }
QString StatusPanels::DeletedText(std::uint32_t n) { return Counter("DLTD:%-9u", n); }

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
