#include "HarmonicModel.h"
#include "ToneSynthesis.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <complex>
#include <cstdint>
#include <random>

namespace {

using ToneBuffer = std::array<std::uint8_t, ToneBytes>;

ToneBuffer Synthesize(const TPhasorArray &entries, int highest)
{
  ToneBuffer buffer;
  buffer.fill(0xA5);  // a value no case below expects, so unwritten bytes show
  ToneSynthesis::SynthesizeToneBytes(entries, highest, buffer.data());
  return buffer;
}

TPhasorArray Entries(std::initializer_list<std::tuple<int, double, double>> values)
{
  TPhasorArray entries{};
  for (const auto &[k, re, im] : values) {
    entries[k].Re = re;
    entries[k].Im = im;
  }
  return entries;
}

}  // namespace

using ByteList = QList<int>;

class TestToneSynthesis : public QObject {
  Q_OBJECT

private slots:
  void SingleMixes_data();
  void SingleMixes();
  void HighHarmonicsCompleteWholeCycles_data();
  void HighHarmonicsCompleteWholeCycles();
  void SampleByteSaturates_data();
  void SampleByteSaturates();
  void LoudMixClipsInsteadOfWrapping();
  void SumIsRealPartOfTurnedEntries();
  void HighestHarmonicBoundsTheSum();
  void TableSumsMatchDirect_data();
  void TableSumsMatchDirect();
};

// Bytes expected at frames 0, 25, 50 and 75 of the left channel, and whether
// every frame carries the same byte.
void TestToneSynthesis::SingleMixes_data()
{
  QTest::addColumn<TPhasorArray>("entries");
  QTest::addColumn<ByteList>("atQuarters");
  QTest::addColumn<bool>("constant");

  QTest::newRow("all entries zero") << TPhasorArray{} << ByteList{128, 128, 128, 128} << true;
  QTest::newRow("harmonic 0 at 0.5") << Entries({{0, 0.5, 0.0}}) << ByteList{148, 148, 148, 148}
                                     << true;
  QTest::newRow("harmonic 0 at -0.5") << Entries({{0, -0.5, 0.0}})
                                      << ByteList{108, 108, 108, 108} << true;
  // cos is about 6e-17 at frame 25 and -2e-16 at frame 75: both truncate to 0.
  QTest::newRow("harmonic 1, angle 0") << Entries({{1, 1.0, 0.0}})
                                       << ByteList{168, 128, 88, 128} << false;
  // The wave is -sin: 0 at frame 0, -1 at frame 25, +1 at frame 75.
  QTest::newRow("harmonic 1, angle 90") << Entries({{1, 0.0, 1.0}})
                                        << ByteList{128, 88, 128, 168} << false;
  QTest::newRow("harmonic 1, angle 180") << Entries({{1, -1.0, 0.0}})
                                         << ByteList{88, 128, 168, 128} << false;
  QTest::newRow("harmonic 2 completes two cycles") << Entries({{2, 1.0, 0.0}})
                                                   << ByteList{168, 88, 168, 88} << false;
  // At frame 75 the fundamental contributes -1.8e-16, which leaves the sum
  // one step below 0.5, so 40 s truncates to 19; at frame 25 it is +6e-17,
  // which rounds away in 0.5 + 6e-17.
  QTest::newRow("offset and fundamental add") << Entries({{0, 0.5, 0.0}, {1, 1.0, 0.0}})
                                              << ByteList{188, 148, 108, 147} << false;
}

void TestToneSynthesis::SingleMixes()
{
  QFETCH(TPhasorArray, entries);
  QFETCH(ByteList, atQuarters);
  QFETCH(bool, constant);

  const ToneBuffer tone = Synthesize(entries, 25);
  for (int q = 0; q < 4; ++q)
    QCOMPARE(int(tone[2 * 25 * q]), atQuarters[q]);
  for (int i = 0; i < ToneFrames; ++i) {
    QCOMPARE(tone[2 * i + 1], tone[2 * i]);
    if (constant)
      QCOMPARE(int(tone[2 * i]), atQuarters[0]);
  }
}

