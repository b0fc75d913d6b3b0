#include "WaveformPresets.h"

#include <cmath>

namespace WaveformPresets {

using HarmonicMath::Pi;
using HarmonicMath::Sinc;

namespace {

// A coefficient smaller than this is a residue of the formulas (a sinc at a
// whole number), not a harmonic.
constexpr double Residue = 1e-12;

// Whether step n of a period centred on step 0 (n in -128..127) lies inside
// a pulse of dutyCycle percent: -128 d <= n < 128 d, in whole numbers.
bool InPulse(int n, int dutyCycle)
{
  const int edge = (PeriodSteps / 2) * dutyCycle;
  return n * 100 >= -edge && n * 100 < edge;
}

// Step i (0..255) of a period as a step centred on 0 (-128..127).
int Centred(int i)
{
  return i < PeriodSteps / 2 ? i : i - PeriodSteps;
}

// cos and sin of -2 pi m / 256, exact where they are 0 or +-1.
std::pair<double, double> DelayTurn(int m)
{
  switch (m) {
  case 0:
    return {1.0, 0.0};
  case PeriodSteps / 4:
    return {0.0, -1.0};
  case PeriodSteps / 2:
    return {-1.0, 0.0};
  case 3 * PeriodSteps / 4:
    return {0.0, 1.0};
  default:
    const double angle = -HarmonicMath::TwoPi * m / PeriodSteps;
    return {std::cos(angle), std::sin(angle)};
  }
}

}  // namespace

bool ValidShape(const TShape &shape)
{
  return shape.DutyCycle >= MinDutyCycle && shape.DutyCycle <= MaxDutyCycle
         && shape.Shift >= MinShift && shape.Shift <= MaxShift;
}

bool HasDutyCycle(TWaveform waveform)
{
  return waveform == TWaveform::RectangularPulse || waveform == TWaveform::BipolarPulse;
}

int FirstHarmonic(TWaveform waveform)
{
  switch (waveform) {
  case TWaveform::Square:
  case TWaveform::Triangle:
  case TWaveform::Sawtooth:
    return 1;
  default:
    return 0;
  }
}

std::pair<double, double> Coefficient(TWaveform waveform, int k)
{
  switch (waveform) {
  case TWaveform::Square:  // +-0.5, centred on step 0: 0.5 sinc(k/2)
    return {Sinc(k * 0.5) * 0.5, 0.0};
  case TWaveform::RectangularPulse:  // 0.75 over a quarter period: 0.1875 sinc(k/4)
    return {Sinc(k * 0.25) * 0.1875, 0.0};
  case TWaveform::BipolarPulse:
    // The rectangular pulse minus itself delayed by half a period: odd
    // harmonics only, twice as strong.
    return {k % 2 == 1 ? Sinc(k * 0.25) * 0.375 : 0.0, 0.0};
  case TWaveform::Triangle:
    // 0.75 sinc^2(k/2). The Sinc(k) term is zero for integer k and only
    // leaves a residue of ~1e-17, which the entries have always carried.
    return {(Sinc(k * 0.5) * Sinc(k * 0.5) - Sinc(k)) * 0.75, 0.0};
  case TWaveform::Sawtooth:  // j 0.75 (-1)^k / (pi k)
    return {0.0, std::cos(k * Pi) * 0.75 / (k * Pi)};
  case TWaveform::RectifiedCosine:  // 0.75 (2/pi) (-1)^k / (1 - 4k^2)
    return {(Sinc(k - 0.5) + Sinc(k + 0.5)) * 0.375, 0.0};
  case TWaveform::ImpulseTrain:
    // A constant 0.02 rather than the coefficients of the unit impulse: the
    // full sum peaks at 1.02 against an ideal height of 1.
    return {0.02, 0.0};
  }
  return {0.0, 0.0};
}

std::pair<double, double> Coefficient(TWaveform waveform, int k, const TShape &shape)
{
  std::pair<double, double> c = Coefficient(waveform, k);
  if (HasDutyCycle(waveform)) {
    // k d with d = DutyCycle / 100 as one division, so that the default
    // quarter gives k * 0.25 exactly.
    const double d = shape.DutyCycle / 100.0;
    const double sinc = Sinc(k * shape.DutyCycle / 100.0);
    if (waveform == TWaveform::RectangularPulse)
      c = {sinc * (0.75 * d), 0.0};
    else
      c = {k % 2 == 1 ? sinc * (1.5 * d) : 0.0, 0.0};
  }
  if (shape.Shift == 0)
    return c;
  if (std::hypot(c.first, c.second) < Residue)
    return {0.0, 0.0};
  const int m = ((k * shape.Shift) % PeriodSteps + PeriodSteps) % PeriodSteps;
  const auto [cosine, sine] = DelayTurn(m);
  return {c.first * cosine - c.second * sine, c.first * sine + c.second * cosine};
}

std::array<double, PeriodSteps> IdealPeriod(TWaveform waveform, const TShape &shape)
{
  std::array<double, PeriodSteps> unshifted = IdealPeriod(waveform);
  if (HasDutyCycle(waveform)) {
    const bool bipolar = waveform == TWaveform::BipolarPulse;
    for (int i = 0; i < PeriodSteps; ++i) {
      const int n = Centred(i);
      double v = InPulse(n, shape.DutyCycle) ? 0.75 : 0.0;
      if (bipolar && InPulse(Centred((i + PeriodSteps / 2) % PeriodSteps), shape.DutyCycle))
        v -= 0.75;
      unshifted[std::size_t(i)] = v;
    }
  }
  std::array<double, PeriodSteps> wave{};
  for (int i = 0; i < PeriodSteps; ++i)
    wave[std::size_t(i)] =
        unshifted[std::size_t(((i - shape.Shift) % PeriodSteps + PeriodSteps) % PeriodSteps)];
  return wave;
}

std::array<double, PeriodSteps> IdealPeriod(TWaveform waveform)
{
  std::array<double, PeriodSteps> wave{};
  for (int i = 0; i < PeriodSteps; ++i) {
    double &v = wave[std::size_t(i)];
    switch (waveform) {
    case TWaveform::Square:
      v = (i < 64 || i >= 192) ? 0.5 : -0.5;
      break;
    case TWaveform::RectangularPulse:
      v = (i < 32 || i >= 224) ? 0.75 : 0.0;
      break;
    case TWaveform::BipolarPulse:
      v = (i < 32 || i >= 224) ? 0.75 : (i >= 96 && i < 160) ? -0.75 : 0.0;
      break;
    case TWaveform::Triangle:  // 0.75 at step 0 falling linearly to -0.75 at step 128
      v = i < 128 ? (i - 64) * -0.75 * 0.015625 : (i - 192) * 0.75 * 0.015625;
      break;
    case TWaveform::Sawtooth:  // through 0 at step 0, from +0.75 to -0.75 at step 128
      v = i < 128 ? i * 0.75 * 0.0078125 : (i - 256) * 0.75 * 0.0078125;
      break;
    case TWaveform::RectifiedCosine:  // 0.75 |cos(pi i / 256)|
      v = std::fabs(std::cos(i * HarmonicMath::TwoPi * 0.001953125)) * 0.75;
      break;
    case TWaveform::ImpulseTrain:
      v = i == 0 ? 1.0 : 0.0;
      break;
    }
  }
  return wave;
}

}  // namespace WaveformPresets
