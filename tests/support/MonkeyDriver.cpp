#include "MonkeyDriver.h"

#include "AboutForm.h"
#include "MainForm.h"
#include "MySoundUnit.h"
#include "NumberText.h"
#include "Translations.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int PhasorPlane = 0;
constexpr int TimePlot = 1;

// Largest magnitude an entry can hold: the editor's limit of 10, doubled by the
// one-sided convention.
constexpr double MaxEntryMagnitude = 20.0;

QString IntText(int v)
{
  if (v == INT_MAX)
    return QStringLiteral("INT_MAX");
  if (v == INT_MIN)
    return QStringLiteral("INT_MIN");
  return QString::number(v);
}

QString ButtonName(Qt::MouseButton button)
{
  switch (button) {
  case Qt::LeftButton:
    return QStringLiteral("left");
  case Qt::RightButton:
    return QStringLiteral("right");
  default:
    return QStringLiteral("middle");
  }
}

// A text for a replay log: control characters escaped, long texts cut.
QString Printable(const QString &text)
{
  QString out;
  for (QChar c : text.left(40)) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
      out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    else
      out += c;
  }
  if (text.size() > 40)
    out += QStringLiteral("...(%1 chars)").arg(text.size());
  return QLatin1Char('"') + out + QLatin1Char('"');
}

// QTest types printable ASCII only; other texts are pasted.
bool Typeable(const QString &text)
{
  return text.size() <= 24
         && std::all_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

bool ReadsAsNumber(const QString &text, double &value)
{
  return ReadNumber(text.toStdString(), value);
}

// The refusal of an editor text in the current language, "%1" standing for
// the quoted text.
QString RefusalText()
{
  return WindowText("'%1' is not a number; write it with a decimal point, for example 1.5");
}

bool MatchesRefusal(const QString &text, const QString &refusal)
{
  const qsizetype at = refusal.indexOf(QLatin1String("%1"));
  return at >= 0 && text.size() >= refusal.size() - 2 && text.startsWith(refusal.left(at))
         && text.endsWith(refusal.mid(at + 2));
}

}  // namespace

QStringList BadEditorTexts()
{
  return {
    QString(), QStringLiteral(" "), QStringLiteral("   "), QStringLiteral("\t"),
    QStringLiteral("abc"), QStringLiteral("x1"), QStringLiteral("1x"), QStringLiteral("e"),
    QStringLiteral("nan"), QStringLiteral("NaN"), QStringLiteral("-nan"), QStringLiteral("inf"),
    QStringLiteral("-inf"), QStringLiteral("Infinity"),
    QStringLiteral("1e309"), QStringLiteral("-1e309"), QStringLiteral("1e-400"),
    QStringLiteral("1e99999999999999999999"), QStringLiteral("1e-99999999999999999999"),
    QStringLiteral("-0"), QStringLiteral("+0"), QStringLiteral("-0.0e0"),
    QStringLiteral("1,5"), QStringLiteral("0,5"), QStringLiteral("1.2.3"), QStringLiteral("1 2"),
    QStringLiteral("0x10"), QStringLiteral("0X1p3"), QStringLiteral("1e"), QStringLiteral("1e+"),
    QStringLiteral("."), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("--1"),
    QStringLiteral("+-1"), QStringLiteral("11"), QStringLiteral("-181"), QStringLiteral("1000000"),
    QString::fromUtf8("\u0661\u0662\u0663"),    // Arabic-Indic digits
    QString::fromUtf8("\u096B"),                 // Devanagari five
    QString::fromUtf8("\uFF11\uFF10"),           // fullwidth one zero
    QString::fromUtf8("\u0E55.\u0E55"),          // Thai digits
    QString::fromUtf8("\u00B2"), QString::fromUtf8("\u00BD"), QString::fromUtf8("\u2212" "1"),
    QString::fromUtf8("1\u00A0"), QString::fromUtf8("\U0001F600"),
    QString(QChar(0)), QStringLiteral("1") + QChar(0), QStringLiteral("\x01"),
    QStringLiteral("1\n"), QStringLiteral("\r"), QStringLiteral("\x1b[2J"), QStringLiteral("\x7f"),
    QStringLiteral("<b>1</b>"), QStringLiteral("%s%n%d"), QStringLiteral("'"),
    QStringLiteral("\""), QStringLiteral("&Update"),
    QString(400, QLatin1Char('9')), QStringLiteral("0.") + QString(500, QLatin1Char('0')) + "1",
    QString(100000, QLatin1Char('9')), QString(100000, QLatin1Char('a')),
    QString(100000, QLatin1Char(' ')),
  };
}

