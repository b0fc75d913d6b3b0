#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "MySoundUnit.h"
#include "NullSinkRecorder.h"
#include "SoundService.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

// Faults of the sound server met by the real main window and the real sound
// service: no server at start, the server killed while the loop plays and
// started again, Sound On toggled as fast as events come, and the window
// closed while the loop plays. The test runs a PulseAudio server of its own
// (a null sink named "rec", as scripts/with-null-sink makes), so it can kill
// and restart it without disturbing anything else; it never touches any other
// server.

namespace {

// Makes the test executable run the window against the sound server named in
// its environment; see NoServerAtStart.
const char WithoutServerArgument[] = "--window-without-server";

constexpr int SquareItem = 2;
constexpr int TriangleItem = 5;

// A tone of the square preset reads a peak of several thousand at 16 bits;
// silence reads 0.
constexpr int TonePeak = 1000;
constexpr int QuietPeak = 100;

// Longest a user action may keep the user-interface thread while the server
// is gone, and longest closing a window may take: the service gives its audio
// thread 3 s to finish before it leaves it behind.
constexpr int ActionLimitMs = 1000;
constexpr int CloseLimitMs = 4000;

// The service retries every 2 s on its own while the loop is wanted.
constexpr int RetryMs = 2000;
constexpr int ReturnLimitMs = RetryMs + 1500;

// A PulseAudio server private to this test, in a temporary directory.
class TPrivateServer {
public:
  // Empty when started; otherwise why not.
  QString Start()
  {
    for (const char *tool : {"pulseaudio", "pactl", "parec"}) {
      if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
        return QStringLiteral("%1 is not installed (Debian packages pulseaudio, pulseaudio-utils)")
            .arg(QString::fromLatin1(tool));
    }
    if (!Dir.isValid())
      return QStringLiteral("no temporary directory");
    for (const char *sub : {"runtime", "config", "state"})
      QDir(Dir.path()).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(Dir.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), Dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Dir.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), RuntimePath());
    environment.insert(QStringLiteral("PULSE_STATE_PATH"), Dir.filePath(QStringLiteral("state")));
    QProcess daemon;
    daemon.setProcessEnvironment(environment);
    daemon.start(QStringLiteral("pulseaudio"),
                 {QStringLiteral("-n"), QStringLiteral("--daemonize=yes"),
                  QStringLiteral("--use-pid-file=yes"), QStringLiteral("--exit-idle-time=-1"),
                  QStringLiteral("--realtime=yes"), QStringLiteral("--high-priority=yes"),
                  QStringLiteral("--log-target=file:%1").arg(Dir.filePath(QStringLiteral("log"))),
                  QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=rec"),
                  QStringLiteral("-L"),
                  QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1")
                      .arg(SocketPath())});
    if (!daemon.waitForFinished(20000)) {
      daemon.kill();
      return QStringLiteral("pulseaudio does not start");
    }
    if (daemon.exitCode() != 0)
      return QStringLiteral("pulseaudio exited with status %1").arg(daemon.exitCode());
    QFile pidFile(RuntimePath() + QStringLiteral("/pid"));
    if (pidFile.open(QIODevice::ReadOnly))
      Pid = pidFile.readAll().trimmed().toLongLong();
    for (int i = 0; i < 50; ++i) {
      if (Pactl({QStringLiteral("info")}))
        return QString();
      QTest::qWait(100);
    }
    return QStringLiteral("the server does not answer on %1").arg(SocketPath());
  }

  // Ends the server at once, as a crash would: no goodbye to its clients.
  void Kill()
  {
    if (Pid > 0) {
      ::kill(pid_t(Pid), SIGKILL);
      for (int i = 0; i < 100 && ::kill(pid_t(Pid), 0) == 0; ++i)
        QTest::qWait(20);
    }
    Pid = 0;
  }

  void Stop()
  {
    if (Pid > 0 && !Pactl({QStringLiteral("exit")}))
      Kill();
    for (int i = 0; i < 100 && Pid > 0 && ::kill(pid_t(Pid), 0) == 0; ++i)
      QTest::qWait(20);
    Pid = 0;
  }

  QString Address() const { return QStringLiteral("unix:") + SocketPath(); }

  // The playback streams the server holds.
  int StreamCount()
  {
    QString out;
    if (!Pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")},
               &out))
      return -1;
    return int(out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
  }

  // Peak magnitude of what the null sink plays during ms milliseconds, taken
  // once the recorder delivers data (the idle sink may hold it back for up to
  // 2 s); -1 when nothing could be recorded.
  int RecordPeak(int ms)
  {
    const QList<qint16> samples = Record(ms);
    return samples.isEmpty() ? -1 : ToneAnalysis::PeakAbs(samples);
  }

  // What the null sink plays from the recorder's first data until ms later.
  // wake: a suspension ends a fresh sink's blocks of 2 s, which hide an onset.
  QList<qint16> Record(int ms, bool wake = false)
  {
    QProcess parec;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), Address());
    parec.setProcessEnvironment(environment);
    parec.start(QStringLiteral("parec"),
                {QStringLiteral("-d"), QStringLiteral("rec.monitor"),
                 QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                 QStringLiteral("--channels=1"), QStringLiteral("--raw"),
                 QStringLiteral("--latency-msec=20")});
    if (!parec.waitForStarted(5000))
      return {};
    if (wake) {
      QTest::qWait(100);
      Pactl({QStringLiteral("suspend-sink"), QStringLiteral("rec"), QStringLiteral("1")});
      Pactl({QStringLiteral("suspend-sink"), QStringLiteral("rec"), QStringLiteral("0")});
    }
    QByteArray raw;
    for (int waited = 0; raw.isEmpty() && waited < 4000; waited += 10) {
      QTest::qWait(10);
      raw += parec.readAllStandardOutput();
    }
    QList<qint16> samples;
    if (!raw.isEmpty()) {
      QTest::qWait(ms);
      raw += parec.readAllStandardOutput();
      for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        samples << qFromLittleEndian<qint16>(raw.constData() + i);
    }
    parec.terminate();
    if (!parec.waitForFinished(3000))
      parec.kill();
    return samples;
  }

