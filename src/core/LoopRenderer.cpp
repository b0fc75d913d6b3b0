#include "LoopRenderer.h"

#include <algorithm>
#include <utility>

TLoopRenderer::TLoopRenderer(int channels, int fadeFrames)
    : ChannelCount(std::max(channels, 1)), Step(1.0 / std::max(fadeFrames, 1))
{
}

void TLoopRenderer::Play(std::vector<float> block, bool restart)
{
  const auto channels = std::size_t(ChannelCount);
  block.resize(block.size() - block.size() % channels);
  if (block.empty()) {
    Stop();
    return;
  }
  if (CurrentGain <= 0.0 && TargetGain <= 0.0) {
    Block = std::move(block);
    Offset = 0;
    Next.reset();
    TargetGain = 1.0;
  } else if (restart) {
    Next = std::move(block);
    TargetGain = 0.0;
  } else {
    Block = std::move(block);
    Offset %= std::int64_t(Block.size() / channels);
    Next.reset();
    TargetGain = 1.0;
  }
}

void TLoopRenderer::Stop()
{
  Next.reset();
  TargetGain = 0.0;
}

void TLoopRenderer::Render(float *out, int frames)
{
  const auto channels = std::size_t(ChannelCount);
  for (int i = 0; i < frames; ++i, out += channels) {
    if (CurrentGain <= 0.0 && TargetGain <= 0.0 && Next) {
      Block = std::move(*Next);
      Next.reset();
      Offset = 0;
      TargetGain = 1.0;
    }
    if (Block.empty() || (CurrentGain <= 0.0 && TargetGain <= 0.0)) {
      std::fill(out, out + channels, 0.0f);
      continue;
    }
    const float *frame = Block.data() + std::size_t(Offset) * channels;
    for (std::size_t c = 0; c < channels; ++c)
      out[c] = float(frame[c] * CurrentGain);
    Offset = (Offset + 1) % std::int64_t(Block.size() / channels);
    if (CurrentGain < TargetGain)
      CurrentGain = std::min(CurrentGain + Step, TargetGain);
    else if (CurrentGain > TargetGain)
      CurrentGain = std::max(CurrentGain - Step, TargetGain);
  }
}

bool TLoopRenderer::Silent() const
{
  return CurrentGain <= 0.0 && TargetGain <= 0.0 && !Next;
}

void TLoopRenderer::Interrupt()
{
  CurrentGain = 0.0;
  if (Next) {
    Block = std::move(*Next);
    Next.reset();
    Offset = 0;
    TargetGain = 1.0;
  }
}

std::vector<float> FloatSamplesOf(const char *bytes, std::int64_t size, int bitsPerSample)
{
  if (bitsPerSample != 8 && bitsPerSample != 16 && bitsPerSample != 24 && bitsPerSample != 32)
    return {};
  const int width = bitsPerSample / 8;
  const auto *p = reinterpret_cast<const unsigned char *>(bytes);
  std::vector<float> out(std::size_t(size / width));
  for (std::size_t i = 0; i < out.size(); ++i, p += width) {
    if (width == 1) {
      out[i] = float((int(p[0]) - 128) / 128.0);
      continue;
    }
    // Little-endian, sign taken from the top byte.
    std::uint32_t value = 0;
    for (int b = width - 1; b >= 0; --b)
      value = value << 8 | p[b];
    const int shift = 32 - bitsPerSample;
    const auto sample = std::int32_t(value << shift);
    out[i] = float(sample / 2147483648.0);
  }
  return out;
}
