#include "MyGraphUnit.h"

#include <cmath>
#include <cstdint>

TMyGraph::TMyGraph(QObject *owner, const TMyGraphParams &params)
    : QObject(owner), Image(params.Image)
{
  SetXRange(params.XMin, params.XMax);
  SetYRange(params.YMin, params.YMax);
  SetGridSteps(params.XGridStep, params.YGridStep);
  BackColour = params.BackColour;
  GridColour = params.GridColour;
  DrawFrame(true);
}

void TMyGraph::SetXRange(double min, double max)
{
  XMin = min;
  XMax = max;
  UpdateScales();
}

void TMyGraph::SetYRange(double min, double max)
{
  YMin = min;
  YMax = max;
  UpdateScales();
}

void TMyGraph::SetGridSteps(double xStep, double yStep)
{
  XGridStep = xStep;
  YGridStep = yStep;
}

void TMyGraph::UpdateScales()
{
  const int w = Image->Width();
  const int h = Image->Height();
  XScale = XMax != XMin ? (w - 1) / (XMax - XMin) : w * 0.1;
  XOrigin = int(-XMin * XScale);
  YScale = YMax != YMin ? (h - 1) / (YMax - YMin) : h * 0.125;
  YOrigin = int(YMax * YScale);
}

void TMyGraph::PixelToWorld(int px, int py, double &x, double &y) const
{
  // 64-bit differences: a captured mouse may report any int position.
  x = double(std::int64_t(px) - XOrigin) / XScale;
  y = double(std::int64_t(YOrigin) - py) / YScale;
}

void TMyGraph::DrawFrame(bool grid)
{
  TImageCanvas &canvas = *Image;
  const int w = canvas.Width();
  const int h = canvas.Height();
  canvas.Brush.Colour = BackColour;
  canvas.Pen.Colour = GridColour;
  canvas.Pen.Mode = TPenMode::Copy;
  canvas.Pen.Width = 1;
  const QRect clip = canvas.ClipRect();
  canvas.Rectangle(clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1);

  if (grid) {
    // The running values accumulate rounding exactly as a plain double loop does;
    // on the time plot that is why no line lands on the last column.
    int px = 0;
    int py = 0;
    for (double x = -XGridStep; x >= XMin; x -= XGridStep) {
      WorldToPixel(x, 0.0, px, py);
      canvas.MoveTo(px, 0);
      canvas.LineTo(px, h);
    }
    for (double x = 0.0; x <= XMax; x += XGridStep) {
      WorldToPixel(x, 0.0, px, py);
      canvas.MoveTo(px, 0);
      canvas.LineTo(px, h);
    }
    for (double y = -YGridStep; y >= YMin; y -= YGridStep) {
      WorldToPixel(0.0, y, px, py);
      canvas.MoveTo(0, py);
      canvas.LineTo(w, py);
    }
    for (double y = 0.0; y <= YMax; y += YGridStep) {
      WorldToPixel(0.0, y, px, py);
      canvas.MoveTo(0, py);
      canvas.LineTo(w, py);
    }
  }

  int ax = 0;
  int ay = 0;
  int bx = 0;
  int by = 0;
  WorldToPixel(XMin, 0.0, ax, ay);
  WorldToPixel(XMax, 0.0, bx, by);
  canvas.MoveTo(ax, ay);
  canvas.LineTo(bx, by);
  canvas.Pen.Width = 2;
}
