#include "MainForm.h"
#include "WaveformPresets.h"

#include <QCheckBox>
#include <QTableWidget>
#include <QtTest>

#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>
#include <random>

// The harmonic phasor set as operations of the real main window.

namespace {

// Distinct, full-mantissa values in every field of every entry, so that a
// field left alone or written twice shows up.
void FillDistinct(TPhasorArray &entries, unsigned seed)
{
  std::mt19937_64 generator(seed);
  std::uniform_real_distribution<double> value(-0.4, 0.4);
  for (HarmonicPhasor &e : entries) {
    e.Re = value(generator);
    e.Im = value(generator);
    e.RotRe = value(generator);
    e.RotIm = value(generator);
    e.SumRe = value(generator);
    e.SumIm = value(generator);
  }
}

bool SameBits(const HarmonicPhasor &a, const HarmonicPhasor &b)
{
  return std::memcmp(&a, &b, sizeof(HarmonicPhasor)) == 0;
}

// Checks entries 0..highest against the rotation of their step-0 values to
// step n and against running sums of the rotated values.
void VerifyRotatedTo(const TPhasorArray &entries, int highest, int n)
{
  std::complex<double> sum;
  for (int k = 0; k <= highest; ++k) {
    const HarmonicPhasor &e = entries[k];
    const std::complex<double> expected =
        std::complex<double>(e.Re, e.Im) * std::polar(1.0, 2.0 * std::numbers::pi * k * n / 256.0);
    QVERIFY2(std::abs(expected - std::complex<double>(e.RotRe, e.RotIm)) < 1e-12,
             qPrintable(QString("harmonic %1").arg(k)));
    sum += std::complex<double>(e.RotRe, e.RotIm);
    QVERIFY2(std::abs(sum - std::complex<double>(e.SumRe, e.SumIm)) < 1e-12,
             qPrintable(QString("running sum at harmonic %1").arg(k)));
  }
}

}  // namespace

class TestHarmonicModel : public QObject {
  Q_OBJECT

private slots:
  void RectToPolarValues_data();
  void RectToPolarValues();
  void PolarToRectValues_data();
  void PolarToRectValues();
  void SincValues_data();
  void SincValues();
  void SetPhasorEntryRunningSum_data();
  void SetPhasorEntryRunningSum();
  void RotationUpToHighest_data();
  void RotationUpToHighest();
  void TableRotationMatchesDirect();
  void ConjugateRoundTripIsExact();
  void ClearResetsEveryRow();
  void PresetsMatchTheirIdealWave_data();
  void PresetsMatchTheirIdealWave();
};

void TestHarmonicModel::RectToPolarValues_data()
{
  QTest::addColumn<double>("re");
  QTest::addColumn<double>("im");
  QTest::addColumn<double>("magnitude");
  QTest::addColumn<double>("angle");

  QTest::newRow("origin") << 0.0 << 0.0 << 0.0 << 0.0;
  QTest::newRow("positive imaginary") << 0.0 << 2.0 << 2.0 << 90.0;
  QTest::newRow("negative imaginary") << 0.0 << -2.0 << 2.0 << -90.0;
  QTest::newRow("negative real") << -1.0 << 0.0 << 1.0 << 180.0;
  QTest::newRow("first diagonal") << 1.0 << 1.0 << std::sqrt(2.0) << 45.0;
  QTest::newRow("third quadrant") << -0.5 << -0.5 << std::sqrt(0.5) << -135.0;
  QTest::newRow("tiny diagonal has angle 0") << 1e-7 << 1e-7 << std::sqrt(2.0) * 1e-7 << 0.0;
  QTest::newRow("tiny negative is not 180") << -1e-9 << 0.0 << 1e-9 << 0.0;
  QTest::newRow("just above the threshold") << -1e-6 << 1e-6 << std::sqrt(2.0) * 1e-6 << 135.0;
}

void TestHarmonicModel::RectToPolarValues()
{
  QFETCH(double, re);
  QFETCH(double, im);
  QFETCH(double, magnitude);
  QFETCH(double, angle);
  TRotantsForm form;
  double m = -1.0;
  double a = -1.0;
  form.RectToPolar(re, im, m, a);
  QVERIFY(std::fabs(m - magnitude) <= 1e-15 * std::max(1.0, magnitude));
  QVERIFY2(std::fabs(a - angle) < 1e-12, qPrintable(QString::number(a, 'g', 17)));
}

