#pragma once

#include <QByteArray>

#include <functional>
#include <memory>
#include <optional>
#include <thread>

// A platform sound service: loops an in-memory WAV image until it is stopped
// or handed another image. Called on the user-interface thread only.
class TSoundService {
public:
  // Told whether the output works: false when a loop was asked for and no
  // output took it (no sound server, no device, the stream failed), true when
  // a loop is heard, the first time and after every false. Called on any
  // thread, and never after the service's destructor has returned.
  using TOutputListener = std::function<void(bool available)>;

  virtual ~TSoundService() = default;

  // Replaces whatever plays by a seamless loop of the image's samples. The
  // service keeps what it needs; the image may change or die after the call.
  // An image the service cannot play stops the sound.
  virtual void PlayLoopImage(const QByteArray &image) = 0;

  // Silences the output. Harmless when nothing plays.
  virtual void Stop() = 0;

  // A service that cannot tell whether it is heard never calls the listener.
  virtual void SetOutputListener(TOutputListener listener) { (void)listener; }
};

// PCM layout and samples of a RIFF/WAVE image.
struct TWaveImage {
  quint16 Channels = 0;
  quint32 SampleRate = 0;
  quint16 BitsPerSample = 0;
  QByteArray Samples;  // whole frames only
};

// Reads an integer-PCM RIFF/WAVE image by walking its chunks: the "fmt " chunk
// (any length of 16 or more) and the "data" chunk, whose samples are cut to
// the bytes present and to whole frames. Empty when the image is not such a
// file or carries no complete frame.
std::optional<TWaveImage> ParseWaveImage(const QByteArray &image);

struct TPulseShared;

// The sound service on libpulse's simple API, which speaks to PulseAudio and
// to PipeWire's PulseAudio server. A writer thread of its own, started by the
// first play request, renders the loop (TLoopRenderer: fades of 5 ms at start
// and stop, images swapped in phase) as float samples into a stream with a
// latency of about 30 ms. Every stream is a fresh connection to the server:
// when none can be opened, or the open one fails, the service reports the
// output unavailable and tries again at the next play request and, while the
// loop is wanted, every 2 s on its own. A stop fades out, lets the server play
// what it holds and closes the stream.
class TPulseSoundService final : public TSoundService {
public:
  TPulseSoundService();
  ~TPulseSoundService() override;

  void PlayLoopImage(const QByteArray &image) override;
  void Stop() override;
  void SetOutputListener(TOutputListener listener) override;

  // How many streams were opened so far, and how many opens were tried.
  int StreamOpenCount() const;
  int OpenAttemptCount() const;

  // Blocks until the writer has carried out every request made before the
  // call (at most timeoutMs): a play request once its stream plays or could
  // not be opened, a stop once the stream is closed. True when in time.
  bool WaitForAudioThread(int timeoutMs) const;

  // For the latest stream opened: milliseconds from the play request that
  // opened it to when its first frame was due at the output (the open, the
  // first write and the stream's latency then). -1 before any stream.
  double FirstToneMs() const;

private:
  void StartWriter();

  std::shared_ptr<TPulseShared> Shared;
  std::thread Writer;  // joinable from the first play request
};
