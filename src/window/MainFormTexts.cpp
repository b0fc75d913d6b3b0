#include "MainForm.h"

#include "EditorPanel.h"
#include "HelpWindows.h"
#include "PlaybackPart.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

// Every text the window shows, in the current language. The controls are made
// without texts; this gives them theirs at start and again after the language
// changes, so switching needs no restart.

void TRotantsForm::RetranslateUi()
{
  // The parts' own texts first: the names and tips below read some of them.
  Files->Retranslate();
  Sound->Retranslate();
  Spectrum->Retranslate();
  Shape->Retranslate();
  Recorder->Retranslate();
  Exercise->Retranslate();
  View->Retranslate();
  Plots->Retranslate();
  Editor->Retranslate();
  Playback->Retranslate();
  Exports->Retranslate();
  MenuFile->setTitle(tr("&File"));
  FileExit->setText(tr("E&xit"));
  MenuEdit->setTitle(tr("E&dit"));
  ShowUndoTexts();
  MenuView->setTitle(tr("Vie&w"));
  Help->setTitle(tr("&Help"));
  HelpAbout->setText(tr("&About..."));

  Controls->Retranslate(Editor->IsShown());

  RetranslateTips();
  // Last: an open shortcut list is made again from the texts set above.
  RetranslateHelpMenu();
}

void TRotantsForm::changeEvent(QEvent *event)
{
  if (event->type() == QEvent::LanguageChange)
    RetranslateUi();
  // A window that loses the activation mid-drag (a dialog opened by a
  // shortcut, another window chosen) may never see the release.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow())
    Spectrum->CancelDrag();
  QMainWindow::changeEvent(event);
}
