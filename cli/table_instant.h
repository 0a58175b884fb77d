#pragma once
// The instants of a table: ISO 8601 dates and times with astronomical
// years, or Julian days written "JD2451545.0", and the steps between them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbitas::cli {

// A date and time of the proleptic Gregorian calendar, astronomical years.
struct CivilTime {
  std::int64_t year = 2000;
  int month = 1, day = 1, hour = 0, minute = 0;
  double second = 0.0;
};

// A table bound: either a civil date and time or a Julian day.
struct TableInstant {
  std::optional<CivilTime> civil;  // set for an ISO date
  double julianDay = 0.0;          // set for "JD..."
};

// "2026-01-01", "2026-01-01T06:30", "2026-01-01T06:30:15" (seconds may
// have a fraction), years with a sign and more digits ("-0500-03-01",
// "+12000-01-01"), or "JD" and a number. No value for anything else,
// including dates that do not exist (2026-02-30).
std::optional<TableInstant> ParseTableInstant(std::string_view text);

// "10d", "6h", "0.5d", "30m", "15s": a positive number of seconds. No value
// for a unit other than d, h, m, s, or a number that is not positive.
std::optional<double> ParseStepSeconds(std::string_view text);

// Seconds since 1970-01-01T00:00:00 of a civil time, and back.
double SecondsFromCivil(const CivilTime& t);
CivilTime CivilFromSeconds(double seconds);

// The civil date and time of a Julian day, to the nearest second: only to
// label table rows that start from a Julian day.
CivilTime CivilFromJulianDay(double julianDay);

// "2026-01-01T06:30:15": four-digit years, a sign and more digits outside
// 0..9999; seconds with a fraction only when they have one.
std::string IsoText(const CivilTime& t);

}  // namespace orbitas::cli
