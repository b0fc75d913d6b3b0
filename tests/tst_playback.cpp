#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "RecordingSoundService.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

constexpr int CustomRotantsItem = 0;
constexpr int CustomTimeItem = 1;
constexpr int SquareItem = 2;
constexpr int LastStep = SweepSteps - 1;

}  // namespace

class TestPlayback : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void PlayFromPosition_data();
  void PlayFromPosition();
  void Tick_data();
  void Tick();
  void RepeatReadOnlyAtEndOfSweep();
  void AcceleratorsReachBothButtons();
  void StopWhileIdleReshowsHelpLabel();
  void WaveformChoiceSetsIdleMode_data();
  void WaveformChoiceSetsIdleMode();
  void WaveformChoiceWhilePlaying_data();
  void WaveformChoiceWhilePlaying();
  void ClearKeepsStandardWaveform();
  void ClearRestartsCustomModes_data();
  void ClearRestartsCustomModes();
  void HighestHarmonicZeroAndBack();
  void TimerTicksArrive();
  void FocusFollowsTheButtonInFront();
  void WheelNeedsFocus_data();
  void WheelNeedsFocus();

private:
  // Idle(m) or Playing(m) of the playback state table.
  void VerifyIdle(int mode);
  void VerifyPlaying(int idleMode);

  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  std::unique_ptr<TMessageBoxCatcher> Catcher;
};

void TestPlayback::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Catcher = std::make_unique<TMessageBoxCatcher>();
}

void TestPlayback::cleanup()
{
  QVERIFY(Catcher->Messages.isEmpty());
  Catcher.reset();
  Form.reset();
  Sound.reset();
}

void TestPlayback::VerifyIdle(int mode)
{
  QVERIFY(!Form->SimulationTimer->isActive());
  QVERIFY(Form->PlayBtnInFront());
  QCOMPARE(Form->EditMode, mode);
  QCOMPARE(Form->IdleEditMode, mode);
  QCOMPARE(Form->PhasorHelpLabel->isHidden(), mode != 1);
  QCOMPARE(Form->TimeHelpLabel->isHidden(), mode != 2);
}

void TestPlayback::VerifyPlaying(int idleMode)
{
  QVERIFY(Form->SimulationTimer->isActive());
  QVERIFY(!Form->PlayBtnInFront());
  QCOMPARE(Form->EditMode, 0);
  QCOMPARE(Form->IdleEditMode, idleMode);
  QVERIFY(Form->PhasorHelpLabel->isHidden());
  QVERIFY(Form->TimeHelpLabel->isHidden());
}

void TestPlayback::PlayFromPosition_data()
{
  QTest::addColumn<int>("position");
  QTest::addColumn<int>("expected");

  QTest::newRow("at the end rewinds") << LastStep << 0;
  QTest::newRow("mid-sweep continues") << 300 << 300;
}

void TestPlayback::PlayFromPosition()
{
  QFETCH(int, position);
  QFETCH(int, expected);

  VerifyIdle(1);
  Form->TimeTrackBar->setValue(position);
  Form->PlayBtn->click();

  QCOMPARE(Form->TimeTrackBar->value(), expected);
  VerifyPlaying(1);
  QCOMPARE(Form->SimulationTimer->interval(), 10);
}

void TestPlayback::Tick_data()
{
  QTest::addColumn<int>("position");
  QTest::addColumn<bool>("repeat");
  QTest::addColumn<int>("expected");
  QTest::addColumn<bool>("playing");

  QTest::newRow("advances") << 100 << true << 101 << true;
  QTest::newRow("shows the last step") << LastStep - 1 << false << LastStep << true;
  QTest::newRow("wraps with repeat") << LastStep << true << 0 << true;
  QTest::newRow("stops without repeat") << LastStep << false << LastStep << false;
}

