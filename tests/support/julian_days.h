#pragma once
// A UT date (and time) as a Julian day, as the sky's tests write instants.
#include "calendar/civil_days.h"
#include "calendar/instant.h"

namespace orbitas::testing {

// The Julian day of a UT date and hour (decimal).
inline double Jd(int year, int month, int day, double hour = 0) {
  return static_cast<double>(DaysFromCivil(year, month, day)) + 2440587.5 + hour / 24;
}

// The Julian day of a UT date and time to the second.
inline double Jd(int year, int month, int day, int hour, int minute, int second) {
  return static_cast<double>(DaysFromCivil(year, month, day)) + 2440587.5 + (hour + minute / 60.0 + second / 3600.0) / 24;
}

// The instant at a UT Julian day, for the sky's functions that take one.
inline Instant Ut(double julianDay) { return Instant::FromUt(julianDay); }

}  // namespace orbitas::testing