private:
  QString SocketPath() const { return Dir.filePath(QStringLiteral("native")); }
  QString RuntimePath() const { return Dir.filePath(QStringLiteral("runtime/pulse")); }

  bool Pactl(const QStringList &arguments, QString *out = nullptr)
  {
    QProcess pactl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), Address());
    pactl.setProcessEnvironment(environment);
    pactl.start(QStringLiteral("pactl"), arguments);
    const bool ok = pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit
                    && pactl.exitCode() == 0;
    if (!ok)
      pactl.kill();
    if (out)
      *out = QString::fromUtf8(pactl.readAllStandardOutput());
    return ok;
  }

  QTemporaryDir Dir;
  qint64 Pid = 0;
};

// The window with Sound On and a preset loaded: the loop plays.
std::unique_ptr<TRotantsForm> PlayingWindow(int item = SquareItem)
{
  auto form = std::make_unique<TRotantsForm>();
  form->show();
  form->SoundCheckBox->click();
  ChooseWaveform(*form, item);
  return form;
}

// Lets the audio thread finish the requests made so far.
void SettleAudio(TRotantsForm &form)
{
  if (auto *service = dynamic_cast<TPulseSoundService *>(form.MySound->Service()))
    service->WaitForAudioThread(3000);
  QTest::qWait(300);
}

// Waits up to ms for the notice (warning icon, tool tip) to be shown or gone.
bool WaitForNotice(TRotantsForm &form, bool shown, int ms)
{
  const QString tip = shown ? QStringLiteral("No sound output available")
                           : TRotantsForm::SoundCheckBoxTip();
  return QTest::qWaitFor([&] {
    return form.SoundWarningIcon->isHidden() != shown && form.SoundCheckBox->toolTip() == tip;
  }, ms);
}

// Child side of NoServerAtStart: the window plays, draws and closes against
// the server in the environment, which does not exist. Exit status 0 when no
// message box appeared.
int RunWithoutServer(int argc, char **argv)
{
  QApplication app(argc, argv);
  TMessageBoxCatcher catcher;
  {
    TRotantsForm form;
    form.show();
    form.SoundCheckBox->click();
    ChooseWaveform(form, SquareItem);
    form.PlayBtn->click();
    QTest::qWait(300);
    ChooseHighestHarmonic(form, 3);
    form.SoundCheckBox->click();
    form.SoundCheckBox->click();
    ChooseWaveform(form, TriangleItem);
    QTest::qWait(100);
    form.close();
  }
  QTest::qWait(50);
  return catcher.Messages.isEmpty() ? 0 : 3;
}

}  // namespace

class TestAudioFaults : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void cleanupTestCase();

  void NoServerAtStart();
  void ServerStartedLater();
  void ServerKilledWhileLooping();
  void RapidSoundToggles();
  void CloseWhileLooping();
  void ServerGoneForGood();

private:
  void RequireServer();

  TPrivateServer Server;
  QString ServerMissing;  // why the server-side tests skip; empty when it runs
};

// Every stream the sound service opens goes to the server named here.
void TestAudioFaults::initTestCase()
{
  ServerMissing = Server.Start();
  if (ServerMissing.isEmpty())
    qputenv("PULSE_SERVER", Server.Address().toLocal8Bit());
}

void TestAudioFaults::cleanupTestCase()
{
  Server.Stop();
}

void TestAudioFaults::RequireServer()
{
  if (!ServerMissing.isEmpty())
    QSKIP(qPrintable(QStringLiteral("no private PulseAudio server: ") + ServerMissing));
}

