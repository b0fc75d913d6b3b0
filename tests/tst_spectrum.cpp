#include "CanvasProbe.h"
#include "CommandLineRun.h"
#include "MainForm.h"
#include "NumberText.h"
#include "RecordingSoundService.h"
#include "SpectrumView.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <cmath>
#include <memory>

// The spectrum strip on the real window: bars and phase marks against the
// entries, editing by dragging, the window growing by the strip
// and nothing else changing, the strip at 200 %, the export and the command
// line. Runs on a 3840 x 2160 offscreen screen (see main).

namespace {

constexpr int SquareItem = 2;
constexpr int TriangleItem = 5;

QStringList GridTexts(const TRotantsForm &form)
{
  QStringList texts;
  for (int row = 1; row <= HarmonicCount; ++row)
    texts << form.PhasorGrid->item(row, 1)->text() << form.PhasorGrid->item(row, 2)->text();
  return texts;
}

QMap<QString, QRect> Geometries(TRotantsForm &form)
{
  QMap<QString, QRect> geometries;
  for (QWidget *widget : form.centralWidget()->findChildren<QWidget *>())
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
      geometries[widget->objectName()] = widget->geometry();
  return geometries;
}

}  // namespace

class TestSpectrum : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void BarsFollowTheEntries_data();
  void BarsFollowTheEntries();
  void DragEditsOneHarmonic_data();
  void DragEditsOneHarmonic();
  void DragEndsWithinTheScale_data();
  void DragEndsWithinTheScale();
  void WindowGrowsAndShrinksBack();
  void FullScreenStaysFullScreen_data();
  void FullScreenStaysFullScreen();
  void ZoomStaysAStep_data();
  void ZoomStaysAStep();
  void DrawnAtTheDisplaysDetail();
  void ExportAndCommandLine();

private:
  TSpectrumGeometry Layout() const
  {
    return TSpectrumGeometry(Form->SpectrumImage->Width(), Form->SpectrumImage->Height(),
                             Form->ConjugateCheckBox->isChecked());
  }
  double Magnitude(int k) const
  {
    return std::hypot(Form->PhasorList[k].Re, Form->PhasorList[k].Im);
  }
  TSpectrumScale ShownScale() const
  {
    double largest = 0.0;
    for (int k = 0; k < HarmonicCount; ++k)
      largest = std::max(largest, Magnitude(k));
    return TSpectrumScale::Fitting(largest, Form->ViewSpectrumDecibels->isChecked());
  }
  // A drag in pictured harmonic k's column as the mouse delivers it; the
  // release is left out when release is false.
  void Drag(int k, int fromY, int toY, int zoom = 1, bool release = true)
  {
    const int x = zoom * Layout().SlotCentre(k);
    QTest::mousePress(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier,
                      QPoint(x, zoom * fromY));
    QTest::mouseMove(Form->SpectrumImage, QPoint(x + 1, zoom * (fromY + toY) / 2));
    QTest::mouseMove(Form->SpectrumImage, QPoint(x + 2, zoom * toY));
    if (release)
      QTest::mouseRelease(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier,
                          QPoint(x + 2, zoom * toY));
  }

  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
};

void TestSpectrum::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
}

void TestSpectrum::cleanup()
{
  Form.reset();
  Sound.reset();
}

void TestSpectrum::BarsFollowTheEntries_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<bool>("twoSided");
  QTest::addColumn<bool>("decibels");
  QTest::addColumn<double>("ratio");  // harmonic 1 over harmonic 3
  for (bool twoSided : {false, true})
    for (bool decibels : {false, true}) {
      const char *tag =
          twoSided ? (decibels ? "two-sided, dB" : "two-sided") : (decibels ? "dB" : "");
      QTest::addRow("square %s", tag) << SquareItem << twoSided << decibels << 3.0;
      QTest::addRow("triangle %s", tag) << TriangleItem << twoSided << decibels << 9.0;
    }
}

