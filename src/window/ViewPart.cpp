#include "ViewPart.h"

#include "Translations.h"
#include "WindowLayout.h"
#include "WindowScaler.h"
#include "ZoomSteps.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>

#include <cmath>

namespace {

const char ZoomKey[] = "View/Zoom";
const char FullScreenKey[] = "View/FullScreen";
const char LanguageKey[] = "View/Language";
const char HighlightKey[] = "View/HighlightHarmonic";
const char ErrorKey[] = "View/ShowError";
const char AxesKey[] = "View/Axes";

using WindowLayout::ClientHeight;
using WindowLayout::ClientWidth;
using WindowLayout::StatusBarHeight;
using WindowLayout::StatusBarTop;

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

TViewPart::TViewPart(QMainWindow *window, TViewNeeds needs)
    : QObject(window), Window(window), Needs(std::move(needs))
{
}

void TViewPart::BuildZoomActions(QMenu *menu)
{
  // Tells the zoom in force; never chosen.
  ViewZoomLevel = menu->addAction(QString());
  ViewZoomLevel->setObjectName("ViewZoomLevel");
  ViewZoomLevel->setEnabled(false);
  ViewZoomIn = menu->addAction(QString());
  ViewZoomIn->setObjectName("ViewZoomIn");
  ViewZoomIn->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  ViewZoomOut = menu->addAction(QString());
  ViewZoomOut->setObjectName("ViewZoomOut");
  ViewZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  ViewActualSize = menu->addAction(QString());
  ViewActualSize->setObjectName("ViewActualSize");
  ViewActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  menu->addSeparator();
  ViewFullScreen = menu->addAction(QString());
  ViewFullScreen->setObjectName("ViewFullScreen");
  ViewFullScreen->setCheckable(true);
  ViewFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
  connect(ViewZoomIn, &QAction::triggered, this, &TViewPart::ViewZoomInClick);
  connect(ViewZoomOut, &QAction::triggered, this, &TViewPart::ViewZoomOutClick);
  connect(ViewActualSize, &QAction::triggered, this, &TViewPart::ViewActualSizeClick);
  connect(ViewFullScreen, &QAction::triggered, this, &TViewPart::ViewFullScreenClick);
  LeaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), Window);
  LeaveFullScreen->setObjectName("LeaveFullScreenShortcut");
  connect(LeaveFullScreen, &QShortcut::activated, this, [this] {
    if (ViewFullScreen->isChecked())
      ViewFullScreen->trigger();
  });
}

void TViewPart::BuildTeachingActions(QMenu *menu)
{
  menu->addSeparator();
  const auto addOption = [menu](const char *name) {
    QAction *action = menu->addAction(QString());
    action->setObjectName(name);
    action->setCheckable(true);
    return action;
  };
  ViewHighlightHarmonic = addOption("ViewHighlightHarmonic");
  ViewShowError = addOption("ViewShowError");
  ViewAxes = addOption("ViewAxes");
  connect(ViewHighlightHarmonic, &QAction::triggered, this, [this] {
    RememberTeachingOptions();
    emit HighlightToggled();
  });
  connect(ViewShowError, &QAction::triggered, this, [this] {
    RememberTeachingOptions();
    emit ShowErrorToggled();
  });
  connect(ViewAxes, &QAction::triggered, this, [this] {
    RememberTeachingOptions();
    emit AxesToggled();
  });
}

bool TViewPart::Highlighted() const
{
  return ViewHighlightHarmonic && ViewHighlightHarmonic->isChecked();
}

bool TViewPart::ShowsError() const
{
  return ViewShowError && ViewShowError->isChecked();
}

bool TViewPart::ShowsAxes() const
{
  return ViewAxes && ViewAxes->isChecked();
}

void TViewPart::RestoreTeachingOptions(QSettings *settings)
{
  ViewHighlightHarmonic->setChecked(settings->value(HighlightKey, false).toBool());
  ViewShowError->setChecked(settings->value(ErrorKey, false).toBool());
  ViewAxes->setChecked(settings->value(AxesKey, false).toBool());
}

void TViewPart::RememberTeachingOptions()
{
  if (!Settings)
    return;
  Settings->setValue(HighlightKey, ViewHighlightHarmonic->isChecked());
  Settings->setValue(ErrorKey, ViewShowError->isChecked());
  Settings->setValue(AxesKey, ViewAxes->isChecked());
}

