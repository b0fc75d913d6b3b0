// Plays the full 512-step sweep of the real main window on its own 10 ms
// timer, with every display option on and "Square" chosen, and reports the
// wall time of each sweep against the ideal 512 x 10 ms = 5.12 s and the
// longest interval between two ticks. The window is shown (offscreen unless
// QT_QPA_PLATFORM says otherwise), so every tick's repaint happens in the
// event loop between ticks, as in the program.
//
// Flags: --sweeps=N (default 3), --sound=on|off (default on: the tone loops
// through the real sound service while the sweep plays, when one can start).

#include "WindowSetup.h"

#include "MainForm.h"
#include "MySoundUnit.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QEventLoop>
#include <QSet>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

constexpr double IdealSweepSeconds = 5.12;
constexpr double SweepTolerance = 0.02;
constexpr double LatestTickBudgetMs = 20.0;
constexpr int SweepTimeoutMs = 30000;

double Ms(TClock::duration d)
{
  return std::chrono::duration<double, std::milli>(d).count();
}

// Records when each timer event reaches SimulationTimer, before its timeout
// handler runs.
class TTickRecorder : public QObject {
public:
  std::vector<TClock::time_point> Arrivals;

protected:
  bool eventFilter(QObject *, QEvent *event) override
  {
    if (event->type() == QEvent::Timer)
      Arrivals.push_back(TClock::now());
    return false;
  }
};

struct TSweepResult {
  double WallSeconds = 0.0;
  int Ticks = 0;
  int StepsShown = 0;
  double LatestTickMs = 0.0;    // longest interval between consecutive ticks
  int LatestTick = 0;           // its tick number, 1 for the first after Play
  double MedianTickMs = 0.0;
  double BehindScheduleMs = 0.0;  // largest delay of tick i against start + i x 10 ms
  double LongestHandlerMs = 0.0;  // a tick's handler, redraw included, repaint not
  bool Finished = false;
};

TSweepResult RunSweep(TRotantsForm &form)
{
  TSweepResult result;
  form.TimeTrackBar->setValue(0);
  QCoreApplication::processEvents();

  TTickRecorder recorder;
  form.SimulationTimer->installEventFilter(&recorder);
  QSet<int> steps{form.TimeTrackBar->value()};
  const auto stepConnection = QObject::connect(form.TimeTrackBar, &QSlider::valueChanged,
                                               [&steps](int step) { steps.insert(step); });
  QEventLoop loop;
  TClock::time_point end;
  // Connected after the window's own handler, so it runs once the tick's
  // redraw is done.
  const auto tickConnection = QObject::connect(form.SimulationTimer, &QTimer::timeout, [&] {
    const TClock::time_point done = TClock::now();
    if (!recorder.Arrivals.empty())
      result.LongestHandlerMs = std::max(result.LongestHandlerMs, Ms(done - recorder.Arrivals.back()));
    if (!form.SimulationTimer->isActive()) {
      end = recorder.Arrivals.back();
      result.Finished = true;
      loop.quit();
    }
  });
  QTimer::singleShot(SweepTimeoutMs, &loop, &QEventLoop::quit);

  const TClock::time_point start = TClock::now();
  form.PlayBtnClick();
  loop.exec();
  form.StopBtnClick();

  QObject::disconnect(tickConnection);
  QObject::disconnect(stepConnection);
  form.SimulationTimer->removeEventFilter(&recorder);

  result.Ticks = int(recorder.Arrivals.size());
  result.StepsShown = int(steps.size());
  if (!result.Finished || recorder.Arrivals.empty())
    return result;
  result.WallSeconds = std::chrono::duration<double>(end - start).count();
  std::vector<double> intervals;
  TClock::time_point previous = start;
  for (size_t i = 0; i < recorder.Arrivals.size(); ++i) {
    const TClock::time_point t = recorder.Arrivals[i];
    intervals.push_back(Ms(t - previous));
    previous = t;
    const double scheduled = double(i + 1) * form.SimulationTimer->interval();
    result.BehindScheduleMs = std::max(result.BehindScheduleMs, Ms(t - start) - scheduled);
  }
  const auto latest = std::max_element(intervals.begin(), intervals.end());
  result.LatestTickMs = *latest;
  result.LatestTick = int(latest - intervals.begin()) + 1;
  std::sort(intervals.begin(), intervals.end());
  result.MedianTickMs = intervals[intervals.size() / 2];
  return result;
}