// Heights stand for the entries' magnitudes: 1/k for the square and 1/k^2
// for the triangle show as a ratio of heights, or in dB as 20 log10 of it
// (a pixel per dB). Marks stand at the angles, none where there is no
// harmonic; c-k mirrors ck about harmonic 0 with the opposite angle.
void TestSpectrum::BarsFollowTheEntries()
{
  QFETCH(int, waveform);
  QFETCH(bool, twoSided);
  QFETCH(bool, decibels);
  QFETCH(double, ratio);
  if (twoSided)
    Form->ConjugateCheckBox->click();
  ChooseWaveform(*Form, waveform);
  Form->ViewSpectrum->trigger();
  if (decibels)
    Form->ViewSpectrumDecibels->trigger();
  QVERIFY(std::abs(Magnitude(1) / Magnitude(3) / ratio - 1.0) < 1e-3);
  const int first = Form->SpectrumBar(1).height();
  const int third = Form->SpectrumBar(3).height();
  QVERIFY(std::abs(decibels ? first - third - 20.0 * std::log10(ratio) : first / ratio - third)
          <= 1.0);

  const TSpectrumGeometry layout = Layout();
  const TSpectrumScale scale = ShownScale();
  const QImage strip = Form->SpectrumImage->Image();
  for (int k = layout.First(); k <= layout.Last(); ++k) {
    const QRect bar = Form->SpectrumBar(k);
    QCOMPARE(bar.height(),
             int(std::lround(scale.Fraction(Magnitude(std::abs(k))) * layout.BarAreaHeight())));
    QCOMPARE(bar.bottom() + 1, layout.Baseline());
    const TColour colour = k < 0 ? SpectrumMirrorBarColour : SpectrumBarColour;
    const int x = bar.center().x();
    QCOMPARE(HasColour(strip, colour, QRect(x, bar.top(), 1, bar.height())), bar.height() > 0);
    const HarmonicPhasor &entry = Form->PhasorList[std::abs(k)];
    const double angle = (k < 0 ? -180.0 : 180.0) * std::atan2(entry.Im, entry.Re) / M_PI;
    const QRect phaseRow(x, layout.PhaseTop() - 1, 1, layout.PhaseBottom() - layout.PhaseTop() + 3);
    if (Magnitude(std::abs(k)) < SpectrumNoAngleBelow)
      QVERIFY2(!HasColour(strip, colour, phaseRow), qPrintable(QString::number(k)));
    else
      QVERIFY2(HasColour(strip, colour, QRect(x, layout.PhaseRow(angle), 1, 1))
                   && !HasColour(strip, colour, QRect(x, layout.PhaseTop() - 1, 1, 1))
                   && !HasColour(strip, colour, QRect(x, layout.PhaseBottom() + 1, 1, 1)),
               qPrintable(QString::number(k)));
    if (k < 0)  // mirrored about the middle of harmonic 0's column
      QCOMPARE(bar.left() + Form->SpectrumBar(-k).right(),
               2 * layout.Slot(0).Left + layout.SlotPitch() - 1);
  }
  QCOMPARE(Form->SpectrumBar(-1).isNull(), !twoSided);
}

void TestSpectrum::DragEditsOneHarmonic_data()
{
  QTest::addColumn<bool>("twoSided");
  QTest::addColumn<int>("pictured");  // the column dragged in
  QTest::addColumn<bool>("phase");
  QTest::addColumn<int>("rows");  // above the baseline, or above 0 degrees
  QTest::newRow("bar 3") << false << 3 << false << 21;
  QTest::newRow("bar 2, from nothing") << false << 2 << false << 40;
  QTest::newRow("bar 5, two-sided") << true << 5 << false << 50;
  QTest::newRow("bar -5 edits harmonic 5") << true << -5 << false << 9;
  QTest::newRow("phase 3") << false << 3 << true << 3;
  QTest::newRow("phase -7, mirrored") << true << -7 << true << -10;
  QTest::newRow("phase 1 to -180") << false << 1 << true << -12;
}

