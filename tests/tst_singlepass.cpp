#include "MainForm.h"
#include "CanvasProbe.h"
#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "SpectrumGeometry.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

#include <cstring>
#include <memory>

// A user action ends with one redraw, one synthesis and at most one play
// request, and with exactly the entries, texts, pictures and tone that doing
// every step at once gives.

namespace {

enum TAction { Waveform, Stroke, Placement, Update, ClearCustom, SpectrumBar, SpectrumPhase };

struct TWindow {
  std::shared_ptr<TSoundLog> Log;
  std::unique_ptr<TRotantsForm> Form;
};

TWindow MakeWindow(bool deferred)
{
  TRecordingSoundScope sound;
  TWindow window{sound.Log, std::make_unique<TRotantsForm>()};
  window.Form->DeferWithinActions = deferred;
  return window;
}

void Act(TRotantsForm &form, TAction action, int item)
{
  switch (action) {
  case Waveform:
    ChooseWaveform(form, item);
    break;
  case Stroke:
    form.TimeImageMouseDown(Qt::LeftButton, Qt::NoModifier, 20, 40);
    form.TimeImageMouseMove(Qt::NoModifier, 300, 200);
    form.TimeImageMouseUp(Qt::LeftButton, Qt::NoModifier, 300, 200);
    break;
  case Placement:
    QTest::mouseClick(form.PhasorImage, Qt::LeftButton, Qt::NoModifier, QPoint(60, 90));
    break;
  case Update:
    form.PhasorGrid->setCurrentCell(4, 1);
    TypeText(form.MagnitudeEdit, "0.75");
    TypeText(form.AngleEdit, "-33.3");
    form.PhasorUpdateBtn->click();
    break;
  case ClearCustom:
    form.ClearBtn->click();
    break;
  case SpectrumBar:
  case SpectrumPhase: {
    // Harmonic 3's bar dragged up by 25 rows, or its phase mark by 60 degrees.
    const TSpectrumGeometry layout(form.SpectrumImage->Width(), form.SpectrumImage->Height(),
                                   form.ConjugateCheckBox->isChecked());
    const int y = action == SpectrumBar ? layout.Baseline() - 1 : layout.PhaseZero();
    const QPoint from(layout.SlotCentre(3), y);
    QTest::mousePress(form.SpectrumImage, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(form.SpectrumImage, from - QPoint(0, 10));
    QTest::mouseMove(form.SpectrumImage, from - QPoint(0, action == SpectrumBar ? 25 : 4));
    QTest::mouseRelease(form.SpectrumImage, Qt::LeftButton, Qt::NoModifier,
                        from - QPoint(0, action == SpectrumBar ? 25 : 4));
    break;
  }
  }
}

// The first way the two windows differ, or an empty text.
QString Difference(TRotantsForm &a, TRotantsForm &b)
{
  for (int k = 0; k < HarmonicCount; ++k) {
    const HarmonicPhasor &x = a.PhasorList[k];
    const HarmonicPhasor &y = b.PhasorList[k];
    // The rotated values and sums above the highest harmonic are working
    // values no picture, text or tone reads.
    const std::size_t compared = k <= a.HighestHarmonic ? sizeof x : 2 * sizeof(double);
    if (std::memcmp(&x, &y, compared) != 0)
      return QString("entry %1").arg(k);
  }
  for (int row = 0; row <= HarmonicCount; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (a.PhasorGrid->item(row, column)->text() != b.PhasorGrid->item(row, column)->text())
        return QString("grid cell %1, %2").arg(row).arg(column);
    }
  }
  if (a.PhasorGrid->currentRow() != b.PhasorGrid->currentRow())
    return "grid row";
  for (auto edit : {&TRotantsForm::HarmonicEdit, &TRotantsForm::MagnitudeEdit,
                    &TRotantsForm::AngleEdit}) {
    if ((a.*edit)->text() != (b.*edit)->text())
      return (a.*edit)->objectName();
  }
  for (auto panel : {&TRotantsForm::StatusPanel0, &TRotantsForm::StatusPanel1,
                     &TRotantsForm::StatusPanel2}) {
    if ((a.*panel)->text() != (b.*panel)->text())
      return (a.*panel)->objectName();
  }
  if (!DifferenceBounds(a.PhasorImage->Image(), b.PhasorImage->Image()).isNull())
    return "phasor plane pixels";
  if (!DifferenceBounds(a.TimeImage->Image(), b.TimeImage->Image()).isNull())
    return "time plot pixels";
  if (!DifferenceBounds(a.SpectrumImage->Image(), b.SpectrumImage->Image()).isNull())
    return "spectrum pixels";
  if (std::memcmp(a.MySound->Buffer, b.MySound->Buffer, a.MySound->DataSize) != 0)
    return "tone bytes";
  if (a.HarmonicIndex != b.HarmonicIndex || a.EditMode != b.EditMode
      || a.BasePhasor - a.PhasorList.data() != b.BasePhasor - b.PhasorList.data())
    return "editing state";
  return QString();
}

}  // namespace

