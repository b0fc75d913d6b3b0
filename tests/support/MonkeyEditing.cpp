#include "MonkeyDriver.h"

#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "SpectrumGeometry.h"
#include "WindowSnapshot.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QSlider>
#include <QUndoStack>
#include <QUrl>
#include <QtTest>

#include <algorithm>
#include <cmath>

// The monkey's Edit menu, the question before unsaved work is dropped, the
// figure, the plots' step keys and the spectrum strip.

namespace {

QString Answered(QMessageBox::StandardButton answer)
{
  switch (answer) {
  case QMessageBox::Save:
    return QStringLiteral("Save");
  case QMessageBox::Discard:
    return QStringLiteral("Discard");
  default:
    return QStringLiteral("Cancel");
  }
}

// The phasor set a file holds; false when it does not read.
bool ReadState(const QString &path, PhasorSetFile::TState &state)
{
  QByteArray bytes;
  QString error;
  return PhasorSetFile::ReadFileBytes(path, bytes, error)
         && PhasorSetFile::Read(bytes, state, error);
}

// Where the set a file holds differs from the window's: the drawn period
// counts for "Custom Time" alone, the one waveform whose file keeps it.
QStringList FileDifferences(const PhasorSetFile::TState &file,
                            const PhasorSetFile::TState &window)
{
  QStringList differences = StateDifferences(file, window);
  if (file.Waveform != PhasorSetFile::CustomTimeWaveform)
    differences.removeIf([](const QString &difference) {
      return difference.startsWith(QLatin1String("DrawnPeriod"));
    });
  return differences;
}

}  // namespace

// The question runs a modal loop, in which the timer would tick; a user asks
// it with the animation stopped, and the comparisons after it need the window
// to hold still.
bool TMonkeyDriver::MayAskToSave() const
{
  return Form.Document.HoldsUnsavedWork() && !TimerRunning();
}

bool TMonkeyDriver::SpectrumShown() const
{
  return Form.ViewSpectrum->isChecked();
}

QString TMonkeyDriver::PressHistory(bool undo)
{
  if (Pick(2) == 0) {
    (undo ? Form.EditUndo : Form.EditRedo)->trigger();
    return QStringLiteral("menu");
  }
  const QKeySequence keys = undo      ? QKeySequence(Qt::CTRL | Qt::Key_Z)
                            : Pick(2) ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
                                      : QKeySequence(Qt::CTRL | Qt::Key_Y);
  if (!ActivateForm())
    return QString();
  QTest::keySequence(&Form, keys);
  return keys.toString();
}

// A step the history offers moves it by one and puts back the set recorded
// there; one it does not offer changes nothing. An edit box with the focus
// takes the shortcuts for its own text. An undo is redone at once one time in
// two, which must give back the set as it stood, when that set was the one
// recorded last (a stroke in progress is not, and an undo ends it).
QString TMonkeyDriver::UndoOrRedo()
{
  // Activating may let the timer tick, so the window is taken after it.
  if (!ActivateForm())
    return QStringLiteral("Undo/Redo (lost: no active window)");
  const QUndoStack *steps = Form.Document.UndoStack();
  const bool undo = Pick(3) != 0;
  const int index = steps->index();
  const bool offered = undo ? steps->canUndo() : steps->canRedo();
  const std::shared_ptr<TPhasorSnapshot> before = Form.CaptureSnapshot();
  const bool recorded = !Form.MouseDrawing && before->SameSet(*Form.Document.LastRecorded());
  const TWindowSnapshot window = offered ? TWindowSnapshot{} : TakeSnapshot(Form);
  const QString how = PressHistory(undo);
  const QString what = undo ? QStringLiteral("Undo") : QStringLiteral("Redo");
  if (how.isEmpty())
    return what + QStringLiteral(" (lost: no active window)");
  const bool toEdit = how != QLatin1String("menu")
                      && qobject_cast<QLineEdit *>(QApplication::focusWidget());
  const int expected = offered ? index + (undo ? -1 : 1) : index;
  if (steps->index() != expected && !(toEdit && steps->index() == index))
    Findings << QStringLiteral("%1 by %2 left step %3 of %4, not %5")
                    .arg(what, how)
                    .arg(steps->index())
                    .arg(steps->count())
                    .arg(expected);
  if (steps->index() != index
      && !Form.CaptureSnapshot()->SameSet(*Form.Document.LastRecorded()))
    Findings << what + QStringLiteral(" did not put back the set recorded");
  if (!offered && !toEdit) {
    const QStringList changed = SnapshotDifferences(window, TakeSnapshot(Form));
    if (!changed.isEmpty())
      Findings << QStringLiteral("%1 not offered changed the window: %2")
                      .arg(what, changed.join(QStringLiteral(", ")));
  }
  QString description = QStringLiteral("%1 by %2 (step %3 of %4)")
                            .arg(what, how)
                            .arg(steps->index())
                            .arg(steps->count());
  if (undo && steps->index() == index - 1 && recorded && Pick(2) == 0) {
    const QString redo = PressHistory(false);
    if (!redo.isEmpty() && steps->index() == index
        && !Form.CaptureSnapshot()->SameSet(*before))
      Findings << QStringLiteral("Undo then Redo by %1 did not give back the set").arg(redo);
    description += QStringLiteral(", Redo by %1").arg(redo.isEmpty() ? "nothing" : redo);
  }
  return description;
}

