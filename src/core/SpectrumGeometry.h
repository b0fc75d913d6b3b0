#pragma once

#include "HarmonicModel.h"

#include <array>
#include <optional>
#include <string>

// Toolkit-free geometry of the spectrum strip: one bar per harmonic whose
// height stands for its magnitude on a linear or a decibel scale, and under
// the bars a phase row in which a mark's height stands for the angle. All
// positions are in the strip canvas's own pixels (x to the right, y down).

// The largest magnitude the editor takes; a dragged magnitude never exceeds it.
inline constexpr double SpectrumMaxMagnitude = 10.0;
// Magnitudes below this have no angle (see HarmonicMath::RectToPolar) and no
// phase mark.
inline constexpr double SpectrumNoAngleBelow = 1e-6;

// A rectangle of canvas pixels; Height 0 is a bar of no height at the
// baseline, which still tells its column.
struct TSpectrumBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TSpectrumBox &) const = default;
};

// The magnitude scale of the bars: linear from 0 to Top, or decibels
// (20 log10) over a range of 60 dB below Top.
class TSpectrumScale {
public:
  static constexpr double DecibelRange = 60.0;

  // The scale whose top lies just above largest (a magnitude >= 0), so that
  // a bar dragged to the top makes the next scale larger: in linear steps of
  // 1, 2 and 5 times a power of ten from 0.01, in decibels a multiple of
  // 10 dB from -40 dB; never above SpectrumMaxMagnitude (20 dB). Without any
  // magnitude (all below 1e-6) the top is 1 (0 dB).
  static TSpectrumScale Fitting(double largest, bool decibels);

  bool Decibels() const { return InDecibels; }
  // The magnitude at the top of the bars' area.
  double Top() const { return TopMagnitude; }
  // The height of a magnitude as a fraction 0..1 of the bars' area.
  double Fraction(double magnitude) const;
  // The magnitude a height (a fraction of the bars' area) stands for, held
  // to 0..min(Top, SpectrumMaxMagnitude): 0 at or below the baseline.
  double MagnitudeAt(double fraction) const;

  // Labelled heights from the baseline up: the linear scale has 0, Top / 2
  // and Top; the decibel scale every 20 dB, the top one with its unit.
  int Ticks() const { return InDecibels ? 4 : 3; }
  double TickFraction(int i) const;
  std::string TickText(int i) const;

  bool operator==(const TSpectrumScale &) const = default;

private:
  bool InDecibels = false;
  double TopMagnitude = 1.0;
  double TopDecibels = 0.0;
};

// Where a press on the strip landed.
struct TSpectrumHit {
  int Harmonic = 0;    // as pictured: -25..25 in the two-sided picture
  bool Phase = false;  // in the phase row; otherwise on the bars
};

// The strip's layout for a canvas of width x height pixels (height at least
// MinimumHeight). One-sided: harmonics 0..25; two-sided: -25..25, c-k the
// mirror image of ck. Each harmonic owns a column (its slot) of equal width;
// the columns lie side by side between the magnitude scale's labels on the
// left and the phase row's on the right. From the top: the bars standing on
// their baseline, the phase row, and the harmonic numbers under both.
class TSpectrumGeometry {
public:
  static constexpr int MinimumHeight = 112;

  TSpectrumGeometry(int width, int height, bool twoSided);

  bool TwoSided() const { return IsTwoSided; }
  int First() const { return IsTwoSided ? -(HarmonicCount - 1) : 0; }
  int Last() const { return HarmonicCount - 1; }
  bool Shows(int k) const { return k >= First() && k <= Last(); }

  int Width() const { return CanvasWidth; }
  int Height() const { return CanvasHeight; }
  // Left edge and width of every slot; the slots end at SlotsRight().
  int SlotsLeft() const { return FirstSlotLeft; }
  int SlotsRight() const { return FirstSlotLeft + SlotWidth * SlotCount(); }
  int SlotCount() const { return Last() - First() + 1; }
  int SlotPitch() const { return SlotWidth; }
  // The right end of the magnitude labels and the left end of the phase
  // labels.
  int ScaleLabelRight() const { return LabelMargin - LabelGap; }
  int PhaseLabelLeft() const { return CanvasWidth - RightMargin + LabelGap; }