void TViewPart::Retranslate()
{
  ViewHighlightHarmonic->setText(tr("&Highlight Selected Harmonic"));
  ViewShowError->setText(tr("Show &Error"));
  ViewAxes->setText(tr("A&xes"));
  ViewHighlightHarmonic->setToolTip(tr("Draw the harmonic of the table's selected row in amber: "
                                       "its segment of the chain and its own sinusoid."));
  ViewShowError->setToolTip(tr("Show in the status bar how far the sum of the harmonics is from "
                               "the ideal wave (RMS error)."));
  ViewAxes->setToolTip(tr("Number the axes inside the phasor plane and the time plot: values "
                          "-1 to 1 and time steps 0 to 511."));
  ShowZoomLevel();
  ViewZoomIn->setText(tr("Zoom &In"));
  ViewZoomOut->setText(tr("Zoom &Out"));
  ViewActualSize->setText(tr("&Actual Size"));
  ViewFullScreen->setText(tr("&Full Screen"));
  ViewLanguage->setTitle(tr("&Language"));
  ViewLanguage->actions().first()->setText(tr("&System Language"));
  // The shortcut list names window shortcuts by their whatsThis.
  LeaveFullScreen->setWhatsThis(tr("Leave Full Screen"));
  ViewZoomLevel->setToolTip(tr("The size the window is shown at."));
  ViewZoomIn->setToolTip(tr("Show the whole window larger, for a projector."));
  ViewZoomOut->setToolTip(tr("Show the whole window smaller."));
  ViewActualSize->setToolTip(tr("Show the window at its own size, 100 %."));
  ViewFullScreen->setToolTip(tr("Fill the screen with the window; Esc leaves full screen."));
  ViewLanguage->menuAction()->setToolTip(
      tr("Choose the language of every text of the program."));
  for (QAction *choice : ViewLanguage->actions()) {
    if (choice->isSeparator())
      continue;
    choice->setToolTip(choice->data().toString().isEmpty()
                           ? tr("Follow the system's language.")
                           : tr("Show every text in this language; remembered for the next "
                                "start."));
  }
}

void TViewPart::StartScaling(QWidget *client, QWidget *statusBar)
{
  Client = client;
  StatusBar = statusBar;
  Window->layout()->setSizeConstraint(QLayout::SetFixedSize);
  Window->adjustSize();
  BaseMenuHeight = Window->menuBar()->sizeHint().height();
  Scaler = new TWindowScaler(Window);
  EnableZoomActions();
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    Window->move(screen->availableGeometry().center() - Window->rect().center());
}

QSize TViewPart::BaseClientSize() const
{
  return QSize(ClientWidth, ClientHeight + Needs.Growth());
}

// The scaler lays the window out from its records, so the client area's size
// and the status bar's place are changed there and the zoom applied again,
// which also redraws. A zoom the grown window no longer fits at falls back to
// the largest step that fits, as when the settings are read; a zoom given for
// the run alone stays so.
void TViewPart::SetBaseGeometry(QWidget *widget, const QRect &geometry)
{
  Scaler->SetBaseGeometry(widget, geometry);
}

void TViewPart::Relayout()
{
  Needs.PlaceStrips();
  const QSize client = BaseClientSize();
  Scaler->SetBaseGeometry(Client, QRect(QPoint(0, 0), client));
  Scaler->SetBaseGeometry(StatusBar, QRect(0, StatusBarTop + client.height() - ClientHeight,
                                           ClientWidth, StatusBarHeight));
  // The window itself grows by as much, so that the size the scaler gives it
  // outside full screen is the grown one.
  Scaler->SetBaseGeometry(Window, QRect(QPoint(0, 0), client + QSize(0, BaseMenuHeight)));
  const double limit = ScreenZoomLimit(false);
  const double zoom =
      WindowedZoom <= limit ? WindowedZoom : ZoomSteps::LargestStepWithin(limit);
  if (ViewFullScreen->isChecked()) {
    WindowedZoom = zoom;
    ApplyZoom(ScreenZoomLimit(true));
    EnableZoomActions();
  } else if (ZoomForRunOnly) {
    SetZoomForRun(zoom);
  } else {
    SetZoom(zoom);
  }
}


double TViewPart::ScreenZoomLimit(bool fullScreen) const
{
  const QScreen *screen = Window->screen() ? Window->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return ZoomSteps::Smallest;
  QSize room = fullScreen ? screen->geometry().size() : screen->availableGeometry().size();
  if (!fullScreen) {
    // The window manager's frame around the window, where it is known.
    const QSize frame = Window->frameGeometry().size() - Window->geometry().size();
    room -= frame;
  }
  const QSize client = BaseClientSize();
  return ZoomSteps::FittingFactor(client.width(), client.height() + BaseMenuHeight, room.width(),
                                  room.height());
}

void TViewPart::ApplyZoom(double factor)
{
  ZoomFactor = factor;
  Scaler->Apply(factor);
  Needs.Zoomed(factor);
  // The client area is centred at once, not at the next layout pass.
  Window->centralWidget()->layout()->activate();
  if (!Window->isFullScreen()) {
    Window->adjustSize();
    if (const QScreen *screen = Window->screen()) {
      // Keep the window on its screen, centred where it grew past an edge.
      const QRect available = screen->availableGeometry();
      if (!available.contains(Window->frameGeometry()))
        Window->move(available.center() - Window->rect().center());
    }
  }
}

