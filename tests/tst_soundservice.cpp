#include "HarmonicModel.h"
#include "LoopRenderer.h"
#include "MySoundUnit.h"
#include "NullSinkRecorder.h"
#include "SoundService.h"
#include "ToneSynthesis.h"

#include <QtEndian>
#include <QtTest>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <numeric>
#include <memory>
#include <optional>

namespace {

// Argument that makes the test executable play one tone against the sound
// server named in its environment, then exit; see PlaysSilentlyWithoutServer.
const char PlayOnceArgument[] = "--play-once";

// Time the stream needs after a play request before the tone is steady at
// the null sink's monitor; the sink buffers 100 ms.
constexpr int SettleMs = 400;

std::unique_ptr<TMySound> Player(const TPhasorArray &entries)
{
  auto sound = std::make_unique<TMySound>(nullptr, SoundFormat{2, 44100, 8});
  sound->AllocateBuffer(ToneFrames);
  ToneSynthesis::SynthesizeToneBytes(entries, 25, sound->Buffer);
  return sound;
}

void Resynthesize(TMySound &sound, const TPhasorArray &entries)
{
  ToneSynthesis::SynthesizeToneBytes(entries, 25, sound.Buffer);
}

TPhasorArray Harmonic(int k, double magnitude)
{
  TPhasorArray entries{};
  entries[k].Re = magnitude;
  return entries;
}

// The square wave as the main window loads it with one-sided amplitudes:
// entry k = 2 * 0.5 * sinc(k / 2).
TPhasorArray Square()
{
  TPhasorArray entries{};
  for (int k = 1; k < HarmonicCount; ++k)
    entries[k].Re = HarmonicMath::Sinc(k / 2.0);
  return entries;
}

TPulseSoundService &RealService(TMySound &sound)
{
  auto *service = dynamic_cast<TPulseSoundService *>(sound.Service());
  if (!service)
    qFatal("the player does not use the PulseAudio service");
  return *service;
}

QByteArray WaveImage(const QByteArray &fmtBody, const QByteArray &chunksBeforeData,
                     const QByteArray &data, quint32 declaredDataLength)
{
  QByteArray image("RIFF....WAVEfmt ");
  char length[4];
  qToLittleEndian(quint32(fmtBody.size()), length);
  image.append(length, 4).append(fmtBody).append(chunksBeforeData).append("data");
  qToLittleEndian(declaredDataLength, length);
  image.append(length, 4).append(data);
  qToLittleEndian(quint32(image.size() - 8), length);
  image.replace(4, 4, QByteArray(length, 4));
  return image;
}

QByteArray FormatBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int extra)
{
  QByteArray body(16 + extra, '\0');
  char *p = body.data();
  qToLittleEndian(tag, p);
  qToLittleEndian(channels, p + 2);
  qToLittleEndian(rate, p + 4);
  qToLittleEndian(quint32(rate * channels * bits / 8), p + 8);
  qToLittleEndian(quint16(channels * bits / 8), p + 12);
  qToLittleEndian(bits, p + 14);
  return body;
}

int ThreadCount()
{
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return -1;
  for (const QByteArray &line : status.readAll().split('\n')) {
    if (line.startsWith("Threads:"))
      return line.mid(8).trimmed().toInt();
  }
  return -1;
}

void Render(TLoopRenderer &renderer, std::vector<float> &out, int frames)
{
  out.resize(out.size() + std::size_t(frames * renderer.Channels()));
  renderer.Render(out.data() + out.size() - std::size_t(frames * renderer.Channels()), frames);
}

int PlayOnce()
{
  auto sound = Player(Harmonic(1, 1.0));
  sound->PlayLoop(true);
  QTest::qWait(300);
  sound->PlayLoop(true);
  QTest::qWait(100);
  sound->PlayLoop(false);
  sound.reset();
  return 0;
}

}  // namespace

class TestSoundService : public QObject {
  Q_OBJECT

private slots:
  void ParsesWaveImages_data();
  void ParsesWaveImages();
  void LoopRendererWrapsAndKeepsPhase();
  void LoopRendererFades();
  void NothingStartsBeforeFirstPlay();
  void PlaysSilentlyWithoutServer();

