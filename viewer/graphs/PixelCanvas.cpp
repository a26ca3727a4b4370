#include "viewer/graphs/PixelCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace ae {

namespace {

// Liang-Barsky: cuts the segment to the square -reach..reach; false when nothing is left.
bool ClipToReach(int& x1, int& y1, int& x2, int& y2, double reach) {
  const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
  double t0 = 0.0, t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 + reach, reach - x1, y1 + reach, reach - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const double ox = x1, oy = y1;
  x1 = static_cast<int>(ox + t0 * dx);
  y1 = static_cast<int>(oy + t0 * dy);
  x2 = static_cast<int>(ox + t1 * dx);
  y2 = static_cast<int>(oy + t1 * dy);
  return true;
}

}  // namespace

void PixelCanvas::FillRect(int x1, int y1, int x2, int y2, TRgb rgb) {
  if (bits_ == nullptr) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, width_ - 1);
  y2 = std::min(y2, height_ - 1);
  const std::uint32_t pixel = Pixel(rgb);
  for (int y = y1; y <= y2; ++y) std::fill(Row(y) + x1, Row(y) + x2 + 1, pixel);
}

void PixelCanvas::FrameRect(int x1, int y1, int x2, int y2, TRgb rgb) {
  HLine(x1, x2, y1, rgb);
  HLine(x1, x2, y2, rgb);
  VLine(x1, y1, y2, rgb);
  VLine(x2, y1, y2, rgb);
}

void PixelCanvas::DottedHLine(int xFrom, int xTo, int y, TRgb rgb) {
  const int step = xTo >= xFrom ? 2 : -2;
  for (int x = xFrom; step > 0 ? x <= xTo : x >= xTo; x += step) SetPixel(x, y, rgb);
}

void PixelCanvas::DottedVLine(int x, int yFrom, int yTo, TRgb rgb) {
  const int step = yTo >= yFrom ? 2 : -2;
  for (int y = yFrom; step > 0 ? y <= yTo : y >= yTo; y += step) SetPixel(x, y, rgb);
}

void PixelCanvas::Line(int x1, int y1, int x2, int y2, TRgb rgb) {
  if (x1 == x2 || y1 == y2) {
    FillRect(x1, y1, x2, y2, rgb);
    return;
  }
  // A line far beyond the image (only a degenerate scale makes one) is cut to the image first,
  // so that the walk below stays short.
  const long long reach = 4LL * (width_ + height_) + 16;
  if (std::llabs(x1) > reach || std::llabs(x2) > reach || std::llabs(y1) > reach || std::llabs(y2) > reach) {
    if (!ClipToReach(x1, y1, x2, y2, static_cast<double>(reach))) return;
  }
  const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
  const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
  int error = dx + dy;
  while (true) {
    SetPixel(x1, y1, rgb);
    if (x1 == x2 && y1 == y2) break;
    const int e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      x1 += sx;
    }
    if (e2 <= dx) {
      error += dx;
      y1 += sy;
    }
  }
}

}  // namespace ae
