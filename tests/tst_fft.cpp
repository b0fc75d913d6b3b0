#include "FFTUnit.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

constexpr double TwoPi = 6.283185307179586;

// Absolute tolerance per bin for inputs of magnitude at most 1. The rounding
// error grows with N (measured worst case 1.6e-14 at N = 256, 2.2e-16 at
// N = 4), so this keeps a margin of about a thousand while a wrong twiddle or
// a misplaced butterfly is off by order 1.
double Tolerance(int length)
{
  return 1e-13 * length;
}

// Plain O(N^2) DFT with exponent sign `sign` (-1 forward), evaluated in long
// double with the angle index k*n reduced mod N, as an independent reference.
void PlainDft(const std::vector<double> &re, const std::vector<double> &im, int sign,
              std::vector<double> &outRe, std::vector<double> &outIm)
{
  const int n = int(re.size());
  outRe.assign(n, 0.0);
  outIm.assign(n, 0.0);
  const long double twoPi = 6.283185307179586476925286766559L;
  for (int k = 0; k < n; ++k) {
    long double sumRe = 0.0L;
    long double sumIm = 0.0L;
    for (int t = 0; t < n; ++t) {
      const long double angle = sign * twoPi * ((long long)k * t % n) / n;
      const long double c = std::cos(angle);
      const long double s = std::sin(angle);
      sumRe += re[t] * c - im[t] * s;
      sumIm += re[t] * s + im[t] * c;
    }
    outRe[k] = double(sumRe);
    outIm[k] = double(sumIm);
  }
}

std::vector<double> RandomSamples(int count, unsigned seed)
{
  std::mt19937 engine(seed);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::vector<double> values(count);
  for (double &v : values)
    v = uniform(engine);
  return values;
}

QList<double> Filled(int count, double value)
{
  return QList<double>(count, value);
}

}  // namespace

class TestFFT : public QObject {
  Q_OBJECT

private slots:
  void MatchesPlainDft_data();
  void MatchesPlainDft();
  void KnownSpectra_data();
  void KnownSpectra();
  void TransformAloneLeavesBitReversedOrder_data();
  void TransformAloneLeavesBitReversedOrder();
  void ReorderingTwiceIsIdentity();
  void RejectsUnsupportedLength_data();
  void RejectsUnsupportedLength();
};

void TestFFT::MatchesPlainDft_data()
{
  QTest::addColumn<int>("length");
  QTest::addColumn<bool>("swapped");
  for (int n = 4; n <= 256; n *= 2) {
    QTest::addRow("N=%d", n) << n << false;
    QTest::addRow("N=%d arrays swapped", n) << n << true;
  }
}

// Random complex input against the reference; with the arrays passed in
// swapped order the same two arrays must hold the transform with e^(+j...).
void TestFFT::MatchesPlainDft()
{
  QFETCH(int, length);
  QFETCH(bool, swapped);

  const std::vector<double> inRe = RandomSamples(length, 1000u + length);
  const std::vector<double> inIm = RandomSamples(length, 2000u + length);
  std::vector<double> expRe;
  std::vector<double> expIm;
  PlainDft(inRe, inIm, swapped ? +1 : -1, expRe, expIm);

  TFFT fft(nullptr, length);
  std::vector<double> re = inRe;
  std::vector<double> im = inIm;
  if (swapped) {
    fft.Transform(im.data(), re.data());
    fft.ReorderBitReversed(im.data(), re.data());
  } else {
    fft.Transform(re.data(), im.data());
    fft.ReorderBitReversed(re.data(), im.data());
  }

  double worst = 0.0;
  for (int k = 0; k < length; ++k)
    worst = std::max({worst, std::abs(re[k] - expRe[k]), std::abs(im[k] - expIm[k])});
  QVERIFY2(worst <= Tolerance(length), qPrintable(QString("worst bin error %1").arg(worst)));
}

