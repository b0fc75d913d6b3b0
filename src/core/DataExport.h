#pragma once

#include "HarmonicModel.h"

#include <array>
#include <string>

// Toolkit-free CSV texts of the phasor set and of the waveform, for
// spreadsheets and readers. Numbers are written with at most 15 significant
// digits, as many as a double always holds exactly, so a value typed as
// 0.6366 reads 0.6366 and not 0.63660000000000005, and always with '.' as the
// decimal point, whatever the locale. Lines end in "\n". (Phasor-set files
// keep every double exactly; see PhasorSetFile.) In each column a value below
// 1e-12 of the column's largest |value| is rounding noise and is written 0;
// the real and imaginary parts of the harmonics count against the largest
// magnitude.
namespace DataExport {

inline constexpr char HarmonicsHeader[] = "harmonic,magnitude,angle_deg,real,imaginary";
inline constexpr char SamplesHeader[] = "step,ideal,reconstructed";
inline constexpr int SignificantDigits = 15;

// The number as %.15g writes it in the "C" locale, and either zero as "0".
std::string FormatNumber(double value);

// The header line and one row per harmonic 0..25 from the step-0 values (Re,
// Im) of the entries: magnitude and angle in degrees as the editor shows them
// (HarmonicMath::RectToPolar), then the real and imaginary parts.
std::string HarmonicsCsv(const TPhasorArray &entries);

// The header line and one row per step 0..SweepSteps - 1: the ideal period's
// value at the step (ideal[step mod PeriodSteps]) and the value reconstructed
// afresh from entries 0..highest (Reconstruction::RealValueAt), so rows never
// carry values of an earlier set.
std::string SamplesCsv(const std::array<double, SweepSteps> &ideal, const TPhasorArray &entries,
                       int highest, bool conjugate);

}  // namespace DataExport
