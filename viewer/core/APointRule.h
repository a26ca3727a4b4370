#pragma once
// How a hit point of a given size is drawn: size 1 sets one pixel in the pen colour; larger
// sizes draw a filled square (outline in the pen colour, filled with the brush colour). Size 2
// covers x..x+1 and y-1..y; size n >= 3 has its upper left corner at (x - n/2, y - n/2).
namespace ae {

struct APointRule {
  struct Area {
    int Left = 0;
    int Top = 0;
    int Width = 1;
    int Height = 1;
    friend bool operator==(const Area&, const Area&) = default;
  };

  int Size = 2;
  int Half = 2;  // the half point size: n / 2, or n itself for sizes 1 and 2 (which do not use it)

  // The rule for a point size; sizes below 1 are drawn as 1.
  static APointRule ForSize(int n) {
    if (n < 1) n = 1;
    return APointRule{n, n <= 2 ? n : n / 2};
  }
  bool SinglePixel() const { return Size <= 1; }
  // The pixels the point at (x, y) covers.
  Area AreaAt(int x, int y) const {
    if (Size <= 1) return {x, y, 1, 1};
    if (Size == 2) return {x, y - 1, 2, 2};
    return {x - Half, y - Half, Size, Size};
  }
};

}  // namespace ae