void TestHarmonicModel::PolarToRectValues_data()
{
  QTest::addColumn<double>("magnitude");
  QTest::addColumn<double>("angle");
  QTest::addColumn<double>("re");
  QTest::addColumn<double>("im");
  QTest::addColumn<bool>("residue");  // the zero component keeps pi's rounding residue

  QTest::newRow("180 degrees") << 1.0 << 180.0 << -1.0 << 0.0 << true;
  QTest::newRow("-90 degrees") << 0.5 << -90.0 << 0.0 << -0.5 << true;
  QTest::newRow("90 degrees") << 2.0 << 90.0 << 0.0 << 2.0 << true;
  QTest::newRow("0 degrees") << 0.75 << 0.0 << 0.75 << 0.0 << false;
  QTest::newRow("45 degrees") << std::sqrt(2.0) << 45.0 << 1.0 << 1.0 << false;
  QTest::newRow("-150 degrees") << 1.0 << -150.0 << -std::sqrt(3.0) / 2.0 << -0.5 << false;
}

void TestHarmonicModel::PolarToRectValues()
{
  QFETCH(double, magnitude);
  QFETCH(double, angle);
  QFETCH(double, re);
  QFETCH(double, im);
  QFETCH(bool, residue);
  TRotantsForm form;
  double r = 9.0;
  double i = 9.0;
  form.PolarToRect(magnitude, angle, r, i);
  const auto check = [&](double actual, double expected) {
    if (expected == 0.0 && residue)
      return actual != 0.0 && std::fabs(actual) < 1e-15 * magnitude;
    return std::fabs(actual - expected) < 4e-16 * std::max(1.0, magnitude);
  };
  QVERIFY2(check(r, re), qPrintable(QString::number(r, 'g', 17)));
  QVERIFY2(check(i, im), qPrintable(QString::number(i, 'g', 17)));
}

void TestHarmonicModel::SincValues_data()
{
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("expected");

  QTest::newRow("zero") << 0.0 << 1.0;
  QTest::newRow("half") << 0.5 << 2.0 / std::numbers::pi;
  QTest::newRow("minus half") << -0.5 << 2.0 / std::numbers::pi;
  QTest::newRow("three halves") << 1.5 << -2.0 / (3.0 * std::numbers::pi);
  QTest::newRow("one is a residue") << 1.0 << 0.0;
  QTest::newRow("two is a residue") << 2.0 << 0.0;
}

void TestHarmonicModel::SincValues()
{
  QFETCH(double, x);
  QFETCH(double, expected);
  TRotantsForm form;
  const double v = form.Sinc(x);
  if (expected == 0.0) {
    QVERIFY2(v != 0.0 && std::fabs(v) < 1e-16, qPrintable(QString::number(v, 'g', 17)));
  } else if (x == 0.0) {
    QCOMPARE(v, 1.0);
  } else {
    QVERIFY(std::fabs(v - expected) < 1e-15);
  }
}

void TestHarmonicModel::SetPhasorEntryRunningSum_data()
{
  QTest::addColumn<int>("index");
  QTest::newRow("harmonic 0") << 0;
  QTest::newRow("harmonic 1") << 1;
  QTest::newRow("harmonic 25") << 25;
}

void TestHarmonicModel::SetPhasorEntryRunningSum()
{
  QFETCH(int, index);
  TRotantsForm form;
  FillDistinct(form.PhasorList, 7);
  const TPhasorArray before = form.PhasorList;
  form.HarmonicIndex = index;
  form.SetPhasorEntry(0.3, -0.2);

  const HarmonicPhasor &e = form.PhasorList[index];
  QCOMPARE(form.CurrentPhasor, &form.PhasorList[index]);
  QCOMPARE(form.HarmonicIndex, index);
  QCOMPARE(e.Re, 0.3);
  QCOMPARE(e.Im, -0.2);
  QCOMPARE(e.RotRe, 0.3);
  QCOMPARE(e.RotIm, -0.2);
  const double baseRe = index > 0 ? before[index - 1].SumRe : 0.0;
  const double baseIm = index > 0 ? before[index - 1].SumIm : 0.0;
  QCOMPARE(e.SumRe, 0.3 + baseRe);
  QCOMPARE(e.SumIm, -0.2 + baseIm);
  for (int k = 0; k < HarmonicCount; ++k)
    if (k != index)
      QVERIFY(SameBits(form.PhasorList[k], before[k]));
}