// The question before unsaved hand-made work is dropped, asked by File > New,
// File > Exit, Open Recent or a file dropped on the window, and answered
// Discard, Cancel or Save. Cancel changes nothing; so does Save when the set
// has no file and its Save As dialog is cancelled. Otherwise Save writes the
// set (to its file, or to the name given in the dialog) and the operation
// goes on: New gives the start-up state, an open the file's, Exit closes the
// window with the set as it was (shown again afterwards).
QString TMonkeyDriver::AnswerSaveQuestion()
{
  // An accelerator's click still to come would land inside the question's
  // loop, and so would a pointer move still queued: the user waits for them,
  // after which there may be nothing to ask.
  if (SinceAccelerator.isValid() && SinceAccelerator.elapsed() < 110)
    QTest::qWait(int(110 - SinceAccelerator.elapsed()));
  QCoreApplication::processEvents();
  if (!MayAskToSave())
    return QStringLiteral("no question to ask after an accelerator's click");

  const QMessageBox::StandardButton answers[] = {QMessageBox::Discard, QMessageBox::Cancel,
                                                 QMessageBox::Save};
  const QMessageBox::StandardButton answer = answers[Pick(3)];
  const QString fileBefore = Form.CurrentFile;
  const bool asksName = answer == QMessageBox::Save && fileBefore.isEmpty();
  const QString named = Folder.filePath(QStringLiteral("asked.rotants"));
  const bool nameGiven = asksName && Pick(3) != 0;
  Catcher.Answer = [answer](const TCaughtMessage &message) {
    return message.Buttons.testFlag(QMessageBox::Discard) ? answer : QMessageBox::NoButton;
  };
  Catcher.FileAnswer = [&](const QFileDialog &) { return nameGiven ? named : QString(); };
  const auto forget = qScopeGuard([this] {
    Catcher.Answer = nullptr;
    Catcher.FileAnswer = nullptr;
  });

  // The folder's own files only: the recent list may hold others.
  QString opened = Form.RecentFiles.value(0);
  if (QFileInfo(opened).absolutePath() != QFileInfo(Folder.path()).absoluteFilePath()
      || !QFile::exists(opened))
    opened.clear();
  QStringList askers{QStringLiteral("File > New")};
  if (Windowed())
    askers << QStringLiteral("Exit");
  if (!opened.isEmpty())
    askers << QStringLiteral("Open Recent") << QStringLiteral("drop");
  const QString asker = askers[Pick(int(askers.size()))];

  const TWindowSnapshot before = TakeSnapshot(Form);
  const qsizetype boxes = Catcher.Messages.size();
  const qsizetype dialogs = Catcher.FileDialogs.size();
  if (asker == QLatin1String("File > New")) {
    Form.FileNew->trigger();
  } else if (asker == QLatin1String("Exit")) {
    Form.FileExit->trigger();
  } else if (asker == QLatin1String("Open Recent")) {
    Form.findChild<QAction *>(QStringLiteral("FileRecent1"))->trigger();
  } else {
    // As the window system delivers a drag: it enters (which names the
    // widget that takes the drop), then drops.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(opened)});
    const QPoint middle(Form.width() / 2, Form.height() / 2);
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Form, &enter);
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Form, &drop);
    if (!enter.isAccepted() || !drop.isAccepted())
      Findings << QStringLiteral("the drop of %1 was refused").arg(opened);
    // The file is opened once the drop has finished: the question comes then.
    QElapsedTimer waited;
    waited.start();
    while (Catcher.Messages.size() == boxes && waited.elapsed() < 200)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  const QString description = QStringLiteral("%1 asks, answered %2%3")
                                  .arg(asker, Answered(answer),
                                       asksName ? (nameGiven ? QStringLiteral(", named")
                                                             : QStringLiteral(", not named"))
                                                : QString());

  qsizetype questions = 0;
  for (qsizetype b = boxes; b < Catcher.Messages.size(); ++b)
    questions += Catcher.Messages[b].Buttons.testFlag(QMessageBox::Discard) ? 1 : 0;
  if (questions != 1)
    Findings << QStringLiteral("%1 asked %2 questions").arg(asker).arg(questions);
  if ((Catcher.FileDialogs.size() > dialogs) != asksName)
    Findings << QStringLiteral("Save %1 a name").arg(asksName ? "did not ask" : "asked");

  const bool cancelled = answer == QMessageBox::Cancel || (asksName && !nameGiven);
  if (cancelled) {
    const QStringList changed = SnapshotDifferences(before, TakeSnapshot(Form));
    if (!changed.isEmpty() || Form.CurrentFile != fileBefore || !Form.isVisible())
      Findings << QStringLiteral("a cancelled question changed the window: ")
                      + changed.join(QStringLiteral(", "));
    return description;
  }
  if (answer == QMessageBox::Save) {
    PhasorSetFile::TState saved;
    const QString path = asksName ? named : fileBefore;
    if (!ReadState(path, saved))
      Findings << QStringLiteral("Save wrote no readable %1").arg(path);
    else if (const QStringList lost = FileDifferences(saved, before.State); !lost.isEmpty())
      Findings << QStringLiteral("Save wrote another set: ") + lost.join(QStringLiteral(", "));
  }
  const PhasorSetFile::TState now = Form.CapturePhasorSet();
  QStringList differences;
  if (asker == QLatin1String("File > New")) {
    differences = StateDifferences(StartState, now);
  } else if (asker == QLatin1String("Exit")) {
    if (Form.isVisible())
      Findings << QStringLiteral("Exit left the window open");
    differences = StateDifferences(before.State, now);
    Form.show();
    ActivateForm();
  } else if (TRecordingPart::IsRecordingName(opened)) {
    if (Form.Document.RecordedFrom.Path != QFileInfo(opened).absoluteFilePath())
      Findings << QStringLiteral("after %1 the set is not %2's").arg(asker, opened);
  } else {
    // As the file reads now: a Save may just have written it.
    PhasorSetFile::TState file;
    if (!ReadState(opened, file))
      Findings << QStringLiteral("%1 does not read").arg(opened);
    differences = FileDifferences(file, now);
  }
  if (!differences.isEmpty())
    Findings << QStringLiteral("after %1 the set differs: %2")
                    .arg(asker, differences.join(QStringLiteral(", ")));
  return description;
}

