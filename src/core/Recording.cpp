#include "Recording.h"

#include "PitchFinder.h"
#include "RadixFFT.h"

#include <samplerate.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <limits>

namespace Recording {

namespace {

// RMS below which a stretch counts as silent: -60 dBFS.
constexpr double SilenceLevel = 0.001;
// The stretches whose levels FindSteadyPart compares.
constexpr double BlockSeconds = 0.05;
// Frames read from libsndfile at a time.
constexpr std::int64_t ChunkFrames = 65536;
// Overview reads every frame of a recording up to this long, and of a longer
// one this many frames at the start of each bin.
constexpr double OverviewWholeSeconds = 60.0;
constexpr std::int64_t OverviewFramesPerBin = 4096;
// The periods Analyse averages: the whole periods in the middle of the part,
// up to these many and this long. Enough to quell noise; few enough that a
// tone whose pitch drifts a little keeps its upper harmonics, and that live
// analysis stays cheap (the resampler costs about 0.1 us an output sample).
constexpr int MostAveragedPeriods = 32;
constexpr double MostAveragedSeconds = 0.2;
// The resampler's filter reaches about this many input samples (scaled by
// the ratio when downsampling) on each side, beyond which its start-up and
// run-out transients are below 1e-4 of full scale. Stretches are resampled
// with that much more on each side than is kept.
constexpr double ResamplerReach = 64.0;
constexpr int ResamplerQuality = SRC_SINC_MEDIUM_QUALITY;
// How far a fundamental may lie outside MinFundamental..MaxFundamental and
// still count as inside: the precision promised.
constexpr double RangeTolerance = 1.001;

// Bytes in memory read through libsndfile's virtual I/O; a TSource keeps one
// for as long as its file is open.
struct TMemoryFile {
  std::vector<unsigned char> Bytes;
  sf_count_t Position = 0;
};

sf_count_t MemoryLength(void *user)
{
  return sf_count_t(static_cast<TMemoryFile *>(user)->Bytes.size());
}

sf_count_t MemorySeek(sf_count_t offset, int whence, void *user)
{
  auto *memory = static_cast<TMemoryFile *>(user);
  const auto size = sf_count_t(memory->Bytes.size());
  sf_count_t base = 0;
  if (whence == SEEK_CUR)
    base = memory->Position;
  else if (whence == SEEK_END)
    base = size;
  else if (whence != SEEK_SET)
    return -1;
  if ((offset > 0 && base > std::numeric_limits<sf_count_t>::max() - offset) || base + offset < 0)
    return -1;
  memory->Position = base + offset;
  return memory->Position;
}

sf_count_t MemoryRead(void *to, sf_count_t count, void *user)
{
  auto *memory = static_cast<TMemoryFile *>(user);
  const auto size = sf_count_t(memory->Bytes.size());
  if (count <= 0 || memory->Position >= size)
    return 0;
  const sf_count_t n = std::min(count, size - memory->Position);
  std::memcpy(to, memory->Bytes.data() + memory->Position, std::size_t(n));
  memory->Position += n;
  return n;
}

sf_count_t MemoryWrite(const void *, sf_count_t, void *)
{
  return 0;
}

sf_count_t MemoryTell(void *user)
{
  return static_cast<TMemoryFile *>(user)->Position;
}

// Bytes a sample takes in the PCM and float encodings; 0 for the others.
int BytesPerSample(int encoding)
{
  switch (encoding) {
  case SF_FORMAT_PCM_S8:
  case SF_FORMAT_PCM_U8:
  case SF_FORMAT_ULAW:
  case SF_FORMAT_ALAW:
    return 1;
  case SF_FORMAT_PCM_16:
    return 2;
  case SF_FORMAT_PCM_24:
    return 3;
  case SF_FORMAT_PCM_32:
  case SF_FORMAT_FLOAT:
    return 4;
  case SF_FORMAT_DOUBLE:
    return 8;
  default:
    return 0;
  }
}

// The frames the header of a WAV or AIFF file promises. libsndfile counts
// only the frames the file holds, and says nothing when its sound chunk is
// cut short, so the chunk's own length is asked for. A length of all ones is
// what a writer that did not know the length leaves, and promises nothing.
std::int64_t PromisedFrames(SNDFILE *file, const SF_INFO &info)
{
  const int container = info.format & SF_FORMAT_TYPEMASK;
  const char *id = nullptr;
  unsigned chunkHeader = 0;
  if (container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX) {
    id = "data";
  } else if (container == SF_FORMAT_AIFF) {
    id = "SSND";
    chunkHeader = 8;  // the sound data's offset and block size
  }
  const int sampleBytes = BytesPerSample(info.format & SF_FORMAT_SUBMASK);
  if (!id || sampleBytes == 0)
    return info.frames;
  SF_CHUNK_INFO query{};
  std::memcpy(query.id, id, 4);
  query.id_size = 4;
  SF_CHUNK_ITERATOR *chunk = sf_get_chunk_iterator(file, &query);
  SF_CHUNK_INFO found{};
  if (!chunk || sf_get_chunk_size(chunk, &found) != SF_ERR_NO_ERROR)
    return info.frames;
  if (found.datalen == 0xFFFFFFFFu || found.datalen < chunkHeader)
    return info.frames;
  const std::int64_t promised =
      std::int64_t(found.datalen - chunkHeader) / (std::int64_t(sampleBytes) * info.channels);
  return std::max<std::int64_t>(promised, info.frames);
}

// in resampled by ratio (output samples per input sample), band-limited.
// Empty when libsamplerate refuses (a ratio outside 1/256..256).
std::vector<float> Resample(const std::vector<float> &in, double ratio)
{
  const long capacity = long(std::ceil(double(in.size()) * ratio)) + 16;
  std::vector<float> out(std::size_t(std::max(capacity, 0L)));
  SRC_DATA data{};
  data.data_in = in.data();
  data.input_frames = long(in.size());
  data.data_out = out.data();
  data.output_frames = capacity;
  data.src_ratio = ratio;
  data.end_of_input = 1;
  if (in.empty() || src_simple(&data, ResamplerQuality, 1) != 0)
    return {};
  out.resize(std::size_t(data.output_frames_gen));
  return out;
}

// The input samples the resampler needs on each side of what is kept.
double ResamplerMargin(double ratio)
{
  return ResamplerReach * std::max(1.0, 1.0 / ratio);
}

// Turns one period in place so that it starts where its fundamental rises
// through zero (harmonic 1 in sine phase), by a fraction of a step if need
// be, through its spectrum; a period without a fundamental stays as it is.
void StartAtRisingFundamental(std::array<double, PeriodSteps> &period)
{
  static_assert(PeriodSteps <= TRadix2FFT::MaxLength);
  const TRadix2FFT fft(PeriodSteps);
  std::array<double, PeriodSteps> re = period;
  std::array<double, PeriodSteps> im{};
  fft.Transform(re.data(), im.data());
  fft.ReorderBitReversed(re.data(), im.data());

  const std::complex<double> first(re[1], im[1]);
  double strongest = 0.0;
  for (int k = 1; k < PeriodSteps / 2; ++k)
    strongest = std::max(strongest, std::abs(std::complex<double>(re[k], im[k])));
  if (std::abs(first) <= 1e-6 * strongest)
    return;

  // Moving the start s steps later multiplies harmonic k by e^(2 pi i k s / N).
  const double turn = -HarmonicMath::Pi / 2.0 - std::arg(first);  // 2 pi s / N
  for (int k = 1; k < PeriodSteps / 2; ++k) {
    const std::complex<double> turned =
        std::complex<double>(re[k], im[k]) * std::polar(1.0, k * turn);
    re[k] = turned.real();
    im[k] = turned.imag();
    re[PeriodSteps - k] = turned.real();
    im[PeriodSteps - k] = -turned.imag();
  }
  re[PeriodSteps / 2] *= std::cos(PeriodSteps / 2 * turn);
  im[PeriodSteps / 2] = 0.0;

  // The inverse transform: the same one with the parts swapped.
  fft.Transform(im.data(), re.data());
  fft.ReorderBitReversed(im.data(), re.data());
  for (int n = 0; n < PeriodSteps; ++n)
    period[std::size_t(n)] = re[std::size_t(n)] / PeriodSteps;
}

}  // namespace

struct TSource::TImpl {
  SNDFILE *File = nullptr;
  int Rate = 0;
  int Channels = 0;
  std::int64_t Frames = 0;
  TMemoryFile Memory;
  // Interleaved frames as read; kept to spare an allocation per read.
  std::vector<float> Interleaved;

