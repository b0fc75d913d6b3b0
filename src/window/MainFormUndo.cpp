#include "MainForm.h"

#include "MySoundUnit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstring>

// The Edit menu and the question before unsaved work is dropped: the window's
// side of the phasor document's history. A snapshot is what the user sees and
// hears of the set; the document keeps them, the window takes and shows them.

void TRotantsForm::BuildEditMenu()
{
  MenuEdit = MainMenu->addMenu(QString());
  MenuEdit->setObjectName("MenuEdit");
  EditUndo = MenuEdit->addAction(QString());
  EditUndo->setObjectName("EditUndo");
  EditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  EditRedo = MenuEdit->addAction(QString());
  EditRedo->setObjectName("EditRedo");
  EditRedo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(EditUndo, &QAction::triggered, this, &TRotantsForm::EditUndoClick);
  connect(EditRedo, &QAction::triggered, this, &TRotantsForm::EditRedoClick);
  QUndoStack *steps = Document.UndoStack();
  connect(steps, &QUndoStack::indexChanged, this, [this] {
    ShowUndoTexts();
    ShowCaption();
  });
  connect(&Document, &TPhasorDocument::Restore, this, &TRotantsForm::RestoreSnapshot);
  connect(&Document, &TPhasorDocument::ModifiedChanged, this, &TRotantsForm::ShowCaption);
}

void TRotantsForm::ShowUndoTexts()
{
  const QUndoStack *steps = Document.UndoStack();
  EditUndo->setEnabled(steps->canUndo());
  EditRedo->setEnabled(steps->canRedo());
  EditUndo->setText(steps->canUndo() ? tr("&Undo %1").arg(steps->undoText()) : tr("&Undo"));
  EditRedo->setText(steps->canRedo() ? tr("&Redo %1").arg(steps->redoText()) : tr("&Redo"));
}

void TRotantsForm::EditUndoClick()
{
  Document.UndoStack()->undo();
}

void TRotantsForm::EditRedoClick()
{
  Document.UndoStack()->redo();
}

std::shared_ptr<TPhasorSnapshot> TRotantsForm::CaptureSnapshot() const
{
  auto snapshot = std::make_shared<TPhasorSnapshot>();
  TPhasorSnapshot &s = *snapshot;
  // What equals the newest step's snapshot is shared with it, so a long
  // history holds mostly what changed.
  const TPhasorSnapshot &last = *Document.LastRecorded();
  s.Entries = PhasorList;
  s.Ideal = std::memcmp(last.Ideal->data(), IdealWave.data(), sizeof IdealWave) == 0
                ? last.Ideal
                : std::make_shared<const std::array<double, SweepSteps>>(IdealWave);
  s.HarmonicIndex = HarmonicIndex;
  s.Highest = HighestHarmonic;
  s.IdleEditMode = IdleEditMode;
  s.CurrentIndex = int(CurrentPhasor - PhasorList.data());
  s.BaseIndex = int(BasePhasor - PhasorList.data());
  s.WaveformItem = Document.WaveformItem;
  s.Conjugate = Document.Conjugate;
  for (int k = 0; k < HarmonicCount; ++k) {
    for (int column = 0; column < 3; ++column) {
      const std::size_t i = std::size_t(3 * k + column);
      const QString text = PhasorGrid->item(k + 1, column)->text();
      s.GridTexts[i] = text == last.GridTexts[i] ? last.GridTexts[i] : text;
    }
  }
  s.GridRow = PhasorGrid->currentRow();
  s.EditTexts = {HarmonicEdit->text(), MagnitudeEdit->text(), AngleEdit->text()};
  if (MySound->Buffer && MySound->DataSize >= quint32(ToneBytes))
    std::copy_n(MySound->Buffer, ToneBytes, s.Tone.begin());
  s.HandMade = last.HandMade;
  return snapshot;
}

