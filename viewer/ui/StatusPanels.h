#pragma once
// The seven panels of the viewer's status bar: the coordinate readout, the counters of hits,
// events, framed, grouped and deleted hits, and one that stays empty. A panel is as wide as its
// design width, or wider when its text needs it: a counter shows every digit up to 4294967295,
// and the readout grows to its longest text (it does not shrink back, so the counters do not
// move with the mouse).
#include <QCoreApplication>
#include <QString>
#include <array>

#include "datafiles/ZTDataSet.h"

class QLabel;
class QStatusBar;

namespace ae {

class StatusPanels {
  Q_DECLARE_TR_FUNCTIONS(ae::StatusPanels)

 public:
  static constexpr std::array<int, 7> Widths = {200, 75, 75, 75, 75, 75, 50};

  explicit StatusPanels(QStatusBar& bar);

  // Panels 1..5 from the data set's counters; the event count only in event view.
  void UpdateStatus(const ZTDataSet& data, bool eventsView);
  // Panel 2 alone: the graphs count the events while they draw, after the other counters.
  void UpdateEvents(const ZTDataSet& data, bool eventsView);
  void ShowCoordinates(const QString& text);
  QString Text(int panel) const;
  // The panel's width on the screen.
  int Width(int panel) const;

  // The texts of panels 1..5.
  static QString HitsText(std::uint32_t n);
  static QString EventsText(std::uint32_t n, bool eventsView);
  static QString FramedText(std::uint32_t n);
  static QString GroupedText(std::uint32_t n);
  static QString DeletedText(std::uint32_t n);

 private:
  // Sets the text and widens (or narrows back to what it needs) the panel.
  void SetText(int panel, const QString& text);

  std::array<QLabel*, 7> panels_{};
};

}  // namespace ae
