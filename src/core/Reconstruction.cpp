#include "Reconstruction.h"

#include <algorithm>
#include <cmath>

namespace Reconstruction {

namespace {

double ValueOfRotated(const TPhasorArray &rotated, int highest, bool conjugate)
{
  const double top = rotated[std::clamp(highest, 0, HarmonicCount - 1)].SumRe;
  return conjugate ? 2.0 * top - rotated[0].SumRe : top;
}

}  // namespace

double RealValueAt(const TPhasorArray &entries, int highest, bool conjugate, int n)
{
  TPhasorArray rotated = entries;
  HarmonicMath::RotateToTimeStep(rotated, highest, n);
  return ValueOfRotated(rotated, highest, conjugate);
}

std::array<double, SweepSteps> RealValues(const TPhasorArray &entries, int highest,
                                          bool conjugate)
{
  std::array<double, SweepSteps> values{};
  TPhasorArray rotated = entries;
  for (int n = 0; n < SweepSteps; ++n) {
    HarmonicMath::RotateToTimeStep(rotated, highest, n);
    values[n] = ValueOfRotated(rotated, highest, conjugate);
  }
  return values;
}

double ComponentOf(const HarmonicPhasor &rotated, int harmonic, bool conjugate)
{
  if (harmonic == 0)
    return rotated.Re;
  return conjugate ? 2.0 * rotated.RotRe : rotated.RotRe;
}

double RmsError(const TPhasorArray &entries, int highest, bool conjugate,
                const std::array<double, SweepSteps> &ideal)
{
  TPhasorArray rotated = entries;
  double sum = 0.0;
  for (int n = 0; n < PeriodSteps; ++n) {
    HarmonicMath::RotateToTimeStep(rotated, highest, n);
    const double difference = ValueOfRotated(rotated, highest, conjugate) - ideal[n];
    sum += difference * difference;
  }
  return std::sqrt(sum / PeriodSteps);
}

}  // namespace Reconstruction
