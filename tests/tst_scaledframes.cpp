#include "MainForm.h"
#include "RecordingSoundService.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

// Every frame starts clean wherever the plots are shown at more than one
// display pixel per canvas pixel: at a zoom, in full screen and on a screen
// with a device pixel ratio of 2. One window goes the user's road through a
// sequence of states; after each, its shown plots and its exported picture
// must equal those of a fresh window at the same scale, set straight to that
// state in one action. Anything an earlier frame left behind shows as a
// difference.
//
// The offscreen platform gets three screens (see main below): a desk screen
// for the zooms, a small projector for full screen (a factor between the
// zoom steps) and a HiDPI screen.

namespace {

enum TWaveform {
  CustomRotants,
  CustomTime,
  Square,
  RectangularPulse,
  BipolarPulse,
  Triangle,
  Sawtooth,
  RectifiedCosine,
  ImpulseTrain
};

// The mouse work of the two custom modes, in the plots' own pixels.
enum class TMark { None, Placement, Stroke };
constexpr QPoint PlacementAt(170, 60);
constexpr QPoint StrokeFrom(30, 40);
constexpr QPoint StrokeTo(90, 200);

// A state the window can be set to straight; a field left out keeps the
// start-up value.
struct TShown {
  int Waveform = CustomRotants;
  int Highest = 25;
  int Step = 0;
  bool RealValue = true;
  bool Rotate = false;
  bool Trace = false;
  bool Conjugate = false;
  bool Grid = true;
  bool Ideal = true;
  TMark Mark = TMark::None;
  int Selected = 0;  // the harmonic of the grid's current row
  bool Highlight = false;
  bool ShowError = false;
  bool Spectrum = false;
  bool Decibels = false;
};

// A plot pixel as a window position at the window's zoom: the middle of the
// block the pixel is shown as.
QPoint WindowPoint(TRotantsForm &form, QWidget *plot, QPoint pixel)
{
  const double zoom = form.ZoomFactor;
  return plot->mapTo(&form, QPoint(int(pixel.x() * zoom + zoom / 2),
                                   int(pixel.y() * zoom + zoom / 2)));
}

void Place(TRotantsForm &form)
{
  QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    WindowPoint(form, form.PhasorImage, PlacementAt));
}

void Stroke(TRotantsForm &form)
{
  QWindow *window = form.windowHandle();
  const QPoint from = WindowPoint(form, form.TimeImage, StrokeFrom);
  const QPoint to = WindowPoint(form, form.TimeImage, StrokeTo);
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(window, (from + to) / 2);
  QTest::mouseMove(window, to);
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
}

void Click(QWidget *control)
{
  QTest::mouseClick(control, Qt::LeftButton);
}

void SelectHarmonic(TRotantsForm &form, int k)
{
  form.PhasorGrid->setCurrentCell(k + 1, 1);
}

// Play with the test as the clock: the timer is held, and each tick is its
// handler's call.
void PlayTicks(TRotantsForm &form, int ticks)
{
  Click(form.PlayBtn);
  form.SimulationTimer->stop();
  for (int i = 0; i < ticks; ++i)
    form.SimulationTimerTimer();
}

// Sets a fresh window to shown as one action, so it draws the state once.
void SetStraight(TRotantsForm &form, const TShown &shown)
{
  const TActionScope action(form);
  const std::pair<QCheckBox *, bool> boxes[] = {
      {form.RealValueCheckBox, shown.RealValue}, {form.RotateComplexPlaneCheckBox, shown.Rotate},
      {form.TraceCheckBox, shown.Trace},         {form.ConjugateCheckBox, shown.Conjugate},
      {form.TimeGridCheckBox, shown.Grid},       {form.IdealWaveCheckBox, shown.Ideal}};
  for (const auto &[box, checked] : boxes)
    if (box->isChecked() != checked)
      box->click();
  ChooseWaveform(form, shown.Waveform);
  ChooseHighestHarmonic(form, shown.Highest);
  if (shown.Mark == TMark::Placement)
    Place(form);
  else if (shown.Mark == TMark::Stroke)
    Stroke(form);
  form.TimeTrackBar->setValue(shown.Step);
  SelectHarmonic(form, shown.Selected);
  if (shown.Highlight)
    form.ViewHighlightHarmonic->trigger();
  if (shown.ShowError)
    form.ViewShowError->trigger();
  // Both are remembered, so a fresh window may start with either on.
  // The decibel choice is open only while the strip is shown.
  if (form.ViewSpectrumDecibels->isChecked() != shown.Decibels) {
    if (!form.ViewSpectrum->isChecked())
      form.ViewSpectrum->trigger();
    form.ViewSpectrumDecibels->trigger();
  }
  if (form.ViewSpectrum->isChecked() != shown.Spectrum)
    form.ViewSpectrum->trigger();
}

