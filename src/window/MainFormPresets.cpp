#include "MainForm.h"

#include "FFTUnit.h"
#include "WaveformPresets.h"


// The nine waveform presets. They run right after ResetWaveform (all entries
// zero, HarmonicIndex 0, editing off). The standard presets write the
// two-sided Fourier coefficients c_k of their waveform (WaveformPresets) into
// entries 0..25 and two periods of the waveform into IdealWave; the caller
// doubles entries 1..25 for the one-sided convention.

namespace {

using WaveformPresets::TWaveform;

// Every entry passes through the editor, so it is stored with the editor's
// rounding, re-synthesises the tone and redraws.
void LoadHarmonic(TRotantsForm &form, double re, double im)
{
  form.SetPhasorEntry(re, im);
  form.LoadPhasorEditor(re, im);
}

// Loads the waveform's harmonics in ascending order (entry 0 as zero when it
// has no mean); HarmonicIndex rests at 26 afterwards. Then its ideal wave.
void LoadWaveform(TRotantsForm &form, TWaveform waveform)
{
  const int first = WaveformPresets::FirstHarmonic(waveform);
  if (first > 0) {
    form.HarmonicIndex = 0;
    LoadHarmonic(form, 0.0, 0.0);
  }
  for (int k = first; k < HarmonicCount; ++k) {
    form.HarmonicIndex = k;
    const auto [re, im] = WaveformPresets::Coefficient(waveform, k);
    LoadHarmonic(form, re, im);
  }
  form.HarmonicIndex = HarmonicCount;
  form.Document.SetIdealPeriod(WaveformPresets::IdealPeriod(waveform));
}

}  // namespace

void TRotantsForm::PresetStandard(WaveformPresets::TWaveform waveform)
{
  LoadWaveform(*this, waveform);
}

void TRotantsForm::CopyIdealPeriod()
{
  Document.RepeatIdealPeriod();
}

void TRotantsForm::PresetCustomEntries()
{
  LoadHarmonic(*this, 0.0, 0.0);
  // Above the plot's range of -1..1, so the ideal curve stays out of sight.
  for (int i = 0; i < PeriodSteps; ++i)
    IdealWave[i] = 2.0;
  CopyIdealPeriod();
  HarmonicIndex = 1;
  SetEditMode(PlacingTips);
}

void TRotantsForm::PresetCustomTime()
{
  SetEditMode(DrawingWave);
  IdealWave.fill(0.0);
}

void TRotantsForm::PresetSquare()
{
  PresetStandard(TWaveform::Square);
}

void TRotantsForm::PresetRectangularPulse()
{
  PresetStandard(TWaveform::RectangularPulse);
}

void TRotantsForm::PresetBipolarPulse()
{
  PresetStandard(TWaveform::BipolarPulse);
}

void TRotantsForm::PresetTriangle()
{
  PresetStandard(TWaveform::Triangle);
}

void TRotantsForm::PresetSawtooth()
{
  PresetStandard(TWaveform::Sawtooth);
}

void TRotantsForm::PresetRectifiedCosine()
{
  PresetStandard(TWaveform::RectifiedCosine);
}

void TRotantsForm::PresetImpulseTrain()
{
  PresetStandard(TWaveform::ImpulseTrain);
}

// Entry k becomes the drawn period's two-sided coefficient c_k, k = 0..25,
// each set and then passed through the editor, so the entries carry the
// editor's rounding and range check (a magnitude above 10, as a stroke
// dragged far above the plot gives, is stored as 0). Leaves HarmonicIndex at
// 26. The caller applies the one-sided doubling.
void TRotantsForm::SpectrumFromDrawnWave()
{
  const auto spectrum = Document.DrawnSpectrum(*FFT);
  // The editor's Update rewrites HarmonicIndex from the grid row it edited, so
  // the harmonic is counted here and handed to it afresh each time.
  for (int k = 0; k < HarmonicCount; ++k) {
    HarmonicIndex = k;
    const auto [re, im] = spectrum[std::size_t(k)];
    SetPhasorEntry(re, im);
    LoadPhasorEditor(re, im);
  }
  HarmonicIndex = HarmonicCount;
}
