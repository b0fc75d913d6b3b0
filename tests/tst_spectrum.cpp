#include "CanvasProbe.h"
#include "CommandLineRun.h"
#include "MainForm.h"
#include "NumberText.h"
#include "RecordingSoundService.h"
#include "SpectrumGeometry.h"
#include "SpectrumView.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

// The spectrum strip on the real window: bars against the entries, editing by
// dragging bars and phase marks, the window growing by the strip and nothing
// else changing, the strip drawn at the display's detail, and the export and
// command line. The test runs on a 3840 x 2160 offscreen screen (see main).

namespace {

constexpr int SquareItem = 2;
constexpr int TriangleItem = 5;

QString Text(double value, int precision, int decimals)
{
  return QString::fromStdString(FormatFixed(value, precision, decimals));
}

QStringList GridTexts(const TRotantsForm &form)
{
  QStringList texts;
  for (int row = 1; row <= HarmonicCount; ++row)
    texts << form.PhasorGrid->item(row, 1)->text() << form.PhasorGrid->item(row, 2)->text();
  return texts;
}

// Every named control of the client area and its geometry.
QMap<QString, QRect> Geometries(TRotantsForm &form)
{
  QMap<QString, QRect> geometries;
  for (QWidget *widget : form.centralWidget()->findChildren<QWidget *>()) {
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
      geometries[widget->objectName()] = widget->geometry();
  }
  return geometries;
}

}  // namespace

class TestSpectrum : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void ScaleFitsTheLargestBar_data();
  void ScaleFitsTheLargestBar();
  void BarsFollowTheEntries_data();
  void BarsFollowTheEntries();
  void DragEditsOneHarmonic_data();
  void DragEditsOneHarmonic();
  void DragIsHeldToTheScaleAndTheEditorsRange_data();
  void DragIsHeldToTheScaleAndTheEditorsRange();
  void PressOnlySelects();
  void WindowGrowsAndShrinksBack();
  void DrawnAtTheDisplaysDetail();
  void ExportAndCommandLine();

private:
  TSpectrumGeometry Layout() const
  {
    return TSpectrumGeometry(Form->SpectrumImage->Width(), Form->SpectrumImage->Height(),
                             Form->ConjugateCheckBox->isChecked());
  }
  // The scale the strip shows for the entries.
  TSpectrumScale ShownScale() const
  {
    double largest = 0.0;
    for (const HarmonicPhasor &entry : Form->PhasorList)
      largest = std::max(largest, std::hypot(entry.Re, entry.Im));
    return TSpectrumScale::Fitting(largest, Form->ViewSpectrumDecibels->isChecked());
  }
  void Drag(int k, int fromY, int toY);

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

// A press in harmonic k's column, moves in steps and the release, as a
// user's drag arrives.
void TestSpectrum::Drag(int k, int fromY, int toY)
{
  const int x = Layout().SlotCentre(k);
  QTest::mousePress(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, QPoint(x, fromY));
  for (int i = 1; i <= 4; ++i)
    QTest::mouseMove(Form->SpectrumImage, QPoint(x + i, fromY + (toY - fromY) * i / 4));
  QTest::mouseRelease(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, QPoint(x + 4, toY));
}

void TestSpectrum::ScaleFitsTheLargestBar_data()
{
  QTest::addColumn<double>("largest");
  QTest::addColumn<bool>("decibels");
  QTest::addColumn<double>("top");
  QTest::addColumn<QString>("ticks");
  QTest::newRow("square, one-sided") << 0.6366 << false << 1.0 << "0 0.5 1";
  QTest::newRow("on a step, the next") << 0.5 << false << 1.0 << "0 0.5 1";
  QTest::newRow("small") << 0.003 << false << 0.01 << "0 0.005 0.01";
  QTest::newRow("nothing") << 0.0 << false << 1.0 << "0 0.5 1";
  QTest::newRow("the editor's largest") << 10.0 << false << 10.0 << "0 5 10";
  QTest::newRow("square, two-sided, dB") << 0.3183 << true << 1.0 << "-60 -40 -20 0 dB";
  QTest::newRow("0 dB, the next step") << 1.0 << true << 3.16227766 << "-50 -30 -10 10 dB";
  QTest::newRow("near 10, dB") << 9.5 << true << 10.0 << "-40 -20 0 20 dB";
  QTest::newRow("tiny, dB") << 1e-5 << true << 0.01 << "-100 -80 -60 -40 dB";
}

