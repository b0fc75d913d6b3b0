#include "CommandLine.h"
#include "DataExport.h"
#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "Reconstruction.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <gif_lib.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

enum TKind { Picture, Sound, Harmonics, Samples, Animation };

bool Export(TRotantsForm &form, TKind kind, const QString &path)
{
  switch (kind) {
  case Picture: return form.ExportPicture(path);
  case Sound: return form.ExportSound(path, 5.0);
  case Harmonics: return form.ExportHarmonics(path);
  case Samples: return form.ExportSamples(path);
  case Animation: return form.ExportAnimation(path);
  }
  return false;
}

// Everything an export must leave as it found it.
struct TSnapshot {
  QByteArray Entries, Recon, Tone;
  QStringList Texts;
  QImage Plane, Time;
  int Step = 0, Mode = 0, Requests = 0;
  bool Playing = false;
  bool operator==(const TSnapshot &) const = default;
};

TSnapshot Snap(TRotantsForm &form, const TSoundLog &log)
{
  TSnapshot s;
  s.Entries = QByteArray(reinterpret_cast<const char *>(form.PhasorList.data()), sizeof form.PhasorList);
  s.Recon = QByteArray(reinterpret_cast<const char *>(form.ReconWave.data()), sizeof form.ReconWave);
  s.Tone = QByteArray(reinterpret_cast<const char *>(form.MySound->Buffer), form.MySound->DataSize);
  for (int row = 1; row <= HarmonicCount; ++row)
    s.Texts << form.PhasorGrid->item(row, 1)->text() << form.PhasorGrid->item(row, 2)->text();
  s.Texts << form.StatusPanel1->text();
  s.Plane = form.PhasorImage->Image().copy();
  s.Time = form.TimeImage->Image().copy();
  s.Step = form.TimeTrackBar->value();
  s.Mode = form.EditMode;
  s.Requests = int(log.Events.size());
  s.Playing = form.SimulationTimer->isActive();
  return s;
}

QStringList CsvRows(const QString &path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                        : QStringList();
}

// A CSV field's value as bits, so that values compare exactly ('.' only).
quint64 Field(const QString &row, int column)
{
  bool ok = false;
  const double value = row.section(',', column, column).toDouble(&ok);
  return ok ? std::bit_cast<quint64>(value) : 1;
}

quint64 Bits(double value)
{
  return std::bit_cast<quint64>(value);
}

}  // namespace

class TestExport : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void MenuHoldsExportsAboveExit();
  void Unchanged_data();
  void Unchanged();
  void WaveHeaderAndLength_data();
  void WaveHeaderAndLength();
  void BadSoundLengthWritesNothing_data();
  void BadSoundLengthWritesNothing();
  void HarmonicsReadBack_data();
  void HarmonicsReadBack();
  void SamplesAreFreshReconstruction();
  void AnimationFramesAndDelays_data();
  void AnimationFramesAndDelays();
  void CancelledAnimationLeavesNoFile();
  void PictureIsTheCanvasesAsShown_data();
  void PictureIsTheCanvasesAsShown();
  void MenuFailureNamesTheFile();
  void RunExportsExitCodes_data();
  void RunExportsExitCodes();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  std::unique_ptr<TMessageBoxCatcher> Catcher;
  std::unique_ptr<QTemporaryDir> Dir;
};

void TestExport::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Catcher = std::make_unique<TMessageBoxCatcher>();
  Dir = std::make_unique<QTemporaryDir>();
  // A lesson in progress: a square wave with its tone, traced, halfway along.
  ChooseWaveform(*Form, 2);
  Form->SoundCheckBox->click();
  Form->TraceCheckBox->click();
  Form->TimeTrackBar->setValue(300);
}

void TestExport::cleanup()
{
  Catcher.reset();
  Form.reset();
  Sound.reset();
  Dir.reset();
}

void TestExport::MenuHoldsExportsAboveExit()
{
  const QList<QAction *> file = Form->MenuFile->actions();
  const qsizetype exit = file.indexOf(Form->FileExit);
  QVERIFY(exit >= 2);
  QCOMPARE(file[exit - 2]->menu(), Form->MenuFileExport);
  QVERIFY(file[exit - 1]->isSeparator());
  QStringList names;
  for (const QAction *action : Form->MenuFileExport->actions())
    names << action->objectName();
  QCOMPARE(names, QStringList({"FileExportPicture", "FileExportSound", "FileExportHarmonics",
                               "FileExportSamples", "FileExportAnimation"}));
}

