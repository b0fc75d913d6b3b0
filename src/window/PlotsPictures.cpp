#include "PlotsPart.h"

#include "ActionRunner.h"
#include "ExportsPart.h"
#include "PlaybackPart.h"
#include "SpectrumPart.h"
#include "WaveformItems.h"

#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

// The plots as the exports take them: the picture of what they show, a sweep
// of their frames and the state the figures are drawn from.

namespace {

// left and right side by side, top-aligned, gap pixels of fill between them.
QImage SideBySide(const QImage &left, const QImage &right, int gap, const QColor &fill)
{
  QImage picture(left.width() + gap + right.width(), std::max(left.height(), right.height()),
                 QImage::Format_RGB32);
  picture.fill(fill);
  QPainter painter(&picture);
  painter.drawImage(0, 0, left);
  painter.drawImage(left.width() + gap, 0, right);
  return picture;
}

// The pixels a canvas shows: its own at 100 %, its display image at another
// zoom or on a HiDPI screen.
const QImage &ShownImage(TImageCanvas &canvas)
{
  return canvas.DisplayScale() == 1.0 ? canvas.Image() : canvas.DisplayImage();
}

// A canvas's pictures and drawing tools, to put back after a sweep.
struct TCanvasState {
  explicit TCanvasState(TImageCanvas &canvas)
      : Pixels(canvas.Image()), Shown(canvas.DisplayImage()), Pen(canvas.Pen),
        Brush(canvas.Brush)
  {
  }

  void Restore(TImageCanvas &canvas) const
  {
    canvas.RestoreImage(Pixels, Shown);
    canvas.Pen = Pen;
    canvas.Brush = Brush;
  }

  QImage Pixels;
  QImage Shown;
  TCanvasPen Pen;
  TCanvasBrush Brush;
};

}  // namespace

// For its lifetime, lets the part redraw the plots at any step: it keeps what
// those redraws change (the step, the shown chain and ReconWave, the status
// panels, the pictures) and a running playback, stops the playback and draws
// every frame at once, even when an action that defers its redraws is open
// around the export; at its end it puts all of it back.
class TPlotsPart::TSweepScope {
public:
  explicit TSweepScope(TPlotsPart &plots)
      : Plots(plots), Slider(plots.Playback->TimeTrackBar), Timer(plots.Playback->SimulationTimer),
        Step(Slider->value()), Chain(plots.ShownChain), ReconWave(plots.ReconWave),
        StepText(plots.StatusPanel1->text()),
        // Each frame's redraw writes the error panel; during a stroke it
        // shows the error from before the stroke until the stroke ends.
        ErrorText(plots.StatusPanel3->text()), Plane(*plots.PhasorImage),
        Time(*plots.TimeImage), Playing(Timer->isActive())
  {
    Timer->stop();
    Defer = std::exchange(plots.Actions.Defer, false);
  }

  ~TSweepScope()
  {
    ShowStep(Step);
    Plots.ShownChain = Chain;
    Plots.ReconWave = ReconWave;
    Plots.StatusPanel1->setText(StepText);
    Plots.StatusPanel3->setText(ErrorText);
    Plane.Restore(*Plots.PhasorImage);
    Time.Restore(*Plots.TimeImage);
    Plots.Actions.Defer = Defer;
    if (Playing)
      Timer->start();
  }

  TSweepScope(const TSweepScope &) = delete;
  TSweepScope &operator=(const TSweepScope &) = delete;

  // Moves the slider to step without its redraw.
  void ShowStep(int step) const
  {
    const QSignalBlocker blocker(Slider);
    Slider->setValue(step);
  }

private:
  TPlotsPart &Plots;
  QSlider *const Slider;
  QTimer *const Timer;
  const int Step;
  const TPhasorArray Chain;
  const std::array<double, SweepSteps> ReconWave;
  const QString StepText;
  const QString ErrorText;
  const TCanvasState Plane;
  const TCanvasState Time;
  const bool Playing;
  bool Defer = true;
};

QImage TPlotsPart::Picture()
{
  const QImage plane = PhasorImage->ShownPicture().convertToFormat(QImage::Format_RGB32);
  const QImage time = TimeImage->ShownPicture().convertToFormat(QImage::Format_RGB32);
  // The strip of window between the plots, as wide as it is shown.
  const int gap = std::max(0, TimeImage->x() - (PhasorImage->x() + PhasorImage->width()));
  const QColor fill = TimeImage->window()->palette().color(QPalette::Window);
  const QImage plots = SideBySide(plane, time, gap, fill);
  if (!Spectrum.Shown())
    return plots;
  // The spectrum under the plots, as far below them as they lie apart.
  const QImage strip =
      Spectrum.SpectrumImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QImage picture(std::max(plots.width(), strip.width()), plots.height() + gap + strip.height(),
                 QImage::Format_RGB32);
  picture.fill(fill);
  QPainter painter(&picture);
  painter.drawImage(0, 0, plots);
  painter.drawImage(0, plots.height() + gap, strip);
  return picture;
}

// Every frame is the part's own redraw at its step, taken from the canvases
// as shown, as the picture export takes them.
bool TPlotsPart::Sweep(int stride, const std::function<bool(const TPlotsFrame &frame)> &frame)
{
  const TSweepScope scope(*this);
  // The strip between the plots in display pixels, as the picture shows it.
  const double scale = PhasorImage->DisplayScale();
  const int shownGap = TimeImage->x() - (PhasorImage->x() + PhasorImage->width());
  TPlotsFrame shown;
  shown.Gap = std::max(0, int(std::lround(shownGap / View.ZoomFactor() * scale)));
  shown.Fill = TimeImage->window()->palette().color(QPalette::Window).rgb();
  for (int step = 0; step < SweepSteps; step += stride) {
    scope.ShowStep(step);
    Redraw();
    shown.Plane = &ShownImage(*PhasorImage);
    shown.Time = &ShownImage(*TimeImage);
    if (!frame(shown))
      return false;
  }
  return true;
}

TFigureState TPlotsPart::FigureState() const
{
  const TSetOptions &options = Document.Options;
  TFigureState state;
  state.Entries = Document.PhasorList;
  state.Highest = Document.HighestHarmonic;
  state.Conjugate = View.TwoSided();
  state.Step = Step();
  state.RealValue = options.RealValue;
  state.Rotate = options.RotateComplexPlane;
  state.Trace = options.Trace;
  state.Grid = options.Grid;
  state.IdealShown = options.IdealWave && View.WaveformItem() != WaveformItems::CustomRotants;
  const int selected = Selected();
  const bool highlight = View.Highlighted();
  state.Highlighted = highlight && selected <= Document.HighestHarmonic ? selected : -1;
  state.IdealWave = Document.IdealWave;
  state.ReconWave = ReconWave;
  state.WaveformName = View.WaveformName();
  state.Selected = selected;
  state.HighlightSelected = highlight;
  state.Decibels = Spectrum.ViewSpectrumDecibels->isChecked();
  if (Spectrum.Shown())
    state.Panels.push_back(TFigurePanel::Spectrum);
  return state;
}
