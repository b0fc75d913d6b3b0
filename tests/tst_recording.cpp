#include "Recording.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <complex>
#include <random>

using namespace Recording;

namespace {

enum class TWave { Sine, Sawtooth, Square, Triangle };

// The amplitude of harmonic k against the fundamental's.
double Ratio(TWave wave, int k)
{
  switch (wave) {
  case TWave::Sine:
    return k == 1 ? 1.0 : 0.0;
  case TWave::Sawtooth:
    return 1.0 / k;
  case TWave::Square:
    return k % 2 ? 1.0 / k : 0.0;
  case TWave::Triangle:
    return k % 2 ? 1.0 / (k * k) : 0.0;
  }
  return 0.0;
}

// seconds of the wave at f Hz, its harmonics up to the 40th below 0.45 rate,
// in phases of no pattern, peak below 0.7.
std::vector<float> Tone(TWave wave, double f, int rate, double seconds)
{
  std::vector<float> x(std::size_t(seconds * rate));
  const int highest = std::min(40, int(std::ceil(0.45 * rate / f)) - 1);
  double sum = 0.0;
  for (int k = 1; k <= highest; ++k)
    sum += Ratio(wave, k);
  for (std::size_t n = 0; n < x.size(); ++n)
    for (int k = 1; k <= highest; ++k)
      x[n] += float(0.7 / sum * Ratio(wave, k) * std::sin(2 * M_PI * k * f * double(n) / rate + k));
  return x;
}

// frames (interleaved), then silentFrames of silence, written by libsndfile
// to a file in dir, whose path is returned.
QString Write(const QTemporaryDir &dir, const QString &name, int format, int rate, int channels,
              const std::vector<float> &frames, sf_count_t silentFrames = 0)
{
  const QString path = dir.filePath(name);
  SF_INFO info{0, rate, channels, format, 0, 0};
  SNDFILE *file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
  if (!file)
    qFatal("libsndfile cannot write %s: %s", qPrintable(name), sf_strerror(nullptr));
  sf_writef_float(file, frames.data(), sf_count_t(frames.size()) / channels);
  const std::vector<float> silence(std::size_t(rate * channels), 0.0f);
  for (; silentFrames > 0; silentFrames -= rate)
    sf_writef_float(file, silence.data(), std::min<sf_count_t>(silentFrames, rate));
  sf_close(file);
  return path;
}

std::vector<unsigned char> Bytes(const QString &path)
{
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  const QByteArray bytes = file.readAll();
  return {bytes.begin(), bytes.end()};
}

constexpr int Wav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

}  // namespace

Q_DECLARE_METATYPE(TWave)
Q_DECLARE_METATYPE(TError)
Q_DECLARE_METATYPE(TPart)

class TestRecording : public QObject {
  Q_OBJECT

private slots:
  void MadeTones_data();
  void MadeTones();
  void BadRecordings_data();
  void BadRecordings();
  void HourLongFileIsQuick();
  void LoopIsSeamless_data();
  void LoopIsSeamless();

private:
  QTemporaryDir Dir;
};

void TestRecording::MadeTones_data()
{
  QTest::addColumn<TWave>("wave");
  QTest::addColumn<double>("f");
  QTest::addColumn<int>("format");
  QTest::addColumn<int>("rate");
  QTest::addColumn<int>("channels");
  QTest::addColumn<double>("tolerance");  // of each harmonic's ratio to the fundamental

  const int wav24 = SF_FORMAT_WAV | SF_FORMAT_PCM_24;
  const int wavFloat = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  const int flac = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
  const int vorbis = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
  const int aiff8 = SF_FORMAT_AIFF | SF_FORMAT_PCM_S8;
  using W = TWave;
  const auto row = [](const char *name, TWave wave, double f, int format, int rate, int channels,
                      double tolerance) {
    QTest::newRow(name) << wave << f << format << rate << channels << tolerance;
  };
  row("sine 440 WAV16 44.1k", W::Sine, 440.0, Wav16, 44100, 1, 0.002);
  row("sine 50 WAV16 8k", W::Sine, 50.0, Wav16, 8000, 1, 0.002);
  row("sine 2000 WAV16 11.025k", W::Sine, 2000.0, Wav16, 11025, 1, 0.002);
  row("sawtooth 2000 WAV16 8k", W::Sawtooth, 2000.0, Wav16, 8000, 1, 0.002);
  row("sawtooth 110 WAV16 48k stereo", W::Sawtooth, 110.0, Wav16, 48000, 2, 0.002);
  row("sawtooth 1000 float 44.1k", W::Sawtooth, 1000.0, wavFloat, 44100, 1, 0.001);
  row("sawtooth 440 Vorbis 48k", W::Sawtooth, 440.0, vorbis, 48000, 1, 0.03);
  row("sawtooth 73.42 AIFF8 16k stereo", W::Sawtooth, 73.42, aiff8, 16000, 2, 0.02);
  row("square 146.83 WAV24 96k", W::Square, 146.83, wav24, 96000, 1, 0.001);
  row("square 1000 FLAC 22.05k stereo", W::Square, 1000.0, flac, 22050, 2, 0.002);
  row("square 2000 WAV24 192k stereo", W::Square, 2000.0, wav24, 192000, 2, 0.001);
  row("square 110 Vorbis 44.1k stereo", W::Square, 110.0, vorbis, 44100, 2, 0.03);
  row("triangle 50 float 192k", W::Triangle, 50.0, wavFloat, 192000, 1, 0.001);
  row("triangle 146.83 AIFF8 11.025k", W::Triangle, 146.83, aiff8, 11025, 1, 0.02);
  row("triangle 440 FLAC 96k", W::Triangle, 440.0, flac, 96000, 1, 0.002);
}

