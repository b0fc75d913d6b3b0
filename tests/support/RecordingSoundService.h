#pragma once

#include "SoundService.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <memory>

// What a TRecordingSoundService was asked to do. Shared with the test, so it
// outlives the player (and the window) that owned the service.
struct TSoundLog {
  QStringList Events;       // "play" and "stop" in the order requested
  QList<QByteArray> Images;  // the image of every play request, in order
  QByteArray Looping;       // the image that loops now; empty when silent
  int ServicesCreated = 0;
  int ServicesDestroyed = 0;

  int PlayCount() const { return int(Images.size()); }
  int StopCount() const { return int(Events.count(QStringLiteral("stop"))); }
};

// A sound service that plays nothing and keeps a log: a play request makes
// its image the one that loops, a stop request (or destruction) silences it.
class TRecordingSoundService final : public TSoundService {
public:
  explicit TRecordingSoundService(std::shared_ptr<TSoundLog> log);
  ~TRecordingSoundService() override;

  void PlayLoopImage(const QByteArray &image) override;
  void Stop() override;

private:
  std::shared_ptr<TSoundLog> Log;
};

// While alive, every TMySound constructed uses a TRecordingSoundService that
// writes to Log; the destructor restores the real service.
class TRecordingSoundScope {
public:
  TRecordingSoundScope();
  ~TRecordingSoundScope();
  TRecordingSoundScope(const TRecordingSoundScope &) = delete;
  TRecordingSoundScope &operator=(const TRecordingSoundScope &) = delete;

  std::shared_ptr<TSoundLog> Log;
};
