#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

enum TItem {
  CustomRotantsItem = 0,
  CustomTimeItem = 1,
  Square = 2,
  RectangularPulse = 3,
  BipolarPulse = 4,
  Triangle = 5,
  Sawtooth = 6,
  RectifiedCosine = 7,
  ImpulseTrain = 8
};

const char *const ItemNames[] = {"Custom Rotants", "Custom Time",   "Square",
                                 "Rectangular Pulse", "Bipolar Pulse", "Triangle",
                                 "Sawtooth",       "Rectified Cosine", "Impulse train"};

// Residue left by a 180 or +-90 degree round trip in the component that is
// zero in exact arithmetic.
constexpr double Residue = 1e-16;

}  // namespace

class TestPresets : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void StoredCoefficients_data();
  void StoredCoefficients();
  void ZeroHarmonicsStoredExactly_data();
  void ZeroHarmonicsStoredExactly();
  void GridTexts_data();
  void GridTexts();
  void StateAfterStandardPreset_data();
  void StateAfterStandardPreset();
  void IdealWaveSamples_data();
  void IdealWaveSamples();
  void ImpulseTrainEntriesAndSamples();
  void CustomRotants();
  void CustomTime();
  void AllEntriesSetBelowHighestHarmonic();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  std::unique_ptr<TMessageBoxCatcher> Catcher;
};

void TestPresets::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Catcher = std::make_unique<TMessageBoxCatcher>();
}

void TestPresets::cleanup()
{
  QVERIFY(Catcher->Messages.isEmpty());
  Catcher.reset();
  Form.reset();
  Sound.reset();
}

void TestPresets::StoredCoefficients_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("harmonic");
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<double>("re");
  QTest::addColumn<double>("im");

  // Harmonics 0..3 of every preset as stored after the editor's rounding.
  const struct {
    TItem Item;
    double Re[4];
    double Im[4];
  } worked[] = {
      {Square, {0, 0.3183, 0, -0.1061}, {0, 0, 0, 0}},
      {RectangularPulse, {0.1875, 0.1688, 0.1194, 0.0563}, {0, 0, 0, 0}},
      {BipolarPulse, {0, 0.3376, 0, 0.1125}, {0, 0, 0, 0}},
      {Triangle, {0, 0.3040, 0, 0.0338}, {0, 0, 0, 0}},
      {Sawtooth, {0, 0, 0, 0}, {0, -0.2387, 0.1194, -0.0796}},
      {RectifiedCosine, {0.4775, 0.1592, -0.0318, 0.0136}, {0, 0, 0, 0}},
      {ImpulseTrain, {0.02, 0.02, 0.02, 0.02}, {0, 0, 0, 0}},
  };
  for (const auto &preset : worked) {
    for (int k = 0; k < 4; ++k) {
      for (const bool conjugate : {true, false}) {
        // The one-sided convention doubles harmonics 1..25 after loading.
        const double factor = (k > 0 && !conjugate) ? 2.0 : 1.0;
        QTest::addRow("%s %d %s", ItemNames[preset.Item], k,
                      conjugate ? "two-sided" : "one-sided")
            << int(preset.Item) << k << conjugate << preset.Re[k] * factor
            << preset.Im[k] * factor;
      }
    }
  }
}

void TestPresets::StoredCoefficients()
{
  QFETCH(int, item);
  QFETCH(int, harmonic);
  QFETCH(bool, conjugate);
  QFETCH(double, re);
  QFETCH(double, im);

  Form->ConjugateCheckBox->setChecked(conjugate);
  ChooseWaveform(*Form, item);

  const HarmonicPhasor &entry = Form->PhasorList[harmonic];
  QVERIFY2(std::fabs(entry.Re - re) <= Residue,
           qPrintable(QString("Re %1, expected %2").arg(entry.Re, 0, 'g', 17).arg(re)));
  QVERIFY2(std::fabs(entry.Im - im) <= Residue,
           qPrintable(QString("Im %1, expected %2").arg(entry.Im, 0, 'g', 17).arg(im)));
}

void TestPresets::ZeroHarmonicsStoredExactly_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<QList<int>>("harmonics");

  const QList<int> even = {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24};
  QTest::newRow("Square") << int(Square) << even;
  QTest::newRow("Triangle") << int(Triangle) << even;
  QTest::newRow("Bipolar Pulse") << int(BipolarPulse) << even;
  QTest::newRow("Rectangular Pulse")
      << int(RectangularPulse) << QList<int>{4, 8, 12, 16, 20, 24};
}

// Coefficients that are zero in exact arithmetic come out of the sums as
// tiny numbers of either sign; they must be stored as exact zeros and shown
// with angle 0, never 180.
void TestPresets::ZeroHarmonicsStoredExactly()
{
  QFETCH(int, item);
  QFETCH(QList<int>, harmonics);

  ChooseWaveform(*Form, item);
  for (const int k : harmonics) {
    QCOMPARE(Form->PhasorList[k].Re, 0.0);
    QCOMPARE(Form->PhasorList[k].Im, 0.0);
    QVERIFY(!std::signbit(Form->PhasorList[k].Re));
    QCOMPARE(Form->PhasorGrid->item(k + 1, 1)->text(), QString("0.0000"));
    QCOMPARE(Form->PhasorGrid->item(k + 1, 2)->text(), QString("0.0"));
  }
}

