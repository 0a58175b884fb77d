#include "sky/bodies/planet_appearance.h"

#include <algorithm>
#include <cmath>

#include "calendar/julian_day.h"
#include "runtime/angle_units.h"
#include "sky/frames/ecliptic.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// A pole's unit vector from its right ascension and declination, degrees.
Vector Pole(double rightAscension, double declination) {
  const double a = rightAscension / DegreesPerRadian, d = declination / DegreesPerRadian;
  return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

// The latitude, degrees, of the point of a planet below the direction v
// (from the planet), for a planet whose north pole is pole.
double SubLatitude(const Vector& pole, const Vector& v) {
  return std::asin(std::clamp(Dot(pole, v) / Norm(v), -1.0, 1.0)) * DegreesPerRadian;
}

// The magnitude at unit distances and phase angle a (degrees), and the
// geometry's extra terms where a planet has them.
double ReducedMagnitude(Body body, double a, const Vector& planet, const Vector& toEarth, double julianDay) {
  switch (body) {
    case Body::Mercury:
      return -0.613 + 6.3280e-02 * a - 1.6336e-03 * a * a + 3.3644e-05 * std::pow(a, 3) -
             3.4265e-07 * std::pow(a, 4) + 1.6893e-09 * std::pow(a, 5) - 3.0334e-12 * std::pow(a, 6);
    case Body::Venus:
      if (a <= 163.7) {
        return -4.384 - 1.044e-03 * a + 3.687e-04 * a * a - 2.814e-06 * std::pow(a, 3) + 8.938e-09 * std::pow(a, 4);
      }
      return 236.05828 - 2.81914 * a + 8.39034e-03 * a * a;
    case Body::Mars:
      if (a <= 50) return -1.601 + 2.267e-02 * a - 1.302e-04 * a * a;
      return -0.367 - 0.02573 * a + 3.445e-04 * a * a;
    case Body::Jupiter: {
      if (a <= 12) return -9.395 - 3.7e-04 * a + 6.16e-04 * a * a;
      const double f = a / 180;
      return -9.428 -
             2.5 * std::log10(1 - 1.507 * f - 0.363 * f * f - 0.062 * std::pow(f, 3) + 2.809 * std::pow(f, 4) -
                              1.876 * std::pow(f, 5));
    }
    case Body::Saturn: {
      // Globe and rings, the rings tilted by beta to the line of sight.
      const double beta = std::fabs(SubLatitude(Pole(40.589, 83.537), toEarth)) / DegreesPerRadian;
      return -8.914 - 1.825 * std::sin(beta) + 0.026 * a - 0.378 * std::sin(beta) * std::exp(-2.25 * a);
    }
    case Body::Uranus: {
      const Vector pole = Pole(257.311, -15.175);
      const Vector toSun{-planet[0], -planet[1], -planet[2]};
      const double latitude = (std::fabs(SubLatitude(pole, toEarth)) + std::fabs(SubLatitude(pole, toSun))) / 2;
      return -7.110 - 8.4e-04 * latitude + 6.587e-03 * a + 1.045e-04 * a * a;
    }
    case Body::Neptune: {
      // Neptune brightened from -6.89 before 1980 to -7.00 after 2000.
      const double year = DecimalYear(julianDay);
      return year <= 1980 ? -6.89 : year >= 2000 ? -7.00 : -6.89 - 0.11 * (year - 1980) / 20;
    }
    default:
      return -1.01;  // Pluto
  }
}

}  // namespace

PlanetAspect AspectOf(Body body, const Vector& planet, const Vector& earth, Instant at) {
  const double julianDay = at.ut;
  const Vector toEarth = Minus(earth, planet), toSun{-planet[0], -planet[1], -planet[2]};
  const Vector fromEarth = Minus(planet, earth), sunFromEarth{-earth[0], -earth[1], -earth[2]};
  PlanetAspect aspect;
  aspect.phaseAngle = AngleBetween(toSun, toEarth);
  aspect.illuminated = (1 + std::cos(aspect.phaseAngle / DegreesPerRadian)) / 2;
  aspect.elongation = AngleBetween(sunFromEarth, fromEarth);
  aspect.eastOfSun = Wrapped(J2000EclipticLongitude(fromEarth) - J2000EclipticLongitude(sunFromEarth)) > 0;
  aspect.magnitude = 5 * std::log10(Norm(planet) * Norm(toEarth)) +
                     ReducedMagnitude(body, aspect.phaseAngle, planet, toEarth, julianDay);
  return aspect;
}

}  // namespace orbitas