TMonkeyDriver::TMonkeyDriver(TRotantsForm &form, quint64 seed, TMessageBoxCatcher &catcher)
    : Form(form),
      Random(seed),
      Catcher(catcher),
      StartLanguage(Translations::Current()),
      StartState(TRotantsForm().CapturePhasorSet())
{
  for (const QAction *choice : Form.ViewLanguage->actions()) {
    if (choice->isChecked())
      Language = choice->data().toString();
  }
}

TMonkeyDriver::~TMonkeyDriver()
{
  if (Translations::Current() != StartLanguage)
    Translations::Install(StartLanguage);
}

// Relative weights: a redraw costs most, so the actions that redraw several
// times (presets, a file opened) come less often than the cheap ones, and the
// animation export (512 redraws and a GIF) a few times in 50 000 actions.
// At any zoom but 100 % every redraw also draws the display pictures and
// every repaint paints a larger window, so the zoom is left soon: from about
// 20 zooms in per 50 000 actions, each to any step, and a handful of full
// screens (at 327 % on the test's screen), the way back comes after some 50
// actions, and about one action in thirty runs zoomed.
const std::vector<TMonkeyDriver::TKind> &TMonkeyDriver::Kinds()
{
  static const std::vector<TKind> kinds = {
    {"phasor plane mouse", 1500, &TMonkeyDriver::EditorHidden, &TMonkeyDriver::MouseOnPhasorPlane},
    {"time plot mouse", 2000, nullptr, &TMonkeyDriver::MouseOnTimePlot},
    {"drag through the window", 400, nullptr, &TMonkeyDriver::DragThroughWindow},
    {"waveform choice", 200, nullptr, &TMonkeyDriver::ChooseWaveformItem},
    {"highest harmonic choice", 400, nullptr, &TMonkeyDriver::ChooseHighestHarmonicItem},
    {"check box click", 700, nullptr, &TMonkeyDriver::ClickCheckBox},
    {"slider move", 800, nullptr, &TMonkeyDriver::MoveSlider},
    {"Play/Stop/Clear", 600, nullptr, &TMonkeyDriver::PressPlayStopClear},
    {"keyboard accelerator", 400, nullptr, &TMonkeyDriver::PressAccelerator},
    {"timer tick", 1200, &TMonkeyDriver::TimerRunning, &TMonkeyDriver::TimerTick},
    {"real-time wait", 150, nullptr, &TMonkeyDriver::WaitRealTime},
    {"editor toggle", 300, nullptr, &TMonkeyDriver::ToggleEditor},
    {"grid row selection", 600, &TMonkeyDriver::EditorShown, &TMonkeyDriver::SelectGridRow},
    {"editor text", 1450, &TMonkeyDriver::EditorShown, &TMonkeyDriver::ApplyEditorText},
    {"about box", 30, nullptr, &TMonkeyDriver::OpenAboutBox},
    {"zoom in", 4, nullptr, &TMonkeyDriver::ZoomIn},
    {"zoom back", 250, &TMonkeyDriver::Zoomed, &TMonkeyDriver::ZoomBack},
    {"full screen on", 1, &TMonkeyDriver::Windowed, &TMonkeyDriver::ToggleFullScreen},
    {"full screen off", 250, &TMonkeyDriver::FullScreen, &TMonkeyDriver::ToggleFullScreen},
    {"teaching option", 80, nullptr, &TMonkeyDriver::ToggleTeachingOption},
    {"language", 30, nullptr, &TMonkeyDriver::SwitchLanguage},
    {"File > New", 10, nullptr, &TMonkeyDriver::NewPhasorSet},
    {"save and open", 12, nullptr, &TMonkeyDriver::SaveAndOpen},
    {"export", 12, nullptr, &TMonkeyDriver::ExportQuick},
    {"animation export", 1, nullptr, &TMonkeyDriver::ExportAnimation},
    {"undo/redo", 120, nullptr, &TMonkeyDriver::UndoOrRedo},
    {"question before dropping work", 10, &TMonkeyDriver::MayAskToSave,
     &TMonkeyDriver::AnswerSaveQuestion},
    {"copy figure", 3, nullptr, &TMonkeyDriver::CopyFigure},
    {"figure export", 4, nullptr, &TMonkeyDriver::ExportFigure},
    {"plot key", 200, nullptr, &TMonkeyDriver::PressPlotKey},
    {"spectrum view", 12, nullptr, &TMonkeyDriver::ToggleSpectrum},
    {"spectrum drag", 150, &TMonkeyDriver::SpectrumShown, &TMonkeyDriver::DragOnSpectrum},
    {"shape view", 12, nullptr, &TMonkeyDriver::ToggleShape},
    {"exercise", 20, nullptr, &TMonkeyDriver::WorkOnExercise},
    {"shape slider", 150, &TMonkeyDriver::ShapeShown, &TMonkeyDriver::MoveShapeSlider},
    {"speed", 30, nullptr, &TMonkeyDriver::ChangeSpeed},
    {"recording", 6, nullptr, &TMonkeyDriver::OpenRecording},
    {"listen", 6, nullptr, &TMonkeyDriver::ToggleListen},
  };
  return kinds;
}