// What decides the pictures besides the entries and the ideal wave, to tell
// a road and a straight setting that disagree from a frame that is not clean.
QString Summary(TRotantsForm &form)
{
  QString boxes;
  for (const QCheckBox *box :
       {form.RealValueCheckBox, form.RotateComplexPlaneCheckBox, form.TraceCheckBox,
        form.ConjugateCheckBox, form.TimeGridCheckBox, form.IdealWaveCheckBox})
    boxes += box->isChecked() ? '1' : '0';
  QString summary = QString("waveform %1, highest %2, step %3, boxes %4")
                        .arg(form.WaveformComboBox->currentIndex())
                        .arg(form.HighestHarmonic)
                        .arg(form.TimeTrackBar->value())
                        .arg(boxes);
  if (form.ViewHighlightHarmonic->isChecked())
    summary += QString(", harmonic %1 highlighted").arg(form.SelectedHarmonic());
  if (form.ViewShowError->isChecked())
    summary += ", error shown";
  if (form.ViewSpectrum->isChecked())
    summary += form.ViewSpectrumDecibels->isChecked() ? ", spectrum in dB" : ", spectrum";
  return summary;
}

struct TStep {
  const char *Name;
  std::function<void(TRotantsForm &)> Road;
  TShown Shown;
};

// The sequence one window goes through: every waveform choice clears the
// frame of another, every display box goes on and off, both custom modes and
// the teaching options.
const std::vector<TStep> &Steps()
{
  static constexpr TShown SpectrumAgain = {.Waveform = Square, .Step = 200, .Conjugate = true,
                                           .Selected = 25, .ShowError = true, .Spectrum = true,
                                           .Decibels = true};
  static const std::vector<TStep> steps = {
      {"Square", [](TRotantsForm &f) { ChooseWaveform(f, Square); }, {.Waveform = Square}},
      {"slider to 300", [](TRotantsForm &f) { f.TimeTrackBar->setValue(300); },
       {.Waveform = Square, .Step = 300}},
      {"Triangle after Square", [](TRotantsForm &f) { ChooseWaveform(f, Triangle); },
       {.Waveform = Triangle, .Step = 300}},
      {"Sawtooth", [](TRotantsForm &f) { ChooseWaveform(f, Sawtooth); },
       {.Waveform = Sawtooth, .Step = 300}},
      {"highest harmonic 3", [](TRotantsForm &f) { ChooseHighestHarmonic(f, 3); },
       {.Waveform = Sawtooth, .Highest = 3, .Step = 300}},
      {"slider to 40", [](TRotantsForm &f) { f.TimeTrackBar->setValue(40); },
       {.Waveform = Sawtooth, .Highest = 3, .Step = 40}},
      {"Show Real Value off", [](TRotantsForm &f) { Click(f.RealValueCheckBox); },
       {.Waveform = Sawtooth, .Highest = 3, .Step = 40, .RealValue = false}},
      {"Rotate Complex Plane on", [](TRotantsForm &f) { Click(f.RotateComplexPlaneCheckBox); },
       {.Waveform = Sawtooth, .Highest = 3, .Step = 40, .RealValue = false, .Rotate = true}},
      {"Show Real Value on, turned", [](TRotantsForm &f) { Click(f.RealValueCheckBox); },
       {.Waveform = Sawtooth, .Highest = 3, .Step = 40, .Rotate = true}},
      {"Leave Phasor Trace on", [](TRotantsForm &f) { Click(f.TraceCheckBox); },
       {.Waveform = Sawtooth, .Highest = 3, .Step = 40, .Rotate = true, .Trace = true}},
      {"slider to 450, traced", [](TRotantsForm &f) { f.TimeTrackBar->setValue(450); },
       {.Waveform = Sawtooth, .Highest = 3, .Step = 450, .Rotate = true, .Trace = true}},
      {"Rectified Cosine, traced", [](TRotantsForm &f) { ChooseWaveform(f, RectifiedCosine); },
       {.Waveform = RectifiedCosine, .Highest = 3, .Step = 450, .Rotate = true, .Trace = true}},
      {"Use Conjugate Rotants on", [](TRotantsForm &f) { Click(f.ConjugateCheckBox); },
       {.Waveform = RectifiedCosine, .Highest = 3, .Step = 450, .Rotate = true, .Trace = true,
        .Conjugate = true}},
      {"Rotate Complex Plane off", [](TRotantsForm &f) { Click(f.RotateComplexPlaneCheckBox); },
       {.Waveform = RectifiedCosine, .Highest = 3, .Step = 450, .Trace = true, .Conjugate = true}},
      {"Leave Phasor Trace off", [](TRotantsForm &f) { Click(f.TraceCheckBox); },
       {.Waveform = RectifiedCosine, .Highest = 3, .Step = 450, .Conjugate = true}},
      {"Grid On off", [](TRotantsForm &f) { Click(f.TimeGridCheckBox); },
       {.Waveform = RectifiedCosine, .Highest = 3, .Step = 450, .Conjugate = true, .Grid = false}},
      {"Ideal Wave off", [](TRotantsForm &f) { Click(f.IdealWaveCheckBox); },
       {.Waveform = RectifiedCosine, .Highest = 3, .Step = 450, .Conjugate = true, .Grid = false,
        .Ideal = false}},
      {"highest harmonic 25", [](TRotantsForm &f) { ChooseHighestHarmonic(f, 25); },
       {.Waveform = RectifiedCosine, .Step = 450, .Conjugate = true, .Grid = false,
        .Ideal = false}},
      {"Use Conjugate Rotants off", [](TRotantsForm &f) { Click(f.ConjugateCheckBox); },
       {.Waveform = RectifiedCosine, .Step = 450, .Grid = false, .Ideal = false}},
      {"Grid On on", [](TRotantsForm &f) { Click(f.TimeGridCheckBox); },
       {.Waveform = RectifiedCosine, .Step = 450, .Ideal = false}},
      {"Ideal Wave on", [](TRotantsForm &f) { Click(f.IdealWaveCheckBox); },
       {.Waveform = RectifiedCosine, .Step = 450}},
      {"Custom Rotants", [](TRotantsForm &f) { ChooseWaveform(f, CustomRotants); },
       {.Waveform = CustomRotants, .Step = 450}},
      {"a phasor placed", [](TRotantsForm &f) { Place(f); },
       {.Waveform = CustomRotants, .Mark = TMark::Placement}},
      {"Custom Time", [](TRotantsForm &f) { ChooseWaveform(f, CustomTime); },
       {.Waveform = CustomTime}},
      {"a period drawn", [](TRotantsForm &f) { Stroke(f); },
       {.Waveform = CustomTime, .Mark = TMark::Stroke}},
      {"Bipolar Pulse", [](TRotantsForm &f) { ChooseWaveform(f, BipolarPulse); },
       {.Waveform = BipolarPulse}},
      {"three ticks of Play", [](TRotantsForm &f) { PlayTicks(f, 3); },
       {.Waveform = BipolarPulse, .Step = 3}},
      {"Stop", [](TRotantsForm &f) { Click(f.StopBtn); }, {.Waveform = BipolarPulse, .Step = 3}},
      {"slider to 200", [](TRotantsForm &f) { f.TimeTrackBar->setValue(200); },
       {.Waveform = BipolarPulse, .Step = 200}},
      {"harmonic 3 highlighted",
       [](TRotantsForm &f) {
         SelectHarmonic(f, 3);
         f.ViewHighlightHarmonic->trigger();
       },
       {.Waveform = BipolarPulse, .Step = 200, .Selected = 3, .Highlight = true}},
      {"harmonic 5 highlighted", [](TRotantsForm &f) { SelectHarmonic(f, 5); },
       {.Waveform = BipolarPulse, .Step = 200, .Selected = 5, .Highlight = true}},
      {"Show Error", [](TRotantsForm &f) { f.ViewShowError->trigger(); },
       {.Waveform = BipolarPulse, .Step = 200, .Selected = 5, .Highlight = true,
        .ShowError = true}},
      // Loading a waveform's entries leaves the grid on its last row.
      {"Impulse Train, highlighted", [](TRotantsForm &f) { ChooseWaveform(f, ImpulseTrain); },
       {.Waveform = ImpulseTrain, .Step = 200, .Selected = 25, .Highlight = true,
        .ShowError = true}},
      {"highlight off", [](TRotantsForm &f) { f.ViewHighlightHarmonic->trigger(); },
       {.Waveform = ImpulseTrain, .Step = 200, .Selected = 25, .ShowError = true}},
      {"Spectrum on", [](TRotantsForm &f) { f.ViewSpectrum->trigger(); },
       {.Waveform = ImpulseTrain, .Step = 200, .Selected = 25, .ShowError = true,
        .Spectrum = true}},
      {"Square with the spectrum", [](TRotantsForm &f) { ChooseWaveform(f, Square); },
       {.Waveform = Square, .Step = 200, .Selected = 25, .ShowError = true, .Spectrum = true}},
      {"Spectrum in decibels", [](TRotantsForm &f) { f.ViewSpectrumDecibels->trigger(); },
       {.Waveform = Square, .Step = 200, .Selected = 25, .ShowError = true, .Spectrum = true,
        .Decibels = true}},
      {"two-sided spectrum", [](TRotantsForm &f) { Click(f.ConjugateCheckBox); },
       {.Waveform = Square, .Step = 200, .Conjugate = true, .Selected = 25, .ShowError = true,
        .Spectrum = true, .Decibels = true}},
      {"Spectrum off", [](TRotantsForm &f) { f.ViewSpectrum->trigger(); },
       {.Waveform = Square, .Step = 200, .Conjugate = true, .Selected = 25, .ShowError = true,
        .Decibels = true}},
      {"Spectrum on again", [](TRotantsForm &f) { f.ViewSpectrum->trigger(); }, SpectrumAgain},
      {"full screen and back",
       [](TRotantsForm &f) {
         f.ViewFullScreen->trigger();
         f.ViewFullScreen->trigger();
       },
       SpectrumAgain},
  };
  return steps;
}

