#include "MainForm.h"

#include "DataExport.h"
#include "FigureRenderer.h"
#include "GifWriter.h"
#include "PhasorSetFile.h"
#include "MySoundUnit.h"
#include "ToneSynthesis.h"
#include "WaveExport.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

// The Export submenu and the exports behind it. The file formats are the
// toolkit-free exporters' (DataExport, WaveExport, TGifWriter); this wires them
// to the window's state, writes their bytes through QSaveFile and asks the user
// for files.

namespace {

constexpr int AnimationStride = 2;  // steps from one frame to the next
constexpr int AnimationDelay = 2;   // hundredths of a second per frame
constexpr int AnimationFrames = SweepSteps / AnimationStride;
constexpr double DefaultSoundSeconds = 5.0;
// Where the settings, when the window uses them, remember the last export's
// folder and sound length for the next session.
const char ExportDirectoryKey[] = "Export/Directory";
const char SoundSecondsKey[] = "Export/SoundSeconds";

// Writes the file at path from what produce sends to its sink, or leaves the
// path as it was. produce returns false when it fails (error then says why)
// or is cancelled (error stays empty). Every write is checked, and the flush
// too, before the commit: a commit alone can report success after a write
// has failed.
bool WriteFile(const QString &path,
               const std::function<bool(const TByteSink &sink, QString &error)> &produce,
               QString &error)
{
  error.clear();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  bool writeFailed = false;
  const TByteSink sink = [&file, &writeFailed](const std::uint8_t *data, std::size_t size) {
    if (writeFailed)
      return false;
    const qint64 written = file.write(reinterpret_cast<const char *>(data), qint64(size));
    writeFailed = written != qint64(size);
    return !writeFailed;
  };
  QString produceError;
  const bool produced = produce(sink, produceError);
  if (writeFailed || !produced || !file.flush() || file.error() != QFileDevice::NoError) {
    if (writeFailed || file.error() != QFileDevice::NoError)
      error = file.errorString();
    else
      error = produceError;
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

bool SendText(const TByteSink &sink, const std::string &text)
{
  return sink(reinterpret_cast<const std::uint8_t *>(text.data()), text.size());
}

// left and right side by side, top-aligned, gap pixels of fill between them.
QImage SideBySide(const QImage &left, const QImage &right, int gap, const QColor &fill)
{
  QImage picture(left.width() + gap + right.width(), std::max(left.height(), right.height()),
                 QImage::Format_RGB32);
  picture.fill(fill);
  QPainter painter(&picture);
  painter.drawImage(0, 0, left);
  painter.drawImage(left.width() + gap, 0, right);
  return picture;
}

// Palette indices of pictures whose colours are gathered first: up to 256
// colours keep their own index; any beyond (which the plots never draw) take
// the nearest one gathered.
class TColourIndex {
public:
  void Gather(const QImage &picture)
  {
    ForEachColour(picture, [this](QRgb rgb) {
      if (Palette.size() < 256 && !Index.contains(rgb)) {
        Index.insert(rgb, std::uint8_t(Palette.size()));
        Palette.push_back(rgb);
      }
    });
  }

  void Map(const QImage &picture, std::vector<std::uint8_t> &indices)
  {
    indices.resize(std::size_t(picture.width()) * std::size_t(picture.height()));
    std::size_t at = 0;
    ForEachColour(picture, [&](QRgb rgb) { indices[at++] = IndexOf(rgb); });
  }

  std::vector<std::uint32_t> Palette;  // 0xRRGGBB

private:
  template <typename F> static void ForEachColour(const QImage &picture, F &&visit)
  {
    for (int y = 0; y < picture.height(); ++y) {
      const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
      for (int x = 0; x < picture.width(); ++x)
        visit(row[x] & 0xFFFFFFu);
    }
  }

  std::uint8_t IndexOf(QRgb rgb)
  {
    if (rgb == LastColour)
      return LastIndex;
    auto found = Index.constFind(rgb);
    if (found == Index.constEnd()) {
      int best = 0;
      long bestDistance = -1;
      for (std::size_t i = 0; i < Palette.size(); ++i) {
        const long dr = qRed(rgb) - qRed(Palette[i]);
        const long dg = qGreen(rgb) - qGreen(Palette[i]);
        const long db = qBlue(rgb) - qBlue(Palette[i]);
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
          bestDistance = distance;
          best = int(i);
        }
      }
      found = Index.insert(rgb, std::uint8_t(best));
    }
    LastColour = rgb;
    LastIndex = found.value();
    return LastIndex;
  }

  QHash<QRgb, std::uint8_t> Index;
  QRgb LastColour = 0xFFFFFFFFu;  // no colour: the alpha bits are masked off
  std::uint8_t LastIndex = 0;
};

}  // namespace

void TRotantsForm::BuildExportMenu()
{
  MenuFileExport = new QMenu(MenuFile);
  MenuFileExport->setObjectName("MenuFileExport");
  const auto add = [this](QAction *&action, const char *name, const QString &text,
                          void (TRotantsForm::*handler)()) {
    action = MenuFileExport->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
  };
  add(FileExportPicture, "FileExportPicture", QString(),
      &TRotantsForm::FileExportPictureClick);
  add(FileExportSound, "FileExportSound", QString(), &TRotantsForm::FileExportSoundClick);
  add(FileExportHarmonics, "FileExportHarmonics", QString(),
      &TRotantsForm::FileExportHarmonicsClick);
  add(FileExportSamples, "FileExportSamples", QString(),
      &TRotantsForm::FileExportSamplesClick);
  add(FileExportAnimation, "FileExportAnimation", QString(),
      &TRotantsForm::FileExportAnimationClick);
  MenuFile->insertMenu(FileExit, MenuFileExport);
  MenuFile->insertSeparator(FileExit);
  ExportDirectory = QDir::homePath();
}

QImage TRotantsForm::PlotsPicture()
{
  const QImage plane = PhasorImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage time = TimeImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  // The strip of window between the plots, as wide as it is shown.
  const int gap = std::max(0, TimeImage->x() - (PhasorImage->x() + PhasorImage->width()));
  const QColor fill = palette().color(QPalette::Window);
  const QImage plots = SideBySide(plane, time, gap, fill);
  if (!ViewSpectrum->isChecked())
    return plots;
  // The spectrum under the plots, as far below them as they lie apart.
  const QImage strip = SpectrumImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QImage picture(std::max(plots.width(), strip.width()), plots.height() + gap + strip.height(),
                 QImage::Format_RGB32);
  picture.fill(fill);
  QPainter painter(&picture);
  painter.drawImage(0, 0, plots);
  painter.drawImage(0, plots.height() + gap, strip);
  return picture;
}

bool TRotantsForm::ExportPicture(const QString &path)
{
  const QImage picture = PlotsPicture();
  return WriteFile(
      path,
      [&picture](const TByteSink &sink, QString &error) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, "PNG")) {
          error = tr("the picture could not be encoded");
          return false;
        }
        return sink(reinterpret_cast<const std::uint8_t *>(png.constData()),
                    std::size_t(png.size()));
      },
      LastExportError);
}