// A tone written by libsndfile, its steady part found and analysed. Stereo
// files carry a second, unrelated tone in opposite phase in the two
// channels, which only mixing them by averaging removes.
void TestRecording::MadeTones()
{
  QFETCH(TWave, wave);
  QFETCH(double, f);
  QFETCH(int, format);
  QFETCH(int, rate);
  QFETCH(int, channels);
  QFETCH(double, tolerance);

  const std::vector<float> tone = Tone(wave, f, rate, 1.0);
  const std::vector<float> other = Tone(TWave::Sine, f * M_SQRT2 * 0.3, rate, 1.0);
  std::vector<float> frames;
  for (std::size_t n = 0; n < tone.size(); ++n)
    for (int c = 0; c < channels; ++c)
      frames.push_back(channels == 1 ? tone[n] : tone[n] + (c ? -0.2f : 0.2f) * other[n]);
  TSource source;
  TError error = TError::None;
  TPart part;
  TAnalysis analysis;
  const QString path = Write(Dir, QTest::currentDataTag(), format, rate, channels, frames);
  QVERIFY(source.Open(path.toStdString(), error));
  QVERIFY(FindSteadyPart(source, part, error));
  QVERIFY(AnalysePart(source, part, analysis, error));

  QVERIFY2(std::abs(analysis.Fundamental / f - 1.0) < 1e-3,
           qPrintable(QString::number(analysis.Fundamental)));
  std::array<std::complex<double>, 11> spectrum{};
  double peak = 0.0;
  for (int n = 0; n < PeriodSteps; ++n) {
    peak = std::max(peak, std::abs(analysis.Period[n]));
    for (int k = 1; k <= 10; ++k)
      spectrum[k] += analysis.Period[n] * std::polar(1.0, -2.0 * M_PI * k * n / PeriodSteps);
  }
  QCOMPARE(peak, PeriodPeak);
  QVERIFY(std::abs(std::arg(spectrum[1]) + M_PI / 2) < 1e-3);  // a rising fundamental at step 0
  // Harmonics near the file's Nyquist frequency meet the resampler's
  // transition band (and Vorbis's own low-pass); above it they do not exist.
  for (int k = 2; k <= 10 && k * f < std::min(0.4 * rate, 15000.0); ++k) {
    const double ratio = std::abs(spectrum[k]) / std::abs(spectrum[1]);
    QVERIFY2(std::abs(ratio - Ratio(wave, k)) < tolerance, qPrintable(QString::number(k)));
  }
}

void TestRecording::BadRecordings_data()
{
  QTest::addColumn<QString>("path");
  QTest::addColumn<bool>("memory");
  QTest::addColumn<TPart>("part");  // {0, 0}: the steady part is looked for instead
  QTest::addColumn<TError>("expected");

  const int rate = 48000;
  const QString tone = Write(Dir, "tone.wav", Wav16, rate, 1, Tone(TWave::Sine, 440.0, rate, 1.0));
  const QString silence = Write(Dir, "silence.wav", Wav16, rate, 1, std::vector<float>(rate));
  std::mt19937 generator(1);
  std::normal_distribution<float> gauss(0.0f, 0.2f);
  std::vector<float> noise(rate);
  for (float &v : noise)
    v = gauss(generator);
  const QString cut = Dir.filePath("cut.wav");
  QFile::copy(tone, cut);
  QFile(cut).resize(QFile(cut).size() / 2);
  QFile text(Dir.filePath("text.wav"));
  text.open(QIODevice::WriteOnly);
  text.write("This is a line of text, not a sound.\n");
  text.close();
  QFile(Dir.filePath("empty.wav")).open(QIODevice::WriteOnly);

  const auto row = [](const char *name, const QString &path, bool memory, TPart part,
                      TError error) { QTest::newRow(name) << path << memory << part << error; };
  const QString none = Write(Dir, "none.wav", Wav16, rate, 1, {});
  const QString slow = Write(Dir, "slow.wav", Wav16, 6000, 1, std::vector<float>(600));
  row("text", text.fileName(), true, {0, 10}, TError::NotSound);
  row("empty file", Dir.filePath("empty.wav"), false, {0, 10}, TError::NotSound);
  row("header without frames", none, true, {0, 10}, TError::Empty);
  row("rate 6 kHz", slow, false, {0, 10}, TError::RateOutside);
  row("truncated, file", cut, false, {0, rate}, TError::Truncated);
  row("truncated, memory", cut, true, {rate / 2 + 100, 1000}, TError::Truncated);
  row("silence, steady part", silence, false, {}, TError::Silence);
  row("silence, analysis", silence, true, {100, 4800}, TError::Silence);
  row("white noise", Write(Dir, "noise.wav", Wav16, rate, 1, noise), false, {0, rate / 2},
      TError::NoPitch);
  row("1.5 periods", tone, false, {1000, 164}, TError::TooShort);
  row("past the end", tone, true, {rate - 100, 101}, TError::PartOutside);
  row("before the start", tone, false, {-1, 100}, TError::PartOutside);
}

