#include "ImageCanvas.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

#include <climits>

// The image control's own drawing operations, read back pixel by pixel.
class TImageCanvasTest : public QObject {
  Q_OBJECT

private slots:
  void ColourOrderIsBlueGreenRed();
  void LineToLeavesOutItsEndPoint_data();
  void LineToLeavesOutItsEndPoint();
  void PolylineOfOnePointDrawsNothing();
  void RectangleOutlinesWithPenAndFillsWithBrush();
  void FarCoordinatesAreClippedQuickly_data();
  void FarCoordinatesAreClippedQuickly();
  void PartialRepaintShowsTheCanvasUnderOverlappingWidgets();
  void MouseEventsReportPixelPositions();
  void ThinLinesKeepOneWidthWhenScaled_data();
  void ThinLinesKeepOneWidthWhenScaled();
  void FarCoordinatesAreClippedWhenScaled();
};

namespace {

int CountColour(const QImage &image, QRgb colour)
{
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return count;
}

// Fills the whole canvas with white, outline included.
void ClearToWhite(TImageCanvas &canvas)
{
  canvas.Brush.Colour = 0xFFFFFF;
  canvas.Pen.Colour = 0xFFFFFF;
  canvas.Pen.Width = 1;
  canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
}

}  // namespace

void TImageCanvasTest::ColourOrderIsBlueGreenRed()
{
  QCOMPARE(ColourToRgb(0x0000FF) & 0xFFFFFF, QRgb(0xFF0000));
  QCOMPARE(ColourToRgb(0x008000) & 0xFFFFFF, QRgb(0x008000));
  QCOMPARE(ColourToRgb(0x800080) & 0xFFFFFF, QRgb(0x800080));
  QCOMPARE(ColourToRgb(0xC0C0C0) & 0xFFFFFF, QRgb(0xC0C0C0));
  QCOMPARE(RgbToColour(qRgb(1, 2, 3)), TColour(0x030201));
}

void TImageCanvasTest::LineToLeavesOutItsEndPoint_data()
{
  QTest::addColumn<QPoint>("from");
  QTest::addColumn<QPoint>("to");
  QTest::addColumn<int>("pixels");
  QTest::newRow("horizontal") << QPoint(2, 5) << QPoint(12, 5) << 10;
  QTest::newRow("vertical") << QPoint(7, 0) << QPoint(7, 20) << 20;
  QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(9, 9) << 9;
  QTest::newRow("backwards") << QPoint(15, 3) << QPoint(3, 3) << 12;
  QTest::newRow("to itself") << QPoint(4, 4) << QPoint(4, 4) << 0;
}

void TImageCanvasTest::LineToLeavesOutItsEndPoint()
{
  QFETCH(QPoint, from);
  QFETCH(QPoint, to);
  QFETCH(int, pixels);
  TImageCanvas canvas(nullptr, 32, 32);
  ClearToWhite(canvas);
  canvas.Pen.Colour = 0x0000FF;
  canvas.Pen.Width = 1;
  canvas.MoveTo(from.x(), from.y());
  canvas.LineTo(to.x(), to.y());
  const QImage image = canvas.Image();
  QCOMPARE(CountColour(image, 0xFF0000), pixels);
  if (pixels > 0)
    QCOMPARE(image.pixel(from) & 0xFFFFFF, QRgb(0xFF0000));
  QCOMPARE(image.pixel(to) & 0xFFFFFF, QRgb(0xFFFFFF));
  QCOMPARE(canvas.PenPos(), to);
}

void TImageCanvasTest::PolylineOfOnePointDrawsNothing()
{
  TImageCanvas canvas(nullptr, 16, 16);
  ClearToWhite(canvas);
  const QPoint point(8, 8);
  for (int width : {1, 2}) {
    canvas.Pen.Colour = 0x008000;
    canvas.Pen.Width = width;
    canvas.Polyline(&point, 1);
  }
  QCOMPARE(CountColour(canvas.Image(), 0x008000), 0);
}

