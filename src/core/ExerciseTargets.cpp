#include "ExerciseTargets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>

namespace ExerciseTargets {

namespace {

constexpr std::array<double, LevelCount> Thresholds{0.02, 0.02, 0.03, 0.03, 0.02, 0.08};
constexpr double PeakLimit = 0.95;
// Drawn again until a target fits under PeakLimit; a target that still does
// not is scaled down (never seen with these ranges, kept as a guard).
constexpr int MaxDraws = 64;

// Whole numbers from the generator's raw output, so that the sequence is the
// same with every standard library.
class TPicker {
public:
  TPicker(int level, std::uint32_t seed) : Engine(seed ^ (0x9E3779B9u * std::uint32_t(level))) {}
  // 0..count-1.
  int Pick(int count) { return int(Engine() % std::uint32_t(count)); }
  // A fraction 0..1 in steps of 1/1000.
  double Fraction() { return Pick(1001) / 1000.0; }

private:
  std::mt19937 Engine;
};

// count distinct harmonics from first..last, ascending.
std::vector<int> DistinctHarmonics(TPicker &picker, int count, int first, int last)
{
  std::vector<int> pool;
  for (int k = first; k <= last; ++k)
    pool.push_back(k);
  std::vector<int> chosen;
  for (int i = 0; i < count && !pool.empty(); ++i) {
    const int at = picker.Pick(int(pool.size()));
    chosen.push_back(pool[std::size_t(at)]);
    pool.erase(pool.begin() + at);
  }
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

// An angle in steps of step degrees within -180 < a <= 180.
double SteppedAngle(TPicker &picker, int step)
{
  const int steps = 360 / step;
  return double((picker.Pick(steps) - steps / 2 + 1) * step);
}

std::vector<THarmonic> FewHarmonics(TPicker &picker, int level)
{
  const bool many = level == 4;
  const int count = many ? 4 + picker.Pick(3) : 2 + picker.Pick(2);
  const int largestSteps = many ? 6 : 8;  // magnitudes up to 0.35 or 0.45
  std::vector<THarmonic> harmonics;
  for (int k : DistinctHarmonics(picker, count, many ? 0 : 1, many ? 10 : 8)) {
    THarmonic h;
    h.K = k;
    h.Magnitude = 0.05 * (2 + picker.Pick(largestSteps));
    if (level == 2 || k == 0)
      h.Angle = picker.Pick(2) == 0 ? 0.0 : 180.0;
    else
      h.Angle = SteppedAngle(picker, 15);
    if (k == 0)
      h.Magnitude = std::min(h.Magnitude, 0.2);
    harmonics.push_back(h);
  }
  return harmonics;
}

std::vector<THarmonic> RandomShape(TPicker &picker)
{
  const int count = 10 + picker.Pick(16);
  std::vector<THarmonic> harmonics;
  for (int k = 1; k <= count; ++k)
    harmonics.push_back({k, (0.3 + 0.7 * picker.Fraction()) / k, SteppedAngle(picker, 5)});
  // Scaled to a peak of 0.8, magnitudes to 3 decimals as a student may type them.
  const double scale = 0.8 / Peak(harmonics);
  for (THarmonic &h : harmonics)
    h.Magnitude = std::max(0.001, std::round(h.Magnitude * scale * 1000.0) / 1000.0);
  return harmonics;
}

}  // namespace

double Threshold(int level)
{
  return Thresholds[std::size_t(level >= 1 && level <= LevelCount ? level - 1 : 0)];
}

double Peak(const std::vector<THarmonic> &harmonics)
{
  double peak = 0.0;
  for (int n = 0; n < PeriodSteps; ++n) {
    double value = 0.0;
    for (const THarmonic &h : harmonics)
      value += h.Magnitude
               * std::cos(2.0 * std::numbers::pi * h.K * n / PeriodSteps
                          + h.Angle * std::numbers::pi / 180.0);
    peak = std::max(peak, std::abs(value));
  }
  return peak;
}

TRecipe MakeRecipe(int level, std::uint32_t seed)
{
  TRecipe recipe;
  recipe.Level = std::clamp(level, 1, LevelCount);
  TPicker picker(recipe.Level, seed);
  switch (recipe.Level) {
  case 1:
    recipe.Harmonics.push_back({1 + picker.Pick(5), 0.1 * (2 + picker.Pick(8)), 0.0});
    break;
  case 5: {
    using WaveformPresets::TWaveform;
    constexpr std::array<TWaveform, 6> choices{
        TWaveform::Square,          TWaveform::Triangle,         TWaveform::Sawtooth,
        TWaveform::RectifiedCosine, TWaveform::RectangularPulse, TWaveform::BipolarPulse};
    recipe.Waveform = choices[std::size_t(picker.Pick(int(choices.size())))];
    recipe.Highest = 3 + picker.Pick(7);
    break;
  }
  case 6:
    recipe.Harmonics = RandomShape(picker);
    break;
  default:
    for (int draw = 0; draw < MaxDraws; ++draw) {
      recipe.Harmonics = FewHarmonics(picker, recipe.Level);
      if (Peak(recipe.Harmonics) <= PeakLimit)
        break;
    }
    if (const double peak = Peak(recipe.Harmonics); peak > PeakLimit)
      for (THarmonic &h : recipe.Harmonics)
        h.Magnitude *= PeakLimit / peak;
    break;
  }
  if (!recipe.Waveform)
    recipe.Highest = recipe.Harmonics.back().K;
  return recipe;
}

}  // namespace ExerciseTargets
