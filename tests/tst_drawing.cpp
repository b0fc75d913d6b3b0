#include "CanvasProbe.h"
#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>

// Freehand drawing on the time plot and the spectrum of the drawn period,
// driven by mouse events on the real window's time plot.

namespace {

constexpr int CustomRotantsItem = 0;
constexpr int CustomTimeItem = 1;
constexpr int SquareItem = 2;
constexpr int TriangleItem = 5;

constexpr TColour Black = 0x000000;
constexpr TColour Green = 0x008000;

// A sample the stroke must leave at this value.
struct TSample {
  int Index;
  double Value;
};

using TPoints = QList<QPoint>;
using TSamples = QList<TSample>;

// Sends a mouse event straight to the time plot, as its window delivers one
// while the image holds the mouse: any int position, also far outside it.
void Send(TRotantsForm &form, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held)
{
  QMouseEvent event(type, QPointF(at), QPointF(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(form.TimeImage, &event);
}

// One stroke: a press at the first point, a move to each further point, and
// the release where the last one is.
void Stroke(TRotantsForm &form, const TPoints &points, Qt::MouseButton button = Qt::LeftButton)
{
  Send(form, QEvent::MouseButtonPress, points.first(), button, button);
  for (qsizetype i = 1; i < points.size(); ++i)
    Send(form, QEvent::MouseMove, points[i], Qt::NoButton, button);
  Send(form, QEvent::MouseButtonRelease, points.last(), button, Qt::NoButton);
}

void Hover(TRotantsForm &form, int x, int y)
{
  Send(form, QEvent::MouseMove, QPoint(x, y), Qt::NoButton, Qt::NoButton);
}

double Magnitude(const HarmonicPhasor &entry)
{
  return std::hypot(entry.Re, entry.Im);
}

bool AllFinite(const TRotantsForm &form)
{
  for (int i = 0; i < SweepSteps; ++i)
    if (!std::isfinite(form.IdealWave[i]) || !std::isfinite(form.ReconWave[i]))
      return false;
  for (const HarmonicPhasor &e : form.PhasorList)
    if (!std::isfinite(e.Re) || !std::isfinite(e.Im) || !std::isfinite(e.SumRe))
      return false;
  return true;
}

}  // namespace

Q_DECLARE_METATYPE(TSamples)

class TestDrawing : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void StrokeSamples_data();
  void StrokeSamples();
  void StrokeDirectionIrrelevant_data();
  void StrokeDirectionIrrelevant();
  void ClickWithoutMove();
  void VerticalDragWithinColumn();
  void FlatStroke();
  void HarmonicThree_data();
  void HarmonicThree();
  void ExtremeRowsStaySane();
  void HugeColumnsStayInstant();
  void GrabbedDragPastEdges();
  void TimePlotFollowsMoves();
  void PointerText_data();
  void PointerText();
  void DragOutsideDrawingMode_data();
  void DragOutsideDrawingMode();
  void ModeChangeEndsStroke();
  void StrokeUnderHelpLabel();

private:
  void StartDrawing();

  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  std::unique_ptr<TMessageBoxCatcher> Catcher;
};

void TestDrawing::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Catcher = std::make_unique<TMessageBoxCatcher>();
}

void TestDrawing::cleanup()
{
  QVERIFY(Catcher->Messages.isEmpty());
  Catcher.reset();
  Form.reset();
  Sound.reset();
}

void TestDrawing::StartDrawing()
{
  ChooseWaveform(*Form, CustomTimeItem);
  QCOMPARE(Form->EditMode, 2);
}

