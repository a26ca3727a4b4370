#pragma once
// The points of a point graph's passes, one byte per pixel of the graph's bitmap: which colour
// the pixel takes, by index into the colours of the passes (0 where no point lies).
//
// The passes draw in order: deleted hits, then every hit, then the selection; a later pass
// covers an earlier one, and within a pass a later record covers an earlier one. The indices
// rise with the pass (1 the deleted colour; 2..131 the colours of every hit; 132..140 the
// selection's), and a point never covers a pixel of a later pass. Layers drawn apart from
// pieces of the records (on threads, or a layer kept from an earlier drawing) then put together
// exactly: a pixel takes the point of the latest pass, and of that pass the latest record's.
// One byte a pixel also keeps the layers of a page small enough for the cache.
#include <QImage>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "viewer/core/APointRule.h"
#include "viewer/core/GraphColors.h"

namespace ae {

class PointLayer {
 public:
  enum : std::uint8_t {
    None = 0,
    Deleted = 1,
    Point = 2,
    Shadow = 3,
    FirstChannel = 4,  // channel c at FirstChannel + c - 1
    Grouped = 132,
    FirstSet = 133,  // frame slot j at FirstSet + j
  };
  // The first index of the pass after the one of `index`: a point of `index` covers only pixels
  // below it.
  static constexpr std::uint8_t Limit(std::uint8_t index) {
    return index < Point ? Point : index < Grouped ? Grouped : 255;
  }
  static constexpr std::uint8_t ChannelIndex(int channel) {
    return static_cast<std::uint8_t>(FirstChannel + channel - 1);
  }
  static constexpr std::uint8_t SetIndex(int slot) { return static_cast<std::uint8_t>(FirstSet + slot); }

  PointLayer() = default;
  PointLayer(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // The pixels the point rule covers at (x, y), clipped to the layer.
  void Put(const APointRule& rule, int x, int y, std::uint8_t index) {
    const std::uint8_t limit = Limit(index);
    if (rule.Size <= 1) {
      if (static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
          static_cast<unsigned>(y) < static_cast<unsigned>(height_))
        Set(At(x, y), index, limit);
      return;
    }
    // Size 2, the common one, covers x..x+1 and y-1..y.
    if (rule.Size == 2 && static_cast<unsigned>(x) < static_cast<unsigned>(width_ - 1) &&
        static_cast<unsigned>(y - 1) < static_cast<unsigned>(height_ - 1)) {
      std::uint8_t* upper = &At(x, y - 1);
      std::uint8_t* lower = upper + width_;
      if (index >= Point) {
        const std::uint16_t pair = static_cast<std::uint16_t>(index * 0x0101u);
        std::memcpy(upper, &pair, sizeof pair);
        std::memcpy(lower, &pair, sizeof pair);
        return;
      }
      Set(upper[0], index, limit);
      Set(upper[1], index, limit);
      Set(lower[0], index, limit);
      Set(lower[1], index, limit);
      return;
    }
    const APointRule::Area a = rule.AreaAt(x, y);
    const int x1 = std::max(a.Left, 0), x2 = std::min(a.Left + a.Width, width_);
    const int y1 = std::max(a.Top, 0), y2 = std::min(a.Top + a.Height, height_);
    for (int yy = y1; yy < y2; ++yy)
      for (int xx = x1; xx < x2; ++xx) Set(At(xx, yy), index, limit);
  }

  // Puts a layer drawn from later records over this one (same size).
  void Merge(const PointLayer& later);
  // Forgets every point of a pass from `index` on.
  void ClearFrom(std::uint8_t index);
  // Paints every point into the bitmap (same size) in the colours of the scheme.
  void PaintInto(QImage& bitmap, const std::array<TRgb, 256>& colours) const;
  // The colours of the indices in a scheme.
  static std::array<TRgb, 256> Colours(int scheme);

 private:
  std::uint8_t& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Within a drawing the passes run in order, each over the records in order, and the
  // selection pass only after the other two have gone over every record; so only a deleted hit
  // can meet a point of a later pass (a hit of an earlier piece) and must leave it. Every other
  // point covers what it meets, without reading the pixel first: the layers' cache misses then
  // hold nothing up.
  static void Set(std::uint8_t& to, std::uint8_t index, std::uint8_t limit) {
    if (index >= Point || to < limit) to = index;
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace ae
