#include "TestSupport.h"
#include "MonkeyDriver.h"

#include "MainForm.h"
#include "NumberText.h"
#include "Reconstruction.h"
#include "Translations.h"
#include "WaveExport.h"
#include "WindowSnapshot.h"
#include "ZoomSteps.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHash>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QUndoStack>
#include <QtTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

// The monkey's View and File menu actions: zoom, full screen, the teaching
// options, languages, files and exports, and the invariants of the view.

namespace {

constexpr int CustomRotantsItem = 0;

QString OnOff(bool on)
{
  return on ? QStringLiteral("on") : QStringLiteral("off");
}

int LineCount(const QString &path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return -1;
  return int(file.readAll().count('\n'));
}

}  // namespace

// Looked up once per source text and language: the invariants read a dozen
// texts after every action.
QString WindowText(const char *source)
{
  static QString language;
  static QHash<const char *, QString> texts;
  if (language != Translations::Current()) {
    language = Translations::Current();
    texts.clear();
  }
  auto text = texts.constFind(source);
  if (text == texts.constEnd())
    text = texts.insert(source, TranslatedWindowText(source));
  return text.value();
}

// One zoom step by the menu or by its shortcut: the zoom the step leads to,
// or, where the menu does not offer it (at an end, or in full screen), the
// zoom as it was; a finding otherwise.
QString TMonkeyDriver::PressZoom(QAction *action)
{
  const double before = Form.ZoomFactor;
  const double limit = Form.ScreenZoomLimit(false);
  QKeySequence keys(Qt::CTRL | Qt::Key_0);
  double expected = 1.0;
  if (action == Form.ViewZoomIn) {
    keys = QKeySequence(Qt::CTRL | (Pick(2) ? Qt::Key_Plus : Qt::Key_Equal));
    expected = ZoomSteps::StepUp(before, limit);
  } else if (action == Form.ViewZoomOut) {
    keys = QKeySequence(Qt::CTRL | Qt::Key_Minus);
    expected = ZoomSteps::StepDown(before);
  }
  QString how = QStringLiteral("menu");
  if (Pick(2) == 0) {
    action->trigger();
  } else if (ActivateForm()) {
    how = keys.toString();
    QTest::keySequence(&Form, keys);
  } else {
    return QStringLiteral("%1 lost: no active window").arg(action->objectName());
  }
  if (Form.ViewFullScreen->isChecked())
    expected = before;
  if (Form.ZoomFactor != expected)
    Findings << QStringLiteral("%1 gave zoom %2, not %3")
                    .arg(action->objectName())
                    .arg(Form.ZoomFactor)
                    .arg(expected);
  return QStringLiteral("%1 by %2 to %3").arg(action->objectName(), how).arg(Form.ZoomFactor);
}

// Zoom In pressed one to six times, so that every step is reached at once;
// one time in eight Zoom Out or Actual Size instead (at 100 % the menu does not
// offer them).
QString TMonkeyDriver::ZoomIn()
{
  if (Pick(8) == 0)
    return PressZoom(Pick(2) ? Form.ViewZoomOut : Form.ViewActualSize);
  QStringList presses;
  const int count = 1 + Pick(6);
  for (int i = 0; i < count; ++i)
    presses << PressZoom(Form.ViewZoomIn);
  return presses.join(QStringLiteral(", "));
}

QString TMonkeyDriver::ZoomBack()
{
  return PressZoom(Pick(2) ? Form.ViewZoomOut : Form.ViewActualSize);
}

// Entered by F11 or the menu; left by Esc, F11 or the menu.
QString TMonkeyDriver::ToggleFullScreen()
{
  const bool fullScreen = Form.ViewFullScreen->isChecked();
  const int roll = Pick(fullScreen ? 3 : 2);
  QString how = QStringLiteral("menu");
  if (roll == 0) {
    Form.ViewFullScreen->trigger();
  } else if (ActivateForm()) {
    const Qt::Key key = roll == 1 ? Qt::Key_F11 : Qt::Key_Escape;
    how = QKeySequence(key).toString();
    QTest::keyClick(&Form, key);
  } else {
    return QStringLiteral("full screen (lost: no active window)");
  }
  if (Form.ViewFullScreen->isChecked() == fullScreen)
    Findings << QStringLiteral("full screen stayed %1").arg(OnOff(fullScreen));
  return QStringLiteral("full screen %1 by %2 (zoom %3)")
      .arg(OnOff(!fullScreen), how)
      .arg(Form.ZoomFactor);
}

