#pragma once
// An instant on the two time scales the sky is computed in: UT, which the
// Earth's turning and the user's clock follow, and TT, which the bodies'
// motions follow (ERFA's ephemerides ask for TT, taken as TDB). TT is
// UT + ΔT (Espenak and Meeus), worked out once when the instant is made.
// The method's own positions have no time scale: they take the Julian day
// as typed. Every time from the first parse to the writers is an Instant;
// a stretch of time is a Span.
#include "calendar/delta_t.h"

namespace orbitas {

struct Instant {
  double ut = 0.0;  // Julian day, UT
  double tt = 0.0;  // Julian day, TT

  // The instant at Julian day ut (UT), with TT = UT + ΔT(UT). Raises
  // nothing.
  static Instant FromUt(double ut) { return {ut, TerrestrialTime(ut)}; }

  // The instant days later (earlier when negative), with its own ΔT.
  Instant After(double days) const { return FromUt(ut + days); }

  // Days from `earlier` to this instant, in UT.
  double DaysSince(const Instant& earlier) const { return ut - earlier.ut; }

  friend bool operator<(const Instant& a, const Instant& b) { return a.ut < b.ut; }
  friend bool operator<=(const Instant& a, const Instant& b) { return a.ut <= b.ut; }
  friend bool operator>(const Instant& a, const Instant& b) { return a.ut > b.ut; }
  friend bool operator>=(const Instant& a, const Instant& b) { return a.ut >= b.ut; }
  friend bool operator==(const Instant& a, const Instant& b) { return a.ut == b.ut; }
};

// The instant the system's clock reads now. Raises nothing.
Instant SystemNow();

// The instants from `from` up to `to`, that one excluded: every search of
// the sky library looks within one.
struct Span {
  Instant from, to;

  // The span of `days` from `from`.
  static Span Of(const Instant& from, double days) { return {from, from.After(days)}; }

  double Days() const { return to.ut - from.ut; }
  bool Contains(const Instant& t) const { return from <= t && t < to; }
  bool Empty() const { return !(from < to); }
};

}  // namespace orbitas