// The pixels of a and b that differ, or -1 when their sizes do.
int DifferingPixels(const QImage &a, const QImage &b)
{
  if (a.size() != b.size())
    return -1;
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int row = 0; row < x.height(); ++row) {
    const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
    const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
    for (int column = 0; column < x.width(); ++column)
      count += p[column] != q[column];
  }
  return count;
}

struct TPicture {
  const char *What;
  QImage Image;
};

// What the user sees of the plots: the display images the canvases show and
// the exported picture.
std::vector<TPicture> Pictures(TRotantsForm &form)
{
  std::vector<TPicture> pictures = {{"shown phasor plane", form.PhasorImage->DisplayImage()},
                                     {"shown time plot", form.TimeImage->DisplayImage()},
                                     {"exported picture", form.PlotsPicture()}};
  if (form.ViewSpectrum->isChecked())
    pictures.push_back({"shown spectrum", form.SpectrumImage->DisplayImage()});
  return pictures;
}

}  // namespace

class TestScaledFrames : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void FramesStartClean_data();
  void FramesStartClean();

private:
  // A shown window on the row's screen at the row's scale, with every
  // redraw the scale asks for done; null when it could not be had.
  std::unique_ptr<TRotantsForm> OpenWindow();

  std::unique_ptr<TRecordingSoundScope> Sound;
};

