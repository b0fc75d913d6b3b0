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
#include <cstring>
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

// The pixels of the pictures of the frame before, 32 bits each, row by row;
// kept in a buffer of their own, so the canvases never copy theirs.
class TPreviousPicture {
public:
  // The part of row y of picture that differs from the picture before, as
  // [first, last], and that row remembered in its place; false when the row
  // is as it was. A picture of another size than before differs everywhere.
  bool ChangedSpan(const QImage &picture, int y, int &first, int &last)
  {
    const int width = picture.width();
    if (picture.size() != Size) {
      Size = picture.size();
      Pixels.assign(std::size_t(width) * std::size_t(picture.height()), 0);
      Known.assign(std::size_t(picture.height()), false);
    }
    const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
    QRgb *old = Pixels.data() + std::size_t(y) * std::size_t(width);
    first = 0;
    last = width - 1;
    if (Known[std::size_t(y)]) {
      if (std::memcmp(row, old, std::size_t(width) * sizeof(QRgb)) == 0)
        return false;
      while (row[first] == old[first])
        ++first;
      while (row[last] == old[last])
        --last;
    }
    Known[std::size_t(y)] = true;
    std::memcpy(old + first, row + first, std::size_t(last - first + 1) * sizeof(QRgb));
    return width > 0;
  }

private:
  QSize Size;
  std::vector<QRgb> Pixels;
  std::vector<bool> Known;
};

// Palette indices of frames: each colour takes the next index as it first
// appears, up to 255 colours (the GIF writer keeps the last index for itself);
// any beyond (which the plots never draw) take the nearest one. A frame is two pictures (32 bits a pixel, as the canvases
// hold them) side by side, top-aligned, gap pixels of the fill colour between
// them and under the shorter one; they are read where they lie, never copied
// into one picture.
//
// Frame after frame, only the pixels that differ from the frame before are
// read again (the index buffer keeps the rest), and runs of one colour cost
// one comparison a pixel: the work follows what moves, not the frame's size.
class TColourIndex {
public:
  // The frame's size in pixels.
  static QSize FrameSize(const QImage &left, const QImage &right, int gap)
  {
    return {left.width() + gap + right.width(), std::max(left.height(), right.height())};
  }

  void Map(const QImage &left, const QImage &right, int gap, QRgb fill,
           std::vector<std::uint8_t> &indices)
  {
    const QSize size = FrameSize(left, right, gap);
    const std::size_t count = std::size_t(size.width()) * std::size_t(size.height());
    if (indices.size() != count) {
      indices.assign(count, IndexOf(fill & 0xFFFFFFu));
      Previous[0] = Previous[1] = TPreviousPicture();
    }
    const QImage *pictures[] = {&left, &right};
    const int offsets[] = {0, left.width() + gap};
    for (int i = 0; i < 2; ++i) {
      const QImage &picture = *pictures[i];
      for (int y = 0; y < picture.height(); ++y) {
        int first = 0;
        int last = 0;
        if (!Previous[i].ChangedSpan(picture, y, first, last))
          continue;
        const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        std::uint8_t *out =
            indices.data() + std::size_t(y) * std::size_t(size.width()) + std::size_t(offsets[i]);
        for (int x = first; x <= last; ++x) {
          const QRgb rgb = row[x] & 0xFFFFFFu;
          out[x] = rgb == LastColour ? LastIndex : IndexOf(rgb);
        }
      }
    }
  }

  std::vector<std::uint32_t> Palette;  // 0xRRGGBB

private:
  std::uint8_t IndexOf(QRgb rgb)
  {
    if (rgb == LastColour)
      return LastIndex;
    auto found = Index.constFind(rgb);
    if (found == Index.constEnd()) {
      int best = int(Palette.size());
      if (Palette.size() < 255) {
        Palette.push_back(rgb);
      } else {
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
  TPreviousPicture Previous[2];  // the pictures of the frame before
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
}

QImage TRotantsForm::PlotsPicture()
{
  const QImage plane = PhasorImage->ShownPicture().convertToFormat(QImage::Format_RGB32);
  const QImage time = TimeImage->ShownPicture().convertToFormat(QImage::Format_RGB32);
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
// (or on a HiDPI screen), as the picture export takes them. Each frame is
// drawn once and encoded at once; only the encoded file is held until its
// palette is known. Afterwards the step, the entries, ReconWave, the status
// panels, the pictures and a running playback are put back as they were.
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
  const QRgb fill = palette().color(QPalette::Window).rgb();
  const auto shown = [](TImageCanvas *canvas) -> const QImage & {
    return canvas->DisplayScale() == 1.0 ? canvas->Image() : canvas->DisplayImage();
  };
  const auto drawFrame = [&](int frame) {
    {
      const QSignalBlocker blocker(TimeTrackBar);
      TimeTrackBar->setValue(frame * AnimationStride);
    }
    TimeTrackBarChange();
  };
  const int total = AnimationFrames;
  const auto goOn = [&progress, total](int done) { return !progress || progress(done, total); };

  const bool written = WriteFile(
      path,
      [&](const TByteSink &sink, QString &error) {
        // One pass: the palette grows as the frames show their colours, and
        // the writer puts it in front of the frames when they are done.
        TColourIndex colours;
        TGifWriter gif(sink);
        std::vector<std::uint8_t> indices;
        for (int frame = 0; frame < AnimationFrames; ++frame) {
          drawFrame(frame);
          const QImage &plane = shown(PhasorImage);
          const QImage &time = shown(TimeImage);
          if (frame == 0) {
            const QSize size = TColourIndex::FrameSize(plane, time, gap);
            if (!gif.Begin(size.width(), size.height(), true)) {
              error = QString::fromStdString(gif.Error());
              return false;
            }
          }
          colours.Map(plane, time, gap, fill, indices);
          if (!gif.AddFrame(indices.data(), AnimationDelay)) {
            error = QString::fromStdString(gif.Error());
            return false;
          }
          if (!goOn(frame + 1))
            return false;
        }
        if (!gif.Finish(colours.Palette)) {
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
  QFileDialog dialog(this, title, QDir(StartFolder()).filePath(fileName), filter);
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

QString TRotantsForm::StartFolder() const
{
  if (!ExportDirectory.isEmpty())
    return ExportDirectory;
  if (!CaptionFile.isEmpty())
    return QFileInfo(CaptionFile).absolutePath();
  const QString remembered =
      Settings ? Settings->value(ExportDirectoryKey).toString() : QString();
  return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : QDir::homePath();
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
  QProgressDialog dialog(tr("Writing the animation..."), tr("Cancel"), 0, AnimationFrames,
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
