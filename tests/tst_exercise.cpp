#include "CommandLine.h"
#include "CommandLineRun.h"
#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "RecordingSoundService.h"
#include "SpectrumGeometry.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

// Exercises: hidden targets of six levels, checks, hints, the answer, and a
// teacher's exercise set with its results.

namespace {

constexpr int SquareItem = 2;

int UsedHarmonics(const TPhasorArray &entries)
{
  int used = 0;
  for (const HarmonicPhasor &e : entries)
    used += e.Re != 0.0 || e.Im != 0.0;
  return used;
}

}  // namespace

class TestExercise : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void TargetsByLevelAndSeed_data();
  void TargetsByLevelAndSeed();
  void SolvedThroughTheEditor_data();
  void SolvedThroughTheEditor();
  void SolvedThroughASpectrumDrag();
  void HintsAndAnswerCounted();
  void TeacherSetAndResults();
  void BadExerciseSets_data();
  void BadExerciseSets();
  void SaveQuestionAndCommandLine();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  void Solve()
  {
    const TPhasorArray target = Form->ExerciseTarget();
    for (int k = 0; k < HarmonicCount; ++k) {
      const HarmonicPhasor &e = target[std::size_t(k)];
      if (e.Re == 0.0 && e.Im == 0.0)
        continue;
      double magnitude = 0.0;
      double angle = 0.0;
      HarmonicMath::RectToPolar(e.Re, e.Im, magnitude, angle);
      Type(*Form, k, magnitude, angle);
    }
  }
  // Harmonic k typed into the editor and applied with Update.
  static void Type(TRotantsForm &form, int k, double magnitude, double angle)
  {
    form.PhasorGrid->setCurrentCell(k + 1, 1);
    form.MagnitudeEdit->setText(QString::number(magnitude, 'g', 12));
    form.AngleEdit->setText(QString::number(angle, 'g', 12));
    form.PhasorUpdateBtn->click();
  }
};

void TestExercise::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
}

void TestExercise::cleanup()
{
  Form.reset();
  Sound.reset();
}

void TestExercise::TargetsByLevelAndSeed_data()
{
  QTest::addColumn<int>("level");
  QTest::addColumn<int>("seed");
  QTest::addColumn<int>("fewest");  // harmonics the target uses
  QTest::addColumn<int>("most");
  for (int seed : {1, 4242}) {
    const auto row = [seed](int level, int fewest, int most) {
      QTest::addRow("level %d seed %d", level, seed) << level << seed << fewest << most;
    };
    row(1, 1, 1);
    row(2, 2, 3);
    row(3, 2, 3);
    row(4, 4, 6);
    row(5, 2, 10);
    row(6, 10, 25);
  }
}

// The same level and seed give the same target; another seed another one;
// and nothing the student sees shows it but the dashed wave.
void TestExercise::TargetsByLevelAndSeed()
{
  QFETCH(int, level);
  QFETCH(int, fewest);
  QFETCH(int, most);
  QFETCH(int, seed);
  ChooseWaveform(*Form, SquareItem);
  Form->ViewSpectrum->trigger();
  Form->StartExercise(level, quint32(seed));
  const TPhasorArray target = Form->ExerciseTarget();
  const int used = UsedHarmonics(target);
  QVERIFY2(used >= fewest && used <= most, qPrintable(QString::number(used)));
  QVERIFY(Form->ExercisePanel->isVisible());
  QCOMPARE(Form->ExerciseLevel->value(), level);

  QCOMPARE(UsedHarmonics(Form->PhasorList), 0);
  for (int k = 0; k < HarmonicCount; ++k) {
    QCOMPARE(Form->Document.GridText(k, 1).toDouble(), 0.0);
    QCOMPARE(Form->SpectrumBar(k).height(), 0);
  }
  QVERIFY(!Form->EditUndo->isEnabled());
  QVERIFY(!Form->ExerciseSolved());

  Form->StartExercise(level, quint32(seed) + 1);
  QVERIFY(!SameEntries(Form->ExerciseTarget(), target));
  Form->StartExercise(level, quint32(seed));
  QVERIFY(SameEntries(Form->ExerciseTarget(), target));
  // Building targets leaves no history in the hidden document to grow.
  QCOMPARE(Form->Exercise->Session->Target().UndoStack()->count(), 0);
}