bool TRotantsForm::ExportSound(const QString &path, double seconds)
{
  LastExportError.clear();
  if (WaveExport::FramesFor(seconds) < 0) {
    LastExportError = tr("the length must be at least one sample and at most %1 seconds")
                          .arg(WaveExport::MaxSeconds);
    return false;
  }
  // The loop as it plays: the player's buffer, or silence when it has none.
  std::vector<std::uint8_t> loop(std::size_t(ToneBytes), std::uint8_t(ToneSynthesis::SilenceByte));
  if (MySound->Buffer && MySound->DataSize > 0)
    loop.assign(MySound->Buffer, MySound->Buffer + MySound->DataSize);
  return WriteFile(
      path,
      [&](const TByteSink &sink, QString &) {
        return WaveExport::WriteWave(loop.data(), int(loop.size()), seconds, sink);
      },
      LastExportError);
}

bool TRotantsForm::ExportHarmonics(const QString &path)
{
  const std::string csv = DataExport::HarmonicsCsv(PhasorList);
  return WriteFile(
      path, [&csv](const TByteSink &sink, QString &) { return SendText(sink, csv); },
      LastExportError);
}

bool TRotantsForm::ExportSamples(const QString &path)
{
  const std::string csv = DataExport::SamplesCsv(IdealWave, PhasorList, HighestHarmonic,
                                                 ConjugateCheckBox->isChecked());
  return WriteFile(
      path, [&csv](const TByteSink &sink, QString &) { return SendText(sink, csv); },
      LastExportError);
}

