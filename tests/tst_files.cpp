#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
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
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

// What the user sees and hears of the window, and the state that decides what
// the next click does: every value as text (doubles by their bits), then the
// two plots.
struct TSnapshot {
  QStringList Values;
  QImage Time;
  QImage Plane;
};

TSnapshot Snap(TRotantsForm &form)
{
  TSnapshot s;
  const auto bits = [&s](double value) { s.Values << QString::number(value, 'a'); };
  for (const HarmonicPhasor &e : form.PhasorList) {
    bits(e.Re);
    bits(e.Im);
  }
  for (double value : form.IdealWave)
    bits(value);
  for (int row = 1; row <= HarmonicCount; ++row)
    s.Values << form.PhasorGrid->item(row, 1)->text() << form.PhasorGrid->item(row, 2)->text();
  s.Values << form.HarmonicEdit->text() << form.MagnitudeEdit->text() << form.AngleEdit->text();
  for (int number : {form.WaveformComboBox->currentIndex(), form.HighestHarmonicComboBox->currentIndex(),
                     form.HighestHarmonic, form.TimeTrackBar->value(), int(form.EditMode), int(form.IdleEditMode),
                     form.HarmonicIndex, int(form.BasePhasor - form.PhasorList.data()),
                     form.PhasorGrid->currentRow(), int(form.PhasorEditPanel->isHidden()),
                     int(form.SimulationTimer->isActive()), form.ShapeDutyCycle->value(),
                     form.ShapeShift->value()})
    s.Values << QString::number(number);
  for (QCheckBox *box : {form.RealValueCheckBox, form.RotateComplexPlaneCheckBox,
                         form.TraceCheckBox, form.ConjugateCheckBox, form.TimeGridCheckBox,
                         form.SoundCheckBox, form.RepeatPlayCheckBox, form.IdealWaveCheckBox})
    s.Values << box->objectName() + QString::number(box->isChecked());
  s.Values << QByteArray(reinterpret_cast<const char *>(form.MySound->Buffer),
                         int(form.MySound->DataSize)).toHex();
  s.Time = form.TimeImage->Image().copy();
  s.Plane = form.PhasorImage->Image().copy();
  return s;
}

void CompareSnapshots(const TSnapshot &a, const TSnapshot &b)
{
  QCOMPARE(a.Values, b.Values);
  QVERIFY(a.Time == b.Time);
  QVERIFY(a.Plane == b.Plane);
}

enum TBuild { Preset, Placement, Drawing, Options, FullEditBoxes, Shaped };

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
    QTest::mousePress(form.TimeImage, Qt::LeftButton, Qt::NoModifier, QPoint(10, 40));
    QTest::mouseMove(form.TimeImage, QPoint(120, 200));  // with the left button held
    QTest::mouseMove(form.TimeImage, QPoint(300, 90));
    QTest::mouseRelease(form.TimeImage, Qt::LeftButton, Qt::NoModifier, QPoint(300, 90));
  } else if (build == Options) {
    form.PhasorGrid->setCurrentCell(5, 1);
    TypeText(form.MagnitudeEdit, "typed, not applied");
  } else if (build == Shaped) {
    form.SetShape({40, -20});
  } else if (build == FullEditBoxes) {
    // As many characters as each box takes, each written as a six-byte escape.
    for (QLineEdit *edit : {form.HarmonicEdit, form.MagnitudeEdit, form.AngleEdit})
      edit->setText(QString(edit->maxLength(), QChar(1)));
  }
  form.TimeTrackBar->setValue(item * 37 + (conjugate ? 5 : 0));
}

