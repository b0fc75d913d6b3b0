#include "MySoundUnit.h"

#include "SoundService.h"

#include <QtEndian>

#include <cstring>

namespace {

constexpr int HeaderSize = 48;
constexpr int RiffLengthOffset = 4;
constexpr int DataLengthOffset = 44;
// The RIFF length counts the image minus its first 8 bytes.
constexpr quint32 RiffOverhead = HeaderSize - 8;

std::function<std::unique_ptr<TSoundService>()> &ServiceFactory()
{
  static std::function<std::unique_ptr<TSoundService>()> factory;
  return factory;
}

}  // namespace

TMySound::TMySound(QObject *owner, const SoundFormat &format)
    : QObject(owner), Channels(format.Channels)
{
  std::memcpy(WaveHeader.data() + 0, "RIFF", 4);
  std::memcpy(WaveHeader.data() + 8, "WAVE", 4);
  std::memcpy(WaveHeader.data() + 12, "fmt ", 4);
  WriteHeaderU32(16, 20);
  WriteHeaderU16(20, 1);
  WriteHeaderU16(22, format.Channels);
  WriteHeaderU32(24, format.SampleRate);
  const quint16 blockAlign = quint16(quint32(format.Channels) * format.BitsPerSample / 8);
  WriteHeaderU32(28, quint32(blockAlign) * format.SampleRate);
  WriteHeaderU16(32, blockAlign);
  WriteHeaderU16(34, format.BitsPerSample);
  std::memcpy(WaveHeader.data() + 40, "data", 4);

  const auto &factory = ServiceFactory();
  if (factory)
    SoundService = factory();
  if (!SoundService)
    SoundService = std::make_unique<TPulseSoundService>();
  // The service may call from its own thread; the report is passed on as a
  // queued call, which Qt drops if this player is gone by then.
  SoundService->SetOutputListener([this](bool available) {
    QMetaObject::invokeMethod(this, [this, available] { emit OutputReport(available); },
                              Qt::QueuedConnection);
  });
}

// The service goes first: it stops calling the listener, which refers to this
// player, before its destructor returns.
TMySound::~TMySound()
{
  SoundService.reset();
  DataModuleDestroy();
}

void TMySound::AllocateBuffer(int frames)
{
  delete[] Buffer;
  Buffer = nullptr;
  const qint64 size = frames > 0 ? qint64(Channels) * frames : 0;
  DataSize = size <= qint64(0xFFFFFFFFu - RiffOverhead) ? quint32(size) : 0;
  WriteHeaderU32(DataLengthOffset, DataSize);
  if (DataSize > 0)
    Buffer = new quint8[DataSize]();
}

void TMySound::PlayLoop(bool on)
{
  if (!on || !Buffer) {
    SoundService->Stop();
    return;
  }
  WriteHeaderU32(RiffLengthOffset, DataSize + RiffOverhead);
  WriteHeaderU32(DataLengthOffset, DataSize);
  ImageStream.clear();
  ImageStream.reserve(HeaderSize + qsizetype(DataSize));
  ImageStream.append(reinterpret_cast<const char *>(WaveHeader.data()), HeaderSize);
  ImageStream.append(reinterpret_cast<const char *>(Buffer), qsizetype(DataSize));
  SoundService->PlayLoopImage(ImageStream);
}

void TMySound::DataModuleDestroy()
{
  delete[] Buffer;
  Buffer = nullptr;
  DataSize = 0;
  WriteHeaderU32(DataLengthOffset, 0);
  ImageStream = QByteArray();
}

TSoundService *TMySound::Service() const
{
  return SoundService.get();
}

void TMySound::SetServiceFactory(std::function<std::unique_ptr<TSoundService>()> factory)
{
  ServiceFactory() = std::move(factory);
}

void TMySound::WriteHeaderU16(int offset, quint16 value)
{
  qToLittleEndian(value, WaveHeader.data() + offset);
}

void TMySound::WriteHeaderU32(int offset, quint32 value)
{
  qToLittleEndian(value, WaveHeader.data() + offset);
}
