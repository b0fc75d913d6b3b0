#pragma once

#include "PhasorSetFile.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A teacher's exercise set (.rotants-exercises): a JSON document holding a
// sequence of targets, each a whole phasor set as a .rotants file holds it,
// read with that file's checks; and the results a student's work gives back
// to the teacher as CSV. docs/file-format.md describes both. Nothing here
// touches a widget; every function is safe on any thread.
namespace ExerciseSetFile {

inline constexpr char FormatName[] = "rotants-exercises";
inline constexpr int FormatVersion = 1;
inline constexpr char Extension[] = ".rotants-exercises";
inline constexpr int MaxTargets = 64;
inline constexpr int MaxNameLength = 200;
// The RMS difference below which a check solves a target.
inline constexpr double MinThreshold = 0.001;
inline constexpr double MaxThreshold = 0.5;
inline constexpr double DefaultThreshold = 0.03;

struct TTarget {
  QString Name;  // as the student and the results see it; may be empty
  double Threshold = DefaultThreshold;
  PhasorSetFile::TState Set;
};

// The file's bytes; at most MaxTargets targets are written.
QByteArray Write(const std::vector<TTarget> &targets);

// Reads an exercise set: false with error set to one sentence (without the
// file's name) when the bytes are not a valid set of 1..MaxTargets targets
// of a version this program reads; targets is then unchanged. Each target's
// set passes the phasor-set file's own checks.
bool Read(const QByteArray &bytes, std::vector<TTarget> &targets, QString &error);

// One target as a student left it. Level 0: a target of a teacher's set
// (Seed then 0).
struct TResult {
  QString Target;
  int Level = 0;
  quint32 Seed = 0;
  bool Solved = false;
  bool Revealed = false;  // the answer was shown
  int Attempts = 0;
  int Hints = 0;
  double Seconds = 0.0;
};

inline constexpr char ResultsHeader[] = "target,level,seed,solved,revealed,attempts,hints,seconds";

// The results as CSV: the header, then one row per result in order; names
// quoted where they hold a comma, a quote or a line break, and a name that a
// spreadsheet would take for a formula written with a leading apostrophe.
QByteArray ResultsCsv(const std::vector<TResult> &results);

}  // namespace ExerciseSetFile
