#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>
#include <QMutex>

#include <memory>
#include <optional>

// A platform sound service: loops an in-memory WAV image until it is stopped
// or handed another image. Called on the user-interface thread only.
class TSoundService {
public:
  virtual ~TSoundService() = default;

  // Replaces whatever plays by a seamless loop of the image's samples. The
  // service keeps what it needs; the image may change or die after the call.
  // An image the service cannot play stops the sound.
  virtual void PlayLoopImage(const QByteArray &image) = 0;

  // Silences the output at once. Harmless when nothing plays.
  virtual void Stop() = 0;
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

// The sink format for a parsed image: unsigned 8-bit, signed 16-bit or signed
// 32-bit samples. Invalid (isValid() false) for any other sample width.
QAudioFormat AudioFormatOf(const TWaveImage &wave);

// A read-only, endless stream that repeats one block of samples. The audio
// thread reads it while the user-interface thread replaces the block, so the
// block and the read position are guarded by a mutex held only for copies.
class TLoopDevice : public QIODevice {
public:
  explicit TLoopDevice(QObject *parent = nullptr);

  // Any thread. Replaces the repeated block (a whole number of frames). The
  // read position is kept modulo the new length, so a new block of the same
  // period continues in phase and the switch makes no click; restart sets it
  // to the first byte instead. An empty block reads as silence.
  void SetSamples(const QByteArray &samples, char silence, bool restart);

  QByteArray Samples() const;

  bool isSequential() const override;
  // Never runs dry: the sink must not see an end and drain.
  qint64 bytesAvailable() const override;

protected:
  qint64 readData(char *data, qint64 maxSize) override;
  qint64 writeData(const char *data, qint64 maxSize) override;

private:
  mutable QMutex Lock;
  QByteArray Block;
  char Silence = char(128);
  qint64 Offset = 0;  // next byte of Block to read
};

class TAudioThread;

// The sound service on Qt Multimedia. Nothing of Qt Multimedia is touched
// before the first play request. The samples loop through one QAudioSink in
// pull mode from a TLoopDevice; sink and device live on a thread of their own,
// so the loop keeps flowing while the user-interface thread is busy. A play
// request while the loop plays only swaps the samples; the output stream is
// opened again only after Stop, after a format change or after the stream
// failed. Without an audio output (no device, no sound server) every request
// is silently ignored.
class TQtSoundService final : public TSoundService {
public:
  TQtSoundService();
  ~TQtSoundService() override;

  void PlayLoopImage(const QByteArray &image) override;
  void Stop() override;

  // How many times an output stream was opened so far. Read from the
  // user-interface thread; an open is counted once the sink has started.
  int StreamOpenCount() const;

  // Blocks until the audio thread has handled every request made before the
  // call (at most timeoutMs). True when it got there in time.
  bool WaitForAudioThread(int timeoutMs) const;

private:
  std::unique_ptr<TAudioThread> Audio;  // created by the first play request
  // A loop in RequestedFormat was asked of the audio thread since the last
  // Stop. User-interface thread only.
  bool LoopRequested = false;
  QAudioFormat RequestedFormat;
};
