#include "FigureRenderer.h"
#include "MainForm.h"
#include "RecordingSoundService.h"
#include "WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

// The figure as a teacher takes it away: the SVG and PDF files, the
// clipboard, a printed page and the animation at a zoom.

namespace {

// What an SVG document shows: its texts, its stroked paths (in document
// coordinates, with the stroke colour inherited from the enclosing groups),
// its rectangles with their fill colour, and how many raster images it embeds.
struct TSvgContents {
  QString Error;
  QStringList Texts;
  struct TPath {
    QString Stroke;
    QList<QPointF> Points;
  };
  QList<TPath> Paths;
  struct TRect {
    QString Fill;
    QRectF Place;
  };
  QList<TRect> Rects;
  int Images = 0;
};

// A path's vertices: the numbers of its "M x,y L x,y ..." data in pairs. The
// figure is drawn untransformed at its own size, so these are its coordinates.
QList<QPointF> PathPoints(const QString &data)
{
  static const QRegularExpression number(R"([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)");
  QList<double> values;
  for (const QRegularExpressionMatch &match : number.globalMatch(data))
    values << match.captured().toDouble();
  QList<QPointF> points;
  for (qsizetype i = 0; i + 1 < values.size(); i += 2)
    points << QPointF(values[i], values[i + 1]);
  return points;
}

TSvgContents ReadSvg(const QByteArray &bytes)
{
  TSvgContents svg;
  QXmlStreamReader xml(bytes);
  QStringList strokes{QString()};  // of the enclosing groups
  QStringList fills{QString()};
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
      strokes.removeLast();
      fills.removeLast();
    }
    if (!xml.isStartElement())
      continue;
    const QString name = xml.name().toString();
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString stroke = attributes.value("stroke").toString();
    const QString fill = attributes.value("fill").toString();
    if (name == "g") {
      strokes.append(stroke.isEmpty() ? strokes.last() : stroke);
      fills.append(fill.isEmpty() ? fills.last() : fill);
    } else if (name == "rect") {
      svg.Rects.append({fill.isEmpty() ? fills.last() : fill,
                        QRectF(attributes.value("x").toDouble(), attributes.value("y").toDouble(),
                               attributes.value("width").toDouble(),
                               attributes.value("height").toDouble())});
    } else if (name == "text") {
      svg.Texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (name == "path") {
      svg.Paths.append({strokes.last(), PathPoints(xml.attributes().value("d").toString())});
    } else if (name == "image") {
      ++svg.Images;
    }
  }
  if (xml.hasError())
    svg.Error = xml.errorString();
  return svg;
}

QByteArray Contents(const QString &path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// stdout of one of poppler's tools on a PDF file; empty when it is missing.
QString Poppler(const QString &tool, const QStringList &arguments)
{
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000))
    return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// What the user must find in any PDF of a figure, its one A4 landscape page
// and no raster image in it.
void CheckPdf(const QString &path, const QStringList &texts)
{
  if (QStandardPaths::findExecutable("pdftotext").isEmpty())
    QSKIP("poppler-utils is not installed");
  const QString text = Poppler("pdftotext", {path, "-"}).simplified();
  for (const QString &expected : texts)
    QVERIFY2(text.contains(expected), qPrintable(expected + " not in: " + text));
  const QString info = Poppler("pdfinfo", {path});
  QVERIFY2(info.contains(QRegularExpression(R"(Pages:\s+1\n)")), qPrintable(info));
  const QRegularExpressionMatch size =
      QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(info);
  QVERIFY(size.hasMatch());
  QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
  // pdfimages lists a two-line header and then one line per image.
  QCOMPARE(Poppler("pdfimages", {"-list", path}).trimmed().count('\n'), 1);
}

// The SVG's bars or phase marks in frame, by the column (harmonic) they
// stand in: every filled rectangle there but the frame's white and the
// selected column's tints.
QMap<int, QList<TSvgContents::TRect>> Columns(const TSvgContents &svg, const QRectF &frame,
                                              int first, double pitch)
{
  static const QStringList background{"none", "#ffffff", "#e8e8e8", "#fff0c8"};
  QMap<int, QList<TSvgContents::TRect>> columns;
  for (const TSvgContents::TRect &rect : svg.Rects) {
    if (background.contains(rect.Fill) || !frame.adjusted(-0.01, -0.01, 0.01, 0.01).contains(rect.Place))
      continue;
    columns[first + int(std::floor((rect.Place.center().x() - frame.left()) / pitch))] << rect;
  }
  return columns;
}

