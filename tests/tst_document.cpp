#include "MainForm.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QUndoStack>
#include <QtTest>

#include <functional>

// The phasor document's rules on a document of its own: each leaves the
// entries and texts the window's own controls give, sends the signal that
// says what changed, and is one undo step that undo and redo put back with no
// window. And a document changed by calls shows in the window as a user's
// change does.

namespace {

using TAction = std::function<void(TPhasorDocument &, TRotantsForm &)>;

void Type(TRotantsForm &form, const QString &magnitude, const QString &angle)
{
  ClickGridRow(form, 4);
  TypeText(form.MagnitudeEdit, magnitude);
  TypeText(form.AngleEdit, angle);
  QTest::mouseClick(form.PhasorUpdateBtn, Qt::LeftButton);
}

void ShowWindow(TRotantsForm &form)
{
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.EditRotantsBtn->click();
  ChooseWaveform(form, 2);
  ClickGridRow(form, 4);
}

}  // namespace

Q_DECLARE_METATYPE(TAction)

class TestDocument : public QObject {
  Q_OBJECT

private slots:
  void Rules_data();
  void Rules();
  void ChangeFromOutsideShowsInWindow();
};

void TestDocument::Rules_data()
{
  QTest::addColumn<TAction>("rule");
  QTest::addColumn<QByteArray>("signal");
  QTest::addColumn<bool>("changesSet");
  const QByteArray texts = SIGNAL(TextsChanged(int, int));
  QTest::newRow("typed") << TAction([](TPhasorDocument &d, TRotantsForm &f) {
    d.SetEditTexts("3", "0.25", "-45");
    d.ApplyTyped(3, "0.25", "-45");
    Type(f, "0.25", "-45");
  }) << texts << true;
  QTest::newRow("out of range as 0") << TAction([](TPhasorDocument &d, TRotantsForm &f) {
    d.SetEditTexts("3", "12", "30");
    d.ApplyTyped(3, "12", "30");
    Type(f, "12", "30");
  }) << texts << true;
  QTest::newRow("not a number refused") << TAction([](TPhasorDocument &d, TRotantsForm &) {
    QVERIFY(!d.ApplyTyped(3, "0,5", "30"));
  }) << QByteArray() << false;
  QTest::newRow("row chosen") << TAction([](TPhasorDocument &d, TRotantsForm &f) {
    d.SelectHarmonic(4);
    ClickGridRow(f, 5);
  }) << QByteArray(SIGNAL(SelectionChanged(int))) << false;
  QTest::newRow("halved for two sides") << TAction([](TPhasorDocument &d, TRotantsForm &f) {
    d.SetConjugate(true);
    f.ConjugateCheckBox->click();
  }) << QByteArray(SIGNAL(ConjugateChanged(bool))) << true;
  QTest::newRow("waveform chosen") << TAction([](TPhasorDocument &d, TRotantsForm &f) {
    d.ChooseWaveform(5);
    ChooseWaveform(f, 5);
    QCOMPARE(d.EditMode, f.EditMode);
  }) << QByteArray(SIGNAL(WaveformChanged(int))) << true;
  QTest::newRow("highest harmonic") << TAction([](TPhasorDocument &d, TRotantsForm &f) {
    d.SetHighestHarmonic(9);
    ChooseHighestHarmonic(f, 9);
    QCOMPARE(d.HighestHarmonic, f.HighestHarmonic);
  }) << QByteArray(SIGNAL(HighestHarmonicChanged(int))) << true;
}

void TestDocument::Rules()
{
  QFETCH(TAction, rule);
  QFETCH(QByteArray, signal);
  QFETCH(bool, changesSet);
  TRecordingSoundScope sound;
  TRotantsForm form;
  ShowWindow(form);
  TPhasorDocument document;
  document.RestoreSet(*form.CaptureSnapshot());
  const std::shared_ptr<TPhasorSnapshot> before = document.CaptureSet();
  QSignalSpy spy(&document, signal.isEmpty() ? SIGNAL(TextsChanged(int, int)) : signal.data());

  rule(document, form);

  QCOMPARE(spy.isEmpty(), signal.isEmpty());
  for (int k = 0; k < HarmonicCount; ++k) {
    QCOMPARE(document.PhasorList[k].Re, form.PhasorList[k].Re);
    QCOMPARE(document.PhasorList[k].Im, form.PhasorList[k].Im);
    for (int column = 0; column < 3; ++column)
      QCOMPARE(document.GridText(k, column), form.PhasorGrid->item(k + 1, column)->text());
  }
  QCOMPARE(document.SelectedHarmonic() + 1, form.PhasorGrid->currentRow());
  QCOMPARE(document.EditTexts[1], form.MagnitudeEdit->text());
  // One step of its own, which undo and redo put back.
  const std::shared_ptr<TPhasorSnapshot> after = document.CaptureSet();
  QCOMPARE(!before->SameSet(*after), changesSet);
  QUndoStack *steps = document.UndoStack();
  QCOMPARE(steps->count(), changesSet ? 1 : 0);
  steps->undo();
  QVERIFY(document.CaptureSet()->SameSet(*before));
  steps->redo();
  QVERIFY(document.CaptureSet()->SameAs(*after));
}

void TestDocument::ChangeFromOutsideShowsInWindow()
{
  TRecordingSoundScope sound;
  TRotantsForm byHand;
  TRotantsForm byCall;
  ShowWindow(byHand);
  ShowWindow(byCall);
  byHand.TimeTrackBar->setValue(100);
  byCall.TimeTrackBar->setValue(100);
  ChooseWaveform(byHand, 5);
  Type(byHand, "0.25", "-45");

  byCall.Document.ChooseWaveform(5);
  byCall.Document.SelectHarmonic(3);
  byCall.Document.SetEditTexts("3", "0.25", "-45");
  QVERIFY(byCall.Document.ApplyTyped(3, "0.25", "-45"));

  for (int row = 1; row <= HarmonicCount; ++row)
    for (int column = 0; column < 3; ++column)
      QCOMPARE(byCall.PhasorGrid->item(row, column)->text(),
               byHand.PhasorGrid->item(row, column)->text());
  QCOMPARE(byCall.PhasorGrid->currentRow(), 4);
  QCOMPARE(byCall.MagnitudeEdit->text(), byHand.MagnitudeEdit->text());
  QCOMPARE(byCall.WaveformComboBox->currentIndex(), 5);
  QCOMPARE(byCall.PhasorImage->Image(), byHand.PhasorImage->Image());
  QCOMPARE(byCall.TimeImage->Image(), byHand.TimeImage->Image());
  // The calls were steps of the history as the user's were.
  QCOMPARE(byCall.EditUndo->text(), byHand.EditUndo->text());
  byHand.EditUndoClick();
  byCall.EditUndoClick();
  QCOMPARE(byCall.PhasorGrid->item(4, 1)->text(), byHand.PhasorGrid->item(4, 1)->text());
  QCOMPARE(byCall.MagnitudeEdit->text(), byHand.MagnitudeEdit->text());
  QCOMPARE(byCall.TimeImage->Image(), byHand.TimeImage->Image());
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