void TestPresets::GridTexts_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("harmonic");
  QTest::addColumn<QString>("magnitude");
  QTest::addColumn<QString>("angle");
  QTest::addColumn<bool>("conjugate");

  QTest::newRow("Square 1") << int(Square) << 1 << "0.6366" << "0.0" << false;
  QTest::newRow("Square 3") << int(Square) << 3 << "0.2122" << "180.0" << false;
  QTest::newRow("Sawtooth 1") << int(Sawtooth) << 1 << "0.4774" << "-90.0" << false;
  QTest::newRow("Sawtooth 2") << int(Sawtooth) << 2 << "0.2388" << "90.0" << false;
  QTest::newRow("Rectified Cosine 0") << int(RectifiedCosine) << 0 << "0.4775" << "0.0" << false;
  QTest::newRow("Rectified Cosine 2") << int(RectifiedCosine) << 2 << "0.0636" << "180.0" << false;
  QTest::newRow("Square 1, conjugate") << int(Square) << 1 << "0.3183" << "0.0" << true;
  QTest::newRow("Sawtooth 1, conjugate") << int(Sawtooth) << 1 << "0.2387" << "-90.0" << true;
}

// The grid shows what the entries hold: with the one-sided convention the
// doubled coefficients of harmonics 1..25, with the conjugate one the
// coefficients themselves.
void TestPresets::GridTexts()
{
  QFETCH(int, item);
  QFETCH(int, harmonic);
  QFETCH(QString, magnitude);
  QFETCH(QString, angle);
  QFETCH(bool, conjugate);

  Form->ConjugateCheckBox->setChecked(conjugate);
  ChooseWaveform(*Form, item);
  QCOMPARE(Form->PhasorGrid->item(harmonic + 1, 0)->text(), QString::number(harmonic));
  QCOMPARE(Form->PhasorGrid->item(harmonic + 1, 1)->text(), magnitude);
  QCOMPARE(Form->PhasorGrid->item(harmonic + 1, 2)->text(), angle);
}

void TestPresets::StateAfterStandardPreset_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<QString>("magnitude");
  QTest::addColumn<QString>("angle");

  // The edit boxes show harmonic 25 as the entry holds it after the one-sided
  // doubling (the stored coefficient 0.0127 of the square becomes 0.0254).
  QTest::newRow("Square") << int(Square) << "0.0254" << "0.0";
  QTest::newRow("Rectangular Pulse") << int(RectangularPulse) << "0.0136" << "0.0";
  QTest::newRow("Bipolar Pulse") << int(BipolarPulse) << "0.0270" << "0.0";
  QTest::newRow("Triangle") << int(Triangle) << "0.0010" << "0.0";
  QTest::newRow("Sawtooth") << int(Sawtooth) << "0.0190" << "-90.0";
  QTest::newRow("Rectified Cosine") << int(RectifiedCosine) << "0.0004" << "0.0";
  QTest::newRow("Impulse train") << int(ImpulseTrain) << "0.0400" << "0.0";
}

void TestPresets::StateAfterStandardPreset()
{
  QFETCH(int, item);
  QFETCH(QString, magnitude);
  QFETCH(QString, angle);

  ChooseWaveform(*Form, item);
  QCOMPARE(Form->HarmonicIndex, HarmonicCount);
  QCOMPARE(Form->CurrentPhasor, &Form->PhasorList[25]);
  QCOMPARE(Form->BasePhasor, &Form->PhasorList[0]);
  QCOMPARE(Form->EditMode, 0);
  QCOMPARE(Form->IdleEditMode, 0);
  QVERIFY(Form->PhasorHelpLabel->isHidden());
  QVERIFY(Form->TimeHelpLabel->isHidden());
  QCOMPARE(Form->PhasorGrid->currentRow(), 26);
  QCOMPARE(Form->HarmonicEdit->text(), QString("25"));
  QCOMPARE(Form->MagnitudeEdit->text(), magnitude);
  QCOMPARE(Form->AngleEdit->text(), angle);
  QCOMPARE(Form->PhasorGrid->item(26, 1)->text(), magnitude);
}

