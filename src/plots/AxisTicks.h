#pragma once

#include <QString>

// The numbered ticks of the plots, shared by the exported figure and the
// window's View > Axes, so both number the same places the same way.

// Values of both plots and of the phasor plane's axes.
inline constexpr double ValueTicks[] = {-1.0, -0.5, 0.0, 0.5, 1.0};
// Time steps of the time plot.
inline constexpr int StepTicks[] = {0, 128, 256, 384, 511};

// A tick's number: '.' whatever the locale; "-0.5", "0", "1", "511".
inline QString NumberText(double value)
{
  return QString::number(value, 'g', 6);
}
