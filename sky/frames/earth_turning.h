#pragma once
// The Earth's turning, one for every horizon and every eclipse: IAU 2000B
// precession and nutation at TT with the rotation angle at UT (taken as
// UT1), no polar motion, which puts a place in the J2000 frame, a point of
// that frame on the map, and a direction on a place's horizon. (The
// method's own horizon, precession alone with the mean sidereal time, is
// ComputeHorizon in horizon.h.)
#include "calendar/instant.h"
#include "sky/frames/horizon.h"
#include "sky/frames/place.h"
#include "sky/frames/vector.h"

namespace orbitas {

// The place on the WGS84 ellipsoid (at sea level) at the instant, km,
// geocentric, J2000 mean equator. Raises nothing.
Vector PlaceVector(const Place& place, const Instant& at);

struct GroundPoint {
  double latitude, longitude;  // degrees, geodetic, north and east positive
};

// Where the line from point along direction (both km, geocentric J2000)
// first meets the ellipsoid at the instant; none when it misses.
// Raises nothing.
struct Hit {
  Vector point;        // km, geocentric J2000
  GroundPoint ground;
};
bool FirstHit(const Vector& point, const Vector& direction, const Instant& at, Hit& hit);

// The map position of a geocentric point (km, J2000) at the instant,
// projected along the radius to the ellipsoid. Raises nothing.
GroundPoint GroundOf(const Vector& point, const Instant& at);

// The unit vector towards the Earth's north pole of date at the instant,
// in the J2000 frame. Raises nothing.
Vector NorthPole(const Instant& at);

// The altitude and azimuth (degrees, geometric; azimuth from north through
// east) of a direction seen from place at the instant, given as a J2000
// vector from the place. Raises nothing.
struct AltitudeAzimuth {
  double altitude, azimuth;
};
AltitudeAzimuth HorizonOf(const Place& place, const Instant& at, const Vector& fromPlace);

// The whole horizon of that direction: right ascension and declination of
// the true equator and equinox of the date, the apparent local sidereal
// time, the hour angle (-12..12 h, west positive), the azimuth, and the
// geometric altitude with the standard refraction beside it. fromPlace is
// any length. Raises nothing.
HorizonCoordinates TurnedHorizon(const Place& place, const Instant& at, const Vector& fromPlace);

// The same for a direction of the J2000 frame given as right ascension
// (hours) and declination (degrees): a star, a radiant, a point of the
// ecliptic, too far for the place's parallax. Raises nothing.
HorizonCoordinates TurnedHorizonOf(const Place& place, const Instant& at, double rightAscensionHours,
                                   double declinationDegrees);

}  // namespace orbitas