void TestPresets::IdealWaveSamples_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<QList<int>>("steps");
  QTest::addColumn<QList<double>>("values");

  QTest::newRow("Square") << int(Square)
                          << QList<int>{63, 64, 191, 192, 319, 320, 447, 448}
                          << QList<double>{0.5, -0.5, -0.5, 0.5, 0.5, -0.5, -0.5, 0.5};
  QTest::newRow("Rectangular Pulse") << int(RectangularPulse) << QList<int>{31, 32, 223, 224, 511}
                                     << QList<double>{0.75, 0, 0, 0.75, 0.75};
  QTest::newRow("Bipolar Pulse") << int(BipolarPulse)
                                 << QList<int>{31, 32, 95, 96, 159, 160, 224, 352}
                                 << QList<double>{0.75, 0, 0, -0.75, -0.75, 0, 0.75, -0.75};
  QTest::newRow("Triangle") << int(Triangle) << QList<int>{0, 64, 127, 128, 192, 255, 383}
                            << QList<double>{0.75, 0, -0.73828125, -0.75, 0, 0.73828125,
                                             -0.73828125};
  QTest::newRow("Sawtooth") << int(Sawtooth) << QList<int>{0, 1, 127, 128, 255, 257}
                            << QList<double>{0, 0.005859375, 0.744140625, -0.75, -0.005859375,
                                             0.005859375};
  QTest::newRow("Rectified Cosine") << int(RectifiedCosine) << QList<int>{0, 64, 128, 192, 320}
                                    << QList<double>{0.75, 0.5303301, 0, 0.5303301, 0.5303301};
}

void TestPresets::IdealWaveSamples()
{
  QFETCH(int, item);
  QFETCH(QList<int>, steps);
  QFETCH(QList<double>, values);

  ChooseWaveform(*Form, item);
  for (qsizetype i = 0; i < steps.size(); ++i) {
    const double sample = Form->IdealWave[steps[i]];
    QVERIFY2(std::fabs(sample - values[i]) < 5e-8,
             qPrintable(QString("IdealWave[%1] = %2").arg(steps[i]).arg(sample, 0, 'g', 17)));
  }
  for (int i = 0; i < PeriodSteps; ++i)
    QCOMPARE(Form->IdealWave[i + PeriodSteps], Form->IdealWave[i]);
}

void TestPresets::ImpulseTrainEntriesAndSamples()
{
  Form->ConjugateCheckBox->setChecked(true);
  ChooseWaveform(*Form, ImpulseTrain);

  for (int k = 0; k < HarmonicCount; ++k) {
    QCOMPARE(Form->PhasorList[k].Re, 0.02);
    QCOMPARE(Form->PhasorList[k].Im, 0.0);
  }
  for (int i = 0; i < SweepSteps; ++i)
    QCOMPARE(Form->IdealWave[i], (i == 0 || i == 256) ? 1.0 : 0.0);
}

void TestPresets::CustomRotants()
{
  ChooseWaveform(*Form, Square);
  ChooseWaveform(*Form, CustomRotantsItem);

  for (const HarmonicPhasor &entry : Form->PhasorList) {
    QCOMPARE(entry.Re, 0.0);
    QCOMPARE(entry.Im, 0.0);
  }
  for (const double sample : Form->IdealWave)
    QCOMPARE(sample, 2.0);
  QCOMPARE(Form->HarmonicIndex, 1);
  QCOMPARE(Form->EditMode, 1);
  QCOMPARE(Form->IdleEditMode, 1);
  QCOMPARE(Form->PhasorGrid->currentRow(), 1);
  QCOMPARE(Form->PhasorGrid->item(1, 1)->text(), QString("0.0000"));
  QCOMPARE(Form->PhasorGrid->item(2, 1)->text(), QString("0.0"));
}

// Custom Time loads no entry: nothing passes the editor and the tone is not
// synthesised again; the reset's stop is the only sound request.
void TestPresets::CustomTime()
{
  ChooseWaveform(*Form, Square);
  Form->SoundCheckBox->setChecked(true);
  const int playsBefore = Sound->Log->PlayCount();
  ChooseWaveform(*Form, CustomTimeItem);

  for (const HarmonicPhasor &entry : Form->PhasorList) {
    QCOMPARE(entry.Re, 0.0);
    QCOMPARE(entry.Im, 0.0);
  }
  for (const double sample : Form->IdealWave)
    QCOMPARE(sample, 0.0);
  QCOMPARE(Form->EditMode, 2);
  QCOMPARE(Form->IdleEditMode, 2);
  QCOMPARE(Form->PhasorGrid->item(2, 1)->text(), QString("0.0"));
  QCOMPARE(Sound->Log->PlayCount(), playsBefore);
  QVERIFY(Sound->Log->Looping.isEmpty());
}

// Presets always write all 26 entries; only the sums stop at HighestHarmonic.
void TestPresets::AllEntriesSetBelowHighestHarmonic()
{
  ChooseHighestHarmonic(*Form, 5);
  QCOMPARE(Form->HighestHarmonic, 5);
  ChooseWaveform(*Form, Square);

  QCOMPARE(Form->HarmonicIndex, HarmonicCount);
  QCOMPARE(Form->PhasorList[25].Re, 2 * 0.0127);
  QCOMPARE(Form->PhasorList[23].Re, 2 * -0.0138);
  QCOMPARE(Form->PhasorGrid->item(26, 1)->text(), QString("0.0254"));
}

QTEST_MAIN(TestPresets)
#include "tst_presets.moc"
