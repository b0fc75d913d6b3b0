#include "PlotsPart.h"

#include "ActionRunner.h"
#include "MyGraphUnit.h"
#include "NumberText.h"
#include "PlaybackPart.h"
#include "Reconstruction.h"
#include "SpectrumPart.h"
#include "WaveformItems.h"
#include "WindowLayout.h"

#include <QLabel>
#include <QSlider>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <utility>

using WindowLayout::Place;

QFont WindowFont();

namespace {

// Backgrounds of the two plots; the labels lying on them share them.
constexpr TColour TimeBackColour = 0xC0C0C0;
constexpr TColour PlaneBackColour = 0xFFFFFF;
constexpr TColour MainChainColour = 0xFF00FF;
constexpr TColour ConjugateChainColour = 0x800080;
constexpr TColour TraceColour = 0x0000FF;
constexpr TColour IdealWaveColour = 0x000000;
constexpr TColour ReconWaveColour = 0x008000;
constexpr TColour TargetWaveColour = 0xC06000;  // blue (the canvas's colours are 0xBBGGRR)
constexpr TColour MarkerColour = 0xFF00FF;
// Amber: apart from the plots' magenta, purple, green, red and black, and from
// their white and silver backgrounds, under protan, deutan and tritan vision
// too (CIELAB distance above 25 in simulations of each).
constexpr TColour HighlightColour = 0x00B0FF;
constexpr int HighlightWidth = 4;  // pixels; the chain is 2
constexpr int ErrorPanelWidth = 110;
// The rest of the status bar's width after the four panels.
constexpr int SelectedPanelWidth = 310;

// HighestHarmonic comes from the 0..25 drop-down; held to the list so that no
// index can leave the entries or ChainPoints.
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

QString Number(double value)
{
  return QString::fromStdString(FormatFixed(value, 7, 4));
}

QString CoordText(double x, double y)
{
  return Number(x) + " : " + Number(y);
}

// A label lying on a plot: black on the plot's background colour, so no grid
// line runs through its text, and transparent for the mouse, so clicks, strokes
// and the coordinate panels work under it as anywhere else on the plot.
QLabel *MakePlotLabel(QWidget *parent, const char *name, int left, int top, int width,
                      int height, TColour background)
{
  auto *label = Place(new QLabel(parent), name, left, top, width, height);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, QColor(ColourToRgb(background)));
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

TPlotsPart::TPlotsPart(TPhasorDocument &document, TActionRunner &actions,
                       TSpectrumPart &spectrum, TPlotsView view, QObject *parent)
    : QObject(parent), Document(document), Actions(actions), Spectrum(spectrum),
      View(std::move(view))
{
}

void TPlotsPart::BuildPlots(QWidget *client)
{
  TimeImage = Place(new TImageCanvas(client, 512, 251), "TimeImage", 268, 8, 512, 251);
  PhasorImage = Place(new TImageCanvas(client, 251, 251), "PhasorImage", 8, 8, 251, 251);
  Re0Label = MakePlotLabel(client, "Re0Label", 242, 136, 14, 13, PlaneBackColour);
  Im0Label = MakePlotLabel(client, "Im0Label", 136, 11, 11, 13, PlaneBackColour);
  Im90Label = MakePlotLabel(client, "Im90Label", 11, 136, 11, 13, PlaneBackColour);
  Im90Label->setVisible(false);
  Re90Label = MakePlotLabel(client, "Re90Label", 136, 11, 14, 13, PlaneBackColour);
  Re90Label->setVisible(false);
  PhasorHelpLabel = MakePlotLabel(client, "PhasorHelpLabel", 16, 240, 128, 13, PlaneBackColour);
  TimeHelpLabel = MakePlotLabel(client, "TimeHelpLabel", 272, 240, 191, 13, TimeBackColour);
  TimeHelpLabel->setVisible(false);

  TMyGraphParams params;
  params.Image = TimeImage;
  params.XMin = 0.0;
  params.XMax = 511.0;
  params.YMin = -1.0;
  params.YMax = 1.0;
  params.XGridStep = 0.1 * params.XMax;
  params.YGridStep = 0.25 * params.YMax;
  params.BackColour = TimeBackColour;
  params.GridColour = 0x808080;
  TimeGraph = new TMyGraph(this, params);
  params.Image = PhasorImage;
  params.XMin = -1.0;
  params.XMax = 1.0;
  params.YMin = -1.0;
  params.YMax = 1.0;
  params.XGridStep = 1.0;
  params.YGridStep = 1.0;
  params.BackColour = PlaneBackColour;
  params.GridColour = 0x000000;
  PhasorGraph = new TMyGraph(this, params);

  // The axes' numbers in the window's font, as the spectrum strip's.
  for (TImageCanvas *plot : {PhasorImage, TimeImage})
    plot->Font = WindowFont();
  const QPoint timeOrigin = TimeGraph->PointAt(0.0, 0.0);
  TimeAxes.Row = timeOrigin.y();
  TimeAxes.Column = timeOrigin.x();
  TimeAxes.NumberSide = TAxisSide::Right;
  TimeAxes.NumbersAboveTicks = true;
  const QPoint planeOrigin = PhasorGraph->PointAt(0.0, 0.0);
  PlaneAxes.Row = planeOrigin.y();
  PlaneAxes.Column = planeOrigin.x();
  for (std::size_t i = 0; i < TPlotAxes::TickCount; ++i) {
    TimeAxes.Across[i] = {TimeGraph->PointAt(StepTicks[i], 0.0).x(), NumberText(StepTicks[i])};
    TimeAxes.Down[i] = {TimeGraph->PointAt(0.0, ValueTicks[i]).y(), NumberText(ValueTicks[i])};
    PlaneAxes.Across[i].Text = NumberText(ValueTicks[i]);
    PlaneAxes.Down[i].Text = PlaneAxes.Across[i].Text;
  }

  PhasorImage->Describe = [this] { return PhasorDescription(); };
  TimeImage->Describe = [this] { return TimeDescription(); };
  connect(TimeImage, &TImageCanvas::MouseDown, this, &TPlotsPart::TimeMouseDown);
  connect(TimeImage, &TImageCanvas::MouseMove, this, &TPlotsPart::TimeMouseMove);
  connect(TimeImage, &TImageCanvas::MouseUp, this, &TPlotsPart::TimeMouseUp);
  connect(PhasorImage, &TImageCanvas::MouseDown, this, &TPlotsPart::PhasorMouseDown);
  connect(PhasorImage, &TImageCanvas::MouseMove, this, &TPlotsPart::PhasorMouseMove);
  // A new display scale needs the pictures drawn again at the new detail.
  for (TImageCanvas *plot : {PhasorImage, TimeImage}) {
    connect(plot, &TImageCanvas::DisplayScaleChanged, this, &TPlotsPart::Redraw);
    plot->setFocusPolicy(Qt::StrongFocus);
    connect(plot, &TImageCanvas::StepKey, this, &TPlotsPart::StepKey);
  }
}

void TPlotsPart::BuildStatusBar(QWidget *client)
{
  StatusBar = Place(new QStatusBar(client), "StatusBar", 0, WindowLayout::StatusBarTop,
                    WindowLayout::ClientWidth, WindowLayout::StatusBarHeight);
  StatusBar->setSizeGripEnabled(false);
  const auto addPanel = [this](const char *name, int width) {
    auto *panel = new QLabel(StatusBar);
    panel->setObjectName(name);
    // A fixed size in both directions: a new text then asks for no new layout
    // of the status bar, which every animation tick would otherwise cause.
    panel->setFixedSize(width, panel->sizeHint().height());
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(WindowLayout::PanelIndent);
    StatusBar->addWidget(panel);
    return panel;
  };
  TimeValuesPanel = addPanel("TimeValuesPanel", 150);
  TimeValuesPanel->hide();
  StatusPanel0 = addPanel("StatusPanel0", 150);
  StatusPanel0->setText("0 : 0");
  StatusPanel1 = addPanel("StatusPanel1", 100);
  StatusPanel2 = addPanel("StatusPanel2", 100);
  StatusPanel2->setText("0 : 0");
  StatusPanel3 = addPanel("StatusPanel3", ErrorPanelWidth);
  StatusPanel3->hide();
  SelectedHarmonicPanel = addPanel("SelectedHarmonicPanel", SelectedPanelWidth);
  SelectedHarmonicPanel->hide();
}

void TPlotsPart::UsePlayback(TPlaybackPart *playback)
{
  Playback = playback;
}

int TPlotsPart::Step() const
{
  return Playback ? Playback->TimeTrackBar->value() : 0;
}

int TPlotsPart::Selected() const
{
  return std::clamp(Document.SelectedHarmonic(), 0, HarmonicCount - 1);
}

void TPlotsPart::Retranslate()
{
  Re0Label->setText(tr("Re"));
  Re90Label->setText(tr("Re"));
  Im0Label->setText(tr("Im"));
  Im90Label->setText(tr("Im"));
  PhasorHelpLabel->setText(tr("Left-click to place a phasor"));
  TimeHelpLabel->setText(tr("Left-click and drag to create a waveform"));
  for (QLabel *label : {Re0Label, Re90Label})
    label->setToolTip(tr("Real axis"));
  for (QLabel *label : {Im0Label, Im90Label})
    label->setToolTip(tr("Imaginary axis"));
  for (QLabel *label : {Re0Label, Re90Label, Im0Label, Im90Label})
    label->setAccessibleName(label->toolTip());
  StatusPanel0->setToolTip(
      tr("Mouse position over the phasor plane: real part : imaginary part."));
  StatusPanel1->setToolTip(tr("The current time step N, 0 to 511."));
  StatusPanel2->setToolTip(tr("Mouse position over the time plot: time step : value."));
  TimeValuesPanel->setToolTip(tr("Under the mouse over the time plot: the ideal wave's value "
                                 "and the sum of the harmonics in use at that time step."));
  StatusPanel3->setToolTip(RmsErrorTip());
  SelectedHarmonicPanel->setToolTip(
      tr("The harmonic of the table's selected row, which Highlight Selected Harmonic and Play "
         "Selected Harmonic Alone are about."));
  PhasorImage->setAccessibleName(tr("Phasor plane"));
  TimeImage->setAccessibleName(tr("Time plot"));
  ShowEditMode();

  // The panels keep what they show; only their words change.
  const QString coordPrefix = tr("Coord: ");
  for (QLabel *panel : {StatusPanel0, StatusPanel2}) {
    if (panel->text().startsWith(CoordPrefix))
      panel->setText(coordPrefix + panel->text().mid(CoordPrefix.size()));
  }
  CoordPrefix = coordPrefix;
  StepPrefix = tr("N: ");
  StatusPanel1->setText(StepPrefix + QString::number(Step()));
  ShowRmsError();
  ShownSelectedSource = {-1, -1, -1};
  ShowSelectedHarmonic();
}

QString TPlotsPart::RmsErrorTip()
{
  return tr("Root-mean-square difference over one period between the sum of the harmonics in "
            "use and the ideal wave, in the time plot's units; 0 is a perfect match.\n"
            "\"Custom Rotants\" shows \"-\": it has no ideal wave to compare with.");
}

void TPlotsPart::ShowEditMode()
{
  const TEditMode mode = Document.EditMode;
  PhasorHelpLabel->setVisible(mode == PlacingTips);
  TimeHelpLabel->setVisible(mode == DrawingWave);
  const QString keys =
      tr("With the plot focused, the arrow keys, Page Up, Page Down, Home and End move the time "
         "step.");
  const QString phasorTip =
      mode == PlacingTips
          ? tr("Phasor plane: click to place the next harmonic (1, 2, 3, ...) with its tip where "
               "you click, measured from the tip of the one placed before.")
          : tr("Phasor plane: the chain of turning phasors, one per harmonic, at the current time "
               "step; the real part of its tip is the wave's value.");
  const QString timeTip =
      mode == DrawingWave
          ? tr("Time plot: hold a mouse button and drag across to draw one period; either half "
               "edits the same period. On release the drawing becomes the 26 harmonics.")
          : tr("Time plot: two periods of the ideal wave in black and, in green, the sum of the "
               "harmonics from step 0 to the current one.");
  PhasorImage->setToolTip(phasorTip + '\n' + keys);
  PhasorHelpLabel->setToolTip(phasorTip);
  TimeImage->setToolTip(timeTip + '\n' + keys);
  TimeHelpLabel->setToolTip(timeTip);
}

void TPlotsPart::ShowPlaneTurn()
{
  const bool turned = Document.Options.RotateComplexPlane;
  Re0Label->setVisible(!turned);
  Im0Label->setVisible(!turned);
  Re90Label->setVisible(turned);
  Im90Label->setVisible(turned);
}

QString TPlotsPart::PhasorDescription() const
{
  const int step = Step();
  double re = 0.0;
  double im = 0.0;
  TipForPictures(Document.PhasorList, step, re, im);
  return tr("Phasor plane: %1 waveform, chain of harmonics 0 to %2 at step %3, its tip at real "
            "%4, imaginary %5")
      .arg(View.WaveformName(), QString::number(Document.HighestHarmonic),
           QString::number(step), Number(re), Number(im));
}

QString TPlotsPart::TimeDescription() const
{
  const int step = Step();
  return tr("Time plot: %1 waveform from harmonics 0 to %2, step %3, value %4")
      .arg(View.WaveformName(), QString::number(Document.HighestHarmonic),
           QString::number(step),
           Number(ReconWave[std::size_t(std::clamp(step, 0, SweepSteps - 1))]));
}

// Turned view: the real axis points up and the imaginary axis to the left.
void TPlotsPart::PlaneToPixel(double re, double im, int &px, int &py) const
{
  if (Document.Options.RotateComplexPlane) {
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
void TPlotsPart::BuildChainPoints(bool conjugate)
{
  const int top = TopHarmonic(Document.HighestHarmonic);
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
void TPlotsPart::DrawPhasorChain(bool conjugate, TColour colour)
{
  BuildChainPoints(conjugate);
  PhasorImage->Pen.Colour = colour;
  PhasorImage->Polyline(ChainPoints.data(), ChainPointCount);
  DrawHighlightedSegment();
}

// The coordinates are the surface's own axes and do not follow the turn.
void TPlotsPart::PhasorMouseMove(Qt::KeyboardModifiers, int X, int Y)
{
  double wx = 0.0;
  double wy = 0.0;
  PhasorGraph->PixelToWorld(X, Y, wx, wy);
  StatusPanel0->setText(CoordPrefix + CoordText(wx, wy));
  TimeValuesPanel->hide();
  StatusPanel0->show();
}

// Places harmonic HarmonicIndex so that its tip lies under the mouse, measured
// from BasePhasor's tip as drawn at the slider's step (the shown chain's
// link), and stores it as its step-0 value. Then rewinds to step 0 and
// redraws.
void TPlotsPart::PhasorMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
  if (Document.EditMode != PlacingTips || Document.HarmonicIndex > Document.HighestHarmonic)
    return;
  const TActionScope action(Actions, tr("Placed Harmonic %1").arg(Document.HarmonicIndex),
                            TStepKind::HandMade);
  double wx = 0.0;
  double wy = 0.0;
  PhasorGraph->PixelToWorld(X, Y, wx, wy);
  const HarmonicPhasor &base =
      ShownChain[std::size_t(Document.BasePhasor - Document.PhasorList.data())];
  const auto [re, im] = Document.PlacementEntry(wx, wy, Document.Options.RotateComplexPlane,
                                                {base.SumRe, base.SumIm});
  View.PlaceEntry(re, im);
  Document.AdvancePlacement();
  Playback->Stop();
  Playback->TimeTrackBar->setValue(0);
  Redraw();
  StatusPanel0->setText(CoordPrefix + CoordText(wx, wy));
  TimeValuesPanel->hide();
  StatusPanel0->show();
}

// Draws both plots for the slider's step n from the document's entries
// without changing them. Afterwards ShownChain holds links
// 0..HighestHarmonic at step n.
void TPlotsPart::Redraw()
{
  if (Actions.DeferRedraw())
    return;
  const int n = Step();
  ShownChain = Document.PhasorList;
  // While a drag on the spectrum lasts, every picture shows the dragged value
  // in place of its entry's: only the release changes an entry.
  int dragged = 0;
  double magnitude = 0.0;
  double angle = 0.0;
  if (Spectrum.Previewing(dragged, magnitude, angle)) {
    HarmonicPhasor &entry = ShownChain[std::size_t(dragged)];
    HarmonicMath::PolarToRect(magnitude, angle, entry.Re, entry.Im);
  }
  PhasorGraph->DrawFrame(true);
  RotateForPictures(ShownChain, n, true);
  if (View.TwoSided())
    DrawPhasorChain(true, ConjugateChainColour);
  DrawPhasorChain(false, MainChainColour);
  TimeGraph->DrawFrame(Document.Options.Grid);
  PlotReconstruction(n);
  DrawPlaneAxes();
  DrawTimeAxes();
  Spectrum.Draw();
  StatusPanel1->setText(StepPrefix + QString::number(n));
  ShowRmsError();
  ShowSelectedHarmonic();
  if (View.Drawn)
    View.Drawn(ShownChain);
}

// Whether the real value of the tip (re, im), on either plot, or the tip itself
// on the phasor plane lies so near a pixel's rounding edge that the last bits
// decide the pixel.
bool TPlotsPart::NearPictureEdge(const TPhasorArray &chain, double tipRe, double tipIm) const
{
  const double v = View.TwoSided() ? 2.0 * tipRe - chain[0].SumRe : tipRe;
  return TimeGraph->NearPixelEdge(0.0, v) || PhasorGraph->NearPixelEdge(v, v)
         || PhasorGraph->NearPixelEdge(tipRe, tipIm);
}

// The table-driven rotation may differ from direct cosines in the last bits of
// a value. Where a value the pictures map to pixels (the real value, the tip,
// and with wholeChain every link of the chain) lies within a hair of a pixel's
// rounding edge and direct cosines change it, their rotation is taken, so the
// pictures are those of direct cosines.
void TPlotsPart::RotateForPictures(TPhasorArray &chain, int n, bool wholeChain) const
{
  const int highest = Document.HighestHarmonic;
  HarmonicMath::RotateToTimeStep(chain, highest, n);
  const int top = TopHarmonic(highest);
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
  HarmonicMath::RotateToTimeStepDirect(direct, highest, n);
  for (int k = 0; k <= top; ++k) {
    const HarmonicPhasor &link = chain[k];
    if ((link.SumRe != direct[k].SumRe || link.SumIm != direct[k].SumIm) && nearEdge(link, k)) {
      chain = direct;
      return;
    }
  }
}

// The tip of chain at step n as RotateForPictures(chain, n, false) leaves it,
// with chain untouched.
void TPlotsPart::TipForPictures(const TPhasorArray &chain, int n, double &sumRe,
                                double &sumIm) const
{
  const int highest = Document.HighestHarmonic;
  HarmonicMath::TipAtTimeStep(chain, highest, n, sumRe, sumIm);
  if (!NearPictureEdge(chain, sumRe, sumIm))
    return;
  TPhasorArray rotated = chain;
  HarmonicMath::RotateToTimeStepDirect(rotated, highest, n);
  const HarmonicPhasor &tip = rotated[TopHarmonic(highest)];
  sumRe = tip.SumRe;
  sumIm = tip.SumIm;
}

// Recomputes ReconWave[0..n] from the shown chain's tip at every step from 0,
// and draws the tip trace, both curves and the markers over the frames
// already drawn. Leaves the shown chain at step n. n is a time step 0..511.
void TPlotsPart::PlotReconstruction(int n)
{
  n = std::clamp(n, 0, SweepSteps - 1);
  const TSetOptions &options = Document.Options;
  const bool conjugate = View.TwoSided();
  const double dc = ShownChain[0].SumRe;
  const int selected = Selected();
  const bool component = View.Highlighted() && selected <= Document.HighestHarmonic;
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
    if (options.Trace) {
      int px = 0;
      int py = 0;
      PlaneToPixel(tipRe, tipIm, px, py);
      TracePoints[e] = QPoint(px, py);
    }
  }
  RotateForPictures(ShownChain, n, true);
  if (options.Trace) {
    PhasorImage->Pen.Colour = TraceColour;
    PhasorImage->Pen.Width = 1;
    PhasorImage->Polyline(TracePoints.data(), n + 1);
    PhasorImage->Pen.Colour = MainChainColour;
    PhasorImage->Pen.Width = 2;
  }

  DrawIdealWave();
  DrawTargetWave();
  DrawHighlightedComponent(n);
  DrawReconWave(n);

  if (options.RealValue) {
    // With the plane turned, the level line runs to the plane's right edge and
    // meets the time plot's line at the same height on screen.
    const double v = ReconWave[n];
    const bool turned = options.RotateComplexPlane;
    const QPoint centre = turned ? MapWorld(*PhasorGraph, 0.0, v) : MapWorld(*PhasorGraph, v, 0.0);
    DrawValueMarker(*PhasorImage, MarkerRadius, centre, turned, MapWorld(*PhasorGraph, 1.0, v));
  }
}

// The whole of the ideal wave, two periods, in black at width 1.
void TPlotsPart::DrawIdealWave()
{
  if (!Document.Options.IdealWave)
    return;
  for (int i = 0; i < SweepSteps; ++i)
    CurvePoints[i] = MapWorld(*TimeGraph, i, Document.IdealWave[i]);
  TimeImage->Pen.Width = 1;
  TimeImage->Pen.Colour = IdealWaveColour;
  TimeImage->Polyline(CurvePoints.data(), SweepSteps);
  TimeImage->Pen.Width = 2;
}

// An exercise's target over both periods, dashed (dashes of 6 steps, gaps of
// 4), in blue at width 2, under the reconstruction.
void TPlotsPart::DrawTargetWave()
{
  const std::array<double, SweepSteps> *target = View.TargetWave ? View.TargetWave() : nullptr;
  if (!target)
    return;
  for (int i = 0; i < SweepSteps; ++i)
    CurvePoints[i] = MapWorld(*TimeGraph, i, (*target)[i]);
  TimeImage->Pen.Colour = TargetWaveColour;
  for (int start = 0; start < SweepSteps - 1; start += 10)
    TimeImage->Polyline(CurvePoints.data() + start, std::min(7, SweepSteps - start));
}

// ReconWave[0..n] in green at the width DrawFrame left, then the time-plot
// marker at step n. n is a time step 0..511.
void TPlotsPart::DrawReconWave(int n)
{
  n = std::clamp(n, 0, SweepSteps - 1);
  for (int e = 0; e <= n; ++e)
    CurvePoints[e] = MapWorld(*TimeGraph, e, ReconWave[e]);
  TimeImage->Pen.Colour = ReconWaveColour;
  TimeImage->Polyline(CurvePoints.data(), n + 1);

  if (Document.Options.RealValue) {
    // The level line runs back to column 0, meeting the phasor plane's line.
    const double v = ReconWave[n];
    DrawValueMarker(*TimeImage, MarkerRadius, MapWorld(*TimeGraph, n, v),
                    Document.Options.RotateComplexPlane, MapWorld(*TimeGraph, 0.0, v));
  }
}

// Over the chain just drawn: the selected harmonic's own phasor, from the
// running sum before it to the one after it.
void TPlotsPart::DrawHighlightedSegment()
{
  const int k = Selected();
  if (!View.Highlighted() || k + 1 >= ChainPointCount)
    return;
  const TCanvasPen chainPen = PhasorImage->Pen;
  PhasorImage->Pen.Colour = HighlightColour;
  PhasorImage->Pen.Width = HighlightWidth;
  PhasorImage->Polyline(&ChainPoints[std::size_t(k)], 2);
  PhasorImage->Pen = chainPen;
}

// ComponentValues[0..n] hold the selected harmonic's part of the real value,
// filled by PlotReconstruction; drawn two pixels wide like the reconstruction,
// with the cheaper double line, so the highlight adds little to a redraw.
void TPlotsPart::DrawHighlightedComponent(int n)
{
  if (!View.Highlighted() || Selected() > Document.HighestHarmonic)
    return;
  n = std::clamp(n, 0, SweepSteps - 1);
  for (int e = 0; e <= n; ++e)
    CurvePoints[std::size_t(e)] = TimeGraph->PointAt(e, ComponentValues[std::size_t(e)]);
  const TCanvasPen curvePen = TimeImage->Pen;
  TimeImage->Pen.Colour = HighlightColour;
  TimeImage->DoublePolyline(CurvePoints.data(), n + 1);
  TimeImage->Pen = curvePen;
}

// View > Axes, over the plane's picture: the tick places follow the turn, so
// the real axis is numbered upwards and the imaginary one leftwards when
// turned.
void TPlotsPart::DrawPlaneAxes()
{
  if (!View.Axes())
    return;
  const bool turned = Document.Options.RotateComplexPlane;
  int px = 0;
  int py = 0;
  for (std::size_t i = 0; i < TPlotAxes::TickCount; ++i) {
    const double v = ValueTicks[i];
    PlaneToPixel(turned ? 0.0 : v, turned ? v : 0.0, px, py);
    PlaneAxes.Across[i].At = px;
    PlaneToPixel(turned ? v : 0.0, turned ? 0.0 : v, px, py);
    PlaneAxes.Down[i].At = py;
  }
  DrawPlotAxes(*PhasorImage, PlaneAxes);
}

// View > Axes, over the time plot's picture.
void TPlotsPart::DrawTimeAxes()
{
  if (View.Axes())
    DrawPlotAxes(*TimeImage, TimeAxes);
}

void TPlotsPart::ShowErrorPanel()
{
  StatusPanel3->setVisible(View.ShowsError());
  ShowRmsError();
}

// The error over one whole period, recomputed only when what it depends on
// has changed since it was last shown.
void TPlotsPart::ShowRmsError()
{
  if (!View.ShowsError())
    return;
  if (View.WaveformItem() == WaveformItems::CustomRotants) {
    StatusPanel3->setText(tr("RMS error: -"));
    return;
  }
  const int highest = Document.HighestHarmonic;
  TErrorSource source;
  for (int k = 0; k < HarmonicCount; ++k) {
    source.Entries[std::size_t(2 * k)] = ShownChain[std::size_t(k)].Re;
    source.Entries[std::size_t(2 * k + 1)] = ShownChain[std::size_t(k)].Im;
  }
  source.Highest = highest;
  source.Conjugate = View.TwoSided();
  source.Ideal = Document.IdealWave;
  if (!ShownErrorValid || !(source == ShownErrorSource)) {
    ShownError = Reconstruction::RmsError(ShownChain, highest, source.Conjugate, source.Ideal);
    ShownErrorSource = source;
    ShownErrorValid = true;
  }
  StatusPanel3->setText(tr("RMS error: %1").arg(Number(ShownError)));
}

// Names the harmonic that Highlight and Solo are about while either is on, and
// says so when it lies above the highest harmonic (nothing to see or hear).
void TPlotsPart::ShowSelectedHarmonic()
{
  const bool highlight = View.Highlighted();
  const bool solo = View.Solo();
  SelectedHarmonicPanel->setVisible(highlight || solo);
  if (!highlight && !solo) {
    // A hidden panel keeps no text, as a window that never showed it.
    if (ShownSelectedSource != std::array<int, 3>{-1, -1, -1}) {
      ShownSelectedSource = {-1, -1, -1};
      SelectedHarmonicPanel->clear();
    }
    return;
  }
  const int k = Selected();
  const int highest = Document.HighestHarmonic;
  // A redraw calls this on every animation tick: the text is made anew only
  // when what it says has changed.
  const std::array<int, 3> source{k, highest, solo ? 1 : 0};
  if (source == ShownSelectedSource)
    return;
  ShownSelectedSource = source;
  QString text;
  if (k > highest)
    text = tr("Harmonic %1: above the highest harmonic").arg(k);
  else if (solo)
    text = tr("Harmonic %1 alone").arg(k);
  else
    text = tr("Harmonic %1").arg(k);
  SelectedHarmonicPanel->setText(text);
}

// Starts a stroke in drawing mode. The clicked column's sample takes the
// clicked value; nothing is redrawn until the next move or the release.
void TPlotsPart::TimeMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
  if (Document.EditMode != DrawingWave)
    return;
  // The stroke changes the drawn period as it goes; its undo step starts here.
  if (!MouseDrawing)
    Document.ForgetStroke();
  Document.StartStroke();
  MouseDrawing = true;
  LastMouseX = X;
  LastMouseY = Y;
  DrawWaveSegment(X, Y, X, Y);
}

// Shows the pointer's column and value in every mode. During a stroke it
// draws the segment from the previous point, repeats the period in the second
// half and redraws the time plot only: the phasor set is unchanged while
// drawing, so the phasor plane keeps its picture.
void TPlotsPart::TimeMouseMove(Qt::KeyboardModifiers, int X, int Y)
{
  double wx = 0.0;
  double wy = 0.0;
  TimeGraph->PixelToWorld(X, Y, wx, wy);
  StatusPanel2->setText(CoordPrefix + QString::number(X) + " : " + Number(wy));
  ShowTimeValues(wx);
  if (!MouseDrawing)
    return;
  DrawWaveSegment(LastMouseX, LastMouseY, X, Y);
  LastMouseX = X;
  LastMouseY = Y;
  Document.RepeatIdealPeriod();
  TimeGraph->DrawFrame(Document.Options.Grid);
  PlotReconstruction(Step());
  DrawTimeAxes();
}

// Ends a stroke in any mode; in drawing mode the whole drawn period becomes
// the harmonic entries and both plots are redrawn.
// The first panel tells about the plot under the mouse: over the time plot
// the values at the step there (the nearest one in 0..511), the ideal one
// only where an ideal wave shows.
void TPlotsPart::ShowTimeValues(double step)
{
  const int n = int(std::lround(std::clamp(step, 0.0, double(SweepSteps - 1))));
  const double sum = Reconstruction::RealValueAt(Document.PhasorList, Document.HighestHarmonic,
                                                 View.TwoSided(), n);
  const bool ideal =
      Document.Options.IdealWave && View.WaveformItem() != WaveformItems::CustomRotants;
  TimeValuesPanel->setText(
      ideal ? tr("Ideal %1, sum %2").arg(Number(Document.IdealWave[std::size_t(n)]), Number(sum))
            : tr("Sum %1").arg(Number(sum)));
  StatusPanel0->hide();
  TimeValuesPanel->show();
}

void TPlotsPart::TimeMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
  MouseDrawing = false;
  if (Document.EditMode != DrawingWave)
    return;
  const TActionScope action(Actions, tr("Drawing"), TStepKind::HandMade);
  View.DrawingDone();
  Redraw();
}

