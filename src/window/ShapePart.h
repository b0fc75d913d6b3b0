#pragma once

#include "WaveformPresets.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QSlider;
class QWidget;
class TActionRunner;
class TPhasorDocument;

// What the Shape panel takes from the window around it; called on the
// user-interface thread.
struct TShapeView {
  // The window's layout after the panel was shown or hidden.
  std::function<void()> Relayout;
  // The shape changed the set: the tone and the pictures follow, now or at
  // the end of the action.
  std::function<void()> Reshaped;
};

// The Shape panel (View > Shape): a strip with two sliders that shape the
// standard waveforms, the duty cycle of the rectangular and bipolar pulses
// (ShapeDutyCycle, percent) and a time shift of every standard waveform
// (ShapeShift, steps). The document holds the shape; the sliders show it,
// are enabled where the chosen waveform follows them, and change it only
// through the document's SetShape. A drag changes the set as the slider
// moves (plots, table, spectrum and tone follow, one action per move) and
// its release records one undo step from the press; a key, a wheel turn or a
// click beside the handle is one step each.
//
// The strip lies below the controls, under the spectrum strip while that
// shows: the window grows by Growth() and nothing else moves. Whether it
// shows is remembered. User-interface thread only.
class TShapePart : public QObject {
  Q_OBJECT

public:
  // document and actions must outlive the part.
  TShapePart(TPhasorDocument &document, TActionRunner &actions, TShapeView view,
             QObject *parent);
  // Builds the strip, hidden, in client.
  void BuildStrip(QWidget *client);
  // View > Shape, into menu.
  void BuildAction(QMenu *menu);
  void Retranslate();
  // Keeps the view in settings from now on, and takes what they hold; null
  // keeps nothing. Not owned; it must outlive the part.
  void UseSettings(QSettings *settings);

  QWidget *ShapePanel = nullptr;
  QLabel *DutyCycleLabel = nullptr;
  QSlider *ShapeDutyCycle = nullptr;
  QLabel *DutyCycleValue = nullptr;
  QLabel *ShiftLabel = nullptr;
  QSlider *ShapeShift = nullptr;
  QLabel *ShiftValue = nullptr;
  QAction *ViewShape = nullptr;  // null until BuildAction

  void SetShown(bool on, bool remember);
  bool Shown() const;
  // The height the strip adds to the client area at factor 1 while it shows.
  int Growth() const;
  // The strip's place in the client area at factor 1, under strips as high
  // as above.
  QRect StripGeometry(int above) const;
  // The undo step's name for a change of the duty cycle or the shift.
  static QString StepText(bool dutyCycle);
  // A new shape as the sliders would set it, as one user action (named for
  // the duty cycle when that changes, else for the shift): the set, the
  // tone and the pictures follow.
  void SetShape(const WaveformPresets::TShape &shape);

private:
  TPhasorDocument &Document;
  TActionRunner &Actions;
  const TShapeView View;
  QSettings *Settings = nullptr;  // not owned

  // The sliders and their values as the document holds them, and enabled
  // as the chosen waveform follows them.
  void ShowShape();
  void SliderChanged(bool dutyCycle);
  // shape as one action named text (none: no step of its own).
  void Apply(const WaveformPresets::TShape &shape, const QString &text);
  void SliderPressed();
  void SliderReleased(bool dutyCycle);
};
