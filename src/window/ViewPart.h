#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QSettings;
class QShortcut;
class QWidget;
class TWindowScaler;

// What the view takes from the window around it. The window sets every
// function; each is called on the user-interface thread.
struct TViewNeeds {
  // The height the strips add below the controls at factor 1.
  std::function<int()> Growth;
  // Places the strips below the controls for the layout (SetBaseGeometry),
  // before the window is laid out again.
  std::function<void()> PlaceStrips;
  // The factor the window is now shown at: the pictures are drawn anew at
  // the screen's detail, and dialogs that follow the zoom take it.
  std::function<void(double factor)> Zoomed;
};

// The View menu's zoom, full screen, teaching options and language: the
// whole window at a zoom factor (the scaling itself is TWindowScaler's), held
// to what the screen allows; full screen at the largest factor that fits,
// centred; Highlight Selected Harmonic, Show Error and Axes, off at first; the
// language of every text, applied at once. All of them are remembered in the
// settings. window is the part's parent. User-interface thread only.
class TViewPart : public QObject {
  Q_OBJECT

public:
  TViewPart(QMainWindow *window, TViewNeeds needs);

  QAction *ViewZoomLevel = nullptr;  // disabled: shows the zoom, e.g. "Zoom: 150 %"
  QAction *ViewZoomIn = nullptr;
  QAction *ViewZoomOut = nullptr;
  QAction *ViewActualSize = nullptr;
  QAction *ViewFullScreen = nullptr;
  QAction *ViewHighlightHarmonic = nullptr;
  QAction *ViewShowError = nullptr;
  QAction *ViewAxes = nullptr;  // numbered axes inside both plots
  QMenu *ViewLanguage = nullptr;
  QShortcut *LeaveFullScreen = nullptr;  // Esc
  // The factor the whole window is shown at (1.0: the layout's own pixels).
  double ZoomFactor = 1.0;

  // The zoom items and Full Screen, into menu.
  void BuildZoomActions(QMenu *menu);
  // Highlight Selected Harmonic, Show Error and Axes, after a separator in
  // menu.
  void BuildTeachingActions(QMenu *menu);
  bool Highlighted() const;
  bool ShowsError() const;
  bool ShowsAxes() const;
  // Checks the teaching options as settings remember them, with no signal.
  void RestoreTeachingOptions(QSettings *settings);
  // The Language submenu, after a separator in menu.
  void BuildLanguageMenu(QMenu *menu);
  void Retranslate();
  // Fixes the window's size to its layout and starts scaling: client (the
  // fixed-size client area) and statusBar (at its bottom) move with the strip.
  void StartScaling(QWidget *client, QWidget *statusBar);

  // Keeps the view in settings from now on, and applies the zoom and full
  // screen they hold; null keeps nothing. Not owned; it must outlive the part.
  void UseSettings(QSettings *settings);
  void RestoreLanguage(QSettings *settings);

  // SetZoom shows the window at factor (held to the zoom range and to what
  // the screen's available area allows) and remembers it; in full screen it
  // applies on leaving. SetZoomForRun does the same for this run only (the
  // command line's --zoom): the remembered zoom stays as it was until the
  // user zooms from the View menu.
  void SetZoom(double factor);
  void SetZoomForRun(double factor);
  void ViewZoomInClick();
  void ViewZoomOutClick();
  void ViewActualSizeClick();
  void ViewFullScreenClick();
  // The largest factor at which the whole window fits its screen's available
  // area (or, for full screen, the whole screen).
  double ScreenZoomLimit(bool fullScreen) const;
  // The window's size at factor 1 changed (the strip shown or hidden): lays
  // it out again at the zoom in force, or the largest step that still fits.
  void Relayout();
  // A widget's geometry at factor 1 from now on (see TWindowScaler).
  void SetBaseGeometry(QWidget *widget, const QRect &geometry);
  // Language: code is one of Translations::Languages(), or empty for the
  // system's. Applied at once; remembered in the settings when asked.
  void SetLanguage(const QString &code, bool remember);

signals:
  // The user switched a teaching option.
  void HighlightToggled();
  void ShowErrorToggled();
  void AxesToggled();

private:
  QMainWindow *const Window;
  const TViewNeeds Needs;
  TWindowScaler *Scaler = nullptr;  // owned (QObject child of the window)
  QWidget *Client = nullptr;
  QWidget *StatusBar = nullptr;
  QSettings *Settings = nullptr;  // not owned
  double WindowedZoom = 1.0;      // the zoom outside full screen
  QRect WindowedGeometry;         // the window's geometry before full screen
  int BaseMenuHeight = 0;         // the menu bar's height at factor 1
  bool ZoomForRunOnly = false;    // the zoom shown came from SetZoomForRun

  QSize BaseClientSize() const;
  void ApplyZoom(double factor);
  // Holds factor to what the screen allows and shows it, remembering nothing.
  void ShowZoom(double factor);
  void EnableZoomActions();
  void ShowZoomLevel();
  void RememberView();
  void RememberTeachingOptions();
};
