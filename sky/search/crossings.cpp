#include "sky/search/crossings.h"

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

double Wrapped(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}


std::vector<Crossing> AngleZeros(const std::function<double(double)>& f, double from, double to, double step,
                                 double precision) {
  std::vector<Crossing> roots;
  double a = from - step, fa = f(a);
  for (double b = a + step; a < to; a = b, b += step) {
    const double fb = f(b);
    if ((fa < 0) != (fb < 0) && std::fabs(fb - fa) < 90) {
      const double t = Bisect(f, a, b, precision);
      if (t >= from && t < to) roots.push_back({t, fb > fa});
    }
    fa = fb;
  }
  return roots;
}

std::vector<std::vector<Crossing>> AngleZerosOfEach(const std::function<double(double)>& f,
                                                    const std::vector<double>& targets, double from, double to,
                                                    double step, double precision) {
  std::vector<std::vector<Crossing>> roots(targets.size());
  double a = from - step, fa = f(a);
  for (double b = a + step; a < to; a = b, b += step) {
    const double fb = f(b);
    for (std::size_t k = 0; k < targets.size(); ++k) {
      const double x = Wrapped(fa - targets[k]), y = Wrapped(fb - targets[k]);
      if ((x < 0) != (y < 0) && std::fabs(y - x) < 90) {
        const double target = targets[k];
        const double t = Bisect([&](double u) { return Wrapped(f(u) - target); }, a, b, precision);
        if (t >= from && t < to) roots[k].push_back({t, y > x});
      }
    }
    fa = fb;
  }
  return roots;
}

std::vector<double> LocalExtrema(const std::function<double(double)>& g, double from, double to, double step,
                                 bool maxima, double precision) {
  const double sign = maxima ? 1 : -1;
  auto h = [&](double t) { return sign * g(t); };
  std::vector<double> found;
  double t0 = from - 2 * step, h0 = h(t0), t1 = t0 + step, h1 = h(t1);
  while (t1 < to + step) {
    const double t2 = t1 + step, h2 = h(t2);
    if (h1 > h0 && h1 >= h2) {
      double a = t0, b = t2;
      const double ratio = (std::sqrt(5.0) - 1) / 2;
      double c = b - ratio * (b - a), d = a + ratio * (b - a), hc = h(c), hd = h(d);
      while (b - a > precision) {
        if (hc > hd) b = d, d = c, hd = hc, c = b - ratio * (b - a), hc = h(c);
        else a = c, c = d, hc = hd, d = a + ratio * (b - a), hd = h(d);
      }
      const double t = (a + b) / 2;
      if (t >= from && t < to) found.push_back(t);
    }
    t0 = t1, h0 = h1, t1 = t2, h1 = h2;
  }
  return found;
}

}  // namespace orbitas
