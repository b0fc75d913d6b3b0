#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "SoundService.h"

#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

quint16 U16(const QByteArray &image, int at)
{
  return qFromLittleEndian<quint16>(image.constData() + at);
}

quint32 U32(const QByteArray &image, int at)
{
  return qFromLittleEndian<quint32>(image.constData() + at);
}

QByteArray HeaderOf(const TMySound &sound)
{
  return QByteArray(reinterpret_cast<const char *>(sound.WaveHeader.data()),
                    int(sound.WaveHeader.size()));
}

// The player as the main window sets it up: 2 channels, 44100 Hz, 8 bits,
// 100 frames of silence.
std::unique_ptr<TMySound> StartUpPlayer()
{
  auto sound = std::make_unique<TMySound>(nullptr, SoundFormat{2, 44100, 8});
  sound->AllocateBuffer(100);
  std::memset(sound->Buffer, 128, sound->DataSize);
  return sound;
}

}  // namespace

class TestMySound : public QObject {
  Q_OBJECT

private slots:
  void StartUpImage();
  void HeaderFollowsFormat_data();
  void HeaderFollowsFormat();
  void AllocateBufferSizes_data();
  void AllocateBufferSizes();
  void PlayWithoutBufferStops_data();
  void PlayWithoutBufferStops();
  void TwoRequestsLeaveOneLoop();
  void DestroyFreesAndIsRepeatable();
  void DefaultServiceIsPulseAudio();
};

void TestMySound::StartUpImage()
{
  TRecordingSoundScope scope;
  auto sound = StartUpPlayer();
  QCOMPARE(sound->DataSize, 200u);
  sound->PlayLoop(true);

  QCOMPARE(scope.Log->Events, QStringList{"play"});
  const QByteArray image = scope.Log->Looping;
  QCOMPARE(image.size(), 248);
  QCOMPARE(sound->ImageStream, image);
  QCOMPARE(image.left(4), QByteArray("RIFF"));
  QCOMPARE(U32(image, 4), 240u);
  QCOMPARE(image.mid(8, 4), QByteArray("WAVE"));
  QCOMPARE(image.mid(12, 4), QByteArray("fmt "));
  QCOMPARE(U32(image, 16), 20u);
  QCOMPARE(U16(image, 20), quint16(1));
  QCOMPARE(U16(image, 22), quint16(2));
  QCOMPARE(U32(image, 24), 44100u);
  QCOMPARE(U32(image, 28), 88200u);
  QCOMPARE(U16(image, 32), quint16(2));
  QCOMPARE(U16(image, 34), quint16(8));
  QCOMPARE(U16(image, 36), quint16(0));
  QCOMPARE(U16(image, 38), quint16(0));
  QCOMPARE(image.mid(40, 4), QByteArray("data"));
  QCOMPARE(U32(image, 44), 200u);
  QCOMPARE(image.mid(48), QByteArray(200, char(128)));
  QCOMPARE(HeaderOf(*sound), image.left(48));
}

void TestMySound::HeaderFollowsFormat_data()
{
  QTest::addColumn<int>("channels");
  QTest::addColumn<int>("rate");
  QTest::addColumn<int>("bits");
  QTest::addColumn<int>("blockAlign");
  QTest::addColumn<int>("byteRate");

  QTest::newRow("mono 8 kHz 8 bits") << 1 << 8000 << 8 << 1 << 8000;
  QTest::newRow("stereo 44.1 kHz 16 bits") << 2 << 44100 << 16 << 4 << 176400;
  QTest::newRow("12 bits: block align truncates") << 1 << 22050 << 12 << 1 << 22050;
  QTest::newRow("6 channels 48 kHz 24 bits") << 6 << 48000 << 24 << 18 << 864000;
}

// Before the first play request only the format fields are set; the RIFF and
// data lengths are 0.
void TestMySound::HeaderFollowsFormat()
{
  QFETCH(int, channels);
  QFETCH(int, rate);
  QFETCH(int, bits);
  QFETCH(int, blockAlign);
  QFETCH(int, byteRate);

  TRecordingSoundScope scope;
  TMySound sound(nullptr, SoundFormat{quint16(channels), quint32(rate), quint16(bits)});
  const QByteArray header = HeaderOf(sound);
  QCOMPARE(header.left(4), QByteArray("RIFF"));
  QCOMPARE(U32(header, 4), 0u);
  QCOMPARE(header.mid(8, 8), QByteArray("WAVEfmt "));
  QCOMPARE(U32(header, 16), 20u);
  QCOMPARE(U16(header, 20), quint16(1));
  QCOMPARE(int(U16(header, 22)), channels);
  QCOMPARE(int(U32(header, 24)), rate);
  QCOMPARE(int(U32(header, 28)), byteRate);
  QCOMPARE(int(U16(header, 32)), blockAlign);
  QCOMPARE(int(U16(header, 34)), bits);
  QCOMPARE(U32(header, 36), 0u);
  QCOMPARE(header.mid(40, 4), QByteArray("data"));
  QCOMPARE(U32(header, 44), 0u);
  QVERIFY(sound.Buffer == nullptr);
  QVERIFY(sound.ImageStream.isEmpty());
}

void TestMySound::AllocateBufferSizes_data()
{
  QTest::addColumn<int>("channels");
  QTest::addColumn<int>("frames");
  QTest::addColumn<int>("dataSize");

  QTest::newRow("100 stereo frames") << 2 << 100 << 200;
  QTest::newRow("one stereo frame") << 2 << 1 << 2;
  QTest::newRow("100 mono frames") << 1 << 100 << 100;
  QTest::newRow("no frames") << 2 << 0 << 0;
  QTest::newRow("negative frames") << 2 << -5 << 0;
  QTest::newRow("most negative frames") << 2 << std::numeric_limits<int>::min() << 0;
  QTest::newRow("no channels") << 0 << 100 << 0;
}

