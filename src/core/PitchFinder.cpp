#include "PitchFinder.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace PitchFinder {

namespace {

// The offset (-0.5..0.5) of the vertex of the parabola through
// (-1, before), (0, at), (1, after), where at is the least of the three.
double ParabolaVertex(double before, double at, double after)
{
  const double curvature = before - 2.0 * at + after;
  if (!(curvature > 0.0))
    return 0.0;
  return std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5);
}

// The sum of (x[j] - x[j + lag])^2 over j < length, in four running sums
// so that the additions need not wait on one another.
double SquaredDifference(const double *x, std::size_t lag, std::size_t length)
{
  double sums[4] = {0.0, 0.0, 0.0, 0.0};
  const double *y = x + lag;
  std::size_t j = 0;
  for (; j + 4 <= length; j += 4)
    for (std::size_t k = 0; k < 4; ++k) {
      const double e = x[j + k] - y[j + k];
      sums[k] += e * e;
    }
  for (; j < length; ++j) {
    const double e = x[j] - y[j];
    sums[0] += e * e;
  }
  return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

}  // namespace

bool CoarsePeriod(const double *x, int maxLag, TCoarse &coarse)
{
  if (maxLag < 3)
    return false;
  // The difference at every lag, summed sample by sample so that the inner
  // loop runs over consecutive lags (no chain of additions to wait on).
  std::vector<double> difference(std::size_t(maxLag) + 1, 0.0);
  double *d = difference.data();
  for (int j = 0; j < maxLag; ++j) {
    const double xj = x[j];
    const double *shifted = x + j;
    for (int lag = 1; lag <= maxLag; ++lag) {
      const double e = xj - shifted[lag];
      d[lag] += e * e;
    }
  }

  std::vector<double> normalised(std::size_t(maxLag) + 1, 1.0);
  double running = 0.0;
  for (int lag = 1; lag <= maxLag; ++lag) {
    running += d[lag];
    normalised[lag] = running > 0.0 ? d[lag] * lag / running : 1.0;
  }

  // The local minima, their depths interpolated between lags: a period of a
  // few samples falls between lags, where neither neighbour dips as deep as
  // the curve does, while its double lands on a lag.
  struct TDip {
    int At;  // the lag of the least value
    double Lag;
    double Depth;
  };
  std::vector<TDip> dips;
  double deepest = 1.0;
  for (int lag = 2; lag < maxLag; ++lag) {
    const double before = normalised[lag - 1];
    const double at = normalised[lag];
    const double after = normalised[lag + 1];
    if (!(at <= before && at < after))
      continue;
    const double offset = ParabolaVertex(before, at, after);
    const double depth = std::max(0.0, at - 0.25 * (before - after) * offset);
    dips.push_back({lag, lag + offset, depth});
    deepest = std::min(deepest, depth);
  }
  if (deepest >= DipThreshold)
    return false;
  // Noise lifts the dips at the period and at its multiples alike, and the
  // threshold may then fall between them: a dip nearly as deep as the
  // deepest counts as below it.
  // Noise also ripples a broad dip: the deepest point of the first stretch
  // of lags below the limit is the period, not the first ripple in it.
  const double limit = std::max(DipThreshold, NearlyDeepest * deepest);
  const auto first = std::find_if(dips.begin(), dips.end(),
                                  [limit](const TDip &dip) { return dip.Depth < limit; });
  if (first == dips.end())
    return false;
  TDip chosen = *first;
  for (auto next = first + 1; next != dips.end(); ++next) {
    const auto between = normalised.begin() + (next - 1)->At;
    if (*std::max_element(between, normalised.begin() + next->At) >= limit)
      break;
    if (next->Depth < chosen.Depth)
      chosen = *next;
  }
  coarse.Period = chosen.Lag;
  coarse.Dip = chosen.Depth;
  return true;
}

