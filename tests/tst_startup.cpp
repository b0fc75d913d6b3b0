#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

class TestStartup : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void CaptionAndTitle();
  void StateAfterStartup();
  void GridAfterStartup();
  void ClosingStopsTheTone_data();
  void ClosingStopsTheTone();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  std::unique_ptr<TMessageBoxCatcher> Catcher;
};

void TestStartup::init()
{
  // The entry point sets this provisional title before the window exists.
  QGuiApplication::setApplicationDisplayName("Rotants V1.0");
  Sound = std::make_unique<TRecordingSoundScope>();
  Catcher = std::make_unique<TMessageBoxCatcher>();
  Form = std::make_unique<TRotantsForm>();
}

void TestStartup::cleanup()
{
  QVERIFY(Catcher->Messages.isEmpty());
  Form.reset();
  Catcher.reset();
  Sound.reset();
}

void TestStartup::CaptionAndTitle()
{
  QCOMPARE(Form->windowTitle(), QString("Rotants 1.0"));
  // The entry point's provisional name is gone: the desktop would append it to
  // the caption of every other window, the about box's among them.
  QVERIFY(QGuiApplication::applicationDisplayName().isEmpty());
}

// Idle in "Custom Rotants": placement mode, every entry zero, harmonic 1 next,
// no tone requested.
void TestStartup::StateAfterStartup()
{
  QCOMPARE(Form->WaveformComboBox->currentText(), QString("Custom Rotants"));
  QCOMPARE(Form->HighestHarmonicComboBox->currentText(), QString("25"));
  QCOMPARE(Form->HighestHarmonic, 25);
  QVERIFY(!Form->PhasorHelpLabel->isHidden());
  QVERIFY(Form->TimeHelpLabel->isHidden());
  QVERIFY(Form->PhasorEditPanel->isHidden());
  QVERIFY(Form->PlayBtnInFront());
  QVERIFY(!Form->SimulationTimer->isActive());
  QCOMPARE(Form->TimeTrackBar->value(), 0);
  QCOMPARE(Form->EditMode, 1);
  QCOMPARE(Form->IdleEditMode, 1);
  QCOMPARE(Form->HarmonicIndex, 1);
  QCOMPARE(Form->BasePhasor, &Form->PhasorList[0]);
  for (const HarmonicPhasor &entry : Form->PhasorList) {
    QCOMPARE(entry.Re, 0.0);
    QCOMPARE(entry.Im, 0.0);
  }
  QCOMPARE(Sound->Log->PlayCount(), 0);
  QCOMPARE(Form->HarmonicEdit->text(), QString("0"));
  QCOMPARE(Form->MagnitudeEdit->text(), QString("0.0000"));
  QCOMPARE(Form->AngleEdit->text(), QString("0.0"));
}

void TestStartup::GridAfterStartup()
{
  const QTableWidget *grid = Form->PhasorGrid;
  QCOMPARE(grid->rowCount(), HarmonicCount + 1);
  QCOMPARE(grid->columnCount(), 3);
  QCOMPARE(grid->item(0, 0)->text(), QString("Harmonic"));
  QCOMPARE(grid->item(0, 1)->text(), QString("Magnitude"));
  QCOMPARE(grid->item(0, 2)->text(), QString::fromUtf8("Angle (\u00B0)"));
  for (int row = 1; row <= HarmonicCount; ++row) {
    QCOMPARE(grid->item(row, 0)->text(), QString::number(row - 1));
    QCOMPARE(grid->item(row, 1)->text(), QString(row == 1 ? "0.0000" : "0.0"));
    QCOMPARE(grid->item(row, 2)->text(), QString("0.0"));
  }

  QCOMPARE(grid->currentRow(), 1);
  QList<QTableWidgetItem *> selected = grid->selectedItems();
  QCOMPARE(selected.size(), 2);
  for (const QTableWidgetItem *item : selected)
    QCOMPARE(item->row(), 1);
}

void TestStartup::ClosingStopsTheTone_data()
{
  QTest::addColumn<int>("highestHarmonic");

  QTest::newRow("all harmonics") << 25;
  QTest::newRow("highest harmonic lowered") << 3;
}

void TestStartup::ClosingStopsTheTone()
{
  QFETCH(int, highestHarmonic);

  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  ChooseHighestHarmonic(*Form, highestHarmonic);
  Form->SoundCheckBox->setChecked(true);
  ChooseWaveform(*Form, 2);
  QVERIFY(!Sound->Log->Looping.isEmpty());
  Form->PlayBtn->click();

  QVERIFY(Form->close());

  QVERIFY(Sound->Log->Looping.isEmpty());
  QCOMPARE(Sound->Log->Events.last(), QString("stop"));
  QVERIFY(!Form->SimulationTimer->isActive());
  QCOMPARE(Form->PhasorList.size(), std::size_t(HarmonicCount));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
