#include "SoundService.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QMutexLocker>
#include <QSemaphore>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <utility>

namespace {

// Length of the sink's buffer. It bounds how long a new image takes to be
// heard and how long the audio thread may stall before the output runs dry.
constexpr qint64 SinkBufferMicroseconds = 100000;

// How long the destructor waits for the audio thread to close the stream.
constexpr int ShutdownTimeoutMs = 3000;

// Little-endian fields; the caller has checked that the bytes are present.
quint16 ReadU16(const QByteArray &bytes, qsizetype at)
{
  return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

quint32 ReadU32(const QByteArray &bytes, qsizetype at)
{
  return quint32(ReadU16(bytes, at)) | quint32(ReadU16(bytes, at + 2)) << 16;
}

char SilenceOf(const QAudioFormat &format)
{
  return format.sampleFormat() == QAudioFormat::UInt8 ? char(128) : char(0);
}

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

QAudioFormat AudioFormatOf(const TWaveImage &wave)
{
  QAudioFormat format;
  switch (wave.BitsPerSample) {
  case 8:
    format.setSampleFormat(QAudioFormat::UInt8);
    break;
  case 16:
    format.setSampleFormat(QAudioFormat::Int16);
    break;
  case 32:
    format.setSampleFormat(QAudioFormat::Int32);
    break;
  default:
    return QAudioFormat();
  }
  format.setChannelCount(wave.Channels);
  format.setSampleRate(int(std::min<quint32>(wave.SampleRate, INT_MAX)));
  return format;
}

TLoopDevice::TLoopDevice(QObject *parent) : QIODevice(parent) {}

void TLoopDevice::SetSamples(const QByteArray &samples, char silence, bool restart)
{
  QMutexLocker locker(&Lock);
  Block = samples;
  Silence = silence;
  if (restart || Block.isEmpty())
    Offset = 0;
  else
    Offset %= Block.size();
}

QByteArray TLoopDevice::Samples() const
{
  QMutexLocker locker(&Lock);
  return Block;
}

bool TLoopDevice::isSequential() const
{
  return true;
}

qint64 TLoopDevice::bytesAvailable() const
{
  return (qint64(1) << 30) + QIODevice::bytesAvailable();
}

qint64 TLoopDevice::readData(char *data, qint64 maxSize)
{
  QMutexLocker locker(&Lock);
  if (Block.isEmpty()) {
    std::memset(data, Silence, size_t(maxSize));
    return maxSize;
  }
  const qint64 length = Block.size();
  qint64 done = 0;
  while (done < maxSize) {
    const qint64 n = std::min(maxSize - done, length - Offset);
    std::memcpy(data + done, Block.constData() + Offset, size_t(n));
    done += n;
    Offset = (Offset + n) % length;
  }
  return done;
}

qint64 TLoopDevice::writeData(const char *, qint64)
{
  return -1;
}

// The audio thread with its sink and loop device. Sink is touched only on
// Thread; Device is created on the user-interface thread, moved to Thread and
// deleted after Thread has finished.
class TAudioThread {
public:
  TAudioThread()
  {
    Thread.setObjectName(QStringLiteral("Rotants audio"));
    Device = new TLoopDevice;
    Device->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    Device->moveToThread(&Thread);
    Thread.start();
  }

  // Audio thread. Starts the loop unless it already plays in this format.
  void Open(const QAudioDevice &output, const QAudioFormat &format)
  {
    if (Sink && (Sink->format() != format || SinkOutput != output))
      DeleteSink();
    if (Sink && Sink->state() != QAudio::StoppedState)
      return;
    if (!Sink) {
      Sink = new QAudioSink(output, format);
      SinkOutput = output;
      // A stop nobody asked for is a failure (server gone, stream refused):
      // the next play request opens the stream again.
      QObject::connect(Sink, &QAudioSink::stateChanged, Sink, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && !Closing)
          Failed = true;
      });
    }
    // Set before every start: the sink keeps the size the server granted last
    // time, and asking for that again shrinks the buffer with each reopening
    // until it is too small for the sink to ever leave prebuffering.
    Sink->setBufferSize(format.bytesForDuration(SinkBufferMicroseconds));
    Sink->start(Device);
    if (Sink->state() == QAudio::StoppedState) {
      Failed = true;
      return;
    }
    ++Opens;
  }

