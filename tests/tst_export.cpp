#include "CommandLine.h"
#include "DataExport.h"
#include "GifWriter.h"
#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "Reconstruction.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <gif_lib.h>

#include <array>
#include <bit>
#include <cmath>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>
#include <unistd.h>

namespace {

// Picture, sound, harmonics, samples, animation (the order of RunExports), and
// an animation cancelled halfway.
bool Export(TRotantsForm &form, int kind, const QString &path)
{
  return std::array<std::function<bool()>, 6>{
      [&] { return form.ExportPicture(path); }, [&] { return form.ExportSound(path, 5.0); },
      [&] { return form.ExportHarmonics(path); }, [&] { return form.ExportSamples(path); },
      [&] { return form.ExportAnimation(path); },
      [&] { return form.ExportAnimation(path, [](int done, int total) { return done < total / 2; }); }}[kind]();
}

QByteArray Bytes(const void *data, std::size_t size)
{
  return QByteArray(static_cast<const char *>(data), qsizetype(size));
}

// Everything an export must leave as it found it.
auto Snap(TRotantsForm &form, const TSoundLog &log)
{
  QStringList texts{form.StatusPanel1->text(), form.StatusPanel3->text()};
  for (int row = 1; row <= HarmonicCount; ++row)
    texts << form.PhasorGrid->item(row, 1)->text() << form.PhasorGrid->item(row, 2)->text();
  return std::tuple(Bytes(form.PhasorList.data(), sizeof form.PhasorList),
                    Bytes(form.ReconWave.data(), sizeof form.ReconWave),
                    Bytes(form.MySound->Buffer, form.MySound->DataSize), texts,
                    form.PhasorImage->Image().copy(), form.TimeImage->Image().copy(),
                    form.TimeTrackBar->value(), form.EditMode, log.Events.size(),
                    form.SimulationTimer->isActive());
}

QByteArray Contents(const QString &path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint64 Bits(double value)
{
  return std::bit_cast<quint64>(value);
}

// A CSV row's values as bits, so that they compare exactly ('.' only); a field
// that is no number, or has more than 15 significant digits, gives 1.
QList<quint64> Fields(const QString &row)
{
  QList<quint64> bits;
  for (const QString &field : row.split(',')) {
    bool ok = false;
    const double value = field.toDouble(&ok);
    const QString digits =
        field.section('e', 0, 0).remove(QRegularExpression("[-.]")).remove(QRegularExpression("^0+"));
    bits << (ok && digits.size() <= 15 ? Bits(value) : 1);
  }
  return bits;
}

// The value as 15 significant digits read back.
quint64 Rounded(double value)
{
  return Bits(QString::number(value, 'g', 15).toDouble());
}

// Draws frame k of a slurped GIF onto screen (palette indices, SWidth x
// SHeight, row by row) as a viewer does: the transparent index keeps what lies
// below. Returns the frame's control block.
GraphicsControlBlock DrawGifFrame(GifFileType *gif, int k, std::vector<std::uint8_t> &screen)
{
  GraphicsControlBlock control{};
  DGifSavedExtensionToGCB(gif, k, &control);
  const SavedImage &frame = gif->SavedImages[k];
  const GifImageDesc &d = frame.ImageDesc;
  for (int y = 0; y < d.Height; ++y)
    for (int x = 0; x < d.Width; ++x) {
      const int index = frame.RasterBits[y * d.Width + x];
      if (index != control.TransparentColor)
        screen[std::size_t((d.Top + y) * gif->SWidth + d.Left + x)] = std::uint8_t(index);
    }
  return control;
}

}  // namespace

class TestExport : public QObject {
  Q_OBJECT

private slots:
  void init();

