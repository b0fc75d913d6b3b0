#include "WindowSetup.h"

#include "MainForm.h"
#include "MySoundUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QThread>

#include <sys/resource.h>

#include <memory>

void UseOffscreenPlatformByDefault()
{
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void TSilentSoundService::PlayLoopImage(const QByteArray &image)
{
  Looping = image;
  Looping.detach();
}

void TSilentSoundService::Stop()
{
  Looping.clear();
}

void UseSilentSoundService()
{
  TMySound::SetServiceFactory([] { return std::make_unique<TSilentSoundService>(); });
}

bool RealSoundOutputWorks(int timeoutMs)
{
  TMySound::SetServiceFactory(nullptr);
  TRotantsForm form;
  form.SoundCheckBox->setChecked(true);
  ChooseWaveform(form, SquareItem);
  const auto *service = dynamic_cast<const TPulseSoundService *>(form.MySound->Service());
  if (!service || !service->WaitForAudioThread(timeoutMs))
    return false;
  const bool opened = service->StreamOpenCount() > 0;
  form.MySound->PlayLoop(false);
  return opened;
}

void WaitForSoundService(TRotantsForm &form, int timeoutMs)
{
  if (const auto *service = dynamic_cast<const TPulseSoundService *>(form.MySound->Service()))
    service->WaitForAudioThread(timeoutMs);
}

TPaintWatcher::TPaintWatcher(TRotantsForm &form) : Phasor(form.PhasorImage), Time(form.TimeImage)
{
  Phasor->installEventFilter(this);
  Time->installEventFilter(this);
}

TPaintWatcher::~TPaintWatcher()
{
  Phasor->removeEventFilter(this);
  Time->removeEventFilter(this);
}

bool TPaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
  if (event->type() == QEvent::Paint) {
    if (watched == Phasor)
      ++PhasorPaints;
    else if (watched == Time)
      ++TimePaints;
  }
  return false;
}

void TPaintWatcher::Reset()
{
  PhasorPaints = 0;
  TimePaints = 0;
}

bool TPaintWatcher::WaitForBothPainted(int timeoutMs)
{
  const QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    QCoreApplication::processEvents();
    if (PhasorPaints > 0 && TimePaints > 0)
      return true;
    if (deadline.hasExpired())
      return false;
    QThread::yieldCurrentThread();
  }
}

bool ShowAndWaitForFirstPaint(TRotantsForm &form, int timeoutMs)
{
  TPaintWatcher watcher(form);
  form.show();
  return watcher.WaitForBothPainted(timeoutMs);
}

void CheckEveryDisplayOption(TRotantsForm &form)
{
  for (QCheckBox *box : {form.ConjugateCheckBox, form.TraceCheckBox,
                         form.RotateComplexPlaneCheckBox, form.RealValueCheckBox,
                         form.IdealWaveCheckBox, form.TimeGridCheckBox}) {
    if (!box->isChecked())
      box->click();
  }
}

void ChooseWaveform(TRotantsForm &form, int item)
{
  form.WaveformComboBox->setCurrentIndex(item);
  emit form.WaveformComboBox->activated(item);
}

long PeakResidentKiB()
{
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}
