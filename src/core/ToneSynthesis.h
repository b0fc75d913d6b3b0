#pragma once

#include "HarmonicModel.h"

#include <array>
#include <cstdint>
#include <vector>

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

// SumAtFrame for every frame at once, from a table of the 100 angles
// 2 pi j / 100 (each computed directly; harmonic k at frame i turns by
// 2 pi k i / 100) and each entry's own rectangular parts: within 1e-12 of
// SumAtFrame for entries of ordinary size. False, with sums untouched, when
// some entry's magnitude is not finite; only SumAtFrame gives those sums.
bool TableSums(const TPhasorArray &entries, int highest, std::array<double, ToneFrames> &sums);

// Writes ToneBytes bytes to buffer: frame i at bytes 2i (left) and 2i + 1
// (right), both SampleByte(SumAtFrame(entries, highest, i)). The sums come
// from TableSums; a frame whose scaled sum lies within a hair of an integer,
// where its last bits could change the byte, takes SumAtFrame instead.
void SynthesizeToneBytes(const TPhasorArray &entries, int highest, std::uint8_t *buffer);

// The frames and periods of a loop that sounds fundamental (Hz) at 44100 Hz:
// periods whole periods in frames frames, the pair whose pitch lies nearest
// (within 0.01 % where a loop of at most MaxLoopFrames allows). frames is 0
// for a fundamental outside 20..20000 Hz.
inline constexpr int MaxLoopFrames = 88200;
void LoopLength(double fundamental, int &frames, int &periods);

// The harmonic mix of entries 0..highest as a loop of 8-bit stereo frames
// sounding at fundamental (Hz) instead of 441 Hz (see LoopLength), each frame
// SampleByte of the sum as SumAtFrame makes it at that pitch. Empty for a
// fundamental LoopLength refuses.
std::vector<std::uint8_t> LoopBytes(const TPhasorArray &entries, int highest, double fundamental);

}  // namespace ToneSynthesis
