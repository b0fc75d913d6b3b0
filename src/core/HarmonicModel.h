#pragma once

#include <array>

// Toolkit-free arithmetic of the harmonic phasor set. The main window's
// operations of the same names call these; nothing here touches a widget.

// One harmonic's phasor entry. Re/Im: the phasor at time step 0. RotRe/RotIm:
// rotated to the time step of the latest rotation. SumRe/SumIm: running sum of
// the rotated values over harmonics 0 up to this one (the chain's tip).
struct HarmonicPhasor {
  double Re = 0.0;
  double Im = 0.0;
  double RotRe = 0.0;
  double RotIm = 0.0;
  double SumRe = 0.0;
  double SumIm = 0.0;
};

inline constexpr int HarmonicCount = 26;  // harmonics 0..25
inline constexpr int SweepSteps = 512;    // time steps 0..511, two periods
inline constexpr int PeriodSteps = 256;   // one period of the fundamental

using TPhasorArray = std::array<HarmonicPhasor, HarmonicCount>;

namespace HarmonicMath {

inline constexpr double Pi = 3.141592653589793;
inline constexpr double TwoPi = 6.283185307179586;

// Magnitude and angle in degrees (-180..180). atan2 is never called with a zero
// real part, and a magnitude below 1e-6 always has angle 0, so values that are
// zero in exact arithmetic never show as 180 degrees. An imaginary part of -0
// counts as 0, so the negative real axis is always +180 degrees.
void RectToPolar(double re, double im, double &magnitude, double &angle);

// Angle in degrees. No residue is removed: 180 degrees leaves ~1e-16 in Im.
void PolarToRect(double magnitude, double angle, double &re, double &im);

// Normalised sinc: 1 at exactly 0, sin(pi x)/(pi x) elsewhere.
double Sinc(double x);

// Rotates entries 0..highest to time step n (harmonic k turns by 2 pi k n / 256)
// and forms their running sums; entries above highest are left untouched.
// Every such angle is a multiple of 2 pi / 256, so the cosines and sines come
// from a table of those 256 angles (each computed directly): within a few ulps
// of RotateToTimeStepDirect, without its 2 (highest + 1) libm calls.
void RotateToTimeStep(TPhasorArray &entries, int highest, int n);

// The running sums through entry highest (the chain's tip) that
// RotateToTimeStep(entries, highest, n) would form, bit for bit, without
// writing any entry.
void TipAtTimeStep(const TPhasorArray &entries, int highest, int n, double &sumRe,
                   double &sumIm);

// The real part of entry turned as harmonic k to time step n, from the same
// table: the RotRe that RotateToTimeStep would give it.
double RotatedReAtTimeStep(const HarmonicPhasor &entry, int k, int n);

// The same rotation with cos and sin of 2 pi k n / 256 evaluated for each k.
void RotateToTimeStepDirect(TPhasorArray &entries, int highest, int n);

}  // namespace HarmonicMath
