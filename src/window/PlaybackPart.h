#pragma once

#include <QObject>
#include <QString>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
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
// else it stops.
//
// The speed (View > Slower and Faster, for this run only) is one of Speeds:
// below normal the timer ticks less often (one step every 40 or 20 ms), at
// double speed it takes two steps per tick; the tone never changes with it.
// A status panel names a speed other than normal. User-interface thread
// only.
class TPlaybackPart : public QObject {
  Q_OBJECT

public:
  // Makes the timer; document must outlive the part.
  TPlaybackPart(const TPhasorDocument &document, QObject *parent);
  // The two buttons and the slider, in client.
  void BuildControls(QWidget *client);
  // Slower and Faster, after a separator in menu.
  void BuildSpeedActions(QMenu *menu);
  // The speed's panel, hidden at normal speed, at the end of statusBar.
  void BuildSpeedPanel(QStatusBar *statusBar);

  // The speeds Slower and Faster step through, in order.
  static constexpr std::array<double, 4> Speeds{0.25, 0.5, 1.0, 2.0};
  double Speed() const { return Speeds[SpeedIndex]; }
  // Sets one of Speeds; false, with nothing changed, for any other value.
  bool SetSpeed(double speed);
  void Slower();
  void Faster();

  QPushButton *StopBtn = nullptr;
  QPushButton *PlayBtn = nullptr;
  QSlider *TimeTrackBar = nullptr;  // the time step, 0..511
  QTimer *SimulationTimer = nullptr;
  QAction *ViewSlower = nullptr;  // null until BuildSpeedActions
  QAction *ViewFaster = nullptr;
  QLabel *SpeedPanel = nullptr;  // null until BuildSpeedPanel

  // The captions, tips and names in the current language.
  void Retranslate();
  // Starts from the current step (from step 0 when at the last one).
  void Play();
  // Stops where it is.
  void Stop();
  // One timer tick: one step, two at double speed.
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
  std::size_t SpeedIndex = 2;  // into Speeds: normal

  // The speed as the panel writes it before its sign: a quarter and a half
  // as vulgar fractions, others as numbers ("2").
  static QString SpeedText(double speed);

  void ShowSpeed();
};
