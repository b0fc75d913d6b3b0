#include "NullSinkRecorder.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// Output of a pactl call, or an empty string with ok false.
QString Pactl(const QStringList &arguments, bool *ok)
{
  QProcess pactl;
  pactl.start(QStringLiteral("pactl"), arguments);
  *ok = pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit
        && pactl.exitCode() == 0;
  if (!*ok)
    pactl.kill();
  return QString::fromUtf8(pactl.readAllStandardOutput());
}

}  // namespace

namespace NullSink {

QString Unavailable()
{
  for (const char *tool : {"pactl", "parec"}) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
      return QStringLiteral("%1 is not installed (Debian package pulseaudio-utils)")
          .arg(QString::fromLatin1(tool));
  }
  if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
    return QStringLiteral("no private PulseAudio server: run the tests under scripts/with-null-sink");
  bool ok = false;
  const QString sink = Pactl({QStringLiteral("get-default-sink")}, &ok).trimmed();
  if (!ok)
    return QStringLiteral("the PulseAudio server at %1 does not answer")
        .arg(qEnvironmentVariable("PULSE_SERVER"));
  if (sink != QStringLiteral("rec"))
    return QStringLiteral("the default sink is \"%1\", not the null sink \"rec\"").arg(sink);

  // Test executables that share the server (ctest -j) take turns: each holds
  // the lock from its first audio test until it exits, so none hears the
  // others' tones.
  static std::unique_ptr<QLockFile> turn;
  const QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH");
  if (!turn && !runtime.isEmpty()) {
    auto lock = std::make_unique<QLockFile>(runtime + QStringLiteral("/rotants-audio-tests.lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(300000))
      return QStringLiteral("another test executable holds the null sink for over 5 minutes");
    turn = std::move(lock);
  }
  return QString();
}

namespace {

// One parec process that records the monitor of "rec" from the first
// recording until the application ends. While a recorder asks for 20 ms
// fragments the null sink renders in 20 ms blocks; a recorder started afresh
// would wait for the sink's idle block of up to 2 s before its first data.
class TMonitorRecorder : public QObject {
public:
  explicit TMonitorRecorder(QObject *parent) : QObject(parent)
  {
    connect(&Parec, &QProcess::readyReadStandardOutput, this,
            [this] { Raw += Parec.readAllStandardOutput(); });
    Parec.start(QStringLiteral("parec"),
                {QStringLiteral("-d"), QStringLiteral("rec.monitor"),
                 QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(RecordRate),
                 QStringLiteral("--channels=1"), QStringLiteral("--raw"),
                 QStringLiteral("--latency-msec=20")});
    if (!Parec.waitForStarted(5000))
      return;
    for (int waited = 0; Raw.isEmpty() && waited < 5000; waited += 10)
      QTest::qWait(10);
    Flowing = !Raw.isEmpty();
  }

  ~TMonitorRecorder() override
  {
    Parec.terminate();
    if (!Parec.waitForFinished(3000))
      Parec.kill();
  }

  bool Running() const { return Flowing && Parec.state() == QProcess::Running; }

  QList<qint16> Record(int ms)
  {
    const qsizetype from = (Raw.size() + 1) / 2 * 2;
    QTest::qWait(ms);
    const qsizetype to = Raw.size() / 2 * 2;
    QList<qint16> samples(std::max<qsizetype>(to - from, 0) / 2);
    for (qsizetype i = 0; i < samples.size(); ++i)
      samples[i] = qFromLittleEndian<qint16>(Raw.constData() + from + 2 * i);
    // The samples before the window are of no further use.
    Raw.remove(0, to);
    return samples;
  }

private:
  QProcess Parec;
  QByteArray Raw;
  bool Flowing = false;  // data arrived, so the sink renders in short blocks
};

TMonitorRecorder *Recorder()
{
  static QPointer<TMonitorRecorder> recorder;
  if (!recorder)
    recorder = new TMonitorRecorder(QCoreApplication::instance());
  return recorder;
}

}  // namespace

QList<qint16> Record(int ms)
{
  TMonitorRecorder *recorder = Recorder();
  if (!recorder->Running())
    return {};
  return recorder->Record(ms);
}

QList<qint16> RecordSteady(int ms, int tries)
{
  QList<qint16> samples = Record(ms);
  for (int tried = 1; tried < tries && ToneAnalysis::LongestQuietRun(samples, 300) >= 5; ++tried) {
    qInfo("a dropout of %d samples in recording %d; recording again",
          ToneAnalysis::LongestQuietRun(samples, 300), tried);
    samples = Record(ms);
  }
  return samples;
}

int RecordPeak(int ms)
{
  const QList<qint16> samples = Record(ms);
  if (samples.size() < qint64(RecordRate) * ms / 1000 * 9 / 10)
    return -1;
  return ToneAnalysis::PeakAbs(samples);
}

QStringList SinkInputs()
{
  bool ok = false;
  const QString out = Pactl({QStringLiteral("list"), QStringLiteral("short"),
                             QStringLiteral("sink-inputs")}, &ok);
  return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QProcessEnvironment WithoutServer(const QString &directory)
{
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("PULSE_SERVER"),
                     QStringLiteral("unix:%1/no-such-socket").arg(directory));
  environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), directory);
  return environment;
}

}  // namespace NullSink

