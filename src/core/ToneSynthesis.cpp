#include "ToneSynthesis.h"

#include <algorithm>
#include <cmath>

namespace ToneSynthesis {

std::uint8_t SampleByte(double s)
{
  const double v = s * SampleScale;
  if (v != v)
    return SilenceByte;
  // Saturating in double first keeps the integer conversion in range however
  // large the sum is.
  if (v >= 127.0)
    return 255;
  if (v <= -128.0)
    return 0;
  const std::int64_t truncated = static_cast<std::int64_t>(v);
  return static_cast<std::uint8_t>(truncated + SilenceByte);
}

double SumAtFrame(const TPhasorArray &entries, int highest, int frame)
{
  const int top = std::min(highest, HarmonicCount - 1);
  double s = 0.0;
  for (int k = 0; k <= top; ++k) {
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(entries[k].Re, entries[k].Im, magnitude, angle);
    // Rounding depends on the order of the factors; this order (harmonic, 2pi,
    // fundamental, frame, sample period, all left to right in double) is part
    // of the tone's definition, as is the single-precision fundamental.
    const double theta = k * HarmonicMath::TwoPi * Fundamental * frame * SamplePeriod
                         + angle * HarmonicMath::Pi / 180.0;
    s += magnitude * std::cos(theta);
  }
  return s;
}

namespace {

// cos and sin of the 100 angles 2 pi j / 100, built on first use.
struct TToneTable {
  std::array<double, ToneFrames> Cos{};
  std::array<double, ToneFrames> Sin{};

  TToneTable()
  {
    for (int j = 0; j < ToneFrames; ++j) {
      const double theta = HarmonicMath::TwoPi * j / ToneFrames;
      Cos[j] = std::cos(theta);
      Sin[j] = std::sin(theta);
    }
  }
};

// Whether v lies within a millionth of an integer, a truncation edge of
// SampleByte's scaled sum.
bool NearSampleEdge(double s)
{
  const double v = s * SampleScale;
  return std::fabs(v - std::round(v)) < 1e-6;
}

}  // namespace

bool TableSums(const TPhasorArray &entries, int highest, std::array<double, ToneFrames> &sums)
{
  static const TToneTable table;
  const int top = std::min(highest, HarmonicCount - 1);
  std::array<double, ToneFrames> s{};
  for (int k = 0; k <= top; ++k) {
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(entries[k].Re, entries[k].Im, magnitude, angle);
    if (!std::isfinite(magnitude))
      return false;
    // m cos(x + a) = re cos x - im sin x; below 1e-6 the angle counts as 0.
    const bool tiny = magnitude < 1e-6;
    const double re = tiny ? magnitude : entries[k].Re;
    const double im = tiny ? 0.0 : entries[k].Im;
    int j = 0;  // k i modulo 100
    for (int i = 0; i < ToneFrames; ++i) {
      s[i] += re * table.Cos[j] - im * table.Sin[j];
      j += k;
      if (j >= ToneFrames)
        j -= ToneFrames;
    }
  }
  sums = s;
  return true;
}

void SynthesizeToneBytes(const TPhasorArray &entries, int highest, std::uint8_t *buffer)
{
  std::array<double, ToneFrames> sums{};
  const bool tabled = TableSums(entries, highest, sums);
  for (int i = 0; i < ToneFrames; ++i) {
    const double s = tabled && !NearSampleEdge(sums[i]) ? sums[i]
                                                         : SumAtFrame(entries, highest, i);
    const std::uint8_t b = SampleByte(s);
    buffer[2 * i] = b;
    buffer[2 * i + 1] = b;
  }
}

void LoopLength(double fundamental, int &frames, int &periods)
{
  frames = 0;
  periods = 0;
  if (!(fundamental >= 20.0 && fundamental <= 20000.0))
    return;
  const double framesPerPeriod = 44100.0 / fundamental;
  double best = 1.0;
  for (int k = 1; k * framesPerPeriod <= MaxLoopFrames; ++k) {
    const int n = int(std::lround(k * framesPerPeriod));
    const double error = std::fabs(k * 44100.0 / n - fundamental) / fundamental;
    if (error < best) {
      best = error;
      frames = n;
      periods = k;
    }
    if (best < 1e-4)
      break;
  }
}

std::vector<std::uint8_t> LoopBytes(const TPhasorArray &entries, int highest, double fundamental)
{
  int frames = 0;
  int periods = 0;
  LoopLength(fundamental, frames, periods);
  if (frames == 0)
    return {};
  // Harmonic k at frame i has turned k periods i / frames of a turn: its
  // phase index (k periods i) mod frames reads one table of frames angles.
  std::vector<double> cosines(static_cast<std::size_t>(frames));
  std::vector<double> sines(static_cast<std::size_t>(frames));
  for (int j = 0; j < frames; ++j) {
    cosines[std::size_t(j)] = std::cos(HarmonicMath::TwoPi * j / frames);
    sines[std::size_t(j)] = std::sin(HarmonicMath::TwoPi * j / frames);
  }
  std::vector<double> sums(static_cast<std::size_t>(frames));
  const int top = std::min(highest, HarmonicCount - 1);
  for (int k = 0; k <= top; ++k) {
    const double re = entries[std::size_t(k)].Re;
    const double im = entries[std::size_t(k)].Im;
    const long long step = static_cast<long long>(k) * periods % frames;
    long long phase = 0;
    for (int i = 0; i < frames; ++i) {
      sums[std::size_t(i)] += re * cosines[std::size_t(phase)] - im * sines[std::size_t(phase)];
      phase = (phase + step) % frames;
    }
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(frames) * ToneChannels);
  for (std::size_t i = 0; i < sums.size(); ++i)
    bytes[2 * i] = bytes[2 * i + 1] = SampleByte(sums[i]);
  return bytes;
}

}  // namespace ToneSynthesis