void TestHarmonicModel::RotationUpToHighest_data()
{
  QTest::addColumn<int>("highest");
  QTest::addColumn<int>("step");
  for (int step : {0, 1, 37, 128, 256, 511})
    QTest::addRow("highest 25, step %d", step) << 25 << step;
  QTest::newRow("highest 3") << 3 << 77;
  QTest::newRow("highest 0") << 0 << 77;
}

// Harmonic k turns by 2 pi k n / 256, so step 256 restores every entry and
// step 128 negates the odd ones; entries above the highest keep their values.
void TestHarmonicModel::RotationUpToHighest()
{
  QFETCH(int, highest);
  QFETCH(int, step);
  TRotantsForm form;
  FillDistinct(form.PhasorList, 11);
  const TPhasorArray before = form.PhasorList;
  form.HighestHarmonic = highest;
  form.RotateToTimeStep(step);
  VerifyRotatedTo(form.PhasorList, highest, step);
  const HarmonicPhasor &dc = form.PhasorList[0];
  QVERIFY(dc.RotRe == dc.Re && dc.RotIm == dc.Im && dc.SumRe == dc.Re && dc.SumIm == dc.Im);
  for (int k = highest + 1; k < HarmonicCount; ++k)
    QVERIFY2(SameBits(form.PhasorList[k], before[k]), qPrintable(QString("harmonic %1").arg(k)));
}

// At every step of the sweep, and of two sweeps before and after it: the
// table-driven rotation within 1e-12 of direct cosines, and the tip alone bit
// for bit what the rotation forms.
void TestHarmonicModel::TableRotationMatchesDirect()
{
  TPhasorArray start{};
  FillDistinct(start, 3);
  const auto close = [](double a, double b) { return std::fabs(a - b) < 1e-12; };
  for (int n = -2 * SweepSteps; n < 3 * SweepSteps; ++n) {
    TPhasorArray table = start;
    TPhasorArray direct = start;
    HarmonicMath::RotateToTimeStep(table, 25, n);
    HarmonicMath::RotateToTimeStepDirect(direct, 25, n);
    for (int k = 0; k < HarmonicCount; ++k) {
      const HarmonicPhasor &a = table[k];
      const HarmonicPhasor &b = direct[k];
      QVERIFY2(close(a.RotRe, b.RotRe) && close(a.RotIm, b.RotIm) && close(a.SumRe, b.SumRe)
                   && close(a.SumIm, b.SumIm),
               qPrintable(QString("step %1, harmonic %2").arg(n).arg(k)));
    }
    for (int highest : {0, 9, 25}) {
      double re = 0.0;
      double im = 0.0;
      HarmonicMath::TipAtTimeStep(start, highest, n, re, im);
      QVERIFY(re == table[highest].SumRe && im == table[highest].SumIm);
    }
  }
}

// Checking then unchecking the box halves and doubles harmonics 1..25 (whatever
// the highest harmonic), which is exact; entry 0 stays. The grid follows the
// entries at each step, and leaves the row of the unscaled entry 0 alone.
void TestHarmonicModel::ConjugateRoundTripIsExact()
{
  TRotantsForm form;
  FillDistinct(form.PhasorList, 23);
  form.PhasorList[3].Re = 0.3;
  form.PhasorList[3].Im = -0.4;
  form.HighestHarmonic = 2;
  form.PhasorGrid->item(1, 1)->setText("0.125");
  const TPhasorArray before = form.PhasorList;

  form.ConjugateCheckBox->click();
  QVERIFY(form.ConjugateCheckBox->isChecked());
  QCOMPARE(form.PhasorList[0].Re, before[0].Re);
  QCOMPARE(form.PhasorList[0].Im, before[0].Im);
  for (int k = 1; k < HarmonicCount; ++k) {
    QCOMPARE(form.PhasorList[k].Re, 0.5 * before[k].Re);
    QCOMPARE(form.PhasorList[k].Im, 0.5 * before[k].Im);
  }
  QCOMPARE(form.PhasorGrid->item(4, 1)->text(), QString("0.2500"));
  QCOMPARE(form.PhasorGrid->item(4, 2)->text(), QString("-53.1"));

  form.ConjugateCheckBox->click();
  QVERIFY(!form.ConjugateCheckBox->isChecked());
  for (int k = 0; k < HarmonicCount; ++k) {
    QVERIFY(std::memcmp(&form.PhasorList[k].Re, &before[k].Re, sizeof(double)) == 0);
    QVERIFY(std::memcmp(&form.PhasorList[k].Im, &before[k].Im, sizeof(double)) == 0);
  }
  QCOMPARE(form.PhasorGrid->item(4, 1)->text(), QString("0.5000"));
  QCOMPARE(form.PhasorGrid->item(4, 2)->text(), QString("-53.1"));
  QCOMPARE(form.PhasorGrid->item(1, 1)->text(), QString("0.125"));
}

