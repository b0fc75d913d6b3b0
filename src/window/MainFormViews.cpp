#include "MainForm.h"

#include "MyGraphUnit.h"
#include "NumberText.h"
#include "Reconstruction.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include <algorithm>

// The phasor plane, the time plot and the redraw cycle. Every drawing goes
// straight to the two image canvases through the member point buffers, so a
// redraw allocates nothing.

namespace {

constexpr TColour MainChainColour = 0xFF00FF;
constexpr TColour ConjugateChainColour = 0x800080;
constexpr TColour TraceColour = 0x0000FF;
constexpr TColour IdealWaveColour = 0x000000;
constexpr TColour ReconWaveColour = 0x008000;
constexpr TColour MarkerColour = 0xFF00FF;

// HighestHarmonic comes from the 0..25 drop-down; held to the list so that no
// index can leave PhasorList or ChainPoints.
int TopHarmonic(int highest)
{
  return std::clamp(highest, 0, HarmonicCount - 1);
}

QPoint MapWorld(const TMyGraph &graph, double x, double y)
{
  return graph.PointAt(x, y);
}

// The current-value marker: a circle in the marker colour over the canvas's
// brush, and when asked a level line at width 1 from it to levelEnd. Leaves the
// pen at width 2.
void DrawValueMarker(TImageCanvas &canvas, int radius, QPoint centre, bool levelLine,
                     QPoint levelEnd)
{
  canvas.Pen.Colour = MarkerColour;
  canvas.Ellipse(centre.x() - radius, centre.y() - radius, centre.x() + radius,
                 centre.y() + radius);
  if (levelLine) {
    canvas.MoveTo(centre.x(), centre.y());
    canvas.Pen.Width = 1;
    canvas.LineTo(levelEnd.x(), levelEnd.y());
    canvas.Pen.Width = 2;
  }
}

QString CoordText(double x, double y)
{
  return QString::fromStdString(FormatFixed(x, 7, 4) + " : " + FormatFixed(y, 7, 4));
}

}  // namespace

// Turned view: the real axis points up and the imaginary axis to the left.
void TRotantsForm::PlaneToPixel(double re, double im, int &px, int &py) const
{
  if (RotateComplexPlaneCheckBox->isChecked()) {
    int a = 0;
    int b = 0;
    PhasorGraph->WorldToPixel(-re, im, a, b);
    px = b;
    py = a;
  } else {
    PhasorGraph->WorldToPixel(re, im, px, py);
  }
}

// Fills ChainPoints with the origin and the running sums of the shown
// chain's links 0..HighestHarmonic, mirrored in the real axis for the
// conjugate chain.
void TRotantsForm::BuildChainPoints(bool conjugate)
{
  const int top = TopHarmonic(HighestHarmonic);
  ChainPoints[0] = MapWorld(*PhasorGraph, 0.0, 0.0);
  double sRe = 0.0;
  double sIm = 0.0;
  int px = 0;
  int py = 0;
  for (int k = 0; k <= top; ++k) {
    sRe += ShownChain[k].RotRe;
    sIm += ShownChain[k].RotIm;
    PlaneToPixel(sRe, conjugate ? -sIm : sIm, px, py);
    ChainPoints[k + 1] = QPoint(px, py);
  }
  ChainPointCount = top + 2;
}

// Pen width is the 2 that DrawFrame left.
void TRotantsForm::DrawPhasorChain(bool conjugate, TColour colour)
{
  BuildChainPoints(conjugate);
  PhasorImage->Pen.Colour = colour;
  PhasorImage->Polyline(ChainPoints.data(), ChainPointCount);
  DrawHighlightedSegment();
}

// The coordinates are the surface's own axes and do not follow the turn.
void TRotantsForm::PhasorImageMouseMove(Qt::KeyboardModifiers, int X, int Y)
{
  double wx = 0.0;
  double wy = 0.0;
  PhasorGraph->PixelToWorld(X, Y, wx, wy);
  StatusPanel0->setText(CoordPrefix + CoordText(wx, wy));
}

// Places harmonic HarmonicIndex so that its tip lies under the mouse, measured
// from BasePhasor's tip as drawn at the slider's step (the shown chain's
// link), and stores it as its step-0 value. Then rewinds to step 0 and
// redraws.
void TRotantsForm::PhasorImageMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
  if (EditMode != PlacingTips || HarmonicIndex > HighestHarmonic)
    return;
  const TActionScope action(Actions, tr("Placed Harmonic %1").arg(HarmonicIndex),
                            TStepKind::HandMade);
  double wx = 0.0;
  double wy = 0.0;
  PhasorGraph->PixelToWorld(X, Y, wx, wy);
  const HarmonicPhasor &base = ShownChain[std::size_t(BasePhasor - PhasorList.data())];
  const auto [re, im] = Document.PlacementEntry(wx, wy, RotateComplexPlaneCheckBox->isChecked(),
                                                {base.SumRe, base.SumIm});
  LoadPhasorEditor(re, im);
  Document.AdvancePlacement();
  StopBtnClick();
  TimeTrackBar->setValue(0);
  TimeTrackBarChange();
  StatusPanel0->setText(CoordPrefix + CoordText(wx, wy));
}