  void ToneReachesOutput_data();
  void ToneReachesOutput();
  void StopSilencesAtOnce();
  void RequestsWhileLoopingSwapWithoutReopening();
  void DestroyingServiceSilences();
  void StartAndStopWithoutClick();
};

void TestSoundService::ParsesWaveImages_data()
{
  QTest::addColumn<QByteArray>("image");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<int>("channels");
  QTest::addColumn<int>("rate");
  QTest::addColumn<int>("bits");
  QTest::addColumn<int>("samples");

  const QByteArray stereo8 = FormatBody(1, 2, 44100, 8, 4);
  const QByteArray data(200, char(128));
  QTest::newRow("image of the player") << WaveImage(stereo8, {}, data, 200) << true << 2 << 44100
                                       << 8 << 200;
  QTest::newRow("16-byte format chunk")
      << WaveImage(FormatBody(1, 1, 8000, 16, 0), {}, data, 200) << true << 1 << 8000 << 16
      << 200;
  QTest::newRow("other chunk before data, odd length padded")
      << WaveImage(stereo8, QByteArray("LIST\x03\0\0\0abc\0", 12), data, 200) << true << 2
      << 44100 << 8 << 200;
  QTest::newRow("data shorter than declared") << WaveImage(stereo8, {}, data.left(150), 200)
                                              << true << 2 << 44100 << 8 << 150;
  QTest::newRow("trailing half frame dropped") << WaveImage(stereo8, {}, data.left(151), 151)
                                               << true << 2 << 44100 << 8 << 150;
  QTest::newRow("empty data") << WaveImage(stereo8, {}, {}, 0) << false << 0 << 0 << 0 << 0;
  QTest::newRow("not integer PCM") << WaveImage(FormatBody(3, 2, 44100, 32, 0), {}, data, 200)
                                   << false << 0 << 0 << 0 << 0;
  QTest::newRow("12 bits") << WaveImage(FormatBody(1, 2, 44100, 12, 0), {}, data, 200) << false
                           << 0 << 0 << 0 << 0;
  QTest::newRow("format chunk cut short") << QByteArray("RIFF\x10\0\0\0WAVEfmt \x14\0\0\0\x01\0", 22)
                                          << false << 0 << 0 << 0 << 0;
  QTest::newRow("not RIFF") << QByteArray(248, 'x') << false << 0 << 0 << 0 << 0;
  QByteArray dataFirst = WaveImage(stereo8, {}, data, 200);
  dataFirst.replace(12, 4, "junk");
  QTest::newRow("no format chunk") << dataFirst << false << 0 << 0 << 0 << 0;
}

void TestSoundService::ParsesWaveImages()
{
  QFETCH(QByteArray, image);
  QFETCH(bool, valid);

  const std::optional<TWaveImage> wave = ParseWaveImage(image);
  QCOMPARE(wave.has_value(), valid);
  if (!valid)
    return;
  QFETCH(int, channels);
  QFETCH(int, rate);
  QFETCH(int, bits);
  QFETCH(int, samples);
  QCOMPARE(int(wave->Channels), channels);
  QCOMPARE(int(wave->SampleRate), rate);
  QCOMPARE(int(wave->BitsPerSample), bits);
  QCOMPARE(int(wave->Samples.size()), samples);
  QCOMPARE(int(FloatSamplesOf(wave->Samples.data(), samples, bits).size()), samples * 8 / bits);
}

// Renders of any size join to the block repeated without gap; a block handed
// over while it plays keeps the phase.
void TestSoundService::LoopRendererWrapsAndKeepsPhase()
{
  TLoopRenderer renderer(1, 1);
  std::vector<float> block(200), out;
  std::iota(block.begin(), block.end(), 0.0f);
  renderer.Play(block, false);
  for (int size : {1, 199, 7, 450, 1764, 3 + 6})
    Render(renderer, out, size);
  for (std::size_t i = 1; i < out.size(); ++i)
    QCOMPARE(out[i], float(i % 200));  // frame 0 went out at gain 0
  std::iota(block.begin(), block.end(), 1000.0f);  // 30 frames past the seam
  renderer.Play(block, false);
  Render(renderer, out, 1);
  QCOMPARE(out.back(), 1030.0f);
}

