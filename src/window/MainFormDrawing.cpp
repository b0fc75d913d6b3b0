#include "MainForm.h"

#include "FFTUnit.h"
#include "MyGraphUnit.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>

// Freehand drawing on the time plot and the spectrum of the drawn period.
// The plot shows two periods, one column per time step; a stroke in either
// half edits the one stored period, IdealWave[0..255], and a release turns
// that period into the 26 harmonic entries.

namespace {


}  // namespace

// Entry k becomes the drawn period's two-sided coefficient c_k, k = 0..25,
// each set and then passed through the editor, so the entries carry the
// editor's rounding and range check (a magnitude above 10, as a stroke
// dragged far above the plot gives, is stored as 0). Leaves HarmonicIndex at
// 26. The caller applies the one-sided doubling.
void TRotantsForm::SpectrumFromDrawnWave()
{
  const auto spectrum = Document.DrawnSpectrum(*FFT);
  // The editor's Update rewrites HarmonicIndex from the grid row it edited, so
  // the harmonic is counted here and handed to it afresh each time.
  for (int k = 0; k < HarmonicCount; ++k) {
    HarmonicIndex = k;
    const auto [re, im] = spectrum[std::size_t(k)];
    SetPhasorEntry(re, im);
    LoadPhasorEditor(re, im);
  }
  HarmonicIndex = HarmonicCount;
}

// Starts a stroke in drawing mode. The clicked column's sample takes the
// clicked value; nothing is redrawn until the next move or the release.
void TRotantsForm::TimeImageMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
  if (EditMode != DrawingWave)
    return;
  // The stroke changes the drawn period as it goes; its undo step starts here.
  if (!MouseDrawing)
    Actions.ForgetStroke();
  Actions.StartStroke();
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
  if (EditMode != DrawingWave)
    return;
  const TActionScope action(Actions, tr("Drawing"), TStepKind::HandMade);
  SpectrumFromDrawnWave();
  if (!ConjugateCheckBox->isChecked())
    DoubleForOneSidedConvention();
  TimeTrackBarChange();
}

// Writes the straight line between two pixel positions of the time plot into
// the stored period (the document's DrawSegment: one sample per column, cut at
// the plot's edges). A captured mouse may report any int position; the world
// coordinates of such positions are large but finite, and at most 512
// samples are written whatever they are.
void TRotantsForm::DrawWaveSegment(int x1, int y1, int x2, int y2)
{
  double ax = 0.0;
  double ay = 0.0;
  double bx = 0.0;
  double by = 0.0;
  TimeGraph->PixelToWorld(x1, y1, ax, ay);
  TimeGraph->PixelToWorld(x2, y2, bx, by);
  Document.DrawSegment(ax, ay, bx, by);
}
