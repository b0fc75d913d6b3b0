#pragma once

#include "FigureRenderer.h"
#include "ImageCanvas.h"
#include "PhasorDocument.h"
#include "PlotAxes.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>

class QLabel;
class QStatusBar;
class QWidget;
class TActionRunner;
class TMyGraph;
class TPlaybackPart;
class TSpectrumPart;
struct TPlotsFrame;

// What the plots take from the window around them. The window sets every
// function; each is called on the user-interface thread.
struct TPlotsView {
  std::function<bool()> TwoSided;     // the conjugate convention is shown
  std::function<bool()> Highlighted;  // View > Highlight Selected Harmonic
  std::function<bool()> ShowsError;   // View > Show Error
  std::function<bool()> Axes;         // View > Axes
  std::function<bool()> Solo;         // View > Play Selected Harmonic Alone
  std::function<int()> WaveformItem;  // the waveform drop-down's item
  std::function<QString()> WaveformName;
  std::function<double()> ZoomFactor;  // the factor the window is shown at
  // Sets harmonic HarmonicIndex to (re, im) by the editor's road.
  std::function<void(double re, double im)> PlaceEntry;
  // A finished stroke: the drawn period becomes the entries.
  std::function<void()> DrawingDone;
  // An exercise's target wave (both periods), drawn dashed; null for none.
  std::function<const std::array<double, SweepSteps> *()> TargetWave;
  // After every redraw, with the entries as the plots showed them.
  std::function<void(const TPhasorArray &shown)> Drawn;
};

// The phasor plane and the time plot, the status bar under the controls, and
// the redraw cycle: both plots drawn for the slider's step from the
// document's entries, never changing them, into buffers of the part's own
// (ShownChain, ReconWave, the point lists), so a redraw allocates nothing.
//
// The mouse on the plots follows the document's edit mode, a small state
// machine:
//  - PlacingTips: a press on the plane places harmonic HarmonicIndex (one
//    user action), rewinds to step 0 and stops playback;
//  - DrawingWave: a press on the time plot starts a stroke (MouseDrawing),
//    each move draws into the period and redraws the time plot alone, and the
//    release turns the period into the entries (one user action, whose undo
//    step starts at the press);
//  - NoEditing (playing): presses do nothing.
// In every mode a move shows the pointer's position in the status bar. A
// change of mode during a stroke ends it (the window's SetEditMode).
// User-interface thread only.
class TPlotsPart : public QObject {
  Q_OBJECT

public:
  TPlotsPart(TPhasorDocument &document, TActionRunner &actions, TSpectrumPart &spectrum,
             TPlotsView view, QObject *parent);

  // The plots, their axis and help labels, and their graphs, in client.
  void BuildPlots(QWidget *client);
  // The status bar and its panels, in client.
  void BuildStatusBar(QWidget *client);
  // The time step and the animation; must outlive the part.
  void UsePlayback(TPlaybackPart *playback);
  void Retranslate();

  TImageCanvas *TimeImage = nullptr;
  TImageCanvas *PhasorImage = nullptr;
  QLabel *Re0Label = nullptr;
  QLabel *Im0Label = nullptr;
  QLabel *Im90Label = nullptr;
  QLabel *Re90Label = nullptr;
  QLabel *PhasorHelpLabel = nullptr;
  QLabel *TimeHelpLabel = nullptr;
  QStatusBar *StatusBar = nullptr;
  // The ideal and the reconstructed value at the step under the mouse, in
  // StatusPanel0's place while the mouse was last over the time plot.
  QLabel *TimeValuesPanel = nullptr;
  QLabel *StatusPanel0 = nullptr;  // phasor-plane mouse position
  QLabel *StatusPanel1 = nullptr;  // time step
  QLabel *StatusPanel2 = nullptr;  // time-plot mouse position
  QLabel *StatusPanel3 = nullptr;  // RMS error, shown with "Show Error"
  // The harmonic Highlight and Solo are about, shown while either is on.
  QLabel *SelectedHarmonicPanel = nullptr;
  TMyGraph *TimeGraph = nullptr;    // owned (QObject child)
  TMyGraph *PhasorGraph = nullptr;  // owned (QObject child)

  // The reconstruction the time plot shows, steps 0 to the shown one,
  // recomputed by every redraw.
  std::array<double, SweepSteps> ReconWave{};
  // The chain as the plots show it: the entries (a spectrum drag's value in
  // place of its entry's) rotated to the shown step.
  TPhasorArray ShownChain{};
  int MarkerRadius = 2;  // pixels
  bool MouseDrawing = false;
  // The plots' keys move the time step by one or by this many.
  static constexpr int PageSteps = 32;

