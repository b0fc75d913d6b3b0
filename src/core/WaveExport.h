#pragma once

#include "ByteSink.h"

#include <array>
#include <cstdint>

// Toolkit-free WAV files of the looping tone: a canonical 44-byte RIFF/WAVE
// header (16-byte PCM format chunk) in the loop's own format, 44.1 kHz,
// unsigned 8-bit, stereo, then the loop repeated to the exact length asked for.
namespace WaveExport {

inline constexpr int SampleRate = 44100;  // frames per second
inline constexpr int Channels = 2;
inline constexpr int BitsPerSample = 8;
inline constexpr int HeaderSize = 44;
inline constexpr double MaxSeconds = 3600.0;  // an hour: about 318 MB

// Frames of a sound seconds long (rounded to the nearest frame), or -1 when
// seconds is not a number, above MaxSeconds, or too short for one frame.
std::int64_t FramesFor(double seconds);

// The header of a file with dataBytes bytes of samples.
std::array<std::uint8_t, HeaderSize> Header(std::uint32_t dataBytes);

// Writes the header and FramesFor(seconds) frames: whole copies of the loop
// (loopBytes bytes, a whole number of frames), then the start of one more to
// the exact length. False, with nothing sent, for a length FramesFor refuses
// or an empty or ragged loop; false as soon as the sink refuses bytes.
bool WriteWave(const std::uint8_t *loop, int loopBytes, double seconds, const TByteSink &sink);

}  // namespace WaveExport
