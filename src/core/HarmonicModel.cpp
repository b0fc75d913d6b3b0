#include "HarmonicModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace HarmonicMath {

void RectToPolar(double re, double im, double &magnitude, double &angle)
{
  magnitude = std::sqrt(re * re + im * im);
  // A zero of either sign is one value: atan2 would turn a negative real
  // part with an imaginary part of -0 into -180 degrees instead of 180.
  if (im == 0.0)
    im = 0.0;
  if (re != 0.0)
    angle = std::atan2(im, re) * 180.0 * 0.3183098861837907;
  else if (im > 0.0)
    angle = 90.0;
  else if (im < 0.0)
    angle = -90.0;
  else
    angle = 0.0;
  if (magnitude < 1e-6)
    angle = 0.0;
}

void PolarToRect(double magnitude, double angle, double &re, double &im)
{
  const double theta = angle * Pi * 0.005555555555555556;
  re = std::cos(theta) * magnitude;
  im = std::sin(theta) * magnitude;
}

double Sinc(double x)
{
  if (x == 0.0)
    return 1.0;
  return std::sin(Pi * x) / (Pi * x);
}

namespace {

// cos and sin of the 256 angles 2 pi m / 256, built on first use.
struct TTurnTable {
  std::array<double, PeriodSteps> Cos{};
  std::array<double, PeriodSteps> Sin{};

  TTurnTable()
  {
    for (int m = 0; m < PeriodSteps; ++m) {
      const double theta = TwoPi * m / PeriodSteps;
      Cos[m] = std::cos(theta);
      Sin[m] = std::sin(theta);
    }
  }
};

const TTurnTable &Turns()
{
  static const TTurnTable table;
  return table;
}

// Rotated values and running sums from the cosines and sines of each
// harmonic's angle, supplied by turn(k, c, s).
template <typename TTurn>
void Rotate(TPhasorArray &entries, int highest, TTurn turn)
{
  double runRe = 0.0;
  double runIm = 0.0;
  for (int k = 0; k <= highest && k < HarmonicCount; ++k) {
    HarmonicPhasor &e = entries[k];
    double c = 0.0;
    double s = 0.0;
    turn(k, c, s);
    e.RotRe = e.Re * c - e.Im * s;
    e.RotIm = e.Re * s + e.Im * c;
    runRe += e.RotRe;
    e.SumRe = runRe;
    runIm += e.RotIm;
    e.SumIm = runIm;
  }
}

}  // namespace

void RotateToTimeStep(TPhasorArray &entries, int highest, int n)
{
  const TTurnTable &table = Turns();
  Rotate(entries, highest, [&](int k, double &c, double &s) {
    const std::size_t m = std::size_t(std::int64_t(k) * n & (PeriodSteps - 1));
    c = table.Cos[m];
    s = table.Sin[m];
  });
}

void TipAtTimeStep(const TPhasorArray &entries, int highest, int n, double &sumRe,
                   double &sumIm)
{
  const TTurnTable &table = Turns();
  const int top = std::min(highest, HarmonicCount - 1);
  // Harmonic k turns by k n steps of 2 pi / 256: the index advances by n
  // modulo 256 from one harmonic to the next (the unsigned conversion keeps
  // that right for negative n).
  const unsigned stride = unsigned(n) & (PeriodSteps - 1);
  unsigned m = 0;
  double runRe = 0.0;
  double runIm = 0.0;
  for (int k = 0; k <= top; ++k) {
    const HarmonicPhasor &e = entries[k];
    const double c = table.Cos[m];
    const double s = table.Sin[m];
    // The same operations, in the same order, as Rotate.
    const double rotRe = e.Re * c - e.Im * s;
    const double rotIm = e.Re * s + e.Im * c;
    runRe += rotRe;
    runIm += rotIm;
    m = (m + stride) & (PeriodSteps - 1);
  }
  sumRe = runRe;
  sumIm = runIm;
}

double RotatedReAtTimeStep(const HarmonicPhasor &entry, int k, int n)
{
  const TTurnTable &table = Turns();
  const std::size_t m = std::size_t(std::int64_t(k) * n & (PeriodSteps - 1));
  return entry.Re * table.Cos[m] - entry.Im * table.Sin[m];
}

void RotateToTimeStepDirect(TPhasorArray &entries, int highest, int n)
{
  Rotate(entries, highest, [n](int k, double &c, double &s) {
    const double theta = k * TwoPi * n * 0.00390625;
    c = std::cos(theta);
    s = std::sin(theta);
  });
}

}  // namespace HarmonicMath
