#pragma once

#include "HarmonicModel.h"

#include <array>

// Toolkit-free reconstruction of the waveform from the entries, computed the
// way the time plot computes it (the same rotation, the same sums in the same
// order), so that its values are bit for bit those of ReconWave. Nothing here
// changes the entries it is given.
namespace Reconstruction {

// The real value at time step n of entries 0..highest: in the conjugate
// convention 2 * SumRe(highest) - SumRe(0), otherwise SumRe(highest).
double RealValueAt(const TPhasorArray &entries, int highest, bool conjugate, int n);

// The real values of steps 0..SweepSteps - 1.
std::array<double, SweepSteps> RealValues(const TPhasorArray &entries, int highest,
                                          bool conjugate);

// One harmonic's own part of the real value, given the entry already rotated to
// the step: harmonic 0 is its constant; harmonic k > 0 is the real part of its
// rotated phasor, twice that in the conjugate convention (the pair's sum).
double ComponentOf(const HarmonicPhasor &rotated, int harmonic, bool conjugate);

// Root-mean-square difference between the reconstruction over one whole
// period (steps 0..PeriodSteps - 1) and ideal[0..PeriodSteps - 1].
double RmsError(const TPhasorArray &entries, int highest, bool conjugate,
                const std::array<double, SweepSteps> &ideal);

}  // namespace Reconstruction
