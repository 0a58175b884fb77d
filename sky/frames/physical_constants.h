#pragma once
// The physical constants of the sky library, each defined once and taken
// from ERFA's own (erfam.h), so that the reference and the library agree
// to the last bit.
#include <erfam.h>

#include "calendar/civil_days.h"

namespace orbitas {

inline constexpr double MetresPerAu = ERFA_DAU;                    // the IAU 2012 astronomical unit
inline constexpr double KilometresPerAu = ERFA_DAU / 1000.0;
inline constexpr double SpeedOfLightKmPerSecond = ERFA_CMPS / 1000.0;
inline constexpr double ArcsecondsPerRadian = ERFA_DR2AS;
inline constexpr double EarthRadiusKm = 6378.137;  // equatorial (WGS84)
inline constexpr double EarthFlattening = 1 / 298.257223563;

static_assert(SecondsPerDay == ERFA_DAYSEC, "the calendar's day is ERFA's");

}  // namespace orbitas
