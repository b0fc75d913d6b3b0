#include "AboutForm.h"
#include "CommandLine.h"
#include "CommandLineRun.h"
#include "MainForm.h"
#include "RecordingSoundService.h"
#include "TextFit.h"
#include "WindowDriver.h"
#include "WindowScaler.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The whole window at a zoom factor: every control scaled from the layout,
// texts that still fit, and the mouse and the numbers in the plots' own
// pixels. The test runs on a 3840 x 2160 offscreen screen, so that every step
// fits (see main below).

namespace {

constexpr int CustomTimeItem = 1;

// Every control with a name of its own, and its geometry at factor 1.
QList<std::pair<QWidget *, QRect>> NamedControls(TRotantsForm &form)
{
  QList<std::pair<QWidget *, QRect>> controls;
  for (QWidget *widget : form.centralWidget()->findChildren<QWidget *>()) {
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")
        && !widget->objectName().startsWith("StatusPanel"))
      controls.append({widget, widget->geometry()});
  }
  return controls;
}

// Places a phasor with a click and draws a stroke, in the plots' own pixels,
// and returns what the panels read.
QStringList ClickAndStroke(TRotantsForm &form)
{
  const double zoom = form.ZoomFactor;
  const auto at = [zoom](QWidget *plot, int x, int y) {
    return plot->mapTo(plot->window(), QPoint(int(x * zoom + zoom / 2), int(y * zoom + zoom / 2)));
  };
  QWindow *window = form.windowHandle();
  QTest::mouseMove(window, at(form.PhasorImage, 170, 60));
  QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at(form.PhasorImage, 170, 60));
  QStringList panels{form.StatusPanel0->text()};
  ChooseWaveform(form, CustomTimeItem);
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at(form.TimeImage, 30, 40));
  QTest::mouseMove(window, at(form.TimeImage, 90, 200));
  panels << form.StatusPanel2->text();
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at(form.TimeImage, 90, 200));
  return panels;
}

}  // namespace

class TestZoom : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void ControlsScaleWithTheLayout_data();
  void ControlsScaleWithTheLayout();
  void ClicksAndStrokesIgnoreTheZoom();
  void PlotsAreDrawnAtTheScreensDetail();
  void AnimationExportLeavesTheZoomedPlots();
  void StepsAndShortcuts();
  void ViewIsRemembered();
  void CommandLineZoomIsForOneRun();
  void FullScreenAndBack();
  void AxesAtEveryZoom_data();
  void AxesAtEveryZoom();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
};

void TestZoom::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
}

void TestZoom::cleanup()
{
  Form.reset();
  Sound.reset();
}

void TestZoom::ControlsScaleWithTheLayout_data()
{
  QTest::addColumn<double>("factor");
  for (double factor : {1.25, 1.5, 2.0, 3.0})
    QTest::addRow("%g", factor) << factor;
}

// Every control lies where the layout puts it, times the factor, and every text
// still fits its control.
void TestZoom::ControlsScaleWithTheLayout()
{
  QFETCH(double, factor);
  const auto controls = NamedControls(*Form);
  Form->SetZoom(factor);
  QCOMPARE(Form->ZoomFactor, factor);
  QCOMPARE(Form->centralWidget()->size(),
           QSize(qRound(782 * factor), qRound(384 * factor)));
  for (const auto &[widget, base] : controls) {
    // A label may be a pixel or two wider, where hinting widened its text.
    const QRect scaled = TWindowScaler::ScaledRect(base, factor);
    if (qobject_cast<QLabel *>(widget)) {
      QCOMPARE(widget->geometry().topLeft(), scaled.topLeft());
      QCOMPARE(widget->height(), scaled.height());
      QVERIFY(widget->width() >= scaled.width() && widget->width() <= scaled.width() + 2);
    } else {
      QCOMPARE(widget->geometry(), scaled);
    }
  }
  for (const TTextRoom &text : WindowTexts(*Form))
    QVERIFY2(text.Needed <= text.Room, qPrintable(text.What));
  Form->SetZoom(1.0);
  for (const auto &[widget, base] : controls)
    QCOMPARE(widget->geometry(), base);
}

// A click over the same spot of the plane places the same phasor, and a stroke
// over the same spots writes the same samples, at 100 % and at 200 %.
void TestZoom::ClicksAndStrokesIgnoreTheZoom()
{
  const QStringList atOne = ClickAndStroke(*Form);
  const TPhasorArray entriesAtOne = Form->PhasorList;
  const auto idealAtOne = Form->IdealWave;

  TRotantsForm zoomed;
  zoomed.show();
  QVERIFY(QTest::qWaitForWindowExposed(&zoomed));
  zoomed.SetZoom(2.0);
  QCOMPARE(zoomed.ZoomFactor, 2.0);
  QCOMPARE(ClickAndStroke(zoomed), atOne);
  QCOMPARE(zoomed.IdealWave, idealAtOne);
  for (int k = 0; k < HarmonicCount; ++k) {
    QCOMPARE(zoomed.PhasorList[k].Re, entriesAtOne[k].Re);
    QCOMPARE(zoomed.PhasorList[k].Im, entriesAtOne[k].Im);
  }
}

