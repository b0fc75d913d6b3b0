#include "WaveExport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace WaveExport {

namespace {

constexpr int FrameBytes = Channels * BitsPerSample / 8;

void PutU16(std::uint8_t *at, std::uint16_t value)
{
  at[0] = std::uint8_t(value & 0xFF);
  at[1] = std::uint8_t(value >> 8);
}

void PutU32(std::uint8_t *at, std::uint32_t value)
{
  for (int i = 0; i < 4; ++i)
    at[i] = std::uint8_t((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::int64_t FramesFor(double seconds)
{
  if (!(seconds > 0.0) || !(seconds <= MaxSeconds))
    return -1;
  const std::int64_t frames = std::llround(seconds * SampleRate);
  return frames > 0 ? frames : -1;
}

std::array<std::uint8_t, HeaderSize> Header(std::uint32_t dataBytes)
{
  std::array<std::uint8_t, HeaderSize> header{};
  std::uint8_t *h = header.data();
  std::memcpy(h + 0, "RIFF", 4);
  PutU32(h + 4, dataBytes + (HeaderSize - 8));
  std::memcpy(h + 8, "WAVE", 4);
  std::memcpy(h + 12, "fmt ", 4);
  PutU32(h + 16, 16);
  PutU16(h + 20, 1);  // PCM
  PutU16(h + 22, Channels);
  PutU32(h + 24, SampleRate);
  PutU32(h + 28, SampleRate * FrameBytes);
  PutU16(h + 32, FrameBytes);
  PutU16(h + 34, BitsPerSample);
  std::memcpy(h + 36, "data", 4);
  PutU32(h + 40, dataBytes);
  return header;
}

bool WriteWave(const std::uint8_t *loop, int loopBytes, double seconds, const TByteSink &sink)
{
  const std::int64_t frames = FramesFor(seconds);
  if (frames < 0 || !loop || loopBytes <= 0 || loopBytes % FrameBytes != 0)
    return false;
  const std::int64_t dataBytes = frames * FrameBytes;
  const auto header = Header(std::uint32_t(dataBytes));
  if (!sink(header.data(), header.size()))
    return false;

  // Whole loops are sent a second's worth at a time (the loop of 100 frames
  // divides 44100), so the sink sees few large writes.
  std::vector<std::uint8_t> block;
  const int loopsPerBlock = std::max(1, SampleRate * FrameBytes / loopBytes);
  block.reserve(std::size_t(loopsPerBlock) * std::size_t(loopBytes));
  for (int i = 0; i < loopsPerBlock; ++i)
    block.insert(block.end(), loop, loop + loopBytes);
  std::int64_t left = dataBytes;
  while (left > 0) {
    const std::size_t size = std::size_t(std::min<std::int64_t>(left, std::int64_t(block.size())));
    if (!sink(block.data(), size))
      return false;
    left -= std::int64_t(size);
  }
  return true;
}

}  // namespace WaveExport