void TestRecording::BadRecordings()
{
  QFETCH(QString, path);
  QFETCH(bool, memory);
  QFETCH(TPart, part);
  QFETCH(TError, expected);

  TSource source;
  TError error = TError::None;
  TAnalysis analysis;
  if (memory ? source.OpenMemory(Bytes(path), error) : source.Open(path.toStdString(), error)) {
    if (part == TPart{})
      FindSteadyPart(source, part, error);
    else
      AnalysePart(source, part, analysis, error);
  }
  QCOMPARE(error, expected);
}

// An hour at 8 kHz, 8 bits: a tone for its first 10 s, silence after.
void TestRecording::HourLongFileIsQuick()
{
  const int rate = 8000;
  const QString path = Write(Dir, "hour.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, rate, 1,
                             Tone(TWave::Square, 220.0, rate, 10.0), 3590 * rate);

  QElapsedTimer timer;
  timer.start();
  TSource source;
  TError error = TError::None;
  TPart part;
  QVERIFY(source.Open(path.toStdString(), error));
  const std::vector<float> overview = source.Overview(1000);
  QVERIFY(FindSteadyPart(source, part, error));
  QCOMPARE_LT(timer.elapsed(), 3000);

  QVERIFY(part.Start + part.Frames <= 10 * rate);
  // Bins of 3.6 s: the tone fills the first three, silence the others.
  QVERIFY2(overview[2] > 0.2f && overview[3] < 0.01f && overview[999] < 0.01f,
           qPrintable(QString("%1 %2 %3").arg(overview[2]).arg(overview[3]).arg(overview[999])));
}

void TestRecording::LoopIsSeamless_data()
{
  QTest::addColumn<double>("f");
  QTest::addColumn<int>("rate");
  QTest::addColumn<int>("outputRate");
  QTest::newRow("146.83 Hz, 48 to 44.1 kHz") << 146.83 << 48000 << 44100;
  QTest::newRow("2000 Hz, 8 to 48 kHz") << 2000.0 << 8000 << 48000;
  QTest::newRow("51 Hz, 192 to 44.1 kHz") << 51.0 << 192000 << 44100;
}

// Played round and round, the loop of a sine steps across its seam no more
// than within, and sounds at the part's pitch.
void TestRecording::LoopIsSeamless()
{
  QFETCH(double, f);
  QFETCH(int, rate);
  QFETCH(int, outputRate);
  const std::vector<float> tone = Tone(TWave::Sine, f, rate, 0.6);
  const QString path = Write(Dir, QTest::currentDataTag(), Wav16, rate, 1, tone);
  TSource source;
  TError error = TError::None;
  QVERIFY(source.Open(path.toStdString(), error));
  const std::vector<float> loop = LoopOfPart(source, {rate / 20, rate / 2}, f, outputRate);
  QVERIFY(loop.size() > 2);

  float step = 0.0f;
  for (std::size_t n = 1; n < loop.size(); ++n)
    step = std::max(step, std::abs(loop[n] - loop[n - 1]));
  QVERIFY(std::abs(loop.front() - loop.back()) <= 1.01f * step);
  std::vector<float> thrice;
  for (int i = 0; i < 3; ++i)
    thrice.insert(thrice.end(), loop.begin(), loop.end());
  TAnalysis analysis;
  QVERIFY(Analyse(thrice, outputRate, analysis, error));
  QVERIFY(std::abs(analysis.Fundamental / f - 1.0) < 1e-4);
}

QTEST_GUILESS_MAIN(TestRecording)
#include "tst_recording.moc"