// The plots at 200 % are drawn anew at the new size, not enlarged: a
// pixel-doubled picture would be one colour in every 2 x 2 block at even
// coordinates. No blending either: every colour is one the plot has at 100 %.
// The about box's picture follows the zoom as well.
void TestZoom::PlotsAreDrawnAtTheScreensDetail()
{
  constexpr int SquareItem = 2;
  ChooseWaveform(*Form, SquareItem);
  Form->TimeTrackBar->setValue(300);
  for (QWidget *plot : {static_cast<QWidget *>(Form->TimeImage),
                        static_cast<QWidget *>(Form->PhasorImage)}) {
    Form->SetZoom(1.0);
    const QImage plain = plot->grab().toImage();
    Form->SetZoom(2.0);
    const QImage zoomed = plot->grab().toImage();
    QCOMPARE(zoomed.size(), plain.size() * 2);

    QSet<QRgb> plainColours;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x)
        plainColours.insert(plain.pixel(x, y));
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < zoomed.height(); y += 2) {
      for (int x = 0; x + 1 < zoomed.width(); x += 2) {
        const QRgb corner = zoomed.pixel(x, y);
        QVERIFY2(plainColours.contains(corner), qPrintable(QString::number(corner, 16)));
        if (zoomed.pixel(x + 1, y) != corner || zoomed.pixel(x, y + 1) != corner
            || zoomed.pixel(x + 1, y + 1) != corner)
          ++mixedBlocks;
      }
    }
    QVERIFY2(mixedBlocks > 100, qPrintable(plot->objectName()));
  }
  QCOMPARE(Form->AboutBox->ProgramIcon->pixmap().size(), QSize(516, 256));
  Form->SetZoom(1.0);
  QCOMPARE(Form->AboutBox->ProgramIcon->pixmap().size(), QSize(258, 128));
}

// The animation draws every step on the canvases; afterwards the plots show
// what they showed before, at the zoom's detail too.
void TestZoom::AnimationExportLeavesTheZoomedPlots()
{
  ChooseWaveform(*Form, 2);
  Form->SetZoom(2.0);
  const QImage plane = Form->PhasorImage->grab().toImage();
  const QImage time = Form->TimeImage->grab().toImage();
  QTemporaryDir directory;
  QVERIFY(Form->ExportAnimation(directory.filePath("sweep.gif")));
  QCOMPARE(Form->PhasorImage->grab().toImage(), plane);
  QCOMPARE(Form->TimeImage->grab().toImage(), time);
}

void TestZoom::StepsAndShortcuts()
{
  Form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  QVERIFY(!Form->ViewZoomOut->isEnabled());
  const QList<std::pair<QKeySequence, double>> keys = {
      {QKeySequence("Ctrl++"), 1.25}, {QKeySequence("Ctrl+="), 1.5}, {QKeySequence("Ctrl+="), 1.75},
      {QKeySequence("Ctrl+="), 2.0},  {QKeySequence("Ctrl+="), 2.5}, {QKeySequence("Ctrl+="), 3.0},
      {QKeySequence("Ctrl+="), 3.0},  {QKeySequence("Ctrl+-"), 2.5}, {QKeySequence("Ctrl+0"), 1.0},
  };
  for (const auto &[key, factor] : keys) {
    QTest::keySequence(Form.get(), key);
    QCOMPARE(Form->ZoomFactor, factor);
  }
  QVERIFY(!Form->ViewZoomOut->isEnabled());
  // Factors outside the steps' range are held to it.
  Form->SetZoom(7.0);
  QCOMPARE(Form->ZoomFactor, 3.0);
  Form->SetZoom(0.2);
  QCOMPARE(Form->ZoomFactor, 1.0);
}

void TestZoom::ViewIsRemembered()
{
  QTemporaryDir directory;
  QSettings settings(directory.filePath("view.conf"), QSettings::IniFormat);
  Form->UseSettings(&settings);
  QCOMPARE(Form->ZoomFactor, 1.0);
  Form->ViewZoomIn->trigger();
  Form->ViewZoomIn->trigger();
  Form.reset();

  TRotantsForm again;
  again.show();
  QVERIFY(QTest::qWaitForWindowExposed(&again));
  again.UseSettings(&settings);
  QCOMPARE(again.ZoomFactor, 1.5);
  again.UseSettings(nullptr);

  // A zoom that no longer fits the screen falls back to the largest step that
  // does.
  settings.setValue("View/Zoom", 9.0);
  TRotantsForm small;
  small.show();
  QVERIFY(QTest::qWaitForWindowExposed(&small));
  small.UseSettings(&settings);
  QCOMPARE(small.ZoomFactor, 3.0);
}

