#include "ShapePart.h"

#include "ActionRunner.h"
#include "PhasorDocument.h"
#include "TipPresenter.h"
#include "WaveformItems.h"
#include "WindowLayout.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>

#include <initializer_list>
#include <utility>

using WindowLayout::Place;

namespace {

const char ShapeKey[] = "View/Shape";

// The strip (26 pixels) and a gap of 4 above the status bar.
constexpr int StripHeight = 26;
constexpr int ShapeGrowth = 30;

}  // namespace

TShapePart::TShapePart(TPhasorDocument &document, TActionRunner &actions, TShapeView view,
                       QObject *parent)
    : QObject(parent), Document(document), Actions(actions), View(std::move(view))
{
  connect(&Document, &TPhasorDocument::ShapeChanged, this, &TShapePart::ShowShape);
  connect(&Document, &TPhasorDocument::WaveformChanged, this, &TShapePart::ShowShape);
}

void TShapePart::BuildStrip(QWidget *client)
{
  // Made now, hidden, so that the window scaler knows it from the start.
  ShapePanel = new QWidget(client);
  ShapePanel->setObjectName("ShapePanel");
  ShapePanel->setGeometry(StripGeometry(0));
  ShapePanel->setVisible(false);
  const auto slider = [this](const char *name, int left, int minimum, int maximum) {
    auto *s = Place(new QSlider(Qt::Horizontal, ShapePanel), name, left, 4, 210, 17);
    s->setRange(minimum, maximum);
    s->setPageStep(8);
    return s;
  };
  DutyCycleLabel = Place(new QLabel(ShapePanel), "DutyCycleLabel", 8, 4, 100, 17);
  ShapeDutyCycle = slider("ShapeDutyCycle", 110, WaveformPresets::MinDutyCycle,
                          WaveformPresets::MaxDutyCycle);
  ShapeDutyCycle->setPageStep(5);
  DutyCycleValue = Place(new QLabel(ShapePanel), "DutyCycleValue", 324, 4, 44, 17);
  ShiftLabel = Place(new QLabel(ShapePanel), "ShiftLabel", 386, 4, 112, 17);
  ShapeShift = slider("ShapeShift", 500, WaveformPresets::MinShift, WaveformPresets::MaxShift);
  ShiftValue = Place(new QLabel(ShapePanel), "ShiftValue", 714, 4, 60, 17);
  DutyCycleLabel->setBuddy(ShapeDutyCycle);
  ShiftLabel->setBuddy(ShapeShift);
  for (const bool duty : {true, false}) {
    QSlider *s = duty ? ShapeDutyCycle : ShapeShift;
    connect(s, &QSlider::valueChanged, this, [this, duty] { SliderChanged(duty); });
    connect(s, &QSlider::sliderPressed, this, &TShapePart::SliderPressed);
    connect(s, &QSlider::sliderReleased, this, [this, duty] { SliderReleased(duty); });
  }
  ShowShape();
}

void TShapePart::BuildAction(QMenu *menu)
{
  ViewShape = menu->addAction(QString());
  ViewShape->setObjectName("ViewShape");
  ViewShape->setCheckable(true);
  connect(ViewShape, &QAction::triggered, this,
          [this] { SetShown(ViewShape->isChecked(), true); });
}

void TShapePart::Retranslate()
{
  ViewShape->setText(tr("Shape"));
  // A reader entering the strip hears what it is.
  if (ShapePanel)
    ShapePanel->setAccessibleName(ViewShape->text());
  ViewShape->setToolTip(tr("Show a strip under the controls with two sliders that shape the "
                           "standard waveforms: the pulses' duty cycle and a time shift."));
  DutyCycleLabel->setText(tr("Duty cycle:"));
  ShiftLabel->setText(tr("Time shift:"));
  SetTip(ShapeDutyCycle,
         tr("The width of the rectangular and bipolar pulses, 1 to 99 % of the period, their "
            "height kept. A narrower pulse spreads its spectrum under a wider sinc envelope."),
         tr("Duty cycle"));
  SetTip(ShapeShift,
         tr("Delays every standard waveform by -128 to 127 time steps. Every magnitude stays; "
            "harmonic k turns by k times the shift."),
         tr("Time shift"));
  ShowShape();
}

void TShapePart::UseSettings(QSettings *settings)
{
  Settings = nullptr;
  if (settings) {
    const bool on = settings->value(ShapeKey, false).toBool();
    if (on != Shown())
      SetShown(on, false);
  }
  Settings = settings;
}

void TShapePart::SetShown(bool on, bool remember)
{
  ViewShape->setChecked(on);
  ShapePanel->setVisible(on);
  View.Relayout();
  if (remember && Settings)
    Settings->setValue(ShapeKey, on);
}

bool TShapePart::Shown() const
{
  return ViewShape && ViewShape->isChecked();
}

int TShapePart::Growth() const
{
  return Shown() ? ShapeGrowth : 0;
}

QRect TShapePart::StripGeometry(int above) const
{
  return QRect(0, WindowLayout::StatusBarTop + above, WindowLayout::ClientWidth, StripHeight);
}

QString TShapePart::StepText(bool dutyCycle)
{
  return dutyCycle ? tr("Duty Cycle") : tr("Time Shift");
}

void TShapePart::ShowShape()
{
  if (!ShapePanel)
    return;
  const WaveformPresets::TShape &shape = Document.Shape;
  {
    // A slider being dragged already shows its value.
    const QSignalBlocker dutyBlocker(ShapeDutyCycle);
    const QSignalBlocker shiftBlocker(ShapeShift);
    ShapeDutyCycle->setValue(shape.DutyCycle);
    ShapeShift->setValue(shape.Shift);
  }
  DutyCycleValue->setText(QStringLiteral("%1 %").arg(shape.DutyCycle));
  ShiftValue->setText(QString::number(shape.Shift));
  const int item = Document.WaveformItem;
  const bool standard = WaveformItems::IsStandard(item);
  const bool pulse =
      standard && WaveformPresets::HasDutyCycle(WaveformItems::Standard(item));
  const auto enable = [](std::initializer_list<QWidget *> widgets, bool on) {
    for (QWidget *widget : widgets)
      widget->setEnabled(on);
  };
  enable({DutyCycleLabel, ShapeDutyCycle, DutyCycleValue}, pulse);
  enable({ShiftLabel, ShapeShift, ShiftValue}, standard);
}

// A press may become a drag: its undo step starts here and is recorded on the
// release (or taken by an action with a name that comes in between).
void TShapePart::SliderPressed()
{
  Document.ForgetStroke();
  Document.StartStroke();
}

void TShapePart::SliderChanged(bool dutyCycle)
{
  QSlider *const slider = dutyCycle ? ShapeDutyCycle : ShapeShift;
  WaveformPresets::TShape shape = Document.Shape;
  (dutyCycle ? shape.DutyCycle : shape.Shift) = slider->value();
  // A drag's moves record nothing: its release does.
  Apply(shape, slider->isSliderDown() ? QString() : StepText(dutyCycle));
}

void TShapePart::SetShape(const WaveformPresets::TShape &shape)
{
  Apply(shape, StepText(shape.DutyCycle != Document.Shape.DutyCycle));
}

void TShapePart::Apply(const WaveformPresets::TShape &shape, const QString &text)
{
  const TActionScope action(Actions, text, TStepKind::Rebuild);
  Document.SetShape(shape);
  View.Reshaped();
}

void TShapePart::SliderReleased(bool dutyCycle)
{
  Document.EndStroke(StepText(dutyCycle), TStepKind::Rebuild);
}