void TestDrawing::StrokeSamples_data()
{
  QTest::addColumn<TPoints>("points");
  QTest::addColumn<int>("button");
  QTest::addColumn<TSamples>("written");
  QTest::addColumn<QList<int>>("untouched");

  const TSamples line10to20 = {{10, 0.8},  {15, 0.4},  {20, 0.0},
                               {266, 0.8}, {271, 0.4}, {276, 0.0}};
  QTest::newRow("10..20 from 0.8 to 0")
      << TPoints{{10, 25}, {20, 125}} << int(Qt::LeftButton) << line10to20 << QList<int>{9, 21, 265, 277};
  QTest::newRow("any button draws")
      << TPoints{{10, 25}, {20, 125}} << int(Qt::RightButton) << line10to20 << QList<int>{9, 21};
  QTest::newRow("second period 300..310")
      << TPoints{{300, 25}, {310, 125}} << int(Qt::LeftButton)
      << TSamples{{44, 0.8}, {49, 0.4}, {54, 0.0}, {300, 0.8}, {305, 0.4}, {310, 0.0}}
      << QList<int>{43, 55, 299, 311};
  // Column c carries 1 - 0.2 (c - 250); columns 256..260 fold onto 0..4.
  QTest::newRow("across 255/256")
      << TPoints{{250, 0}, {260, 250}} << int(Qt::LeftButton)
      << TSamples{{250, 1.0}, {255, 0.0}, {0, -0.2}, {4, -1.0}, {256, -0.2}, {511, 0.0}}
      << QList<int>{5, 249, 261, 505};
  QTest::newRow("past the right edge and back")
      << TPoints{{500, 125}, {INT_MAX, 0}, {505, 250}} << int(Qt::LeftButton)
      << TSamples{{244, 0.0}, {248, 0.0}, {249, -1.0}, {255, -1.0}, {505, -1.0}}
      << QList<int>{243, 0};
  QTest::newRow("past the left edge and back")
      << TPoints{{10, 125}, {INT_MIN, 250}, {5, 0}} << int(Qt::LeftButton)
      << TSamples{{0, 1.0}, {5, 1.0}, {6, 0.0}, {10, 0.0}, {261, 1.0}} << QList<int>{11, 255};
  // The line from (-40, 1) to (5, 0) crosses column 0 at 1 - 40/45.
  QTest::newRow("cut at the left edge")
      << TPoints{{5, 125}, {-40, 0}, {-10, 0}} << int(Qt::LeftButton)
      << TSamples{{0, 1.0 - 40.0 / 45.0}, {4, 1.0 - 44.0 / 45.0}, {5, 0.0}} << QList<int>{6, 255};
  QTest::newRow("whole int range in one move")
      << TPoints{{100, 0}, {INT_MIN, 0}, {INT_MAX, 0}} << int(Qt::LeftButton)
      << TSamples{{0, 1.0}, {255, 1.0}, {256, 1.0}, {511, 1.0}} << QList<int>{};
  QTest::newRow("beyond the right edge only")
      << TPoints{{511, 0}, {600, 125}, {INT_MAX, 250}} << int(Qt::LeftButton)
      << TSamples{{255, 1.0}} << QList<int>{0, 254, 510};
}

void TestDrawing::StrokeSamples()
{
  QFETCH(TPoints, points);
  QFETCH(int, button);
  QFETCH(TSamples, written);
  QFETCH(QList<int>, untouched);

  StartDrawing();
  Stroke(*Form, points, Qt::MouseButton(button));
  for (const TSample &s : written) {
    QVERIFY2(std::abs(Form->IdealWave[s.Index] - s.Value) < 1e-6,
             qPrintable(QString("sample %1 is %2").arg(s.Index).arg(Form->IdealWave[s.Index])));
  }
  for (const int i : untouched)
    QCOMPARE(Form->IdealWave[i], 0.0);
  QVERIFY(AllFinite(*Form));
  QCOMPARE(Form->MouseDrawing, false);
  QCOMPARE(Form->HarmonicIndex, 26);
}

void TestDrawing::StrokeDirectionIrrelevant_data()
{
  QTest::addColumn<QPoint>("from");
  QTest::addColumn<QPoint>("to");
  QTest::newRow("10..20") << QPoint(10, 25) << QPoint(20, 125);
  QTest::newRow("across 255/256") << QPoint(250, 0) << QPoint(260, 250);
  QTest::newRow("more than a period") << QPoint(-7, 3) << QPoint(300, 200);
  QTest::newRow("to the far right") << QPoint(500, 125) << QPoint(INT_MAX, 0);
}

