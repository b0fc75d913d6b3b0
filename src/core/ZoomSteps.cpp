#include "ZoomSteps.h"

#include <algorithm>
#include <cmath>

namespace ZoomSteps {

namespace {

// Steps are compared with a little slack, so that a factor read back from a
// settings file or typed on the command line as 1.25 is that step.
constexpr double Slack = 1e-9;

}  // namespace

double FittingFactor(double baseWidth, double baseHeight, double availableWidth,
                     double availableHeight)
{
  if (!(baseWidth > 0.0) || !(baseHeight > 0.0))
    return Smallest;
  const double factor = std::min(availableWidth / baseWidth, availableHeight / baseHeight);
  return std::isfinite(factor) ? std::max(factor, Smallest) : Smallest;
}

double StepUp(double factor, double limit)
{
  for (double step : Steps) {
    if (step > factor + Slack)
      return step <= limit + Slack ? step : factor;
  }
  return factor;
}

double StepDown(double factor)
{
  for (auto step = Steps.rbegin(); step != Steps.rend(); ++step) {
    if (*step < factor - Slack)
      return *step;
  }
  return factor;
}

double LargestStepWithin(double limit)
{
  double largest = Smallest;
  for (double step : Steps) {
    if (step <= limit + Slack)
      largest = step;
  }
  return largest;
}

double Clamp(double factor, double limit)
{
  if (std::isnan(factor))
    return Smallest;
  const double top = std::max(Smallest, std::min(Largest, limit));
  return std::clamp(factor, Smallest, top);
}

}  // namespace ZoomSteps
