#pragma once
// The Sun seen from the Earth by the method itself: the Earth's
// heliocentric vector reversed, turned to equatorial coordinates as the
// planets are.
#include "ephemeris/equatorial.h"

namespace orbitas {

// The method's geocentric Sun at julianDay (days): right ascension,
// declination and distance (AU) in the method's J2000 frame, and its
// equatorial x, y, z (AU). Raises what the Earth's position raises.
EquatorialCoordinates SunEquatorialAt(const ElementsTable& elements, double julianDay);

// The centre's geometric altitude at sunset and sunrise: 16' of
// semidiameter and 34' of refraction below the horizon, degrees.
inline constexpr double SunsetAltitude = -0.8333;

}  // namespace orbitas
