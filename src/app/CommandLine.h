#pragma once

#include <QString>

#include <optional>

class TRotantsForm;

// What the command line asked for, as parsed. Empty paths mean "not given";
// the defaults mean "leave the start-up state as it is".
struct TCommandLineOptions {
  QString File;        // phasor set (.rotants), harmonics CSV or recording to open first
  // The part of a recording to analyse, in seconds; -1: not given.
  double From = -1.0;
  double To = -1.0;
  QString Waveform;    // drop-down item in lower case with hyphens, e.g. "rectified-cosine"
  int Highest = -1;    // 0..25, or -1
  int Step = -1;       // 0..511, or -1
  bool Conjugate = false;
  bool Rotate = false;
  bool Trace = false;
  bool RealValue = false;
  bool NoRealValue = false;
  bool NoGrid = false;
  bool NoIdeal = false;
  bool Spectrum = false;  // shows the spectrum strip for this run
  double Zoom = 0.0;   // 0 keeps the remembered zoom
  double Speed = 0.0;  // one of the sweep's speeds; 0 keeps normal speed
  // The standard waveforms' duty cycle (1..99) and shift (-128..127).
  std::optional<int> DutyCycle;
  std::optional<int> Shift;
  QString Language;    // a language code; empty keeps the remembered or the system's
  // An exercise started at this level (1..6), of this seed when given.
  int ExerciseLevel = 0;
  std::optional<quint32> ExerciseSeed;
  QString ExportPicture;
  QString ExportSound;
  double Seconds = 5.0;  // length of the exported sound
  QString ExportHarmonics;
  QString ExportSamples;
  QString ExportAnimation;
  QString ExportFigure;
  QString Save;

  bool WritesFiles() const
  {
    return !ExportPicture.isEmpty() || !ExportSound.isEmpty() || !ExportHarmonics.isEmpty()
        || !ExportSamples.isEmpty() || !ExportAnimation.isEmpty() || !ExportFigure.isEmpty() || !Save.isEmpty();
  }
};

// Writes every --export-* file the options name, from the form's current state,
// without dialogs. Returns 0, or 1 after printing one line on stderr naming the
// file that could not be written.
int RunExports(TRotantsForm &form, const TCommandLineOptions &options);
