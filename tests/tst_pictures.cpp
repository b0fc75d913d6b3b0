#include "MainForm.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QFile>
#include <QSlider>
#include <QtTest>

#include <cmath>

// Both canvases' pixels in many states against SHA-1s in data/pictures.sha1
// (lines "phasor-hash time-hash state"), and the real values against direct
// cosines. ROTANTS_RECORD_PICTURES=file appends the lines seen there instead.

namespace {

QByteArray PictureHash(const QImage &image)
{
  QCryptographicHash hash(QCryptographicHash::Sha1);
  for (int y = 0; y < image.height(); ++y)
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(image.constScanLine(y)),
                                image.width() * 4));
  return hash.result().toHex();
}

void SetOption(QCheckBox *box, bool on)
{
  if (box->isChecked() != on)
    box->click();
}

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

private slots:
  void PicturesAsRecorded_data();
  void PicturesAsRecorded();
};

void TestPictures::PicturesAsRecorded_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<bool>("options");
  QTest::addColumn<int>("highest");
  for (int waveform = 0; waveform <= 8; ++waveform)
    for (bool conjugate : {false, true})
      for (bool options : {false, true})
        QTest::addRow("waveform %d, %s, options %s", waveform,
                      conjugate ? "two-sided" : "one-sided", options ? "on" : "off")
            << waveform << conjugate << options << 25;
  QTest::newRow("waveform 2, one-sided, options on, highest 5") << 2 << false << true << 5;
  QTest::newRow("waveform 8, two-sided, options on, highest 7") << 8 << true << true << 7;
}

void TestPictures::PicturesAsRecorded()
{
  QFETCH(int, waveform);
  QFETCH(bool, conjugate);
  QFETCH(bool, options);
  QFETCH(int, highest);
  QFile recorded(QStringLiteral(ROTANTS_TEST_DATA_DIR "/pictures.sha1"));
  QVERIFY(recorded.open(QIODevice::ReadOnly));
  const QByteArray lines = '\n' + recorded.readAll();
  QFile recording(qEnvironmentVariable("ROTANTS_RECORD_PICTURES"));
  const bool record = !recording.fileName().isEmpty();
  QVERIFY(!record || recording.open(QIODevice::Append));
  TRecordingSoundScope sound;
  TRotantsForm form;
  for (QCheckBox *box : {form.TraceCheckBox, form.RotateComplexPlaneCheckBox,
                         form.RealValueCheckBox, form.IdealWaveCheckBox, form.TimeGridCheckBox})
    SetOption(box, options);
  SetOption(form.ConjugateCheckBox, conjugate);
  ChooseHighestHarmonic(form, highest);
  ChooseWaveform(form, waveform);
  for (int step : {0, 1, 128, 255, 511}) {
    form.TimeTrackBar->setValue(step);
    form.TimeTrackBarChange();
    const QByteArray line = PictureHash(form.PhasorImage->Image()) + ' '
                            + PictureHash(form.TimeImage->Image()) + ' '
                            + QTest::currentDataTag() + ", step " + QByteArray::number(step) + '\n';
    if (record)
      recording.write(line);
    else
      QVERIFY2(lines.contains('\n' + line), line.constData());
  }
  // Step 511: every real value, and the chain shown, as direct cosines give them.
  TPhasorArray direct = form.PhasorList;
  for (int e = 0; e < SweepSteps; ++e) {
    HarmonicMath::RotateToTimeStepDirect(direct, highest, e);
    const double tip = direct[highest].SumRe;
    const double expected = conjugate ? 2.0 * tip - direct[0].SumRe : tip;
    QVERIFY2(std::fabs(form.ReconWave[e] - expected) < 1e-12, qPrintable(QString::number(e)));
  }
  for (int k = 0; k <= highest; ++k)
    QVERIFY(std::fabs(form.ShownChain[k].SumRe - direct[k].SumRe) < 1e-12
            && std::fabs(form.ShownChain[k].SumIm - direct[k].SumIm) < 1e-12);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