  // Audio thread. Closing the stream drops what the server still buffers.
  void Close()
  {
    if (!Sink)
      return;
    Closing = true;
    Sink->stop();
    Closing = false;
  }

  // Audio thread. The sink is unhooked first because its destruction runs
  // this thread's event loop, which may call back in here.
  void DeleteSink()
  {
    QAudioSink *sink = std::exchange(Sink, nullptr);
    if (!sink)
      return;
    Closing = true;
    sink->stop();
    delete sink;
    Closing = false;
  }

  QThread Thread;
  TLoopDevice *Device = nullptr;
  QAudioSink *Sink = nullptr;
  QAudioDevice SinkOutput;
  bool Closing = false;  // audio thread: a stop of ours is under way
  std::atomic<int> Opens{0};
  std::atomic<bool> Failed{false};
};

TQtSoundService::TQtSoundService() = default;

TQtSoundService::~TQtSoundService()
{
  if (!Audio)
    return;
  TAudioThread *audio = Audio.get();
  QMetaObject::invokeMethod(audio->Device, [audio] {
    audio->DeleteSink();
    QThread::currentThread()->quit();
  }, Qt::QueuedConnection);
  if (!audio->Thread.wait(QDeadlineTimer(ShutdownTimeoutMs))) {
    // The thread is stuck inside the sound server. A running QThread cannot
    // be destroyed, so it and its objects are left behind rather than hang
    // or abort the program.
    (void)Audio.release();
    return;
  }
  delete audio->Device;
  Audio.reset();
}

void TQtSoundService::PlayLoopImage(const QByteArray &image)
{
  const std::optional<TWaveImage> wave = ParseWaveImage(image);
  const QAudioFormat format = wave ? AudioFormatOf(*wave) : QAudioFormat();
  if (!format.isValid()) {
    Stop();
    return;
  }
  if (LoopRequested && format != RequestedFormat)
    Stop();
  const bool failed = Audio && Audio->Failed.exchange(false);
  const bool reopen = !LoopRequested || failed;
  if (!reopen) {
    Audio->Device->SetSamples(wave->Samples, SilenceOf(format), false);
    return;
  }

  const QAudioDevice output = QMediaDevices::defaultAudioOutput();
  if (output.isNull() || !output.isFormatSupported(format)) {
    Stop();
    return;
  }
  if (!Audio)
    Audio = std::make_unique<TAudioThread>();
  Audio->Device->SetSamples(wave->Samples, SilenceOf(format), true);
  LoopRequested = true;
  RequestedFormat = format;
  TAudioThread *audio = Audio.get();
  QMetaObject::invokeMethod(audio->Device, [audio, output, format] {
    audio->Open(output, format);
  }, Qt::QueuedConnection);
}

void TQtSoundService::Stop()
{
  if (!LoopRequested)
    return;
  LoopRequested = false;
  TAudioThread *audio = Audio.get();
  QMetaObject::invokeMethod(audio->Device, [audio] { audio->Close(); }, Qt::QueuedConnection);
}

int TQtSoundService::StreamOpenCount() const
{
  return Audio ? Audio->Opens.load() : 0;
}

bool TQtSoundService::WaitForAudioThread(int timeoutMs) const
{
  if (!Audio)
    return true;
  auto done = std::make_shared<QSemaphore>();
  QMetaObject::invokeMethod(Audio->Device, [done] { done->release(); }, Qt::QueuedConnection);
  return done->tryAcquire(1, timeoutMs);
}
