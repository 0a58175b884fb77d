#pragma once
// From a date and a time of day to the decimal hour, the day with its
// fraction and the Julian day, in the proleptic Gregorian calendar with
// astronomical year numbering (year 0 and negative years exist). The time
// enters as given: no time zone or time scale correction. The Julian day
// begins at noon: 2000-01-01 12:00:00 is 2451545.0.
//
// No operation checks that its arguments form a valid date or time: month 13
// runs into the next year, day 30 of February into March, minute 90 adds an
// hour and a half. Each either returns its result or raises a run-time error.

#include "runtime/conversions.h"

namespace orbitas {

// The decimal year of julianDay (days): 2000.0 at J2000.0 (JD 2451545.0),
// in Julian years of 365.25 days, as ΔT's polynomials and the reference's
// published error spans count time. Raises nothing.
inline double DecimalYear(double julianDay) { return 2000.0 + (julianDay - 2451545.0) / 365.25; }

// The decimal hour, in hours: (hour + minute / 60) + second / 3600, from
// an hour, minutes and seconds. Raises FloatingPointFault only for
// arguments near the double range.
double ComputeDecimalHour(double hour, double minute, double second);

// The day of the month with its fraction, in days: day + decimalHour / 24
// (decimalHour in hours). Raises FloatingPointFault only for arguments
// near the double range.
double ComputeDecimalDay(double day, double decimalHour);

// The working values of ComputeJulianDay, for a caller that shows its
// stages. Each holds its value after the step that last set it.
struct JulianDayStages {
  Int16 d0 = 0;      // whole part of the decimal day
  double f = 0.0;    // fraction of the day from noon, before the correction
  Int32 n = 0;       // day number after the year term
  Int16 s = 0;       // sign of month - 9
  Int16 q = 0;       // magnitude of month - 9, rounded
  Int16 c = 0;       // the century correction
  Int32 nMonth = 0;  // day number after the month, day and century terms
  Int32 nYear = 0;   // day number after the year's days
  double fCorrected = 0.0;
  Int32 nCorrected = 0;
};

// The Julian day, in days, of the given year and month and of decimalDay
// (the day of the month with its fraction, in days). Year and month may be fractional: a
// fractional month is rounded to the nearest, halves to even, in the
// century correction, and a fractional year rounds the day count.
//
// Raises Overflow when the whole part of decimalDay lies outside
// -32768..32767; when a day count leaves the signed 32-bit range; when
// |month - 9| rounds above 32767; and when the year with its month
// correction lies outside -32768..32767 (every whole year from -32767 to
// 32767 passes with a whole month). Raises FloatingPointFault when an
// intermediate leaves the double range.
//
// If stages is not null, the working values are written into it as they
// are computed (the same arithmetic either way).
double ComputeJulianDay(double year, double month, double decimalDay,
                        JulianDayStages* stages = nullptr);

}  // namespace orbitas