bool TRotantsForm::ExportFigure(const QString &path)
{
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QLatin1String("svg") && suffix != QLatin1String("pdf")) {
    LastExportError = tr("the name must end in .svg or .pdf");
    return false;
  }
  const TFigureRenderer figure(FigureState());
  const QByteArray document = suffix == QLatin1String("svg") ? figure.Svg() : figure.Pdf();
  return WriteFile(
      path,
      [&document](const TByteSink &sink, QString &) {
        return sink(reinterpret_cast<const std::uint8_t *>(document.constData()),
                    std::size_t(document.size()));
      },
      LastExportError);
}

// Every frame is the window's own redraw at its step, taken from the canvases
// as shown: their own pixels at 100 %, their display images at another zoom
// (or on a HiDPI screen), as the picture export takes them. The frames are drawn twice: once to gather the
// palette, which the GIF needs before its first frame, and once to encode
// them, so no frame is held in memory. Afterwards the step, the entries,
// ReconWave, the status panels, the pictures and a running playback are put
// back as they were.
bool TRotantsForm::ExportAnimation(const QString &path,
                                   const std::function<bool(int done, int total)> &progress)
{
  const int step = TimeTrackBar->value();
  const TPhasorArray entries = PhasorList;
  const std::array<double, SweepSteps> reconWave = ReconWave;
  const QString stepText = StatusPanel1->text();
  // Each frame's redraw writes the error panel; during a stroke it shows the
  // error from before the stroke until the stroke ends.
  const QString errorText = StatusPanel3->text();
  const QImage planePixels = PhasorImage->Image();
  const QImage timePixels = TimeImage->Image();
  const QImage planeShown = PhasorImage->DisplayImage();
  const QImage timeShown = TimeImage->DisplayImage();
  const TCanvasPen planePen = PhasorImage->Pen;
  const TCanvasBrush planeBrush = PhasorImage->Brush;
  const TCanvasPen timePen = TimeImage->Pen;
  const TCanvasBrush timeBrush = TimeImage->Brush;
  const bool playing = SimulationTimer->isActive();
  SimulationTimer->stop();
  // Each frame is drawn at once, even when an action that defers its redraws
  // is open around the export.
  const bool defer = std::exchange(DeferWithinActions, false);

  // The strip between the plots in display pixels, as the picture shows it.
  const double scale = PhasorImage->DisplayScale();
  const int shownGap = TimeImage->x() - (PhasorImage->x() + PhasorImage->width());
  const int gap = std::max(0, int(std::lround(shownGap / ZoomFactor * scale)));
  const QColor fill = palette().color(QPalette::Window);
  const auto shown = [](TImageCanvas *canvas) -> const QImage & {
    return canvas->DisplayScale() == 1.0 ? canvas->Image() : canvas->DisplayImage();
  };
  const auto drawFrame = [&](int frame) {
    {
      const QSignalBlocker blocker(TimeTrackBar);
      TimeTrackBar->setValue(frame * AnimationStride);
    }
    TimeTrackBarChange();
    return SideBySide(shown(PhasorImage), shown(TimeImage), gap, fill);
  };
  const int total = 2 * AnimationFrames;
  const auto goOn = [&progress, total](int done) { return !progress || progress(done, total); };

  const bool written = WriteFile(
      path,
      [&](const TByteSink &sink, QString &error) {
        TColourIndex colours;
        QSize size;
        for (int frame = 0; frame < AnimationFrames; ++frame) {
          const QImage picture = drawFrame(frame);
          size = picture.size();
          colours.Gather(picture);
          if (!goOn(frame + 1))
            return false;
        }
        TGifWriter gif(sink);
        if (!gif.Begin(size.width(), size.height(), colours.Palette, true)) {
          error = QString::fromStdString(gif.Error());
          return false;
        }
        std::vector<std::uint8_t> indices;
        for (int frame = 0; frame < AnimationFrames; ++frame) {
          colours.Map(drawFrame(frame), indices);
          if (!gif.AddFrame(indices.data(), AnimationDelay)) {
            error = QString::fromStdString(gif.Error());
            return false;
          }
          if (!goOn(AnimationFrames + frame + 1))
            return false;
        }
        if (!gif.Finish()) {
          error = QString::fromStdString(gif.Error());
          return false;
        }
        return true;
      },
      LastExportError);

  {
    const QSignalBlocker blocker(TimeTrackBar);
    TimeTrackBar->setValue(step);
  }
  PhasorList = entries;
  ReconWave = reconWave;
  StatusPanel1->setText(stepText);
  StatusPanel3->setText(errorText);
  PhasorImage->RestoreImage(planePixels, planeShown);
  TimeImage->RestoreImage(timePixels, timeShown);
  PhasorImage->Pen = planePen;
  PhasorImage->Brush = planeBrush;
  TimeImage->Pen = timePen;
  TimeImage->Brush = timeBrush;
  DeferWithinActions = defer;
  if (playing)
    SimulationTimer->start();
  return written;
}