  ~TImpl() { Close(); }

  void Close()
  {
    if (File)
      sf_close(File);
    File = nullptr;
    Rate = 0;
    Channels = 0;
    Frames = 0;
    Memory = {};
  }

  // Takes over file as just opened, or refuses it (closing it).
  bool Take(SNDFILE *file, const SF_INFO &info, TError &error)
  {
    if (!file) {
      error = TError::NotSound;
      Close();
      return false;
    }
    File = file;
    if (info.channels < 1 || info.frames < 0)
      error = TError::NotSound;
    else if (info.samplerate < MinRate || info.samplerate > MaxRate)
      error = TError::RateOutside;
    else if (info.frames == 0)
      error = TError::Empty;
    else
      error = TError::None;
    if (error != TError::None) {
      Close();
      return false;
    }
    Rate = info.samplerate;
    Channels = info.channels;
    Frames = PromisedFrames(file, info);
    return true;
  }

  bool Seek(std::int64_t frame) const { return sf_seek(File, frame, SEEK_SET) == frame; }

  // Reads on from where the last read or seek left off: up to frames frames
  // mixed to mono into to, each in -1..1 (a float file's values beyond that
  // clipped, its NaNs made 0). Returns the frames read, fewer at the end of
  // the data.
  std::int64_t ReadOn(std::int64_t frames, float *to)
  {
    std::int64_t done = 0;
    while (done < frames) {
      const std::int64_t want = std::min(frames - done, ChunkFrames);
      Interleaved.resize(std::size_t(want * Channels));
      const std::int64_t got = sf_readf_float(File, Interleaved.data(), want);
      if (got <= 0)
        break;
      for (std::int64_t i = 0; i < got; ++i) {
        const float *frame = Interleaved.data() + i * Channels;
        float sum = 0.0f;
        for (int c = 0; c < Channels; ++c)
          sum += frame[c];
        const float mono = sum / float(Channels);
        to[done + i] = std::isfinite(mono) ? std::clamp(mono, -1.0f, 1.0f) : 0.0f;
      }
      done += got;
      if (got < want)
        break;
    }
    return done;
  }
};

TSource::TSource() : Impl(std::make_unique<TImpl>()) {}
TSource::~TSource() = default;
TSource::TSource(TSource &&) noexcept = default;
TSource &TSource::operator=(TSource &&) noexcept = default;

bool TSource::Open(const std::string &path, TError &error)
{
  if (!Impl)
    Impl = std::make_unique<TImpl>();
  Impl->Close();
  SF_INFO info{};
  SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info);
  return Impl->Take(file, info, error);
}

