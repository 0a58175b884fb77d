#pragma once
// The modern reference the method is measured against: ERFA's eraPlan94
// for the planet and eraEpv00 for the Earth, both heliocentric in the J2000
// mean frame, taking the Julian day as TDB. The method is fixed and the
// reference at hand, so each answer can carry its own error.
#include <array>
#include <optional>

#include "conversions.h"
#include "equatorial.h"

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

}  // namespace orbitas
