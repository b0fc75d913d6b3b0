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

void SynthesizeToneBytes(const TPhasorArray &entries, int highest, std::uint8_t *buffer)
{
  for (int i = 0; i < ToneFrames; ++i) {
    const std::uint8_t b = SampleByte(SumAtFrame(entries, highest, i));
    buffer[2 * i] = b;
    buffer[2 * i + 1] = b;
  }
}

}  // namespace ToneSynthesis