bool TSource::OpenMemory(const std::vector<unsigned char> &bytes, TError &error)
{
  if (!Impl)
    Impl = std::make_unique<TImpl>();
  Impl->Close();
  Impl->Memory.Bytes = bytes;
  SF_VIRTUAL_IO io{MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};
  SF_INFO info{};
  SNDFILE *file = sf_open_virtual(&io, SFM_READ, &info, &Impl->Memory);
  return Impl->Take(file, info, error);
}

int TSource::SampleRate() const
{
  return Impl ? Impl->Rate : 0;
}

std::int64_t TSource::Frames() const
{
  return Impl ? Impl->Frames : 0;
}

double TSource::Seconds() const
{
  return SampleRate() > 0 ? double(Frames()) / SampleRate() : 0.0;
}

bool TSource::Read(const TPart &part, std::vector<float> &mono, TError &error) const
{
  mono.clear();
  error = TError::None;
  if (!Impl || !Impl->File) {
    error = TError::NotSound;
    return false;
  }
  if (part.Start < 0 || part.Frames < 0 || part.Start > Impl->Frames ||
      part.Frames > Impl->Frames - part.Start) {
    error = TError::PartOutside;
    return false;
  }
  if (part.Frames == 0)
    return true;
  if (!Impl->Seek(part.Start)) {
    error = TError::Truncated;
    return false;
  }
  // Grown as the frames arrive, so a header that promises far more than the
  // file holds costs no more memory than the file.
  for (std::int64_t done = 0; done < part.Frames;) {
    const std::int64_t want = std::min(part.Frames - done, ChunkFrames);
    mono.resize(std::size_t(done + want));
    const std::int64_t got = Impl->ReadOn(want, mono.data() + done);
    done += got;
    if (got < want) {
      mono.resize(std::size_t(done));
      error = TError::Truncated;
      return false;
    }
  }
  return true;
}

