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
  const auto tip = [](QWidget *widget, const QString &text, const QString &name = QString()) {
    widget->setToolTip(text);
    if (!name.isEmpty())
      widget->setAccessibleName(name);
  };
  const auto action = [](QAction *item, const QString &text) { item->setToolTip(text); };

  // Controls whose own text names them are named by it.
  for (QAbstractButton *button : ClientArea->findChildren<QAbstractButton *>())
    button->setAccessibleName(PlainCaption(button->text()));
  for (QGroupBox *box : ClientArea->findChildren<QGroupBox *>())
    box->setAccessibleName(PlainCaption(box->title()));
  for (QLabel *label : {WaveformLabel, HighestHarmonicLabel, HarmonicLabel, MagnitudeLabel,
                        AngleLabel, PhasorHelpLabel, TimeHelpLabel})
    label->setAccessibleName(PlainCaption(label->text()).remove(QChar(':')).remove(QChar(0xFF1A)));

  const QString waveformTip =
      tr("Choose a standard waveform to build from its harmonics, or a custom mode: place the "
         "phasors with the mouse (Custom Rotants) or draw one period (Custom Time).");
  tip(WaveformComboBox, waveformTip, tr("Waveform"));
  tip(WaveformLabel, waveformTip);
  const QString highestTip =
      tr("How many harmonics take part in the chain, the curve and the tone, 0 to 25. Lower it "
         "to see the sum approach the wave harmonic by harmonic.");
  tip(HighestHarmonicComboBox, highestTip, tr("Highest harmonic"));
  tip(HighestHarmonicLabel, highestTip);

  tip(PlayBtn, tr("Run the sweep through the time steps: the chain turns and the curve grows."));
  tip(StopBtn, tr("Stop the sweep at the current time step."));
  tip(ClearBtn, tr("Stop and go back to step 0; in the custom modes, also start the custom "
                   "waveform afresh."));
  tip(EditRotantsBtn, tr("Show or hide the table of all 26 harmonics over the phasor plane, to "
                         "read or type their magnitudes and angles."));
  tip(TimeTrackBar, tr("The time step, 0 to 511 (two periods); moving it redraws both plots."),
      tr("Time step"));

  tip(PhasorGrid, tr("Magnitude and angle of every harmonic. Select a row to edit it below; its "
                     "harmonic is also the one the View menu highlights or plays alone."),
      tr("Harmonics table"));
  const QString harmonicTip = tr("The harmonic of the table's selected row.");
  tip(HarmonicEdit, harmonicTip, tr("Harmonic"));
  tip(HarmonicLabel, harmonicTip);
  const QString magnitudeTip =
      tr("The harmonic's magnitude, 0 to 10; Update or Return applies it.");
  tip(MagnitudeEdit, magnitudeTip, tr("Magnitude"));
  tip(MagnitudeLabel, magnitudeTip);
  const QString angleTip =
      tr("The harmonic's angle in degrees, -180 to 180; Update or Return applies it.");
  tip(AngleEdit, angleTip, tr("Angle in degrees"));
  tip(AngleLabel, angleTip);
  tip(PhasorUpdateBtn,
      tr("Give the selected harmonic the typed magnitude and angle. A value out of range "
         "becomes 0, and a notice names it."));
  tip(EditPhasorBox, tr("Type a magnitude and an angle for the harmonic of the selected row."));
  tip(EditorNotice, tr("A typed value outside its range was replaced by 0. The notice stays until "
                       "an Update that replaces nothing."));

  tip(PhasorOptionsGroupBox, tr("How the phasor plane shows the chain."));
  tip(RealValueCheckBox, tr("Mark the current real value on both plots."));
  tip(RotateComplexPlaneCheckBox,
      tr("Turn the phasor plane so that its real axis points up, level with the time plot; with "
         "the real value shown, two lines carry it across."));
  tip(TraceCheckBox, tr("Draw the path of the chain's tip from step 0, in red."));
  tip(ConjugateCheckBox,
      tr("Also show the negative harmonics, as a mirror chain in purple; each entry then holds "
         "c_k instead of 2·c_k. The curve stays the same."));
  tip(TimeOptionsGroupBox, tr("What the time plot shows, the tone and the sweep's repeat."));
  tip(TimeGridCheckBox, tr("Show the time plot's grid."));
  tip(IdealWaveCheckBox, tr("Show the ideal waveform in black on the time plot."));
  tip(RepeatPlayCheckBox, tr("Start the sweep again at step 0 after the last step, instead of "
                             "stopping."));

  ShowMenuTips(MainMenu->actions(), Tips);
  action(MenuFileExport->menuAction(),
         tr("Write what the window shows to a picture, sound, table, animation or figure file."));
  action(FileExportPicture, tr("Save the plots as shown, as a PNG picture."));
  action(FileExportSound, tr("Save the tone as a WAV file of the length you choose."));
  action(FileExportHarmonics, tr("Save the magnitude and angle of every harmonic as a CSV table."));
  action(FileExportSamples,
         tr("Save the ideal and the reconstructed value at every time step as a CSV table."));
  action(FileExportAnimation, tr("Save one sweep as an animated GIF."));
  action(FileExportFigure, tr("Save a labelled figure for handouts and slides, as SVG or PDF."));
  action(FilePrint, tr("Print the figure and the table of the harmonics in use on one page."));
  action(FileExit, tr("Close Rotants, after asking to save work done by hand."));
  action(EditUndo, tr("Take back the last change to the phasor set."));
  action(EditRedo, tr("Bring back the change last taken back."));
  action(EditCopyFigure, tr("Copy the labelled figure, to paste into a document or a slide."));
  action(HelpManual, tr("Open the manual in the window's language."));
  action(HelpShortcuts, tr("List every keyboard shortcut of the window."));
  action(HelpAbout, tr("Show the program's version and credits."));
}
