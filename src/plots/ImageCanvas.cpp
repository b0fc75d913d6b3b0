#include "ImageCanvas.h"

#include "CanvasAccessible.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

QRgb ColourToRgb(TColour colour)
{
  return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

TColour RgbToColour(QRgb rgb)
{
  return TColour(qRed(rgb)) | (TColour(qGreen(rgb)) << 8) | (TColour(qBlue(rgb)) << 16);
}

namespace {

// Segments are clipped to the image grown by this many pixels, so that wide
// pens and round caps just outside the edge still reach into the image.
constexpr double ClipMargin = 8.0;

// The focus frame's width in the widget's own (logical) pixels.
constexpr int FocusFrameWidth = 2;

// Liang-Barsky clipping of the segment (x1, y1)-(x2, y2) against the box
// [left, right] x [top, bottom]. Returns false when nothing is left; otherwise
// t0 and t1 give the part of the segment that remains.
bool ClipSegment(double x1, double y1, double x2, double y2, double left, double top,
                 double right, double bottom, double &t0, double &t1)
{
  t0 = 0.0;
  t1 = 1.0;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0)
        return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0.0) {
      if (r > t1)
        return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0)
        return false;
      t1 = std::min(t1, r);
    }
  }
  return true;
}

// The part of a wide-pen segment that can reach an image of width x height:
// clipped to the image grown by the margin and the pen width. False when
// nothing is left.
bool ClipWideSegment(int x1, int y1, int x2, int y2, int width, int height, int penWidth,
                     QLine &clipped)
{
  const double margin = ClipMargin + penWidth;
  const double right = width - 1 + margin;
  const double bottom = height - 1 + margin;
  if (std::min(x1, x2) >= -margin && std::max(x1, x2) <= right && std::min(y1, y2) >= -margin
      && std::max(y1, y2) <= bottom) {
    clipped = QLine(x1, y1, x2, y2);
    return true;
  }
  double t0 = 0.0;
  double t1 = 1.0;
  if (!ClipSegment(x1, y1, x2, y2, -margin, -margin, right, bottom, t0, t1))
    return false;
  const double dx = double(x2) - x1;
  const double dy = double(y2) - y1;
  clipped = QLine(int(std::lround(x1 + t0 * dx)), int(std::lround(y1 + t0 * dy)),
                  int(std::lround(x1 + t1 * dx)), int(std::lround(y1 + t1 * dy)));
  return true;
}

// Bresenham from (x1, y1) towards (x2, y2) on an RGB32 image; the end point
// itself is plotted only when includeEnd is set. Pixels outside the image are
// skipped; the caller keeps both points near it.
void PlotSpanOn(QImage &image, QRgb colour, int x1, int y1, int x2, int y2, bool includeEnd)
{
  const int w = image.width();
  const int h = image.height();
  // One bits() call per span; scanLine() would detach once per pixel.
  uchar *const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  if (x1 == x2 && y1 == y2 && !includeEnd)
    return;
  if (y1 == y2 || x1 == x2) {
    // Horizontal or vertical (grid lines, axes, level lines): the pixels from
    // the start to the end, the end only with includeEnd, as one clipped range.
    const bool horizontal = y1 == y2;
    const int from = horizontal ? x1 : y1;
    const int to = horizontal ? x2 : y2;
    int low = std::min(from, to);
    int high = std::max(from, to);
    if (!includeEnd && to > from)
      --high;
    else if (!includeEnd)
      ++low;
    const int fixed = horizontal ? y1 : x1;
    if (fixed < 0 || fixed >= (horizontal ? h : w))
      return;
    low = std::max(low, 0);
    high = std::min(high, (horizontal ? w : h) - 1);
    if (horizontal) {
      if (low <= high)
        std::fill_n(reinterpret_cast<QRgb *>(bits + y1 * stride) + low, high - low + 1, colour);
    } else {
      for (int y = low; y <= high; ++y)
        reinterpret_cast<QRgb *>(bits + y * stride)[x1] = colour;
    }
    return;
  }
  const int dx = std::abs(x2 - x1);
  const int dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  // A span with both ends in the image stays in it: no check per pixel.
  const bool inside = std::min(x1, x2) >= 0 && std::max(x1, x2) < w && std::min(y1, y2) >= 0
                      && std::max(y1, y2) < h;
  const auto walk = [&](auto checked) {
    int err = dx + dy;
    int x = x1;
    int y = y1;
    for (;;) {
      const bool atEnd = x == x2 && y == y2;
      if (atEnd && !includeEnd)
        break;
      if (!checked || (x >= 0 && x < w && y >= 0 && y < h))
        reinterpret_cast<QRgb *>(bits + y * stride)[x] = colour;
      if (atEnd)
        break;
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y += sy;
      }
    }
  };
  if (inside)
    walk(std::false_type());
  else
    walk(std::true_type());
}