void TRotantsForm::RotateComplexPlaneCheckBoxClick()
{
  const bool turned = RotateComplexPlaneCheckBox->isChecked();
  Re0Label->setVisible(!turned);
  Im0Label->setVisible(!turned);
  Re90Label->setVisible(turned);
  Im90Label->setVisible(turned);
  TimeTrackBarChange();
}

// The one redraw driver: both plots for the slider's step n, drawn from the
// document's entries without changing them. Afterwards ShownChain holds
// links 0..HighestHarmonic at step n.
void TRotantsForm::TimeTrackBarChange()
{
  if (Actions.DeferRedraw())
    return;
  const int n = TimeTrackBar->value();
  ShownChain = PhasorList;
  // While a drag on the spectrum lasts, every picture shows the dragged value
  // in place of its entry's: only the release changes an entry.
  int dragged = 0;
  double magnitude = 0.0;
  double angle = 0.0;
  if (Spectrum->Previewing(dragged, magnitude, angle)) {
    HarmonicPhasor &entry = ShownChain[std::size_t(dragged)];
    PolarToRect(magnitude, angle, entry.Re, entry.Im);
  }
  PhasorGraph->DrawFrame(true);
  RotateForPictures(ShownChain, n, true);
  if (ConjugateCheckBox->isChecked())
    DrawPhasorChain(true, ConjugateChainColour);
  DrawPhasorChain(false, MainChainColour);
  TimeGraph->DrawFrame(TimeGridCheckBox->isChecked());
  PlotReconstruction(n);
  Spectrum->Draw();
  StatusPanel1->setText(StepPrefix + QString::number(n));
  ShowRmsError();
  ShowSelectedHarmonic();
}

// Whether the real value of the tip (re, im), on either plot, or the tip itself
// on the phasor plane lies so near a pixel's rounding edge that the last bits
// decide the pixel.
bool TRotantsForm::NearPictureEdge(double tipRe, double tipIm) const
{
  return NearPictureEdge(PhasorList, tipRe, tipIm);
}

bool TRotantsForm::NearPictureEdge(const TPhasorArray &chain, double tipRe, double tipIm) const
{
  const double v = ConjugateCheckBox->isChecked() ? 2.0 * tipRe - chain[0].SumRe : tipRe;
  return TimeGraph->NearPixelEdge(0.0, v) || PhasorGraph->NearPixelEdge(v, v)
         || PhasorGraph->NearPixelEdge(tipRe, tipIm);
}

// The table-driven rotation may differ from direct cosines in the last bits of
// a value. Where a value the pictures map to pixels (the real value, the tip,
// and with wholeChain every link of the chain) lies within a hair of a pixel's
// rounding edge and direct cosines change it, their rotation is taken, so the
// pictures are those of direct cosines.
void TRotantsForm::RotateForPictures(TPhasorArray &chain, int n, bool wholeChain) const
{
  HarmonicMath::RotateToTimeStep(chain, HighestHarmonic, n);
  const int top = TopHarmonic(HighestHarmonic);
  const auto nearEdge = [&](const HarmonicPhasor &link, int k) {
    return k == top ? NearPictureEdge(chain, link.SumRe, link.SumIm)
                    : wholeChain && PhasorGraph->NearPixelEdge(link.SumRe, link.SumIm);
  };
  bool near = false;
  for (int k = 0; k <= top && !near; ++k)
    near = nearEdge(chain[k], k);
  if (!near)
    return;
  // Only a value at an edge that direct cosines change can move a pixel; a
  // value that sits exactly on one (the unrotated DC link, say) is the same
  // either way.
  TPhasorArray direct = chain;
  HarmonicMath::RotateToTimeStepDirect(direct, HighestHarmonic, n);
  for (int k = 0; k <= top; ++k) {
    const HarmonicPhasor &link = chain[k];
    if ((link.SumRe != direct[k].SumRe || link.SumIm != direct[k].SumIm) && nearEdge(link, k)) {
      chain = direct;
      return;
    }
  }
}

void TRotantsForm::TipForPictures(int n, double &sumRe, double &sumIm) const
{
  TipForPictures(PhasorList, n, sumRe, sumIm);
}

