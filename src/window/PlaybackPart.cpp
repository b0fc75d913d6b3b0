#include "PlaybackPart.h"

#include "HarmonicModel.h"
#include "PhasorDocument.h"
#include "WindowLayout.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

using WindowLayout::Place;

namespace {

// The objectName of a playback button's accelerator while it is behind:
// the button's own and this.
const QString MnemonicSuffix = QStringLiteral("Mnemonic");

QShortcut *MnemonicOf(const QPushButton *button)
{
  return button->parentWidget()->findChild<QShortcut *>(button->objectName() + MnemonicSuffix,
                                                        Qt::FindDirectChildrenOnly);
}

constexpr int TickMilliseconds = 10;

// The speed panel's width at factor 1.
constexpr int SpeedPanelWidth = 72;

}  // namespace

TPlaybackPart::TPlaybackPart(const TPhasorDocument &document, QObject *parent)
    : QObject(parent), Document(document)
{
  SimulationTimer = new QTimer(this);
  SimulationTimer->setObjectName("SimulationTimer");
  SimulationTimer->setInterval(TickMilliseconds);
  SimulationTimer->setTimerType(Qt::PreciseTimer);
  connect(SimulationTimer, &QTimer::timeout, this, &TPlaybackPart::Tick);
}

void TPlaybackPart::BuildControls(QWidget *client)
{
  StopBtn = Place(new QPushButton(client), "StopBtn", 560, 304, 75, 25);
  StopBtn->setIcon(client->style()->standardIcon(QStyle::SP_DialogNoButton));
  PlayBtn = Place(new QPushButton(client), "PlayBtn", 560, 304, 75, 25);
  PlayBtn->setIcon(client->style()->standardIcon(QStyle::SP_DialogOkButton));
  // The button behind is hidden; its accelerator still clicks it (Play while
  // playing goes on without a rewind, Stop while idle shows the help again).
  for (QPushButton *button : {StopBtn, PlayBtn}) {
    auto *mnemonic = new QShortcut(client);
    mnemonic->setObjectName(button->objectName() + MnemonicSuffix);
    mnemonic->setEnabled(false);
    connect(mnemonic, &QShortcut::activated, button, &QPushButton::click);
  }
  BringToFront(PlayBtn, StopBtn);

  TimeTrackBar = Place(new QSlider(Qt::Horizontal, client), "TimeTrackBar", 264, 260, 513, 17);
  TimeTrackBar->setRange(0, SweepSteps - 1);
  TimeTrackBar->setValue(0);
  TimeTrackBar->setPageStep(51);
  TimeTrackBar->setSingleStep(1);
  TimeTrackBar->setTickPosition(QSlider::NoTicks);
}

void TPlaybackPart::BuildSpeedActions(QMenu *menu)
{
  menu->addSeparator();
  ViewSlower = menu->addAction(QString());
  ViewSlower->setObjectName("ViewSlower");
  ViewSlower->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_BracketLeft));
  ViewFaster = menu->addAction(QString());
  ViewFaster->setObjectName("ViewFaster");
  ViewFaster->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_BracketRight));
  connect(ViewSlower, &QAction::triggered, this, &TPlaybackPart::Slower);
  connect(ViewFaster, &QAction::triggered, this, &TPlaybackPart::Faster);
  ShowSpeed();
}

void TPlaybackPart::BuildSpeedPanel(QStatusBar *statusBar)
{
  SpeedPanel = new QLabel(statusBar);
  SpeedPanel->setObjectName("SpeedPanel");
  SpeedPanel->setFixedSize(SpeedPanelWidth, SpeedPanel->sizeHint().height());
  SpeedPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  SpeedPanel->setIndent(WindowLayout::PanelIndent);
  statusBar->addWidget(SpeedPanel);
  ShowSpeed();
}

