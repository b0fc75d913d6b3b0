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

void TRotantsForm::BindPlotKeys()
{
  for (TImageCanvas *plot : {PhasorImage, TimeImage}) {
    plot->setFocusPolicy(Qt::StrongFocus);
    connect(plot, &TImageCanvas::StepKey, this, &TRotantsForm::PlotStepKey);
  }
  // Tab goes from the last control to the plane, then to the time plot (made
  // first of all widgets, so first in the window's circular chain), then to
  // Play. A shown window still starts with the focus on Play.
  setTabOrder(IdealWaveCheckBox, PhasorImage);
  PlayBtn->setFocus(Qt::OtherFocusReason);
}

// Moving the slider redraws exactly as a user's move of it does.
void TRotantsForm::PlotStepKey(TStepKey move)
{
  const int step = TimeTrackBar->value();
  const int last = TimeTrackBar->maximum();
  int target = step;
  switch (move) {
  case TStepKey::Back:
    target = step - 1;
    break;
  case TStepKey::Forward:
    target = step + 1;
    break;
  case TStepKey::PageBack:
    target = step - PlotPageSteps;
    break;
  case TStepKey::PageForward:
    target = step + PlotPageSteps;
    break;
  case TStepKey::First:
    target = TimeTrackBar->minimum();
    break;
  case TStepKey::Last:
    target = last;
    break;
  }
  TimeTrackBar->setValue(std::clamp(target, TimeTrackBar->minimum(), last));
}
