#include "PlaybackPart.h"

#include "HarmonicModel.h"
#include "PhasorDocument.h"
#include "WindowLayout.h"

#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>

using WindowLayout::Place;

namespace {

constexpr int TickMilliseconds = 10;

}  // namespace

TPlaybackPart::TPlaybackPart(const TPhasorDocument &document, QWidget *client)
    : QObject(client), Document(document)
{
  StopBtn = Place(new QPushButton(client), "StopBtn", 560, 304, 75, 25);
  StopBtn->setIcon(client->style()->standardIcon(QStyle::SP_DialogNoButton));
  PlayBtn = Place(new QPushButton(client), "PlayBtn", 560, 304, 75, 25);
  PlayBtn->setIcon(client->style()->standardIcon(QStyle::SP_DialogOkButton));
  BringToFront(PlayBtn, StopBtn);

  TimeTrackBar = Place(new QSlider(Qt::Horizontal, client), "TimeTrackBar", 264, 260, 513, 17);
  TimeTrackBar->setRange(0, SweepSteps - 1);
  TimeTrackBar->setValue(0);
  TimeTrackBar->setPageStep(51);
  TimeTrackBar->setSingleStep(1);
  TimeTrackBar->setTickPosition(QSlider::NoTicks);

  SimulationTimer = new QTimer(this);
  SimulationTimer->setObjectName("SimulationTimer");
  SimulationTimer->setInterval(TickMilliseconds);
  SimulationTimer->setTimerType(Qt::PreciseTimer);
  connect(SimulationTimer, &QTimer::timeout, this, &TPlaybackPart::Tick);
}

void TPlaybackPart::Play()
{
  if (TimeTrackBar->value() == TimeTrackBar->maximum())
    TimeTrackBar->setValue(TimeTrackBar->minimum());
  BringToFront(StopBtn, PlayBtn);
  emit Starting();
  SimulationTimer->start();
}

void TPlaybackPart::Stop()
{
  BringToFront(PlayBtn, StopBtn);
  emit Stopping();
  SimulationTimer->stop();
}

void TPlaybackPart::Tick()
{
  const int position = TimeTrackBar->value();
  if (position < TimeTrackBar->maximum())
    TimeTrackBar->setValue(position + 1);
  else if (Document.Options.Repeat)
    TimeTrackBar->setValue(0);
  else
    Stop();
}

bool TPlaybackPart::Playing() const
{
  return SimulationTimer->isActive();
}

bool TPlaybackPart::PlayInFront() const
{
  // raise() moves a widget to the end of its parent's children, which are
  // painted and hit-tested in that order.
  const QObjectList &siblings = PlayBtn->parentWidget()->children();
  return siblings.indexOf(PlayBtn) > siblings.indexOf(StopBtn);
}

// Only the button in front takes part in the Tab chain. Should the one going
// behind hold the focus, the focus moves with the place to the one in front.
void TPlaybackPart::BringToFront(QPushButton *front, QPushButton *behind)
{
  front->raise();
  front->setFocusPolicy(Qt::StrongFocus);
  behind->setFocusPolicy(Qt::NoFocus);
  if (behind->hasFocus())
    front->setFocus(Qt::OtherFocusReason);
}

void TPlaybackPart::FocusFrontButton()
{
  (PlayInFront() ? PlayBtn : StopBtn)->setFocus(Qt::OtherFocusReason);
}

void TPlaybackPart::Retranslate()
{
  StopBtn->setText(tr("&Stop"));
  PlayBtn->setText(tr("&Play"));
  PlayBtn->setToolTip(
      tr("Run the sweep through the time steps: the chain turns and the curve grows."));
  StopBtn->setToolTip(tr("Stop the sweep at the current time step."));
  TimeTrackBar->setToolTip(
      tr("The time step, 0 to 511 (two periods); moving it redraws both plots."));
  TimeTrackBar->setAccessibleName(tr("Time step"));
}