void TImageCanvasTest::RectangleOutlinesWithPenAndFillsWithBrush()
{
  TImageCanvas canvas(nullptr, 20, 10);
  canvas.Brush.Colour = 0xC0C0C0;
  canvas.Pen.Colour = 0x808080;
  canvas.Pen.Width = 1;
  canvas.Rectangle(0, 0, 20, 10);
  const QImage image = canvas.Image();
  QCOMPARE(CountColour(image, 0x808080), 2 * 20 + 2 * 8);
  QCOMPARE(CountColour(image, 0xC0C0C0), 18 * 8);
  QCOMPARE(image.pixel(19, 9) & 0xFFFFFF, QRgb(0x808080));
  QCOMPARE(image.pixel(1, 1) & 0xFFFFFF, QRgb(0xC0C0C0));
}

void TImageCanvasTest::FarCoordinatesAreClippedQuickly_data()
{
  QTest::addColumn<int>("width");
  QTest::newRow("thin") << 1;
  QTest::newRow("wide") << 2;
}

// A segment from one end of the int range to the other is cut to the image
// before it is rasterised: it draws only its visible part, at once.
void TImageCanvasTest::FarCoordinatesAreClippedQuickly()
{
  QFETCH(int, width);
  TImageCanvas canvas(nullptr, 64, 64);
  ClearToWhite(canvas);
  canvas.Pen.Colour = 0x000000;
  canvas.Pen.Width = width;
  QElapsedTimer timer;
  timer.start();
  canvas.MoveTo(INT_MIN, 32);
  canvas.LineTo(INT_MAX, 32);
  const QPoint points[] = {{10, INT_MIN}, {10, INT_MAX}, {INT_MAX, INT_MAX}};
  canvas.Polyline(points, 3);
  QVERIFY(timer.elapsed() < 200);
  const QImage image = canvas.Image();
  for (int x = 0; x < 64; ++x)
    QCOMPARE(image.pixel(x, 32) & 0xFFFFFF, QRgb(0));
  for (int y = 0; y < 64; ++y)
    QCOMPARE(image.pixel(10, y) & 0xFFFFFF, QRgb(0));
}

// Widgets lying over the canvas split its repaint into several rectangles;
// every visible part must still show the canvas's own pixels.
void TImageCanvasTest::PartialRepaintShowsTheCanvasUnderOverlappingWidgets()
{
  QWidget window;
  window.resize(120, 120);
  auto *canvas = new TImageCanvas(&window, 100, 100);
  canvas->move(10, 10);
  auto *label = new QLabel("Re", &window);
  label->setGeometry(40, 40, 20, 12);
  label->setAutoFillBackground(true);
  label->raise();
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  canvas->Brush.Colour = 0xFFFFFF;
  canvas->Pen.Colour = 0x000000;
  canvas->Pen.Width = 1;
  canvas->Rectangle(0, 0, 100, 100);
  canvas->Pen.Colour = 0x0000FF;
  for (int y = 5; y < 95; y += 3) {
    canvas->MoveTo(0, y);
    canvas->LineTo(100, y);
  }
  const QImage expected = canvas->Image().copy();
  const QImage shown = window.grab().toImage();
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (label->geometry().contains(QPoint(x + 10, y + 10)))
        continue;
      if ((shown.pixel(x + 10, y + 10) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF))
        QFAIL(qPrintable(QString("pixel %1,%2 differs").arg(x).arg(y)));
    }
  }
}