bool TMonkeyDriver::EditorShown() const
{
  return !Form.PhasorEditPanel->isHidden();
}

bool TMonkeyDriver::TimerRunning() const
{
  return Form.SimulationTimer->isActive();
}

bool TMonkeyDriver::Windowed() const
{
  return !Form.ViewFullScreen->isChecked();
}

bool TMonkeyDriver::Zoomed() const
{
  return Windowed() && Form.ZoomFactor != 1.0;
}

// Only actions a user can make right now: the editor panel covers the phasor
// plane while shown, so the plane gets no mouse events then; the grid and the
// edits take no input while hidden; ticks arrive only while the timer runs.
QString TMonkeyDriver::Act()
{
  Findings.clear();
  RefusalBefore = RefusalText();
  NoteStroke();
  const std::vector<TKind> &kinds = Kinds();
  int total = 0;
  for (const TKind &kind : kinds)
    total += kind.Weight;
  for (;;) {
    int roll = Pick(total);
    std::size_t at = 0;
    while (roll >= kinds[at].Weight)
      roll -= kinds[at++].Weight;
    const TKind &kind = kinds[at];
    if (kind.Possible && !(this->*kind.Possible)())
      continue;
    const QString name = QString::fromLatin1(kind.Name);
    ++Counts[name];
    QElapsedTimer clock;
    clock.start();
    const QString description = (this->*kind.Perform)();
    NoteStroke();
    Milliseconds[name] += clock.nsecsElapsed() / 1e6;
    return description;
  }
}

void TMonkeyDriver::NoteStroke()
{
  const qint64 key = Form.PhasorImage->Image().cacheKey();
  if (Form.MouseDrawing) {
    StrokeNotRedrawn = true;
    PlaneKey = key;
  } else if (key != PlaneKey) {
    StrokeNotRedrawn = false;
  }
}

// Inside, on and next to the edges, beyond them, anywhere in the int range,
// and the extremes of an int.
int TMonkeyDriver::Coordinate(int size)
{
  switch (Pick(6)) {
  case 0:
  case 1:
    return Pick(size);
  case 2: {
    const int edges[] = {-2, -1, 0, 1, size - 2, size - 1, size, size + 1};
    return edges[Pick(8)];
  }
  case 3:
    return Pick(5 * size) - 2 * size;
  case 4:
    return int(Random.generate());
  default: {
    const int extremes[] = {INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1, -(1 << 30), 1 << 30,
                            (1 << 30) + 1, INT_MIN / 2};
    return extremes[Pick(8)];
  }
  }
}

