#include "MainForm.h"
#include "Reconstruction.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QSlider>
#include <QtTest>

#include <cmath>
#include <numbers>

// The reconstruction computed without a redraw: the same values as the time
// plot's, and its distance from the ideal wave.
class TestReconstruction : public QObject {
  Q_OBJECT

private slots:
  void SameValuesAsTheTimePlot_data();
  void SameValuesAsTheTimePlot();
  void RmsError_data();
  void RmsError();
};

void TestReconstruction::SameValuesAsTheTimePlot_data()
{
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<int>("highest");
  QTest::newRow("one-sided") << false << 25;
  QTest::newRow("conjugate") << true << 25;
  QTest::newRow("conjugate, highest 4") << true << 4;
}

void TestReconstruction::SameValuesAsTheTimePlot()
{
  QFETCH(bool, conjugate);
  QFETCH(int, highest);
  TRecordingSoundScope sound;
  TRotantsForm form;
  form.ConjugateCheckBox->setChecked(conjugate);
  ChooseHighestHarmonic(form, highest);
  ChooseWaveform(form, 6);
  form.TimeTrackBar->setValue(SweepSteps - 1);

  const TPhasorArray entries = form.PhasorList;
  const auto values = Reconstruction::RealValues(entries, highest, conjugate);
  for (int n = 0; n < SweepSteps; ++n)
    QCOMPARE(values[n], form.ReconWave[n]);
  QCOMPARE(Reconstruction::RealValueAt(entries, highest, conjugate, 77), form.ReconWave[77]);
  QVERIFY(std::memcmp(entries.data(), form.PhasorList.data(), sizeof entries) == 0);
}

void TestReconstruction::RmsError_data()
{
  QTest::addColumn<int>("highest");
  QTest::addColumn<double>("expected");
  // Worked from the square's stored coefficients 2 * 0.5 sinc(k/2), rounded to
  // four decimals, against its +-0.5 samples over 256 steps.
  QTest::newRow("square, harmonic 1") << 1 << 0.217665;
  QTest::newRow("square, harmonic 3") << 3 << 0.157742;
  QTest::newRow("square, harmonic 25") << 25 << 0.064499;
}

void TestReconstruction::RmsError()
{
  QFETCH(int, highest);
  QFETCH(double, expected);
  TPhasorArray square{};
  std::array<double, SweepSteps> ideal{};
  for (int k = 1; k < HarmonicCount; ++k)
    square[k].Re = 2.0 * std::round(HarmonicMath::Sinc(k * 0.5) * 0.5 * 1e4) / 1e4;
  for (int n = 0; n < SweepSteps; ++n)
    ideal[n] = (n % PeriodSteps < 64 || n % PeriodSteps >= 192) ? 0.5 : -0.5;
  QVERIFY(std::abs(Reconstruction::RmsError(square, highest, false, ideal) - expected) < 1e-6);

  // A single harmonic against its own sinusoid, and the conjugate half of it.
  TPhasorArray single{};
  single[3].Re = 0.3;
  single[3].Im = -0.4;
  for (int n = 0; n < SweepSteps; ++n) {
    const double phase = 2.0 * std::numbers::pi * 3 * n / PeriodSteps;
    ideal[n] = 0.3 * std::cos(phase) + 0.4 * std::sin(phase);
  }
  QVERIFY(Reconstruction::RmsError(single, 25, false, ideal) < 1e-15);
  single[3].Re = 0.15;
  single[3].Im = -0.2;
  QVERIFY(Reconstruction::RmsError(single, 25, true, ideal) < 1e-15);
}

QTEST_MAIN(TestReconstruction)
#include "tst_reconstruction.moc"
