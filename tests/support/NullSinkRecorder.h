#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Access to the private PulseAudio server that scripts/with-null-sink starts:
// its default sink is a null sink named "rec", whose monitor the tests record.
namespace NullSink {

inline constexpr int RecordRate = 44100;  // Hz, 16-bit mono

// Empty when the server answers and its default sink is "rec"; otherwise the
// reason why not, for QSKIP.
QString Unavailable();

// The next ms milliseconds of what the null sink "rec" plays, 16-bit mono at
// RecordRate, recorded while the event loop runs; empty when recording fails.
QList<qint16> Record(int ms);

// Record(ms) of a tone that should flow without a gap, taken again (up to
// tries recordings in all) while the recording shows a dropout. A fault of the
// player drops out on every try: a gap at the loop's seam or at a swap recurs
// many times a second. A one-off stall of a busy machine, where the server or
// the player is descheduled for longer than the stream's buffer, does not.
// Returns the last recording.
QList<qint16> RecordSteady(int ms, int tries = 3);

// Peak magnitude of the next ms milliseconds, or -1 when the recording holds
// less than 90 % of the samples it should (recorder not running or stalled).
int RecordPeak(int ms);

// The playback streams the server holds, one "pactl list short sink-inputs"
// line each.
QStringList SinkInputs();

// This process's environment pointed at a sound server that does not exist,
// with the client's runtime files in directory: for a child that must play on
// in silence.
QProcessEnvironment WithoutServer(const QString &directory);

}  // namespace NullSink

// Spectrum figures of a recording at NullSink::RecordRate.
namespace ToneAnalysis {

// Amplitude (in sample units) of the component at frequency Hz, over a Hann
// window: a full-scale sine of amplitude A at that frequency reads about A.
double Amplitude(const QList<qint16> &samples, double frequency);

// Frequency in [from, to] with the largest Amplitude, searched in 1 Hz steps.
double StrongestFrequency(const QList<qint16> &samples, double from, double to);

int PeakAbs(const QList<qint16> &samples);

// Largest step between neighbouring samples over the millisecond after the
// first silence ends (atEnd false) or before the last one begins; -1 when
// there is no such edge.
int EdgeStep(const QList<qint16> &samples, bool atEnd);

// Longest run of consecutive samples with |x| <= limit: a dropout shows as a
// run of hundreds, a 441 Hz tone of amplitude 10000 never has more than a few.
int LongestQuietRun(const QList<qint16> &samples, int limit);

}  // namespace ToneAnalysis
