#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// A platform capture service: records the sound server's default input as
// mono float samples into a ring of the last few seconds. Start and Stop are
// called on the user-interface thread; Latest on any thread.
class TCaptureService {
public:
  // Told whether the input works: false when capture was asked for and no
  // input could be opened (no server, no source, the stream failed), true
  // when samples arrive, the first time and after every false. Called on any
  // thread, and never after the service's destructor has returned.
  using TInputListener = std::function<void(bool available)>;

  virtual ~TCaptureService() = default;

  // Begins capturing; while no input can be had it tries again every 2 s.
  // Harmless when capturing already.
  virtual void Start() = 0;
  // Ends capturing and forgets what was captured. Harmless when stopped.
  virtual void Stop() = 0;
  // The newest frames samples captured, oldest first (fewer until that many
  // have arrived since Start).
  virtual std::vector<float> Latest(int frames) const = 0;
  // Samples per second of what Latest returns.
  virtual int SampleRate() const = 0;
  virtual void SetInputListener(TInputListener listener) = 0;
};

struct TPulseCaptureShared;

// The capture service on libpulse's simple API (PulseAudio, or PipeWire's
// PulseAudio server): the default source, mono float at 48 kHz, read in
// blocks of about 20 ms by a thread of its own into a ring of 4 s.
class TPulseCaptureService final : public TCaptureService {
public:
  TPulseCaptureService();
  ~TPulseCaptureService() override;
  void Start() override;
  void Stop() override;
  std::vector<float> Latest(int frames) const override;
  int SampleRate() const override;
  void SetInputListener(TInputListener listener) override;

private:
  std::shared_ptr<TPulseCaptureShared> Shared;
};

// The microphone as the window uses it: a capture service (the PulseAudio
// one unless a factory says otherwise) whose input reports arrive as a
// signal on the user-interface thread. User-interface thread only.
class TMicrophone : public QObject {
  Q_OBJECT

public:
  explicit TMicrophone(QObject *owner);
  ~TMicrophone() override;

  void Start();
  void Stop();
  bool Capturing() const { return Running; }
  std::vector<float> Latest(int frames) const;
  int SampleRate() const;

  // Makes every microphone constructed afterwards use a service from
  // factory; nullptr restores the PulseAudio service.
  static void SetServiceFactory(std::function<std::unique_ptr<TCaptureService>()> factory);

signals:
  // The service's word on its input (see TCaptureService::TInputListener).
  void InputReport(bool available);

private:
  std::unique_ptr<TCaptureService> Service;
  bool Running = false;
};