void TestHarmonicModel::ClearResetsEveryRow()
{
  TRotantsForm form;
  FillDistinct(form.PhasorList, 29);
  form.ReconWave.fill(0.7);
  form.HighestHarmonic = 3;
  form.HarmonicIndex = 7;
  form.CurrentPhasor = &form.PhasorList[5];
  form.BasePhasor = &form.PhasorList[4];
  for (int row = 1; row <= 26; ++row) {
    form.PhasorGrid->item(row, 1)->setText("1.2345");
    form.PhasorGrid->item(row, 2)->setText("-45.0");
  }
  const QString heading = form.PhasorGrid->item(0, 1)->text();

  form.ClearPhasorEntries();
  form.ClearReconWave();

  for (int row = 1; row <= 26; ++row) {
    QCOMPARE(form.PhasorGrid->item(row, 0)->text(), QString::number(row - 1));
    QCOMPARE(form.PhasorGrid->item(row, 1)->text(), QString("0.0"));
    QCOMPARE(form.PhasorGrid->item(row, 2)->text(), QString("0.0"));
  }
  QCOMPARE(form.PhasorGrid->item(0, 1)->text(), heading);
  for (const HarmonicPhasor &e : form.PhasorList)
    QVERIFY(SameBits(e, HarmonicPhasor{}));
  for (double v : form.ReconWave)
    QCOMPARE(v, 0.0);
  QCOMPARE(form.HarmonicIndex, 0);
  QCOMPARE(form.BasePhasor, &form.PhasorList[0]);
  QCOMPARE(form.CurrentPhasor, &form.PhasorList[5]);
}

using WaveformPresets::TWaveform;

void TestHarmonicModel::PresetsMatchTheirIdealWave_data()
{
  QTest::addColumn<int>("item");  // a TWaveform
  QTest::addColumn<double>("tolerance");  // the sampled edges' share
  QTest::newRow("square") << int(TWaveform::Square) << 5e-3;
  QTest::newRow("rectangular pulse") << int(TWaveform::RectangularPulse) << 5e-3;
  QTest::newRow("bipolar pulse") << int(TWaveform::BipolarPulse) << 5e-3;
  QTest::newRow("triangle") << int(TWaveform::Triangle) << 1e-4;
  QTest::newRow("sawtooth") << int(TWaveform::Sawtooth) << 5e-3;
  QTest::newRow("rectified cosine") << int(TWaveform::RectifiedCosine) << 1e-4;
}

// Each coefficient is the ideal period's own: the discrete Fourier sum over
// its 256 steps, within what sampling the jumps leaves, and a waveform
// without a mean starts at harmonic 1.
void TestHarmonicModel::PresetsMatchTheirIdealWave()
{
  QFETCH(int, item);
  QFETCH(double, tolerance);
  const auto waveform = TWaveform(item);
  const std::array<double, PeriodSteps> period = WaveformPresets::IdealPeriod(waveform);
  const int first = WaveformPresets::FirstHarmonic(waveform);
  for (int k = 0; k < HarmonicCount; ++k) {
    std::complex<double> sum;
    for (int i = 0; i < PeriodSteps; ++i)
      sum += period[std::size_t(i)] * std::polar(1.0, -2.0 * std::numbers::pi * k * i / PeriodSteps);
    sum /= double(PeriodSteps);
    std::complex<double> given;
    if (k >= first) {
      const auto [re, im] = WaveformPresets::Coefficient(waveform, k);
      given = {re, im};
    }
    QVERIFY2(std::abs(sum - given) < tolerance, qPrintable(QString("harmonic %1").arg(k)));
  }
}

QTEST_MAIN(TestHarmonicModel)
#include "tst_harmonicmodel.moc"