bool TPlaybackPart::SetSpeed(double speed)
{
  const auto found = std::find(Speeds.begin(), Speeds.end(), speed);
  if (found == Speeds.end())
    return false;
  SpeedIndex = std::size_t(found - Speeds.begin());
  ShowSpeed();
  return true;
}

void TPlaybackPart::Slower()
{
  if (SpeedIndex > 0)
    SetSpeed(Speeds[SpeedIndex - 1]);
}

void TPlaybackPart::Faster()
{
  if (SpeedIndex + 1 < Speeds.size())
    SetSpeed(Speeds[SpeedIndex + 1]);
}

QString TPlaybackPart::SpeedText(double speed)
{
  if (speed == 0.25)
    return QStringLiteral("\u00bc");
  if (speed == 0.5)
    return QStringLiteral("\u00bd");
  return QString::number(speed);
}

// The interval tells the speed below normal; a running timer keeps running
// at the new one.
void TPlaybackPart::ShowSpeed()
{
  const double speed = Speed();
  SimulationTimer->setInterval(speed < 1.0 ? int(TickMilliseconds / speed) : TickMilliseconds);
  if (ViewSlower) {
    ViewSlower->setEnabled(SpeedIndex > 0);
    ViewFaster->setEnabled(SpeedIndex + 1 < Speeds.size());
  }
  if (SpeedPanel) {
    SpeedPanel->setVisible(speed != 1.0);
    SpeedPanel->setText(tr("Speed %1").arg(SpeedText(speed) + QChar(0x00D7)));
  }
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
  const int steps = Speed() > 1.0 ? 2 : 1;
  // The last step is always shown before the wrap or the stop.
  if (position < TimeTrackBar->maximum())
    TimeTrackBar->setValue(std::min(position + steps, TimeTrackBar->maximum()));
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

// Only the button in front takes part in the Tab chain, and only it is
// shown (to a screen reader too); the one behind answers its accelerator
// through its shortcut. Should the one going behind hold the focus, the
// focus moves with the place to the one in front.
void TPlaybackPart::BringToFront(QPushButton *front, QPushButton *behind)
{
  front->raise();
  front->setFocusPolicy(Qt::StrongFocus);
  front->setVisible(true);
  behind->setFocusPolicy(Qt::NoFocus);
  if (behind->hasFocus())
    front->setFocus(Qt::OtherFocusReason);
  behind->setVisible(false);
  for (QPushButton *button : {front, behind}) {
    if (QShortcut *mnemonic = MnemonicOf(button))
      mnemonic->setEnabled(button == behind);
  }
}

void TPlaybackPart::FocusFrontButton()
{
  (PlayInFront() ? PlayBtn : StopBtn)->setFocus(Qt::OtherFocusReason);
}

void TPlaybackPart::Retranslate()
{
  StopBtn->setText(tr("&Stop"));
  PlayBtn->setText(tr("&Play"));
  for (QPushButton *button : {StopBtn, PlayBtn})
    MnemonicOf(button)->setKey(QKeySequence::mnemonic(button->text()));
  PlayBtn->setToolTip(
      tr("Run the sweep through the time steps: the chain turns and the curve grows."));
  StopBtn->setToolTip(tr("Stop the sweep at the current time step."));
  TimeTrackBar->setToolTip(
      tr("The time step, 0 to 511 (two periods); moving it redraws both plots."));
  TimeTrackBar->setAccessibleName(tr("Time step"));
  if (ViewSlower) {
    ViewSlower->setText(tr("Slowe&r"));
    ViewFaster->setText(tr("Fas&ter"));
    ViewSlower->setToolTip(
        tr("Run the sweep more slowly: half, then a quarter of the normal speed, to talk "
           "over it. The tone stays as it is."));
    ViewFaster->setToolTip(tr("Run the sweep faster, up to twice the normal speed."));
  }
  if (SpeedPanel) {
    SpeedPanel->setToolTip(tr("The speed of the sweep against the normal one step every 10 ms "
                              "(View > Slower and Faster)."));
    ShowSpeed();
  }
}
