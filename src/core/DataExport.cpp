#include "DataExport.h"

#include "Reconstruction.h"

#include <charconv>

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

std::string HarmonicsCsv(const TPhasorArray &entries)
{
  std::string csv = std::string(HarmonicsHeader) + "\n";
  for (int k = 0; k < HarmonicCount; ++k) {
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(entries[k].Re, entries[k].Im, magnitude, angle);
    csv += std::to_string(k) + "," + FormatNumber(magnitude) + "," + FormatNumber(angle) + ","
           + FormatNumber(entries[k].Re) + "," + FormatNumber(entries[k].Im) + "\n";
  }
  return csv;
}

std::string SamplesCsv(const std::array<double, SweepSteps> &ideal, const TPhasorArray &entries,
                       int highest, bool conjugate)
{
  const std::array<double, SweepSteps> reconstructed =
      Reconstruction::RealValues(entries, highest, conjugate);
  std::string csv = std::string(SamplesHeader) + "\n";
  for (int n = 0; n < SweepSteps; ++n)
    csv += std::to_string(n) + "," + FormatNumber(ideal[n % PeriodSteps]) + ","
           + FormatNumber(reconstructed[n]) + "\n";
  return csv;
}

}  // namespace DataExport
