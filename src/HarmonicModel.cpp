#include "HarmonicModel.h"

#include <cmath>

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

void RotateToTimeStep(TPhasorArray &entries, int highest, int n)
{
  double runRe = 0.0;
  double runIm = 0.0;
  for (int k = 0; k <= highest && k < HarmonicCount; ++k) {
    HarmonicPhasor &e = entries[k];
    const double theta = k * TwoPi * n * 0.00390625;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    e.RotRe = e.Re * c - e.Im * s;
    e.RotIm = e.Re * s + e.Im * c;
    runRe += e.RotRe;
    e.SumRe = runRe;
    runIm += e.RotIm;
    e.SumIm = runIm;
  }
}

}  // namespace HarmonicMath