std::vector<float> TSource::Overview(int bins) const
{
  std::vector<float> peaks(std::size_t(std::max(bins, 0)), 0.0f);
  if (!Impl || !Impl->File || bins <= 0)
    return peaks;
  const std::int64_t frames = Impl->Frames;
  std::vector<float> mono;

  if (frames <= bins) {
    mono.resize(std::size_t(frames));
    if (Impl->Seek(0))
      mono.resize(std::size_t(Impl->ReadOn(frames, mono.data())));
    for (std::int64_t b = 0; b < bins; ++b) {
      const std::int64_t at = b * frames / bins;
      if (at < std::int64_t(mono.size()))
        peaks[std::size_t(b)] = std::abs(mono[std::size_t(at)]);
    }
    return peaks;
  }

  if (double(frames) <= OverviewWholeSeconds * Impl->Rate ||
      frames <= std::int64_t(bins) * OverviewFramesPerBin) {
    if (!Impl->Seek(0))
      return peaks;
    mono.resize(std::size_t(ChunkFrames));
    for (std::int64_t done = 0; done < frames;) {
      const std::int64_t want = std::min(frames - done, ChunkFrames);
      const std::int64_t got = Impl->ReadOn(want, mono.data());
      for (std::int64_t i = 0; i < got; ++i) {
        float &peak = peaks[std::size_t((done + i) * bins / frames)];
        peak = std::max(peak, std::abs(mono[std::size_t(i)]));
      }
      done += got;
      if (got < want)
        break;
    }
    return peaks;
  }

  mono.resize(std::size_t(OverviewFramesPerBin));
  for (std::int64_t b = 0; b < bins; ++b) {
    if (!Impl->Seek(b * frames / bins))
      break;
    const std::int64_t got = Impl->ReadOn(OverviewFramesPerBin, mono.data());
    float &peak = peaks[std::size_t(b)];
    for (std::int64_t i = 0; i < got; ++i)
      peak = std::max(peak, std::abs(mono[std::size_t(i)]));
  }
  return peaks;
}

bool FindSteadyPart(const TSource &source, TPart &part, TError &error)
{
  error = TError::None;
  const int rate = source.SampleRate();
  if (rate <= 0) {
    error = TError::NotSound;
    return false;
  }
  const std::int64_t blockFrames = std::max<std::int64_t>(1, std::llround(BlockSeconds * rate));
  const std::int64_t steadyFrames = std::llround(SteadySeconds * rate);
  const std::int64_t searchFrames =
      std::min<std::int64_t>(source.Frames(), std::llround(SearchSeconds * rate));

  // The level of each whole block: its samples' standard deviation, so that
  // a constant offset counts as silence. Read a second's worth at a time; a
  // file that ends early is searched as far as it goes.
  std::vector<double> levels;
  double sum = 0.0;
  double squares = 0.0;
  std::int64_t read = 0;
  std::vector<float> mono;
  const std::int64_t step = 20 * blockFrames;
  while (read < searchFrames) {
    TError readError = TError::None;
    const bool whole =
        source.Read({read, std::min(step, searchFrames - read)}, mono, readError);
    for (std::size_t at = 0; at + std::size_t(blockFrames) <= mono.size();
         at += std::size_t(blockFrames)) {
      double blockSum = 0.0;
      double blockSquares = 0.0;
      for (std::size_t i = at; i < at + std::size_t(blockFrames); ++i) {
        blockSum += mono[i];
        blockSquares += double(mono[i]) * mono[i];
      }
      const double mean = blockSum / double(blockFrames);
      levels.push_back(std::sqrt(std::max(0.0, blockSquares / double(blockFrames) - mean * mean)));
    }
    for (float v : mono) {
      sum += v;
      squares += double(v) * v;
    }
    read += std::int64_t(mono.size());
    if (!whole)
      break;
  }
  if (read == 0) {
    error = TError::Truncated;
    return false;
  }

  const std::int64_t windowBlocks = (steadyFrames + blockFrames - 1) / blockFrames;
  if (read <= steadyFrames || std::int64_t(levels.size()) < windowBlocks) {
    const double mean = sum / double(read);
    if (std::sqrt(std::max(0.0, squares / double(read) - mean * mean)) < SilenceLevel) {
      error = TError::Silence;
      return false;
    }
    part = {0, std::min(read, steadyFrames)};
    return true;
  }
  if (*std::max_element(levels.begin(), levels.end()) < SilenceLevel) {
    error = TError::Silence;
    return false;
  }

  // Each window of windowBlocks blocks scores its mean level divided by
  // (1 + the coefficient of variation of its levels); windows with a silent
  // block are taken only when every window has one.
  std::size_t best = 0;
  double bestScore = -1.0;
  bool bestHasSilence = true;
  for (std::size_t first = 0; first + std::size_t(windowBlocks) <= levels.size(); ++first) {
    double total = 0.0;
    bool silent = false;
    for (std::size_t i = first; i < first + std::size_t(windowBlocks); ++i) {
      total += levels[i];
      silent = silent || levels[i] < SilenceLevel;
    }
    const double mean = total / double(windowBlocks);
    double spread = 0.0;
    for (std::size_t i = first; i < first + std::size_t(windowBlocks); ++i)
      spread += (levels[i] - mean) * (levels[i] - mean);
    const double variation = mean > 0.0 ? std::sqrt(spread / double(windowBlocks)) / mean : 0.0;
    const double score = mean / (1.0 + variation);
    if ((bestHasSilence && !silent) || (silent == bestHasSilence && score > bestScore)) {
      best = first;
      bestScore = score;
      bestHasSilence = silent;
    }
  }
  part = {std::int64_t(best) * blockFrames, steadyFrames};
  return true;
}

