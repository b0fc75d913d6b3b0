#include "SoundService.h"

#include "LoopRenderer.h"

#include <pulse/simple.h>
#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

// Length of the fades at start and stop, heard as a soft edge, not a click.
constexpr int FadeMs = 5;

// Latency the stream asks of the server: the first tone is due this long
// after the first write, and a stop, a swap or a fade reaches the output
// after at most this plus one chunk.
constexpr int TargetLatencyMs = 40;

// Frames rendered per write; the writer looks at new requests between writes.
constexpr int ChunkMs = 5;

// Silence written ahead of the fade in of every new stream. A server may start
// a new stream by rewinding what it had already mixed ahead and lose the
// stream's first milliseconds where that was already taken (a null sink's
// monitor does, by up to a block); the silence is lost instead of the fade.
constexpr int LeadInMs = 20;

// How often the writer tries to open a stream on its own while the loop is
// wanted and no output takes it.
constexpr auto RetryInterval = std::chrono::milliseconds(2000);

// How long the destructor waits for the writer to fade out and close.
constexpr auto ShutdownTimeout = std::chrono::milliseconds(3000);

// Little-endian fields; the caller has checked that the bytes are present.
quint16 ReadU16(const QByteArray &bytes, qsizetype at)
{
  return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

quint32 ReadU32(const QByteArray &bytes, qsizetype at)
{
  return quint32(ReadU16(bytes, at)) | quint32(ReadU16(bytes, at + 2)) << 16;
}

// One image as the writer plays it: float frames at a rate.
struct TStreamImage {
  int Channels = 0;
  std::uint32_t Rate = 0;
  std::vector<float> Samples;

  bool SameFormat(const TStreamImage &other) const
  {
    return Channels == other.Channels && Rate == other.Rate;
  }
};

}  // namespace

std::optional<TWaveImage> ParseWaveImage(const QByteArray &image)
{
  const qint64 size = image.size();
  if (size < 12 || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE")
    return std::nullopt;

  TWaveImage wave;
  bool haveFormat = false;
  qint64 pos = 12;
  while (pos + 8 <= size) {
    const QByteArray id = image.mid(pos, 4);
    const qint64 length = ReadU32(image, pos + 4);
    const qint64 body = pos + 8;
    const qint64 present = std::min(length, size - body);
    if (id == "fmt ") {
      if (present < 16 || ReadU16(image, body) != 1)
        return std::nullopt;
      wave.Channels = ReadU16(image, body + 2);
      wave.SampleRate = ReadU32(image, body + 4);
      wave.BitsPerSample = ReadU16(image, body + 14);
      if (wave.Channels == 0 || wave.SampleRate == 0 || wave.BitsPerSample == 0
          || wave.BitsPerSample % 8 != 0)
        return std::nullopt;
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat)
        return std::nullopt;
      const qint64 frameBytes = qint64(wave.Channels) * (wave.BitsPerSample / 8);
      const qint64 usable = present - present % frameBytes;
      if (usable <= 0)
        return std::nullopt;
      wave.Samples = image.mid(body, usable);
      return wave;
    }
    // Chunks are padded to an even length.
    pos = body + length + (length & 1);
  }
  return std::nullopt;
}


// Requests from the user-interface thread to the writer and the writer's
// answers, all under Lock. Shared by the service and its writer, so a writer
// left behind by the destructor still has it.
struct TPulseShared {
  std::mutex Lock;
  std::condition_variable Wake;     // a request or Quit for the writer
  std::condition_variable Handled;  // Done or Finished moved

  bool Wanted = false;  // the latest request was a play request
  bool Restart = false;  // stopped since the writer took the last image
  std::optional<TStreamImage> Image;  // newest image, until the writer takes it
  std::uint64_t Requested = 0;  // serial of the latest request
  TClock::time_point RequestedAt;
  bool Quit = false;
  TSoundService::TOutputListener Listener;

  std::uint64_t Done = 0;  // serial of the latest request carried out
  bool Finished = false;  // the writer has returned

  std::atomic<int> Opens{0};
  std::atomic<int> Attempts{0};
  std::atomic<double> FirstToneMs{-1.0};
};

namespace {

void FreeStream(pa_simple *stream)
{
  pa_simple_free(stream);
}

using TStream = std::unique_ptr<pa_simple, decltype(&FreeStream)>;

// The writer thread's state and its loop. Only the writer thread touches it.
class TPulseWriter {
public:
  explicit TPulseWriter(TPulseShared &shared) : Shared(shared) {}

