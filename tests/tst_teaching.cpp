#include "MainForm.h"
#include "MyGraphUnit.h"
#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "ToneSynthesis.h"
#include "WindowDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

// One harmonic at a time: the highlighted harmonic in both plots, the harmonic
// heard alone, and the RMS error readout; with all three off, nothing changes.

namespace {

constexpr int SquareItem = 2;
constexpr QRgb Amber = qRgb(0xFF, 0xB0, 0x00);
constexpr double Pi = 3.14159265358979323846;

bool AmberNear(const QImage &image, QPoint p)
{
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (image.rect().contains(p + QPoint(dx, dy))
          && (image.pixel(p + QPoint(dx, dy)) & 0xFFFFFF) == (Amber & 0xFFFFFF))
        return true;
  return false;
}

}  // namespace

class TestTeaching : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void HighlightFollowsTheHarmonicsFormula_data();
  void HighlightFollowsTheHarmonicsFormula();
  void SoloToneHoldsOneHarmonic_data();
  void SoloToneHoldsOneHarmonic();
  void RmsErrorReadout_data();
  void RmsErrorReadout();
  void OffChangesNothingAndOptionsAreRemembered();
  void SelectedHarmonicIsNamed_data();
  void SelectedHarmonicIsNamed();

private:
  void SelectHarmonic(int k) { Form->PhasorGrid->setCurrentCell(k + 1, 1); }

  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
};

void TestTeaching::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  ChooseWaveform(*Form, SquareItem);
  QTest::mouseClick(Form->RealValueCheckBox, Qt::LeftButton);  // no level line over the curves
}

void TestTeaching::cleanup()
{
  Form.reset();
  Sound.reset();
}

void TestTeaching::HighlightFollowsTheHarmonicsFormula_data()
{
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<int>("harmonic");
  QTest::newRow("one-sided, harmonic 3") << false << 3;
  QTest::newRow("one-sided, harmonic 1") << false << 1;
  QTest::newRow("conjugate, harmonic 3") << true << 3;
  QTest::newRow("conjugate, harmonic 5") << true << 5;
}

// On the time plot, the component m cos(2 pi k e / 256 + a), twice that in the
// conjugate convention, at every step; on the plane, the middle of the
// harmonic's own segment of the chain.
void TestTeaching::HighlightFollowsTheHarmonicsFormula()
{
  QFETCH(bool, conjugate);
  QFETCH(int, harmonic);
  if (conjugate)
    QTest::mouseClick(Form->ConjugateCheckBox, Qt::LeftButton);
  SelectHarmonic(harmonic);
  Form->ViewHighlightHarmonic->trigger();
  const int n = 150;
  Form->TimeTrackBar->setValue(n);
  const QImage time = Form->TimeImage->grab().toImage();
  const HarmonicPhasor &entry = Form->ShownChain[harmonic];
  int found = 0;
  int checked = 0;
  for (int e = 0; e < n - 4; ++e) {
    const double angle = 2.0 * Pi * harmonic * e / 256.0;
    const double value =
        (conjugate ? 2.0 : 1.0) * (entry.Re * std::cos(angle) - entry.Im * std::sin(angle));
    if (std::abs(value - Form->ReconWave[e]) < 0.06)
      continue;  // under the reconstruction, drawn later
    int px = 0;
    int py = 0;
    Form->TimeGraph->WorldToPixel(e, value, px, py);
    ++checked;
    found += AmberNear(time, QPoint(px, py));
  }
  QVERIFY(checked > n / 2);
  QCOMPARE(found, checked);

  const QImage plane = Form->PhasorImage->grab().toImage();
  double re = 0.0;
  double im = 0.0;
  for (int k = 0; k < harmonic; ++k) {
    re += Form->ShownChain[k].RotRe;
    im += Form->ShownChain[k].RotIm;
  }
  re += entry.RotRe / 2.0;
  im += entry.RotIm / 2.0;
  for (const double side : conjugate ? QList<double>{1.0, -1.0} : QList<double>{1.0}) {
    int px = 0;
    int py = 0;
    Form->PlaneToPixel(re, side * im, px, py);
    QVERIFY(AmberNear(plane, QPoint(px, py)));
  }
}

