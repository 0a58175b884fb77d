#pragma once
// The modern reference the method is measured against: ERFA's eraPlan94
// for the planet and eraEpv00 for the Earth, both heliocentric in the J2000
// mean frame, taking the Julian day as TDB. The method is fixed and the
// reference at hand, so each answer can carry its own error.
#include <array>
#include <optional>

#include "runtime/conversions.h"
#include "ephemeris/equatorial.h"

namespace orbitas {

// The reference's geocentric vector of body at julianDay (days): planet
// minus Earth, AU, J2000 mean equator and equinox (x towards the equinox).
// No value for Pluto (9), which the reference does not include, or for a
// body outside 1..8 or the Earth. Raises nothing.
std::optional<std::array<double, 3>> ReferenceGeocentric(double julianDay, Int16 body);

// The angle, degrees, between eq's direction (right ascension and
// declination) and ReferenceGeocentric's at julianDay. No value where that
// has none. Raises nothing.
std::optional<double> MethodErrorDegrees(double julianDay, Int16 body, const EquatorialCoordinates& eq);

// The reference's geocentric Sun at julianDay: the Earth's heliocentric
// vector of eraEpv00 reversed, AU, J2000. Raises nothing.
std::array<double, 3> ReferenceSunGeocentric(double julianDay);

// The angle, degrees, between the direction (rightAscensionDeg,
// declination, degrees, J2000) of the method's Sun in eq and the
// reference's. Raises nothing.
double SunMethodErrorDegrees(double julianDay, const EquatorialCoordinates& eq);

// How far the reference itself may be from the true geometric direction
// of body (1 to 8, or 0 for the Sun) at julianDay, degrees: the published
// maximum errors of eraPlan94 over 1800-2050 (half as large again over
// 1000-3000, and assumed so beyond) in longitude, latitude and distance,
// seen from the Earth's distance, plus the light time and aberration that
// the comparison leaves out on both sides. The printed error of the method
// is never smaller than this. No value for Pluto or another body. Raises
// nothing.
std::optional<double> ReferenceBoundDegrees(double julianDay, Int16 body);

}  // namespace orbitas