std::string FlagValue(int argc, char *argv[], const char *name, const char *fallback)
{
  const std::string prefix = std::string("--") + name + "=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) == 0)
      return argv[i] + prefix.size();
  }
  return fallback;
}

}  // namespace

int main(int argc, char *argv[])
{
  UseOffscreenPlatformByDefault();
  const int sweeps = std::max(1, std::atoi(FlagValue(argc, argv, "sweeps", "3").c_str()));
  const bool sound = FlagValue(argc, argv, "sound", "on") != "off";
  QApplication application(argc, argv);

  TRotantsForm form;
  if (!ShowAndWaitForFirstPaint(form, 5000)) {
    std::fprintf(stderr, "rotants_sweep: the window was not painted\n");
    return 1;
  }
  CheckEveryDisplayOption(form);
  if (sound)
    form.SoundCheckBox->click();
  ChooseWaveform(form, SquareItem);
  form.RepeatPlayCheckBox->setChecked(false);

  std::vector<TSweepResult> results;
  for (int i = 0; i < sweeps; ++i) {
    const TSweepResult r = RunSweep(form);
    results.push_back(r);
    if (!r.Finished) {
      std::printf("sweep %d: did not finish within %d ms (%d ticks)\n", i + 1, SweepTimeoutMs,
                  r.Ticks);
      continue;
    }
    std::printf("sweep %d: wall %.4f s (%+.2f %% against %.2f s), %d ticks, %d steps shown, "
                "median interval %.2f ms, latest tick (number %d) %.2f ms after the previous, "
                "at most %.2f ms behind the 10 ms schedule, longest tick handler %.2f ms\n",
                i + 1, r.WallSeconds, 100.0 * (r.WallSeconds / IdealSweepSeconds - 1.0),
                IdealSweepSeconds, r.Ticks, r.StepsShown, r.MedianTickMs, r.LatestTick, r.LatestTickMs,
                r.BehindScheduleMs, r.LongestHandlerMs);
  }

  std::string soundText = "Sound Off";
  if (sound) {
    const auto *service = dynamic_cast<const TPulseSoundService *>(form.MySound->Service());
    const bool playing = service && service->StreamOpenCount() > 0;
    soundText = playing ? "Sound On, real output stream" : "Sound On, no sound output available";
  }
  form.MySound->PlayLoop(false);
  WaitForSoundService(form, 5000);

  std::vector<double> walls;
  double latest = 0.0;
  double behind = 0.0;
  bool allFinished = true;
  for (const TSweepResult &r : results) {
    allFinished = allFinished && r.Finished;
    if (r.Finished)
      walls.push_back(r.WallSeconds);
    latest = std::max(latest, r.LatestTickMs);
    behind = std::max(behind, r.BehindScheduleMs);
  }
  std::printf("\n%s, %d sweep(s)\n\n", soundText.c_str(), sweeps);
  std::printf("| Case | Median | Spread (min to max) | Budget | Within |\n");
  std::printf("|---|---|---|---|---|\n");
  if (walls.empty()) {
    std::printf("| 512-step sweep on the 10 ms timer, every option on | not finished | | "
                "5.12 s +- 2 %% | NO |\n");
  } else {
    std::vector<double> sorted = walls;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    const bool wallOk = allFinished && std::all_of(walls.begin(), walls.end(), [](double w) {
                          return std::abs(w / IdealSweepSeconds - 1.0) <= SweepTolerance;
                        });
    std::printf("| 512-step sweep on the 10 ms timer, every option on | %.3f s | %.3f s to %.3f s "
                "| 5.12 s +- 2 %% | %s |\n",
                median, sorted.front(), sorted.back(), wallOk ? "yes" : "NO");
    std::printf("| Latest tick in any sweep (longest interval between ticks) | %.2f ms | | 20 ms | "
                "%s |\n",
                latest, latest <= LatestTickBudgetMs ? "yes" : "NO");
    std::printf("| Largest delay of a tick against the 10 ms schedule | %.2f ms | | "
                "(shown for reference) | n/a |\n",
                behind);
  }
  const double mib = PeakResidentKiB() / 1024.0;
  std::printf("| Peak resident memory, sweep run | %.1f MiB | | 100 MB | %s |\n", mib,
              mib * 1.048576 <= 100.0 ? "yes" : "NO");
  return 0;
}