void TestToneSynthesis::HighHarmonicsCompleteWholeCycles_data()
{
  QTest::addColumn<int>("harmonic");
  QTest::newRow("harmonic 2") << 2;
  QTest::newRow("harmonic 10") << 10;
  QTest::newRow("harmonic 25 (11025 Hz)") << 25;
}

// Harmonic k (for k whose period 100 / k is an even number of frames) repeats
// every 100 / k frames and reaches both extremes in each cycle, so the loop holds exactly k cycles and its seam is continuous.
void TestToneSynthesis::HighHarmonicsCompleteWholeCycles()
{
  QFETCH(int, harmonic);
  TPhasorArray entries{};
  entries[harmonic].Re = 1.0;
  const ToneBuffer tone = Synthesize(entries, 25);

  const int period = ToneFrames / harmonic;
  int peaks = 0;
  int troughs = 0;
  for (int i = 0; i < ToneFrames; ++i) {
    QCOMPARE(tone[2 * i + 1], tone[2 * i]);
    QCOMPARE(tone[2 * i], tone[2 * ((i + period) % ToneFrames)]);
    peaks += tone[2 * i] == 168;
    troughs += tone[2 * i] == 88;
  }
  QCOMPARE(peaks, harmonic);
  QCOMPARE(troughs, harmonic);
}

void TestToneSynthesis::SampleByteSaturates_data()
{
  QTest::addColumn<double>("sum");
  QTest::addColumn<int>("byte");

  QTest::newRow("zero") << 0.0 << 128;
  QTest::newRow("just below one step truncates to 0") << 0.0249 << 128;
  QTest::newRow("just above minus one step truncates to 0") << -0.0249 << 128;
  QTest::newRow("one step") << 0.025 << 129;
  QTest::newRow("40 s = 126.99") << 3.17475 << 254;
  QTest::newRow("40 s = 127.004, top of the range") << 3.1751 << 255;
  QTest::newRow("40 s = -128, bottom of the range") << -3.2 << 0;
  QTest::newRow("40 s = -128.9 truncates to -128") << -3.2225 << 0;
  QTest::newRow("40 s = 128 saturates") << 3.2 << 255;
  QTest::newRow("s = 3.25 saturates") << 3.25 << 255;
  QTest::newRow("s = -3.3 saturates") << -3.3 << 0;
  QTest::newRow("far beyond 64-bit") << 1e300 << 255;
  QTest::newRow("far below 64-bit") << -1e300 << 0;
  QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 255;
  QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 128;
}

void TestToneSynthesis::SampleByteSaturates()
{
  QFETCH(double, sum);
  QFETCH(int, byte);
  QCOMPARE(int(ToneSynthesis::SampleByte(sum)), byte);
}

// A mix whose peaks exceed the 8-bit range must clip at the extremes rather
// than wrap around to the opposite end of the range.
void TestToneSynthesis::LoudMixClipsInsteadOfWrapping()
{
  const ToneBuffer loud = Synthesize(Entries({{0, 3.25, 0.0}}), 25);
  for (std::uint8_t b : loud)
    QCOMPARE(int(b), 255);

  const ToneBuffer quiet = Synthesize(Entries({{0, -3.3, 0.0}}), 25);
  for (std::uint8_t b : quiet)
    QCOMPARE(int(b), 0);

  // A sine of amplitude 5: clipped plateaus around the peaks, unchanged bytes
  // where 40 s stays inside -128..127, and never a jump across the range.
  const ToneBuffer sine = Synthesize(Entries({{1, 5.0, 0.0}}), 25);
  for (int i = 0; i < ToneFrames; ++i) {
    const double s = 5.0 * std::cos(HarmonicMath::TwoPi * i / ToneFrames);
    if (s * 40.0 >= 127.0)
      QCOMPARE(int(sine[2 * i]), 255);
    else if (s * 40.0 <= -128.0)
      QCOMPARE(int(sine[2 * i]), 0);
    else
      QCOMPARE(int(sine[2 * i]), 128 + int(std::trunc(s * 40.0)));
    const int next = sine[2 * ((i + 1) % ToneFrames)];
    QVERIFY2(std::abs(next - int(sine[2 * i])) < 128, qPrintable(QString::number(i)));
  }
}

