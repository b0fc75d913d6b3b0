#include "AboutForm.h"
#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

// The main window as the user first sees it: layout, captions, initial states,
// menu and about box.
class TShellTest : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void CaptionAndTitle();
  void ClientAreaIsFixed();
  void ControlGeometry_data();
  void ControlGeometry();
  void InitialCheckStates_data();
  void InitialCheckStates();
  void InitialVisibility_data();
  void InitialVisibility();
  void DropDownItems();
  void DropDownsRefuseTyping();
  void SliderAndTimer();
  void StatusPanels();
  void NewStatusTextNeedsNoLayout();
  void PlayIsInFrontOfStop();
  void GridShape();
  void MenuStructure();
  void ExitClosesTheWindow();
  void AboutIsModalAndOkCloses();
  void AboutPictureShowsBothPlots();

private:
  std::unique_ptr<TRotantsForm> Form;
};

namespace {

// The caption a desktop shows for a window: Qt's platform windows append the
// application's display name, when there is one, to every caption that does
// not already end with it.
QString ShownTitle(const QWidget *window)
{
  const QString name = QGuiApplication::applicationDisplayName();
  const QString title = window->windowTitle();
  if (name.isEmpty() || title.endsWith(name))
    return title;
  return title + QString::fromUtf8(" \u2014 ") + name;
}

}  // namespace

void TShellTest::init()
{
  Form = std::make_unique<TRotantsForm>();
}

void TShellTest::cleanup()
{
  Form.reset();
}

void TShellTest::CaptionAndTitle()
{
  QCOMPARE(Form->windowTitle(), QString("Rotants 1.0"));
  QCOMPARE(Form->CaptionText, QString("Rotants 1.0"));
  QCOMPARE(ShownTitle(Form.get()), QString("Rotants 1.0"));
  QVERIFY(!Form->windowIcon().isNull());
}

void TShellTest::ClientAreaIsFixed()
{
  QWidget *client = Form->centralWidget();
  QCOMPARE(client->size(), QSize(782, 384));
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  QCOMPARE(Form->minimumSize(), Form->maximumSize());
  QCOMPARE(Form->height(), Form->menuBar()->height() + 384);
  QCOMPARE(Form->width(), 782);
}

void TShellTest::ControlGeometry_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("caption");
  const auto row = [](const char *name, QRect geometry, const char *caption) {
    QTest::newRow(name) << QString(name) << geometry << QString::fromUtf8(caption);
  };
  row("MenuBevel", {0, 0, 782, 2}, "");
  row("TimeImage", {268, 8, 512, 251}, "");
  row("PhasorImage", {8, 8, 251, 251}, "");
  row("Re0Label", {242, 136, 14, 13}, "Re");
  row("Im0Label", {136, 11, 11, 13}, "Im");
  row("Im90Label", {11, 136, 11, 13}, "Im");
  row("Re90Label", {136, 11, 14, 13}, "Re");
  row("WaveformLabel", {8, 264, 52, 13}, "Waveform:");
  row("PhasorHelpLabel", {16, 240, 128, 13}, "Left-click to place a phasor");
  row("HighestHarmonicLabel", {112, 264, 85, 13}, "Highest harmonic:");
  row("TimeHelpLabel", {272, 240, 191, 13}, "Left-click and drag to create a waveform");
  row("PhasorEditPanel", {1, 8, 265, 252}, "");
  row("StopBtn", {560, 304, 75, 25}, "&Stop");
  row("PlayBtn", {560, 304, 75, 25}, "&Play");
  row("StatusBar", {0, 365, 782, 19}, "");
  row("TimeTrackBar", {264, 260, 513, 17}, "");
  row("ClearBtn", {560, 336, 75, 25}, "&Clear");
  row("WaveformComboBox", {8, 280, 105, 21}, "");
  row("PhasorOptionsGroupBox", {8, 304, 305, 57}, "Phasor Options");
  row("EditRotantsBtn", {192, 278, 75, 25}, "Show &Editor");
  row("HighestHarmonicComboBox", {120, 280, 65, 21}, "");
  row("TimeOptionsGroupBox", {320, 304, 233, 57}, "Time Options");
  row("RealValueCheckBox", {8, 16, 145, 17}, "Show Real &Value");
  row("RotateComplexPlaneCheckBox", {8, 32, 145, 17}, "&Rotate Complex Plane 90°");
  row("TraceCheckBox", {160, 32, 137, 17}, "Leave Phasor &Trace");
  row("ConjugateCheckBox", {159, 16, 137, 17}, "Use Conjugate Rotants");
  row("TimeGridCheckBox", {8, 16, 65, 17}, "&Grid On");
  row("SoundCheckBox", {80, 16, 73, 17}, "Sound On");
  row("RepeatPlayCheckBox", {8, 32, 73, 17}, "Repeat");
  row("IdealWaveCheckBox", {80, 32, 73, 17}, "Ideal Wave");
  row("PhasorGrid", {8, 8, 249, 178}, "");
  row("EditPhasorBox", {8, 186, 249, 59}, "Edit Phasor");
  row("HarmonicLabel", {8, 16, 45, 13}, "Harmonic");
  row("MagnitudeLabel", {56, 16, 50, 13}, "Magnitude");
  row("AngleLabel", {115, 16, 40, 13}, "Angle (°)");
  row("HarmonicEdit", {8, 32, 33, 21}, "0");
  row("MagnitudeEdit", {56, 32, 49, 21}, "0.0000");  // as start-up leaves it
  row("AngleEdit", {112, 32, 41, 21}, "0.0");
  row("PhasorUpdateBtn", {164, 22, 75, 25}, "&Update");
}

