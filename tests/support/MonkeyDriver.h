#pragma once

#include "HarmonicModel.h"
#include "PhasorSetFile.h"

#include <QElapsedTimer>
#include <QMap>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QSlider;
class QWidget;
class TMessageBoxCatcher;
class TRotantsForm;

// Texts a user may type or paste into an edit box that are not plain numbers
// in range: empty and blank texts, letters, "nan", "inf", overflowing and
// underflowing exponents, other separators, hex, digits of other scripts,
// control characters, markup, and texts of 100 000 characters.
QStringList BadEditorTexts();

// The main window's text for an English source text, in the current language;
// source is a string literal (the lookups are kept by its address).
QString WindowText(const char *source);

// A seeded random user of a shown main window. Each Act() performs one user
// action chosen at random from a table of weighted kinds (see Kinds()): mouse
// presses, moves and releases on both canvases at positions inside, on the
// edges and far outside (to the limits of an int, as a captured mouse may
// report them), left-button drags through the window, waveform and
// highest-harmonic choices, check box clicks, slider moves, Play, Stop and
// Clear by click or keyboard accelerator, timer ticks, short real-time waits
// that let the running timer tick, the about box, editor panel toggles, grid
// row selection, editor texts (valid numbers and BadEditorTexts()) applied
// with Update; and from the menus: zoom steps and full screen by menu and
// shortcut, the three teaching options, a language switch, File > New, the
// window saved to a file of a temporary folder and opened again (which must
// give it back as saved), and every export into that folder (each of which
// must leave the window exactly as it was); Edit > Undo and Redo by menu and
// shortcut, the question before unsaved work is dropped (asked by New, Open
// Recent, Exit and a dropped file) answered Discard, Cancel or Save, Copy
// Figure and the figure export, the plots' step keys, the spectrum strip
// shown, hidden, on a decibel scale and dragged. The same seed gives the same
// actions; the only outside input is the real timer during waits and modal
// boxes.
//
// Message boxes are left to catcher, which the caller keeps alive while
// acting; the driver tells it how to answer the question before work is
// dropped and the Save As dialog that a Save may open, the only file dialog
// an action opens.
class TMonkeyDriver {
public:
  TMonkeyDriver(TRotantsForm &form, quint64 seed, TMessageBoxCatcher &catcher);
  // Installs the language again that was installed at the start, which is
  // the whole application's.
  ~TMonkeyDriver();
  TMonkeyDriver(const TMonkeyDriver &) = delete;
  TMonkeyDriver &operator=(const TMonkeyDriver &) = delete;

  // Performs one action and returns a short description of it for replay logs.
  QString Act();

  // Empty when the window's invariants hold and the last action found nothing
  // wrong in what it checked itself; otherwise every violation found.
  // Checked: no modal widget open; HarmonicIndex 0..26; HighestHarmonic 0..25
  // and the drop-down's index; EditMode and IdleEditMode 0..2 with the help
  // labels matching EditMode; the timer running exactly when Stop is in
  // front; CurrentPhasor and BasePhasor inside PhasorList; every entry,
  // IdealWave and ReconWave value finite; grid headings in the current
  // language and every value cell a number; status panel 1 naming the
  // slider's step; the tone buffer of 200 bytes with left equal to right in
  // every frame; the zoom a step the screen allows (the screen's own factor
  // in full screen) with both canvases and their display pictures at it;
  // the error panel shown exactly with Show Error and reading the error of
  // the entries as they stand; the language chosen last checked in the menu
  // and the window's texts in it; Undo and Redo offered as the history
  // allows and the caption's modified mark as the set stands; the strip
  // shown, and its scale offered, exactly with View > Spectrum.
  QString CheckInvariants() const;

  // Whether a message box's text is the refusal of an editor text, in the
  // language before or after the last action (a delayed accelerator click may
  // show it after a switch).
  bool IsRefusedTextMessage(const QString &text) const;

  // How many actions of each kind were performed, and the wall time they
  // took (checks excluded).
  QMap<QString, int> Counts;
  QMap<QString, double> Milliseconds;

private:
  // One row of the action table: its name in the summary, its relative
  // weight, whether a user can make it now (null: always), and the action,
  // which returns its description. A new kind of action is one more row.
  struct TKind {
    const char *Name;
    int Weight;
    bool (TMonkeyDriver::*Possible)() const;
    QString (TMonkeyDriver::*Perform)();
  };
  static const std::vector<TKind> &Kinds();

