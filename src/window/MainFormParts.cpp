#include "MainForm.h"

#include "AboutForm.h"
#include "EditorPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QSlider>

// What the window's parts take from one another, and the settings they share.

TActionWork TRotantsForm::ActionWork()
{
  TActionWork work;
  work.Synthesize = [this] { SynthesizeTone(); };
  work.Play = [this](bool on) { PlaySound(on); };
  work.Redraw = [this] { TimeTrackBarChange(); };
  work.Settle = [this] {
    Document.WaveformItem = WaveformComboBox->currentIndex();
    Document.Conjugate = ConjugateCheckBox->isChecked();
  };
  return work;
}

TFilesView TRotantsForm::FilesView()
{
  TFilesView view;
  view.Step = [this] { return TimeTrackBar->value(); };
  view.EditorShown = [this] { return !PhasorEditPanel->isHidden(); };
  view.Silent = [this] { return Silent; };
  view.StopWork = [this] {
    MouseDrawing = false;
    StopBtnClick();
    Recorder->StopListening();
  };
  view.HoldWork = [this](bool hold) { Recorder->HoldListening(hold); };
  // The options first, so the waveform is chosen as the user would choose it
  // with them set: its ideal curve, edit mode and grid are those of the choice.
  view.ApplyChoices = [this](const PhasorSetFile::TState &state) {
    RealValueCheckBox->setChecked(state.RealValue);
    TraceCheckBox->setChecked(state.Trace);
    ConjugateCheckBox->setChecked(state.Conjugate);
    Document.Conjugate = state.Conjugate;
    TimeGridCheckBox->setChecked(state.Grid);
    SoundCheckBox->setChecked(state.Sound);
    RepeatPlayCheckBox->setChecked(state.Repeat);
    IdealWaveCheckBox->setChecked(state.IdealWave);
    RotateComplexPlaneCheckBox->setChecked(state.RotateComplexPlane);
    RotateComplexPlaneCheckBoxClick();
    HighestHarmonicComboBox->setCurrentIndex(state.HighestHarmonic);
    HighestHarmonic = state.HighestHarmonic;
    Document.SetShape(state.Shape);
    WaveformComboBox->setCurrentIndex(state.Waveform);
    WaveformComboBoxChange();
  };
  view.ShowEditor = [this](bool shown) {
    if (PhasorEditPanel->isHidden() == shown)
      EditRotantsBtnClick();
  };
  view.ShowSelection = [this] { ShowSelectedRow(); };
  view.MakeTone = [this](bool play) {
    SynthesizeTone();
    if (play)
      PlaySound(SoundCheckBox->isChecked());
  };
  view.ShowStep = [this](int step) {
    TimeTrackBar->setValue(step);
    TimeTrackBarChange();
  };
  view.WorkFileChanged = [this](const QString &path) { Exports->SetWorkFile(path); };
  view.StartFolder = [this] { return Exports->StartFolder(); };
  view.ShowWarning = [this](const QString &message) { ShowWarning(message); };
  view.IsRecording = [](const QString &path) { return TRecordingPart::IsRecordingName(path); };
  view.OpenRecording = [this](const QString &path, double from, double to, QString &error) {
    return Recorder->OpenRecording(path, from, to, error);
  };
  return view;
}

// The set becomes a drawn one, the period drawn: a waveform choice only when
// it is another, so that listening keeps playback running.
TRecordingView TRotantsForm::RecordingView()
{
  TRecordingView view;
  view.Relayout = [this] { View->Relayout(); };
  view.ShowPeriod = [this](const std::array<double, PeriodSteps> &period) {
    if (WaveformComboBox->currentIndex() != WaveformItems::CustomTime) {
      WaveformComboBox->setCurrentIndex(WaveformItems::CustomTime);
      WaveformComboBoxChange();
    }
    Document.SetIdealPeriod(period);
    EntriesFromDrawnPeriod();
    Sound->RefreshTone();
    TimeTrackBarChange();
  };
  view.StopWork = [this] {
    MouseDrawing = false;
    StopBtnClick();
  };
  view.ShowWarning = [this](const QString &message) { ShowWarning(message); };
  return view;
}

TExerciseView TRotantsForm::ExerciseView()
{
  TExerciseView view;
  view.Relayout = [this] { View->Relayout(); };
  view.StopWork = [this] {
    MouseDrawing = false;
    StopBtnClick();
    Recorder->StopListening();
  };
  view.ConfirmDropWork = [this] { return ConfirmDropWork(); };
  view.ChooseWaveform = [this](int item) {
    WaveformComboBox->setCurrentIndex(item);
    WaveformComboBoxChange();
  };
  view.SetHighest = [this](int highest) {
    HighestHarmonicComboBox->setCurrentIndex(highest);
    HighestHarmonicComboBoxChange();
  };
  view.EditHarmonic = [this](int k, double magnitude, double angle) {
    EditHarmonic(k, magnitude, angle);
  };
  view.ResetHistory = [this] { ResetUndoHistory(); };
  view.Redraw = [this] { TimeTrackBarChange(); };
  view.ShowSpectrum = [this] {
    if (!Spectrum->Shown())
      SetSpectrumView(true, false);
  };
  view.CaptureSet = [this] { return CapturePhasorSet(); };
  view.CurrentFile = [this] { return CurrentFile; };
  view.StartFolder = [this] { return StartFolder(); };
  view.ShowWarning = [this](const QString &message) { ShowWarning(message); };
  return view;
}

