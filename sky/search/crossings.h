#pragma once
// Where a function of time crosses zero, and where it is largest: the
// root-finding behind risings, settings, twilights and the visible
// intervals. Times are Julian days.
#include <functional>
#include <vector>

#include "calendar/civil_days.h"

namespace orbitas {

// Bisection stops within a millisecond: at any body's rate the altitude is
// then within 1e-5 degrees of where it crosses.
inline constexpr double Millisecond = 0.001 / SecondsPerDay;  // days

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

struct Crossing {
  double time;   // Julian day
  bool upward;   // f goes from <= 0 to > 0
};

// Every crossing of zero by f in [start, end], in time order: f is sampled
// at `samples` equal steps and each change of sign is bisected. Crossings
// closer together than a step may be missed; ten minutes is far shorter
// than any altitude's swing. What f raises propagates.
std::vector<Crossing> FindCrossings(const std::function<double(double)>& f, double start, double end,
                                    int samples);

// The time in [start, end] where f is largest: the largest of `samples`
// equal steps, then narrowed by golden sections to a millisecond around
// it.
double FindMaximum(const std::function<double(double)>& f, double start, double end, int samples);

// degrees brought into (-180, 180].
double Wrapped(double degrees);

// The zeros of f, an angle in degrees (-180..180], in [from, to): f is
// sampled every step (from one step before from) and each change of sign
// that is not the jump at ±180 degrees is bisected below precision (days).
// A touch of zero without a change of sign is no zero.
std::vector<Crossing> AngleZeros(const std::function<double(double)>& f, double from, double to, double step,
                                 double precision);

// AngleZeros of f - target for each of targets at once, from one set of
// samples of f: the result's k-th list is for targets[k].
std::vector<std::vector<Crossing>> AngleZerosOfEach(const std::function<double(double)>& f,
                                                    const std::vector<double>& targets, double from, double to,
                                                    double step, double precision);

// The local maxima (or minima) of g with their time in [from, to): g is
// sampled every step and each sample higher than the one before and not
// lower than the one after is narrowed by golden sections below precision.
std::vector<double> LocalExtrema(const std::function<double(double)>& g, double from, double to, double step,
                                 bool maxima, double precision);

}  // namespace orbitas
