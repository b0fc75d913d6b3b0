// Speed and memory of the real main window under the offscreen platform.
//
// Every case drives TRotantsForm through the handlers its controls are bound
// to. The window is shown, so label, grid and slider updates cost what they
// cost on screen, and the cases that end in a repaint process the pending
// paint events inside the timed region. At the end a Markdown table gives each
// case's median and spread (minimum to maximum over the repetitions) beside
// its budget, followed by the start-up from a fresh process and the peak
// resident memory.
//
// Own flags, besides Google Benchmark's:
//   --rotants_instructions    instead of timing: each instruction case once,
//                             between callgrind client requests (run it under
//                             valgrind --tool=callgrind --instr-atstart=no, as
//                             scripts/bench --instructions does)
//   --rotants_cold_starts=N   fresh processes timed from launch to the first
//                             painted window (default 10; 0 skips them)
//   --rotants_cold_start_child  internal: be one such process

#include "WindowSetup.h"

#include "FFTUnit.h"
#include "MainForm.h"
#include "MySoundUnit.h"
#include "Recording.h"

#include <benchmark/benchmark.h>

#include <sndfile.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSlider>
#include <QStringList>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>
#include <valgrind/callgrind.h>

namespace {

constexpr int PaintTimeoutMs = 5000;
constexpr int SoundTimeoutMs = 5000;
constexpr int LastStep = 511;

// Which service "Sound On" plays through; set once in main.
std::string SoundOnService = "not probed";

// A shown window in the heaviest display state: highest harmonic 25, every
// display option on, the given waveform chosen, the slider at step.
std::unique_ptr<TRotantsForm> PreparedWindow(int step, int waveform)
{
  auto form = std::make_unique<TRotantsForm>();
  ShowAndWaitForFirstPaint(*form, PaintTimeoutMs);
  CheckEveryDisplayOption(*form);
  ChooseWaveform(*form, waveform);
  form->TimeTrackBar->setValue(step);
  QCoreApplication::processEvents();
  return form;
}

// PreparedWindow at step 511 with the teaching options on (harmonic 3
// selected) and the spectrum shown; with drag, a drag on harmonic 3's bar
// already under way.
int SpectrumDragX(TRotantsForm &form)
{
  const QRect bar = form.SpectrumBar(3);
  return bar.center().x();
}

int SpectrumDragY(TRotantsForm &form, int rows)
{
  return form.SpectrumBar(3).bottom() - rows;
}

std::unique_ptr<TRotantsForm> SpectrumWindow(bool drag)
{
  auto form = PreparedWindow(LastStep, SquareItem);
  form->PhasorGrid->setCurrentCell(4, 1);
  for (QAction *option : {form->ViewHighlightHarmonic, form->ViewSoloHarmonic,
                          form->ViewShowError, form->ViewSpectrum})
    option->trigger();
  if (drag) {
    const int x = SpectrumDragX(*form);
    form->SpectrumImageMouseDown(Qt::LeftButton, Qt::NoModifier, x, SpectrumDragY(*form, 1));
    form->SpectrumImageMouseMove(Qt::NoModifier, x, SpectrumDragY(*form, 20));
  }
  QCoreApplication::processEvents();
  return form;
}

// Pixel row of value v on the time plot (row 125 at 0, 125 pixels per unit).
int TimeRow(double v)
{
  return 125 - int(std::lround(125.0 * v));
}

// A period drawn freehand: a square wave with a sloped edge, drawn left to
// right in 4-pixel mouse steps as a quick drag delivers them.
double DrawnValue(int column)
{
  if (column < 100)
    return 0.8;
  if (column < 140)
    return 0.8 - 1.6 * (column - 100) / 40.0;
  return -0.8;
}

void DrawStroke(TRotantsForm &form)
{
  form.TimeImageMouseDown(Qt::LeftButton, Qt::NoModifier, 0, TimeRow(DrawnValue(0)));
  for (int x = 4; x < 256; x += 4)
    form.TimeImageMouseMove(Qt::NoModifier, x, TimeRow(DrawnValue(x)));
  form.TimeImageMouseMove(Qt::NoModifier, 255, TimeRow(DrawnValue(255)));
  form.TimeImageMouseUp(Qt::LeftButton, Qt::NoModifier, 255, TimeRow(DrawnValue(255)));
}

// The timed loop of the redraw cases.
void TimeRedraws(benchmark::State &state, TRotantsForm &form)
{
  for (auto _ : state) {
    form.TimeTrackBarChange();
    benchmark::DoNotOptimize(form.ReconWave.data());
    benchmark::ClobberMemory();
  }
}

// TimeTrackBarChange at a step: rotations from step 0 up, both plots, status.
void FullRedraw(benchmark::State &state)
{
  const int step = int(state.range(0));
  const auto form = PreparedWindow(step, SquareItem);
  TimeRedraws(state, *form);
}

// The same at step 511 with the window shown at the zoom in per cent. A screen
// too small for that holds the zoom lower (as on the offscreen platform's
// default screen); the label then says so.
void ZoomedRedraw(benchmark::State &state)
{
  const auto form = PreparedWindow(LastStep, SquareItem);
  form->SetZoom(double(state.range(0)) / 100.0);
  QCoreApplication::processEvents();
  const double zoom = form->PhasorImage->Zoom();
  if (zoom != double(state.range(0)) / 100.0)
    state.SetLabel("zoom held to " + std::to_string(int(std::lround(zoom * 100))) + " %");
  TimeRedraws(state, *form);
}

// The redraw at step 511 with the selected harmonic highlighted, played alone
// and the RMS error shown, all at once.
void TeachingRedraw(benchmark::State &state)
{
  const auto form = PreparedWindow(LastStep, SquareItem);
  form->PhasorGrid->setCurrentCell(4, 1);
  for (QAction *option :
       {form->ViewHighlightHarmonic, form->ViewSoloHarmonic, form->ViewShowError})
    option->trigger();
  TimeRedraws(state, *form);
}

// Changing the zoom between 100 % and 300 %: every control scaled, both plots
// drawn anew at the new size, and the repaint.
void ZoomChange(benchmark::State &state)
{
  const auto form = PreparedWindow(LastStep, SquareItem);
  bool large = false;
  for (auto _ : state) {
    large = !large;
    form->SetZoom(large ? 3.0 : 1.0);
    QCoreApplication::processEvents();
  }
}

// One SimulationTimer tick with Repeat on (the sweep wraps, so the ticks cover
// every step alike), followed by the repaint the tick asks for.
void AnimationTick(benchmark::State &state)
{
  const auto form = PreparedWindow(0, SquareItem);
  form->RepeatPlayCheckBox->setChecked(true);
  TPaintWatcher watcher(*form);
  for (auto _ : state) {
    form->SimulationTimerTimer();
    QCoreApplication::processEvents();
  }
  if (watcher.PhasorPaints < state.iterations() || watcher.TimePaints < state.iterations())
    state.SkipWithError("a tick did not repaint both canvases");
}

// Choosing "Square" from the list at step 511 with every display option on:
// 26 entries through the editor, then the action's one synthesis, one play
// request (with sound on), one redraw and the repaint. The audio thread
// catches up outside the timed region.
void ChooseSquare(benchmark::State &state)
{
  const bool sound = state.range(0) != 0;
  const auto form = PreparedWindow(LastStep, SquareItem);
  if (sound)
    form->SoundCheckBox->click();
  for (auto _ : state) {
    ChooseWaveform(*form, SquareItem);
    QCoreApplication::processEvents();
    state.PauseTiming();
    WaitForSoundService(*form, SoundTimeoutMs);
    state.ResumeTiming();
  }
  state.SetLabel(sound ? SoundOnService : "sound off");
  form->MySound->PlayLoop(false);
}

// The release that ends a freehand stroke in "Custom Time" at step 511 with
// every display option on: spectrum, 26 entries through the editor, doubling
// rule, the action's one redraw and the repaint. Each iteration re-arms the
// stroke with a click on an already drawn point, outside the timed region.
void StrokeRelease(benchmark::State &state)
{
  const auto form = PreparedWindow(LastStep, CustomTimeItem);
  DrawStroke(*form);
  QCoreApplication::processEvents();
  if (form->PhasorList[1].Re == 0.0 && form->PhasorList[1].Im == 0.0) {
    state.SkipWithError("the stroke did not become harmonic entries");
    return;
  }
  const int y = TimeRow(DrawnValue(128));
  for (auto _ : state) {
    state.PauseTiming();
    form->TimeImageMouseDown(Qt::LeftButton, Qt::NoModifier, 128, y);
    state.ResumeTiming();
    form->TimeImageMouseUp(Qt::LeftButton, Qt::NoModifier, 128, y);
    QCoreApplication::processEvents();
  }
}

// The figure of the heaviest state (every option on, harmonic 3 highlighted,
// step 511) written to a file: SVG (0) or PDF (1).
void FigureExport(benchmark::State &state)
{
  const bool pdf = state.range(0) != 0;
  const auto form = PreparedWindow(LastStep, SquareItem);
  form->PhasorGrid->setCurrentCell(4, 1);
  form->ViewHighlightHarmonic->trigger();
  QTemporaryDir directory;
  const QString path = directory.filePath(pdf ? "figure.pdf" : "figure.svg");
  for (auto _ : state) {
    if (!form->ExportFigure(path)) {
      state.SkipWithError("the figure was not written");
      break;
    }
  }
  state.SetLabel(pdf ? "PDF" : "SVG");
}

// One whole sweep as an animated GIF at the zoom in per cent, every display
// option on.
void AnimationExport(benchmark::State &state)
{
  const auto form = PreparedWindow(0, SquareItem);
  form->SetZoom(double(state.range(0)) / 100.0);
  QCoreApplication::processEvents();
  if (form->ZoomFactor != double(state.range(0)) / 100.0)
    state.SetLabel("zoom held to " + std::to_string(int(std::lround(form->ZoomFactor * 100))) + " %");
  QTemporaryDir directory;
  for (auto _ : state) {
    if (!form->ExportAnimation(directory.filePath("sweep.gif"))) {
      state.SkipWithError("the animation was not written");
      break;
    }
  }
}

// One period of "Square" at highest harmonic 25 into the player's buffer.
void SynthesizeTone(benchmark::State &state)
{
  const auto form = PreparedWindow(0, SquareItem);
  for (auto _ : state) {
    form->SynthesizeTone();
    benchmark::DoNotOptimize(form->MySound->Buffer);
    benchmark::ClobberMemory();
  }
}

// The 256-point transform and its bit-reversal reordering of a drawn period.
// The input is copied in again each time (256 + 256 doubles).
void FftTransform(benchmark::State &state)
{
  const int length = 256;
  TFFT fft(nullptr, length);
  std::array<double, 256> inputRe{};
  std::array<double, 256> inputIm{};
  for (int i = 0; i < length; ++i)
    inputRe[i] = DrawnValue(i);
  std::array<double, 256> re{};
  std::array<double, 256> im{};
  for (auto _ : state) {
    re = inputRe;
    im = inputIm;
    fft.Transform(re.data(), im.data());
    fft.ReorderBitReversed(re.data(), im.data());
    benchmark::DoNotOptimize(re.data());
    benchmark::DoNotOptimize(im.data());
    benchmark::ClobberMemory();
  }
}

// Constructing the main window and showing it up to its first painted frame,
// in a process that has already made one (fonts, style and plugins loaded).
// Destruction is outside the measured time.
void StartupToFirstPaint(benchmark::State &state)
{
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    auto form = std::make_unique<TRotantsForm>();
    const bool painted = ShowAndWaitForFirstPaint(*form, PaintTimeoutMs);
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!painted) {
      state.SkipWithError("the window was not painted");
      break;
    }
  }
}