void TestPlayback::Tick()
{
  QFETCH(int, position);
  QFETCH(bool, repeat);
  QFETCH(int, expected);
  QFETCH(bool, playing);

  Form->RepeatPlayCheckBox->setChecked(repeat);
  Form->PlayBtn->click();
  Form->TimeTrackBar->setValue(position);
  QSignalSpy moves(Form->TimeTrackBar, &QSlider::valueChanged);

  Form->SimulationTimerTimer();

  QCOMPARE(Form->TimeTrackBar->value(), expected);
  QCOMPARE(moves.size(), expected == position ? 0 : 1);
  if (playing)
    VerifyPlaying(1);
  else
    VerifyIdle(1);
}

// Unchecking Repeat during a sweep takes effect only at its end; checking it
// again before then lets the sweep wrap.
void TestPlayback::RepeatReadOnlyAtEndOfSweep()
{
  Form->TimeTrackBar->setValue(LastStep - 1);
  Form->PlayBtn->click();
  QTest::mouseClick(Form->RepeatPlayCheckBox, Qt::LeftButton);
  QVERIFY(!Form->RepeatPlayCheckBox->isChecked());
  Form->SimulationTimerTimer();
  QCOMPARE(Form->TimeTrackBar->value(), LastStep);
  VerifyPlaying(1);

  QTest::mouseClick(Form->RepeatPlayCheckBox, Qt::LeftButton);
  Form->SimulationTimerTimer();
  QCOMPARE(Form->TimeTrackBar->value(), 0);
  VerifyPlaying(1);
}

// The button in front is the one a click reaches; the other one stays
// reachable by its accelerator. An accelerator clicks its button after a
// short animation, so the checks wait for the click.
void TestPlayback::AcceleratorsReachBothButtons()
{
  Form->show();
  Form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  QSignalSpy playClicks(Form->PlayBtn, &QPushButton::clicked);
  QSignalSpy stopClicks(Form->StopBtn, &QPushButton::clicked);
  Form->TimeTrackBar->setValue(300);

  const QPoint place = Form->PlayBtn->geometry().center();
  QCOMPARE(Form->PlayBtn->parentWidget()->childAt(place), Form->PlayBtn);
  QTest::keyClick(Form.get(), Qt::Key_P, Qt::AltModifier);
  QTRY_COMPARE(playClicks.size(), 1);
  VerifyPlaying(1);
  QCOMPARE(Form->PlayBtn->parentWidget()->childAt(place), Form->StopBtn);

  // Play while playing away from the end does not rewind.
  QTest::keyClick(Form.get(), Qt::Key_P, Qt::AltModifier);
  QTRY_COMPARE(playClicks.size(), 2);
  VerifyPlaying(1);
  QVERIFY(Form->TimeTrackBar->value() >= 300);

  QTest::keyClick(Form.get(), Qt::Key_S, Qt::AltModifier);
  QTRY_COMPARE(stopClicks.size(), 1);
  VerifyIdle(1);
  QCOMPARE(Form->PlayBtn->parentWidget()->childAt(place), Form->PlayBtn);
  const int stoppedAt = Form->TimeTrackBar->value();
  QTest::qWait(50);
  QCOMPARE(Form->TimeTrackBar->value(), stoppedAt);
}

void TestPlayback::StopWhileIdleReshowsHelpLabel()
{
  Form->show();
  Form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  QSignalSpy stopClicks(Form->StopBtn, &QPushButton::clicked);
  ChooseWaveform(*Form, CustomTimeItem);
  Form->SetEditMode(0);
  QVERIFY(Form->TimeHelpLabel->isHidden());

  QTest::keyClick(Form.get(), Qt::Key_S, Qt::AltModifier);
  QTRY_COMPARE(stopClicks.size(), 1);

  VerifyIdle(2);
}

void TestPlayback::WaveformChoiceSetsIdleMode_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("mode");

  QTest::newRow("Custom Rotants") << 0 << 1;
  QTest::newRow("Custom Time") << 1 << 2;
  for (int item = 2; item <= 8; ++item)
    QTest::addRow("item %d", item) << item << 0;
}

