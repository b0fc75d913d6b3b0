#include "MainForm.h"

#include "MySoundUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

// Playback and mode control. Animation is the timer moving TimeTrackBar one
// step per tick; every move to a new position raises valueChanged and thus one
// redraw. PlayBtn and StopBtn share one place: the one raised last is in front
// and agrees with the timer (Stop while it runs). Both stay enabled and keep
// their accelerators, so either handler may run in either state.

void TRotantsForm::PlayBtnClick()
{
  if (TimeTrackBar->value() == TimeTrackBar->maximum())
    TimeTrackBar->setValue(TimeTrackBar->minimum());
  BringToFront(StopBtn, PlayBtn);
  SetEditMode(0);
  SimulationTimer->start();
}

void TRotantsForm::SimulationTimerTimer()
{
  const int position = TimeTrackBar->value();
  if (position < TimeTrackBar->maximum())
    TimeTrackBar->setValue(position + 1);
  else if (RepeatPlayCheckBox->isChecked())
    TimeTrackBar->setValue(0);
  else
    StopBtnClick();
}

void TRotantsForm::StopBtnClick()
{
  BringToFront(PlayBtn, StopBtn);
  SetEditMode(IdleEditMode);
  SimulationTimer->stop();
}

// Only the button in front takes part in the Tab chain. Should the one going
// behind hold the focus, the focus moves with the place to the one in front.
void TRotantsForm::BringToFront(QPushButton *front, QPushButton *behind)
{
  front->raise();
  front->setFocusPolicy(Qt::StrongFocus);
  behind->setFocusPolicy(Qt::NoFocus);
  if (behind->hasFocus())
    front->setFocus(Qt::OtherFocusReason);
}

void TRotantsForm::FocusFrontPlaybackButton()
{
  (PlayBtnInFront() ? PlayBtn : StopBtn)->setFocus(Qt::OtherFocusReason);
}

bool TRotantsForm::PlayBtnInFront() const
{
  // raise() moves a widget to the end of its parent's children, which are
  // painted and hit-tested in that order.
  const QObjectList &siblings = PlayBtn->parentWidget()->children();
  return siblings.indexOf(PlayBtn) > siblings.indexOf(StopBtn);
}

void TRotantsForm::ResetWaveform()
{
  SimulationTimer->stop();
  SetEditMode(0);
  IdleEditMode = 0;
  BringToFront(PlayBtn, StopBtn);
  ClearPhasorEntries();
  ClearReconWave();
  PlaySound(false);
}

void TRotantsForm::WaveformComboBoxChange()
{
  const TActionScope action(*this, WaveformComboBox->currentText(), TStepKind::Rebuild);
  ResetWaveform();
  ShowEditorNotice(QString());
  const int item = WaveformComboBox->currentIndex();
  switch (item) {
  case 0:
    PresetCustomEntries();
    IdleEditMode = 1;
    break;
  case 1:
    PresetCustomTime();
    IdleEditMode = 2;
    break;
  case 2:
    PresetSquare();
    break;
  case 3:
    PresetRectangularPulse();
    break;
  case 4:
    PresetBipolarPulse();
    break;
  case 5:
    PresetTriangle();
    break;
  case 6:
    PresetSawtooth();
    break;
  case 7:
    PresetRectifiedCosine();
    break;
  case 8:
    PresetImpulseTrain();
    break;
  default:
    break;
  }
  // The standard presets write two-sided coefficients; the one-sided
  // convention holds twice those in entries 1..25. ("Custom Time" has loaded
  // no entry yet, and its sound stays off.)
  if (item >= 2 && item <= 8 && !ConjugateCheckBox->isChecked())
    DoubleForOneSidedConvention();
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
  const TActionScope action(*this, tr("Highest Harmonic %1").arg(item));
  HighestHarmonic = item;
  SynthesizeTone();
  PlaySound(SoundCheckBox->isChecked());
  TimeTrackBarChange();
}

// Stops and rewinds. In the two custom modes (or with no selection) the
// user's phasors or drawing are thrown away and the mode starts afresh; a
// standard waveform keeps its entries.
void TRotantsForm::ClearBtnClick()
{
  const TActionScope action(*this, ClearBtn->text().remove('&'), TStepKind::Rebuild);
  StopBtnClick();
  TimeTrackBar->setValue(0);
  if (WaveformComboBox->currentIndex() <= 1)
    WaveformComboBoxChange();
}
