#pragma once
// Drawing straight into the pixels of a 32-bit image: points, solid and dotted lines,
// rectangles. Every shape covers both of its end points (a line from x1 to x2 sets x1..x2, a
// rectangle its right and bottom edge too), so a shape lands exactly on the pixels its
// coordinates name. Everything is clipped to the image; text is the painter's.
#include <QImage>
#include <algorithm>
#include <cstdint>

#include "viewer/core/GraphColors.h"

namespace ae {

class PixelCanvas {
 public:
  // The image must be Format_RGB32 (or ARGB32); a null image draws nothing.
  explicit PixelCanvas(QImage& image)
      : bits_(image.isNull() ? nullptr : reinterpret_cast<std::uint32_t*>(image.bits())),
        stride_(image.isNull() ? 0 : image.bytesPerLine() / 4),
        width_(image.width()),
        height_(image.height()) {}

  int Width() const { return width_; }
  int Height() const { return height_; }

  static std::uint32_t Pixel(TRgb rgb) { return 0xFF000000u | rgb; }

  void Fill(TRgb rgb) { FillRect(0, 0, width_ - 1, height_ - 1, rgb); }
  void SetPixel(int x, int y, TRgb rgb) {
    if (bits_ != nullptr && x >= 0 && y >= 0 && x < width_ && y < height_) Row(y)[x] = Pixel(rgb);
  }
  std::uint32_t PixelAt(int x, int y) const { return Row(y)[x]; }

  // Filled rectangle from (x1, y1) to (x2, y2), corners in any order.
  void FillRect(int x1, int y1, int x2, int y2, TRgb rgb);
  // The 1-pixel outline of that rectangle.
  void FrameRect(int x1, int y1, int x2, int y2, TRgb rgb);
  void HLine(int x1, int x2, int y, TRgb rgb) { FillRect(x1, y, x2, y, rgb); }
  void VLine(int x, int y1, int y2, TRgb rgb) { FillRect(x, y1, x, y2, rgb); }
  // Every other pixel, starting at the first point given.
  void DottedHLine(int xFrom, int xTo, int y, TRgb rgb);
  void DottedVLine(int x, int yFrom, int yTo, TRgb rgb);
  // Any line, by Bresenham's rule.
  void Line(int x1, int y1, int x2, int y2, TRgb rgb);

 private:
  std::uint32_t* Row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }

  std::uint32_t* bits_;
  int stride_;
  int width_;
  int height_;
};

}  // namespace ae
