#include "CommandLineRun.h"

#include "MainForm.h"
#include "PhasorSetFile.h"
#include "Translations.h"
#include "ZoomSteps.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCommandLineParser>
#include <QSlider>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Longest exported sound, in seconds: 600 s of the loop's format is 53 MB.
constexpr double MaxSeconds = 600.0;

void PrintError(const QString &line)
{
  std::fprintf(stderr, "rotants: %s\n", qPrintable(line));
}

bool ReadInt(const QString &text, int low, int high, int &value)
{
  bool ok = false;
  const int read = text.trimmed().toInt(&ok);
  if (!ok || read < low || read > high)
    return false;
  value = read;
  return true;
}

bool ReadReal(const QString &text, double low, double high, double &value)
{
  bool ok = false;
  const double read = text.trimmed().toDouble(&ok);
  if (!ok || !(read >= low && read <= high))
    return false;
  value = read;
  return true;
}

// Messages and help of the command line, in the user's language.
class TCommandLineText {
  Q_DECLARE_TR_FUNCTIONS(TCommandLineText)
};

QStringList LanguageCodes()
{
  QStringList codes;
  for (const Translations::TLanguage &language : Translations::Languages())
    codes << language.Code;
  return codes;
}

void Tick(QCheckBox *box, bool on)
{
  box->setChecked(on);
}

}  // namespace

bool ArgumentsWriteFiles(int argc, char *argv[])
{
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--export-", 9) == 0 || std::strncmp(argv[i], "--save", 6) == 0)
      return true;
  }
  return false;
}

int ParseCommandLine(const QStringList &arguments, TCommandLineOptions &options)
{
  QCommandLineParser parser;
  parser.setApplicationDescription(
      TCommandLineText::tr("Rotants: a periodic waveform built from rotating phasors.\n"
                           "With --export-* or --save it writes those files without opening "
                           "a window."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(
      "FILE", TCommandLineText::tr("Phasor set (.rotants) or harmonics table (.csv) to open."),
      "[FILE]");
  const QCommandLineOption waveform(
      "waveform",
      TCommandLineText::tr("Waveform: %1.").arg(PhasorSetFile::WaveformNames().join(", ")),
      "NAME");
  const QCommandLineOption highest("highest", TCommandLineText::tr("Highest harmonic, 0 to 25."),
                                   "N");
  const QCommandLineOption step("step", TCommandLineText::tr("Time step, 0 to 511."), "N");
  const QCommandLineOption conjugate("conjugate", TCommandLineText::tr("Use conjugate rotants."));
  const QCommandLineOption rotate("rotate",
                                  TCommandLineText::tr("Rotate the complex plane 90 degrees."));
  const QCommandLineOption trace("trace", TCommandLineText::tr("Leave the phasor trace."));
  const QCommandLineOption realValue("real-value", TCommandLineText::tr("Show the real value."));
  const QCommandLineOption noGrid("no-grid", TCommandLineText::tr("Hide the time plot's grid."));
  const QCommandLineOption noIdeal("no-ideal", TCommandLineText::tr("Hide the ideal wave."));
  const QCommandLineOption spectrum("spectrum",
                                    TCommandLineText::tr("Show the spectrum under the plots."));
  const QCommandLineOption zoom("zoom", TCommandLineText::tr("Zoom factor, 1 to 3."), "F");
  const QCommandLineOption language(
      "language",
      TCommandLineText::tr("Language of the window: %1.").arg(LanguageCodes().join(", ")),
      "CODE");
  const QCommandLineOption picture("export-picture",
                                   TCommandLineText::tr("Write both plots as PNG."), "OUT.png");
  const QCommandLineOption sound("export-sound", TCommandLineText::tr("Write the tone as WAV."),
                                 "OUT.wav");
  const QCommandLineOption seconds(
      "seconds", TCommandLineText::tr("Length of the exported sound (default 5)."), "S");
  const QCommandLineOption harmonics(
      "export-harmonics", TCommandLineText::tr("Write the harmonics as CSV."), "OUT.csv");
  const QCommandLineOption samples("export-samples",
                                   TCommandLineText::tr("Write the samples as CSV."), "OUT.csv");
  const QCommandLineOption animation(
      "export-animation", TCommandLineText::tr("Write one sweep as animated GIF."), "OUT.gif");
  const QCommandLineOption save("save", TCommandLineText::tr("Save the phasor set."),
                                "OUT.rotants");
  parser.addOptions({waveform, highest, step, conjugate, rotate, trace, realValue, noGrid,
                     noIdeal, spectrum, zoom, language, picture, sound, seconds, harmonics,
                     samples, animation, save});

  if (!parser.parse(arguments)) {
    PrintError(parser.errorText());
    return 2;
  }
  if (parser.isSet(help) || parser.isSet("help-all")) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("rotants %s\n", qPrintable(QCoreApplication::applicationVersion()));
    return 0;
  }

  TCommandLineOptions read;
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    PrintError(TCommandLineText::tr("more than one file given: \"%1\"").arg(files[1]));
    return 2;
  }
  read.File = files.value(0);
  const auto bad = [](const QCommandLineOption &option, const QString &value,
                      const QString &expected) {
    PrintError(TCommandLineText::tr("bad value \"%1\" for --%2 (expected %3)")
                   .arg(value, option.names().first(), expected));
    return 2;
  };
  if (parser.isSet(waveform)) {
    read.Waveform = parser.value(waveform);
    if (PhasorSetFile::WaveformIndex(read.Waveform) < 0)
      return bad(waveform, read.Waveform, TCommandLineText::tr("one of %1").arg(PhasorSetFile::WaveformNames().join(", ")));
  }
  if (parser.isSet(highest) && !ReadInt(parser.value(highest), 0, HarmonicCount - 1, read.Highest))
    return bad(highest, parser.value(highest), TCommandLineText::tr("a whole number from 0 to 25"));
  if (parser.isSet(step) && !ReadInt(parser.value(step), 0, SweepSteps - 1, read.Step))
    return bad(step, parser.value(step), TCommandLineText::tr("a whole number from 0 to 511"));
  if (parser.isSet(zoom)
      && !ReadReal(parser.value(zoom), ZoomSteps::Smallest, ZoomSteps::Largest, read.Zoom))
    return bad(zoom, parser.value(zoom), TCommandLineText::tr("a factor from 1 to 3"));
  if (parser.isSet(seconds)) {
    if (!parser.isSet(sound)) {
      PrintError(TCommandLineText::tr("--seconds needs --export-sound"));
      return 2;
    }
    if (!ReadReal(parser.value(seconds), 0.0, MaxSeconds, read.Seconds) || read.Seconds <= 0.0)
      return bad(seconds, parser.value(seconds), TCommandLineText::tr("a length above 0 and up to 600 seconds"));
  }
  if (parser.isSet(language)) {
    read.Language = parser.value(language);
    if (!LanguageCodes().contains(read.Language))
      return bad(language, read.Language,
                 TCommandLineText::tr("one of %1").arg(LanguageCodes().join(", ")));
  }
  read.Conjugate = parser.isSet(conjugate);
  read.Rotate = parser.isSet(rotate);
  read.Trace = parser.isSet(trace);
  read.RealValue = parser.isSet(realValue);
  read.NoGrid = parser.isSet(noGrid);
  read.NoIdeal = parser.isSet(noIdeal);
  read.Spectrum = parser.isSet(spectrum);
  const std::pair<const QCommandLineOption *, QString *> outputs[] = {
      {&picture, &read.ExportPicture},     {&sound, &read.ExportSound},
      {&harmonics, &read.ExportHarmonics}, {&samples, &read.ExportSamples},
      {&animation, &read.ExportAnimation}, {&save, &read.Save}};
  for (const auto &[option, path] : outputs) {
    if (!parser.isSet(*option))
      continue;
    *path = parser.value(*option);
    if (path->isEmpty())
      return bad(*option, *path, TCommandLineText::tr("a file name"));
  }
  options = read;
  return -1;
}

