#include "MainForm.h"
#include "MySoundUnit.h"
#include "NullSinkRecorder.h"
#include "RecordingSoundService.h"
#include "SoundService.h"
#include "ToneSynthesis.h"
#include "WindowDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

#include <memory>
#include <utility>

namespace {

constexpr int SquareItem = 2;
constexpr int CustomTimeItem = 1;
constexpr int SettleMs = 400;

// Forwards to the PulseAudio service and times every request on the
// user-interface thread.
class TTimedQtSoundService final : public TSoundService {
public:
  void PlayLoopImage(const QByteArray &image) override
  {
    QElapsedTimer clock;
    clock.start();
    Real.PlayLoopImage(image);
    PlayNanoseconds << clock.nsecsElapsed();
  }

  void Stop() override { Real.Stop(); }

  TPulseSoundService Real;
  QList<qint64> PlayNanoseconds;
};

// A service no output takes. Like the PulseAudio service without a server,
// it says so once, at the first play request, and not at every later one.
class TNoOutputSoundService final : public TSoundService {
public:
  void PlayLoopImage(const QByteArray &) override
  {
    if (Listener)
      std::exchange(Listener, nullptr)(false);
  }
  void Stop() override {}
  void SetOutputListener(TOutputListener listener) override { Listener = std::move(listener); }

private:
  TOutputListener Listener;
};

// The bytes of the window's entries as they stand.
QByteArray ToneOfEntries(const TRotantsForm &form)
{
  QByteArray tone(ToneBytes, '\0');
  ToneSynthesis::SynthesizeToneBytes(form.PhasorList, form.HighestHarmonic,
                                     reinterpret_cast<std::uint8_t *>(tone.data()));
  return tone;
}

}  // namespace

class TestMainSound : public QObject {
  Q_OBJECT

private slots:
  void SquareWithSoundOnSwitchesImages();
  void SoundOnReplaysLastSynthesis();
  void SquareThroughRealOutput();
  void ToneStandsWhenHighestChosenAgain_data();
  void ToneStandsWhenHighestChosenAgain();
  void NoOutputNoticeFollowsSoundOn_data();
  void NoOutputNoticeFollowsSoundOn();
};

// Choosing "Square" with Sound On stops the loop once, then plays once: the
// tone of the entries as they finally stand, after all 26 are loaded and
// doubled, never a partial sum on the way.
void TestMainSound::SquareWithSoundOnSwitchesImages()
{
  TRecordingSoundScope sound;
  TRotantsForm form;
  sound.Log->Events.clear();
  form.SoundCheckBox->click();
  QCOMPARE(sound.Log->Events, QStringList{"play"});
  QCOMPARE(sound.Log->Looping.mid(48), QByteArray(200, char(128)));

  sound.Log->Events.clear();
  sound.Log->Images.clear();
  ChooseWaveform(form, SquareItem);

  QCOMPARE(sound.Log->Events, (QStringList{"stop", "play"}));
  QCOMPARE(sound.Log->Images.size(), 1);
  QCOMPARE(sound.Log->Images[0].size(), 248);

  const QByteArray tone = sound.Log->Looping.mid(48);
  QCOMPARE(tone, ToneOfEntries(form));
  // A square of +-0.5 at 40 steps per unit, with the ripple of 25 harmonics:
  // high for the first and last quarter of the period, low in between.
  for (int i = 0; i < ToneFrames; ++i) {
    const int b = quint8(tone[2 * i]);
    QCOMPARE(quint8(tone[2 * i + 1]), quint8(b));
    if ((i >= 4 && i <= 21) || (i >= 79 && i <= 96))
      QVERIFY2(b >= 145 && b <= 151, qPrintable(QStringLiteral("frame %1: %2").arg(i).arg(b)));
    else if (i >= 29 && i <= 71)
      QVERIFY2(b >= 105 && b <= 111, qPrintable(QStringLiteral("frame %1: %2").arg(i).arg(b)));
  }
}

