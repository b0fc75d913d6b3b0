#pragma once

#include "ImageCanvas.h"
#include "SpectrumGeometry.h"

// Draws the spectrum strip onto its canvas with the canvas's own operations,
// so that at a zoom or on a HiDPI screen it is drawn at the display's
// resolution like the other plots: a white plot in a black frame; one bar per
// harmonic in the main chain's magenta (the mirrored c-k of the two-sided
// picture in the mirror chain's purple), faded above the highest harmonic;
// the selected harmonic's column tinted, and its bars and marks in the
// highlight colour while Highlight is on; the scale's labels and grid lines;
// every fifth harmonic numbered under the bars; and the phase row with a
// mark per harmonic that has an angle. Leaves the canvas's pen and brush as
// it found them.
void DrawSpectrum(TImageCanvas &canvas, const TSpectrumGeometry &geometry,
                  const TSpectrumScale &scale, const TSpectrumContent &content);

// The colours of the chains and the highlight, which the strip shares with
// the phasor plane.
inline constexpr TColour SpectrumBarColour = 0xFF00FF;
inline constexpr TColour SpectrumMirrorBarColour = 0x800080;
inline constexpr TColour SpectrumHighlightColour = 0x00B0FF;
// Another set's spectrum (an exercise's target) drawn as outlines.
inline constexpr TColour SpectrumOutlineColour = 0xC06000;
// The tint of the selected harmonic's column, and while Highlight is on.
inline constexpr TColour SpectrumSelectionColour = 0xE8E8E8;
inline constexpr TColour SpectrumHighlightSelectionColour = 0xC8F0FF;  // a pale amber

// The colour two thirds of the way to white: harmonics that take no part.
TColour SpectrumFaded(TColour colour);