// Fills the part of area inside the RGB32 image, row by row.
void FillOn(QImage &image, const QRect &area, QRgb colour)
{
  const QRect visible = area & image.rect();
  if (visible.isEmpty())
    return;
  uchar *const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (int y = visible.top(); y <= visible.bottom(); ++y)
    std::fill_n(reinterpret_cast<QRgb *>(bits + y * stride) + visible.left(), visible.width(),
                colour);
}

// Sets the pixels of image under the mask's ink (an Alpha8 mask, ink above
// half) to colour, the mask's top left at (left, top); clipped to the image.
void StampOn(QImage &image, const QImage &mask, int left, int top, QRgb colour)
{
  const QRect area = QRect(left, top, mask.width(), mask.height()) & image.rect();
  if (area.isEmpty())
    return;
  uchar *const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const uchar *const ink = mask.constScanLine(y - top) - left;
    QRgb *const row = reinterpret_cast<QRgb *>(bits + y * stride);
    for (int x = area.left(); x <= area.right(); ++x) {
      if (ink[x] > 127)
        row[x] = colour;
    }
  }
}

}  // namespace

TImageCanvas::TImageCanvas(QWidget *parent, int width, int height)
    : QWidget(parent), CanvasImage(width, height, QImage::Format_RGB32)
{
  CanvasImage.fill(Qt::white);
  setFixedSize(width, height);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  UpdateDisplayScale();
  InstallCanvasAccessibility();
}

TImageCanvas::~TImageCanvas()
{
  EndPainting();
}

QPainter &TImageCanvas::WidePainter()
{
  if (!Painter) {
    Painter = std::make_unique<QPainter>(&CanvasImage);
    Painter->setRenderHint(QPainter::Antialiasing, false);
    Painter->setClipRect(CanvasImage.rect());
  }
  return *Painter;
}

void TImageCanvas::EndPainting()
{
  if (Painter) {
    Painter->end();
    Painter.reset();
  }
  if (DisplayPainterPtr) {
    DisplayPainterPtr->end();
    DisplayPainterPtr.reset();
  }
}

const QImage &TImageCanvas::DisplayImage()
{
  EndPainting();
  return Display;
}

const QImage &TImageCanvas::Image()
{
  EndPainting();
  return CanvasImage;
}

void TImageCanvas::RestoreImage(const QImage &image, const QImage &display)
{
  if (image.size() != CanvasImage.size())
    return;
  EndPainting();
  CanvasImage = image.convertToFormat(QImage::Format_RGB32);
  if (!Display.isNull() && display.size() == Display.size())
    Display = display;
  Changed();
}

void TImageCanvas::Changed()
{
  update();
}

void TImageCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
  const QRect area = QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized();
  const QRect visible = area & CanvasImage.rect();
  if (visible.isEmpty())
    return;
  if (Pen.Width == 1) {
    const QRgb brush = ColourToRgb(Brush.Colour);
    const QRgb pen = ColourToRgb(Pen.Colour);
    // The whole image (a frame's background): one vectorised fill, then the
    // outline's visible edges.
    const bool whole = visible == CanvasImage.rect();
    if (whole)
      CanvasImage.fill(brush);
    // Row pointers come from one bits() call: scanLine() detaches on every
    // call, which cost more than the filling itself.
    uchar *const bits = CanvasImage.bits();
    const qsizetype stride = CanvasImage.bytesPerLine();
    const int count = visible.width();
    const auto row = [&](int y) {
      return reinterpret_cast<QRgb *>(bits + y * stride) + visible.left();
    };
    if (whole) {
      if (visible.top() == area.top())
        std::fill_n(row(visible.top()), count, pen);
      if (visible.bottom() == area.bottom())
        std::fill_n(row(visible.bottom()), count, pen);
      for (int y = visible.top(); y <= visible.bottom(); ++y) {
        if (visible.left() == area.left())
          row(y)[0] = pen;
        if (visible.right() == area.right())
          row(y)[count - 1] = pen;
      }
      if (!Display.isNull())
        DisplayRectangle(area);
      Changed();
      return;
    }
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
      QRgb *const line = row(y);
      const bool edgeRow = y == area.top() || y == area.bottom();
      std::fill_n(line, count, edgeRow ? pen : brush);
      if (visible.left() == area.left())
        line[0] = pen;
      if (visible.right() == area.right())
        line[count - 1] = pen;
    }
  } else {
    QPainter &painter = WidePainter();
    painter.setPen(QPen(QColor(ColourToRgb(Pen.Colour)), Pen.Width));
    painter.setBrush(QColor(ColourToRgb(Brush.Colour)));
    painter.drawRect(area);
  }
  if (!Display.isNull())
    DisplayRectangle(area);
  Changed();
}

void TImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
  SetWidePen();
  QPainter &painter = WidePainter();
  painter.setBrush(QColor(ColourToRgb(Brush.Colour)));
  painter.drawEllipse(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
  if (!Display.isNull()) {
    QPainter &display = DisplayPainter();
    display.setPen(DisplayPen());
    display.setBrush(QColor(ColourToRgb(Brush.Colour)));
    display.drawEllipse(QRectF(DisplayPoint(x1, y1), DisplayPoint(x2, y2)).normalized());
  }
  Changed();
}

void TImageCanvas::MoveTo(int x, int y)
{
  CurrentPos = QPoint(x, y);
}

void TImageCanvas::LineTo(int x, int y)
{
  if (Pen.Width <= 1) {
    ThinLine(CurrentPos.x(), CurrentPos.y(), x, y);
  } else {
    SetWidePen();
    WideLine(CurrentPos.x(), CurrentPos.y(), x, y);
  }
  if (!Display.isNull()) {
    QueueDisplayLine(CurrentPos.x(), CurrentPos.y(), x, y);
    DrawQueuedDisplayLines();
  }
  CurrentPos = QPoint(x, y);
  Changed();
}

void TImageCanvas::Polyline(const QPoint *points, int count)
{
  if (count < 2)
    return;
  if (Pen.Width <= 1) {
    for (int i = 1; i < count; ++i)
      ThinLine(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y());
  } else {
    WidePolyline(points, count);
  }
  if (!Display.isNull())
    DisplayPolyline(points, count);
  Changed();
}

// Two pixels wide at the cost of width-1 lines: each segment drawn twice, the
// second copy one pixel across its longer direction (below a flat segment,
// right of a steep one). Not the pen's stroke pixel for pixel, but as wide.
void TImageCanvas::DoublePolyline(const QPoint *points, int count)
{
  if (count < 2)
    return;
  for (int i = 1; i < count; ++i) {
    const QPoint a = points[i - 1];
    const QPoint b = points[i];
    const QPoint across = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y()) ? QPoint(0, 1)
                                                                             : QPoint(1, 0);
    ThinLine(a.x(), a.y(), b.x(), b.y());
    ThinLine(a.x() + across.x(), a.y() + across.y(), b.x() + across.x(), b.y() + across.y());
  }
  if (!Display.isNull()) {
    const int width = Pen.Width;
    Pen.Width = 2;
    DisplayPolyline(points, count);
    Pen.Width = width;
  }
  Changed();
}

