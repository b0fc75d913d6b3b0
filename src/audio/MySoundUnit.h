#pragma once

#include <QByteArray>
#include <QObject>

#include <array>
#include <functional>
#include <memory>

class TSoundService;

// Construction record of the player: read once by the constructor.
struct SoundFormat {
  quint16 Channels;
  quint32 SampleRate;
  quint16 BitsPerSample;
};

// Plays a block of 8-bit PCM samples as an endless loop. The owner writes the
// samples into Buffer; every play request builds a complete WAV image (the 48
// bytes of WaveHeader followed by the DataSize bytes of Buffer) in ImageStream
// and hands it to the sound service, which loops it until it is stopped or
// handed the next image. User-interface thread only.
class TMySound : public QObject {
  Q_OBJECT

public:
  TMySound(QObject *owner, const SoundFormat &format);
  ~TMySound() override;

  QByteArray ImageStream;  // WAV image of the last play request
  quint8 *Buffer = nullptr;  // owned, DataSize bytes; null when there is none
  // RIFF/WAVE header with a 20-byte format chunk. The RIFF length (offset 4)
  // is written at every play request; the data length (offset 44) always
  // equals DataSize.
  std::array<quint8, 48> WaveHeader{};
  quint32 DataSize = 0;  // bytes in Buffer; AllocateBuffer sets it and the header together

  // Replaces Buffer by Channels * frames bytes of zeros; no buffer when that
  // is 0, when frames is negative, or when the image would not fit the 32-bit
  // RIFF length.
  void AllocateBuffer(int frames);

  // on with a buffer: loops the image of the current Buffer, replacing what
  // plays. Otherwise: stops the sound.
  void PlayLoop(bool on);

  // Frees Buffer and ImageStream (DataSize becomes 0); safe to repeat. It
  // does not stop the sound: the owner stops it with PlayLoop(false), and the
  // destructor, which calls this, also closes the service.
  void DataModuleDestroy();

  // The service this player talks to; owned by the player.
  TSoundService *Service() const;

  // Makes every player constructed afterwards use a service from factory;
  // nullptr restores the PulseAudio service.
  static void SetServiceFactory(std::function<std::unique_ptr<TSoundService>()> factory);

signals:
  // The service's word on its output, on the user-interface thread: false
  // when a loop was asked for and cannot be heard, true when it is heard
  // (first, and again after a false).
  void OutputReport(bool available);

private:
  void WriteHeaderU16(int offset, quint16 value);
  void WriteHeaderU32(int offset, quint32 value);

  quint16 Channels = 0;
  std::unique_ptr<TSoundService> SoundService;
};