bool Analyse(const std::vector<float> &samples, int rate, TAnalysis &analysis, TError &error)
{
  error = TError::None;
  // No fundamental in range can be told apart at a rate below MinRate.
  if (rate < MinRate || rate > MaxRate) {
    error = TError::NoPitch;
    return false;
  }
  const std::size_t n = samples.size();
  if (double(n) < 2.0 * rate / MaxFundamental) {
    error = TError::TooShort;
    return false;
  }

  // Without its mean: a constant offset is neither sound nor pitch.
  std::vector<double> x(n);
  double mean = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = std::isfinite(samples[i]) ? samples[i] : 0.0;
    mean += x[i];
  }
  mean /= double(n);
  double squares = 0.0;
  for (double &v : x) {
    v -= mean;
    squares += v * v;
  }
  if (std::sqrt(squares / double(n)) < SilenceLevel) {
    error = TError::Silence;
    return false;
  }

  // YIN on a frame of two longest periods, in the middle of the part; at its
  // start and end when the middle has no clear period. A part too short for
  // the longest period is searched as far as it goes, and failing that is
  // too short rather than without pitch.
  int maxLag = int(std::ceil(rate / MinFundamental * 1.01)) + 1;
  const bool limited = std::size_t(2 * maxLag) > n;
  if (limited)
    maxLag = int(n / 2);
  const std::size_t frame = std::size_t(2 * maxLag);
  PitchFinder::TCoarse coarse;
  bool found = false;
  for (std::size_t at : {(n - frame) / 2, std::size_t(0), n - frame}) {
    found = PitchFinder::CoarsePeriod(x.data() + at, maxLag, coarse);
    if (found)
      break;
  }
  if (!found) {
    error = limited ? TError::TooShort : TError::NoPitch;
    return false;
  }
  // The first dip of a tone above the range lies at its own period: such a
  // tone is refused, never taken for one of its subharmonics.
  if (rate / coarse.Period > MaxFundamental * 1.03) {
    error = TError::NoPitch;
    return false;
  }
  const double period = PitchFinder::RefinePeriod(x.data(), n, coarse.Period);
  const double fundamental = rate / period;
  if (!(fundamental >= MinFundamental / RangeTolerance &&
        fundamental <= MaxFundamental * RangeTolerance)) {
    error = TError::NoPitch;
    return false;
  }
  if (double(n) < 2.0 * period) {
    error = TError::TooShort;
    return false;
  }

  // The middle periods resampled so that a period is PeriodSteps samples,
  // with the resampler's reach on each side where the part has it, then
  // folded into one.
  const double ratio = PeriodSteps * fundamental / rate;
  const double margin = ResamplerMargin(ratio);
  int count = int(std::floor((double(n) - 2.0 * margin) / period));
  count = std::min({count, MostAveragedPeriods, int(std::floor(MostAveragedSeconds * fundamental))});
  count = std::clamp(count, 1, int(std::floor(double(n) / period)));
  const double start = (double(n) - count * period) / 2.0;
  const auto first = std::size_t(std::max(0.0, std::floor(start - margin)));
  const auto last = std::size_t(std::min(double(n), std::ceil(start + count * period + margin)));
  const std::vector<float> stretch(x.begin() + std::ptrdiff_t(first), x.begin() + std::ptrdiff_t(last));
  const std::vector<float> resampled = Resample(stretch, ratio);
  count = std::min(count, int(resampled.size() / PeriodSteps));
  if (count < 1) {
    error = TError::TooShort;
    return false;
  }
  const std::size_t offset =
      std::min(std::size_t(std::max(0L, std::lround((start - double(first)) * ratio))),
               resampled.size() - std::size_t(count) * PeriodSteps);

  std::array<double, PeriodSteps> folded{};
  for (int k = 0; k < count; ++k)
    for (int j = 0; j < PeriodSteps; ++j)
      folded[std::size_t(j)] += resampled[offset + std::size_t(k * PeriodSteps + j)];
  StartAtRisingFundamental(folded);
  double peak = 0.0;
  for (double v : folded)
    peak = std::max(peak, std::abs(v));
  if (!(peak > 0.0)) {
    error = TError::Silence;
    return false;
  }
  for (double &v : folded)
    v *= PeriodPeak / peak;

  // Within the precision promised a measure may fall just outside the range
  // (49.97 Hz for a 50 Hz tone); the range holds what is reported, so that a
  // set saved with it opens again.
  analysis.Fundamental = std::clamp(fundamental, MinFundamental, MaxFundamental);
  analysis.Period = folded;
  analysis.Periods = count;
  return true;
}