// The top lies just above the largest magnitude, never above 10; a height
// and the magnitude it stands for map back and forth, and heights above the
// top give the top.
void TestSpectrum::ScaleFitsTheLargestBar()
{
  QFETCH(double, largest);
  QFETCH(bool, decibels);
  QFETCH(double, top);
  QFETCH(QString, ticks);
  const TSpectrumScale scale = TSpectrumScale::Fitting(largest, decibels);
  QVERIFY(std::abs(scale.Top() / top - 1.0) < 1e-8);
  QStringList texts;
  for (int i = 0; i < scale.Ticks(); ++i)
    texts << QString::fromStdString(scale.TickText(i));
  QCOMPARE(texts.join(' '), ticks);
  for (double fraction : {0.05, 0.5, 0.9, 1.0})
    QVERIFY(std::abs(scale.Fraction(scale.MagnitudeAt(fraction)) - fraction) < 1e-12);
  QCOMPARE(scale.MagnitudeAt(7.0), scale.Top());
  QCOMPARE(scale.MagnitudeAt(0.0), 0.0);
  QCOMPARE(scale.Fraction(0.0), 0.0);
}

void TestSpectrum::BarsFollowTheEntries_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<bool>("twoSided");
  QTest::addColumn<bool>("decibels");
  QTest::addColumn<double>("ratio");  // magnitude of harmonic 1 over harmonic 3
  for (bool twoSided : {false, true})
    for (bool decibels : {false, true}) {
      const char *convention = twoSided ? "two-sided" : "one-sided";
      const char *scale = decibels ? "dB" : "linear";
      QTest::addRow("square, %s, %s", convention, scale) << SquareItem << twoSided << decibels << 3.0;
      QTest::addRow("triangle, %s, %s", convention, scale)
          << TriangleItem << twoSided << decibels << 9.0;
    }
}

// Each bar's height is its entry's magnitude on the scale; 1/k for the square
// and 1/k^2 for the triangle show as a ratio of heights (linear) or as a
// difference of 20 log10 of the ratio (1 pixel per dB). Even harmonics have
// no bar and no phase mark; c-k mirrors ck about harmonic 0.
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
  const TSpectrumGeometry layout = Layout();
  const QImage strip = Form->SpectrumImage->Image();

  const QRect first = Form->SpectrumBar(1);
  const QRect third = Form->SpectrumBar(3);
  const auto magnitude = [this](int k) {
    return std::hypot(Form->PhasorList[k].Re, Form->PhasorList[k].Im);
  };
  QVERIFY(std::abs(magnitude(1) / magnitude(3) / ratio - 1.0) < 1e-3);
  if (decibels)
    QVERIFY(std::abs(first.height() - third.height() - 20.0 * std::log10(ratio)) <= 1.0);
  else
    QVERIFY(std::abs(first.height() / ratio - third.height()) <= 1.0);

  const TSpectrumScale scale = ShownScale();
  for (int k = layout.First(); k <= layout.Last(); ++k) {
    const HarmonicPhasor &entry = Form->PhasorList[std::abs(k)];
    const QRect bar = Form->SpectrumBar(k);
    QCOMPARE(bar.height(),
             int(std::lround(scale.Fraction(magnitude(std::abs(k))) * layout.BarAreaHeight())));
    QCOMPARE(bar.bottom() + 1, layout.Baseline());
    const TColour colour = k < 0 ? SpectrumMirrorBarColour : SpectrumBarColour;
    const int x = bar.center().x();
    if (bar.height() > 0) {
      QVERIFY(HasColour(strip, colour, QRect(x, bar.top(), 1, 1)));
      QVERIFY(!HasColour(strip, colour, QRect(x, bar.top() - 1, 1, 1)));
    }
    const QRect phaseColumn(x, layout.PhaseTop() - 1, 1, layout.PhaseBottom() - layout.PhaseTop() + 3);
    if (magnitude(std::abs(k)) < SpectrumNoAngleBelow) {
      QVERIFY2(!HasColour(strip, colour, phaseColumn), qPrintable(QString::number(k)));
      continue;
    }
    double angle = std::atan2(entry.Im, entry.Re) * 180.0 / 3.141592653589793;
    angle = k < 0 ? -angle : angle;
    QVERIFY2(HasColour(strip, colour, QRect(x, layout.PhaseRow(angle), 1, 1)),
             qPrintable(QString::number(k)));
  }
  if (twoSided)
    for (int k = 1; k <= 25; ++k) {
      const QRect right = Form->SpectrumBar(k);
      const QRect left = Form->SpectrumBar(-k);
      QCOMPARE(left.height(), right.height());
      // Mirrored about the middle of harmonic 0's column.
      QCOMPARE(left.left() + right.right(), 2 * layout.Slot(0).Left + layout.SlotPitch() - 1);
    }
  else
    QVERIFY(Form->SpectrumBar(-1).isNull());
}