void TestExercise::SolvedThroughTheEditor_data()
{
  QTest::addColumn<bool>("conjugate");
  QTest::newRow("one-sided") << false;
  QTest::newRow("conjugate, switched during the exercise") << true;
}

void TestExercise::SolvedThroughTheEditor()
{
  QFETCH(bool, conjugate);
  Form->StartExercise(3, 99);
  const TPhasorArray oneSided = Form->ExerciseTarget();
  if (conjugate) {
    Form->ConjugateCheckBox->click();
    for (int k = 1; k < HarmonicCount; ++k)
      QCOMPARE(Form->ExerciseTarget()[std::size_t(k)].Re, oneSided[std::size_t(k)].Re / 2);
  }
  Form->ExerciseCheck->trigger();
  QVERIFY(!Form->ExerciseSolved());
  QCOMPARE(Form->Exercise->Session->Attempts(), 1);

  Solve();
  QVERIFY(Form->EditUndo->isEnabled());
  Form->ExerciseCheck->trigger();
  QVERIFY(Form->ExerciseSolved());
  QCOMPARE(Form->Exercise->Session->Attempts(), 2);
  QVERIFY(!Form->ExerciseCheck->isEnabled());
  QCOMPARE(Form->ExerciseLevel->value(), 4);
  QCOMPARE(Form->ExerciseNew->text().remove('&'), QString("Next Target"));
  QVERIFY(Form->Exercise->ExerciseDifference->text().endsWith("solved below 0.0300"));

  // Undo takes the student's work back; the solved mark stays.
  Form->EditUndo->trigger();
  QVERIFY(UsedHarmonics(Form->PhasorList) < UsedHarmonics(Form->ExerciseTarget()));
  QVERIFY(Form->ExerciseSolved());
}

// A level-1 target built by dragging its bar up to its magnitude.
void TestExercise::SolvedThroughASpectrumDrag()
{
  Form->ViewSpectrum->trigger();
  Form->StartExercise(1, 5);
  int k = 1;
  while (Form->ExerciseTarget()[std::size_t(k)].Re == 0.0)
    ++k;
  const TSpectrumGeometry layout(Form->SpectrumImage->Width(), Form->SpectrumImage->Height(),
                                 false);
  const int rows = int(std::lround(Form->ExerciseTarget()[std::size_t(k)].Re * 60.0));
  const int x = layout.SlotCentre(k);
  QTest::mousePress(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier,
                    QPoint(x, layout.Baseline() - 1));
  QTest::mouseMove(Form->SpectrumImage, QPoint(x + 1, layout.Baseline() - rows));
  QTest::mouseRelease(Form->SpectrumImage, Qt::LeftButton, Qt::NoModifier,
                      QPoint(x + 1, layout.Baseline() - rows));
  Form->Exercise->ExerciseCheckButton->click();
  QVERIFY(Form->ExerciseSolved());
  QCOMPARE(Form->Exercise->ExerciseResult->text(), QString("Solved! Well done."));
}

