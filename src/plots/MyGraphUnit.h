#pragma once

#include "ImageCanvas.h"

#include <QObject>

#include <cmath>
#include <cstdint>

// Construction parameters of a plot surface; the constructor copies every value.
struct TMyGraphParams {
  TImageCanvas *Image = nullptr;  // not owned
  double XMin = 0.0;              // world x at pixel column 0
  double XMax = 0.0;              // world x at pixel column Width - 1
  double YMin = 0.0;              // world y at pixel row Height - 1
  double YMax = 0.0;              // world y at pixel row 0
  double XGridStep = 1.0;         // > 0
  double YGridStep = 1.0;         // > 0
  TColour BackColour = 0xFFFFFF;
  TColour GridColour = 0x000000;
};

// A plot over one image control: maps world coordinates to the image's pixels
// and back, and draws the plot's background, frame, grid and x axis. It draws no
// curves; the views draw on the same canvas at the pixels it computes.
// Ranges, steps, colours and scales are fixed after construction.
class TMyGraph : public QObject {
public:
  TMyGraph(QObject *owner, const TMyGraphParams &params);

  TImageCanvas *Image;
  double XMin = 0.0;
  double XMax = 0.0;
  double YMin = 0.0;
  double YMax = 0.0;
  double XGridStep = 1.0;
  double YGridStep = 1.0;
  TColour BackColour = 0xFFFFFF;
  TColour GridColour = 0x000000;
  double XScale = 1.0;  // pixels per world unit along x
  double YScale = 1.0;  // pixels per world unit along y
  int XOrigin = 0;      // pixel column of world x = 0
  int YOrigin = 0;      // pixel row of world y = 0

  void SetXRange(double min, double max);
  void SetYRange(double min, double max);
  void SetGridSteps(double xStep, double yStep);
  void UpdateScales();

  // Clears the image to BackColour with a one-pixel GridColour outline, the grid
  // when asked, and the x axis; leaves the pen at width 2, colour GridColour,
  // mode copy, and the brush at BackColour.
  void DrawFrame(bool grid);

  // Rounds halves away from zero. Results are held within +-2^30 so that
  // adding an origin can never overflow an int, whatever the input (a point
  // dragged far outside the image, or a huge value, maps far outside it).
  static int RoundHalfAway(double v)
  {
    if (!(v > -PixelLimit))
      return v < 0.0 ? -int(PixelLimit) : 0;  // also NaN, which cannot be mapped
    if (v > PixelLimit)
      return int(PixelLimit);
    return v >= 0.0 ? int(v + 0.5) : int(v - 0.5);
  }
  static constexpr double PixelLimit = 1073741824.0;  // 2^30

  // Inline: the redraw maps over a thousand points.
  void WorldToPixel(double x, double y, int &px, int &py) const
  {
    px = RoundHalfAway(x * XScale) + XOrigin;
    py = YOrigin - RoundHalfAway(y * YScale);
  }
  QPoint PointAt(double x, double y) const
  {
    int px = 0;
    int py = 0;
    WorldToPixel(x, y, px, py);
    return {px, py};
  }
  // True when x or y lies within a millionth of a pixel of a rounding edge of
  // WorldToPixel (a half-pixel), where the last bits of a value decide the pixel.
  bool NearPixelEdge(double x, double y) const
  {
    return NearHalf(x * XScale) || NearHalf(y * YScale);
  }
  // True when v lies within 1e-6 of a half-integer (beyond 2^50 never).
  static bool NearHalf(double v)
  {
    const double a = std::fabs(v);
    return a < 1125899906842624.0 && std::fabs(a - double(std::int64_t(a)) - 0.5) < 1e-6;
  }
  void PixelToWorld(int px, int py, double &x, double &y) const;
};