bool AnalysePart(const TSource &source, const TPart &part, TAnalysis &analysis, TError &error)
{
  std::vector<float> mono;
  return source.Read(part, mono, error) && Analyse(mono, source.SampleRate(), analysis, error);
}

std::vector<float> LoopOfPart(const TSource &source, const TPart &part, double fundamental,
                              int outputRate)
{
  const int rate = source.SampleRate();
  const std::int64_t frames = source.Frames();
  if (rate <= 0 || outputRate <= 0 || !(fundamental > 0.0) || !std::isfinite(fundamental) ||
      part.Start < 0 || part.Frames <= 0 || part.Start > frames - part.Frames)
    return {};
  const double period = rate / fundamental;
  const double periods = std::floor(double(part.Frames) / period);
  if (periods < 1.0)
    return {};
  // A whole number of output frames holding exactly the periods: the ratio
  // is off outputRate / rate by less than half a frame in the loop.
  const double span = periods * period;
  const double loopFrames = std::round(periods * outputRate / fundamental);
  if (loopFrames < 1.0)
    return {};
  const double ratio = loopFrames / span;
  const double margin = ResamplerMargin(ratio);

  // The periods sit in the middle of the part, moved within it away from an
  // end of the recording that leaves the resampler too little to read.
  const double slack = double(part.Frames) - span;
  double start = double(part.Start) + slack / 2.0;
  const double earliest = std::max(double(part.Start), margin);
  const double latest = std::min(double(part.Start) + slack, double(frames) - span - margin);
  if (earliest <= latest)
    start = std::clamp(start, earliest, latest);
  const auto first = std::int64_t(std::max(0.0, std::floor(start - margin)));
  const auto last = std::int64_t(std::min(double(frames), std::ceil(start + span + margin)));

  std::vector<float> mono;
  TError error = TError::None;
  if (!source.Read({first, last - first}, mono, error))
    return {};
  std::vector<float> resampled = Resample(mono, ratio);
  const auto length = std::size_t(loopFrames);
  if (resampled.size() < length)
    return {};
  const std::size_t offset =
      std::min(std::size_t(std::max(0L, std::lround((start - double(first)) * ratio))),
               resampled.size() - length);
  return std::vector<float>(resampled.begin() + std::ptrdiff_t(offset),
                            resampled.begin() + std::ptrdiff_t(offset + length));
}

}  // namespace Recording
