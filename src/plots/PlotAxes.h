#pragma once

#include "AxisTicks.h"
#include "ImageCanvas.h"

#include <QString>

#include <array>
#include <iterator>

// One numbered tick: where it crosses its axis and the number it carries.
struct TAxisTick {
  int At = 0;  // canvas column (horizontal axis) or row (vertical axis)
  QString Text;
};

// Which side of the vertical axis its numbers stand on.
enum class TAxisSide { Left, Right };

// The two axes of a plot in canvas pixels: the horizontal one along row Row,
// the vertical one along column Column, each with the ticks of ValueTicks or
// StepTicks.
struct TPlotAxes {
  static constexpr std::size_t TickCount = std::size(ValueTicks);
  int Row = 0;
  int Column = 0;
  TAxisSide NumberSide = TAxisSide::Left;
  // The vertical axis's numbers stand above their ticks, clear of a curve
  // that runs level at a tick's value, instead of centred on them.
  bool NumbersAboveTicks = false;
  std::array<TAxisTick, TickCount> Across{};  // along the horizontal axis
  std::array<TAxisTick, TickCount> Down{};    // along the vertical axis
};

// Draws axes' ticks and numbers inside a plot, over what the canvas holds,
// with the canvas's own operations: at a zoom or on a HiDPI screen the ticks
// take whole display pixels and the numbers are set anew at the display's
// scale. Ticks and numbers in black, the numbers in the canvas's Font.
//
// A tick crosses its axis, TickReach pixels to either side. The horizontal
// axis's numbers stand above it, centred on their ticks; the vertical axis's
// beside it on NumberSide, centred on theirs or above them as
// NumbersAboveTicks says. The axes themselves are the plot's own lines
// (TMyGraph's frame and grid) and are not drawn.
//
// Where the axes cross, the ticks would lie along the other axis and are left
// out, and the one number of that place stands in the corner above the
// horizontal axis on NumberSide, clear of both axes. Ticks on the canvas's
// edge are left out too: the frame marks them. Numbers of ticks at an edge
// are moved in to lie whole inside the canvas. Leaves the pen as it found it.
// User-interface thread only, as the canvas.
void DrawPlotAxes(TImageCanvas &canvas, const TPlotAxes &axes);

// Canvas pixels a tick reaches to either side of its axis.
inline constexpr int TickReach = 3;
