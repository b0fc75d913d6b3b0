#pragma once

#include "HarmonicModel.h"
#include "WaveformPresets.h"

#include <cstdint>
#include <optional>
#include <vector>

// The targets of the exercises: a wave the student matches, made from a
// level and a seed, the same level and seed always giving the same target on
// every machine (the generator is std::mt19937, whose sequence the standard
// fixes, and no library distribution is used). Toolkit-free.
namespace ExerciseTargets {

inline constexpr int LevelCount = 6;

// One harmonic of a target as the editor takes it with "Use Conjugate
// Rotants" off: magnitude as typed, angle in degrees (-180..180).
struct THarmonic {
  int K = 0;
  double Magnitude = 0.0;
  double Angle = 0.0;
  bool operator==(const THarmonic &) const = default;
};

// How a target is built: either its harmonics, or (level 5) a standard
// waveform cut at a highest harmonic.
struct TRecipe {
  int Level = 1;
  std::vector<THarmonic> Harmonics;
  std::optional<WaveformPresets::TWaveform> Waveform;
  int Highest = HarmonicCount - 1;
  bool operator==(const TRecipe &) const = default;
};

// The RMS difference between the student's wave and the target's, over one
// period, below which a check at level (1..LevelCount) counts as solved.
// These are the levels' documented thresholds:
//  1: 0.02  one harmonic 1..5, magnitude 0.2..0.9 in steps of 0.1, angle 0
//  2: 0.02  two or three of harmonics 1..8, magnitudes in steps of 0.05,
//           angles 0 or 180
//  3: 0.03  as 2, angles in steps of 15 degrees
//  4: 0.03  four to six of harmonics 0..10 (harmonic 0 at 0 or 180 degrees)
//  5: 0.02  square, triangle, sawtooth, rectified cosine, rectangular or
//           bipolar pulse, cut at a highest harmonic of 3..9
//  6: 0.08  a random shape of 10..25 harmonics, falling as 1/k, angles in
//           steps of 5 degrees: meant to be drawn, then mended
// Outside 1..LevelCount: level 1's.
double Threshold(int level);

// The target of level (clamped to 1..LevelCount) for seed. Every target's
// wave stays within -0.95..0.95, inside the time plot.
TRecipe MakeRecipe(int level, std::uint32_t seed);

// The largest absolute value of the real wave sum_k m_k cos(k t + a_k) of
// harmonics, over one period of PeriodSteps steps.
double Peak(const std::vector<THarmonic> &harmonics);

}  // namespace ExerciseTargets
