#include "MainForm.h"

#include "MySoundUnit.h"
#include "PlaybackPart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

// Mode control, and the window's names of playback's operations (the
// playback part's).

void TRotantsForm::PlayBtnClick()
{
  Playback->Play();
}

void TRotantsForm::SimulationTimerTimer()
{
  Playback->Tick();
}

void TRotantsForm::StopBtnClick()
{
  Playback->Stop();
}

void TRotantsForm::BringToFront(QPushButton *front, QPushButton *behind)
{
  TPlaybackPart::BringToFront(front, behind);
}

void TRotantsForm::FocusFrontPlaybackButton()
{
  Playback->FocusFrontButton();
}

bool TRotantsForm::PlayBtnInFront() const
{
  return Playback->PlayInFront();
}

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
  Document.WaveformItem = item;
  if (item == WaveformItems::CustomRotants) {
    PresetCustomEntries();
    IdleEditMode = PlacingTips;
  } else if (item == WaveformItems::CustomTime) {
    PresetCustomTime();
    IdleEditMode = DrawingWave;
  } else if (WaveformItems::IsStandard(item)) {
    PresetStandard(WaveformItems::Standard(item));
    // The standard presets write two-sided coefficients; the one-sided
    // convention holds twice those in entries 1..25.
    if (!ConjugateCheckBox->isChecked())
      DoubleForOneSidedConvention();
  }
  TimeTrackBarChange();
}

void TRotantsForm::DoubleForOneSidedConvention()
{
  ScaleHarmonics(2.0);
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
