#pragma once
// Whole days of the proleptic Gregorian calendar with astronomical years
// (year 0 and negative years exist), counted from 1970-01-01. Exact integer
// arithmetic: this is the count a table steps through, not the program's
// Julian-day formula, which keeps its own checked arithmetic.

#include <cstdint>

namespace orbitas {

inline constexpr double SecondsPerDay = 86400.0;
inline constexpr double MinutesPerDay = 1440.0;
// The Julian day of 1970-01-01T00:00:00.
inline constexpr double UnixEpochJulianDay = 2440587.5;

struct CivilDate {
  std::int64_t year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
};

// True for the leap years of the proleptic Gregorian calendar (year 0,
// -4, 2000; not 1900).
bool IsLeapYear(std::int64_t year);

// The days of month (1..12) in year: 28 to 31.
int DaysInMonth(std::int64_t year, int month);

// Days from 1970-01-01 to the date (negative before it), by eras of 400
// years so that it holds for any year within about ±2.5e13. The date must
// exist (month 1..12, day 1..DaysInMonth); nothing is raised.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day);

// The date `days` days after 1970-01-01: the inverse of DaysFromCivil.
CivilDate CivilFromDays(std::int64_t days);

}  // namespace orbitas
