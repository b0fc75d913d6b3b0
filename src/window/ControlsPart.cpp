#include "ControlsPart.h"

#include "HelpWindows.h"
#include "PhasorDocument.h"
#include "WaveformItems.h"
#include "TipPresenter.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <utility>

using WindowLayout::Place;

namespace {

// Drop-downs take a wheel turn only while they have keyboard focus: a wheel
// turned while the mouse merely passes over "Waveform" must not throw away a
// drawing or the placed phasors.
class TFocusedWheelFilter : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override
  {
    if (event->type() == QEvent::Wheel) {
      auto *widget = qobject_cast<QWidget *>(watched);
      if (widget && !widget->hasFocus()) {
        event->ignore();
        return true;
      }
    }
    return false;
  }
};

QCheckBox *MakeCheckBox(QWidget *parent, const char *name, int left, int top, int width,
                        int height, bool checked)
{
  auto *box = Place(new QCheckBox(parent), name, left, top, width, height);
  box->setChecked(checked);
  return box;
}

}  // namespace

TControlsPart::TControlsPart(TPhasorDocument &document, QObject *parent)
    : QObject(parent), Document(document)
{
}

void TControlsPart::BuildLabels(QWidget *client)
{
  WaveformLabel = Place(new QLabel(client), "WaveformLabel", 8, 264, 52, 13);
  HighestHarmonicLabel = Place(new QLabel(client), "HighestHarmonicLabel", 112, 264, 85, 13);
}

void TControlsPart::BuildControls(QWidget *client,
                                  const std::function<QCheckBox *(QWidget *)> &soundBox)
{
  ClearBtn = Place(new QPushButton(client), "ClearBtn", 560, 336, 75, 25);
  ClearBtn->setIcon(QApplication::style()->standardIcon(QStyle::SP_BrowserReload));

  WaveformComboBox = Place(new QComboBox(client), "WaveformComboBox", 8, 280, 105, 21);
  WaveformComboBox->setEditable(false);
  for (int item = 0; item < WaveformItems::Count; ++item)
    WaveformComboBox->addItem(QString());

  PhasorOptionsGroupBox =
      Place(new QGroupBox(client), "PhasorOptionsGroupBox", 8, 304, 305, 57);
  QGroupBox *phasor = PhasorOptionsGroupBox;
  RealValueCheckBox = MakeCheckBox(phasor, "RealValueCheckBox", 8, 16, 145, 17, true);
  RotateComplexPlaneCheckBox =
      MakeCheckBox(phasor, "RotateComplexPlaneCheckBox", 8, 32, 145, 17, false);
  TraceCheckBox = MakeCheckBox(phasor, "TraceCheckBox", 160, 32, 137, 17, false);
  ConjugateCheckBox = MakeCheckBox(phasor, "ConjugateCheckBox", 159, 16, 137, 17, false);

  EditRotantsBtn = Place(new QPushButton(client), "EditRotantsBtn", 192, 278, 75, 25);

  HighestHarmonicComboBox =
      Place(new QComboBox(client), "HighestHarmonicComboBox", 120, 280, 65, 21);
  HighestHarmonicComboBox->setEditable(false);
  for (int k = 0; k < HarmonicCount; ++k)
    HighestHarmonicComboBox->addItem(QString::number(k));
  // A reader names a drop-down by its shown item; the label it is the buddy
  // of gives its purpose.
  if (WaveformLabel) {
    WaveformLabel->setBuddy(WaveformComboBox);
    HighestHarmonicLabel->setBuddy(HighestHarmonicComboBox);
  }
  auto *wheelFilter = new TFocusedWheelFilter(this);
  for (QComboBox *box : {WaveformComboBox, HighestHarmonicComboBox}) {
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(wheelFilter);
  }

  TimeOptionsGroupBox = Place(new QGroupBox(client), "TimeOptionsGroupBox", 320, 304, 233, 57);
  QGroupBox *time = TimeOptionsGroupBox;
  TimeGridCheckBox = MakeCheckBox(time, "TimeGridCheckBox", 8, 16, 65, 17, true);
  QCheckBox *sound = soundBox(time);
  RepeatPlayCheckBox = MakeCheckBox(time, "RepeatPlayCheckBox", 8, 32, 73, 17, true);
  IdealWaveCheckBox = MakeCheckBox(time, "IdealWaveCheckBox", 80, 32, 73, 17, true);
  FollowDocument(sound);
}

