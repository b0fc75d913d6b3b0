#include "MainForm.h"

#include "HelpWindows.h"
#include "NumberText.h"
#include "TipPresenter.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>

#include <algorithm>
#include <cstddef>

// Tool tips and what assistive technology reads: a tip on every control and
// menu item, a name on every control, and for each plot a description of
// what it shows now, made only when a reader asks for it. All of it in the
// current language, set again after every language change; the plots' tips
// also follow the edit mode, since what the mouse does on them depends on it.

namespace {

// Lets the menus under these items, and their submenus, show their items' tips.
void ShowMenuTips(const QList<QAction *> &items, TTipPresenter *presenter)
{
  for (QAction *item : items) {
    if (QMenu *menu = item->menu()) {
      if (!menu->toolTipsVisible()) {
        menu->setToolTipsVisible(true);
        presenter->Watch(menu);
      }
      ShowMenuTips(menu->actions(), presenter);
    }
  }
}

}  // namespace

void TRotantsForm::BindTips()
{
  Tips = new TTipPresenter(this);
  for (QWidget *control : ClientArea->findChildren<QWidget *>())
    Tips->Watch(control);
}

void TRotantsForm::RetranslateTips()
{
  const auto action = [](QAction *item, const QString &text) { item->setToolTip(text); };

  // Controls whose own text names them are named by it.
  for (QAbstractButton *button : ClientArea->findChildren<QAbstractButton *>())
    button->setAccessibleName(PlainCaption(button->text()));
  for (QGroupBox *box : ClientArea->findChildren<QGroupBox *>())
    box->setAccessibleName(PlainCaption(box->title()));
  for (QLabel *label : {WaveformLabel, HighestHarmonicLabel, HarmonicLabel, MagnitudeLabel,
                        AngleLabel, PhasorHelpLabel, TimeHelpLabel})
    label->setAccessibleName(PlainCaption(label->text()).remove(QChar(':')).remove(QChar(0xFF1A)));

  ShowMenuTips(MainMenu->actions(), Tips);
  action(FileExit, tr("Close Rotants, after asking to save work done by hand."));
  action(EditUndo, tr("Take back the last change to the phasor set."));
  action(EditRedo, tr("Bring back the change last taken back."));
  action(HelpManual, tr("Open the manual in the window's language."));
  action(HelpShortcuts, tr("List every keyboard shortcut of the window."));
  action(HelpAbout, tr("Show the program's version and credits."));
}
