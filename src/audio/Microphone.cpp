#include "Microphone.h"

#include <QMetaObject>

#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

namespace {

using TClock = std::chrono::steady_clock;

constexpr int CaptureRate = 48000;  // Hz, mono float

// Length of one read, and of the fragments the server sends: a read returns
// after about this long, so the reader sees a stop or a quit that soon.
constexpr int BlockFrames = CaptureRate / 50;  // 20 ms

constexpr std::size_t RingFrames = std::size_t(CaptureRate) * 4;  // 4 s

// How often the reader tries to open a stream on its own while capture is
// wanted and no input can be had.
constexpr auto RetryInterval = std::chrono::milliseconds(2000);

// How long the destructor waits for the reader to close its stream. A read
// ends within a block and an open against an answering server within tens of
// milliseconds, but a source that is slow to start (a server just started, a
// device waking up) can hold the first read for a second or more.
constexpr auto ShutdownTimeout = std::chrono::milliseconds(500);

std::function<std::unique_ptr<TCaptureService>()> &ServiceFactory()
{
  static std::function<std::unique_ptr<TCaptureService>()> factory;
  return factory;
}

void FreeStream(pa_simple *stream)
{
  pa_simple_free(stream);
}

using TStream = std::unique_ptr<pa_simple, decltype(&FreeStream)>;

}  // namespace

// Requests from the user-interface thread to the reader, and the samples it
// captured. Shared by the service and its reader, so a reader left behind by
// the destructor still has it. Lock is taken before RingLock where both are.
struct TPulseCaptureShared {
  std::mutex Lock;
  std::condition_variable Wake;   // a request or Quit for the reader
  std::condition_variable Ended;  // Finished became true
  std::thread Reader;  // joinable from the first Start
  bool Wanted = false;  // the latest request was Start
  std::uint64_t Requested = 0;  // serial of the latest request
  bool Quit = false;
  bool Finished = false;  // the reader has returned
  TCaptureService::TInputListener Listener;

  mutable std::mutex RingLock;
  std::vector<float> Ring = std::vector<float>(RingFrames);
  std::size_t Next = 0;  // where the next sample goes
  std::size_t Filled = 0;  // samples held, at most RingFrames
  // Counts the stops; a block read before the latest stop is not stored.
  std::uint64_t Session = 0;
};

namespace {

// The reader thread's state and its loop. Only the reader thread touches it.
class TPulseReader {
public:
  explicit TPulseReader(TPulseCaptureShared &shared) : Shared(shared) {}

  void Run()
  {
    while (TakeRequests()) {
      if (Stream)
        ReadBlock();
      else if (Wanted && TClock::now() >= RetryAt)
        Open();
    }
  }

private:
  // Takes the newest request; waits while there is nothing to read. False
  // once the reader should return.
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
    if (Shared.Quit)
      return false;
    if (Shared.Requested == Serial)
      return true;
    Serial = Shared.Requested;
    Wanted = Shared.Wanted;
    std::uint64_t session = 0;
    {
      std::lock_guard ring(Shared.RingLock);
      session = Shared.Session;
    }
    lock.unlock();

    if (!Wanted) {
      Stream.reset();
      return true;
    }
    // Only a start leaves capture wanted (a stop and a start when the reader
    // missed the stop); it tries to open at once.
    RetryAt = TClock::now();
    if (Stream && session != Session) {
      // Stopped and started again between two reads: what the server holds
      // was recorded while stopped.
      int error = 0;
      pa_simple_flush(Stream.get(), &error);
    }
    Session = session;
    return true;
  }

  void Open()
  {
    pa_sample_spec format;
    format.format = PA_SAMPLE_FLOAT32NE;
    format.rate = CaptureRate;
    format.channels = 1;
    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(-1);
    buffer.prebuf = std::uint32_t(-1);
    buffer.minreq = std::uint32_t(-1);
    buffer.fragsize = std::uint32_t(BlockFrames * sizeof(float));
    int error = 0;
    Stream.reset(pa_simple_new(nullptr, "Rotants", PA_STREAM_RECORD, nullptr, "Microphone",
                               &format, nullptr, &buffer, &error));
    if (!Stream)
      Fail();
  }

  void ReadBlock()
  {
    int error = 0;
    if (pa_simple_read(Stream.get(), Block.data(), Block.size() * sizeof(float), &error) < 0) {
      Stream.reset();
      Fail();
      return;
    }
    {
      std::lock_guard lock(Shared.RingLock);
      if (Shared.Session != Session)
        return;
      for (const float sample : Block) {
        Shared.Ring[Shared.Next] = sample;
        Shared.Next = (Shared.Next + 1) % RingFrames;
      }
      Shared.Filled = std::min(RingFrames, Shared.Filled + Block.size());
    }
    Report(true);
  }