const QStringList AxisTexts{"-1", "-0.5", "0", "0.5", "1",   "128", "256",
                            "384", "511", "Re", "Im", "Time step", "Value"};

}  // namespace

class TestFigure : public QObject {
  Q_OBJECT

private slots:
  void init();
  void SvgTextsAndLegend_data();
  void SvgTextsAndLegend();
  void ReconstructionPathFollowsReconWave_data();
  void ReconstructionPathFollowsReconWave();
  void ExportNames_data();
  void ExportNames();
  void SpectrumFollowsEntries_data();
  void SpectrumFollowsEntries();
  void CommandLinePdfHoldsSpectrum_data();
  void CommandLinePdfHoldsSpectrum();
  void ClipboardHoldsPictureAndSvg();
  void PrintsFigureAndTable();
  void AnimationFollowsZoom_data();
  void AnimationFollowsZoom();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  std::unique_ptr<QTemporaryDir> Dir;
};

void TestFigure::init()
{
  Form.reset();
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Dir = std::make_unique<QTemporaryDir>();
}

void TestFigure::SvgTextsAndLegend_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<int>("highest");
  QTest::addColumn<int>("step");
  QTest::addColumn<QStringList>("ticked");  // check boxes by name
  QTest::addColumn<int>("highlighted");  // -1: none
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QStringList>("legend");
  QTest::addColumn<QStringList>("absent");
  QTest::newRow("square")
      << 2 << 7 << 100 << QStringList{} << -1
      << "Square, harmonics 0-7, step 100, one-sided"
      << QStringList{"Ideal wave", "Reconstruction", "Phasor chain"}
      << QStringList{"Mirror chain", "Trace of the tip", "Harmonic 0"};
  QTest::newRow("sawtooth, two-sided, traced")
      << 6 << 25 << 511 << QStringList{"ConjugateCheckBox", "TraceCheckBox"} << -1
      << "Sawtooth, harmonics 0-25, step 511, two-sided"
      << QStringList{"Ideal wave", "Reconstruction", "Phasor chain", "Mirror chain",
                     "Trace of the tip"}
      << QStringList{};
  QTest::newRow("triangle, turned, harmonic 3")
      << 5 << 5 << 0 << QStringList{"RotateComplexPlaneCheckBox"} << 3
      << "Triangle, harmonics 0-5, step 0, one-sided"
      << QStringList{"Harmonic 3", "Ideal wave"} << QStringList{"Mirror chain"};
  QTest::newRow("custom rotants, harmonic 0 only")
      << 0 << 0 << 7 << QStringList{} << -1
      << "Custom Rotants, harmonic 0, step 7, one-sided"
      << QStringList{"Reconstruction", "Phasor chain"} << QStringList{"Ideal wave"};
}

void TestFigure::SvgTextsAndLegend()
{
  QFETCH(int, waveform);
  QFETCH(int, highest);
  QFETCH(int, step);
  QFETCH(QStringList, ticked);
  QFETCH(int, highlighted);
  QFETCH(QString, caption);
  QFETCH(QStringList, legend);
  QFETCH(QStringList, absent);
  TRotantsForm &form = *Form;
  for (const QString &box : ticked)
    form.findChild<QCheckBox *>(box)->click();
  ChooseWaveform(form, waveform);
  ChooseHighestHarmonic(form, highest);
  form.TimeTrackBar->setValue(step);
  if (highlighted >= 0) {
    form.PhasorGrid->setCurrentCell(highlighted + 1, 1);
    form.ViewHighlightHarmonic->trigger();
  }
  const QString path = Dir->filePath("figure.svg");
  QVERIFY(form.ExportFigure(path));
  const TSvgContents svg = ReadSvg(Contents(path));
  QVERIFY2(svg.Error.isEmpty(), qPrintable(svg.Error));
  for (const QString &text : AxisTexts + legend + QStringList{caption})
    QVERIFY2(svg.Texts.contains(text), qPrintable(text + " not in: " + svg.Texts.join('|')));
  for (const QString &text : absent)
    QVERIFY2(!svg.Texts.contains(text), qPrintable(text));
  QCOMPARE(svg.Images, 0);
  QVERIFY(!svg.Paths.isEmpty());
}

