#pragma once
// The zone intensity plot (ZIP) of the MONPAC evaluation: every channel record of every set as
// its channel number framed by the set's marker, at its maximum historic index against its
// maximum severity, over the zone boundaries, on logarithmic scales (historic index 1..10,
// severity 10..1000). Drawn into an image, so the window and the tests render it the same way.
#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPoint>
#include <QRect>
#include <vector>

#include "viewer/core/GraphColors.h"

namespace ae {

class ATestStat;

// One channel record as the plot draws it, before clamping to the scales.
struct ZipPoint {
  int SetSlot = 0;  // 0..7, selects the marker
  int Channel = 0;
  double HistoricIndex = 1.0;
  double Severity = 10.0;
  int ZoneClass = 5;  // 0..4 zones A..E, 5 minor activity; others are drawn white
};

// The points of the records of every set, in set and channel order. A record with fewer than
// 10 events has no zone class and sits at the lower left corner as minor activity.
std::vector<ZipPoint> ZipPointsOf(const ATestStat& stat);

// Where the plot lies in an image of a given size.
struct ZipGeometry {
  int Left = 0, Right = 0, Top = 0, Bottom = 0;
  double ScaleX = 0.0;  // pixels per decade of historic index
  double ScaleY = 0.0;  // pixels per decade of severity

  static ZipGeometry For(int width, int height);
  // Pixel of a historic index and of a severity, clamped to the scales.
  int X(double historicIndex) const;
  int Y(double severity) const;
  QPoint At(double historicIndex, double severity) const { return {X(historicIndex), Y(severity)}; }
};

// Where the texts of a rendered plot went: the scales' and titles' labels, and every channel's
// label with the centre of its marker (moved off its point where another text lay there).
struct ZipLabels {
  std::vector<QRect> Axis;
  struct Channel {
    QRect Box;
    QPoint Centre;
    QPoint Point;  // where the channel's values put it
  };
  std::vector<Channel> Channels;
};

class ZipPlot {
 public:
  // "MS Sans Serif", 8 points, or what the system puts in its place.
  static QFont Font();
  static TRgb ZoneColor(int zoneClass);
  // A fixed colour of the plot as drawn on that background: the same, but where it would not
  // stand out (yellow and cyan on a light page), a darker shade of it.
  static TRgb ReadableOn(TRgb color, TRgb background);
  // The half width and half height of "00" in the plot's font: the size of a marker.
  static QPoint MarkerHalfSize();

  // The plot at this size in colour scheme `scheme`; where the texts went into `labels`.
  static QImage Render(const std::vector<ZipPoint>& points, int width, int height, int scheme,
                       ZipLabels* labels = nullptr);
  // The same onto any paint device, from its top left corner: a picture keeps the lines and
  // the texts as they are, for paper.
  static void Paint(QPaintDevice& device, const std::vector<ZipPoint>& points, int width, int height, int scheme,
                    ZipLabels* labels = nullptr);
};

}  // namespace ae
