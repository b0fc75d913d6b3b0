#include "ExportsPart.h"

#include "ByteSink.h"
#include "DataExport.h"
#include "GifWriter.h"
#include "PhasorDocument.h"
#include "PhasorSetFile.h"
#include "ToneSynthesis.h"
#include "WaveExport.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QInputDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The file formats are the toolkit-free writers' (DataExport, WaveExport,
// TGifWriter) and the figure is TFigureRenderer's; this feeds them from the
// document and the window's view, writes their bytes through QSaveFile and
// asks the user for files and printers.

namespace {

constexpr int AnimationStride = 2;  // steps from one frame to the next
constexpr int AnimationDelay = 2;   // hundredths of a second per frame
constexpr int AnimationFrames = SweepSteps / AnimationStride;
constexpr double DefaultSoundSeconds = 5.0;
// Where the settings, when given, remember the last export's folder and sound
// length for the next session.
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
// any beyond (which the plots never draw) take the nearest one. A frame is two
// pictures (32 bits a pixel, as the canvases hold them) side by side,
// top-aligned, gap pixels of the fill colour between them and under the
// shorter one; they are read where they lie, never copied into one picture.
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

// Encodes the frames of a sweep as an animated GIF into a sink in one pass:
// the palette grows as the frames show their colours, and the writer puts it
// in front of the frames when they are done.
class TAnimationEncoder {
public:
  explicit TAnimationEncoder(const TByteSink &sink) : Gif(sink) {}

  bool Add(const TPlotsFrame &frame)
  {
    if (!Begun) {
      Begun = true;
      const QSize size = TColourIndex::FrameSize(*frame.Plane, *frame.Time, frame.Gap);
      if (!Gif.Begin(size.width(), size.height(), true))
        return Fail();
    }
    Colours.Map(*frame.Plane, *frame.Time, frame.Gap, frame.Fill, Indices);
    return Gif.AddFrame(Indices.data(), AnimationDelay) || Fail();
  }

  bool Finish() { return Gif.Finish(Colours.Palette) || Fail(); }

  // Why the writer failed; empty while it has not.
  QString Error;

private:
  bool Fail()
  {
    Error = QString::fromStdString(Gif.Error());
    return false;
  }

  TColourIndex Colours;
  TGifWriter Gif;
  std::vector<std::uint8_t> Indices;
  bool Begun = false;
};

}  // namespace

TExportsPart::TExportsPart(TPhasorDocument &document, TExportsView view, QWidget *window)
    : QObject(window), Document(document), View(std::move(view)), Window(window)
{
}

void TExportsPart::BuildExportMenu(QMenu *fileMenu, QAction *exit)
{
  MenuFileExport = new QMenu(fileMenu);
  MenuFileExport->setObjectName("MenuFileExport");
  const auto add = [this](QAction *&action, const char *name, void (TExportsPart::*handler)()) {
    action = MenuFileExport->addAction(QString());
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
  };
  add(FileExportPicture, "FileExportPicture", &TExportsPart::FileExportPictureClick);
  add(FileExportSound, "FileExportSound", &TExportsPart::FileExportSoundClick);
  add(FileExportHarmonics, "FileExportHarmonics", &TExportsPart::FileExportHarmonicsClick);
  add(FileExportSamples, "FileExportSamples", &TExportsPart::FileExportSamplesClick);
  add(FileExportAnimation, "FileExportAnimation", &TExportsPart::FileExportAnimationClick);
  fileMenu->insertMenu(exit, MenuFileExport);
  fileMenu->insertSeparator(exit);
}

void TExportsPart::BuildFigureActions(QMenu *fileMenu, QAction *exit, QMenu *editMenu)
{
  FileExportFigure = MenuFileExport->addAction(QString());
  FileExportFigure->setObjectName("FileExportFigure");
  connect(FileExportFigure, &QAction::triggered, this, &TExportsPart::FileExportFigureClick);

  // Print follows the Export submenu, above the separator before Exit.
  FilePrint = new QAction(this);
  FilePrint->setObjectName("FilePrint");
  FilePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  const QList<QAction *> fileItems = fileMenu->actions();
  const qsizetype exportAt = fileItems.indexOf(MenuFileExport->menuAction());
  fileMenu->insertAction(fileItems.value(exportAt + 1, exit), FilePrint);
  connect(FilePrint, &QAction::triggered, this, &TExportsPart::FilePrintClick);

  editMenu->addSeparator();
  EditCopyFigure = editMenu->addAction(QString());
  EditCopyFigure->setObjectName("EditCopyFigure");
  // Ctrl+C stays with the edit boxes, which copy their selected text.
  EditCopyFigure->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(EditCopyFigure, &QAction::triggered, this, &TExportsPart::EditCopyFigureClick);
}

void TExportsPart::UseSettings(QSettings *settings)
{
  Settings = settings;
}

