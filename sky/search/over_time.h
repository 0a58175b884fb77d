#pragma once
// The toolkit's searches over time, for functions of an Instant: the
// toolkit narrows the UT Julian day, and each time it tries becomes one
// Instant, its ΔT worked out once there, handed to the function.
#include "calendar/instant.h"
#include "sky/search/toolkit.h"

namespace orbitas {

// The stretch from daysBefore days before t to daysAfter days after it.
inline Span Around(const Instant& t, double daysBefore, double daysAfter) { return {t.After(-daysBefore), t.After(daysAfter)}; }

// f of the instant at a UT Julian day: what the toolkit's finders follow.
template <typename F>
auto OfJulianDay(F& f) {
  return [&f](double ut) { return f(Instant::FromUt(ut)); };
}

// The least of f within span, to precision (days), by Brent's method.
template <typename F>
Instant LeastWithin(F&& f, const Span& span, double precision) {
  return Instant::FromUt(BrentMinimum(OfJulianDay(f), span.from.ut, span.to.ut, precision));
}

// The instant in span where f (false at one end, true at the other)
// changes, to precision (days).
template <typename State>
Instant ChangeWithin(State&& state, const Span& span, double precision) {
  return Instant::FromUt(NarrowChange(OfJulianDay(state), span.from.ut, span.to.ut, precision));
}

// The zero of f within span, where it changes sign, to precision (days),
// by regula falsi.
template <typename F>
Instant ZeroWithin(F&& f, const Span& span, double precision) {
  return Instant::FromUt(FalsePosition(OfJulianDay(f), span.from.ut, span.to.ut, precision));
}

}  // namespace orbitas
