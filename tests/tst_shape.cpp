#include "MainForm.h"
#include "NumberText.h"
#include "RecordingSoundService.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

// Shaping a lesson: the sweep's speed, the standard waveforms shaped by a duty
// cycle and a time shift, and the values read off the plots under the mouse.

namespace {

constexpr int SquareItem = 2;
constexpr int PulseItem = 3;
constexpr int BipolarItem = 4;
constexpr int SawtoothItem = 6;

std::vector<std::uint8_t> Tone(const TRotantsForm &form)
{
  const auto loop = form.Sound->ToneLoop();
  return {loop.begin(), loop.end()};
}

double GridNumber(const TPhasorDocument &document, int k, int column)
{
  double value = 0.0;
  return ReadNumber(document.GridText(k, column).toStdString(), value) ? value : std::nan("");
}

}  // namespace

class TestShape : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void SpeedSteps_data();
  void SpeedSteps();
  void ShapeFollowsItsFormulas_data();
  void ShapeFollowsItsFormulas();
  void SliderDragIsOneStep();
  void ValuesUnderTheMouse();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
};

void TestShape::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  ChooseWaveform(*Form, SquareItem);
}

void TestShape::cleanup()
{
  Form.reset();
  Sound.reset();
}

void TestShape::SpeedSteps_data()
{
  QTest::addColumn<QString>("presses");  // s: Slower, f: Faster
  QTest::addColumn<int>("interval");     // ms
  QTest::addColumn<int>("from");
  QTest::addColumn<int>("after");        // the step one tick leads to
  QTest::addColumn<QString>("panel");    // empty: hidden
  QTest::newRow("normal") << "" << 10 << 100 << 101 << "";
  QTest::newRow("half") << "s" << 20 << 100 << 101 << "Speed \u00bd\u00d7";
  QTest::newRow("quarter") << "ss" << 40 << 100 << 101 << "Speed \u00bc\u00d7";
  QTest::newRow("quarter is the slowest") << "sss" << 40 << 100 << 101 << "Speed \u00bc\u00d7";
  QTest::newRow("double") << "f" << 10 << 100 << 102 << "Speed 2\u00d7";
  QTest::newRow("double shows the last step") << "ff" << 10 << 510 << 511 << "Speed 2\u00d7";
  QTest::newRow("back to normal") << "sf" << 10 << 100 << 101 << "";
}

// Slower and Faster step through the speeds: the timer's interval tells a
// slow one, a double one takes two steps per tick; the tone stays.
void TestShape::SpeedSteps()
{
  QFETCH(QString, presses);
  QFETCH(int, interval);
  QFETCH(int, from);
  QFETCH(int, after);
  QFETCH(QString, panel);
  Form->SoundCheckBox->click();
  const std::vector<std::uint8_t> tone = Tone(*Form);
  Form->PlayBtnClick();
  for (const QChar press : presses)
    (press == 's' ? Form->ViewSlower : Form->ViewFaster)->trigger();
  QCOMPARE(Form->SimulationTimer->interval(), interval);
  Form->TimeTrackBar->setValue(from);
  Form->SimulationTimerTimer();
  QCOMPARE(Form->TimeTrackBar->value(), after);
  QCOMPARE(Form->SpeedPanel->isVisible() ? Form->SpeedPanel->text() : QString(), panel);
  QVERIFY(Tone(*Form) == tone);
}

void TestShape::ShapeFollowsItsFormulas_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("duty");
  QTest::addColumn<int>("shift");
  QTest::addColumn<bool>("conjugate");
  QTest::newRow("square shifted 64") << SquareItem << 25 << 64 << false;
  QTest::newRow("square shifted -32") << SquareItem << 25 << -32 << false;
  QTest::newRow("sawtooth shifted 100, two-sided") << SawtoothItem << 25 << 100 << true;
  QTest::newRow("pulse of 50 %") << PulseItem << 50 << 0 << false;
  QTest::newRow("bipolar pulse of 10 % shifted 17") << BipolarItem << 10 << 17 << false;
}

