#include "PlotAxes.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr TColour AxisColour = 0x000000;
// Canvas pixels between a tick's end and its number's ink, and between a
// number's ink and the canvas's left or right edge.
constexpr int NumberGap = 2;
constexpr int EdgeGap = 2;
// Canvas pixels between a number's ink and the top or bottom edge: the end
// numbers of a vertical axis then line up with the plot's axis names at the
// top, and at the bottom lie wholly under a help label shown there, or wholly
// outside it.
constexpr int EndInset = 6;

void Segment(TImageCanvas &canvas, int x1, int y1, int x2, int y2)
{
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace

void DrawPlotAxes(TImageCanvas &canvas, const TPlotAxes &axes)
{
  const TCanvasPen pen = canvas.Pen;
  canvas.Pen.Colour = AxisColour;
  canvas.Pen.Width = 1;
  const int right = canvas.Width() - 1;
  const int bottom = canvas.Height() - 1;
  // Digits fill a number's line from the cap height down to the baseline:
  // their ink lies about inkHalf pixels either side of the row Text centres.
  const int inkHalf = (QFontMetrics(canvas.Font).capHeight() + 1) / 2;
  const int aboveRow = axes.Row - TickReach - NumberGap - inkHalf;
  const bool left = axes.NumberSide == TAxisSide::Left;
  const int besideColumn =
      left ? axes.Column - TickReach - NumberGap : axes.Column + TickReach + NumberGap;
  const TTextAnchor besideAnchor = left ? TTextAnchor::Right : TTextAnchor::Left;

  for (const TAxisTick &tick : axes.Across) {
    if (tick.At == axes.Column)
      continue;
    if (tick.At > 0 && tick.At < right)
      Segment(canvas, tick.At, std::max(0, axes.Row - TickReach), tick.At,
              std::min(bottom, axes.Row + TickReach) + 1);
    if (tick.At <= 0)
      canvas.Text(EdgeGap, aboveRow, tick.Text, TTextAnchor::Left);
    else if (tick.At >= right)
      canvas.Text(right - EdgeGap, aboveRow, tick.Text, TTextAnchor::Right);
    else
      canvas.Text(tick.At, aboveRow, tick.Text, TTextAnchor::Centre);
  }
  for (const TAxisTick &tick : axes.Down) {
    if (tick.At == axes.Row) {
      canvas.Text(besideColumn, aboveRow, tick.Text, besideAnchor);
      continue;
    }
    if (tick.At > 0 && tick.At < bottom)
      Segment(canvas, std::max(0, axes.Column - TickReach), tick.At,
              std::min(right, axes.Column + TickReach) + 1, tick.At);
    const int row =
        std::clamp(axes.NumbersAboveTicks ? tick.At - NumberGap - inkHalf : tick.At,
                   EndInset + inkHalf, bottom - EndInset - inkHalf);
    canvas.Text(besideColumn, row, tick.Text, besideAnchor);
  }
  canvas.Pen = pen;
}
