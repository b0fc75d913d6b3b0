#include "MainForm.h"

#include "NumberText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <cstring>

// The File menu: phasor-set files and harmonics tables opened, saved, dropped
// on the window and remembered. The format itself is PhasorSetFile's; this
// wires the window's state and dialogs to it.

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

void TRotantsForm::BuildFileMenu()
{
  const auto addAction = [this](const char *name, const QString &text, const QKeySequence &keys) {
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(keys);
    MenuFile->insertAction(FileExit, action);
    return action;
  };
  FileNew = addAction("FileNew", QString(), QKeySequence(Qt::CTRL | Qt::Key_N));
  FileOpen = addAction("FileOpen", QString(), QKeySequence(Qt::CTRL | Qt::Key_O));
  FileRecent = new QMenu(MenuFile);
  FileRecent->setObjectName("FileRecent");
  MenuFile->insertMenu(FileExit, FileRecent);
  for (int i = 0; i < MaxRecentFiles; ++i) {
    QAction *item = FileRecent->addAction(QString());
    item->setObjectName(QString("FileRecent%1").arg(i + 1));
    connect(item, &QAction::triggered, this, [this, item] { OpenRecentFile(item->data().toString()); });
  }
  FileRecent->addSeparator();
  QAction *clear = FileRecent->addAction(QString());
  clear->setObjectName("FileRecentClear");
  connect(clear, &QAction::triggered, this, [this] {
    RecentFiles.clear();
    if (Settings)
      Settings->setValue(RecentFilesKey, RecentFiles);
    ShowRecentFiles();
  });
  FileSave = addAction("FileSave", QString(), QKeySequence(Qt::CTRL | Qt::Key_S));
  FileSaveAs =
      addAction("FileSaveAs", QString(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  MenuFile->insertSeparator(FileExit);

  connect(FileNew, &QAction::triggered, this, &TRotantsForm::FileNewClick);
  connect(FileOpen, &QAction::triggered, this, &TRotantsForm::FileOpenClick);
  connect(FileSave, &QAction::triggered, this, &TRotantsForm::FileSaveClick);
  connect(FileSaveAs, &QAction::triggered, this, &TRotantsForm::FileSaveAsClick);
  ShowRecentFiles();
  setAcceptDrops(true);
}

PhasorSetFile::TState TRotantsForm::CapturePhasorSet() const
{
  PhasorSetFile::TState state;
  for (int k = 0; k < HarmonicCount; ++k) {
    PhasorSetFile::TEntry &e = state.Entries[k];
    e.Re = PhasorList[k].Re;
    e.Im = PhasorList[k].Im;
    e.HasTexts = true;
    e.MagnitudeText = Document.GridText(k, 1);
    e.AngleText = Document.GridText(k, 2);
  }
  state.Waveform = std::clamp(Document.WaveformItem, 0, PhasorSetFile::WaveformCount - 1);
  state.HighestHarmonic = std::clamp(HighestHarmonic, 0, HarmonicCount - 1);
  const TSetOptions &options = Document.Options;
  state.RealValue = options.RealValue;
  state.RotateComplexPlane = options.RotateComplexPlane;
  state.Trace = options.Trace;
  state.Conjugate = Document.Conjugate;
  state.Grid = options.Grid;
  state.Sound = options.Sound;
  state.Repeat = options.Repeat;
  state.IdealWave = options.IdealWave;
  state.Step = TimeTrackBar->value();
  std::copy_n(IdealWave.begin(), PeriodSteps, state.DrawnPeriod.begin());
  state.EditorShown = !PhasorEditPanel->isHidden();
  state.HasEditor = true;
  state.EditorRow = std::clamp(Document.SelectedHarmonic() + 1, 1, HarmonicCount);
  state.HarmonicText = Document.EditTexts[0];
  state.MagnitudeText = Document.EditTexts[1];
  state.AngleText = Document.EditTexts[2];
  state.HasPlacement = true;
  state.NextHarmonic = std::clamp(HarmonicIndex, 0, HarmonicCount);
  state.BaseHarmonic = std::clamp(int(BasePhasor - PhasorList.data()), 0, HarmonicCount - 1);
  return state;
}

// The waveform is chosen as the user chooses it, with the saved options
// already set, so its ideal curve, edit mode and grid are those of the choice;
// then every entry the user changed afterwards, the drawing, the editor and
// the slider are put back. One action: one tone, one play request, one redraw.
void TRotantsForm::ApplyPhasorSet(const PhasorSetFile::TState &state)
{
  const TActionScope action(*this);
  MouseDrawing = false;
  StopBtnClick();

  RealValueCheckBox->setChecked(state.RealValue);
  TraceCheckBox->setChecked(state.Trace);
  ConjugateCheckBox->setChecked(state.Conjugate);
  Document.Conjugate = state.Conjugate;
  TimeGridCheckBox->setChecked(state.Grid);
  SoundCheckBox->setChecked(state.Sound);
  RepeatPlayCheckBox->setChecked(state.Repeat);
  IdealWaveCheckBox->setChecked(state.IdealWave);
  RotateComplexPlaneCheckBox->setChecked(state.RotateComplexPlane);
  RotateComplexPlaneCheckBoxClick();
  HighestHarmonicComboBox->setCurrentIndex(state.HighestHarmonic);
  HighestHarmonic = state.HighestHarmonic;
  WaveformComboBox->setCurrentIndex(state.Waveform);
  WaveformComboBoxChange();

  bool anyEntry = false;
  std::array<std::pair<double, double>, HarmonicCount> entries{};
  for (int k = 0; k < HarmonicCount; ++k) {
    const PhasorSetFile::TEntry &saved = state.Entries[k];
    HarmonicPhasor &e = PhasorList[k];
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
        RectToPolar(saved.Re, saved.Im, magnitude, angle);
        WriteGridValues(k + 1, magnitude, angle);
      }
    }
    entries[std::size_t(k)] = {saved.Re, saved.Im};
  }
  Document.SetEntries(entries);
  if (state.Waveform == PhasorSetFile::CustomTimeWaveform)
    Document.SetIdealPeriod(state.DrawnPeriod);
  if (state.HasPlacement)
    Document.SetPlacement(state.NextHarmonic, state.BaseHarmonic);

  if (PhasorEditPanel->isHidden() == state.EditorShown)
    EditRotantsBtnClick();
  const int row = state.HasEditor ? state.EditorRow : 1;
  Document.SelectHarmonic(row - 1);
  ShowSelectedRow();
  if (state.HasEditor)
    Document.SetEditTexts(state.HarmonicText, state.MagnitudeText, state.AngleText);
  else
    Document.LoadSelectedRow();

  // "Custom Time" plays nothing until a drawing has made entries.
  SynthesizeTone();
  if (state.Waveform != PhasorSetFile::CustomTimeWaveform || anyEntry)
    PlaySound(SoundCheckBox->isChecked());
  TimeTrackBar->setValue(state.Step);
  TimeTrackBarChange();
}

