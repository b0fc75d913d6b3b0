#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace {

// The exact decimal expansion of any finite double has at most 309 integer
// digits and at most 1074 decimals, so to_chars with 1074 decimals writes it
// in full, without rounding, and independently of the locale.
constexpr int ExactDecimals = 1074;
constexpr std::size_t ExactBufferSize = 309 + 1 + ExactDecimals + 16;

// Beyond these powers of ten a number is certainly infinite or zero as a
// double; deciding them here keeps absurd exponents away from from_chars.
constexpr long long OverflowExponent = 400;
constexpr long long UnderflowExponent = -400;

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
  return c == ' ' || c == '\t';
}

// Adds one unit in the last place of a string of decimal digits; returns true
// when the carry runs out of the front (all nines became zeros).
bool IncrementDigits(std::string &digits)
{
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

std::string Zero(int decimals)
{
  std::string text = "0";
  if (decimals > 0)
    text += '.' + std::string(decimals, '0');
  return text;
}

}  // namespace

std::string FormatFixed(double value, int precision, int decimals)
{
  precision = std::max(precision, 1);
  decimals = std::max(decimals, 0);
  if (!std::isfinite(value) || value == 0.0)
    return Zero(decimals);
  const bool negative = value < 0.0;

  // |value| = f 2^exponent with f of 53 bits at most, so its expansion ends
  // within 53 - exponent decimals: written to there it is exact, without the
  // zeros a full ExactDecimals would add.
  int exponent = 0;
  std::frexp(value, &exponent);
  const int decimalsUsed = std::clamp(53 - exponent, 0, ExactDecimals);
  std::array<char, ExactBufferSize> buffer;
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                     std::fabs(value), std::chars_format::fixed, decimalsUsed);
  // The exact digits without the '.', and how many of them are integer digits.
  std::string digits;
  digits.reserve(std::size_t(written.ptr - buffer.data()));
  std::ptrdiff_t pointPos = -1;
  for (const char *c = buffer.data(); c != written.ptr; ++c) {
    if (IsDigit(*c))
      digits += *c;
    else
      pointPos = std::ptrdiff_t(digits.size());
  }
  if (pointPos < 0)
    pointPos = std::ptrdiff_t(digits.size());

  const std::size_t lead = digits.find_first_not_of('0');
  if (lead == std::string::npos)
    return Zero(decimals);
  // Power of ten of the leading digit, and of the last digit kept: the coarser
  // of P significant digits and D decimals.
  const std::ptrdiff_t leadExponent = pointPos - 1 - std::ptrdiff_t(lead);
  const std::ptrdiff_t unitExponent = std::max<std::ptrdiff_t>(leadExponent - precision + 1, -decimals);
  // unitExponent <= pointPos - 1, so at least one digit is kept.
  const std::size_t kept = std::size_t(pointPos - unitExponent);

  std::string rounded = digits.substr(0, kept);
  if (rounded.size() < kept)
    rounded.append(kept - rounded.size(), '0');
  // The dropped part is at least one half exactly when its first digit is 5 or
  // more, since the digits are the exact expansion.
  if (kept < digits.size() && digits[kept] >= '5' && IncrementDigits(rounded)) {
    rounded.insert(rounded.begin(), '1');
    ++pointPos;
  }

  const std::size_t first = rounded.find_first_not_of('0');
  if (first == std::string::npos)
    return Zero(decimals);
  const std::ptrdiff_t integerDigits = std::max<std::ptrdiff_t>(pointPos - std::ptrdiff_t(first), 0);

  std::string text;
  if (negative)
    text += '-';

  if (integerDigits > precision) {
    // Here the rounding was at P significant digits, so the digits from
    // `first` on are the mantissa (one more zero when the carry added a digit).
    std::string mantissa = rounded.substr(first, std::size_t(precision));
    mantissa.append(std::size_t(precision) - mantissa.size(), '0');
    text += mantissa[0];
    if (precision > 1)
      text += '.' + mantissa.substr(1);
    text += "E+" + std::to_string(integerDigits - 1);
    return text;
  }

  // Fixed notation; here unitExponent <= 0, so rounded holds every integer
  // digit followed by -unitExponent decimals.
  const std::size_t integerStart = std::min(first, std::size_t(pointPos - 1));
  text.append(rounded, integerStart, std::size_t(pointPos) - integerStart);
  if (decimals > 0) {
    text += '.';
    text.append(rounded, std::size_t(pointPos));
    text.append(std::size_t(decimals + unitExponent), '0');
  }
  return text;
}

bool ReadNumber(const std::string &text, double &value)
{
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin]))
    ++begin;
  while (end > begin && IsBlank(text[end - 1]))
    --end;

  std::size_t i = begin;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t unsignedStart = i;

  // Mantissa, noting the power of ten of its first non-zero digit.
  bool seenNonZero = false;
  long long leadExponent = 0;
  std::size_t integerDigits = 0;
  while (i < end && IsDigit(text[i])) {
    if (!seenNonZero && text[i] != '0') {
      seenNonZero = true;
      leadExponent = -1;
    }
    if (seenNonZero)
      ++leadExponent;
    ++integerDigits;
    ++i;
  }
  std::size_t fractionDigits = 0;
  if (i < end && text[i] == '.') {
    ++i;
    while (i < end && IsDigit(text[i])) {
      ++fractionDigits;
      if (!seenNonZero && text[i] != '0') {
        seenNonZero = true;
        leadExponent = -static_cast<long long>(fractionDigits);
      }
      ++i;
    }
  }
  if (integerDigits + fractionDigits == 0)
    return false;

  long long exponent = 0;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    const std::size_t exponentStart = i;
    while (i < end && IsDigit(text[i])) {
      // Saturates well beyond any exponent that can matter.
      exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000000LL);
      ++i;
    }
    if (i == exponentStart)
      return false;
    if (negativeExponent)
      exponent = -exponent;
  }
  if (i != end)
    return false;

  const double infinity = std::numeric_limits<double>::infinity();
  if (!seenNonZero) {
    value = 0.0;
    return true;
  }
  const long long decimalExponent = leadExponent + exponent;
  if (decimalExponent > OverflowExponent) {
    value = negative ? -infinity : infinity;
    return true;
  }
  if (decimalExponent < UnderflowExponent) {
    value = 0.0;
    return true;
  }

  double magnitude = 0.0;
  const auto parsed = std::from_chars(text.data() + unsignedStart, text.data() + end, magnitude,
                                      std::chars_format::general);
  if (parsed.ec == std::errc::result_out_of_range)
    magnitude = decimalExponent >= 0 ? infinity : 0.0;
  else if (parsed.ec != std::errc() || parsed.ptr != text.data() + end)
    return false;
  if (magnitude == 0.0)
    value = 0.0;
  else
    value = negative ? -magnitude : magnitude;
  return true;
}