QString CaptionOf(QWidget *widget)
{
  if (auto *label = qobject_cast<QLabel *>(widget))
    return label->text();
  if (auto *button = qobject_cast<QAbstractButton *>(widget))
    return button->text();
  if (auto *box = qobject_cast<QGroupBox *>(widget))
    return box->title();
  if (auto *edit = qobject_cast<QLineEdit *>(widget))
    return edit->text();
  return QString();
}

void TShellTest::ControlGeometry()
{
  QFETCH(QString, name);
  QFETCH(QRect, geometry);
  QFETCH(QString, caption);

  auto *widget = Form->findChild<QWidget *>(name);
  QVERIFY2(widget, qPrintable(name));
  QCOMPARE(widget->geometry(), geometry);
  QCOMPARE(CaptionOf(widget), caption);
}

void TShellTest::InitialCheckStates_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("checked");
  QTest::newRow("RealValue") << "RealValueCheckBox" << true;
  QTest::newRow("RotateComplexPlane") << "RotateComplexPlaneCheckBox" << false;
  QTest::newRow("Trace") << "TraceCheckBox" << false;
  QTest::newRow("Conjugate") << "ConjugateCheckBox" << false;
  QTest::newRow("TimeGrid") << "TimeGridCheckBox" << true;
  QTest::newRow("Sound") << "SoundCheckBox" << false;
  QTest::newRow("RepeatPlay") << "RepeatPlayCheckBox" << true;
  QTest::newRow("IdealWave") << "IdealWaveCheckBox" << true;
}

void TShellTest::InitialCheckStates()
{
  QFETCH(QString, name);
  QFETCH(bool, checked);
  auto *box = Form->findChild<QCheckBox *>(name);
  QVERIFY(box);
  QCOMPARE(box->isChecked(), checked);
}

void TShellTest::InitialVisibility_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("shown");
  QTest::newRow("Re0Label") << "Re0Label" << true;
  QTest::newRow("Im0Label") << "Im0Label" << true;
  QTest::newRow("Im90Label") << "Im90Label" << false;
  QTest::newRow("Re90Label") << "Re90Label" << false;
  QTest::newRow("PhasorHelpLabel") << "PhasorHelpLabel" << true;
  QTest::newRow("TimeHelpLabel") << "TimeHelpLabel" << false;
  QTest::newRow("PhasorEditPanel") << "PhasorEditPanel" << false;
}

void TShellTest::InitialVisibility()
{
  QFETCH(QString, name);
  QFETCH(bool, shown);
  auto *widget = Form->findChild<QWidget *>(name);
  QVERIFY(widget);
  QCOMPARE(!widget->isHidden(), shown);
  QVERIFY(!Form->HarmonicEdit->isEnabled());
}

void TShellTest::DropDownItems()
{
  const QStringList waveforms = {"Custom Rotants",   "Custom Time",    "Square",
                                 "Rectangular Pulse", "Bipolar Pulse", "Triangle",
                                 "Sawtooth",          "Rectified Cosine", "Impulse train"};
  QCOMPARE(Form->WaveformComboBox->count(), waveforms.size());
  for (int i = 0; i < waveforms.size(); ++i)
    QCOMPARE(Form->WaveformComboBox->itemText(i), waveforms[i]);
  QCOMPARE(Form->WaveformComboBox->currentText(), QString("Custom Rotants"));

  QCOMPARE(Form->HighestHarmonicComboBox->count(), 26);
  for (int k = 0; k <= 25; ++k)
    QCOMPARE(Form->HighestHarmonicComboBox->itemText(k), QString::number(k));
  QCOMPARE(Form->HighestHarmonicComboBox->currentText(), QString("25"));
}