void TestScaledFrames::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
}

void TestScaledFrames::cleanup()
{
  Sound.reset();
}

std::unique_ptr<TRotantsForm> TestScaledFrames::OpenWindow()
{
  QFETCH(QString, screenName);
  QFETCH(double, zoom);
  QFETCH(bool, fullScreen);
  QScreen *screen = nullptr;
  for (QScreen *candidate : QGuiApplication::screens())
    if (candidate->name() == screenName)
      screen = candidate;
  if (!screen)
    return nullptr;
  auto form = std::make_unique<TRotantsForm>();
  form->setScreen(screen);
  form->move(screen->availableGeometry().topLeft() + QPoint(20, 20));
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get()) || form->screen() != screen)
    return nullptr;
  if (fullScreen)
    form->ViewFullScreen->trigger();
  else
    form->SetZoom(zoom);
  // A device pixel ratio other than the start's reaches the canvases with
  // their first paint, which queues their redraw for it; full screen's new
  // size arrives as an event and lays out the centred client area.
  const auto settled = [&form, screen, fullScreen] {
    const double ratio = screen->devicePixelRatio();
    return form->PhasorImage->DisplayScale() == form->PhasorImage->Zoom() * ratio
           && form->TimeImage->DisplayScale() == form->TimeImage->Zoom() * ratio
           && (!fullScreen || form->geometry() == screen->geometry());
  };
  if (!QTest::qWaitFor(settled))
    return nullptr;
  QCoreApplication::processEvents();
  return form;
}