// While the mouse is held every plot shows the dragged value and the entries,
// grid and tone stay; the release sets the magnitude the height stands for
// (or the angle) through the editor: the grid row follows, the other half of
// the value stays, and the tone changes with one play request.
void TestSpectrum::DragEditsOneHarmonic()
{
  QFETCH(bool, twoSided);
  QFETCH(int, pictured);
  QFETCH(bool, phase);
  QFETCH(int, rows);
  if (twoSided)
    Form->ConjugateCheckBox->click();
  ChooseWaveform(*Form, SquareItem);
  Form->SoundCheckBox->click();
  Form->TimeTrackBar->setValue(200);
  Form->ViewSpectrum->trigger();
  const int k = std::abs(pictured);
  const TSpectrumGeometry layout = Layout();
  const TSpectrumScale scale = ShownScale();
  const TPhasorArray entries = Form->PhasorList;
  const QStringList grid = GridTexts(*Form);
  const QImage time = Form->TimeImage->Image();
  const int plays = Sound->Log->PlayCount();
  const QByteArray tone = Sound->Log->Looping;

  const int toY = (phase ? layout.PhaseZero() : layout.Baseline()) - rows;
  Drag(pictured, phase ? layout.PhaseZero() : layout.Baseline() - 1, toY, 1, false);
  QCOMPARE(Form->PhasorGrid->currentRow(), k + 1);
  QVERIFY(SameEntries(Form->PhasorList, entries));
  QCOMPARE(GridTexts(*Form), grid);
  QCOMPARE(Sound->Log->PlayCount(), plays);
  QVERIFY(Form->TimeImage->Image() != time);
  if (!phase)
    QCOMPARE(Form->SpectrumBar(pictured).top(), toY);
  QTest::mouseRelease(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier,
                      QPoint(layout.SlotCentre(pictured) + 2, toY));

  QStringList texts = grid;
  if (phase)
    texts[2 * k + 1] = QString::fromStdString(FormatFixed((pictured < 0 ? -15 : 15) * rows, 6, 1));
  else
    texts[2 * k] = QString::fromStdString(FormatFixed(scale.Top() * rows / 60.0, 7, 4));
  QCOMPARE(GridTexts(*Form), texts);
  TPhasorArray changed = entries;
  HarmonicMath::PolarToRect(texts[2 * k].toDouble(), texts[2 * k + 1].toDouble(), changed[k].Re,
                            changed[k].Im);
  QVERIFY(SameEntries(Form->PhasorList, changed));
  QCOMPARE(Sound->Log->PlayCount(), plays + 1);
  QVERIFY(Sound->Log->Looping != tone);
  if (!phase && ShownScale() == scale)
    QCOMPARE(Form->SpectrumBar(pictured).top(), toY);

  // The drag is one step, named after what it changed, and undoing it brings
  // back entries and grid bit for bit.
  QCOMPARE(Form->EditUndo->text().remove('&'),
           "Undo " + (phase ? QString("Dragged Phase of Harmonic %1") : QString("Dragged Harmonic %1")).arg(k));
  Form->EditUndo->trigger();
  QVERIFY(SameEntries(Form->PhasorList, entries));
  QCOMPARE(GridTexts(*Form), grid);
}

void TestSpectrum::DragEndsWithinTheScale_data()
{
  QTest::addColumn<double>("fundamental");  // harmonic 1's magnitude first
  QTest::addColumn<bool>("decibels");
  QTest::addColumn<int>("toY");
  QTest::addColumn<QString>("magnitude");
  QTest::newRow("above the strip: the top") << 0.6 << false << -300 << "1.0000";
  QTest::newRow("scale 10, far above: 10") << 6.0 << false << -100000 << "10.0000";
  QTest::newRow("below the baseline: 0") << 0.6 << false << 500 << "0.0000";
  QTest::newRow("a slip of 2 pixels: unchanged") << 0.6 << false << 61 << "0.6000";
  QTest::newRow("dB, scale 20 dB, above: 10") << 9.5 << true << -50 << "10.0000";
  QTest::newRow("dB, a row under the 0 dB top") << 0.6 << true << 9 << "0.8913";
}