  bool EditorShown() const;
  bool EditorHidden() const { return !EditorShown(); }
  bool TimerRunning() const;
  bool Windowed() const;
  bool FullScreen() const { return !Windowed(); }
  bool Zoomed() const;

  QString MouseOnPhasorPlane() { return MouseOnCanvas(true); }
  QString MouseOnTimePlot() { return MouseOnCanvas(false); }
  QString MouseOnCanvas(bool phasorPlane);
  QString DragThroughWindow();
  QString PressAccelerator();
  QString OpenAboutBox();
  QString ChooseWaveformItem();
  QString ChooseHighestHarmonicItem();
  QString ClickCheckBox();
  QString MoveSlider();
  // One of a slider's step actions, as a key or a click beside the handle
  // makes it; returns which.
  int TriggerSliderAction(QSlider *slider);
  QString PressPlayStopClear();
  QString TimerTick();
  QString WaitRealTime();
  QString ToggleEditor();
  QString SelectGridRow();
  QString ApplyEditorText();

  // The View and File menus (MonkeyMenus.cpp).
  QString ZoomIn();
  QString ZoomBack();
  QString PressZoom(QAction *action);
  QString ToggleFullScreen();
  QString ToggleTeachingOption();
  QString SwitchLanguage();
  QString ChangeSpeed();
  QString OpenRecording();
  QString ToggleListen();
  QString ToggleShape();
  QString WorkOnExercise();
  bool ShapeShown() const;
  QString MoveShapeSlider();
  QString NewPhasorSet();
  QString SaveAndOpen();
  QString ExportQuick();
  QString ExportAnimation();

  // The Edit menu, the question before work is dropped, the figure, the
  // plots' keys and the spectrum strip (MonkeyEditing.cpp).
  bool MayAskToSave() const;
  bool SpectrumShown() const;
  QString UndoOrRedo();
  // Undo or Redo by the menu or a shortcut: how, or empty when no window
  // took the key.
  QString PressHistory(bool undo);
  QString AnswerSaveQuestion();
  QString CopyFigure();
  QString ExportFigure();
  QString PressPlotKey();
  QString ToggleSpectrum();
  QString DragOnSpectrum();
  // Makes the main window the active one, where keys reach; false when it
  // does not become active.
  bool ActivateForm();
  // One export by write(path), checked; see the definition.
  QString ExportChecked(const QString &what, const std::function<bool(const QString &)> &write,
                        const QString &path, qint64 expectedSize);
  void CheckMenuInvariants(QStringList &problems) const;
  // What the error panel should read for the entries and the ideal wave.
  QString ExpectedErrorText() const;
  struct TErrorInputs {
    std::array<std::pair<double, double>, HarmonicCount> Entries{};
    int Highest = -1;
    bool Conjugate = false;
    std::array<double, PeriodSteps> Ideal{};
    bool operator==(const TErrorInputs &) const = default;
  };
  mutable TErrorInputs ErrorInputs;  // of the last error computed
  mutable double Error = 0.0;

  // Keeps StrokeNotRedrawn, before and after each action.
  void NoteStroke();
  int Coordinate(int size);
  QString EditorText();
  int Pick(int bound) { return int(Random.bounded(bound)); }

  TRotantsForm &Form;
  QRandomGenerator Random;
  TMessageBoxCatcher &Catcher;
  // Since the last keyboard accelerator, whose click lands 100 ms after the
  // key, inside whatever modal box is open by then.
  QElapsedTimer SinceAccelerator;
  // Buttons the monkey holds down on each canvas (0 phasor plane, 1 time plot).
  int HeldButtons[2] = {0, 0};
  // Where saves and exports go; removed with the driver.
  QTemporaryDir Folder;
  // The language installed at the start; the one chosen last in the menu
  // ("" the system's); and the refusal message's text in the language before
  // the current action.
  QString StartLanguage;
  QString Language;
  QString RefusalBefore;
  // What the last action found wrong in the checks of its own.
  QStringList Findings;
  // Set from a stroke's first action until the first full redraw after it has
  // ended, which always draws the phasor plane anew (its image's cache key
  // changes): a stroke's moves redraw the time plot alone, so until then the
  // ideal wave may hold samples that the error panel, and after a mere press
  // the pictures, do not show.
  bool StrokeNotRedrawn = false;
  qint64 PlaneKey = 0;
  // A fresh window's state, which File > New must give.
  PhasorSetFile::TState StartState;
};