// Sets (or, for an undefined value, removes) the member a path such as
// "entries/3/im" names; an index one past a list's end appends.
QJsonValue Set(const QJsonValue &node, QStringList keys, const QJsonValue &value)
{
  if (keys.isEmpty())
    return value;
  const QString key = keys.takeFirst();
  const bool remove = keys.isEmpty() && value.isUndefined();
  if (node.isArray()) {
    QJsonArray list = node.toArray();
    const int i = key.toInt();
    if (remove)
      list.removeAt(i);
    else if (i == list.size())
      list.append(Set(list.last(), keys, value));
    else
      list[i] = Set(list[i], keys, value);
    return list;
  }
  QJsonObject object = node.toObject();
  if (remove)
    object.remove(key);
  else
    object[key] = Set(object[key], keys, value);
  return object;
}

// The start-up state's file with changes made to its JSON.
QByteArray With(const QList<std::pair<QString, QJsonValue>> &changes)
{
  QJsonValue root = QJsonDocument::fromJson(PhasorSetFile::Write(PhasorSetFile::TState{})).object();
  for (const auto &[path, value] : changes)
    root = Set(root, path.split('/'), value);
  return QJsonDocument(root.toObject()).toJson();
}

// A harmonics table of count rows, row k being pattern filled with k unless
// replaced gives another text for it.
QByteArray Csv(int count, const QString &pattern, const QMap<int, QString> &replaced = {})
{
  QStringList rows{PhasorSetFile::HarmonicsCsvHeader};
  for (int k = 0; k < count; ++k)
    rows << replaced.value(k, pattern.arg(k));
  return rows.join('\n').toUtf8() + '\n';
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

// Opens a file dialog by trigger and returns the path it offered first; the
// dialog then takes answer, or is cancelled when answer is empty.
QString OfferedPath(QAction *trigger, const QString &answer = QString())
{
  QString offered;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!dialog)
      return;
    poll.stop();
    const QStringList selected = dialog->selectedFiles();
    offered = QDir(dialog->directory()).filePath(
        selected.isEmpty() ? QString() : QFileInfo(selected.first()).fileName());
    if (answer.isEmpty()) {
      dialog->reject();
    } else {
      dialog->selectFile(answer);
      QMetaObject::invokeMethod(dialog, &QDialog::accept);
    }
  });
  poll.start();
  trigger->trigger();
  return offered;
}

}  // namespace

class TestFiles : public QObject {
  Q_OBJECT

private slots:
  void init();

  void RoundTripBitForBit_data();
  void RoundTripBitForBit();
  void BadFileChangesNothing_data();
  void BadFileChangesNothing();
  void HarmonicsTableOpens();
  void ShortTableOpens();
  void FailedSaveKeepsTheOldFile();
  void RecentFilesKeptInSettings();
  void NewRestoresStartUp();
  void DialogsStartNearTheWork();
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

void TestFiles::RoundTripBitForBit_data()
{
  QTest::addColumn<int>("build");
  QTest::addColumn<int>("item");
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<bool>("dropped");  // opened by a drop on the window instead of the menu
  for (bool conjugate : {false, true}) {
    const char *convention = conjugate ? "two-sided" : "one-sided";
    for (int item = 0; item < PhasorSetFile::WaveformCount; ++item)
      QTest::addRow("%s %s", qPrintable(PhasorSetFile::WaveformNames()[item]), convention)
          << int(Preset) << item << conjugate << false;
    QTest::addRow("placement %s", convention) << int(Placement) << 0 << conjugate << false;
    QTest::addRow("drawing %s", convention) << int(Drawing) << 1 << conjugate << false;
    QTest::addRow("options %s", convention) << int(Options) << 5 << conjugate << false;
  }
  QTest::newRow("dropped") << int(Preset) << 4 << false << true;
  QTest::newRow("full edit boxes") << int(FullEditBoxes) << 2 << false << false;
  QTest::newRow("shaped bipolar pulse") << int(Shaped) << 4 << false << false;
}

// Opening gives the window that was saved, on a window that showed something
// else, with at most one play request; saving it again writes the same bytes.
void TestFiles::RoundTripBitForBit()
{
  QFETCH(int, build);
  QFETCH(int, item);
  QFETCH(bool, conjugate);
  QFETCH(bool, dropped);
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
  if (dropped) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&opened, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&opened, &drop);
    QTRY_COMPARE(opened.CurrentFile, path);
  } else {
    QVERIFY(opened.OpenPhasorSet(path));
  }
  QVERIFY(Sound->Log->PlayCount() - plays <= 1);
  CompareSnapshots(Snap(opened), expected);
  QCOMPARE(opened.windowTitle(), QString("set.rotants - Rotants 1.0"));
  QVERIFY(opened.SavePhasorSet(Dir->filePath("again.rotants")));
  QCOMPARE(ReadAll(Dir->filePath("again.rotants")), ReadAll(path));
}