QString TMonkeyDriver::ToggleTeachingOption()
{
  QAction *options[] = {Form.ViewHighlightHarmonic, Form.ViewSoloHarmonic, Form.ViewShowError,
                        Form.ViewAxes};
  QAction *option = options[Pick(4)];
  option->trigger();
  return QStringLiteral("%1 %2").arg(option->objectName(), OnOff(option->isChecked()));
}

QString TMonkeyDriver::ChangeSpeed()
{
  QAction *action = Pick(2) ? Form.ViewSlower : Form.ViewFaster;
  action->trigger();
  return QStringLiteral("%1 (interval %2 ms)")
      .arg(action->objectName())
      .arg(Form.SimulationTimer->interval());
}

QString TMonkeyDriver::ToggleShape()
{
  Form.ViewShape->trigger();
  return QStringLiteral("ViewShape %1").arg(OnOff(Form.ViewShape->isChecked()));
}

// An exercise started, checked, hinted, answered, heard or ended, as the
// menu and the panel do it (the question before a new target is answered by
// the driver's message-box catcher).
QString TMonkeyDriver::WorkOnExercise()
{
  switch (Pick(8)) {
  case 0: {
    const int level = 1 + Pick(6);
    Form.StartExercise(level, quint32(Pick(1000)));
    return QStringLiteral("exercise started at level %1").arg(level);
  }
  case 1:
    Form.ExerciseNew->trigger();
    return QStringLiteral("ExerciseNew");
  case 2:
  case 3:
    if (ActivateForm())
      QTest::keyClick(&Form, Qt::Key_Return, Qt::ControlModifier);
    return QStringLiteral("Ctrl+Return (solved %1)").arg(OnOff(Form.ExerciseSolved()));
  case 4:
    Form.ExerciseHint->trigger();
    return QStringLiteral("ExerciseHint");
  case 5:
    Form.ExerciseReveal->trigger();
    return QStringLiteral("ExerciseReveal");
  case 6:
    Form.Exercise->ExerciseHearTarget->click();
    return QStringLiteral("ExerciseHearTarget");
  default:
    Form.ExerciseEnd->trigger();
    return QStringLiteral("ExerciseEnd");
  }
}

bool TMonkeyDriver::ShapeShown() const
{
  return Form.ViewShape->isChecked();
}

// As a user moves an enabled shape slider: a key or a click beside the
// handle, or a drag across some values.
QString TMonkeyDriver::MoveShapeSlider()
{
  QSlider *slider = Pick(2) ? Form.ShapeDutyCycle : Form.ShapeShift;
  if (!slider->isEnabled())
    return QStringLiteral("%1 disabled").arg(slider->objectName());
  if (Pick(3) > 0) {
    TriggerSliderAction(slider);
    return QStringLiteral("%1 step to %2").arg(slider->objectName()).arg(slider->value());
  }
  slider->setSliderDown(true);
  for (int moves = 1 + Pick(4); moves > 0; --moves)
    slider->setValue(slider->minimum() + Pick(slider->maximum() - slider->minimum() + 1));
  slider->setSliderDown(false);
  return QStringLiteral("%1 dragged to %2").arg(slider->objectName()).arg(slider->value());
}

// A recording of a sawtooth, or a file that is no recording, which must
// leave the set as it was.
QString TMonkeyDriver::OpenRecording()
{
  const bool good = Pick(4) > 0;
  const QString path = Folder.filePath(good ? QStringLiteral("monkey.wav")
                                            : QStringLiteral("noise.wav"));
  if (!QFile::exists(path)) {
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    if (SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info)) {
      std::vector<float> samples(22050);
      for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = good ? float(std::remainder(i / 100.0, 1.0) * 0.8)
                          : float(Random.generateDouble() - 0.5);
      sf_writef_float(file, samples.data(), sf_count_t(samples.size()));
      sf_close(file);
    }
  }
  const TWindowSnapshot before = TakeSnapshot(Form);
  QString error;
  const bool opened = Form.Files->LoadRecording(path, -1.0, -1.0, error);
  if (opened != good)
    Findings << QStringLiteral("opening %1 gave %2").arg(path, opened ? "true" : "false");
  if (!opened && !SnapshotDifferences(before, TakeSnapshot(Form)).isEmpty())
    Findings << QStringLiteral("a recording refused changed the window");
  return QStringLiteral("open %1 (%2)").arg(QFileInfo(path).fileName(), OnOff(opened));
}

