#pragma once

#include <QMap>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

class QWidget;
class TRotantsForm;

// Texts a user may type or paste into an edit box that are not plain numbers
// in range: empty and blank texts, letters, "nan", "inf", overflowing and
// underflowing exponents, other separators, hex, digits of other scripts,
// control characters, markup, and texts of 100 000 characters.
QStringList BadEditorTexts();

// A seeded random user of a shown main window. Each Act() performs one user
// action chosen at random: mouse presses, moves and releases on both canvases
// at positions inside, on the edges and far outside (to the limits of an int,
// as a captured mouse may report them), left-button drags through the window,
// waveform and highest-harmonic choices, check box clicks, slider moves, Play,
// Stop and Clear by click or keyboard accelerator, timer ticks, short
// real-time waits that let the running timer tick, the about box, editor
// panel toggles, grid row selection, and editor texts (valid numbers and
// BadEditorTexts()) applied with Update. The same seed gives the same
// actions; the only outside input is the real timer during waits and modal
// boxes.
//
// A conversion error box is left to a TMessageBoxCatcher, which the caller
// keeps alive while acting.
class TMonkeyDriver {
public:
  TMonkeyDriver(TRotantsForm &form, quint64 seed);

  // Performs one action and returns a short description of it for replay logs.
  QString Act();

  // Empty when the window's invariants hold; otherwise every violation found.
  // Checked: no modal widget open; HarmonicIndex 0..26; HighestHarmonic 0..25
  // and the drop-down's index; EditMode and IdleEditMode 0..2 with the help
  // labels matching EditMode; the timer running exactly when Stop is in
  // front; CurrentPhasor and BasePhasor inside PhasorList; every entry,
  // IdealWave and ReconWave value finite; grid headings intact and every value
  // cell a number; status panel 1 naming the slider's step; the tone buffer
  // of 200 bytes with left equal to right in every frame.
  QString CheckInvariants() const;

  // How many actions of each kind were performed.
  QMap<QString, int> Counts;

private:
  QString MouseOnCanvas(bool phasorPlane);
  QString DragThroughWindow();
  QString PressAccelerator();
  QString OpenAboutBox();
  QString ChooseWaveformItem();
  QString ChooseHighestHarmonicItem();
  QString ClickCheckBox();
  QString MoveSlider();
  QString PressPlayStopClear();
  QString TimerTick();
  QString WaitRealTime();
  QString ToggleEditor();
  QString SelectGridRow();
  QString ApplyEditorText();

  int Coordinate(int size);
  QString EditorText();
  int Pick(int bound) { return int(Random.bounded(bound)); }

  TRotantsForm &Form;
  QRandomGenerator Random;
  // Buttons the monkey holds down on each canvas (0 phasor plane, 1 time plot).
  int HeldButtons[2] = {0, 0};
};
