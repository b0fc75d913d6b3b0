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

// Qt 6.4's PulseAudio backend tries to reconnect once, 3 s after it lost the
// server; when the server is not back by then it never tries again, and the
// process stays silent.
constexpr int QtRetryMs = 3000;

// Longest wait for the sound to come back once the server is up again.
constexpr int ReturnLimitMs = 15000;

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
                  QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
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
      return -1;
    QByteArray raw;
    for (int waited = 0; raw.isEmpty() && waited < 4000; waited += 10) {
      QTest::qWait(10);
      raw += parec.readAllStandardOutput();
    }
    int peak = -1;
    if (!raw.isEmpty()) {
      QTest::qWait(ms);
      raw = parec.readAllStandardOutput();
      peak = 0;
      for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(raw.constData() + i))));
    }
    parec.terminate();
    if (!parec.waitForFinished(3000))
      parec.kill();
    return peak;
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
  // First of the tests that play in this process; see ServerKilledWhileLooping.
  void ServerKilledWhileLooping();
  void RapidSoundToggles();
  void CloseWhileLooping();
  void ServerGoneForGood();

private:
  void RequireServer();

  TPrivateServer Server;
  QString ServerMissing;  // why the server-side tests skip; empty when it runs
};

// Qt Multimedia connects to the server named here at the first play request
// of the process, so the private server is named before anything plays.
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
  // Qt Multimedia notes the failed connection once; nothing else may
  // complain.
  for (const char *noise : {"QAudioSink", "No audio device", "Sanitizer"})
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

// The server dies while the loop plays and is started again a moment later,
// as a supervisor restarts a crashed server: meanwhile the window goes on
// without sound and without delay, and afterwards play requests are heard
// again.
//
// Qt's PulseAudio backend keeps its server connection on the thread of the
// first audio output the process opens, which here is the sound service's
// audio thread of the first window that plays, and it reconnects only while
// that thread runs. The program has one window for its whole life; so that
// this test meets the same situation, it is the first in this process to
// play.
void TestAudioFaults::ServerKilledWhileLooping()
{
  RequireServer();
  auto form = PlayingWindow();
  SettleAudio(*form);
  QVERIFY2(Server.RecordPeak(300) > TonePeak, "the loop does not play");

  QElapsedTimer outage;
  outage.start();
  Server.Kill();
  QTest::qWait(100);
  form->TimeTrackBar->setValue(0);
  VerifyPrompt(*form);
  if (QTest::currentTestFailed())
    return;

  const QString restarted = Server.Start();
  QVERIFY2(restarted.isEmpty(), qPrintable(restarted));
  const qint64 outageMs = outage.elapsed();
  qInfo("the server was down for %lld ms", outageMs);
  if (outageMs > QtRetryMs - 500)
    QSKIP("the server took too long to come back: Qt tries to reconnect only once");

  QElapsedTimer clock;
  clock.start();
  int peak = 0;
  int requests = 0;
  while (peak <= TonePeak && clock.elapsed() < ReturnLimitMs) {
    ChooseWaveform(*form, requests % 2 ? SquareItem : TriangleItem);
    ++requests;
    SettleAudio(*form);
    if (Server.StreamCount() > 0)
      peak = Server.RecordPeak(300);
  }
  qInfo("sound back %lld ms after the restart, at play request %d", qint64(clock.elapsed()),
        requests);
  QVERIFY2(peak > TonePeak, "no sound after the server came back");

  clock.restart();
  form->close();
  form.reset();
  QVERIFY(clock.elapsed() < CloseLimitMs);
}

// The server stays away past Qt's attempt to reconnect: the window stays
// silent but responsive, and windows open and close as quickly as ever.
void TestAudioFaults::ServerGoneForGood()
{
  RequireServer();
  auto form = PlayingWindow();
  SettleAudio(*form);
  Server.Kill();
  QTest::qWait(QtRetryMs + 1000);
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