void TImageCanvasTest::MouseEventsReportPixelPositions()
{
  TImageCanvas canvas(nullptr, 50, 40);
  QVERIFY(canvas.hasMouseTracking());
  QList<QPoint> downs;
  QList<QPoint> ups;
  connect(&canvas, &TImageCanvas::MouseDown, this,
          [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { downs << QPoint(x, y); });
  connect(&canvas, &TImageCanvas::MouseUp, this,
          [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { ups << QPoint(x, y); });
  canvas.show();
  QVERIFY(QTest::qWaitForWindowExposed(&canvas));
  QTest::mousePress(&canvas, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
  QTest::mouseRelease(&canvas, Qt::RightButton, Qt::NoModifier, QPoint(30, 20));
  QCOMPARE(downs, QList<QPoint>{QPoint(3, 4)});
  QCOMPARE(ups, QList<QPoint>{QPoint(30, 20)});
}

namespace {

// Rows of the display image's column x that hold colour, as runs of
// consecutive rows: their lengths.
QList<int> RunLengthsDown(const QImage &image, int x, TColour colour)
{
  QList<int> runs;
  int run = 0;
  for (int y = 0; y < image.height(); ++y) {
    if (RgbToColour(image.pixel(x, y)) == colour) {
      ++run;
    } else if (run > 0) {
      runs << run;
      run = 0;
    }
  }
  if (run > 0)
    runs << run;
  return runs;
}

}  // namespace

void TImageCanvasTest::ThinLinesKeepOneWidthWhenScaled_data()
{
  QTest::addColumn<double>("zoom");
  QTest::addColumn<int>("thin");
  QTest::addColumn<int>("wide");
  QTest::newRow("125 %") << 1.25 << 1 << 3;
  QTest::newRow("150 %") << 1.5 << 2 << 3;
  QTest::newRow("175 %") << 1.75 << 2 << 4;
  QTest::newRow("200 %") << 2.0 << 2 << 4;
  QTest::newRow("250 %") << 2.5 << 3 << 5;
  QTest::newRow("300 %") << 3.0 << 3 << 6;
}

// A grid of width-1 lines one to seven pixels apart, drawn with LineTo and
// Polyline in turn: in the display image
// every line has the same whole number of rows, none drawn wider than its
// neighbour, and a width-2 pen grows with the scale. The canvas's own pixels
// do not change.
void TImageCanvasTest::ThinLinesKeepOneWidthWhenScaled()
{
  QFETCH(double, zoom);
  QFETCH(int, thin);
  QFETCH(int, wide);
  TImageCanvas canvas(nullptr, 60, 80);
  canvas.SetZoom(zoom);
  QCOMPARE(canvas.DisplayScale(), zoom);
  ClearToWhite(canvas);
  canvas.Pen.Colour = 0x808080;
  bool asPolyline = false;
  for (const int y : {3, 5, 8, 12, 17, 23, 30, 37, 44, 51}) {
    const QPoint line[] = {{0, y}, {60, y}};
    if (asPolyline) {
      canvas.Polyline(line, 2);
    } else {
      canvas.MoveTo(0, y);
      canvas.LineTo(60, y);
    }
    asPolyline = !asPolyline;
  }
  canvas.Pen.Colour = 0x0000FF;
  canvas.Pen.Width = 2;
  canvas.MoveTo(0, 65);
  canvas.LineTo(60, 65);

  const QImage display = canvas.DisplayImage();
  QCOMPARE(display.size(), QSize(int(std::lround(60 * zoom)), int(std::lround(80 * zoom))));
  const int x = display.width() / 2;
  QCOMPARE(RunLengthsDown(display, x, 0x808080), QList<int>(10, thin));
  QCOMPARE(RunLengthsDown(display, x, 0x0000FF), QList<int>{wide});
  QCOMPARE(RunLengthsDown(canvas.Image(), 30, 0x808080), QList<int>(10, 1));
}

void TImageCanvasTest::FarCoordinatesAreClippedWhenScaled()
{
  TImageCanvas canvas(nullptr, 64, 64);
  canvas.SetZoom(2.5);
  ClearToWhite(canvas);
  canvas.Pen.Colour = 0x000000;
  for (const int width : {1, 2}) {
    canvas.Pen.Width = width;
    canvas.MoveTo(INT_MIN, 32);
    canvas.LineTo(INT_MAX, 32);
    const QPoint points[] = {{10, INT_MIN}, {10, INT_MAX}, {INT_MAX, INT_MAX}};
    canvas.Polyline(points, 3);
  }
  const QImage display = canvas.DisplayImage();
  const int middle = int(32.5 * 2.5);
  for (int x = 0; x < display.width(); ++x)
    QCOMPARE(RgbToColour(display.pixel(x, middle)), TColour(0));
  QCOMPARE(RgbToColour(display.pixel(int(10.5 * 2.5), display.height() - 1)), TColour(0));
}

QTEST_MAIN(TImageCanvasTest)
#include "tst_imagecanvas.moc"