// Each hint is counted: the count of harmonics, the outlines, then one value
// per used harmonic; the answer makes the set the target's, unsolved.
void TestExercise::HintsAndAnswerCounted()
{
  Form->StartExercise(4, 17);
  const int used = UsedHarmonics(Form->ExerciseTarget());
  Form->ExerciseHint->trigger();
  QCOMPARE(Form->Exercise->ExerciseHints->text(), QString("Harmonics used: %1").arg(used));
  QVERIFY(!Form->ViewSpectrum->isChecked());
  Form->ExerciseHint->trigger();
  QVERIFY(Form->ViewSpectrum->isChecked());
  const QImage outlined = Form->SpectrumImage->Image();
  Form->ViewSpectrum->trigger();
  Form->ExerciseEnd->trigger();
  Form->ViewSpectrum->trigger();
  QVERIFY(Form->SpectrumImage->Image() != outlined);
  Form->StartExercise(4, 17);
  Form->ExerciseHint->trigger();
  Form->ExerciseHint->trigger();
  QCOMPARE(Form->SpectrumImage->Image(), outlined);
  Form->ExerciseHint->trigger();
  QVERIFY(Form->Exercise->ExerciseHints->text().startsWith("Harmonic "));
  while (Form->ExerciseHint->isEnabled())
    Form->ExerciseHint->trigger();
  QCOMPARE(Form->Exercise->Session->Hints(), 2 + used);

  Form->ExerciseReveal->trigger();
  QVERIFY(Form->Exercise->Session->Revealed());
  QVERIFY(!Form->ExerciseCheck->isEnabled());
  QVERIFY(Form->Exercise->Session->Difference(Form->PhasorList, Form->HighestHarmonic,
                                              false) < Form->Exercise->Session->Threshold());
  QCOMPARE(Form->EditUndo->text().remove('&'), QString("Undo Show Answer"));
  const auto results = Form->Exercise->Session->Results();
  QVERIFY(results.back().Revealed && !results.back().Solved);
  QCOMPARE(results.back().Hints, 2 + used);

  // A reader hears the outline over the selected harmonic as the table reads
  // it, in either convention: after the answer both give the same texts.
  const TPhasorArray target = Form->ExerciseTarget();
  const int k = int(std::find_if(target.begin(), target.end(), [](const HarmonicPhasor &e) {
                      return e.Re != 0.0 || e.Im != 0.0;
                    }) - target.begin());
  for (bool conjugate : {false, true}) {
    if (conjugate)
      Form->ConjugateCheckBox->click();
    Form->PhasorGrid->setCurrentCell(k + 1, 1);
    const QString outline = QString("; the target's outline: magnitude %1, angle %2\u00B0")
                                .arg(Form->PhasorGrid->item(k + 1, 1)->text(),
                                     Form->PhasorGrid->item(k + 1, 2)->text());
    QVERIFY2(Form->SpectrumImage->Describe().endsWith(outline),
             qPrintable(Form->SpectrumImage->Describe()));
  }
}

// A teacher adds two sets and saves them; a student works through them in
// order; the results come back as one CSV.
void TestExercise::TeacherSetAndResults()
{
  QTemporaryDir folder;
  const QString setPath = folder.filePath("week1.rotants-exercises");
  const QString csvPath = folder.filePath("results.csv");
  ChooseWaveform(*Form, SquareItem);
  ChooseHighestHarmonic(*Form, 5);
  Form->Exercise->ExerciseAddTarget->trigger();
  ChooseWaveform(*Form, 0);
  Type(*Form, 2, 0.5, 90.0);
  Form->Exercise->ExerciseAddTarget->trigger();
  QString error;
  QVERIFY2(Form->Exercise->SaveExerciseSet(setPath, error), qPrintable(error));

  TRotantsForm student;
  QVERIFY2(student.Exercise->OpenExerciseSet(setPath, error), qPrintable(error));
  QCOMPARE(student.Exercise->ExerciseTargetLabel->text(), QString("Target 1 of 2: Square"));
  QVERIFY(!student.ExerciseLevel->isEnabled());
  ChooseWaveform(student, SquareItem);
  student.ExerciseCheck->trigger();
  QVERIFY(!student.ExerciseSolved());  // all 25 harmonics, not 5
  ChooseHighestHarmonic(student, 5);
  student.ExerciseCheck->trigger();
  QVERIFY(student.ExerciseSolved());
  student.ExerciseNew->trigger();
  QCOMPARE(student.Exercise->ExerciseTargetLabel->text(), QString("Target 2 of 2: Custom Rotants"));
  QCOMPARE(UsedHarmonics(student.ExerciseTarget()), 1);
  student.ExerciseHint->trigger();
  student.ExerciseEnd->trigger();
  QVERIFY(!student.ExercisePanel->isVisible());

  QVERIFY2(student.Exercise->ExportResults(csvPath, error), qPrintable(error));
  QFile csv(csvPath);
  QVERIFY(csv.open(QIODevice::ReadOnly));
  QStringList rows = QString::fromUtf8(csv.readAll()).split('\n');
  for (QString &row : rows)
    row = row.section(',', 0, 6);
  QCOMPARE(rows, QStringList({"target,level,seed,solved,revealed,attempts,hints",
                              "Square,,,yes,no,2,0", "Custom Rotants,,,no,no,0,1", ""}));
}