// A drag stops at the top of the scale it began on and never passes the
// editor's 10, which would apply as a silent 0; a press that hardly moves
// only selects.
void TestSpectrum::DragEndsWithinTheScale()
{
  QFETCH(double, fundamental);
  QFETCH(bool, decibels);
  QFETCH(int, toY);
  QFETCH(QString, magnitude);
  Form->ViewSpectrum->trigger();
  if (decibels)
    Form->ViewSpectrumDecibels->trigger();
  Form->EditHarmonic(1, fundamental, 30.0);
  Form->PhasorGrid->setCurrentCell(10, 1);
  Drag(1, Layout().Baseline() - 5, toY);
  QCOMPARE(Form->PhasorGrid->currentRow(), 2);
  QCOMPARE(Form->PhasorGrid->item(2, 1)->text(), magnitude);
  QCOMPARE(Form->PhasorGrid->item(2, 2)->text(), QString("30.0"));
}

// On: the window grows by the strip below the controls, at 100 % and at a
// zoom, with the status bar at its bottom, and the choice is remembered. Off
// again: every geometry and picture as before, and no bar.
void TestSpectrum::WindowGrowsAndShrinksBack()
{
  QTemporaryDir directory;
  QSettings settings(directory.filePath("view.ini"), QSettings::IniFormat);
  Form->UseSettings(&settings);
  ChooseWaveform(*Form, SquareItem);
  const QMap<QString, QRect> before = Geometries(*Form);
  const QSize size = Form->size();
  const QImage time = Form->TimeImage->grab().toImage();
  const QSize picture = Form->PlotsPicture().size();
  QVERIFY(Form->SpectrumBar(1).isNull() && !Form->ViewSpectrumDecibels->isEnabled());
  for (const double zoom : {1.0, 2.0}) {
    Form->SetZoom(zoom);
    const QMap<QString, QRect> shown = Geometries(*Form);
    const int height = Form->height();
    Form->ViewSpectrum->trigger();
    QVERIFY(Form->SpectrumImage->isVisible() && Form->ViewSpectrumDecibels->isEnabled());
    QVERIFY(settings.value("View/Spectrum").toBool());
    const int growth = int(std::lround(118 * zoom));
    QTRY_COMPARE(Form->height(), height + growth);
    QMap<QString, QRect> expected = shown;
    expected["ClientArea"].setHeight(shown["ClientArea"].height() + growth);
    expected["StatusBar"].translate(0, growth);
    QCOMPARE(Geometries(*Form), expected);
    Form->ViewSpectrum->trigger();
    QCOMPARE(Geometries(*Form), shown);
  }
  Form->SetZoom(1.0);
  QCOMPARE(Geometries(*Form), before);
  QTRY_COMPARE(Form->size(), size);
  QCOMPARE(Form->TimeImage->grab().toImage(), time);
  QCOMPARE(Form->PlotsPicture().size(), picture);
  QVERIFY(Form->SpectrumBar(1).isNull() && !settings.value("View/Spectrum").toBool());

  Form->ViewSpectrum->trigger();
  Form->ViewSpectrumDecibels->trigger();
  TRotantsForm again;
  again.show();
  again.UseSettings(&settings);
  QVERIFY(again.ViewSpectrum->isChecked() && again.ViewSpectrumDecibels->isChecked());
  QTRY_COMPARE(again.size(), Form->size());
  again.UseSettings(nullptr);
  Form->UseSettings(nullptr);
}

