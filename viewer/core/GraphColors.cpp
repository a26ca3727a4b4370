#include "viewer/core/GraphColors.h"

namespace ae {

namespace {

constexpr int RoleCount = 11;
// Columns: schemes 0, 1, 2, 3 and the clipboard scheme 5.
constexpr TRgb Roles[RoleCount][5] = {
    {0xFFFFFF, 0xFFFF00, 0x000000, 0xFFFFFF, 0x000000},  // Text
    {0x999999, 0x000066, 0xFFFFFF, 0x000000, 0xFFFFFF},  // Background
    {0xFFFFFF, 0xFFFF00, 0x000000, 0xFFFFFF, 0x000000},  // CellBorder
    {0xFFFFFF, 0xFFFF00, 0x000000, 0xFFFFFF, 0x000000},  // Axis
    {0xFFFFFF, 0x00FF00, 0x008000, 0x00FF00, 0x008000},  // Point
    {0x666666, 0x6666CC, 0x7F797F, 0x0080FF, 0x7F797F},  // Shadow
    {0x7F7F7F, 0x003399, 0xCCCCCC, 0x383431, 0xCCCCCC},  // Deleted
    {0x008000, 0x000000, 0x008000, 0x008000, 0x008000},  // FrameLine
    {0x00FF00, 0xFFFFFF, 0x00FF00, 0x00FF00, 0x00FF00},  // HoldLine
    {0x4C4C4C, 0xFFFFFF, 0x4C4C4C, 0x808080, 0x808080},  // TimeMarkLine
    {0xFFFFFF, 0xFFFFFF, 0x999999, 0xFFFFFF, 0x999999},  // Grouped
};

constexpr std::array<TRgb, 8> SetColors = {0xFFFF00, 0xFF0000, 0x0000FF, 0x00FFFF,
                                           0xFF00FF, 0x9900CC, 0xFF6600, 0xFF99CC};

constexpr std::array<TRgb, 64> Palette = {
    0xCCCCFF, 0x00CCFF, 0x33CC66, 0x99FF00, 0xFFFFCC, 0x990000, 0xFF0066, 0xCC99CC, 0x9999FF, 0x99FFFF, 0x33CC33,
    0xCC9B66, 0x996633, 0xCC3300, 0xFF6699, 0x9933CC, 0x6699FF, 0x99CCCC, 0x6600CC, 0x666633, 0xCC6633, 0xFF6666,
    0xFF9799, 0xCC33FF, 0x6666FF, 0x669999, 0x33CC99, 0x999966, 0xCC9933, 0xFF9999, 0xCC6699, 0xCC66FF, 0x6666CC,
    0x336666, 0x99CC99, 0x999933, 0xFF6633, 0xFFCCCC, 0x660066, 0x9966CC, 0x003399, 0x006633, 0xCCFFCC, 0xCCCC33,
    0xFF9933, 0x993366, 0xFF99FF, 0x663399, 0x000066, 0x009933, 0x99FF99, 0xFFFF66, 0xFF9966, 0xCC3366, 0xCC66CC,
    0x663399, 0x336699, 0x339966, 0x99CC33, 0xFFFF99, 0xFFCC00, 0xCC3399, 0x996699, 0x9966FF,
};

int SchemeColumn(int scheme) {
  if (scheme >= 0 && scheme < ColorSchemeCount) return scheme;
  return scheme == ClipboardScheme ? 4 : 0;
}

}  // namespace

TRgb RoleColor(TColorRole role, int scheme) {
  const int r = static_cast<int>(role);
  if (r < 0 || r >= RoleCount) return 0;
  return Roles[r][SchemeColumn(scheme)];
}

const std::string& ColorSchemeName(int scheme) {
  static const std::array<std::string, ColorSchemeCount> names = {"Classic (White on Gray)", "Borland (Yellow on Blue)",
                                                                  "Windows (Black on White)",
                                                                  "Professional (White on Black)"};
  static const std::string none;
  return scheme >= 0 && scheme < ColorSchemeCount ? names[static_cast<std::size_t>(scheme)] : none;
}

TRgb SetColor(int slot) { return SetColors[static_cast<std::size_t>(slot & 7)]; }

TRgb ChannelPalette(int channel) {
  if (channel < 1 || channel > 128) channel = 1;
  return Palette[static_cast<std::size_t>((channel - 1) % 64)];
}

}  // namespace ae