void TestFigure::ReconstructionPathFollowsReconWave_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<int>("highest");
  QTest::addColumn<int>("step");
  QTest::addColumn<bool>("conjugate");
  QTest::newRow("square, 7 harmonics, step 100") << 2 << 7 << 100 << false;
  QTest::newRow("sawtooth, two-sided, whole sweep") << 6 << 25 << 511 << true;
  QTest::newRow("rectified cosine, step 1") << 7 << 3 << 1 << false;
}

// Vertex n of the green curve lies on ReconWave[n], mapped into the time
// plot's frame, within half a pixel.
void TestFigure::ReconstructionPathFollowsReconWave()
{
  QFETCH(int, waveform);
  QFETCH(int, highest);
  QFETCH(int, step);
  QFETCH(bool, conjugate);
  if (conjugate)
    Form->ConjugateCheckBox->click();
  ChooseWaveform(*Form, waveform);
  ChooseHighestHarmonic(*Form, highest);
  Form->TimeTrackBar->setValue(step);
  QVERIFY(Form->ExportFigure(Dir->filePath("figure.svg")));
  const TSvgContents svg = ReadSvg(Contents(Dir->filePath("figure.svg")));
  QList<QPointF> curve;
  for (const TSvgContents::TPath &path : svg.Paths) {
    if (path.Stroke == "#008000" && path.Points.size() > curve.size())
      curve = path.Points;
  }
  QCOMPARE(curve.size(), step + 1);
  const TFigureRenderer figure(Form->FigureState());
  const QRectF plot = figure.Layout().Panels.at(1).Plot;
  QCOMPARE(figure.Layout().Panels.at(1).Panel, TFigurePanel::TimePlot);
  for (int n = 0; n <= step; ++n) {
    const QPointF expected(plot.left() + n * plot.width() / 511.0,
                           plot.top() + (1.0 - Form->ReconWave[n]) * plot.height() / 2.0);
    const QPointF off = curve[n] - expected;
    QVERIFY2(std::abs(off.x()) <= 0.5 && std::abs(off.y()) <= 0.5,
             qPrintable(QString("step %1 off by %2, %3").arg(n).arg(off.x()).arg(off.y())));
  }
}

void TestFigure::ExportNames_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("start");  // empty: refused
  QTest::newRow("svg") << "figure.svg" << QByteArray("<?xml");
  QTest::newRow("PDF in capitals") << "FIGURE.PDF" << QByteArray("%PDF-");
  QTest::newRow("png") << "figure.png" << QByteArray();
  QTest::newRow("no ending") << "figure" << QByteArray();
}

void TestFigure::ExportNames()
{
  QFETCH(QString, name);
  QFETCH(QByteArray, start);
  ChooseWaveform(*Form, 2);
  const QString path = Dir->filePath(name);
  QCOMPARE(Form->ExportFigure(path), !start.isEmpty());
  QCOMPARE(Contents(path).left(start.size()), start);
  QCOMPARE(QFile::exists(path), !start.isEmpty());
  QCOMPARE(Form->LastExportError.isEmpty(), !start.isEmpty());
  if (name.endsWith("PDF"))
    CheckPdf(path, AxisTexts + QStringList{"Reconstruction", "Ideal wave",
                                           "Square, harmonics 0-25, step 0, one-sided"});
}

