#include "MainForm.h"

#include "FFTUnit.h"
#include "MyGraphUnit.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include <algorithm>
#include <cmath>

// Freehand drawing on the time plot and the spectrum of the drawn period.
// The plot shows two periods, one column per time step; a stroke in either
// half edits the one stored period, IdealWave[0..255], and a release turns
// that period into the 26 harmonic entries.

namespace {

constexpr int DrawingMode = 2;

// 1/256, an exact power of two: scales the unscaled transform to the
// two-sided Fourier coefficients.
constexpr double SpectrumScale = 0.00390625;

// Sample of IdealWave that a plot column 0..511 addresses.
int FoldColumn(int column)
{
  return column < PeriodSteps ? column : column - PeriodSteps;
}

}  // namespace

// Entry k becomes c_k = (1/256) sum w[n] e^(-j 2 pi k n / 256) of the first
// period, k = 0..25, each set and then passed through the editor, so the
// entries carry the editor's rounding and range check (a magnitude above 10,
// as a stroke dragged far above the plot gives, is stored as 0). Leaves
// HarmonicIndex at 26. The caller applies the one-sided doubling.
void TRotantsForm::SpectrumFromDrawnWave()
{
  std::array<double, PeriodSteps> real{};
  std::array<double, PeriodSteps> imaginary{};
  std::copy_n(IdealWave.begin(), PeriodSteps, real.begin());
  FFT->Transform(real.data(), imaginary.data());
  FFT->ReorderBitReversed(real.data(), imaginary.data());

  // The editor's Update rewrites HarmonicIndex from the grid row it edited, so
  // the harmonic is counted here and handed to it afresh each time.
  for (int k = 0; k < HarmonicCount; ++k) {
    HarmonicIndex = k;
    const double re = real[k] * SpectrumScale;
    const double im = imaginary[k] * SpectrumScale;
    SetPhasorEntry(re, im);
    LoadPhasorEditor(re, im);
  }
  HarmonicIndex = HarmonicCount;
}

// Starts a stroke in drawing mode. The clicked column's sample takes the
// clicked value; nothing is redrawn until the next move or the release.
void TRotantsForm::TimeImageMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
  if (EditMode != DrawingMode)
    return;
  // The stroke changes the drawn period as it goes; its undo step starts here.
  if (!MouseDrawing || !StrokeBefore)
    StrokeBefore = CaptureSnapshot();
  MouseDrawing = true;
  LastMouseX = X;
  LastMouseY = Y;
  DrawWaveSegment(X, Y, X, Y);
}

// Shows the pointer's column and value in every mode. During a stroke it
// draws the segment from the previous point, repeats the period in the second
// half and redraws the time plot only: the phasor set is unchanged while
// drawing, so the phasor plane keeps its picture.
//
// A stroke belongs to the drawing mode it started in: a change of mode while
// the button is held ends it (SetEditMode), so it can neither draw while
// playing nor scribble over a standard waveform's ideal curve.
void TRotantsForm::TimeImageMouseMove(Qt::KeyboardModifiers, int X, int Y)
{
  double wx = 0.0;
  double wy = 0.0;
  TimeGraph->PixelToWorld(X, Y, wx, wy);
  StatusPanel2->setText(CoordPrefix + QString::number(X) + " : " +
                        QString::fromStdString(FormatFixed(wy, 7, 4)));
  if (!MouseDrawing)
    return;
  DrawWaveSegment(LastMouseX, LastMouseY, X, Y);
  LastMouseX = X;
  LastMouseY = Y;
  CopyIdealPeriod();
  TimeGraph->DrawFrame(TimeGridCheckBox->isChecked());
  PlotReconstruction(TimeTrackBar->value());
}

// Ends a stroke in any mode; in drawing mode the whole drawn period becomes
// the harmonic entries and both plots are redrawn.
void TRotantsForm::TimeImageMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
  MouseDrawing = false;
  if (EditMode != DrawingMode)
    return;
  const TActionScope action(*this, tr("Drawing"), TStepKind::HandMade);
  SpectrumFromDrawnWave();
  if (!ConjugateCheckBox->isChecked())
    DoubleForOneSidedConvention();
  TimeTrackBarChange();
}

// Writes the straight line between two pixel positions of the time plot into
// the stored period, one sample per column, columns in increasing order (so
// where a segment spans more than one period the larger column wins a shared
// sample). Both points in one column: that column takes the value of the
// point handed first, the previous mouse point of a move.
//
// A captured mouse may report any int position. The segment is cut at the
// plot's left and right edges: only columns 0..511 are visited, each with its
// value on the whole line, so a stroke dragged past an edge leaves the edge
// column at the value where the line crosses it, and the work is at most 512
// writes whatever the positions. Values are not limited; a row far outside
// the image gives a large but finite value.
void TRotantsForm::DrawWaveSegment(int x1, int y1, int x2, int y2)
{
  double ax = 0.0;
  double ay = 0.0;
  double bx = 0.0;
  double by = 0.0;
  if (x2 > x1) {
    TimeGraph->PixelToWorld(x1, y1, ax, ay);
    TimeGraph->PixelToWorld(x2, y2, bx, by);
  } else {
    TimeGraph->PixelToWorld(x2, y2, ax, ay);
    TimeGraph->PixelToWorld(x1, y1, bx, by);
  }
  const double lastColumn = SweepSteps - 1;
  const double first = std::max(std::trunc(ax), 0.0);
  const double last = std::min(bx, lastColumn);
  if (bx == ax) {
    if (first <= last)
      IdealWave[FoldColumn(int(first))] = by;
    return;
  }
  if (first > last)
    return;
  const double slope = (by - ay) / (bx - ax);
  for (int i = int(first); i <= last; ++i)
    IdealWave[FoldColumn(i)] = (i - ax) * slope + ay;
}
