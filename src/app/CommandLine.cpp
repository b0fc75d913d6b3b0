#include "CommandLineRun.h"

#include "MainForm.h"
#include "PhasorSetFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRandomGenerator>
#include <QSlider>

#include <algorithm>

namespace {

void Tick(QCheckBox *box, bool on)
{
  box->setChecked(on);
}

}  // namespace

bool ApplyCommandLine(TRotantsForm &form, const TCommandLineOptions &options, bool interactive,
                      QString &error)
{
  if (!options.File.isEmpty()) {
    const bool part = options.From >= 0.0 || options.To >= 0.0;
    const bool opened =
        part ? form.Files->LoadRecording(options.File, std::max(options.From, 0.0), options.To,
                                         error)
             : interactive ? form.OpenPhasorSet(options.File)
                           : form.LoadPhasorSet(options.File, error);
    if (!opened && part && interactive)
      form.ShowWarning(error);
    if (!opened && !interactive)
      return false;
  }
  {
    const TActionScope action(form);
    if (options.Conjugate && !form.ConjugateCheckBox->isChecked()) {
      Tick(form.ConjugateCheckBox, true);
      form.ConjugateCheckBoxClick();
    }
    if (options.Rotate && !form.RotateComplexPlaneCheckBox->isChecked()) {
      Tick(form.RotateComplexPlaneCheckBox, true);
      form.RotateComplexPlaneCheckBoxClick();
    }
    if (options.Trace)
      Tick(form.TraceCheckBox, true);
    if (options.RealValue)
      Tick(form.RealValueCheckBox, true);
    if (options.NoRealValue)
      Tick(form.RealValueCheckBox, false);
    if (options.NoGrid)
      Tick(form.TimeGridCheckBox, false);
    if (options.NoIdeal)
      Tick(form.IdealWaveCheckBox, false);
    if (options.DutyCycle || options.Shift) {
      const WaveformPresets::TShape &held = form.Document.Shape;
      form.SetShape({options.DutyCycle.value_or(held.DutyCycle),
                     options.Shift.value_or(held.Shift)});
    }
    if (options.Highest >= 0) {
      form.HighestHarmonicComboBox->setCurrentIndex(options.Highest);
      form.HighestHarmonicComboBoxChange();
    }
    if (!options.Waveform.isEmpty()) {
      form.WaveformComboBox->setCurrentIndex(PhasorSetFile::WaveformIndex(options.Waveform));
      form.WaveformComboBoxChange();
    }
    if (options.Step >= 0)
      form.TimeTrackBar->setValue(options.Step);
    form.TimeTrackBarChange();
  }
  // Before the zoom, which the screen then holds to what fits with the strip.
  if (options.Spectrum && !form.ViewSpectrum->isChecked())
    form.SetSpectrumView(true, false);
  if (options.Zoom > 0.0)
    form.SetZoomForRun(options.Zoom);
  if (options.Speed > 0.0)
    form.Playback->SetSpeed(options.Speed);
  if (!options.Language.isEmpty())
    form.SetLanguage(options.Language, false);
  if (interactive && options.ExerciseLevel > 0)
    form.StartExercise(options.ExerciseLevel,
                       options.ExerciseSeed.value_or(QRandomGenerator::global()->generate()));
  return true;
}

int RunBatch(TRotantsForm &form, const TCommandLineOptions &options)
{
  QString error;
  if (!ApplyCommandLine(form, options, false, error)) {
    PrintCommandLineError(error);
    return 2;
  }
  if (!options.Save.isEmpty() && !form.StorePhasorSet(options.Save, error)) {
    PrintCommandLineError(error);
    return 1;
  }
  return RunExports(form, options);
}