  void Run()
  {
    while (TakeRequests()) {
      if (!Stream) {
        if (Wanted && TClock::now() >= RetryAt)
          Open();
      } else if (Renderer->Silent() && (!Wanted || !Image.SameFormat(StreamFormat))) {
        Close(true);
      } else {
        WriteChunk();
      }
      const bool steady = Stream ? Wanted && !FirstWritePending && Image.SameFormat(StreamFormat)
                                 : !Wanted || TClock::now() < RetryAt;
      if (steady && Done != Serial)
        MarkDone();
    }
  }

private:
  // Takes the newest requests; waits while there is nothing to write. False
  // once the writer should return: Quit and nothing sounds any more.
  bool TakeRequests()
  {
    std::unique_lock lock(Shared.Lock);
    if (!Stream) {
      const auto changed = [this] { return Shared.Requested != Serial || Shared.Quit; };
      if (Wanted)
        Shared.Wake.wait_until(lock, RetryAt, changed);
      else
        Shared.Wake.wait(lock, changed);
    }
    if (Shared.Quit && !Stream)
      return false;
    if (Shared.Requested == Serial && !Shared.Quit)
      return true;
    Serial = Shared.Requested;
    RequestedAt = Shared.RequestedAt;
    Wanted = Shared.Wanted && !Shared.Quit;
    std::optional<TStreamImage> image = std::exchange(Shared.Image, std::nullopt);
    const bool restart = image && std::exchange(Shared.Restart, false);
    lock.unlock();

    if (image) {
      Image = std::move(*image);
      if (!Stream)
        RetryAt = TClock::now();
      else if (Image.SameFormat(StreamFormat))
        Renderer->Play(Image.Samples, restart);
      else
        Renderer->Stop();
    }
    if (!Wanted && Stream)
      Renderer->Stop();
    return true;
  }

  void Open()
  {
    pa_sample_spec format;
    format.format = PA_SAMPLE_FLOAT32LE;
    format.rate = Image.Rate;
    format.channels = std::uint8_t(std::clamp(Image.Channels, 0, 255));
    if (!pa_sample_spec_valid(&format) || format.channels != Image.Channels) {
      // Not a format any server takes: nothing to retry.
      Wanted = false;
      return;
    }
    const auto bytesPerMs = std::uint32_t(pa_bytes_per_second(&format) / 1000);
    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = bytesPerMs * TargetLatencyMs;
    buffer.prebuf = std::uint32_t(-1);
    buffer.minreq = std::uint32_t(-1);
    buffer.fragsize = std::uint32_t(-1);
    // The first tone is timed from the play request, or from this attempt when
    // the writer retries on its own.
    const TClock::time_point start = TClock::now();
    ToneClockFrom = RequestedAt > FailedAt ? RequestedAt : start;
    int error = 0;
    ++Shared.Attempts;
    Stream.reset(pa_simple_new(nullptr, "Rotants", PA_STREAM_PLAYBACK, nullptr, "Tone", &format,
                               nullptr, &buffer, &error));
    if (!Stream) {
      Fail();
      return;
    }
    ++Shared.Opens;
    StreamFormat = TStreamImage{Image.Channels, Image.Rate, {}};
    Renderer.emplace(Image.Channels, std::max(1, int(Image.Rate) * FadeMs / 1000));
    Renderer->Play(Image.Samples, true);
    Chunk.resize(std::size_t(std::max(1, int(Image.Rate) * ChunkMs / 1000) * Image.Channels));
    LeadInFrames = std::int64_t(Image.Rate) * LeadInMs / 1000;
    FirstWritePending = true;
    FirstTonePending = true;
  }

  void WriteChunk()
  {
    const int frames = int(Chunk.size()) / Renderer->Channels();
    const bool leadIn = LeadInFrames > 0;
    if (leadIn) {
      std::fill(Chunk.begin(), Chunk.end(), 0.0f);
      LeadInFrames -= frames;
    } else {
      Renderer->Render(Chunk.data(), frames);
    }
    int error = 0;
    if (pa_simple_write(Stream.get(), Chunk.data(), Chunk.size() * sizeof(float), &error) < 0) {
      Close(false);
      Fail();
      return;
    }
    if (FirstWritePending) {
      FirstWritePending = false;
      Report(true);
    }
    if (!leadIn && FirstTonePending) {
      // The chunk just written, whose first frame is the first of the tone,
      // ends the stream's latency from now.
      FirstTonePending = false;
      const pa_usec_t latency = pa_simple_get_latency(Stream.get(), &error);
      const double sinceRequest =
          std::chrono::duration<double, std::milli>(TClock::now() - ToneClockFrom).count();
      if (latency != pa_usec_t(-1))
        Shared.FirstToneMs = sinceRequest + latency / 1000.0 - ChunkMs;
    }
  }