// One action: the tone kept in the snapshot (it depends on the history of
// syntheses, so it is put back, not made again), one play request and one
// redraw at the slider's step. Playback goes on; the mode it returns to is
// the snapshot's.
void TRotantsForm::RestoreSnapshot(const TPhasorSnapshot &s)
{
  const TActionScope action(*this);
  MouseDrawing = false;
  StrokeBefore.reset();
  PhasorList = s.Entries;
  IdealWave = *s.Ideal;
  HarmonicIndex = s.HarmonicIndex;
  HighestHarmonic = s.Highest;
  HighestHarmonicComboBox->setCurrentIndex(s.Highest);
  CurrentPhasor = &PhasorList[std::size_t(std::clamp(s.CurrentIndex, 0, HarmonicCount - 1))];
  BasePhasor = &PhasorList[std::size_t(std::clamp(s.BaseIndex, 0, HarmonicCount - 1))];
  Document.WaveformItem = s.WaveformItem;
  Document.Conjugate = s.Conjugate;
  WaveformComboBox->setCurrentIndex(s.WaveformItem);
  ConjugateCheckBox->setChecked(s.Conjugate);
  IdleEditMode = s.IdleEditMode;
  if (!SimulationTimer->isActive())
    SetEditMode(IdleEditMode);
  for (int k = 0; k < HarmonicCount; ++k)
    for (int column = 0; column < 3; ++column)
      PhasorGrid->item(k + 1, column)->setText(s.GridTexts[std::size_t(3 * k + column)]);
  const int previousRow = PhasorGrid->currentRow();
  {
    const QSignalBlocker blocker(PhasorGrid);
    PhasorGrid->setCurrentCell(s.GridRow, 1);
  }
  if (s.GridRow >= 1)
    PhasorGrid->scrollToItem(PhasorGrid->item(s.GridRow, 1));
  HarmonicEdit->setText(s.EditTexts[0]);
  MagnitudeEdit->setText(s.EditTexts[1]);
  AngleEdit->setText(s.EditTexts[2]);
  ShowEditorNotice(QString());
  if (previousRow != s.GridRow)
    SelectedHarmonicChanged();

  if (MySound->Buffer && MySound->DataSize >= quint32(ToneBytes))
    std::copy_n(s.Tone.begin(), ToneBytes, MySound->Buffer);
  // A harmonic played alone is made from the entries; the mix is the one kept.
  if (ViewSoloHarmonic->isChecked())
    SynthesizeTone();
  else
    TonePending = false;
  PlaySound(SoundCheckBox->isChecked());
  TimeTrackBarChange();
}

void TRotantsForm::ResetUndoHistory()
{
  Document.WaveformItem = WaveformComboBox->currentIndex();
  Document.Conjugate = ConjugateCheckBox->isChecked();
  Document.ResetHistory(CaptureSnapshot());
  ShowUndoTexts();
  ShowCaption();
}

bool TRotantsForm::ConfirmDropWork()
{
  if (Silent || !Document.HoldsUnsavedWork())
    return true;
  const QString name =
      CurrentFile.isEmpty() ? tr("the phasor set") : QFileInfo(CurrentFile).fileName();
  QMessageBox box(QMessageBox::Question, CaptionText, tr("Save changes to %1?").arg(name),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
  case QMessageBox::Save:
    FileSaveClick();
    return !Document.Modified();
  case QMessageBox::Discard:
    return true;
  default:
    return false;
  }
}

// Without a file there is no saved set to differ from: the mark then says
// that hand-made work would be lost.
void TRotantsForm::ShowCaption()
{
  const bool modified =
      CaptionFile.isEmpty() ? Document.HoldsUnsavedWork() : Document.Modified();
  const QString mark = modified ? QStringLiteral("[*]") : QString();
  setWindowTitle(CaptionFile.isEmpty() ? CaptionText + mark
                                       : QFileInfo(CaptionFile).fileName() + mark + " - "
                                             + CaptionText);
  setWindowModified(modified);
}