// At 200 % the strip, texts included, is drawn anew at the display's pixels,
// not enlarged, with no colour the 100 % picture lacks; the mouse stays in
// the strip's own pixels.
void TestSpectrum::DrawnAtTheDisplaysDetail()
{
  ChooseWaveform(*Form, SquareItem);
  Form->ViewSpectrum->trigger();
  for (const bool twoSided : {false, true}) {
    if (Form->ConjugateCheckBox->isChecked() != twoSided)
      Form->ConjugateCheckBox->click();
    Form->SetZoom(1.0);
    const QImage plain = Form->SpectrumImage->grab().toImage();
    QSet<QRgb> plainColours;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x)
        plainColours.insert(plain.pixel(x, y));
    Form->SetZoom(2.0);
    const QImage zoomed = Form->SpectrumImage->grab().toImage();
    QCOMPARE(zoomed.size(), plain.size() * 2);
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < zoomed.height(); y += 2)
      for (int x = 0; x + 1 < zoomed.width(); x += 2) {
        const QRgb corner = zoomed.pixel(x, y);
        QVERIFY2(plainColours.contains(corner), qPrintable(QString::number(corner, 16)));
        mixedBlocks += zoomed.pixel(x + 1, y) != corner || zoomed.pixel(x, y + 1) != corner
                       || zoomed.pixel(x + 1, y + 1) != corner;
      }
    QVERIFY(mixedBlocks > 100);
    Drag(3, Layout().Baseline() - 2, Layout().Baseline() - 30, 2);
    QCOMPARE(Form->SpectrumBar(3).top(), Layout().Baseline() - 30);
  }
}

// The exported picture holds the strip under the plots; --spectrum shows it
// for one run without remembering it, in the window and in a batch run.
void TestSpectrum::ExportAndCommandLine()
{
  TCommandLineOptions options;
  QCOMPARE(ParseCommandLine({"rotants", "--waveform", "triangle", "--spectrum"}, options), -1);
  QTemporaryDir directory;
  QSettings settings(directory.filePath("view.ini"), QSettings::IniFormat);
  Form->UseSettings(&settings);
  QString error;
  QVERIFY(ApplyCommandLine(*Form, options, false, error));
  QVERIFY(Form->SpectrumImage->isVisible() && !settings.contains("View/Spectrum"));
  Form->UseSettings(nullptr);

  const QString path = directory.filePath("picture.png");
  QVERIFY(Form->ExportPicture(path));
  const QImage picture = QImage(path).convertToFormat(QImage::Format_RGB32);
  const QImage strip = Form->SpectrumImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int gap = Form->TimeImage->x() - Form->PhasorImage->geometry().right() - 1;
  QCOMPARE(picture.height(), Form->TimeImage->height() + gap + strip.height());
  QCOMPARE(picture.copy(0, picture.height() - strip.height(), strip.width(), strip.height()),
           strip);

  TRotantsForm batch;
  options.ExportPicture = directory.filePath("batch.png");
  QCOMPARE(RunBatch(batch, options), 0);
  QCOMPARE(QImage(options.ExportPicture).convertToFormat(QImage::Format_RGB32), picture);
}

void TestSpectrum::FullScreenStaysFullScreen_data()
{
  QTest::addColumn<QString>("screenName");
  QTest::addColumn<bool>("stripFirst");  // shown before full screen
  QTest::newRow("large, strip shown in full screen") << "Large" << false;
  QTest::newRow("large, strip hidden in full screen") << "Large" << true;
  QTest::newRow("desk, strip shown in full screen") << "Desk" << false;
  QTest::newRow("desk, strip hidden in full screen") << "Desk" << true;
  QTest::newRow("projector, strip shown in full screen") << "Projector" << false;
  QTest::newRow("projector, strip hidden in full screen") << "Projector" << true;
}