// The whole stored period, bit for bit, whichever end the stroke starts at.
void TestDrawing::StrokeDirectionIrrelevant()
{
  QFETCH(QPoint, from);
  QFETCH(QPoint, to);
  StartDrawing();
  Stroke(*Form, {from, to});
  const auto forward = Form->IdealWave;
  StartDrawing();
  Stroke(*Form, {to, from});
  QVERIFY(Form->IdealWave == forward);
}

// One sample, no copy into the second period until a later stroke moves.
void TestDrawing::ClickWithoutMove()
{
  StartDrawing();
  Stroke(*Form, {{300, 25}});
  for (int i = 0; i < SweepSteps; ++i)
    QCOMPARE(Form->IdealWave[i], i == 44 ? 0.8 : 0.0);
  QCOMPARE(Form->HarmonicIndex, 26);
  // c_k = 0.8 / 256 e^(-j 2 pi k 44 / 256): magnitude 0.003125, shown as 0.0031.
  QCOMPARE(Form->PhasorList[0].Re, 0.0031);
  QCOMPARE(Form->PhasorList[0].Im, 0.0);
  for (int k = 1; k < HarmonicCount; ++k)
    QVERIFY(std::abs(Magnitude(Form->PhasorList[k]) - 0.0062) < 1e-12);

  Stroke(*Form, {{100, 125}, {101, 125}});
  QCOMPARE(Form->IdealWave[300], 0.8);
}

// Within one column a move stores the previous event's value.
void TestDrawing::VerticalDragWithinColumn()
{
  StartDrawing();
  Send(*Form, QEvent::MouseButtonPress, {100, 125}, Qt::LeftButton, Qt::LeftButton);
  Send(*Form, QEvent::MouseMove, {100, 25}, Qt::NoButton, Qt::LeftButton);
  QCOMPARE(Form->IdealWave[100], 0.0);
  Send(*Form, QEvent::MouseMove, {100, 0}, Qt::NoButton, Qt::LeftButton);
  QCOMPARE(Form->IdealWave[100], 0.8);
  Send(*Form, QEvent::MouseMove, {100, 0}, Qt::NoButton, Qt::LeftButton);
  QCOMPARE(Form->IdealWave[100], 1.0);
  QCOMPARE(Form->IdealWave[356], 1.0);
  Send(*Form, QEvent::MouseButtonRelease, {100, 0}, Qt::LeftButton, Qt::NoButton);
}

void TestDrawing::FlatStroke()
{
  StartDrawing();
  Form->TimeTrackBar->setValue(511);
  Stroke(*Form, {{0, 63}, {255, 63}});
  QCOMPARE(Form->PhasorList[0].Re, 0.496);
  QCOMPARE(Form->PhasorList[0].Im, 0.0);
  for (int k = 1; k < HarmonicCount; ++k)
    QCOMPARE(Magnitude(Form->PhasorList[k]), 0.0);
  QCOMPARE(Form->PhasorGrid->item(1, 1)->text(), QString("0.4960"));
  QCOMPARE(Form->HarmonicIndex, 26);
  for (int e = 0; e < SweepSteps; ++e) {
    QCOMPARE(Form->IdealWave[e], 0.496);
    QVERIFY(std::abs(Form->ReconWave[e] - 0.496) < 1e-12);
  }
}

void TestDrawing::HarmonicThree_data()
{
  QTest::addColumn<bool>("sine");
  QTest::addColumn<double>("amplitude");
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<double>("re");
  QTest::addColumn<double>("im");

  QTest::newRow("cosine two-sided") << false << 0.8 << true << 0.4 << 0.0;
  QTest::newRow("cosine one-sided") << false << 0.8 << false << 0.8 << 0.0;
  QTest::newRow("sine two-sided") << true << 0.8 << true << 0.0 << -0.4;
  QTest::newRow("sine one-sided") << true << 0.8 << false << 0.0 << -0.8;
  QTest::newRow("negative cosine one-sided") << false << -0.6 << false << -0.6 << 0.0;
}

