#pragma once

#include "WaveformItems.h"
#include "HarmonicModel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// The phasor-set file (.rotants): a JSON document holding everything a user
// builds in the main window, and the harmonics table (CSV) that can be read in
// its place. docs/file-format.md describes the format field by field. Nothing
// here touches a widget; every function is safe on any thread.

namespace PhasorSetFile {

inline constexpr char FormatName[] = "rotants-phasor-set";
inline constexpr int FormatVersion = 1;
// Larger files are refused before they are read.
inline constexpr qint64 MaxFileBytes = 1024 * 1024;
// The editor takes magnitudes up to 10; the one-sided convention doubles
// harmonics 1..25, so those may stand at up to 20 in it.
inline constexpr double EditorMaxMagnitude = 10.0;
inline constexpr double MaxAngle = 180.0;
inline constexpr int WaveformCount = WaveformItems::Count;
inline constexpr int CustomRotantsWaveform = WaveformItems::CustomRotants;
inline constexpr int CustomTimeWaveform = WaveformItems::CustomTime;

// The header line of the harmonics table.
inline constexpr char HarmonicsCsvHeader[] = "harmonic,magnitude,angle_deg,real,imaginary";

// The waveform drop-down's items in its order, as the file and the command
// line name them: lower case, words joined by hyphens ("rectified-cosine").
const QStringList &WaveformNames();
// The item's index, or -1 for an unknown name.
int WaveformIndex(const QString &name);

// Largest magnitude entry `harmonic` may hold in the given convention.
double MaxEntryMagnitude(int harmonic, bool conjugate);

struct TEntry {
  double Re = 0.0;  // the phasor at time step 0
  double Im = 0.0;
  // The grid's texts for this entry; when HasTexts is false the window shows
  // the entry as its editor would write it.
  bool HasTexts = false;
  QString MagnitudeText;
  QString AngleText;
};

// Everything a phasor-set file holds. The defaults are the window's start-up
// state.
struct TState {
  std::array<TEntry, HarmonicCount> Entries{};
  int Waveform = CustomRotantsWaveform;  // drop-down index 0..8
  // The standard waveforms' shape; the default unless the file holds one.
  WaveformPresets::TShape Shape;
  // The recording the set was analysed from (its name; empty: none) and its
  // fundamental in Hz. No audio is kept.
  QString RecordingName;
  double RecordingFundamental = 0.0;
  int HighestHarmonic = 25;
  // The eight check boxes.
  bool RealValue = true;
  bool RotateComplexPlane = false;
  bool Trace = false;
  bool Conjugate = false;  // two-sided convention ("Use Conjugate Rotants")
  bool Grid = true;
  bool Sound = false;
  bool Repeat = true;
  bool IdealWave = true;
  int Step = 0;  // slider, 0..511
  // One period of the drawn waveform; used by "Custom Time" only.
  std::array<double, PeriodSteps> DrawnPeriod{};
  bool EditorShown = false;
  // The editor's current grid row (1..26) and its edit boxes' texts; when
  // HasEditor is false the window shows row 1's texts.
  bool HasEditor = false;
  int EditorRow = 1;
  QString HarmonicText;
  QString MagnitudeText;
  QString AngleText;
  // Where the next click on the phasor plane places a phasor: the harmonic
  // it sets (26: none left) and the harmonic whose tip it starts from. When
  // HasPlacement is false the waveform's own start applies.
  bool HasPlacement = false;
  int NextHarmonic = 1;
  int BaseHarmonic = 0;
};

// The file's bytes: UTF-8 JSON, every double written so it reads back bit
// for bit.
QByteArray Write(const TState &state);

// Reads a phasor-set file's bytes. Returns false and sets error to one
// sentence saying what is wrong (without the file's name) when the bytes are
// not a valid phasor set of a version this program reads; state is then
// unchanged.
bool Read(const QByteArray &bytes, TState &state, QString &error);

// Whether bytes look like a harmonics table (they start with its header's
// first column name, in any case) rather than a JSON document.
bool LooksLikeHarmonicsCsv(const QByteArray &bytes);

// Reads a harmonics table into entries, checked against the editor's range
// for the given convention. The header may be in any case; then 1 to 26 rows,
// each of harmonic, magnitude, angle_deg, real, imaginary, for harmonics in
// any order, none twice; the harmonics no row names are 0. Real and imaginary
// are taken when both are given, else magnitude and angle. Same error
// contract as Read; entries unchanged on failure.
bool ReadHarmonicsCsv(const QByteArray &bytes, bool conjugate,
                      std::array<TEntry, HarmonicCount> &entries, QString &error);

// Reads a whole file of at most MaxFileBytes. False with error set for a file
// that is missing, unreadable, a directory or too large.
bool ReadFileBytes(const QString &path, QByteArray &bytes, QString &error);

// Replaces the file at path with bytes, or leaves it as it was: the bytes go
// to a temporary file beside it, which is renamed over it only after every
// write and the flush have succeeded. False with error set on any failure.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString &error);

}  // namespace PhasorSetFile
