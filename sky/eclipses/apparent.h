#pragma once
// The apparent geometry of eclipses and transits, from the reference: the
// Sun, the Moon and Mercury or Venus as they are seen from the Earth's
// centre at an instant (the bodies at its TT), with light time and
// aberration, in km on the J2000 mean equator; and the Earth's turning
// (IAU 2000B precession-nutation at TT, the rotation angle at UT taken as
// UT1), which puts a place in that frame and a point of that frame on the
// map.
#include "sky/bodies/body.h"
#include "sky/frames/physical_constants.h"
#include "sky/frames/instant.h"
#include "sky/frames/place.h"
#include "sky/frames/vector.h"

namespace orbitas {

inline constexpr double EarthRadiusKm = 6378.137;       // equatorial (WGS84)
inline constexpr double EarthFlattening = 1 / 298.257223563;
inline constexpr double SunRadiusKm = 696000.0;         // 959.63" at 1 AU
// The Moon's radius over the Earth's: the mean (IAU) for the penumbral
// contacts and magnitudes, a smaller one for total and annular phases,
// whose edges are the valleys of the limb (the canons' values).
inline constexpr double MoonRatio = 0.2725076;
inline constexpr double MoonUmbralRatio = 0.2722810;

// The geocentric apparent position of the Sun, the Moon, Mercury or Venus
// at the instant, km. Raises nothing.
Vector ApparentGeocentric(Body body, const Instant& at);

// The same, coarser and some ten times cheaper, for the first stage of a
// search that ApparentGeocentric then refines: the Earth is eraPlan94's
// Earth-Moon barycentre less the Moon's share of it (eraMoon98), within an
// arcsecond or so of eraEpv00's over 1000-3000. Raises nothing.
Vector QuickApparentGeocentric(Body body, const Instant& at);

// Quicker still for the Sun and the planets, where the Moon does not
// matter: seen from the Earth-Moon barycentre itself (eraPlan94 alone),
// within some 7" of the view from the Earth's centre. None of the Moon.
// Raises nothing.
Vector BarycentricApparent(Body body, const Instant& at);

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

// The semidiameter, radians, of a sphere of radius (km) at distance (km).
double Semidiameter(double radius, double distance);

}  // namespace orbitas
