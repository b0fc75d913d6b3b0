#pragma once

#include "HarmonicModel.h"

#include <array>
#include <utility>

// The standard waveforms as numbers: the two-sided Fourier coefficient c_k of
// each and one period of its ideal wave. Toolkit-free; the window loads the
// coefficients through its editor, which rounds them as it shows them.
namespace WaveformPresets {

enum class TWaveform { Square, RectangularPulse, BipolarPulse, Triangle, Sawtooth, RectifiedCosine,
                       ImpulseTrain };

// The first harmonic whose coefficient the waveform gives: 1 for the
// waveforms without a mean (entry 0 is then zero), 0 otherwise.
int FirstHarmonic(TWaveform waveform);

// c_k as (re, im), k = 0..25, of a waveform with an amplitude of 0.5 (the
// square) or 0.75 (the others) as the ideal wave shows it.
std::pair<double, double> Coefficient(TWaveform waveform, int k);

// The ideal wave over one period, steps 0..255, centred on step 0.
std::array<double, PeriodSteps> IdealPeriod(TWaveform waveform);

}  // namespace WaveformPresets
