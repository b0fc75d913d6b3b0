#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "MonkeyDriver.h"
#include "NullSinkRecorder.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <memory>

// The main window opened and closed again and again, in every state a user
// can close it from, and the whole program run from start to exit in child
// processes. Under the sanitizers every child's exit and this program's own
// exit are checked for leaks.

namespace {

// Makes the test executable run the program's own start-up and message loop
// with one window until that window closes; see RunToExit.
const char RunToExitArgument[] = "--run-to-exit";

constexpr int CustomTimeItem = 1;
constexpr int SquareItem = 2;
constexpr int Rounds = 12;

void SendMouse(QWidget *canvas, QEvent::Type type, QPoint position, Qt::MouseButtons held)
{
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(position), QPointF(position), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(canvas, &event);
}

// Brings a fresh window into the state named by scenario.
void Prepare(TRotantsForm &form, const QString &scenario, TMessageBoxCatcher &catcher,
             quint64 seed)
{
  if (scenario == QStringLiteral("playing with sound")) {
    form.SoundCheckBox->click();
    ChooseWaveform(form, SquareItem);
    form.PlayBtn->click();
    QTest::qWait(30);
  } else if (scenario == QStringLiteral("in the middle of a stroke")) {
    ChooseWaveform(form, CustomTimeItem);
    SendMouse(form.TimeImage, QEvent::MouseButtonPress, QPoint(10, 20), Qt::LeftButton);
    SendMouse(form.TimeImage, QEvent::MouseMove, QPoint(200, 200), Qt::LeftButton);
  } else if (scenario == QStringLiteral("after a refused text")) {
    form.EditRotantsBtn->click();
    form.MagnitudeEdit->setText(QStringLiteral("abc"));
    form.PhasorUpdateBtn->click();
    QCOMPARE(catcher.Messages.size(), 1);
  } else if (scenario == QStringLiteral("after random actions")) {
    TMonkeyDriver monkey(form, seed, catcher);
    for (int i = 0; i < 200; ++i)
      monkey.Act();
  }
}

// Child side of RunToExit: the entry point's sequence, with the window closed
// by the user after a short while, the message loop ending with it.
int RunChild(int argc, char **argv)
{
  QApplication app(argc, argv);
  const QString scenario = QString::fromLocal8Bit(argv[2]);
  TMessageBoxCatcher catcher;
  TRotantsForm form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form))
    return 5;
  Prepare(form, scenario, catcher, 1);
  QTimer::singleShot(150, &form, [&form] { form.FileExit->trigger(); });
  const int status = app.exec();
  if (form.SimulationTimer->isActive())
    return 4;
  return status;
}

}  // namespace

class TestLifecycle : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void OpenAndCloseRepeatedly_data();
  void OpenAndCloseRepeatedly();
  void LateEventsAfterClose();
  void RunToExit_data();
  void RunToExit();
};

// The windows with real sound play on the shared null sink: take turns with
// the test programs that record it.
void TestLifecycle::initTestCase()
{
  NullSink::Unavailable();
}

void TestLifecycle::OpenAndCloseRepeatedly_data()
{
  QTest::addColumn<QString>("scenario");
  QTest::addColumn<bool>("realSound");
  QTest::addColumn<bool>("closeFirst");  // false: destroyed without a close event

  for (const char *scenario : {"idle", "playing with sound", "in the middle of a stroke",
                               "after a refused text", "after random actions"}) {
    QTest::addRow("%s, recorded sound", scenario) << QString::fromLatin1(scenario) << false << true;
    QTest::addRow("%s, real sound", scenario) << QString::fromLatin1(scenario) << true << true;
  }
  QTest::newRow("playing with sound, destroyed unclosed")
      << QStringLiteral("playing with sound") << true << false;
}

