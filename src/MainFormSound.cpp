#include "MainForm.h"

#include "MySoundUnit.h"
#include "ToneSynthesis.h"

#include <QCheckBox>

// Writes one period of entries 0..HighestHarmonic into the player's buffer.
// Starting or stopping the loop is left to the caller.
void TRotantsForm::SynthesizeTone()
{
  if (!MySound->Buffer || MySound->DataSize < quint32(ToneBytes))
    return;
  ToneSynthesis::SynthesizeToneBytes(PhasorList, HighestHarmonic, MySound->Buffer);
}

// Plays the tone of the last synthesis, or stops it; the buffer is not
// recomputed here.
void TRotantsForm::SoundCheckBoxClick()
{
  MySound->PlayLoop(SoundCheckBox->isChecked());
}
