#include "MainForm.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <QSlider>
#include <QtTest>

#include <cmath>
#include <memory>

// Both canvases' pixels in a range of states, against SHA-1s recorded in
// tests/data/pictures.sha1. Any change to how the pictures are computed or
// drawn must leave every one of them identical.
//
// With ROTANTS_RECORD_PICTURES set to a file name the test writes the hashes it
// sees there instead of comparing them (for pictures changed on purpose).

namespace {

const int Steps[] = {0, 1, 128, 255, 511};

QByteArray PictureHash(const QImage &image)
{
  QCryptographicHash hash(QCryptographicHash::Sha1);
  const int rowBytes = image.width() * 4;
  for (int y = 0; y < image.height(); ++y)
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes));
  return hash.result().toHex();
}

void SetOption(QCheckBox *box, bool on)
{
  if (box->isChecked() != on)
    box->click();
}

// "name" -> "phasor-hash time-hash", as recorded.
QMap<QString, QByteArray> RecordedHashes()
{
  QMap<QString, QByteArray> hashes;
  QFile file(QStringLiteral(ROTANTS_TEST_DATA_DIR "/pictures.sha1"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return hashes;
  while (!file.atEnd()) {
    const QByteArray line = file.readLine().trimmed();
    if (line.size() > 82)
      hashes.insert(QString::fromUtf8(line.mid(82)), line.left(81));
  }
  return hashes;
}

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void cleanupTestCase();
  void PicturesAsRecorded_data();
  void PicturesAsRecorded();
  void ReconWaveAsDirect_data();
  void ReconWaveAsDirect();

private:
  QMap<QString, QByteArray> Recorded;
  QByteArray Recording;
};

void TestPictures::initTestCase()
{
  Recorded = RecordedHashes();
  if (qEnvironmentVariableIsEmpty("ROTANTS_RECORD_PICTURES"))
    QVERIFY2(!Recorded.isEmpty(), "no recorded pictures in " ROTANTS_TEST_DATA_DIR);
}

void TestPictures::cleanupTestCase()
{
  const QString path = qEnvironmentVariable("ROTANTS_RECORD_PICTURES");
  if (path.isEmpty())
    return;
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(Recording);
}

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
  TRecordingSoundScope sound;
  TRotantsForm form;
  for (QCheckBox *box : {form.TraceCheckBox, form.RotateComplexPlaneCheckBox,
                         form.RealValueCheckBox, form.IdealWaveCheckBox, form.TimeGridCheckBox})
    SetOption(box, options);
  SetOption(form.ConjugateCheckBox, conjugate);
  ChooseHighestHarmonic(form, highest);
  ChooseWaveform(form, waveform);
  for (int step : Steps) {
    form.TimeTrackBar->setValue(step);
    form.TimeTrackBarChange();
    const QString name = QString("%1, step %2").arg(QTest::currentDataTag()).arg(step);
    const QByteArray seen = PictureHash(form.PhasorImage->Image()) + ' '
                            + PictureHash(form.TimeImage->Image());
    Recording += seen + ' ' + name.toUtf8() + '\n';
    if (qEnvironmentVariableIsEmpty("ROTANTS_RECORD_PICTURES"))
      QVERIFY2(Recorded.value(name) == seen, qPrintable("pictures differ: " + name));
  }
}

void TestPictures::ReconWaveAsDirect_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<bool>("conjugate");
  for (int waveform = 2; waveform <= 8; ++waveform)
    for (bool conjugate : {false, true})
      QTest::addRow("waveform %d, %s", waveform, conjugate ? "two-sided" : "one-sided")
          << waveform << conjugate;
}

// The real value at every step of a redraw at 511, and the entries it leaves,
// within 1e-12 of rotating the entries with direct cosines.
void TestPictures::ReconWaveAsDirect()
{
  QFETCH(int, waveform);
  QFETCH(bool, conjugate);
  TRecordingSoundScope sound;
  TRotantsForm form;
  SetOption(form.ConjugateCheckBox, conjugate);
  ChooseWaveform(form, waveform);
  form.TimeTrackBar->setValue(SweepSteps - 1);
  TPhasorArray direct = form.PhasorList;
  for (int e = 0; e < SweepSteps; ++e) {
    HarmonicMath::RotateToTimeStepDirect(direct, 25, e);
    const double tip = direct[25].SumRe;
    const double expected = conjugate ? 2.0 * tip - direct[0].SumRe : tip;
    QVERIFY2(std::fabs(form.ReconWave[e] - expected) < 1e-12, qPrintable(QString::number(e)));
  }
  for (int k = 0; k < HarmonicCount; ++k) {
    QVERIFY(std::fabs(form.PhasorList[k].SumRe - direct[k].SumRe) < 1e-12);
    QVERIFY(std::fabs(form.PhasorList[k].SumIm - direct[k].SumIm) < 1e-12);
  }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
