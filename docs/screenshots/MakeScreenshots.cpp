// Renders the real main window offscreen in a few teaching situations and saves
// each as a PNG, so the pictures in the README always show the current code.
// Usage: rotants_screenshots OUTPUT_DIRECTORY

#include "MainForm.h"

#include <QApplication>
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

}  // namespace

int main(int argc, char *argv[])
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
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
  return ok ? 0 : 1;
}
