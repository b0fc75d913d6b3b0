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
  connect(steps, &QUndoStack::indexChanged, this, &TRotantsForm::ShowUndoTexts);
  // An undo or redo is one action: the document puts the set back between
  // the two signals and the controls follow its change signals.
  connect(&Document, &TPhasorDocument::StepRestoring, this, [this] {
    Actions.Begin();
    MouseDrawing = false;
  });
  connect(&Document, &TPhasorDocument::StepRestored, this, &TRotantsForm::FinishRestore);
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

// The end of the action an undo or redo opened: the tone kept in the
// snapshot (it depends on the history of syntheses, so it is put back, not
// made again), one play request and one redraw at the slider's step.
// Playback goes on; the mode it returns to is the snapshot's.
void TRotantsForm::FinishRestore(const TPhasorSnapshot &s)
{
  if (!SimulationTimer->isActive())
    SetEditMode(IdleEditMode);
  ShowSelectedRow();
  ShowEditorNotice(QString());

  Sound->RestoreTone(s);
  PlaySound(SoundCheckBox->isChecked());
  TimeTrackBarChange();
  Actions.End();
}

void TRotantsForm::ResetUndoHistory()
{
  Document.WaveformItem = WaveformComboBox->currentIndex();
  Document.Conjugate = ConjugateCheckBox->isChecked();
  Document.ResetHistory(CaptureSnapshot());
  ShowUndoTexts();
  Files->ShowCaption();
}
