// Renders the real main window offscreen in a few teaching situations and saves
// each as a PNG, so the pictures in the README always show the current code.
// Usage: rotants_screenshots OUTPUT_DIRECTORY

#include "MainForm.h"
#include "Translations.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

void ChooseWaveform(TRotantsForm &form, int index)
{
  form.WaveformComboBox->setCurrentIndex(index);
  emit form.WaveformComboBox->activated(index);
}

void Check(QCheckBox *box, bool checked)
{
  if (box->isChecked() != checked)
    box->click();
}

bool Save(const QString &directory, const char *name,
          const std::function<void(TRotantsForm &)> &arrange)
{
  TRotantsForm form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form))
    return false;
  arrange(form);
  QApplication::processEvents();
  const QString path = QDir(directory).filePath(name);
  if (!form.grab().save(path)) {
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// A freehand stroke across one period: a rounded pulse drawn with the mouse.
void DrawStroke(TRotantsForm &form)
{
  ChooseWaveform(form, 1);
  QWidget *plot = form.TimeImage;
  const auto rowOf = [](int column) {
    const double phase = 2.0 * 3.141592653589793 * column / 256.0;
    const double value = 0.7 * std::tanh(3.0 * std::sin(phase)) + 0.15 * std::cos(3.0 * phase);
    return int(125 - 125 * value);
  };
  QTest::mousePress(plot, Qt::LeftButton, Qt::NoModifier, QPoint(0, rowOf(0)));
  for (int column = 4; column < 256; column += 4)
    QTest::mouseMove(plot, QPoint(column, rowOf(column)));
  QTest::mouseMove(plot, QPoint(255, rowOf(255)));
  QTest::mouseRelease(plot, Qt::LeftButton, Qt::NoModifier, QPoint(255, rowOf(255)));
}

// The same part of the time plot at 100 %, enlarged pixel by pixel to twice
// its size (what a screen scale factor of 2 used to show), and drawn at 200 %:
// the square wave's edge and its ringing.
bool SaveZoomPair(const QString &directory)
{
  TRotantsForm form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form))
    return false;
  ChooseWaveform(form, 2);
  form.TimeTrackBar->setValue(150);
  const QRect part(40, 10, 140, 90);
  bool ok = true;
  for (const double zoom : {1.0, 2.0}) {
    form.SetZoom(zoom);
    QApplication::processEvents();
    const QRect scaled = QRectF(QPointF(part.topLeft()) * zoom, QSizeF(part.size()) * zoom).toRect();
    QImage picture = form.TimeImage->grab(scaled).toImage();
    if (zoom == 1.0)
      picture = picture.scaled(picture.size() * 2);
    const QString path =
        QDir(directory).filePath(QString("zoom-%1.png").arg(int(zoom * 100)));
    ok &= picture.save(path);
    std::printf("%s\n", qPrintable(path));
  }
  return ok;
}

}  // namespace

int main(int argc, char *argv[])
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  // A large offscreen screen, so that the 200 % window fits on it.
  QTemporaryDir screenDirectory;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    QFile config(screenDirectory.filePath("screen.json"));
    if (config.open(QIODevice::WriteOnly)) {
      config.write(R"({"screens": [{"name": "Large", "x": 0, "y": 0, "width": 3840,
                       "height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      config.close();
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toLocal8Bit());
    }
  }
  QApplication application(argc, argv);
  const QString directory = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(directory);

  bool ok = true;
  ok &= Save(directory, "square-wave.png", [](TRotantsForm &form) {
    ChooseWaveform(form, 2);
    form.TimeTrackBar->setValue(150);
  });
  ok &= Save(directory, "turned-plane-with-trace.png", [](TRotantsForm &form) {
    ChooseWaveform(form, 6);
    Check(form.RotateComplexPlaneCheckBox, true);
    Check(form.TraceCheckBox, true);
    form.TimeTrackBar->setValue(200);
  });
  ok &= Save(directory, "freehand-drawing.png", [](TRotantsForm &form) {
    DrawStroke(form);
    form.TimeTrackBar->setValue(400);
  });
  ok &= Save(directory, "editor-panel.png", [](TRotantsForm &form) {
    ChooseWaveform(form, 2);
    form.EditRotantsBtn->click();
    form.TimeTrackBar->setValue(320);
  });
  ok &= Save(directory, "one-harmonic.png", [](TRotantsForm &form) {
    ChooseWaveform(form, 2);
    form.PhasorGrid->setCurrentCell(4, 1);
    form.ViewHighlightHarmonic->trigger();
    form.ViewShowError->trigger();
    form.TimeTrackBar->setValue(200);
  });
  ok &= Save(directory, "square-spectrum.png", [](TRotantsForm &form) {
    ChooseWaveform(form, 2);
    form.ViewSpectrum->trigger();
    form.PhasorGrid->setCurrentCell(4, 1);
    form.TimeTrackBar->setValue(150);
  });
  ok &= Save(directory, "narrow-pulse-spectrum.png", [](TRotantsForm &form) {
    ChooseWaveform(form, 3);
    form.ViewSpectrum->trigger();
    form.ViewShape->trigger();
    form.ShapeDutyCycle->setValue(10);
    form.TimeTrackBar->setValue(200);
  });
  ok &= SaveZoomPair(directory);
  Translations::Install("de");
  ok &= Save(directory, "german.png", [](TRotantsForm &form) {
    ChooseWaveform(form, 7);
    Check(form.TraceCheckBox, true);
    form.TimeTrackBar->setValue(180);
  });
  Translations::Install("en");
  return ok ? 0 : 1;
}