  // drain: the fade out has been written and must be heard before the stream
  // goes; a failed stream is dropped as it is.
  void Close(bool drain)
  {
    int error = 0;
    if (drain)
      pa_simple_drain(Stream.get(), &error);
    Stream.reset();
    Renderer.reset();
    FirstWritePending = false;
    FirstTonePending = false;
    RetryAt = TClock::now();
  }

  void Fail()
  {
    Report(false);
    FailedAt = TClock::now();
    RetryAt = FailedAt + RetryInterval;
  }

  void Report(bool available)
  {
    if (Reported == available)
      return;
    Reported = available;
    std::lock_guard lock(Shared.Lock);
    if (Shared.Listener)
      Shared.Listener(available);
  }

  void MarkDone()
  {
    Done = Serial;
    std::lock_guard lock(Shared.Lock);
    Shared.Done = Serial;
    Shared.Handled.notify_all();
  }

  TPulseShared &Shared;
  TStream Stream{nullptr, &FreeStream};
  TStreamImage StreamFormat;  // channels and rate of Stream
  std::optional<TLoopRenderer> Renderer;  // exists with Stream
  std::vector<float> Chunk;
  std::int64_t LeadInFrames = 0;  // of silence still to write
  TStreamImage Image;  // the newest image taken
  bool Wanted = false;
  bool FirstWritePending = false;
  bool FirstTonePending = false;
  std::optional<bool> Reported;
  TClock::time_point RetryAt;
  TClock::time_point RequestedAt;  // of the latest request taken
  TClock::time_point FailedAt;
  TClock::time_point ToneClockFrom;
  std::uint64_t Serial = 0;  // of the latest request taken
  std::uint64_t Done = 0;
};

}  // namespace

TPulseSoundService::TPulseSoundService() : Shared(std::make_shared<TPulseShared>()) {}

TPulseSoundService::~TPulseSoundService()
{
  std::unique_lock lock(Shared->Lock);
  Shared->Listener = nullptr;
  if (!Writer.joinable())
    return;
  Shared->Quit = true;
  Shared->Wake.notify_all();
  const bool finished =
      Shared->Handled.wait_for(lock, ShutdownTimeout, [this] { return Shared->Finished; });
  lock.unlock();
  // A writer stuck inside the sound server is left behind with the shared
  // state it holds, rather than hang the program.
  if (finished)
    Writer.join();
  else
    Writer.detach();
}

void TPulseSoundService::StartWriter()
{
  if (Writer.joinable())
    return;
  Writer = std::thread([shared = Shared] {
    // The buffer holds only tens of milliseconds, so a writer that waits for
    // the processor longer than that leaves a gap. A real-time priority keeps
    // it ahead of busy programs where the system grants one; elsewhere it runs
    // at normal priority.
    sched_param priority{};
    priority.sched_priority = std::max(1, sched_get_priority_min(SCHED_FIFO));
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority);
    TPulseWriter(*shared).Run();
    std::lock_guard lock(shared->Lock);
    shared->Finished = true;
    shared->Handled.notify_all();
  });
}

void TPulseSoundService::PlayLoopImage(const QByteArray &image)
{
  const std::optional<TWaveImage> wave = ParseWaveImage(image);
  TStreamImage next;
  if (wave) {
    next.Channels = wave->Channels;
    next.Rate = wave->SampleRate;
    next.Samples = FloatSamplesOf(wave->Samples.constData(), wave->Samples.size(),
                                  wave->BitsPerSample);
  }
  if (next.Samples.empty()) {
    Stop();
    return;
  }
  StartWriter();
  std::lock_guard lock(Shared->Lock);
  Shared->Wanted = true;
  Shared->Image = std::move(next);
  ++Shared->Requested;
  Shared->RequestedAt = TClock::now();
  Shared->Wake.notify_all();
}

void TPulseSoundService::Stop()
{
  std::lock_guard lock(Shared->Lock);
  if (!Shared->Wanted)
    return;
  Shared->Wanted = false;
  Shared->Restart = true;
  ++Shared->Requested;
  Shared->RequestedAt = TClock::now();
  Shared->Wake.notify_all();
}

void TPulseSoundService::SetOutputListener(TOutputListener listener)
{
  std::lock_guard lock(Shared->Lock);
  Shared->Listener = std::move(listener);
}

int TPulseSoundService::StreamOpenCount() const
{
  return Shared->Opens.load();
}

bool TPulseSoundService::WaitForAudioThread(int timeoutMs) const
{
  std::unique_lock lock(Shared->Lock);
  const std::uint64_t serial = Shared->Requested;
  return Shared->Handled.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    return Shared->Done >= serial || Shared->Finished;
  });
}

int TPulseSoundService::OpenAttemptCount() const
{
  return Shared->Attempts.load();
}

double TPulseSoundService::FirstToneMs() const
{
  return Shared->FirstToneMs.load();
}
