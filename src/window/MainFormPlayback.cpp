#include "MainForm.h"

#include "FFTUnit.h"
#include "PlaybackPart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

// Mode control: the waveform, the highest harmonic, Clear and the convention.

void TRotantsForm::ResetWaveform()
{
  SimulationTimer->stop();
  SetEditMode(NoEditing);
  IdleEditMode = NoEditing;
  BringToFront(PlayBtn, StopBtn);
  ClearPhasorEntries();
  ClearReconWave();
  PlaySound(false);
}

void TRotantsForm::WaveformComboBoxChange()
{
  const TActionScope action(Actions, WaveformComboBox->currentText(), TStepKind::Rebuild);
  ResetWaveform();
  ShowEditorNotice(QString());
  const int item = WaveformComboBox->currentIndex();
  // The convention as the box shows it, which the command line or a test
  // may have set without a click.
  Document.Conjugate = ConjugateCheckBox->isChecked();
  Document.ChooseWaveform(item);
  ShowSelectedRow();
  // "Custom Time" has no tone until a drawing has made entries, nor has a
  // drop-down with no item chosen.
  if (item == WaveformItems::CustomRotants || WaveformItems::IsStandard(item)) {
    SynthesizeTone();
    PlaySound(SoundCheckBox->isChecked());
  }
  TimeTrackBarChange();
}

void TRotantsForm::EntriesFromDrawnPeriod()
{
  SpectrumFromDrawnWave();
  if (!ConjugateCheckBox->isChecked())
    DoubleForOneSidedConvention();
}

void TRotantsForm::DoubleForOneSidedConvention()
{
  Document.ScaleHarmonics(2.0);
  Document.ShowEntriesAsTexts(1, HarmonicCount - 1);
  SynthesizeTone();
  PlaySound(SoundCheckBox->isChecked());
}

void TRotantsForm::HighestHarmonicComboBoxChange()
{
  const int item = HighestHarmonicComboBox->currentIndex();
  if (item < 0 || item >= HarmonicCount)
    return;
  const TActionScope action(Actions, tr("Highest Harmonic %1").arg(item));
  Document.SetHighestHarmonic(item);
  SynthesizeTone();
  PlaySound(SoundCheckBox->isChecked());
  TimeTrackBarChange();
}

// Stops and rewinds. In the two custom modes (or with no selection) the
// user's phasors or drawing are thrown away and the mode starts afresh; a
// standard waveform keeps its entries.
void TRotantsForm::ClearBtnClick()
{
  const TActionScope action(Actions, ClearBtn->text().remove('&'), TStepKind::Rebuild);
  StopBtnClick();
  TimeTrackBar->setValue(0);
  if (!WaveformItems::IsStandard(WaveformComboBox->currentIndex()))
    WaveformComboBoxChange();
}

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

// Switches between the one-sided and the two-sided amplitude convention; the
// real waveform shown stays the same. The grid shows the scaled entries; the
// tone is not synthesised again.
void TRotantsForm::ConjugateCheckBoxClick()
{
  const TActionScope action(Actions, ConjugateCheckBox->text().remove('&'));
  Document.SetConjugate(ConjugateCheckBox->isChecked());
  TimeTrackBarChange();
}