namespace ToneAnalysis {

namespace {

constexpr double Pi = 3.141592653589793;

std::vector<double> Windowed(const QList<qint16> &samples)
{
  const qsizetype n = samples.size();
  std::vector<double> out(size_t(n), 0.0);
  for (qsizetype i = 0; i < n; ++i)
    out[size_t(i)] = samples[i] * (0.5 - 0.5 * std::cos(2.0 * Pi * double(i) / double(n - 1)));
  return out;
}

// Goertzel recurrence over Hann-windowed samples; the window's mean of 1/2 is
// undone by the factor 4 / n instead of 2 / n.
double WindowedAmplitude(const std::vector<double> &windowed, double frequency)
{
  const double coefficient = 2.0 * std::cos(2.0 * Pi * frequency / NullSink::RecordRate);
  double s1 = 0.0;
  double s2 = 0.0;
  for (double x : windowed) {
    const double s0 = x + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
  return 4.0 * std::sqrt(std::max(power, 0.0)) / double(windowed.size());
}

}  // namespace

double Amplitude(const QList<qint16> &samples, double frequency)
{
  if (samples.size() < 2)
    return 0.0;
  return WindowedAmplitude(Windowed(samples), frequency);
}

double StrongestFrequency(const QList<qint16> &samples, double from, double to)
{
  if (samples.size() < 2)
    return 0.0;
  const std::vector<double> windowed = Windowed(samples);
  double best = from;
  double bestAmplitude = -1.0;
  for (double f = from; f <= to; f += 1.0) {
    const double a = WindowedAmplitude(windowed, f);
    if (a > bestAmplitude) {
      bestAmplitude = a;
      best = f;
    }
  }
  return best;
}

int PeakAbs(const QList<qint16> &samples)
{
  int peak = 0;
  for (qint16 s : samples)
    peak = std::max(peak, std::abs(int(s)));
  return peak;
}

int EdgeStep(const QList<qint16> &samples, bool atEnd)
{
  const qsizetype n = samples.size();
  qsizetype edge = atEnd ? n : 0;  // first loud sample, or one past the last
  while (atEnd ? edge > 0 && samples[edge - 1] == 0 : edge < n && samples[edge] == 0)
    edge += atEnd ? -1 : 1;
  int step = edge <= 0 || edge >= n ? -1 : 0;
  for (qsizetype i = std::max<qsizetype>(1, edge - (atEnd ? 44 : 0)); step >= 0 && i < n
       && i <= edge + (atEnd ? 0 : 44); ++i)
    step = std::max(step, std::abs(samples[i] - samples[i - 1]));
  return step;
}

int LongestQuietRun(const QList<qint16> &samples, int limit)
{
  int longest = 0;
  int run = 0;
  for (qint16 s : samples) {
    run = std::abs(int(s)) <= limit ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

}  // namespace ToneAnalysis
