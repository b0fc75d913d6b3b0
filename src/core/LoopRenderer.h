#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Renders an endless loop of one block of interleaved float frames (full
// scale ±1), with a short linear fade in when the loop starts and a fade out
// before it stops, so neither shows as a step in the output. A block handed
// over while the loop plays takes the place of the current one at once, in
// phase; a block that follows a stop waits until the fade out has ended and
// then starts from its first frame with a fade in. Not thread-safe: one thread
// (the sound service's writer) owns it.
class TLoopRenderer {
public:
  // channels >= 1; fadeFrames >= 1 is the length of a whole fade.
  TLoopRenderer(int channels, int fadeFrames);

  // block: a whole number of frames, at least one. restart: the loop was
  // stopped since the last block, so the new one begins afresh (after the
  // fade out of what plays, if anything still sounds).
  void Play(std::vector<float> block, bool restart);

  // Fades out and then renders silence. Drops a block waiting for a restart.
  void Stop();

  // Writes frames frames (channels floats each) into out.
  void Render(float *out, int frames);

  // Nothing sounds and nothing will without a new Play: the stream behind it
  // can be closed without a click.
  bool Silent() const;

  // Gain of the next frame, 0 to 1.
  double Gain() const { return CurrentGain; }

  // Drops the gain to 0 at once, keeping the block and its phase, so the
  // next frame rendered fades in: for a stream that was lost and opened anew.
  void Interrupt();

  int Channels() const { return ChannelCount; }

private:
  int ChannelCount;
  double Step;  // gain change per frame during a fade
  std::vector<float> Block;
  std::optional<std::vector<float>> Next;  // starts once the fade out ends
  std::int64_t Offset = 0;  // next frame of Block
  double CurrentGain = 0.0;
  double TargetGain = 0.0;
};

// Interleaved float frames (full scale ±1) of integer PCM samples of the
// given width: 8 bits unsigned, 16, 24 or 32 bits signed, little-endian.
// Empty for any other width.
std::vector<float> FloatSamplesOf(const char *bytes, std::int64_t size, int bitsPerSample);