TSpectrumView TRotantsForm::SpectrumView()
{
  TSpectrumView view;
  view.TwoSided = [this] { return ConjugateCheckBox->isChecked(); };
  view.Highlighted = [this] { return View->Highlighted(); };
  view.WaveformName = [this] { return WaveformComboBox->currentText(); };
  view.Redraw = [this] { TimeTrackBarChange(); };
  view.Relayout = [this] { View->Relayout(); };
  view.EditHarmonic = [this](int k, double magnitude, double angle) {
    EditHarmonic(k, magnitude, angle);
  };
  view.ShowSelection = [this] { ShowSelectedRow(); };
  view.Outlines = [this] { return Exercise->Outlines(); };
  return view;
}

TShapeView TRotantsForm::ShapeView()
{
  TShapeView view;
  view.Relayout = [this] { View->Relayout(); };
  view.Reshaped = [this] {
    Sound->RefreshTone();
    TimeTrackBarChange();
  };
  return view;
}

TViewNeeds TRotantsForm::ViewNeeds()
{
  TViewNeeds needs;
  needs.Growth = [this] {
    return Spectrum->Growth() + Shape->Growth() + Recorder->Growth() + Exercise->Growth();
  };
  // The strips lie one under another: spectrum, Shape, recording, exercise;
  // a hidden one is placed when it shows.
  needs.PlaceStrips = [this] {
    if (Shape->Shown())
      View->SetBaseGeometry(Shape->ShapePanel, Shape->StripGeometry(Spectrum->Growth()));
    if (Recorder->Shown())
      View->SetBaseGeometry(Recorder->RecordingPanel,
                            Recorder->StripGeometry(Spectrum->Growth() + Shape->Growth()));
    if (Exercise->Shown())
      View->SetBaseGeometry(Exercise->ExercisePanel,
                            Exercise->StripGeometry(Spectrum->Growth() + Shape->Growth()
                                                    + Recorder->Growth()));
  };
  // The canvases draw at the screen's detail, so the pictures are drawn anew.
  needs.Zoomed = [this](double factor) {
    TimeTrackBarChange();
    AboutBox->SetZoom(factor);
  };
  return needs;
}

TPlotsView TRotantsForm::PlotsView()
{
  TPlotsView view;
  view.TwoSided = [this] { return ConjugateCheckBox->isChecked(); };
  view.Highlighted = [this] { return View->Highlighted(); };
  view.ShowsError = [this] { return View->ShowsError(); };
  view.Axes = [this] { return View->ShowsAxes(); };
  view.Solo = [this] { return Sound->Solo(); };
  view.WaveformItem = [this] { return WaveformComboBox->currentIndex(); };
  view.WaveformName = [this] { return WaveformComboBox->currentText(); };
  view.ZoomFactor = [this] { return ZoomFactor; };
  view.PlaceEntry = [this](double re, double im) { LoadPhasorEditor(re, im); };
  view.DrawingDone = [this] { EntriesFromDrawnPeriod(); };
  view.TargetWave = [this] { return Exercise->TargetWave(); };
  view.Drawn = [this](const TPhasorArray &shown) { Exercise->ShowDifference(shown); };
  return view;
}

TExportsView TRotantsForm::ExportsView()
{
  TExportsView view;
  view.PlotsPicture = [this] { return Plots->Picture(); };
  view.SweepPlots = [this](int stride, const std::function<bool(const TPlotsFrame &)> &frame) {
    return Plots->Sweep(stride, frame);
  };
  view.FigureState = [this] { return Plots->FigureState(); };
  view.ToneLoop = [this] { return Sound->ToneLoop(); };
  view.WaveformItem = [this] { return WaveformComboBox->currentIndex(); };
  view.ShowWarning = [this](const QString &message) { ShowWarning(message); };
  return view;
}

void TRotantsForm::RotateComplexPlaneCheckBoxClick()
{
  Plots->ShowPlaneTurn();
  TimeTrackBarChange();
}

// Another row chosen: what Highlight, Solo and the strip show of it.
void TRotantsForm::SelectedHarmonicChanged()
{
  Plots->ShowSelectedHarmonic();
  if (View->Highlighted())
    TimeTrackBarChange();
  else
    Spectrum->Redraw();
  if (Sound->Solo())
    Sound->RefreshTone();
}

// Solo is not remembered: a new day never starts with one quiet harmonic
// playing unexplained.
void TRotantsForm::RestoreTeachingOptions(QSettings *settings)
{
  View->RestoreTeachingOptions(settings);
  Plots->ShowErrorPanel();
  Plots->ShowSelectedHarmonic();
  // The axes change only the pictures, which are drawn again.
  if (!View->Highlighted() && !Sound->Solo() && !View->ShowsError()) {
    TimeTrackBarChange();
    return;
  }
  const TActionScope action(Actions);
  SynthesizeTone();
  if (SoundCheckBox->isChecked())
    PlaySound(true);
  TimeTrackBarChange();
}

// The strip first, so that the zoom is held to what the screen allows with it.
// Nothing is written back while the settings are read: the view, which the
// strip's relayout would make remember the zoom, forgets the old ones first.
void TRotantsForm::UseSettings(QSettings *settings)
{
  View->UseSettings(nullptr);
  Spectrum->UseSettings(settings);
  Shape->UseSettings(settings);
  View->UseSettings(settings);
  if (settings) {
    RestoreTeachingOptions(settings);
    View->RestoreLanguage(settings);
  }
  Exports->UseSettings(settings);
  Files->UseSettings(settings);
}

void TRotantsForm::dragEnterEvent(QDragEnterEvent *event)
{
  if (TFilesPart::CarriesFile(event->mimeData()))
    event->acceptProposedAction();
}

void TRotantsForm::dropEvent(QDropEvent *event)
{
  if (!TFilesPart::CarriesFile(event->mimeData()))
    return;
  event->acceptProposedAction();
  Files->OpenDropped(event->mimeData());
}
