#include "MainForm.h"

#include "HelpWindows.h"

#include <QAction>
#include <QCheckBox>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>

#include <algorithm>

// The Help menu's manual and shortcut list, and the time step from the
// keyboard on the plots.

void TRotantsForm::BuildHelpMenu()
{
  HelpManual = new QAction(Help);
  HelpManual->setObjectName("HelpManual");
  HelpManual->setShortcut(QKeySequence(Qt::Key_F1));
  HelpShortcuts = new QAction(Help);
  HelpShortcuts->setObjectName("HelpShortcuts");
  Help->insertAction(HelpAbout, HelpManual);
  Help->insertAction(HelpAbout, HelpShortcuts);
  Help->insertSeparator(HelpAbout);
  connect(HelpManual, &QAction::triggered, this, &TRotantsForm::HelpManualClick);
  connect(HelpShortcuts, &QAction::triggered, this, &TRotantsForm::HelpShortcutsClick);
}

void TRotantsForm::RetranslateHelpMenu()
{
  HelpManual->setText(tr("&Manual"));
  HelpShortcuts->setText(tr("&Keyboard Shortcuts"));
  if (ShortcutsDialog && ShortcutsDialog->isVisible())
    ShortcutsDialog->Rebuild();
}

void TRotantsForm::HelpManualClick()
{
  if (!ManualWindow)
    ManualWindow = new TManualWindow(this);
  ManualWindow->ShowAt(ZoomFactor);
}

void TRotantsForm::HelpShortcutsClick()
{
  if (!ShortcutsDialog)
    ShortcutsDialog = new TShortcutsDialog(this);
  ShortcutsDialog->ShowCurrent();
}
