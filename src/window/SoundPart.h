#pragma once

#include <QObject>
#include <QString>

#include "ToneSynthesis.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QWidget;
class TActionRunner;
class TMySound;
class TPhasorDocument;
struct TPhasorSnapshot;

// Sound: the tone of the entries in use, made into the player's loop and
// played while Sound On is checked; View > Play Selected Harmonic Alone
// (Solo); and the notice beside Sound On while no output takes the tone.
// Syntheses and play requests made within a user action wait for its end
// (see TActionRunner). User-interface thread only.
class TSoundPart : public QObject {
  Q_OBJECT

public:
  // Makes the player; document and actions must outlive the part.
  TSoundPart(const TPhasorDocument &document, TActionRunner &actions, QObject *parent);
  // Builds SoundCheckBox and SoundWarningIcon in options, the time options'
  // group box.
  void BuildControls(QWidget *options);

  QCheckBox *SoundCheckBox = nullptr;
  // Beside SoundCheckBox while the tone cannot be heard; see SoundOutputReport.
  QLabel *SoundWarningIcon = nullptr;
  QAction *ViewSoloHarmonic = nullptr;  // null until BuildSoloAction
  TMySound *Player = nullptr;           // owned (QObject child)
  // No tone is ever started (the command line's batch runs).
  bool Silent = false;
  // The service's last word: no output took the tone. The service says so
  // once, not again at every play request that fails as well.
  bool SoundOutputMissing = false;

  // Adds the checkable Solo item to menu, before the item before.
  void BuildSoloAction(QMenu *menu, QAction *before);
  void Retranslate();

  // Makes the tone, one period of entries 0..HighestHarmonic (with Solo,
  // the selected harmonic alone), and the player's loop from it (see
  // FillLoop). Starting or stopping the loop is left to the caller.
  void SynthesizeTone();
  // The pitch the sum sounds at: 0 for the 441 Hz tone, or another (a
  // recording's fundamental), made as a longer loop. The tone follows.
  void SetSumPitch(double hz);
  double SumPitchHz() const { return SumPitch; }
  // While it gives bytes (8-bit stereo frames at 44.1 kHz), they play in
  // place of the sum: a recording's part. Set by the window.
  std::function<std::vector<std::uint8_t>()> RecordingLoop;
  // The same, before the recording's: an exercise's target. Set by the window.
  std::function<std::vector<std::uint8_t>()> TargetLoop;
  // The player's loop made again from what should sound now.
  void FillLoop();
  // Starts (on) or stops the tone loop.
  void PlaySound(bool on);
  // Plays the tone of the last synthesis with Sound On, or stops it.
  void SoundCheckBoxClick();
  // The tone made again from the entries and, with Sound On, swapped into
  // the loop that plays, so a change is heard without a gap: one action.
  void RefreshTone();
  void SoloClick();
  bool Solo() const;
  // Shows (available false) or takes away the notice that the tone cannot be
  // heard: SoundWarningIcon and SoundCheckBox's tool tip. Never a dialog.
  void SoundOutputReport(bool available);
  // Shows the notice while Sound On is checked and the last word was that no
  // output takes the tone; takes it away otherwise.
  void ShowSoundOutput();
  // The loop's bytes as the player holds them; empty when it has none.
  std::span<const std::uint8_t> ToneLoop() const;
  // The tone (the sum at 441 Hz) into snapshot, and back from it.
  void CaptureTone(TPhasorSnapshot &snapshot) const;
  void RestoreTone(const TPhasorSnapshot &snapshot);

  static QString NoSoundOutputText();
  static QString SoundCheckBoxTip();

signals:
  // Solo was switched on or off.
  void SoloChanged();

private:
  const TPhasorDocument &Document;
  TActionRunner &Actions;
  // The last synthesis: the 441 Hz period (what undo keeps) and, at another
  // pitch, the sum's loop there.
  std::array<std::uint8_t, ToneBytes> Tone{};
  std::vector<std::uint8_t> SumAtPitch;
  double SumPitch = 0.0;
};
