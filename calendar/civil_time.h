#pragma once
// Civil dates and times of the proleptic Gregorian calendar with
// astronomical years: seconds since 1970 and back, Julian days and back,
// and ISO 8601 text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/civil_days.h"

namespace orbitas {

// A date and time of the proleptic Gregorian calendar, astronomical years.
struct CivilTime {
  std::int64_t year = 2000;
  int month = 1, day = 1, hour = 0, minute = 0;
  double second = 0.0;
};

// An instant as the user gives it: either a civil date and time or a
// Julian day.
struct TableInstant {
  std::optional<CivilTime> civil;  // set for an ISO date
  double julianDay = 0.0;          // set for "JD..."
};

// The Unix seconds (since 1970-01-01T00:00:00) of a Julian day, and back:
// (jd - UnixEpochJulianDay) * SecondsPerDay and its inverse, the one place
// either is written.
inline double UnixSecondsFromJulianDay(double julianDay) {
  return (julianDay - UnixEpochJulianDay) * SecondsPerDay;
}
inline double JulianDayFromUnixSeconds(double seconds) { return seconds / SecondsPerDay + UnixEpochJulianDay; }

// Seconds since 1970-01-01T00:00:00 of a civil time, and back.
double SecondsFromCivil(const CivilTime& t);
CivilTime CivilFromSeconds(double seconds);

// The UT Julian day of a civil time read at offsetSeconds east of UTC
// ("2026-12-08T22:00+01:00" is 21:00 UT). Raises nothing.
inline double JulianDayAtOffset(const CivilTime& t, double offsetSeconds) {
  return JulianDayFromUnixSeconds(SecondsFromCivil(t) - offsetSeconds);
}

// The civil date and time of a Julian day, to the nearest second: only to
// label table rows that start from a Julian day.
CivilTime CivilFromJulianDay(double julianDay);

// "2026-01-01T06:30:15": four-digit years, a sign and more digits outside
// 0..9999; seconds with a fraction only when they have one.
std::string IsoText(const CivilTime& t);

// "2026-01-01": the date of IsoText alone.
std::string IsoDate(const CivilTime& t);

}  // namespace orbitas
