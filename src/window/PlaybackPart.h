#pragma once

#include <QObject>

class QPushButton;
class QSlider;
class QTimer;
class QWidget;
class TPhasorDocument;

// Playback: the time step on TimeTrackBar and the animation that moves it.
// The timer moves the slider one step per tick; every move to a new position
// raises the slider's valueChanged, which the window redraws on. PlayBtn and
// StopBtn share one place: the one raised last is in front and agrees with
// the timer (Stop while it runs). Both stay enabled and keep their
// accelerators, so either may be pressed in either state. At the last step
// the animation wraps to step 0 while the document's Repeat option is on,
// else it stops. User-interface thread only.
class TPlaybackPart : public QObject {
  Q_OBJECT

public:
  // Builds the two buttons, the slider and the timer in client; document
  // must outlive the part.
  TPlaybackPart(const TPhasorDocument &document, QWidget *client);

  QPushButton *StopBtn = nullptr;
  QPushButton *PlayBtn = nullptr;
  QSlider *TimeTrackBar = nullptr;  // the time step, 0..511
  QTimer *SimulationTimer = nullptr;

  // The captions, tips and names in the current language.
  void Retranslate();
  // Starts from the current step (from step 0 when at the last one).
  void Play();
  // Stops where it is.
  void Stop();
  // One timer tick.
  void Tick();
  bool Playing() const;
  // True when PlayBtn, not StopBtn, is the one in front in their shared place.
  bool PlayInFront() const;
  // Puts front in the shared place, in the Tab chain instead of behind.
  static void BringToFront(QPushButton *front, QPushButton *behind);
  void FocusFrontButton();

signals:
  // Raised between the buttons' swap and the timer's start or stop, so a
  // handler sees the new front button and the old timer state.
  void Starting();
  void Stopping();

private:
  const TPhasorDocument &Document;
};