  void Unchanged_data();
  void Unchanged();
  void WaveHeaderAndLength_data();
  void WaveHeaderAndLength();
  void CsvReadBack_data();
  void CsvReadBack();
  void CsvNumbers_data();
  void CsvNumbers();
  void AnimationFramesAndDelays();
  void GifUnchangedPixelsShowThrough_data();
  void GifUnchangedPixelsShowThrough();
  void PictureIsTheCanvasesAsShown();
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
  Catcher.reset();
  Form.reset();  // the window of the test before, while its sound scope lives
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Catcher = std::make_unique<TMessageBoxCatcher>();
  Dir = std::make_unique<QTemporaryDir>();
  // A lesson in progress: a square wave with its tone, traced, past halfway.
  ChooseWaveform(*Form, 2);
  Form->SoundCheckBox->click();
  Form->TraceCheckBox->click();
  Form->TimeTrackBar->setValue(300);
}

void TestExport::Unchanged_data()
{
  QTest::addColumn<int>("kind");
  QTest::addColumn<bool>("playing");
  QTest::addColumn<bool>("stroke");  // drawn with the error shown, the button still held
  for (int row = 0; row < 12; ++row)
    QTest::addRow("kind %d%s", row / 2, row % 2 ? " playing" : "")
        << row / 2 << bool(row % 2) << false;
  for (int kind : {4, 5})
    QTest::addRow("kind %d during a stroke", kind) << kind << false << true;
}

// A file that was there stays whole until the export succeeds.
void TestExport::Unchanged()
{
  QFETCH(int, kind);
  QFETCH(bool, playing);
  QFETCH(bool, stroke);
  const bool cancelled = kind == 5;
  QFile old(Dir->filePath("out"));
  QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3 && old.flush());
  if (playing)
    Form->PlayBtn->click();
  if (stroke) {
    Form->ViewShowError->trigger();
    ChooseWaveform(*Form, 1);
    for (const auto &[type, at] : {std::pair(QEvent::MouseButtonPress, QPoint(10, 40)),
                                   std::pair(QEvent::MouseMove, QPoint(120, 200))}) {
      QMouseEvent event(type, QPointF(at), QPointF(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QApplication::sendEvent(Form->TimeImage, &event);
    }
  }
  const auto before = Snap(*Form, *Sound->Log);
  QCOMPARE(Export(*Form, kind, old.fileName()), !cancelled);
  QVERIFY(Snap(*Form, *Sound->Log) == before);
  QCOMPARE(Contents(old.fileName()) == "old", cancelled);
  QCOMPARE(QDir(Dir->path()).entryList(QDir::Files), QStringList("out"));
  QVERIFY(Form->LastExportError.isEmpty() && Catcher->Messages.isEmpty());
}

void TestExport::WaveHeaderAndLength_data()
{
  QTest::addColumn<double>("seconds");
  QTest::addColumn<int>("frames");  // -1: refused, no file
  QTest::newRow("default") << 5.0 << 220500;
  QTest::newRow("whole loops") << 0.5 << 22050;
  QTest::newRow("partial loop") << 0.0101 << 445;
  QTest::newRow("shorter than a frame") << 0.4 / 44100 << -1;
  QTest::newRow("nan") << std::nan("") << -1;
  QTest::newRow("infinite") << HUGE_VAL << -1;
  QTest::newRow("over an hour") << 3600.5 << -1;
}

void TestExport::WaveHeaderAndLength()
{
  QFETCH(double, seconds);
  QFETCH(int, frames);
  const QString path = Dir->filePath("tone.wav");
  QCOMPARE(Form->ExportSound(path, seconds), frames > 0);
  QVERIFY(Form->LastExportError.isEmpty() == frames > 0 && QFile::exists(path) == frames > 0);
  if (frames < 0)
    return;
  const QByteArray wav = Contents(path);
  QCOMPARE(wav.size(), 44 + 2 * frames);
  QCOMPARE(wav.left(4) + wav.mid(8, 8) + wav.mid(36, 4), "RIFFWAVEfmt data");
  // RIFF length, format chunk size, rate, byte rate, data length; then PCM,
  // stereo, frame size and bits.
  for (auto [at, value] :
       {std::pair(4, wav.size() - 8), {16, 16}, {24, 44100}, {28, 88200}, {40, 2 * frames}})
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + at), quint32(value));
  for (auto [at, value] : {std::pair(20, 1), {22, 2}, {32, 2}, {34, 8}})
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + at), quint16(value));
  const QByteArray loop = Bytes(Form->MySound->Buffer, 200);
  for (int i = 0; i < 2 * frames; i += 200)
    QCOMPARE(wav.mid(44 + i, 200), loop.left(std::min(200, 2 * frames - i)));
}

void TestExport::CsvReadBack_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<bool>("conjugate");
  QTest::addColumn<bool>("commaLocale");
  QTest::newRow("square") << 2 << false << false;
  QTest::newRow("sawtooth conjugate") << 6 << true << false;
  QTest::newRow("bipolar, decimal comma") << 4 << false << true;
}