bool ApplyCommandLine(TRotantsForm &form, const TCommandLineOptions &options, bool interactive,
                      QString &error)
{
  if (!options.File.isEmpty()) {
    const bool opened = interactive ? form.OpenPhasorSet(options.File)
                                    : form.LoadPhasorSet(options.File, error);
    if (!opened && !interactive)
      return false;
  }
  {
    const TActionScope action(form);
    if (options.Conjugate && !form.ConjugateCheckBox->isChecked()) {
      Tick(form.ConjugateCheckBox, true);
      form.ConjugateCheckBoxClick();
    }
    if (options.Rotate && !form.RotateComplexPlaneCheckBox->isChecked()) {
      Tick(form.RotateComplexPlaneCheckBox, true);
      form.RotateComplexPlaneCheckBoxClick();
    }
    if (options.Trace)
      Tick(form.TraceCheckBox, true);
    if (options.RealValue)
      Tick(form.RealValueCheckBox, true);
    if (options.NoGrid)
      Tick(form.TimeGridCheckBox, false);
    if (options.NoIdeal)
      Tick(form.IdealWaveCheckBox, false);
    if (options.Highest >= 0) {
      form.HighestHarmonicComboBox->setCurrentIndex(options.Highest);
      form.HighestHarmonicComboBoxChange();
    }
    if (!options.Waveform.isEmpty()) {
      form.WaveformComboBox->setCurrentIndex(PhasorSetFile::WaveformIndex(options.Waveform));
      form.WaveformComboBoxChange();
    }
    if (options.Step >= 0)
      form.TimeTrackBar->setValue(options.Step);
    form.TimeTrackBarChange();
  }
  // Before the zoom, which the screen then holds to what fits with the strip.
  if (options.Spectrum && !form.ViewSpectrum->isChecked())
    form.SetSpectrumView(true, false);
  if (options.Zoom > 0.0)
    form.SetZoomForRun(options.Zoom);
  if (!options.Language.isEmpty())
    form.SetLanguage(options.Language, false);
  return true;
}

int RunBatch(TRotantsForm &form, const TCommandLineOptions &options)
{
  QString error;
  if (!ApplyCommandLine(form, options, false, error)) {
    PrintError(error);
    return 2;
  }
  if (!options.Save.isEmpty() && !form.StorePhasorSet(options.Save, error)) {
    PrintError(error);
    return 1;
  }
  return RunExports(form, options);
}
