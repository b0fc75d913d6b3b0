#pragma once

#include <array>

// In-place radix-2 FFT of fixed length N (decimation in frequency).
//
// Transform replaces x[n] = real[n] + j*imaginary[n] by
//   X[k] = sum over n = 0..N-1 of x[n] * e^(-j*2*pi*k*n/N),
// unscaled (X[0] is the plain sum of the samples), and leaves X[k] at the
// index whose log2(N) bits are those of k reversed (for N = 256: X[1] at 128,
// X[2] at 64, X[3] at 192). ReorderBitReversed then puts X[k] at index k.
//
// Both operations take the real part first. Passing the imaginary array first
// and the real array second to both yields, in the same two arrays, the
// transform with e^(+j*2*pi*k*n/N) instead.
//
// The arrays are caller-owned and hold at least Length doubles each. Neither
// operation allocates or keeps state; after construction the object is only
// read, so one object may serve any thread.
class TRadix2FFT {
public:
  static constexpr int MaxLength = 256;

  // length: a power of two from 4 to MaxLength, read once (the caller may free
  // it right after). Any other length throws std::invalid_argument, because
  // the table would overflow or the butterflies and the reordering would
  // index past the caller's arrays.
  explicit TRadix2FFT(int length);

  // Computes the transform in place; output in bit-reversed order.
  void Transform(double *real, double *imaginary) const;

  // Applies the bit-reversal permutation to both arrays alike. It is its own
  // inverse.
  void ReorderBitReversed(double *real, double *imaginary) const;

  int Length = 0;
  // CosTable[i] = cos(2*pi*i/Length) for i < Length; entries from Length on
  // stay 0 and are never read. The sine of each twiddle factor is read from
  // the same table a quarter period further on.
  std::array<double, MaxLength> CosTable{};
};