void TShellTest::DropDownsRefuseTyping()
{
  for (QComboBox *box : {Form->WaveformComboBox, Form->HighestHarmonicComboBox}) {
    QVERIFY(!box->isEditable());
    QVERIFY(!box->lineEdit());
  }
}

void TShellTest::SliderAndTimer()
{
  QCOMPARE(Form->TimeTrackBar->minimum(), 0);
  QCOMPARE(Form->TimeTrackBar->maximum(), 511);
  QCOMPARE(Form->TimeTrackBar->value(), 0);
  QCOMPARE(Form->TimeTrackBar->pageStep(), 51);
  QCOMPARE(Form->TimeTrackBar->orientation(), Qt::Horizontal);
  QCOMPARE(Form->TimeTrackBar->tickPosition(), QSlider::NoTicks);
  QCOMPARE(Form->SimulationTimer->interval(), 10);
  QCOMPARE(Form->SimulationTimer->timerType(), Qt::PreciseTimer);
  QVERIFY(!Form->SimulationTimer->isActive());
}

void TShellTest::StatusPanels()
{
  QLabel *panels[] = {Form->StatusPanel0, Form->StatusPanel1, Form->StatusPanel2};
  const int widths[] = {150, 100, 100};
  const char *names[] = {"StatusPanel0", "StatusPanel1", "StatusPanel2"};
  for (int i = 0; i < 3; ++i) {
    QCOMPARE(panels[i]->objectName(), QString(names[i]));
    QCOMPARE(panels[i]->width(), widths[i]);
    QVERIFY(Form->StatusBar->isAncestorOf(panels[i]));
  }
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  QVERIFY(Form->StatusPanel0->x() < Form->StatusPanel1->x());
  QVERIFY(Form->StatusPanel1->x() < Form->StatusPanel2->x());
  QCOMPARE(Form->StatusPanel1->text(), QString("N: 0"));
}

namespace {

class TLayoutRequestCounter : public QObject {
public:
  int Count = 0;

protected:
  bool eventFilter(QObject *, QEvent *event) override
  {
    Count += event->type() == QEvent::LayoutRequest;
    return false;
  }
};

}  // namespace

// The step panel changes on every animation tick; that must not lay the status
// bar out again (and repaint all of it) each time.
void TShellTest::NewStatusTextNeedsNoLayout()
{
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  QCoreApplication::processEvents();
  TLayoutRequestCounter counter;
  Form->StatusBar->installEventFilter(&counter);
  for (int n = 1; n <= 20; ++n) {
    Form->StatusPanel1->setText(QString("N: %1").arg(n * 17));
    QCoreApplication::processEvents();
  }
  QCOMPARE(counter.Count, 0);
  QCOMPARE(Form->StatusPanel1->width(), 100);
}

void TShellTest::PlayIsInFrontOfStop()
{
  const QObjectList &siblings = Form->PlayBtn->parent()->children();
  QVERIFY(siblings.indexOf(Form->PlayBtn) > siblings.indexOf(Form->StopBtn));
  QCOMPARE(Form->PlayBtn->geometry(), Form->StopBtn->geometry());
}

void TShellTest::GridShape()
{
  QCOMPARE(Form->PhasorGrid->rowCount(), 27);
  QCOMPARE(Form->PhasorGrid->columnCount(), 3);
  QCOMPARE(Form->PhasorGrid->columnWidth(0), 75);
  QCOMPARE(Form->PhasorGrid->selectionBehavior(), QAbstractItemView::SelectRows);
  QCOMPARE(Form->PhasorGrid->editTriggers(), QAbstractItemView::NoEditTriggers);
  // The heading row and the harmonic column can never become current.
  QVERIFY(!(Form->PhasorGrid->item(0, 1)->flags() & Qt::ItemIsEnabled));
  QVERIFY(!(Form->PhasorGrid->item(5, 0)->flags() & Qt::ItemIsEnabled));
  QVERIFY(Form->PhasorGrid->item(5, 1)->flags() & Qt::ItemIsSelectable);
}