// A constant 0.19 (the worst case) fades in, out and in over a restart, and
// out, by at most 0.19 / fade per frame.
void TestSoundService::LoopRendererFades()
{
  const int fade = 220;
  TLoopRenderer renderer(2, fade);
  std::vector<float> out;
  renderer.Play(std::vector<float>(20, 0.19f), false);
  Render(renderer, out, fade + 3);
  QCOMPARE(out.back(), 0.19f);
  renderer.Stop();
  renderer.Play(std::vector<float>(20, -0.19f), true);
  Render(renderer, out, 2 * fade + 6);
  renderer.Stop();
  Render(renderer, out, fade + 3);
  QCOMPARE(out.back(), 0.0f);
  QVERIFY(renderer.Silent());
  for (std::size_t i = 1; i < out.size(); ++i)
    QVERIFY(std::abs(out[i] - out[i - 1]) <= 0.19f / fade + 1e-6f);
}

// Constructing the service, stopping it and destroying it touch nothing of
// the sound server: no writer thread and no sound-server threads appear.
void TestSoundService::NothingStartsBeforeFirstPlay()
{
  const int before = ThreadCount();
  if (before < 0)
    QSKIP("/proc/self/status is not readable here");
  {
    TMySound sound(nullptr, SoundFormat{2, 44100, 8});
    sound.AllocateBuffer(100);
    sound.PlayLoop(false);
    QCOMPARE(RealService(sound).StreamOpenCount(), 0);
    QCOMPARE(ThreadCount(), before);
  }
  QCOMPARE(ThreadCount(), before);
}

// Runs this executable with PlayOnceArgument against a sound server that does
// not exist: it must stay silent and quiet, neither hang nor crash.
void TestSoundService::PlaysSilentlyWithoutServer()
{
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  QProcessEnvironment environment = NullSink::WithoutServer(dir.path());

  QProcess child;
  child.setProcessEnvironment(environment);
  QElapsedTimer clock;
  clock.start();
  child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(PlayOnceArgument)});
  QVERIFY(child.waitForStarted(10000));
  const bool finished = child.waitForFinished(30000);
  if (!finished)
    child.kill();
  QVERIFY2(finished, "the player hangs without a sound server");
  QCOMPARE(child.exitStatus(), QProcess::NormalExit);
  QCOMPARE(child.exitCode(), 0);
  const QString messages = QString::fromLocal8Bit(child.readAllStandardError());
  qInfo("without a sound server: %lld ms, messages: %s", qint64(clock.elapsed()),
        messages.isEmpty() ? "none" : qPrintable(messages.trimmed()));
  QVERIFY2(!messages.contains(QStringLiteral("QAudioSink")), qPrintable(messages));
  QVERIFY2(!messages.contains(QStringLiteral("No audio device")), qPrintable(messages));
}

void TestSoundService::ToneReachesOutput_data()
{
  QTest::addColumn<TPhasorArray>("entries");
  QTest::addColumn<double>("fundamental");  // expected amplitude at 16 bits
  QTest::addColumn<double>("third");        // expected ratios to the fundamental
  QTest::addColumn<double>("fifth");

  // 40 steps of the 8-bit sample per unit read 40 * 256 at 16 bits.
  QTest::newRow("harmonic 1 alone") << Harmonic(1, 1.0) << 10240.0 << 0.0 << 0.0;
  // A square wave's odd harmonics fall as 1/k, its even ones vanish.
  QTest::newRow("square") << Square() << 10240.0 * 2 / HarmonicMath::Pi << 1 / 3.0 << 1 / 5.0;
}

