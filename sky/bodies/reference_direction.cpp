#include "sky/bodies/reference_direction.h"

#include <erfa.h>

#include <cmath>

#include "runtime/angle_units.h"

namespace orbitas {
namespace {

// The angle between our direction in eq and the reference vector, degrees.
double AngleTo(const EquatorialCoordinates& eq, std::array<double, 3> reference) {
  double ours[3];
  eraS2c(eq.rightAscensionDeg / DegreesPerRadian, eq.declination / DegreesPerRadian, ours);
  return eraSepp(ours, reference.data()) * DegreesPerRadian;
}

// eraPlan94's maximum errors over 1800-2050 (Simon et al. 1994): longitude
// and latitude in arcseconds, distance in km; index 0 is unused.
struct Bound {
  double longitude, latitude, distance;
};
constexpr Bound PlanetBounds[] = {{0, 0, 0},   {4, 1, 300},   {5, 1, 800},       {6, 1, 1000},  {17, 1, 7700},
                                  {71, 5, 76000}, {81, 13, 267000}, {86, 7, 712000}, {11, 1, 253000}};
constexpr double KilometresPerAu = 149597870.7;
constexpr double LightAuPerDay = 173.1446326846693;
constexpr double ArcsecondsPerRadian = 206264.80624709636;

}  // namespace

std::optional<std::array<double, 3>> ReferenceGeocentric(double julianDay, Int16 body) {
  if (body < 1 || body > 8 || body == EarthBody) return std::nullopt;
  double planet[2][3], earthHeliocentric[2][3], earthBarycentric[2][3];
  eraPlan94(julianDay, 0.0, body, planet);
  eraEpv00(julianDay, 0.0, earthHeliocentric, earthBarycentric);
  std::array<double, 3> geocentric{};
  for (int i = 0; i < 3; ++i) geocentric[i] = planet[0][i] - earthHeliocentric[0][i];
  return geocentric;
}

std::optional<double> MethodErrorDegrees(double julianDay, Int16 body, const EquatorialCoordinates& eq) {
  std::optional<std::array<double, 3>> reference = ReferenceGeocentric(julianDay, body);
  if (!reference) return std::nullopt;
  return AngleTo(eq, *reference);
}

std::array<double, 3> ReferenceSunGeocentric(double julianDay) {
  double earthHeliocentric[2][3], earthBarycentric[2][3];
  eraEpv00(julianDay, 0.0, earthHeliocentric, earthBarycentric);
  return {-earthHeliocentric[0][0], -earthHeliocentric[0][1], -earthHeliocentric[0][2]};
}

double SunMethodErrorDegrees(double julianDay, const EquatorialCoordinates& eq) {
  return AngleTo(eq, ReferenceSunGeocentric(julianDay));
}

std::optional<double> ReferenceBoundDegrees(double julianDay, Int16 body) {
  if (body < 0 || body > 8 || body == EarthBody) return std::nullopt;
  const double year = 2000.0 + (julianDay - 2451545.0) / 365.25;
  const double widening = year >= 1800 && year <= 2050 ? 1.0 : 1.5;
  double earth[2][3], earthBarycentric[2][3];
  eraEpv00(julianDay, 0.0, earth, earthBarycentric);
  // The Earth's own error (about 5 km) is far below every planet's.
  double position[3], velocity[3];
  const Bound& bound = PlanetBounds[body == 0 ? EarthBody : body];
  double heliocentricDistance = eraPm(earth[0]);
  if (body == 0) {
    for (int i = 0; i < 3; ++i) position[i] = -earth[0][i], velocity[i] = -earth[1][i];
  } else {
    double planet[2][3];
    eraPlan94(julianDay, 0.0, body, planet);
    heliocentricDistance = eraPm(planet[0]);
    for (int i = 0; i < 3; ++i) position[i] = planet[0][i] - earth[0][i], velocity[i] = planet[1][i] - earth[1][i];
  }
  const double distance = eraPm(position);
  // The planet's heliocentric error, AU, seen from the Earth.
  const double across = heliocentricDistance * std::hypot(bound.longitude, bound.latitude) / ArcsecondsPerRadian;
  const double along = bound.distance / KilometresPerAu;
  const double seen = widening * (across + along) / distance;
  // Light time and aberration: at most the relative velocity over c.
  const double apparent = eraPm(velocity) / LightAuPerDay;
  return (seen + apparent) * DegreesPerRadian;
}

}  // namespace orbitas
