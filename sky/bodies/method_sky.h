#pragma once
// Where the method puts a body: the Sun as the Earth's heliocentric vector
// reversed, the planets as the method computes them, turned to equatorial
// coordinates and to the horizon of a place. The Moon is not the method's:
// see sky/bodies/moon.h.
#include "calendar/instant.h"
#include "ephemeris/equatorial.h"
#include "sky/bodies/body.h"
#include "sky/frames/horizon.h"
#include "sky/frames/place.h"
#include "sky/frames/vector.h"

namespace orbitas {

// The method's positions have no time scale of their own: each is the
// method's at the instant's UT Julian day.

// The method's geocentric Sun at `at`: right ascension, declination and
// distance (AU) in the method's J2000 frame, and its equatorial x, y, z
// (AU). Raises what the Earth's position raises.
EquatorialCoordinates SunEquatorialAt(const ElementsTable& elements, const Instant& at);

// The method's geocentric equatorial coordinates of the Sun or a planet
// at `at`. Raises the method's run-time errors.
EquatorialCoordinates MethodEquatorial(const ElementsTable& elements, Body body, const Instant& at);

// Where the Sun or a planet stands in the sky of place at `at` by the
// method: geometric altitude, azimuth, hour angle. Raises the method's
// run-time errors.
HorizonCoordinates MethodHorizon(const ElementsTable& elements, Body body, const Place& place, const Instant& at);

// The method's heliocentric position of a planet or the Earth at `at`,
// AU, turned from its ecliptic frame to its equatorial one by its own
// obliquity. Raises the method's run-time errors.
Vector MethodHeliocentricEquatorial(const ElementsTable& elements, Body body, const Instant& at);

// A vector of the method's heliocentric ecliptic frame turned to its
// equatorial one, by the method's obliquity.
Vector MethodEquatorialFromEcliptic(double x, double y, double z);

}  // namespace orbitas