void TestSoundService::ToneReachesOutput()
{
  const QString reason = NullSink::Unavailable();
  if (!reason.isEmpty())
    QSKIP(qPrintable(reason));
  QFETCH(TPhasorArray, entries);
  QFETCH(double, fundamental);
  QFETCH(double, third);
  QFETCH(double, fifth);

  NullSink::Record(50);  // a monitor recorder begins with silence as long as the sink's latency
  auto sound = Player(entries);
  sound->PlayLoop(true);
  QTest::qWait(SettleMs);
  const QList<qint16> recording = NullSink::RecordSteady(1000);
  sound->PlayLoop(false);

  QVERIFY2(recording.size() > 40000, qPrintable(QString::number(recording.size())));
  const double strongest = ToneAnalysis::StrongestFrequency(recording, 50, 5000);
  QVERIFY2(std::abs(strongest - 441.0) <= 2.0, qPrintable(QString::number(strongest)));
  const double first = ToneAnalysis::Amplitude(recording, 441.0);
  const double ratios[] = {ToneAnalysis::Amplitude(recording, 882.0) / first,
                           ToneAnalysis::Amplitude(recording, 1323.0) / first,
                           ToneAnalysis::Amplitude(recording, 1764.0) / first,
                           ToneAnalysis::Amplitude(recording, 2205.0) / first};
  const QString figures = QStringLiteral("441 Hz %1; 882, 1323, 1764, 2205 Hz relative: %2 %3 %4 %5")
                              .arg(first).arg(ratios[0]).arg(ratios[1]).arg(ratios[2])
                              .arg(ratios[3]);
  qInfo("%s", qPrintable(figures));
  // 8-bit truncation costs up to one step of 40.
  QVERIFY2(std::abs(first - fundamental) < 0.05 * fundamental, qPrintable(figures));
  QVERIFY2(std::abs(ratios[1] - third) < 0.03, qPrintable(figures));
  QVERIFY2(std::abs(ratios[3] - fifth) < 0.03, qPrintable(figures));
  QVERIFY2(ratios[0] < 0.02 && ratios[2] < 0.02, qPrintable(figures));
  QVERIFY2(ToneAnalysis::LongestQuietRun(recording, 300) < 5,
           qPrintable(QString::number(ToneAnalysis::LongestQuietRun(recording, 300))));
}

void TestSoundService::StopSilencesAtOnce()
{
  const QString reason = NullSink::Unavailable();
  if (!reason.isEmpty())
    QSKIP(qPrintable(reason));

  auto sound = Player(Harmonic(1, 1.0));
  // Each cycle closes the stream and opens it again; every opening must be
  // as audible as the first.
  for (int cycle = 1; cycle <= 3; ++cycle) {
    sound->PlayLoop(true);
    QTest::qWait(SettleMs);
    QVERIFY2(NullSink::RecordPeak(300) > 9000, qPrintable(QString::number(cycle)));
    QCOMPARE(RealService(*sound).StreamOpenCount(), cycle);

    sound->PlayLoop(false);
    QVERIFY(RealService(*sound).WaitForAudioThread(1000));  // faded out and played out
    QTest::qWait(50);
    QCOMPARE(NullSink::RecordPeak(500), 0);
    QVERIFY(NullSink::SinkInputs().isEmpty());
  }
}