void TImageCanvas::Text(int x, int y, const QString &text, TTextAnchor anchor)
{
  if (text.isEmpty())
    return;
  const QRgb colour = ColourToRgb(Pen.Colour);
  const QImage &mask = TextMask(CanvasTexts, text, 1.0);
  const int width = mask.width();
  const int left = anchor == TTextAnchor::Left    ? x
                   : anchor == TTextAnchor::Right ? x + 1 - width
                                                  : x - width / 2;
  StampOn(CanvasImage, mask, left, y - mask.height() / 2, colour);
  if (!Display.isNull()) {
    // The same anchor in display pixels: the edges or the centre of the
    // block that canvas pixel x becomes, and the centre of row y's block.
    const double s = DisplayFactor;
    const QImage &shown = TextMask(DisplayTexts, text, s);
    const double shownLeft = anchor == TTextAnchor::Left    ? x * s
                             : anchor == TTextAnchor::Right ? (x + 1) * s - shown.width()
                                                            : (x + 0.5) * s - shown.width() / 2.0;
    // Pixels go straight into the image: finish what the painter holds first.
    DisplayPainterPtr.reset();
    StampOn(Display, shown, int(std::lround(shownLeft)),
            int(std::lround((y + 0.5) * s - shown.height() / 2.0)), colour);
  }
  Changed();
}

const QImage &TImageCanvas::TextMask(QHash<QString, QImage> &cache, const QString &text,
                                     double scale)
{
  if (TextFont != Font || TextScale != DisplayFactor) {
    CanvasTexts.clear();
    DisplayTexts.clear();
    TextFont = Font;
    TextScale = DisplayFactor;
  }
  const auto found = cache.constFind(text);
  if (found != cache.constEnd())
    return *found;
  QFont font = Font;
  font.setStyleStrategy(QFont::NoAntialias);
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
  else
    font.setPointSizeF(font.pointSizeF() * scale);
  const QFontMetrics metrics(font);
  QImage ink(std::max(1, metrics.horizontalAdvance(text)), std::max(1, metrics.height()),
             QImage::Format_ARGB32_Premultiplied);
  ink.fill(Qt::transparent);
  {
    QPainter painter(&ink);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), text);
  }
  return *cache.insert(text, ink.convertToFormat(QImage::Format_Alpha8));
}

void TImageCanvas::WidePolyline(const QPoint *points, int count)
{
  SetWidePen();
  // The painter strokes each line of a drawLines call on its own, exactly as a
  // drawLine of it; batches save its set-up per call.
  constexpr int BatchSize = 64;
  QLine batch[BatchSize];
  int used = 0;
  for (int i = 1; i < count; ++i) {
    if (ClipWideSegment(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(),
                        CanvasImage.width(), CanvasImage.height(), Pen.Width, batch[used]))
      ++used;
    if (used == BatchSize || (i == count - 1 && used > 0)) {
      WidePainter().drawLines(batch, used);
      used = 0;
    }
  }
}

void TImageCanvas::ThinLine(int x1, int y1, int x2, int y2)
{
  const double left = -ClipMargin;
  const double top = -ClipMargin;
  const double right = CanvasImage.width() - 1 + ClipMargin;
  const double bottom = CanvasImage.height() - 1 + ClipMargin;
  const auto inside = [&](int x, int y) {
    return x >= left && x <= right && y >= top && y <= bottom;
  };
  if (inside(x1, y1) && inside(x2, y2)) {
    PlotSpanOn(CanvasImage, ColourToRgb(Pen.Colour), x1, y1, x2, y2, false);
    return;
  }
  double t0 = 0.0;
  double t1 = 1.0;
  if (!ClipSegment(x1, y1, x2, y2, left, top, right, bottom, t0, t1))
    return;
  const double dx = double(x2) - x1;
  const double dy = double(y2) - y1;
  const int cx1 = int(std::lround(x1 + t0 * dx));
  const int cy1 = int(std::lround(y1 + t0 * dy));
  const int cx2 = int(std::lround(x1 + t1 * dx));
  const int cy2 = int(std::lround(y1 + t1 * dy));
  // The true end point lies outside the clip box when the segment was cut there,
  // so the cut end is an ordinary pixel of the line and is drawn.
  PlotSpanOn(CanvasImage, ColourToRgb(Pen.Colour), cx1, cy1, cx2, cy2, t1 < 1.0);
}

