#pragma once
// The error an answer carries: the method's own error against the
// reference, and the reference's own bound, below which no error can be
// told. The bar printed beside an answer is the larger of the two. The
// same type carries angles (degrees) and times (minutes).
#include <algorithm>
#include <cmath>
#include <optional>

#include "calendar/civil_days.h"
#include "calendar/instant.h"

namespace orbitas {

struct ErrorBars {
  std::optional<double> method;     // the method's error; none where the reference lacks the body
  std::optional<double> reference;  // the reference's own bound; none where it lacks the body

  // The bar an answer can honestly carry: the method's error, never below
  // the reference's own bound. None without the method's error.
  std::optional<double> Bar() const {
    if (!method) return std::nullopt;
    return reference ? std::max(*method, *reference) : method;
  }

  // Whether a verdict that misses its limit by margin (in the same unit)
  // may be wrong: the margin is smaller than the bar.
  bool Covers(double margin) const {
    const std::optional<double> bar = Bar();
    return bar && std::fabs(margin) < *bar;
  }
};

// An angular error (degrees) at `at` turned into minutes by the rate of
// curve (degrees, as a function of the instant) there: each bar over the
// degrees the curve moves in a minute. None where the curve stands still.
template <typename F>
ErrorBars MinutesOf(const ErrorBars& degrees, F&& curve, const Instant& at) {
  constexpr double HalfMinute = 30 / SecondsPerDay;  // days
  if (!degrees.method && !degrees.reference) return {};
  const double rate = std::fabs(curve(at.After(HalfMinute)) - curve(at.After(-HalfMinute)));  // degrees a minute
  if (!(rate > 0)) return {};
  ErrorBars minutes;
  if (degrees.method) minutes.method = *degrees.method / rate;
  if (degrees.reference) minutes.reference = *degrees.reference / rate;
  return minutes;
}

}  // namespace orbitas