// Every waveform choice leads to Idle(m); Play and Stop then move between
// Playing(m) and Idle(m).
void TestPlayback::WaveformChoiceSetsIdleMode()
{
  QFETCH(int, item);
  QFETCH(int, mode);

  ChooseWaveform(*Form, item);
  VerifyIdle(mode);
  Form->PlayBtn->click();
  VerifyPlaying(mode);
  Form->StopBtn->click();
  VerifyIdle(mode);
}

void TestPlayback::WaveformChoiceWhilePlaying_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("mode");
  QTest::addColumn<bool>("toneAfter");

  QTest::newRow("Square") << SquareItem << 0 << true;
  QTest::newRow("Custom Rotants") << CustomRotantsItem << 1 << true;
  QTest::newRow("Custom Time") << CustomTimeItem << 2 << false;
}

// The animation stops, the slider stays, the sound stops and with Sound On
// starts again when the preset loads its entries.
void TestPlayback::WaveformChoiceWhilePlaying()
{
  QFETCH(int, item);
  QFETCH(int, mode);
  QFETCH(bool, toneAfter);

  Form->SoundCheckBox->setChecked(true);
  Form->TimeTrackBar->setValue(300);
  Form->PlayBtn->click();
  const int eventsBefore = int(Sound->Log->Events.size());

  ChooseWaveform(*Form, item);

  VerifyIdle(mode);
  QCOMPARE(Form->TimeTrackBar->value(), 300);
  const QStringList events = Sound->Log->Events.mid(eventsBefore);
  QVERIFY(!events.isEmpty());
  QCOMPARE(events.first(), QString("stop"));
  QCOMPARE(events.last(), QString(toneAfter ? "play" : "stop"));
  QCOMPARE(Sound->Log->Looping.isEmpty(), !toneAfter);
}

void TestPlayback::ClearKeepsStandardWaveform()
{
  ChooseWaveform(*Form, SquareItem);
  const TPhasorArray entries = Form->PhasorList;
  Form->TimeTrackBar->setValue(200);
  Form->PlayBtn->click();

  QTest::mouseClick(Form->ClearBtn, Qt::LeftButton);

  VerifyIdle(0);
  QCOMPARE(Form->TimeTrackBar->value(), 0);
  QVERIFY(SameEntries(Form->PhasorList, entries));
  QCOMPARE(Form->PhasorList[1].Re, 0.6366);
  QCOMPARE(Form->HarmonicIndex, HarmonicCount);
  QCOMPARE(Form->WaveformComboBox->currentIndex(), SquareItem);
}

void TestPlayback::ClearRestartsCustomModes_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("mode");

  QTest::newRow("Custom Rotants") << CustomRotantsItem << 1;
  QTest::newRow("Custom Time") << CustomTimeItem << 2;
}

void TestPlayback::ClearRestartsCustomModes()
{
  QFETCH(int, item);
  QFETCH(int, mode);

  ChooseWaveform(*Form, item);
  for (int k = 1; k <= 3; ++k) {
    Form->HarmonicIndex = k;
    Form->LoadPhasorEditor(0.25, 0.25);
  }
  QVERIFY(Form->PhasorList[3].Re != 0.0);
  Form->TimeTrackBar->setValue(100);
  Form->PlayBtn->click();

  QTest::mouseClick(Form->ClearBtn, Qt::LeftButton);

  VerifyIdle(mode);
  QCOMPARE(Form->TimeTrackBar->value(), 0);
  for (const HarmonicPhasor &entry : Form->PhasorList) {
    QCOMPARE(entry.Re, 0.0);
    QCOMPARE(entry.Im, 0.0);
  }
  QCOMPARE(Form->PhasorGrid->item(4, 1)->text(), QString("0.0"));
  QCOMPARE(Form->HarmonicIndex, mode == 1 ? 1 : 0);
}