void TestTeaching::SoloToneHoldsOneHarmonic_data()
{
  QTest::addColumn<int>("harmonic");
  QTest::addColumn<int>("highest");
  QTest::newRow("harmonic 1") << 1 << 25;
  QTest::newRow("harmonic 7") << 7 << 25;
  QTest::newRow("harmonic 0 is silence") << 0 << 25;
  QTest::newRow("above the highest is silence") << 7 << 5;
}

// The solo tone is the synthesis of that one entry, swapped into the playing
// loop without a stop; turning solo off brings the mix back the same way.
void TestTeaching::SoloToneHoldsOneHarmonic()
{
  QFETCH(int, harmonic);
  QFETCH(int, highest);
  ChooseHighestHarmonic(*Form, highest);
  QTest::mouseClick(Form->SoundCheckBox, Qt::LeftButton);
  const QByteArray mix = Sound->Log->Looping.right(ToneBytes);
  SelectHarmonic(harmonic);
  const int stops = Sound->Log->StopCount();
  Form->ViewSoloHarmonic->trigger();

  QByteArray expected(ToneBytes, char(ToneSynthesis::SilenceByte));
  if (harmonic > 0 && harmonic <= highest) {
    TPhasorArray alone{};
    alone[harmonic] = Form->PhasorList[harmonic];
    ToneSynthesis::SynthesizeToneBytes(alone, highest,
                                       reinterpret_cast<std::uint8_t *>(expected.data()));
  }
  QCOMPARE(Sound->Log->Looping.right(ToneBytes), expected);
  Form->ViewSoloHarmonic->trigger();
  QCOMPARE(Sound->Log->Looping.right(ToneBytes), mix);
  QCOMPARE(Sound->Log->StopCount(), stops);
}

void TestTeaching::RmsErrorReadout_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<int>("highest");
  QTest::addColumn<QString>("text");
  // A +-0.5 square has power 0.25; its harmonics carry (2/pi)^2 / (2 k^2) each.
  QTest::newRow("square, harmonic 1") << SquareItem << 1 << "RMS error: 0.2177";
  QTest::newRow("square, harmonic 25") << SquareItem << 25 << "RMS error: 0.0645";
  QTest::newRow("no ideal wave") << 0 << 25 << "RMS error: -";
}

void TestTeaching::RmsErrorReadout()
{
  QFETCH(int, waveform);
  QFETCH(int, highest);
  QFETCH(QString, text);
  const QList<QRect> panels{Form->StatusPanel0->geometry(), Form->StatusPanel1->geometry(),
                            Form->StatusPanel2->geometry()};
  Form->ViewShowError->trigger();
  ChooseWaveform(*Form, waveform);
  ChooseHighestHarmonic(*Form, highest);
  QCOMPARE(Form->StatusPanel3->text(), text);
  QVERIFY(Form->StatusPanel3->isVisible());
  QVERIFY(Form->StatusPanel3->fontMetrics().horizontalAdvance("RMS error: 0.0000")
          < Form->StatusPanel3->contentsRect().width() - Form->StatusPanel3->indent());
  QCOMPARE((QList<QRect>{Form->StatusPanel0->geometry(), Form->StatusPanel1->geometry(),
                         Form->StatusPanel2->geometry()}),
           panels);
}