class TestSinglePass : public QObject {
  Q_OBJECT

private slots:
  void SameResultAsStepByStep_data();
  void SameResultAsStepByStep();
};

void TestSinglePass::SameResultAsStepByStep_data()
{
  QTest::addColumn<int>("action");
  QTest::addColumn<int>("item");
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<int>("highest");
  QTest::addColumn<int>("plays");

  const char *names[] = {"Custom Rotants", "Custom Time", "Square", "Rectangular Pulse",
                         "Bipolar Pulse", "Triangle", "Sawtooth", "Rectified Cosine",
                         "Impulse train"};
  for (int item = 0; item <= 8; ++item) {
    // "Custom Time" loads no entry, so its sound stays off.
    const int plays = item == 1 ? 0 : 1;
    for (bool conjugate : {false, true})
      QTest::addRow("%s%s", names[item], conjugate ? ", conjugate" : "")
          << int(Waveform) << item << conjugate << 25 << plays;
  }
  QTest::newRow("Square, highest 5") << int(Waveform) << 2 << false << 5 << 1;
  QTest::newRow("stroke") << int(Stroke) << 1 << false << 25 << 1;
  QTest::newRow("stroke, conjugate") << int(Stroke) << 1 << true << 25 << 1;
  QTest::newRow("placement") << int(Placement) << 0 << false << 25 << 1;
  QTest::newRow("placement, turned") << int(Placement) << 0 << true << 25 << 1;
  QTest::newRow("update") << int(Update) << 6 << false << 25 << 1;
  QTest::newRow("clear") << int(ClearCustom) << 0 << false << 25 << 1;
  QTest::newRow("spectrum bar") << int(SpectrumBar) << 2 << false << 25 << 1;
  QTest::newRow("spectrum bar, conjugate") << int(SpectrumBar) << 2 << true << 25 << 1;
  QTest::newRow("spectrum phase") << int(SpectrumPhase) << 2 << false << 25 << 1;
}

// The same action on a window that does every step at once and on one that
// defers the redraws and the tone to the end of the action.
void TestSinglePass::SameResultAsStepByStep()
{
  QFETCH(int, action);
  QFETCH(int, item);
  QFETCH(bool, conjugate);
  QFETCH(int, highest);
  QFETCH(int, plays);

  TWindow stepwise = MakeWindow(false);
  TWindow single = MakeWindow(true);
  for (TWindow *window : {&stepwise, &single}) {
    TRotantsForm &form = *window->Form;
    form.SoundCheckBox->click();
    ChooseHighestHarmonic(form, highest);
    if (action == Placement) {
      form.RotateComplexPlaneCheckBox->setChecked(conjugate);
      // A first placement, then the slider away from step 0.
      QTest::mouseClick(form.PhasorImage, Qt::LeftButton, Qt::NoModifier, QPoint(160, 110));
      form.TimeTrackBar->setValue(300);
    } else {
      if (action == SpectrumBar || action == SpectrumPhase)
        form.SetSpectrumView(true, false);
      form.ConjugateCheckBox->setChecked(conjugate);
      if (action != Waveform)
        ChooseWaveform(form, item);
      form.TimeTrackBar->setValue(150);
    }
    window->Log->Events.clear();
    window->Log->Images.clear();
    Act(form, TAction(action), item);
  }

  const QString difference = Difference(*stepwise.Form, *single.Form);
  QVERIFY2(difference.isEmpty(), qPrintable(difference));
  QCOMPARE(single.Log->PlayCount(), plays);
  QCOMPARE(single.Log->Looping, stepwise.Log->Looping);
  QVERIFY(single.Log->StopCount() <= 1);
}

QTEST_MAIN(TestSinglePass)
#include "tst_singlepass.moc"