// Mouse events go straight to the canvas, as Qt delivers them to the widget
// that holds the mouse, which is how positions far beyond the window arrive.
QString TMonkeyDriver::MouseOnCanvas(bool phasorPlane)
{
  const int which = phasorPlane ? PhasorPlane : TimePlot;
  TImageCanvas *canvas = phasorPlane ? Form.PhasorImage : Form.TimeImage;
  const int x = Coordinate(canvas->Width());
  const int y = Coordinate(canvas->Height());
  const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                     Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                             Qt::ControlModifier, Qt::AltModifier};
  const Qt::KeyboardModifiers shift = modifiers[Pick(5)];
  int &held = HeldButtons[which];

  QEvent::Type type = QEvent::MouseMove;
  Qt::MouseButton button = Qt::NoButton;
  QString verb = QStringLiteral("move");
  const int roll = Pick(10);
  if (roll < 3) {
    type = QEvent::MouseButtonPress;
    button = buttons[Pick(6)];
    held |= button;
    verb = QStringLiteral("press ") + ButtonName(button);
  } else if (roll < 5) {
    type = QEvent::MouseButtonRelease;
    button = buttons[Pick(6)];
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
      if (held & b) {
        button = b;
        break;
      }
    }
    held &= ~int(button);
    verb = QStringLiteral("release ") + ButtonName(button);
  }
  const QPointF position(x, y);
  QMouseEvent event(type, position, position, button, Qt::MouseButtons(held), shift);
  QCoreApplication::sendEvent(canvas, &event);
  return QStringLiteral("%1: %2 at (%3, %4)")
      .arg(phasorPlane ? QStringLiteral("phasor plane") : QStringLiteral("time plot"), verb,
           IntText(x), IntText(y));
}

// The two custom waveforms are chosen more often: only they let the mouse
// place phasors and draw.
// A left-button drag as the window system delivers it: the press goes to
// whatever lies under the pointer (the editor panel covers the phasor plane
// while shown), which keeps the mouse for the moves and the release, also
// beyond the window's edges.
QString TMonkeyDriver::DragThroughWindow()
{
  TImageCanvas *canvas = Pick(2) ? Form.TimeImage : Form.PhasorImage;
  QPoint at(Pick(canvas->Width()), Pick(canvas->Height()));
  QString description = QStringLiteral("drag on %1 from (%2, %3) to")
                            .arg(canvas->objectName())
                            .arg(at.x())
                            .arg(at.y());
  QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, at);
  const int moves = 1 + Pick(6);
  for (int i = 0; i < moves; ++i) {
    at = QPoint(Pick(2 * canvas->Width() + 1200) - canvas->Width() - 600,
                Pick(2 * canvas->Height() + 1200) - canvas->Height() - 600);
    QTest::mouseMove(canvas, at);
    description += QStringLiteral(" (%1, %2)").arg(at.x()).arg(at.y());
  }
  QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at);
  return description;
}

// Alt with the underlined letter of an English button or check box caption;
// the menus' letters in the current language are left out, since an open menu
// would take every later event.
QString TMonkeyDriver::PressAccelerator()
{
  QString letters = QStringLiteral("PSCEUVRTG");
  for (const QAction *menu : Form.MainMenu->actions()) {
    const qsizetype at = menu->text().indexOf(QLatin1Char('&'));
    if (at >= 0 && at + 1 < menu->text().size())
      letters.remove(menu->text()[at + 1].toUpper());
  }
  const char letter = letters[Pick(int(letters.size()))].toLatin1();
  if (!ActivateForm())
    return QStringLiteral("Alt+%1 (lost: no active window)").arg(QLatin1Char(letter));
  QTest::keyClick(&Form, letter, Qt::AltModifier);
  SinceAccelerator.start();
  return QStringLiteral("Alt+%1").arg(QLatin1Char(letter));
}

// A closed modal box leaves no window active on a headless platform, where a
// window manager would give the activation back to the main window; or it
// stays the application's active window, hidden, though the main window has
// the platform's focus again, and shortcuts then match none of the main
// window's actions.
bool TMonkeyDriver::ActivateForm()
{
  if (QApplication::activeWindow() == &Form)
    return true;
  if (QGuiApplication::focusWindow() != Form.windowHandle()) {
    Form.activateWindow();
    if (!QTest::qWaitForWindowActive(&Form, 200))
      return false;
  }
  if (QApplication::activeWindow() != &Form)
    QApplication::setActiveWindow(&Form);
  return QApplication::activeWindow() == &Form;
}

bool TMonkeyDriver::IsRefusedTextMessage(const QString &text) const
{
  return MatchesRefusal(text, RefusalBefore) || MatchesRefusal(text, RefusalText());
}