// A drawn cos or sin of harmonic 3 becomes entry 3 alone, and the redraw
// reproduces it in both conventions.
void TestDrawing::HarmonicThree()
{
  QFETCH(bool, sine);
  QFETCH(double, amplitude);
  QFETCH(bool, conjugate);
  QFETCH(double, re);
  QFETCH(double, im);

  StartDrawing();
  if (Form->ConjugateCheckBox->isChecked() != conjugate)
    Form->ConjugateCheckBox->click();
  Form->TimeTrackBar->setValue(511);
  for (int n = 0; n < PeriodSteps; ++n) {
    const double phase = 2.0 * std::numbers::pi * 3.0 * n / PeriodSteps;
    Form->IdealWave[n] = amplitude * (sine ? std::sin(phase) : std::cos(phase));
  }
  Form->CopyIdealPeriod();
  // A release in drawing mode converts the period as it stands.
  Send(*Form, QEvent::MouseButtonRelease, {0, 125}, Qt::RightButton, Qt::NoButton);

  QCOMPARE(Form->HarmonicIndex, 26);
  QVERIFY(std::abs(Form->PhasorList[3].Re - re) < 1e-12);
  QVERIFY(std::abs(Form->PhasorList[3].Im - im) < 1e-12);
  for (int k = 0; k < HarmonicCount; ++k)
    if (k != 3)
      QCOMPARE(Magnitude(Form->PhasorList[k]), 0.0);
  for (int e = 0; e < SweepSteps; ++e)
    QVERIFY(std::abs(Form->ReconWave[e] - Form->IdealWave[e]) < 1e-12);
}

// Rows far outside the image store huge values; the editor refuses their
// spectrum (magnitudes above 10 become 0), and nothing becomes NaN or inf.
void TestDrawing::ExtremeRowsStaySane()
{
  StartDrawing();
  Form->TimeTrackBar->setValue(511);
  Stroke(*Form, {{128, 125}, {128, INT_MIN}, {129, INT_MIN}, {130, INT_MAX}});
  QVERIFY(Form->IdealWave[129] > 1.7e7);
  QVERIFY(Form->IdealWave[130] < -1.7e7);
  QVERIFY(AllFinite(*Form));
  for (const HarmonicPhasor &e : Form->PhasorList)
    QVERIFY(Magnitude(e) <= 20.0);
  QCOMPARE(Form->PhasorGrid->item(1, 1)->text(), QString("0.0000"));
}

// A loop over every column between the ends would take seconds and write
// far outside the samples.
void TestDrawing::HugeColumnsStayInstant()
{
  StartDrawing();
  QElapsedTimer clock;
  clock.start();
  Form->DrawWaveSegment(INT_MIN, 0, INT_MAX, 250);
  Form->DrawWaveSegment(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  Form->DrawWaveSegment(INT_MIN, 0, INT_MIN, 0);
  Form->DrawWaveSegment(INT_MAX, 0, INT_MAX - 1, 0);
  QVERIFY(clock.elapsed() < 500);
  QVERIFY(AllFinite(*Form));
}

// Through the window: a left press makes the image keep the mouse, so moves
// and the release beyond its edges still reach the time plot.
void TestDrawing::GrabbedDragPastEdges()
{
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  StartDrawing();
  QWindow *window = Form->windowHandle();
  const auto at = [this](int x, int y) { return Form->TimeImage->mapTo(Form.get(), QPoint(x, y)); };

  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at(5, 125));
  QTest::mouseMove(window, at(-40, 0));
  QTest::mouseMove(window, at(3, 250));
  QTest::mouseMove(window, at(-60, 125));
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at(-60, 125));

  QTRY_COMPARE(Form->HarmonicIndex, 26);
  QCOMPARE(Form->MouseDrawing, false);
  QVERIFY(std::abs(Form->IdealWave[0] - (-60.0 / 63.0)) < 1e-12);
  QCOMPARE(Form->IdealWave[3], -1.0);
  QVERIFY(std::abs(Form->IdealWave[4] - (1.0 - 44.0 / 45.0)) < 1e-12);
  QCOMPARE(Form->IdealWave[5], 0.0);
  QCOMPARE(Form->StatusPanel2->text(), QString("Coord: -60 : 0.0000"));
}

