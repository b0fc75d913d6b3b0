#pragma once

#include "HarmonicModel.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Recordings of real sounds, toolkit-free: reading them (libsndfile: WAV,
// FLAC, Ogg Vorbis, AIFF; 8 to 192 kHz; 8-, 16-, 24-, 32-bit integer or float;
// mono or stereo, channels mixed), finding a steady part, its fundamental and
// one period of it averaged over the part and resampled to PeriodSteps steps
// (libsamplerate). Every function is safe on any thread; a TRecordingSource
// is used by one thread at a time.
namespace Recording {

// What went wrong; the window words each one for the user.
enum class TError {
  None,
  NotSound,     // not a sound file that can be read (or not a file at all)
  Empty,        // a sound file without a single frame
  Truncated,    // the file ends before its header says it does
  RateOutside,  // a sample rate outside MinRate..MaxRate
  PartOutside,  // the part asked for lies (partly) outside the recording
  TooShort,     // the part holds fewer than two periods of its fundamental
  Silence,      // the part is silent
  NoPitch       // no steady pitch in the part (noise, or a pitch outside the range)
};

inline constexpr int MinRate = 8000;     // Hz
inline constexpr int MaxRate = 192000;   // Hz
inline constexpr double MinFundamental = 50.0;    // Hz
inline constexpr double MaxFundamental = 2000.0;  // Hz
// The length of the part FindSteadyPart chooses, and how far into a
// recording it looks for one.
inline constexpr double SteadySeconds = 0.5;
inline constexpr double SearchSeconds = 30.0;
// The averaged period's largest |value| after scaling (the time plot runs
// from -1 to 1).
inline constexpr double PeriodPeak = 0.9;

// A stretch of a recording, in frames.
struct TPart {
  std::int64_t Start = 0;
  std::int64_t Frames = 0;
  bool operator==(const TPart &) const = default;
};

// A recording opened for reading, from a file or from bytes in memory. It
// reads only what is asked for, so a long file costs no more than the part
// read.
class TSource {
public:
  TSource();
  ~TSource();
  TSource(TSource &&) noexcept;
  TSource &operator=(TSource &&) noexcept;

  // Opens a file, or bytes held in memory (copied). False with the error set
  // when it cannot be read as a recording of MinRate..MaxRate with frames.
  bool Open(const std::string &path, TError &error);
  bool OpenMemory(const std::vector<unsigned char> &bytes, TError &error);

  int SampleRate() const;
  std::int64_t Frames() const;
  double Seconds() const;

  // Frames [part.Start, part.Start + part.Frames) mixed to mono (the
  // channels averaged), as floats in -1..1. False with PartOutside for a part
  // outside the recording, Truncated when the file ends early.
  bool Read(const TPart &part, std::vector<float> &mono, TError &error) const;

  // The largest |sample| in each of bins equal stretches of the whole
  // recording, for an overview. A long recording is sampled sparsely, so a
  // one-hour file takes well under a second.
  std::vector<float> Overview(int bins) const;

private:
  struct TImpl;
  std::unique_ptr<TImpl> Impl;
};

// The part of about SteadySeconds (shorter for a shorter recording) where
// the sound is loud and steady, looked for in the first SearchSeconds. The
// level of each 50 ms block is its samples' RMS about their mean; every
// stretch of SteadySeconds starting on a block scores the mean of its blocks'
// levels divided by (1 + their coefficient of variation), and the best
// scoring stretch without a silent block (below -60 dBFS) is chosen, or the
// best of all when each has one. False with Silence when every block of the
// search is silent, Truncated when the file holds none of the frames its
// header promises.
bool FindSteadyPart(const TSource &source, TPart &part, TError &error);

struct TAnalysis {
  double Fundamental = 0.0;  // Hz
  // One period, averaged in phase over the whole periods in the middle of
  // the part (up to 32 of them and 0.2 s: enough to quell noise, few enough
  // that a tone whose pitch drifts a little keeps its upper harmonics),
  // resampled band-limited to PeriodSteps steps, without the part's mean,
  // starting where its fundamental rises through zero, and scaled so that
  // its largest |value| is PeriodPeak.
  std::array<double, PeriodSteps> Period{};
  int Periods = 0;  // how many periods were averaged
};

// The fundamental of samples (mono, at rate Hz) between MinFundamental and
// MaxFundamental, within 0.1 % on a steady tone and never a subharmonic, and
// the averaged period. False with Silence (RMS below -60 dBFS), NoPitch (no
// clear period, one outside the range, or a rate outside MinRate..MaxRate)
// or TooShort (fewer than two periods; also a part too short to hold two of
// the longest periods in which none is found).
//
// The fundamental: YIN (the difference function, its cumulative mean
// normalisation, the first dip below 0.15, parabolic interpolation) on a
// frame of two longest periods, then refined over the whole part by the lag,
// interpolated, at which a block best matches the block K periods later,
// with K growing fourfold up to as many periods as the part holds.
bool Analyse(const std::vector<float> &samples, int rate, TAnalysis &analysis, TError &error);

// Read and Analyse in one: the part of source.
bool AnalysePart(const TSource &source, const TPart &part, TAnalysis &analysis, TError &error);

// The part as a seamless loop at outputRate Hz (mono floats): the whole
// periods of fundamental it holds, resampled (libsamplerate) to the whole
// number of frames nearest to their length, so that the loop holds exactly
// those periods (its pitch off by less than half a frame in the loop). The
// resampler reads a little of the recording on each side of the part. Empty
// when the part cannot be read or holds no whole period.
std::vector<float> LoopOfPart(const TSource &source, const TPart &part, double fundamental,
                              int outputRate);

}  // namespace Recording