void TestSpectrum::DragEditsOneHarmonic_data()
{
  QTest::addColumn<bool>("twoSided");
  QTest::addColumn<int>("pictured");  // the harmonic dragged, as pictured
  QTest::addColumn<bool>("phase");
  QTest::addColumn<int>("toRow");     // rows above the baseline, or degrees / 15 for a phase
  QTest::newRow("bar 3, one-sided") << false << 3 << false << 21;
  QTest::newRow("bar 2, one-sided, from nothing") << false << 2 << false << 40;
  QTest::newRow("bar 5, two-sided") << true << 5 << false << 50;
  QTest::newRow("bar -5, two-sided, edits harmonic 5") << true << -5 << false << 9;
  QTest::newRow("phase 3, one-sided") << false << 3 << true << 3;
  QTest::newRow("phase -7, two-sided, mirrored") << true << -7 << true << -10;
  QTest::newRow("phase 1 to -180") << false << 1 << true << -12;
}

// During the drag every plot shows the dragged value and the entries, the
// grid and the tone stay; the release sets the magnitude the height stands
// for (or the angle) through the editor: the grid row follows, the other
// half of the value is kept, and the tone changes with one play request.
void TestSpectrum::DragEditsOneHarmonic()
{
  QFETCH(bool, twoSided);
  QFETCH(int, pictured);
  QFETCH(bool, phase);
  QFETCH(int, toRow);
  if (twoSided)
    Form->ConjugateCheckBox->click();
  ChooseWaveform(*Form, SquareItem);
  Form->SoundCheckBox->click();
  Form->TimeTrackBar->setValue(200);
  Form->ViewSpectrum->trigger();
  const int k = std::abs(pictured);
  const TSpectrumGeometry layout = Layout();
  const TSpectrumScale scale = ShownScale();
  const QString keptMagnitude = Form->PhasorGrid->item(k + 1, 1)->text();
  const QString keptAngle = Form->PhasorGrid->item(k + 1, 2)->text();
  const TPhasorArray entries = Form->PhasorList;
  const QStringList grid = GridTexts(*Form);
  const QImage time = Form->TimeImage->Image();
  const int plays = Sound->Log->PlayCount();
  const QByteArray tone = Sound->Log->Looping;

  const int fromY = phase ? layout.PhaseZero() : layout.Baseline() - 1;
  const int toY = phase ? layout.PhaseZero() - toRow : layout.Baseline() - toRow;
  const int x = layout.SlotCentre(pictured);
  QTest::mousePress(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, QPoint(x, fromY));
  QCOMPARE(Form->PhasorGrid->currentRow(), k + 1);
  QTest::mouseMove(Form->SpectrumImage, QPoint(x + 2, (fromY + toY) / 2));
  QTest::mouseMove(Form->SpectrumImage, QPoint(x + 2, toY));
  QVERIFY(SameEntries(Form->PhasorList, entries));
  QCOMPARE(GridTexts(*Form), grid);
  QCOMPARE(Sound->Log->PlayCount(), plays);
  QVERIFY(Form->TimeImage->Image() != time);
  if (!phase)
    QCOMPARE(Form->SpectrumBar(pictured).top(), toY);
  QTest::mouseRelease(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, QPoint(x + 2, toY));

  QCOMPARE(Form->PhasorGrid->currentRow(), k + 1);
  QString magnitude = keptMagnitude;
  QString angle = keptAngle;
  if (phase)
    angle = Text((pictured < 0 ? -1 : 1) * toRow * TSpectrumGeometry::DegreesPerRow, 6, 1);
  else
    magnitude = Text(scale.Top() * toRow / layout.BarAreaHeight(), 7, 4);
  QCOMPARE(Form->PhasorGrid->item(k + 1, 1)->text(), magnitude);
  QCOMPARE(Form->PhasorGrid->item(k + 1, 2)->text(), angle);
  QCOMPARE(Form->MagnitudeEdit->text(), magnitude);
  QCOMPARE(Form->AngleEdit->text(), angle);
  double re = 0.0;
  double im = 0.0;
  HarmonicMath::PolarToRect(magnitude.toDouble(), angle.toDouble(), re, im);
  QCOMPARE(Form->PhasorList[k].Re, re);
  QCOMPARE(Form->PhasorList[k].Im, im);
  for (int other = 0; other < HarmonicCount; ++other)
    if (other != k)
      QVERIFY(Form->PhasorList[other].Re == entries[other].Re
              && Form->PhasorList[other].Im == entries[other].Im);
  QCOMPARE(Sound->Log->PlayCount(), plays + 1);
  QVERIFY(Sound->Log->Looping != tone);
  if (!phase && ShownScale() == scale)
    QCOMPARE(Form->SpectrumBar(pictured).top(), toY);
}

