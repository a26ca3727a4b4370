#include "viewer/ui/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>
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
  panels_[1]->setText(HitsText(data.HitCount));
  panels_[2]->setText(EventsText(data.EventCount, eventsView));
  panels_[3]->setText(FramedText(data.FramedCount));
  panels_[4]->setText(GroupedText(data.GroupedCount));
  panels_[5]->setText(DeletedText(data.DeletedCount));
}

void StatusPanels::ShowCoordinates(const QString& text) { panels_[0]->setText(text); }

QString StatusPanels::Text(int panel) const { return panels_[static_cast<std::size_t>(panel)]->text(); }

}  // namespace ae
