#pragma once

#include <cstddef>

// The period of a steady tone in samples, toolkit-free: a coarse value by YIN
// (de Cheveigné and Kawahara, 2002) on one short frame, then refined over a
// whole stretch by comparing a block with the block many periods later.
// Nothing here allocates beyond its call or keeps state; any thread.
namespace PitchFinder {

// YIN's absolute threshold on the cumulative mean normalised difference: the
// first dip below it is the period. Lower refuses more real (noisy) tones;
// higher lets noise through.
inline constexpr double DipThreshold = 0.15;
// A dip this many times as deep as the deepest one counts as its equal.
inline constexpr double NearlyDeepest = 1.5;

struct TCoarse {
  double Period = 0.0;  // samples, interpolated between lags
  double Dip = 1.0;     // the normalised difference at the period (0 = exactly periodic)
};

// YIN on x[0, 2 maxLag): the difference of x[0, maxLag) with itself shifted
// by 1..maxLag samples, normalised by its running mean, and the FIRST local
// minimum whose depth, interpolated between lags, is below DipThreshold (or
// below NearlyDeepest times the deepest, when that is more), so that a
// multiple of the period (a subharmonic) is never taken for it. False when
// no minimum below maxLag dips below the threshold (a period of maxLag or
// longer has none). maxLag >= 3; x holds at least 2 maxLag samples.
bool CoarsePeriod(const double *x, int maxLag, TCoarse &coarse);

// The period refined over all n samples of x: the squared difference of a
// block at the start with the block K periods later is least at a lag of K
// periods, interpolated to a fraction of a sample, so the period's error
// shrinks as 1/K. K grows fourfold from 2 up to as many periods as x holds,
// each step searching only as far as the previous one's error allows. The
// period comes back unchanged when x holds too few periods to compare.
double RefinePeriod(const double *x, std::size_t n, double period);

}  // namespace PitchFinder