// One operation counted by callgrind: Prepare sets the window up (uncounted),
// Measure is the operation. Key names the dump; Budget is in instructions, 0
// for a figure without one.
struct TInstructionCase {
  const char *Key;
  const char *Title;
  double Budget;
  std::function<std::unique_ptr<TRotantsForm>()> Prepare;
  std::function<void(TRotantsForm &)> Measure;
};

std::vector<TInstructionCase> InstructionCases()
{
  const auto redrawAt = [](int step, double zoom) {
    return [step, zoom] {
      auto form = PreparedWindow(step, SquareItem);
      if (zoom != 1.0) {
        form->SetZoom(zoom);
        QCoreApplication::processEvents();
        if (form->PhasorImage->Zoom() != zoom)
          std::fprintf(stderr, "zoom %.2f was held to %.2f by the screen\n", zoom,
                       form->PhasorImage->Zoom());
      }
      return form;
    };
  };
  const auto redraw = [](TRotantsForm &form) { form.TimeTrackBarChange(); };
  // Square, step 511, spectrum and Shape strip shown, Sound On, the shift
  // slider held at 10; with teaching, the spectrum case's teaching options.
  const auto shapeWindow = [](bool teaching) {
    auto form = teaching ? SpectrumWindow(false) : PreparedWindow(LastStep, SquareItem);
    if (!teaching)
      form->ViewSpectrum->trigger();
    form->SoundCheckBox->click();
    form->ViewShape->trigger();
    form->ShapeShift->setSliderDown(true);
    form->ShapeShift->setValue(10);
    QCoreApplication::processEvents();
    return form;
  };
  // As the spectrum's drag move: the change and its redraw, the repaint left
  // to the event loop.
  const auto moveShift = [](TRotantsForm &form) { form.ShapeShift->setValue(11); };
  const auto chooseSquare = [](bool sound) {
    return [sound] {
      auto form = PreparedWindow(LastStep, SquareItem);
      if (sound)
        form->SoundCheckBox->click();
      QCoreApplication::processEvents();
      return form;
    };
  };
  const auto choose = [](TRotantsForm &form) {
    ChooseWaveform(form, SquareItem);
    QCoreApplication::processEvents();
  };
  // Sound On, step 511, Square then Triangle chosen: a step to undo, and with
  // undone true, undone already to redo.
  const auto afterTriangle = [](bool undone) {
    return [undone] {
      auto form = PreparedWindow(LastStep, SquareItem);
      form->SoundCheckBox->click();
      ChooseWaveform(*form, TriangleItem);
      if (undone)
        form->EditUndo->trigger();
      QCoreApplication::processEvents();
      return form;
    };
  };
  const auto strokeDrawn = [] {
    auto form = PreparedWindow(LastStep, CustomTimeItem);
    DrawStroke(*form);
    QCoreApplication::processEvents();
    form->TimeImageMouseDown(Qt::LeftButton, Qt::NoModifier, 128, TimeRow(DrawnValue(128)));
    return form;
  };
  const auto release = [](TRotantsForm &form) {
    form.TimeImageMouseUp(Qt::LeftButton, Qt::NoModifier, 128, TimeRow(DrawnValue(128)));
    QCoreApplication::processEvents();
  };
  return {
      {"redraw-0", "Full redraw, step 0, every option on", 0, redrawAt(0, 1.0), redraw},
      {"redraw-255", "Full redraw, step 255, every option on", 0, redrawAt(255, 1.0), redraw},
      {"redraw-511", "Full redraw, step 511, every option on", 2e6, redrawAt(LastStep, 1.0),
       redraw},
      {"redraw-511-zoom-200", "Full redraw, step 511, every option on, 200 % zoom", 6e6,
       redrawAt(LastStep, 2.0), redraw},
      {"redraw-511-zoom-300", "Full redraw, step 511, every option on, 300 % zoom", 0,
       redrawAt(LastStep, 3.0), redraw},
      {"redraw-511-teaching", "Full redraw, step 511, harmonic 3 highlighted, alone, error shown",
       2.4e6,
       [redrawAt] {
         auto form = redrawAt(LastStep, 1.0)();
         form->PhasorGrid->setCurrentCell(4, 1);
         for (QAction *option :
              {form->ViewHighlightHarmonic, form->ViewSoloHarmonic, form->ViewShowError})
           option->trigger();
         return form;
       },
       redraw},
      {"redraw-511-axes", "Full redraw, step 511, every option on, axes", 2.4e6,
       [redrawAt] {
         // Drawn once with the axes, so that their numbers are rendered already.
         auto form = redrawAt(LastStep, 1.0)();
         form->ViewAxes->trigger();
         return form;
       },
       redraw},
      {"spectrum-strip", "Spectrum strip redraw (View > Spectrum in Decibels)", 0.3e6,
       [] {
         // Both scales drawn once, so that their labels are rendered already.
         auto form = SpectrumWindow(false);
         form->ViewSpectrumDecibels->trigger();
         form->ViewSpectrumDecibels->trigger();
         return form;
       },
       [](TRotantsForm &form) { form.ViewSpectrumDecibels->trigger(); }},
      {"redraw-511-spectrum",
       "Full redraw, step 511, harmonic 3 highlighted, alone, error shown, spectrum", 2.4e6,
       [] { return SpectrumWindow(false); }, redraw},
      {"select-harmonic-spectrum",
       "Grid row of harmonic 5 chosen, step 511, highlighted, alone, error shown, spectrum", 0,
       [] { return SpectrumWindow(false); },
       [](TRotantsForm &form) { form.PhasorGrid->setCurrentCell(6, 1); }},
      {"spectrum-drag-move", "One drag move on the spectrum, both plots following", 3e6,
       [] { return SpectrumWindow(true); },
       [](TRotantsForm &form) {
         form.SpectrumImageMouseMove(Qt::NoModifier, SpectrumDragX(form), SpectrumDragY(form, 40));
       }},
      {"shape-slider-move",
       "One move of a dragged shift slider, step 511, every option on, spectrum, Sound On", 3e6,
       [shapeWindow] { return shapeWindow(false); }, moveShift},
      {"shape-slider-move-teaching",
       "The same, harmonic 3 highlighted, alone, error shown", 0,
       [shapeWindow] { return shapeWindow(true); }, moveShift},
      {"choose-square-off", "Choose \"Square\" with repaint, Sound Off", 0, chooseSquare(false),
       choose},
      {"choose-square-on", "Choose \"Square\" with repaint, Sound On", 12e6, chooseSquare(true),
       choose},
      {"undo-waveform", "Undo of a waveform choice with repaint, Sound On", 12e6,
       afterTriangle(false),
       [](TRotantsForm &form) {
         form.EditUndo->trigger();
         QCoreApplication::processEvents();
       }},
      {"redo-waveform", "Redo of a waveform choice with repaint, Sound On", 12e6,
       afterTriangle(true),
       [](TRotantsForm &form) {
         form.EditRedo->trigger();
         QCoreApplication::processEvents();
       }},
      {"stroke-release", "Release of a freehand stroke with repaint", 12e6, strokeDrawn, release},
      {"synthesize-tone", "SynthesizeTone, highest harmonic 25", 0,
       [] { return PreparedWindow(0, SquareItem); },
       [](TRotantsForm &form) { form.SynthesizeTone(); }},
  };
}