void TestFigure::SpectrumFollowsEntries_data()
{
  QTest::addColumn<int>("waveform");
  QTest::addColumn<int>("highest");
  QTest::addColumn<bool>("twoSided");
  QTest::addColumn<bool>("decibels");
  QTest::addColumn<int>("highlighted");  // -1: none
  QTest::addColumn<QStringList>("texts");  // besides the axes' names and -180..180
  QTest::newRow("square, linear")
      << 2 << 7 << false << false << -1 << QStringList{"Magnitude", "0.5", "5", "25"};
  QTest::newRow("sawtooth, two-sided, harmonic 3 highlighted")
      << 6 << 25 << true << false << 3 << QStringList{"Magnitude", "0.25", "-25", "-5", "25"};
  QTest::newRow("square, two-sided, decibels")
      << 2 << 25 << true << true << -1
      << QStringList{"Magnitude (dB)", "-60", "-40", "-20", "0 dB", "-25", "25"};
  QTest::newRow("triangle, decibels, unused harmonic 9 highlighted")
      << 5 << 5 << false << true << 9 << QStringList{"Magnitude (dB)", "-60", "0 dB", "20"};
}

// With the spectrum shown, the figure holds one bar per harmonic whose
// height is its magnitude on the strip's scale (none for a magnitude of 0),
// c-k's bar as tall as ck's in the mirror chain's colour, harmonics above the
// highest faded, and a phase mark at the angle's height for every harmonic
// with a magnitude.
void TestFigure::SpectrumFollowsEntries()
{
  QFETCH(int, waveform);
  QFETCH(int, highest);
  QFETCH(bool, twoSided);
  QFETCH(bool, decibels);
  QFETCH(int, highlighted);
  QFETCH(QStringList, texts);
  TRotantsForm &form = *Form;
  if (twoSided)
    form.ConjugateCheckBox->click();
  ChooseWaveform(form, waveform);
  ChooseHighestHarmonic(form, highest);
  form.ViewSpectrum->trigger();
  if (decibels)
    form.ViewSpectrumDecibels->trigger();
  if (highlighted >= 0) {
    form.PhasorGrid->setCurrentCell(highlighted + 1, 1);
    form.ViewHighlightHarmonic->trigger();
  }
  QVERIFY(form.ExportFigure(Dir->filePath("figure.svg")));
  const TSvgContents svg = ReadSvg(Contents(Dir->filePath("figure.svg")));
  QVERIFY2(svg.Error.isEmpty(), qPrintable(svg.Error));
  for (const QString &text : texts + QStringList{"Phase (\u00B0)", "Harmonic", "180", "90", "-180"})
    QVERIFY2(svg.Texts.contains(text), qPrintable(text + " not in: " + svg.Texts.join('|')));
  if (!decibels)
    QVERIFY(!svg.Texts.contains("Magnitude (dB)"));

  const TFigureRenderer figure(form.FigureState());
  const QRectF bars = figure.Layout().SpectrumBars;
  const QRectF phase = figure.Layout().SpectrumPhase;
  QVERIFY(bars.bottom() < phase.top());
  const int first = twoSided ? -25 : 0;
  const double pitch = bars.width() / (26 - first);
  std::array<double, 26> magnitudes{};
  std::array<double, 26> angles{};
  for (int k = 0; k < 26; ++k)
    HarmonicMath::RectToPolar(form.PhasorList[k].Re, form.PhasorList[k].Im, magnitudes[k],
                              angles[k]);
  const TSpectrumScale scale = TSpectrumScale::Fitting(
      *std::max_element(magnitudes.begin(), magnitudes.end()), decibels);
  const auto barColumns = Columns(svg, bars, first, pitch);
  const auto markColumns = Columns(svg, phase, first, pitch);
  for (int k = first; k <= 25; ++k) {
    const QString at = QString("harmonic %1").arg(k);
    const double magnitude = magnitudes[std::abs(k)];
    const double height = scale.Fraction(magnitude) * bars.height();
    const QList<TSvgContents::TRect> bar = barColumns.value(k);
    QVERIFY2(bar.size() == (height > 0.0 ? 1 : 0), qPrintable(at));
    const QList<TSvgContents::TRect> mark = markColumns.value(k);
    QVERIFY2(mark.size() == (magnitude >= 1e-6 ? 1 : 0), qPrintable(at));
    if (bar.isEmpty())
      continue;
    QVERIFY2(std::abs(bar[0].Place.height() - height) <= 0.5, qPrintable(at));
    QVERIFY2(std::abs(bar[0].Place.bottom() - bars.bottom()) <= 0.5, qPrintable(at));
    const QStringList plain{"#ffb000", "#800080", "#ff00ff"};
    const QString expected = plain[std::abs(k) == highlighted ? 0 : k < 0 ? 1 : 2];
    if (std::abs(k) <= highest)
      QVERIFY2(bar[0].Fill == expected, qPrintable(at + " " + bar[0].Fill));
    else
      QVERIFY2(!plain.contains(bar[0].Fill), qPrintable(at + " " + bar[0].Fill));
    QCOMPARE(mark[0].Fill, bar[0].Fill);
    const double angle = k < 0 ? -angles[-k] : angles[k];
    const double row = phase.center().y() - angle / 360.0 * phase.height();
    QVERIFY2(std::abs(mark[0].Place.center().y()
                      - std::clamp(row, phase.top() + 2.0, phase.bottom() - 2.0))
                 <= 0.5,
             qPrintable(at));
    // Whole inside the frame, whose line of width 1 is centred on the edge.
    QVERIFY2(mark[0].Place.top() >= phase.top() + 0.499
                 && mark[0].Place.bottom() <= phase.bottom() - 0.499,
             qPrintable(at));
    if (k < 0)
      QCOMPARE(bar[0].Place.height(), barColumns.value(-k).at(0).Place.height());
  }
}