QString TMonkeyDriver::ToggleListen()
{
  Form.ViewListen->trigger();
  return QStringLiteral("ViewListen %1").arg(OnOff(Form.ViewListen->isChecked()));
}

// Any language of the menu, the system's among them (English in the tests);
// English comes back as often as any other.
QString TMonkeyDriver::SwitchLanguage()
{
  QList<QAction *> choices;
  for (QAction *choice : Form.ViewLanguage->actions()) {
    if (choice->isCheckable())
      choices << choice;
  }
  QAction *choice = choices[Pick(int(choices.size()))];
  choice->trigger();
  Language = choice->data().toString();
  return QStringLiteral("language %1").arg(choice->objectName());
}

// File > New, by the menu or Ctrl+N, gives the start-up state.
QString TMonkeyDriver::NewPhasorSet()
{
  QString how = QStringLiteral("menu");
  if (Pick(2) == 0) {
    Form.FileNew->trigger();
  } else if (ActivateForm()) {
    how = QStringLiteral("Ctrl+N");
    QTest::keyClick(&Form, Qt::Key_N, Qt::ControlModifier);
  } else {
    return QStringLiteral("File > New (lost: no active window)");
  }
  const QStringList differences = StateDifferences(StartState, Form.CapturePhasorSet());
  if (!differences.isEmpty())
    Findings << QStringLiteral("File > New is not the start-up state: ")
                    + differences.join(QStringLiteral(", "));
  if (Form.windowTitle() != Form.CaptionText)
    Findings << QStringLiteral("File > New left the caption \"%1\"").arg(Form.windowTitle());
  return QStringLiteral("File > New by %1").arg(how);
}

// Saves to the folder (by File > Save or Ctrl+S once the file is the current
// one, else without a dialog) and opens the file again (directly or from Open Recent).
// Saving changes the caption alone; opening gives back the window as saved
// (see ReopenedDifferences).
QString TMonkeyDriver::SaveAndOpen()
{
  const QString path = Folder.filePath(QStringLiteral("monkey.rotants"));
  const bool bySave = Form.CurrentFile == path && Pick(2) == 0;
  // Activating may let the timer tick, so the window is taken after it.
  const bool byKey = bySave && Pick(2) == 0 && ActivateForm();
  const TWindowSnapshot before = TakeSnapshot(Form);
  QString description;
  if (byKey) {
    QTest::keyClick(&Form, Qt::Key_S, Qt::ControlModifier);
    description = QStringLiteral("Ctrl+S");
  } else if (bySave) {
    Form.FileSave->trigger();
    description = QStringLiteral("File > Save");
  } else {
    if (!Form.SavePhasorSet(path))
      Findings << QStringLiteral("saving failed");
    description = QStringLiteral("save");
  }
  TWindowSnapshot saved = TakeSnapshot(Form);
  const QString caption = QStringLiteral("monkey.rotants - ") + Form.CaptionText;
  if (saved.Title != caption || Form.CurrentFile != path)
    Findings << QStringLiteral("after saving the caption reads \"%1\" and the file is \"%2\"")
                    .arg(saved.Title, Form.CurrentFile);
  saved.Title = before.Title;
  const QStringList changed = SnapshotDifferences(before, saved);
  if (!changed.isEmpty())
    Findings << QStringLiteral("saving changed the window: ") + changed.join(QStringLiteral(", "));

  if (Pick(2) == 0) {
    if (!Form.OpenPhasorSet(path))
      Findings << QStringLiteral("opening failed");
    description += QStringLiteral(", open");
  } else {
    auto *recent = Form.findChild<QAction *>(QStringLiteral("FileRecent1"));
    if (!recent || recent->data().toString() != QFileInfo(path).absoluteFilePath())
      Findings << QStringLiteral("Open Recent does not list the saved file first");
    else
      recent->trigger();
    description += QStringLiteral(", Open Recent");
  }
  const TWindowSnapshot opened = TakeSnapshot(Form);
  const QStringList lost = ReopenedDifferences(saved, opened, StrokeNotRedrawn);
  if (!lost.isEmpty())
    Findings << QStringLiteral("the opened file differs from the saved window: ")
                    + lost.join(QStringLiteral(", "));
  if (opened.Playing)
    Findings << QStringLiteral("playing after opening a file");
  return description + QStringLiteral(" (step %1%2)")
                           .arg(saved.State.Step)
                           .arg(before.Playing ? QStringLiteral(", was playing") : QString());
}