// Each round opens a window, brings it into the scenario's state and closes
// it: the timer stops, the sound stops, the window and everything it owns
// (the sound service included) go away, and no window or box is left over.
void TestLifecycle::OpenAndCloseRepeatedly()
{
  QFETCH(QString, scenario);
  QFETCH(bool, realSound);
  QFETCH(bool, closeFirst);

  std::unique_ptr<TRecordingSoundScope> recorded;
  if (!realSound)
    recorded = std::make_unique<TRecordingSoundScope>();
  TMessageBoxCatcher catcher;
  const qsizetype windowsBefore = QApplication::topLevelWidgets().size();

  for (int round = 0; round < Rounds; ++round) {
    catcher.Messages.clear();
    auto form = std::make_unique<TRotantsForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Prepare(*form, scenario, catcher, quint64(round + 1));
    if (closeFirst) {
      if (round % 2)
        form->FileExit->trigger();
      else
        QVERIFY(form->close());
      QVERIFY(!form->isVisible());
      QVERIFY(!form->SimulationTimer->isActive());
      if (recorded)
        QVERIFY(recorded->Log->Looping.isEmpty());
    }
    form.reset();
    QTest::qWait(5);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    if (recorded) {
      QCOMPARE(recorded->Log->ServicesDestroyed, recorded->Log->ServicesCreated);
      QVERIFY(recorded->Log->Looping.isEmpty());
    }
  }
}

// Events that arrive after the close (a queued tick, a mouse event, a control
// driven by a keyboard shortcut) meet a complete window, and the window shown
// again works as before.
void TestLifecycle::LateEventsAfterClose()
{
  TRecordingSoundScope sound;
  TMessageBoxCatcher catcher;
  TRotantsForm form;
  form.show();
  ChooseWaveform(form, SquareItem);
  form.PlayBtn->click();
  form.close();

  form.SimulationTimerTimer();
  SendMouse(form.TimeImage, QEvent::MouseButtonPress, QPoint(INT_MAX, INT_MIN), Qt::LeftButton);
  SendMouse(form.PhasorImage, QEvent::MouseButtonPress, QPoint(125, 125), Qt::LeftButton);
  form.TimeTrackBar->setValue(300);
  ChooseWaveform(form, CustomTimeItem);
  TMonkeyDriver monkey(form, 7, catcher);
  QCOMPARE(monkey.CheckInvariants(), QString());

  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  for (int i = 0; i < 300; ++i) {
    const QString action = monkey.Act();
    const QString problems = monkey.CheckInvariants();
    QVERIFY2(problems.isEmpty(), qPrintable(action + QStringLiteral(": ") + problems));
  }
}

void TestLifecycle::RunToExit_data()
{
  QTest::addColumn<QString>("scenario");
  for (const char *scenario : {"idle", "playing with sound", "in the middle of a stroke",
                               "after random actions"})
    QTest::newRow(scenario) << QString::fromLatin1(scenario);
}

// The program from start to exit in a child process: the message loop ends
// when the window is closed by File > Exit, and the process exits with status
// 0, which under the sanitizers also means no leak and no error at exit.
void TestLifecycle::RunToExit()
{
  QFETCH(QString, scenario);
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(),
              {QString::fromLatin1(RunToExitArgument), scenario});
  QVERIFY(child.waitForStarted(10000));
  const bool finished = child.waitForFinished(120000);
  if (!finished)
    child.kill();
  const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
  QVERIFY2(finished, "the program does not end after its window closed");
  QVERIFY2(child.exitStatus() == QProcess::NormalExit, qPrintable(errors));
  QVERIFY2(child.exitCode() == 0,
           qPrintable(QStringLiteral("exit status %1\n%2").arg(child.exitCode()).arg(errors)));
  QVERIFY2(!errors.contains(QStringLiteral("Sanitizer")), qPrintable(errors));
}

int main(int argc, char **argv)
{
  if (argc > 2 && std::strcmp(argv[1], RunToExitArgument) == 0)
    return RunChild(argc, argv);
  QApplication app(argc, argv);
  TestLifecycle test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_lifecycle.moc"
