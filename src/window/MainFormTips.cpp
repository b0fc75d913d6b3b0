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

QString Number(double value)
{
  return QString::fromStdString(FormatFixed(value, 7, 4));
}

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

void TRotantsForm::BindDescriptions()
{
  PhasorImage->Describe = [this] { return PhasorPlotDescription(); };
  TimeImage->Describe = [this] { return TimePlotDescription(); };
  Tips = new TTipPresenter(this);
  for (QWidget *control : ClientArea->findChildren<QWidget *>())
    Tips->Watch(control);
}

QString TRotantsForm::RmsErrorTip()
{
  return tr("Root-mean-square difference over one period between the sum of the harmonics in "
            "use and the ideal wave, in the time plot's units; 0 is a perfect match.\n"
            "\"Custom Rotants\" shows \"-\": it has no ideal wave to compare with.");
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
  tip(Re0Label, tr("Real axis"), tr("Real axis"));
  tip(Re90Label, tr("Real axis"), tr("Real axis"));
  tip(Im0Label, tr("Imaginary axis"), tr("Imaginary axis"));
  tip(Im90Label, tr("Imaginary axis"), tr("Imaginary axis"));

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

  tip(StatusPanel0, tr("Mouse position over the phasor plane: real part : imaginary part."));
  tip(StatusPanel1, tr("The current time step N, 0 to 511."));
  tip(StatusPanel2, tr("Mouse position over the time plot: time step : value."));
  tip(StatusPanel3, RmsErrorTip());
  tip(SelectedHarmonicPanel, tr("The harmonic of the table's selected row, which Highlight "
                                "Selected Harmonic and Play Selected Harmonic Alone are about."));

  PhasorImage->setAccessibleName(tr("Phasor plane"));
  TimeImage->setAccessibleName(tr("Time plot"));
  ShowPlotTips();

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
  action(ViewHighlightHarmonic, tr("Draw the harmonic of the table's selected row in amber: its "
                                   "segment of the chain and its own sinusoid."));
  action(ViewShowError, tr("Show in the status bar how far the sum of the harmonics is from the "
                           "ideal wave (RMS error)."));
  action(HelpManual, tr("Open the manual in the window's language."));
  action(HelpShortcuts, tr("List every keyboard shortcut of the window."));
  action(HelpAbout, tr("Show the program's version and credits."));
}

void TRotantsForm::ShowPlotTips()
{
  const QString keys =
      tr("With the plot focused, the arrow keys, Page Up, Page Down, Home and End move the time "
         "step.");
  const QString phasorTip =
      EditMode == PlacingTips
          ? tr("Phasor plane: click to place the next harmonic (1, 2, 3, ...) with its tip where "
               "you click, measured from the tip of the one placed before.")
          : tr("Phasor plane: the chain of turning phasors, one per harmonic, at the current time "
               "step; the real part of its tip is the wave's value.");
  const QString timeTip =
      EditMode == DrawingWave
          ? tr("Time plot: hold a mouse button and drag across to draw one period; either half "
               "edits the same period. On release the drawing becomes the 26 harmonics.")
          : tr("Time plot: two periods of the ideal wave in black and, in green, the sum of the "
               "harmonics from step 0 to the current one.");
  PhasorImage->setToolTip(phasorTip + '\n' + keys);
  PhasorHelpLabel->setToolTip(phasorTip);
  TimeImage->setToolTip(timeTip + '\n' + keys);
  TimeHelpLabel->setToolTip(timeTip);
}

QString TRotantsForm::PhasorPlotDescription() const
{
  const int step = TimeTrackBar->value();
  double re = 0.0;
  double im = 0.0;
  TipForPictures(step, re, im);
  return tr("Phasor plane: %1 waveform, chain of harmonics 0 to %2 at step %3, its tip at real "
            "%4, imaginary %5")
      .arg(WaveformComboBox->currentText(), QString::number(HighestHarmonic),
           QString::number(step), Number(re), Number(im));
}

QString TRotantsForm::TimePlotDescription() const
{
  const int step = TimeTrackBar->value();
  return tr("Time plot: %1 waveform from harmonics 0 to %2, step %3, value %4")
      .arg(WaveformComboBox->currentText(), QString::number(HighestHarmonic),
           QString::number(step),
           Number(ReconWave[std::size_t(std::clamp(step, 0, SweepSteps - 1))]));
}