void TExportsPart::SetWorkFile(const QString &path)
{
  WorkFile = path;
  // Exports of another file's work start beside that file.
  if (!path.isEmpty())
    ExportFolder.clear();
}

QString TExportsPart::StartFolder() const
{
  if (!ExportFolder.isEmpty())
    return ExportFolder;
  if (!WorkFile.isEmpty())
    return QFileInfo(WorkFile).absolutePath();
  const QString remembered =
      Settings ? Settings->value(ExportDirectoryKey).toString() : QString();
  return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : QDir::homePath();
}

bool TExportsPart::ExportPicture(const QString &path)
{
  const QImage picture = View.PlotsPicture();
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
      LastError);
}

bool TExportsPart::ExportSound(const QString &path, double seconds)
{
  LastError.clear();
  if (WaveExport::FramesFor(seconds) < 0) {
    LastError = tr("the length must be at least one sample and at most %1 seconds")
                    .arg(WaveExport::MaxSeconds);
    return false;
  }
  // The loop as it plays: the player's buffer, or silence when it has none.
  const std::span<const std::uint8_t> tone = View.ToneLoop();
  std::vector<std::uint8_t> loop(tone.begin(), tone.end());
  if (loop.empty())
    loop.assign(std::size_t(ToneBytes), std::uint8_t(ToneSynthesis::SilenceByte));
  return WriteFile(
      path,
      [&](const TByteSink &sink, QString &) {
        return WaveExport::WriteWave(loop.data(), int(loop.size()), seconds, sink);
      },
      LastError);
}

bool TExportsPart::ExportHarmonics(const QString &path)
{
  const std::string csv = DataExport::HarmonicsCsv(Document.PhasorList);
  return WriteFile(
      path, [&csv](const TByteSink &sink, QString &) { return SendText(sink, csv); }, LastError);
}

bool TExportsPart::ExportSamples(const QString &path)
{
  // The convention as the window's check box shows it.
  const bool conjugate = View.FigureState().Conjugate;
  const std::string csv = DataExport::SamplesCsv(Document.IdealWave, Document.PhasorList,
                                                 Document.HighestHarmonic, conjugate);
  return WriteFile(
      path, [&csv](const TByteSink &sink, QString &) { return SendText(sink, csv); }, LastError);
}

bool TExportsPart::ExportFigure(const QString &path)
{
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QLatin1String("svg") && suffix != QLatin1String("pdf")) {
    LastError = tr("the name must end in .svg or .pdf");
    return false;
  }
  const TFigureRenderer figure(View.FigureState());
  const QByteArray document = suffix == QLatin1String("svg") ? figure.Svg() : figure.Pdf();
  return WriteFile(
      path,
      [&document](const TByteSink &sink, QString &) {
        return sink(reinterpret_cast<const std::uint8_t *>(document.constData()),
                    std::size_t(document.size()));
      },
      LastError);
}

// Each frame is drawn once and encoded at once; only the encoded file is held
// until its palette is known.
bool TExportsPart::ExportAnimation(const QString &path,
                                   const std::function<bool(int done, int total)> &progress)
{
  return WriteFile(
      path,
      [&](const TByteSink &sink, QString &error) {
        TAnimationEncoder encoder(sink);
        int done = 0;
        const bool swept = View.SweepPlots(AnimationStride, [&](const TPlotsFrame &frame) {
          if (!encoder.Add(frame))
            return false;
          ++done;
          return !progress || progress(done, AnimationFrames);
        });
        if (swept && encoder.Finish())
          return true;
        error = encoder.Error;
        return false;
      },
      LastError);
}

QMimeData *TExportsPart::FigureMimeData() const
{
  const TFigureRenderer figure(View.FigureState());
  auto *data = new QMimeData;
  data->setImageData(figure.Picture(Window->size() * 2));
  data->setData(QStringLiteral("image/svg+xml"), figure.Svg());
  return data;
}

bool TExportsPart::PrintFigure(QPrinter &printer)
{
  LastError.clear();
  QPainter painter;
  if (!painter.begin(&printer)) {
    LastError = tr("the printer could not be started");
    return false;
  }
  const QRectF page(QPointF(0.0, 0.0),
                    printer.pageLayout().paintRectPixels(printer.resolution()).size());
  TFigureRenderer(View.FigureState()).RenderPage(painter, page);
  if (!painter.end()) {
    LastError = tr("the printer could not finish the page");
    return false;
  }
  return true;
}