void TestFFT::KnownSpectra_data()
{
  constexpr int n = 256;
  QTest::addColumn<QList<double>>("inRe");
  QTest::addColumn<QList<double>>("inIm");
  QTest::addColumn<QList<double>>("expRe");
  QTest::addColumn<QList<double>>("expIm");

  QList<double> zero = Filled(n, 0.0);

  QList<double> onlyDc = zero;
  onlyDc[0] = n;
  QTest::newRow("constant 1") << Filled(n, 1.0) << zero << onlyDc << zero;

  QList<double> cosine(n);
  QList<double> sine(n);
  for (int i = 0; i < n; ++i) {
    cosine[i] = std::cos(TwoPi * 3 * i / n);
    sine[i] = std::sin(TwoPi * 3 * i / n);
  }
  QList<double> cosineRe = zero;
  cosineRe[3] = 128.0;
  cosineRe[253] = 128.0;
  QTest::newRow("cosine of harmonic 3") << cosine << zero << cosineRe << zero;

  QList<double> sineIm = zero;
  sineIm[3] = -128.0;
  sineIm[253] = 128.0;
  QTest::newRow("sine of harmonic 3") << sine << zero << zero << sineIm;

  QList<double> impulse = zero;
  impulse[0] = 1.0;
  QTest::newRow("unit impulse") << impulse << zero << Filled(n, 1.0) << zero;

  QTest::newRow("all zero") << zero << zero << zero << zero;
}

void TestFFT::KnownSpectra()
{
  QFETCH(QList<double>, inRe);
  QFETCH(QList<double>, inIm);
  QFETCH(QList<double>, expRe);
  QFETCH(QList<double>, expIm);

  const int n = 256;
  TFFT fft(nullptr, n);
  QList<double> re = inRe;
  QList<double> im = inIm;
  fft.Transform(re.data(), im.data());
  fft.ReorderBitReversed(re.data(), im.data());
  for (int k = 0; k < n; ++k) {
    QVERIFY2(std::abs(re[k] - expRe[k]) <= Tolerance(n) && std::abs(im[k] - expIm[k]) <= Tolerance(n),
             qPrintable(QString("X[%1] = %2 %3j").arg(k).arg(re[k]).arg(im[k])));
  }
}

void TestFFT::TransformAloneLeavesBitReversedOrder_data()
{
  QTest::addColumn<int>("harmonic");
  QTest::addColumn<int>("index");
  QTest::newRow("X[1]") << 1 << 128;
  QTest::newRow("X[2]") << 2 << 64;
  QTest::newRow("X[3]") << 3 << 192;
  QTest::newRow("X[255]") << 255 << 255;
  QTest::newRow("X[0]") << 0 << 0;
}

// e^(+j 2 pi h n / N) has its whole transform, N, in bin h alone.
void TestFFT::TransformAloneLeavesBitReversedOrder()
{
  QFETCH(int, harmonic);
  QFETCH(int, index);

  const int n = 256;
  TFFT fft(nullptr, n);
  std::vector<double> re(n);
  std::vector<double> im(n);
  for (int i = 0; i < n; ++i) {
    re[i] = std::cos(TwoPi * harmonic * i / n);
    im[i] = std::sin(TwoPi * harmonic * i / n);
  }
  fft.Transform(re.data(), im.data());
  for (int i = 0; i < n; ++i) {
    const double expected = i == index ? n : 0.0;
    QVERIFY2(std::abs(re[i] - expected) <= Tolerance(n) && std::abs(im[i]) <= Tolerance(n),
             qPrintable(QString("index %1 holds %2 %3j").arg(i).arg(re[i]).arg(im[i])));
  }
}

void TestFFT::ReorderingTwiceIsIdentity()
{
  for (int n = 4; n <= 256; n *= 2) {
    TFFT fft(nullptr, n);
    const std::vector<double> inRe = RandomSamples(n, 3000u + n);
    const std::vector<double> inIm = RandomSamples(n, 4000u + n);
    std::vector<double> re = inRe;
    std::vector<double> im = inIm;
    fft.ReorderBitReversed(re.data(), im.data());
    QVERIFY(re != inRe);
    fft.ReorderBitReversed(re.data(), im.data());
    QCOMPARE(re, inRe);
    QCOMPARE(im, inIm);
  }
}

void TestFFT::RejectsUnsupportedLength_data()
{
  QTest::addColumn<int>("length");
  for (int n : {-4, 0, 1, 2, 3, 6, 12, 255, 257, 512})
    QTest::addRow("N=%d", n) << n;
}

void TestFFT::RejectsUnsupportedLength()
{
  QFETCH(int, length);
  QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TFFT(nullptr, length));
}

QTEST_GUILESS_MAIN(TestFFT)
#include "tst_fft.moc"