// Runs one export to path, which is removed first: it must write a file of
// expectedSize bytes (any size when 0), or none at all when expectedSize is
// negative, and leave the window exactly as it was.
QString TMonkeyDriver::ExportChecked(const QString &what,
                                     const std::function<bool(const QString &)> &write,
                                     const QString &path, qint64 expectedSize)
{
  QFile::remove(path);
  const TWindowSnapshot before = TakeSnapshot(Form);
  const bool written = write(path);
  const QStringList changed = SnapshotDifferences(before, TakeSnapshot(Form));
  if (!changed.isEmpty())
    Findings << QStringLiteral("%1 changed the window: %2").arg(what, changed.join(", "));
  const QFileInfo file(path);
  if (expectedSize < 0) {
    if (written || file.exists())
      Findings << QStringLiteral("%1 should have failed and written nothing").arg(what);
  } else if (!written || !file.exists()) {
    Findings << QStringLiteral("%1 failed: %2").arg(what, Form.LastExportError);
  } else if (expectedSize > 0 ? file.size() != expectedSize : file.size() == 0) {
    Findings << QStringLiteral("%1 wrote %2 bytes, not %3").arg(what).arg(file.size()).arg(
        expectedSize);
  }
  return QStringLiteral("%1 (%2)").arg(what, written ? QStringLiteral("written")
                                                     : QStringLiteral("refused"));
}

// The picture, the sound (of a length in or out of range), the harmonics
// table or the samples, each into the folder; a written file is then read
// back in outline: the picture's size as the plots are shown, the tables'
// rows.
QString TMonkeyDriver::ExportQuick()
{
  switch (Pick(4)) {
  case 0: {
    const QString path = Folder.filePath(QStringLiteral("picture.png"));
    const QString result = ExportChecked(
        QStringLiteral("picture"), [this](const QString &p) { return Form.ExportPicture(p); },
        path, 0);
    // Both plots and the strip between them, at the screen's pixels; under
    // them, as far as they lie apart, the spectrum when it is shown.
    const double ratio = Form.devicePixelRatioF();
    QSize shown(
        qRound((Form.TimeImage->geometry().right() - Form.PhasorImage->x() + 1) * ratio),
        qRound(std::max(Form.PhasorImage->height(), Form.TimeImage->height()) * ratio));
    if (SpectrumShown()) {
      const int gap = Form.TimeImage->x() - Form.PhasorImage->geometry().right() - 1;
      shown = QSize(std::max(shown.width(), qRound(Form.SpectrumImage->width() * ratio)),
                    shown.height() + qRound((gap + Form.SpectrumImage->height()) * ratio));
    }
    const QSize written = QImageReader(path).size();
    if (QFile::exists(path) && written != shown)
      Findings << QStringLiteral("the picture is %1 x %2, the plots are shown at %3 x %4")
                      .arg(written.width())
                      .arg(written.height())
                      .arg(shown.width())
                      .arg(shown.height());
    return result;
  }
  case 1: {
    const double lengths[] = {0.01, 0.3, 1.0, 5.0, 0.0, -1.0, 1e-6, 3600.5,
                              std::numeric_limits<double>::quiet_NaN()};
    const double seconds = lengths[Pick(Pick(4) == 0 ? 9 : 4)];
    const std::int64_t frames = WaveExport::FramesFor(seconds);
    return ExportChecked(
        QStringLiteral("sound of %1 s").arg(seconds),
        [this, seconds](const QString &p) { return Form.ExportSound(p, seconds); },
        Folder.filePath(QStringLiteral("sound.wav")),
        frames < 0 ? -1 : WaveExport::HeaderSize + 2 * frames);
  }
  case 2: {
    const QString path = Folder.filePath(QStringLiteral("harmonics.csv"));
    const QString result = ExportChecked(
        QStringLiteral("harmonics"), [this](const QString &p) { return Form.ExportHarmonics(p); },
        path, 0);
    if (QFile::exists(path) && LineCount(path) != HarmonicCount + 1)
      Findings << QStringLiteral("the harmonics table has %1 lines").arg(LineCount(path));
    return result;
  }
  default: {
    const QString path = Folder.filePath(QStringLiteral("samples.csv"));
    const QString result = ExportChecked(
        QStringLiteral("samples"), [this](const QString &p) { return Form.ExportSamples(p); },
        path, 0);
    if (QFile::exists(path) && LineCount(path) != SweepSteps + 1)
      Findings << QStringLiteral("the samples table has %1 lines").arg(LineCount(path));
    return result;
  }
  }
}