bool TRotantsForm::LoadPhasorSet(const QString &path, QString &error)
{
  QByteArray bytes;
  QString fault;
  PhasorSetFile::TState state;
  bool table = false;
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
    const TActionScope action(*this, tr("Open %1").arg(QFileInfo(path).fileName()),
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

bool TRotantsForm::StorePhasorSet(const QString &path, QString &error)
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

bool TRotantsForm::OpenPhasorSet(const QString &path)
{
  QString error;
  if (LoadPhasorSet(path, error))
    return true;
  ShowWarning(error);
  return false;
}

bool TRotantsForm::SavePhasorSet(const QString &path)
{
  QString error;
  if (StorePhasorSet(path, error))
    return true;
  ShowWarning(error);
  return false;
}

void TRotantsForm::SetCurrentFile(const QString &path, bool savable)
{
  CurrentFile = savable ? path : QString();
  CaptionFile = path;
  Exports->SetWorkFile(path);
  ShowCaption();
}

void TRotantsForm::FileNewClick()
{
  if (!ConfirmDropWork())
    return;
  {
    const TActionScope action(*this, FileNew->text().remove('&'), TStepKind::Rebuild);
    ApplyPhasorSet(PhasorSetFile::TState{});
  }
  Document.MarkSaved();
  SetCurrentFile(QString(), false);
}

void TRotantsForm::FileOpenClick()
{
  if (!ConfirmDropWork())
    return;
  const QString near = !CurrentFile.isEmpty() ? CurrentFile : RecentFiles.value(0);
  const QString start = near.isEmpty() ? QDir::homePath() : QFileInfo(near).absolutePath();
  const QString path = QFileDialog::getOpenFileName(
      this, tr("Open Phasor Set"), start,
      tr("Phasor sets and harmonics tables (*.rotants *.csv);;Phasor sets (*.rotants);;"
         "Harmonics tables (*.csv);;All files (*)"));
  if (!path.isEmpty())
    OpenPhasorSet(path);
}

void TRotantsForm::FileSaveClick()
{
  if (CurrentFile.isEmpty())
    FileSaveAsClick();
  else
    SavePhasorSet(CurrentFile);
}

void TRotantsForm::FileSaveAsClick()
{
  const QString suggested =
      CurrentFile.isEmpty() ? QDir(StartFolder()).filePath(QString("untitled.") + PhasorSetSuffix)
                            : CurrentFile;
  QFileDialog dialog(this, tr("Save Phasor Set"), suggested, tr("Phasor sets (*.rotants)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(PhasorSetSuffix);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    SavePhasorSet(dialog.selectedFiles().first());
}

void TRotantsForm::AddRecentFile(const QString &path)
{
  const QString absolute = QFileInfo(path).absoluteFilePath();
  RecentFiles.removeAll(absolute);
  RecentFiles.prepend(absolute);
  while (RecentFiles.size() > MaxRecentFiles)
    RecentFiles.removeLast();
  if (Settings)
    Settings->setValue(RecentFilesKey, RecentFiles);
  ShowRecentFiles();
}

// Shows the list in the submenu's fixed items (from the settings when they
// hold one). The items are never deleted, so one may rewrite the list while
// its own menu is still delivering its click.
void TRotantsForm::ShowRecentFiles()
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

void TRotantsForm::OpenRecentFile(const QString &path)
{
  if (!ConfirmDropWork())
    return;
  if (OpenPhasorSet(path) || QFileInfo::exists(path))
    return;
  // A recent file that is gone leaves the list.
  RecentFiles.removeAll(path);
  if (Settings)
    Settings->setValue(RecentFilesKey, RecentFiles);
  ShowRecentFiles();
}

void TRotantsForm::dragEnterEvent(QDragEnterEvent *event)
{
  if (!DroppedFile(event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

void TRotantsForm::dropEvent(QDropEvent *event)
{
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty())
    return;
  event->acceptProposedAction();
  // Opened after the drop has finished, so the source is not held waiting
  // while a message box is open.
  QTimer::singleShot(0, this, [this, path] {
    if (ConfirmDropWork())
      OpenPhasorSet(path);
  });
}