void TestSpectrum::DragIsHeldToTheScaleAndTheEditorsRange_data()
{
  QTest::addColumn<double>("fundamental");  // typed for harmonic 1 first
  QTest::addColumn<bool>("decibels");
  QTest::addColumn<int>("toY");
  QTest::addColumn<QString>("magnitude");
  QTest::newRow("linear, above the strip") << 0.6 << false << -300 << "1.0000";
  QTest::newRow("linear, scale 10, far above") << 6.0 << false << -100000 << "10.0000";
  QTest::newRow("linear, below the baseline") << 0.6 << false << 500 << "0.0000";
  QTest::newRow("dB, scale 20 dB, above") << 9.5 << true << -50 << "10.0000";
  QTest::newRow("dB, one row under the top") << 0.6 << true << 9 << "0.8913";
  QTest::newRow("dB, at the baseline") << 0.6 << true << 68 << "0.0000";
}

// The bar stops at the top of the scale pressed on, and never beyond the
// editor's 10, which would apply as a silent 0.
void TestSpectrum::DragIsHeldToTheScaleAndTheEditorsRange()
{
  QFETCH(double, fundamental);
  QFETCH(bool, decibels);
  QFETCH(int, toY);
  QFETCH(QString, magnitude);
  Form->ViewSpectrum->trigger();
  if (decibels)
    Form->ViewSpectrumDecibels->trigger();
  Form->EditHarmonic(1, fundamental, 30.0);
  Drag(1, Layout().Baseline() - 5, toY);
  QCOMPARE(Form->PhasorGrid->item(2, 1)->text(), magnitude);
  QCOMPARE(Form->PhasorGrid->item(2, 2)->text(), QString("30.0"));
}