void TestScaledFrames::FramesStartClean_data()
{
  QTest::addColumn<QString>("screenName");
  QTest::addColumn<double>("zoom");  // full screen takes the screen's factor
  QTest::addColumn<bool>("fullScreen");
  QTest::newRow("125 %") << "Desk" << 1.25 << false;
  QTest::newRow("200 %") << "Desk" << 2.0 << false;
  QTest::newRow("full screen") << "Projector" << 1.0 << true;
  QTest::newRow("device pixel ratio 2") << "HiDPI" << 1.0 << false;
}

void TestScaledFrames::FramesStartClean()
{
  const std::unique_ptr<TRotantsForm> driven = OpenWindow();
  QVERIFY(driven);
  QVERIFY(driven->PhasorImage->DisplayScale() > 1.0);
  SetStraight(*driven, {});
  for (const TStep &step : Steps()) {
    step.Road(*driven);
    const std::unique_ptr<TRotantsForm> fresh = OpenWindow();
    QVERIFY(fresh);
    QCOMPARE(fresh->ZoomFactor, driven->ZoomFactor);
    SetStraight(*fresh, step.Shown);

    const QString reached = Summary(*driven);
    const QString straight = Summary(*fresh);
    QVERIFY2(reached == straight, qPrintable(QString("after \"%1\": %2; set straight: %3")
                                                 .arg(step.Name, reached, straight)));
    QVERIFY2(SameEntries(driven->PhasorList, fresh->PhasorList), step.Name);
    QVERIFY2(driven->IdealWave == fresh->IdealWave, step.Name);
    const std::vector<TPicture> seen = Pictures(*driven);
    const std::vector<TPicture> expected = Pictures(*fresh);
    for (std::size_t i = 0; i < seen.size(); ++i) {
      QVERIFY2(!seen[i].Image.isNull(), seen[i].What);
      const int differing = DifferingPixels(seen[i].Image, expected[i].Image);
      QVERIFY2(differing == 0, qPrintable(QString("after \"%1\": %2 differs in %3 pixels")
                                              .arg(step.Name, seen[i].What)
                                              .arg(differing)));
    }
  }
}

int main(int argc, char *argv[])
{
  QTemporaryDir directory;
  QFile file(directory.filePath("screens.json"));
  if (!file.open(QIODevice::WriteOnly))
    return 1;
  file.write(R"({"screens": [
    {"name": "Desk", "x": 0, "y": 0, "width": 1920, "height": 1080,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "Projector", "x": 1920, "y": 0, "width": 1024, "height": 768,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "HiDPI", "x": 2944, "y": 0, "width": 2560, "height": 1600,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file.fileName()).toLocal8Bit());
  QApplication application(argc, argv);
  TestScaledFrames test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_scaledframes.moc"
