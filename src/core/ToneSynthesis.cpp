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

}  // namespace ToneSynthesis