// Without any sound server the window plays on in silence: no dialog, no
// hang, no crash, and nothing about audio on its error output.
void TestAudioFaults::NoServerAtStart()
{
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  QProcessEnvironment environment = NullSink::WithoutServer(dir.path());
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  QProcess child;
  child.setProcessEnvironment(environment);
  QElapsedTimer clock;
  clock.start();
  child.start(QCoreApplication::applicationFilePath(),
              {QString::fromLatin1(WithoutServerArgument)});
  QVERIFY(child.waitForStarted(10000));
  const bool finished = child.waitForFinished(60000);
  if (!finished)
    child.kill();
  QVERIFY2(finished, "the window hangs without a sound server");
  const QString messages = QString::fromLocal8Bit(child.readAllStandardError());
  QVERIFY2(child.exitStatus() == QProcess::NormalExit, qPrintable(messages));
  QVERIFY2(child.exitCode() != 3, "a message box appeared");
  QVERIFY2(child.exitCode() == 0, qPrintable(messages));
  qInfo("without a sound server: %lld ms, messages: %s", qint64(clock.elapsed()),
        qPrintable(messages.trimmed()));
  for (const char *noise : {"pulse", "Pulse", "Sanitizer"})
    QVERIFY2(!messages.contains(QString::fromLatin1(noise)), qPrintable(messages));
}

// Sound On clicked hundreds of times as fast as events come, then at a human
// pace: each click returns at once, and the last state wins: the tone plays
// after an odd number of clicks and is silent after an even one.
void TestAudioFaults::RapidSoundToggles()
{
  RequireServer();
  auto form = PlayingWindow();
  SettleAudio(*form);
  QVERIFY2(Server.RecordPeak(300) > TonePeak, "the loop does not play");

  QElapsedTimer clock;
  clock.start();
  qint64 slowest = 0;
  for (int i = 0; i < 400; ++i) {
    QElapsedTimer one;
    one.start();
    form->SoundCheckBox->click();
    slowest = std::max(slowest, one.elapsed());
    if (i % 50 == 49)
      QTest::qWait(1 + i % 7);
  }
  for (int i = 0; i < 21; ++i) {
    form->SoundCheckBox->click();
    QTest::qWait(15);
  }
  qInfo("421 Sound On clicks in %lld ms, slowest %lld ms", qint64(clock.elapsed()), slowest);
  QVERIFY(slowest < ActionLimitMs);
  QVERIFY(!form->SoundCheckBox->isChecked());
  SettleAudio(*form);
  QVERIFY(Server.RecordPeak(300) <= QuietPeak);

  form->SoundCheckBox->click();
  SettleAudio(*form);
  QVERIFY2(Server.RecordPeak(300) > TonePeak, "the last click did not restart the loop");
  QVERIFY(Server.StreamCount() <= 1);
}

// Closing the window stops the loop at once, and destroying it closes the
// stream.
void TestAudioFaults::CloseWhileLooping()
{
  RequireServer();
  auto form = PlayingWindow();
  SettleAudio(*form);
  QVERIFY2(Server.RecordPeak(300) > TonePeak, "the loop does not play");

  form->close();
  SettleAudio(*form);
  QVERIFY(Server.RecordPeak(300) <= QuietPeak);

  QElapsedTimer clock;
  clock.start();
  form.reset();
  QVERIFY(clock.elapsed() < CloseLimitMs);
  QTest::qWait(200);
  QCOMPARE(Server.StreamCount(), 0);
}

namespace {

// A round of user actions, each of which must return within ActionLimitMs.
void VerifyPrompt(TRotantsForm &form)
{
  const std::pair<const char *, std::function<void()>> actions[] = {
    {"a waveform choice", [&] { ChooseWaveform(form, TriangleItem); }},
    {"Sound Off", [&] { form.SoundCheckBox->click(); }},
    {"Sound On", [&] { form.SoundCheckBox->click(); }},
    {"a highest-harmonic choice", [&] { ChooseHighestHarmonic(form, 7); }},
    {"Play", [&] { form.PlayBtn->click(); }},
    {"ten ticks", [&] { for (int i = 0; i < 10; ++i) form.SimulationTimerTimer(); }},
    {"Stop", [&] { form.StopBtn->click(); }},
  };
  QElapsedTimer clock;
  for (const auto &[what, action] : actions) {
    clock.restart();
    action();
    const qint64 ms = clock.elapsed();
    QVERIFY2(ms < ActionLimitMs, qPrintable(QStringLiteral("%1 took %2 ms").arg(what).arg(ms)));
  }
  QCOMPARE(form.TimeTrackBar->value(), 10);
  QVERIFY(!QApplication::activeModalWidget());
}

}  // namespace

