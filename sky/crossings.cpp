#include "crossings.h"

#include <algorithm>
#include <cmath>

namespace orbitas {

std::vector<Crossing> FindCrossings(const std::function<double(double)>& f, double start, double end,
                                    int samples) {
  std::vector<Crossing> crossings;
  double previous = start, previousValue = f(start);
  for (int k = 1; k <= samples; ++k) {
    const double t = start + (end - start) * k / samples;
    const double value = f(t);
    if ((previousValue <= 0) != (value <= 0)) crossings.push_back({Bisect(f, previous, t), value > 0});
    previous = t;
    previousValue = value;
  }
  return crossings;
}

double FindMaximum(const std::function<double(double)>& f, double start, double end, int samples) {
  int best = 0;
  double bestValue = f(start);
  for (int k = 1; k <= samples; ++k) {
    const double value = f(start + (end - start) * k / samples);
    if (value > bestValue) best = k, bestValue = value;
  }
  const double step = (end - start) / samples;
  double a = std::max(start, start + (best - 1) * step), b = std::min(end, start + (best + 1) * step);
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double c = b - ratio * (b - a), d = a + ratio * (b - a), fc = f(c), fd = f(d);
  while (b - a > Millisecond) {
    if (fc > fd) {
      b = d, d = c, fd = fc;
      c = b - ratio * (b - a), fc = f(c);
    } else {
      a = c, c = d, fc = fd;
      d = a + ratio * (b - a), fd = f(d);
    }
  }
  const double middle = (a + b) / 2;
  // An end of the range can be the largest (a body still rising when the
  // range closes).
  if (f(start) >= f(middle) && f(start) >= f(end)) return start;
  if (f(end) >= f(middle)) return end;
  return middle;
}

}  // namespace orbitas
