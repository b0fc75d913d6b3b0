#pragma once

#include "HarmonicModel.h"

#include <cstdint>

// Toolkit-free synthesis of one period of the harmonic mix as 8-bit stereo
// samples. The main window's SynthesizeTone calls this on its phasor list.

inline constexpr int ToneFrames = 100;     // one period of 441 Hz at 44100 Hz
inline constexpr int ToneChannels = 2;     // left and right carry the same sample
inline constexpr int ToneBytes = ToneFrames * ToneChannels;

namespace ToneSynthesis {

inline constexpr float Fundamental = 441.0f;                    // Hz
inline constexpr double SamplePeriod = 2.2675736961451248e-05;  // 1/44100 s
inline constexpr double SampleScale = 40.0;                     // sample units per unit of the sum
inline constexpr int SilenceByte = 128;

// Unsigned 8-bit sample for the real sum s: 128 + trunc(40 s), saturated to
// 0..255 so that a loud mix clips instead of wrapping around into noise. A sum
// that is not a number (only from absurd magnitudes whose squares overflow)
// gives silence.
std::uint8_t SampleByte(double s);

// Real value of entries 0..highest at frame i (0..99) of the 441 Hz period:
// the sum over k of m_k cos(k 2pi 441 i / 44100 + a_k), with (m_k, a_k) the
// entry in polar form. highest is clamped to 25; below 0 the sum is 0.
double SumAtFrame(const TPhasorArray &entries, int highest, int frame);

// Writes ToneBytes bytes to buffer: frame i at bytes 2i (left) and 2i + 1
// (right), both SampleByte(SumAtFrame(entries, highest, i)).
void SynthesizeToneBytes(const TPhasorArray &entries, int highest, std::uint8_t *buffer);

}  // namespace ToneSynthesis