// Prints "case KEY BUDGET TITLE" for every case and leaves one callgrind dump
// per case, triggered with the case's key; scripts/bench joins the two. The
// sound goes to the silent stand-in: an audio thread's work is not the
// action's and would differ from run to run.
int RunInstructionCases(int argc, char *argv[])
{
  QApplication application(argc, argv);
  UseSilentSoundService();
  CALLGRIND_START_INSTRUMENTATION;
  for (const TInstructionCase &c : InstructionCases()) {
    std::printf("case %s %.0f %s\n", c.Key, c.Budget, c.Title);
    std::fflush(stdout);
    const auto form = c.Prepare();
    CALLGRIND_ZERO_STATS;
    c.Measure(*form);
    CALLGRIND_DUMP_STATS_AT(c.Key);
  }
  return 0;
}

double Minimum(const std::vector<double> &v)
{
  return *std::min_element(v.begin(), v.end());
}

double Maximum(const std::vector<double> &v)
{
  return *std::max_element(v.begin(), v.end());
}

double Median(std::vector<double> v)
{
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

template <typename TFunction>
benchmark::internal::Benchmark *Register(const char *name, TFunction function)
{
  return benchmark::RegisterBenchmark(name, function)
      ->ComputeStatistics("min", Minimum)
      ->ComputeStatistics("max", Maximum);
}

// A sawtooth of 220 Hz, seconds long, at rate Hz, 16-bit mono, written to
// path once.
std::string RecordingFile(const char *name, int rate, double seconds)
{
  static QTemporaryDir folder;
  const std::string path = QDir(folder.path()).filePath(name).toStdString();
  if (QFile::exists(QString::fromStdString(path)))
    return path;
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE *file = sf_open(path.c_str(), SFM_WRITE, &info);
  std::vector<float> block(static_cast<std::size_t>(rate));
  for (std::int64_t done = 0; file && done < std::int64_t(seconds * rate); done += rate) {
    for (std::size_t i = 0; i < block.size(); ++i)
      block[i] = float(std::remainder(220.0 * double(done + std::int64_t(i)) / rate, 1.0));
    sf_writef_float(file, block.data(), sf_count_t(block.size()));
  }
  if (file)
    sf_close(file);
  return path;
}

// A recording opened as the window opens one: read, its steady part found
// and analysed (10 s at 48 kHz), or opened with its overview and steady part
// (one hour at 48 kHz).
void OpenRecording(benchmark::State &state)
{
  const bool hour = state.range(0) != 0;
  const std::string path = hour ? RecordingFile("hour.wav", 48000, 3600.0)
                                : RecordingFile("ten.wav", 48000, 10.0);
  for (auto _ : state) {
    Recording::TSource source;
    Recording::TError error = Recording::TError::None;
    Recording::TPart part;
    Recording::TAnalysis analysis;
    const bool done = source.Open(path, error) && Recording::FindSteadyPart(source, part, error)
                      && (hour ? !source.Overview(766).empty()
                               : Recording::AnalysePart(source, part, analysis, error));
    if (!done)
      state.SkipWithError("the recording was not analysed");
  }
}

// One analysis of half a second at 48 kHz, as listening makes ten a second.
void LiveAnalysis(benchmark::State &state)
{
  std::vector<float> heard(24000);
  for (std::size_t i = 0; i < heard.size(); ++i)
    heard[i] = float(std::remainder(196.0 * double(i) / 48000.0, 1.0));
  for (auto _ : state) {
    Recording::TAnalysis analysis;
    Recording::TError error = Recording::TError::None;
    if (!Recording::Analyse(heard, 48000, analysis, error))
      state.SkipWithError("no pitch was found");
  }
}

void RegisterCases()
{
  Register("FullRedraw", FullRedraw)
      ->ArgName("step")
      ->Arg(0)
      ->Arg(255)
      ->Arg(LastStep)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
  Register("ZoomedRedraw", ZoomedRedraw)
      ->ArgName("zoom")
      ->Arg(200)
      ->Arg(300)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
  Register("TeachingRedraw", TeachingRedraw)->Unit(benchmark::kMicrosecond)->UseRealTime();
  Register("ZoomChange", ZoomChange)->Unit(benchmark::kMillisecond)->UseRealTime();
  Register("AnimationTick", AnimationTick)->Unit(benchmark::kMicrosecond)->UseRealTime();
  Register("ChooseSquare", ChooseSquare)
      ->ArgName("sound")
      ->Arg(0)
      ->Arg(1)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  Register("StrokeRelease", StrokeRelease)->Unit(benchmark::kMillisecond)->UseRealTime();
  Register("OpenRecording", OpenRecording)
      ->ArgName("hour")
      ->Arg(0)
      ->Arg(1)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  Register("LiveAnalysis", LiveAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime();
  Register("SynthesizeTone", SynthesizeTone)->Unit(benchmark::kMicrosecond)->UseRealTime();
  Register("FigureExport", FigureExport)
      ->ArgName("pdf")
      ->Arg(0)
      ->Arg(1)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  // Seconds each: a few single runs.
  Register("AnimationExport", AnimationExport)
      ->ArgName("zoom")
      ->Arg(100)
      ->Arg(200)
      ->Iterations(1)
      ->Repetitions(5)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  Register("FftTransform", FftTransform)->Unit(benchmark::kMicrosecond)->UseRealTime();
  Register("StartupToFirstPaint", StartupToFirstPaint)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime();
}

// Median and spread of one case, in milliseconds.
struct TFigure {
  double Median = 0.0;
  double Min = 0.0;
  double Max = 0.0;
  int Samples = 0;
  bool Seen = false;
  bool Failed = false;
};

// Console output as usual, and the figures for the summary table: the median,
// min and max aggregates when repetitions ran, else the single run.
class TSummaryReporter : public benchmark::ConsoleReporter {
public:
  TSummaryReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run> &reports) override
  {
    ConsoleReporter::ReportRuns(reports);
    for (const Run &run : reports) {
      std::string key = run.run_name.function_name;
      if (!run.run_name.args.empty())
        key += "/" + run.run_name.args;
      TFigure &figure = Figures[key];
      figure.Seen = true;
      if (run.error_occurred) {
        figure.Failed = true;
        continue;
      }
      const double ms = run.GetAdjustedRealTime() /
                        benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
      if (run.run_type == Run::RT_Iteration) {
        Iterations[key].push_back(ms);
        const std::vector<double> &all = Iterations[key];
        figure.Median = Median(all);
        figure.Min = Minimum(all);
        figure.Max = Maximum(all);
        figure.Samples = int(all.size());
      } else if (run.aggregate_name == "median") {
        figure.Median = ms;
      } else if (run.aggregate_name == "min") {
        figure.Min = ms;
      } else if (run.aggregate_name == "max") {
        figure.Max = ms;
      }
    }
  }

  std::map<std::string, TFigure> Figures;

private:
  std::map<std::string, std::vector<double>> Iterations;
};

std::string Milliseconds(double ms)
{
  char text[32];
  std::snprintf(text, sizeof text, ms < 10.0 ? "%.3f ms" : "%.1f ms", ms);
  return text;
}

void PrintRow(const std::string &name, const TFigure *figure, double budgetMs,
              const std::string &budgetText)
{
  if (!figure || !figure->Seen) {
    std::printf("| %s | not run | | %s | |\n", name.c_str(), budgetText.c_str());
    return;
  }
  if (figure->Failed) {
    std::printf("| %s | failed | | %s | no |\n", name.c_str(), budgetText.c_str());
    return;
  }
  const char *within = budgetMs <= 0.0 ? "n/a" : figure->Median <= budgetMs ? "yes" : "NO";
  std::printf("| %s | %s | %s to %s | %s | %s |\n", name.c_str(),
              Milliseconds(figure->Median).c_str(), Milliseconds(figure->Min).c_str(),
              Milliseconds(figure->Max).c_str(), budgetText.c_str(), within);
}

// Fresh processes of this program, each timed from its launch to the moment
// it reports its first painted window. Returns the figure and the largest
// peak resident memory of those processes in KiB.
TFigure ColdStarts(int count, long &peakKiB)
{
  std::vector<double> times;
  peakKiB = 0;
  for (int i = 0; i < count; ++i) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {"--rotants_cold_start_child"});
    QByteArray line;
    while (!line.contains('\n') && child.waitForReadyRead(PaintTimeoutMs))
      line += child.readAllStandardOutput();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(PaintTimeoutMs);
    line += child.readAllStandardOutput();
    long childPeak = 0;
    if (std::sscanf(line.constData(), "painted %ld", &childPeak) != 1) {
      std::fprintf(stderr, "cold start %d: no painted window reported\n", i + 1);
      continue;
    }
    times.push_back(ms);
    peakKiB = std::max(peakKiB, childPeak);
  }
  TFigure figure;
  figure.Seen = count > 0;
  if (times.empty()) {
    figure.Failed = count > 0;
    return figure;
  }
  figure.Median = Median(times);
  figure.Min = Minimum(times);
  figure.Max = Maximum(times);
  figure.Samples = int(times.size());
  return figure;
}