// A press and a release on the same spot select the column's harmonic and
// change no value; nor does a slip of a pixel or two.
void TestSpectrum::PressOnlySelects()
{
  ChooseWaveform(*Form, SquareItem);
  Form->SoundCheckBox->click();
  Form->ViewSpectrum->trigger();
  const TPhasorArray entries = Form->PhasorList;
  const QStringList grid = GridTexts(*Form);
  const int plays = Sound->Log->PlayCount();
  const TSpectrumGeometry layout = Layout();
  for (const int k : {7, 4, 0}) {
    const QPoint at(layout.SlotCentre(k), layout.Baseline() - 30);
    QTest::mousePress(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(Form->SpectrumImage, at + QPoint(2, -2));
    QTest::mouseRelease(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, at + QPoint(2, -2));
    QCOMPARE(Form->PhasorGrid->currentRow(), k + 1);
    QCOMPARE(Form->MagnitudeEdit->text(), Form->PhasorGrid->item(k + 1, 1)->text());
  }
  QTest::mouseClick(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, QPoint(2, 20));
  QCOMPARE(Form->PhasorGrid->currentRow(), 1);
  QVERIFY(SameEntries(Form->PhasorList, entries));
  QCOMPARE(GridTexts(*Form), grid);
  QCOMPARE(Sound->Log->PlayCount(), plays);
}

// On: the window grows by the strip below the controls, the status bar
// staying at its bottom, at 100 % and at a zoom, and the choice is
// remembered. Off again: every geometry, picture and text as before, and no
// bar.
void TestSpectrum::WindowGrowsAndShrinksBack()
{
  QTemporaryDir directory;
  QSettings settings(directory.filePath("view.ini"), QSettings::IniFormat);
  Form->UseSettings(&settings);
  ChooseWaveform(*Form, SquareItem);
  Form->TimeTrackBar->setValue(300);
  const QMap<QString, QRect> before = Geometries(*Form);
  const QSize size = Form->size();
  const QImage plane = Form->PhasorImage->grab().toImage();
  const QImage time = Form->TimeImage->grab().toImage();
  const QSize picture = Form->PlotsPicture().size();
  QVERIFY(Form->SpectrumBar(1).isNull());
  QVERIFY(!Form->ViewSpectrumDecibels->isEnabled());

  for (const double zoom : {1.0, 2.0}) {
    Form->SetZoom(zoom);
    const QMap<QString, QRect> shown = Geometries(*Form);
    const int height = Form->height();
    Form->ViewSpectrum->trigger();
    QVERIFY(Form->SpectrumImage->isVisible());
    QVERIFY(Form->ViewSpectrumDecibels->isEnabled());
    const int growth = int(std::lround(118 * zoom));
    QTRY_COMPARE(Form->height(), height + growth);
    const QMap<QString, QRect> grown = Geometries(*Form);
    for (auto it = shown.begin(); it != shown.end(); ++it) {
      if (it.key() == "ClientArea")
        QCOMPARE(grown[it.key()].size(), it.value().size() + QSize(0, growth));
      else if (it.key() == "StatusBar")
        QCOMPARE(grown[it.key()], it.value().translated(0, growth));
      else if (it.key() != "SpectrumImage" && !it.key().startsWith("StatusPanel"))
        QCOMPARE(grown[it.key()], it.value());
    }
    QCOMPARE(grown["SpectrumImage"].top(), int(std::lround(365 * zoom)));
    QVERIFY(grown["SpectrumImage"].bottom() < grown["StatusBar"].top());
    QVERIFY(!Form->SpectrumBar(1).isEmpty());
    QVERIFY(settings.value("View/Spectrum").toBool());
    Form->ViewSpectrum->trigger();
    QCOMPARE(Geometries(*Form), shown);
  }
  Form->SetZoom(1.0);
  QCOMPARE(Geometries(*Form), before);
  QTRY_COMPARE(Form->size(), size);
  QCOMPARE(Form->PhasorImage->grab().toImage(), plane);
  QCOMPARE(Form->TimeImage->grab().toImage(), time);
  QCOMPARE(Form->PlotsPicture().size(), picture);
  QVERIFY(Form->SpectrumBar(1).isNull());
  QVERIFY(!settings.value("View/Spectrum").toBool());

  Form->ViewSpectrum->trigger();
  Form->ViewSpectrumDecibels->trigger();
  TRotantsForm again;
  again.show();
  QVERIFY(QTest::qWaitForWindowExposed(&again));
  again.UseSettings(&settings);
  QVERIFY(again.ViewSpectrum->isChecked() && again.ViewSpectrumDecibels->isChecked());
  QVERIFY(again.SpectrumImage->isVisible());
  QCOMPARE(again.size(), Form->size());
  again.UseSettings(nullptr);
  Form->UseSettings(nullptr);
}

// At 200 % the strip is drawn anew at the display's pixels, texts included,
// not enlarged, and with no colour the 100 % picture lacks; a bar's edge
// stays on the block of its canvas pixel.
void TestSpectrum::DrawnAtTheDisplaysDetail()
{
  ChooseWaveform(*Form, SquareItem);
  Form->ViewSpectrum->trigger();
  for (const bool twoSided : {false, true}) {
    if (Form->ConjugateCheckBox->isChecked() != twoSided)
      Form->ConjugateCheckBox->click();
    Form->SetZoom(1.0);
    const QImage plain = Form->SpectrumImage->grab().toImage();
    QCOMPARE(plain, Form->SpectrumImage->Image().convertToFormat(plain.format()));
    Form->SetZoom(2.0);
    const QImage zoomed = Form->SpectrumImage->grab().toImage();
    QCOMPARE(zoomed.size(), plain.size() * 2);
    QSet<QRgb> plainColours;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x)
        plainColours.insert(plain.pixel(x, y));
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < zoomed.height(); y += 2)
      for (int x = 0; x + 1 < zoomed.width(); x += 2) {
        const QRgb corner = zoomed.pixel(x, y);
        QVERIFY2(plainColours.contains(corner), qPrintable(QString::number(corner, 16)));
        mixedBlocks += zoomed.pixel(x + 1, y) != corner || zoomed.pixel(x, y + 1) != corner
                       || zoomed.pixel(x + 1, y + 1) != corner;
      }
    QVERIFY(mixedBlocks > 100);
    const QRect bar = Form->SpectrumBar(1);
    QCOMPARE(zoomed.pixel(2 * bar.center().x(), 2 * bar.top()), plain.pixel(bar.center().x(), bar.top()));
    QVERIFY(zoomed.pixel(2 * bar.center().x(), 2 * bar.top() - 1) != zoomed.pixel(2 * bar.center().x(), 2 * bar.top()));

    // The mouse stays in the strip's own pixels: a drag at 200 % gives what
    // the same drag gives at 100 %.
    const TSpectrumGeometry layout = Layout();
    const QPoint from(2 * layout.SlotCentre(3) + 1, 2 * (layout.Baseline() - 2) + 1);
    const QPoint to(from.x(), 2 * (layout.Baseline() - 30) + 1);
    QTest::mousePress(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(Form->SpectrumImage, to);
    QTest::mouseRelease(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier, to);
    QCOMPARE(Form->SpectrumBar(3).top(), layout.Baseline() - 30);
  }
}

