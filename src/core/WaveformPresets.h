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

// How a standard waveform is shaped: the pulses' width and a delay of the
// whole wave. The defaults give the waveforms as they are without a shape.
struct TShape {
  int DutyCycle = 25;  // percent of the period each pulse lasts, MinDutyCycle..MaxDutyCycle
  int Shift = 0;       // delay in time steps, MinShift..MaxShift
  bool operator==(const TShape &) const = default;
};
inline constexpr int MinDutyCycle = 1;
inline constexpr int MaxDutyCycle = 99;
inline constexpr int MinShift = -PeriodSteps / 2;
inline constexpr int MaxShift = PeriodSteps / 2 - 1;

// Whether shape holds values in those ranges.
bool ValidShape(const TShape &shape);

// Whether the waveform's width follows the duty cycle: the rectangular and
// the bipolar pulse. Every waveform follows the shift.
bool HasDutyCycle(TWaveform waveform);

// The first harmonic whose coefficient the waveform gives: 1 for the
// waveforms without a mean (entry 0 is then zero), 0 otherwise.
int FirstHarmonic(TWaveform waveform);

// c_k as (re, im), k = 0..25, of a waveform with an amplitude of 0.5 (the
// square) or 0.75 (the others) as the ideal wave shows it.
std::pair<double, double> Coefficient(TWaveform waveform, int k);

// c_k of the waveform shaped by shape (a valid one):
//  - a pulse of duty cycle d (as a fraction) is 0.75 for -128 d <= n < 128 d:
//    c_k = 0.75 d sinc(k d); the bipolar pulse is that pulse minus itself
//    delayed by half a period (where the two overlap they cancel);
//  - a shift of s steps multiplies c_k by e^(-j 2 pi k s / 256).
// A coefficient that is exactly zero stays (0, 0); so does one below 1e-12,
// a residue of the formulas that no shift may turn into an angle. With the
// default shape, exactly Coefficient(waveform, k).
std::pair<double, double> Coefficient(TWaveform waveform, int k, const TShape &shape);

// The ideal wave over one period, steps 0..255, centred on step 0.
std::array<double, PeriodSteps> IdealPeriod(TWaveform waveform);

// The ideal wave of the shaped waveform: the pulses as wide as the duty
// cycle says, and step i holding what the unshifted wave holds at i - shift.
std::array<double, PeriodSteps> IdealPeriod(TWaveform waveform, const TShape &shape);

}  // namespace WaveformPresets
