#include "CanvasProbe.h"

namespace {

QRect ClippedArea(const QImage &image, const QRect &area)
{
  return area.isNull() ? image.rect() : area & image.rect();
}

}  // namespace

int CountColour(const QImage &image, TColour colour, const QRect &area)
{
  const QRect r = ClippedArea(image, area);
  const QRgb wanted = ColourToRgb(colour) & RGB_MASK;
  int count = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if ((image.pixel(x, y) & RGB_MASK) == wanted)
        ++count;
  return count;
}

bool HasColour(const QImage &image, TColour colour, const QRect &area)
{
  return CountColour(image, colour, area) > 0;
}

QRect Around(int x, int y, int radius)
{
  return QRect(x - radius, y - radius, 2 * radius + 1, 2 * radius + 1);
}

QRect DifferenceBounds(const QImage &a, const QImage &b)
{
  QRect bounds;
  const int w = qMin(a.width(), b.width());
  const int h = qMin(a.height(), b.height());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((a.pixel(x, y) & RGB_MASK) != (b.pixel(x, y) & RGB_MASK))
        bounds |= QRect(x, y, 1, 1);
  return bounds;
}