// Help > About while the animation may run: the box stays open for a few
// milliseconds, during which timer ticks (and the click of an accelerator
// pressed just before, with its own box) go on arriving, then the user
// closes it.
QString TMonkeyDriver::OpenAboutBox()
{
  const int ms = 1 + Pick(30);
  QTimer::singleShot(ms, Form.AboutBox, &QDialog::reject);
  Form.HelpAbout->trigger();
  return QStringLiteral("about box for %1 ms").arg(ms);
}

QString TMonkeyDriver::ChooseWaveformItem()
{
  const int roll = Pick(20);
  const int item = roll < 7 ? 1 : roll < 12 ? 0 : 2 + Pick(7);
  ChooseWaveform(Form, item);
  return QStringLiteral("waveform %1 (%2)").arg(item).arg(Form.WaveformComboBox->itemText(item));
}

QString TMonkeyDriver::ChooseHighestHarmonicItem()
{
  const int item = Pick(4) == 0 ? 25 : Pick(26);
  ChooseHighestHarmonic(Form, item);
  return QStringLiteral("highest harmonic %1").arg(item);
}

QString TMonkeyDriver::ClickCheckBox()
{
  QCheckBox *boxes[] = {Form.RealValueCheckBox, Form.RotateComplexPlaneCheckBox,
                        Form.TraceCheckBox,     Form.ConjugateCheckBox,
                        Form.TimeGridCheckBox,  Form.SoundCheckBox,
                        Form.RepeatPlayCheckBox, Form.IdealWaveCheckBox};
  QCheckBox *box = boxes[Pick(8)];
  box->click();
  return QStringLiteral("click %1 (now %2)")
      .arg(box->objectName(), box->isChecked() ? QStringLiteral("checked")
                                               : QStringLiteral("unchecked"));
}

QString TMonkeyDriver::MoveSlider()
{
  QSlider *slider = Form.TimeTrackBar;
  const int roll = Pick(20);
  if (roll < 8) {
    const int step = Pick(4) == 0 ? (Pick(2) ? 0 : SweepSteps - 1) : Pick(SweepSteps);
    slider->setValue(step);
    return QStringLiteral("slider to %1").arg(step);
  }
  if (roll < 11) {
    const int values[] = {-1, SweepSteps, INT_MIN, INT_MAX, int(Random.generate())};
    const int value = values[Pick(5)];
    slider->setValue(value);
    return QStringLiteral("slider set to %1 (clamped to %2)").arg(IntText(value)).arg(slider->value());
  }
  const int action = TriggerSliderAction(slider);
  return QStringLiteral("slider action %1 (now %2)").arg(action).arg(slider->value());
}