void TShellTest::MenuStructure()
{
  QCOMPARE(Form->MainMenu->objectName(), QString("MainMenu"));
  QCOMPARE(Form->MenuFile->title(), QString("&File"));
  QCOMPARE(Form->Help->title(), QString("&Help"));
  const QList<QAction *> fileItems = Form->MenuFile->actions();
  QCOMPARE(fileItems.mid(0, 5), (QList<QAction *>{Form->FileNew, Form->FileOpen,
                                                   Form->FileRecent->menuAction(), Form->FileSave,
                                                   Form->FileSaveAs}));
  QVERIFY(fileItems.at(5)->isSeparator());
  QCOMPARE(fileItems.mid(6), (QList<QAction *>{Form->MenuFileExport->menuAction(), Form->FilePrint,
                                               fileItems.at(8), Form->FileExit}));
  QVERIFY(fileItems.at(8)->isSeparator());
  QCOMPARE(Form->FilePrint->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
  QCOMPARE(Form->MenuFileExport->actions().last(), Form->FileExportFigure);
  // Edit between File and View, Exercise between View and Help; Copy Figure
  // leaves Ctrl+C to the edit boxes.
  QCOMPARE(Form->MainMenu->actions(),
           (QList<QAction *>{Form->MenuFile->menuAction(), Form->MenuEdit->menuAction(),
                             Form->MenuView->menuAction(), Form->MenuExercise->menuAction(),
                             Form->Help->menuAction()}));
  QCOMPARE(Form->MenuEdit->objectName(), QString("MenuEdit"));
  QCOMPARE(Form->EditCopyFigure->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  const QList<QAction *> helpItems = Form->Help->actions();
  QCOMPARE(helpItems.size(), 4);
  QCOMPARE(helpItems.mid(0, 2), (QList<QAction *>{Form->HelpManual, Form->HelpShortcuts}));
  QVERIFY(helpItems.at(2)->isSeparator());
  QCOMPARE(helpItems.at(3), Form->HelpAbout);
  QCOMPARE(Form->HelpManual->shortcut(), QKeySequence(Qt::Key_F1));
  QCOMPARE(Form->FileExit->text(), QString("E&xit"));
  QCOMPARE(Form->HelpAbout->text(), QString("&About..."));
  QCOMPARE(Form->findChild<QAction *>("FileExit"), Form->FileExit);
  QCOMPARE(Form->findChild<QAction *>("HelpAbout"), Form->HelpAbout);
  QCOMPARE(Form->findChild<QAction *>("HelpManual"), Form->HelpManual);
  QCOMPARE(Form->findChild<QAction *>("HelpShortcuts"), Form->HelpShortcuts);
}

void TShellTest::ExitClosesTheWindow()
{
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  Form->FileExit->trigger();
  QVERIFY(!Form->isVisible());
}

void TShellTest::AboutIsModalAndOkCloses()
{
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  bool sawModalBox = false;
  int result = -1;
  QTimer::singleShot(0, this, [&] {
    auto *box = qobject_cast<TAboutBox *>(QApplication::activeModalWidget());
    sawModalBox = box != nullptr && box->isModal() && box->isVisible();
    if (box) {
      QCOMPARE(ShownTitle(box), QString("About"));
      QCOMPARE(box->size(), QSize(468, 185));
      QCOMPARE(box->ProductName->text(), QString("Rotants"));
      QVERIFY(box->ProductName->font().bold());
      QCOMPARE(box->Version->text(), QString("Version 1.0"));
      QCOMPARE(box->OKButton->geometry(), QRect(204, 150, 75, 25));
      QTest::mouseClick(box->OKButton, Qt::LeftButton);
      result = box->result();
    }
  });
  Form->HelpAbout->trigger();
  QVERIFY(sawModalBox);
  QCOMPARE(result, int(QDialog::Accepted));
  QVERIFY(!Form->AboutBox->isVisible());
  QVERIFY(Form->isVisible());
}

void TShellTest::AboutPictureShowsBothPlots()
{
  const QImage picture = TAboutBox::DrawPicture();
  QCOMPARE(picture.size(), QSize(258, 128));
  int red = 0;
  int green = 0;
  int silver = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y) & 0xFFFFFF;
      red += p == 0xFF0000;
      green += p == 0x008000;
      silver += p == 0xC0C0C0;
    }
  }
  QVERIFY(red > 100);
  QVERIFY(green > 200);
  QVERIFY(silver > 5000);
}

QTEST_MAIN(TShellTest)
#include "tst_shell.moc"
