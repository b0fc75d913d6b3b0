#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "MonkeyDriver.h"
#include "NullSinkRecorder.h"
#include "WindowDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

// Random user actions on the real main window with the window's invariants
// checked after each one. ROTANTS_MONKEY_ACTIONS sets the number of actions
// (default DefaultActions) and ROTANTS_MONKEY_SEED the seed (decimal or 0x
// hex; default DefaultSeed); a failure prints both with the last actions, so
// the run can be replayed.

namespace {

constexpr qint64 DefaultActions = 50000;
constexpr quint64 DefaultSeed = 20240611;
constexpr int ReplayTail = 20;
constexpr int CustomRotantsItem = 0;
constexpr int SquareItem = 2;

qint64 ActionCount()
{
  bool ok = false;
  const qint64 count = qEnvironmentVariable("ROTANTS_MONKEY_ACTIONS").toLongLong(&ok);
  return ok && count > 0 ? count : DefaultActions;
}

quint64 Seed()
{
  bool ok = false;
  const quint64 seed = qEnvironmentVariable("ROTANTS_MONKEY_SEED").toULongLong(&ok, 0);
  return ok ? seed : DefaultSeed;
}

const QString RefusedSuffix = QStringLiteral("' is not a number; write it with a decimal point, for example 1.5");

struct TEntryValues {
  std::array<double, 2 * HarmonicCount> Values{};
  int HarmonicIndex = 0;
  QStringList GridTexts;

  bool operator==(const TEntryValues &) const = default;
};

// The entries' step-0 values, HarmonicIndex and the grid's value cells: what
// a refused text must leave alone.
TEntryValues EntryValues(const TRotantsForm &form)
{
  TEntryValues v;
  for (int k = 0; k < HarmonicCount; ++k) {
    v.Values[2 * k] = form.PhasorList[k].Re;
    v.Values[2 * k + 1] = form.PhasorList[k].Im;
  }
  v.HarmonicIndex = form.HarmonicIndex;
  for (int row = 1; row <= HarmonicCount; ++row)
    v.GridTexts << form.PhasorGrid->item(row, 1)->text() << form.PhasorGrid->item(row, 2)->text();
  return v;
}

void PressOn(QWidget *canvas, QPoint position)
{
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, QPointF(position), QPointF(position), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &event);
  }
}

// Every text the window shows that does not depend on the mouse or on the
// files used, each after its control's name: labels, buttons, group boxes,
// menus, actions, drop-down items, grid headings and the caption.
QStringList WindowTexts(TRotantsForm &form)
{
  QStringList texts{form.CaptionText};
  const auto add = [&texts](const QObject *control, const QString &text) {
    texts << control->objectName() + QStringLiteral(": ") + text;
  };
  for (const QWidget *widget : form.findChildren<QWidget *>()) {
    // The error panel is written when it is shown.
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))
        || widget == form.StatusPanel0 || widget == form.StatusPanel2
        || widget == form.Plots->TimeValuesPanel
        || (widget == form.StatusPanel3 && widget->isHidden()))
      continue;
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
      add(widget, label->text());
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
      add(widget, button->text());
    } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
      add(widget, group->title());
    } else if (const auto *menu = qobject_cast<const QMenu *>(widget)) {
      add(widget, menu->title());
    } else if (const auto *box = qobject_cast<const QComboBox *>(widget)) {
      for (int item = 0; item < box->count(); ++item)
        add(widget, box->itemText(item));
    } else if (const auto *grid = qobject_cast<const QTableWidget *>(widget)) {
      for (int column = 0; column < grid->columnCount(); ++column)
        add(widget, grid->item(0, column)->text() + QLatin1Char('/')
                        + grid->horizontalHeaderItem(column)->text());
    }
  }
  // The recent files are the monkey's own.
  static const QRegularExpression recentFile(QStringLiteral("^FileRecent\\d+$"));
  for (const QAction *action : form.findChildren<QAction *>()) {
    if (!action->objectName().isEmpty() && !recentFile.match(action->objectName()).hasMatch())
      add(action, action->text());
  }
  // In the order of their names: raising a button reorders its parent's
  // children.
  texts.sort();
  return texts;
}

QtMessageHandler QtTestHandler = nullptr;

// Drops two notes of the headless platform that every box and every exotic
// text of the catalogue repeats, so that they neither flood a long run's log
// nor use up Qt Test's limit of 2000 messages before the summary.
void WithoutPlatformNoise(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
  if (text.contains(QLatin1String("does not support propagateSizeHints"))
      || text.contains(QLatin1String("OpenType support missing")))
    return;
  QtTestHandler(type, context, text);
}

}  // namespace

class TestMonkey : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void cleanupTestCase() { qInstallMessageHandler(QtTestHandler); }
  void RandomActionsKeepInvariants();
  void CatalogueTexts_data();
  void CatalogueTexts();

