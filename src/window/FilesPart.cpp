#include "FilesPart.h"

#include "ActionRunner.h"
#include "HarmonicModel.h"
#include "PhasorDocument.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstring>

namespace {

const char RecentFilesKey[] = "Files/Recent";
const char PhasorSetSuffix[] = "rotants";

bool SameBits(double a, double b)
{
  return std::memcmp(&a, &b, sizeof a) == 0;
}

QString ShownName(const QString &path)
{
  return QDir::toNativeSeparators(path);
}

// The first local file among dragged URLs, or an empty text.
QString DroppedFile(const QMimeData *data)
{
  if (!data || !data->hasUrls())
    return QString();
  for (const QUrl &url : data->urls()) {
    if (url.isLocalFile())
      return url.toLocalFile();
  }
  return QString();
}

}  // namespace

TFilesPart::TFilesPart(TPhasorDocument &document, TActionRunner &actions, TFilesView view,
                       QWidget *window, const QString &caption)
    : QObject(window), Document(document), Actions(actions), View(std::move(view)),
      Window(window), Caption(caption)
{
  connect(Document.UndoStack(), &QUndoStack::indexChanged, this, &TFilesPart::ShowCaption);
  connect(&Document, &TPhasorDocument::ModifiedChanged, this, &TFilesPart::ShowCaption);
}



