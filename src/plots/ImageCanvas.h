#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLine>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QTimer;

// Colours are 24-bit values written 0xBBGGRR (0x0000FF is red).
using TColour = quint32;

QRgb ColourToRgb(TColour colour);
TColour RgbToColour(QRgb rgb);

enum class TPenMode { Copy };

struct TCanvasPen {
  TColour Colour = 0x000000;
  int Width = 1;
  TPenMode Mode = TPenMode::Copy;
};

// A move along a plot's time axis asked for from the keyboard.
enum class TStepKey { Back, Forward, PageBack, PageForward, First, Last };

struct TStepKeyBinding {
  Qt::Key Key;
  TStepKey Move;
};

struct TCanvasBrush {
  TColour Colour = 0xFFFFFF;
};

// Which end of a text its anchor point holds.
enum class TTextAnchor { Left, Centre, Right };

// An image control: a widget that owns a QImage of its exact size, offers the
// drawing operations of a raster canvas (pen, brush, Rectangle, Ellipse, MoveTo,
// LineTo, Polyline, all without antialiasing and clipped to the image) and
// paints the image 1:1, so a grab of the widget shows the canvas pixels.
//
// Width-1 lines are rasterised here and leave out their end point (LineTo and
// each segment of a Polyline); wider pens go through QPainter.
// Coordinates may lie anywhere in the int range: segments are clipped to a
// margin around the image before they are rasterised.
//
// When the window's zoom times the screen's device pixel ratio is not 1, every
// operation is also drawn into a display image at that scale, and the widget
// shows that image pixel for pixel: curves get the screen's detail, wide pens
// grow with the scale, and width-1 lines take one whole number of display
// pixels, so a grid keeps one width. Image() stays the canvas's own pixels.
//
// Mouse tracking is on, so moves arrive with and without a button held; a press
// keeps the mouse until its release (Qt's implicit grab), so moves and the
// release may report positions outside the image.
//
// With keyboard focus (a focus policy the owner gives it) the widget shows a
// frame over the picture, never in Image() or the display image, and reports
// the keys that move along a plot's time axis through StepKey, when something
// listens to it, and other plain keys through KeyPressed.
//
// All calls on the user-interface thread.
class TImageCanvas : public QWidget {
  Q_OBJECT

public:
  TImageCanvas(QWidget *parent, int width, int height);
  ~TImageCanvas() override;

  TCanvasPen Pen;
  TCanvasBrush Brush;
  // The font of Text, sized in canvas pixels (a pixel size).
  QFont Font;

  int Width() const { return CanvasImage.width(); }
  int Height() const { return CanvasImage.height(); }
  QRect ClipRect() const { return CanvasImage.rect(); }
  QPoint PenPos() const { return CurrentPos; }

  // Outline in the pen (right and bottom edges exclusive: the last column and row
  // drawn are x2 - 1 and y2 - 1), interior filled with the brush.
  void Rectangle(int x1, int y1, int x2, int y2);
  // Ellipse inscribed in the bounding square, outlined with the pen and filled
  // with the brush.
  void Ellipse(int x1, int y1, int x2, int y2);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // Draws nothing for fewer than two points.
  void Polyline(const QPoint *points, int count);
  // A polyline two pixels wide in the pen's colour, drawn as two width-1
  // polylines side by side: as wide as a 2-pixel pen at a fraction of the
  // cost, though not the same pixels. Whatever the pen's width.
  void DoublePolyline(const QPoint *points, int count);

  // One line of text in the pen's colour and Font, without antialiasing (so
  // it adds no colour of its own): its line's vertical centre on row y, and
  // its left end, centre or right end at column x as anchor says. The display
  // image gets the text set anew at its scale, not enlarged. Each text is
  // rendered once per font and scale and kept, so drawing it again costs only
  // the copy of its pixels.
  void Text(int x, int y, const QString &text, TTextAnchor anchor);

  // The canvas pixels as they stand; ends any pending QPainter work first.
  const QImage &Image();
  // Puts back pixels taken from Image() and DisplayImage() earlier (an image
  // of another size is ignored), for operations that draw on the canvas and
  // must leave it as it was.
  void RestoreImage(const QImage &image, const QImage &display);

