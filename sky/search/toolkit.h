#pragma once
// The search toolkit behind every event the sky library finds: a scan for
// changes of sign or of a state, bisection, golden sections, regula falsi, and the wrap
// of an angle. The narrowing steps (Bisect, GoldenSection, BrentMinimum,
// NarrowChange, FalsePosition) work on a plain number line; the finders
// follow a function of an Instant over a Span, stepping and narrowing its
// UT Julian day, and hand the function each time tried as one Instant,
// its ΔT worked out once there. Steps, windows and precisions are days.
#include <cmath>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

#include "calendar/civil_days.h"
#include "calendar/instant.h"

namespace orbitas {

// Bisection stops within a millisecond: at any body's rate the altitude is
// then within 1e-5 degrees of where it crosses.
inline constexpr double Millisecond = 0.001 / SecondsPerDay;  // days

// A day is followed in ten-minute samples: far shorter than any altitude's
// swing above or below a limit.
inline constexpr int SamplesPerDay = 144;

// Narrows [a, b], where f changes sign, to less than precision (days), and
// returns the middle of what is left.
template <typename F>
double Bisect(F&& f, double a, double b, double precision = Millisecond) {
  const bool rising = f(a) < 0;
  while (b - a > precision) {
    const double middle = (a + b) / 2;
    if ((f(middle) < 0) == rising) a = middle;
    else b = middle;
  }
  return (a + b) / 2;
}

// Narrows [a, b], around a maximum of h, by golden sections to less than
// precision (days), and returns the middle of what is left. h need only
// have one maximum inside [a, b].
template <typename H>
double GoldenSection(H&& h, double a, double b, double precision) {
  constexpr double Ratio = 0.6180339887498949;  // (sqrt(5) - 1) / 2
  double c = b - Ratio * (b - a), d = a + Ratio * (b - a), hc = h(c), hd = h(d);
  while (b - a > precision) {
    if (hc > hd) b = d, d = c, hd = hc, c = b - Ratio * (b - a), hc = h(c);
    else a = c, c = d, hc = hd, d = a + Ratio * (b - a), hd = h(d);
  }
  return (a + b) / 2;
}

// The minimum of f in [a, b] (days) to within tolerance (days), by Brent's
// method (Algorithms for Minimization without Derivatives, 1973, ch. 5):
// parabolas through the last three points where f is smooth, golden
// sections where they would not help. A smooth minimum such as a least
// distance takes some ten evaluations where golden sections take twenty
// or more. f need only have one minimum inside [a, b].
template <typename F>
double BrentMinimum(F&& f, double a, double b, double tolerance) {
  constexpr double Golden = 0.3819660112501051;  // (3 - sqrt(5)) / 2
  double x = a + Golden * (b - a), w = x, v = x;
  double fx = f(x), fw = fx, fv = fx;
  double d = 0, e = 0;
  while (true) {
    const double middle = (a + b) / 2, tol1 = tolerance / 2, tol2 = 2 * tol1;
    if (std::fabs(x - middle) <= tol2 - (b - a) / 2) return x;
    bool parabolic = false;
    if (std::fabs(e) > tol1) {
      double r = (x - w) * (fx - fv), q = (x - v) * (fx - fw), p = (x - v) * q - (x - w) * r;
      q = 2 * (q - r);
      if (q > 0) p = -p;
      q = std::fabs(q);
      const double previous = e;
      e = d;
      if (std::fabs(p) < std::fabs(q * previous / 2) && p > q * (a - x) && p < q * (b - x)) {
        d = p / q;
        const double u = x + d;
        if (u - a < tol2 || b - u < tol2) d = x < middle ? tol1 : -tol1;
        parabolic = true;
      }
    }
    if (!parabolic) {
      e = (x < middle ? b : a) - x;
      d = Golden * e;
    }
    const double u = std::fabs(d) >= tol1 ? x + d : x + (d > 0 ? tol1 : -tol1);
    const double fu = f(u);
    if (fu <= fx) {
      (u < x ? b : a) = x;
      v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
    } else {
      (u < x ? a : b) = u;
      if (fu <= fw || w == x) {
        v = w, fv = fw, w = u, fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u, fv = fu;
      }
    }
  }
}

// Narrows [a, b], at whose ends state (a function of time with a few
// values: a flag, a level) differs, by bisection on whether it is still
// state(a), to less than precision (days), and returns the middle of what
// is left.
template <typename State>
double NarrowChange(State&& state, double a, double b, double precision = Millisecond) {
  const auto before = state(a);
  while (b - a > precision) {
    const double middle = (a + b) / 2;
    if (state(middle) == before) a = middle;
    else b = middle;
  }
  return (a + b) / 2;
}

// A change of a state, and the states either side of it.
template <typename Value>
struct StateChange {
  Instant time;
  Value before, after;
};

// The state at the start of a stretch of time and every change of it.
template <typename Value>
struct StateChanges {
  Value first;
  std::vector<StateChange<Value>> changes;  // in time order
};

// The level next to level, up or down: a flag's other value, an enum's
// next or previous enumerator.
template <typename Value>
constexpr Value NextLevel(Value level, bool up) {
  if constexpr (std::is_same_v<Value, bool>) {
    return up;
  } else {
    return static_cast<Value>(static_cast<int>(level) + (up ? 1 : -1));
  }
}

// Every change of state in span, its end included: state (a function of
// an Instant: a flag, or an enum of ordered levels) is sampled at `samples`
// equal steps and each change between two samples is narrowed below
// precision (days) by NarrowChange; a change of several levels between two
// samples is narrowed at each level it passes, between the same two
// samples. The step must be shorter than the shortest stretch of any one
// state: a state that comes and goes between two samples is not seen (the
// rough period Skyfield's find_discrete asks for). What state raises
// propagates.
template <typename State>
auto FindStateChanges(State&& state, const Span& span, int samples, double precision = Millisecond)
    -> StateChanges<decltype(state(span.from))> {
  using Value = decltype(state(span.from));
  auto at = [&](double ut) { return state(Instant::FromUt(ut)); };
  const double start = span.from.ut, end = span.to.ut;
  StateChanges<Value> found{at(start), {}};
  double previous = start;
  Value previousState = found.first;
  for (int k = 1; k <= samples; ++k) {
    const double t = start + (end - start) * k / samples;
    const Value now = at(t);
    const bool up = previousState < now;
    for (Value level = previousState; level != now; level = NextLevel(level, up)) {
      // Whether the state at ut is still on this level's side of the next.
      auto side = [&](double ut) { return up ? !(level < at(ut)) : !(at(ut) < level); };
      found.changes.push_back({Instant::FromUt(NarrowChange(side, previous, t, precision)), level, NextLevel(level, up)});
    }
    previous = t;
    previousState = now;
  }
  return found;
}

// A quantity a finder follows, as a function of the instant.
using OfTime = std::function<double(const Instant&)>;

struct Crossing {
  Instant time;
  bool upward;  // f goes from <= 0 to > 0
};

// Every crossing of zero by f in span, its end included, in time order: f
// is sampled at `samples` equal steps and each change of sign is bisected
// to a millisecond. Crossings closer together than a step may be missed.
// What f raises propagates.
std::vector<Crossing> FindCrossings(const OfTime& f, const Span& span, int samples);

// The instant in span, its end included, where f is largest: the largest
// of `samples` equal steps, then narrowed by golden sections to a
// millisecond around it. An end of the span is returned when it is the
// largest. What f raises propagates.
Instant FindMaximum(const OfTime& f, const Span& span, int samples);

// degrees brought into [0, 360) by whole turns (fmod, then a turn added
// to what is negative). Raises nothing.
inline double Degrees360(double degrees) {
  const double d = std::fmod(degrees, 360.0);
  return d < 0 ? d + 360 : d;
}

// value brought into (-halfTurn, halfTurn] by whole turns: degrees with
// 180, hours with 12.
double Wrapped(double value, double halfTurn = 180);

// The zeros of f, an angle in degrees (-180..180], in span: f is sampled
// every step (days, from one step before the span) and each change of sign
// that is not the jump at ±180 degrees is bisected below precision (days).
// A touch of zero without a change of sign is no zero.
std::vector<Crossing> AngleZeros(const OfTime& f, const Span& span, double step, double precision);

// AngleZeros of f - target for each of targets (degrees) at once, from one
// set of samples of f: the result's k-th list is for targets[k].
std::vector<std::vector<Crossing>> AngleZerosOfEach(const OfTime& f, const std::vector<double>& targets,
                                                    const Span& span, double step, double precision);

// The instants in span of the local maxima (or minima) of g: g is sampled
// every step (days) and each sample higher than the one before and not
// lower than the one after is narrowed by golden sections below precision
// (days).
std::vector<Instant> LocalExtrema(const OfTime& g, const Span& span, double step, bool maxima, double precision);

// The zero of f (an angle, degrees, -180..180) nearest to near, looking
// out from it in steps of step on both sides, at most window days away;
// with upward, only a crossing in that direction. Narrowed below precision
// (days) by regula falsi (Illinois), which needs a handful of costly
// evaluations where bisection needs twenty. None when there is no zero in
// the window.
std::optional<Instant> NearestRoot(const OfTime& f, const Instant& near, double step, double window,
                                   double precision, std::optional<bool> upward = std::nullopt);

// The zero of f in [a, b], where f changes sign, narrowed below precision
// (days) by regula falsi (Illinois): a handful of evaluations where
// bisection needs twenty. What f raises propagates.
double FalsePosition(const std::function<double(double)>& f, double a, double b, double precision);

// The local maximum (or minimum) of g nearest to near: uphill from it in
// steps of step (days) until it turns, at most window days away, then
// narrowed by golden sections below precision (days). None when it keeps
// climbing past the window.
std::optional<Instant> NearestExtremum(const OfTime& g, const Instant& near, double step, double window,
                                       bool maxima, double precision);

// The first instant of span at which g (an angle, degrees, that changes by
// at most fastest degrees a day) is at most near (degrees): strides of
// (g - near) / fastest days, which cannot pass over such an instant, and
// never shorter than shortest (days), which can pass over a dip below near
// briefer than that. None when g stays above near until the span's end;
// otherwise the instant found is the last g was called at, so that g may
// keep what it computed there. What g raises propagates.
std::optional<Instant> StrideUntilWithin(const OfTime& g, const Span& span, double near, double fastest,
                                         double shortest);

}  // namespace orbitas
