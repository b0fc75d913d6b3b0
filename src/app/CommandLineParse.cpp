#include "CommandLineRun.h"

#include "ExerciseTargets.h"
#include "PhasorDocument.h"
#include "PhasorSetFile.h"
#include "PlaybackPart.h"
#include "Translations.h"
#include "WaveExport.h"
#include "ZoomSteps.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

void PrintCommandLineError(const QString &line)
{
  std::fprintf(stderr, "rotants: %s\n", qPrintable(line));
}

namespace {

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

// Texts QCommandLineParser writes in the help and its own messages. Qt's own
// catalogues lack some of them in some languages (the help option's line in
// French and Spanish), so the program's catalogues carry them all, and
// Translations::Install lets them take precedence.
[[maybe_unused]] const char *const ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

QStringList LanguageCodes()
{
  QStringList codes;
  for (const Translations::TLanguage &language : Translations::Languages())
    codes << language.Code;
  return codes;
}

// A name in lower case, its blanks and underscores as hyphens.
QString NameKey(const QString &name)
{
  QString key = name.trimmed().toLower();
  key.replace(QRegularExpression(QStringLiteral("[\\s_]+")), QStringLiteral("-"));
  return key;
}

// A waveform as the files name it ("rectified-cosine"), from that name or
// the drop-down's in English or the current language ("Rectified Cosine",
// "rectified cosine"), in any case; empty for none of them.
QString WaveformName(const QString &name)
{
  const QString key = NameKey(name);
  if (PhasorSetFile::WaveformIndex(key) >= 0)
    return key;
  const QStringList shown = TPhasorDocument::WaveformNames();
  for (int item = 0; item < shown.size(); ++item) {
    if (NameKey(shown[item]) == key)
      return PhasorSetFile::WaveformNames().value(item);
  }
  return QString();
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
                           "a window.")
      + "\n"
      + TCommandLineText::tr("Exit codes: 0 done; 1 a file could not be written; 2 a bad option, "
                             "value or input file."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(
      TCommandLineText::tr("FILE", "placeholder"),
      TCommandLineText::tr("Phasor set (.rotants) or harmonics table (.csv) to open."),
      QStringLiteral("[%1]").arg(TCommandLineText::tr("FILE", "placeholder")));
  const QCommandLineOption waveform(
      "waveform",
      TCommandLineText::tr("Waveform: %1 (or as the drop-down names it, in any case).")
          .arg(PhasorSetFile::WaveformNames().join(", ")),
      TCommandLineText::tr("NAME", "placeholder"));
  const QString number = TCommandLineText::tr("N", "placeholder");
  const QCommandLineOption highest("highest", TCommandLineText::tr("Highest harmonic, 0 to 25."),
                                   number);
  const QCommandLineOption step("step", TCommandLineText::tr("Time step, 0 to 511."), number);
  const QCommandLineOption conjugate("conjugate", TCommandLineText::tr("Use conjugate rotants."));
  const QCommandLineOption rotate("rotate",
                                  TCommandLineText::tr("Rotate the complex plane 90 degrees."));
  const QCommandLineOption trace("trace", TCommandLineText::tr("Leave the phasor trace."));
  const QCommandLineOption realValue("real-value", TCommandLineText::tr("Show the real value."));
  const QCommandLineOption noRealValue("no-real-value",
                                       TCommandLineText::tr("Hide the real value."));
  const QCommandLineOption from(
      "from", TCommandLineText::tr("Start of the part of a recording to analyse, in seconds."),
      "SECONDS");
  const QCommandLineOption to(
      "to", TCommandLineText::tr("End of the part of a recording to analyse, in seconds."),
      "SECONDS");
  const QCommandLineOption noGrid("no-grid", TCommandLineText::tr("Hide the time plot's grid."));
  const QCommandLineOption noIdeal("no-ideal", TCommandLineText::tr("Hide the ideal wave."));
  const QCommandLineOption spectrum("spectrum",
                                    TCommandLineText::tr("Show the spectrum under the plots."));
  const QCommandLineOption zoom("zoom", TCommandLineText::tr("Zoom factor, 1 to 3."), "F");
  const QCommandLineOption speed(
      "speed", TCommandLineText::tr("Speed of the sweep: 0.25, 0.5, 1 or 2 times normal."), "F");
  const QCommandLineOption duty(
      "duty", TCommandLineText::tr("Duty cycle of the rectangular and bipolar pulses, 1 to 99 %."),
      "PERCENT");
  const QCommandLineOption shift(
      "shift", TCommandLineText::tr("Time shift of the standard waveforms, -128 to 127 steps."),
      "STEPS");
  const QCommandLineOption language(
      "language",
      TCommandLineText::tr("Language of the window: %1.").arg(LanguageCodes().join(", ")),
      TCommandLineText::tr("CODE", "placeholder"));
  const QCommandLineOption exercise(
      "exercise", TCommandLineText::tr("Start an exercise at this level, 1 to 6."),
      TCommandLineText::tr("LEVEL", "placeholder"));
  const QCommandLineOption seed(
      "seed", TCommandLineText::tr("The exercise's seed: the same level and seed give the same "
                                   "target."),
      number);
  const QCommandLineOption picture("export-picture",
                                   TCommandLineText::tr("Write both plots as PNG."), "OUT.png");
  const QCommandLineOption sound("export-sound", TCommandLineText::tr("Write the tone as WAV."),
                                 "OUT.wav");
  const QCommandLineOption seconds(
      "seconds",
      TCommandLineText::tr("Length of the exported sound, up to %1 seconds (default 5).")
          .arg(WaveExport::MaxSeconds),
      "S");
  const QCommandLineOption harmonics(
      "export-harmonics", TCommandLineText::tr("Write the harmonics as CSV."), "OUT.csv");
  const QCommandLineOption samples("export-samples",
                                   TCommandLineText::tr("Write the samples as CSV."), "OUT.csv");
  const QCommandLineOption animation(
      "export-animation", TCommandLineText::tr("Write one sweep (two periods) as animated GIF."),
      "OUT.gif");
  const QCommandLineOption figure(
      "export-figure", TCommandLineText::tr("Write a labelled figure as SVG or PDF."),
      "OUT.pdf");
  const QCommandLineOption save("save", TCommandLineText::tr("Save the phasor set."),
                                "OUT.rotants");
  parser.addOptions({waveform, highest, step, conjugate, rotate, trace, realValue, noRealValue,
                     from, to, noGrid,
                     noIdeal, spectrum, zoom, speed, duty, shift, language, exercise, seed, picture, sound, seconds, harmonics,
                     samples, animation, figure, save});

  if (!parser.parse(arguments)) {
    PrintCommandLineError(parser.errorText());
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

  // Every option once: a second one would silently win over the first.
  const QStringList given = parser.optionNames();
  for (const QString &name : given) {
    if (given.count(name) < 2)
      continue;
    const QStringList values = parser.values(name);
    PrintCommandLineError(values.size() > 1
                   ? TCommandLineText::tr("--%1 given more than once (\"%2\" and \"%3\")")
                         .arg(name, values[0], values[1])
                   : TCommandLineText::tr("--%1 given more than once").arg(name));
    return 2;
  }
  if (parser.isSet(realValue) && parser.isSet(noRealValue)) {
    PrintCommandLineError(TCommandLineText::tr("--real-value and --no-real-value contradict each other"));
    return 2;
  }

  TCommandLineOptions read;
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    PrintCommandLineError(TCommandLineText::tr("more than one file given: \"%1\"").arg(files[1]));
    return 2;
  }
  read.File = files.value(0);
  const auto bad = [](const QCommandLineOption &option, const QString &value,
                      const QString &expected) {
    PrintCommandLineError(TCommandLineText::tr("bad value \"%1\" for --%2 (expected %3)")
                   .arg(value, option.names().first(), expected));
    return 2;
  };
  if (parser.isSet(waveform)) {
    read.Waveform = WaveformName(parser.value(waveform));
    if (read.Waveform.isEmpty())
      return bad(waveform, parser.value(waveform), TCommandLineText::tr("one of %1").arg(PhasorSetFile::WaveformNames().join(", ")));
  }
  if (parser.isSet(highest) && !ReadInt(parser.value(highest), 0, HarmonicCount - 1, read.Highest))
    return bad(highest, parser.value(highest), TCommandLineText::tr("a whole number from 0 to 25"));
  if (parser.isSet(step) && !ReadInt(parser.value(step), 0, SweepSteps - 1, read.Step))
    return bad(step, parser.value(step), TCommandLineText::tr("a whole number from 0 to 511"));
  if (parser.isSet(zoom)
      && !ReadReal(parser.value(zoom), ZoomSteps::Smallest, ZoomSteps::Largest, read.Zoom))
    return bad(zoom, parser.value(zoom), TCommandLineText::tr("a factor from 1 to 3"));
  if (parser.isSet(speed)) {
    const auto &speeds = TPlaybackPart::Speeds;
    if (!ReadReal(parser.value(speed), speeds.front(), speeds.back(), read.Speed)
        || std::find(speeds.begin(), speeds.end(), read.Speed) == speeds.end())
      return bad(speed, parser.value(speed),
                 TCommandLineText::tr("one of %1").arg(QStringLiteral("0.25, 0.5, 1, 2")));
  }
  for (const auto &[option, seconds] : {std::pair{&from, &read.From}, std::pair{&to, &read.To}}) {
    if (parser.isSet(*option) && !ReadReal(parser.value(*option), 0.0, 1e7, *seconds))
      return bad(*option, parser.value(*option), TCommandLineText::tr("a time in seconds from 0"));
  }
  if ((parser.isSet(from) || parser.isSet(to)) && read.File.isEmpty()) {
    PrintCommandLineError(TCommandLineText::tr("--from and --to need a recording to open"));
    return 2;
  }
  if (parser.isSet(from) && parser.isSet(to) && !(read.To > read.From)) {
    PrintCommandLineError(TCommandLineText::tr("--to must come after --from"));
    return 2;
  }
  int shapeValue = 0;
  if (parser.isSet(duty)) {
    if (!ReadInt(parser.value(duty), WaveformPresets::MinDutyCycle,
                 WaveformPresets::MaxDutyCycle, shapeValue))
      return bad(duty, parser.value(duty), TCommandLineText::tr("a whole number from 1 to 99"));
    read.DutyCycle = shapeValue;
  }
  if (parser.isSet(shift)) {
    if (!ReadInt(parser.value(shift), WaveformPresets::MinShift, WaveformPresets::MaxShift,
                 shapeValue))
      return bad(shift, parser.value(shift),
                 TCommandLineText::tr("a whole number from -128 to 127"));
    read.Shift = shapeValue;
  }
  if (parser.isSet(seconds)) {
    if (!parser.isSet(sound)) {
      PrintCommandLineError(TCommandLineText::tr("--seconds needs --export-sound"));
      return 2;
    }
    // Shorter than one sample would fail only when the sound is written.
    if (!ReadReal(parser.value(seconds), 0.0, WaveExport::MaxSeconds, read.Seconds)
        || WaveExport::FramesFor(read.Seconds) < 0)
      return bad(seconds, parser.value(seconds),
                 TCommandLineText::tr("a length of at least one sample and up to %1 seconds")
                     .arg(WaveExport::MaxSeconds));
  }
  if (parser.isSet(language)) {
    read.Language = parser.value(language);
    if (!LanguageCodes().contains(read.Language))
      return bad(language, read.Language,
                 TCommandLineText::tr("one of %1").arg(LanguageCodes().join(", ")));
  }
  if (parser.isSet(exercise)
      && !ReadInt(parser.value(exercise), 1, ExerciseTargets::LevelCount, read.ExerciseLevel))
    return bad(exercise, parser.value(exercise), TCommandLineText::tr("a whole number from 1 to 6"));
  if (parser.isSet(seed)) {
    bool ok = false;
    const quint32 value = parser.value(seed).toUInt(&ok);
    if (!ok)
      return bad(seed, parser.value(seed),
                 TCommandLineText::tr("a whole number from 0 to %1").arg(quint32(-1)));
    if (!parser.isSet(exercise)) {
      PrintCommandLineError(TCommandLineText::tr("--seed needs --exercise"));
      return 2;
    }
    read.ExerciseSeed = value;
  }
  read.Conjugate = parser.isSet(conjugate);
  read.Rotate = parser.isSet(rotate);
  read.Trace = parser.isSet(trace);
  read.RealValue = parser.isSet(realValue);
  read.NoRealValue = parser.isSet(noRealValue);
  read.NoGrid = parser.isSet(noGrid);
  read.NoIdeal = parser.isSet(noIdeal);
  read.Spectrum = parser.isSet(spectrum);
  // Each output once, under a name that ends as its kind does (any case), and
  // no file named by two of them: else one would silently replace another.
  const struct {
    const QCommandLineOption *Option;
    QString *Path;
    QStringList Suffixes;  // empty: any name
  } outputs[] = {{&picture, &read.ExportPicture, {"png"}},
                 {&sound, &read.ExportSound, {"wav"}},
                 {&harmonics, &read.ExportHarmonics, {"csv"}},
                 {&samples, &read.ExportSamples, {"csv"}},
                 {&animation, &read.ExportAnimation, {"gif"}},
                 {&figure, &read.ExportFigure, {"svg", "pdf"}},
                 {&save, &read.Save, {"rotants"}}};
  for (const auto &output : outputs) {
    if (!parser.isSet(*output.Option))
      continue;
    const QString name = output.Option->names().first();
    *output.Path = parser.value(*output.Option);
    if (output.Path->isEmpty())
      return bad(*output.Option, *output.Path, TCommandLineText::tr("a file name"));
    if (!output.Suffixes.isEmpty()
        && !output.Suffixes.contains(QFileInfo(*output.Path).suffix().toLower())) {
      const QString endings =
          output.Suffixes.size() == 1
              ? TCommandLineText::tr("a file name ending in .%1").arg(output.Suffixes[0])
              : TCommandLineText::tr("a file name ending in .%1 or .%2")
                    .arg(output.Suffixes[0], output.Suffixes[1]);
      return bad(*output.Option, *output.Path, endings);
    }
    const QString absolute = QFileInfo(*output.Path).absoluteFilePath();
    for (const auto &other : outputs) {
      if (other.Path != output.Path && !other.Path->isEmpty()
          && QFileInfo(*other.Path).absoluteFilePath() == absolute) {
        PrintCommandLineError(TCommandLineText::tr("\"%1\" named by both --%2 and --%3")
                       .arg(*output.Path, other.Option->names().first(), name));
        return 2;
      }
    }
  }
  if (read.ExerciseLevel > 0 && read.WritesFiles()) {
    PrintCommandLineError(TCommandLineText::tr("--exercise needs the window; it cannot be combined with "
                                    "--export-* or --save"));
    return 2;
  }
  options = read;
  return -1;
}

