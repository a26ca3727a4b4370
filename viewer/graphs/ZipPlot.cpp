#include "viewer/graphs/ZipPlot.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "viewer/core/AMonpac.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/AxisLabelText.h"

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
  PlotPainter(QPaintDevice& device, TRgb background) : painter_(&device), metrics_(ZipPlot::Font(), &device) {
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

// The arrowhead beside a channel's marker that points the way its value lies beyond a scale:
// the point sits on the scale's end, the arrow says it is not really there. Beyond both scales
// it points out of the corner. None for a point within the scales.
QPolygon OffScaleArrow(const PlotPainter& p, const ZipPoint& point, QPoint c) {
  int dx = 0, dy = 0;
  if (point.HistoricIndex > MaxHistoric) dx = 1;
  else if (point.HistoricIndex < MinHistoric) dx = -1;
  if (point.Severity > MaxSeverity) dy = -1;
  else if (point.Severity < MinSeverity) dy = 1;
  const int a = p.Width(QStringLiteral("00")) / 2, b = p.Height() / 2;
  if (dx != 0 && dy != 0) {
    const QPoint tip(c.x() + dx * (a + 12), c.y() + dy * (b + 12));
    return QPolygon() << tip << QPoint(tip.x() - dx * 7, tip.y()) << QPoint(tip.x(), tip.y() - dy * 7);
  }
  if (dx != 0) {
    const int x = c.x() + dx * (a + 7);
    return QPolygon() << QPoint(x, c.y() - 4) << QPoint(x + dx * 5, c.y()) << QPoint(x, c.y() + 4);
  }
  if (dy != 0) {
    const int y = c.y() + dy * (b + 7);
    return QPolygon() << QPoint(c.x() - 4, y) << QPoint(c.x(), y + dy * 5) << QPoint(c.x() + 4, y);
  }
  return {};
}

// What a channel's mark covers around its point: its ink (the label and the arrows), which must
// leave the scales' texts readable, and the whole mark with the largest marker, which must not
// cover another channel's.
struct MarkBoxes {
  QRect Text, Arrow, Mark;
};

MarkBoxes MarkBoxesOf(const PlotPainter& p, const ZipPoint& point, QPoint at, const QString& number) {
  const int a = p.Width(QStringLiteral("00")) / 2, b = p.Height() / 2;
  MarkBoxes boxes;
  boxes.Text = QRect(at.x() - p.Width(number) / 2, at.y() - b, p.Width(number), p.Height());
  const QPolygon arrow = OffScaleArrow(p, point, at);
  if (!arrow.isEmpty()) boxes.Arrow = arrow.boundingRect();
  boxes.Mark =
      boxes.Text | boxes.Arrow | QRect(QPoint(at.x() - a - 5, at.y() - b - 5), QPoint(at.x() + a + 5, at.y() + b + 5));
  return boxes;
}

}  // namespace

