#pragma once

#include "SpectrumGeometry.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QSettings;
class QWidget;
class TActionRunner;
class TImageCanvas;
class TPhasorDocument;

// What the spectrum strip takes from the window around it. The window sets
// every function; each is called on the user-interface thread.
struct TSpectrumView {
  std::function<bool()> TwoSided;     // the conjugate convention is shown
  std::function<bool()> Highlighted;  // View > Highlight Selected Harmonic is on
  std::function<QString()> WaveformName;
  // Every picture at the current step, now or at the end of the action.
  std::function<void()> Redraw;
  // The window's layout after the strip was shown or hidden (it grows by
  // Growth() below the controls).
  std::function<void()> Relayout;
  // Sets harmonic k (0..25) to magnitude and angle (degrees) by the editor's
  // road.
  std::function<void(int k, double magnitude, double angle)> EditHarmonic;
  // Brings the selected harmonic's row into view.
  std::function<void()> ShowSelection;
  // Another set's entries to outline over the bars (an exercise's target);
  // null for none.
  std::function<const TPhasorArray *()> Outlines;
};

// The spectrum strip (View > Spectrum): a bar per harmonic for its magnitude
// on a linear or a decibel scale (View > Spectrum in Decibels), its angle in a
// phase row under the bars. Pressing a column selects its harmonic (the
// grid's current row follows); dragging on the bars sets its magnitude and
// keeps its angle, dragging in the phase row sets its angle and keeps its
// magnitude. While the mouse is held every plot shows the dragged value and
// nothing else changes; the release applies it by EditHarmonic as one user
// action. In the two-sided picture, a drag on the bar of -k edits harmonic k.
// The geometry is SpectrumGeometry's, the drawing SpectrumView's.
// User-interface thread only.
class TSpectrumPart : public QObject {
  Q_OBJECT

public:
  // document and actions must outlive the part.
  TSpectrumPart(TPhasorDocument &document, TActionRunner &actions, TSpectrumView view,
                QObject *parent);
  // Builds the strip, hidden, in client.
  void BuildStrip(QWidget *client);

  TImageCanvas *SpectrumImage = nullptr;
  QAction *ViewSpectrum = nullptr;  // null until BuildActions
  QAction *ViewSpectrumDecibels = nullptr;

  // The two View items, after a separator in menu.
  void BuildActions(QMenu *menu);
  void Retranslate();
  // Keeps the view in settings from now on, and takes what they hold; null
  // keeps nothing. Not owned; it must outlive the part.
  void UseSettings(QSettings *settings);

  void ViewSpectrumClick();
  void ViewSpectrumDecibelsClick();
  // Shows or hides the strip: the window grows by its height below the
  // controls, the status bar staying at its bottom, or shrinks back; nothing
  // else moves. Remembered in the settings when asked.
  void SetShown(bool on, bool remember);
  bool Shown() const;
  // The height the strip adds to the client area at factor 1 while it shows.
  int Growth() const;
  // Draws the strip from the entries when what it shows changed; nothing
  // while the view is off.
  void Draw();
  // Draw, now or at the end of the action.
  void Redraw();
  // The bar of harmonic k (0..25; -25..-1 too in the two-sided picture) in
  // SpectrumImage's pixels as drawn, from its top down to the baseline: a bar
  // of no height is an empty rectangle at the baseline that still gives its
  // column. Empty (null) while the view is off or for a harmonic not shown.
  QRect Bar(int k) const;
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  void MouseMove(Qt::KeyboardModifiers shift, int X, int Y);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  // Ends a drag without applying it; the pictures drop its value.
  void CancelDrag();
  // While a moved drag lasts: true with the value every picture shows for
  // harmonic in place of its entry's.
  bool Previewing(int &harmonic, double &magnitude, double &angle) const;
  // What the strip shows, as a screen reader asks for it.
  QString Description() const;
  // A key pressed on the focused strip (see the body); false for a key it
  // does not take.
  bool Key(int key);
  static constexpr double KeyAngleStep = 15.0;  // degrees
  // The name of the user action a drag on the strip makes, harmonic k (0..25)
  // given a new magnitude or, with phase, a new angle.
  static QString DragStepText(int k, bool phase);
  // The tip over harmonic k's column (as pictured, -25..25), its magnitude
  // and angle (degrees) as the table writes them: "Harmonic 3: 0.2122 at
  // 180.0°".
  static QString BarTip(int k, double magnitude, double angle);

private:
  // A press on the strip's columns with the left button, until its release.
  struct TDrag {
    bool Active = false;
    bool Moved = false;     // left the press point: the value follows the mouse
    bool Phase = false;     // pressed in the phase row
    int Harmonic = 0;       // 0..25, the harmonic edited
    bool Mirrored = false;  // pressed on the bar of -Harmonic
    int PressX = 0;
    int PressY = 0;
    double Magnitude = 0.0;  // the value shown while moving, applied on release
    double Angle = 0.0;
    TSpectrumScale Scale;    // the scale pressed on, kept while the drag lasts
    bool operator==(const TDrag &) const = default;
  };
  // Everything the picture is drawn from, so that a redraw from the same
  // (another time step, every animation tick) keeps the picture.
  struct TSource {
    std::array<double, 2 * HarmonicCount> Entries{};
    int Highest = -1;
    int Selected = 0;
    bool Highlight = false;
    bool TwoSided = false;
    bool Decibels = false;
    TDrag Drag;
    bool HasOutlines = false;
    std::array<double, 2 * HarmonicCount> Outlines{};
    double Display = 0.0;  // the canvas's display scale; 0 before the first picture
    bool operator==(const TSource &) const = default;
  };

  TPhasorDocument &Document;
  TActionRunner &Actions;
  const TSpectrumView View;
  QSettings *Settings = nullptr;  // not owned
  TDrag Drag;
  TSource Drawn;
  QString StripTip;  // the strip's own tip, in the current language

  void ShowBarTip(int x, int y);

  int Selected() const;
  // The strip's layout in the current convention, and the content and scale
  // it shows now (the scale pressed on while a drag lasts).
  TSpectrumGeometry Layout() const;
  void Picture(TSpectrumContent &content, TSpectrumScale &scale) const;
  void FollowDrag(int x, int y);
};