void TImageCanvas::SetWidePen()
{
  // Square caps: Qt's raster engine strokes round caps many times slower, and
  // at two pixels the caps look the same.
  WidePainter().setPen(QPen(QColor(ColourToRgb(Pen.Colour)), Pen.Width, Qt::SolidLine,
                            Qt::SquareCap, Qt::RoundJoin));
}

// Draws with the pen SetWidePen installed.
void TImageCanvas::WideLine(int x1, int y1, int x2, int y2)
{
  QLine line;
  if (ClipWideSegment(x1, y1, x2, y2, CanvasImage.width(), CanvasImage.height(), Pen.Width, line))
    WidePainter().drawLine(line);
}

// The region to paint is not always one rectangle (labels lie over the phasor
// plane). Under a region clip Qt's raster engine fills the image row by row as
// spans and hands them to its thread pool, a hand-off that costs more time than
// the copy on a busy machine; each rectangle under its own rectangular clip is
// a direct copy of rows instead.
void TImageCanvas::paintEvent(QPaintEvent *event)
{
  if (hasFocus() && Describe && QAccessible::isActive())
    ScheduleAnnouncement();
  if (ZoomFactor * devicePixelRatioF() != DisplayFactor) {
    UpdateDisplayScale();
    QMetaObject::invokeMethod(this, &TImageCanvas::DisplayScaleChanged, Qt::QueuedConnection);
  }
  EndPainting();
  QPainter painter(this);
  for (const QRect &area : event->region()) {
    painter.setClipRect(area);
    if (Display.isNull())
      painter.drawImage(area.topLeft(), CanvasImage, area);
    else
      painter.drawImage(QPoint(0, 0), Display);  // carries the screen's ratio: 1:1 on it
  }
  if (hasFocus() && !FocusFrameHidden) {
    // Two pixels of the highlight colour just inside the edge, drawn over the
    // shown picture only.
    painter.setClipRegion(event->region());
    painter.setPen(QPen(palette().color(QPalette::Highlight), FocusFrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1.0, 1.0, -1.0, -1.0));
  }
}

QImage TImageCanvas::ShownPicture()
{
  FocusFrameHidden = true;
  const QImage picture = grab().toImage();
  FocusFrameHidden = false;
  return picture;
}

const QList<TStepKeyBinding> &TImageCanvas::StepKeys()
{
  static const QList<TStepKeyBinding> keys = {
      {Qt::Key_Left, TStepKey::Back},          {Qt::Key_Right, TStepKey::Forward},
      {Qt::Key_PageDown, TStepKey::PageBack},  {Qt::Key_PageUp, TStepKey::PageForward},
      {Qt::Key_Home, TStepKey::First},         {Qt::Key_End, TStepKey::Last}};
  return keys;
}