// The exported picture holds the strip under the plots; --spectrum shows it
// for one run without remembering it.
void TestSpectrum::ExportAndCommandLine()
{
  TCommandLineOptions options;
  QCOMPARE(ParseCommandLine({"rotants", "--waveform", "triangle", "--spectrum"}, options), -1);
  QVERIFY(options.Spectrum);
  QTemporaryDir directory;
  QSettings settings(directory.filePath("view.ini"), QSettings::IniFormat);
  Form->UseSettings(&settings);
  QString error;
  QVERIFY(ApplyCommandLine(*Form, options, false, error));
  QVERIFY(Form->ViewSpectrum->isChecked() && Form->SpectrumImage->isVisible());
  QVERIFY(!settings.contains("View/Spectrum"));
  Form->UseSettings(nullptr);

  const QString path = directory.filePath("picture.png");
  QVERIFY(Form->ExportPicture(path));
  const QImage picture(path);
  const QImage strip = Form->SpectrumImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int gap = Form->TimeImage->x() - Form->PhasorImage->geometry().right() - 1;
  QCOMPARE(picture.height(), Form->TimeImage->height() + gap + strip.height());
  QCOMPARE(picture.copy(0, picture.height() - strip.height(), strip.width(), strip.height())
               .convertToFormat(QImage::Format_RGB32),
           strip);

  TRotantsForm batch;
  options.ExportPicture = directory.filePath("batch.png");
  QCOMPARE(RunBatch(batch, options), 0);
  QCOMPARE(QImage(options.ExportPicture).size(), picture.size());
}

// A screen large enough for the window at 200 % with the strip.
int main(int argc, char *argv[])
{
  QTemporaryDir directory;
  QFile file(directory.filePath("screen.json"));
  if (!file.open(QIODevice::WriteOnly))
    return 1;
  file.write(R"({"screens": [{"name": "Large", "x": 0, "y": 0, "width": 3840, "height": 2160,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file.fileName()).toLocal8Bit());
  QApplication application(argc, argv);
  TestSpectrum test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_spectrum.moc"