  // The one redraw driver: both plots, the strip and the status panels for
  // the slider's step, now or at the end of the action.
  void Redraw();
  void PlaneToPixel(double re, double im, int &px, int &py) const;
  // Rotates links 0..HighestHarmonic of chain to step n for drawing, or only
  // finds their tip there (see the bodies).
  void RotateForPictures(TPhasorArray &chain, int n, bool wholeChain) const;
  void TipForPictures(const TPhasorArray &chain, int n, double &sumRe, double &sumIm) const;
  bool NearPictureEdge(const TPhasorArray &chain, double tipRe, double tipIm) const;

  // The mouse on the plots; X and Y in canvas pixels.
  void PhasorMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  void PhasorMouseMove(Qt::KeyboardModifiers shift, int X, int Y);
  void TimeMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  void TimeMouseMove(Qt::KeyboardModifiers shift, int X, int Y);
  void TimeMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  // The stroke's segment between two time-plot pixel positions, into the
  // drawn period.
  void DrawWaveSegment(int x1, int y1, int x2, int y2);
  // With either plot focused: the time step one back or forward, PageSteps
  // back or forward, or to the first or last step.
  void StepKey(TStepKey move);

  // The help labels and the plots' tips for the document's edit mode.
  void ShowEditMode();
  // The axis labels of the plane, turned or not as the option says.
  void ShowPlaneTurn();
  void ShowErrorPanel();
  void ShowRmsError();
  // TimeValuesPanel for the time plot's step at step (a world x), shown in
  // StatusPanel0's place.
  void ShowTimeValues(double step);
  void ShowSelectedHarmonic();
  // The plots' descriptions of what they show now, for a screen reader.
  QString PhasorDescription() const;
  QString TimeDescription() const;
  static QString RmsErrorTip();

  // The phasor plane and the time plot side by side as shown, at the current
  // zoom, with the spectrum strip under them while it shows.
  QImage Picture();
  // Draws the plots at steps 0, stride, 2 stride, ... of one sweep, each by
  // the part's own redraw, and hands every frame to frame, which returns
  // false to stop. Afterwards the plots are exactly as they were. False when
  // frame stopped.
  bool Sweep(int stride, const std::function<bool(const TPlotsFrame &frame)> &frame);
  // The state the figures are drawn from, as the plots show it.
  TFigureState FigureState() const;

private:
  class TSweepScope;
  TPhasorDocument &Document;
  TActionRunner &Actions;
  TSpectrumPart &Spectrum;
  const TPlotsView View;
  TPlaybackPart *Playback = nullptr;
  int LastMouseX = 0;
  int LastMouseY = 0;
  // The status panels' words in the current language.
  QString CoordPrefix;
  QString StepPrefix;

  // Point lists reused by every redraw. A chain has at most one point per
  // harmonic plus the origin.
  std::array<QPoint, HarmonicCount + 1> ChainPoints{};
  int ChainPointCount = 0;
  std::array<QPoint, SweepSteps> TracePoints{};
  std::array<QPoint, SweepSteps> CurvePoints{};
  std::array<double, SweepSteps> ComponentValues{};  // the highlighted harmonic's part
  // View > Axes: the numbers made once; the plane's places follow its turn.
  TPlotAxes PlaneAxes;
  TPlotAxes TimeAxes;

  // What the shown RMS error was computed from, so that a redraw with the
  // same entries, highest harmonic, convention and ideal wave does not
  // recompute it.
  struct TErrorSource {
    std::array<double, 2 * HarmonicCount> Entries{};
    int Highest = -1;
    bool Conjugate = false;
    std::array<double, SweepSteps> Ideal{};
    bool operator==(const TErrorSource &) const = default;
  };
  TErrorSource ShownErrorSource;
  double ShownError = 0.0;
  bool ShownErrorValid = false;
  // What SelectedHarmonicPanel says: harmonic, highest harmonic, solo (-1:
  // nothing yet, or the language changed).
  std::array<int, 3> ShownSelectedSource{-1, -1, -1};

  int Step() const;
  int Selected() const;
  void BuildChainPoints(bool conjugate);
  void DrawPhasorChain(bool conjugate, TColour colour);
  void PlotReconstruction(int n);
  void DrawIdealWave();
  void DrawTargetWave();
  void DrawReconWave(int n);
  void DrawHighlightedSegment();
  void DrawHighlightedComponent(int n);
  void DrawPlaneAxes();
  void DrawTimeAxes();
};
