#include "MainForm.h"

#include "HelpWindows.h"

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
  View->Retranslate();
  Plots->Retranslate();
  MenuFile->setTitle(tr("&File"));
  MenuFileExport->setTitle(tr("&Export"));
  FileExportPicture->setText(tr("&Picture..."));
  FileExportSound->setText(tr("&Sound..."));
  FileExportHarmonics->setText(tr("&Harmonics Table..."));
  FileExportSamples->setText(tr("Wave&form Samples..."));
  FileExportAnimation->setText(tr("&Animation..."));
  FileExportFigure->setText(tr("Fi&gure (SVG, PDF)..."));
  FilePrint->setText(tr("&Print..."));
  FileExit->setText(tr("E&xit"));
  MenuEdit->setTitle(tr("E&dit"));
  EditCopyFigure->setText(tr("Copy &Figure"));
  ShowUndoTexts();
  MenuView->setTitle(tr("Vie&w"));
  Help->setTitle(tr("&Help"));
  HelpAbout->setText(tr("&About..."));

  WaveformLabel->setText(tr("Waveform:"));
  HighestHarmonicLabel->setText(tr("Highest harmonic:"));

  SetGridHeading(0, tr("Harmonic"));
  SetGridHeading(1, tr("Magnitude"));
  SetGridHeading(2, tr("Angle (\u00B0)"));
  EditPhasorBox->setTitle(tr("Edit Phasor"));
  HarmonicLabel->setText(tr("Harmonic"));
  MagnitudeLabel->setText(tr("Magnitude"));
  AngleLabel->setText(tr("Angle (\u00B0)"));
  PhasorUpdateBtn->setText(tr("&Update"));

  StopBtn->setText(tr("&Stop"));
  PlayBtn->setText(tr("&Play"));
  ClearBtn->setText(tr("&Clear"));
  ShowEditorButtonText();

  const QStringList waveforms = WaveformItemTexts();
  for (int item = 0; item < WaveformItemCount; ++item)
    WaveformComboBox->setItemText(item, waveforms[item]);

  PhasorOptionsGroupBox->setTitle(tr("Phasor Options"));
  RealValueCheckBox->setText(tr("Show Real &Value"));
  RotateComplexPlaneCheckBox->setText(tr("&Rotate Complex Plane 90\u00B0"));
  TraceCheckBox->setText(tr("Leave Phasor &Trace"));
  ConjugateCheckBox->setText(tr("Use Conjugate Rotants"));
  TimeOptionsGroupBox->setTitle(tr("Time Options"));
  TimeGridCheckBox->setText(tr("&Grid On"));
  RepeatPlayCheckBox->setText(tr("Repeat"));
  IdealWaveCheckBox->setText(tr("Ideal Wave"));

  RetranslateTips();
  // Last: an open shortcut list is made again from the texts set above.
  RetranslateHelpMenu();
}

QStringList TRotantsForm::WaveformItemTexts()
{
  return {tr("Custom Rotants"), tr("Custom Time"), tr("Square"),
          tr("Rectangular Pulse"), tr("Bipolar Pulse"), tr("Triangle"),
          tr("Sawtooth"), tr("Rectified Cosine"), tr("Impulse train")};
}

void TRotantsForm::ShowEditorButtonText()
{
  EditRotantsBtn->setText(PhasorEditPanel->isHidden() ? tr("Show &Editor") : tr("Hide &Editor"));
  EditRotantsBtn->setAccessibleName(PlainCaption(EditRotantsBtn->text()));
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