// Each move redraws the time plot with the stroke in both periods; with the
// ideal wave hidden only the release shows the stroke, as the curve.
void TestDrawing::TimePlotFollowsMoves()
{
  StartDrawing();
  Form->TimeTrackBar->setValue(511);
  Send(*Form, QEvent::MouseButtonPress, {10, 25}, Qt::LeftButton, Qt::LeftButton);
  Send(*Form, QEvent::MouseMove, {20, 125}, Qt::NoButton, Qt::LeftButton);
  QVERIFY(HasColour(Form->TimeImage->Image(), Black, Around(15, 75, 2)));
  QVERIFY(HasColour(Form->TimeImage->Image(), Black, Around(271, 75, 2)));
  Send(*Form, QEvent::MouseButtonRelease, {20, 125}, Qt::LeftButton, Qt::NoButton);

  Form->IdealWaveCheckBox->click();
  Send(*Form, QEvent::MouseButtonPress, {100, 0}, Qt::LeftButton, Qt::LeftButton);
  Send(*Form, QEvent::MouseMove, {200, 0}, Qt::NoButton, Qt::LeftButton);
  QVERIFY(!HasColour(Form->TimeImage->Image(), Black));
  QVERIFY(!HasColour(Form->TimeImage->Image(), Green, QRect(100, 0, 100, 40)));
  Send(*Form, QEvent::MouseButtonRelease, {200, 0}, Qt::LeftButton, Qt::NoButton);
  QVERIFY(!HasColour(Form->TimeImage->Image(), Black));
  QVERIFY(HasColour(Form->TimeImage->Image(), Green, QRect(100, 0, 100, 40)));
  QVERIFY(Form->ReconWave[150] > 0.9);
  QVERIFY(Form->ReconWave[406] > 0.9);
}

void TestDrawing::PointerText_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<QPoint>("at");
  QTest::addColumn<QString>("text");
  for (const int item : {CustomRotantsItem, CustomTimeItem, SquareItem}) {
    const QByteArray mode = QByteArray::number(item);
    QTest::addRow("%s centre", mode.data()) << item << QPoint(128, 63) << "Coord: 128 : 0.4960";
    QTest::addRow("%s bottom left", mode.data()) << item << QPoint(0, 250) << "Coord: 0 : -1.0000";
    QTest::addRow("%s top right", mode.data()) << item << QPoint(511, 0) << "Coord: 511 : 1.0000";
    QTest::addRow("%s outside", mode.data()) << item << QPoint(-7, 300) << "Coord: -7 : -1.4000";
  }
}

void TestDrawing::PointerText()
{
  QFETCH(int, item);
  QFETCH(QPoint, at);
  QFETCH(QString, text);
  ChooseWaveform(*Form, item);
  Hover(*Form, at.x(), at.y());
  QCOMPARE(Form->StatusPanel2->text(), text);
}

void TestDrawing::DragOutsideDrawingMode_data()
{
  QTest::addColumn<int>("item");
  QTest::newRow("custom rotants") << CustomRotantsItem;
  QTest::newRow("square") << SquareItem;
  QTest::newRow("triangle") << TriangleItem;
}