void TestMySound::AllocateBufferSizes()
{
  QFETCH(int, channels);
  QFETCH(int, frames);
  QFETCH(int, dataSize);

  TRecordingSoundScope scope;
  TMySound sound(nullptr, SoundFormat{quint16(channels), 44100, 8});
  sound.AllocateBuffer(7);  // replaced below
  sound.AllocateBuffer(frames);
  QCOMPARE(int(sound.DataSize), dataSize);
  QCOMPARE(int(U32(HeaderOf(sound), 44)), dataSize);
  QCOMPARE(sound.Buffer != nullptr, dataSize > 0);
  if (sound.Buffer) {
    std::memset(sound.Buffer, 0x5A, sound.DataSize);
    sound.PlayLoop(true);
    QCOMPARE(scope.Log->Looping.size(), 48 + dataSize);
    QCOMPARE(int(U32(scope.Log->Looping, 4)), dataSize + 40);
    QCOMPARE(scope.Log->Looping.mid(48), QByteArray(dataSize, char(0x5A)));
  }
}

void TestMySound::PlayWithoutBufferStops_data()
{
  QTest::addColumn<int>("frames");  // -1: never allocated; -2: freed by DataModuleDestroy
  QTest::newRow("never allocated") << -1;
  QTest::newRow("allocated with 0 frames") << 0;
  QTest::newRow("freed") << -2;
}

void TestMySound::PlayWithoutBufferStops()
{
  QFETCH(int, frames);

  TRecordingSoundScope scope;
  auto sound = StartUpPlayer();
  sound->PlayLoop(true);
  QCOMPARE(scope.Log->Looping.size(), 248);

  if (frames == -1)
    sound = std::make_unique<TMySound>(nullptr, SoundFormat{2, 44100, 8});
  else if (frames == -2)
    sound->DataModuleDestroy();
  else
    sound->AllocateBuffer(frames);
  scope.Log->Events.clear();
  sound->PlayLoop(true);
  QCOMPARE(scope.Log->Events, QStringList{"stop"});
  QVERIFY(scope.Log->Looping.isEmpty());
}

// A play request while a loop plays switches to the new image; no stop is
// needed in between. Writing into Buffer alone changes nothing that plays.
void TestMySound::TwoRequestsLeaveOneLoop()
{
  TRecordingSoundScope scope;
  auto sound = StartUpPlayer();
  sound->PlayLoop(true);
  const QByteArray first = sound->ImageStream;
  std::memset(sound->Buffer, 200, sound->DataSize);
  QCOMPARE(scope.Log->Looping, first);
  sound->PlayLoop(true);

  QCOMPARE(scope.Log->Events, (QStringList{"play", "play"}));
  QCOMPARE(scope.Log->Looping, sound->ImageStream);
  QCOMPARE(scope.Log->Looping.mid(48), QByteArray(200, char(200)));
  // The image handed over first is intact, though the player has built
  // another since.
  QCOMPARE(scope.Log->Images.first(), first);
  QCOMPARE(first.mid(48), QByteArray(200, char(128)));

  // Stopping twice, the second time with nothing playing, is harmless.
  sound->PlayLoop(false);
  sound->PlayLoop(false);
  QCOMPARE(scope.Log->Events, (QStringList{"play", "play", "stop", "stop"}));
  QVERIFY(scope.Log->Looping.isEmpty());
}

// The owner destroys the player, which frees its buffer (DataModuleDestroy
// may already have run, any number of times) and closes its service.
void TestMySound::DestroyFreesAndIsRepeatable()
{
  TRecordingSoundScope scope;
  auto owner = std::make_unique<QObject>();
  auto *sound = new TMySound(owner.get(), SoundFormat{2, 44100, 8});
  sound->AllocateBuffer(100);
  sound->PlayLoop(true);
  sound->DataModuleDestroy();
  QVERIFY(sound->Buffer == nullptr);
  QVERIFY(sound->ImageStream.isEmpty());
  QCOMPARE(sound->DataSize, 0u);
  QCOMPARE(U32(HeaderOf(*sound), 44), 0u);
  sound->DataModuleDestroy();
  QVERIFY(sound->Buffer == nullptr);

  QCOMPARE(scope.Log->ServicesCreated, 1);
  owner.reset();
  QCOMPARE(scope.Log->ServicesDestroyed, 1);
  QVERIFY(scope.Log->Looping.isEmpty());
}

// Without a stand-in the player talks to PulseAudio, and constructing it
// opens nothing.
void TestMySound::DefaultServiceIsPulseAudio()
{
  TMySound sound(nullptr, SoundFormat{2, 44100, 8});
  auto *service = dynamic_cast<TPulseSoundService *>(sound.Service());
  QVERIFY(service != nullptr);
  sound.PlayLoop(false);
  QCOMPARE(service->StreamOpenCount(), 0);

  {
    TRecordingSoundScope scope;
    TMySound standIn(nullptr, SoundFormat{2, 44100, 8});
    QVERIFY(dynamic_cast<TRecordingSoundService *>(standIn.Service()) != nullptr);
  }
  TMySound restored(nullptr, SoundFormat{2, 44100, 8});
  QVERIFY(dynamic_cast<TPulseSoundService *>(restored.Service()) != nullptr);
}

QTEST_GUILESS_MAIN(TestMySound)
#include "tst_mysound.moc"