// The whole animation one time in four, else one cancelled at a random point
// of the first quarter of its progress (a cancel must write nothing and
// report no error).
QString TMonkeyDriver::ExportAnimation()
{
  const int cancelAt = Pick(4) != 0 ? 1 + Pick(128) : -1;
  const QString what = cancelAt < 0 ? QStringLiteral("animation")
                                    : QStringLiteral("animation cancelled at %1").arg(cancelAt);
  const QString result = ExportChecked(
      what,
      [this, cancelAt](const QString &p) {
        return Form.ExportAnimation(p, [cancelAt](int done, int) { return done != cancelAt; });
      },
      Folder.filePath(QStringLiteral("animation.gif")), cancelAt < 0 ? 0 : -1);
  if (cancelAt >= 0 && !Form.LastExportError.isEmpty())
    Findings << QStringLiteral("a cancelled animation reports \"%1\"").arg(Form.LastExportError);
  return result;
}

// The error is computed again only when what it depends on has changed.
QString TMonkeyDriver::ExpectedErrorText() const
{
  if (Form.WaveformComboBox->currentIndex() == CustomRotantsItem)
    return WindowText("RMS error: -");
  TErrorInputs inputs;
  for (int k = 0; k < HarmonicCount; ++k)
    inputs.Entries[std::size_t(k)] = {Form.PhasorList[k].Re, Form.PhasorList[k].Im};
  inputs.Highest = Form.HighestHarmonic;
  inputs.Conjugate = Form.ConjugateCheckBox->isChecked();
  std::copy_n(Form.IdealWave.begin(), PeriodSteps, inputs.Ideal.begin());
  if (!(inputs == ErrorInputs)) {
    ErrorInputs = inputs;
    Error = Reconstruction::RmsError(Form.PhasorList, Form.HighestHarmonic, inputs.Conjugate,
                                     Form.IdealWave);
  }
  return WindowText("RMS error: %1").arg(QString::fromStdString(FormatFixed(Error, 7, 4)));
}