// The strip shown or hidden in full screen leaves the window full screen at
// once (the zoom's fixed window size must not take it out), at the factor
// that fits the screen with or without the strip.
void TestSpectrum::FullScreenStaysFullScreen()
{
  QFETCH(QString, screenName);
  QFETCH(bool, stripFirst);
  QScreen *screen = nullptr;
  for (QScreen *candidate : QGuiApplication::screens())
    screen = candidate->name() == screenName ? candidate : screen;
  QVERIFY(screen);
  TRotantsForm form;
  form.setScreen(screen);
  form.move(screen->availableGeometry().topLeft() + QPoint(20, 20));
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  if (stripFirst)
    form.ViewSpectrum->trigger();
  form.SetZoom(2.5);
  form.ViewFullScreen->trigger();
  QTRY_VERIFY(form.isFullScreen());
  form.ViewSpectrum->trigger();
  QCOMPARE(form.ViewSpectrum->isChecked(), !stripFirst);
  QVERIFY(form.isFullScreen());
  QTest::qWait(20);
  QVERIFY(form.isFullScreen());
  QCOMPARE(form.ZoomFactor, form.ScreenZoomLimit(true));
  QCOMPARE(form.geometry(), screen->geometry());
  // The window manager is told that the window may take the screen's size,
  // and the status bar lies inside the window.
  const QSize size = screen->size();
  QWindow *window = form.windowHandle();
  QVERIFY(window->minimumSize().boundedTo(size) == window->minimumSize()
          && window->maximumSize().expandedTo(size) == window->maximumSize());
  QVERIFY(form.rect().contains(
      QRect(form.StatusBar->mapTo(&form, QPoint()), form.StatusBar->size())));
}

void TestSpectrum::ZoomStaysAStep_data()
{
  QTest::addColumn<double>("zoom");
  QTest::addColumn<bool>("forRun");  // given with --zoom
  QTest::addColumn<bool>("fullScreen");  // the strip shown in full screen
  QTest::addColumn<double>("expected");
  QTest::newRow("fits still") << 1.5 << false << false << 1.5;
  QTest::newRow("2.5 no longer fits") << 2.5 << false << false << 2.0;
  QTest::newRow("the run's 2.5") << 2.5 << true << false << 2.0;
  QTest::newRow("in full screen") << 2.5 << false << true << 2.0;
}

// On the desk screen the window fits at 250 %, but with the strip only at
// about 205 %: the zoom falls back to the largest step that fits, as when the
// settings are read, and a run's zoom is not remembered.
void TestSpectrum::ZoomStaysAStep()
{
  QFETCH(double, zoom);
  QFETCH(bool, forRun);
  QFETCH(bool, fullScreen);
  QFETCH(double, expected);
  QScreen *desk = nullptr;
  for (QScreen *screen : QGuiApplication::screens())
    desk = screen->name() == "Desk" ? screen : desk;
  QVERIFY(desk);
  QTemporaryDir directory;
  QSettings settings(directory.filePath("view.ini"), QSettings::IniFormat);
  settings.setValue("View/Zoom", 1.25);
  TRotantsForm form;
  form.setScreen(desk);
  form.move(desk->availableGeometry().topLeft() + QPoint(20, 20));
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.UseSettings(&settings);
  if (forRun)
    form.SetZoomForRun(zoom);
  else
    form.SetZoom(zoom);
  if (fullScreen)
    form.ViewFullScreen->trigger();
  form.ViewSpectrum->trigger();
  if (fullScreen)
    form.ViewFullScreen->trigger();
  QCOMPARE(form.ZoomFactor, expected);
  QCOMPARE(settings.value("View/Zoom").toDouble(), forRun ? 1.25 : expected);
  form.ViewSpectrum->trigger();
  QCOMPARE(form.ZoomFactor, expected);
  form.UseSettings(nullptr);
}

int main(int argc, char *argv[])
{
  QTemporaryDir directory;
  QFile file(directory.filePath("screen.json"));
  if (!file.open(QIODevice::WriteOnly))
    return 1;
  file.write(R"({"screens": [{"name": "Large", "x": 0, "y": 0, "width": 3840, "height": 2160,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                {"name": "Desk", "x": 3840, "y": 0, "width": 1920, "height": 1080,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                {"name": "Projector", "x": 5760, "y": 0, "width": 2560, "height": 1440,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file.fileName()).toLocal8Bit());
  QApplication application(argc, argv);
  TestSpectrum test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_spectrum.moc"
