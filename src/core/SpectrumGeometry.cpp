#include "SpectrumGeometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Linear tops: 1, 2 and 5 times the powers of ten from 0.01 to 10.
constexpr std::array<double, 10> LinearTops = {0.01, 0.02, 0.05, 0.1, 0.2,
                                               0.5,  1.0,  2.0,  5.0, 10.0};
constexpr double LowestTopDecibels = -40.0;
constexpr double DecibelStep = 10.0;
constexpr double DecibelTick = 20.0;

double ToDecibels(double magnitude)
{
  return 20.0 * std::log10(magnitude);
}

// A tick value in its shortest form: "0.25", "5", "0.005", "-20".
std::string ShortNumber(double value)
{
  std::array<char, 32> text{};
  const char *const end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  return std::string(text.data(), std::size_t(end - text.data()));
}

int RoundToInt(double v)
{
  return int(std::lround(v));
}

}  // namespace

TSpectrumScale TSpectrumScale::Fitting(double largest, bool decibels)
{
  TSpectrumScale scale;
  scale.InDecibels = decibels;
  if (!(largest >= SpectrumNoAngleBelow)) {
    scale.TopMagnitude = 1.0;
    scale.TopDecibels = 0.0;
    return scale;
  }
  const double maxDecibels = ToDecibels(SpectrumMaxMagnitude);
  if (decibels) {
    double top = (std::floor(ToDecibels(largest) / DecibelStep) + 1.0) * DecibelStep;
    top = std::clamp(top, LowestTopDecibels, maxDecibels);
    scale.TopDecibels = top;
    scale.TopMagnitude = top == maxDecibels ? SpectrumMaxMagnitude : std::pow(10.0, top / 20.0);
    return scale;
  }
  scale.TopMagnitude = SpectrumMaxMagnitude;
  for (double top : LinearTops) {
    if (top > largest) {
      scale.TopMagnitude = top;
      break;
    }
  }
  scale.TopDecibels = ToDecibels(scale.TopMagnitude);
  return scale;
}

double TSpectrumScale::Fraction(double magnitude) const
{
  if (!(magnitude > 0.0))
    return 0.0;
  const double fraction =
      InDecibels ? (ToDecibels(magnitude) - (TopDecibels - DecibelRange)) / DecibelRange
                 : magnitude / TopMagnitude;
  return std::clamp(fraction, 0.0, 1.0);
}

double TSpectrumScale::MagnitudeAt(double fraction) const
{
  if (!(fraction > 0.0))
    return 0.0;
  fraction = std::min(fraction, 1.0);
  const double magnitude =
      InDecibels ? std::pow(10.0, (TopDecibels - DecibelRange * (1.0 - fraction)) / 20.0)
                 : fraction * TopMagnitude;
  return std::min({magnitude, TopMagnitude, SpectrumMaxMagnitude});
}

double TSpectrumScale::TickFraction(int i) const
{
  return InDecibels ? i * DecibelTick / DecibelRange : i / 2.0;
}

std::string TSpectrumScale::TickText(int i) const
{
  if (!InDecibels)
    return ShortNumber(TopMagnitude * i / 2.0);
  const double value = TopDecibels - DecibelRange + i * DecibelTick;
  const std::string number = ShortNumber(value);
  return i == Ticks() - 1 ? number + " dB" : number;
}

TSpectrumGeometry::TSpectrumGeometry(int width, int height, bool twoSided)
    : CanvasWidth(width), CanvasHeight(std::max(height, MinimumHeight)), IsTwoSided(twoSided)
{
  const int room = std::max(SlotCount(), width - LabelMargin - RightMargin);
  SlotWidth = room / SlotCount();
  FirstSlotLeft = LabelMargin + (room - SlotWidth * SlotCount()) / 2;
  BarInset = std::max(1, SlotWidth / 6);
  if (SlotWidth - 2 * BarInset < 1)
    BarInset = 0;
}

TSpectrumBox TSpectrumGeometry::Slot(int k) const
{
  if (!Shows(k))
    return {};
  return {FirstSlotLeft + (k - First()) * SlotWidth, BarAreaTop(), SlotWidth,
          NumberRow() + 6 - BarAreaTop()};
}

int TSpectrumGeometry::SlotCentre(int k) const
{
  return FirstSlotLeft + (k - First()) * SlotWidth + SlotWidth / 2;
}

TSpectrumBox TSpectrumGeometry::Bar(int k, double fraction) const
{
  if (!Shows(k))
    return {};
  const int height = RoundToInt(std::clamp(fraction, 0.0, 1.0) * BarHeight);
  return {FirstSlotLeft + (k - First()) * SlotWidth + BarInset, Baseline() - height,
          SlotWidth - 2 * BarInset, height};
}

TSpectrumBox TSpectrumGeometry::PhaseMark(int k, double angle) const
{
  if (!Shows(k))
    return {};
  // Three rows centred on the angle's row, moved inside the row's lines at
  // +-180 degrees rather than reaching past them.
  const int top = std::clamp(PhaseRow(angle) - 1, PhaseTop(), PhaseBottom() - 2);
  return {FirstSlotLeft + (k - First()) * SlotWidth + BarInset, top, SlotWidth - 2 * BarInset, 3};
}

int TSpectrumGeometry::PhaseRow(double angle) const
{
  return PhaseZero() - RoundToInt(std::clamp(angle, -180.0, 180.0) / DegreesPerRow);
}

double TSpectrumGeometry::AngleAt(int y) const
{
  return std::clamp((PhaseZero() - double(y)) * DegreesPerRow, -180.0, 180.0);
}

double TSpectrumGeometry::FractionAt(int y) const
{
  return std::clamp((Baseline() - double(y)) / BarHeight, 0.0, 1.0);
}

std::optional<TSpectrumHit> TSpectrumGeometry::HitAt(int x, int y) const
{
  if (x < FirstSlotLeft || x >= SlotsRight() || y < 0 || y >= CanvasHeight)
    return std::nullopt;
  TSpectrumHit hit;
  hit.Harmonic = First() + (x - FirstSlotLeft) / SlotWidth;
  // The gap between the baseline and the phase row is shared out.
  hit.Phase = y >= PhaseTop() - PhaseGap / 2;
  return hit;
}

namespace {

void ToPolar(const TPhasorArray &entries, std::array<double, HarmonicCount> &magnitudes,
             std::array<double, HarmonicCount> &angles)
{
  for (std::size_t k = 0; k < entries.size(); ++k)
    HarmonicMath::RectToPolar(entries[k].Re, entries[k].Im, magnitudes[k], angles[k]);
}

}  // namespace

void TSpectrumContent::SetEntries(const TPhasorArray &entries)
{
  ToPolar(entries, Magnitudes, Angles);
}

void TSpectrumContent::SetOutlines(const TPhasorArray &entries)
{
  HasOutlines = true;
  ToPolar(entries, OutlineMagnitudes, OutlineAngles);
}

double TSpectrumContent::Largest() const
{
  const double bars = *std::max_element(Magnitudes.begin(), Magnitudes.end());
  return HasOutlines
             ? std::max(bars, *std::max_element(OutlineMagnitudes.begin(), OutlineMagnitudes.end()))
             : bars;
}

double TSpectrumContent::MagnitudeOf(int k) const
{
  return Magnitudes[std::size_t(std::abs(k))];
}

double TSpectrumContent::AngleOf(int k) const
{
  const double angle = Angles[std::size_t(std::abs(k))];
  return k < 0 ? -angle : angle;
}
