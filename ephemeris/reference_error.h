#pragma once
// How far the method's direction of a planet is from a modern one: ERFA's
// eraPlan94 for the planet and eraEpv00 for the Earth, both heliocentric
// in the J2000 mean frame, taking the Julian day as TDB. The method is
// fixed and the reference at hand, so each answer can carry its own error.
#include <optional>

#include "conversions.h"
#include "equatorial.h"

namespace orbitas {

// The angle, degrees, between eq's direction (right ascension and
// declination) and the reference's direction of body at julianDay (days).
// No value for Pluto (9), which the reference does not include, or for a
// body outside 1..8. Raises nothing.
std::optional<double> MethodErrorDegrees(double julianDay, Int16 body, const EquatorialCoordinates& eq);

}  // namespace orbitas