void TestExport::Unchanged_data()
{
  QTest::addColumn<int>("kind");
  QTest::addColumn<bool>("playing");
  for (int kind = 0; kind < 5; ++kind) {
    QTest::addRow("kind %d idle", kind) << kind << false;
    QTest::addRow("kind %d playing", kind) << kind << true;
  }
}

void TestExport::Unchanged()
{
  QFETCH(int, kind);
  QFETCH(bool, playing);
  if (playing)
    Form->PlayBtn->click();
  const TSnapshot before = Snap(*Form, *Sound->Log);
  QVERIFY(Export(*Form, TKind(kind), Dir->filePath("out")));
  QVERIFY(Snap(*Form, *Sound->Log) == before);
  QVERIFY(Catcher->Messages.isEmpty());
}

void TestExport::WaveHeaderAndLength_data()
{
  QTest::addColumn<double>("seconds");
  QTest::addColumn<int>("frames");
  QTest::newRow("default") << 5.0 << 220500;
  QTest::newRow("whole loops") << 0.5 << 22050;
  QTest::newRow("partial loop") << 0.0101 << 445;
  QTest::newRow("one frame") << 1.0 / 44100 << 1;
}

void TestExport::WaveHeaderAndLength()
{
  QFETCH(double, seconds);
  QFETCH(int, frames);
  const QString path = Dir->filePath("tone.wav");
  QVERIFY(Form->ExportSound(path, seconds));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray wav = file.readAll();
  QCOMPARE(wav.size(), 44 + 2 * frames);
  const auto u32 = [&wav](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
  const auto u16 = [&wav](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
  QCOMPARE(wav.left(4), "RIFF");
  QCOMPARE(u32(4), quint32(wav.size() - 8));
  QCOMPARE(wav.mid(8, 8), "WAVEfmt ");
  QCOMPARE(u32(16), 16u);
  QCOMPARE(u16(20), 1);      // PCM
  QCOMPARE(u16(22), 2);      // stereo
  QCOMPARE(u32(24), 44100u);
  QCOMPARE(u32(28), 88200u);
  QCOMPARE(u16(32), 2);
  QCOMPARE(u16(34), 8);
  QCOMPARE(wav.mid(36, 4), "data");
  QCOMPARE(u32(40), quint32(2 * frames));
  const QByteArray loop(reinterpret_cast<const char *>(Form->MySound->Buffer), 200);
  QVERIFY(loop.count(char(128)) < 200);
  for (int i = 0; i < 2 * frames; i += 200)
    QCOMPARE(wav.mid(44 + i, 200), loop.left(std::min(200, 2 * frames - i)));
}

void TestExport::BadSoundLengthWritesNothing_data()
{
  QTest::addColumn<double>("seconds");
  QTest::newRow("zero") << 0.0;
  QTest::newRow("negative") << -1.0;
  QTest::newRow("nan") << std::nan("");
  QTest::newRow("infinite") << HUGE_VAL;
  QTest::newRow("over an hour") << 3600.5;
}

void TestExport::BadSoundLengthWritesNothing()
{
  QFETCH(double, seconds);
  QVERIFY(!Form->ExportSound(Dir->filePath("tone.wav"), seconds));
  QVERIFY(!Form->LastExportError.isEmpty());
  QVERIFY(QDir(Dir->path()).isEmpty());
}

void TestExport::HarmonicsReadBack_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<bool>("commaLocale");
  QTest::newRow("square") << 2 << false << false;
  QTest::newRow("sawtooth conjugate") << 6 << true << false;
  QTest::newRow("bipolar, decimal comma") << 4 << false << true;
}

void TestExport::HarmonicsReadBack()
{
  QFETCH(int, waveform);
  QFETCH(bool, conjugate);
  QFETCH(bool, commaLocale);
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const auto restore = qScopeGuard([&] { std::setlocale(LC_ALL, previous.c_str()); });
  if (commaLocale && !SwitchToCommaLocale())
    QSKIP("no locale with a decimal comma is installed");
  if (conjugate)
    Form->ConjugateCheckBox->click();
  ChooseWaveform(*Form, waveform);
  QVERIFY(Form->ExportHarmonics(Dir->filePath("h.csv")));
  const QStringList rows = CsvRows(Dir->filePath("h.csv"));
  QCOMPARE(rows.size(), 1 + HarmonicCount);
  QCOMPARE(rows[0], QString(DataExport::HarmonicsHeader));
  for (int k = 0; k < HarmonicCount; ++k) {
    const HarmonicPhasor &e = Form->PhasorList[k];
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(e.Re, e.Im, magnitude, angle);
    const QString &row = rows[k + 1];
    QCOMPARE(row.count(','), 4);
    QCOMPARE(Field(row, 0), Bits(double(k)));
    QCOMPARE(Field(row, 1), Bits(magnitude));
    QCOMPARE(Field(row, 2), Bits(angle));
    QCOMPARE(Field(row, 3), Bits(e.Re));
    QCOMPARE(Field(row, 4), Bits(e.Im));
  }
}

void TestExport::SamplesAreFreshReconstruction()
{
  // Rewound after a change of the highest harmonic: ReconWave past step 0
  // still holds the old curve.
  Form->TimeTrackBar->setValue(0);
  ChooseHighestHarmonic(*Form, 3);
  QVERIFY(Form->ExportSamples(Dir->filePath("s.csv")));
  const QStringList rows = CsvRows(Dir->filePath("s.csv"));
  QCOMPARE(rows.size(), 1 + SweepSteps);
  QCOMPARE(rows[0], QString(DataExport::SamplesHeader));
  int staleDiffers = 0;
  for (int n = 0; n < SweepSteps; ++n) {
    const double fresh = Reconstruction::RealValueAt(Form->PhasorList, 3, false, n);
    QCOMPARE(Field(rows[n + 1], 0), Bits(double(n)));
    QCOMPARE(Field(rows[n + 1], 1), Bits(Form->IdealWave[n % PeriodSteps]));
    QCOMPARE(Field(rows[n + 1], 2), Bits(fresh));
    staleDiffers += Form->ReconWave[n] != fresh;
  }
  QVERIFY(staleDiffers > 0);
}

void TestExport::AnimationFramesAndDelays_data()
{
  QTest::addColumn<bool>("inAction");  // frames drawn even while an action defers redraws
  QTest::newRow("menu") << false;
  QTest::newRow("inside an action") << true;
}

void TestExport::AnimationFramesAndDelays()
{
  QFETCH(bool, inAction);
  const QString path = Dir->filePath("sweep.gif");
  int calls = 0;
  int last = 0;
  {
    std::optional<TActionScope> action;
    if (inAction)
      action.emplace(*Form);
    QVERIFY(Form->ExportAnimation(path, [&](int done, int total) {
      ++calls;
      last = done;
      return done <= total;
    }));
  }
  QCOMPARE(last, calls);
  int error = 0;
  GifFileType *gif = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
  QVERIFY(gif);
  const auto close = qScopeGuard([gif] { DGifCloseFile(gif, nullptr); });
  QCOMPARE(DGifSlurp(gif), GIF_OK);
  QCOMPARE(gif->ImageCount, 256);
  QCOMPARE(gif->SWidth, 251 + 9 + 512);
  QCOMPARE(gif->SHeight, 251);
  const ExtensionBlock *blocks = gif->SavedImages[0].ExtensionBlocks;
  bool loops = false;
  for (int b = 0; b + 1 < gif->SavedImages[0].ExtensionBlockCount; ++b)
    loops |= blocks[b].Function == APPLICATION_EXT_FUNC_CODE && blocks[b].ByteCount == 11
             && std::memcmp(blocks[b].Bytes, "NETSCAPE2.0", 11) == 0
             && blocks[b + 1].ByteCount == 3 && blocks[b + 1].Bytes[1] == 0 && blocks[b + 1].Bytes[2] == 0;
  QVERIFY(loops);

  // Frame after frame drawn over each other, the picture at frame k is the
  // window's own redraw at step 2k.
  QImage shown(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
  for (int k = 0; k < gif->ImageCount; ++k) {
    GraphicsControlBlock control{};
    QCOMPARE(DGifSavedExtensionToGCB(gif, k, &control), GIF_OK);
    QCOMPARE(control.DelayTime, 2);
    const SavedImage &frame = gif->SavedImages[k];
    const GifImageDesc &d = frame.ImageDesc;
    for (int y = 0; y < d.Height; ++y)
      for (int x = 0; x < d.Width; ++x) {
        const GifColorType c = gif->SColorMap->Colors[frame.RasterBits[y * d.Width + x]];
        shown.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
      }
    if (k != 0 && k != 100 && k != 255)
      continue;
    Form->TimeTrackBar->setValue(2 * k);
    QCOMPARE(shown.copy(0, 0, 251, 251), Form->PhasorImage->Image());
    QCOMPARE(shown.copy(260, 0, 512, 251), Form->TimeImage->Image());
  }
}

void TestExport::CancelledAnimationLeavesNoFile()
{
  const QString path = Dir->filePath("sweep.gif");
  QFile old(path);
  QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
  old.close();
  const TSnapshot before = Snap(*Form, *Sound->Log);
  QVERIFY(!Form->ExportAnimation(path, [](int done, int) { return done < 300; }));
  QVERIFY(Form->LastExportError.isEmpty());
  QVERIFY(Snap(*Form, *Sound->Log) == before);
  QCOMPARE(QDir(Dir->path()).entryList(QDir::Files), QStringList("sweep.gif"));
  QVERIFY(old.open(QIODevice::ReadOnly));
  QCOMPARE(old.readAll(), "old");
}

void TestExport::PictureIsTheCanvasesAsShown_data()
{
  QTest::addColumn<double>("zoom");
  QTest::newRow("actual size") << 1.0;
  QTest::newRow("zoomed") << 2.0;
}

void TestExport::PictureIsTheCanvasesAsShown()
{
  QFETCH(double, zoom);
  Form->show();
  Form->SetZoom(zoom);
  QCOMPARE(Form->ZoomFactor, zoom);
  QVERIFY(Form->ExportPicture(Dir->filePath("plots.png")));
  const QImage picture(Dir->filePath("plots.png"));
  const QImage plane = Form->PhasorImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage time = Form->TimeImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int gap = Form->TimeImage->x() - Form->PhasorImage->x() - Form->PhasorImage->width();
  QCOMPARE(plane.size(), QSize(251, 251) * zoom);
  QCOMPARE(gap, 9 * zoom);
  QCOMPARE(picture.size(), QSize(plane.width() + gap + time.width(), plane.height()));
  QCOMPARE(picture.convertToFormat(QImage::Format_RGB32).copy(0, 0, plane.width(), plane.height()), plane);
  QCOMPARE(picture.convertToFormat(QImage::Format_RGB32).copy(plane.width() + gap, 0, time.width(), time.height()), time);
}

// The menu path: a file chosen in the dialog, and one message naming it when
// it cannot be written.
void TestExport::MenuFailureNamesTheFile()
{
  QString path;
  QTimer answer;
  connect(&answer, &QTimer::timeout, [&path] {
    if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
      dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path);
      static_cast<QDialog *>(dialog)->accept();
    }
  });
  answer.start(10);
  path = Dir->filePath("h.csv");
  Form->FileExportHarmonics->trigger();
  QVERIFY(QFile::exists(path));
  QVERIFY(Catcher->Messages.isEmpty());
  path = Dir->filePath("missing/h.csv");
  Form->FileExportHarmonics->trigger();
  QCOMPARE(Catcher->Messages.size(), 1);
  QVERIFY(Catcher->Messages[0].Text.contains(path));
  QVERIFY(!QFile::exists(path));
}

