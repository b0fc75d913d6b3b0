#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <span>

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

  // Writes one period of entries 0..HighestHarmonic (with Solo, the selected
  // harmonic alone) into the player's buffer. Starting or stopping the loop
  // is left to the caller.
  void SynthesizeTone();
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
  // The tone loop's bytes as the player holds them; empty when it has none.
  std::span<const std::uint8_t> ToneLoop() const;
  // The player's tone into snapshot, and back from it.
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
};