double RefinePeriod(const double *x, std::size_t n, double period)
{
  if (!(period >= 2.0))
    return period;
  const double size = double(n);
  // The blocks compared run from the start as far as the lag leaves room,
  // which averages noise away; no shorter than two periods, nor than a third
  // of x, which bounds the last lag.
  const double shortest = std::max(std::ceil(2.0 * period), std::floor(size / 3.0));
  // Lags are tried a 32nd of a period apart, where the difference's slope
  // stands well above the ripple noise gives it from one lag to the next,
  // and its least value is fitted over at most an eighth of a period, where
  // it is still a parabola.
  const long stride = std::max(1L, long(period / 32.0));
  const long half = std::clamp(long(period / (8.0 * double(stride))), 1L, 3L);

  // The uncertainty of the period in samples: YIN's interpolation is good to
  // about half a sample on a clean tone, worse on a long noisy period.
  double error = 0.5 + 0.01 * period;
  double periods = 1.0;
  std::vector<double> values;
  for (;;) {
    const double next = std::min(periods < 2.0 ? 2.0 : 4.0 * periods,
                                 std::floor((size - shortest - period / 2.0 - 3.0) / period));
    if (next <= periods)
      break;
    const double expected = next * period;
    // A whole number of periods: the sums over the block then hold every
    // phase of the period alike on both sides of the least lag, which keeps
    // the difference even about it.
    const double room = size - std::floor(expected + period / 2.0) - 3.0;
    const auto length = std::size_t(std::round(std::floor(room / period) * period));
    const auto difference = [&](long lag) { return SquaredDifference(x, std::size_t(lag), length); };
    // The lags as far as the expected error, then on down the slope should
    // noise have misled the last step; never half a period from the
    // expected lag, where the neighbouring period's minimum would compete.
    const long lowest = std::max(half * stride + 1, long(std::ceil(expected - period / 2.0)));
    const long highest = std::min(long(std::floor(expected + period / 2.0)),
                                  long(n) - long(length) - 1 - half * stride);
    const long reach = std::max(1L, long(std::ceil((1.0 + next * error) / double(stride))));
    const long centre = std::lround(expected);
    long low = centre;
    long high = centre;
    values.assign(1, difference(centre));
    for (long k = 0; k < reach; ++k) {
      if (low - stride >= lowest) {
        low -= stride;
        values.insert(values.begin(), difference(low));
      }
      if (high + stride <= highest) {
        high += stride;
        values.push_back(difference(high));
      }
    }
    for (;;) {
      const auto least = std::min_element(values.begin(), values.end()) - values.begin();
      if (least == 0 && low - stride >= lowest) {
        low -= stride;
        values.insert(values.begin(), difference(low));
      } else if (least + 1 == std::ptrdiff_t(values.size()) && high + stride <= highest) {
        high += stride;
        values.push_back(difference(high));
      } else {
        break;
      }
    }
    const auto least = std::min_element(values.begin(), values.end()) - values.begin();
    // Still on the edge: the tone is not steady enough to go further.
    if (least == 0 || least + 1 == std::ptrdiff_t(values.size()))
      break;

    // A parabola fitted by least squares to 2 half + 1 lags stride apart
    // around the least one, then again around the vertex found, so that the
    // lags lie nearly even about it.
    double lag = double(low + least * stride);
    bool fitted = true;
    for (int pass = 0; pass < 2 && fitted; ++pass) {
      const long middle = std::clamp(std::lround(lag), lowest, highest);
      double slope = 0.0;
      double slopeNorm = 0.0;
      double bend = 0.0;
      double bendNorm = 0.0;
      const double meanSquare = double(half * (half + 1)) / 3.0;
      for (long k = -half; k <= half; ++k) {
        const double value = difference(middle + k * stride);
        const double centred = double(k * k) - meanSquare;
        slope += double(k) * value;
        slopeNorm += double(k * k);
        bend += centred * value;
        bendNorm += centred * centred;
      }
      const double a = bend / bendNorm;
      const double b = slope / slopeNorm;
      fitted = a > 0.0;
      if (fitted)
        lag = double(middle) + double(stride) * std::clamp(-b / (2.0 * a), -double(half), double(half));
    }
    if (!fitted)
      break;
    period = lag / next;
    // The fitted lag is good to a small fraction of a sample.
    error = 0.25 / next;
    periods = next;
  }
  return period;
}

}  // namespace PitchFinder
