#pragma once

#include "ImageCanvas.h"

#include <QImage>
#include <QRect>

// Pixel probes over canvas images (TImageCanvas::Image() or a widget grab).
// Colours are TColour 0xBBGGRR; areas are clipped to the image, and a null
// area means the whole image.

// Number of pixels of exactly this colour in the area.
int CountColour(const QImage &image, TColour colour, const QRect &area = QRect());

// True when the area holds at least one pixel of this colour.
bool HasColour(const QImage &image, TColour colour, const QRect &area = QRect());

// The square of side 2 * radius + 1 around a pixel, for looking near a point
// without depending on how a wide pen spreads.
QRect Around(int x, int y, int radius);

// Smallest rectangle holding every pixel in which two images of the same size
// differ; null when they are identical.
QRect DifferenceBounds(const QImage &a, const QImage &b);