void TestFigure::CommandLinePdfHoldsSpectrum_data()
{
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QStringList>("texts");
  QTest::addColumn<QStringList>("absent");
  QTest::newRow("one-sided")
      << QStringList{"--waveform", "square", "--highest", "7", "--spectrum"}
      << QStringList{"Magnitude", "Phase (\u00B0)", "Harmonic", "-180"} << QStringList{"-25"};
  QTest::newRow("two-sided")
      << QStringList{"--waveform", "sawtooth", "--conjugate", "--spectrum"}
      << QStringList{"Magnitude", "Phase (\u00B0)", "-25"} << QStringList{};
  QTest::newRow("without the spectrum") << QStringList{"--waveform", "square"}
                                        << QStringList{"Time step"}
                                        << QStringList{"Phase (\u00B0)", "-180"};
}

void TestFigure::CommandLinePdfHoldsSpectrum()
{
  QFETCH(QStringList, arguments);
  QFETCH(QStringList, texts);
  QFETCH(QStringList, absent);
  const QString path = Dir->filePath("figure.pdf");
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", Dir->path());
  environment.insert("LANGUAGE", "en");
  program.setProcessEnvironment(environment);
  program.start(ROTANTS_BINARY, arguments + QStringList{"--export-figure", path});
  QVERIFY(program.waitForFinished(60000));
  QCOMPARE(program.exitCode(), 0);
  CheckPdf(path, texts);
  const QString text = Poppler("pdftotext", {path, "-"});
  for (const QString &missing : absent)
    QVERIFY2(!text.contains(missing), qPrintable(missing));
}

// Ctrl+Shift+C copies the figure; Ctrl+C in an edit box still copies its text.
void TestFigure::ClipboardHoldsPictureAndSvg()
{
  ChooseWaveform(*Form, 4);
  Form->show();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  QClipboard *clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  Form->EditRotantsBtn->click();
  Form->MagnitudeEdit->setFocus();
  Form->MagnitudeEdit->selectAll();
  QTest::keyClick(Form->MagnitudeEdit, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), Form->MagnitudeEdit->text());
  QVERIFY(!clipboard->mimeData()->hasImage());

  QTest::keyClick(Form->MagnitudeEdit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QMimeData *data = clipboard->mimeData();
  QVERIFY(data->hasImage());
  const QImage picture = qvariant_cast<QImage>(data->imageData());
  QCOMPARE(picture.size(), Form->size() * 2);
  // The figure's white, not the window's grey, around the plots.
  QCOMPARE(picture.pixel(4, picture.height() / 2), qRgb(255, 255, 255));
  QVERIFY(data->formats().contains("image/svg+xml"));
  const TSvgContents svg = ReadSvg(data->data("image/svg+xml"));
  QVERIFY2(svg.Error.isEmpty(), qPrintable(svg.Error));
  QVERIFY(svg.Texts.contains("Bipolar Pulse, harmonics 0-25, step 0, one-sided"));
}

