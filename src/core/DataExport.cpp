#include "DataExport.h"

#include "Reconstruction.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace DataExport {

std::string FormatNumber(double value)
{
  // to_chars never consults the locale; general format at precision 15 is
  // what %.15g prints in the "C" locale. A negative zero reads as plain 0.
  if (value == 0.0)
    return "0";
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general,
                                    SignificantDigits);
  return std::string(text, result.ptr);
}

namespace {

// The largest |value| of each column of rows.
template <std::size_t Columns, std::size_t Rows>
std::array<double, Columns> ColumnPeaks(const std::array<std::array<double, Columns>, Rows> &rows)
{
  std::array<double, Columns> peaks{};
  for (const auto &row : rows)
    for (std::size_t c = 0; c < Columns; ++c)
      peaks[c] = std::max(peaks[c], std::fabs(row[c]));
  return peaks;
}

// Rounding noise, a value below 1e-12 of its column's largest, reads as 0.
std::string ColumnNumber(double value, double peak)
{
  return std::fabs(value) < 1e-12 * peak ? "0" : FormatNumber(value);
}

}  // namespace

std::string HarmonicsCsv(const TPhasorArray &entries)
{
  std::array<std::array<double, 4>, HarmonicCount> rows{};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    HarmonicMath::RectToPolar(entries[k].Re, entries[k].Im, rows[k][0], rows[k][1]);
    rows[k][2] = entries[k].Re;
    rows[k][3] = entries[k].Im;
  }
  // The real and imaginary parts are measured against the largest magnitude:
  // a column of the square's imaginary parts holds nothing but noise.
  std::array<double, 4> peaks = ColumnPeaks(rows);
  peaks[2] = peaks[3] = peaks[0];
  std::string csv = std::string(HarmonicsHeader) + "\n";
  for (std::size_t k = 0; k < rows.size(); ++k) {
    csv += std::to_string(k);
    for (std::size_t c = 0; c < peaks.size(); ++c)
      csv += "," + ColumnNumber(rows[k][c], peaks[c]);
    csv += "\n";
  }
  return csv;
}

std::string SamplesCsv(const std::array<double, SweepSteps> &ideal, const TPhasorArray &entries,
                       int highest, bool conjugate)
{
  const std::array<double, SweepSteps> reconstructed =
      Reconstruction::RealValues(entries, highest, conjugate);
  std::array<std::array<double, 2>, SweepSteps> rows{};
  for (std::size_t n = 0; n < rows.size(); ++n)
    rows[n] = {ideal[n % PeriodSteps], reconstructed[n]};
  const std::array<double, 2> peaks = ColumnPeaks(rows);
  std::string csv = std::string(SamplesHeader) + "\n";
  for (std::size_t n = 0; n < rows.size(); ++n)
    csv += std::to_string(n) + "," + ColumnNumber(rows[n][0], peaks[0]) + ","
           + ColumnNumber(rows[n][1], peaks[1]) + "\n";
  return csv;
}

}  // namespace DataExport