void TestExport::RunExportsExitCodes_data()
{
  QTest::addColumn<int>("unwritable");  // the kind whose path cannot be written, or -1
  QTest::newRow("all written") << -1;
  for (int kind = 0; kind < 5; ++kind)
    QTest::addRow("kind %d unwritable", kind) << kind;
}

void TestExport::RunExportsExitCodes()
{
  QFETCH(int, unwritable);
  TCommandLineOptions options;
  QString *paths[] = {&options.ExportPicture, &options.ExportSound, &options.ExportHarmonics,
                      &options.ExportSamples, &options.ExportAnimation};
  for (int kind = 0; kind < 5; ++kind)
    *paths[kind] = Dir->filePath(kind == unwritable ? "missing/out" : QString("out%1").arg(kind));
  QTemporaryFile errors;
  QVERIFY(errors.open());
  std::fflush(stderr);
  const int saved = dup(2);
  dup2(errors.handle(), 2);
  const int code = RunExports(*Form, options);
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  QFile written(errors.fileName());
  QVERIFY(written.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromLocal8Bit(written.readAll()).split('\n', Qt::SkipEmptyParts);
  QCOMPARE(code, unwritable < 0 ? 0 : 1);
  QCOMPARE(lines.size(), unwritable < 0 ? 0 : 1);
  if (unwritable >= 0)
    QVERIFY(lines[0].contains(*paths[unwritable]));
  for (int kind = 0; kind < (unwritable < 0 ? 5 : unwritable); ++kind)
    QVERIFY(QFileInfo(*paths[kind]).size() > 0);
}

// A screen large enough for the window at twice its size.
int main(int argc, char *argv[])
{
  QTemporaryDir directory;
  QFile config(directory.filePath("screen.json"));
  if (!config.open(QIODevice::WriteOnly))
    return 1;
  config.write(R"({"screens": [{"name": "Large", "x": 0, "y": 0, "width": 3840, "height": 2160,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  config.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toLocal8Bit());
  QApplication application(argc, argv);
  TestExport test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_export.moc"
