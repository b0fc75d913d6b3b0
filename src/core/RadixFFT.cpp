#include "RadixFFT.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

constexpr double TwoPi = 6.283185307179586;

bool IsSupportedLength(int length)
{
  return length >= 4 && length <= TRadix2FFT::MaxLength && (length & (length - 1)) == 0;
}

}  // namespace

TRadix2FFT::TRadix2FFT(int length)
{
  if (!IsSupportedLength(length))
    throw std::invalid_argument("FFT length must be a power of two from 4 to 256, not "
                                + std::to_string(length));
  Length = length;
  // The argument is rounded to double as the product i * 2pi divided by N,
  // before the cosine, so the table is reproducible bit for bit.
  for (int i = 0; i < Length; ++i)
    CosTable[i] = std::cos((i * TwoPi) / Length);
}

void TRadix2FFT::Transform(double *real, double *imaginary) const
{
  const int n = Length;
  int stages = 1;
  while (std::ldexp(1.0, stages) < n)
    ++stages;

  const int quarter = n / 4;
  int span = n;
  for (int stage = 0; stage < stages; ++stage) {
    const int half = span / 2;
    const int step = n / span;
    int t = 0;
    for (int k = 0; k < half; ++k) {
      // c = cos(theta), s = cos(theta + pi/2) = -sin(theta), theta = 2 pi t / N.
      const double c = CosTable[t];
      const double s = CosTable[(quarter + t) % n];
      t += step;
      for (int i = k; i < n; i += span) {
        const int l = i + half;
        const double dr = real[i] - real[l];
        const double di = imaginary[i] - imaginary[l];
        real[i] = real[i] + real[l];
        imaginary[i] = imaginary[i] + imaginary[l];
        // The difference times e^(-j theta).
        real[l] = c * dr - s * di;
        imaginary[l] = c * di + s * dr;
      }
    }
    span = half;
  }
}

void TRadix2FFT::ReorderBitReversed(double *real, double *imaginary) const
{
  const int n = Length;
  int r = 0;  // always the bit reverse of i
  for (int i = 0; i < n - 1; ++i) {
    if (r > i) {
      std::swap(real[i], real[r]);
      std::swap(imaginary[i], imaginary[r]);
    }
    int m = n / 2;
    while (m <= r) {
      r -= m;
      m /= 2;
    }
    r += m;
  }
}