// Outside drawing mode a drag changes panel 2 and nothing else.
void TestDrawing::DragOutsideDrawingMode()
{
  QFETCH(int, item);
  ChooseWaveform(*Form, item);
  Form->TimeTrackBar->setValue(300);
  const auto ideal = Form->IdealWave;
  const auto recon = Form->ReconWave;
  const TPhasorArray entries = Form->PhasorList;
  const QImage time = Form->TimeImage->Image().copy();
  const QImage plane = Form->PhasorImage->Image().copy();
  const int harmonic = Form->HarmonicIndex;

  Stroke(*Form, {{10, 25}, {20, 125}, {200, 0}});

  QCOMPARE(Form->StatusPanel2->text(), QString("Coord: 200 : 1.0000"));
  QVERIFY(Form->IdealWave == ideal);
  QVERIFY(Form->ReconWave == recon);
  QVERIFY(std::memcmp(&Form->PhasorList, &entries, sizeof entries) == 0);
  QCOMPARE(Form->TimeImage->Image(), time);
  QCOMPARE(Form->PhasorImage->Image(), plane);
  QCOMPARE(Form->HarmonicIndex, harmonic);
  QCOMPARE(Form->MouseDrawing, false);
}

// A stroke ends when the mode leaves drawing while the button is held: it
// neither draws while playing nor over another waveform's ideal curve.
void TestDrawing::ModeChangeEndsStroke()
{
  StartDrawing();
  Send(*Form, QEvent::MouseButtonPress, {10, 25}, Qt::LeftButton, Qt::LeftButton);
  Form->PlayBtnClick();
  Send(*Form, QEvent::MouseMove, {20, 125}, Qt::NoButton, Qt::LeftButton);
  Form->StopBtnClick();
  QCOMPARE(Form->EditMode, 2);
  Send(*Form, QEvent::MouseMove, {30, 0}, Qt::NoButton, Qt::LeftButton);
  for (int i = 0; i < SweepSteps; ++i)
    QCOMPARE(Form->IdealWave[i], i == 10 ? 0.8 : 0.0);
  Send(*Form, QEvent::MouseButtonRelease, {30, 0}, Qt::LeftButton, Qt::NoButton);

  Send(*Form, QEvent::MouseButtonPress, {10, 25}, Qt::LeftButton, Qt::LeftButton);
  ChooseWaveform(*Form, SquareItem);
  const auto square = Form->IdealWave;
  Send(*Form, QEvent::MouseMove, {100, 250}, Qt::NoButton, Qt::LeftButton);
  QVERIFY(Form->IdealWave == square);
  QCOMPARE(Form->MouseDrawing, false);
  Send(*Form, QEvent::MouseButtonRelease, {100, 250}, Qt::LeftButton, Qt::NoButton);
}

// The help label lying on the time plot lets the mouse through: a stroke can
// start under it and the pointer's panel keeps following the mouse there. It
// covers the grid lines behind it with the plot's own background.
void TestDrawing::StrokeUnderHelpLabel()
{
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  StartDrawing();
  QLabel *label = Form->TimeHelpLabel;
  QVERIFY(label->isVisible());
  QWindow *window = Form->windowHandle();
  const QPoint centre = label->geometry().center();
  const QPoint plot = Form->TimeImage->mapFrom(label->parentWidget(), centre);
  const auto at = [this](QPoint p) { return Form->TimeImage->mapTo(Form.get(), p); };

  QTest::mouseMove(window, at(plot));
  QTRY_COMPARE(Form->StatusPanel2->text().section(' ', 1, 1), QString::number(plot.x()));
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at(plot));
  QTest::mouseMove(window, at(plot + QPoint(20, 0)));
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at(plot + QPoint(20, 0)));

  QTRY_COMPARE(Form->HarmonicIndex, 26);
  const double value = (125.0 - plot.y()) / 125.0;
  for (int column = plot.x(); column <= plot.x() + 20; ++column)
    QCOMPARE(Form->IdealWave[column], value);

  const QImage shown = Form->grab(QRect(label->mapTo(Form.get(), QPoint(0, 0)), label->size()))
                           .toImage();
  // The label's top row lies above its text and crosses a grid column.
  const QRect topRow(0, 0, shown.width(), 1);
  QVERIFY(HasColour(shown, 0xC0C0C0, topRow));
  QVERIFY(!HasColour(shown, 0x808080, topRow));
}

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