// The 26 play requests of a preset arrive while the loop plays: each only
// swaps the samples, the stream is opened once, the output never drops out,
// and the last image is what keeps playing.
void TestSoundService::RequestsWhileLoopingSwapWithoutReopening()
{
  const QString reason = NullSink::Unavailable();
  if (!reason.isEmpty())
    QSKIP(qPrintable(reason));

  auto sound = Player(Harmonic(1, 1.0));
  sound->PlayLoop(true);
  QTest::qWait(SettleMs);
  TPulseSoundService &service = RealService(*sound);
  QCOMPARE(service.StreamOpenCount(), 1);
  const QStringList streams = NullSink::SinkInputs();
  QCOMPARE(streams.size(), 1);

  // 26 requests in a row, as a preset makes them, timed.
  QElapsedTimer clock;
  qint64 nanoseconds = 0;
  for (int k = 1; k <= 26; ++k) {
    Resynthesize(*sound, Harmonic(1, 0.5 + 0.5 * (k % 2)));
    clock.start();
    sound->PlayLoop(true);
    nanoseconds += clock.nsecsElapsed();
  }
  const double microsecondsEach = nanoseconds / 26 / 1000.0;
  qInfo("one play request while looping: %.1f us on average over 26", microsecondsEach);
  QVERIFY2(microsecondsEach < 200.0, qPrintable(QString::number(microsecondsEach)));

  // Requests spread over a recording: the tone must flow without a gap.
  QTimer swapper;
  int swaps = 0;
  connect(&swapper, &QTimer::timeout, this, [&] {
    Resynthesize(*sound, Harmonic(1, 1.0 - 0.01 * (++swaps % 2)));
    sound->PlayLoop(true);
  });
  swapper.start(15);
  const QList<qint16> during = NullSink::RecordSteady(800);
  swapper.stop();
  QVERIFY(swaps > 20);
  QVERIFY2(ToneAnalysis::LongestQuietRun(during, 300) < 5,
           qPrintable(QString::number(ToneAnalysis::LongestQuietRun(during, 300))));

  Resynthesize(*sound, Harmonic(3, 1.0));
  sound->PlayLoop(true);
  QTest::qWait(SettleMs);
  const QList<qint16> last = NullSink::Record(700);
  const double strongest = ToneAnalysis::StrongestFrequency(last, 50, 5000);
  QVERIFY2(std::abs(strongest - 1323.0) <= 2.0, qPrintable(QString::number(strongest)));

  QVERIFY(service.WaitForAudioThread(5000));
  QCOMPARE(service.StreamOpenCount(), 1);
  QCOMPARE(NullSink::SinkInputs(), streams);
  sound->PlayLoop(false);
}

void TestSoundService::DestroyingServiceSilences()
{
  const QString reason = NullSink::Unavailable();
  if (!reason.isEmpty())
    QSKIP(qPrintable(reason));

  auto sound = Player(Harmonic(2, 1.0));
  sound->PlayLoop(true);
  QTest::qWait(SettleMs);
  QVERIFY(NullSink::RecordPeak(300) > 9000);
  sound.reset();
  QTest::qWait(50);
  QCOMPARE(NullSink::RecordPeak(400), 0);
  QVERIFY(NullSink::SinkInputs().isEmpty());
}

// A tone with a constant part of 0.19 starts and stops by steps below 0.02;
// the first tone is due, and a stop has closed the stream, within 100 ms.
void TestSoundService::StartAndStopWithoutClick()
{
  const QString reason = NullSink::Unavailable();
  if (!reason.isEmpty())
    QSKIP(qPrintable(reason));
  TPhasorArray entries = Harmonic(1, 0.5);
  entries[0].Re = 0.6;  // 24 of 128 steps: 0.19 of full scale
  auto sound = Player(entries);
  TPulseSoundService &service = RealService(*sound);
  NullSink::Record(50);  // the recorder flows, so the sink renders in short blocks
  qint64 stopMs = -1;
  QTimer::singleShot(200, this, [&] { sound->PlayLoop(true); });
  QTimer::singleShot(600, this, [&] {
    sound->PlayLoop(false);
    QElapsedTimer clock;
    clock.start();
    if (service.WaitForAudioThread(3000))
      stopMs = clock.elapsed();
  });
  const QList<qint16> recording = NullSink::Record(1000);
  const int start = ToneAnalysis::EdgeStep(recording, false);
  const int stop = ToneAnalysis::EdgeStep(recording, true);
  qInfo("first tone due %.1f ms; steps at start %d, at stop %d of 32768; stop to closed %lld ms",
        service.FirstToneMs(), start, stop, stopMs);
  QVERIFY(start >= 0 && start < 655 && stop >= 0 && stop < 655);
  QVERIFY(service.FirstToneMs() > 0 && service.FirstToneMs() < 100 && stopMs >= 0 && stopMs < 100);
}

int main(int argc, char **argv)
{
  if (argc > 1 && std::strcmp(argv[1], PlayOnceArgument) == 0) {
    QCoreApplication app(argc, argv);
    return PlayOnce();
  }
  QCoreApplication app(argc, argv);
  TestSoundService test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_soundservice.moc"