// The tip of chain at step n as RotateForPictures(chain, n, false) leaves it,
// with chain untouched.
void TRotantsForm::TipForPictures(const TPhasorArray &chain, int n, double &sumRe,
                                  double &sumIm) const
{
  HarmonicMath::TipAtTimeStep(chain, HighestHarmonic, n, sumRe, sumIm);
  if (!NearPictureEdge(chain, sumRe, sumIm))
    return;
  TPhasorArray rotated = chain;
  HarmonicMath::RotateToTimeStepDirect(rotated, HighestHarmonic, n);
  const HarmonicPhasor &tip = rotated[TopHarmonic(HighestHarmonic)];
  sumRe = tip.SumRe;
  sumIm = tip.SumIm;
}

// Recomputes ReconWave[0..n] from the shown chain's tip at every step from 0,
// and draws the tip trace, both curves and the markers over the frames
// already drawn. Leaves the shown chain at step n. n is a time step 0..511.
void TRotantsForm::PlotReconstruction(int n)
{
  n = std::clamp(n, 0, SweepSteps - 1);
  const bool conjugate = ConjugateCheckBox->isChecked();
  const bool trace = TraceCheckBox->isChecked();
  const double dc = ShownChain[0].SumRe;
  const int selected = SelectedHarmonic();
  const bool component = ViewHighlightHarmonic->isChecked() && selected <= HighestHarmonic;
  for (int e = 0; e <= n; ++e) {
    double tipRe = 0.0;
    double tipIm = 0.0;
    TipForPictures(ShownChain, e, tipRe, tipIm);
    ReconWave[e] = conjugate ? 2.0 * tipRe - dc : tipRe;
    if (component) {
      HarmonicPhasor rotated = ShownChain[selected];
      rotated.RotRe = HarmonicMath::RotatedReAtTimeStep(rotated, selected, e);
      ComponentValues[e] = Reconstruction::ComponentOf(rotated, selected, conjugate);
    }
    if (trace) {
      int px = 0;
      int py = 0;
      PlaneToPixel(tipRe, tipIm, px, py);
      TracePoints[e] = QPoint(px, py);
    }
  }
  RotateForPictures(ShownChain, n, true);
  if (trace) {
    PhasorImage->Pen.Colour = TraceColour;
    PhasorImage->Pen.Width = 1;
    PhasorImage->Polyline(TracePoints.data(), n + 1);
    PhasorImage->Pen.Colour = MainChainColour;
    PhasorImage->Pen.Width = 2;
  }

  DrawIdealWave();
  DrawHighlightedComponent(n);
  DrawReconWave(n);

  if (RealValueCheckBox->isChecked()) {
    // With the plane turned, the level line runs to the plane's right edge and
    // meets the time plot's line at the same height on screen.
    const double v = ReconWave[n];
    const bool turned = RotateComplexPlaneCheckBox->isChecked();
    const QPoint centre = turned ? MapWorld(*PhasorGraph, 0.0, v) : MapWorld(*PhasorGraph, v, 0.0);
    DrawValueMarker(*PhasorImage, MarkerRadius, centre, turned, MapWorld(*PhasorGraph, 1.0, v));
  }
}

// The whole of IdealWave, two periods, in black at width 1.
void TRotantsForm::DrawIdealWave()
{
  if (!IdealWaveCheckBox->isChecked())
    return;
  for (int i = 0; i < SweepSteps; ++i)
    CurvePoints[i] = MapWorld(*TimeGraph, i, IdealWave[i]);
  TimeImage->Pen.Width = 1;
  TimeImage->Pen.Colour = IdealWaveColour;
  TimeImage->Polyline(CurvePoints.data(), SweepSteps);
  TimeImage->Pen.Width = 2;
}

// ReconWave[0..n] in green at the width DrawFrame left, then the time-plot
// marker at step n. n is a time step 0..511.
void TRotantsForm::DrawReconWave(int n)
{
  n = std::clamp(n, 0, SweepSteps - 1);
  for (int e = 0; e <= n; ++e)
    CurvePoints[e] = MapWorld(*TimeGraph, e, ReconWave[e]);
  TimeImage->Pen.Colour = ReconWaveColour;
  TimeImage->Polyline(CurvePoints.data(), n + 1);

  if (RealValueCheckBox->isChecked()) {
    // The level line runs back to column 0, meeting the phasor plane's line.
    const double v = ReconWave[n];
    DrawValueMarker(*TimeImage, MarkerRadius, MapWorld(*TimeGraph, n, v),
                    RotateComplexPlaneCheckBox->isChecked(), MapWorld(*TimeGraph, 0.0, v));
  }
}