void TMonkeyDriver::CheckMenuInvariants(QStringList &problems) const
{
  const bool fullScreen = Form.ViewFullScreen->isChecked();
  if (fullScreen != Form.isFullScreen())
    problems << QStringLiteral("Full Screen is %1 with the window %2")
                    .arg(OnOff(fullScreen), Form.isFullScreen() ? QStringLiteral("full screen")
                                                                : QStringLiteral("windowed"));
  const double zoom = Form.ZoomFactor;
  if (fullScreen ? zoom != Form.ScreenZoomLimit(true)
                 : std::find(ZoomSteps::Steps.begin(), ZoomSteps::Steps.end(), zoom)
                           == ZoomSteps::Steps.end()
                       || zoom > std::max(1.0, Form.ScreenZoomLimit(false)))
    problems << QStringLiteral("zoom %1 %2").arg(zoom).arg(fullScreen ? "in full screen"
                                                                      : "in a window");
  std::vector<TImageCanvas *> canvases{Form.PhasorImage, Form.TimeImage};
  if (SpectrumShown())
    canvases.push_back(Form.SpectrumImage);
  for (TImageCanvas *canvas : canvases) {
    const QSize size = canvas->Image().size();
    const auto scaled = [&size](double factor) {
      return QSize(int(std::lround(size.width() * factor)),
                   int(std::lround(size.height() * factor)));
    };
    const double scale = zoom * canvas->devicePixelRatioF();
    const QImage &display = canvas->DisplayImage();
    if (canvas->Zoom() != zoom || canvas->size() != scaled(zoom)
        || canvas->DisplayScale() != scale
        || (scale == 1.0 ? !display.isNull() : display.size() != scaled(scale)))
      problems << QStringLiteral("%1 at zoom %2 (%3 x %4, display %5 x %6) in a window at %7")
                      .arg(canvas->objectName())
                      .arg(canvas->Zoom())
                      .arg(canvas->width())
                      .arg(canvas->height())
                      .arg(display.width())
                      .arg(display.height())
                      .arg(zoom);
  }

  const bool spectrum = Form.ViewSpectrum->isChecked();
  if (Form.SpectrumImage->isHidden() == spectrum || Form.ViewSpectrumDecibels->isEnabled() != spectrum)
    problems << QStringLiteral("View > Spectrum %1 with the strip %2 and its scale %3")
                    .arg(OnOff(spectrum), Form.SpectrumImage->isHidden() ? "hidden" : "shown",
                         Form.ViewSpectrumDecibels->isEnabled() ? "offered" : "not offered");

  const QUndoStack *steps = Form.Document.UndoStack();
  if (Form.EditUndo->isEnabled() != steps->canUndo()
      || Form.EditRedo->isEnabled() != steps->canRedo())
    problems << QStringLiteral("Undo %1 and Redo %2 with %3 steps done of %4")
                    .arg(OnOff(Form.EditUndo->isEnabled()), OnOff(Form.EditRedo->isEnabled()))
                    .arg(steps->index())
                    .arg(steps->count());
  // Without a file (the caption then names none) there is no saved set: the
  // mark then stands for hand-made work.
  const bool modified = Form.windowTitle().startsWith(Form.CaptionText)
                            ? Form.Document.HoldsUnsavedWork()
                            : Form.Document.Modified();
  if (Form.isWindowModified() != modified)
    problems << QStringLiteral("the caption's modified mark is %1 with the set %2")
                    .arg(OnOff(Form.isWindowModified()),
                         modified ? QStringLiteral("modified") : QStringLiteral("unmodified"));

  const bool showError = Form.ViewShowError->isChecked();
  if (Form.StatusPanel3->isHidden() == showError)
    problems << QStringLiteral("error panel %1 with Show Error %2")
                    .arg(Form.StatusPanel3->isHidden() ? "hidden" : "shown", OnOff(showError));
  if (showError && !StrokeNotRedrawn && Form.StatusPanel3->text() != ExpectedErrorText())
    problems << QStringLiteral("error panel reads \"%1\", not \"%2\"")
                    .arg(Form.StatusPanel3->text(), ExpectedErrorText());

  QStringList checked;
  for (const QAction *choice : Form.ViewLanguage->actions()) {
    if (choice->isChecked())
      checked << choice->data().toString();
  }
  const QString installed = Language.isEmpty() ? Translations::SystemLanguage() : Language;
  if (checked != QStringList{Language} || Translations::Current() != installed)
    problems << QStringLiteral("language menu checks \"%1\" and \"%2\" is installed after "
                               "choosing \"%3\"")
                    .arg(checked.join(", "), Translations::Current(), Language);
  const std::pair<QString, const char *> texts[] = {
    {Form.PlayBtn->text(), "&Play"},
    {Form.ClearBtn->text(), "&Clear"},
    {Form.WaveformLabel->text(), "Waveform:"},
    {Form.WaveformComboBox->itemText(2), "Square"},
    {Form.EditPhasorBox->title(), "Edit Phasor"},
    {Form.IdealWaveCheckBox->text(), "Ideal Wave"},
    {Form.MenuView->title(), "Vie&w"},
    {Form.ViewZoomIn->text(), "Zoom &In"},
  };
  for (const auto &[shown, source] : texts) {
    if (shown != WindowText(source))
      problems << QStringLiteral("\"%1\" reads \"%2\" in %3").arg(source, shown, installed);
  }
}
