#pragma once
// Cartesian vectors of positions, AU, and the few operations the sky
// library needs on them.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "runtime/angle_units.h"

namespace orbitas {

using Vector = std::array<double, 3>;

inline double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
inline double Norm(const Vector& a) { return std::sqrt(Dot(a, a)); }
inline Vector Minus(const Vector& a, const Vector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline Vector Negated(const Vector& a) { return {-a[0], -a[1], -a[2]}; }
inline Vector Scaled(const Vector& v, double k) { return {v[0] * k, v[1] * k, v[2] * k}; }

// The angle between two vectors, degrees, 0..180. Raises nothing.
inline double AngleBetween(const Vector& a, const Vector& b) {
  return std::acos(std::clamp(Dot(a, b) / (Norm(a) * Norm(b)), -1.0, 1.0)) * DegreesPerRadian;
}

// The direction of a (non-zero) vector of an equatorial frame: right
// ascension in hours, 0 <= RA < 24, and declination in degrees.
inline std::pair<double, double> RightAscensionDeclination(const Vector& v) {
  const double ra = std::atan2(v[1], v[0]) * HoursPerRadian;
  return {ra < 0 ? ra + 24 : ra, std::atan2(v[2], std::hypot(v[0], v[1])) * DegreesPerRadian};
}

}  // namespace orbitas