// --zoom shows its factor for the run it starts and leaves the remembered zoom
// alone, also through a trip to full screen; a zoom chosen in the View menu
// is remembered again. The menu names the zoom in force.
void TestZoom::CommandLineZoomIsForOneRun()
{
  QTemporaryDir directory;
  QSettings settings(directory.filePath("view.conf"), QSettings::IniFormat);
  settings.setValue("View/Zoom", 1.25);
  Form->UseSettings(&settings);
  TCommandLineOptions options;
  QCOMPARE(ParseCommandLine({"rotants", "--zoom", "2"}, options), -1);
  QString error;
  QVERIFY(ApplyCommandLine(*Form, options, true, error));
  QCOMPARE(Form->ZoomFactor, 2.0);
  QCOMPARE(Form->ViewZoomLevel->text(), QString("Zoom: 200 %"));
  QVERIFY(!Form->ViewZoomLevel->isEnabled());
  Form->ViewFullScreen->trigger();
  Form->ViewFullScreen->trigger();
  QCOMPARE(Form->ZoomFactor, 2.0);
  QCOMPARE(settings.value("View/Zoom").toDouble(), 1.25);

  Form->ViewZoomOut->trigger();
  QCOMPARE(Form->ViewZoomLevel->text(), QString("Zoom: 175 %"));
  QCOMPARE(settings.value("View/Zoom").toDouble(), 1.75);
  Form->UseSettings(nullptr);
}

void TestZoom::FullScreenAndBack()
{
  Form->SetZoom(1.5);
  const QSize windowed = Form->size();
  const QRect placed = Form->geometry();
  Form->ViewFullScreen->trigger();
  QVERIFY(Form->isFullScreen());
  QVERIFY(Form->ZoomFactor > 4.0);
  QVERIFY(!Form->ViewZoomIn->isEnabled());
  // The screen's size arrives from the platform.
  QTRY_COMPARE(Form->geometry(), Form->screen()->geometry());
  // The client area lies centred in the face colour around it.
  QWidget *client = Form->findChild<QWidget *>("ClientArea");
  const QRect area = client->geometry();
  const QSize frame = Form->centralWidget()->size();
  QVERIFY(qAbs(area.left() - (frame.width() - area.right() - 1)) <= 1);
  QVERIFY(qAbs(area.top() - (frame.height() - area.bottom() - 1)) <= 1);

  QTest::keyClick(Form.get(), Qt::Key_Escape);
  QVERIFY(!Form->isFullScreen());
  QVERIFY(!Form->ViewFullScreen->isChecked());
  QCOMPARE(Form->ZoomFactor, 1.5);
  QTRY_COMPARE(Form->size(), windowed);
  QCOMPARE(Form->geometry(), placed);
}

void TestZoom::AxesAtEveryZoom_data()
{
  QTest::addColumn<double>("zoom");
  QTest::addColumn<bool>("turned");
  QTest::newRow("100 %") << 1.0 << false;
  QTest::newRow("200 %") << 2.0 << false;
  QTest::newRow("300 %, plane turned") << 3.0 << true;
}

// View > Axes ticks the plane's horizontal axis at 0.5 (column 188) and the
// time axis at step 384, as shown at the zoom; its numbers follow the turn;
// off again, the pictures are as before; a new window shows it again from the
// settings.
void TestZoom::AxesAtEveryZoom()
{
  QFETCH(double, zoom);
  QFETCH(bool, turned);
  QTemporaryDir directory;
  QSettings settings(directory.filePath("view.conf"), QSettings::IniFormat);
  Form->UseSettings(&settings);
  Form->SetZoomForRun(zoom);
  if (turned)
    Form->RotateComplexPlaneCheckBox->click();
  const auto shown = [this] {
    return std::pair(Form->PhasorImage->grab().toImage(), Form->TimeImage->grab().toImage());
  };
  // Black in the middle of the canvas pixel two rows above the axes.
  const auto ticked = [zoom](const QImage &picture, int x) {
    return picture.pixelColor(int((x + 0.5) * zoom), int(123.5 * zoom)) == Qt::black;
  };
  const auto off = shown();
  Form->ViewAxes->trigger();
  const auto on = shown();
  QCOMPARE((QList<bool>{ticked(off.first, 188), ticked(off.second, 384), ticked(on.first, 188),
                        ticked(on.second, 384)}),
           (QList<bool>{false, false, true, true}));
  Form->RotateComplexPlaneCheckBox->click();
  QVERIFY(Form->PhasorImage->grab().toImage() != on.first);
  Form->RotateComplexPlaneCheckBox->click();

  TRotantsForm again;
  again.UseSettings(&settings);
  QVERIFY(again.ViewAxes->isChecked()
          && again.TimeImage->Image().pixelColor(384, 123) == Qt::black);
  Form->ViewAxes->trigger();
  QVERIFY(shown() == off);
  Form->UseSettings(nullptr);
}

// The screen is made large enough for every zoom step and for full screen to
// be more than 4 times the layout.
int main(int argc, char *argv[])
{
  QTemporaryDir directory;
  const QString config = directory.filePath("screen.json");
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly))
    return 1;
  file.write(R"({"screens": [{"name": "Large", "x": 0, "y": 0, "width": 3840, "height": 2160,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
  QApplication application(argc, argv);
  TestZoom test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_zoom.moc"