void TFilesPart::BuildMenu(QMenu *menu, QAction *exit)
{
  const auto addAction = [this, menu, exit](const char *name, const QString &text,
                                            const QKeySequence &keys) {
    auto *action = new QAction(text, Window);
    action->setObjectName(name);
    action->setShortcut(keys);
    menu->insertAction(exit, action);
    return action;
  };
  FileNew = addAction("FileNew", QString(), QKeySequence(Qt::CTRL | Qt::Key_N));
  FileOpen = addAction("FileOpen", QString(), QKeySequence(Qt::CTRL | Qt::Key_O));
  FileRecent = new QMenu(menu);
  FileRecent->setObjectName("FileRecent");
  menu->insertMenu(exit, FileRecent);
  for (int i = 0; i < MaxRecentFiles; ++i) {
    QAction *item = FileRecent->addAction(QString());
    item->setObjectName(QString("FileRecent%1").arg(i + 1));
    connect(item, &QAction::triggered, this,
            [this, item] { OpenRecentFile(item->data().toString()); });
  }
  FileRecent->addSeparator();
  QAction *clear = FileRecent->addAction(QString());
  clear->setObjectName("FileRecentClear");
  connect(clear, &QAction::triggered, this, [this] {
    RecentFiles.clear();
    KeepRecentFiles();
  });
  FileSave = addAction("FileSave", QString(), QKeySequence(Qt::CTRL | Qt::Key_S));
  FileSaveAs =
      addAction("FileSaveAs", QString(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  menu->insertSeparator(exit);

  connect(FileNew, &QAction::triggered, this, &TFilesPart::FileNewClick);
  connect(FileOpen, &QAction::triggered, this, &TFilesPart::FileOpenClick);
  connect(FileSave, &QAction::triggered, this, &TFilesPart::FileSaveClick);
  connect(FileSaveAs, &QAction::triggered, this, &TFilesPart::FileSaveAsClick);
  ShowRecentFiles();
}

PhasorSetFile::TState TFilesPart::CapturePhasorSet() const
{
  PhasorSetFile::TState state;
  for (int k = 0; k < HarmonicCount; ++k) {
    PhasorSetFile::TEntry &e = state.Entries[k];
    e.Re = Document.PhasorList[k].Re;
    e.Im = Document.PhasorList[k].Im;
    e.HasTexts = true;
    e.MagnitudeText = Document.GridText(k, 1);
    e.AngleText = Document.GridText(k, 2);
  }
  state.Waveform = std::clamp(Document.WaveformItem, 0, PhasorSetFile::WaveformCount - 1);
  state.Shape = Document.Shape;
  state.RecordingName = Document.RecordedFrom.Name;
  state.RecordingFundamental = Document.RecordedFrom.Fundamental;
  state.HighestHarmonic = std::clamp(Document.HighestHarmonic, 0, HarmonicCount - 1);
  const TSetOptions &options = Document.Options;
  state.RealValue = options.RealValue;
  state.RotateComplexPlane = options.RotateComplexPlane;
  state.Trace = options.Trace;
  state.Conjugate = Document.Conjugate;
  state.Grid = options.Grid;
  state.Sound = options.Sound;
  state.Repeat = options.Repeat;
  state.IdealWave = options.IdealWave;
  state.Step = View.Step();
  std::copy_n(Document.IdealWave.begin(), PeriodSteps, state.DrawnPeriod.begin());
  state.EditorShown = View.EditorShown();
  state.HasEditor = true;
  state.EditorRow = std::clamp(Document.SelectedHarmonic() + 1, 1, HarmonicCount);
  state.HarmonicText = Document.EditTexts[0];
  state.MagnitudeText = Document.EditTexts[1];
  state.AngleText = Document.EditTexts[2];
  state.HasPlacement = true;
  state.NextHarmonic = std::clamp(Document.HarmonicIndex, 0, HarmonicCount);
  state.BaseHarmonic = std::clamp(int(Document.BasePhasor - Document.PhasorList.data()), 0,
                                  HarmonicCount - 1);
  return state;
}

// The waveform is chosen as the user chooses it, with the saved options
// already set, so its ideal curve, edit mode and grid are those of the choice;
// then every entry the user changed afterwards, the drawing, the editor and
// the slider are put back. One action: one tone, one play request, one redraw.
void TFilesPart::ApplyPhasorSet(const PhasorSetFile::TState &state)
{
  const TActionScope action(Actions);
  View.StopWork();
  View.ApplyChoices(state);

  bool anyEntry = false;
  std::array<std::pair<double, double>, HarmonicCount> entries{};
  for (int k = 0; k < HarmonicCount; ++k) {
    const PhasorSetFile::TEntry &saved = state.Entries[k];
    const HarmonicPhasor &e = Document.PhasorList[k];
    anyEntry = anyEntry || saved.Re != 0.0 || saved.Im != 0.0;
    if (saved.HasTexts) {
      Document.SetGridValues(k, saved.MagnitudeText, saved.AngleText);
    } else if (!SameBits(saved.Re, e.Re) || !SameBits(saved.Im, e.Im)) {
      // As the editor writes an entry; an entry of zero as a cleared row.
      if (saved.Re == 0.0 && saved.Im == 0.0) {
        Document.SetGridValues(k, QStringLiteral("0.0"), QStringLiteral("0.0"));
      } else {
        double magnitude = 0.0;
        double angle = 0.0;
        HarmonicMath::RectToPolar(saved.Re, saved.Im, magnitude, angle);
        Document.SetGridValues(
            k, QString::fromStdString(TPhasorDocument::MagnitudeText(magnitude)),
            QString::fromStdString(TPhasorDocument::AngleText(angle)));
      }
    }
    entries[std::size_t(k)] = {saved.Re, saved.Im};
  }
  Document.SetEntries(entries);
  if (state.Waveform == PhasorSetFile::CustomTimeWaveform)
    Document.SetIdealPeriod(state.DrawnPeriod);
  if (!state.RecordingName.isEmpty()) {
    TRecordedFrom from;
    from.Name = state.RecordingName;
    from.Fundamental = state.RecordingFundamental;
    Document.SetRecordedFrom(from);
  }
  if (state.HasPlacement)
    Document.SetPlacement(state.NextHarmonic, state.BaseHarmonic);

  View.ShowEditor(state.EditorShown);
  const int row = state.HasEditor ? state.EditorRow : 1;
  Document.SelectHarmonic(row - 1);
  View.ShowSelection();
  if (state.HasEditor)
    Document.SetEditTexts(state.HarmonicText, state.MagnitudeText, state.AngleText);
  else
    Document.LoadSelectedRow();

  // "Custom Time" plays nothing until a drawing has made entries.
  View.MakeTone(state.Waveform != PhasorSetFile::CustomTimeWaveform || anyEntry);
  View.ShowStep(state.Step);
}

bool TFilesPart::LoadPhasorSet(const QString &path, QString &error)
{
  QByteArray bytes;
  QString fault;
  PhasorSetFile::TState state;
  bool table = false;
  if (View.IsRecording(path))
    return LoadRecording(path, -1.0, -1.0, error);
  if (PhasorSetFile::ReadFileBytes(path, bytes, fault)) {
    table = PhasorSetFile::LooksLikeHarmonicsCsv(bytes);
    if (table) {
      // A table brings the entries only: the window keeps its options and
      // shows them as phasors all placed.
      state = CapturePhasorSet();
      if (PhasorSetFile::ReadHarmonicsCsv(bytes, state.Conjugate, state.Entries, fault)) {
        state.Waveform = PhasorSetFile::CustomRotantsWaveform;
        state.Step = 0;
        state.HasEditor = false;
        state.NextHarmonic = HarmonicCount;
        state.BaseHarmonic = HarmonicCount - 1;
      }
    } else {
      PhasorSetFile::Read(bytes, state, fault);
    }
  }
  if (!fault.isEmpty()) {
    error = tr("The file \"%1\" cannot be opened: %2.").arg(ShownName(path), fault);
    return false;
  }
  {
    const TActionScope action(Actions, tr("Open %1").arg(QFileInfo(path).fileName()),
                              TStepKind::Rebuild);
    ApplyPhasorSet(state);
  }
  // A table is not overwritten by Save with a phasor set. The set opened is
  // the one the modified mark measures from.
  Document.MarkSaved();
  SetCurrentFile(path, !table);
  AddRecentFile(path);
  return true;
}

bool TFilesPart::LoadRecording(const QString &path, double from, double to, QString &error)
{
  QString fault;
  if (!View.OpenRecording(path, from, to, fault)) {
    error = tr("The file \"%1\" cannot be opened: %2.").arg(ShownName(path), fault);
    return false;
  }
  // Like a table, a recording is not overwritten by Save with a set.
  Document.MarkSaved();
  SetCurrentFile(path, false);
  AddRecentFile(path);
  return true;
}

bool TFilesPart::OpenRecording(const QString &path)
{
  QString error;
  if (LoadRecording(path, -1.0, -1.0, error))
    return true;
  View.ShowWarning(error);
  return false;
}

bool TFilesPart::StorePhasorSet(const QString &path, QString &error)
{
  QString fault;
  if (!PhasorSetFile::WriteFileAtomically(path, PhasorSetFile::Write(CapturePhasorSet()), fault)) {
    error = tr("The file \"%1\" cannot be saved: %2.").arg(ShownName(path), fault);
    return false;
  }
  Document.MarkSaved();
  SetCurrentFile(path, true);
  AddRecentFile(path);
  return true;
}

bool TFilesPart::OpenPhasorSet(const QString &path)
{
  QString error;
  if (LoadPhasorSet(path, error))
    return true;
  View.ShowWarning(error);
  return false;
}

bool TFilesPart::SavePhasorSet(const QString &path)
{
  QString error;
  if (StorePhasorSet(path, error))
    return true;
  View.ShowWarning(error);
  return false;
}

void TFilesPart::SetCurrentFile(const QString &path, bool savable)
{
  CurrentFile = savable ? path : QString();
  CaptionFile = path;
  View.WorkFileChanged(path);
  ShowCaption();
}

void TFilesPart::FileNewClick()
{
  if (!ConfirmDropWork())
    return;
  {
    const TActionScope action(Actions, FileNew->text().remove('&'), TStepKind::Rebuild);
    ApplyPhasorSet(PhasorSetFile::TState{});
  }
  Document.MarkSaved();
  SetCurrentFile(QString(), false);
}

void TFilesPart::FileOpenClick()
{
  if (!ConfirmDropWork())
    return;
  const QString near = !CurrentFile.isEmpty() ? CurrentFile : RecentFiles.value(0);
  const QString start = near.isEmpty() ? QDir::homePath() : QFileInfo(near).absolutePath();
  const QString path = QFileDialog::getOpenFileName(
      Window, tr("Open Phasor Set"), start,
      tr("Phasor sets, harmonics tables and recordings (*.rotants *.csv *.wav *.flac *.ogg "
         "*.oga *.aif *.aiff *.aifc);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;"
         "Recordings (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;All files (*)"));
  if (!path.isEmpty())
    OpenPhasorSet(path);
}

void TFilesPart::FileSaveClick()
{
  if (CurrentFile.isEmpty())
    FileSaveAsClick();
  else
    SavePhasorSet(CurrentFile);
}

void TFilesPart::FileSaveAsClick()
{
  const QString suggested =
      CurrentFile.isEmpty()
          ? QDir(View.StartFolder()).filePath(QString("untitled.") + PhasorSetSuffix)
          : CurrentFile;
  QFileDialog dialog(Window, tr("Save Phasor Set"), suggested, tr("Phasor sets (*.rotants)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(PhasorSetSuffix);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    SavePhasorSet(dialog.selectedFiles().first());
}

void TFilesPart::AddRecentFile(const QString &path)
{
  const QString absolute = QFileInfo(path).absoluteFilePath();
  RecentFiles.removeAll(absolute);
  RecentFiles.prepend(absolute);
  while (RecentFiles.size() > MaxRecentFiles)
    RecentFiles.removeLast();
  KeepRecentFiles();
}

// Shows the list in the submenu's fixed items (from the settings when they
// hold one). The items are never deleted, so one may rewrite the list while
// its own menu is still delivering its click.
void TFilesPart::ShowRecentFiles()
{
  if (Settings && Settings->contains(RecentFilesKey))
    RecentFiles = Settings->value(RecentFilesKey).toStringList().mid(0, MaxRecentFiles);
  const QList<QAction *> items = FileRecent->actions();
  for (int i = 0; i < MaxRecentFiles; ++i) {
    QAction *item = items[i];
    const bool used = i < RecentFiles.size();
    item->setVisible(used);
    item->setData(used ? RecentFiles[i] : QString());
    item->setText(used ? QString("&%1 %2").arg(i + 1).arg(
                             QFileInfo(RecentFiles[i]).fileName().replace('&', "&&"))
                       : QString());
    item->setStatusTip(used ? ShownName(RecentFiles[i]) : QString());
    item->setToolTip(used ? ShownName(RecentFiles[i]) : QString());
  }
  FileRecent->setEnabled(!RecentFiles.isEmpty());
}

void TFilesPart::OpenRecentFile(const QString &path)
{
  if (!ConfirmDropWork())
    return;
  if (OpenPhasorSet(path) || QFileInfo::exists(path))
    return;
  // A recent file that is gone leaves the list.
  RecentFiles.removeAll(path);
  KeepRecentFiles();
}

void TFilesPart::KeepRecentFiles()
{
  if (Settings)
    Settings->setValue(RecentFilesKey, RecentFiles);
  ShowRecentFiles();
}

bool TFilesPart::CarriesFile(const QMimeData *data)
{
  return !DroppedFile(data).isEmpty();
}

void TFilesPart::OpenDropped(const QMimeData *data)
{
  const QString path = DroppedFile(data);
  if (path.isEmpty())
    return;
  // Opened after the drop has finished, so the source is not held waiting
  // while a message box is open.
  QTimer::singleShot(0, this, [this, path] {
    if (ConfirmDropWork())
      OpenPhasorSet(path);
  });
}

void TFilesPart::UseSettings(QSettings *settings)
{
  Settings = settings;
  ShowRecentFiles();
}

bool TFilesPart::ConfirmDropWork()
{
  if (View.Silent() || !Document.HoldsUnsavedWork())
    return true;
  // The set asked about stays while the question is open: listening does
  // not replace it before it is saved; a Cancel leaves everything as it was.
  View.HoldWork(true);
  // The unnamed set has a sentence of its own: the name's case and article
  // change with the sentence in other languages.
  const QString question = CurrentFile.isEmpty()
                               ? tr("Save changes to the phasor set?")
                               : tr("Save changes to %1?").arg(QFileInfo(CurrentFile).fileName());
  QMessageBox box(QMessageBox::Question, Caption, question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, Window);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Save);
  const int answer = box.exec();
  if (answer == QMessageBox::Save)
    FileSaveClick();
  View.HoldWork(false);
  switch (answer) {
  case QMessageBox::Save:
    return !Document.Modified();
  case QMessageBox::Discard:
    return true;
  default:
    return false;
  }
}

// Without a file there is no saved set to differ from: the mark then says
// that hand-made work would be lost.
void TFilesPart::ShowCaption()
{
  const bool modified =
      CaptionFile.isEmpty() ? Document.HoldsUnsavedWork() : Document.Modified();
  const QString mark = modified ? QStringLiteral("[*]") : QString();
  Window->setWindowTitle(CaptionFile.isEmpty()
                             ? Caption + mark
                             : QFileInfo(CaptionFile).fileName() + mark + " - " + Caption);
  Window->setWindowModified(modified);
}

void TFilesPart::Retranslate()
{
  FileNew->setText(tr("&New"));
  FileOpen->setText(tr("&Open..."));
  FileRecent->setTitle(tr("Open &Recent"));
  FileRecent->actions().last()->setText(tr("&Clear Menu"));
  FileSave->setText(tr("&Save"));
  FileSaveAs->setText(tr("Save &As..."));
  FileNew->setToolTip(tr("Start again from the state Rotants opens in."));
  FileOpen->setToolTip(tr("Open a phasor set (.rotants), a harmonics table (CSV) or a "
                          "recording (WAV, FLAC, Ogg Vorbis, AIFF) to analyse."));
  FileRecent->menuAction()->setToolTip(tr("Open one of the last eight files."));
  FileRecent->actions().last()->setToolTip(tr("Empty the list of recent files."));
  FileSave->setToolTip(tr("Save the phasor set and the window's options in a phasor-set file "
                          "(.rotants)."));
  FileSaveAs->setToolTip(tr("Save the phasor set under a new name."));
}