// Whatever the mix, the sample at frame i is the real part of the entries
// each turned through k i / 100 of a turn: the waveform the time plot shows,
// sampled 100 times per period.
void TestToneSynthesis::SumIsRealPartOfTurnedEntries()
{
  std::mt19937 random(20240601);
  std::uniform_real_distribution<double> value(-0.3, 0.3);
  TPhasorArray entries{};
  for (HarmonicPhasor &e : entries) {
    e.Re = value(random);
    e.Im = value(random);
  }
  for (int highest : {0, 1, 7, 25}) {
    for (int i = 0; i < ToneFrames; ++i) {
      std::complex<double> sum;
      for (int k = 0; k <= highest; ++k)
        sum += std::complex<double>(entries[k].Re, entries[k].Im)
               * std::polar(1.0, HarmonicMath::TwoPi * k * i / ToneFrames);
      QVERIFY2(std::abs(ToneSynthesis::SumAtFrame(entries, highest, i) - sum.real()) < 1e-9,
               qPrintable(QStringLiteral("highest %1, frame %2").arg(highest).arg(i)));
    }
  }
}

void TestToneSynthesis::HighestHarmonicBoundsTheSum()
{
  const TPhasorArray entries = Entries({{0, 0.5, 0.0}, {1, 1.0, 0.0}, {25, 1.0, 0.0}});

  // Highest 0: the constant of harmonic 0 alone, silence at a shifted level.
  for (std::uint8_t b : Synthesize(entries, 0))
    QCOMPARE(int(b), 148);
  // Below 0 no harmonic is taken: silence.
  for (std::uint8_t b : Synthesize(entries, -1))
    QCOMPARE(int(b), 128);
  // Above 25 reads as 25, never past the 26 entries.
  QCOMPARE(Synthesize(entries, 40), Synthesize(entries, 25));
  QCOMPARE(int(Synthesize(entries, 1)[0]), 188);
  QCOMPARE(int(Synthesize(entries, 25)[0]), 228);
}

void TestToneSynthesis::TableSumsMatchDirect_data()
{
  QTest::addColumn<double>("scale");
  QTest::addColumn<int>("highest");
  QTest::newRow("harmonics 0..25 within 1") << 1.0 << 25;
  QTest::newRow("harmonics 0..7 within 1") << 1.0 << 7;
  QTest::newRow("harmonics 0..25 within 1e-6") << 1e-6 << 25;
  QTest::newRow("harmonics 0..25 within 1e-7, angles ignored") << 1e-7 << 25;
}

// Table sums within 1e-12 of the direct sums, and the tone bytes exactly the
// direct ones, for many random mixes and two more: a sum of exactly 0.1 at
// frame 0 puts 40 s on the truncation edge at 4, where the last bit decides the
// byte; a magnitude that overflows has no table sums.
void TestToneSynthesis::TableSumsMatchDirect()
{
  QFETCH(double, scale);
  QFETCH(int, highest);
  std::mt19937_64 generator(11);
  std::uniform_real_distribution<double> value(-scale, scale);
  for (int mix = 0; mix < 202; ++mix) {
    TPhasorArray entries{};
    for (HarmonicPhasor &e : entries) {
      e.Re = value(generator);
      e.Im = mix % 7 == 0 ? 0.0 : value(generator);
    }
    if (mix == 200)
      entries = Entries({{0, 0.1, 0.0}, {3, 0.2, 0.3}, {5, -0.2, -0.3}});
    if (mix == 201)
      entries = Entries({{1, 1e300, 1e300}});
    std::array<double, ToneFrames> sums{};
    QCOMPARE(ToneSynthesis::TableSums(entries, highest, sums), mix != 201);
    const ToneBuffer bytes = Synthesize(entries, highest);
    for (int i = 0; i < ToneFrames; ++i) {
      const double direct = ToneSynthesis::SumAtFrame(entries, highest, i);
      QVERIFY2(mix == 201 || std::fabs(sums[i] - direct) < 1e-12,
               qPrintable(QString("mix %1, frame %2").arg(mix).arg(i)));
      QCOMPARE(int(bytes[2 * i]), int(ToneSynthesis::SampleByte(direct)));
    }
  }
}

QTEST_GUILESS_MAIN(TestToneSynthesis)
#include "tst_tonesynthesis.moc"