// Sound On replays the buffer of the last synthesis: after "Custom Time" has
// stopped a preset's tone and cleared the entries, unchecking and checking
// Sound On plays the preset's tone again.
void TestMainSound::SoundOnReplaysLastSynthesis()
{
  TRecordingSoundScope sound;
  TRotantsForm form;
  form.SoundCheckBox->click();
  ChooseWaveform(form, SquareItem);
  const QByteArray square = sound.Log->Looping;

  ChooseWaveform(form, CustomTimeItem);
  QVERIFY(sound.Log->Looping.isEmpty());
  QCOMPARE(sound.Log->Events.last(), QString("stop"));

  form.SoundCheckBox->click();
  QVERIFY(!form.SoundCheckBox->isChecked());
  QVERIFY(sound.Log->Looping.isEmpty());
  form.SoundCheckBox->click();
  QCOMPARE(sound.Log->Looping, square);
}

// The whole road on the real output: Sound On, "Square", highest-harmonic
// choices while it plays, Sound Off, Sound On and closing the window.
void TestMainSound::SquareThroughRealOutput()
{
  const QString reason = NullSink::Unavailable();
  if (!reason.isEmpty())
    QSKIP(qPrintable(reason));

  TTimedQtSoundService *timed = nullptr;
  TMySound::SetServiceFactory([&timed] {
    auto service = std::make_unique<TTimedQtSoundService>();
    timed = service.get();
    return service;
  });
  auto form = std::make_unique<TRotantsForm>();
  TMySound::SetServiceFactory(nullptr);
  QVERIFY(timed != nullptr);
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form.get()));

  form->SoundCheckBox->click();
  QTest::qWait(SettleMs);
  QCOMPARE(timed->Real.StreamOpenCount(), 1);
  timed->PlayNanoseconds.clear();
  ChooseWaveform(*form, SquareItem);
  QCOMPARE(timed->PlayNanoseconds.size(), 1);
  qInfo("Square with Sound On: one play request, %.1f us",
        timed->PlayNanoseconds.first() / 1000.0);

  QTest::qWait(SettleMs);
  QVERIFY(timed->Real.WaitForAudioThread(5000));
  // The stream stays open unless the choice's stop reached the writer alone.
  QVERIFY(timed->Real.StreamOpenCount() <= 2);
  QCOMPARE(NullSink::SinkInputs().size(), 1);

  const QList<qint16> square = NullSink::Record(1000);
  const double strongest = ToneAnalysis::StrongestFrequency(square, 50, 5000);
  QVERIFY2(std::abs(strongest - 441.0) <= 2.0, qPrintable(QString::number(strongest)));
  const double first = ToneAnalysis::Amplitude(square, 441.0);
  const double third = ToneAnalysis::Amplitude(square, 1323.0) / first;
  const double fifth = ToneAnalysis::Amplitude(square, 2205.0) / first;
  const double second = ToneAnalysis::Amplitude(square, 882.0) / first;
  const QString figures = QStringLiteral("1st %1, 3rd/1st %2, 5th/1st %3, 2nd/1st %4")
                              .arg(first).arg(third).arg(fifth).arg(second);
  QVERIFY2(first > 2000, qPrintable(figures));
  QVERIFY2(third > 0.25 && third < 0.42, qPrintable(figures));
  QVERIFY2(fifth > 0.12 && fifth < 0.28, qPrintable(figures));
  QVERIFY2(second < 0.05, qPrintable(figures));

  // Highest-harmonic choices re-synthesise while the loop plays and redraw
  // both plots on this thread; the output must not drop out meanwhile.
  QTimer chooser;
  int choice = 0;
  connect(&chooser, &QTimer::timeout, this, [&] {
    ChooseHighestHarmonic(*form, 25 - 2 * (++choice % 6));
  });
  chooser.start(20);
  const QList<qint16> during = NullSink::RecordSteady(800);
  chooser.stop();
  qInfo("%d highest-harmonic choices during the recording", choice);
  QVERIFY(choice > 10);
  QVERIFY2(ToneAnalysis::LongestQuietRun(during, 300) < 5,
           qPrintable(QString::number(ToneAnalysis::LongestQuietRun(during, 300))));
  QVERIFY(timed->Real.StreamOpenCount() <= 2);

  form->SoundCheckBox->click();
  QVERIFY(timed->Real.WaitForAudioThread(1000));
  QTest::qWait(50);
  QCOMPARE(NullSink::RecordPeak(400), 0);

  form->SoundCheckBox->click();
  QTest::qWait(SettleMs);
  QVERIFY(NullSink::RecordPeak(300) > 2000);

  QVERIFY(form->close());
  QVERIFY(timed->Real.WaitForAudioThread(1000));
  QTest::qWait(50);
  QCOMPARE(NullSink::RecordPeak(400), 0);
  QVERIFY(NullSink::SinkInputs().isEmpty());
  form.reset();
}

