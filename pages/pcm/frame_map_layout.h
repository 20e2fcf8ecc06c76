#pragma once
// The frame map's measures in picture units, shared by its layout and its drawing.

namespace quorvel::frame_map_layout {

inline constexpr double kMargin = 4;
inline constexpr double kRightMargin = 6;
// Axis numbers, the scale, the legend and the figures.
inline constexpr double kTextSize = 10;
inline constexpr double kLineHeight = 13;
// Tick marks, and the room between an axis number and its tick.
inline constexpr double kTick = 3;
inline constexpr double kTextToTick = 3;
// Between the grid and the first line under it.
inline constexpr double kSpaceBelowGrid = 5;
// The widest and tallest a cell is drawn, so that a small frame stays a grid.
inline constexpr double kMaxPitch = 24;
// The legend's colour swatches.
inline constexpr double kSwatch = 9;

}  // namespace quorvel::frame_map_layout
