#include "viewer/graphs/ZipPlot.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>

#include "viewer/core/AMonpac.h"
#include "viewer/core/ATestStat.h"

namespace ae {

namespace {

constexpr double MinHistoric = 1.0, MaxHistoric = 10.0;
constexpr double MinSeverity = 10.0, MaxSeverity = 1000.0;

double Clamp(double value, double low, double high) {
  // A value that is not a number sits at the low end rather than anywhere.
  if (!(value >= low)) return low;
  return std::min(value, high);
}

struct Boundary {
  TRgb Color;
  std::vector<std::pair<double, double>> Points;  // (historic index, severity)
};

// The boundaries of the zone classification of AMonpac.
const std::vector<Boundary>& ZoneBoundaries() {
  static const std::vector<Boundary> boundaries = {
      {0x00FFFF, {{1, 25}, {10, 25}}},
      {0x008000, {{1, 50}, {2, 50}, {2, 25}}},
      {0x0000FF, {{1, 71}, {2, 71}, {2.6, 50}, {2.6, 25}}},
      {0x800080, {{1, 190}, {2, 190}, {2, 150}, {3.1, 71}, {10, 71}}},
      {0xFFFF00, {{1, 600}, {2.6, 600}, {2.6, 190}, {10, 190}}},
  };
  return boundaries;
}

QColor Color(TRgb rgb) { return QColor::fromRgb(rgb); }

// Text placed by its top left corner, opaque on the plot's background.
class PlotPainter {
 public:
  PlotPainter(QImage& image, TRgb background) : painter_(&image), metrics_(ZipPlot::Font(), &image) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(ZipPlot::Font());
    painter_.setBackground(Color(background));
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBrush(Qt::NoBrush);
  }

  QPainter& Painter() { return painter_; }
  int Width(const QString& text) const { return metrics_.horizontalAdvance(text); }
  int Height() const { return metrics_.height(); }
  void SetPen(TRgb rgb) { painter_.setPen(QPen(Color(rgb), 0)); }

  void Text(int x, int y, const QString& text) {
    const QRect box(x, y, Width(text), Height());
    painter_.fillRect(box, painter_.background());
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  }
  void Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }
  void Polyline(const QPolygon& points) { painter_.drawPolyline(points); }

  // The marker of a set slot around (x, y), outline only, in the pen's colour.
  void Marker(int slot, int x, int y) {
    // Half the width and half the height of "00".
    const int a = Width(QStringLiteral("00")) / 2, b = Height() / 2;
    QPolygon shape;
    switch (slot) {
      case 0:
        shape << QPoint(x - a - 2, y - b - 2) << QPoint(x + a + 2, y - b - 2) << QPoint(x + a + 2, y + b + 2)
              << QPoint(x - a - 2, y + b + 2);
        break;
      case 1: painter_.drawEllipse(x - a - 4, y - b - 4, 2 * a + 8, 2 * b + 8); return;
      case 2:
        shape << QPoint(x - a - 5, y) << QPoint(x, y - b - 5) << QPoint(x + a + 5, y) << QPoint(x, y + b + 5);
        break;
      case 3:
        shape << QPoint(x - a + 1, y - b - 2) << QPoint(x + a - 1, y - b - 2) << QPoint(x + a + 3, y)
              << QPoint(x + a - 1, y + b + 2) << QPoint(x - a + 1, y + b + 2) << QPoint(x - a - 3, y);
        break;
      case 4:
        // This one ends a pixel short of its apex instead of returning to it.
        Polyline(QPolygon() << QPoint(x, y - b - 5) << QPoint(x + a + 5, y + b + 1) << QPoint(x - a - 5, y + b + 1)
                            << QPoint(x, y - b - 4));
        return;
      case 5: shape << QPoint(x - a - 5, y) << QPoint(x + a + 1, y - b - 5) << QPoint(x + a + 1, y + b + 5); break;
      case 6: shape << QPoint(x + a + 5, y) << QPoint(x - a - 1, y - b - 5) << QPoint(x - a - 1, y + b + 5); break;
      case 7: shape << QPoint(x, y + b + 5) << QPoint(x - a - 5, y - b - 1) << QPoint(x + a + 5, y - b - 1); break;
      default: return;
    }
    shape << shape.front();
    Polyline(shape);
  }

 private:
  QPainter painter_;
  QFontMetrics metrics_;
};

}  // namespace

std::vector<ZipPoint> ZipPointsOf(const ATestStat& stat) {
  std::vector<ZipPoint> points;
  for (int s = 0; s < ATestStat::Sets; ++s) {
    for (int c = 1; c <= ASetStat::Channels; ++c) {
      const AChanStat* chan = stat.Chan(s, c);
      if (chan == nullptr) continue;
      ZipPoint p;
      p.SetSlot = s;
      p.Channel = chan->Channel;
      if (chan->Monpac.Events >= AMonpac::MinEvents) {
        p.HistoricIndex = chan->Monpac.Hist.Maximum;
        p.Severity = chan->Monpac.Severity.Maximum;
        p.ZoneClass = chan->Monpac.ZoneClass;
      }
      points.push_back(p);
    }
  }
  return points;
}