// Moved by the sliders, the set is the one the waveform's choice builds with
// that shape; against the unshifted wave every magnitude is kept and harmonic
// k's angle turned by -k 360 shift / 256 degrees, and the ideal wave delayed
// by shift steps.
void TestShape::ShapeFollowsItsFormulas()
{
  QFETCH(int, item);
  QFETCH(int, duty);
  QFETCH(int, shift);
  QFETCH(bool, conjugate);
  if (conjugate)
    Form->ConjugateCheckBox->click();
  ChooseWaveform(*Form, item);
  TPhasorDocument unshifted;
  unshifted.SetConjugate(conjugate);
  unshifted.SetShape({duty, 0});
  unshifted.ChooseWaveform(item);
  Form->ShapeDutyCycle->setValue(duty);
  Form->ShapeShift->setValue(shift);
  const TPhasorDocument &shaped = Form->Document;
  const TPhasorArray entries = shaped.PhasorList;
  const auto texts = shaped.GridTexts;
  const auto ideal = shaped.IdealWave;
  ChooseWaveform(*Form, item);
  QVERIFY(SameEntries(shaped.PhasorList, entries));
  QCOMPARE(shaped.GridTexts, texts);
  QCOMPARE(shaped.IdealWave, ideal);

  for (int k = 0; k < HarmonicCount; ++k) {
    QCOMPARE(shaped.GridText(k, 1), unshifted.GridText(k, 1));
    const double turned = GridNumber(shaped, k, 2) - GridNumber(unshifted, k, 2);
    QVERIFY2(GridNumber(shaped, k, 1) == 0.0
                 || std::abs(std::remainder(turned + 360.0 * k * shift / PeriodSteps, 360.0)) <= 0.5,
             qPrintable(QString("harmonic %1 turned by %2").arg(k).arg(turned)));
  }
  for (int i = 0; i < SweepSteps; ++i)
    QCOMPARE(shaped.IdealWave[i],
             unshifted.IdealWave[((i - shift) % PeriodSteps + PeriodSteps) % PeriodSteps]);
  if (duty == 50) {
    QCOMPARE(shaped.PhasorList[0].Re, 0.375);
    for (int k = 2; k < HarmonicCount; k += 2)
      QVERIFY(shaped.PhasorList[k].Re == 0.0 && shaped.PhasorList[k].Im == 0.0);
  }
}

// A drag changes the set, the table and the tone as the slider moves, and its
// release is one undo step; a key is a step of its own. The sliders are
// enabled where the chosen waveform follows them.
void TestShape::SliderDragIsOneStep()
{
  ChooseWaveform(*Form, PulseItem);
  Form->SoundCheckBox->click();
  QUndoStack &steps = *Form->Document.UndoStack();
  const int count = steps.count();
  const QString before = Form->Document.GridText(4, 1);
  const std::vector<std::uint8_t> tone = Tone(*Form);
  Form->ShapeDutyCycle->setSliderDown(true);
  Form->ShapeDutyCycle->setValue(40);
  QVERIFY(Form->Document.GridText(4, 1) != before);
  QVERIFY(Tone(*Form) != tone);
  Form->ShapeDutyCycle->setValue(10);
  QCOMPARE(steps.count(), count);
  Form->ShapeDutyCycle->setSliderDown(false);
  QCOMPARE(steps.count(), count + 1);
  QCOMPARE(Form->EditUndo->text(), QString("&Undo Duty Cycle"));
  QTest::keyClick(Form->ShapeShift, Qt::Key_Right);
  QCOMPARE(steps.count(), count + 2);
  Form->EditUndo->trigger();
  Form->EditUndo->trigger();
  QCOMPARE(Form->ShapeDutyCycle->value(), 25);
  QCOMPARE(Form->Document.GridText(4, 1), before);
  QVERIFY(Tone(*Form) == tone);

  QVERIFY(Form->ShapeDutyCycle->isEnabled() && Form->ShapeShift->isEnabled());
  ChooseWaveform(*Form, SquareItem);
  QVERIFY(!Form->ShapeDutyCycle->isEnabled() && Form->ShapeShift->isEnabled());
  ChooseWaveform(*Form, 0);
  QVERIFY(!Form->ShapeDutyCycle->isEnabled() && !Form->ShapeShift->isEnabled());
}

// Over the time plot the first panel gives the ideal and the reconstructed
// value at the step under the mouse, as the curves show them; over a spectrum
// bar the tip gives the harmonic's value.
void TestShape::ValuesUnderTheMouse()
{
  Form->TimeTrackBar->setValue(SweepSteps - 1);
  QTest::mouseMove(Form->TimeImage, QPoint(200, 50));
  const auto number = [](double v) { return QString::fromStdString(FormatFixed(v, 7, 4)); };
  QVERIFY(Form->Plots->TimeValuesPanel->isVisible() && !Form->StatusPanel0->isVisible());
  QCOMPARE(Form->Plots->TimeValuesPanel->text(),
           QString("Ideal %1, sum %2").arg(number(Form->IdealWave[200]), number(Form->ReconWave[200])));
  QTest::mouseMove(Form->PhasorImage, QPoint(20, 20));
  QVERIFY(!Form->Plots->TimeValuesPanel->isVisible() && Form->StatusPanel0->isVisible());

  Form->SetSpectrumView(true, false);
  QTest::mouseMove(Form->SpectrumImage, Form->SpectrumBar(3).center());
  QCOMPARE(Form->SpectrumImage->toolTip(), QString("Harmonic 3: 0.2122 at 180.0\u00b0"));
}

QTEST_MAIN(TestShape)
#include "tst_shape.moc"
