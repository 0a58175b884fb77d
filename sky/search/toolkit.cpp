#include "sky/search/toolkit.h"

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
  const double middle = GoldenSection(f, std::max(start, start + (best - 1) * step),
                                      std::min(end, start + (best + 1) * step), Millisecond);
  // An end of the range can be the largest (a body still rising when the
  // range closes).
  if (f(start) >= f(middle) && f(start) >= f(end)) return start;
  if (f(end) >= f(middle)) return end;
  return middle;
}

double Wrapped(double value, double halfTurn) {
  double d = std::fmod(value, 2 * halfTurn);
  if (d > halfTurn) d -= 2 * halfTurn;
  if (d <= -halfTurn) d += 2 * halfTurn;
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
      const double t = GoldenSection(h, t0, t2, precision);
      if (t >= from && t < to) found.push_back(t);
    }
    t0 = t1, h0 = h1, t1 = t2, h1 = h2;
  }
  return found;
}

namespace {

// Regula falsi on [a, b], where f changes sign, halving the weight of an
// end that stays, and halving the bracket when a step barely moves.
double RegulaFalsi(const std::function<double(double)>& f, double a, double fa, double b, double fb,
                   double precision) {
  int stayed = 0;
  while (b - a > precision) {
    const double c = (a * fb - b * fa) / (fb - fa), fc = f(c);
    if ((fc < 0) == (fa < 0)) {
      a = c, fa = fc;
      if (stayed == -1) fb /= 2;
      stayed = -1;
    } else {
      b = c, fb = fc;
      if (stayed == 1) fa /= 2;
      stayed = 1;
    }
    if (fc == 0) return c;
    if (std::fabs(b - a) < precision) break;
    if (std::fabs(c - a) < precision / 4 || std::fabs(c - b) < precision / 4) {
      const double m = (a + b) / 2, fm = f(m);
      if ((fm < 0) == (fa < 0)) a = m, fa = fm;
      else b = m, fb = fm;
    }
  }
  return (a + b) / 2;
}

}  // namespace

double FalsePosition(const std::function<double(double)>& f, double a, double b, double precision) {
  return RegulaFalsi(f, a, f(a), b, f(b), precision);
}

std::optional<double> NearestRoot(const std::function<double(double)>& f, double t, double step, double window,
                                  double precision, std::optional<bool> upward) {
  const double f0 = f(t);
  double leftT = t, leftF = f0, rightT = t, rightF = f0;
  for (double d = step; d <= window + step / 2; d += step) {
    for (const bool right : {true, false}) {
      const double u = right ? t + d : t - d, fu = f(u);
      double& nearT = right ? rightT : leftT;
      double& nearF = right ? rightF : leftF;
      const double a = right ? nearT : u, fa = right ? nearF : fu, b = right ? u : nearT, fb = right ? fu : nearF;
      nearT = u, nearF = fu;
      if ((fa < 0) == (fb < 0) || std::fabs(fb - fa) >= 90) continue;
      if (upward && (fb > fa) != *upward) continue;
      return RegulaFalsi(f, a, fa, b, fb, precision);
    }
  }
  return std::nullopt;
}

std::optional<double> NearestExtremum(const std::function<double(double)>& g, double t, double step,
                                      double window, bool maxima, double precision) {
  const double sign = maxima ? 1 : -1;
  auto h = [&](double u) { return sign * g(u); };
  double here = t, hHere = h(t);
  const double hRight = h(t + step), hLeft = h(t - step);
  if (hLeft > hHere || hRight > hHere) {
    const double direction = hRight > hLeft ? 1 : -1;
    double next = here + direction * step, hNext = direction > 0 ? hRight : hLeft;
    while (hNext > hHere) {
      here = next, hHere = hNext;
      next = here + direction * step, hNext = h(next);
      if (std::fabs(here - t) > window) return std::nullopt;
    }
  }
  return GoldenSection(h, here - step, here + step, precision);
}

std::optional<double> StrideUntilWithin(const std::function<double(double)>& g, double start, double end,
                                        double near, double fastest, double shortest) {
  for (double t = start; t < end;) {
    const double apart = g(t);
    if (apart <= near) return t;
    t += std::max(shortest, (apart - near) / fastest);
  }
  return std::nullopt;
}

}  // namespace orbitas
