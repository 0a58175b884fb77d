#pragma once
// Geocentric equatorial coordinates of a planet from the heliocentric
// positions of the planet and the Earth.

#include "ephemeris/heliocentric.h"

namespace orbitas {

// The fixed obliquity of the ecliptic: 23.429292 degrees, in radians
// (the double product of the two equals this constant exactly).
inline constexpr double ObliquityRadians = 0.4089182868111674;
// Radians to degrees, for the results shown.
inline constexpr double RadiansToDegrees = 57.2957795130823;

struct EquatorialCoordinates {
  double geoDeltaX, geoDeltaY, geoDeltaZ;  // planet minus Earth, AU
  double obliquity;                        // radians
  double x, y, z;                          // geocentric equatorial, AU
  double rightAscensionDeg;                // 0 <= RA < 360, degrees
  double declination;                      // -90..90 degrees, negative south
  double geoDistance;                      // AU
  double rightAscensionHours;              // 0 <= RA < 24, hours
};

// The planet seen from the Earth: the difference of the two heliocentric
// vectors, rotated about the x axis by the obliquity:
//   X = dx;  Y = cos e dy - sin e dz;  Z = sin e dy + cos e dz
//   RA  = ArcTanQuadrant(Y, X) * 57.2957795130823;  RA hours = RA / 15
//   Dec = Atn(Z / SquareRoot(X X + Y Y)) * 57.2957795130823
//   distance = SquareRoot((X X + Y Y) + Z Z)
// No precession, nutation, aberration, light time or parallax. Raises
// FloatingPointFault when X is exactly 0 or X X + Y Y is 0. Each field is
// set before the next is computed; on an error, out keeps what was set.
void ComputeEquatorialCoordinates(const HeliocentricPosition& earth,
                                  const HeliocentricPosition& planet,
                                  EquatorialCoordinates& out);

// The whole method at once, for callers that want only the numbers: the
// Earth's and body's heliocentric positions at julianDay (days), with
// EpochOffset from elements, then ComputeEquatorialCoordinates. Raises
// what those raise.
EquatorialCoordinates PlanetEquatorialAt(const ElementsTable& elements, Int16 body, double julianDay);

}  // namespace orbitas
