#include "SoundPart.h"

#include "ActionRunner.h"
#include "MySoundUnit.h"
#include "ToneSynthesis.h"
#include "WindowLayout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QStyle>

#include <algorithm>

using WindowLayout::Place;

TSoundPart::TSoundPart(const TPhasorDocument &document, TActionRunner &actions, QObject *parent)
    : QObject(parent), Document(document), Actions(actions)
{
  const SoundFormat format{2, 44100, 8};
  Player = new TMySound(this, format);
  Tone.fill(ToneSynthesis::SilenceByte);
  FillLoop();
  connect(Player, &TMySound::OutputReport, this, &TSoundPart::SoundOutputReport);
}

void TSoundPart::BuildControls(QWidget *options)
{
  SoundCheckBox = Place(new QCheckBox(options), "SoundCheckBox", 80, 16, 73, 17);
  // Right of "Sound On", in the free part of the group box's first row.
  SoundWarningIcon = Place(new QLabel(options), "SoundWarningIcon", 156, 16, 17, 17);
  SoundWarningIcon->setPixmap(
      QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  SoundWarningIcon->setScaledContents(true);
  SoundWarningIcon->setVisible(false);
  connect(SoundCheckBox, &QCheckBox::clicked, this, &TSoundPart::SoundCheckBoxClick);
}

void TSoundPart::BuildSoloAction(QMenu *menu, QAction *before)
{
  ViewSoloHarmonic = new QAction(menu);
  menu->insertAction(before, ViewSoloHarmonic);
  ViewSoloHarmonic->setObjectName("ViewSoloHarmonic");
  ViewSoloHarmonic->setCheckable(true);
  connect(ViewSoloHarmonic, &QAction::triggered, this, &TSoundPart::SoloClick);
}

void TSoundPart::Retranslate()
{
  SoundCheckBox->setText(tr("Sound On"));
  SoundWarningIcon->setToolTip(NoSoundOutputText());
  SoundWarningIcon->setAccessibleName(NoSoundOutputText());
  ShowSoundOutput();
  ViewSoloHarmonic->setText(tr("&Play Selected Harmonic Alone"));
  ViewSoloHarmonic->setToolTip(
      tr("With the sound on, play only the harmonic of the table's selected row."));
}

bool TSoundPart::Solo() const
{
  return ViewSoloHarmonic && ViewSoloHarmonic->isChecked();
}

void TSoundPart::SynthesizeTone()
{
  if (Actions.DeferTone())
    return;
  const int highest = Document.HighestHarmonic;
  // With Solo, the selected harmonic alone at its level in the mix; a
  // constant alone, or a harmonic above the highest, is silence.
  const int selected = std::clamp(Document.SelectedHarmonic(), 0, HarmonicCount - 1);
  TPhasorArray alone{};
  if (Solo() && selected > 0 && selected <= highest)
    alone[std::size_t(selected)] = Document.PhasorList[std::size_t(selected)];
  const TPhasorArray &sounding = Solo() ? alone : Document.PhasorList;
  ToneSynthesis::SynthesizeToneBytes(sounding, highest, Tone.data());
  SumAtPitch = SumPitch > 0.0 ? ToneSynthesis::LoopBytes(sounding, highest, SumPitch)
                              : std::vector<std::uint8_t>();
  FillLoop();
}

void TSoundPart::SetSumPitch(double hz)
{
  SumPitch = hz;
  RefreshTone();
}

// The player's buffer takes the loop that sounds: an exercise's target while
// it is asked for, the recording's part while it plays, else the sum at its pitch, else the tone. A buffer of another
// length is made anew.
void TSoundPart::FillLoop()
{
  std::vector<std::uint8_t> instead = TargetLoop ? TargetLoop() : std::vector<std::uint8_t>();
  if (instead.empty() && RecordingLoop)
    instead = RecordingLoop();
  if (instead.empty())
    instead = SumAtPitch;
  const std::uint8_t *bytes = instead.empty() ? Tone.data() : instead.data();
  const std::size_t size = instead.empty() ? Tone.size() : instead.size();
  if (!Player->Buffer || Player->DataSize != size)
    Player->AllocateBuffer(int(size / ToneChannels));
  if (Player->Buffer && Player->DataSize == size)
    std::copy_n(bytes, size, Player->Buffer);
}

void TSoundPart::PlaySound(bool on)
{
  on = on && !Silent;
  if (!Actions.DeferPlay(on))
    Player->PlayLoop(on);
  ShowSoundOutput();
}

void TSoundPart::SoundCheckBoxClick()
{
  PlaySound(SoundCheckBox->isChecked());
}

void TSoundPart::RefreshTone()
{
  const TActionScope action(Actions);
  SynthesizeTone();
  if (SoundCheckBox->isChecked())
    PlaySound(true);
}

void TSoundPart::SoloClick()
{
  emit SoloChanged();
  RefreshTone();
}

void TSoundPart::SoundOutputReport(bool available)
{
  SoundOutputMissing = !available;
  ShowSoundOutput();
}

// Sound On unticked, also by File > New or an opened file, takes the notice
// away; ticked again, it shows at once while the last word stands, for the
// service does not repeat it.
void TSoundPart::ShowSoundOutput()
{
  // A report may come before the controls are built; they show it then.
  if (!SoundCheckBox)
    return;
  const bool shown = SoundOutputMissing && SoundCheckBox->isChecked();
  SoundWarningIcon->setVisible(shown);
  SoundCheckBox->setToolTip(shown ? NoSoundOutputText() : SoundCheckBoxTip());
}

std::span<const std::uint8_t> TSoundPart::ToneLoop() const
{
  if (!Player->Buffer)
    return {};
  return {Player->Buffer, Player->DataSize};
}

void TSoundPart::CaptureTone(TPhasorSnapshot &snapshot) const
{
  snapshot.Tone = Tone;
}

// The tone is put back, not made again: each synthesis depends on the ones
// before it. A harmonic played alone is made from the entries.
void TSoundPart::RestoreTone(const TPhasorSnapshot &snapshot)
{
  Tone = snapshot.Tone;
  if (Solo() || SumPitch > 0.0) {
    SynthesizeTone();
  } else {
    FillLoop();
    Actions.DropTone();
  }
}

QString TSoundPart::NoSoundOutputText()
{
  return tr("No sound output available");
}

QString TSoundPart::SoundCheckBoxTip()
{
  return tr("Play the sum of the harmonics in use as a looping 441 Hz tone.");
}
