#pragma once

#include "SoundService.h"

#include <QByteArray>
#include <QObject>

class QEvent;
class TRotantsForm;

// Helpers shared by the benchmark and the sweep check: they put the real main
// window into the states that are measured, the way a user's input would.
// All of them run on the user-interface thread with a QApplication alive.

// Item indices of WaveformComboBox.
inline constexpr int CustomTimeItem = 1;
inline constexpr int SquareItem = 2;
inline constexpr int TriangleItem = 5;

// Makes the offscreen platform the default, so measurements need no display.
// Call before the QApplication is constructed; an explicit QT_QPA_PLATFORM wins.
void UseOffscreenPlatformByDefault();

// A sound service that plays nothing and keeps only the latest image (copied,
// as a real service must). Used for "Sound On" where no audio output can start.
class TSilentSoundService final : public TSoundService {
public:
  void PlayLoopImage(const QByteArray &image) override;
  void Stop() override;

private:
  QByteArray Looping;
};

// Makes every TMySound constructed afterwards use a TSilentSoundService.
void UseSilentSoundService();

// Starts a window with "Sound On", chooses "Square" and waits up to timeoutMs
// for its audio thread. True when the real PulseAudio service opened an
// output stream, i.e. a sound server (such as the null sink of
// scripts/with-null-sink) accepted the tone.
bool RealSoundOutputWorks(int timeoutMs);

// Waits until the audio thread of the window's real sound service has handled
// every request made so far; no-op for any other service.
void WaitForSoundService(TRotantsForm &form, int timeoutMs);

// Watches both canvases of a window for their paint events.
class TPaintWatcher : public QObject {
public:
  explicit TPaintWatcher(TRotantsForm &form);
  ~TPaintWatcher() override;

  // Processes events until both canvases have been painted since the watcher
  // was made or last reset, for at most timeoutMs. True when they were.
  bool WaitForBothPainted(int timeoutMs);
  void Reset();

  int PhasorPaints = 0;
  int TimePaints = 0;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QObject *Phasor;
  QObject *Time;
};

// Shows the window and waits for its first painted frame.
bool ShowAndWaitForFirstPaint(TRotantsForm &form, int timeoutMs);

// Clicks every display check box that is not yet checked: "Use Conjugate
// Rotants", "Leave Phasor Trace", "Rotate Complex Plane 90°", "Show Real
// Value", "Ideal Wave" and "Grid On". Each click runs its handler.
void CheckEveryDisplayOption(TRotantsForm &form);

// Selects a WaveformComboBox item and runs its change handler, as a choice
// from the list does.
void ChooseWaveform(TRotantsForm &form, int item);

// Peak resident set size of this process so far, in KiB.
long PeakResidentKiB();
