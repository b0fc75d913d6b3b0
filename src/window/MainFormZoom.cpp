#include "MainForm.h"

#include "AboutForm.h"
#include "WindowScaler.h"
#include "ZoomSteps.h"

#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QWindow>

#include <cmath>

// The View menu: the whole window at a zoom factor, and full screen. The
// scaling itself is the window scaler's; this wires the menu to it, holds the
// factor to what the screen allows and remembers the view in the settings.

namespace {

const char ZoomKey[] = "View/Zoom";
const char FullScreenKey[] = "View/FullScreen";

// Puts a window's client area (its geometry without the frame) at topLeft,
// with the size it has; centred on its screen instead where it would reach
// past an edge of the screen's available area.
void PlaceClientArea(QWidget &window, QPoint topLeft)
{
  QRect placed(topLeft, window.size());
  if (const QScreen *screen = window.screen()) {
    const QRect available = screen->availableGeometry();
    if (!available.contains(placed))
      placed.moveCenter(available.center());
  }
  window.setGeometry(placed);
}

}  // namespace

double TRotantsForm::ScreenZoomLimit(bool fullScreen) const
{
  const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return ZoomSteps::Smallest;
  QSize room = fullScreen ? screen->geometry().size() : screen->availableGeometry().size();
  if (!fullScreen) {
    // The window manager's frame around the window, where it is known.
    const QSize frame = frameGeometry().size() - geometry().size();
    room -= frame;
  }
  const QSize client = BaseClientSize();
  return ZoomSteps::FittingFactor(client.width(), client.height() + BaseMenuHeight, room.width(),
                                  room.height());
}

void TRotantsForm::ApplyZoom(double factor)
{
  ZoomFactor = factor;
  Scaler->Apply(factor);
  // The canvases draw at the screen's detail, so the pictures are drawn anew.
  TimeTrackBarChange();
  AboutBox->SetZoom(factor);
  // The client area is centred at once, not at the next layout pass.
  centralWidget()->layout()->activate();
  if (!isFullScreen()) {
    adjustSize();
    if (const QScreen *screen = this->screen()) {
      // Keep the window on its screen, centred where it grew past an edge.
      const QRect available = screen->availableGeometry();
      if (!available.contains(frameGeometry()))
        move(available.center() - rect().center());
    }
  }
}

void TRotantsForm::ShowZoom(double factor)
{
  WindowedZoom = ZoomSteps::Clamp(factor, ScreenZoomLimit(false));
  if (!ViewFullScreen->isChecked())
    ApplyZoom(WindowedZoom);
  EnableZoomActions();
}

void TRotantsForm::SetZoom(double factor)
{
  ShowZoom(factor);
  ZoomForRunOnly = false;
  RememberView();
}

void TRotantsForm::SetZoomForRun(double factor)
{
  ShowZoom(factor);
  ZoomForRunOnly = true;
}

// In full screen the factor is the screen's; the zoom steps wait for its end.
void TRotantsForm::EnableZoomActions()
{
  const bool windowed = !ViewFullScreen->isChecked();
  ViewZoomIn->setEnabled(windowed && ZoomSteps::StepUp(WindowedZoom, ScreenZoomLimit(false))
                                         != WindowedZoom);
  ViewZoomOut->setEnabled(windowed && WindowedZoom > ZoomSteps::Smallest);
  ViewActualSize->setEnabled(windowed && WindowedZoom != 1.0);
  ShowZoomLevel();
}

void TRotantsForm::ShowZoomLevel()
{
  const double shown = ViewFullScreen->isChecked() ? ZoomFactor : WindowedZoom;
  ViewZoomLevel->setText(tr("Zoom: %1 %").arg(int(std::lround(shown * 100.0))));
}

void TRotantsForm::ViewZoomInClick()
{
  SetZoom(ZoomSteps::StepUp(WindowedZoom, ScreenZoomLimit(false)));
}

void TRotantsForm::ViewZoomOutClick()
{
  SetZoom(ZoomSteps::StepDown(WindowedZoom));
}

void TRotantsForm::ViewActualSizeClick()
{
  SetZoom(1.0);
}

// Full screen shows the client area at the largest factor that fits the
// screen, centred in the window's face colour; leaving it restores the
// windowed zoom and the fixed window where it was.
//
// The window is put in full screen before the zoom is applied: the scaler
// fixes the size of a window that is not in full screen, and a window
// manager does not make a window of a fixed size fill the screen. Nor does
// the layout give the window a size while it waits for the screen's: a
// resize would take it out of full screen again.
void TRotantsForm::ViewFullScreenClick()
{
  if (ViewFullScreen->isChecked()) {
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    WindowedGeometry = geometry();
    showFullScreen();
    ApplyZoom(ScreenZoomLimit(true));
  } else {
    showNormal();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ApplyZoom(WindowedZoom);
    // Where it was: a window manager may leave it at the screen's corner.
    PlaceClientArea(*this, WindowedGeometry.topLeft());
  }
  ShowZoom(WindowedZoom);
  RememberView();
}

void TRotantsForm::UseSettings(QSettings *settings)
{
  Settings = nullptr;
  if (settings) {
    // The strip first, so that the zoom is held to what the screen allows
    // with it.
    RestoreSpectrumView(settings);
    const double zoom = settings->value(ZoomKey, 1.0).toDouble();
    // A zoom that no longer fits this screen falls back to the largest step
    // that does.
    const double limit = ScreenZoomLimit(false);
    SetZoom(zoom <= limit ? zoom : ZoomSteps::LargestStepWithin(limit));
    if (settings->value(FullScreenKey, false).toBool() != ViewFullScreen->isChecked())
      ViewFullScreen->trigger();
    RestoreTeachingOptions(settings);
    RestoreLanguage(settings);
  }
  Settings = settings;
  Exports->UseSettings(settings);
  ShowRecentFiles();
}

void TRotantsForm::RememberView()
{
  if (!Settings)
    return;
  if (!ZoomForRunOnly)
    Settings->setValue(ZoomKey, WindowedZoom);
  Settings->setValue(FullScreenKey, ViewFullScreen->isChecked());
}
