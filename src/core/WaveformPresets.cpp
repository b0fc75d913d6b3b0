#include "WaveformPresets.h"

#include <cmath>

namespace WaveformPresets {

using HarmonicMath::Pi;
using HarmonicMath::Sinc;

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
