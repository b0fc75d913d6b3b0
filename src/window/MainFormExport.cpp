#include "MainForm.h"

#include "MySoundUnit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>

// The window's side of the exports: what only it can give TExportsPart (the
// plots as shown, a sweep of them, the state the figures are drawn from, the
// tone), and the part's place in its menus.

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

// For its lifetime, lets the window redraw the plots at any step: it keeps
// what those redraws change (the step, the plots' own chain and ReconWave,
// the status panels, the pictures) and a running playback, stops the playback and draws
// every frame at once, even when an action that defers its redraws is open
// around the export; at its end it puts all of it back.
class TSweepScope {
public:
  explicit TSweepScope(TRotantsForm &form)
      : Form(form), Step(form.TimeTrackBar->value()), Chain(form.ShownChain),
        ReconWave(form.ReconWave), StepText(form.StatusPanel1->text()),
        // Each frame's redraw writes the error panel; during a stroke it
        // shows the error from before the stroke until the stroke ends.
        ErrorText(form.StatusPanel3->text()), Plane(*form.PhasorImage), Time(*form.TimeImage),
        Playing(form.SimulationTimer->isActive())
  {
    form.SimulationTimer->stop();
    Defer = std::exchange(form.DeferWithinActions, false);
  }

  ~TSweepScope()
  {
    ShowStep(Step);
    Form.ShownChain = Chain;
    Form.ReconWave = ReconWave;
    Form.StatusPanel1->setText(StepText);
    Form.StatusPanel3->setText(ErrorText);
    Plane.Restore(*Form.PhasorImage);
    Time.Restore(*Form.TimeImage);
    Form.DeferWithinActions = Defer;
    if (Playing)
      Form.SimulationTimer->start();
  }

  TSweepScope(const TSweepScope &) = delete;
  TSweepScope &operator=(const TSweepScope &) = delete;

  // Moves the slider to step without its redraw.
  void ShowStep(int step) const
  {
    const QSignalBlocker blocker(Form.TimeTrackBar);
    Form.TimeTrackBar->setValue(step);
  }

private:
  TRotantsForm &Form;
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

// Every frame is the window's own redraw at its step, taken from the canvases
// as shown, as the picture export takes them.
bool SweepPlots(TRotantsForm &form, int stride,
                const std::function<bool(const TPlotsFrame &frame)> &frame)
{
  const TSweepScope scope(form);
  // The strip between the plots in display pixels, as the picture shows it.
  const double scale = form.PhasorImage->DisplayScale();
  const int shownGap = form.TimeImage->x() - (form.PhasorImage->x() + form.PhasorImage->width());
  TPlotsFrame shown;
  shown.Gap = std::max(0, int(std::lround(shownGap / form.ZoomFactor * scale)));
  shown.Fill = form.palette().color(QPalette::Window).rgb();
  for (int step = 0; step < SweepSteps; step += stride) {
    scope.ShowStep(step);
    form.TimeTrackBarChange();
    shown.Plane = &ShownImage(*form.PhasorImage);
    shown.Time = &ShownImage(*form.TimeImage);
    if (!frame(shown))
      return false;
  }
  return true;
}

}  // namespace

TExportsView TRotantsForm::ExportsView()
{
  TExportsView view;
  view.PlotsPicture = [this] { return PlotsPicture(); };
  view.SweepPlots = [this](int stride, const std::function<bool(const TPlotsFrame &)> &frame) {
    return SweepPlots(*this, stride, frame);
  };
  view.FigureState = [this] { return FigureState(); };
  view.ToneLoop = [this] { return Sound->ToneLoop(); };
  view.WaveformItem = [this] { return WaveformComboBox->currentIndex(); };
  view.ShowWarning = [this](const QString &message) { ShowWarning(message); };
  return view;
}

void TRotantsForm::BuildExportMenu()
{
  Exports->BuildExportMenu(MenuFile, FileExit);
}

void TRotantsForm::BuildFigureActions()
{
  Exports->BuildFigureActions(MenuFile, FileExit, MenuEdit);
}

QImage TRotantsForm::PlotsPicture()
{
  const QImage plane = PhasorImage->ShownPicture().convertToFormat(QImage::Format_RGB32);
  const QImage time = TimeImage->ShownPicture().convertToFormat(QImage::Format_RGB32);
  // The strip of window between the plots, as wide as it is shown.
  const int gap = std::max(0, TimeImage->x() - (PhasorImage->x() + PhasorImage->width()));
  const QColor fill = palette().color(QPalette::Window);
  const QImage plots = SideBySide(plane, time, gap, fill);
  if (!ViewSpectrum->isChecked())
    return plots;
  // The spectrum under the plots, as far below them as they lie apart.
  const QImage strip = SpectrumImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QImage picture(std::max(plots.width(), strip.width()), plots.height() + gap + strip.height(),
                 QImage::Format_RGB32);
  picture.fill(fill);
  QPainter painter(&picture);
  painter.drawImage(0, 0, plots);
  painter.drawImage(0, plots.height() + gap, strip);
  return picture;
}

TFigureState TRotantsForm::FigureState() const
{
  TFigureState state;
  state.Entries = PhasorList;
  state.Highest = HighestHarmonic;
  state.Conjugate = ConjugateCheckBox->isChecked();
  state.Step = TimeTrackBar->value();
  state.RealValue = RealValueCheckBox->isChecked();
  state.Rotate = RotateComplexPlaneCheckBox->isChecked();
  state.Trace = TraceCheckBox->isChecked();
  state.Grid = TimeGridCheckBox->isChecked();
  state.IdealShown =
      IdealWaveCheckBox->isChecked() && WaveformComboBox->currentIndex() != WaveformItems::CustomRotants;
  const int selected = SelectedHarmonic();
  state.Highlighted =
      ViewHighlightHarmonic->isChecked() && selected <= HighestHarmonic ? selected : -1;
  state.IdealWave = IdealWave;
  state.ReconWave = ReconWave;
  state.WaveformName = WaveformComboBox->currentText();
  state.Selected = selected;
  state.HighlightSelected = ViewHighlightHarmonic->isChecked();
  state.Decibels = ViewSpectrumDecibels->isChecked();
  if (ViewSpectrum->isChecked())
    state.Panels.push_back(TFigurePanel::Spectrum);
  return state;
}
