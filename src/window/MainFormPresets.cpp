#include "MainForm.h"

#include <QLabel>

#include <cmath>
#include <utility>

// The nine waveform presets. They run right after ResetWaveform (all entries
// zero, HarmonicIndex 0, editing off). The standard presets write the
// two-sided Fourier coefficients c_k of their waveform into entries 0..25 and
// two periods of the waveform into IdealWave; the caller doubles entries 1..25
// for the one-sided convention.

namespace {

using HarmonicMath::Pi;

// Every entry passes through the editor, so it is stored with the editor's
// rounding, re-synthesises the tone and redraws.
void LoadHarmonic(TRotantsForm &form, double re, double im)
{
  form.SetPhasorEntry(re, im);
  form.LoadPhasorEditor(re, im);
}

// Loads harmonics first..25 in ascending order from coefficient(k), which
// returns (re, im). HarmonicIndex rests at 26 afterwards.
template <typename TCoefficient>
void LoadHarmonics(TRotantsForm &form, int first, TCoefficient coefficient)
{
  for (int k = first; k < HarmonicCount; ++k) {
    form.HarmonicIndex = k;
    const auto [re, im] = coefficient(k);
    LoadHarmonic(form, re, im);
  }
  form.HarmonicIndex = HarmonicCount;
}

// Waveforms with no mean: entry 0 is set to zero and the series starts at 1.
template <typename TCoefficient>
void LoadZeroMeanHarmonics(TRotantsForm &form, TCoefficient coefficient)
{
  form.HarmonicIndex = 0;
  LoadHarmonic(form, 0.0, 0.0);
  LoadHarmonics(form, 1, coefficient);
}

std::pair<double, double> Real(double re)
{
  return {re, 0.0};
}

}  // namespace

void TRotantsForm::CopyIdealPeriod()
{
  for (int i = 0; i < PeriodSteps; ++i)
    IdealWave[i + PeriodSteps] = IdealWave[i];
}

void TRotantsForm::PresetCustomEntries()
{
  LoadHarmonic(*this, 0.0, 0.0);
  // Above the plot's range of -1..1, so the ideal curve stays out of sight.
  for (int i = 0; i < PeriodSteps; ++i)
    IdealWave[i] = 2.0;
  CopyIdealPeriod();
  HarmonicIndex = 1;
  EditMode = 1;
  PhasorHelpLabel->setVisible(true);
  TimeHelpLabel->setVisible(false);
}

void TRotantsForm::PresetCustomTime()
{
  SetEditMode(2);
  IdealWave.fill(0.0);
}

// +-0.5, centred on step 0: c_k = 0.5 sinc(k/2).
void TRotantsForm::PresetSquare()
{
  LoadZeroMeanHarmonics(*this, [this](int k) { return Real(Sinc(k * 0.5) * 0.5); });
  for (int i = 0; i < PeriodSteps; ++i)
    IdealWave[i] = (i < 64 || i >= 192) ? 0.5 : -0.5;
  CopyIdealPeriod();
}

// 0.75 over a quarter period centred on step 0: c_k = 0.1875 sinc(k/4).
void TRotantsForm::PresetRectangularPulse()
{
  LoadHarmonics(*this, 0, [this](int k) { return Real(Sinc(k * 0.25) * 0.1875); });
  for (int i = 0; i < PeriodSteps; ++i)
    IdealWave[i] = (i < 32 || i >= 224) ? 0.75 : 0.0;
  CopyIdealPeriod();
}

// The rectangular pulse minus itself delayed by half a period: odd harmonics
// only, twice as strong.
void TRotantsForm::PresetBipolarPulse()
{
  LoadHarmonics(*this, 0, [this](int k) {
    return Real(k % 2 == 1 ? Sinc(k * 0.25) * 0.375 : 0.0);
  });
  for (int i = 0; i < PeriodSteps; ++i) {
    if (i < 32 || i >= 224)
      IdealWave[i] = 0.75;
    else if (i >= 96 && i < 160)
      IdealWave[i] = -0.75;
    else
      IdealWave[i] = 0.0;
  }
  CopyIdealPeriod();
}

// 0.75 at step 0 falling linearly to -0.75 at step 128: c_k = 0.75 sinc^2(k/2).
// The Sinc(k) term is zero for integer k and only leaves a residue of ~1e-17.
void TRotantsForm::PresetTriangle()
{
  LoadZeroMeanHarmonics(*this, [this](int k) {
    return Real((Sinc(k * 0.5) * Sinc(k * 0.5) - Sinc(k)) * 0.75);
  });
  for (int i = 0; i < PeriodSteps; ++i)
    IdealWave[i] = i < 128 ? (i - 64) * -0.75 * 0.015625 : (i - 192) * 0.75 * 0.015625;
  CopyIdealPeriod();
}

// Rises through 0 at step 0 and jumps from +0.75 to -0.75 at step 128:
// c_k = j 0.75 (-1)^k / (pi k).
void TRotantsForm::PresetSawtooth()
{
  LoadZeroMeanHarmonics(*this, [](int k) {
    return std::pair<double, double>{0.0, std::cos(k * Pi) * 0.75 / (k * Pi)};
  });
  for (int i = 0; i < PeriodSteps; ++i)
    IdealWave[i] = i < 128 ? i * 0.75 * 0.0078125 : (i - 256) * 0.75 * 0.0078125;
  CopyIdealPeriod();
}

// 0.75 |cos(pi n / 256)|: c_k = 0.75 (2/pi) (-1)^k / (1 - 4k^2).
void TRotantsForm::PresetRectifiedCosine()
{
  LoadHarmonics(*this, 0, [this](int k) {
    return Real((Sinc(k - 0.5) + Sinc(k + 0.5)) * 0.375);
  });
  for (int i = 0; i < PeriodSteps; ++i)
    IdealWave[i] = std::fabs(std::cos(i * HarmonicMath::TwoPi * 0.001953125)) * 0.75;
  CopyIdealPeriod();
}

// A constant 0.02 for every harmonic rather than the coefficients of the unit
// impulse: the full sum peaks at 1.02 against an ideal height of 1.
void TRotantsForm::PresetImpulseTrain()
{
  LoadHarmonics(*this, 0, [](int) { return Real(0.02); });
  IdealWave.fill(0.0);
  IdealWave[0] = 1.0;
  CopyIdealPeriod();
}