int TMonkeyDriver::TriggerSliderAction(QSlider *slider)
{
  const QAbstractSlider::SliderAction actions[] = {
    QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
    QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
    QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
  const int action = Pick(6);
  slider->triggerAction(actions[action]);
  return action;
}

// Both buttons stay reachable by their accelerators whichever is in front.
QString TMonkeyDriver::PressPlayStopClear()
{
  const int roll = Pick(20);
  if (roll < 8) {
    Form.PlayBtn->click();
    return QStringLiteral("Play");
  }
  if (roll < 15) {
    Form.StopBtn->click();
    return QStringLiteral("Stop");
  }
  Form.ClearBtn->click();
  return QStringLiteral("Clear");
}

QString TMonkeyDriver::TimerTick()
{
  const int ticks = Pick(4) == 0 ? 1 + Pick(40) : 1;
  for (int i = 0; i < ticks && Form.SimulationTimer->isActive(); ++i)
    Form.SimulationTimerTimer();
  return QStringLiteral("%1 tick(s) (now at %2)").arg(ticks).arg(Form.TimeTrackBar->value());
}

QString TMonkeyDriver::WaitRealTime()
{
  const int before = Form.TimeTrackBar->value();
  const int ms = 1 + Pick(20);
  QTest::qWait(ms);
  return QStringLiteral("wait %1 ms (slider %2 -> %3)").arg(ms).arg(before).arg(
      Form.TimeTrackBar->value());
}

QString TMonkeyDriver::ToggleEditor()
{
  Form.EditRotantsBtn->click();
  return Form.PhasorEditPanel->isHidden() ? QStringLiteral("hide editor")
                                          : QStringLiteral("show editor");
}

QString TMonkeyDriver::SelectGridRow()
{
  QTableWidget *grid = Form.PhasorGrid;
  const int roll = Pick(10);
  if (roll < 5) {
    const int row = 1 + Pick(HarmonicCount);
    ClickGridRow(Form, row);
    return QStringLiteral("click grid row %1").arg(row);
  }
  if (roll < 8) {
    const Qt::Key keys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const int key = Pick(6);
    QTest::keyClick(grid, keys[key]);
    return QStringLiteral("grid key %1 (row %2)").arg(key).arg(grid->currentRow());
  }
  // Programmatic moves also reach the heading row and column.
  const int row = Pick(HarmonicCount + 1);
  const int column = Pick(3);
  grid->setCurrentCell(row, column);
  return QStringLiteral("grid current cell (%1, %2)").arg(row).arg(column);
}

QString TMonkeyDriver::EditorText()
{
  if (Pick(2) == 0) {
    const QStringList bad = BadEditorTexts();
    return bad[Pick(int(bad.size()))];
  }
  switch (Pick(6)) {
  case 0: {
    const char *const bounds[] = {"10", "0", "180", "-180", "10.00001", "180.04", "-180.05",
                                  "1e1", "2.5E-1", " 3 ", "\t0.5", "360", "-0.0001", "1.23456"};
    return QString::fromLatin1(bounds[Pick(14)]);
  }
  case 1:
  case 2:
    return QString::number(Random.generateDouble() * 10.0, 'f', Pick(8));
  default:
    return QString::number(Random.generateDouble() * 400.0 - 200.0, 'f', Pick(4));
  }
}

QString TMonkeyDriver::ApplyEditorText()
{
  QString description;
  const int target = Pick(3);  // 0 magnitude, 1 angle, 2 both
  for (int i = 0; i < 2; ++i) {
    if (target != 2 && target != i)
      continue;
    QLineEdit *edit = i == 0 ? Form.MagnitudeEdit : Form.AngleEdit;
    const QString text = EditorText();
    if (Typeable(text) && Pick(3) == 0) {
      TypeText(edit, text);
      description += QStringLiteral("type %1 %2; ").arg(edit->objectName(), Printable(text));
    } else {
      edit->setText(text);
      description += QStringLiteral("paste %1 %2; ").arg(edit->objectName(), Printable(text));
    }
  }
  if (Pick(8) != 0) {
    Form.PhasorUpdateBtn->click();
    description += QStringLiteral("Update (row %1)").arg(Form.PhasorGrid->currentRow());
  }
  return description;
}

QString TMonkeyDriver::CheckInvariants() const
{
  QStringList problems;
  const auto fail = [&problems](const QString &what) { problems << what; };

  if (QWidget *modal = QApplication::activeModalWidget())
    fail(QStringLiteral("a modal widget is still open: %1").arg(modal->metaObject()->className()));

  if (Form.HarmonicIndex < 0 || Form.HarmonicIndex > HarmonicCount)
    fail(QStringLiteral("HarmonicIndex %1").arg(Form.HarmonicIndex));
  if (Form.HighestHarmonic < 0 || Form.HighestHarmonic >= HarmonicCount
      || Form.HighestHarmonic != Form.HighestHarmonicComboBox->currentIndex())
    fail(QStringLiteral("HighestHarmonic %1 with the drop-down at %2")
             .arg(Form.HighestHarmonic)
             .arg(Form.HighestHarmonicComboBox->currentIndex()));
  if (Form.EditMode < 0 || Form.EditMode > 2 || Form.IdleEditMode < 0 || Form.IdleEditMode > 2)
    fail(QStringLiteral("EditMode %1, IdleEditMode %2").arg(Form.EditMode).arg(Form.IdleEditMode));
  const bool phasorHelp = !Form.PhasorHelpLabel->isHidden();
  const bool timeHelp = !Form.TimeHelpLabel->isHidden();
  if (phasorHelp != (Form.EditMode == 1) || timeHelp != (Form.EditMode == 2))
    fail(QStringLiteral("help labels (phasor %1, time %2) in EditMode %3")
             .arg(phasorHelp)
             .arg(timeHelp)
             .arg(Form.EditMode));
  if (Form.SimulationTimer->isActive() == Form.PlayBtnInFront())
    fail(QStringLiteral("timer %1 with %2 in front")
             .arg(Form.SimulationTimer->isActive() ? "running" : "stopped",
                  Form.PlayBtnInFront() ? "Play" : "Stop"));

  const HarmonicPhasor *first = Form.PhasorList.data();
  const HarmonicPhasor *last = first + HarmonicCount - 1;
  if (Form.CurrentPhasor < first || Form.CurrentPhasor > last)
    fail(QStringLiteral("CurrentPhasor outside PhasorList"));
  if (Form.BasePhasor < first || Form.BasePhasor > last)
    fail(QStringLiteral("BasePhasor outside PhasorList"));

  for (int k = 0; k < HarmonicCount; ++k) {
    const HarmonicPhasor &e = Form.PhasorList[k];
    for (double v : {e.Re, e.Im, e.RotRe, e.RotIm, e.SumRe, e.SumIm}) {
      if (!std::isfinite(v)) {
        fail(QStringLiteral("entry %1 holds %2").arg(k).arg(v));
        break;
      }
    }
    if (std::hypot(e.Re, e.Im) > MaxEntryMagnitude + 1e-9)
      fail(QStringLiteral("entry %1 has magnitude %2").arg(k).arg(std::hypot(e.Re, e.Im)));
  }
  for (int i = 0; i < SweepSteps; ++i) {
    if (!std::isfinite(Form.IdealWave[i]) || !std::isfinite(Form.ReconWave[i])) {
      fail(QStringLiteral("step %1: IdealWave %2, ReconWave %3")
               .arg(i)
               .arg(Form.IdealWave[i])
               .arg(Form.ReconWave[i]));
      break;
    }
  }

  const QTableWidget *grid = Form.PhasorGrid;
  if (grid->rowCount() != HarmonicCount + 1 || grid->columnCount() != 3) {
    fail(QStringLiteral("grid of %1 x %2").arg(grid->rowCount()).arg(grid->columnCount()));
  } else {
    if (grid->item(0, 0)->text() != WindowText("Harmonic")
        || grid->item(0, 1)->text() != WindowText("Magnitude"))
      fail(QStringLiteral("grid headings changed: %1, %2")
               .arg(grid->item(0, 0)->text(), grid->item(0, 1)->text()));
    for (int row = 1; row <= HarmonicCount; ++row) {
      if (grid->item(row, 0)->text() != QString::number(row - 1))
        fail(QStringLiteral("grid row %1 names harmonic %2")
                 .arg(row)
                 .arg(Printable(grid->item(row, 0)->text())));
      double magnitude = 0.0;
      double angle = 0.0;
      const QString magnitudeText = grid->item(row, 1)->text();
      const QString angleText = grid->item(row, 2)->text();
      if (!ReadsAsNumber(magnitudeText, magnitude) || !ReadsAsNumber(angleText, angle))
        fail(QStringLiteral("grid row %1 reads %2, %3")
                 .arg(row)
                 .arg(Printable(magnitudeText), Printable(angleText)));
      // The editor takes magnitudes up to 10; the grid also shows entries
      // doubled for the one-sided convention, so up to 20.
      else if (magnitude < 0.0 || magnitude > 20.0 || angle < -180.0 || angle > 180.0)
        fail(QStringLiteral("grid row %1 out of range: %2, %3").arg(row).arg(magnitudeText,
                                                                              angleText));
    }
  }

  const QString step = WindowText("N: ") + QString::number(Form.TimeTrackBar->value());
  if (Form.StatusPanel1->text() != step)
    fail(QStringLiteral("status panel 1 reads \"%1\" at step %2")
             .arg(Form.StatusPanel1->text())
             .arg(Form.TimeTrackBar->value()));

  const TMySound *sound = Form.MySound;
  if (!sound->Buffer || sound->DataSize != 200) {
    fail(QStringLiteral("tone buffer of %1 bytes").arg(sound->Buffer ? sound->DataSize : 0));
  } else {
    for (int frame = 0; frame < 100; ++frame) {
      if (sound->Buffer[2 * frame] != sound->Buffer[2 * frame + 1]) {
        fail(QStringLiteral("tone frame %1: left %2, right %3")
                 .arg(frame)
                 .arg(sound->Buffer[2 * frame])
                 .arg(sound->Buffer[2 * frame + 1]));
        break;
      }
    }
  }
  CheckMenuInvariants(problems);
  problems << Findings;
  return problems.join(QStringLiteral("; "));
}
