#include "SpectrumView.h"

#include <QString>

#include <cmath>
#include <cstdlib>

namespace {

constexpr TColour BackColour = 0xFFFFFF;
constexpr TColour FrameColour = 0x000000;
constexpr TColour TextColour = 0x000000;
constexpr TColour GridColour = 0xC8C8C8;
constexpr TColour PhaseBandColour = 0xF4F4F4;
void Fill(TImageCanvas &canvas, const TSpectrumBox &box, TColour colour)
{
  if (box.Width <= 0 || box.Height <= 0)
    return;
  canvas.Pen.Colour = colour;
  canvas.Brush.Colour = colour;
  canvas.Rectangle(box.Left, box.Top, box.Left + box.Width, box.Top + box.Height);
}

// The box's edges only, at width 1.
void Outline(TImageCanvas &canvas, const TSpectrumBox &box, TColour colour)
{
  if (box.Width <= 0 || box.Height <= 0)
    return;
  canvas.Pen.Colour = colour;
  const int right = box.Left + box.Width - 1;
  const int bottom = box.Top + box.Height - 1;
  canvas.MoveTo(box.Left, bottom);
  canvas.LineTo(box.Left, box.Top);
  canvas.LineTo(right, box.Top);
  canvas.LineTo(right, bottom);
}

void Line(TImageCanvas &canvas, int x1, int x2, int y, TColour colour)
{
  canvas.Pen.Colour = colour;
  canvas.MoveTo(x1, y);
  canvas.LineTo(x2, y);
}

}  // namespace

TColour SpectrumFaded(TColour colour)
{
  TColour faded = 0;
  for (int shift : {0, 8, 16}) {
    const int channel = int((colour >> shift) & 0xFF);
    faded |= TColour(channel + (255 - channel) * 2 / 3) << shift;
  }
  return faded;
}

void DrawSpectrum(TImageCanvas &canvas, const TSpectrumGeometry &geometry,
                  const TSpectrumScale &scale, const TSpectrumContent &content)
{
  const TCanvasPen pen = canvas.Pen;
  const TCanvasBrush brush = canvas.Brush;
  canvas.Pen.Width = 1;
  canvas.Pen.Colour = FrameColour;
  canvas.Brush.Colour = BackColour;
  canvas.Rectangle(0, 0, geometry.Width(), geometry.Height());

  // The phase row on a band of its own, apart from the bars above it.
  Fill(canvas,
       {geometry.SlotsLeft(), geometry.PhaseTop() - 1, geometry.SlotsRight() - geometry.SlotsLeft(),
        geometry.PhaseBottom() - geometry.PhaseTop() + 3},
       PhaseBandColour);
  const int selected = content.Selected;
  const TColour selection =
      content.Highlight ? SpectrumHighlightSelectionColour : SpectrumSelectionColour;
  Fill(canvas, geometry.Slot(selected), selection);
  if (content.TwoSided && selected != 0)
    Fill(canvas, geometry.Slot(-selected), selection);

  const int left = geometry.SlotsLeft();
  const int right = geometry.SlotsRight();
  const int labelRight = geometry.ScaleLabelRight();
  for (int i = 1; i < scale.Ticks(); ++i)
    Line(canvas, left, right,
         geometry.Baseline() - int(std::lround(scale.TickFraction(i) * geometry.BarAreaHeight())),
         GridColour);
  for (int y : {geometry.PhaseTop(), geometry.PhaseZero(), geometry.PhaseBottom()})
    Line(canvas, left, right, y, GridColour);
  Line(canvas, left, right, geometry.Baseline(), FrameColour);

  for (int k = geometry.First(); k <= geometry.Last(); ++k) {
    const int harmonic = std::abs(k);
    TColour colour = k < 0 ? SpectrumMirrorBarColour : SpectrumBarColour;
    if (content.Highlight && harmonic == selected)
      colour = SpectrumHighlightColour;
    if (harmonic > content.Highest)
      colour = SpectrumFaded(colour);
    const double magnitude = content.MagnitudeOf(k);
    Fill(canvas, geometry.Bar(k, scale.Fraction(magnitude)), colour);
    if (magnitude >= SpectrumNoAngleBelow)
      Fill(canvas, geometry.PhaseMark(k, content.AngleOf(k)), colour);
  }

  for (int k = geometry.First(); content.HasOutlines && k <= geometry.Last(); ++k) {
    const std::size_t harmonic = std::size_t(std::abs(k));
    const double magnitude = content.OutlineMagnitudes[harmonic];
    if (magnitude < SpectrumNoAngleBelow)
      continue;
    const double angle = k < 0 ? -content.OutlineAngles[harmonic] : content.OutlineAngles[harmonic];
    Outline(canvas, geometry.Bar(k, scale.Fraction(magnitude)), SpectrumOutlineColour);
    Outline(canvas, geometry.PhaseMark(k, angle), SpectrumOutlineColour);
  }

  canvas.Pen.Colour = TextColour;
  for (int k = geometry.First(); k <= geometry.Last(); ++k) {
    if (k % 5 == 0)
      canvas.Text(geometry.SlotCentre(k), geometry.NumberRow(), QString::number(k),
                  TTextAnchor::Centre);
  }
  for (int i = 0; i < scale.Ticks(); ++i)
    canvas.Text(labelRight,
                geometry.Baseline()
                    - int(std::lround(scale.TickFraction(i) * geometry.BarAreaHeight())),
                QString::fromStdString(scale.TickText(i)), TTextAnchor::Right);
  canvas.Text(geometry.PhaseLabelLeft(), geometry.PhaseTop(), QStringLiteral("180\u00B0"),
              TTextAnchor::Left);
  canvas.Text(geometry.PhaseLabelLeft(), geometry.PhaseBottom(), QStringLiteral("-180\u00B0"),
              TTextAnchor::Left);

  canvas.Pen = pen;
  canvas.Brush = brush;
}
