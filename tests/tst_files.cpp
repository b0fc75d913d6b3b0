#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

namespace {

// What the user sees and hears of the window, and the state that decides what
// the next click does.
struct TSnapshot {
  TPhasorArray Entries{};
  QStringList Texts;  // grid rows, then the three edit boxes
  QList<int> Numbers;  // drop-downs, slider, modes, placement, current row
  QList<bool> Flags;   // check boxes, editor shown, playing
  std::array<double, SweepSteps> Ideal{};
  QByteArray Tone;
  QImage Time;
  QImage Plane;
};

TSnapshot Snap(TRotantsForm &form)
{
  TSnapshot s;
  s.Entries = form.PhasorList;
  for (int row = 1; row <= HarmonicCount; ++row)
    s.Texts << form.PhasorGrid->item(row, 1)->text() << form.PhasorGrid->item(row, 2)->text();
  s.Texts << form.HarmonicEdit->text() << form.MagnitudeEdit->text() << form.AngleEdit->text();
  s.Numbers = {form.WaveformComboBox->currentIndex(), form.HighestHarmonicComboBox->currentIndex(),
               form.HighestHarmonic, form.TimeTrackBar->value(), form.EditMode, form.IdleEditMode,
               form.HarmonicIndex, int(form.BasePhasor - form.PhasorList.data()),
               form.PhasorGrid->currentRow()};
  for (QCheckBox *box : {form.RealValueCheckBox, form.RotateComplexPlaneCheckBox,
                         form.TraceCheckBox, form.ConjugateCheckBox, form.TimeGridCheckBox,
                         form.SoundCheckBox, form.RepeatPlayCheckBox, form.IdealWaveCheckBox})
    s.Flags << box->isChecked();
  s.Flags << form.PhasorEditPanel->isHidden() << form.SimulationTimer->isActive();
  s.Ideal = form.IdealWave;
  s.Tone = QByteArray(reinterpret_cast<const char *>(form.MySound->Buffer),
                      int(form.MySound->DataSize));
  s.Time = form.TimeImage->Image().copy();
  s.Plane = form.PhasorImage->Image().copy();
  return s;
}

void CompareSnapshots(const TSnapshot &a, const TSnapshot &b)
{
  QVERIFY(SameEntries(a.Entries, b.Entries));
  QCOMPARE(a.Texts, b.Texts);
  QCOMPARE(a.Numbers, b.Numbers);
  QCOMPARE(a.Flags, b.Flags);
  QVERIFY(a.Ideal == b.Ideal);
  QVERIFY(a.Tone == b.Tone);
  QVERIFY(a.Time == b.Time);
  QVERIFY(a.Plane == b.Plane);
}

void Press(QWidget *canvas, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
  QMouseEvent event(type, QPointF(at), QPointF(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(canvas, &event);
}

enum TBuild { Preset, Placement, Drawing, Options };

// Builds a state by hand on a window at its start-up state.
void Build(TRotantsForm &form, TBuild build, int item, bool conjugate)
{
  if (conjugate)
    form.ConjugateCheckBox->click();
  if (build == Options) {
    form.RotateComplexPlaneCheckBox->click();
    form.TraceCheckBox->click();
    form.TimeGridCheckBox->click();
    form.SoundCheckBox->click();
    form.EditRotantsBtn->click();
    ChooseHighestHarmonic(form, 7);
  }
  ChooseWaveform(form, item);
  if (build == Placement) {
    for (QPoint at : {QPoint(150, 100), QPoint(180, 140), QPoint(100, 60)})
      QTest::mouseClick(form.PhasorImage, Qt::LeftButton, Qt::NoModifier, at);
  } else if (build == Drawing) {
    Press(form.TimeImage, QEvent::MouseButtonPress, QPoint(10, 40), Qt::LeftButton);
    Press(form.TimeImage, QEvent::MouseMove, QPoint(120, 200), Qt::LeftButton);
    Press(form.TimeImage, QEvent::MouseMove, QPoint(300, 90), Qt::LeftButton);
    Press(form.TimeImage, QEvent::MouseButtonRelease, QPoint(300, 90), Qt::NoButton);
  } else if (build == Options) {
    form.PhasorGrid->setCurrentCell(5, 1);
    TypeText(form.MagnitudeEdit, "typed, not applied");
  }
  form.TimeTrackBar->setValue(item * 37 + (conjugate ? 5 : 0));
}

QByteArray GoodFile()
{
  return PhasorSetFile::Write(PhasorSetFile::TState{});
}

// The start-up state's file with one change made to its JSON.
QByteArray Changed(const std::function<void(QJsonObject &)> &change)
{
  QJsonObject root = QJsonDocument::fromJson(GoodFile()).object();
  change(root);
  return QJsonDocument(root).toJson();
}

void SetEntryField(QJsonObject &root, int k, const char *field, const QJsonValue &value)
{
  QJsonArray entries = root["entries"].toArray();
  QJsonObject entry = entries[k].toObject();
  entry[field] = value;
  entries[k] = entry;
  root["entries"] = entries;
}

QByteArray Csv(const QStringList &rows)
{
  return (QStringList{PhasorSetFile::HarmonicsCsvHeader} + rows).join('\n').toUtf8() + '\n';
}

QStringList CsvRows(int count, const QString &pattern = "%1,0.5,30,,")
{
  QStringList rows;
  for (int k = 0; k < count; ++k)
    rows << pattern.arg(k);
  return rows;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadAll(const QString &path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestFiles : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void RoundTripBitForBit_data();
  void RoundTripBitForBit();
  void BadFileChangesNothing_data();
  void BadFileChangesNothing();
  void HarmonicsTableOpens();
  void FailedSaveKeepsTheOldFile();
  void RecentFilesKeptInSettings();
  void NewRestoresStartUp();
  void DropOpensTheFile();
  void CommandLineExitCodes_data();
  void CommandLineExitCodes();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TMessageBoxCatcher> Catcher;
  std::unique_ptr<QTemporaryDir> Dir;
};

void TestFiles::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Catcher = std::make_unique<TMessageBoxCatcher>();
  Dir = std::make_unique<QTemporaryDir>();
}

void TestFiles::cleanup()
{
  Catcher.reset();
  Sound.reset();
  Dir.reset();
}

void TestFiles::RoundTripBitForBit_data()
{
  QTest::addColumn<int>("build");
  QTest::addColumn<int>("item");
  QTest::addColumn<bool>("conjugate");
  for (bool conjugate : {false, true}) {
    const char *convention = conjugate ? "two-sided" : "one-sided";
    for (int item = 0; item < PhasorSetFile::WaveformCount; ++item)
      QTest::addRow("%s %s", qPrintable(PhasorSetFile::WaveformNames()[item]), convention)
          << int(Preset) << item << conjugate;
    QTest::addRow("placement %s", convention) << int(Placement) << 0 << conjugate;
    QTest::addRow("drawing %s", convention) << int(Drawing) << 1 << conjugate;
    QTest::addRow("options %s", convention) << int(Options) << 5 << conjugate;
  }
}

// Opening gives the window that was saved, on a window that showed something
// else, with at most one play request; saving it again gives the same bytes.
void TestFiles::RoundTripBitForBit()
{
  QFETCH(int, build);
  QFETCH(int, item);
  QFETCH(bool, conjugate);
  const QString path = Dir->filePath("set.rotants");
  TRotantsForm built;
  Build(built, TBuild(build), item, conjugate);
  const TSnapshot expected = Snap(built);
  QVERIFY(built.SavePhasorSet(path));

  TRotantsForm opened;
  ChooseWaveform(opened, 6);
  opened.RotateComplexPlaneCheckBox->click();
  opened.TimeTrackBar->setValue(300);
  const int plays = Sound->Log->PlayCount();
  QVERIFY(opened.OpenPhasorSet(path));
  QVERIFY(Sound->Log->PlayCount() - plays <= 1);
  CompareSnapshots(Snap(opened), expected);
  QCOMPARE(opened.windowTitle(), QString("set.rotants - Rotants 1.0"));

  const QString again = Dir->filePath("again.rotants");
  QVERIFY(opened.SavePhasorSet(again));
  QCOMPARE(ReadAll(again), ReadAll(path));
  QVERIFY(Catcher->Messages.isEmpty());
}

void TestFiles::BadFileChangesNothing_data()
{
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("reason");
  const QByteArray good = GoodFile();
  QTest::newRow("not JSON") << QByteArray("Dear students,\n") << "not valid JSON";
  QTest::newRow("empty") << QByteArray() << "empty";
  QTest::newRow("truncated") << good.left(good.size() / 2) << "truncated";
  QTest::newRow("JSON list") << QByteArray("[1, 2]") << "not a Rotants phasor set";
  QTest::newRow("other format")
      << Changed([](QJsonObject &r) { r["format"] = "geogebra"; }) << "\"geogebra\"";
  QTest::newRow("no format") << Changed([](QJsonObject &r) { r.remove("format"); })
                             << "no \"format\"";
  QTest::newRow("newer version") << Changed([](QJsonObject &r) { r["version"] = 2; })
                                 << "newer version";
  QTest::newRow("missing step") << Changed([](QJsonObject &r) { r.remove("step"); })
                                << "\"step\" is missing";
  QTest::newRow("step as text") << Changed([](QJsonObject &r) { r["step"] = "12"; })
                                << "\"step\"";
  QTest::newRow("step too far") << Changed([](QJsonObject &r) { r["step"] = 512; })
                                << "\"step\"";
  QTest::newRow("unknown waveform")
      << Changed([](QJsonObject &r) { r["waveform"] = "sine"; }) << "\"sine\"";
  QTest::newRow("option not bool") << Changed([](QJsonObject &r) {
    QJsonObject options = r["options"].toObject();
    options["grid"] = 1;
    r["options"] = options;
  }) << "\"grid\"";
  QTest::newRow("missing im")
      << Changed([](QJsonObject &r) {
           QJsonArray entries = r["entries"].toArray();
           QJsonObject entry = entries[3].toObject();
           entry.remove("im");
           entries[3] = entry;
           r["entries"] = entries;
         })
      << "\"im\" of entry 3 is missing";
  QTest::newRow("NaN") << Changed([](QJsonObject &r) { SetEntryField(r, 2, "re", "nan"); })
                       << "finite";
  QTest::newRow("infinity")
      << Changed([](QJsonObject &r) { SetEntryField(r, 2, "im", "-inf"); }) << "finite";
  QTest::newRow("overflow")
      << Changed([](QJsonObject &r) { SetEntryField(r, 2, "im", "1e400"); }) << "finite";
  QTest::newRow("harmonic 0 above 10")
      << Changed([](QJsonObject &r) { SetEntryField(r, 0, "re", "10.5"); }) << "harmonic 0";
  QTest::newRow("harmonic 4 above 20")
      << Changed([](QJsonObject &r) { SetEntryField(r, 4, "re", "20.01"); }) << "harmonic 4";
  QTest::newRow("above 10 two-sided") << Changed([](QJsonObject &r) {
    QJsonObject options = r["options"].toObject();
    options["conjugate"] = true;
    r["options"] = options;
    SetEntryField(r, 4, "im", "-15");
  }) << "harmonic 4";
  QTest::newRow("grid text not a number")
      << Changed([](QJsonObject &r) {
           SetEntryField(r, 1, "magnitude_text", "lots");
           SetEntryField(r, 1, "angle_text", "0.0");
         })
      << "grid texts of entry 1";
  QTest::newRow("25 entries") << Changed([](QJsonObject &r) {
    QJsonArray entries = r["entries"].toArray();
    entries.removeLast();
    r["entries"] = entries;
  }) << "25 entries instead of 26";
  QTest::newRow("27 entries") << Changed([](QJsonObject &r) {
    QJsonArray entries = r["entries"].toArray();
    entries.append(entries.last());
    r["entries"] = entries;
  }) << "27 entries instead of 26";
  QTest::newRow("drawing missing")
      << Changed([](QJsonObject &r) { r["waveform"] = "custom-time"; }) << "\"drawn_period\"";
  QTest::newRow("larger than 1 MB") << good + QByteArray(1024 * 1024, ' ') << "larger than 1 MB";
  QTest::newRow("table with 25 rows") << Csv(CsvRows(25)) << "25 rows";
  QTest::newRow("table with a hex number")
      << Csv(CsvRows(26, "%1,0.5,30,0x1p-1,0")) << "decimal point";
  QTest::newRow("table beyond range") << Csv(CsvRows(26, "%1,12,30,,")) << "harmonic 0";
  QTest::newRow("folder") << QByteArray() << "folder";
  QTest::newRow("missing file") << QByteArray() << "does not exist";
}

void TestFiles::BadFileChangesNothing()
{
  QFETCH(QByteArray, bytes);
  QFETCH(QString, reason);
  const QString tag = QTest::currentDataTag();
  const QString path = Dir->filePath("bad file.rotants");
  if (tag == "folder")
    QVERIFY(QDir(Dir->path()).mkdir("bad file.rotants"));
  else if (tag != "missing file")
    WriteFile(path, bytes);

  TRotantsForm form;
  ChooseWaveform(form, 7);
  form.TimeTrackBar->setValue(120);
  const TSnapshot before = Snap(form);
  const QString title = form.windowTitle();
  QVERIFY(!form.OpenPhasorSet(path));
  CompareSnapshots(Snap(form), before);
  QCOMPARE(form.windowTitle(), title);
  QCOMPARE(Catcher->Messages.size(), 1);
  const QString text = Catcher->Messages.first().Text;
  QVERIFY2(text.contains(path) && text.contains(reason), qPrintable(text));
  QCOMPARE(Catcher->Messages.first().Icon, QMessageBox::Warning);
}

// Rows with real and imaginary parts take those; rows without take magnitude
// and angle; the window shows all of them placed, in its own convention.
void TestFiles::HarmonicsTableOpens()
{
  QStringList rows = CsvRows(HarmonicCount, "%1,2,90,,");
  rows[0] = "0,9,9,0.25,-0.125";
  rows[3] = "3,0.5,180";
  const QString path = Dir->filePath("table.csv");
  WriteFile(path, Csv(rows));
  TRotantsForm form;
  ChooseWaveform(form, 2);
  QVERIFY(form.OpenPhasorSet(path));
  QCOMPARE(form.WaveformComboBox->currentIndex(), 0);
  QCOMPARE(form.PhasorList[0].Re, 0.25);
  QCOMPARE(form.PhasorList[0].Im, -0.125);
  double re = 0.0;
  double im = 0.0;
  HarmonicMath::PolarToRect(0.5, 180.0, re, im);
  QCOMPARE(form.PhasorList[3].Re, re);
  QCOMPARE(form.PhasorList[3].Im, im);
  QCOMPARE(form.PhasorGrid->item(4, 1)->text(), QString("0.5000"));
  QCOMPARE(form.PhasorGrid->item(4, 2)->text(), QString("180.0"));
  QCOMPARE(form.HarmonicIndex, HarmonicCount);
  // Save writes no phasor set over the table.
  QVERIFY(form.CurrentFile.isEmpty());
  QCOMPARE(form.windowTitle(), QString("table.csv - Rotants 1.0"));
}

// A write that fails part way (the file size limit stands in for a full disk)
// reports it and leaves the good file and no temporary file behind.
void TestFiles::FailedSaveKeepsTheOldFile()
{
  const QString path = Dir->filePath("lesson.rotants");
  TRotantsForm form;
  ChooseWaveform(form, 5);
  QVERIFY(form.SavePhasorSet(path));
  const QByteArray good = ReadAll(path);
  ChooseWaveform(form, 2);

  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = form.SavePhasorSet(path);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  QVERIFY(!saved);
  QCOMPARE(ReadAll(path), good);
  QCOMPARE(QDir(Dir->path()).entryList(QDir::Files), QStringList{"lesson.rotants"});
  QVERIFY(!form.SavePhasorSet(Dir->filePath("no such folder/x.rotants")));
  QCOMPARE(Catcher->Messages.size(), 2);
  QVERIFY(Catcher->Messages[0].Text.contains(path));
  QCOMPARE(form.CurrentFile, path);
}

void TestFiles::RecentFilesKeptInSettings()
{
  QSettings settings(Dir->filePath("settings.ini"), QSettings::IniFormat);
  QStringList paths;
  {
    TRotantsForm form;
    form.UseSettings(&settings);
    for (int i = 0; i < 10; ++i) {
      paths.prepend(Dir->filePath(QString("set%1.rotants").arg(i)));
      QVERIFY(form.SavePhasorSet(paths.first()));
    }
    QVERIFY(form.OpenPhasorSet(paths[4]));
  }
  const QStringList expected = QStringList{paths[4]} + paths.mid(0, 4) + paths.mid(5, 3);
  TRotantsForm form;
  form.UseSettings(&settings);
  QCOMPARE(form.RecentFiles, expected);
  const QList<QAction *> items = form.FileRecent->actions();
  QCOMPARE(items[0]->text(), QString("&1 set5.rotants"));
  QVERIFY(items[7]->isVisible());

  // A recent file that is gone says so once and leaves the list.
  QFile::remove(paths[2]);
  items[3]->trigger();
  QCOMPARE(Catcher->Messages.size(), 1);
  QCOMPARE(form.RecentFiles.size(), 7);
  QVERIFY(!form.RecentFiles.contains(paths[2]));
  QVERIFY(!items[7]->isVisible());
  items[1]->trigger();
  QCOMPARE(form.CurrentFile, paths[0]);
}

void TestFiles::NewRestoresStartUp()
{
  TRotantsForm form;
  const TSnapshot startUp = Snap(form);
  Build(form, Options, 3, true);
  QVERIFY(form.SavePhasorSet(Dir->filePath("x.rotants")));
  form.FileNew->trigger();
  CompareSnapshots(Snap(form), startUp);
  QCOMPARE(form.windowTitle(), QString("Rotants 1.0"));
  QVERIFY(form.CurrentFile.isEmpty());
}

void TestFiles::DropOpensTheFile()
{
  const QString path = Dir->filePath("dropped.rotants");
  TRotantsForm built;
  ChooseWaveform(built, 4);
  QVERIFY(built.SavePhasorSet(path));

  TRotantsForm form;
  auto *data = new QMimeData;
  data->setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(300, 100), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &drop);
  QTRY_COMPARE(form.WaveformComboBox->currentIndex(), 4);
  QVERIFY(SameEntries(form.PhasorList, built.PhasorList));
  delete data;
}

void TestFiles::CommandLineExitCodes_data()
{
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("output");
  const QString out = "OUT/set.rotants";
  QTest::newRow("help") << QStringList{"--help"} << 0 << "--export-animation";
  QTest::newRow("version") << QStringList{"--version"} << 0 << "rotants 1.0";
  QTest::newRow("save") << QStringList{"--waveform", "rectified-cosine", "--highest", "7",
                                       "--step", "99", "--conjugate", "--no-grid", "--save", out}
                        << 0 << "";
  QTest::newRow("open and save") << QStringList{"OUT/set.rotants", "--save", "OUT/copy.rotants"}
                                 << 0 << "";
  QTest::newRow("unknown option") << QStringList{"--colour", "red"} << 2 << "'colour'";
  QTest::newRow("bad waveform") << QStringList{"--waveform", "Square", "--save", out} << 2
                                << "\"Square\" for --waveform";
  QTest::newRow("highest 26") << QStringList{"--highest", "26", "--save", out} << 2
                              << "--highest";
  QTest::newRow("step text") << QStringList{"--step", "ten", "--save", out} << 2 << "--step";
  QTest::newRow("zoom 9") << QStringList{"--zoom", "9", "--save", out} << 2 << "--zoom";
  QTest::newRow("seconds alone") << QStringList{"--seconds", "3", "--save", out} << 2
                                 << "--seconds";
  QTest::newRow("two files") << QStringList{"a.rotants", "b.rotants", "--save", out} << 2
                             << "b.rotants";
  QTest::newRow("missing file") << QStringList{"OUT/none.rotants", "--save", out} << 2
                                << "none.rotants";
  QTest::newRow("cannot write") << QStringList{"--save", "OUT/no folder/x.rotants"} << 1
                                << "no folder/x.rotants";
}

// Run as a user would, without a display: nothing printed on success, one
// line naming the fault otherwise.
void TestFiles::CommandLineExitCodes()
{
  QFETCH(QStringList, arguments);
  QFETCH(int, exitCode);
  QFETCH(QString, output);
  const QString tag = QTest::currentDataTag();
  if (tag == "open and save") {
    TRotantsForm form;
    ChooseWaveform(form, 8);
    QVERIFY(form.SavePhasorSet(Dir->filePath("set.rotants")));
  }
  for (QString &argument : arguments)
    argument.replace("OUT", Dir->path());
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(name);
  environment.insert("HOME", Dir->path());
  program.setProcessEnvironment(environment);
  program.start(ROTANTS_BINARY, arguments);
  QVERIFY(program.waitForFinished(60000));
  const QString printed = program.readAllStandardOutput() + program.readAllStandardError();
  QCOMPARE(program.exitCode(), exitCode);
  if (output.isEmpty())
    QCOMPARE(printed, QString());
  else if (exitCode == 0)
    QVERIFY2(printed.contains(output), qPrintable(printed));
  else
    QVERIFY2(printed.count('\n') == 1 && printed.contains(output), qPrintable(printed));

  if (tag == "save") {
    TRotantsForm built;
    built.ConjugateCheckBox->click();
    built.TimeGridCheckBox->click();
    ChooseHighestHarmonic(built, 7);
    ChooseWaveform(built, 7);
    built.TimeTrackBar->setValue(99);
    TRotantsForm opened;
    QVERIFY(opened.OpenPhasorSet(Dir->filePath("set.rotants")));
    CompareSnapshots(Snap(opened), Snap(built));
  } else if (tag == "open and save") {
    QCOMPARE(ReadAll(Dir->filePath("copy.rotants")), ReadAll(Dir->filePath("set.rotants")));
  }
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