void TestMainSound::ToneStandsWhenHighestChosenAgain_data()
{
  QTest::addColumn<bool>("drawing");
  QTest::newRow("square") << false;
  QTest::newRow("freehand stroke") << true;
}

// The tone that plays after a waveform choice or a finished stroke is the one
// of the entries as they stand: choosing the same highest harmonic again, which
// synthesises afresh, plays exactly the same bytes.
void TestMainSound::ToneStandsWhenHighestChosenAgain()
{
  QFETCH(bool, drawing);
  TRecordingSoundScope sound;
  TRotantsForm form;
  form.SoundCheckBox->click();
  if (drawing) {
    ChooseWaveform(form, CustomTimeItem);
    form.TimeImageMouseDown(Qt::LeftButton, Qt::NoModifier, 0, 60);
    form.TimeImageMouseMove(Qt::NoModifier, 255, 200);
    form.TimeImageMouseUp(Qt::LeftButton, Qt::NoModifier, 255, 200);
  } else {
    ChooseWaveform(form, SquareItem);
  }
  const QByteArray playing = sound.Log->Looping;
  QCOMPARE(playing.mid(48), ToneOfEntries(form));

  ChooseHighestHarmonic(form, 25);
  QCOMPARE(sound.Log->Looping, playing);
}

void TestMainSound::NoOutputNoticeFollowsSoundOn_data()
{
  QTest::addColumn<QStringList>("actions");
  QTest::addColumn<bool>("shown");
  QTest::newRow("sound on") << QStringList{"sound"} << true;
  QTest::newRow("square") << QStringList{"sound", "square"} << true;
  QTest::newRow("sound off") << QStringList{"sound", "sound"} << false;
  QTest::newRow("sound on again") << QStringList{"sound", "sound", "sound"} << true;
  QTest::newRow("file new") << QStringList{"sound", "square", "new"} << false;
  QTest::newRow("sound on after new") << QStringList{"sound", "new", "sound"} << true;
}

// The warning sign and its tool tip show while Sound On is checked and no
// output takes the tone, and only then.
void TestMainSound::NoOutputNoticeFollowsSoundOn()
{
  QFETCH(QStringList, actions);
  QFETCH(bool, shown);
  TMySound::SetServiceFactory([] { return std::make_unique<TNoOutputSoundService>(); });
  TRotantsForm form;
  TMySound::SetServiceFactory(nullptr);
  form.show();
  for (const QString &action : actions) {
    if (action == "sound")
      form.SoundCheckBox->click();
    else if (action == "square")
      ChooseWaveform(form, SquareItem);
    else
      form.FileNew->trigger();
    QCoreApplication::processEvents();
  }
  QCOMPARE(form.SoundCheckBox->isChecked(), shown);
  QCOMPARE(form.SoundWarningIcon->isVisible(), shown);
  QCOMPARE(form.SoundCheckBox->toolTip(),
           shown ? TRotantsForm::NoSoundOutputText() : TRotantsForm::SoundCheckBoxTip());
}

QTEST_MAIN(TestMainSound)
#include "tst_mainsound.moc"
