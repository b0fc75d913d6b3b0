#include "MainForm.h"
#include "MyGraphUnit.h"

#include <QtTest>

#include <climits>
#include <memory>
#include <set>

// The plot surfaces of the real window: their scales, the mapping between world
// and pixels, and the frames they draw, read back from the canvases' pixels.
class TMyGraphTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void cleanupTestCase();

  void DerivedScales();
  void EmptyRangeFallsBackToFixedScale();
  void RoundHalfAway_data();
  void RoundHalfAway();
  void WorldToPixel_data();
  void WorldToPixel();
  void PixelToWorld_data();
  void PixelToWorld();
  void RoundTripEveryPixel();
  void FarPixelsDoNotOverflow();
  void TimeFrameWithGrid();
  void TimeFrameWithoutGrid();
  void PhasorFrame();
  void PenAfterDrawFrame();

private:
  std::unique_ptr<TRotantsForm> Form;
};

void TMyGraphTest::initTestCase()
{
  Form = std::make_unique<TRotantsForm>();
}

void TMyGraphTest::cleanupTestCase()
{
  Form.reset();
}

void TMyGraphTest::DerivedScales()
{
  const TMyGraph &time = *Form->TimeGraph;
  QCOMPARE(time.Image, Form->TimeImage);
  QCOMPARE(time.XScale, 1.0);
  QCOMPARE(time.XOrigin, 0);
  QCOMPARE(time.YScale, 125.0);
  QCOMPARE(time.YOrigin, 125);
  QCOMPARE(time.XGridStep, 51.1);
  QCOMPARE(time.YGridStep, 0.25);

  const TMyGraph &plane = *Form->PhasorGraph;
  QCOMPARE(plane.Image, Form->PhasorImage);
  QCOMPARE(plane.XScale, 125.0);
  QCOMPARE(plane.XOrigin, 125);
  QCOMPARE(plane.YScale, 125.0);
  QCOMPARE(plane.YOrigin, 125);
}

void TMyGraphTest::EmptyRangeFallsBackToFixedScale()
{
  TImageCanvas canvas(nullptr, 200, 80);
  TMyGraphParams params;
  params.Image = &canvas;
  params.XMin = params.XMax = 3.0;
  params.YMin = params.YMax = -2.0;
  TMyGraph graph(nullptr, params);
  QCOMPARE(graph.XScale, 20.0);
  QCOMPARE(graph.YScale, 10.0);
  QCOMPARE(graph.XOrigin, -60);
  QCOMPARE(graph.YOrigin, -20);
}

void TMyGraphTest::RoundHalfAway_data()
{
  QTest::addColumn<double>("value");
  QTest::addColumn<int>("rounded");
  QTest::newRow("2.5") << 2.5 << 3;
  QTest::newRow("-2.5") << -2.5 << -3;
  QTest::newRow("2.49") << 2.49 << 2;
  QTest::newRow("-2.49") << -2.49 << -2;
  QTest::newRow("0.5") << 0.5 << 1;
  QTest::newRow("-0.5") << -0.5 << -1;
  QTest::newRow("zero") << 0.0 << 0;
  QTest::newRow("93.75") << 93.75 << 94;
  QTest::newRow("-31.25") << -31.25 << -31;
  QTest::newRow("62.5") << 62.5 << 63;
  // Values far beyond any pixel saturate instead of overflowing an int.
  QTest::newRow("huge") << 1e300 << (1 << 30);
  QTest::newRow("-huge") << -1e300 << -(1 << 30);
  QTest::newRow("int max") << double(INT_MAX) << (1 << 30);
}

void TMyGraphTest::RoundHalfAway()
{
  QFETCH(double, value);
  QFETCH(int, rounded);
  QCOMPARE(TMyGraph::RoundHalfAway(value), rounded);
}

void TMyGraphTest::WorldToPixel_data()
{
  QTest::addColumn<bool>("time");
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("y");
  QTest::addColumn<QPoint>("pixel");
  QTest::newRow("time last column, bottom") << true << 511.0 << -1.0 << QPoint(511, 250);
  QTest::newRow("time top left") << true << 0.0 << 1.0 << QPoint(0, 0);
  QTest::newRow("time 0.75") << true << 0.0 << 0.75 << QPoint(0, 31);
  QTest::newRow("time -0.25") << true << 0.0 << -0.25 << QPoint(0, 156);
  QTest::newRow("time half pixel up") << true << 0.0 << 0.5 << QPoint(0, 62);
  QTest::newRow("time half pixel down") << true << 0.0 << -0.5 << QPoint(0, 188);
  QTest::newRow("plane origin") << false << 0.0 << 0.0 << QPoint(125, 125);
  QTest::newRow("plane top right") << false << 1.0 << 1.0 << QPoint(250, 0);
  QTest::newRow("plane bottom left") << false << -1.0 << -1.0 << QPoint(0, 250);
  QTest::newRow("plane outside") << false << 2.0 << -2.0 << QPoint(375, 375);
}