QString TExportsPart::AskExportPath(const QString &title, const QString &fileName,
                                    const QString &filter)
{
  QFileDialog dialog(Window, title, QDir(StartFolder()).filePath(fileName), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  const QString path = dialog.selectedFiles().constFirst();
  ExportFolder = QFileInfo(path).absolutePath();
  if (Settings)
    Settings->setValue(ExportDirectoryKey, ExportFolder);
  return path;
}

void TExportsPart::ShowExportFailure(const QString &path)
{
  View.ShowWarning(tr("Could not export to \"%1\": %2.")
                       .arg(QDir::toNativeSeparators(path), LastError));
}

// The waveform's name as the files and the command line spell it, in every
// language: "rectified-cosine".
QString TExportsPart::ExportBaseName() const
{
  return PhasorSetFile::WaveformNames().value(View.WaveformItem(), QStringLiteral("rotants"));
}

void TExportsPart::FileExportPictureClick()
{
  const QString path = AskExportPath(tr("Export Picture"), ExportBaseName() + ".png",
                                     tr("PNG images (*.png)"));
  if (!path.isEmpty() && !ExportPicture(path))
    ShowExportFailure(path);
}

void TExportsPart::FileExportSoundClick()
{
  bool ok = false;
  const double remembered =
      Settings ? Settings->value(SoundSecondsKey, DefaultSoundSeconds).toDouble(&ok) : 0.0;
  const double seconds = QInputDialog::getDouble(
      Window, tr("Export Sound"), tr("Length in seconds:"),
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

void TExportsPart::FileExportHarmonicsClick()
{
  const QString path =
      AskExportPath(tr("Export Harmonics Table"), ExportBaseName() + "-harmonics.csv",
                    tr("CSV tables (*.csv)"));
  if (!path.isEmpty() && !ExportHarmonics(path))
    ShowExportFailure(path);
}

void TExportsPart::FileExportSamplesClick()
{
  const QString path =
      AskExportPath(tr("Export Waveform Samples"), ExportBaseName() + "-samples.csv",
                    tr("CSV tables (*.csv)"));
  if (!path.isEmpty() && !ExportSamples(path))
    ShowExportFailure(path);
}

void TExportsPart::FileExportFigureClick()
{
  const QString path = AskExportPath(tr("Export Figure"), ExportBaseName() + ".pdf",
                                     tr("PDF documents (*.pdf);;SVG drawings (*.svg)"));
  if (!path.isEmpty() && !ExportFigure(path))
    ShowExportFailure(path);
}

void TExportsPart::FileExportAnimationClick()
{
  const QString path = AskExportPath(tr("Export Animation"), ExportBaseName() + ".gif",
                                     tr("GIF animations (*.gif)"));
  if (path.isEmpty())
    return;
  QProgressDialog dialog(tr("Writing the animation..."), tr("Cancel"), 0, AnimationFrames,
                         Window);
  dialog.setWindowTitle(tr("Export Animation"));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(300);
  const bool written = ExportAnimation(path, [&dialog](int done, int total) {
    dialog.setMaximum(total);
    dialog.setValue(done);
    return !dialog.wasCanceled();
  });
  dialog.reset();
  if (!written && !LastError.isEmpty())
    ShowExportFailure(path);
}

void TExportsPart::EditCopyFigureClick()
{
  QGuiApplication::clipboard()->setMimeData(FigureMimeData());
}

void TExportsPart::FilePrintClick()
{
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(TFigureRenderer(View.FigureState()).Caption());
  QPrintDialog dialog(&printer, Window);
  dialog.setWindowTitle(tr("Print Figure"));
  if (dialog.exec() != QDialog::Accepted)
    return;
  if (!PrintFigure(printer))
    View.ShowWarning(tr("Could not print: %1.").arg(LastError));
}

void TExportsPart::Retranslate()
{
  MenuFileExport->setTitle(tr("&Export"));
  FileExportPicture->setText(tr("&Picture..."));
  FileExportSound->setText(tr("&Sound..."));
  FileExportHarmonics->setText(tr("&Harmonics Table..."));
  FileExportSamples->setText(tr("Wave&form Samples..."));
  FileExportAnimation->setText(tr("&Animation..."));
  FileExportFigure->setText(tr("Fi&gure (SVG, PDF)..."));
  FilePrint->setText(tr("&Print..."));
  EditCopyFigure->setText(tr("Copy &Figure"));
  MenuFileExport->menuAction()->setToolTip(
      tr("Write what the window shows to a picture, sound, table, animation or figure file."));
  FileExportPicture->setToolTip(tr("Save the plots as shown, as a PNG picture."));
  FileExportSound->setToolTip(tr("Save the tone as a WAV file of the length you choose."));
  FileExportHarmonics->setToolTip(
      tr("Save the magnitude and angle of every harmonic as a CSV table."));
  FileExportSamples->setToolTip(
      tr("Save the ideal and the reconstructed value at every time step as a CSV table."));
  FileExportAnimation->setToolTip(tr("Save one sweep as an animated GIF."));
  FileExportFigure->setToolTip(
      tr("Save a labelled figure for handouts and slides, as SVG or PDF."));
  FilePrint->setToolTip(tr("Print the figure and the table of the harmonics in use on one page."));
  EditCopyFigure->setToolTip(
      tr("Copy the labelled figure, to paste into a document or a slide."));
}