// Samples are reconstructed afresh: after a change of the highest harmonic at
// step 0, ReconWave past step 0 still holds the old curve.
void TestExport::CsvReadBack()
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
  Form->TimeTrackBar->setValue(0);
  ChooseHighestHarmonic(*Form, 3);
  QVERIFY(Form->ExportHarmonics(Dir->filePath("h.csv")));
  QVERIFY(Form->ExportSamples(Dir->filePath("s.csv")));
  const QStringList harmonics = QString(Contents(Dir->filePath("h.csv"))).split('\n');
  const QStringList samples = QString(Contents(Dir->filePath("s.csv"))).split('\n');
  QCOMPARE(harmonics.size(), 2 + HarmonicCount);  // a line break ends the last row
  QCOMPARE(samples.size(), 2 + SweepSteps);
  QCOMPARE(harmonics[0], "harmonic,magnitude,angle_deg,real,imaginary");
  QCOMPARE(samples[0], "step,ideal,reconstructed");
  for (int k = 0; k < HarmonicCount; ++k) {
    const HarmonicPhasor &e = Form->PhasorList[k];
    double magnitude = 0.0, angle = 0.0;
    HarmonicMath::RectToPolar(e.Re, e.Im, magnitude, angle);
    // Rounding noise (a sinc at a whole number, a cosine of 90 degrees) reads 0.
    const auto clean = [](double v) { return Rounded(std::fabs(v) < 1e-12 ? 0.0 : v); };
    QCOMPARE(Fields(harmonics[k + 1]), QList({Rounded(k), clean(magnitude), clean(angle),
                                              clean(e.Re), clean(e.Im)}));
  }
  int stale = 0;
  for (int n = 0; n < SweepSteps; ++n) {
    const double fresh = Reconstruction::RealValueAt(Form->PhasorList, 3, conjugate, n);
    QCOMPARE(Fields(samples[n + 1]),
             QList({Rounded(n), Rounded(Form->IdealWave[n % PeriodSteps]),
                    Rounded(std::fabs(fresh) < 1e-12 ? 0.0 : fresh)}));
    stale += Form->ReconWave[n] != fresh;
  }
  QVERIFY(stale > 0);
}

void TestExport::CsvNumbers_data()
{
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("text");
  QTest::newRow("typed magnitude") << 0.6366 << "0.6366";
  QTest::newRow("zero") << 0.0 << "0";
  QTest::newRow("negative zero") << -0.0 << "0";
  QTest::newRow("two thirds") << 2.0 / 3.0 << "0.666666666666667";
  QTest::newRow("angle") << -180.0 << "-180";
  QTest::newRow("binary residue") << 1.2246467991473532e-16 << "1.22464679914735e-16";
  QTest::newRow("whole") << 123456789012345.0 << "123456789012345";
  QTest::newRow("beyond 15 digits") << 1234567890123456.0 << "1.23456789012346e+15";
}

void TestExport::CsvNumbers()
{
  QFETCH(double, value);
  QFETCH(QString, text);
  QCOMPARE(QString::fromStdString(DataExport::FormatNumber(value)), text);
}