void TestFiles::BadFileChangesNothing_data()
{
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("reason");
  const QByteArray good = With({});
  const QJsonValue gone(QJsonValue::Undefined);
  QTest::newRow("not JSON") << QByteArray("Dear students,\n") << "not valid JSON";
  QTest::newRow("empty") << QByteArray() << "empty";
  QTest::newRow("truncated") << good.left(good.size() / 2) << "truncated";
  QTest::newRow("JSON list") << QByteArray("[1, 2]") << "not a Rotants phasor set";
  QTest::newRow("other format") << With({{"format", "geogebra"}}) << "\"geogebra\"";
  QTest::newRow("no format") << With({{"format", gone}}) << "no \"format\"";
  QTest::newRow("newer version") << With({{"version", 2}}) << "newer version";
  QTest::newRow("missing step") << With({{"step", gone}}) << "\"step\" is missing";
  QTest::newRow("step as text") << With({{"step", "12"}}) << "\"step\"";
  QTest::newRow("step too far") << With({{"step", 512}}) << "\"step\"";
  QTest::newRow("unknown waveform") << With({{"waveform", "sine"}}) << "\"sine\"";
  QTest::newRow("option not bool") << With({{"options/grid", 1}}) << "\"grid\"";
  QTest::newRow("missing im") << With({{"entries/3/im", gone}}) << "\"im\" of entry 3 is missing";
  QTest::newRow("NaN") << With({{"entries/2/re", "nan"}}) << "finite";
  QTest::newRow("infinity") << With({{"entries/2/im", "-inf"}}) << "finite";
  QTest::newRow("overflow") << With({{"entries/2/im", "1e400"}}) << "finite";
  QTest::newRow("harmonic 0 above 10") << With({{"entries/0/re", "10.5"}}) << "harmonic 0";
  QTest::newRow("harmonic 4 above 20") << With({{"entries/4/re", "20.01"}}) << "harmonic 4";
  QTest::newRow("above 10 two-sided")
      << With({{"options/conjugate", true}, {"entries/4/im", "-15"}}) << "harmonic 4";
  QTest::newRow("grid text not a number")
      << With({{"entries/1/magnitude_text", "lots"}, {"entries/1/angle_text", "0.0"}})
      << "grid texts of entry 1";
  QTest::newRow("25 entries") << With({{"entries/25", gone}}) << "25 entries instead of 26";
  QTest::newRow("27 entries") << With({{"entries/26/harmonic", 26}}) << "27 entries instead of 26";
  QTest::newRow("edit text too long")
      << With({{"editor/row", 1}, {"editor/harmonic_text", "0"}, {"editor/magnitude_text", "0"},
               {"editor/angle_text", QString(32768, 'a')}})
      << "\"angle_text\" in \"editor\" is not a text of at most 32767";
  QTest::newRow("drawing missing") << With({{"waveform", "custom-time"}}) << "\"drawn_period\"";
  QTest::newRow("duty cycle 0") << With({{"shape/duty_cycle", 0}}) << "\"duty_cycle\" in \"shape\"";
  QTest::newRow("shift missing") << With({{"shape/shift", gone}}) << "\"shift\"";
  QTest::newRow("larger than 1 MB") << good + QByteArray(1024 * 1024, ' ') << "larger than 1 MB";
  QTest::newRow("table with 27 rows") << Csv(27, "%1,0.5,30,,") << "27 rows";
  QTest::newRow("table without rows") << Csv(0, "") << "0 rows";
  QTest::newRow("table naming a harmonic twice")
      << Csv(3, "%1,0.5,30,,", {{2, "1,0.5,30"}}) << "row 4 gives harmonic 1 a second time";
  QTest::newRow("table with harmonic 26") << Csv(2, "%1,0.5,30,,", {{1, "26,0.5,30"}}) << "row 3";
  QTest::newRow("table with a hex number")
      << Csv(26, "%1,0.5,30,0x1p-1,0") << "decimal point";
  QTest::newRow("table beyond range") << Csv(26, "%1,12,30,,") << "harmonic 0";
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
  QVERIFY(!form.OpenPhasorSet(path));
  CompareSnapshots(Snap(form), before);
  QCOMPARE(form.windowTitle(), QString("Rotants 1.0"));
  QCOMPARE(Catcher->Messages.size(), 1);
  const QString text = Catcher->Messages.first().Text;
  QVERIFY2(text.contains(path) && text.contains(reason), qPrintable(text));
}

