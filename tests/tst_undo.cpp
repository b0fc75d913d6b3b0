#include "MainForm.h"
#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <malloc.h>
#include <memory>

// Undo and redo of every change to the phasor set, the modified mark, and the
// question before hand-made work that is not saved is dropped.

namespace {

constexpr int CustomRotantsItem = 0;
constexpr int CustomTimeItem = 1;

// What the user sees and hears of the set: entries, grid and edit texts,
// both drop-downs, the convention, the tone and both pictures.
struct TSeen {
  QList<double> Entries;
  QStringList Texts;
  QByteArray Tone;
  QImage Plane;
  QImage Time;
  bool operator==(const TSeen &) const = default;
};

TSeen Seen(TRotantsForm &form)
{
  TSeen seen;
  for (const HarmonicPhasor &entry : form.PhasorList)
    seen.Entries << entry.Re << entry.Im;
  for (int row = 1; row < form.PhasorGrid->rowCount(); ++row)
    for (int column = 0; column < 3; ++column)
      seen.Texts << form.PhasorGrid->item(row, column)->text();
  seen.Texts << form.HarmonicEdit->text() << form.MagnitudeEdit->text() << form.AngleEdit->text()
             << QString::number(form.PhasorGrid->currentRow())
             << form.WaveformComboBox->currentText() << form.HighestHarmonicComboBox->currentText()
             << QString::number(form.ConjugateCheckBox->isChecked())
             << QString::number(form.EditMode) << QString::number(form.HarmonicIndex);
  seen.Tone = QByteArray(reinterpret_cast<const char *>(form.MySound->Buffer), ToneBytes);
  seen.Plane = form.PhasorImage->Image();
  seen.Time = form.TimeImage->Image();
  return seen;
}

void Send(QWidget *canvas, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held)
{
  QMouseEvent event(type, QPointF(at), QPointF(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(canvas, &event);
}

void Stroke(TRotantsForm &form, QRandomGenerator &random)
{
  QPoint at(int(random.bounded(512)), int(random.bounded(251)));
  Send(form.TimeImage, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  for (int i = 0; i < 4; ++i) {
    at = QPoint(int(random.bounded(512)), int(random.bounded(251)));
    Send(form.TimeImage, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
  }
  Send(form.TimeImage, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// Answers the next question box with the given button, and counts questions.
class TAnswerer : public QObject {
public:
  explicit TAnswerer(QMessageBox::StandardButton answer) : Answer(answer)
  {
    connect(&Watch, &QTimer::timeout, this, [this] {
      auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
      if (!box || !box->isVisible())
        return;
      ++Questions;
      Text = box->text();
      box->button(Answer)->click();
    });
    Watch.start(5);
  }
  int Questions = 0;
  QString Text;

private:
  QMessageBox::StandardButton Answer;
  QTimer Watch;
};

}  // namespace

class TestUndo : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void RandomStepsUndoneAndRedone();
  void StepNames_data();
  void StepNames();
  void ModifiedMark();
  void QuestionBeforeDroppingWork_data();
  void QuestionBeforeDroppingWork();
  void ThousandStepsTakeLittleMemory();
  void StrokeEndedByPlayIsAStep();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  std::unique_ptr<QTemporaryDir> Dir;
};

void TestUndo::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  Dir = std::make_unique<QTemporaryDir>();
}

void TestUndo::cleanup()
{
  Form.reset();
  Sound.reset();
  Dir.reset();
}

// A seeded sequence of every kind of step; each undo gives back what the user
// saw before that step, each redo what they saw after it, bit for bit, and
// undoing everything gives the start-up state.
void TestUndo::RandomStepsUndoneAndRedone()
{
  QRandomGenerator random(20261209);
  Form->SoundCheckBox->click();
  QList<TSeen> before;
  QList<TSeen> after;
  const TSeen start = Seen(*Form);
  for (int i = 0; i < 70; ++i) {
    TSeen now = Seen(*Form);
    const int steps = Form->Document.UndoStack()->count();
    switch (random.bounded(7)) {
    case 0:
      ChooseWaveform(*Form, int(random.bounded(WaveformItemCount)));
      break;
    case 1:
      Form->PhasorGrid->setCurrentCell(1 + int(random.bounded(HarmonicCount)), 1);
      // An undo shows the row as it was, in the table and the edit boxes
      // alike, never the texts typed for the step it undoes.
      now = Seen(*Form);
      for (int column = 0; column < 3; ++column)
        now.Texts[3 * HarmonicCount + column] =
            Form->PhasorGrid->item(Form->PhasorGrid->currentRow(), column)->text();
      Form->MagnitudeEdit->setText(QString::number(random.bounded(12.0), 'f', 3));
      Form->AngleEdit->setText(QString::number(random.bounded(360.0) - 180.0, 'f', 1));
      Form->PhasorUpdateBtn->click();
      break;
    case 2:
      if (Form->WaveformComboBox->currentIndex() != CustomRotantsItem) {
        ChooseWaveform(*Form, CustomRotantsItem);
        break;
      }
      Send(Form->PhasorImage, QEvent::MouseButtonPress,
           QPoint(int(random.bounded(251)), int(random.bounded(251))), Qt::LeftButton,
           Qt::LeftButton);
      break;
    case 3:
      if (Form->WaveformComboBox->currentIndex() != CustomTimeItem) {
        ChooseWaveform(*Form, CustomTimeItem);
        break;
      }
      Stroke(*Form, random);
      break;
    case 4:
      ChooseHighestHarmonic(*Form, int(random.bounded(HarmonicCount)));
      break;
    case 5:
      Form->ConjugateCheckBox->click();
      break;
    default:
      Form->ClearBtn->click();
      break;
    }
    Form->TimeTrackBar->setValue(0);
    QVERIFY(Form->Document.UndoStack()->count() - steps <= 1);
    if (Form->Document.UndoStack()->count() > steps) {
      before << now;
      after << Seen(*Form);
    }
  }
  QVERIFY(before.size() > 35);
  for (qsizetype i = before.size() - 1; i >= 0; --i) {
    QVERIFY(Form->EditUndo->isEnabled());
    Form->EditUndo->trigger();
    QVERIFY2(Seen(*Form) == before[i], qPrintable(QString("undo %1").arg(i)));
  }
  QVERIFY(!Form->EditUndo->isEnabled());
  QVERIFY(Seen(*Form).Entries == start.Entries && Seen(*Form).Plane == start.Plane);
  for (qsizetype i = 0; i < after.size(); ++i) {
    Form->EditRedo->trigger();
    QVERIFY2(Seen(*Form) == after[i], qPrintable(QString("redo %1").arg(i)));
  }
  QVERIFY(!Form->EditRedo->isEnabled());
  // With Sound On the restored tone is what plays.
  QCOMPARE(Sound->Log->Looping.right(ToneBytes), after.last().Tone);
}

void TestUndo::StepNames_data()
{
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("undoText");
  QTest::newRow("waveform") << "square" << "Undo Square";
  QTest::newRow("typed") << "typed" << "Undo Typed Harmonic 3";
  QTest::newRow("placed") << "placed" << "Undo Placed Harmonic 1";
  QTest::newRow("drawing") << "drawing" << "Undo Drawing";
  QTest::newRow("highest") << "highest" << "Undo Highest Harmonic 7";
  QTest::newRow("untouched update is no step") << "update" << "Undo";
  QTest::newRow("display option is no step") << "grid" << "Undo";
}

void TestUndo::StepNames()
{
  QFETCH(QString, action);
  QFETCH(QString, undoText);
  QRandomGenerator random(3);
  if (action == "square") {
    ChooseWaveform(*Form, 2);
  } else if (action == "typed") {
    Form->PhasorGrid->setCurrentCell(4, 1);
    QTest::keyClicks(Form->MagnitudeEdit, "1");
    QTest::keyClick(Form->MagnitudeEdit, Qt::Key_Return);
  } else if (action == "placed") {
    QTest::mouseClick(Form->PhasorImage, Qt::LeftButton, {}, QPoint(180, 100));
  } else if (action == "drawing") {
    ChooseWaveform(*Form, CustomTimeItem);
    Stroke(*Form, random);
  } else if (action == "highest") {
    ChooseHighestHarmonic(*Form, 7);
  } else if (action == "update") {
    Form->Document.UndoStack()->clear();
    Form->PhasorUpdateBtn->click();
  } else {
    Form->Document.UndoStack()->clear();
    Form->TimeGridCheckBox->click();
  }
  QCOMPARE(Form->EditUndo->text().remove('&'), undoText);
}

// The mark shows while the set differs from the one opened or saved, and goes
// when undo comes back to it.
void TestUndo::ModifiedMark()
{
  QVERIFY(!Form->isWindowModified());
  const QString path = Dir->filePath("lesson.rotants");
  QVERIFY(Form->SavePhasorSet(path));
  QCOMPARE(Form->windowTitle(), QString("lesson.rotants - Rotants 1.0"));
  ChooseWaveform(*Form, 5);
  QVERIFY(Form->isWindowModified());
  QCOMPARE(Form->windowTitle(), QString("lesson.rotants[*] - Rotants 1.0"));
  Form->EditUndo->trigger();
  QVERIFY(!Form->isWindowModified());
  Form->EditRedo->trigger();
  QVERIFY(Form->SavePhasorSet(path));
  QVERIFY(!Form->isWindowModified());
  QVERIFY(Form->OpenPhasorSet(path));
  QVERIFY(!Form->isWindowModified());
}

void TestUndo::QuestionBeforeDroppingWork_data()
{
  QTest::addColumn<QString>("trigger");
  QTest::addColumn<QString>("state");
  QTest::addColumn<int>("answer");
  for (const char *trigger : {"new", "open", "drop", "close"}) {
    for (const char *state : {"waveform only", "hand-made", "saved"}) {
      for (QMessageBox::StandardButton answer :
           {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
        QTest::addRow("%s, %s, %s", trigger, state,
                      answer == QMessageBox::Save      ? "save"
                      : answer == QMessageBox::Discard ? "discard"
                                                       : "cancel")
            << trigger << state << int(answer);
    }
  }
}

// Asked only when hand-made work is not saved; Cancel changes nothing, Save
// saves first, Discard goes on.
void TestUndo::QuestionBeforeDroppingWork()
{
  QFETCH(QString, trigger);
  QFETCH(QString, state);
  QFETCH(int, answer);
  const QString lesson = Dir->filePath("lesson.rotants");
  const QString other = Dir->filePath("other.rotants");
  {
    TRotantsForm square;
    ChooseWaveform(square, 6);
    QVERIFY(square.SavePhasorSet(other));
  }
  QVERIFY(Form->SavePhasorSet(lesson));
  ChooseWaveform(*Form, 2);
  if (state != "waveform only") {
    Form->PhasorGrid->setCurrentCell(4, 1);
    Form->MagnitudeEdit->setText("0.9");
    Form->PhasorUpdateBtn->click();
  }
  if (state == "saved")
    QVERIFY(Form->SavePhasorSet(lesson));
  const bool asks = state == "hand-made";
  const QList<double> entries = Seen(*Form).Entries;

  TAnswerer answerer{QMessageBox::StandardButton(answer)};
  bool closed = false;
  if (trigger == "new") {
    Form->FileNew->trigger();
  } else if (trigger == "open") {
    Form->OpenRecentFile(other);
  } else if (trigger == "drop") {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(other)});
    QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(Form.get(), &enter);
    QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form.get(), &drop);
    QTest::qWait(50);
  } else {
    closed = Form->close();
  }
  QCOMPARE(answerer.Questions, asks ? 1 : 0);
  const bool cancelled = asks && answer == QMessageBox::Cancel;
  if (asks)
    QCOMPARE(answerer.Text, QString("Save changes to lesson.rotants?"));
  if (trigger == "close")
    QCOMPARE(closed, !cancelled);
  else
    QCOMPARE(Seen(*Form).Entries == entries, cancelled);
  if (asks && answer == QMessageBox::Save) {
    TRotantsForm saved;
    QVERIFY(saved.OpenPhasorSet(lesson));
    QCOMPARE(Seen(saved).Entries, entries);
  }
}

QTEST_MAIN(TestUndo)
// A thousand typed values, each its own step, hold at most 20 MiB of history:
// consecutive steps share the snapshot between them.
void TestUndo::ThousandStepsTakeLittleMemory()
{
  ChooseWaveform(*Form, CustomRotantsItem);
  Form->EditRotantsBtn->click();
  Form->PhasorGrid->setCurrentCell(4, 1);
  const auto type = [this](int i) {
    Form->MagnitudeEdit->setText(QString::number(1 + i % 900 / 100.0));
    Form->PhasorUpdateBtn->click();
  };
  type(0);
  const std::size_t start = mallinfo2().uordblks;
  for (int i = 1; i <= 1000; ++i)
    type(i);
  const std::size_t held = mallinfo2().uordblks - start;
  QVERIFY(Form->Document.UndoStack()->count() >= 1000);
  if (start == 0)
    QSKIP("the allocator keeps no count (a sanitizer's)");
  qInfo("1,000 steps hold %.1f MiB", held / 1048576.0);
  QVERIFY(held <= 20u << 20);
}

// Play pressed from the keyboard while a stroke is drawn ends the stroke; what
// it drew is a step, so undo takes it away and redo brings it back.
void TestUndo::StrokeEndedByPlayIsAStep()
{
  ChooseWaveform(*Form, CustomTimeItem);
  const std::array<double, SweepSteps> start = Form->IdealWave;
  Send(Form->TimeImage, QEvent::MouseButtonPress, QPoint(40, 60), Qt::LeftButton, Qt::LeftButton);
  Send(Form->TimeImage, QEvent::MouseMove, QPoint(200, 30), Qt::NoButton, Qt::LeftButton);
  Form->PlayBtn->click();
  Send(Form->TimeImage, QEvent::MouseMove, QPoint(300, 200), Qt::NoButton, Qt::LeftButton);
  Send(Form->TimeImage, QEvent::MouseButtonRelease, QPoint(300, 200), Qt::LeftButton, Qt::NoButton);
  Form->StopBtn->click();
  const std::array<double, SweepSteps> drawn = Form->IdealWave;
  QVERIFY(drawn != start);
  QCOMPARE(Form->EditUndo->text().remove('&'), QString("Undo Drawing"));
  Form->EditUndo->trigger();
  QVERIFY(Form->IdealWave == start);
  Form->EditRedo->trigger();
  QVERIFY(Form->IdealWave == drawn);
}

#include "tst_undo.moc"