// One cold start, set up as the program's entry point sets up the application.
int RunColdStartChild(int argc, char *argv[])
{
  QApplication application(argc, argv);
  QGuiApplication::setApplicationName("rotants");
  QApplication::setWindowIcon(ApplicationIcon());
  TRotantsForm form;
  if (!ShowAndWaitForFirstPaint(form, PaintTimeoutMs))
    return 1;
  std::printf("painted %ld\n", PeakResidentKiB());
  std::fflush(stdout);
  return 0;
}

// Removes "--name=value" or "--name" from argv; true when it was there.
bool TakeFlag(int &argc, char *argv[], const char *name, std::string &value)
{
  const std::string prefix = std::string("--") + name;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == prefix || arg.rfind(prefix + "=", 0) == 0) {
      value = arg.size() > prefix.size() ? arg.substr(prefix.size() + 1) : "";
      for (int j = i; j + 1 < argc; ++j)
        argv[j] = argv[j + 1];
      --argc;
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char *argv[])
{
  UseOffscreenPlatformByDefault();
  std::string value;
  if (TakeFlag(argc, argv, "rotants_cold_start_child", value))
    return RunColdStartChild(argc, argv);
  if (TakeFlag(argc, argv, "rotants_instructions", value))
    return RunInstructionCases(argc, argv);
  int coldStarts = 10;
  if (TakeFlag(argc, argv, "rotants_cold_starts", value))
    coldStarts = std::max(0, std::atoi(value.c_str()));

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  QApplication application(argc, argv);

  // Cold starts first, while this process is still small and quiet.
  long coldPeakKiB = 0;
  const TFigure cold = ColdStarts(coldStarts, coldPeakKiB);

  if (RealSoundOutputWorks(SoundTimeoutMs)) {
    SoundOnService = "real service on " + qEnvironmentVariable("PULSE_SERVER", "the default sound server").toStdString();
  } else {
    SoundOnService = "silent stand-in (no sound output could start)";
    UseSilentSoundService();
  }
  benchmark::AddCustomContext("qpa_platform", qEnvironmentVariable("QT_QPA_PLATFORM").toStdString());
  benchmark::AddCustomContext("sound_on_service", SoundOnService);

  RegisterCases();
  TSummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto find = [&](const std::string &key) -> const TFigure * {
    const auto it = reporter.Figures.find(key);
    return it == reporter.Figures.end() ? nullptr : &it->second;
  };
  std::printf("\nSound On: %s\n\n", SoundOnService.c_str());
  std::printf("| Case | Median | Spread (min to max) | Budget | Within |\n");
  std::printf("|---|---|---|---|---|\n");
  PrintRow("Full redraw, step 0, every option on", find("FullRedraw/step:0"), 0.3, "0.3 ms");
  PrintRow("Full redraw, step 255, every option on", find("FullRedraw/step:255"), 0.3, "0.3 ms");
  PrintRow("Full redraw, step 511, every option on", find("FullRedraw/step:511"), 0.3, "0.3 ms");
  PrintRow("Full redraw, step 511, every option on, 200 % zoom", find("ZoomedRedraw/zoom:200"),
           2.0, "2 ms");
  PrintRow("Full redraw, step 511, every option on, 300 % zoom", find("ZoomedRedraw/zoom:300"),
           4.0, "4 ms");
  PrintRow("Full redraw, step 511, harmonic 3 highlighted, alone, RMS error shown",
           find("TeachingRedraw"), 0.36, "0.3 ms + 20 %");
  PrintRow("Zoom change between 100 % and 300 %, with repaint", find("ZoomChange"), 100.0,
           "100 ms");
  PrintRow("Animation tick with repaint (mean over steps 0..511)", find("AnimationTick"), 10.0,
           "10 ms (the tick)");
  PrintRow("Choose \"Square\", Sound Off", find("ChooseSquare/sound:0"), 3.0, "3 ms");
  PrintRow("Choose \"Square\", Sound On", find("ChooseSquare/sound:1"), 3.0, "3 ms");
  PrintRow("Release of a freehand stroke", find("StrokeRelease"), 3.0, "3 ms");
  PrintRow("SynthesizeTone, highest harmonic 25", find("SynthesizeTone"), 0.0,
           "(inside the two above)");
  PrintRow("FFT transform and reordering, 256 points", find("FftTransform"), 0.0,
           "(inside the release)");
  PrintRow("Open and analyse a 10 s recording at 48 kHz", find("OpenRecording/hour:0"), 100.0,
           "100 ms");
  PrintRow("One live analysis (half a second at 48 kHz)", find("LiveAnalysis"), 5.0, "5 ms");
  PrintRow("Open a one-hour recording: overview and steady part", find("OpenRecording/hour:1"),
           1000.0, "1 s");
  PrintRow("Figure export, SVG, every option on", find("FigureExport/pdf:0"), 100.0, "100 ms");
  PrintRow("Figure export, PDF, every option on", find("FigureExport/pdf:1"), 100.0, "100 ms");
  const TFigure *gif100 = find("AnimationExport/zoom:100");
  PrintRow("Animation export (256 frames), 100 % zoom", gif100, 0.0, "");
  PrintRow("Animation export (256 frames), 200 % zoom", find("AnimationExport/zoom:200"),
           gif100 && gif100->Seen ? 2.0 * gif100->Median : 0.0, "twice the 100 % case");
  PrintRow("Window constructed to first paint, warm process", find("StartupToFirstPaint"), 300.0,
           "300 ms");
  if (coldStarts > 0)
    PrintRow("Start-up, process launch to first painted window", &cold, 300.0, "300 ms");
  const double runMiB = PeakResidentKiB() / 1024.0;
  const double coldMiB = coldPeakKiB / 1024.0;
  std::printf("| Peak resident memory, whole benchmark run | %.1f MiB | | 100 MB | %s |\n", runMiB,
              runMiB * 1.048576 <= 100.0 ? "yes" : "NO");
  if (coldStarts > 0)
    std::printf("| Peak resident memory, one start-up | %.1f MiB | | 100 MB | %s |\n", coldMiB,
                coldMiB * 1.048576 <= 100.0 ? "yes" : "NO");

  // Timings never fail the run; a case that could not be measured does.
  bool failed = cold.Failed;
  for (const auto &[key, figure] : reporter.Figures)
    failed = failed || figure.Failed;
  return failed ? 1 : 0;
}