// The controls follow what the document puts back; none of them raises a
// handler, since each reacts to the user's activation or click only.
void TControlsPart::FollowDocument(QCheckBox *soundBox)
{
  const std::pair<QCheckBox *, bool TSetOptions::*> options[] = {
      {RealValueCheckBox, &TSetOptions::RealValue},
      {RotateComplexPlaneCheckBox, &TSetOptions::RotateComplexPlane},
      {TraceCheckBox, &TSetOptions::Trace},
      {TimeGridCheckBox, &TSetOptions::Grid},
      {soundBox, &TSetOptions::Sound},
      {RepeatPlayCheckBox, &TSetOptions::Repeat},
      {IdealWaveCheckBox, &TSetOptions::IdealWave}};
  for (const auto &[box, option] : options) {
    Document.Options.*option = box->isChecked();
    connect(box, &QCheckBox::toggled, this,
            [this, option = option](bool on) { Document.Options.*option = on; });
  }
  connect(&Document, &TPhasorDocument::HighestHarmonicChanged, HighestHarmonicComboBox,
          &QComboBox::setCurrentIndex);
  connect(&Document, &TPhasorDocument::WaveformChanged, WaveformComboBox,
          &QComboBox::setCurrentIndex);
  connect(&Document, &TPhasorDocument::ConjugateChanged, ConjugateCheckBox,
          &QCheckBox::setChecked);
}

QStringList TControlsPart::WaveformItemTexts()
{
  return TPhasorDocument::WaveformNames();
}

void TControlsPart::ShowEditorButtonText(bool editorShown)
{
  EditRotantsBtn->setText(editorShown ? tr("Hide &Editor") : tr("Show &Editor"));
  EditRotantsBtn->setAccessibleName(PlainCaption(EditRotantsBtn->text()));
}

void TControlsPart::Retranslate(bool editorShown)
{
  WaveformLabel->setText(tr("Waveform:"));
  HighestHarmonicLabel->setText(tr("Highest harmonic:"));
  ClearBtn->setText(tr("&Clear"));
  ShowEditorButtonText(editorShown);
  const QStringList waveforms = WaveformItemTexts();
  for (int item = 0; item < WaveformItems::Count; ++item)
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

  const QString waveformTip =
      tr("Choose a standard waveform to build from its harmonics, or a custom mode: place the "
         "phasors with the mouse (Custom Rotants) or draw one period (Custom Time).");
  SetTip(WaveformComboBox, waveformTip, tr("Waveform"));
  SetTip(WaveformLabel, waveformTip);
  const QString highestTip =
      tr("How many harmonics take part in the chain, the curve and the tone, 0 to 25. Lower it "
         "to see the sum approach the wave harmonic by harmonic.");
  SetTip(HighestHarmonicComboBox, highestTip, tr("Highest harmonic"));
  SetTip(HighestHarmonicLabel, highestTip);
  SetTip(ClearBtn, tr("Stop and go back to step 0; in the custom modes, also start the custom "
                      "waveform afresh."));
  SetTip(EditRotantsBtn, tr("Show or hide the table of all 26 harmonics over the phasor plane, to "
                            "read or type their magnitudes and angles."));
  SetTip(PhasorOptionsGroupBox, tr("How the phasor plane shows the chain."));
  SetTip(RealValueCheckBox, tr("Mark the current real value on both plots."));
  SetTip(RotateComplexPlaneCheckBox,
      tr("Turn the phasor plane so that its real axis points up, level with the time plot; with "
         "the real value shown, two lines carry it across."));
  SetTip(TraceCheckBox, tr("Draw the path of the chain's tip from step 0, in red."));
  SetTip(ConjugateCheckBox,
      tr("Also show the negative harmonics, as a mirror chain in purple; each entry then holds "
         "c_k instead of 2·c_k. The curve stays the same."));
  SetTip(TimeOptionsGroupBox, tr("What the time plot shows, the tone and the sweep's repeat."));
  SetTip(TimeGridCheckBox, tr("Show the time plot's grid."));
  SetTip(IdealWaveCheckBox, tr("Show the ideal waveform in black on the time plot."));
  SetTip(RepeatPlayCheckBox, tr("Start the sweep again at step 0 after the last step, instead of "
                                "stopping."));
}