// With every option on, the entries, grid and edit boxes are what they were;
// with them off again, the pictures and the tone are as before. The options
// come back in a new window from the settings.
void TestTeaching::OffChangesNothingAndOptionsAreRemembered()
{
  QTemporaryDir directory;
  QSettings settings(directory.filePath("settings.ini"), QSettings::IniFormat);
  Form->UseSettings(&settings);
  Form->TimeTrackBar->setValue(300);
  SelectHarmonic(3);
  const auto snapshot = [this] {
    QStringList texts{Form->HarmonicEdit->text(), Form->MagnitudeEdit->text(),
                      Form->AngleEdit->text()};
    for (int row = 1; row < Form->PhasorGrid->rowCount(); ++row)
      texts << Form->PhasorGrid->item(row, 1)->text() << Form->PhasorGrid->item(row, 2)->text();
    for (const HarmonicPhasor &entry : Form->PhasorList)
      texts << QString::number(entry.Re, 'g', 17) << QString::number(entry.Im, 'g', 17);
    return texts;
  };
  const QStringList before = snapshot();
  const QImage plane = Form->PhasorImage->grab().toImage();
  const QImage time = Form->TimeImage->grab().toImage();
  const QByteArray tone(reinterpret_cast<const char *>(Form->MySound->Buffer), ToneBytes);
  for (QAction *option : {Form->ViewHighlightHarmonic, Form->ViewSoloHarmonic, Form->ViewShowError})
    option->trigger();
  QCOMPARE(snapshot(), before);
  QVERIFY(Form->TimeImage->grab().toImage() != time);

  // The solo is never remembered: a new day must not start with one quiet
  // harmonic playing.
  TRotantsForm again;
  again.UseSettings(&settings);
  QVERIFY(again.ViewHighlightHarmonic->isChecked() && !again.ViewSoloHarmonic->isChecked()
          && again.ViewShowError->isChecked());
  QVERIFY(!again.SelectedHarmonicPanel->isHidden()
          && again.SelectedHarmonicPanel->text().startsWith("Harmonic "));

  for (QAction *option : {Form->ViewHighlightHarmonic, Form->ViewSoloHarmonic, Form->ViewShowError})
    option->trigger();
  QCOMPARE(Form->PhasorImage->grab().toImage(), plane);
  QCOMPARE(Form->TimeImage->grab().toImage(), time);
  QCOMPARE(QByteArray(reinterpret_cast<const char *>(Form->MySound->Buffer), ToneBytes), tone);
  QVERIFY(Form->StatusPanel3->isHidden());
  Form->UseSettings(nullptr);
}

void TestTeaching::SelectedHarmonicIsNamed_data()
{
  QTest::addColumn<bool>("highlight");
  QTest::addColumn<bool>("solo");
  QTest::addColumn<int>("harmonic");
  QTest::addColumn<int>("highest");
  QTest::addColumn<QString>("text");  // empty: the panel is hidden
  QTest::newRow("both off") << false << false << 3 << 25 << QString();
  QTest::newRow("highlight") << true << false << 3 << 25 << "Harmonic 3";
  QTest::newRow("solo") << false << true << 3 << 25 << "Harmonic 3 alone";
  QTest::newRow("both") << true << true << 7 << 25 << "Harmonic 7 alone";
  QTest::newRow("highlight above the highest")
      << true << false << 9 << 5 << "Harmonic 9: above the highest harmonic";
  QTest::newRow("solo above the highest")
      << false << true << 6 << 5 << "Harmonic 6: above the highest harmonic";
  QTest::newRow("at the highest") << true << false << 5 << 5 << "Harmonic 5";
}

// The panel follows the row, the options and the highest harmonic, whatever
// order they change in.
void TestTeaching::SelectedHarmonicIsNamed()
{
  QFETCH(bool, highlight);
  QFETCH(bool, solo);
  QFETCH(int, harmonic);
  QFETCH(int, highest);
  QFETCH(QString, text);
  QVERIFY(Form->SelectedHarmonicPanel->isHidden());
  if (highlight)
    Form->ViewHighlightHarmonic->trigger();
  if (solo)
    Form->ViewSoloHarmonic->trigger();
  SelectHarmonic(harmonic);
  ChooseHighestHarmonic(*Form, highest);
  QCOMPARE(Form->SelectedHarmonicPanel->isHidden(), text.isEmpty());
  if (!text.isEmpty())
    QCOMPARE(Form->SelectedHarmonicPanel->text(), text);
  SelectHarmonic(2);
  if (!text.isEmpty())
    QVERIFY(Form->SelectedHarmonicPanel->text().startsWith("Harmonic 2"));
  // Turned off again, the panel hides and keeps no text to be read aloud.
  if (highlight)
    Form->ViewHighlightHarmonic->trigger();
  if (solo)
    Form->ViewSoloHarmonic->trigger();
  QVERIFY(Form->SelectedHarmonicPanel->isHidden());
  QCOMPARE(Form->SelectedHarmonicPanel->text(), QString());
}

QTEST_MAIN(TestTeaching)
#include "tst_teaching.moc"
