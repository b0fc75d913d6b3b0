#include "MainForm.h"

#include "MySoundUnit.h"
#include "ToneSynthesis.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include <algorithm>
#include <utility>

// Writes one period of entries 0..HighestHarmonic into the player's buffer.
// Starting or stopping the loop is left to the caller.
void TRotantsForm::SynthesizeTone()
{
  if (Deferring()) {
    TonePending = true;
    return;
  }
  if (!MySound->Buffer || MySound->DataSize < quint32(ToneBytes))
    return;
  if (!ViewSoloHarmonic->isChecked()) {
    ToneSynthesis::SynthesizeToneBytes(PhasorList, HighestHarmonic, MySound->Buffer);
    return;
  }
  // The selected harmonic alone, at its level in the mix; a constant alone,
  // or a harmonic above the highest, is silence.
  const int selected = SelectedHarmonic();
  if (selected == 0 || selected > HighestHarmonic) {
    std::fill_n(MySound->Buffer, ToneBytes, std::uint8_t(ToneSynthesis::SilenceByte));
    return;
  }
  TPhasorArray alone{};
  alone[std::size_t(selected)] = PhasorList[std::size_t(selected)];
  ToneSynthesis::SynthesizeToneBytes(alone, HighestHarmonic, MySound->Buffer);
}

// Plays the tone of the last synthesis, or stops it; the buffer is not
// recomputed here.
void TRotantsForm::SoundCheckBoxClick()
{
  PlaySound(SoundCheckBox->isChecked());
}

void TRotantsForm::PlaySound(bool on)
{
  on = on && !Silent;
  if (!Deferring())
    MySound->PlayLoop(on);
  else if (!on)
    SoundPending = TSoundRequest::Stop;
  else if (SoundPending == TSoundRequest::Stop || SoundPending == TSoundRequest::StopThenPlay)
    SoundPending = TSoundRequest::StopThenPlay;
  else
    SoundPending = TSoundRequest::Play;
  ShowSoundOutput();
}

void TRotantsForm::SoundOutputReport(bool available)
{
  SoundOutputMissing = !available;
  ShowSoundOutput();
}

// Sound On unticked, also by File > New or an opened file, takes the notice
// away; ticked again, it shows at once while the last word stands, for the
// service does not repeat it.
void TRotantsForm::ShowSoundOutput()
{
  const bool shown = SoundOutputMissing && SoundCheckBox->isChecked();
  SoundWarningIcon->setVisible(shown);
  SoundCheckBox->setToolTip(shown ? NoSoundOutputText() : SoundCheckBoxTip());
}

QString TRotantsForm::NoSoundOutputText()
{
  return tr("No sound output available");
}

TActionScope::TActionScope(TRotantsForm &form, const QString &undoText, TStepKind kind)
    : Form(form)
{
  Form.BeginAction(undoText, kind);
}

TActionScope::~TActionScope()
{
  Form.EndAction();
}

void TRotantsForm::BeginAction(const QString &undoText, TStepKind kind)
{
  if (ActionDepth++ == 0 && !undoText.isEmpty()) {
    StepBefore = StrokeBefore ? std::exchange(StrokeBefore, nullptr) : CaptureSnapshot();
    StepText = undoText;
    StepKind = kind;
  }
}

// In the order the steps themselves would have done it: the tone, the play
// request that uses it, then the pictures.
void TRotantsForm::EndAction()
{
  if (--ActionDepth > 0)
    return;
  const bool tone = std::exchange(TonePending, false);
  const TSoundRequest sound = std::exchange(SoundPending, TSoundRequest::None);
  const bool redraw = std::exchange(RedrawPending, false);
  if (tone)
    SynthesizeTone();
  if (sound == TSoundRequest::Stop || sound == TSoundRequest::StopThenPlay)
    PlaySound(false);
  if (sound == TSoundRequest::Play || sound == TSoundRequest::StopThenPlay)
    PlaySound(true);
  if (redraw)
    TimeTrackBarChange();
  Document.WaveformItem = WaveformComboBox->currentIndex();
  Document.Conjugate = ConjugateCheckBox->isChecked();
  if (StepBefore) {
    const std::shared_ptr<TPhasorSnapshot> before = std::exchange(StepBefore, nullptr);
    // Taken after the deferred tone and redraw, so the step holds the tone
    // the action ended with.
    Document.RecordStep(before, CaptureSnapshot(), StepText, StepKind);
  }
}