void TestExercise::BadExerciseSets_data()
{
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("error");
  const QByteArray head = R"({"format": "rotants-exercises", "version": 1, "targets": )";
  QByteArray set = PhasorSetFile::Write({});
  const QByteArray good = R"({"name": "a", "set": )" + set + "}";
  QTest::newRow("empty") << QByteArray("  ") << "the file is empty";
  QTest::newRow("not JSON") << QByteArray("{targets") << "not a JSON object";
  QTest::newRow("a phasor set") << set << "is not \"rotants-exercises\"";
  QTest::newRow("newer") << QByteArray(R"({"format": "rotants-exercises", "version": 2})")
                         << "newer version";
  QTest::newRow("no targets") << head + "[]}" << "not a list of 1 to 64 targets";
  QByteArray many = head + "[" + good;
  for (int i = 1; i < 65; ++i)
    many += "," + good;
  QTest::newRow("65 targets") << many + "]}" << "not a list of 1 to 64 targets";
  QTest::newRow("not an object") << head + "[" + good + ", 3]}" << "target 2: it is not an object";
  QTest::newRow("threshold 0") << head + R"([{"threshold": 0, "set": )" + set + "}]}"
                               << "target 1: its field \"threshold\"";
  QTest::newRow("long name") << head + R"([{"name": ")" + QByteArray(201, 'x') + "\"}]}"
                             << "target 1: its field \"name\"";
  QTest::newRow("no set") << head + R"([{"name": "a"}]})" << "\"set\" is missing";
  QByteArray badSet = set;
  badSet.replace("\"highest_harmonic\": 25", "\"highest_harmonic\": 30");
  QTest::newRow("a bad set") << head + R"([{"set": )" + badSet + "}]}"
                             << "target 1: the field \"highest_harmonic\"";
}

// A bad set is refused with one message and starts nothing.
void TestExercise::BadExerciseSets()
{
  QFETCH(QByteArray, bytes);
  QFETCH(QString, error);
  QTemporaryDir folder;
  const QString path = folder.filePath("bad.rotants-exercises");
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.close();
  QString why;
  QVERIFY(!Form->Exercise->OpenExerciseSet(path, why));
  QVERIFY2(why.contains(error), qPrintable(why));
  QVERIFY(!Form->ExercisePanel->isVisible());
}

void TestExercise::SaveQuestionAndCommandLine()
{
  Type(*Form, 1, 0.5, 0.0);
  {
    TMessageBoxCatcher catcher;
    catcher.Answer = [](const TCaughtMessage &) { return QMessageBox::Cancel; };
    Form->ExerciseNew->trigger();
    QCOMPARE(catcher.Messages.size(), 1);
  }
  QVERIFY(!Form->ExercisePanel->isVisible());
  QCOMPARE(Form->PhasorList[1].Re, 0.5);

  TCommandLineOptions options;
  QCOMPARE(ParseCommandLine({"rotants", "--exercise", "7"}, options), 2);
  QCOMPARE(ParseCommandLine({"rotants", "--seed", "3"}, options), 2);
  QCOMPARE(ParseCommandLine({"rotants", "--exercise", "2", "--save", "a.rotants"}, options), 2);
  QCOMPARE(ParseCommandLine({"rotants", "--exercise", "2", "--seed", "3"}, options), -1);
  QString error;
  QVERIFY(ApplyCommandLine(*Form, options, true, error));
  QCOMPARE(Form->ExerciseLevel->value(), 2);
  TRotantsForm again;
  again.StartExercise(2, 3);
  QVERIFY(SameEntries(again.ExerciseTarget(), Form->ExerciseTarget()));
}

QTEST_MAIN(TestExercise)
#include "tst_exercise.moc"