// Writes the straight line between two pixel positions of the time plot into
// the stored period (the document's DrawSegment: one sample per column, cut at
// the plot's edges). A captured mouse may report any int position; the world
// coordinates of such positions are large but finite, and at most 512
// samples are written whatever they are.
void TPlotsPart::DrawWaveSegment(int x1, int y1, int x2, int y2)
{
  double ax = 0.0;
  double ay = 0.0;
  double bx = 0.0;
  double by = 0.0;
  TimeGraph->PixelToWorld(x1, y1, ax, ay);
  TimeGraph->PixelToWorld(x2, y2, bx, by);
  Document.DrawSegment(ax, ay, bx, by);
}

// Moving the slider redraws exactly as a user's move of it does.
void TPlotsPart::StepKey(TStepKey move)
{
  QSlider *slider = Playback->TimeTrackBar;
  const int step = slider->value();
  int target = step;
  switch (move) {
  case TStepKey::Back:
    target = step - 1;
    break;
  case TStepKey::Forward:
    target = step + 1;
    break;
  case TStepKey::PageBack:
    target = step - PageSteps;
    break;
  case TStepKey::PageForward:
    target = step + PageSteps;
    break;
  case TStepKey::First:
    target = slider->minimum();
    break;
  case TStepKey::Last:
    target = slider->maximum();
    break;
  }
  slider->setValue(std::clamp(target, slider->minimum(), slider->maximum()));
}

