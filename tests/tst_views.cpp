#include "CanvasProbe.h"
#include "MainForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <numbers>

// The phasor plane, the time plot and the redraw cycle on the real window,
// driven through its controls and checked on the canvas pixels.

namespace {

constexpr TColour Magenta = 0xFF00FF;
constexpr TColour Purple = 0x800080;
constexpr TColour Red = 0x0000FF;
constexpr TColour Black = 0x000000;
constexpr TColour Green = 0x008000;
constexpr TColour Grey = 0x808080;

struct TEntry {
  int Harmonic;
  double Re;
  double Im;
};

// Every entry zero except the given ones, stored as step-0 values.
void LoadEntries(TRotantsForm &form, std::initializer_list<TEntry> entries)
{
  form.PhasorList.fill(HarmonicPhasor{});
  for (const TEntry &e : entries) {
    form.HarmonicIndex = e.Harmonic;
    form.SetPhasorEntry(e.Re, e.Im);
  }
}

// Clicks the box, as a user would, when it is not already in the wanted state.
void SetBox(QCheckBox *box, bool checked)
{
  if (box->isChecked() != checked)
    box->click();
}

// Redraws at step n through the slider, as a drag there would.
void RedrawAt(TRotantsForm &form, int n)
{
  if (form.TimeTrackBar->value() == n)
    form.TimeTrackBarChange();
  else
    form.TimeTrackBar->setValue(n);
}

// The state a fresh "Custom Rotants" waveform leaves: entries zero, the first
// click places harmonic 1 from the origin.
void StartPlacing(TRotantsForm &form)
{
  form.ClearPhasorEntries();
  form.HarmonicIndex = 1;
  form.IdleEditMode = PlacingTips;
  form.SetEditMode(1);
  RedrawAt(form, 0);
}

void ClickPlane(TRotantsForm &form, QPoint at)
{
  QTest::mouseClick(form.PhasorImage, Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class TestViews : public QObject {
  Q_OBJECT

private slots:
  void PlaneToPixelFollowsTurn_data();
  void PlaneToPixelFollowsTurn();
  void ReconWaveConventions_data();
  void ReconWaveConventions();
  void RedrawShowsSliderStepAndLeavesEntries();
  void ChainsTurnOppositeWays_data();
  void ChainsTurnOppositeWays();
  void TraceFollowsTip_data();
  void TraceFollowsTip();
  void MarkersAndProjectionLines_data();
  void MarkersAndProjectionLines();
  void IdealWaveOption();
  void TimeGridOption();
  void RedrawsAreRepeatable();
  void StatusPanels();
  void PlacementFromOrigin_data();
  void PlacementFromOrigin();
  void PlacementStopsAtHighest();
  void ClicksIgnoredOutsidePlacement_data();
  void ClicksIgnoredOutsidePlacement();
  void ClickUnderHelpLabelPlaces();
};

void TestViews::PlaneToPixelFollowsTurn_data()
{
  QTest::addColumn<bool>("turned");
  QTest::addColumn<double>("re");
  QTest::addColumn<double>("im");
  QTest::addColumn<QPoint>("pixel");

  QTest::newRow("origin") << false << 0.0 << 0.0 << QPoint(125, 125);
  QTest::newRow("origin turned") << true << 0.0 << 0.0 << QPoint(125, 125);
  QTest::newRow("halves round away") << false << 0.5 << 0.25 << QPoint(188, 94);
  QTest::newRow("halves round away turned") << true << 0.5 << 0.25 << QPoint(94, 62);
  QTest::newRow("negative half") << false << -0.5 << -0.25 << QPoint(62, 156);
  QTest::newRow("negative half turned") << true << -0.5 << -0.25 << QPoint(156, 188);
  QTest::newRow("corner") << false << 1.0 << 1.0 << QPoint(250, 0);
  QTest::newRow("corner turned") << true << 1.0 << 1.0 << QPoint(0, 0);
  QTest::newRow("beyond the plane") << false << 2.0 << 0.0 << QPoint(375, 125);
}

void TestViews::PlaneToPixelFollowsTurn()
{
  QFETCH(bool, turned);
  QFETCH(double, re);
  QFETCH(double, im);
  QFETCH(QPoint, pixel);
  TRotantsForm form;
  SetBox(form.RotateComplexPlaneCheckBox, turned);
  int px = -1;
  int py = -1;
  form.PlaneToPixel(re, im, px, py);
  QCOMPARE(QPoint(px, py), pixel);
}

void TestViews::ReconWaveConventions_data()
{
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<int>("highest");
  QTest::addColumn<double>("dc");
  QTest::addColumn<double>("amplitude");  // of cos(2 pi e / 256)

  // Entry 0 holds 0.1 (0 in the first two rows), entry 1 holds 0.25.
  QTest::newRow("one-sided") << false << 25 << 0.0 << 0.25;
  QTest::newRow("conjugate") << true << 25 << 0.0 << 0.5;
  QTest::newRow("conjugate with dc") << true << 1 << 0.1 << 0.5;
  QTest::newRow("one-sided with dc") << false << 1 << 0.1 << 0.25;
  QTest::newRow("highest 0 one-sided") << false << 0 << 0.1 << 0.0;
  QTest::newRow("highest 0 conjugate") << true << 0 << 0.1 << 0.0;
}

void TestViews::ReconWaveConventions()
{
  QFETCH(bool, conjugate);
  QFETCH(int, highest);
  QFETCH(double, dc);
  QFETCH(double, amplitude);
  TRotantsForm form;
  SetBox(form.ConjugateCheckBox, conjugate);
  form.HighestHarmonic = highest;
  LoadEntries(form, {{0, dc, 0.0}, {1, 0.25, 0.0}});
  RedrawAt(form, 511);
  for (int e = 0; e < SweepSteps; ++e) {
    const double expected = dc + amplitude * std::cos(2.0 * std::numbers::pi * e / 256.0);
    QVERIFY2(std::fabs(form.ReconWave[e] - expected) < 1e-12,
             qPrintable(QString("step %1: %2").arg(e).arg(form.ReconWave[e])));
  }
}

void TestViews::RedrawShowsSliderStepAndLeavesEntries()
{
  TRotantsForm form;
  form.HighestHarmonic = 5;
  LoadEntries(form, {{0, 0.1, 0.05}, {1, 0.3, -0.2}, {3, -0.1, 0.15}, {5, 0.05, 0.05},
                     {7, 0.2, 0.2}});
  for (HarmonicPhasor &e : form.PhasorList)
    e.RotRe = e.RotIm = e.SumRe = e.SumIm = 3.0;  // stale values of some other step
  form.ReconWave.fill(9.0);
  form.CurrentPhasor = &form.PhasorList[7];
  form.BasePhasor = &form.PhasorList[3];
  const TPhasorArray before = form.PhasorList;

  RedrawAt(form, 300);

  // The plots show step 300 from a chain of their own; the entries stay as set.
  TPhasorArray expected = before;
  HarmonicMath::RotateToTimeStep(expected, 5, 300);
  QVERIFY(std::memcmp(&form.ShownChain, &expected, sizeof expected) == 0);
  QVERIFY(std::memcmp(&form.PhasorList, &before, sizeof before) == 0);
  QVERIFY(std::fabs(form.ReconWave[300] - expected[5].SumRe) < 1e-15);
  for (int e = 301; e < SweepSteps; ++e)
    QCOMPARE(form.ReconWave[e], 9.0);
  QCOMPARE(form.HarmonicIndex, 7);
  QCOMPARE(form.CurrentPhasor, &form.PhasorList[7]);
  QCOMPARE(form.BasePhasor, &form.PhasorList[3]);
  QCOMPARE(form.EditMode, 1);
  QCOMPARE(form.PhasorImage->Pen.Width, 2);
  QCOMPARE(form.TimeImage->Pen.Width, 2);
}

void TestViews::ChainsTurnOppositeWays_data()
{
  QTest::addColumn<bool>("turned");
  QTest::addColumn<int>("step");
  QTest::addColumn<QPoint>("mainMiddle");       // halfway along the main chain
  QTest::addColumn<QPoint>("conjugateMiddle");  // halfway along the mirror chain
  QTest::addColumn<QPoint>("empty");            // where neither chain runs

  // Harmonic 1 of 0.5 turns a quarter turn in 64 steps.
  QTest::newRow("step 0") << false << 0 << QPoint(156, 125) << QPoint(156, 125)
                          << QPoint(94, 125);
  QTest::newRow("step 64") << false << 64 << QPoint(125, 94) << QPoint(125, 156)
                           << QPoint(94, 125);
  QTest::newRow("step 0 turned") << true << 0 << QPoint(125, 94) << QPoint(125, 94)
                                 << QPoint(125, 156);
  QTest::newRow("step 64 turned") << true << 64 << QPoint(94, 125) << QPoint(156, 125)
                                  << QPoint(125, 94);
}

void TestViews::ChainsTurnOppositeWays()
{
  QFETCH(bool, turned);
  QFETCH(int, step);
  QFETCH(QPoint, mainMiddle);
  QFETCH(QPoint, conjugateMiddle);
  QFETCH(QPoint, empty);
  TRotantsForm form;
  SetBox(form.RealValueCheckBox, false);
  SetBox(form.RotateComplexPlaneCheckBox, turned);
  SetBox(form.ConjugateCheckBox, true);
  LoadEntries(form, {{1, 0.5, 0.0}});
  RedrawAt(form, step);

  const QImage plane = form.PhasorImage->Image();
  QVERIFY(HasColour(plane, Magenta, Around(mainMiddle.x(), mainMiddle.y(), 1)));
  // The main chain is drawn last: the mirror chain shows only where they part.
  if (conjugateMiddle != mainMiddle)
    QVERIFY(HasColour(plane, Purple, Around(conjugateMiddle.x(), conjugateMiddle.y(), 1)));
  else
    QVERIFY(!HasColour(plane, Purple));

  QVERIFY(!HasColour(plane, Magenta, Around(empty.x(), empty.y(), 3)));
  QVERIFY(!HasColour(plane, Purple, Around(empty.x(), empty.y(), 3)));

  SetBox(form.ConjugateCheckBox, false);
  QVERIFY(!HasColour(form.PhasorImage->Image(), Purple));
}

void TestViews::TraceFollowsTip_data()
{
  QTest::addColumn<bool>("turned");
  QTest::addColumn<QPoint>("visited");    // the tip at step 32
  QTest::addColumn<QPoint>("unvisited");  // the tip at step 224, beyond the slider

  QTest::newRow("plane") << false << QPoint(169, 81) << QPoint(169, 169);
  QTest::newRow("plane turned") << true << QPoint(81, 81) << QPoint(169, 81);
}

void TestViews::TraceFollowsTip()
{
  QFETCH(bool, turned);
  QFETCH(QPoint, visited);
  QFETCH(QPoint, unvisited);
  TRotantsForm form;
  SetBox(form.RotateComplexPlaneCheckBox, turned);
  LoadEntries(form, {{1, 0.5, 0.0}});
  RedrawAt(form, 128);
  QVERIFY(!HasColour(form.PhasorImage->Image(), Red));

  SetBox(form.TraceCheckBox, true);
  QImage plane = form.PhasorImage->Image();
  QVERIFY(HasColour(plane, Red, Around(visited.x(), visited.y(), 1)));
  QVERIFY(!HasColour(plane, Red, Around(unvisited.x(), unvisited.y(), 3)));
  QCOMPARE(form.PhasorImage->Pen.Colour, Magenta);
  QCOMPARE(form.PhasorImage->Pen.Width, 2);

  // Moving the slider back shortens the trace.
  RedrawAt(form, 16);
  plane = form.PhasorImage->Image();
  QVERIFY(!HasColour(plane, Red, Around(visited.x(), visited.y(), 1)));
  QVERIFY(HasColour(plane, Red));
}

void TestViews::MarkersAndProjectionLines_data()
{
  QTest::addColumn<bool>("turned");
  QTest::newRow("plane") << false;
  QTest::newRow("plane turned") << true;
}

// Harmonic 0 of 0.5 + 0.5j keeps the real value at 0.5 while the chain's tip
// lies off the real axis, away from the markers.
void TestViews::MarkersAndProjectionLines()
{
  QFETCH(bool, turned);
  TRotantsForm form;
  SetBox(form.RotateComplexPlaneCheckBox, turned);
  LoadEntries(form, {{0, 0.5, 0.5}});
  RedrawAt(form, 100);
  QCOMPARE(form.ReconWave[100], 0.5);
  const QImage planeOn = form.PhasorImage->Image();
  const QImage timeOn = form.TimeImage->Image();

  SetBox(form.RealValueCheckBox, false);
  const QImage planeOff = form.PhasorImage->Image();
  const QImage timeOff = form.TimeImage->Image();
  QVERIFY(!HasColour(timeOff, Magenta));

  const QRect timeMarks = DifferenceBounds(timeOn, timeOff);
  const QRect planeMarks = DifferenceBounds(planeOn, planeOff);
  QVERIFY(HasColour(timeOn, Magenta, Around(100, 62, 2)));
  QVERIFY(timeMarks.right() <= 103 && timeMarks.top() >= 59 && timeMarks.bottom() <= 65);
  if (turned) {
    QVERIFY(HasColour(planeOn, Magenta, Around(125, 62, 2)));
    QVERIFY(planeMarks.left() >= 122 && planeMarks.top() >= 59 && planeMarks.bottom() <= 65);
    for (int x = 128; x <= 249; ++x)
      QVERIFY2(HasColour(planeOn, Magenta, QRect(x, 62, 1, 1)), qPrintable(QString::number(x)));
    for (int x = 1; x <= 97; ++x)
      QVERIFY2(HasColour(timeOn, Magenta, QRect(x, 62, 1, 1)), qPrintable(QString::number(x)));
  } else {
    QVERIFY(HasColour(planeOn, Magenta, Around(188, 125, 2)));
    QVERIFY(planeMarks.width() <= 7 && planeMarks.height() <= 7);
    QVERIFY(planeMarks.contains(188, 125));
    QVERIFY(timeMarks.left() >= 97);
  }
}

void TestViews::IdealWaveOption()
{
  TRotantsForm form;
  for (int i = 0; i < SweepSteps; ++i)
    form.IdealWave[i] = 0.8 * std::sin(2.0 * std::numbers::pi * i / 256.0);
  LoadEntries(form, {{1, 0.4, 0.0}});
  RedrawAt(form, 200);
  const QImage withIdeal = form.TimeImage->Image();
  QVERIFY(CountColour(withIdeal, Black) > 300);

  SetBox(form.IdealWaveCheckBox, false);
  const QImage without = form.TimeImage->Image();
  QCOMPARE(CountColour(without, Black), 0);
  QVERIFY(CountColour(without, Green) > 200);
  QCOMPARE(CountColour(without, Green), CountColour(withIdeal, Green));
  QCOMPARE(CountColour(without, Magenta), CountColour(withIdeal, Magenta));
}

void TestViews::TimeGridOption()
{
  TRotantsForm form;
  RedrawAt(form, 300);
  const QImage planeWithGrid = form.PhasorImage->Image();
  const QRect interior(1, 1, 510, 249);
  const QRect axisRow(0, 125, 512, 1);
  QVERIFY(HasColour(form.TimeImage->Image(), Grey, QRect(51, 1, 1, 100)));

  SetBox(form.TimeGridCheckBox, false);
  const QImage time = form.TimeImage->Image();
  QCOMPARE(CountColour(time, Grey, interior) - CountColour(time, Grey, axisRow & interior), 0);
  QCOMPARE(CountColour(time, Grey, QRect(0, 0, 512, 1)), 512);
  QVERIFY(form.PhasorImage->Image() == planeWithGrid);
  QVERIFY(HasColour(planeWithGrid, Black, QRect(125, 1, 1, 50)));
}

void TestViews::RedrawsAreRepeatable()
{
  TRotantsForm form;
  for (int i = 0; i < SweepSteps; ++i)
    form.IdealWave[i] = (i % 256) < 128 ? 0.5 : -0.5;
  SetBox(form.TraceCheckBox, true);
  SetBox(form.ConjugateCheckBox, true);
  LoadEntries(form, {{0, 0.05, 0.0}, {1, 0.3, 0.1}, {2, -0.1, 0.05}, {3, 0.1, -0.08},
                     {25, 0.02, 0.01}});
  RedrawAt(form, 300);
  const QImage plane = form.PhasorImage->Image();
  const QImage time = form.TimeImage->Image();

  form.TimeTrackBarChange();
  QVERIFY(form.PhasorImage->Image() == plane);
  QVERIFY(form.TimeImage->Image() == time);

  // Turning the plane swaps the axis labels; turning it back restores the
  // first picture.
  const auto shown = [&form](QLabel *label) { return label->isVisibleTo(&form); };
  QVERIFY(shown(form.Re0Label) && shown(form.Im0Label));
  QVERIFY(form.Re90Label->isHidden() && form.Im90Label->isHidden());
  form.RotateComplexPlaneCheckBox->click();
  QVERIFY(form.PhasorImage->Image() != plane);
  QVERIFY(form.TimeImage->Image() != time);
  QVERIFY(form.Re0Label->isHidden() && form.Im0Label->isHidden());
  QVERIFY(shown(form.Re90Label) && shown(form.Im90Label));
  form.RotateComplexPlaneCheckBox->click();
  QVERIFY(form.PhasorImage->Image() == plane);
  QVERIFY(form.TimeImage->Image() == time);
  QVERIFY(shown(form.Re0Label) && shown(form.Im0Label));
  QVERIFY(form.Re90Label->isHidden() && form.Im90Label->isHidden());

  // What the widgets paint is the canvas.
  QCOMPARE(form.PhasorImage->grab().toImage().convertToFormat(QImage::Format_RGB32),
           plane.convertToFormat(QImage::Format_RGB32));
}

void TestViews::StatusPanels()
{
  TRotantsForm form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));

  // QTest takes a null position for the widget's centre, so the plane's
  // top-left pixel is reached through the window around it.
  QWidget *client = form.centralWidget();
  QTest::mouseMove(client, form.PhasorImage->mapTo(client, QPoint(0, 0)));
  QTRY_COMPARE(form.StatusPanel0->text(), QString("Coord: -1.0000 : 1.0000"));
  QTest::mouseMove(form.PhasorImage, QPoint(125, 125));
  QTRY_COMPARE(form.StatusPanel0->text(), QString("Coord: 0.0000 : 0.0000"));
  QTest::mouseMove(form.PhasorImage, QPoint(188, 250));
  QTRY_COMPARE(form.StatusPanel0->text(), QString("Coord: 0.5040 : -1.0000"));

  // The plane's own axes, whatever the turn; beyond the edges while captured.
  form.RotateComplexPlaneCheckBox->click();
  form.PhasorImageMouseMove(Qt::NoModifier, 188, 250);
  QCOMPARE(form.StatusPanel0->text(), QString("Coord: 0.5040 : -1.0000"));
  form.PhasorImageMouseMove(Qt::NoModifier, -125, 375);
  QCOMPARE(form.StatusPanel0->text(), QString("Coord: -2.0000 : -2.0000"));

  form.TimeTrackBar->setValue(37);
  QCOMPARE(form.StatusPanel1->text(), QString("N: 37"));
  form.TimeTrackBar->setValue(0);
  QCOMPARE(form.StatusPanel1->text(), QString("N: 0"));
  form.TimeTrackBar->setValue(511);
  QCOMPARE(form.StatusPanel1->text(), QString("N: 511"));
}

void TestViews::PlacementFromOrigin_data()
{
  QTest::addColumn<bool>("turned");
  QTest::addColumn<QPoint>("click");
  QTest::addColumn<double>("re");
  QTest::addColumn<double>("im");
  QTest::addColumn<QString>("panel");
  QTest::addColumn<QString>("angle");

  QTest::newRow("on the real axis") << false << QPoint(188, 125) << 0.504 << 0.0
                                    << "Coord: 0.5040 : 0.0000" << "0.0";
  QTest::newRow("turned, real up") << true << QPoint(125, 62) << 0.504 << 0.0
                                   << "Coord: 0.0000 : 0.5040" << "0.0";
  QTest::newRow("turned, imaginary left") << true << QPoint(62, 125) << 0.0 << 0.504
                                          << "Coord: -0.5040 : 0.0000" << "90.0";
  QTest::newRow("at the origin") << false << QPoint(125, 125) << 0.0 << 0.0
                                 << "Coord: 0.0000 : 0.0000" << "0.0";
  QTest::newRow("second quadrant") << false << QPoint(62, 62) << -0.504 << 0.504
                                   << "Coord: -0.5040 : 0.5040" << "135.0";
  // Unturned and turned, the negative real axis is 180 degrees, never -180.
  QTest::newRow("negative real axis") << false << QPoint(62, 125) << -0.504 << 0.0
                                      << "Coord: -0.5040 : 0.0000" << "180.0";
  QTest::newRow("turned, real down") << true << QPoint(125, 188) << -0.504 << 0.0
                                     << "Coord: 0.0000 : -0.5040" << "180.0";
}

void TestViews::PlacementFromOrigin()
{
  QFETCH(bool, turned);
  QFETCH(QPoint, click);
  QFETCH(double, re);
  QFETCH(double, im);
  QFETCH(QString, panel);
  QFETCH(QString, angle);
  TRotantsForm form;
  SetBox(form.RotateComplexPlaneCheckBox, turned);
  StartPlacing(form);
  form.TimeTrackBar->setValue(40);

  ClickPlane(form, click);

  QCOMPARE(form.StatusPanel0->text(), panel);
  QCOMPARE(form.HarmonicIndex, 2);
  QCOMPARE(form.TimeTrackBar->value(), 0);
  QCOMPARE(form.StatusPanel1->text(), QString("N: 0"));
  QCOMPARE(form.EditMode, 1);
  const HarmonicPhasor &placed = form.PhasorList[1];
  QVERIFY2(std::fabs(placed.Re - re) < 1e-4 && std::fabs(placed.Im - im) < 1e-4,
           qPrintable(QString("%1 %2").arg(placed.Re).arg(placed.Im)));
  QCOMPARE(form.CurrentPhasor, &form.PhasorList[1]);
  QCOMPARE(form.BasePhasor, &form.PhasorList[1]);
  QCOMPARE(form.PhasorGrid->item(2, 2)->text(), angle);
  // The new vertex is drawn where the click was.
  QVERIFY(HasColour(form.PhasorImage->Image(), Magenta, Around(click.x(), click.y(), 2)));
}

void TestViews::PlacementStopsAtHighest()
{
  TRotantsForm form;
  form.HighestHarmonic = 3;
  StartPlacing(form);
  // Each click measures from the tip the one before it placed: the chain runs
  // through (0.2, 0), (0.2, 0.2), (0, 0.2); the fourth would set harmonic 4.
  const QPoint clicks[] = {{150, 125}, {150, 100}, {125, 100}, {100, 100}};
  for (const QPoint &at : clicks)
    ClickPlane(form, at);
  QCOMPARE(form.HarmonicIndex, 4);
  QCOMPARE(form.BasePhasor, &form.PhasorList[3]);
  const double expected[][2] = {{0.2, 0.0}, {0.0, 0.2}, {-0.2, 0.0}};
  for (int k = 1; k <= 3; ++k)
    QVERIFY2(std::fabs(form.PhasorList[k].Re - expected[k - 1][0]) < 1e-4 &&
                 std::fabs(form.PhasorList[k].Im - expected[k - 1][1]) < 1e-4,
             qPrintable(QString("harmonic %1").arg(k)));
  QCOMPARE(form.PhasorList[4].Re, 0.0);
  QCOMPARE(form.PhasorList[4].Im, 0.0);
}

void TestViews::ClicksIgnoredOutsidePlacement_data()
{
  QTest::addColumn<int>("mode");
  QTest::newRow("playing") << 0;
  QTest::newRow("drawing") << 2;
}

void TestViews::ClicksIgnoredOutsidePlacement()
{
  QFETCH(int, mode);
  TRotantsForm form;
  StartPlacing(form);
  form.SetEditMode(mode);
  RedrawAt(form, 50);
  const TPhasorArray before = form.PhasorList;
  const QImage plane = form.PhasorImage->Image();

  ClickPlane(form, QPoint(188, 125));

  QVERIFY(std::memcmp(&form.PhasorList, &before, sizeof before) == 0);
  QCOMPARE(form.HarmonicIndex, 1);
  QCOMPARE(form.EditMode, mode);
  QCOMPARE(form.TimeTrackBar->value(), 50);
  QVERIFY(form.PhasorImage->Image() == plane);
  form.PhasorImageMouseMove(Qt::NoModifier, 188, 125);
  QCOMPARE(form.StatusPanel0->text(), QString("Coord: 0.5040 : 0.0000"));
}

// The help label on the phasor plane lets the click through to the plane.
void TestViews::ClickUnderHelpLabelPlaces()
{
  TRotantsForm form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  StartPlacing(form);
  QVERIFY(form.PhasorHelpLabel->isVisible());
  const QPoint at = form.PhasorHelpLabel->geometry().center();
  QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    form.PhasorHelpLabel->parentWidget()->mapTo(&form, at));
  QTRY_COMPARE(form.HarmonicIndex, 2);
  const QPoint plane = form.PhasorImage->mapFrom(form.PhasorHelpLabel->parentWidget(), at);
  QVERIFY(HasColour(form.PhasorImage->Image(), Magenta, Around(plane.x(), plane.y(), 2)));
}

QTEST_MAIN(TestViews)
#include "tst_views.moc"
