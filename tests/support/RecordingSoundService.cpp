#include "RecordingSoundService.h"

#include "MySoundUnit.h"

TRecordingSoundService::TRecordingSoundService(std::shared_ptr<TSoundLog> log)
    : Log(std::move(log))
{
  ++Log->ServicesCreated;
}

TRecordingSoundService::~TRecordingSoundService()
{
  Log->Looping.clear();
  ++Log->ServicesDestroyed;
}

void TRecordingSoundService::PlayLoopImage(const QByteArray &image)
{
  Log->Events << QStringLiteral("play");
  Log->Images << image;
  Log->Looping = image;
}

void TRecordingSoundService::Stop()
{
  Log->Events << QStringLiteral("stop");
  Log->Looping.clear();
}

TRecordingSoundScope::TRecordingSoundScope() : Log(std::make_shared<TSoundLog>())
{
  std::shared_ptr<TSoundLog> log = Log;
  TMySound::SetServiceFactory([log] { return std::make_unique<TRecordingSoundService>(log); });
}

TRecordingSoundScope::~TRecordingSoundScope()
{
  TMySound::SetServiceFactory(nullptr);
}