void TViewPart::ShowZoom(double factor)
{
  WindowedZoom = ZoomSteps::Clamp(factor, ScreenZoomLimit(false));
  if (!ViewFullScreen->isChecked())
    ApplyZoom(WindowedZoom);
  EnableZoomActions();
}

void TViewPart::SetZoom(double factor)
{
  ShowZoom(factor);
  ZoomForRunOnly = false;
  RememberView();
}

void TViewPart::SetZoomForRun(double factor)
{
  ShowZoom(factor);
  ZoomForRunOnly = true;
}

// In full screen the factor is the screen's; the zoom steps wait for its end.
void TViewPart::EnableZoomActions()
{
  const bool windowed = !ViewFullScreen->isChecked();
  ViewZoomIn->setEnabled(windowed && ZoomSteps::StepUp(WindowedZoom, ScreenZoomLimit(false))
                                         != WindowedZoom);
  ViewZoomOut->setEnabled(windowed && WindowedZoom > ZoomSteps::Smallest);
  ViewActualSize->setEnabled(windowed && WindowedZoom != 1.0);
  ShowZoomLevel();
}

void TViewPart::ShowZoomLevel()
{
  const double shown = ViewFullScreen->isChecked() ? ZoomFactor : WindowedZoom;
  ViewZoomLevel->setText(tr("Zoom: %1 %").arg(int(std::lround(shown * 100.0))));
}

void TViewPart::ViewZoomInClick()
{
  SetZoom(ZoomSteps::StepUp(WindowedZoom, ScreenZoomLimit(false)));
}

void TViewPart::ViewZoomOutClick()
{
  SetZoom(ZoomSteps::StepDown(WindowedZoom));
}

void TViewPart::ViewActualSizeClick()
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
void TViewPart::ViewFullScreenClick()
{
  if (ViewFullScreen->isChecked()) {
    Window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    Window->setMinimumSize(0, 0);
    Window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    WindowedGeometry = Window->geometry();
    // Without a window manager nothing acts on the full-screen request, so
    // the window takes the screen's geometry itself first; a window manager
    // gives it the same.
    if (const QScreen *screen = Window->screen())
      Window->setGeometry(screen->geometry());
    Window->showFullScreen();
    ApplyZoom(ScreenZoomLimit(true));
  } else {
    Window->showNormal();
    Window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    ApplyZoom(WindowedZoom);
    // Where it was: a window manager may leave it at the screen's corner.
    PlaceClientArea(*Window, WindowedGeometry.topLeft());
  }
  ShowZoom(WindowedZoom);
  RememberView();
}

void TViewPart::UseSettings(QSettings *settings)
{
  Settings = nullptr;
  if (settings) {
    const double zoom = settings->value(ZoomKey, 1.0).toDouble();
    // A zoom that no longer fits this screen falls back to the largest step
    // that does.
    const double limit = ScreenZoomLimit(false);
    SetZoom(zoom <= limit ? zoom : ZoomSteps::LargestStepWithin(limit));
    if (settings->value(FullScreenKey, false).toBool() != ViewFullScreen->isChecked())
      ViewFullScreen->trigger();
  }
  Settings = settings;
}

void TViewPart::RememberView()
{
  if (!Settings)
    return;
  if (!ZoomForRunOnly)
    Settings->setValue(ZoomKey, WindowedZoom);
  Settings->setValue(FullScreenKey, ViewFullScreen->isChecked());
}

void TViewPart::BuildLanguageMenu(QMenu *menu)
{
  menu->addSeparator();
  ViewLanguage = menu->addMenu(QString());
  ViewLanguage->setObjectName("ViewLanguage");
  auto *group = new QActionGroup(this);
  const auto addChoice = [this, group](const QString &code, const QString &name) {
    QAction *choice = ViewLanguage->addAction(name);
    choice->setObjectName(code.isEmpty() ? QString("ViewLanguageSystem")
                                         : "ViewLanguage_" + code);
    choice->setCheckable(true);
    choice->setData(code);
    group->addAction(choice);
    connect(choice, &QAction::triggered, this, [this, code] { SetLanguage(code, true); });
    return choice;
  };
  addChoice(QString(), QString());
  ViewLanguage->addSeparator();
  for (const Translations::TLanguage &language : Translations::Languages())
    addChoice(language.Code, language.NativeName);
  ViewLanguage->actions().first()->setChecked(true);
}

void TViewPart::SetLanguage(const QString &code, bool remember)
{
  const QString installed = code.isEmpty() ? Translations::SystemLanguage() : code;
  if (!Translations::Install(installed))
    return;
  // Qt posts the language change; the window and the about box read in the
  // new language as soon as the choice is made.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  for (QAction *choice : ViewLanguage->actions()) {
    if (choice->isCheckable())
      choice->setChecked(choice->data().toString() == code);
  }
  if (remember && Settings)
    Settings->setValue(LanguageKey, code);
}

void TViewPart::RestoreLanguage(QSettings *settings)
{
  const QString code = settings->value(LanguageKey, QString()).toString();
  if (!code.isEmpty())
    SetLanguage(code, false);
}
