#include "MainForm.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

// A screen with a device pixel ratio of 2, as a HiDPI screen or
// QT_SCALE_FACTOR=2 gives (see main below): at 100 % the plots are drawn at
// the screen's resolution, and clicks stay in the plots' own pixels.
class TestHiDpi : public QObject {
  Q_OBJECT

private slots:
  void PlotsUseTheScreensPixels();
};

void TestHiDpi::PlotsUseTheScreensPixels()
{
  TRecordingSoundScope sound;
  TRotantsForm form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCOMPARE(form.devicePixelRatioF(), 2.0);
  QCOMPARE(form.ZoomFactor, 1.0);
  constexpr int SquareItem = 2;
  ChooseWaveform(form, SquareItem);
  form.TimeTrackBar->setValue(300);
  QApplication::processEvents();

  for (TImageCanvas *plot : {form.TimeImage, form.PhasorImage}) {
    QCOMPARE(plot->DisplayScale(), 2.0);
    const QImage shown = plot->grab().toImage();
    QCOMPARE(shown.size(), plot->Image().size() * 2);
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < shown.height(); y += 2)
      for (int x = 0; x + 1 < shown.width(); x += 2) {
        const QRgb corner = shown.pixel(x, y);
        mixedBlocks += shown.pixel(x + 1, y) != corner || shown.pixel(x, y + 1) != corner
                       || shown.pixel(x + 1, y + 1) != corner;
      }
    QVERIFY2(mixedBlocks > 100, qPrintable(plot->objectName()));
  }

  // Logical positions are the plots' own pixels, whatever the screen.
  QTest::mouseMove(form.TimeImage, QPoint(511, 250));
  QCOMPARE(form.StatusPanel2->text(), QString("Coord: 511 : -1.0000"));
}

int main(int argc, char *argv[])
{
  QTemporaryDir directory;
  QFile file(directory.filePath("screen.json"));
  if (!file.open(QIODevice::WriteOnly))
    return 1;
  file.write(R"({"screens": [{"name": "HiDPI", "x": 0, "y": 0, "width": 3840, "height": 2160,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file.fileName()).toLocal8Bit());
  QApplication application(argc, argv);
  TestHiDpi test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
