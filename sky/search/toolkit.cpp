#include "sky/search/toolkit.h"

#include <algorithm>
#include <cmath>

namespace orbitas {

namespace {

// f of the instant at a UT Julian day: what the steps and the narrowing
// follow.
auto OfJulianDay(const OfTime& f) {
  return [&f](double ut) { return f(Instant::FromUt(ut)); };
}

Crossing CrossingAt(double ut, bool upward) { return {Instant::FromUt(ut), upward}; }

}  // namespace

std::vector<Crossing> FindCrossings(const OfTime& of, const Span& span, int samples) {
  const auto f = OfJulianDay(of);
  const double start = span.from.ut, end = span.to.ut;
  std::vector<Crossing> crossings;
  double previous = start, previousValue = f(start);
  for (int k = 1; k <= samples; ++k) {
    const double t = start + (end - start) * k / samples;
    const double value = f(t);
    if ((previousValue <= 0) != (value <= 0)) crossings.push_back(CrossingAt(Bisect(f, previous, t), value > 0));
    previous = t;
    previousValue = value;
  }
  return crossings;
}

Instant FindMaximum(const OfTime& of, const Span& span, int samples) {
  const auto f = OfJulianDay(of);
  const double start = span.from.ut, end = span.to.ut;
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
  if (f(start) >= f(middle) && f(start) >= f(end)) return span.from;
  if (f(end) >= f(middle)) return span.to;
  return Instant::FromUt(middle);
}

double Wrapped(double value, double halfTurn) {
  double d = std::fmod(value, 2 * halfTurn);
  if (d > halfTurn) d -= 2 * halfTurn;
  if (d <= -halfTurn) d += 2 * halfTurn;
  return d;
}

std::vector<Crossing> AngleZeros(const OfTime& of, const Span& span, double step, double precision) {
  const auto f = OfJulianDay(of);
  const double from = span.from.ut, to = span.to.ut;
  std::vector<Crossing> roots;
  double a = from - step, fa = f(a);
  for (double b = a + step; a < to; a = b, b += step) {
    const double fb = f(b);
    if ((fa < 0) != (fb < 0) && std::fabs(fb - fa) < 90) {
      const double t = Bisect(f, a, b, precision);
      if (t >= from && t < to) roots.push_back(CrossingAt(t, fb > fa));
    }
    fa = fb;
  }
  return roots;
}

std::vector<std::vector<Crossing>> AngleZerosOfEach(const OfTime& of, const std::vector<double>& targets,
                                                    const Span& span, double step, double precision) {
  const auto f = OfJulianDay(of);
  const double from = span.from.ut, to = span.to.ut;
  std::vector<std::vector<Crossing>> roots(targets.size());
  double a = from - step, fa = f(a);
  for (double b = a + step; a < to; a = b, b += step) {
    const double fb = f(b);
    for (std::size_t k = 0; k < targets.size(); ++k) {
      const double x = Wrapped(fa - targets[k]), y = Wrapped(fb - targets[k]);
      if ((x < 0) != (y < 0) && std::fabs(y - x) < 90) {
        const double target = targets[k];
        const double t = Bisect([&](double u) { return Wrapped(f(u) - target); }, a, b, precision);
        if (t >= from && t < to) roots[k].push_back(CrossingAt(t, y > x));
      }
    }
    fa = fb;
  }
  return roots;
}

std::vector<Instant> LocalExtrema(const OfTime& of, const Span& span, double step, bool maxima, double precision) {
  const auto g = OfJulianDay(of);
  const double from = span.from.ut, to = span.to.ut;
  const double sign = maxima ? 1 : -1;
  auto h = [&](double t) { return sign * g(t); };
  std::vector<Instant> found;
  double t0 = from - 2 * step, h0 = h(t0), t1 = t0 + step, h1 = h(t1);
  while (t1 < to + step) {
    const double t2 = t1 + step, h2 = h(t2);
    if (h1 > h0 && h1 >= h2) {
      const double t = GoldenSection(h, t0, t2, precision);
      if (t >= from && t < to) found.push_back(Instant::FromUt(t));
    }
    t0 = t1, h0 = h1, t1 = t2, h1 = h2;
  }
  return found;
}

namespace {

// Regula falsi on [a, b], where f changes sign, halving the weight of an
// end that stays, and halving the bracket when a step barely moves.
template <typename F>
double RegulaFalsi(const F& f, double a, double fa, double b, double fb, double precision) {
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

std::optional<Instant> NearestRoot(const OfTime& of, const Instant& near, double step, double window,
                                   double precision, std::optional<bool> upward) {
  const auto f = OfJulianDay(of);
  const double t = near.ut;
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
      return Instant::FromUt(RegulaFalsi(f, a, fa, b, fb, precision));
    }
  }
  return std::nullopt;
}

std::optional<Instant> NearestExtremum(const OfTime& of, const Instant& near, double step, double window,
                                       bool maxima, double precision) {
  const auto g = OfJulianDay(of);
  const double t = near.ut;
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
  return Instant::FromUt(GoldenSection(h, here - step, here + step, precision));
}

std::optional<Instant> StrideUntilWithin(const OfTime& of, const Span& span, double near, double fastest,
                                         double shortest) {
  const double end = span.to.ut;
  for (double t = span.from.ut; t < end;) {
    const Instant at = Instant::FromUt(t);
    const double apart = of(at);
    if (apart <= near) return at;
    t += std::max(shortest, (apart - near) / fastest);
  }
  return std::nullopt;
}

}  // namespace orbitas