// Edit > Copy Figure by the menu or Ctrl+Shift+C: the clipboard then holds
// the figure as a picture and as an SVG drawing; the window is unchanged.
QString TMonkeyDriver::CopyFigure()
{
  QClipboard *clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  QString how = QStringLiteral("menu");
  const bool byKey = Pick(2) == 0 && ActivateForm();
  // Activating may let the timer tick, so the window is taken after it.
  const TWindowSnapshot before = TakeSnapshot(Form);
  if (byKey) {
    how = QStringLiteral("Ctrl+Shift+C");
    QTest::keyClick(&Form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  } else {
    Form.EditCopyFigure->trigger();
  }
  const QMimeData *data = clipboard->mimeData();
  if (!data || !data->hasImage() || qvariant_cast<QImage>(data->imageData()).isNull()
      || !data->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"))
    Findings << QStringLiteral("Copy Figure by %1 left no picture and SVG drawing").arg(how);
  const QStringList changed = SnapshotDifferences(before, TakeSnapshot(Form));
  if (!changed.isEmpty())
    Findings << QStringLiteral("Copy Figure changed the window: ")
                    + changed.join(QStringLiteral(", "));
  return QStringLiteral("Copy Figure by %1").arg(how);
}

QString TMonkeyDriver::ExportFigure()
{
  const bool svg = Pick(2) == 0;
  const QString path = Folder.filePath(svg ? QStringLiteral("figure.svg")
                                           : QStringLiteral("figure.pdf"));
  const QString result = ExportChecked(
      svg ? QStringLiteral("figure as SVG") : QStringLiteral("figure as PDF"),
      [this](const QString &p) { return Form.ExportFigure(p); }, path, 0);
  QFile file(path);
  if (file.open(QIODevice::ReadOnly) && !file.read(8).startsWith(svg ? "<?xml" : "%PDF-"))
    Findings << QStringLiteral("%1 does not start as it should").arg(path);
  return result;
}

// A step key on the focused plane or time plot moves the slider by one step,
// a page, or to either end, held to the sweep.
QString TMonkeyDriver::PressPlotKey()
{
  TImageCanvas *plot = Pick(2) ? Form.TimeImage : Form.PhasorImage;
  plot->setFocus(Qt::TabFocusReason);
  const int step = Form.TimeTrackBar->value();
  const int page = TRotantsForm::PlotPageSteps;
  const struct {
    Qt::Key Key;
    int Target;
  } moves[] = {{Qt::Key_Left, step - 1},        {Qt::Key_Right, step + 1},
               {Qt::Key_PageDown, step - page}, {Qt::Key_PageUp, step + page},
               {Qt::Key_Home, 0},               {Qt::Key_End, SweepSteps - 1}};
  const auto &move = moves[Pick(6)];
  QTest::keyClick(plot, move.Key);
  const int expected = std::clamp(move.Target, 0, SweepSteps - 1);
  if (Form.TimeTrackBar->value() != expected)
    Findings << QStringLiteral("%1 on %2 at step %3 gave %4, not %5")
                    .arg(QKeySequence(move.Key).toString(), plot->objectName())
                    .arg(step)
                    .arg(Form.TimeTrackBar->value())
                    .arg(expected);
  return QStringLiteral("%1 on %2 (step %3 -> %4)")
      .arg(QKeySequence(move.Key).toString(), plot->objectName())
      .arg(step)
      .arg(Form.TimeTrackBar->value());
}

// View > Spectrum on or off; while it is shown, one time in three its decibel
// scale instead.
QString TMonkeyDriver::ToggleSpectrum()
{
  QAction *option = SpectrumShown() && Pick(3) == 0 ? Form.ViewSpectrumDecibels
                                                    : Form.ViewSpectrum;
  option->trigger();
  return QStringLiteral("%1 %2 (zoom %3)")
      .arg(option->objectName(), option->isChecked() ? "on" : "off")
      .arg(Form.ZoomFactor);
}

// A left-button drag as the mouse delivers it: pressed in the middle of a
// harmonic's column at any height, moved a few times inside the strip and
// beyond it, released. Only the pressed harmonic's entry may change.
QString TMonkeyDriver::DragOnSpectrum()
{
  TImageCanvas *strip = Form.SpectrumImage;
  const TSpectrumGeometry layout(strip->Width(), strip->Height(),
                                 Form.ConjugateCheckBox->isChecked());
  const double zoom = strip->Zoom();
  const auto shown = [zoom](int x, int y) {
    return QPoint(int(std::floor((x + 0.5) * zoom)), int(std::floor((y + 0.5) * zoom)));
  };
  const int k = layout.First() + Pick(layout.SlotCount());
  const TPhasorArray before = Form.PhasorList;
  QPoint at = shown(layout.SlotCentre(k), Pick(strip->Height()));
  QString description = QStringLiteral("spectrum drag on harmonic %1 from (%2, %3) to")
                            .arg(k)
                            .arg(at.x())
                            .arg(at.y());
  QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, at);
  const int moves = 1 + Pick(4);
  for (int i = 0; i < moves; ++i) {
    at = Pick(3) ? shown(Pick(strip->Width()), Pick(strip->Height()))
                 : QPoint(Pick(3 * strip->width()) - strip->width(),
                          Pick(3 * strip->height() + 400) - strip->height() - 200);
    QTest::mouseMove(strip, at);
    description += QStringLiteral(" (%1, %2)").arg(at.x()).arg(at.y());
  }
  QTest::mouseRelease(strip, Qt::LeftButton, Qt::NoModifier, at);
  for (int j = 0; j < HarmonicCount; ++j) {
    if (j != std::abs(k)
        && (Form.PhasorList[j].Re != before[j].Re || Form.PhasorList[j].Im != before[j].Im))
      Findings << QStringLiteral("a drag on harmonic %1 changed harmonic %2").arg(k).arg(j);
  }
  return description;
}