QString TRotantsForm::AskExportPath(const QString &title, const QString &fileName,
                                    const QString &filter)
{
  const QString directory =
      Settings ? Settings->value(ExportDirectoryKey, ExportDirectory).toString() : ExportDirectory;
  QFileDialog dialog(this, title, QDir(directory).filePath(fileName), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  const QString path = dialog.selectedFiles().constFirst();
  ExportDirectory = QFileInfo(path).absolutePath();
  if (Settings)
    Settings->setValue(ExportDirectoryKey, ExportDirectory);
  return path;
}

void TRotantsForm::ShowExportFailure(const QString &path)
{
  ShowWarning(tr("Could not export to \"%1\": %2.")
                  .arg(QDir::toNativeSeparators(path), LastExportError));
}

// The waveform's name as the files and the command line spell it, in every
// language: "rectified-cosine".
QString TRotantsForm::ExportBaseName() const
{
  return PhasorSetFile::WaveformNames().value(WaveformComboBox->currentIndex(),
                                              QStringLiteral("rotants"));
}

void TRotantsForm::FileExportPictureClick()
{
  const QString path = AskExportPath(tr("Export Picture"), ExportBaseName() + ".png",
                                     tr("PNG images (*.png)"));
  if (!path.isEmpty() && !ExportPicture(path))
    ShowExportFailure(path);
}

void TRotantsForm::FileExportSoundClick()
{
  bool ok = false;
  const double remembered =
      Settings ? Settings->value(SoundSecondsKey, DefaultSoundSeconds).toDouble(&ok) : 0.0;
  const double seconds = QInputDialog::getDouble(
      this, tr("Export Sound"), tr("Length in seconds:"),
      ok && WaveExport::FramesFor(remembered) >= 0 ? remembered : DefaultSoundSeconds, 0.01,
      WaveExport::MaxSeconds, 2, &ok);
  if (!ok)
    return;
  if (Settings)
    Settings->setValue(SoundSecondsKey, seconds);
  const QString path = AskExportPath(tr("Export Sound"), ExportBaseName() + ".wav",
                                     tr("WAV sounds (*.wav)"));
  if (!path.isEmpty() && !ExportSound(path, seconds))
    ShowExportFailure(path);
}

void TRotantsForm::FileExportHarmonicsClick()
{
  const QString path =
      AskExportPath(tr("Export Harmonics Table"), ExportBaseName() + "-harmonics.csv",
                    tr("CSV tables (*.csv)"));
  if (!path.isEmpty() && !ExportHarmonics(path))
    ShowExportFailure(path);
}

void TRotantsForm::FileExportSamplesClick()
{
  const QString path =
      AskExportPath(tr("Export Waveform Samples"), ExportBaseName() + "-samples.csv",
                    tr("CSV tables (*.csv)"));
  if (!path.isEmpty() && !ExportSamples(path))
    ShowExportFailure(path);
}

void TRotantsForm::FileExportFigureClick()
{
  const QString path = AskExportPath(tr("Export Figure"), ExportBaseName() + ".pdf",
                                     tr("PDF documents (*.pdf);;SVG drawings (*.svg)"));
  if (!path.isEmpty() && !ExportFigure(path))
    ShowExportFailure(path);
}

void TRotantsForm::FileExportAnimationClick()
{
  const QString path = AskExportPath(tr("Export Animation"), ExportBaseName() + ".gif",
                                     tr("GIF animations (*.gif)"));
  if (path.isEmpty())
    return;
  QProgressDialog dialog(tr("Writing the animation..."), tr("Cancel"), 0, 2 * AnimationFrames,
                         this);
  dialog.setWindowTitle(tr("Export Animation"));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(300);
  const bool written = ExportAnimation(path, [&dialog](int done, int total) {
    dialog.setMaximum(total);
    dialog.setValue(done);
    return !dialog.wasCanceled();
  });
  dialog.reset();
  if (!written && !LastExportError.isEmpty())
    ShowExportFailure(path);
}
