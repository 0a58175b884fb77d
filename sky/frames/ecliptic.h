#pragma once
// The ecliptic of J2000 as the modern reference draws it: its obliquity to
// the J2000 equator (IAU 2006, 84381.406"), the turn between the two
// frames, and points along the ecliptic. The method keeps its own
// obliquity, ObliquityRadians, for its own coordinates.
#include <cmath>

#include "runtime/angle_units.h"
#include "sky/frames/vector.h"

namespace orbitas {

inline constexpr double J2000ObliquityRadians = 84381.406 / 3600 / DegreesPerRadian;

// An equatorial vector turned to the ecliptic of obliquity (radians).
inline Vector EclipticFromEquatorial(const Vector& v, double obliquity) {
  return {v[0], std::cos(obliquity) * v[1] + std::sin(obliquity) * v[2],
          -std::sin(obliquity) * v[1] + std::cos(obliquity) * v[2]};
}

// An ecliptic vector turned to the equator, by obliquity (radians).
inline Vector EquatorialFromEcliptic(const Vector& v, double obliquity) {
  return {v[0], std::cos(obliquity) * v[1] - std::sin(obliquity) * v[2],
          std::sin(obliquity) * v[1] + std::cos(obliquity) * v[2]};
}

// The J2000 ecliptic longitude of an equatorial J2000 vector, degrees,
// -180..180.
inline double J2000EclipticLongitude(const Vector& v) {
  const double y = v[1] * std::cos(J2000ObliquityRadians) + v[2] * std::sin(J2000ObliquityRadians);
  return std::atan2(y, v[0]) * DegreesPerRadian;
}

struct EquatorialDirection {
  double rightAscension;  // hours, 0 <= RA < 24
  double declination;     // degrees
};

// The point of the ecliptic at longitude (radians) on the equator inclined
// to it by obliquity (radians). Raises nothing.
inline EquatorialDirection EclipticPoint(double longitude, double obliquity) {
  double ra = std::atan2(std::sin(longitude) * std::cos(obliquity), std::cos(longitude)) * HoursPerRadian;
  if (ra < 0) ra += 24;
  return {ra, std::asin(std::sin(obliquity) * std::sin(longitude)) * DegreesPerRadian};
}

}  // namespace orbitas
