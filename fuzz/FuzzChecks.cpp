#include "FuzzChecks.h"

#include "CommandLineRun.h"
#include "ExerciseSetFile.h"
#include "NumberText.h"
#include "PhasorDocument.h"
#include "PhasorSetFile.h"
#include "Recording.h"
#include "ZoomSteps.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace FuzzChecks {

namespace {

void Require(bool promise, const char *what)
{
  if (!promise) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

QByteArray Bytes(const std::uint8_t *data, std::size_t size)
{
  return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A state that read must write, read back and write again to the same bytes.
void RoundTrip(const PhasorSetFile::TState &state)
{
  const QByteArray written = PhasorSetFile::Write(state);
  PhasorSetFile::TState again;
  QString error;
  Require(PhasorSetFile::Read(written, again, error), "a written set reads back");
  Require(PhasorSetFile::Write(again) == written, "a set read back writes the same");
}

}  // namespace

void PhasorSet(const std::uint8_t *data, std::size_t size)
{
  PhasorSetFile::TState state;
  QString error;
  if (PhasorSetFile::Read(Bytes(data, size), state, error))
    RoundTrip(state);
  else
    Require(!error.isEmpty(), "a refused set says why");
}

void HarmonicsCsv(const std::uint8_t *data, std::size_t size)
{
  const bool conjugate = size > 0 && (data[0] & 1);
  PhasorSetFile::TState state;
  state.Conjugate = conjugate;
  QString error;
  if (!PhasorSetFile::ReadHarmonicsCsv(Bytes(data, size), conjugate, state.Entries, error)) {
    Require(!error.isEmpty(), "a refused table says why");
    return;
  }
  for (int k = 0; k < HarmonicCount; ++k) {
    const PhasorSetFile::TEntry &e = state.Entries[std::size_t(k)];
    Require(std::isfinite(e.Re) && std::isfinite(e.Im), "a table's entries are finite");
    Require(std::hypot(e.Re, e.Im) <= PhasorSetFile::MaxEntryMagnitude(k, conjugate) * (1 + 1e-9),
            "a table's entries lie within the editor's range");
  }
  RoundTrip(state);
}

void ExerciseSet(const std::uint8_t *data, std::size_t size)
{
  std::vector<ExerciseSetFile::TTarget> targets;
  QString error;
  if (!ExerciseSetFile::Read(Bytes(data, size), targets, error)) {
    Require(!error.isEmpty(), "a refused exercise set says why");
    return;
  }
  Require(!targets.empty() && targets.size() <= std::size_t(ExerciseSetFile::MaxTargets),
          "an exercise set holds 1 to 64 targets");
  const QByteArray written = ExerciseSetFile::Write(targets);
  std::vector<ExerciseSetFile::TTarget> again;
  Require(ExerciseSetFile::Read(written, again, error), "a written exercise set reads back");
  Require(ExerciseSetFile::Write(again) == written, "an exercise set read back writes the same");
}

void RecordingFile(const std::uint8_t *data, std::size_t size)
{
  Recording::TSource source;
  Recording::TError error = Recording::TError::None;
  if (!source.OpenMemory(std::vector<unsigned char>(data, data + size), error))
    return;
  Require(source.SampleRate() >= Recording::MinRate && source.SampleRate() <= Recording::MaxRate,
          "an opened recording's rate lies in range");
  (void)source.Overview(64);
  Recording::TPart part;
  if (!Recording::FindSteadyPart(source, part, error))
    return;
  Recording::TAnalysis analysis;
  if (!Recording::AnalysePart(source, part, analysis, error))
    return;
  Require(analysis.Fundamental >= Recording::MinFundamental
              && analysis.Fundamental <= Recording::MaxFundamental,
          "an analysis's fundamental lies in range");
  for (double value : analysis.Period)
    Require(std::isfinite(value) && std::abs(value) <= Recording::PeriodPeak + 1e-9,
            "an analysed period is finite and within its peak");
}

void TypedNumber(const std::uint8_t *data, std::size_t size)
{
  // As the editor's Update applies the text to a harmonic, as magnitude and
  // as angle: a value out of range becomes 0, so the entry is finite and in
  // range, and the table's texts read back as its values.
  static TPhasorDocument document;
  const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
  double value = 0.0;
  const bool reads = TPhasorDocument::ReadTyped(text, value);
  Require(reads == document.ApplyTyped(1, text, text), "Update takes a text that reads");
  if (!reads)
    return;
  const HarmonicPhasor &entry = document.PhasorList[1];
  Require(std::isfinite(entry.Re) && std::isfinite(entry.Im)
              && std::hypot(entry.Re, entry.Im) <= PhasorSetFile::EditorMaxMagnitude + 1e-9,
          "an applied harmonic is finite and in range");
  double magnitude = 0.0;
  double angle = 0.0;
  Require(ReadNumber(document.GridText(1, 1).toStdString(), magnitude)
              && ReadNumber(document.GridText(1, 2).toStdString(), angle),
          "the table's texts read back");
}

void CommandLine(const std::uint8_t *data, std::size_t size)
{
  QStringList arguments{QStringLiteral("rotants")};
  for (const QByteArray &piece : Bytes(data, size).split('\n')) {
    for (const QByteArray &argument : piece.split('\0'))
      arguments << QString::fromUtf8(argument);
  }
  if (arguments.size() > 33)
    return;
  TCommandLineOptions options;
  const int code = ParseCommandLine(arguments, options);
  Require(code == -1 || code == 0 || code == 2, "the command line ends with 0, 2 or goes on");
  if (code != -1)
    return;
  Require(options.Highest >= -1 && options.Highest < HarmonicCount, "--highest in range");
  Require(options.Step >= -1 && options.Step < SweepSteps, "--step in range");
  Require(options.Zoom == 0.0 || (options.Zoom >= ZoomSteps::Smallest && options.Zoom <= ZoomSteps::Largest),
          "--zoom in range");
  Require(options.ExerciseLevel >= 0 && options.ExerciseLevel <= 6, "--exercise in range");
  Require(!(options.ExerciseLevel > 0 && options.WritesFiles()), "--exercise without exports");
  Require(std::isfinite(options.Seconds) && options.Seconds > 0.0, "--seconds finite");
}

}  // namespace FuzzChecks