  // Shows the canvas at factor times its size in pixels (the window's zoom).
  // Drawing and the mouse stay in the canvas's own pixels: a mouse position is
  // reported as the canvas pixel under it.
  void SetZoom(double factor);
  double Zoom() const { return ZoomFactor; }

  // Display pixels per canvas pixel: the zoom times the device pixel ratio.
  double DisplayScale() const { return DisplayFactor; }
  // The picture the widget shows when DisplayScale() is not 1; null otherwise.
  const QImage &DisplayImage();

  // What the widget shows, as grab() gives it, without the focus frame.
  QImage ShownPicture();

  // What the canvas shows now, in words, for assistive technology (see
  // CanvasAccessible.h); called only when a reader asks. Empty: no description.
  // While the canvas has focus and assistive technology listens, a change of
  // it is announced after the canvas was painted, at most every
  // AnnounceInterval ms, the newest text winning (a plot redrawn 100 times a
  // second must not flood a screen reader). A change a key made is announced
  // at once unless one went out less than KeyAnnounceInterval ms before (a
  // key held down repeats faster than speech).
  std::function<QString()> Describe;
  static constexpr int AnnounceInterval = 500;
  static constexpr int KeyAnnounceInterval = 150;

  // A plain key (no Ctrl, Alt or Shift) that StepKey does not report: true
  // when the owner took it. Unset: such keys go to the parent.
  std::function<bool(int key)> KeyPressed;

  // The keys StepKey reports (pressed without Ctrl, Alt or Shift), and the
  // move each one stands for.
  static const QList<TStepKeyBinding> &StepKeys();

signals:
  // The display scale changed without a zoom (the window went to a screen with
  // another device pixel ratio); the display image holds an enlarged copy of
  // the canvas until the owner draws the picture again.
  void DisplayScaleChanged();
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void StepKey(TStepKey move);

protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  QPainter &WidePainter();
  void EndPainting();
  void ThinLine(int x1, int y1, int x2, int y2);
  void WidePolyline(const QPoint *points, int count);
  void SetWidePen();
  void WideLine(int x1, int y1, int x2, int y2);
  void Changed();

  void UpdateDisplayScale();
  QPainter &DisplayPainter();
  double DisplayX(double x) const { return (x + 0.5) * DisplayFactor; }
  // A canvas pixel position as the painter addresses display pixels (pixel i
  // at i): the centre of the block the canvas pixel becomes.
  QPointF DisplayPoint(int x, int y) const { return {DisplayX(x) - 0.5, DisplayX(y) - 0.5}; }
  QPen DisplayPen() const;
  void DisplayRectangle(const QRect &area);
  int DisplayLineWidth() const;
  void QueueDisplaySegment(QPointF from, QPointF to, int width);
  void QueueDisplayLine(int x1, int y1, int x2, int y2);
  void DrawQueuedDisplayLines();
  void DisplayPolyline(const QPoint *points, int count);

  QPoint CanvasPoint(const QPointF &position) const;

  // A text's ink: alpha above half where the pen colours a pixel.
  const QImage &TextMask(QHash<QString, QImage> &cache, const QString &text, double scale);

  QImage CanvasImage;
  std::unique_ptr<QPainter> Painter;
  QPoint CurrentPos;
  double ZoomFactor = 1.0;

  QImage Display;  // null while DisplayFactor is 1
  std::unique_ptr<QPainter> DisplayPainterPtr;
  double DisplayFactor = 1.0;
  std::vector<QLine> DisplayLines;  // queued display pixel lines, reused

  // Rendered texts for the canvas and for the display image; emptied when
  // the font or the display scale they were made at changes.
  QHash<QString, QImage> CanvasTexts;
  QHash<QString, QImage> DisplayTexts;
  QFont TextFont;
  double TextScale = 1.0;
  bool FocusFrameHidden = false;    // while ShownPicture grabs
  // The description a reader was last told of; the timer bunches changes.
  QString Announced;
  QTimer *AnnounceTimer = nullptr;  // owned (QObject child), made when first needed
  QElapsedTimer SinceAnnounced;     // invalid until the first announcement
  bool KeyPending = false;          // a key took effect since the last paint
  void ScheduleAnnouncement();
  void AnnounceDescription();
};
