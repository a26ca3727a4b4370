#pragma once
// The colours of the graphs: one table by colour role and scheme (schemes 0..3 for the screen,
// 5 while a graph is rendered for the clipboard), the colours of the eight frame slots and one
// colour per channel. Colours are 0xRRGGBB.
#include <array>
#include <cstdint>
#include <string>

namespace ae {

enum class TColorRole : int {
  Text,
  Background,
  CellBorder,
  Axis,
  Point,
  Shadow,
  Deleted,
  FrameLine,
  HoldLine,
  TimeMarkLine,
  Grouped,
};

using TRgb = std::uint32_t;

inline constexpr int ColorSchemeCount = 4;  // the schemes the user can choose
inline constexpr int ClipboardScheme = 5;
inline constexpr TRgb GridColor = 0x4D4D4D;

// The colour of a role; a scheme that is neither 0..3 nor 5 is drawn as scheme 0.
TRgb RoleColor(TColorRole role, int scheme);
// The name of scheme 0..3 as the options window lists it ("Classic (White on Gray)" ...).
const std::string& ColorSchemeName(int scheme);
// Frame slot 0..7.
TRgb SetColor(int slot);
// Channel 1..128; channels 65..128 repeat 1..64. Channels outside 1..128 give the colour of 1.
TRgb ChannelPalette(int channel);

}  // namespace ae