void TMyGraphTest::WorldToPixel()
{
  QFETCH(bool, time);
  QFETCH(double, x);
  QFETCH(double, y);
  QFETCH(QPoint, pixel);
  const TMyGraph &graph = time ? *Form->TimeGraph : *Form->PhasorGraph;
  int px = -1;
  int py = -1;
  graph.WorldToPixel(x, y, px, py);
  QCOMPARE(QPoint(px, py), pixel);
}

void TMyGraphTest::PixelToWorld_data()
{
  QTest::addColumn<QPoint>("pixel");
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("y");
  QTest::newRow("origin") << QPoint(125, 125) << 0.0 << 0.0;
  QTest::newRow("top left") << QPoint(0, 0) << -1.0 << 1.0;
  QTest::newRow("bottom right") << QPoint(250, 250) << 1.0 << -1.0;
  QTest::newRow("63 pixels right") << QPoint(188, 125) << 0.504 << 0.0;
}

void TMyGraphTest::PixelToWorld()
{
  QFETCH(QPoint, pixel);
  QFETCH(double, x);
  QFETCH(double, y);
  double wx = 99.0;
  double wy = 99.0;
  Form->PhasorGraph->PixelToWorld(pixel.x(), pixel.y(), wx, wy);
  QCOMPARE(wx, x);
  QCOMPARE(wy, y);
}

void TMyGraphTest::RoundTripEveryPixel()
{
  for (const TMyGraph *graph : {Form->TimeGraph, Form->PhasorGraph}) {
    for (int py = 0; py < graph->Image->Height(); ++py) {
      for (int px = 0; px < graph->Image->Width(); ++px) {
        double x = 0.0;
        double y = 0.0;
        graph->PixelToWorld(px, py, x, y);
        int qx = -1;
        int qy = -1;
        graph->WorldToPixel(x, y, qx, qy);
        if (qx != px || qy != py)
          QFAIL(qPrintable(QString("pixel %1,%2 came back as %3,%4").arg(px).arg(py).arg(qx).arg(qy)));
      }
    }
  }
}

// A captured mouse may report any int position; the mapping must stay defined.
void TMyGraphTest::FarPixelsDoNotOverflow()
{
  double x = 0.0;
  double y = 0.0;
  Form->PhasorGraph->PixelToWorld(INT_MIN, INT_MAX, x, y);
  QCOMPARE(x, (double(INT_MIN) - 125.0) / 125.0);
  QCOMPARE(y, (125.0 - double(INT_MAX)) / 125.0);
  int px = 0;
  int py = 0;
  Form->PhasorGraph->WorldToPixel(x, y, px, py);
  QVERIFY(px < -1000000);
  QVERIFY(py > 1000000);
}

namespace {

void CheckFrame(const QImage &image, QRgb back, QRgb grid, const std::set<int> &columns,
                const std::set<int> &rows, int axisRow, int axisEnd)
{
  const int w = image.width();
  const int h = image.height();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool outline = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      const bool line = columns.count(x) || rows.count(y) || (y == axisRow && x <= axisEnd);
      const QRgb expected = (outline || line) ? grid : back;
      const QRgb actual = image.pixel(x, y) & 0xFFFFFF;
      if (actual != (expected & 0xFFFFFF))
        QFAIL(qPrintable(QString("pixel %1,%2 is %3, expected %4")
                             .arg(x)
                             .arg(y)
                             .arg(actual, 6, 16, QChar('0'))
                             .arg(expected & 0xFFFFFF, 6, 16, QChar('0'))));
    }
  }
}

}  // namespace

void TMyGraphTest::TimeFrameWithGrid()
{
  Form->TimeGraph->DrawFrame(true);
  const QImage image = Form->TimeImage->grab().toImage();
  QCOMPARE(image.size(), QSize(512, 251));
  CheckFrame(image, 0xC0C0C0, 0x808080, {0, 51, 102, 153, 204, 256, 307, 358, 409, 460},
             {0, 31, 62, 94, 125, 156, 188, 219, 250}, 125, 510);
}

void TMyGraphTest::TimeFrameWithoutGrid()
{
  Form->TimeGraph->DrawFrame(false);
  CheckFrame(Form->TimeImage->grab().toImage(), 0xC0C0C0, 0x808080, {}, {}, 125, 510);
}

void TMyGraphTest::PhasorFrame()
{
  Form->PhasorGraph->DrawFrame(true);
  const QImage image = Form->PhasorImage->grab().toImage();
  QCOMPARE(image.size(), QSize(251, 251));
  CheckFrame(image, 0xFFFFFF, 0x000000, {0, 125, 250}, {0, 125, 250}, 125, 249);
}

void TMyGraphTest::PenAfterDrawFrame()
{
  for (TMyGraph *graph : {Form->TimeGraph, Form->PhasorGraph}) {
    graph->Image->Pen.Width = 7;
    graph->DrawFrame(graph == Form->PhasorGraph);
    QCOMPARE(graph->Image->Pen.Width, 2);
    QCOMPARE(graph->Image->Pen.Mode, TPenMode::Copy);
    QCOMPARE(graph->Image->Pen.Colour, graph->GridColour);
    QCOMPARE(graph->Image->Brush.Colour, graph->BackColour);
  }
}

QTEST_MAIN(TMyGraphTest)
#include "tst_mygraph.moc"