// The choice changes how many entries take part in the time plot and the
// tone, and neither the entries, the mode nor the timer.
void TestPlayback::HighestHarmonicZeroAndBack()
{
  constexpr int RectangularPulseItem = 3;
  constexpr int HeaderBytes = 48;
  Form->SoundCheckBox->setChecked(true);
  ChooseWaveform(*Form, RectangularPulseItem);
  const TPhasorArray entries = Form->PhasorList;
  Form->PlayBtn->click();

  ChooseHighestHarmonic(*Form, 0);
  QCOMPARE(Form->HighestHarmonic, 0);
  QCOMPARE(Form->ReconWave[0], 0.1875);
  // Harmonic 0 alone is a constant: every sample byte is 128 + trunc(40 * 0.1875).
  const QByteArray dcTone = Sound->Log->Looping.mid(HeaderBytes);
  QVERIFY(!dcTone.isEmpty());
  QCOMPARE(dcTone.count(char(135)), dcTone.size());
  QVERIFY(SameEntries(Form->PhasorList, entries));
  VerifyPlaying(0);

  ChooseHighestHarmonic(*Form, 25);
  QCOMPARE(Form->HighestHarmonic, 25);
  QVERIFY(Form->ReconWave[0] > 0.7);
  QVERIFY(Sound->Log->Looping.mid(HeaderBytes) != dcTone);
  QVERIFY(SameEntries(Form->PhasorList, entries));
  VerifyPlaying(0);
}

void TestPlayback::TimerTicksArrive()
{
  QCOMPARE(Form->SimulationTimer->timerType(), Qt::PreciseTimer);
  Form->PlayBtn->click();
  QTRY_VERIFY_WITH_TIMEOUT(Form->TimeTrackBar->value() >= 3, 5000);
  Form->StopBtn->click();
  const int stoppedAt = Form->TimeTrackBar->value();
  QTest::qWait(50);
  QCOMPARE(Form->TimeTrackBar->value(), stoppedAt);
  VerifyIdle(1);
}

// Whichever way Play or Stop is pressed, the keyboard focus lands on the button
// now in front, so Space toggles the animation; Tab passes over the one behind.
void TestPlayback::FocusFollowsTheButtonInFront()
{
  Form->show();
  Form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));

  QTest::mouseClick(Form->PlayBtn, Qt::LeftButton);
  VerifyPlaying(1);
  QVERIFY(Form->StopBtn->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QTRY_VERIFY(!Form->SimulationTimer->isActive());
  VerifyIdle(1);
  QVERIFY(Form->PlayBtn->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QTRY_VERIFY(Form->SimulationTimer->isActive());
  QVERIFY(Form->StopBtn->hasFocus());

  // The accelerator moves the focus too, from wherever it was.
  Form->TimeTrackBar->setFocus();
  QTest::keyClick(Form.get(), Qt::Key_S, Qt::AltModifier);
  QTRY_VERIFY(Form->PlayBtn->hasFocus());
  VerifyIdle(1);

  // Tab from the control before the hidden Stop goes on past it.
  Form->ClearBtn->setFocus();
  QTest::keyClick(Form->ClearBtn, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), Form->WaveformComboBox);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), Form->ClearBtn);
}

void TestPlayback::WheelNeedsFocus_data()
{
  QTest::addColumn<bool>("focused");
  QTest::newRow("passing over") << false;
  QTest::newRow("focused") << true;
}

// A wheel turned over "Waveform" while the mouse only passes by must not throw
// away the placed phasors; with the drop-down focused it chooses as usual.
void TestPlayback::WheelNeedsFocus()
{
  QFETCH(bool, focused);
  Form->show();
  Form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  QTest::mouseClick(Form->PhasorImage, Qt::LeftButton, Qt::NoModifier, QPoint(188, 125));
  QCOMPARE(Form->HarmonicIndex, 2);
  (focused ? static_cast<QWidget *>(Form->WaveformComboBox) : Form->TimeTrackBar)->setFocus();

  QComboBox *box = Form->WaveformComboBox;
  const QPointF at = QRectF(box->rect()).center();
  QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &wheel);

  QCOMPARE(box->currentIndex(), focused ? 1 : 0);
  QCOMPARE(Form->HarmonicIndex, focused ? 0 : 2);
  QCOMPARE(Form->EditMode, focused ? 2 : 1);
}

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
