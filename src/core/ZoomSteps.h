#pragma once

#include <array>

// Toolkit-free arithmetic of the window zoom: the steps the View menu offers
// and the largest factor that fits a screen. A factor scales every length of
// the window's layout (1.0: the layout's own pixels).
namespace ZoomSteps {

inline constexpr std::array<double, 7> Steps = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
inline constexpr double Smallest = 1.0;
inline constexpr double Largest = 3.0;

// The largest factor at which a window of baseWidth x baseHeight at factor 1
// fits into available (both in the same units); never below Smallest. The
// window's size is taken as proportional to the factor.
double FittingFactor(double baseWidth, double baseHeight, double availableWidth,
                     double availableHeight);

// The first step above factor that is not above limit; factor itself when
// there is none.
double StepUp(double factor, double limit);

// The last step below factor; factor itself when there is none.
double StepDown(double factor);

// The largest step not above limit; Smallest when none is.
double LargestStepWithin(double limit);

// factor held to Smallest..min(Largest, limit), where limit is itself never
// taken below Smallest. A factor that is not a number gives Smallest.
double Clamp(double factor, double limit);

}  // namespace ZoomSteps