void TImageCanvas::keyPressEvent(QKeyEvent *event)
{
  const bool plain =
      (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier
                             | Qt::MetaModifier)) == Qt::NoModifier;
  if (plain && isSignalConnected(QMetaMethod::fromSignal(&TImageCanvas::StepKey))) {
    for (const TStepKeyBinding &binding : StepKeys()) {
      if (binding.Key == event->key()) {
        emit StepKey(binding.Move);
        KeyPending = true;
        event->accept();
        return;
      }
    }
  }
  if (plain && KeyPressed && KeyPressed(event->key())) {
    KeyPending = true;
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TImageCanvas::ScheduleAnnouncement()
{
  const int gap = KeyPending ? KeyAnnounceInterval : AnnounceInterval;
  KeyPending = false;
  const qint64 since = SinceAnnounced.isValid() ? SinceAnnounced.elapsed() : gap;
  const int wait = int(std::max<qint64>(0, gap - since));
  if (!AnnounceTimer) {
    AnnounceTimer = new QTimer(this);
    AnnounceTimer->setSingleShot(true);
    connect(AnnounceTimer, &QTimer::timeout, this, &TImageCanvas::AnnounceDescription);
  }
  // A zero wait still fires after this paint, never inside it.
  if (!AnnounceTimer->isActive() || AnnounceTimer->remainingTime() > wait)
    AnnounceTimer->start(wait);
}

void TImageCanvas::AnnounceDescription()
{
  QString text = Describe ? Describe() : QString();
  if (text == Announced)
    return;
  Announced = std::move(text);
  SinceAnnounced.start();
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

void TImageCanvas::focusInEvent(QFocusEvent *event)
{
  // Taking focus, a reader reads the description itself.
  if (Describe && QAccessible::isActive())
    Announced = Describe();
  update();
  QWidget::focusInEvent(event);
}

void TImageCanvas::focusOutEvent(QFocusEvent *event)
{
  update();
  QWidget::focusOutEvent(event);
}

void TImageCanvas::SetZoom(double factor)
{
  if (!(factor > 0.0))
    return;
  ZoomFactor = factor;
  setFixedSize(int(std::lround(CanvasImage.width() * factor)),
               int(std::lround(CanvasImage.height() * factor)));
  UpdateDisplayScale();
  update();
}

// Makes the display image for the current zoom and device pixel ratio, showing
// the canvas enlarged until the next drawing replaces it; none at scale 1. At
// the display scale it has, the display image stays as drawn.
void TImageCanvas::UpdateDisplayScale()
{
  EndPainting();
  const double ratio = devicePixelRatioF();
  // The scale it has keeps the picture drawn at it: an owner that draws again
  // only what changed (the spectrum strip) would leave the enlarged copy.
  const bool same = ZoomFactor * ratio == DisplayFactor
                    && (DisplayFactor == 1.0 ? Display.isNull()
                                             : !Display.isNull()
                                                   && Display.devicePixelRatio() == ratio);
  if (same)
    return;
  DisplayFactor = ZoomFactor * ratio;
  if (DisplayFactor == 1.0) {
    Display = QImage();
    return;
  }
  Display = CanvasImage.scaled(int(std::lround(CanvasImage.width() * DisplayFactor)),
                               int(std::lround(CanvasImage.height() * DisplayFactor)));
  Display.setDevicePixelRatio(ratio);
}

QPainter &TImageCanvas::DisplayPainter()
{
  if (!DisplayPainterPtr) {
    DisplayPainterPtr = std::make_unique<QPainter>(&Display);
    DisplayPainterPtr->setRenderHint(QPainter::Antialiasing, false);
    DisplayPainterPtr->setClipRect(QRect(QPoint(0, 0), Display.size()));
  }
  return *DisplayPainterPtr;
}

// The pen for outlines in display pixels (rectangles and ellipses).
QPen TImageCanvas::DisplayPen() const
{
  return QPen(QColor(ColourToRgb(Pen.Colour)), DisplayLineWidth(), Qt::SolidLine, Qt::SquareCap,
              Qt::BevelJoin);
}

// The rectangle's cells in display pixels; a width-1 outline becomes bands of
// one thin line's width inside the edges, as the canvas draws it inside.
void TImageCanvas::DisplayRectangle(const QRect &area)
{
  const double s = DisplayFactor;
  const auto edge = [s](double v) { return int(std::lround(v * s)); };
  const QRect cells(QPoint(edge(area.left()), edge(area.top())),
                    QPoint(edge(area.right() + 1) - 1, edge(area.bottom() + 1) - 1));
  if (Pen.Width == 1) {
    // Pixels go straight into the image: finish what the painter holds first.
    DisplayPainterPtr.reset();
    const QRgb pen = ColourToRgb(Pen.Colour);
    const int band = DisplayLineWidth();
    FillOn(Display, cells, ColourToRgb(Brush.Colour));
    FillOn(Display, QRect(cells.left(), cells.top(), cells.width(), band), pen);
    FillOn(Display, QRect(cells.left(), cells.bottom() - band + 1, cells.width(), band), pen);
    FillOn(Display, QRect(cells.left(), cells.top(), band, cells.height()), pen);
    FillOn(Display, QRect(cells.right() - band + 1, cells.top(), band, cells.height()), pen);
  } else {
    QPainter &painter = DisplayPainter();
    painter.setPen(DisplayPen());
    painter.setBrush(QColor(ColourToRgb(Brush.Colour)));
    painter.drawRect(QRectF(DisplayPoint(area.left(), area.top()),
                            DisplayPoint(area.right(), area.bottom())));
  }
}

// Lines in display pixels: the pen's width (whole display pixels) as that many
// one-pixel lines side by side across the segment's longer direction,
// rasterised here like the canvas's own width-1 lines. Stroking a wide pen
// with the painter costs many times as much; for plots the two look alike.
int TImageCanvas::DisplayLineWidth() const
{
  const double width = Pen.Width <= 1 ? std::round(DisplayFactor)
                                      : std::round(Pen.Width * DisplayFactor);
  return std::max(1, int(width));
}

// Queues the segment between two display positions (display pixel units, the
// centre of a canvas pixel at (x + 0.5) * scale), ends reaching half the width
// beyond, as square caps do.
void TImageCanvas::QueueDisplaySegment(QPointF from, QPointF to, int width)
{
  const QPointF along = to - from;
  const bool flat = std::abs(along.x()) >= std::abs(along.y());
  const double length = flat ? std::abs(along.x()) : std::abs(along.y());
  const QPointF reach = length > 0.0 ? along * ((width / 2.0) / length) : QPointF();
  // Pixel index coordinates: display pixel i is centred on i.
  from -= reach + QPointF(0.5, 0.5);
  to += reach - QPointF(0.5, 0.5);
  for (int j = 0; j < width; ++j) {
    const double offset = j - (width - 1) / 2.0;
    const QPointF shift = flat ? QPointF(0.0, offset) : QPointF(offset, 0.0);
    DisplayLines.push_back(QLineF(from + shift, to + shift).toLine());
  }
}

void TImageCanvas::DrawQueuedDisplayLines()
{
  if (DisplayLines.empty())
    return;
  // Pixels go straight into the image: finish what the painter holds first.
  DisplayPainterPtr.reset();
  const QRgb colour = ColourToRgb(Pen.Colour);
  for (const QLine &line : DisplayLines)
    PlotSpanOn(Display, colour, line.x1(), line.y1(), line.x2(), line.y2(), true);
  DisplayLines.clear();
}

// Queues the segment after clipping it in canvas pixels, so that far
// coordinates never reach the rasteriser.
void TImageCanvas::QueueDisplayLine(int x1, int y1, int x2, int y2)
{
  const double margin = ClipMargin + Pen.Width;
  double t0 = 0.0;
  double t1 = 1.0;
  if (!ClipSegment(x1, y1, x2, y2, -margin, -margin, CanvasImage.width() - 1 + margin,
                   CanvasImage.height() - 1 + margin, t0, t1))
    return;
  const double dx = double(x2) - x1;
  const double dy = double(y2) - y1;
  QueueDisplaySegment(QPointF(DisplayX(x1 + t0 * dx), DisplayX(y1 + t0 * dy)),
                      QPointF(DisplayX(x1 + t1 * dx), DisplayX(y1 + t1 * dy)),
                      DisplayLineWidth());
}

void TImageCanvas::DisplayPolyline(const QPoint *points, int count)
{
  for (int i = 1; i < count; ++i)
    QueueDisplayLine(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y());
  DrawQueuedDisplayLines();
}

// The canvas pixel that covers the position; positions outside the widget
// (while the mouse is held) map beyond the image, and any int is possible.
QPoint TImageCanvas::CanvasPoint(const QPointF &position) const
{
  const auto pixel = [this](double v) {
    return int(std::clamp(std::floor(v / ZoomFactor), double(INT_MIN), double(INT_MAX)));
  };
  return QPoint(pixel(position.x()), pixel(position.y()));
}

void TImageCanvas::mousePressEvent(QMouseEvent *event)
{
  const QPoint p = CanvasPoint(event->position());
  emit MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TImageCanvas::mouseMoveEvent(QMouseEvent *event)
{
  const QPoint p = CanvasPoint(event->position());
  emit MouseMove(event->modifiers(), p.x(), p.y());
}

void TImageCanvas::mouseReleaseEvent(QMouseEvent *event)
{
  const QPoint p = CanvasPoint(event->position());
  emit MouseUp(event->button(), event->modifiers(), p.x(), p.y());
}