// One page: the figure, then harmonics 0..7 with their magnitudes and angles
// as the grid shows them, and no harmonic above.
void TestFigure::PrintsFigureAndTable()
{
  ChooseWaveform(*Form, 2);
  ChooseHighestHarmonic(*Form, 7);
  Form->TimeTrackBar->setValue(100);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Dir->filePath("printed.pdf"));
  printer.setPageOrientation(QPageLayout::Landscape);
  QVERIFY(Form->PrintFigure(printer));
  QStringList expected{"Square, harmonics 0-7, step 100, one-sided", "Harmonic", "Magnitude",
                       "Angle (\u00B0)"};
  for (int row : {2, 4, 8})
    expected << Form->PhasorGrid->item(row, 1)->text() + " " + Form->PhasorGrid->item(row, 2)->text();
  CheckPdf(Dir->filePath("printed.pdf"), expected);
  const QString text = Poppler("pdftotext", {Dir->filePath("printed.pdf"), "-"});
  QVERIFY(!text.contains(Form->PhasorGrid->item(10, 1)->text()));
}

void TestFigure::AnimationFollowsZoom_data()
{
  QTest::addColumn<double>("zoom");
  QTest::addColumn<QSize>("size");
  QTest::newRow("100 %") << 1.0 << QSize(772, 251);
  QTest::newRow("200 %") << 2.0 << QSize(1544, 502);
}

// The first frame is the picture the window shows at that zoom.
void TestFigure::AnimationFollowsZoom()
{
  QFETCH(double, zoom);
  QFETCH(QSize, size);
  ChooseWaveform(*Form, 2);
  Form->SetZoom(zoom);
  QCOMPARE(Form->ZoomFactor, zoom);
  const QString path = Dir->filePath("sweep.gif");
  QVERIFY(Form->ExportAnimation(path));
  int error = 0;
  GifFileType *gif = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
  QVERIFY(gif);
  const auto close = qScopeGuard([gif] { DGifCloseFile(gif, nullptr); });
  QCOMPARE(QSize(gif->SWidth, gif->SHeight), size);
  GifRecordType record = UNDEFINED_RECORD_TYPE;
  do {
    QCOMPARE(DGifGetRecordType(gif, &record), GIF_OK);
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType *extension = nullptr;
      QCOMPARE(DGifGetExtension(gif, &code, &extension), GIF_OK);
      while (extension)
        QCOMPARE(DGifGetExtensionNext(gif, &extension), GIF_OK);
    }
  } while (record != IMAGE_DESC_RECORD_TYPE);
  QCOMPARE(DGifGetImageDesc(gif), GIF_OK);
  QCOMPARE(QSize(gif->Image.Width, gif->Image.Height), size);
  QImage first(size, QImage::Format_RGB32);
  std::vector<GifPixelType> line(std::size_t(size.width()));
  for (int y = 0; y < size.height(); ++y) {
    QCOMPARE(DGifGetLine(gif, line.data(), size.width()), GIF_OK);
    for (int x = 0; x < size.width(); ++x) {
      const GifColorType c = gif->SColorMap->Colors[line[std::size_t(x)]];
      first.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
    }
  }
  Form->TimeTrackBar->setValue(0);
  const auto shown = [zoom](TImageCanvas *canvas) {
    return zoom == 1.0 ? canvas->Image() : canvas->DisplayImage();
  };
  const QImage plane = shown(Form->PhasorImage).convertToFormat(QImage::Format_RGB32);
  const QImage time = shown(Form->TimeImage).convertToFormat(QImage::Format_RGB32);
  QCOMPARE(first.copy(QRect(QPoint(0, 0), plane.size())), plane);
  QCOMPARE(first.copy(QRect(QPoint(size.width() - time.width(), 0), time.size())), time);
}

// A screen large enough for 200 %.
int main(int argc, char *argv[])
{
  QTemporaryDir directory;
  const QString config = directory.filePath("screen.json");
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly))
    return 1;
  file.write(R"({"screens": [{"name": "Large", "x": 0, "y": 0, "width": 3840, "height": 2160,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
  QApplication application(argc, argv);
  TestFigure test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_figure.moc"