  void Fail()
  {
    Report(false);
    RetryAt = TClock::now() + RetryInterval;
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

  TPulseCaptureShared &Shared;
  TStream Stream{nullptr, &FreeStream};
  std::vector<float> Block = std::vector<float>(BlockFrames);
  bool Wanted = false;
  std::optional<bool> Reported;
  TClock::time_point RetryAt;
  std::uint64_t Serial = 0;  // of the latest request taken
  std::uint64_t Session = 0;  // Shared.Session when the latest start was taken
};

}  // namespace

TPulseCaptureService::TPulseCaptureService() : Shared(std::make_shared<TPulseCaptureShared>()) {}

TPulseCaptureService::~TPulseCaptureService()
{
  std::unique_lock lock(Shared->Lock);
  Shared->Listener = nullptr;
  if (!Shared->Reader.joinable())
    return;
  Shared->Quit = true;
  Shared->Wake.notify_all();
  const bool finished =
      Shared->Ended.wait_for(lock, ShutdownTimeout, [this] { return Shared->Finished; });
  std::thread reader = std::move(Shared->Reader);
  lock.unlock();
  // A reader stuck inside the sound server is left behind with the shared
  // state it holds, rather than hang the program.
  if (finished)
    reader.join();
  else
    reader.detach();
}

void TPulseCaptureService::Start()
{
  std::lock_guard lock(Shared->Lock);
  if (Shared->Wanted)
    return;
  if (!Shared->Reader.joinable()) {
    Shared->Reader = std::thread([shared = Shared] {
      TPulseReader(*shared).Run();
      std::lock_guard lock(shared->Lock);
      shared->Finished = true;
      shared->Ended.notify_all();
    });
  }
  Shared->Wanted = true;
  ++Shared->Requested;
  Shared->Wake.notify_all();
}

void TPulseCaptureService::Stop()
{
  std::lock_guard lock(Shared->Lock);
  if (!Shared->Wanted)
    return;
  Shared->Wanted = false;
  ++Shared->Requested;
  {
    std::lock_guard ring(Shared->RingLock);
    ++Shared->Session;
    Shared->Next = 0;
    Shared->Filled = 0;
  }
  Shared->Wake.notify_all();
}

std::vector<float> TPulseCaptureService::Latest(int frames) const
{
  std::lock_guard lock(Shared->RingLock);
  const std::size_t count = std::min(Shared->Filled, std::size_t(std::max(frames, 0)));
  std::vector<float> out(count);
  const std::size_t first = (Shared->Next + RingFrames - count) % RingFrames;
  const std::size_t head = std::min(count, RingFrames - first);
  std::copy_n(Shared->Ring.begin() + std::ptrdiff_t(first), head, out.begin());
  std::copy_n(Shared->Ring.begin(), count - head, out.begin() + std::ptrdiff_t(head));
  return out;
}

int TPulseCaptureService::SampleRate() const
{
  return CaptureRate;
}

void TPulseCaptureService::SetInputListener(TInputListener listener)
{
  std::lock_guard lock(Shared->Lock);
  Shared->Listener = std::move(listener);
}

TMicrophone::TMicrophone(QObject *owner) : QObject(owner)
{
  const auto &factory = ServiceFactory();
  if (factory)
    Service = factory();
  if (!Service)
    Service = std::make_unique<TPulseCaptureService>();
  // The service may call from its own thread; the report is passed on as a
  // queued call, which Qt drops if this microphone is gone by then.
  Service->SetInputListener([this](bool available) {
    QMetaObject::invokeMethod(this, [this, available] { emit InputReport(available); },
                              Qt::QueuedConnection);
  });
}

// The service goes first: it stops calling the listener, which refers to this
// microphone, before its destructor returns.
TMicrophone::~TMicrophone()
{
  Service.reset();
}

void TMicrophone::Start()
{
  Service->Start();
  Running = true;
}

void TMicrophone::Stop()
{
  Service->Stop();
  Running = false;
}

std::vector<float> TMicrophone::Latest(int frames) const
{
  return Service->Latest(frames);
}

int TMicrophone::SampleRate() const
{
  return Service->SampleRate();
}

void TMicrophone::SetServiceFactory(std::function<std::unique_ptr<TCaptureService>()> factory)
{
  ServiceFactory() = std::move(factory);
}