std::vector<ZipPoint> ZipPointsOf(const ATestStat& stat) {
  std::vector<ZipPoint> points;
  for (int s = 0; s < ATestStat::Sets; ++s) {
    for (int c = 1; c <= ASetStat::Channels; ++c) {
      const AChanStat* chan = stat.Chan(s, c);
      // A channel of the set without a hit has nothing to show.
      if (chan == nullptr || chan->HitCount == 0) continue;
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

TRgb ZipPlot::ReadableOn(TRgb color, TRgb background) {
  // Yellow and cyan vanish on a white page: darker shades of them there.
  const int r = (background >> 16) & 0xFF, g = (background >> 8) & 0xFF, b = background & 0xFF;
  const bool light = 299 * r + 587 * g + 114 * b > 200000;
  if (!light) return color;
  if (color == 0xFFFF00) return 0xA08C00;
  if (color == 0x00FFFF) return 0x008C9A;
  return color;
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

namespace {

// Where the zones are named: a point well inside each, (historic index, severity).
struct ZoneName {
  int ZoneClass;
  double HistoricIndex, Severity;
};
constexpr ZoneName ZoneNames[] = {
    {AMonpac::zcA, 1.3, 36},  {AMonpac::zcB, 2.28, 36}, {AMonpac::zcC, 5.5, 45},
    {AMonpac::zcD, 5.5, 120}, {AMonpac::zcE, 5.5, 400}, {AMonpac::zcMinor, 5.5, 15},
};

QString ZoneText(int zoneClass) {
  return zoneClass == AMonpac::zcMinor ? QStringLiteral("Mnr") : QString(QChar('A' + zoneClass));
}

bool Free(const QRect& box, const std::vector<QRect>& taken) {
  for (const QRect& other : taken)
    if (box.intersects(other)) return false;
  return true;
}

// Where a channel's mark (its label, marker and arrows) goes: on its point when its label leaves
// the scales' texts readable and its mark does not cover another channel's; otherwise the
// nearest place where both hold, whole marks away, with its centre in the plot.
QPoint FreeOffset(const MarkBoxes& boxes, const std::vector<QRect>& texts, const std::vector<QRect>& marks,
                  const ZipGeometry& g, const QRect& image) {
  // The ink (label and arrow) must leave the texts readable; the whole mark must not cover another.
  auto free = [&](const QPoint& offset) {
    return Free(boxes.Text.translated(offset), texts) &&
           (boxes.Arrow.isNull() || Free(boxes.Arrow.translated(offset), texts)) &&
           Free(boxes.Mark.translated(offset), marks);
  };
  if (free({})) return {};
  const QRect& mark = boxes.Mark;
  const int dx = mark.width() + 1, dy = mark.height() + 1;
  std::vector<QPoint> offsets;
  for (int j = -8; j <= 8; ++j)
    for (int i = -6; i <= 6; ++i)
      if (i != 0 || j != 0) offsets.emplace_back(i * dx, j * dy);
  std::stable_sort(offsets.begin(), offsets.end(), [](const QPoint& a, const QPoint& b) {
    return a.x() * a.x() + a.y() * a.y() < b.x() * b.x() + b.y() * b.y();
  });
  const QRect plot(QPoint(g.Left, g.Top), QPoint(g.Right, g.Bottom));
  for (const QPoint& offset : offsets)
    if (plot.contains(mark.translated(offset).center()) && image.contains(boxes.Text.translated(offset)) &&
        free(offset))
      return offset;
  return {};
}

}  // namespace

QImage ZipPlot::Render(const std::vector<ZipPoint>& points, int width, int height, int scheme, ZipLabels* labels) {
  QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  Paint(image, points, width, height, scheme, labels);
  return image;
}

void ZipPlot::Paint(QPaintDevice& device, const std::vector<ZipPoint>& points, int width, int height, int scheme,
                    ZipLabels* labels) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  const TRgb background = RoleColor(TColorRole::Background, scheme);
  const TRgb axis = RoleColor(TColorRole::Axis, scheme);
  const TRgb text = RoleColor(TColorRole::Text, scheme);
  const ZipGeometry g = ZipGeometry::For(width, height);
  PlotPainter p(device, background);
  QPainter& painter = p.Painter();
  painter.fillRect(0, 0, width, height, Color(background));

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

  // The texts that the channels' labels must leave readable.
  std::vector<QRect> taken;
  auto label = [&](int x, int y, const QString& s) {
    p.Text(x, y, s);
    taken.emplace_back(x - 3, y, p.Width(s) + 6, p.Height());  // a gap, so no number runs on into it
  };
  p.SetPen(text);
  // The severity decades, written compactly where the margin is too narrow for "1000".
  const std::vector<std::string> severities =
      AxisLabelTexts({{10, g.Left - 10}, {100, g.Left - 10}, {1000, g.Left - 10}},
                     [&p](const std::string& s) { return p.Width(QString::fromStdString(s)); });
  for (int i = 0, decade = 10; i < 3; ++i, decade *= 10) {
    const QString s = QString::fromStdString(severities[static_cast<std::size_t>(i)]);
    label(g.Left - 10 - p.Width(s), g.Y(decade) - p.Height() / 2, s);
  }
  // The historic indexes 1 to 10; on a plot too narrow for all, the inner ones that would touch
  // their neighbour are left out.
  const QString ten = QStringLiteral("10");
  const int tenLeft = g.X(10) - p.Width(ten) / 2;
  int lastRight = std::numeric_limits<int>::min();
  for (int h = 1; h <= 10; ++h) {
    const QString s = QString::number(h);
    const int x = g.X(h) - p.Width(s) / 2;
    if (h > 1 && h < 10 && (x <= lastRight + 2 || x + p.Width(s) + 2 >= tenLeft)) continue;
    label(x, g.Bottom + 10, s);
    lastRight = x + p.Width(s);
  }
  const QString historic = QStringLiteral("Historic Index"), severity = QStringLiteral("Severity");
  label((g.Left + g.Right) / 2 - p.Width(historic) / 2, g.Bottom + 25, historic);
  label(g.Right - p.Width(severity), g.Top - 20, severity);

  for (const Boundary& boundary : ZoneBoundaries()) {
    p.SetPen(ReadableOn(boundary.Color, background));
    QPolygon line;
    for (const auto& [h, s] : boundary.Points) line << g.At(h, s);
    p.Polyline(line);
  }
  // The zones' names, under everything that follows.
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const ZoneName& zone : ZoneNames) {
    const QString name = ZoneText(zone.ZoneClass);
    const QPoint at = g.At(zone.HistoricIndex, zone.Severity);
    p.SetPen(ReadableOn(ZoneColor(zone.ZoneClass), background));
    painter.drawText(QRect(at.x() - p.Width(name) / 2, at.y() - p.Height() / 2, p.Width(name), p.Height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
  }
  painter.setBackgroundMode(Qt::OpaqueMode);

  if (labels != nullptr) *labels = ZipLabels{taken, {}};
  const QRect whole(0, 0, width, height);
  std::vector<QRect> marks;
  // Every channel's place first, so that the lines to moved marks lie under all the marks.
  struct Placed {
    const ZipPoint* Point;
    QString Number;
    QPoint At, Centre;
    QRect Text;
    TRgb Colour;
  };
  std::vector<Placed> placed;
  for (const ZipPoint& point : points) {
    const QPoint at = g.At(point.HistoricIndex, point.Severity);
    const QString number = QString::number(point.Channel);
    const MarkBoxes boxes = MarkBoxesOf(p, point, at, number);
    const QPoint offset = FreeOffset(boxes, taken, marks, g, whole);
    taken.push_back(boxes.Text.translated(offset));
    if (!boxes.Arrow.isNull()) taken.push_back(boxes.Arrow.translated(offset));
    marks.push_back(boxes.Mark.translated(offset));
    placed.push_back({&point, number, at, at + offset, boxes.Text.translated(offset),
                      ReadableOn(ZoneColor(point.ZoneClass), background)});
  }
  // A mark moved off its point keeps a line to it.
  for (const Placed& mark : placed) {
    p.SetPen(mark.Colour);
    if (mark.Centre != mark.At) p.Line(mark.At.x(), mark.At.y(), mark.Centre.x(), mark.Centre.y());
  }
  for (const Placed& mark : placed) {
    p.SetPen(mark.Colour);
    p.Text(mark.Text.left(), mark.Text.top(), mark.Number);
    p.Marker(mark.Point->SetSlot, mark.Centre.x(), mark.Centre.y());
    const QPolygon arrow = OffScaleArrow(p, *mark.Point, mark.Centre);
    if (!arrow.isEmpty()) {
      p.Painter().setBrush(Color(mark.Colour));
      p.Painter().drawPolygon(arrow);
      p.Painter().setBrush(Qt::NoBrush);
    }
    if (labels != nullptr) labels->Channels.push_back({mark.Text, mark.Centre, mark.At});
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
}

}  // namespace ae