ZipGeometry ZipGeometry::For(int width, int height) {
  ZipGeometry g;
  g.Left = static_cast<int>(width / 3 - 0.2 * width);
  g.Right = static_cast<int>(width / 3 + 0.2 * width);
  g.Top = static_cast<int>(height / 2 - 0.4 * height);
  g.Bottom = static_cast<int>(height / 2 + 0.35 * height);
  g.ScaleX = (g.Right - g.Left) / (std::log10(MaxHistoric) - std::log10(MinHistoric));
  g.ScaleY = (g.Bottom - g.Top) / (std::log10(MaxSeverity) - std::log10(MinSeverity));
  return g;
}

int ZipGeometry::X(double historicIndex) const {
  const double h = Clamp(historicIndex, MinHistoric, MaxHistoric);
  return Left + static_cast<int>((std::log10(h) - std::log10(MinHistoric)) * ScaleX);
}

int ZipGeometry::Y(double severity) const {
  const double s = Clamp(severity, MinSeverity, MaxSeverity);
  return Bottom - static_cast<int>((std::log10(s) - std::log10(MinSeverity)) * ScaleY);
}

QFont ZipPlot::Font() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

TRgb ZipPlot::ZoneColor(int zoneClass) {
  switch (zoneClass) {
    case AMonpac::zcA: return 0x008000;
    case AMonpac::zcB: return 0x0000FF;
    case AMonpac::zcC: return 0x800080;
    case AMonpac::zcD: return 0xFFFF00;
    case AMonpac::zcE: return 0xFF0000;
    case AMonpac::zcMinor: return 0x00FFFF;
    default: return 0xFFFFFF;
  }
}

QPoint ZipPlot::MarkerHalfSize() {
  QImage probe(1, 1, QImage::Format_RGB32);
  const QFontMetrics metrics(Font(), &probe);
  return {metrics.horizontalAdvance(QStringLiteral("00")) / 2, metrics.height() / 2};
}

QImage ZipPlot::Render(const std::vector<ZipPoint>& points, int width, int height, int scheme) {
  QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  const TRgb background = RoleColor(TColorRole::Background, scheme);
  const TRgb axis = RoleColor(TColorRole::Axis, scheme);
  const TRgb text = RoleColor(TColorRole::Text, scheme);
  image.fill(Color(background));
  const ZipGeometry g = ZipGeometry::For(width, height);
  PlotPainter p(image, background);
  QPainter& painter = p.Painter();

  p.SetPen(axis);
  // An aliased outline covers both its edges: from left - 3 to right + 3.
  painter.drawRect(g.Left - 3, g.Top - 3, g.Right - g.Left + 6, g.Bottom - g.Top + 6);
  // Scale marks: decades longer than the steps between them.
  for (int decade = 10; decade <= 1000; decade *= 10) {
    p.Line(g.Left - 3, g.Y(decade), g.Left - 8, g.Y(decade));
    if (decade == 1000) break;
    for (int step = 2; step <= 9; ++step) p.Line(g.Left - 3, g.Y(decade * step), g.Left - 6, g.Y(decade * step));
  }
  for (int h = 1; h <= 10; ++h) {
    const int length = (h == 1 || h == 10) ? 8 : 6;
    p.Line(g.X(h), g.Bottom + 3, g.X(h), g.Bottom + length);
  }

  p.SetPen(text);
  for (int decade = 10; decade <= 1000; decade *= 10) {
    const QString label = QString::number(decade);
    p.Text(g.Left - 10 - p.Width(label), g.Y(decade) - p.Height() / 2, label);
  }
  for (int h = 1; h <= 10; ++h) {
    const QString label = QString::number(h);
    p.Text(g.X(h) - p.Width(label) / 2, g.Bottom + 10, label);
  }
  const QString historic = QStringLiteral("Historic Index"), severity = QStringLiteral("Severity");
  p.Text((g.Left + g.Right) / 2 - p.Width(historic) / 2, g.Bottom + 25, historic);
  p.Text(g.Right - p.Width(severity), g.Top - 20, severity);

  for (const Boundary& boundary : ZoneBoundaries()) {
    p.SetPen(boundary.Color);
    QPolygon line;
    for (const auto& [h, s] : boundary.Points) line << g.At(h, s);
    p.Polyline(line);
  }

  for (const ZipPoint& point : points) {
    const QPoint at = g.At(point.HistoricIndex, point.Severity);
    p.SetPen(ZoneColor(point.ZoneClass));
    const QString number = QString::number(point.Channel);
    p.Text(at.x() - p.Width(number) / 2, at.y() - p.Height() / 2, number);
    p.Marker(point.SetSlot, at.x(), at.y());
  }

  const int t = p.Height();
  for (int n = 0; n < ATestStat::Sets; ++n) {
    const int j = n / 4, i = n % 4;
    const int x = g.Right + 120 * j + 50, y = g.Top + 25 * i;
    p.SetPen(axis);
    p.Marker(n, x, y + t / 2);
    p.SetPen(text);
    p.Text(x - t / 2, y, QStringLiteral("22"));
    p.Text(g.Right + 120 * j + 70, y, QStringLiteral("Set #%1").arg(n + 1));
  }
  return image;
}

}  // namespace ae