  // The column of harmonic k from the top of the bars' area down to its
  // number; empty for a harmonic the picture does not show.
  TSpectrumBox Slot(int k) const;
  // The bar of harmonic k at a height of fraction (0..1) of the bars' area:
  // it stands on the baseline, BarAreaHeight() pixels tall at fraction 1.
  TSpectrumBox Bar(int k, double fraction) const;
  // The mark of an angle (degrees, -180..180) in harmonic k's column, inside the phase row.
  TSpectrumBox PhaseMark(int k, double angle) const;
  // The centre of harmonic k's column.
  int SlotCentre(int k) const;

  // Bars stand on row Baseline(); a bar of fraction 1 reaches row BarAreaTop().
  int BarAreaTop() const { return BarTop; }
  int Baseline() const { return BarTop + BarHeight; }
  int BarAreaHeight() const { return BarHeight; }
  // The phase row: +180 degrees at PhaseTop(), -180 at PhaseBottom(), 0 midway.
  int PhaseTop() const { return PhaseZero() - PhaseHalf; }
  int PhaseBottom() const { return PhaseZero() + PhaseHalf; }
  int PhaseZero() const { return Baseline() + PhaseGap + PhaseHalf; }
  // The row of the harmonic numbers' centres.
  int NumberRow() const { return PhaseBottom() + 9; }

  // The row an angle is marked at, and the angle a row stands for (held to
  // -180..180; each row is DegreesPerRow apart).
  int PhaseRow(double angle) const;
  double AngleAt(int y) const;
  // The fraction of the bars' area a row stands for, held to 0..1: the row a
  // bar of that height reaches.
  double FractionAt(int y) const;

  // The harmonic whose column holds x and whether y lies in the phase row or
  // below it, or above it on the bars; none outside the columns.
  std::optional<TSpectrumHit> HitAt(int x, int y) const;

  static constexpr double DegreesPerRow = 15.0;

private:
  static constexpr int BarTop = 8;
  static constexpr int BarHeight = 60;
  static constexpr int PhaseGap = 4;    // rows between the baseline and +180 degrees
  static constexpr int PhaseHalf = 12;  // rows from 0 to 180 degrees
  static constexpr int LabelMargin = 36;
  static constexpr int RightMargin = 32;
  static constexpr int LabelGap = 4;

  int CanvasWidth;
  int CanvasHeight;
  bool IsTwoSided;
  int SlotWidth = 1;
  int FirstSlotLeft = 0;
  int BarInset = 0;  // columns between a slot's edges and its bar
};

// What the strip pictures: the magnitude and angle of every entry as the
// editor shows them, which harmonics take part, and the selected one.
struct TSpectrumContent {
  std::array<double, HarmonicCount> Magnitudes{};
  std::array<double, HarmonicCount> Angles{};  // degrees, -180..180
  int Highest = HarmonicCount - 1;  // harmonics above it are drawn faded
  int Selected = 0;                 // 0..25, marked (both of +-k two-sided)
  bool Highlight = false;           // the selection in the highlight colour
  bool TwoSided = false;
  // Another set's spectrum (an exercise's target), drawn as outlines over the
  // bars and phase marks while HasOutlines.
  bool HasOutlines = false;
  std::array<double, HarmonicCount> OutlineMagnitudes{};
  std::array<double, HarmonicCount> OutlineAngles{};

  // Magnitudes and angles of the entries' step-0 values.
  void SetEntries(const TPhasorArray &entries);
  // The outlines from another set's entries.
  void SetOutlines(const TPhasorArray &entries);
  // The largest magnitude drawn, outlines included.
  double Largest() const;
  // Harmonic k as pictured: c-k has the magnitude of ck and the opposite angle.
  double MagnitudeOf(int k) const;
  double AngleOf(int k) const;

  bool operator==(const TSpectrumContent &) const = default;
};