// Rows with real and imaginary parts take those; rows without take magnitude
// and angle; the window shows all of them placed, in its own convention.
void TestFiles::HarmonicsTableOpens()
{
  const QString path = Dir->filePath("table.csv");
  WriteFile(path, Csv(HarmonicCount, "%1,2,90,,", {{0, "0,9,9,0.25,-0.125"}, {3, "3,0.5,180"}}));
  TRotantsForm form;
  ChooseWaveform(form, 2);
  QVERIFY(form.OpenPhasorSet(path));
  QCOMPARE(form.WaveformComboBox->currentIndex(), 0);
  QCOMPARE(form.PhasorList[0].Re, 0.25);
  QCOMPARE(form.PhasorList[0].Im, -0.125);
  QCOMPARE(form.PhasorList[3].Re, -0.5);
  QCOMPARE(form.PhasorGrid->item(4, 1)->text(), QString("0.5000"));
  QCOMPARE(form.PhasorGrid->item(4, 2)->text(), QString("180.0"));
  QCOMPARE(form.HarmonicIndex, HarmonicCount);
  // Save writes no phasor set over the table.
  QVERIFY(form.CurrentFile.isEmpty());
  QCOMPARE(form.windowTitle(), QString("table.csv - Rotants 1.0"));
}

// A table typed in a spreadsheet: a capitalised header and only the harmonics
// in use, in any order; the others are 0.
void TestFiles::ShortTableOpens()
{
  const QString path = Dir->filePath("short.csv");
  WriteFile(path, "Harmonic,Magnitude,Angle_Deg,Real,Imaginary\n3,0.5,180,,\n1,2,0\n");
  TRotantsForm form;
  ChooseWaveform(form, 2);
  QVERIFY(form.OpenPhasorSet(path));
  for (int k = 0; k < HarmonicCount; ++k) {
    const double re = k == 1 ? 2.0 : k == 3 ? -0.5 : 0.0;
    QCOMPARE(form.PhasorList[k].Re, re);
    QVERIFY(std::abs(form.PhasorList[k].Im) < 1e-15);
  }
  QCOMPARE(form.PhasorGrid->item(2, 1)->text(), QString("2.0000"));
  QCOMPARE(form.PhasorGrid->item(4, 1)->text(), QString("0.5000"));
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
  const rlimit small{100, old.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = form.SavePhasorSet(path);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  QVERIFY(!saved);
  QCOMPARE(ReadAll(path), good);
  QCOMPARE(QDir(Dir->path()).entryList(QDir::Files), QStringList{"lesson.rotants"});
  QCOMPARE(Catcher->Messages.size(), 1);
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

// Save As and the exports start beside the work: the folder of the last
// export since the file was opened, else the file's own folder, else the
// last export of an earlier run.
void TestFiles::DialogsStartNearTheWork()
{
  QDir dir(Dir->path());
  for (const char *folder : {"lessons", "slides", "tables", "earlier"})
    QVERIFY(dir.mkpath(folder));
  QSettings settings(Dir->filePath("settings.ini"), QSettings::IniFormat);
  settings.setValue("Export/Directory", dir.filePath("earlier"));
  TRotantsForm form;
  form.UseSettings(&settings);
  form.show();
  QCOMPARE(OfferedPath(form.FileExportPicture), dir.filePath("earlier/custom-rotants.png"));
  QCOMPARE(OfferedPath(form.FileSaveAs), dir.filePath("earlier/untitled.rotants"));

  ChooseWaveform(form, 2);
  const QString lesson = dir.filePath("lessons/square.rotants");
  QVERIFY(form.SavePhasorSet(lesson));
  QCOMPARE(OfferedPath(form.FileExportFigure), dir.filePath("lessons/square.pdf"));
  QCOMPARE(OfferedPath(form.FileExportPicture, dir.filePath("slides/square.png")),
           dir.filePath("lessons/square.png"));
  QVERIFY(QFile::exists(dir.filePath("slides/square.png")));
  QCOMPARE(OfferedPath(form.FileExportHarmonics), dir.filePath("slides/square-harmonics.csv"));
  QCOMPARE(OfferedPath(form.FileSaveAs), lesson);

  // A harmonics table opened is the current work though it cannot be saved
  // over: Save As starts in its folder.
  const QString table = dir.filePath("tables/table.csv");
  QVERIFY(form.ExportHarmonics(table));
  QVERIFY(form.OpenPhasorSet(table));
  QCOMPARE(OfferedPath(form.FileSaveAs), dir.filePath("tables/untitled.rotants"));
  QCOMPARE(QFileInfo(OfferedPath(form.FileExportPicture)).path(), dir.filePath("tables"));
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
}

void TestFiles::CommandLineExitCodes_data()
{
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("output");
  const QStringList save{"--save", "OUT/set.rotants"};
  QTest::newRow("help") << QStringList{"--help"} << 0 << "--export-animation";
  QTest::newRow("version") << QStringList{"--version"} << 0 << "rotants 1.0";
  QTest::newRow("save") << QStringList{"--waveform", "rectified-cosine", "--highest", "7", "--step",
                                       "99", "--conjugate", "--no-grid"} + save << 0 << "";
  QTest::newRow("unknown option") << QStringList{"--colour", "red"} << 2 << "'colour'";
  QTest::newRow("bad waveform") << QStringList{"--waveform", "Sqare"} + save << 2 << "\"Sqare\"";
  QTest::newRow("drop-down's waveform name")
      << QStringList{"--waveform", "Rectified Cosine"} + save << 0 << "";
  QTest::newRow("waveform in capitals") << QStringList{"--waveform", "SQUARE"} + save << 0 << "";
  QTest::newRow("speed, duty and shift")
      << QStringList{"--speed", "0.25", "--duty", "10", "--shift", "-128"} + save << 0 << "";
  QTest::newRow("speed 3") << QStringList{"--speed", "3"} + save << 2 << "0.25, 0.5, 1, 2";
  QTest::newRow("waveform twice") << QStringList{"--waveform", "square", "--waveform", "triangle"} + save
                                  << 2 << "--waveform given more than once";
  QTest::newRow("flag twice") << QStringList{"--trace", "--trace"} + save << 2 << "--trace";
  QTest::newRow("real value off and on")
      << QStringList{"--real-value", "--no-real-value"} + save << 2 << "contradict";
  QTest::newRow("set saved as .txt") << QStringList{"--save", "OUT/set.txt"} << 2 << ".rotants";
  QTest::newRow("part without a recording") << QStringList{"--from", "1"} + save << 2
                                            << "need a recording";
  QTest::newRow("duty 100") << QStringList{"--duty", "100"} + save << 2 << "from 1 to 99";
  QTest::newRow("shift 128") << QStringList{"--shift", "128"} + save << 2 << "-128 to 127";
  QTest::newRow("drop-down's name in German")
      << QStringList{"--language", "de", "--waveform", "gleichger. kosinus"} + save << 0 << "";
  QTest::newRow("help names the exit codes") << QStringList{"--help"} << 0 << "Exit codes";
  QTest::newRow("picture twice")
      << QStringList{"--export-picture", "OUT/a.png", "--export-picture", "OUT/b.png"} << 2
      << "--export-picture given more than once";
  QTest::newRow("save twice") << save + save << 2 << "--save given more than once";
  QTest::newRow("picture named .txt") << QStringList{"--export-picture", "OUT/a.txt"} << 2
                                      << "\"OUT/a.txt\" for --export-picture";
  QTest::newRow("figure named .png") << QStringList{"--export-figure", "OUT/a.png"} << 2
                                     << ".svg or .pdf";
  QTest::newRow("animation named .PNG") << QStringList{"--export-animation", "OUT/a.PNG"} << 2
                                        << ".gif";
  QTest::newRow("one file for two exports")
      << QStringList{"--export-harmonics", "OUT/a.csv", "--export-samples", "OUT/a.csv"} << 2
      << "--export-harmonics and --export-samples";
  QTest::newRow("seconds beyond an hour")
      << QStringList{"--export-sound", "OUT/a.wav", "--seconds", "3600.5"} << 2 << "3600 seconds";
  QTest::newRow("seconds below one sample")
      << QStringList{"--export-sound", "OUT/a.wav", "--seconds", "0.00001"} << 2 << "--seconds";
  QTest::newRow("figure") << QStringList{"--waveform", "square", "--step", "100", "--export-figure",
                                         "OUT/f.PDF"} << 0 << "";
  QTest::newRow("highest 26") << QStringList{"--highest", "26"} + save << 2 << "--highest";
  QTest::newRow("step text") << QStringList{"--step", "ten"} + save << 2 << "--step";
  QTest::newRow("zoom 9") << QStringList{"--zoom", "9"} + save << 2 << "--zoom";
  QTest::newRow("seconds alone") << QStringList{"--seconds", "3"} + save << 2 << "--seconds";
  QTest::newRow("two files") << QStringList{"a.rotants", "b.rotants"} + save << 2 << "b.rotants";
  QTest::newRow("missing file") << QStringList{"OUT/none.rotants"} + save << 2 << "none.rotants";
  QTest::newRow("cannot write") << QStringList{"--save", "OUT/no/x.rotants"} << 1 << "no/x.rotants";
}

// Run as a user would, without a display: nothing printed on success, one
// line naming the fault otherwise.
void TestFiles::CommandLineExitCodes()
{
  QFETCH(QStringList, arguments);
  QFETCH(int, exitCode);
  QFETCH(QString, output);
  for (QString &argument : arguments)
    argument.replace("OUT", Dir->path());
  output.replace("OUT", Dir->path());
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
  QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.contains(output), qPrintable(printed));
  QVERIFY2(exitCode == 0 || printed.count('\n') == 1, qPrintable(printed));
  // A refused command writes nothing.
  if (exitCode == 2)
    QCOMPARE(QDir(Dir->path()).entryList(QDir::Files), QStringList());

  if (QTest::currentDataTag() == QString("save")) {
    TRotantsForm built;
    built.ConjugateCheckBox->click();
    built.TimeGridCheckBox->click();
    ChooseHighestHarmonic(built, 7);
    ChooseWaveform(built, 7);
    built.TimeTrackBar->setValue(99);
    TRotantsForm opened;
    QVERIFY(opened.OpenPhasorSet(Dir->filePath("set.rotants")));
    CompareSnapshots(Snap(opened), Snap(built));
  }
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