void TestExport::AnimationFramesAndDelays()
{
  const QString path = Dir->filePath("sweep.gif");
  {
    // Every frame is drawn even while an action that defers redraws is open.
    const TActionScope action(*Form);
    QVERIFY(Form->ExportAnimation(path));
  }
  GifFileType *gif = DGifOpenFileName(path.toLocal8Bit().constData(), nullptr);
  QVERIFY(gif);
  const auto close = qScopeGuard([gif] { DGifCloseFile(gif, nullptr); });
  QCOMPARE(DGifSlurp(gif), GIF_OK);
  QCOMPARE(QSize(gif->SWidth, gif->SHeight), QSize(251 + 9 + 512, 251));
  QCOMPARE(gif->ImageCount, 256);
  const SavedImage &first = gif->SavedImages[0];
  QVERIFY(first.ExtensionBlockCount >= 2 && first.ExtensionBlocks[0].ByteCount == 11);
  QCOMPARE(Bytes(first.ExtensionBlocks[0].Bytes, 11) + Bytes(first.ExtensionBlocks[1].Bytes, 3),
           QByteArray("NETSCAPE2.0\x01\x00\x00", 14));  // loop for ever

  // Frame after frame drawn over each other, the picture at frame k is the
  // window's own redraw at step 2k.
  std::vector<std::uint8_t> screen(std::size_t(gif->SWidth * gif->SHeight));
  for (int k = 0; k < gif->ImageCount; ++k) {
    const GraphicsControlBlock control = DrawGifFrame(gif, k, screen);
    QCOMPARE(control.DelayTime, 2);
    // Pixels that did not change are left transparent after the first frame.
    QCOMPARE(control.TransparentColor, k == 0 ? NO_TRANSPARENT_COLOR : 255);
    if (k == 0 || k == 100 || k == 255) {
      QImage shown(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
      for (std::size_t i = 0; i < screen.size(); ++i) {
        const GifColorType c = gif->SColorMap->Colors[screen[i]];
        shown.setPixel(int(i % std::size_t(gif->SWidth)), int(i / std::size_t(gif->SWidth)),
                       qRgb(c.Red, c.Green, c.Blue));
      }
      Form->TimeTrackBar->setValue(2 * k);
      QCOMPARE(shown.copy(0, 0, 251, 251), Form->PhasorImage->Image());
      QCOMPARE(shown.copy(260, 0, 512, 251), Form->TimeImage->Image());
    }
  }
}

void TestExport::GifUnchangedPixelsShowThrough_data()
{
  QTest::addColumn<int>("paletteSize");  // 0: the palette is given at the end
  QTest::addColumn<int>("transparent");  // index of the frames after the first, or -1

  QTest::newRow("3 colours, a spare index") << 3 << 3;
  QTest::newRow("4 colours, no spare index") << 4 << NO_TRANSPARENT_COLOR;
  QTest::newRow("256 colours") << 256 << NO_TRANSPARENT_COLOR;
  QTest::newRow("palette at the end") << 0 << 255;
}

// Three 4 x 3 frames, the second and third each changing two pixels; read back
// with giflib and drawn over each other, every frame is what was written.
void TestExport::GifUnchangedPixelsShowThrough()
{
  QFETCH(int, paletteSize);
  QFETCH(int, transparent);
  std::vector<std::uint8_t> file;
  TGifWriter writer([&file](const std::uint8_t *data, std::size_t size) {
    file.insert(file.end(), data, data + size);
    return true;
  });
  const std::vector<std::uint32_t> palette(std::size_t(paletteSize ? paletteSize : 3), 0x123456);
  QVERIFY(paletteSize ? writer.Begin(4, 3, palette, false) : writer.Begin(4, 3, false));
  std::vector<std::vector<std::uint8_t>> frames(3, std::vector<std::uint8_t>(12, 0));
  frames[1][5] = frames[1][10] = 1;
  frames[2] = frames[1];
  frames[2][5] = 2;
  frames[2][6] = 1;
  for (const auto &frame : frames)
    QVERIFY(writer.AddFrame(frame.data(), 5));
  QVERIFY(paletteSize ? writer.Finish() : writer.Finish(palette));
  if (!paletteSize) {
    // The writer keeps its transparent index for itself.
    TGifWriter refused([](const std::uint8_t *, std::size_t) { return true; });
    const std::vector<std::uint8_t> bad(12, 255);
    QVERIFY(refused.Begin(4, 3, false));
    QVERIFY(!refused.AddFrame(bad.data(), 5));
    QCOMPARE(refused.Error(), std::string("a frame uses a colour outside the palette"));
  }

  const QString path = Dir->filePath("frames.gif");
  QFile out(path);
  QVERIFY(out.open(QIODevice::WriteOnly));
  out.write(reinterpret_cast<const char *>(file.data()), qint64(file.size()));
  out.close();
  GifFileType *gif = DGifOpenFileName(path.toLocal8Bit().constData(), nullptr);
  QVERIFY(gif);
  const auto close = qScopeGuard([gif] { DGifCloseFile(gif, nullptr); });
  QCOMPARE(DGifSlurp(gif), GIF_OK);
  QCOMPARE(gif->ImageCount, 3);
  std::vector<std::uint8_t> shown(12, 0);
  for (int k = 0; k < 3; ++k) {
    const GraphicsControlBlock control = DrawGifFrame(gif, k, shown);
    QCOMPARE(control.TransparentColor, k == 0 ? NO_TRANSPARENT_COLOR : transparent);
    QCOMPARE(shown, frames[std::size_t(k)]);
  }
  // The second frame is the rectangle around its two changes.
  const GifImageDesc &second = gif->SavedImages[1].ImageDesc;
  QCOMPARE(QRect(second.Left, second.Top, second.Width, second.Height), QRect(1, 1, 2, 2));
}

void TestExport::PictureIsTheCanvasesAsShown()
{
  Form->show();
  QVERIFY(Form->ExportPicture(Dir->filePath("plots.png")));
  const QImage picture = QImage(Dir->filePath("plots.png")).convertToFormat(QImage::Format_RGB32);
  const QImage plane = Form->PhasorImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage time = Form->TimeImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(picture.size(), QSize(251 + 9 + 512, 251));
  QCOMPARE(picture.copy(0, 0, plane.width(), plane.height()), plane);
  QCOMPARE(picture.copy(picture.width() - time.width(), 0, time.width(), time.height()), time);
}

void TestExport::RunExportsExitCodes_data()
{
  QTest::addColumn<int>("unwritable");  // the kind whose path cannot be written, or -1
  for (int kind = -1; kind < 5; ++kind)
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
  const int saved = dup(2);  // stderr is unbuffered
  dup2(errors.handle(), 2);
  const int code = RunExports(*Form, options);
  dup2(saved, 2);
  ::close(saved);
  const QStringList lines = QString(Contents(errors.fileName())).split('\n', Qt::SkipEmptyParts);
  QCOMPARE(QList<qsizetype>({code, lines.size()}), QList<qsizetype>(2, unwritable < 0 ? 0 : 1));
  QVERIFY(unwritable < 0 || lines[0].contains(*paths[unwritable]));
  QVERIFY(unwritable == 0 || QFileInfo(options.ExportPicture).size() > 0);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