private:
  // After the random run: the window still behaves as a fresh one does.
  void VerifyLikeFreshWindow(TRotantsForm &form);
};

void TestMonkey::initTestCase()
{
  QtTestHandler = qInstallMessageHandler(WithoutPlatformNoise);
  // Sound On plays on the shared null sink: take turns with the test programs
  // that record it.
  NullSink::Unavailable();
}

void TestMonkey::RandomActionsKeepInvariants()
{
  const qint64 count = ActionCount();
  const quint64 seed = Seed();
  qInfo("monkey: %lld actions, seed %llu (replay with ROTANTS_MONKEY_SEED=%llu "
        "ROTANTS_MONKEY_ACTIONS=%lld)",
        count, seed, seed, count);

  TRotantsForm form;
  form.show();
  // Keyboard accelerators reach only the active window.
  form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  TMessageBoxCatcher catcher;
  TMonkeyDriver monkey(form, seed, catcher);
  const QString atStart = monkey.CheckInvariants();
  QVERIFY2(atStart.isEmpty(), qPrintable(atStart));

  QStringList recent;
  QElapsedTimer clock;
  clock.start();
  qint64 refused = 0;
  QElapsedTimer checking;
  qint64 checks = 0;  // nanoseconds
  for (qint64 i = 1; i <= count; ++i) {
    const qsizetype boxesBefore = catcher.Messages.size();
    QString action = monkey.Act();

    // Boxes are those of refused texts only. An accelerator's click comes
    // 100 ms after the key, so an earlier Alt+U may add a second Update, and
    // with it a second box, to a later action.
    QString problems;
    for (qsizetype b = boxesBefore; b < catcher.Messages.size(); ++b) {
      const QString &text = catcher.Messages[b].Text;
      // A NUL the box quotes would end the printed report.
      action += QStringLiteral(" [box: %1]").arg(text.left(80).replace(QChar(0), QLatin1String("\\x00")));
      // The question before unsaved hand-made work is dropped (answered
      // Discard by the catcher) is no refusal.
      if (catcher.Messages[b].Buttons.testFlag(QMessageBox::Discard))
        continue;
      ++refused;
      if (!monkey.IsRefusedTextMessage(text))
        problems = QStringLiteral("unexpected message box: ") + text;
    }
    recent << QStringLiteral("#%1 %2").arg(i).arg(action);
    if (recent.size() > ReplayTail)
      recent.removeFirst();
    if (problems.isEmpty()) {
      checking.start();
      problems = monkey.CheckInvariants();
      checks += checking.nsecsElapsed();
    }
    if (!problems.isEmpty()) {
      const QString report = QStringLiteral("seed %1, action #%2: %3\nlast actions:\n  %4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(problems, recent.join(QStringLiteral("\n  ")));
      QFAIL(qPrintable(report));
    }
    if (i % 50000 == 0)
      qInfo("monkey: %lld actions in %lld s", i, qint64(clock.elapsed() / 1000));
  }

  QStringList kinds;
  for (auto it = monkey.Counts.cbegin(); it != monkey.Counts.cend(); ++it)
    kinds << QStringLiteral("%1 %2 (%3 s)")
                 .arg(it.value())
                 .arg(it.key())
                 .arg(monkey.Milliseconds.value(it.key()) / 1000.0, 0, 'f', 1);
  qInfo("monkey: %lld actions in %.1f s (checks %.1f s), 0 findings; %lld texts refused with a "
        "box; %s",
        count, clock.elapsed() / 1000.0, checks / 1e9, refused,
        qPrintable(kinds.join(QStringLiteral(", "))));

  VerifyLikeFreshWindow(form);
}

// The same choices in the monkeyed window and in a fresh one give the same
// entries, grid, ideal wave and reconstruction, the same pictures and display
// pictures (the strip's too) at the monkey's zoom, spectrum view and teaching
// options, and, back in English, the same texts; a click on the phasor plane
// still places the next harmonic.
void TestMonkey::VerifyLikeFreshWindow(TRotantsForm &form)
{
  // Clicks of accelerators pressed last land within 100 ms.
  QTest::qWait(150);
  form.StopBtn->click();
  form.findChild<QAction *>(QStringLiteral("ViewLanguage_en"))->trigger();
  TRotantsForm fresh;
  fresh.show();
  QVERIFY(QTest::qWaitForWindowExposed(&fresh));
  // The strip first: the window's size, and so the zoom the screen allows,
  // follow from it.
  for (QAction *TRotantsForm::*option :
       {&TRotantsForm::ViewSpectrum, &TRotantsForm::ViewSpectrumDecibels}) {
    if ((fresh.*option)->isChecked() != (form.*option)->isChecked())
      (fresh.*option)->trigger();
  }
  if (form.ViewFullScreen->isChecked())
    fresh.ViewFullScreen->trigger();
  else
    fresh.SetZoom(form.ZoomFactor);
  QCOMPARE(fresh.ZoomFactor, form.ZoomFactor);
  for (QAction *TRotantsForm::*option : {&TRotantsForm::ViewHighlightHarmonic,
                                         &TRotantsForm::ViewSoloHarmonic,
                                         &TRotantsForm::ViewShowError}) {
    if ((fresh.*option)->isChecked() != (form.*option)->isChecked())
      (fresh.*option)->trigger();
  }
  // A listening window keeps changing its set; it stops before the two are
  // compared.
  form.Recorder->StopListening();
  if (fresh.ViewAxes->isChecked() != form.ViewAxes->isChecked())
    fresh.ViewAxes->trigger();
  if (fresh.ViewShape->isChecked() != form.ViewShape->isChecked())
    fresh.ViewShape->trigger();
  fresh.Playback->SetSpeed(form.Playback->Speed());
  form.ExerciseEnd->trigger();
  fresh.ExerciseLevel->setValue(form.ExerciseLevel->value());
  fresh.SetShape(form.Document.Shape);
  if (fresh.PhasorEditPanel->isHidden() != form.PhasorEditPanel->isHidden())
    fresh.EditRotantsBtn->click();
  const auto boxes = [](TRotantsForm &window) {
    return std::array<QCheckBox *, 6>{window.RealValueCheckBox, window.RotateComplexPlaneCheckBox,
                                      window.TraceCheckBox,     window.ConjugateCheckBox,
                                      window.TimeGridCheckBox,  window.IdealWaveCheckBox};
  };
  for (int i = 0; i < 6; ++i) {
    if (boxes(fresh)[i]->isChecked() != boxes(form)[i]->isChecked())
      boxes(fresh)[i]->click();
  }
  for (TRotantsForm *window : {&form, &fresh}) {
    ChooseHighestHarmonic(*window, 25);
    window->TimeTrackBar->setValue(200);
    ChooseWaveform(*window, SquareItem);
  }
  QCOMPARE(EntryValues(form), EntryValues(fresh));
  QCOMPARE(form.IdealWave, fresh.IdealWave);
  QVERIFY(std::equal(form.ReconWave.begin(), form.ReconWave.begin() + 201,
                     fresh.ReconWave.begin()));

  // The monkey's selected harmonic, which the highlight draws.
  const int row = std::clamp(form.PhasorGrid->currentRow(), 1, HarmonicCount);
  for (TRotantsForm *window : {&form, &fresh}) {
    window->PhasorGrid->setCurrentCell(row, 1);
    ChooseWaveform(*window, CustomRotantsItem);
    PressOn(window->PhasorImage, QPoint(188, 125));
    PressOn(window->PhasorImage, QPoint(188, 62));
  }
  QCOMPARE(form.HarmonicIndex, 3);
  QCOMPARE(EntryValues(form), EntryValues(fresh));
  QCOMPARE(form.PhasorImage->Image(), fresh.PhasorImage->Image());
  QCOMPARE(form.TimeImage->Image(), fresh.TimeImage->Image());
  QCOMPARE(form.PhasorImage->DisplayImage(), fresh.PhasorImage->DisplayImage());
  QCOMPARE(form.TimeImage->DisplayImage(), fresh.TimeImage->DisplayImage());
  QCOMPARE(form.SpectrumImage->isHidden(), fresh.SpectrumImage->isHidden());
  if (!form.SpectrumImage->isHidden()) {
    QCOMPARE(form.SpectrumImage->Image(), fresh.SpectrumImage->Image());
    QCOMPARE(form.SpectrumImage->DisplayImage(), fresh.SpectrumImage->DisplayImage());
  }
  QCOMPARE(WindowTexts(form), WindowTexts(fresh));
}

// Every text of the monkey's catalogue, as magnitude and as angle beside a
// valid other field: it is either refused with one box that quotes it and
// changes nothing, or applied as the number the grid then shows. "refused"
// marks the texts that must be refused.
void TestMonkey::CatalogueTexts_data()
{
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("asMagnitude");  // grid text, or "refused"
  QTest::addColumn<QString>("asAngle");

  const QString refused = QStringLiteral("refused");
  const auto both = [&](const char *name, const QString &text) {
    QTest::newRow(name) << text << refused << refused;
  };
  both("empty", QString());
  both("blanks", QStringLiteral("   "));
  both("letters", QStringLiteral("abc"));
  both("nan", QStringLiteral("nan"));
  both("inf", QStringLiteral("inf"));
  both("-inf", QStringLiteral("-inf"));
  both("comma", QStringLiteral("1,5"));
  both("hex", QStringLiteral("0x10"));
  both("Arabic-Indic digits", QString::fromUtf8("\u0661\u0662"));
  both("fullwidth digits", QString::fromUtf8("\uFF11\uFF10"));
  both("minus sign", QString::fromUtf8("\u2212" "1"));
  both("control character", QStringLiteral("\x01"));
  both("trailing newline", QStringLiteral("1\n"));
  both("embedded NUL", QStringLiteral("1") + QChar(0));
  both("100 000 letters", QString(100000, QLatin1Char('a')));
  both("exponent without digits", QStringLiteral("1e+"));
  QTest::newRow("1e309") << QStringLiteral("1e309") << "0.0000" << "0.0";
  QTest::newRow("-1e309") << QStringLiteral("-1e309") << "0.0000" << "0.0";
  QTest::newRow("1e-400") << QStringLiteral("1e-400") << "0.0000" << "0.0";
  QTest::newRow("exponent beyond 64 bits")
      << QStringLiteral("1e99999999999999999999") << "0.0000" << "0.0";
  QTest::newRow("negative exponent beyond 64 bits")
      << QStringLiteral("1e-99999999999999999999") << "0.0000" << "0.0";
  QTest::newRow("-0") << QStringLiteral("-0") << "0.0000" << "0.0";
  QTest::newRow("tabs around") << QStringLiteral("\t0.5\t") << "0.5000" << "0.5";
  QTest::newRow("100 000 digits") << QString(100000, QLatin1Char('9')) << "0.0000" << "0.0";
  QTest::newRow("500 leading zeros")
      << QStringLiteral("0.") + QString(500, QLatin1Char('0')) + "1" << "0.0000" << "0.0";
  QTest::newRow("11") << QStringLiteral("11") << "0.0000" << "11.0";
  QTest::newRow("-181") << QStringLiteral("-181") << "0.0000" << "0.0";
}

void TestMonkey::CatalogueTexts()
{
  QFETCH(QString, text);
  QFETCH(QString, asMagnitude);
  QFETCH(QString, asAngle);

  TRotantsForm form;
  form.EditRotantsBtn->click();
  TMessageBoxCatcher catcher;
  ClickGridRow(form, 4);
  for (const bool magnitude : {true, false}) {
    const QString expected = magnitude ? asMagnitude : asAngle;
    QLineEdit *bad = magnitude ? form.MagnitudeEdit : form.AngleEdit;
    QLineEdit *good = magnitude ? form.AngleEdit : form.MagnitudeEdit;
    good->setText(magnitude ? QStringLiteral("45") : QStringLiteral("0.5"));
    bad->setText(text);
    const TEntryValues before = EntryValues(form);
    catcher.Messages.clear();

    form.PhasorUpdateBtn->click();

    QVERIFY(!QApplication::activeModalWidget());
    if (expected == QStringLiteral("refused")) {
      QCOMPARE(catcher.Messages.size(), 1);
      // The line edit keeps at most 32767 characters, and the box quotes at most
      // 60 of them.
      QVERIFY(catcher.Messages[0].Text.startsWith(QLatin1Char('\'') + bad->text().left(60)));
      QVERIFY(catcher.Messages[0].Text.endsWith(RefusedSuffix));
      QCOMPARE(EntryValues(form), before);
    } else {
      QVERIFY2(catcher.Messages.isEmpty(), qPrintable(catcher.Messages.value(0).Text));
      QCOMPARE(form.PhasorGrid->item(4, magnitude ? 1 : 2)->text(), expected);
      QCOMPARE(form.PhasorGrid->item(4, magnitude ? 2 : 1)->text(),
               magnitude ? QStringLiteral("45.0") : QStringLiteral("0.5000"));
      QCOMPARE(form.HarmonicIndex, 3);
      QVERIFY(std::isfinite(form.PhasorList[3].Re) && std::isfinite(form.PhasorList[3].Im));
    }
  }
}

// The screen is as large as a projector's, 2560 x 1440, so that every zoom
// step fits and full screen shows the window at more than 3 times its size.
int main(int argc, char **argv)
{
  QTemporaryDir directory;
  QFile screen(directory.filePath(QStringLiteral("screen.json")));
  if (!screen.open(QIODevice::WriteOnly))
    return 1;
  screen.write(R"({"screens": [{"name": "Projector", "x": 0, "y": 0, "width": 2560,
                   "height": 1440, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  screen.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen.fileName()).toLocal8Bit());
  QApplication app(argc, argv);
  // Qt Test's watchdog ends a test function after 5 minutes; a long random
  // run gets 20 ms per action, ten times what one takes under the sanitizers.
  if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
    qputenv("QTEST_FUNCTION_TIMEOUT",
            QByteArray::number(std::max<qint64>(300000, ActionCount() * 20)));
  TestMonkey test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey.moc"