// No server at Sound On: the notice shows, clear of every other control;
// once a server appears the next play request is heard and the notice goes.
void TestAudioFaults::ServerStartedLater()
{
  RequireServer();
  Server.Stop();
  auto form = PlayingWindow();
  QVERIFY2(WaitForNotice(*form, true, ActionLimitMs), "no notice without a server");
  const QRect icon = form->SoundWarningIcon->geometry();
  QWidget *box = form->SoundWarningIcon->parentWidget();
  QVERIFY(box->objectName() == "TimeOptionsGroupBox" && box->rect().contains(icon));
  for (QWidget *other : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
    QVERIFY(other == form->SoundWarningIcon || !other->geometry().intersects(icon));
  // Sound Off takes the notice away; Sound On, still without a server, brings it back.
  form->SoundCheckBox->click();
  QVERIFY(WaitForNotice(*form, false, 0));
  form->SoundCheckBox->click();
  QVERIFY2(WaitForNotice(*form, true, ActionLimitMs), "no notice at Sound On again");
  QVERIFY(Server.Start().isEmpty());
  QElapsedTimer clock;
  clock.start();
  ChooseWaveform(*form, TriangleItem);
  QVERIFY2(WaitForNotice(*form, false, ActionLimitMs), "the notice stays with a server");
  qInfo("heard %lld ms after the play request that found the server", qint64(clock.elapsed()));
  QVERIFY2(Server.RecordPeak(300) > TonePeak, "the loop does not play");
}

// The server dies while the loop plays and is back 10 s later, Sound On left
// checked: the notice shows, the window goes on without delay, and then the
// tone is heard within one retry, fading in without a click.
void TestAudioFaults::ServerKilledWhileLooping()
{
  RequireServer();
  auto form = PlayingWindow();
  SettleAudio(*form);
  QVERIFY2(Server.RecordPeak(300) > TonePeak, "the loop does not play");
  auto *service = dynamic_cast<TPulseSoundService *>(form->MySound->Service());

  QElapsedTimer outage;
  outage.start();
  Server.Kill();
  QVERIFY2(WaitForNotice(*form, true, ActionLimitMs), "no notice after the server died");
  form->TimeTrackBar->setValue(0);
  VerifyPrompt(*form);
  if (QTest::currentTestFailed())
    return;

  // Back just after one of the service's own attempts: the next finds the recorder.
  QTest::qWait(10000 - int(outage.elapsed()));
  const int attempts = service->OpenAttemptCount();
  QVERIFY(QTest::qWaitFor([&] { return service->OpenAttemptCount() != attempts; }, 2 * RetryMs));
  QVERIFY(WaitForNotice(*form, true, 0));
  const QString restarted = Server.Start();
  QVERIFY2(restarted.isEmpty(), qPrintable(restarted));
  QElapsedTimer clock;
  clock.start();
  qint64 backMs = -1;
  connect(form->MySound, &TMySound::OutputReport, this,
          [&](bool on) { backMs = on ? clock.elapsed() : backMs; });
  const QList<qint16> recording = Server.Record(ReturnLimitMs, true);
  const int step = ToneAnalysis::EdgeStep(recording, false);
  qInfo("server down %lld ms; heard again %lld ms after it came back; step at the onset %d",
        qint64(outage.elapsed() - clock.elapsed()), backMs, step);
  QVERIFY2(ToneAnalysis::PeakAbs(recording) > TonePeak, "no sound after the server came back");
  QVERIFY(step >= 0 && step < 655);  // 0.02 of full scale
  QVERIFY(WaitForNotice(*form, false, 0));

  clock.restart();
  form->close();
  form.reset();
  QVERIFY(clock.elapsed() < CloseLimitMs);
}

// The server stays away past the service's next attempt: the window stays
// silent but responsive, and windows open and close as quickly as ever.
void TestAudioFaults::ServerGoneForGood()
{
  RequireServer();
  auto form = PlayingWindow();
  SettleAudio(*form);
  Server.Kill();
  QTest::qWait(RetryMs + 500);
  form->TimeTrackBar->setValue(0);
  VerifyPrompt(*form);
  if (QTest::currentTestFailed())
    return;

  QElapsedTimer clock;
  for (int i = 0; i < 3; ++i) {
    auto other = PlayingWindow(i % 2 ? SquareItem : TriangleItem);
    SettleAudio(*other);
    clock.restart();
    other->close();
    other.reset();
    QVERIFY(clock.elapsed() < CloseLimitMs);
  }
  clock.restart();
  form->close();
  form.reset();
  QVERIFY(clock.elapsed() < CloseLimitMs);
}

int main(int argc, char **argv)
{
  if (argc > 1 && std::strcmp(argv[1], WithoutServerArgument) == 0)
    return RunWithoutServer(argc, argv);
  QApplication app(argc, argv);
  TestAudioFaults test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_audiofaults.moc"
