#include "viewer/graphs/PointLayer.h"

#include <algorithm>

namespace ae {

PointLayer::PointLayer(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), None) {}

void PointLayer::Merge(const PointLayer& later) {
  if (later.width_ != width_ || later.height_ != height_) return;
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    const std::uint8_t p = later.pixels_[i];
    // The later record wins within its pass; a later pass wins over an earlier one.
    if (p != None && Limit(pixels_[i]) <= Limit(p)) pixels_[i] = p;
  }
}

void PointLayer::ClearFrom(std::uint8_t index) {
  for (std::uint8_t& p : pixels_)
    if (p >= index) p = None;
}

void PointLayer::PaintInto(QImage& bitmap, const std::array<TRgb, 256>& colours) const {
  if (bitmap.width() != width_ || bitmap.height() != height_ || bitmap.isNull()) return;
  for (int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(bitmap.scanLine(y));
    const std::uint8_t* from = pixels_.data() + static_cast<std::size_t>(y) * width_;
    for (int x = 0; x < width_; ++x)
      if (from[x] != None) row[x] = 0xFF000000u | colours[from[x]];
  }
}

std::array<TRgb, 256> PointLayer::Colours(int scheme) {
  std::array<TRgb, 256> colours{};
  colours[Deleted] = RoleColor(TColorRole::Deleted, scheme);
  colours[Point] = RoleColor(TColorRole::Point, scheme);
  colours[Shadow] = RoleColor(TColorRole::Shadow, scheme);
  for (int c = 1; c <= 128; ++c) colours[ChannelIndex(c)] = ChannelPalette(c);
  colours[Grouped] = RoleColor(TColorRole::Grouped, scheme);
  for (int slot = 0; slot < 8; ++slot) colours[SetIndex(slot)] = SetColor(slot);
  return colours;
}

}  // namespace ae
